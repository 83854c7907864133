#!/usr/bin/env bash
# Wayland for real: the program on a headless weston compositor (QT_QPA_PLATFORM=wayland). That
# compositor has no input device, so the journey acts through the accessibility bus and the D-Bus
# tray: the window comes up, a page saves, the tray's menu opens the options, and the options panel
# says what Wayland does not allow.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
source "$(dirname "${BASH_SOURCE[0]}")/desktop.sh"

e2e_need weston
e2e_folders
desktop_bus_start
desktop_a11y_start
desktop_watcher_start
desktop_weston_start
printf 'Remember the milk\r\n' >"$E2E_ROOT/app/notes.ntr"
export E2E_QPA=wayland WAYLAND_DEBUG=client # the requests to the compositor go to app.log
e2e_app_start
titled() { grep -qF "xdg_toplevel@" "$E2E_ROOT/app.log" && grep -qF ".set_title(\"$1\")" "$E2E_ROOT/app.log"; }
e2e_check "the window comes up on Wayland" wait_for 20 titled 'Tabwise (Notes)'
wait_for 20 eval 'a11y ready 2>/dev/null' || e2e_fail "the program is not on the accessibility bus"
a11y press 'Edit Notes'
a11y append Notes 'Buy bread'
a11y press 'Save Notes'
e2e_check "a page saves" wait_for 10 grep -q 'Buy bread' "$E2E_ROOT/app/notes.ntr"
e2e_check "the tray gets the icon" wait_for 10 sni_has_item
sni click Options
e2e_check "the tray's menu opens the options" wait_for 10 titled 'Tabwise (Options)'
e2e_check "... which say that Wayland allows neither staying on top nor placing the window" grep -q \
  'keep its window above others or place it' <<<"$(a11y shown 'Not on Wayland')"
