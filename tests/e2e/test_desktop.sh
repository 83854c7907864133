#!/usr/bin/env bash
# Fitting into the desktop: one copy per application folder (a second start brings the first
# window back and ends at once; `tabwise --toggle` and the show/hide key hide and show it); `cmake --install` lays out a portable folder (program, help, icons,
# a desktop entry with its absolute path); the Debian package holds the program behind a launcher
# in /usr/bin, the desktop entry, icons and metadata, and the packaged program, started through
# the launcher, runs with a folder of the user's own beside the first copy (or says why it cannot)
# and registers the launcher to start at log-on.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

e2e_need cmake cpack dpkg-deb
build=$(cd "${TABWISE_EXE%/*}/.." && pwd)
e2e_begin
printf '[Keys]\nShowHide=Ctrl+Alt+N\n' >"$XDG_CONFIG_HOME/Tabwise.ini"
e2e_app_start
wid=$(e2e_wait_window '^Tabwise \(Notes\)$')
xdotool windowminimize "$wid"
e2e_check "without a tray, a minimized window stays on the taskbar" wait_for 10 iconic "$wid"
on_taskbar "$wid" || e2e_fail "the minimized window left the taskbar"
again() { (cd "$HOME" && exec timeout 10 env QT_QPA_PLATFORM=xcb "$E2E_ROOT/app/tabwise" "$@") </dev/null >>"$E2E_ROOT/app.log" 2>&1; }
e2e_check "a second start for the same folder ends at once, without error" again
e2e_check "... and brings the first window back" wait_for 10 shown_normal "$wid"
e2e_check "... which stays the only one" windows_are 1
timeout 10 xdotool windowactivate --sync "$wid" >/dev/null 2>&1 || true
e2e_check "tabwise --toggle minimizes the shown, active window (there is no tray)" again --toggle
e2e_check "... at once" wait_for 10 iconic "$wid"
e2e_check "... and brings it back the next time" again --toggle
e2e_check "... shown again" wait_for 10 shown_normal "$wid"
xdotool key --clearmodifiers ctrl+alt+n
e2e_check "the show/hide key, grabbed on the root window, does the same" wait_for 10 iconic "$wid"
xdotool key --clearmodifiers ctrl+alt+n
e2e_check "... both ways" wait_for 10 shown_normal "$wid"
sed -i '/^ShowHide=/d' "$XDG_CONFIG_HOME/Tabwise.ini" # the copies below share the settings, not the key

# A portable folder, at a path with a space and a dollar sign in it.
prefix="$E2E_ROOT/my \$apps/Tabwise" share="$E2E_ROOT/my \$apps/Tabwise/share"
cmake --install "$build" --prefix "$prefix" >"$E2E_ROOT/install.log" || e2e_fail "cmake --install failed"
e2e_check "install: the program and its help" test -x "$prefix/tabwise" -a -s "$prefix/help/Tabwise.chm"
e2e_check "... a desktop entry that starts this very program" grep -qxF \
  "Exec=\"$E2E_ROOT/my \\\\\$apps/Tabwise/tabwise\"" "$share/applications/org.example.tabwise.desktop"
e2e_check "... and shows its icon" test -f "$(sed -n 's/^Icon=//p' "$share/applications/org.example.tabwise.desktop")"
for icon in scalable/apps/tabwise.svg {16x16,32x32,48x48,64x64,128x128}/apps/tabwise.png; do
  test -s "$share/icons/hicolor/$icon" || e2e_fail "install: no icon $icon"
done

(cd "$build" && cpack -G DEB -B "$E2E_ROOT/package" >"$E2E_ROOT/cpack.log" 2>&1) || e2e_fail "cpack failed"
deb=$(echo "$E2E_ROOT"/package/tabwise_*.deb)
contents=$(dpkg-deb -c "$deb" | awk '{ print $6 }')
in_package() { local p; for p in "$@"; do grep -qxF "./usr/$p" <<<"$contents" || return 1; done; }
e2e_check "the package holds the launcher, the program and its help" \
  in_package bin/tabwise lib/tabwise/tabwise lib/tabwise/help/Tabwise.chm
e2e_check "... the desktop entry, its metadata and the icons" in_package share/applications/org.example.tabwise.desktop \
  share/metainfo/org.example.tabwise.metainfo.xml share/icons/hicolor/{scalable/apps/tabwise.svg,48x48/apps/tabwise.png}
dpkg-deb -x "$deb" "$E2E_ROOT/root"
mkdir -p "$XDG_DATA_HOME/Tabwise"
printf 'Pages of my own\r\n' >"$XDG_DATA_HOME/Tabwise/notes.ntr"
e2e_app_start "$E2E_ROOT/root/usr/bin"
e2e_check "the packaged program starts through its launcher, beside the first copy" wait_for 20 windows_are 2
e2e_check "... with the user's own folder, linked to the help" test -L "$XDG_DATA_HOME/Tabwise/help"
touch "$E2E_ROOT/a-file"
e2e_check "the launcher says so when it cannot make that folder" grep -q 'cannot make the folder for your pages' \
  <<<"$(XDG_DATA_HOME="$E2E_ROOT/a-file/data" timeout 10 "$E2E_ROOT/root/usr/bin/tabwise" 2>&1)"
sleep 0.5
e2e_screenshot desktop # the packaged copy shows the user's own pages
xsession_end_process "${E2E_APPS[0]}" 10 # the first copy would write its own entry when activated
packaged=$(e2e_wait_window_of "$E2E_APP_PID")
e2e_key "$packaged" ctrl+comma
e2e_wait_window '^Tabwise \(Options\)$' 10 >/dev/null
xdotool mousemove --window "$packaged" 24 48 click 1 # Start at Log-on
e2e_check "the packaged program, set to start at log-on, registers the launcher, not the program behind it" wait_for 5 grep -qxF \
  "Exec=\"$E2E_ROOT/root/usr/bin/tabwise\"" "$XDG_CONFIG_HOME/autostart/Tabwise.desktop"
