#!/usr/bin/env bash
# The real program with a real tray host (trayer): the splash hands over, the icon sits in the
# tray, minimizing hides the window from screen and taskbar, a double-click on the icon brings it
# back, the right-click menu opens Help and About, and its Exit removes the icon and ends the program.
set -euo pipefail
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"


viewable() { xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; }
unmapped() { ! viewable "$1"; }
on_taskbar() { xprop -root _NET_CLIENT_LIST | grep -qi "$(printf '0x%x' "$1")"; }
not_on_taskbar() { ! on_taskbar "$1"; }
not_iconic() { ! xprop -id "$1" _NET_WM_STATE | grep -q _NET_WM_STATE_HIDDEN; }
shown_normal() { viewable "$1" && not_iconic "$1"; }
app_ended() { ! xsession_alive "$E2E_APP_PID"; }

icon_gone() { ! icon_present; }

# A visible window of the program of one kind (SPLASH, POPUP_MENU, ...).
window_of_type() {
  local w
  for w in $(xdotool search --onlyvisible --classname '^tabwise$' 2>/dev/null); do
    xprop -id "$w" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q "_NET_WM_WINDOW_TYPE_$1" && echo "$w"
  done | head -n 1
}
splash_up() { [[ -n $(window_of_type SPLASH) ]]; }

# The tray menu: a visible pop-up of the program (a window the window manager does not frame)
# straight on the desktop, unlike the icon, which lives inside the tray's panel.
tray_menu() {
  local w
  for w in $(xdotool search --onlyvisible --classname '^tabwise$' 2>/dev/null); do
    xwininfo -id "$w" 2>/dev/null | grep -q 'Override Redirect State: yes' &&
      xwininfo -children -id "$w" 2>/dev/null | grep -q 'Parent window id: .*(the root window)' &&
      echo "$w"
  done | head -n 1
}
menu_open() { [[ -n $(tray_menu) ]]; }
menu_closed() { ! menu_open; }

click_icon() { # BUTTON [REPEAT]
  local icon
  icon=$(tray_icon)
  xdotool mousemove --window "$icon" 10 10 click --repeat "${2:-1}" --delay 120 "$1"
}

tray_menu_choose() { # KEY: opens the menu with a right click and presses the entry's access key
  click_icon 3
  wait_for 10 menu_open || e2e_fail "the tray menu did not open"
  xdotool key "$1"
  wait_for 10 menu_closed || e2e_fail "the tray menu did not close after '$1'"
}

e2e_begin --tray
printf 'Remember the milk\r\n' >"$E2E_ROOT/app/notes.ntr"
e2e_app_start

wait_for 10 splash_up || e2e_fail "no splash screen"
splash=$(window_of_type SPLASH)
e2e_screenshot splash "$splash"
wid=$(e2e_wait_window '^Tabwise \(Notes\)$' 20)
e2e_check "the splash closes at the hand-over" wait_for 5 unmapped "$splash"
e2e_check "the icon sits in the tray" wait_for 10 icon_present
xdotool mousemove --window "$(tray_icon)" 10 10
tip_up() { [[ -n $(window_of_type TOOLTIP) ]]; }
e2e_check "resting the pointer on the icon shows its tip" wait_for 10 tip_up
e2e_screenshot tray-tip
xdotool mousemove 300 300

xdotool windowminimize "$wid"
e2e_check "minimizing takes the window off the screen" wait_for 10 unmapped "$wid"
e2e_check "... and off the taskbar" wait_for 10 not_on_taskbar "$wid"

click_icon 1
sleep 1
e2e_check "a single click on the icon leaves the window hidden" unmapped "$wid"

click_icon 1 2
e2e_check "a double-click on the icon brings the window back" wait_for 10 shown_normal "$wid"
e2e_check "... onto the taskbar" on_taskbar "$wid"

xdotool windowminimize "$wid"
wait_for 10 unmapped "$wid" || e2e_fail "the window did not hide a second time"
click_icon 3
wait_for 10 menu_open || e2e_fail "a right click on the icon opened no menu"
e2e_screenshot tray-menu
xdotool key Escape
e2e_check "Escape closes the menu and changes nothing" wait_for 10 menu_closed
e2e_check "... the window stays hidden" unmapped "$wid"
sleep 0.5 # as a person would: the closing menu lets go of the pointer first
click_icon 3
wait_for 10 menu_open || e2e_fail "a second right click on the icon opened no menu"
xdotool mousemove 300 300 click 1
e2e_check "a click elsewhere closes the menu" wait_for 10 menu_closed
e2e_check "... and the window stays hidden" unmapped "$wid"

tray_menu_choose h
help=$(e2e_wait_window '^Tabwise Help$' 10)
e2e_check "Help opens the help window while the main window stays hidden" unmapped "$wid"
e2e_screenshot help "$help"
# Closed as a person closes it: the window manager asks the window to close.
xdotool windowactivate --sync "$help" key --clearmodifiers alt+F4
wait_for 10 unmapped "$help" || e2e_fail "the help window did not close"
sleep 0.5

tray_menu_choose a
e2e_check "About brings the window back" wait_for 10 shown_normal "$wid"
sleep 0.5
e2e_screenshot about "$wid"

tray_menu_choose x
e2e_check "Exit ends the program" wait_for 10 app_ended
e2e_check "... and the icon leaves the tray" wait_for 5 icon_gone
