# shellcheck shell=bash
# The real desktop parts journeys test against, beside the X desktop of lib.sh (source lib.sh, then
# this file): a session bus of the journey's own, a StatusNotifierWatcher double on it, the
# accessibility bus, a headless Wayland compositor. Each runs as a tracked job of the journey's
# shell, ended by its process id with the journey. Call desktop_* directly, never inside $(...).
declare -gA DESKTOP_PIDS=()
_desktop_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

# sni COMMAND... / a11y COMMAND... : the D-Bus tray's and a screen reader's calls (see the scripts).
sni() { timeout 10 /usr/bin/python3 "$_desktop_dir/sni_watcher.py" "$@"; }
a11y() { timeout 20 /usr/bin/python3 "$_desktop_dir/a11y.py" "$@"; }

_desktop_run() { # NAME COMMAND... : starts a part, its output in $E2E_ROOT/NAME.log
  "${@:2}" </dev/null >>"$E2E_ROOT/$1.log" 2>&1 &
  DESKTOP_PIDS[$1]=$!
  xsession_track "$!"
}
desktop_stop() { # NAME : ends that part
  xsession_end_process "${DESKTOP_PIDS[$1]-}"
  unset "DESKTOP_PIDS[$1]"
}
_desktop_end() { local name; for name in watcher weston a11y bus; do desktop_stop "$name"; done; }
E2E_AT_END+=(_desktop_end)

# desktop_bus_start : a private session bus (nothing started on demand); exports its address.
desktop_bus_start() {
  e2e_need dbus-daemon dbus-send
  /usr/bin/python3 -c 'import dbus, gi' 2>/dev/null || { echo "SKIP: no python3-dbus or python3-gi"; exit 77; }
  printf '<busconfig><type>session</type><listen>unix:path=%s</listen><auth>EXTERNAL</auth><policy
    context="default"><allow send_destination="*"/><allow receive_sender="*"/><allow own="*"/></policy></busconfig>' \
    "$XDG_RUNTIME_DIR/bus" >"$E2E_ROOT/bus.conf"
  _desktop_run bus dbus-daemon --config-file="$E2E_ROOT/bus.conf" --nofork --nopidfile
  export DBUS_SESSION_BUS_ADDRESS=unix:path=$XDG_RUNTIME_DIR/bus
  wait_for 10 test -S "$XDG_RUNTIME_DIR/bus" || e2e_fail "the session bus did not start"
}
# desktop_watcher_start : a D-Bus tray (desktop_stop watcher: it goes away).
desktop_watcher_start() {
  _desktop_run watcher /usr/bin/python3 "$_desktop_dir/sni_watcher.py" serve
  wait_for 10 eval "sni items >/dev/null 2>&1" || e2e_fail "the StatusNotifierWatcher double did not start"
}
# desktop_a11y_start : the accessibility bus; programs started from now on put their widgets on it.
desktop_a11y_start() {
  [[ -x /usr/libexec/at-spi-bus-launcher ]] && /usr/bin/python3 -c 'import pyatspi' 2>/dev/null ||
    { echo "SKIP: no at-spi2-core or python3-pyatspi"; exit 77; }
  _desktop_run a11y /usr/libexec/at-spi-bus-launcher --launch-immediately
  export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
  wait_for 10 eval 'dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
    org.a11y.Bus.GetAddress >/dev/null 2>&1' || e2e_fail "the accessibility bus did not start"
}
# desktop_weston_start : a headless Wayland compositor (no screen, no input); exports WAYLAND_DISPLAY.
desktop_weston_start() {
  e2e_need weston
  compgen -G "/usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so" >/dev/null ||
    { echo "SKIP: no qt6-wayland"; exit 77; }
  _desktop_run weston weston --backend=headless-backend.so --socket=tabwise-$$ --idle-time=0 --no-config
  export WAYLAND_DISPLAY=tabwise-$$
  wait_for 20 test -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" || e2e_fail "weston did not start"
}
