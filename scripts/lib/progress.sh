# shellcheck shell=bash
# Progress lines for the slow steps a new user waits through (the first build, the first Wine
# prefix), so that a silent minute never looks like a hang. Sourced, not run.
#
#   with_progress "what" command [args...]
#       Runs the command and, while it runs, prints "<script>: what ... N s" on stderr every
#       ZEMBRIK_PROGRESS_EVERY seconds (5), then "<script>: what took N s". Returns its status.
#   build_with_progress LOG cmake --build ...
#       Runs a build, adding everything it prints to LOG, and prints the build tool's own
#       "[done/total]" count with the step it is on, at most every ZEMBRIK_PROGRESS_EVERY seconds,
#       on stdout. Returns the build's status.

with_progress() {
  local what=$1 who=${0##*/} every=${ZEMBRIK_PROGRESS_EVERY:-5} started=$SECONDS pid status=0
  shift
  "$@" &
  pid=$!
  while ! wait_for_at_most "$pid" "$every"; do
    echo "$who: $what ... $((SECONDS - started)) s" >&2
  done
  wait "$pid" || status=$?
  echo "$who: $what took $((SECONDS - started)) s" >&2
  return "$status"
}

# True once the process has ended (it may not be reaped yet), false after that many seconds while
# it runs. Reads /proc rather than starting a program each time: it must stay cheap under load.
wait_for_at_most() {
  local pid=$1 until=$((SECONDS + $2)) state
  while ((SECONDS < until)); do
    read -r state 2>/dev/null <"/proc/$pid/stat" || return 0
    state=${state##*) }
    [[ ${state:0:1} != Z ]] || return 0
    sleep 0.2
  done
  return 1
}

build_with_progress() {
  local log=$1 who=${0##*/} every=${ZEMBRIK_PROGRESS_EVERY:-5} started=$SECONDS last=$SECONDS line
  shift
  # Ninja prints "[done/total] step" for every step; only every few seconds' worth is shown.
  "$@" 2>&1 | tee -a "$log" | while IFS= read -r line; do
    [[ $line =~ ^\[([0-9]+)/([0-9]+)\]\ (.*)$ ]] || continue
    ((SECONDS - last >= every)) || [[ ${BASH_REMATCH[1]} == "${BASH_REMATCH[2]}" ]] || continue
    last=$SECONDS
    printf '%s: building %s/%s after %d s: %s\n' "$who" "${BASH_REMATCH[1]}" "${BASH_REMATCH[2]}" \
      "$((SECONDS - started))" "$(step_name "${BASH_REMATCH[3]}")"
  done
  return "${PIPESTATUS[0]}"
}

# "Building CXX object hook/CMakeFiles/zembrik_hook.dir/clock_paint.cpp.obj" -> "clock_paint.cpp"
step_name() {
  local step=$1
  if [[ $step =~ ^Building\ [A-Z]+\ object\ .*/([^/]+)\.obj$ ]]; then
    echo "compiling ${BASH_REMATCH[1]}"
  elif [[ $step =~ ^Linking\ [A-Z]+\ [a-z]+\ .*/([^/]+)$ ]]; then
    echo "linking ${BASH_REMATCH[1]}"
  else
    echo "${step:0:60}"
  fi
}
