# shellcheck shell=bash
# The real desktop parts journeys test against, beside the X desktop of lib.sh (source lib.sh, then
# this file): a session bus of the journey's own, a StatusNotifierWatcher double on it, the
# accessibility bus, a headless Wayland compositor, and (as root) a CUPS scheduler with a cups-pdf
# queue. Each runs as a tracked job of the journey's shell, ended by its process id with the
# journey. Call desktop_* directly, never inside $(...).
declare -gA DESKTOP_PIDS=()
DESKTOP_CUPS_ROOT=""
_desktop_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

# sni COMMAND... / a11y COMMAND... : the D-Bus tray's and a screen reader's calls (see the scripts).
sni() { timeout 10 /usr/bin/python3 "$_desktop_dir/sni_watcher.py" "$@"; }
a11y() { timeout 60 /usr/bin/python3 "$_desktop_dir/a11y.py" "$@"; }
sni_has_item() { [[ -n $(sni items 2>/dev/null) ]]; } # asked anew at each try of wait_for

_desktop_run() { # NAME COMMAND... : starts a part, its output in $E2E_ROOT/NAME.log
  "${@:2}" </dev/null >>"$E2E_ROOT/$1.log" 2>&1 &
  DESKTOP_PIDS[$1]=$!
  xsession_track "$!"
}
desktop_stop() { # NAME : ends that part
  xsession_end_process "${DESKTOP_PIDS[$1]-}"
  unset "DESKTOP_PIDS[$1]"
}

# desktop_bus_start : a private session bus (nothing started on demand); exports its address.
desktop_bus_start() {
  e2e_need dbus-daemon dbus-send
  /usr/bin/python3 -c 'import dbus, gi' 2>/dev/null || { echo "SKIP: no python3-dbus or python3-gi"; exit 77; }
  printf '<busconfig><type>session</type><listen>unix:path=%s</listen><auth>EXTERNAL</auth><policy
    context="default"><allow send_destination="*"/><allow receive_sender="*"/><allow own="*"/></policy></busconfig>' \
    "$XDG_RUNTIME_DIR/bus" >"$E2E_ROOT/bus.conf"
  _desktop_run bus dbus-daemon --config-file="$E2E_ROOT/bus.conf" --nofork --nopidfile
  export DBUS_SESSION_BUS_ADDRESS=unix:path=$XDG_RUNTIME_DIR/bus
  wait_for 10 test -S "$XDG_RUNTIME_DIR/bus" || e2e_fail "the session bus did not start"
}
# desktop_watcher_start : a D-Bus tray (desktop_stop watcher: it goes away).
desktop_watcher_start() {
  _desktop_run watcher /usr/bin/python3 "$_desktop_dir/sni_watcher.py" serve
  wait_for 10 eval "sni items >/dev/null 2>&1" || e2e_fail "the StatusNotifierWatcher double did not start"
}
# desktop_a11y_start : the accessibility bus; programs started from now on put their widgets on it.
desktop_a11y_start() {
  [[ -x /usr/libexec/at-spi-bus-launcher ]] && /usr/bin/python3 -c 'import pyatspi' 2>/dev/null ||
    { echo "SKIP: no at-spi2-core or python3-pyatspi"; exit 77; }
  _desktop_run a11y /usr/libexec/at-spi-bus-launcher --launch-immediately
  export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
  wait_for 10 eval 'dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
    org.a11y.Bus.GetAddress >/dev/null 2>&1' || e2e_fail "the accessibility bus did not start"
}
# desktop_weston_start : a headless Wayland compositor (no screen, no input); exports WAYLAND_DISPLAY.
desktop_weston_start() {
  e2e_need weston
  compgen -G "/usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so" >/dev/null ||
    { echo "SKIP: no qt6-wayland"; exit 77; }
  _desktop_run weston weston --backend=headless-backend.so --socket=tabwise-$$ --idle-time=0 --no-config
  export WAYLAND_DISPLAY=tabwise-$$
  wait_for 20 test -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" || e2e_fail "weston did not start"
}

