# shellcheck shell=bash
# Helpers for end-to-end tests that run the real tabwise executable on a private X desktop.
#
# A test is tests/e2e/test_<name>.sh, run as `bash tests/e2e/test_<name>.sh` with
#   TABWISE_EXE        absolute path of the built tabwise executable
#   TABWISE_ARTIFACTS  folder for screenshots (created when missing)
# It prints what it checks and exits 0 on success, non-zero with a message on failure, 77 to be
# reported as skipped. Start it with `set -euo pipefail`, source this file, call e2e_begin.
#
# Functions that start processes (e2e_begin, e2e_app_start) must be called directly, never inside
# $(...): the processes are background jobs of the test's shell, which stops and reaps them.

_e2e_lib_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=scripts/xsession.sh
source "$_e2e_lib_dir/../../scripts/xsession.sh"

E2E_NAME=$(basename "$0" .sh)
E2E_NAME=${E2E_NAME#test_}
E2E_ROOT=""
E2E_APP_PID=""

e2e_fail() {
  printf 'FAIL: %s\n' "$*" >&2
  exit 1
}

# e2e_check DESCRIPTION COMMAND... : runs COMMAND; PASS when it succeeds, otherwise FAIL and exit.
e2e_check() {
  local what=$1
  shift
  if "$@"; then
    printf 'PASS: %s\n' "$what"
  else
    e2e_fail "$what (command: $*)"
  fi
}

# wait_for SECONDS COMMAND... : retries COMMAND every 0.1 s until it succeeds or time runs out.
wait_for() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@"; do
    ((SECONDS <= deadline)) || return 1
    sleep 0.1
  done
}

# tray_icon : the program's icon window inside trayer's panel (empty while there is none).
tray_icon() {
  local panel
  panel=$(xdotool search --onlyvisible --pid "$XSESSION_TRAY_PID" --class '^trayer$' | head -n 1)
  [[ -n $panel ]] && xwininfo -tree -id "$panel" | awk '/"tabwise"/ { print $1; exit }'
}
icon_present() { [[ -n $(tray_icon) ]]; }

e2e_settings_file() {
  printf '%s\n' "$XDG_CONFIG_HOME/Tabwise.ini"
}

# Ends the app and the desktop, keeps a screenshot of a failure, removes the temporary root.
_e2e_end() {
  local status=$?
  set +e
  if ((status != 0 && status != 77)) && [[ -n $XSESSION_DISPLAY ]]; then
    # In a subshell: a failing screenshot must not cut the cleanup short (e2e_fail exits).
    (e2e_screenshot "$E2E_NAME-failure") &&
      echo "screenshot of the failure: $TABWISE_ARTIFACTS/$E2E_NAME-failure.png" >&2
    if [[ -s $E2E_ROOT/app.log ]]; then
      echo "end of the program's output:" >&2
      tail -n 20 "$E2E_ROOT/app.log" >&2
    fi
  fi
  e2e_app_stop
  xsession_stop
  [[ -n $E2E_ROOT ]] && rm -rf "$E2E_ROOT"
  E2E_ROOT=""
  return "$status"
}

# e2e_begin [--tray] [--scale N]
# Makes a temporary root with app/ (a copy of TABWISE_EXE and its help folder), home/ and
# config/, points HOME and XDG_CONFIG_HOME there and starts the desktop.
e2e_begin() {
  local tool exe_dir
  for tool in Xvfb openbox xdotool xprop xwininfo xdpyinfo import timeout; do
    if ! command -v "$tool" >/dev/null; then
      echo "SKIP: $tool is not installed (scripts/setup.sh installs it)"
      exit 77
    fi
  done
  if [[ " $* " == *" --tray "* ]] && ! command -v trayer >/dev/null; then
    echo "SKIP: trayer is not installed (scripts/setup.sh installs it)"
    exit 77
  fi

  TABWISE_ARTIFACTS=${TABWISE_ARTIFACTS:-${TMPDIR:-/tmp}/tabwise-e2e-artifacts-$(id -u)}
  export TABWISE_ARTIFACTS
  mkdir -p "$TABWISE_ARTIFACTS" || e2e_fail "cannot create the artifacts folder $TABWISE_ARTIFACTS"

  trap _e2e_end EXIT
  trap 'exit 129' HUP
  trap 'exit 130' INT
  trap 'exit 143' TERM
  E2E_ROOT=$(mktemp -d "${TMPDIR:-/tmp}/tabwise-e2e.XXXXXX") ||
    e2e_fail "cannot make a temporary folder"
  mkdir -p "$E2E_ROOT/app" "$E2E_ROOT/home" "$E2E_ROOT/config" "$E2E_ROOT/runtime"
  chmod 700 "$E2E_ROOT/runtime"
  if [[ -n ${TABWISE_EXE-} ]]; then
    [[ -f $TABWISE_EXE && -x $TABWISE_EXE ]] ||
      e2e_fail "TABWISE_EXE is not an executable file: $TABWISE_EXE"
    cp "$TABWISE_EXE" "$E2E_ROOT/app/tabwise"
    exe_dir=$(dirname "$TABWISE_EXE")
    [[ -d $exe_dir/help ]] && cp -R "$exe_dir/help" "$E2E_ROOT/app/help"
  fi

  # The program sees only the temporary folders and this desktop, never the user's own session.
  export HOME="$E2E_ROOT/home" XDG_CONFIG_HOME="$E2E_ROOT/config"
  export XDG_DATA_HOME="$HOME/.local/share" XDG_CACHE_HOME="$HOME/.cache"
  export XDG_STATE_HOME="$HOME/.local/state" XDG_RUNTIME_DIR="$E2E_ROOT/runtime"
  unset DBUS_SESSION_BUS_ADDRESS SESSION_MANAGER WAYLAND_DISPLAY XDG_CURRENT_DESKTOP \
    XDG_SESSION_DESKTOP DESKTOP_SESSION QT_QPA_PLATFORMTHEME QT_STYLE_OVERRIDE QT_SCALE_FACTOR \
    QT_SCREEN_SCALE_FACTORS QT_ENABLE_HIGHDPI_SCALING QT_FONT_DPI XAUTHORITY

  xsession_start "$@" || e2e_fail "the X desktop did not start"
  echo "desktop :$XSESSION_DISPLAY is up; screenshots go to $TABWISE_ARTIFACTS"
}

