#!/usr/bin/env bash
# Runs a Windows executable under wine in a private wine prefix, quietly: no debug channels, no
# Mono or Gecko install prompts. The prefix is created once, on first use.
# Usage: wine-run.sh <wine prefix> program.exe [arguments...]
set -euo pipefail
export WINEPREFIX=$1
shift
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
export WINEARCH=win64
# A crash (or an unimplemented call) must print winedbg's backtrace and end the process: the crash
# dialog would wait for a click on the virtual desktop until the test times out.
crash_dialog_off() {
  grep -q '^"ShowCrashDialog"=dword:00000000' "$WINEPREFIX/user.reg" 2>/dev/null
}
turn_crash_dialog_off() {
  wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1 || true
}
if [ ! -f "$WINEPREFIX/system.reg" ] || ! crash_dialog_off; then
  mkdir -p "$(dirname "$WINEPREFIX")"
  (
    # Parallel tests may all arrive here first: one of them initialises the prefix.
    flock 9
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
      wineboot --init >/dev/null 2>&1 || true
      turn_crash_dialog_off
      # The registry files are written when the server ends.
      wineserver -w || true
    elif ! crash_dialog_off; then
      # A prefix made before this setting: the running server takes the value at once and saves
      # it to user.reg within a minute or on exit, so other tests' wine processes are not waited for.
      turn_crash_dialog_off
    fi
  ) 9>"$WINEPREFIX.lock"
fi
exec wine "$@"
