#!/usr/bin/env bash
# Several streams through the real ParvalonHost on one video connection: 3 x 1920x1080 and
# 6 x 1280x720 test-pattern windows drawn at 90 fps, host target 72 fps. Prints per-stream fps,
# the host's CPU and the machine's busy share; writes JSON. Not a test.
# Usage: bench/multistream/run-multistream-bench.sh [SECONDS] [OUT_DIR] [DISPLAY_NUMBER]
# PARVALON_HOST_BIN names another host binary to measure (for example a copy of an older build).
set -euo pipefail
cd "$(dirname "$0")/../.."
ROOT=$(pwd)
BUILD=${PARVALON_BUILD_DIR:-$ROOT/build}
SECONDS_PER_RUN=${1:-20}
OUT=${2:-$ROOT/out/bench-multistream}
DISPLAY_NUMBER=${3:-}
PATTERN_FPS=90
TARGET_FPS=72
HOST_BIN=${PARVALON_HOST_BIN:-$BUILD/host/src/main/ParvalonHost}
mkdir -p "$OUT"
cmake --build "$BUILD" -j2 --target ParvalonHost parvalon-testpattern parvalon-bench-multistream >/dev/null

source scripts/lib/processes.sh
trap 'processes_stop; desktop_stop' EXIT
source scripts/lib/desktop.sh
DESKTOP_OWN=1 DESKTOP_SCREEN=2560x1600x24 DESKTOP_DISPLAY_NUMBER=$DISPLAY_NUMBER desktop_start

# Free ports for this host (other hosts may run beside it); the discovery port is fixed, so the
# host runs under the shared discovery lock.
source scripts/lib/ports.sh
read -r SIGNALING VIDEO AUDIO INPUT < <(free_ports 4)
rm -rf "$OUT/data"
mkdir -p "$OUT/data/Parvalon"
cat >"$OUT/data/Parvalon/settings.json" <<EOF
{"signalingPort": $SIGNALING, "videoPort": $VIDEO, "audioPort": $AUDIO, "inputPort": $INPUT, "targetFps": $TARGET_FPS}
EOF

run_case() {  # run_case <label> <count> <width> <height>
  local label=$1 count=$2 w=$3 h=$4 i patterns=()
  for ((i = 0; i < count; i++)); do
    "$BUILD/tools/testpattern/parvalon-testpattern" --title "Multi Pattern $label $i" --width "$w" --height "$h" \
      --x $((i * 100)) --y $((i * 60)) --fps "$PATTERN_FPS" --duration $((SECONDS_PER_RUN + 60)) \
      >"$OUT/pattern-$label-$i.txt" 2>&1 &
    patterns+=($!)
  done
  sleep 2
  XDG_DATA_HOME="$OUT/data" flock /tmp/parvalon-discovery.lock "$HOST_BIN" \
    >"$OUT/host-$label.txt" 2>&1 &
  local lock_pid=$!
  local host_pid=""
  for _ in $(seq 1 200); do
    host_pid=$(pgrep -P "$lock_pid" || true)
    [ -n "$host_pid" ] && grep -q "entering main loop" "$OUT/data/Parvalon/logs/ParvalonHost.log" 2>/dev/null && break
    sleep 0.1
  done
  "$BUILD/bench/multistream/parvalon-bench-multistream" --port "$SIGNALING" --windows "$count" \
    --title "^Multi Pattern $label " --seconds "$SECONDS_PER_RUN" --host-pid "${host_pid:-0}" \
    --json "$OUT/$label.json" | tee "$OUT/bench-$label.txt" || echo "run $label failed (see $OUT/host-$label.txt)"
  [ -n "$host_pid" ] && kill "$host_pid" 2>/dev/null || true
  wait "$lock_pid" 2>/dev/null || true
  for i in "${patterns[@]}"; do kill "$i" 2>/dev/null || true; wait "$i" 2>/dev/null || true; done
  rm -f "$OUT/data/Parvalon/logs/ParvalonHost.log"
}

run_case 3x1080p 3 1920 1080
run_case 6x720p 6 1280 720

python3 - "$OUT" <<'PY'
import json, os, sys
out = sys.argv[1]
print("| case | fps per stream | min fps | host CPU (% of one core) | machine busy (% of 2 cores) |")
print("|---|---|---|---|---|")
rows = {}
for label in ("3x1080p", "6x720p"):
    path = os.path.join(out, f"{label}.json")
    if not os.path.exists(path):
        continue
    r = json.load(open(path))
    rows[label] = r
    fps = " / ".join(f"{s['fps']:.1f}" for s in r["streams"])
    print(f"| {label} | {fps} | {r['minFps']:.1f} | {r['hostCpuPercentOfOneCore']:.0f} | {r['machineBusyPercent']:.0f} |")
json.dump(rows, open(os.path.join(out, "multistream.json"), "w"), indent=2)
print(f"JSON: {os.path.join(out, 'multistream.json')}")
PY
