#!/usr/bin/env bash
# The options panel on a real desktop: opened from the picture on the Notes page, a tab renamed,
# start at log-on and stay on top ticked, then OK. The tab caption, the window title, the settings
# file, the log-on entry and the window's stacking change; screenshots of the panel and after.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

# Points in the window's client area, in pixels (the layout's twips / 15).
picture=(337 406)   # Image1, bottom-right of the Notes page
check8=(24 50)      # "Start at Log-on"
check2=(24 72)      # "Stay on top"
text1=(136 265)     # name box of tab 1
okButton=(288 40)   # "&Ok"

click() { # WID X Y
  xdotool mousemove --window "$1" "$2" "$3" click 1
  sleep 0.2
}

# e2e_wait_for DESCRIPTION COMMAND... : waits up to 10 s for COMMAND to succeed, then checks it.
e2e_wait_for() {
  local what=$1
  shift
  for _ in $(seq 100); do
    "$@" && break
    sleep 0.1
  done
  e2e_check "$what" "$@"
}

setting_is() { grep -qxF "$1" "$(e2e_settings_file)"; }
on_top() { xprop -id "$wid" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE; }
outer_at() {
  read -r x y _ _ <<<"$(e2e_geometry "$wid")"
  ((x == $1 && y == $2)) || { echo "outer corner at $x, $y" >&2; false; }
}

e2e_begin
e2e_app_start
wid=$(e2e_wait_window '^Tabwise \(Notes\)$')
e2e_check "not on top at a first start" test -z "$(on_top && echo yes)"

click "$wid" "${picture[@]}"
wid=$(e2e_wait_window '^Tabwise \(Options\)$')
e2e_check "the picture opens the panel" test -n "$wid"

click "$wid" "${check8[@]}"
entry="$XDG_CONFIG_HOME/autostart/Tabwise.desktop"
e2e_wait_for "ticking Start at Log-on writes the log-on entry" test -f "$entry"
e2e_check "the entry starts this executable" grep -qxF "Exec=\"$E2E_ROOT/app/tabwise\"" "$entry"
e2e_wait_for "and stores Value8 before OK" setting_is 'Value8=1'

click "$wid" "${check2[@]}"
e2e_wait_for "ticking Stay on top keeps the window above others" on_top
e2e_wait_for "and places its outer corner at 464, 259" outer_at 464 259
e2e_check "the window stays shown, the panel open" test -n "$(e2e_wait_window '^Tabwise \(Options\)$')"

click "$wid" "${text1[@]}"
xdotool key --window "$wid" ctrl+a
xdotool type --window "$wid" --delay 20 'My Diary'
sleep 0.3
e2e_screenshot options-panel "$wid"

click "$wid" "${okButton[@]}"
wid=$(e2e_wait_window '^Tabwise \(My Diary\)$')
e2e_check "OK titles the window after the renamed tab" test -n "$wid"
e2e_wait_for "OK stores the new name" setting_is 'TabName1=My Diary'
e2e_check "OK stores Stay on top" setting_is 'Value2=1'
e2e_check "OK keeps the other names" setting_is 'TabName2=Phone Numbers'
e2e_screenshot options-after-ok "$wid"

# Clearing Start at Log-on removes the entry again.
click "$wid" "${picture[@]}"
wid=$(e2e_wait_window '^Tabwise \(Options\)$')
click "$wid" "${check8[@]}"
e2e_wait_for "clearing Start at Log-on removes the entry" test ! -e "$entry"
e2e_wait_for "and stores Value8=0" setting_is 'Value8=0'
click "$wid" "${check2[@]}"
e2e_wait_for "clearing Stay on top lets other windows cover it" test -z "$(on_top && echo yes)"
e2e_app_stop

# OK stored Stay on top as ticked (clearing the box afterwards stores nothing): the next start
# is on top again.
e2e_app_start
wid=$(e2e_wait_window '^Tabwise \(My Diary\)$')
e2e_wait_for "a new start is on top again, as stored" on_top
e2e_app_stop
