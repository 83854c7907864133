#!/usr/bin/env bash
# A start in the tray on a desktop whose tray is missing or comes late (the panel starting after
# the program at log-on): without a tray the window comes up minimized on the taskbar after a few
# seconds' wait; a tray that appears during the wait takes the icon, and the window stays hidden
# until the icon is double-clicked.
set -euo pipefail
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"


program_window() { # the main window, visible or not
  xdotool search --name '^Tabwise \(' 2>/dev/null | head -n 1
}
viewable() { xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; }
iconic() { xprop -id "$1" _NET_WM_STATE 2>/dev/null | grep -q _NET_WM_STATE_HIDDEN; }
on_taskbar() { xprop -root _NET_CLIENT_LIST | grep -qi "$(printf '0x%x' "$1")"; }
minimized_on_taskbar() { iconic "$1" && on_taskbar "$1"; }
shown_normal() { viewable "$1" && ! iconic "$1"; }
program_minimized_on_taskbar() {
  local w
  w=$(program_window)
  [[ -n $w ]] && minimized_on_taskbar "$w"
}
program_shown_normal() {
  local w
  w=$(program_window)
  [[ -n $w ]] && shown_normal "$w"
}
no_program_window_shown() { [[ -z $(xdotool search --onlyvisible --name '^Tabwise \(') ]]; }

start_in_tray_mode() {
  mkdir -p "$XDG_CONFIG_HOME"
  printf '[Startup]\nValue=1\nValue2=0\nValue4=1\nValue5=1\nValue6=1\nValue7=1\nValue8=0\nTabName1=Notes\n' \
    >"$(e2e_settings_file)"
  e2e_app_start
}

command -v trayer >/dev/null || { echo "SKIP: trayer is not installed (scripts/setup.sh installs it)"; exit 77; }
e2e_begin

# No tray at all: after the wait the window is reachable, minimized on the taskbar.
start_in_tray_mode
sleep 3
e2e_check "during the wait for a tray no window is shown" no_program_window_shown
e2e_check "without a tray the window comes up minimized on the taskbar" \
  wait_for 15 program_minimized_on_taskbar
e2e_app_stop

# The tray comes up two seconds after the program.
start_in_tray_mode
sleep 2
trayer --edge bottom --align right --widthtype pixel --width 200 --height 32 --SetDockType true \
  --transparent false </dev/null >/dev/null 2>&1 &
XSESSION_TRAY_PID=$! # stopped with the desktop
xsession_track "$XSESSION_TRAY_PID"
e2e_check "the icon appears in the tray that came late" wait_for 15 icon_present
sleep 6
e2e_check "the window stays in the tray after the wait" no_program_window_shown
icon=$(tray_icon)
xdotool mousemove --window "$icon" 10 10 click --repeat 2 --delay 120 1
e2e_check "a double-click on the icon shows the window" \
  wait_for 10 program_shown_normal
e2e_app_stop
