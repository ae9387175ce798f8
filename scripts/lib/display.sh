# shellcheck shell=bash
# Starting and stopping a virtual X display (Xvfb), for the scripts that need one when DISPLAY is
# unset. Sourced, not run.
#
#   start_virtual_display || exit 1
#       Starts Xvfb on a free display number (1280x800, 24-bit, no TCP) and exports DISPLAY. Sets
#       virtual_display_pid. ZEMBRIK_DISPLAY_SCREEN replaces the screen ("3328x800x24") and
#       ZEMBRIK_DISPLAY_ARGS adds arguments ("-extension RANDR"), for a session of several heads. When the display is not up within ZEMBRIK_DISPLAY_WAIT seconds (10),
#       prints why on stderr, stops what it started and returns 1.
#   stop_virtual_display PID
#       Stops the display with that process id and waits (up to 5 s) until it is gone.
#   process_running PID
#       True while that process runs (one that ended but is not reaped yet does not count).
#
# The display runs in a session of its own: a terminal's Ctrl+C signals the whole foreground
# process group, and the display must outlive that signal so that the caller can still end the
# Windows programs on it the normal way before stopping it. Descriptors 8 and 9, which the
# scripts use for lock files, are closed for the display so that it never holds a lock.

virtual_display_pid=""

process_running() {
  local state
  state=$(ps -o stat= -p "$1" 2>/dev/null) || return 1
  [[ $state != Z* ]]
}

start_virtual_display() {
  local who=${0##*/} fdfile log number="" wait_s=${ZEMBRIK_DISPLAY_WAIT:-10} i
  if ! command -v Xvfb >/dev/null; then
    echo "$who: Xvfb is not installed (scripts/setup installs it)" >&2
    return 1
  fi
  fdfile=$(mktemp) && log=$(mktemp) || return 1
  # Xvfb writes the display number it chose to descriptor 7 once it accepts connections.
  # shellcheck disable=SC2086  # the extra arguments are words
  setsid Xvfb -displayfd 7 -screen 0 "${ZEMBRIK_DISPLAY_SCREEN:-1280x800x24}" -nolisten tcp \
    ${ZEMBRIK_DISPLAY_ARGS:-} \
    7>"$fdfile" </dev/null >/dev/null 2>"$log" 8>&- 9>&- &
  virtual_display_pid=$!
  for ((i = 0; i < wait_s * 20; i++)); do
    number=$(head -n1 "$fdfile")
    [[ $number =~ ^[0-9]+$ ]] && break
    number=""
    process_running "$virtual_display_pid" || break
    sleep 0.05
  done
  if [[ -z $number ]]; then
    if process_running "$virtual_display_pid"; then
      echo "$who: the virtual display did not come up within $wait_s s" >&2
      stop_virtual_display "$virtual_display_pid"
    else
      wait "$virtual_display_pid" 2>/dev/null || true
      echo "$who: the virtual display did not come up (Xvfb ended at once)" >&2
    fi
    sed 's/^/  Xvfb: /' "$log" | tail -n 10 >&2
    rm -f "$fdfile" "$log"
    virtual_display_pid=""
    return 1
  fi
  rm -f "$fdfile" "$log"
  export DISPLAY=":$number"
}

stop_virtual_display() {
  local pid=$1 i
  [[ -n $pid ]] || return 0
  kill "$pid" 2>/dev/null || return 0
  # Reaps it when it is this shell's child; a display started by another process is polled.
  wait "$pid" 2>/dev/null || true
  for ((i = 0; i < 100; i++)); do
    process_running "$pid" || return 0
    sleep 0.05
  done
  kill -KILL "$pid" 2>/dev/null || true
}
