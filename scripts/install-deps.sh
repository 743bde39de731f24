#!/usr/bin/env bash
# Installs every Debian package the build, the tests, the demo and the benchmarks need.
# Idempotent: quiet and quick when everything is already present.
# Usage: scripts/install-deps.sh [--windows]
#   --windows  also the Windows cross build and its test runner: mingw-w64, wine (64-bit) and
#              dpkg-dev for `apt-get source`; and what scripts/package.sh needs: dpkg-dev's
#              dpkg-shlibdeps (the .deb's library dependencies), nsis (the Windows installer),
#              unzip and desktop-file-utils (its checks); nasm for libx264's assembly; the NVENC API
#              headers (libffmpeg-nvenc-dev, compiled by mingw). The
#              test command asks for them; the demo does not.
set -euo pipefail

PACKAGES=(
  # toolchain
  build-essential cmake ninja-build pkg-config clang-14 libclang-rt-14-dev ccache
  # libraries
  libboost-dev libboost-system-dev nlohmann-json3-dev libspdlog-dev libfmt-dev
  libgtest-dev libgmock-dev libopus-dev libpulse-dev
  libx264-dev libx265-dev libyuv-dev libavcodec-dev libavutil-dev libswscale-dev
  libxcb1-dev libxcb-composite0-dev libxcb-damage0-dev libxcb-shm0-dev libxcb-xfixes0-dev
  libxcb-xtest0-dev libxcb-randr0-dev libxcb-icccm4-dev libxcb-ewmh-dev libxcb-keysyms1-dev
  libx11-dev libx11-xcb-dev
  libglfw3-dev libgl-dev libimgui-dev libstb-dev fonts-dejavu-core
  # virtual desktop, audio and tools used by tests, demo and benchmarks
  xvfb openbox x11-utils xdotool pulseaudio pulseaudio-utils sox ffmpeg procps
)
if [ "${1:-}" = "--windows" ]; then
  PACKAGES+=(g++-mingw-w64-x86-64-posix wine wine64 dpkg-dev nsis unzip desktop-file-utils nasm
    libffmpeg-nvenc-dev)
fi

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
