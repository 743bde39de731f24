#!/usr/bin/env bash
# The Windows host's dashboard under wine: ParvalonHost.exe in a private wine prefix on the
# virtual desktop. First its idle cost (no client, dashboard shown), then the Win32 test pattern
# streamed to parvalon-viewer while the dashboard is grabbed. Output in out/wine-dashboard/.
# Share the desktop's discovery port with other wine hosts: run under
# `flock /tmp/parvalon-winehost.lock scripts/wine-dashboard.sh`.
# Usage: scripts/wine-dashboard.sh [--seconds N] [--idle-seconds N]
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$(pwd)
BUILD=${PARVALON_BUILD_DIR:-$ROOT/build}
WINDOWS_BUILD=${PARVALON_WINDOWS_BUILD_DIR:-$ROOT/build-windows}
SECONDS_TO_RUN=6
IDLE_SECONDS=20
while [ $# -gt 0 ]; do
  case "$1" in
    --seconds) SECONDS_TO_RUN="$2"; shift 2 ;;
    --idle-seconds) IDLE_SECONDS="$2"; shift 2 ;;
    *) echo "usage: scripts/wine-dashboard.sh [--seconds N] [--idle-seconds N]" >&2; exit 2 ;;
  esac
done

HOST_EXE=$WINDOWS_BUILD/host/src/main/ParvalonHost.exe
PATTERN_EXE=$WINDOWS_BUILD/tools/testpattern/parvalon-testpattern.exe
VIEWER=$BUILD/tools/viewer/parvalon-viewer
SCREENSHOT=$BUILD/tools/screenshot/parvalon-screenshot
for tool in "$HOST_EXE" "$PATTERN_EXE" "$VIEWER" "$SCREENSHOT"; do
  [ -e "$tool" ] || { echo "missing $tool: build the Linux tools and the Windows tree first (README)" >&2; exit 1; }
done

OUT=$ROOT/out/wine-dashboard
# Kept between runs: making a prefix takes wine a minute.
PREFIX=$OUT/wine
mkdir -p "$OUT"
WINE_RUN=(bash "$ROOT/scripts/lib/wine-run.sh" "$PREFIX")
source scripts/lib/processes.sh
# desktop_stop ends only a desktop this script started.
trap 'processes_stop; desktop_stop' EXIT

source scripts/lib/desktop.sh
source scripts/lib/ports.sh
if [ -z "${DISPLAY:-}" ] || ! xdpyinfo >/dev/null 2>&1; then
  unset DISPLAY
  # Wide enough for the 1400x900 dashboard and the pattern beside it: neither covers the other,
  # so the grab shows the whole dashboard and GDI captures the whole pattern.
  DESKTOP_SCREEN=${DESKTOP_SCREEN:-2560x1440x24} desktop_start
  echo "Virtual desktop on $DISPLAY"
fi