# e2e_app_start [args...] : starts app/tabwise in the background; its output goes to app.log.
e2e_app_start() {
  [[ -x $E2E_ROOT/app/tabwise ]] || e2e_fail "no program to start: set TABWISE_EXE"
  xsession_alive "$E2E_APP_PID" && e2e_fail "the program is already running (process $E2E_APP_PID)"
  (cd "$HOME" && exec env QT_QPA_PLATFORM=xcb "$E2E_ROOT/app/tabwise" "$@") \
    </dev/null >>"$E2E_ROOT/app.log" 2>&1 &
  E2E_APP_PID=$!
  xsession_track "$E2E_APP_PID"
}

# e2e_app_stop : SIGTERM to the program, up to 10 s to end, then SIGKILL; only that process.
e2e_app_stop() {
  xsession_end_process "$E2E_APP_PID" 10
  E2E_APP_PID=""
}

# e2e_wait_window NAME_REGEX [timeout_s] : prints the id of a visible window whose title matches
# the extended regular expression (case-insensitive, as xdotool matches).
e2e_wait_window() {
  local regex=$1 timeout=${2:-20} deadline wid
  deadline=$((SECONDS + timeout))
  while ((SECONDS <= deadline)); do
    wid=$(timeout 10 xdotool search --onlyvisible --name "$regex" 2>/dev/null | head -n 1) || true
    if [[ -n $wid ]]; then
      printf '%s\n' "$wid"
      return 0
    fi
    if [[ -n $E2E_APP_PID ]] && ! xsession_alive "$E2E_APP_PID"; then
      e2e_fail "the program ended before a window titled /$regex/ appeared (its output follows)"
    fi
    sleep 0.1
  done
  e2e_fail "no visible window titled /$regex/ within ${timeout}s"
}

# e2e_geometry WID : prints "X Y W H", the outer rectangle of the window including the frame the
# window manager draws around it, in root coordinates. The client area comes from xwininfo, the
# frame from _NET_FRAME_EXTENTS (left, right, top, bottom); an undecorated window has none.
e2e_geometry() {
  local wid=$1 info x y w h extents l=0 r=0 t=0 b=0
  info=$(timeout 10 xwininfo -id "$wid" 2>/dev/null) || e2e_fail "no window $wid"
  x=$(awk -F: '/Absolute upper-left X/ { print $2 + 0 }' <<<"$info")
  y=$(awk -F: '/Absolute upper-left Y/ { print $2 + 0 }' <<<"$info")
  w=$(awk -F: '/^ *Width:/ { print $2 + 0 }' <<<"$info")
  h=$(awk -F: '/^ *Height:/ { print $2 + 0 }' <<<"$info")
  extents=$(timeout 10 xprop -id "$wid" _NET_FRAME_EXTENTS 2>/dev/null) || true
  if [[ $extents =~ =\ *([0-9]+),\ *([0-9]+),\ *([0-9]+),\ *([0-9]+) ]]; then
    l=${BASH_REMATCH[1]} r=${BASH_REMATCH[2]} t=${BASH_REMATCH[3]} b=${BASH_REMATCH[4]}
  fi
  printf '%d %d %d %d\n' $((x - l)) $((y - t)) $((w + l + r)) $((h + t + b))
}

# e2e_screenshot NAME [WID] : saves the screen, or what the screen shows of the window and its
# frame, to $TABWISE_ARTIFACTS/NAME.png.
e2e_screenshot() {
  local name=$1 wid=${2-} crop=() g
  if [[ -n $wid ]]; then
    read -r -a g <<<"$(e2e_geometry "$wid")"
    crop=(-crop "${g[2]}x${g[3]}+${g[0]}+${g[1]}" +repage)
  fi
  timeout 30 import -silent -window root "${crop[@]}" "$TABWISE_ARTIFACTS/$name.png" ||
    e2e_fail "could not take the screenshot $name"
}
