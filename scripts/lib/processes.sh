# The processes a script starts, ended when it exits: source this file, add each process it
# starts with PIDS+=($!), and call processes_stop from the script's EXIT trap. The last started
# is ended first (a client before its host), and each is waited for.
PIDS=()

processes_stop() {
  local i
  for ((i = ${#PIDS[@]} - 1; i >= 0; i--)); do
    if [ -n "${PIDS[$i]}" ]; then kill "${PIDS[$i]}" 2>/dev/null || true; fi
  done
  for i in "${PIDS[@]}"; do
    if [ -n "$i" ]; then wait "$i" 2>/dev/null || true; fi
  done
  PIDS=()
  return 0
}
