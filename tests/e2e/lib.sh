# shellcheck shell=bash
# Shared by the end-to-end journeys: each runs a copy of $TABWISE_EXE in a temporary application
# folder on a private X desktop (scripts/xsession.sh), acts on it with xdotool as a person would and
# keeps screenshots in $TABWISE_ARTIFACTS. Exit 0 passes, 77 skips. Call e2e_begin and
# e2e_app_start directly, never inside $(...): they start background jobs of the journey's shell.
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/xsession.sh"

E2E_NAME=${0##*/test_} E2E_ROOT="" E2E_APP_PID="" E2E_APPS=() E2E_PANEL_PID=""
E2E_AT_END=() # commands that end what a support library started, run after the program has ended
e2e_fail() {
  printf 'FAIL: %s\n' "$*" >&2
  exit 1
}
# e2e_check DESCRIPTION COMMAND... : PASS when COMMAND succeeds, else FAIL and exit.
e2e_check() {
  "${@:2}" || e2e_fail "$1 (command: ${*:2})"
  printf 'PASS: %s\n' "$1"
}
# wait_for SECONDS COMMAND... : retries COMMAND every 0.1 s until it succeeds or time runs out.
wait_for() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@"; do ((SECONDS <= deadline)) && sleep 0.1 || return 1; done
}
not() { ! "$@"; }

