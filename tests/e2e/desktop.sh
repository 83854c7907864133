# shellcheck shell=bash
# The real desktop parts that journeys test against, beside the X desktop of lib.sh (source lib.sh
# first, then this file, then call e2e_begin): a session bus of the journey's own, a
# StatusNotifierWatcher double on it (sni_watcher.py), and a headless Wayland compositor. Each is
# started as a job of the journey's shell, tracked, and ended by its process id when the journey
# ends. Call the *_start functions directly, never inside $(...).
DESKTOP_BUS_PID="" DESKTOP_WATCHER_PID="" DESKTOP_A11Y_PID="" DESKTOP_WESTON_PID=""
_desktop_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

# sni COMMAND... : sni_watcher.py on the journey's bus (the system's python with its D-Bus modules).
sni() { timeout 10 /usr/bin/python3 "$_desktop_dir/sni_watcher.py" "$@"; }
# a11y COMMAND... : a11y.py, acting on the program through the accessibility bus.
a11y() { timeout 20 /usr/bin/python3 "$_desktop_dir/a11y.py" "$@"; }

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

# desktop_a11y_start : the accessibility bus on the journey's session bus; programs started from
# now on put their widgets on it.
desktop_a11y_start() {
  [[ -x /usr/libexec/at-spi-bus-launcher ]] || { echo "SKIP: no at-spi2-core"; exit 77; }
  /usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "SKIP: no python3-pyatspi"; exit 77; }
  /usr/libexec/at-spi-bus-launcher --launch-immediately </dev/null >>"$E2E_ROOT/a11y.log" 2>&1 &
  DESKTOP_A11Y_PID=$!
  xsession_track "$!"
  export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
  wait_for 10 eval 'dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
    org.a11y.Bus.GetAddress >/dev/null 2>&1' || e2e_fail "the accessibility bus did not start"
}

# desktop_weston_start : a headless Wayland compositor (no screen, no input device) in the
# journey's runtime folder; exports WAYLAND_DISPLAY.
desktop_weston_start() {
  e2e_need weston
  compgen -G "/usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so" >/dev/null ||
    { echo "SKIP: no qt6-wayland"; exit 77; }
  local name=tabwise-$$
  weston --backend=headless-backend.so --socket="$name" --idle-time=0 --no-config \
    </dev/null >>"$E2E_ROOT/weston.log" 2>&1 &
  DESKTOP_WESTON_PID=$!
  xsession_track "$!"
  export WAYLAND_DISPLAY=$name
  wait_for 20 test -S "$XDG_RUNTIME_DIR/$name" || e2e_fail "weston did not start"
}

_desktop_end() {
  desktop_watcher_stop
  xsession_end_process "$DESKTOP_WESTON_PID"
  xsession_end_process "$DESKTOP_A11Y_PID"
  xsession_end_process "$DESKTOP_BUS_PID"
  DESKTOP_WESTON_PID="" DESKTOP_A11Y_PID="" DESKTOP_BUS_PID=""
}
E2E_AT_END+=(_desktop_end)
