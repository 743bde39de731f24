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
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$(dirname "$WINEPREFIX")"
  (
    # Parallel tests may all arrive here first: one of them initialises the prefix.
    flock 9
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
      wineboot --init >/dev/null 2>&1 || true
      wineserver -w || true
    fi
  ) 9>"$WINEPREFIX.lock"
fi
exec wine "$@"
