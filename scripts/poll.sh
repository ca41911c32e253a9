# Waiting for the GUI and Wine tests (sourced): a test waits for what it expects to see, up to a
# deadline generous enough for a busy machine, never for a fixed time that only an idle machine
# keeps.

# Microseconds since the epoch (the separator of EPOCHREALTIME follows the locale).
now_us() { echo "${EPOCHREALTIME//[!0-9]/}"; }

# poll_until <seconds> <command…>: runs the command every 0.1 s until it succeeds; fails when it
# has not succeeded within <seconds> (a whole number).
poll_until() {
  local deadline=$(($(now_us) + $1 * 1000000))
  shift
  until "$@"; do
    (($(now_us) < deadline)) || return 1
    sleep 0.1
  done
}
