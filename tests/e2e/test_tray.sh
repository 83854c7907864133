#!/usr/bin/env bash
# The tray, on a high-density screen (scale 2; the window, the options panel, the tray menu and the
# About panel are photographed): the icon appears; minimizing hides the window in the tray and a
# double-click on the icon brings it back; the right-click menu opens Options and About, and Exit
# ends the program. Then a start in the tray before the tray exists (a panel starting after the
# program at log-on): the late tray still gets the icon, the window stays hidden until asked for.
# Last a panel that speaks StatusNotifierItem over D-Bus, also starting after the program: it gets
# the icon with the tip and the menu, a click there brings the window back, its menu works, and
# when it goes away with the window in it, the window comes back.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
source "$(dirname "${BASH_SOURCE[0]}")/desktop.sh"

tray_menu() { # the tray menu: a pop-up (unframed) window of the program straight on the desktop
  local w
  for w in $(xdotool search --onlyvisible --classname '^tabwise$' 2>/dev/null); do
    xwininfo -id "$w" 2>/dev/null | grep -q 'Override Redirect State: yes' &&
      xwininfo -children -id "$w" 2>/dev/null | grep -q 'Parent window id: .*(the root window)' && echo "$w"
  done
}
menu_open() { [[ -n $(tray_menu) ]]; }
choose() { # KEY [SCREENSHOT] : the entry with that access key in the tray menu
  click_icon 3
  wait_for 10 menu_open || e2e_fail "a right click on the icon opened no menu"
  [[ -z ${2-} ]] || e2e_screenshot "$2" "$(tray_menu)"
  xdotool key "$1"
  wait_for 10 not menu_open || e2e_fail "the tray menu stayed open after '$1'"
}

e2e_need trayer
e2e_begin --tray --scale 2
printf 'Remember the milk\r\nCall Ann: 555-0199\r\n' >"$E2E_ROOT/app/notes.ntr"
e2e_app_start
wid=$(e2e_wait_window '^Tabwise \(Notes\)$')
e2e_check "the icon appears in the tray" wait_for 10 icon_present
sleep 0.5 # the first paint
e2e_screenshot tray-window-scale2 "$wid"
choose o
e2e_wait_window '^Tabwise \(Options\)$' 10 >/dev/null
sleep 0.3
e2e_screenshot tray-options-scale2 "$wid"
e2e_key "$wid" Escape

xdotool windowminimize "$wid"
e2e_check "minimizing hides the window" wait_for 10 not viewable "$wid"
e2e_check "... and takes it off the taskbar" wait_for 10 not on_taskbar "$wid"
click_icon 1
sleep 0.6
e2e_check "a single click on the icon does nothing" not viewable "$wid"
click_icon 1 2
e2e_check "a double-click on the icon brings it back" wait_for 10 shown_normal "$wid"
xdotool windowminimize "$wid"
wait_for 10 not viewable "$wid" || e2e_fail "the window did not hide a second time"
choose a tray-menu-scale2
e2e_check "About in the tray menu shows the window" wait_for 10 shown_normal "$wid"
sleep 0.5
e2e_screenshot tray-about-scale2 "$wid"
choose x
e2e_check "Exit ends the program" wait_for 10 app_ended
e2e_check "... and the icon leaves the tray" wait_for 5 not icon_present

# Started in the tray with no tray yet; the tray comes a second later.
xsession_tray_stop
sed -i 's/^Value=.*/Value=1/' "$XDG_CONFIG_HOME/Tabwise.ini"
started=$SECONDS
e2e_app_start
sleep 1
xsession_tray_start || e2e_fail "the late tray did not start"
e2e_check "the late tray gets the icon" wait_for 10 icon_present
((SECONDS >= started + 7)) || sleep $((started + 7 - SECONDS)) # past the program's wait for a tray
e2e_check "the window stays in the tray" windows_are 0
click_icon 1 2
e2e_check "a double-click on the icon shows the window" test -n "$(e2e_wait_window '^Tabwise \(Notes\)$' 10)"

xsession_tray_stop
e2e_app_stop
sed -i 's/^Value=.*/Value=0/' "$XDG_CONFIG_HOME/Tabwise.ini"
desktop_bus_start
e2e_app_start
wid=$(e2e_wait_window '^Tabwise \(Notes\)$')
sleep 1
desktop_watcher_start
e2e_check "the late D-Bus tray gets the icon" wait_for 10 sni_has_item
e2e_check "... with the tip" test "$(sni tooltip)" = Tabwise
e2e_check "... and the menu as the icon's own" test "$(sni menu | paste -sd ,)" = Help,About,Restore,Options,Exit
xdotool windowminimize "$wid"
e2e_check "minimizing hides the window in it" wait_for 10 not viewable "$wid"
sni activate
e2e_check "a click on the icon there brings it back" wait_for 10 shown_normal "$wid"
sni click Options
e2e_check "its menu opens the options" test -n "$(e2e_wait_window '^Tabwise \(Options\)$' 10)"
xdotool windowminimize "$wid"
wait_for 10 not on_taskbar "$wid" || e2e_fail "the window did not hide in the D-Bus tray"
desktop_stop watcher
e2e_check "when the tray goes away, the window comes back" wait_for 10 shown_normal "$wid"
