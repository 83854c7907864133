#!/usr/bin/env bash
# Backs up the page files through the real options panel: opens the panel from the options picture,
# opens a fresh folder in the folder list with the keyboard, presses Backup Now, answers Yes with
# the keyboard, and compares every copy with its page file byte for byte.
set -euo pipefail
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

e2e_begin

app=$E2E_ROOT/app
backup=$HOME/fresh-backup
mkdir -p "$backup" "$HOME/Documents"
pages=(notes.ntr phone.ntr email.ntr web.ntr other.ntr extra.ntr)
printf 'Notes\r\nCaf\xc3\xa9 at noon\r\n' >"$app/notes.ntr"
printf '555-0100\r\n' >"$app/phone.ntr"
printf 'someone@example.org\r\nother@example.org\r\n' >"$app/email.ntr"
printf 'https://example.org\r\n' >"$app/web.ntr"
printf 'Windows-1252: caf\xe9\r\n' >"$app/other.ntr"
head -c 4096 /dev/urandom >"$app/extra.ntr"

e2e_app_start
wid=$(e2e_wait_window '^Tabwise \(Notes\)$' 30)
xdotool windowactivate --sync "$wid" >/dev/null 2>&1 || true

# The options picture sits at the right end of the tab strip: 16 pixels square at (329, 398).
xdotool mousemove --window "$wid" 337 406 click 1
options=$(e2e_wait_window '^Tabwise \(Options\)$' 10)
[[ $options == "$wid" ]] || e2e_fail "the options panel opened in another window"

# The folder list (at 8,128, 225 wide, 66 high) starts in the home folder. Typing a folder's name
# highlights it, Enter opens it.
xdotool mousemove --window "$wid" 120 140 click 1
sleep 0.5
xdotool type --delay 20 fresh-backup
xdotool key Return
sleep 0.5
e2e_screenshot backup-panel "$wid"

xdotool key alt+b
question=$(e2e_wait_window '^Tabwise$' 10)
xdotool windowactivate --sync "$question" >/dev/null 2>&1 || true
xdotool key --window "$question" alt+y

copied() {
  local page
  for page in "${pages[@]}"; do
    cmp -s "$app/$page" "$backup/$page" || return 1
  done
}
for ((i = 0; i < 100; i++)); do
  copied && break
  sleep 0.1
done
for page in "${pages[@]}"; do
  e2e_check "$page is copied byte for byte" cmp "$app/$page" "$backup/$page"
done
e2e_check "the copies are readable and writable by their owner only" \
  test "$(stat -c %a "$backup"/*.ntr | sort -u)" = 600
e2e_check "nothing else lands in the backup folder" test "$(find "$backup" -mindepth 1 | wc -l)" -eq ${#pages[@]}
e2e_check "the backup folder is remembered as BackupDir" \
  grep -qxF "BackupDir=$backup/" "$(e2e_settings_file)"
e2e_check "no error message follows the backup" \
  test -z "$(xdotool search --onlyvisible --name '^Tabwise$' 2>/dev/null || true)"
