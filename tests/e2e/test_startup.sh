#!/usr/bin/env bash
# The real program on a real desktop: the window comes up titled after the Notes page, with its
# outer bottom-right corner on the screen's, showing notes.ntr from the application folder, and
# the settings file holds the design values of a first start.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

e2e_begin
printf 'Remember the milk\r\nCall Ann: 555-0199\r\n' >"$E2E_ROOT/app/notes.ntr"
e2e_app_start
wid=$(e2e_wait_window '^Tabwise \(Notes\)$')

read -r x y w h <<<"$(e2e_geometry "$wid")"
read -r sw sh <<<"$(xdpyinfo | awk '/dimensions:/ { split($2, d, "x"); print d[1], d[2] }')"
# The frame may arrive a moment after the window: give the placement time to settle.
for _ in $(seq 30); do
  read -r x y w h <<<"$(e2e_geometry "$wid")"
  ((x + w == sw && y + h == sh)) && break
  sleep 0.1
done
e2e_check "outer corner at the screen's bottom-right ($x+$w, $y+$h vs $sw, $sh)" \
  test $((x + w)) -eq "$sw" -a $((y + h)) -eq "$sh"
e2e_check "the page files stay as they were" grep -q 'Remember the milk' "$E2E_ROOT/app/notes.ntr"
e2e_check "a first start stores the design values" grep -q '^TabName2=Phone Numbers' "$(e2e_settings_file)"
e2e_screenshot startup "$wid"

# The window cannot be resized: the window manager is told its minimum and maximum sizes agree.
hints=$(xprop -id "$wid" WM_NORMAL_HINTS)
min=$(grep -o 'minimum size: [0-9]* by [0-9]*' <<<"$hints" | grep -o '[0-9]* by [0-9]*')
max=$(grep -o 'maximum size: [0-9]* by [0-9]*' <<<"$hints" | grep -o '[0-9]* by [0-9]*')
e2e_check "fixed size ($min / $max)" test -n "$min" -a "$min" = "$max"
e2e_app_stop
