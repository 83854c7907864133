# shellcheck shell=bash
# A private X desktop for end-to-end tests: Xvfb, the openbox window manager and, on request, a
# trayer system tray. Source this file, then:
#
#   xsession_start [--tray] [--scale N]   start the desktop and export DISPLAY
#   xsession_stop                         stop exactly what xsession_start started
#   xsession_tray_start / _tray_stop      start or stop the tray alone on the running desktop
#
# The desktop never reads the user's configuration: its processes run with HOME and the XDG
# folders pointing into a temporary folder, and openbox gets its own small rc file. It only ever
# talks to a display whose lock file holds the process id of the Xvfb it started itself.
#
# After xsession_start:
#   XSESSION_DISPLAY     the display number (DISPLAY is ":$XSESSION_DISPLAY")
#   XSESSION_XVFB_PID    XSESSION_WM_PID    XSESSION_TRAY_PID (empty without --tray)
#   XSESSION_DIR         temporary folder with the session's logs and settings
#
# Processes are started as background jobs of the calling shell, so call xsession_start directly,
# never inside $(...). Every wait has a time limit (XSESSION_TIMEOUT seconds per step, default 20).
# xsession_stop is safe to call twice and from an EXIT trap.

[[ -n ${_xs_loaded-} ]] && return 0
_xs_loaded=yes
XSESSION_DISPLAY=""
XSESSION_XVFB_PID=""
XSESSION_WM_PID=""
XSESSION_TRAY_PID=""
XSESSION_DIR=""
_xs_saved_display=""
_xs_had_display=""
# Start time (clock ticks after boot) of every process this library started, by process id, so a
# process id the system has reused for someone else's process is never signalled.
declare -gA _xs_started=()

_xs_log() { printf 'xsession: %s\n' "$*" >&2; }

_xs_starttime() { # PID -> start time of that process, or nothing
  local stat fields
  read -r stat 2>/dev/null <"/proc/$1/stat" || return 1
  stat=${stat##*) } # the command name may hold spaces; everything after its ") " is fields 3...
  read -r -a fields <<<"$stat"
  [[ ${fields[0]} != Z ]] || return 1 # a zombie has finished; it only waits to be reaped
  printf '%s\n' "${fields[19]}"
}

# Remembers PID as a process of ours; call right after starting it with "&".
xsession_track() {
  _xs_started[$1]=$(_xs_starttime "$1") || _xs_started[$1]=gone
}

# True while PID is a still-running process that this library (or xsession_track) recorded.
xsession_alive() {
  local pid=$1 now
  [[ -n $pid && -n ${_xs_started[$pid]-} ]] || return 1
  now=$(_xs_starttime "$pid") || return 1
  [[ $now == "${_xs_started[$pid]}" ]]
}

# Ends one tracked process: SIGTERM, up to GRACE seconds (default 3) to finish, then SIGKILL.
# Does nothing for an empty or unknown PID; reaps the process when it is a child of this shell.
# Returns within GRACE + 5 seconds.
xsession_end_process() {
  local pid=$1 grace=${2:-3} i
  [[ -n $pid && -n ${_xs_started[$pid]-} ]] || return 0
  if xsession_alive "$pid"; then
    kill -TERM "$pid" 2>/dev/null || true
    for ((i = 0; i < grace * 10; i++)); do
      xsession_alive "$pid" || break
      sleep 0.1
    done
    if xsession_alive "$pid"; then
      _xs_log "process $pid did not end within ${grace}s; killing it"
      kill -KILL "$pid" 2>/dev/null || true
      for ((i = 0; i < 50; i++)); do
        xsession_alive "$pid" || break
        sleep 0.1
      done
    fi
  fi
  if xsession_alive "$pid"; then
    _xs_log "process $pid survived SIGKILL; leaving it"
  else
    wait "$pid" 2>/dev/null || true
  fi
  unset "_xs_started[$pid]"
}

# Polls COMMAND every 0.1 s until it succeeds (0), PID has died (1) or SECONDS pass (2).
_xs_wait_for() {
  local seconds=$1 pid=$2 deadline
  shift 2
  deadline=$((SECONDS + seconds))
  while ((SECONDS <= deadline)); do
    "$@" && return 0
    xsession_alive "$pid" || return 1
    sleep 0.1
  done
  return 2
}

_xs_start_bg() { # VAR LOGNAME COMMAND... : starts COMMAND in the session environment
  local var=$1 log="$XSESSION_DIR/$2.log"
  shift 2
  env -u SESSION_MANAGER -u DBUS_SESSION_BUS_ADDRESS HOME="$XSESSION_DIR/home" \
    XDG_CONFIG_HOME="$XSESSION_DIR/home/.config" XDG_DATA_HOME="$XSESSION_DIR/home/.local/share" \
    XDG_CACHE_HOME="$XSESSION_DIR/home/.cache" XDG_STATE_HOME="$XSESSION_DIR/home/.local/state" \
    "$@" </dev/null >"$log" 2>&1 &
  printf -v "$var" '%s' "$!"
  xsession_track "$!"
}

_xs_fail() { # MESSAGE : reports a start failure with the state of each process, stops everything
  local name pid log
  _xs_log "$1"
  for name in xvfb openbox trayer; do
    case $name in
      xvfb) pid=$XSESSION_XVFB_PID ;;
      openbox) pid=$XSESSION_WM_PID ;;
      trayer) pid=$XSESSION_TRAY_PID ;;
    esac
    [[ -n $pid ]] || continue
    if xsession_alive "$pid"; then
      _xs_log "$name (process $pid) is running"
    else
      _xs_log "$name (process $pid) has ended"
    fi
    log="$XSESSION_DIR/$name.log"
    [[ -s $log ]] && tail -n 15 "$log" | sed 's/^/  | /' >&2
  done
  xsession_stop
  return 1
}

