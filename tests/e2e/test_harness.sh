#!/usr/bin/env bash
# Checks the end-to-end harness itself, with xmessage standing in for the program: the desktop
# comes up with a window manager and a tray, windows are found, measured, moved and photographed,
# and stopping (by hand or by the exit trap after a failure) leaves no process and no display lock.
set -euo pipefail
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

proc_id() { # PID -> "PID start-time" while that process runs (a zombie has ended)
  awk -v pid="$1" '{ sub(/.*\) /, ""); if ($1 != "Z") print pid, $20 }' "/proc/$1/stat" \
    2>/dev/null || true
}
export -f proc_id

gone() { # "PID start-time"... : true when none of those processes runs any more
  local id
  for id in "$@"; do
    [[ -n $id && $(proc_id "${id%% *}") != "$id" ]] || return 1
  done
}

three_gone() { (($# == 3)) && gone "$@"; }

window_exists() { xwininfo -id "$1" >/dev/null 2>&1; }

display_released() { # N PID : no lock of :N names PID (another desktop may take :N at once)
  if [[ -e /tmp/.X$1-lock ]]; then
    [[ $(tr -d ' \n' 2>/dev/null <"/tmp/.X$1-lock") != "$2" ]]
  else
    [[ ! -e /tmp/.X11-unix/X$1 ]]
  fi
}

geometry_is() { [[ $(e2e_geometry "$1") == "$2" ]]; }

wait_geometry() { # WID "X Y W H" : up to 5 s for the window manager to apply a move
  local i
  for ((i = 0; i < 50; i++)); do
    geometry_is "$1" "$2" && return 0
    sleep 0.1
  done
  return 1
}

image_size_is() { [[ $(identify -format '%w %h' "$1") == "$2" ]]; }

outer_display=${DISPLAY-}
e2e_begin --tray
e2e_check "DISPLAY names the new desktop, not the one we were started on" \
  test "$DISPLAY" = ":$XSESSION_DISPLAY" -a "$DISPLAY" != "$outer_display"

wm_window=$(xprop -root _NET_SUPPORTING_WM_CHECK | awk '{ print $NF }')
e2e_check "openbox manages the desktop" \
  grep -q '"Openbox"' <<<"$(xprop -id "$wm_window" _NET_WM_NAME)"

tray=$(xdotool search --all --onlyvisible --pid "$XSESSION_TRAY_PID" --class '^trayer$' | head -n 1)
read -r tx ty tw th <<<"$(e2e_geometry "$tray")"
e2e_check "the tray panel sits in the top right corner ($tx $ty ${tw}x$th)" \
  test $((tx + tw)) -eq 1280 -a "$ty" -eq 0

printf '#!/bin/sh\nexec xmessage -name harness "$@"\n' >"$E2E_ROOT/app/tabwise"
chmod +x "$E2E_ROOT/app/tabwise"
e2e_app_start hello
wid=$(e2e_wait_window '^harness$' 20)
read -r x y w h <<<"$(e2e_geometry "$wid")"
client_height=$(xwininfo -id "$wid" | awk -F: '/^ *Height:/ { print $2 + 0 }')
e2e_check "the window at $x,$y has a frame with a title bar (${w}x$h, client $client_height high)" \
  test "$h" -gt $((client_height + 10))

xdotool windowmove "$wid" 100 120
e2e_check "the window moves to 100,120 and keeps its size" wait_geometry "$wid" "100 120 $w $h"

e2e_screenshot harness-desktop
e2e_screenshot harness-window "$wid"
e2e_check "the desktop screenshot is 1280x800" \
  image_size_is "$TABWISE_ARTIFACTS/harness-desktop.png" "1280 800"
e2e_check "the window screenshot is the framed window, ${w}x$h" \
  image_size_is "$TABWISE_ARTIFACTS/harness-window.png" "$w $h"

# A failing test on a second desktop, stopped by its exit trap; it also copies a program and runs
# at scale 2.
mkdir -p "$E2E_ROOT/build/help"
cp "$E2E_ROOT/app/tabwise" "$E2E_ROOT/build/tabwise"
echo '<h1>help</h1>' >"$E2E_ROOT/build/help/index.html"
rm -f "$TABWISE_ARTIFACTS/harness-trap-failure.png"
status=0
out=$(TABWISE_EXE="$E2E_ROOT/build/tabwise" bash -c '
  set -euo pipefail
  source "$1"
  e2e_begin --scale 2
  e2e_app_start failing
  e2e_wait_window "^harness$" 20 >/dev/null
  printf "started: %s:%s:%s\n" "$(proc_id "$E2E_APP_PID")" "$(proc_id "$XSESSION_XVFB_PID")" \
    "$(proc_id "$XSESSION_WM_PID")"
  echo "display: $XSESSION_DISPLAY root: $E2E_ROOT"
  [[ $(xdpyinfo) =~ resolution:\ *192x192\ dots ]] && echo "dpi: 192"
  [[ $(xprop -root RESOURCE_MANAGER) =~ Xft.dpi:[^0-9]*192 ]] && echo "xft: 192"
  test -x "$E2E_ROOT/app/tabwise" && test -f "$E2E_ROOT/app/help/index.html" && echo "copied"
  e2e_fail "deliberate failure"
' harness-trap "$(dirname "${BASH_SOURCE[0]}")/lib.sh" 2>&1) || status=$?
printf '%s\n' "$out" | sed 's/^/  trap test | /'
IFS=: read -r -a child <<<"$(sed -n 's/^started: //p' <<<"$out")"
child_display=$(sed -n 's/^display: \([0-9]*\) .*/\1/p' <<<"$out")
child_root=$(sed -n 's/^display: .* root: //p' <<<"$out")
e2e_check "a failing test exits 1" test "$status" -eq 1
e2e_check "TABWISE_EXE and its help folder are copied into app/" grep -qx copied <<<"$out"
e2e_check "--scale 2 gives 192 dots per inch and Xft.dpi 192" \
  test "$(grep -cE '^(dpi|xft): 192$' <<<"$out")" -eq 2
e2e_check "the second desktop got its own display :$child_display" \
  test -n "$child_display" -a "$child_display" != "$XSESSION_DISPLAY"
e2e_check "the exit trap ends the program, Xvfb and openbox" three_gone "${child[@]}"
child_xvfb=${child[1]-}
e2e_check "... releases :$child_display" display_released "$child_display" "${child_xvfb%% *}"
e2e_check "... removes the temporary root" test -n "$child_root" -a ! -e "$child_root"
e2e_check "... and keeps a screenshot of the failure" \
  test -s "$TABWISE_ARTIFACTS/harness-trap-failure.png"
e2e_check "the first desktop and its window are untouched" window_exists "$wid"

started=("$(proc_id "$E2E_APP_PID")" "$(proc_id "$XSESSION_XVFB_PID")" \
  "$(proc_id "$XSESSION_WM_PID")" "$(proc_id "$XSESSION_TRAY_PID")")
display=$XSESSION_DISPLAY
xvfb=$XSESSION_XVFB_PID
session_dir=$XSESSION_DIR
e2e_app_stop
xsession_stop
e2e_check "stopping by hand ends the program, Xvfb, openbox and trayer" gone "${started[@]}"
e2e_check "the lock and socket of :$display are gone" display_released "$display" "$xvfb"
e2e_check "the session's temporary folder is gone" test ! -e "$session_dir"
e2e_check "DISPLAY is as before" test "${DISPLAY-}" = "$outer_display"
e2e_check "stopping again does nothing" xsession_stop
