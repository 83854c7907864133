# shellcheck shell=bash
# The real desktop parts that journeys test against, beside the X desktop of lib.sh (source lib.sh
# first, then this file, then call e2e_begin): a session bus of the journey's own, a
# StatusNotifierWatcher double on it (sni_watcher.py), and a headless Wayland compositor. Each is
# started as a job of the journey's shell, tracked, and ended by its process id when the journey
# ends. Call the *_start functions directly, never inside $(...).
DESKTOP_BUS_PID="" DESKTOP_WATCHER_PID="" DESKTOP_WESTON_PID=""
_desktop_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

# sni COMMAND... : sni_watcher.py on the journey's bus (the system's python with its D-Bus modules).
sni() { timeout 10 /usr/bin/python3 "$_desktop_dir/sni_watcher.py" "$@"; }

# desktop_bus_start : a private session bus (no services started on demand); exports its address.
desktop_bus_start() {
  e2e_need dbus-daemon
  /usr/bin/python3 -c 'import dbus, gi' 2>/dev/null || { echo "SKIP: no python3-dbus or python3-gi"; exit 77; }
  local socket=$E2E_ROOT/runtime/bus
  cat >"$E2E_ROOT/bus.conf" <<END
<busconfig><type>session</type><listen>unix:path=$socket</listen><auth>EXTERNAL</auth>
<policy context="default"><allow send_destination="*" eavesdrop="true"/><allow eavesdrop="true"/>
<allow own="*"/></policy></busconfig>
END
  dbus-daemon --config-file="$E2E_ROOT/bus.conf" --nofork --nopidfile </dev/null >>"$E2E_ROOT/bus.log" 2>&1 &
  DESKTOP_BUS_PID=$!
  xsession_track "$!"
  export DBUS_SESSION_BUS_ADDRESS=unix:path=$socket
  wait_for 10 test -S "$socket" || e2e_fail "the session bus did not start"
}

# desktop_watcher_start / _stop : a D-Bus tray (StatusNotifierWatcher with a host) comes or goes.
desktop_watcher_start() {
  /usr/bin/python3 "$_desktop_dir/sni_watcher.py" serve </dev/null >>"$E2E_ROOT/watcher.log" 2>&1 &
  DESKTOP_WATCHER_PID=$!
  xsession_track "$!"
  wait_for 10 eval "sni items >/dev/null 2>&1" || e2e_fail "the StatusNotifierWatcher double did not start"
}
desktop_watcher_stop() {
  xsession_end_process "$DESKTOP_WATCHER_PID"
  DESKTOP_WATCHER_PID=""
}

_desktop_end() {
  desktop_watcher_stop
  xsession_end_process "$DESKTOP_WESTON_PID"
  xsession_end_process "$DESKTOP_BUS_PID"
  DESKTOP_WESTON_PID="" DESKTOP_BUS_PID=""
}
E2E_AT_END+=(_desktop_end)
