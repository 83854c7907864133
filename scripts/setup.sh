#!/usr/bin/env bash
# Installs the Debian packages Tabwise needs to build, run and test, only those missing.
# Safe to run again and again; it does nothing when everything is present.
set -euo pipefail

packages=(
  # build
  cmake ninja-build g++ make pkg-config ccache
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev
  libchm-dev fp-utils libcups2-dev libgit2-dev
  libhunspell-dev # spell checking
  libxcb1-dev # the XEmbed tray and the show/hide key on X11 (Qt D-Bus for the rest is in qt6-base-dev)
  qt6-tools-dev qt6-l10n-tools # translations: lupdate and lrelease through Qt's CMake support
  python3 # the pseudo-translation the test of untranslated texts runs under
  # run
  qt6-qpa-plugins fonts-dejavu-core hunspell-en-us
  qt6-translations-l10n # Qt's own texts (a text box's context menu) in the user's language
  # test and desktop session
  xvfb openbox trayer xdotool imagemagick x11-utils poppler-utils gcovr git
  dbus-daemon dbus-bin python3-dbus python3-gi at-spi2-core python3-pyatspi weston qt6-wayland
  cups-daemon cups-client printer-driver-cups-pdf
  clang-14 libclang-rt-14-dev e2fsprogs util-linux
  # packaging, and Debian's checkers of the package and its desktop files
  dpkg-dev file desktop-file-utils appstream lintian
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
