#!/usr/bin/env bash
# Builds the packages a user installs: the Debian package from build/ and the Windows zip (plus
# an NSIS installer when makensis is present) from build-windows/, into <build folder>/packages.
#
# Usage: scripts/package.sh           build what the packages hold (both trees), then package
#        scripts/package.sh --check   package the trees as they are built and check the packages:
#                                     the .deb unpacked into a fresh root (files, library
#                                     dependencies, versions, the installed host on the desktop
#                                     finding its logo) and the zip unpacked and run under wine.
# --check builds nothing beyond bringing the packaged programs up to date; a tree that has no
# build is reported and skipped. scripts/test.sh runs it after its suites.
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$(pwd)
BUILD=${PARVALON_BUILD_DIR:-$ROOT/build}
WINDOWS_BUILD=${PARVALON_WINDOWS_BUILD_DIR:-$ROOT/build-windows}
JOBS=${PARVALON_JOBS:-$(nproc)}
VERSION=$(sed -n 's/^project(Parvalon VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
LINUX_PROGRAMS=(ParvalonHost parvalon-viewer parvalon-testpattern)
# What a host start on the desktop logs once it serves.
READY="Application initialized, entering main loop..."

check=0
case "${1:-}" in
  --check) check=1 ;;
  "") ;;
  *) echo "usage: scripts/package.sh [--check]" >&2; exit 2 ;;
esac

LAUNCHER=()
if command -v ccache >/dev/null 2>&1; then
  export CCACHE_BASEDIR="$ROOT" CCACHE_NOHASHDIR=true
  LAUNCHER=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi

# cpack_in <build folder>: the packages of that tree, made from its current build.
cpack_in() {
  (cd "$1" && cpack -B "$1/packages" >"$1/packages.log" 2>&1) || {
    cat "$1/packages.log" >&2
    return 1
  }
}

build_packages() {
  bash scripts/install-deps.sh --windows
  cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPARVALON_WERROR=ON "${LAUNCHER[@]}"
  cmake --build "$BUILD" -j "$JOBS" --target "${LINUX_PROGRAMS[@]}"
  cpack_in "$BUILD"
  bash scripts/build-windows-deps.sh "$WINDOWS_BUILD"
  cmake -S . -B "$WINDOWS_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPARVALON_WERROR=ON \
    -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64-x86_64.cmake" "${LAUNCHER[@]}"
  cmake --build "$WINDOWS_BUILD" -j "$JOBS" --target ParvalonHost
  cpack_in "$WINDOWS_BUILD"
  ls -l "$BUILD"/packages/*.deb "$WINDOWS_BUILD"/packages/*.zip
  ls -l "$WINDOWS_BUILD"/packages/*.exe 2>/dev/null || true
}

if [ $check -eq 0 ]; then
  build_packages
  exit 0
fi

# ---- checks ------------------------------------------------------------------------------------
source scripts/lib/ports.sh
source scripts/lib/desktop.sh
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
pass() { echo "ok:   $*"; }
started=$(date +%s)
WORK=$(mktemp -d /tmp/parvalon-package-check.XXXXXX)
trap 'desktop_stop; rm -rf "$WORK"' EXIT
# The desktop the caller runs on (scripts/test.sh), else one of our own.
desktop_start

# wait_for <file> <text> <seconds> [<byte offset>]: true once the file (from the offset on) holds
# the text.
wait_for() {
  local deadline=$((SECONDS + $3))
  until tail -c +"$((${4:-0} + 1))" "$1" 2>/dev/null | grep -qF -- "$2"; do
    [ $SECONDS -ge $deadline ] && return 1
    sleep 0.2
  done
}

# stop_process <pid> <seconds>: waits for the process to end (SIGKILL once the time is up, which
# gives 137) and leaves its exit code in STOPPED_CODE.
STOPPED_CODE=0
stop_process() {
  local pid=$1 deadline=$((SECONDS + $2))
  while kill -0 "$pid" 2>/dev/null && [ $SECONDS -lt $deadline ]; do sleep 0.2; done
  if kill -0 "$pid" 2>/dev/null; then kill -KILL "$pid" 2>/dev/null || true; fi
  STOPPED_CODE=0
  wait "$pid" || STOPPED_CODE=$?
}

# The packages of each library a program needs must be in Depends, and the loader must find it.
check_libraries() {
  local root=$1 depends=$2 file lib
  declare -A needed_by=()
  while IFS= read -r -d '' file; do
    readelf -h "$file" >/dev/null 2>&1 || continue
    for lib in $(readelf -d "$file" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p'); do
      needed_by[$lib]=${needed_by[$lib]:-${file#"$root"}}
    done
  done < <(find "$root" -type f -print0)
  [ ${#needed_by[@]} -gt 0 ] || { fail "no program in the package needs any library"; return; }
  # One look-up each for the loader's cache and the owning packages.
  local loader owned patterns=()
  loader=$(ldconfig -p)
  for lib in "${!needed_by[@]}"; do patterns+=("*/$lib"); done
  owned=$(dpkg -S "${patterns[@]}" 2>/dev/null || true)
  local listed
  listed=$(printf '%s\n' "$depends" | tr ',|' '\n\n' | sed 's/(.*//; s/ //g')
  for lib in "${!needed_by[@]}"; do
    if [ -z "$(awk -v lib="$lib" '$1 == lib && /x86-64/' <<<"$loader")" ]; then
      fail "${needed_by[$lib]} needs $lib, which the loader does not find"
      continue
    fi
    # A Depends entry may name the owner or a virtual package the owner provides.
    local covered=0 owner name owners
    owners=$(awk -v lib="$lib" '{n = split($NF, p, "/")} p[n] == lib' <<<"$owned" |
      sed 's/: .*//' | tr ',' '\n' | sed 's/:.*//; s/ //g' | sort -u)
    for owner in $owners; do
      for name in $owner $(dpkg-query -W -f='${Provides}' "$owner" 2>/dev/null | sed 's/([^)]*)//g; s/,/ /g'); do
        grep -qx -- "$name" <<<"$listed" && covered=1
      done
    done
    [ $covered -eq 1 ] || fail "${needed_by[$lib]} needs $lib (${owners:-no package}), which Depends does not name"
  done
}