# desktop_cups_start : as root, a CUPS scheduler of the journey's own (configuration, socket and spool
# in the journey's folder; every job's document kept: cups_job_file) with a cups-pdf queue as the
# default printer. The program's CUPS client finds it through $HOME/.cups/client.conf and prints as
# a user the system does not know, so that cups-pdf writes into its folder for anonymous jobs.
# Without root or the packages it says why and returns 1.
desktop_cups_start() {
  local t r=$E2E_ROOT/cups
  ((EUID == 0)) || { echo "SKIP: a CUPS scheduler of the journey's own needs root"; return 1; }
  for t in cupsd lpadmin lpstat cancel pdftotext pdfinfo /usr/lib/cups/backend/cups-pdf; do
    command -v "$t" >/dev/null || { echo "SKIP: no $t (scripts/setup.sh installs it)"; return 1; }
  done
  mkdir -p "$r"/{conf,spool/tmp,cache,state,log} && DESKTOP_CUPS_ROOT=$r
  chmod o+x "$E2E_ROOT" # the filters run as the printing user and read the spooled documents
  printf '%s\n' "Listen $r/cups.sock" "PreserveJobFiles Yes" "Browsing No" "DefaultAuthType None" \
    "<Location />" "Allow all" "</Location>" "<Policy default>" "<Limit All>" "</Limit>" "</Policy>" >"$r/conf/cupsd.conf"
  printf '%s\n' "ServerRoot $r/conf" "RequestRoot $r/spool" "TempDir $r/spool/tmp" "CacheDir $r/cache" \
    "StateDir $r/state" "Printcap $r/state/printcap" "ErrorLog $r/log/error_log" "AccessLog $r/log/access_log" \
    "PageLog $r/log/page_log" >"$r/conf/cups-files.conf"
  touch "$r/started"
  _desktop_run cups cupsd -f -c "$r/conf/cupsd.conf" -s "$r/conf/cups-files.conf"
  wait_for 10 test -S "$r/cups.sock" || e2e_fail "the CUPS scheduler did not start"
  cups lpadmin -p Tabwise_PDF -v cups-pdf:/ -E -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd 2>>"$r/log/lpadmin.log" &&
    cups lpadmin -d Tabwise_PDF || e2e_fail "no cups-pdf queue (see $r/log)"
  mkdir -p "$HOME/.cups" && printf 'ServerName %s\nUser tabwise-e2e-nobody\n' "$r/cups.sock" >"$HOME/.cups/client.conf"
}
# cups COMMAND ARG... : a CUPS command (lpstat, cancel, lpadmin) for the journey's scheduler.
cups() { timeout 20 "$1" -h "$DESKTOP_CUPS_ROOT/cups.sock" "${@:2}"; }
cups_job_file() { printf '%s/spool/d%05d-001\n' "$DESKTOP_CUPS_ROOT" "$1"; }
# cups_pdf_output ID : the PDF file cups-pdf wrote for job ID, once it is complete (and no longer grows).
cups_pdf_output() {
  local file size
  file=$(find /var/spool/cups-pdf/ANONYMOUS -maxdepth 1 -name "*job_$1.pdf" -newer "$DESKTOP_CUPS_ROOT/started")
  [[ -n $file ]] && pdfinfo "$file" >/dev/null 2>&1 && size=$(stat -c %s "$file") && sleep 0.5 &&
    [[ $(stat -c %s "$file") == "$size" ]] && echo "$file"
}
_desktop_cups_end() {
  [[ -n $DESKTOP_CUPS_ROOT ]] || return 0
  local id ids
  ids=$(cups lpstat -W all -o 2>/dev/null | sed -n 's/^Tabwise_PDF-\([0-9]*\) .*/\1/p')
  cups cancel -a >/dev/null 2>&1
  xsession_end_process "${DESKTOP_PIDS[cups]-}" 10
  unset "DESKTOP_PIDS[cups]"
  for id in $ids; do # what cups-pdf wrote for this journey's jobs, and nothing else there
    find /var/spool/cups-pdf/ANONYMOUS -maxdepth 1 -name "*job_$id.pdf" -newer "$DESKTOP_CUPS_ROOT/started" -delete
  done
  DESKTOP_CUPS_ROOT=""
}

_desktop_end() {
  _desktop_cups_end
  local name
  for name in watcher weston a11y bus; do desktop_stop "$name"; done
}
E2E_AT_END+=(_desktop_end)