# A first short program makes the prefix and its user folder.
"${WINE_RUN[@]}" "$PATTERN_EXE" --title "Parvalon Wine prefix" --duration 0.2 >"$OUT/prefix.txt" 2>&1
LOCAL=""
for user in "$PREFIX"/drive_c/users/*; do
  [ "$(basename "$user")" != Public ] && [ -d "$user/AppData/Local" ] && LOCAL=$user/AppData/Local && break
done
[ -n "$LOCAL" ] || { echo "no user folder in $PREFIX" >&2; exit 1; }

# Free ports, and nobody trusted yet: the viewer is the first client, so it is let in.
read -r SIGNALING VIDEO AUDIO INPUT <<<"$(free_ports 4)"
mkdir -p "$LOCAL/Parvalon"
printf '{"signalingPort": %s, "videoPort": %s, "audioPort": %s, "inputPort": %s}' \
  "$SIGNALING" "$VIDEO" "$AUDIO" "$INPUT" >"$LOCAL/Parvalon/settings.json"
rm -f "$LOCAL/Parvalon/trusted-clients.json"
LOG=$LOCAL/Parvalon/logs/ParvalonHost.log
LOG_START=$(stat -c %s "$LOG" 2>/dev/null || echo 0)
host_log() { tail -c +"$((LOG_START + 1))" "$LOG" 2>/dev/null; }

# wine-run.sh ends in exec: this process id is the host's own (and the _NET_WM_PID of its window).
"${WINE_RUN[@]}" "$HOST_EXE" >"$OUT/host-console.txt" 2>&1 &
HOST_PID=$!
PIDS+=($HOST_PID)
for _ in $(seq 1 900); do
  host_log | grep -q "Application initialized, entering main loop" && break
  kill -0 $HOST_PID 2>/dev/null || { echo "ParvalonHost.exe ended early:"; tail -20 "$OUT/host-console.txt"; exit 1; }
  sleep 0.1
done
host_log | grep -q "Application initialized, entering main loop" || { echo "ParvalonHost.exe did not start" >&2; exit 1; }
echo "ParvalonHost.exe is running (log: $LOG)"

# CPU ticks (user + system) a process has used; 0 once it is gone.
ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat" 2>/dev/null || echo 0; }
# The prefix's other processes (wineserver, explorer.exe, services.exe, ...): the same WINEPREFIX.
prefix_pids() {
  local environ pid
  for environ in /proc/[0-9]*/environ; do
    pid=${environ#/proc/}; pid=${pid%/environ}
    [ "$pid" = "$HOST_PID" ] && continue
    { tr '\0' '\n' <"$environ"; } 2>/dev/null | grep -qx "WINEPREFIX=$PREFIX" && echo "$pid"
  done
  return 0
}
percent() { awk -v t="$1" -v hz="$HZ" -v s="$IDLE_SECONDS" 'BEGIN { printf "%.1f %%", 100 * t / hz / s }'; }

# Idle: the dashboard shown, no client. A few seconds first for the start-up's own work.
sleep 5
HZ=$(getconf CLK_TCK)
OTHERS=$(prefix_pids)
declare -A BEFORE
HOST_BEFORE=$(ticks $HOST_PID)
for pid in $OTHERS; do BEFORE[$pid]=$(ticks "$pid"); done
sleep "$IDLE_SECONDS"
HOST_AFTER=$(ticks $HOST_PID)
{
  echo "idle for ${IDLE_SECONDS} s, no client, dashboard shown (% of one core, from /proc/<pid>/stat utime + stime):"
  echo "  ParvalonHost.exe: $(percent $((HOST_AFTER - HOST_BEFORE)))"
  echo "  the prefix's other processes:"
  for pid in $OTHERS; do
    echo "    $(cat "/proc/$pid/comm" 2>/dev/null || echo gone) ($pid): $(percent $(($(ticks "$pid") - BEFORE[$pid])))"
  done
} | tee "$OUT/idle-cpu.txt"

# The pattern to the right of the dashboard, opened after it.
TITLE="Parvalon Wine Dashboard Pattern"
"${WINE_RUN[@]}" "$PATTERN_EXE" --title "$TITLE" --width 640 --height 360 --x 1600 --y 80 \
  >"$OUT/pattern.txt" 2>&1 &
PIDS+=($!)
for _ in $(seq 1 600); do
  grep -q "parvalon-testpattern window" "$OUT/pattern.txt" && break
  sleep 0.1
done

# The dashboard while the viewer streams: connected, with its measured figures, and the
# streamed window marked in the list.
grab_dashboard() {
  sleep $(( SECONDS_TO_RUN > 4 ? SECONDS_TO_RUN - 2 : 1 ))
  "$SCREENSHOT" --pid "$HOST_PID" --out "$OUT/dashboard.png" \
    && echo "Dashboard:  $OUT/dashboard.png" || echo "Dashboard screenshot failed" >&2
}
grab_dashboard &
PIDS+=($!)
"$VIEWER" stream --host 127.0.0.1 --port "$SIGNALING" --title "$TITLE" --seconds "$SECONDS_TO_RUN" \
  --snapshot "$OUT/snapshot.png" --stats "$OUT/stats.json"
echo "Snapshot:   $OUT/snapshot.png"
echo "Statistics: $OUT/stats.json"
wait "${PIDS[-1]}" || true
