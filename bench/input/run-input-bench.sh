#!/usr/bin/env bash
# Client input latency through the real ParvalonHost: 1000 pointer moves and 200 key presses on
# each of the two input paths (the input channel and input messages on the video channel),
# from the client's send to the event in the X server as the test pattern logs it (same steady
# clock). Prints p50/p99 per path and writes JSON. Not a test.
# Usage: bench/input/run-input-bench.sh [OUT_DIR] [CLIENT_NAGLE]
# CLIENT_NAGLE 1 leaves Nagle's algorithm on in the client's sockets (default 0: TCP_NODELAY).
# Runs on the desktop named by $DISPLAY when one is set (it moves that desktop's pointer and
# keyboard), else on a virtual desktop of its own.
set -euo pipefail
cd "$(dirname "$0")/../.."
ROOT=$(pwd)
BUILD=${PARVALON_BUILD_DIR:-$ROOT/build}
OUT=${1:-$ROOT/out/bench-input}
CLIENT_NAGLE=${2:-0}
mkdir -p "$OUT"
cmake --build "$BUILD" -j2 --target ParvalonHost parvalon-testpattern parvalon-bench-input >/dev/null

source scripts/lib/processes.sh
trap 'processes_stop; desktop_stop' EXIT
source scripts/lib/desktop.sh
desktop_start

source scripts/lib/ports.sh
read -r SIGNALING VIDEO AUDIO INPUT < <(free_ports 4)
rm -rf "$OUT/data" "$OUT/input.log"
mkdir -p "$OUT/data/Parvalon"
cat >"$OUT/data/Parvalon/settings.json" <<JSON
{"signalingPort": $SIGNALING, "videoPort": $VIDEO, "audioPort": $AUDIO, "inputPort": $INPUT}
JSON

"$BUILD/tools/testpattern/parvalon-testpattern" --title "Input Bench Pattern" --x 100 --y 100 --width 800 --height 600 \
  --static --input-log "$OUT/input.log" --id-file "$OUT/pattern.id" --duration 600 >"$OUT/pattern.txt" 2>&1 &
PIDS+=($!)
for _ in $(seq 1 100); do [ -s "$OUT/pattern.id" ] && break; sleep 0.1; done
WINDOW=$(head -n1 "$OUT/pattern.id")

# The discovery port is fixed: the lock is held by this shell (fd 9) while the host runs, and the
# host itself is the recorded child, so the clean-up ends it.
exec 9>/tmp/parvalon-discovery.lock
flock 9
XDG_DATA_HOME="$OUT/data" "$BUILD/host/src/main/ParvalonHost" 9>&- >"$OUT/host.txt" 2>&1 &
PIDS+=($!)
for _ in $(seq 1 200); do grep -q "entering main loop" "$OUT/host.txt" 2>/dev/null && break; sleep 0.1; done

"$BUILD/bench/input/parvalon-bench-input" --signaling "$SIGNALING" --video "$VIDEO" --input "$INPUT" \
  --window "$WINDOW" --log "$OUT/input.log" --moves 1000 --keys 200 --client-nagle "$CLIENT_NAGLE" | tee "$OUT/result.txt"
tail -n1 "$OUT/result.txt" >"$OUT/result.json"
