#!/usr/bin/env bash
# The main job: runs ParvalonHost and streams a window to parvalon-viewer.
# Without a display it brings up a virtual desktop with the test pattern and a tone playing.
# Usage: scripts/demo.sh [--title REGEX] [--seconds N]
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$(pwd)
BUILD=${PARVALON_BUILD_DIR:-$ROOT/build}
SECONDS_TO_RUN=5
TITLE=""
while [ $# -gt 0 ]; do
  case "$1" in
    --title) TITLE="$2"; shift 2 ;;
    --seconds) SECONDS_TO_RUN="$2"; shift 2 ;;
    *) echo "usage: scripts/demo.sh [--title REGEX] [--seconds N]" >&2; exit 2 ;;
  esac
done

bash scripts/install-deps.sh
if [ ! -f "$BUILD/build.ninja" ]; then
  cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$BUILD" --target ParvalonHost parvalon-testpattern parvalon-screenshot $( [ -d tools/viewer ] && echo parvalon-viewer )

OUT=$ROOT/out/demo
mkdir -p "$OUT"
source scripts/lib/processes.sh
# desktop_stop ends only a desktop this script started.
trap 'processes_stop; desktop_stop' EXIT

source scripts/lib/desktop.sh
DATA_ENV=()
if [ -z "${DISPLAY:-}" ] || ! xdpyinfo >/dev/null 2>&1; then
  unset DISPLAY
  desktop_start
  # A private data folder: the demo desktop must not touch the user's settings.
  rm -rf "$OUT/data"
  DATA_ENV=(XDG_DATA_HOME="$OUT/data")
  TITLE=${TITLE:-"Parvalon Demo Pattern"}
  "$BUILD/tools/testpattern/parvalon-testpattern" --title "Parvalon Demo Pattern" --width 1280 --height 720 \
    --input-log "$OUT/input.jsonl" &
  PIDS+=($!)
  if pactl info >/dev/null 2>&1; then
    sox -q -n -r 48000 -c 2 -b 16 "$OUT/tone.wav" synth 60 sine 440 vol 0.3
    paplay "$OUT/tone.wav" &
    PIDS+=($!)
  fi
  echo "Virtual desktop on $DISPLAY with the test pattern"
elif [ -z "$TITLE" ]; then
  echo "A display is present: pass --title REGEX to choose the window to stream" >&2
  exit 2
fi

LOG_DIR=$(env "${DATA_ENV[@]}" bash -c 'echo "${XDG_DATA_HOME:-$HOME/.local/share}/Parvalon/logs"')
env "${DATA_ENV[@]}" "$BUILD/host/src/main/ParvalonHost" >"$OUT/host-console.txt" 2>&1 &
HOST_PID=$!
PIDS+=($HOST_PID)
for _ in $(seq 1 100); do
  grep -q "Application initialized, entering main loop" "$LOG_DIR/ParvalonHost.log" 2>/dev/null && break
  kill -0 $HOST_PID 2>/dev/null || { echo "ParvalonHost ended early:"; tail -20 "$OUT/host-console.txt"; exit 1; }
  sleep 0.1
done
echo "ParvalonHost is running (log: $LOG_DIR/ParvalonHost.log)"

VIEWER="$BUILD/tools/viewer/parvalon-viewer"
# The dashboard while the viewer streams: connected, with its measured figures.
grab_dashboard() {
  sleep $(( SECONDS_TO_RUN > 4 ? 3 : 1 ))
  "$BUILD/tools/screenshot/parvalon-screenshot" --pid "$HOST_PID" --out "$OUT/dashboard.png" \
    && echo "Dashboard:  $OUT/dashboard.png" || echo "Dashboard screenshot failed" >&2
}
grab_dashboard &
PIDS+=($!)
if [ -x "$VIEWER" ]; then
  "$VIEWER" stream --host 127.0.0.1 --title "$TITLE" --seconds "$SECONDS_TO_RUN" \
    --snapshot "$OUT/snapshot.png" --stats "$OUT/stats.json" --audio "$OUT/audio.wav"
  echo "Snapshot:   $OUT/snapshot.png"
  echo "Statistics: $OUT/stats.json"
  echo "Audio:      $OUT/audio.wav"
else
  sleep "$SECONDS_TO_RUN"
fi

kill -TERM $HOST_PID
wait $HOST_PID && echo "ParvalonHost stopped cleanly"
PIDS=("${PIDS[@]/$HOST_PID}")
