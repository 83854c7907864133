#!/usr/bin/env bash
# Page history: two saves and a change made by another program are versions of the page; Ctrl+H
# shows them, the oldest goes back into the page, and saving it makes it the newest version. The
# history is a git repository that the git command reads.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

e2e_begin
app=$E2E_ROOT/app
printf 'first\r\n' >"$app/notes.ntr"
e2e_app_start
wid=$(e2e_wait_window '^Tabwise \(Notes\)$')
file_is() { cmp -s "$1" <(printf "$2"); } # FILE PRINTF_FORMAT
save_line() { # TEXT PAGE : Edit, a line added at the end, Ctrl+S; waits until the file is PAGE
  e2e_key "$wid" alt+e
  sleep 0.3
  xdotool key --clearmodifiers ctrl+End
  xdotool type --delay 20 "$1"
  xdotool key --clearmodifiers Return ctrl+s
  wait_for 5 file_is "$app/notes.ntr" "$2" || e2e_fail "the save of '$1' did not reach the page"
}
save_line second 'first\r\nsecond\r\n'
save_line third 'first\r\nsecond\r\nthird\r\n'
e2e_check "two saves reach the page" file_is "$app/notes.ntr" 'first\r\nsecond\r\nthird\r\n'
printf 'from elsewhere\r\n' >"$app/notes.ntr.tmp" && mv "$app/notes.ntr.tmp" "$app/notes.ntr"
# Asked anew at each try of wait_for (the history is written in the background).
causes_are() { [[ $(git --git-dir="$(echo "$XDG_STATE_HOME"/Tabwise/history/*.git)" log --format=%s -- notes.ntr 2>/dev/null | paste -sd, -) == "$1" ]]; }
e2e_check "the history holds every version, newest first" wait_for 5 \
  causes_are "Changed on disk,Saved,Saved,Found"
e2e_key "$wid" ctrl+h
sleep 0.5
e2e_screenshot history "$wid"
xdotool key End Return
sleep 0.5
xdotool key --clearmodifiers ctrl+s
e2e_check "the oldest version, restored and saved, is the page" wait_for 5 file_is "$app/notes.ntr" 'first\r\n'
e2e_check "... and the newest version" wait_for 5 causes_are "Saved,Changed on disk,Saved,Saved,Found"