check_deb() {
  local deb=$BUILD/packages/parvalon_${VERSION}_amd64.deb
  if [ ! -f "$deb" ]; then fail "no $deb"; return; fi
  pass "built $(basename "$deb")"
  local depends
  depends=$(dpkg-deb -f "$deb" Depends)
  [ "$(dpkg-deb -f "$deb" Version)" = "$VERSION" ] || fail "package version $(dpkg-deb -f "$deb" Version), not $VERSION"
  for dep in libc6 libx264 libx265 libpulse0 libglfw3 fonts-dejavu-core; do
    grep -q "$dep" <<<"$depends" || fail "Depends lacks $dep: $depends"
  done

  local root=$WORK/deb-root
  dpkg-deb -x "$deb" "$root"
  local expected=(
    usr/bin/ParvalonHost usr/bin/parvalon-viewer usr/bin/parvalon-testpattern
    usr/share/parvalon/logo.png usr/share/parvalon/autostart/parvalon-host.desktop
    usr/share/applications/parvalon-host.desktop usr/share/icons/hicolor/256x256/apps/parvalon-host.png
    usr/share/doc/parvalon/LICENSE usr/share/doc/parvalon/THIRD_PARTY.md)
  local missing=0 f
  for f in "${expected[@]}"; do
    [ -f "$root/$f" ] || { fail "the package lacks /$f"; missing=1; }
  done
  [ $missing -eq 0 ] && pass "the package holds the programs, logo, icon, desktop entries and licences"
  grep -qx "Exec=ParvalonHost" "$root/usr/share/applications/parvalon-host.desktop" ||
    fail "the menu entry does not start ParvalonHost"
  grep -qx "Icon=parvalon-host" "$root/usr/share/applications/parvalon-host.desktop" ||
    fail "the menu entry's icon is not parvalon-host"
  if command -v desktop-file-validate >/dev/null 2>&1; then
    desktop-file-validate "$root/usr/share/applications/parvalon-host.desktop" \
      "$root/usr/share/parvalon/autostart/parvalon-host.desktop" || fail "desktop-file-validate"
  fi

  local before=$failures
  check_libraries "$root" "$depends"
  [ $failures -eq $before ] && pass "every library the programs need is found and named in Depends"

  local out
  out=$("$root/usr/bin/ParvalonHost" --version) || fail "ParvalonHost --version failed"
  [ "$out" = "ParvalonHost $VERSION" ] || fail "ParvalonHost --version says '$out'"
  out=$("$root/usr/bin/parvalon-viewer" --version) || fail "parvalon-viewer --version failed"
  [ "$out" = "parvalon-viewer $VERSION" ] || fail "parvalon-viewer --version says '$out'"
  local code=0
  "$root/usr/bin/ParvalonHost" --no-such-option >/dev/null 2>"$WORK/usage.txt" || code=$?
  [ $code -eq 2 ] && grep -q "^Usage: ParvalonHost" "$WORK/usage.txt" ||
    fail "an unknown argument gave exit code $code and no usage on stderr"
  [ $failures -eq $before ] && pass "--version reports $VERSION; an unknown argument exits 2 with the usage"

  run_installed_host "$root"
}

