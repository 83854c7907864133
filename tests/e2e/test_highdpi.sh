#!/usr/bin/env bash
# At twice the pixel density (a 192 dpi screen) the window is twice as large in screen pixels,
# everything in proportion; the screenshots (main window, options panel, About panel) are kept for
# a look at the sharpness of text and pictures.
set -euo pipefail
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"


client_size() { xwininfo -id "$1" | awk -F: '/^ *Width:/ { w = $2 + 0 } /^ *Height:/ { h = $2 + 0 } END { print w, h }'; }

sizes=()
for scale in 1 2; do
  (
    e2e_begin --scale "$scale"
    printf 'Remember the milk\r\nCall Ann: 555-0199\r\n' >"$E2E_ROOT/app/notes.ntr"
    e2e_app_start
    wid=$(e2e_wait_window '^Tabwise \(Notes\)$')
    sleep 0.5 # let the first paint finish
    e2e_screenshot "main-window-scale$scale" "$wid"
    xdotool windowactivate --sync "$wid" >/dev/null 2>&1 || true
    xdotool key --window "$wid" ctrl+comma
    e2e_wait_window '^Tabwise \(Options\)$' 10 >/dev/null
    sleep 0.3
    e2e_screenshot "options-panel-scale$scale" "$wid"
    client_size "$wid" >"$TABWISE_ARTIFACTS/.size-$scale"
    e2e_app_stop
  )
  # The About panel opens from the tray menu. The window sits in the screen's lower right corner,
  # where the tray's panel covers the tab row; hence a desktop of its own, the others have no tray.
  (
    e2e_begin --tray --scale "$scale"
    e2e_app_start
    wid=$(e2e_wait_window '^Tabwise \(Notes\)$')
    wait_for 10 icon_present || e2e_fail "the icon did not appear in the tray"
    xdotool mousemove --window "$(tray_icon)" 10 10 click 3
    sleep 0.5 # the menu opens
    xdotool key a
    sleep 0.5
    e2e_screenshot "about-panel-scale$scale" "$wid"
    e2e_app_stop
  )
  sizes+=("$(cat "$TABWISE_ARTIFACTS/.size-$scale")")
  rm -f "$TABWISE_ARTIFACTS/.size-$scale"
done

read -r w1 h1 <<<"${sizes[0]}"
read -r w2 h2 <<<"${sizes[1]}"
e2e_check "the window is ${w1}x$h1 at scale 1 and twice that at scale 2 (${w2}x$h2)" \
  test "$w2" -eq $((2 * w1)) -a "$h2" -eq $((2 * h1))
