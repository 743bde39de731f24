#!/usr/bin/env bash
# Runs the stream (host-cost) benchmark on a virtual desktop of its own, large enough for 2560x1440.
# usage: bench/stream/run-stream-bench.sh [build-dir] [display-number] [bench args...]
# (no display number: the first free one)
set -euo pipefail
BUILD=${1:-build}
DISPLAY_NUMBER=${2:-}
shift $(( $# > 2 ? 2 : $# )) || true
BENCH="$BUILD/bench/stream/parvalon-bench-stream"
[ -x "$BENCH" ] || { echo "build the target parvalon-bench-stream in $BUILD first" >&2; exit 1; }

source "$(dirname "$0")/../../scripts/lib/desktop.sh"
trap desktop_stop EXIT
DESKTOP_OWN=1 DESKTOP_SCREEN=2752x1600x24 DESKTOP_DISPLAY_NUMBER=$DISPLAY_NUMBER desktop_start
"$BENCH" --xserver-pid "$DESKTOP_XVFB_PID" "$@"
