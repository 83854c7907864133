#!/usr/bin/env bash
# The pages: the window comes up in the bottom-right corner of the screen above the desktop's panel
# and follows the panel when it goes and comes; typing after Edit is saved with CR LF line ends,
# and typing not yet saved comes back after a kill; a double-click on a list entry hands the
# desktop's opener (a stub that records its arguments) exactly one address, and an entry full of
# shell characters is refused, never run; a page prints through the printer dialog to a CUPS queue
# of the journey's own (cups-pdf), and a page of 100,000 lines prints whole while the window keeps
# answering; typing left unsaved at closing is saved when the user answers Yes.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
source "$(dirname "${BASH_SOURCE[0]}")/desktop.sh"

e2e_begin
printing=yes
desktop_cups_start || printing="" # the rest of the journey runs without
app=$E2E_ROOT/app calls=$E2E_ROOT/opener.calls stub=$E2E_ROOT/bin/xdg-open
mkdir "${stub%/*}" && : >"$calls"
printf '#!/bin/sh\nprintf "%%s [%%s]\\n" "$#" "$*" >>"%s"\n' "$calls" >"$stub" && chmod +x "$stub"
export PATH="${stub%/*}:$PATH"
emails='someone@example.com\r\nx$(touch pwned)`touch pwned`;@example.com\r\n'
printf "$emails" >"$app/email.ntr"
printf 'www.example.com\r\n' >"$app/web.ntr"
seq -f 'Line %g of the long page' 100000 | sed 's/$/\r/' >"$app/other.ntr"

e2e_panel_start 40
e2e_app_start
wid=$(e2e_wait_window '^Tabwise \(Notes\)$')
in_corner() { # of the free area
  local fx fy fw fh x y w h
  read -r fx fy fw fh <<<"$(free_area)" && read -r x y w h <<<"$(e2e_geometry "$wid")" &&
    ((x + w == fx + fw && y + h == fy + fh))
}
e2e_check "the window's outer corner is the bottom-right one of the screen above the panel" wait_for 3 in_corner
e2e_screenshot pages-above-the-panel
e2e_panel_stop
wait_for 10 free_area_is 0 0 $(xdotool getdisplaygeometry) || e2e_fail "the panel's strip stayed reserved"
e2e_check "... and the screen's own when the panel goes" wait_for 5 in_corner
e2e_panel_start 60
e2e_check "... and above a panel that comes" wait_for 5 in_corner
read -r w h < <(xwininfo -id "$wid" | awk -F: '/^ *Width:/ { w = $2 } /^ *Height:/ { h = $2 } END { print w + 0, h + 0 }')

file_is() { cmp -s "$1" <(printf "$2"); } # FILE PRINTF_FORMAT
e2e_key "$wid" alt+e
sleep 0.3
xdotool type --delay 20 'Buy milk'
xdotool key Return
xdotool type --delay 20 'Call Ann'
xdotool key --clearmodifiers ctrl+s
e2e_check "Edit, typing and Ctrl+S write the page with CR LF" wait_for 5 file_is "$app/notes.ntr" 'Buy milk\r\nCall Ann\r\n'

# Typing survives a kill: the next start brings it back, the page untouched until Save.
e2e_key "$wid" alt+e
sleep 0.3
xdotool type --delay 20 ' and Bob'
e2e_check "typing is kept in a draft within a second or two" wait_for 3 test -s "$app/.notes.ntr.draft"
kill -KILL "$E2E_APP_PID"
wait_for 5 app_ended || e2e_fail "the program outlived SIGKILL"
wait_for 5 not viewable "$wid" || e2e_fail "the killed window stayed" # the window looked for next is the new one
e2e_app_start
wid=$(e2e_wait_window '^Tabwise \(Notes\)$')
e2e_check "after the kill the page file is as last saved" file_is "$app/notes.ntr" 'Buy milk\r\nCall Ann\r\n'
e2e_screenshot pages-restored-typing "$wid"
e2e_key "$wid" ctrl+s
e2e_check "the typing is back and Save keeps it" wait_for 5 file_is "$app/notes.ntr" 'Buy milk\r\nCall Ann and Bob\r\n'
e2e_check "... and removes its draft" wait_for 3 test ! -e "$app/.notes.ntr.draft"

