#!/usr/bin/env bash
# Double-clicking list entries of the real program on a real desktop: the desktop's opener
# (xdg-open, here a stub first on the PATH that records its arguments) gets exactly one argument,
# "mailto:" and the e-mail entry, or the web entry as an address; an entry full of shell
# characters is handed over as text and never run.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

e2e_begin

stubs="$E2E_ROOT/stubs"
calls="$E2E_ROOT/xdg-open.calls"
mkdir -p "$stubs"
: >"$calls"
# Each call appends one record: the number of arguments, then each argument in brackets.
cat >"$stubs/xdg-open" <<STUB
#!/bin/sh
{ printf '%s' "\$#"; for a in "\$@"; do printf ' [%s]' "\$a"; done; printf '\n'; } >>'$calls'
STUB
chmod +x "$stubs/xdg-open"
export PATH="$stubs:$PATH"

pwned="$E2E_ROOT/pwned"
printf 'someone@example.com\r\nx$(touch %s)`touch %s`;@example.com\r\n' "$pwned" "$pwned" \
  >"$E2E_ROOT/app/email.ntr"
printf 'www.example.com\r\n' >"$E2E_ROOT/app/web.ntr"
e2e_app_start
wid=$(e2e_wait_window '^Tabwise \(Notes\)$')

# The five tabs share the strip along the bottom of the window; entries start at the top.
read -r _ _ width height <<<"$(xwininfo -id "$wid" | awk -F: '
  /^ *Width:/ { w = $2 + 0 } /^ *Height:/ { h = $2 + 0 } END { print 0, 0, w, h }')"
tab_width=$(((width - 30) / 5))
row_height=14 # one entry per line in the window's font

# open_entry TAB ROW TITLE_REGEX : selects the tab, double-clicks the ROW-th entry (from 0) and
# waits until the opener has been called once more.
open_entry() {
  local tab=$1 row=$2 title=$3 before
  xdotool mousemove --window "$wid" $((tab * tab_width + tab_width / 2)) $((height - 10)) click 1
  e2e_wait_window "$title" 10 >/dev/null
  before=$(wc -l <"$calls")
  sleep 0.3
  xdotool mousemove --window "$wid" 60 $((4 + row * row_height + row_height / 2)) click --repeat 2 --delay 60 1
  for _ in $(seq 100); do
    (($(wc -l <"$calls") > before)) && return 0
    sleep 0.1
  done
  e2e_fail "double-clicking entry $row of tab $tab started no opener"
}

last_call() { tail -n 1 "$calls"; }

open_entry 2 0 '^Tabwise \(Email Addresses\)$'
e2e_check "e-mail entry: one argument, mailto: and the address ($(last_call))" \
  test "$(last_call)" = "1 [mailto:someone@example.com]"

open_entry 2 1 '^Tabwise \(Email Addresses\)$'
e2e_check "shell characters handed over as one argument ($(last_call))" \
  test "$(last_call)" = "1 [mailto:x\$(touch%20${pwned// /%20})%60touch%20${pwned// /%20}%60;@example.com]"
sleep 0.5
e2e_check "nothing in the entry was run" test ! -e "$pwned"

open_entry 3 0 '^Tabwise \(Web Sites\)$'
e2e_check "bare web address opened as a web address ($(last_call))" \
  test "$(last_call)" = "1 [http://www.example.com]"

e2e_check "the opener was called once per double-click" test "$(wc -l <"$calls")" -eq 3
e2e_screenshot open_entry "$wid"
e2e_app_stop
