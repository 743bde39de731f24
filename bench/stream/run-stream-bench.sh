#!/usr/bin/env bash
# Runs the stream (host-cost) benchmark on a virtual desktop of its own, large enough for 2560x1440.
# usage: bench/stream/run-stream-bench.sh [build-dir] [display-number] [bench args...]
set -euo pipefail
BUILD=${1:-build}
DISPLAY_NUMBER=${2:-97}
shift $(( $# > 2 ? 2 : $# )) || true
BENCH="$BUILD/bench/stream/parvalon-bench-stream"
[ -x "$BENCH" ] || { echo "build the target parvalon-bench-stream in $BUILD first" >&2; exit 1; }

Xvfb ":$DISPLAY_NUMBER" -screen 0 2752x1600x24 +extension Composite -nolisten tcp >/dev/null 2>&1 &
XVFB_PID=$!
cleanup() {
  [ -n "${WM_PID:-}" ] && kill "$WM_PID" 2>/dev/null || true
  kill "$XVFB_PID" 2>/dev/null || true
  wait 2>/dev/null || true
}
trap cleanup EXIT
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$DISPLAY_NUMBER" ] && break; sleep 0.1; done
DISPLAY=":$DISPLAY_NUMBER" openbox >/dev/null 2>&1 &
WM_PID=$!
sleep 1
DISPLAY=":$DISPLAY_NUMBER" "$BENCH" --xserver-pid "$XVFB_PID" "$@"