# The five tabs share the strip along the bottom of the window; a list has an entry a line.
show_tab() { # INDEX TITLE
  xdotool mousemove --window "$wid" $(((w - 25) * $1 / 5 + (w - 25) / 10)) $((h - 10)) click 1
  e2e_wait_window "^Tabwise \\($2\\)\$" 10 >/dev/null
  sleep 0.3
}
more_calls() { (($(wc -l <"$calls") > $1)); }
open_entry() { # ROW ARGUMENT
  local before
  before=$(wc -l <"$calls")
  xdotool mousemove --window "$wid" 60 $((11 + $1 * 14)) click --repeat 2 --delay 60 1
  wait_for 10 more_calls "$before" || e2e_fail "a double-click on entry $1 started no opener"
  e2e_check "entry $1 opens as exactly one argument: $2" test "$(tail -n 1 "$calls")" = "1 [$2]"
}
show_tab 3 'Web Sites'
open_entry 0 'http://www.example.com'
show_tab 2 'Email Addresses'
open_entry 0 'mailto:someone@example.com'
xdotool mousemove --window "$wid" 60 25 click --repeat 2 --delay 60 1
e2e_check "an entry that is no single address is refused with a message" test -n "$(e2e_wait_window '^Tabwise$' 10)"
xdotool key Return
sleep 0.5
e2e_check "nothing in an entry is run" test ! -e "$HOME/pwned"
e2e_check "one opener per double-click on an address, none for the refused one" test "$(wc -l <"$calls")" -eq 2
e2e_screenshot pages "$wid"

# Printing: the printer dialog, where Return prints to the default queue. The document the program
# sent holds the page's lines, and cups-pdf makes a one-page PDF of a short page. A page of 100,000
# lines prints a slice at a time: the window switches pages meanwhile, and only the whole document
# reaches the queue.
print_page() {
  e2e_key "$wid" alt+p
  e2e_screenshot pages-print-dialog "$(e2e_wait_window '^Print$' 20)"
  xdotool key Return
  wait_for 10 not eval "xdotool search --onlyvisible --name '^Print\$' >/dev/null" || e2e_fail "the dialog stayed open"
}
pdf_text() { pdftotext -layout "$1" - 2>/dev/null | tr -d '\f' | sed '/^ *$/d'; }
if [[ -n $printing ]]; then
  show_tab 0 Notes
  print_page
  e2e_check "Print sends the page to the CUPS queue" wait_for 20 test -s "$(cups_job_file 1)"
  e2e_check "... exactly its lines" test "$(pdf_text "$(cups_job_file 1)")" = $'Buy milk\nCall Ann and Bob'
  out=$(wait_for 60 cups_pdf_output 1) || e2e_fail "cups-pdf made no PDF of the page"
  e2e_check "... and cups-pdf prints them on one page" test "$(pdfinfo "$out" | grep -c '^Pages: *1$')$(pdf_text "$out" | wc -l)" = 12
  show_tab 4 Other
  print_page
  show_tab 0 Notes
  e2e_check "while a long page prints the window answers, and nothing has reached the queue yet" \
    test ! -e "$(cups_job_file 2)"
  show_tab 4 Other
  e2e_screenshot pages-printing "$wid" # with the note of how far it has got
  e2e_check "the long page reaches the queue" wait_for 120 test -s "$(cups_job_file 2)"
  long=$(pdf_text "$(cups_job_file 2)")
  e2e_check "... whole, from its first line to its last" test "$(head -n 1 <<<"$long")|$(tail -n 1 <<<"$long")|$(wc -l <<<"$long")" \
    = 'Line 1 of the long page|Line 100000 of the long page|100000'
fi
show_tab 2 'Email Addresses'

# Typing not yet saved when the window closes: the program asks, Return answers Yes.
xdotool key --clearmodifiers alt+e
sleep 0.3
xdotool type --delay 20 'new@example.org'
xdotool key Return alt+F4
e2e_screenshot pages-question "$(e2e_wait_window '^Tabwise$' 10)"
xdotool key Return
e2e_check "Yes at closing saves the typing and the program ends" wait_for 10 app_ended
e2e_check "... above the entries, kept byte for byte" file_is "$app/email.ntr" "new@example.org\\r\\n$emails"