_xs_lock_pid() { # N -> process id written in the lock file of display :N
  local pid
  read -r pid 2>/dev/null <"/tmp/.X$1-lock" || return 1
  printf '%s\n' "${pid//[[:space:]]/}"
}

_xs_display_is_ours() {
  [[ $(_xs_lock_pid "$XSESSION_DISPLAY") == "$XSESSION_XVFB_PID" ]] &&
    timeout 10 xdpyinfo -display ":$XSESSION_DISPLAY" >/dev/null 2>&1
}

_xs_wm_ready() {
  [[ $(timeout 10 xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null) == *'window id #'* ]]
}

_xs_tray_ready() { # trayer takes the tray selection before it maps its panel
  [[ -n $(timeout 10 xdotool search --all --onlyvisible --pid "$XSESSION_TRAY_PID" \
    --class '^trayer$' 2>/dev/null) ]]
}

# Tries display numbers upward from :90 until one Xvfb comes up at DPI with a screen of SIZE (WxH).
# -noreset: by default the server resets whenever its last client leaves, and a client connecting
# during that reset (openbox right after the readiness probe) is turned away.
_xs_start_xvfb() {
  local n first=${XSESSION_FIRST_DISPLAY:-90} status
  for ((n = first; n < first + 100; n++)); do
    [[ -e /tmp/.X$n-lock || -e /tmp/.X11-unix/X$n ]] && continue
    XSESSION_DISPLAY=$n
    _xs_start_bg XSESSION_XVFB_PID xvfb Xvfb ":$n" -screen 0 "$2x24" -nolisten tcp -noreset \
      -dpi "$1"
    status=0
    _xs_wait_for "${XSESSION_TIMEOUT:-20}" "$XSESSION_XVFB_PID" _xs_display_is_ours || status=$?
    case $status in
      0) return 0 ;;
      1) xsession_end_process "$XSESSION_XVFB_PID" ;; # another server took :N first; next one
      *)
        _xs_fail "Xvfb :$n did not answer within ${XSESSION_TIMEOUT:-20}s"
        return 1
        ;;
    esac
  done
  XSESSION_XVFB_PID=""
  XSESSION_DISPLAY=""
  _xs_fail "no free X display between :$first and :$((first + 99))"
}

_xs_write_openbox_rc() { # one desktop, a plain theme, the usual mouse bindings, two keys
  local raise='<action name="Focus"/><action name="Raise"/>'
  cat >"$XSESSION_DIR/openbox-rc.xml" <<EOF
<?xml version="1.0" encoding="UTF-8"?>
<openbox_config xmlns="http://openbox.org/3.4/rc">
  <focus><focusNew>yes</focusNew><followMouse>no</followMouse></focus>
  <placement><policy>Smart</policy><center>yes</center></placement>
  <theme><name>Clearlooks</name><titleLayout>NLIMC</titleLayout></theme>
  <desktops><number>1</number></desktops>
  <keyboard>
    <keybind key="A-F4"><action name="Close"/></keybind>
    <keybind key="A-Tab"><action name="NextWindow"/></keybind>
  </keyboard>
  <mouse>
    <context name="Frame">
      <mousebind button="A-Left" action="Press">$raise</mousebind>
      <mousebind button="A-Left" action="Drag"><action name="Move"/></mousebind>
    </context>
    <context name="Titlebar">
      <mousebind button="Left" action="Press">$raise</mousebind>
      <mousebind button="Left" action="Drag"><action name="Move"/></mousebind>
      <mousebind button="Left" action="DoubleClick"><action name="ToggleMaximize"/></mousebind>
    </context>
    <context name="Top Bottom Left Right TLCorner TRCorner BLCorner BRCorner">
      <mousebind button="Left" action="Press">$raise</mousebind>
      <mousebind button="Left" action="Drag"><action name="Resize"/></mousebind>
    </context>
    <context name="Client">
      <mousebind button="Left" action="Press">$raise</mousebind>
      <mousebind button="Right" action="Press">$raise</mousebind>
    </context>
    <context name="Close Maximize Iconify Icon">
      <mousebind button="Left" action="Press">$raise</mousebind>
    </context>
    <context name="Close">
      <mousebind button="Left" action="Click"><action name="Close"/></mousebind>
    </context>
    <context name="Maximize">
      <mousebind button="Left" action="Click"><action name="ToggleMaximize"/></mousebind>
    </context>
    <context name="Iconify">
      <mousebind button="Left" action="Click"><action name="Iconify"/></mousebind>
    </context>
  </mouse>
</openbox_config>
EOF
}

