#!/usr/bin/env bash
# One copy per application folder: starting the program again for the same folder brings the
# running window back in the normal state, and the new process ends at once without a window of
# its own. A copy in another folder runs beside the first.
set -euo pipefail
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

visible_tabwise_windows() { timeout 10 xdotool search --onlyvisible --name '^Tabwise \(' 2>/dev/null | wc -l; }
windows_are() { [[ $(visible_tabwise_windows) -eq $1 ]]; }
window_hidden() { xprop -id "$1" _NET_WM_STATE WM_STATE | grep -qE '_NET_WM_STATE_HIDDEN|window state: Iconic'; }
not() { ! "$@"; }
start_again() { # starts the program of FOLDER once more in the foreground: prints its exit status
  local status=0
  (cd "$HOME" && exec env QT_QPA_PLATFORM=xcb timeout 10 "$1/tabwise") </dev/null >>"$E2E_ROOT/app.log" 2>&1 ||
    status=$?
  echo "$status"
}

e2e_begin
e2e_app_start
wid=$(e2e_wait_window '^Tabwise \(Notes\)$')

# Out of sight: minimized (and, with a tray, hidden in it).
xdotool windowminimize "$wid"
e2e_check "the window is minimized" wait_for 10 window_hidden "$wid"

started=$SECONDS
status=$(start_again "$E2E_ROOT/app")
e2e_check "the second start ends at once and without error (status $status)" test "$status" -eq 0
e2e_check "within a few seconds ($((SECONDS - started)) s)" test $((SECONDS - started)) -le 5
e2e_check "the first window is back in the normal state" wait_for 10 not window_hidden "$wid"
e2e_check "the first window shows, and it is the only one" wait_for 10 windows_are 1
e2e_check "the first copy still runs" xsession_alive "$E2E_APP_PID"
e2e_screenshot single-instance-restored "$wid"

# A copy of the program in another folder is another notebook: it runs beside the first.
mkdir -p "$E2E_ROOT/other"
cp "$E2E_ROOT/app/tabwise" "$E2E_ROOT/other/tabwise"
(cd "$HOME" && exec env QT_QPA_PLATFORM=xcb "$E2E_ROOT/other/tabwise") </dev/null >>"$E2E_ROOT/app.log" 2>&1 &
other_pid=$!
xsession_track "$other_pid"
e2e_check "a copy for another folder runs and shows its own window" \
  wait_for 20 windows_are 2
e2e_check "the other copy keeps running" xsession_alive "$other_pid"
xsession_end_process "$other_pid" 10
e2e_app_stop
