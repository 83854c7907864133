#!/usr/bin/env bash
# in-desktop.sh COMMAND... : runs COMMAND on a private X desktop of its own (Xvfb, the openbox
# window manager and the trayer tray host, see scripts/xsession.sh), as most people's desktops
# have a tray; exits 77 when one of them is not installed.
set -euo pipefail
for tool in Xvfb openbox trayer xdotool xprop xdpyinfo; do
  command -v "$tool" >/dev/null || { echo "  (not measured: no $tool; scripts/setup.sh installs it)"; exit 77; }
done
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/xsession.sh"
trap xsession_stop EXIT
xsession_start --tray
"$@"
