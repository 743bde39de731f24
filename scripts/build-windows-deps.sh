#!/usr/bin/env bash
# Builds the libraries the Windows host needs but Debian ships only as Linux builds, from Debian's
# own sources, with the mingw-w64 cross compiler, into <build folder>/deps/prefix:
#   - Dear ImGui (source package imgui): the core, backends/imgui_impl_win32 and imgui_impl_dx11
#   - libopus (source package opus)
#   - libx264 (source package x264): static, 8-bit, without its command-line program; needs nasm
#   - libyuv (source package libyuv): the BGRA to I420 conversion of the software encoder
#   - GoogleTest and GoogleMock (/usr/src/googletest from the googletest package)
#   - fmt (source package fmtlib) and spdlog (source package spdlog) as compiled static libraries:
#     header-only, every file that logs would compile them again (half of the build's time)
# Each library is rebuilt only when its Debian version (or the compiler) changes.
# Usage: scripts/build-windows-deps.sh [build folder, default build-windows]
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$(pwd)
BUILD=$(realpath -m "${1:-${PARVALON_WINDOWS_BUILD_DIR:-$ROOT/build-windows}}")
DEPS=$BUILD/deps
PREFIX=$DEPS/prefix
JOBS=${PARVALON_JOBS:-2}
TOOLCHAIN=$ROOT/cmake/mingw-w64-x86_64.cmake
CXX=x86_64-w64-mingw32-g++-posix
AR=x86_64-w64-mingw32-ar
mkdir -p "$DEPS/src" "$PREFIX/lib" "$PREFIX/include" "$DEPS/stamps"

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
compiler=$($CXX -dumpfullversion)

# A deb-src entry for the archive the binary packages come from, added once.
ensure_deb_src() {
  if apt-cache showsrc opus 2>/dev/null | grep -q '^Package:'; then return; fi
  local src=/etc/apt/sources.list.d/debian.sources
  if [ -f "$src" ]; then
    sed -e 's/^Types: deb$/Types: deb-src/' "$src" | $SUDO tee /etc/apt/sources.list.d/parvalon-deb-src.sources >/dev/null
  else
    grep -h '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' |
      $SUDO tee /etc/apt/sources.list.d/parvalon-deb-src.list >/dev/null
  fi
  $SUDO apt-get update -qq
}

# The version apt would fetch for a source package.
source_version() {
  apt-cache showsrc "$1" | awk '/^Version:/ {print $2}' | sort -V | tail -1
}

# up_to_date <name> <version>: true when <name> was built from that version with this compiler.
up_to_date() { [ "$(cat "$DEPS/stamps/$1" 2>/dev/null)" = "$2 $compiler" ]; }
mark_built() { echo "$2 $compiler" >"$DEPS/stamps/$1"; }

# fetch_source <package> <version>: unpacks the Debian source into $DEPS/src/<package> and prints
# the unpacked source folder.
fetch_source() {
  local dir=$DEPS/src/$1
  rm -rf "$dir" && mkdir -p "$dir"
  (cd "$dir" && apt-get source -qq -o APT::Sandbox::User=root "$1=$2" >/dev/null)
  find "$dir" -mindepth 1 -maxdepth 1 -type d | head -1
}

# from_source <name> <source package> <label> <build function> [what else the build depends on]:
# runs <build function> on the unpacked Debian source unless <name> is built from that version.
from_source() {
  local name=$1 package=$2 label=$3 builder=$4 also=${5:-}
  local version src
  version=$(source_version "$package")
  local stamp=$version${also:+ $also}
  if up_to_date "$name" "$stamp"; then return; fi
  echo "Building $label $version for Windows"
  src=$(fetch_source "$package" "$version")
  "$builder" "$src"
  mark_built "$name" "$stamp"
}

