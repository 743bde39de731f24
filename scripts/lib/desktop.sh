# Virtual desktop for tests, the demo and the benchmarks: an X server with Composite, an EWMH
# window manager and a PulseAudio daemon whose default sink is a null sink. Source this file,
# then call desktop_start; desktop_stop ends only what desktop_start started.
# Settings (environment, read by desktop_start):
#   DESKTOP_OWN=1               an X server of its own even when $DISPLAY already answers
#   DESKTOP_SCREEN=WxHxD        the screen of a started X server (default 1920x1080x24)
#   DESKTOP_DISPLAY_NUMBER=N    its display number (default: the first free one from 90)
# After it, DESKTOP_XVFB_PID holds the process id of the X server it started (else empty).

DESKTOP_PIDS=()
DESKTOP_TMP=""
DESKTOP_XVFB_PID=""

_desktop_wait() {  # _desktop_wait <seconds> <command...>: true once the command succeeds
  local deadline=$((SECONDS + $1)); shift
  until "$@" >/dev/null 2>&1; do
    [ $SECONDS -ge $deadline ] && return 1
    sleep 0.1
  done
}

_desktop_has_wm() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }

desktop_start() {
  DESKTOP_TMP=$(mktemp -d /tmp/parvalon-desktop.XXXXXX)

  if [ "${DESKTOP_OWN:-0}" = 1 ] || [ -z "${DISPLAY:-}" ] || ! xdpyinfo >/dev/null 2>&1; then
    local n=${DESKTOP_DISPLAY_NUMBER:-}
    if [ -z "$n" ]; then
      for n in $(seq 90 190); do
        [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] || break
      done
    fi
    Xvfb ":$n" -screen 0 "${DESKTOP_SCREEN:-1920x1080x24}" +extension Composite -nolisten tcp -noreset \
      >"$DESKTOP_TMP/xvfb.log" 2>&1 &
    DESKTOP_XVFB_PID=$!
    DESKTOP_PIDS+=($!)
    export DISPLAY=":$n"
    if ! _desktop_wait 15 xdpyinfo; then
      echo "virtual desktop: Xvfb did not start (see $DESKTOP_TMP/xvfb.log)" >&2
      return 1
    fi
  fi

  if ! _desktop_has_wm; then
    openbox --sm-disable >"$DESKTOP_TMP/openbox.log" 2>&1 &
    DESKTOP_PIDS+=($!)
    if ! _desktop_wait 15 _desktop_has_wm; then
      echo "virtual desktop: openbox did not start" >&2
      return 1
    fi
  fi

  if ! pactl info >/dev/null 2>&1; then
    mkdir -p "$DESKTOP_TMP/pulse" "$DESKTOP_TMP/runtime"
    chmod 700 "$DESKTOP_TMP/runtime"
    # libpulse never autospawns a daemon for root: start one and point clients at it.
    HOME="$DESKTOP_TMP" XDG_RUNTIME_DIR="$DESKTOP_TMP/runtime" \
      pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit \
      --load="module-native-protocol-unix socket=$DESKTOP_TMP/pulse/native auth-anonymous=1" \
      --load="module-null-sink sink_name=parvalon_null" --load=module-always-sink \
      >"$DESKTOP_TMP/pulse.log" 2>&1 &
    DESKTOP_PIDS+=($!)
    export PULSE_SERVER="unix:$DESKTOP_TMP/pulse/native"
    if ! _desktop_wait 15 pactl info; then
      echo "virtual desktop: PulseAudio did not start (see $DESKTOP_TMP/pulse.log); continuing without audio" >&2
    else
      pactl set-default-sink parvalon_null >/dev/null 2>&1 || true
    fi
  fi
  return 0
}

desktop_stop() {
  local i
  for ((i = ${#DESKTOP_PIDS[@]} - 1; i >= 0; i--)); do
    kill "${DESKTOP_PIDS[$i]}" 2>/dev/null || true
  done
  for i in "${DESKTOP_PIDS[@]}"; do
    wait "$i" 2>/dev/null || true
  done
  DESKTOP_PIDS=()
  DESKTOP_XVFB_PID=""
  [ -n "$DESKTOP_TMP" ] && rm -rf "$DESKTOP_TMP"
  DESKTOP_TMP=""
}
