#!/usr/bin/env bash
# End-to-end latency and sustained fps of the moving test pattern at 1280x720 and 1920x1080:
# ParvalonHost -> parvalon-viewer, against ffmpeg x11grab + libx264 (ultrafast, zerolatency)
# over TCP on 127.0.0.1 decoded by the same decoding code. Prints a table, writes JSON.
# Usage: bench/latency/run-latency-bench.sh [SECONDS] [OUT_DIR]
set -euo pipefail
cd "$(dirname "$0")/../.."
ROOT=$(pwd)
BUILD=${PARVALON_BUILD_DIR:-$ROOT/build}
SECONDS_PER_RUN=${1:-30}
OUT=${2:-$ROOT/out/bench-latency}
FFMPEG_PORT=9950
mkdir -p "$OUT"
cmake --build "$BUILD" -j2 --target ParvalonHost parvalon-testpattern parvalon-viewer parvalon-bench-ffmpeg-receiver >/dev/null

source scripts/lib/processes.sh
trap 'processes_stop; desktop_stop' EXIT
source scripts/lib/desktop.sh
# A screen larger than 1080p, so a 1920x1080 window with its frame is wholly on screen for x11grab.
DESKTOP_OWN=1 DESKTOP_SCREEN=2560x1600x24 desktop_start

rm -rf "$OUT/data"
XDG_DATA_HOME="$OUT/data" "$BUILD/host/src/main/ParvalonHost" >"$OUT/host.txt" 2>&1 &
HOST=$!
PIDS+=($HOST)
for _ in $(seq 1 100); do grep -q "entering main loop" "$OUT/data/Parvalon/logs/ParvalonHost.log" 2>/dev/null && break; sleep 0.1; done

for size in 1280x720 1920x1080; do
  w=${size%x*}; h=${size#*x}
  title="Latency Pattern $size"
  "$BUILD/tools/testpattern/parvalon-testpattern" --title "$title" --width "$w" --height "$h" --x 0 --y 0 \
    --id-file "$OUT/id.txt" >"$OUT/pattern-$size.txt" 2>&1 &
  PATTERN=$!
  for _ in $(seq 1 100); do [ -s "$OUT/id.txt" ] && break; sleep 0.1; done
  sleep 1
  "$BUILD/tools/viewer/parvalon-viewer" stream --host 127.0.0.1 --title "^$title\$" --seconds "$SECONDS_PER_RUN" \
    --stats "$OUT/parvalon-$size.json" >"$OUT/viewer-$size.txt" 2>&1 || echo "viewer run at $size failed (see $OUT/viewer-$size.txt)"
  # The same window's pixels on the root window, where x11grab reads them.
  geo=$(xwininfo -id "$(cat "$OUT/id.txt")")
  x=$(awk '/Absolute upper-left X/ {print $4}' <<<"$geo"); y=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$geo")
  "$BUILD/bench/latency/parvalon-bench-ffmpeg-receiver" "$FFMPEG_PORT" "$SECONDS_PER_RUN" "$OUT/ffmpeg-$size.json" \
    >"$OUT/receiver-$size.txt" 2>&1 &
  RECEIVER=$!
  sleep 0.5
  ffmpeg -loglevel error -f x11grab -draw_mouse 0 -framerate 60 -video_size "$size" -i "$DISPLAY+$x,$y" \
    -c:v libx264 -preset ultrafast -tune zerolatency -pix_fmt yuv420p -g 60 -b:v 20M \
    -flush_packets 1 -f flv "tcp://127.0.0.1:$FFMPEG_PORT?tcp_nodelay=1" >"$OUT/ffmpeg-$size.txt" 2>&1 &
  FF=$!
  wait "$RECEIVER" || echo "ffmpeg run at $size failed (see $OUT/receiver-$size.txt)"
  kill "$FF" 2>/dev/null || true; wait "$FF" 2>/dev/null || true
  kill "$PATTERN"; wait "$PATTERN" 2>/dev/null || true
  rm -f "$OUT/id.txt"
done

python3 - "$OUT" <<'PY'
import json, sys, os
out = sys.argv[1]
rows = []
for size in ("1280x720", "1920x1080"):
    for name in ("parvalon", "ffmpeg"):
        path = os.path.join(out, f"{name}-{size}.json")
        if not os.path.exists(path):
            continue
        s = json.load(open(path))
        rows.append({"size": size, "pipeline": name, "fps": round(s["fps"], 1), "frames": s["frames"],
                     "latencyP50Ms": round(s["latencyMs"]["p50"], 2), "latencyP99Ms": round(s["latencyMs"]["p99"], 2),
                     "samples": s["latencyMs"]["samples"], "decodeErrors": s["decodeErrors"]})
print("| size | pipeline | fps | latency p50 (ms) | latency p99 (ms) | samples |")
print("|---|---|---|---|---|---|")
for r in rows:
    label = "ParvalonHost -> parvalon-viewer" if r["pipeline"] == "parvalon" else "ffmpeg x11grab + libx264 -> same decoder"
    print(f"| {r['size']} | {label} | {r['fps']} | {r['latencyP50Ms']} | {r['latencyP99Ms']} | {r['samples']} |")
json.dump(rows, open(os.path.join(out, "latency.json"), "w"), indent=2)
print(f"JSON: {os.path.join(out, 'latency.json')}")
PY
