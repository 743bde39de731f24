#!/usr/bin/env bash
# Builds everything and runs the whole test suite on a virtual desktop.
# Usage: scripts/test.sh [extra ctest arguments]
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$(pwd)
BUILD=${PARVALON_BUILD_DIR:-$ROOT/build}
FUZZ_BUILD=${PARVALON_FUZZ_BUILD_DIR:-$ROOT/build-fuzz}
JOBS=${PARVALON_JOBS:-$(nproc)}

bash scripts/install-deps.sh

cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPARVALON_WERROR=ON
cmake --build "$BUILD" -j "$JOBS"

fuzz=0
if [ -f host/tests/fuzz/CMakeLists.txt ]; then
  fuzz=1
  CC=clang-14 CXX=clang++-14 cmake -S . -B "$FUZZ_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DPARVALON_FUZZ=ON -DPARVALON_BUILD_BENCH=OFF
  cmake --build "$FUZZ_BUILD" -j "$JOBS"
fi

source scripts/lib/desktop.sh
trap desktop_stop EXIT
desktop_start

status=0
(cd "$BUILD" && ctest --output-on-failure -j "$JOBS" --no-tests=error "$@") || status=$?
if [ $fuzz -eq 1 ]; then
  (cd "$FUZZ_BUILD" && ctest --output-on-failure -j "$JOBS" --no-tests=error) || status=$?
fi
exit $status
