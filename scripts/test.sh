#!/usr/bin/env bash
# Builds everything and runs the whole test suite on a virtual desktop.
# Then the Windows cross build (build-windows/): its portable suites run under wine.
# Usage: scripts/test.sh [extra ctest arguments]
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$(pwd)
BUILD=${PARVALON_BUILD_DIR:-$ROOT/build}
FUZZ_BUILD=${PARVALON_FUZZ_BUILD_DIR:-$ROOT/build-fuzz}
WINDOWS_BUILD=${PARVALON_WINDOWS_BUILD_DIR:-$ROOT/build-windows}
JOBS=${PARVALON_JOBS:-$(nproc)}

bash scripts/install-deps.sh --windows

# The compiler cache makes a rebuild on the same machine quick, a fresh clone's included: paths
# below the tree are hashed relative to it.
LAUNCHER=()
if command -v ccache >/dev/null 2>&1; then
  export CCACHE_BASEDIR="$ROOT" CCACHE_NOHASHDIR=true
  LAUNCHER=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi

cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPARVALON_WERROR=ON "${LAUNCHER[@]}"
cmake --build "$BUILD" -j "$JOBS"

fuzz=0
if [ -f host/tests/fuzz/CMakeLists.txt ]; then
  fuzz=1
  CC=clang-14 CXX=clang++-14 cmake -S . -B "$FUZZ_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DPARVALON_FUZZ=ON -DPARVALON_BUILD_BENCH=OFF "${LAUNCHER[@]}"
  cmake --build "$FUZZ_BUILD" -j "$JOBS"
fi

source scripts/lib/desktop.sh
trap desktop_stop EXIT
desktop_start

status=0
# The WineHost tests drive the Windows build: they run after it, below.
(cd "$BUILD" && ctest --output-on-failure -j "$JOBS" --no-tests=error -E '^WineHost\.' "$@") || status=$?
if [ $fuzz -eq 1 ]; then
  (cd "$FUZZ_BUILD" && ctest --output-on-failure -j "$JOBS" --no-tests=error) || status=$?
fi

# The Windows build: dependencies from Debian's sources (cached), then its suites under wine on
# the same virtual desktop.
windows_status=0
windows_start=$(date +%s)
{
  bash scripts/build-windows-deps.sh "$WINDOWS_BUILD" &&
    cmake -S . -B "$WINDOWS_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPARVALON_WERROR=ON \
      -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64-x86_64.cmake" "${LAUNCHER[@]}" &&
    cmake --build "$WINDOWS_BUILD" -j "$JOBS" &&
    (cd "$WINDOWS_BUILD" && ctest --output-on-failure -j "$JOBS" --no-tests=error) &&
    (cd "$BUILD" && PARVALON_WINDOWS_BUILD_DIR="$WINDOWS_BUILD" ctest --output-on-failure --no-tests=error -R '^WineHost\.')
} || windows_status=$?
echo "Windows build and tests: $(( $(date +%s) - windows_start )) s, status $windows_status"
[ $windows_status -ne 0 ] && status=$windows_status

# The packages made from both builds, unpacked and run.
PARVALON_BUILD_DIR="$BUILD" PARVALON_WINDOWS_BUILD_DIR="$WINDOWS_BUILD" bash scripts/package.sh --check || status=$?
exit $status
