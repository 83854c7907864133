#!/usr/bin/env bash
# The options panel, and what a screen reader finds (AT-SPI): every control named, with its role,
# the commands and the options picture buttons that it can press. Opened with Ctrl+Comma, Stay on
# top ticked, the first tab renamed and the pages backed up into a folder picked in the folder
# list, then OK: the window stays above others and it and the settings carry the new name and the
# backup folder. A page saved over by mistake comes
# back with Restore Now, which keeps the pages it replaced.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
source "$(dirname "${BASH_SOURCE[0]}")/desktop.sh"

e2e_begin
desktop_bus_start
desktop_a11y_start
app=$E2E_ROOT/app backup=$HOME/backup
mkdir "$backup"
printf 'Caf\xc3\xa9 at noon\r\n' >"$app/notes.ntr"
printf 'someone@example.org\r\n' >"$app/email.ntr"
head -c 4096 /dev/urandom >"$app/other.ntr"
e2e_app_start
wid=$(e2e_wait_window '^Tabwise \(Notes\)$')

e2e_check "a screen reader finds every control of the pages named, the commands as buttons" a11y check
a11y press Options
e2e_check "... presses the options picture" test -n "$(e2e_wait_window '^Tabwise \(Options\)$' 10)"
e2e_check "... and finds every control of the options panel named, the pages out of reach" a11y check covered
a11y press Cancel
e2e_wait_window '^Tabwise \(Notes\)$' 10 >/dev/null

click() { xdotool mousemove --window "$wid" "$1" "$2" click 1 && sleep 0.3; }
open_options() { e2e_key "$wid" ctrl+comma && e2e_wait_window '^Tabwise \(Options\)$' 10 >/dev/null; }
answer_yes() { e2e_key "$(e2e_wait_window '^Tabwise$' 10)" alt+y; } # the program's question
answer_ok() { e2e_key "$(e2e_wait_window '^Tabwise$' 10)" Return; }
same_pages() { # FOLDER FOLDER : every page file of the first is in the second, byte for byte
  local page
  for page in "$1"/*.ntr; do cmp -s "$page" "$2/${page##*/}" || return 1; done
}
setting_is() { grep -qxF "$1" "$XDG_CONFIG_HOME/Tabwise.ini"; }
on_top() { xprop -id "$wid" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE; }

open_options
click 24 72 # Stay on top
click 136 265 # the name box of the first tab
xdotool key ctrl+a
xdotool type --delay 20 'My Diary'
click 120 140 # the folder list: typing a folder's name selects it, Return opens it
xdotool type --delay 20 backup
xdotool key Return
sleep 0.3
e2e_screenshot options "$wid"
e2e_key "$wid" alt+b
answer_yes
e2e_check "Backup Now copies every page byte for byte" wait_for 10 same_pages "$app" "$backup"
e2e_screenshot options-backed-up
answer_ok # the backup says it is done
e2e_key "$wid" alt+o
e2e_check "OK titles the window after the renamed tab" test -n "$(e2e_wait_window '^Tabwise \(My Diary\)$' 10)"
e2e_check "... and stores the name" wait_for 5 setting_is 'TabName1=My Diary'
e2e_check "the backup folder is remembered" setting_is "BackupDir=$backup/"
e2e_check "the window manager keeps the window above others" wait_for 5 on_top

# A mistake saved over the page; the backup brings it back.
e2e_key "$wid" alt+e
sleep 0.3
xdotool key ctrl+a
xdotool type --delay 20 'oops'
xdotool key --clearmodifiers ctrl+s
wait_for 5 grep -q oops "$app/notes.ntr" || e2e_fail "the mistake was not saved"
open_options
e2e_key "$wid" alt+n
answer_yes
e2e_check "Restore Now puts the backed-up pages back" wait_for 10 same_pages "$backup" "$app"
e2e_check "... and keeps the pages it replaced" grep -q oops "$app"/Before\ restore\ */notes.ntr
answer_ok
e2e_key "$wid" Escape
e2e_wait_window '^Tabwise \(My Diary\)$' 10 >/dev/null
sleep 0.3
e2e_screenshot options-restored "$wid" # the page shows the restored text