# xsession_start [--tray] [--scale N]
# --scale N (1, 1.5, 2 ...) makes the screen report 96*N dots per inch and sets Xft.dpi, which Qt
# turns into a device pixel ratio of N; the screen has N times the pixels of 1280x800 each way, as a
# high-density screen has, so that the desktop holds as much as at scale 1.
xsession_start() {
  local tray="" scale=1 dpi size
  while (($#)); do
    case $1 in
      --tray) tray=yes ;;
      --scale)
        scale=${2-}
        (($# > 1)) && shift
        ;;
      *)
        _xs_log "unknown option: $1"
        return 2
        ;;
    esac
    shift
  done
  if [[ ! $scale =~ ^[0-9]+(\.[0-9]+)?$ ]] || ! dpi=$(awk -v s="$scale" \
    'BEGIN { d = int(s * 96 + 0.5); if (d < 24) exit 1; print d }'); then
    _xs_log "--scale needs a positive number such as 1, 1.5 or 2, not '$scale'"
    return 2
  fi
  if [[ -n $XSESSION_XVFB_PID ]]; then
    _xs_log "a session is already running on :$XSESSION_DISPLAY"
    return 1
  fi
  _xs_saved_display="${DISPLAY-}"
  _xs_had_display="${DISPLAY+yes}"
  XSESSION_DIR=$(mktemp -d "${TMPDIR:-/tmp}/xsession.XXXXXX") || return 1
  mkdir -p "$XSESSION_DIR/home/.config" "$XSESSION_DIR/home/.cache"

  size=$(awk -v s="$scale" 'BEGIN { print int(1280 * s + 0.5) "x" int(800 * s + 0.5) }')
  _xs_start_xvfb "$dpi" "$size" || return 1
  export DISPLAY=":$XSESSION_DISPLAY"

  _xs_write_openbox_rc
  _xs_start_bg XSESSION_WM_PID openbox \
    openbox --sm-disable --config-file "$XSESSION_DIR/openbox-rc.xml"
  _xs_wait_for "${XSESSION_TIMEOUT:-20}" "$XSESSION_WM_PID" _xs_wm_ready ||
    { _xs_fail "openbox did not take over the display"; return 1; }

  if [[ $scale != 1 ]]; then
    timeout 10 xprop -root -format RESOURCE_MANAGER 8s -set RESOURCE_MANAGER "Xft.dpi:	$dpi" ||
      { _xs_fail "could not set Xft.dpi"; return 1; }
  fi

  [[ -z $tray ]] || xsession_tray_start
}

# xsession_tray_start / xsession_tray_stop: a tray (trayer) in the top right corner of the running
# desktop, away from windows placed in the bottom right corner. Also for a tray that comes late.
xsession_tray_start() {
  [[ -z $XSESSION_TRAY_PID ]] || { _xs_log "the tray is already running"; return 1; }
  _xs_start_bg XSESSION_TRAY_PID trayer trayer --edge top --align right --widthtype pixel \
    --width 200 --height 32 --SetDockType true --transparent false
  _xs_wait_for "${XSESSION_TIMEOUT:-20}" "$XSESSION_TRAY_PID" _xs_tray_ready ||
    { _xs_fail "trayer did not show its panel"; return 1; }
}
xsession_tray_stop() {
  xsession_end_process "$XSESSION_TRAY_PID"
  XSESSION_TRAY_PID=""
}

xsession_stop() {
  local xvfb=$XSESSION_XVFB_PID n=$XSESSION_DISPLAY
  xsession_tray_stop
  xsession_end_process "$XSESSION_WM_PID"
  xsession_end_process "$xvfb"
  # A killed server leaves its lock and socket behind; remove them only when they are ours.
  if [[ -n $n && -n $xvfb && $(_xs_lock_pid "$n") == "$xvfb" ]]; then
    rm -f "/tmp/.X$n-lock" "/tmp/.X11-unix/X$n"
  fi
  [[ -n $XSESSION_DIR ]] && rm -rf "$XSESSION_DIR"
  if [[ -n $n && ${DISPLAY-} == ":$n" ]]; then
    if [[ -n $_xs_had_display ]]; then export DISPLAY="$_xs_saved_display"; else unset DISPLAY; fi
  fi
  XSESSION_TRAY_PID="" XSESSION_WM_PID="" XSESSION_XVFB_PID="" XSESSION_DISPLAY="" XSESSION_DIR=""
}