# The unpacked host on the desktop: starts against free ports, loads its logo from the installed
# share folder (the working folder and the build tree hold none), stops on SIGTERM.
run_installed_host() {
  local root=$1 home=$WORK/host
  mkdir -p "$home/data/Parvalon" "$home/config" "$home/cwd"
  local ports
  read -r -a ports < <(free_ports 4)
  printf '{"signalingPort": %s, "videoPort": %s, "audioPort": %s, "inputPort": %s}\n' "${ports[@]}" \
    >"$home/data/Parvalon/settings.json"
  (cd "$home/cwd" && XDG_DATA_HOME="$home/data" XDG_CONFIG_HOME="$home/config" \
    exec "$root/usr/bin/ParvalonHost" >"$home/output.txt" 2>&1) &
  local pid=$! log=$home/data/Parvalon/logs/ParvalonHost.log
  if ! wait_for "$log" "$READY" 60; then
    fail "the installed host did not start; its output:"
    cat "$home/output.txt" "$log" >&2 2>/dev/null || true
    stop_process "$pid" 0
    return
  fi
  kill -TERM "$pid"
  stop_process "$pid" 30
  [ "$STOPPED_CODE" = 0 ] || fail "the installed host exited with $STOPPED_CODE after SIGTERM"
  grep -qF "Version: $VERSION" "$log" || fail "the host's log does not say Version: $VERSION"
  grep -qF "Settings loaded from $home/data/Parvalon/settings.json" "$log" || fail "the host did not read its settings"
  if grep -qF "Loaded logo texture: 256x256" "$log" && ! grep -qF "Failed to load logo texture" "$log"; then
    pass "the installed host started on $DISPLAY, found its logo in /usr/share/parvalon and stopped cleanly"
  else
    fail "the installed host did not load its logo: $(grep -F "logo" "$log" || true)"
  fi
}

# Windows DLLs every supported Windows has; anything else the host imports must be in the zip.
WINDOWS_SYSTEM_DLLS="kernel32.dll user32.dll gdi32.dll advapi32.dll shell32.dll ole32.dll oleaut32.dll
  ws2_32.dll iphlpapi.dll dwmapi.dll windowscodecs.dll winmm.dll d3d11.dll dxgi.dll d3dcompiler_47.dll
  imm32.dll msvcrt.dll mswsock.dll shlwapi.dll combase.dll bcrypt.dll crypt32.dll secur32.dll
  version.dll uxtheme.dll dbghelp.dll ntdll.dll
  api-ms-win-core-winrt-l1-1-0.dll api-ms-win-core-winrt-string-l1-1-0.dll"
# (The two WinRT API sets, used by window capture's activation, are part of Windows 8 and later;
# the host's flip-model swap chain needs Windows 8 already.)

