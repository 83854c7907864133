#!/usr/bin/env bash
# The real program on a real desktop, driven from the keyboard as a person would: switch to the
# e-mail page, Alt+E, type, Ctrl+S; then the Phone Numbers page with Alt+E, typing and Alt+S. The
# page files hold exactly what was typed, with CR LF line ends.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

e2e_begin
printf 'a@example.org\r\nb@example.org\r\n' >"$E2E_ROOT/app/email.ntr"
printf '555-0100\r\n' >"$E2E_ROOT/app/phone.ntr"
e2e_app_start
wid=$(e2e_wait_window '^Tabwise \(Notes\)$')
xdotool windowactivate --sync "$wid" 2>/dev/null || true

# The five tabs share the strip along the bottom of the window equally.
read -r _ _ w h <<<"$(xwininfo -id "$wid" | awk -F: '/^ *Width:/ { w = $2 + 0 } /^ *Height:/ { h = $2 + 0 } END { print 0, 0, w, h }')"
select_tab() {
  local index=$1 title=$2 strip_width=$((w - 25))
  xdotool mousemove --window "$wid" $((strip_width * index / 5 + strip_width / 10)) $((h - 10)) click 1
  e2e_wait_window "^Tabwise \\($title\\)\$" 10 >/dev/null
}

select_tab 2 'Email Addresses'
e2e_check "the e-mail page file is untouched by showing it" \
  cmp -s "$E2E_ROOT/app/email.ntr" <(printf 'a@example.org\r\nb@example.org\r\n')
xdotool key --clearmodifiers alt+e
sleep 0.5
xdotool type --delay 20 'new@example.org'
xdotool key Return
xdotool key --clearmodifiers ctrl+s
for _ in $(seq 50); do
  grep -q new "$E2E_ROOT/app/email.ntr" && break
  sleep 0.1
done
e2e_check "Ctrl+S saved the e-mail page as typed" \
  cmp -s "$E2E_ROOT/app/email.ntr" <(printf 'new@example.org\r\na@example.org\r\nb@example.org\r\n')
e2e_screenshot edit_save_email "$wid"

select_tab 1 'Phone Numbers'
xdotool key --clearmodifiers alt+e
sleep 0.5
xdotool key ctrl+End
xdotool type --delay 20 'Ann 555-0199'
xdotool key --clearmodifiers alt+s
for _ in $(seq 50); do
  grep -q Ann "$E2E_ROOT/app/phone.ntr" && break
  sleep 0.1
done
e2e_check "Alt+S saved the phone page as typed" \
  cmp -s "$E2E_ROOT/app/phone.ntr" <(printf '555-0100\r\nAnn 555-0199\r\n')

# Typing not saved: closing asks first. Escape cancels and the program stays; Return saves.
xdotool key --clearmodifiers alt+e
sleep 0.5
xdotool key ctrl+End
xdotool type --delay 20 ' (mobile)'
xdotool windowactivate --sync "$wid" 2>/dev/null || true
xdotool key --clearmodifiers alt+F4
question=$(e2e_wait_window '^Tabwise$' 10)
e2e_screenshot edit_save_question "$question"
xdotool key Escape
sleep 1
e2e_check "Cancel keeps the program running" xsession_alive "$E2E_APP_PID"
e2e_check "Cancel keeps the file as saved" \
  cmp -s "$E2E_ROOT/app/phone.ntr" <(printf '555-0100\r\nAnn 555-0199\r\n')

xdotool windowactivate --sync "$wid" 2>/dev/null || true
xdotool key --clearmodifiers alt+F4
question=$(e2e_wait_window '^Tabwise$' 10)
xdotool key Return
for _ in $(seq 50); do
  xsession_alive "$E2E_APP_PID" || break
  sleep 0.1
done
e2e_check "Yes saves the page and the program ends" bash -c "! kill -0 $E2E_APP_PID 2>/dev/null"
e2e_check "the typing is in the file" \
  cmp -s "$E2E_ROOT/app/phone.ntr" <(printf '555-0100\r\nAnn 555-0199 (mobile)\r\n')