_e2e_end() {
  local status=$?
  set +e
  if ((status != 0 && status != 77)) && [[ -n $XSESSION_DISPLAY ]]; then
    (e2e_screenshot "${E2E_NAME%.sh}-failure") && echo "failure screenshot in $TABWISE_ARTIFACTS" >&2
    [[ -s $E2E_ROOT/app.log ]] && tail -n 20 "$E2E_ROOT/app.log" >&2
  fi
  e2e_app_stop
  e2e_panel_stop
  local end
  for end in "${E2E_AT_END[@]}"; do "$end"; done
  xsession_stop
  [[ -n $E2E_ROOT ]] && rm -rf "$E2E_ROOT"
  return "$status"
}
e2e_need() { # TOOL... : skips the journey when one is missing
  local t
  for t in "$@"; do command -v "$t" >/dev/null || { echo "SKIP: no $t (scripts/setup.sh installs it)"; exit 77; }; done
}
# e2e_begin [xsession_start options] : the folders of e2e_folders and an X desktop of its own.
e2e_begin() {
  e2e_need Xvfb openbox xdotool xprop xwininfo import
  e2e_folders
  xsession_start "$@" || e2e_fail "the X desktop did not start"
}
# e2e_folders : a temporary root with app/ (the program and its help), home/, config/ and runtime/
# as HOME, XDG_CONFIG_HOME and XDG_RUNTIME_DIR, and nothing of the user's own session.
e2e_folders() {
  [[ -x ${TABWISE_EXE-} ]] || e2e_fail "TABWISE_EXE is not an executable file: ${TABWISE_EXE-}"
  export TABWISE_ARTIFACTS=${TABWISE_ARTIFACTS:-${TMPDIR:-/tmp}/tabwise-e2e-artifacts}
  mkdir -p "$TABWISE_ARTIFACTS"
  trap _e2e_end EXIT
  trap 'exit 130' INT HUP TERM
  E2E_ROOT=$(mktemp -d "${TMPDIR:-/tmp}/tabwise-e2e.XXXXXX") || e2e_fail "no temporary folder"
  mkdir -p "$E2E_ROOT"/{app,home,config,runtime}
  chmod 700 "$E2E_ROOT/runtime"
  cp "$TABWISE_EXE" "$E2E_ROOT/app/tabwise"
  [[ ! -d ${TABWISE_EXE%/*}/help ]] || cp -R "${TABWISE_EXE%/*}/help" "$E2E_ROOT/app/"
  # The program sees only the temporary folders and this desktop, never the user's own session.
  export HOME="$E2E_ROOT/home" XDG_CONFIG_HOME="$E2E_ROOT/config" XDG_RUNTIME_DIR="$E2E_ROOT/runtime"
  export XDG_DATA_HOME="$HOME/.local/share" XDG_CACHE_HOME="$HOME/.cache" XDG_STATE_HOME="$HOME/.local/state"
  # The journeys read the program's English texts, whatever language the machine speaks.
  export LANGUAGE=en LANG=C.UTF-8
  unset LC_ALL LC_MESSAGES
  unset DBUS_SESSION_BUS_ADDRESS SESSION_MANAGER WAYLAND_DISPLAY XDG_CURRENT_DESKTOP DESKTOP_SESSION \
    QT_QPA_PLATFORMTHEME QT_STYLE_OVERRIDE QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_FONT_DPI XAUTHORITY DISPLAY
}

# e2e_app_start [FOLDER] : starts FOLDER/tabwise (default: app/) in the background, on the window
# system E2E_QPA names (default xcb); E2E_APP_PID.
e2e_app_start() {
  (cd "$HOME" && exec env QT_QPA_PLATFORM="${E2E_QPA:-xcb}" "${1:-$E2E_ROOT/app}/tabwise") </dev/null >>"$E2E_ROOT/app.log" 2>&1 &
  E2E_APP_PID=$!
  E2E_APPS+=("$!")
  xsession_track "$!"
}
e2e_app_stop() { # every copy started, each by its process id
  local pid
  for pid in "${E2E_APPS[@]}"; do xsession_end_process "$pid" 10; done
  E2E_APPS=() E2E_APP_PID=""
}
app_ended() { ! xsession_alive "$E2E_APP_PID"; }

# e2e_panel_start HEIGHT / e2e_panel_stop : a panel along the bottom edge (trayer as a dock) that
# reserves its strip of the screen as desktop panels do; free_area prints the rest: "X Y W H".
e2e_panel_start() {
  e2e_need trayer
  trayer --edge bottom --align left --widthtype percent --width 100 --height "$1" --SetDockType true \
    --SetPartialStrut true --transparent false </dev/null >>"$E2E_ROOT/panel.log" 2>&1 &
  E2E_PANEL_PID=$!
  xsession_track "$!"
  wait_for 10 free_area_is 0 0 "$(xdotool getdisplaygeometry | cut -d' ' -f1)" \
    $(($(xdotool getdisplaygeometry | cut -d' ' -f2) - $1)) || e2e_fail "the panel reserved no strip"
}
e2e_panel_stop() { xsession_end_process "$E2E_PANEL_PID"; }
free_area() { xprop -root _NET_WORKAREA | awk -F'[=,]' '{ print $2 + 0, $3 + 0, $4 + 0, $5 + 0 }'; }
free_area_is() { [[ $(free_area) == "$*" ]]; }

# e2e_key WID KEY... : brings the window to the front and presses the keys there.
e2e_key() {
  timeout 10 xdotool windowactivate --sync "$1" >/dev/null 2>&1 || true
  xdotool key --clearmodifiers "${@:2}"
}
# e2e_wait_window TITLE_REGEX [SECONDS] : prints the id of a visible window with that title.
e2e_wait_window() {
  local deadline=$((SECONDS + ${2:-20})) wid
  while ((SECONDS <= deadline)); do
    wid=$(timeout 10 xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1) || true
    [[ -z $wid ]] || { echo "$wid" && return 0; }
    [[ -z $E2E_APP_PID ]] || xsession_alive "$E2E_APP_PID" || e2e_fail "the program ended (its output follows)"
    sleep 0.1
  done
  e2e_fail "no visible window titled /$1/ within ${2:-20}s"
}

# e2e_wait_window_of PID : the id of the visible main window of that process.
e2e_wait_window_of() {
  local deadline=$((SECONDS + 20)) wid
  while ((SECONDS <= deadline)); do
    wid=$(timeout 10 xdotool search --onlyvisible --pid "$1" --name '^Tabwise \(' 2>/dev/null | head -n 1) || true
    [[ -z $wid ]] || { echo "$wid" && return 0; }
    sleep 0.1
  done
  e2e_fail "process $1 shows no window"
}

# e2e_geometry WID : "X Y W H" of the window with the frame the window manager draws around it.
e2e_geometry() {
  local info l=0 r=0 t=0 b=0
  info=$(timeout 10 xwininfo -id "$1") || e2e_fail "no window $1"
  if [[ $(timeout 10 xprop -id "$1" _NET_FRAME_EXTENTS) =~ =\ *([0-9]+),\ *([0-9]+),\ *([0-9]+),\ *([0-9]+) ]]; then
    l=${BASH_REMATCH[1]} r=${BASH_REMATCH[2]} t=${BASH_REMATCH[3]} b=${BASH_REMATCH[4]}
  fi
  awk -F: -v l="$l" -v r="$r" -v t="$t" -v b="$b" '/Absolute upper-left X/ { x = $2 - l }
    /Absolute upper-left Y/ { y = $2 - t } /^ *Width:/ { w = $2 + l + r } /^ *Height:/ { h = $2 + t + b }
    END { print x, y, w, h }' <<<"$info"
}

# e2e_screenshot NAME [WID] : the screen, or the framed window, to $TABWISE_ARTIFACTS/NAME.png.
e2e_screenshot() {
  local crop=() g
  if [[ -n ${2-} ]]; then
    read -r -a g <<<"$(e2e_geometry "$2")"
    crop=(-crop "${g[2]}x${g[3]}+${g[0]}+${g[1]}" +repage)
  fi
  timeout 30 import -silent -window root "${crop[@]}" "$TABWISE_ARTIFACTS/$1.png" || e2e_fail "no screenshot $1"
}

# Window states as the window manager and the taskbar see them; how many main windows are shown.
viewable() { xwininfo -id "$1" 2>/dev/null | grep -q 'IsViewable'; }
iconic() { xprop -id "$1" _NET_WM_STATE 2>/dev/null | grep -q _NET_WM_STATE_HIDDEN; }
shown_normal() { viewable "$1" && ! iconic "$1"; }
on_taskbar() { xprop -root _NET_CLIENT_LIST | grep -qiw "$(printf '0x%x' "$1")"; }
windows_are() { (($(xdotool search --onlyvisible --name '^Tabwise \(' 2>/dev/null | wc -l) == $1)); }

# The program's icon inside trayer's panel (empty while there is none); a click on it.
tray_icon() {
  local panel
  panel=$(xdotool search --onlyvisible --pid "$XSESSION_TRAY_PID" --class '^trayer$' 2>/dev/null | head -n 1)
  [[ -n $panel ]] && xwininfo -tree -id "$panel" | awk '/"tabwise"/ { print $1; exit }'
}
icon_present() { [[ -n $(tray_icon) ]]; }
click_icon() { # BUTTON [COUNT]
  xdotool mousemove --window "$(tray_icon)" 10 10 click --repeat "${2:-1}" --delay 120 "$1"
}