check_zip() {
  local zip=$WINDOWS_BUILD/packages/Parvalon-${VERSION}-win64.zip
  if [ ! -f "$zip" ]; then fail "no $zip"; return; fi
  pass "built $(basename "$zip")"
  ls "$WINDOWS_BUILD"/packages/*.exe >/dev/null 2>&1 && pass "built $(basename "$WINDOWS_BUILD"/packages/*.exe)"
  unzip -q "$zip" -d "$WORK/zip"
  local dir=$WORK/zip/Parvalon-${VERSION}-win64 f missing=0
  for f in ParvalonHost.exe assets/logo.png LICENSE.txt THIRD_PARTY.md; do
    [ -f "$dir/$f" ] || { fail "the zip lacks $f"; missing=1; }
  done
  [ $missing -eq 0 ] && pass "the zip holds ParvalonHost.exe, its logo and the licences"
  local dll before=$failures
  for dll in $(x86_64-w64-mingw32-objdump -p "$dir/ParvalonHost.exe" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z'); do
    if ! grep -qw -- "$dll" <<<"$WINDOWS_SYSTEM_DLLS" && ! ls "$dir" | tr 'A-Z' 'a-z' | grep -qx -- "$dll"; then
      fail "ParvalonHost.exe imports $dll, which neither Windows nor the zip provides"
    fi
  done
  [ $failures -eq $before ] && pass "every DLL ParvalonHost.exe imports ships with Windows or in the zip"
  run_zip_host "$dir"
}

# The unpacked ParvalonHost.exe under wine, in the Windows build's wine prefix with its settings
# (free ports) in the prefix's local application data; the settings found there go back after.
run_zip_host() {
  local dir=$1 prefix=$WINDOWS_BUILD/wine wine=$ROOT/scripts/lib/wine-run.sh out
  out=$("$wine" "$prefix" "$dir/ParvalonHost.exe" --version 2>/dev/null | tr -d '\r') || true
  [ "$out" = "ParvalonHost $VERSION" ] || fail "ParvalonHost.exe --version says '$out'"
  local local_data
  local_data=$(find "$prefix/drive_c/users" -mindepth 3 -maxdepth 3 -path '*/AppData/Local' -not -path '*/Public/*' | head -1)
  if [ -z "$local_data" ]; then fail "no user folder in the wine prefix $prefix"; return; fi
  local settings=$local_data/Parvalon/settings.json log=$local_data/Parvalon/logs/ParvalonHost.log
  mkdir -p "$local_data/Parvalon"
  [ -f "$settings" ] && cp "$settings" "$WORK/settings.saved"
  local ports
  read -r -a ports < <(free_ports 4)
  printf '{"signalingPort": %s, "videoPort": %s, "audioPort": %s, "inputPort": %s}\n' "${ports[@]}" >"$settings"
  local offset=0
  [ -f "$log" ] && offset=$(stat -c %s "$log")
  (cd "$dir" && exec "$wine" "$prefix" "$dir/ParvalonHost.exe" >"$WORK/wine-host.txt" 2>&1) &
  local pid=$!
  if wait_for "$log" "$READY" 120 "$offset"; then
    # Without /F taskkill asks the window to close, as a user closing it does.
    "$wine" "$prefix" taskkill /IM ParvalonHost.exe >/dev/null 2>&1 || true
    stop_process "$pid" 60
    if [ "$STOPPED_CODE" = 0 ] && wait_for "$log" "Parvalon Host exiting" 1 "$offset"; then
      pass "the unpacked ParvalonHost.exe started under wine and closed cleanly"
    else
      fail "the unpacked ParvalonHost.exe ended with $STOPPED_CODE; $(tail -c +"$((offset + 1))" "$log" | tail -5)"
    fi
  else
    fail "the unpacked ParvalonHost.exe did not start under wine: $(cat "$WORK/wine-host.txt")"
    stop_process "$pid" 0
  fi
  if [ -f "$WORK/settings.saved" ]; then cp "$WORK/settings.saved" "$settings"; else rm -f "$settings"; fi
}

# package_tree <build folder> <check> <targets...>: brings the packaged programs up to date (a
# no-op after scripts/test.sh), makes the packages, runs the check.
package_tree() {
  local tree=$1 check=$2 made
  shift 2
  if ! cmake --build "$tree" -j "$JOBS" --target "$@" >"$WORK/build.log" 2>&1; then
    cat "$WORK/build.log" >&2
    fail "building $* in $tree"
    return
  fi
  made=$(date +%s)
  if ! cpack_in "$tree"; then fail "cpack in $tree"; return; fi
  echo "      (packages of $tree made in $(( $(date +%s) - made )) s)"
  "$check"
}

if [ -f "$BUILD/CMakeCache.txt" ]; then
  package_tree "$BUILD" check_deb "${LINUX_PROGRAMS[@]}"
else
  fail "no Linux build in $BUILD"
fi
if [ -f "$WINDOWS_BUILD/CMakeCache.txt" ] && [ -f "$WINDOWS_BUILD/host/src/main/ParvalonHost.exe" ]; then
  package_tree "$WINDOWS_BUILD" check_zip ParvalonHost
else
  echo "skip: no Windows build in $WINDOWS_BUILD (scripts/test.sh makes one)"
fi

echo "Package check: $(( $(date +%s) - started )) s, $failures failure(s)"
[ $failures -eq 0 ]