build_imgui() {
  local src=$1
  local obj=$DEPS/obj/imgui
  rm -rf "$obj" && mkdir -p "$obj"
  local files=(imgui.cpp imgui_draw.cpp imgui_tables.cpp imgui_widgets.cpp imgui_demo.cpp
               backends/imgui_impl_win32.cpp backends/imgui_impl_dx11.cpp)
  printf '%s\n' "${files[@]}" | xargs -P "$JOBS" -I{} sh -c \
    "$CXX"' -std=c++20 -O2 -g -w -I"'"$src"'" -c "'"$src"'/{}" -o "'"$obj"'/$(basename {} .cpp).o"'
  rm -f "$PREFIX/lib/libimgui.a"
  $AR rcs "$PREFIX/lib/libimgui.a" "$obj"/*.o
  rm -rf "$PREFIX/include/imgui" && mkdir -p "$PREFIX/include/imgui/backends"
  cp "$src"/imgui.h "$src"/imconfig.h "$src"/imgui_internal.h "$src"/imstb_*.h "$PREFIX/include/imgui/"
  cp "$src"/backends/imgui_impl_win32.h "$src"/backends/imgui_impl_dx11.h "$PREFIX/include/imgui/backends/"
}

# cmake_build <name> <source folder> [cmake arguments...]: a CMake project built and installed.
cmake_build() {
  local name=$1 src=$2
  shift 2
  local bld=$DEPS/obj/$name
  rm -rf "$bld"
  cmake -S "$src" -B "$bld" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$TOOLCHAIN" -DCMAKE_INSTALL_PREFIX="$PREFIX" "$@" >/dev/null
  cmake --build "$bld" -j "$JOBS" >/dev/null
  cmake --install "$bld" >/dev/null
}

build_opus() {
  local src=$1
  # The release tarball's CMake files are incomplete; its configure script is the supported way.
  local bld=$DEPS/obj/opus
  rm -rf "$bld" && mkdir -p "$bld"
  (cd "$bld" && "$src/configure" -q --host=x86_64-w64-mingw32 --prefix="$PREFIX" \
      --disable-shared --enable-static --disable-doc --disable-extra-programs --disable-stack-protector \
      CC=x86_64-w64-mingw32-gcc-posix CFLAGS="-O2 -g" >/dev/null &&
    make -s -j "$JOBS" >/dev/null 2>&1 && make -s install >/dev/null)
}

build_x264() {
  local src=$1
  local bld=$DEPS/obj/x264
  rm -rf "$bld" && mkdir -p "$bld"
  # Win32 threads (x264's default for mingw): the encoder's slice threads need no pthreads DLL.
  (cd "$bld" && CC=x86_64-w64-mingw32-gcc-posix "$src/configure" --host=x86_64-w64-mingw32 \
      --cross-prefix=x86_64-w64-mingw32- --prefix="$PREFIX" --enable-static --disable-cli \
      --bit-depth=8 --chroma-format=all --disable-opencl >/dev/null &&
    make -s -j "$JOBS" lib-static >/dev/null 2>&1 && make -s install-lib-static >/dev/null)
}

build_libyuv() {
  local src=$1
  local obj=$DEPS/obj/libyuv
  rm -rf "$obj" && mkdir -p "$obj"
  # Every file: the ones for other processors compile to nothing on x86-64. No JPEG support.
  find "$src/source" -maxdepth 1 -name '*.cc' -print0 | xargs -0 -P "$JOBS" -I{} sh -c \
    "$CXX"' -std=c++17 -O2 -g -w -I"'"$src"'/include" -c "{}" -o "'"$obj"'/$(basename {} .cc).o"'
  rm -f "$PREFIX/lib/libyuv.a"
  $AR rcs "$PREFIX/lib/libyuv.a" "$obj"/*.o
  rm -rf "$PREFIX/include/libyuv" && cp -r "$src/include/libyuv" "$src/include/libyuv.h" "$PREFIX/include/"
}

build_googletest() {
  local version
  version=$(dpkg-query -W -f='${Version}' googletest)
  if up_to_date googletest "$version"; then return; fi
  echo "Building GoogleTest $version for Windows"
  cmake_build googletest /usr/src/googletest -DBUILD_GMOCK=ON -DINSTALL_GTEST=ON \
    -Dgtest_disable_pthreads=OFF -DCMAKE_INSTALL_LIBDIR=lib
  mark_built googletest "$version"
}

build_fmt() {
  cmake_build fmt "$1" -DFMT_DOC=OFF -DFMT_TEST=OFF -DFMT_INSTALL=ON -DCMAKE_INSTALL_LIBDIR=lib \
    -DCMAKE_CXX_FLAGS="-O2 -g"
}

# Against the fmt above; file names stay wide (the log opens by its UTF-16 path).
build_spdlog() {
  cmake_build spdlog "$1" -DSPDLOG_FMT_EXTERNAL=ON -DSPDLOG_WCHAR_FILENAMES=ON -DSPDLOG_BUILD_EXAMPLE=OFF \
    -DSPDLOG_BUILD_TESTS=OFF -DSPDLOG_BUILD_BENCH=OFF -DSPDLOG_INSTALL=ON -DCMAKE_INSTALL_LIBDIR=lib \
    -Dfmt_DIR="$PREFIX/lib/cmake/fmt" -DCMAKE_CXX_FLAGS="-O2 -g"
}

ensure_deb_src
build_googletest
from_source fmt fmtlib fmt build_fmt
from_source spdlog spdlog spdlog build_spdlog "$(cat "$DEPS/stamps/fmt" 2>/dev/null)"
from_source imgui imgui "Dear ImGui" build_imgui
from_source opus opus libopus build_opus
from_source x264 x264 libx264 build_x264
from_source libyuv libyuv libyuv build_libyuv
