# shellcheck shell=bash
# The real desktop parts that journeys test against, beside the X desktop of lib.sh (source lib.sh,
# then this file): a session bus of the journey's own, the accessibility bus on it (AT-SPI), and a
# CUPS scheduler with a cups-pdf queue. Each is started as a job of the journey's shell, tracked,
# and ended by its process id when the journey ends; call the *_start functions directly.
DESKTOP_BUS_PID="" DESKTOP_A11Y_PID="" DESKTOP_CUPS_PID="" DESKTOP_CUPS_ROOT=""

# desktop_bus_start : a private session bus (no services started on demand); exports its address.
desktop_bus_start() {
  e2e_need dbus-daemon
  local socket=$E2E_ROOT/runtime/bus
  cat >"$E2E_ROOT/bus.conf" <<END
<busconfig><type>session</type><listen>unix:path=$socket</listen><auth>EXTERNAL</auth>
<policy context="default"><allow send_destination="*" eavesdrop="true"/><allow eavesdrop="true"/>
<allow own="*"/></policy></busconfig>
END
  dbus-daemon --config-file="$E2E_ROOT/bus.conf" --nofork --nopidfile </dev/null >>"$E2E_ROOT/bus.log" 2>&1 &
  DESKTOP_BUS_PID=$!
  xsession_track "$!"
  export DBUS_SESSION_BUS_ADDRESS=unix:path=$socket
  wait_for 10 test -S "$socket" || e2e_fail "the session bus did not start"
}

# desktop_a11y_start : the accessibility bus on the journey's session bus; programs started from
# now on put their widgets on it.
desktop_a11y_start() {
  [[ -x /usr/libexec/at-spi-bus-launcher ]] || { echo "SKIP: no at-spi2-core"; exit 77; }
  /usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "SKIP: no python3-pyatspi"; exit 77; }
  /usr/libexec/at-spi-bus-launcher --launch-immediately </dev/null >>"$E2E_ROOT/a11y.log" 2>&1 &
  DESKTOP_A11Y_PID=$!
  xsession_track "$!"
  export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
  wait_for 10 eval 'dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
    org.a11y.Bus.GetAddress >/dev/null 2>&1' || e2e_fail "the accessibility bus did not start"
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
  cupsd -f -c "$r/conf/cupsd.conf" -s "$r/conf/cups-files.conf" </dev/null >>"$r/log/cupsd.log" 2>&1 &
  DESKTOP_CUPS_PID=$!
  xsession_track "$!"
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
  xsession_end_process "$DESKTOP_CUPS_PID" 10
  for id in $ids; do # what cups-pdf wrote for this journey's jobs, and nothing else there
    find /var/spool/cups-pdf/ANONYMOUS -maxdepth 1 -name "*job_$id.pdf" -newer "$DESKTOP_CUPS_ROOT/started" -delete
  done
  DESKTOP_CUPS_PID="" DESKTOP_CUPS_ROOT=""
}

_desktop_end() {
  _desktop_cups_end
  xsession_end_process "$DESKTOP_A11Y_PID"
  xsession_end_process "$DESKTOP_BUS_PID"
  DESKTOP_A11Y_PID="" DESKTOP_BUS_PID=""
}
E2E_AT_END+=(_desktop_end)
