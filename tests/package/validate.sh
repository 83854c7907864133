#!/usr/bin/env bash
# validate.sh BUILD_DIR : the desktop entries (the package's, a portable folder's), the AppStream
# metadata and the .deb as Debian's own checkers see them, each without an error or a warning.
set -euo pipefail
build=$1
for tool in desktop-file-validate appstreamcli lintian cpack dpkg-deb cmake; do
  command -v "$tool" >/dev/null || { echo "SKIP: no $tool (scripts/setup.sh installs it)"; exit 77; }
done
work=$(mktemp -d "${TMPDIR:-/tmp}/tabwise-package.XXXXXX")
trap 'rm -rf "$work"' EXIT
failed=0
check() { # DESCRIPTION COMMAND... : passes when COMMAND succeeds and prints no error or warning
  local output
  if output=$("${@:2}" 2>&1) && ! grep -Eiq '(^|: )(e|w|error|warning):' <<<"$output"; then
    printf 'PASS: %s\n' "$1"
  else
    printf 'FAIL: %s\n%s\n' "$1" "$output" >&2
    failed=1
  fi
}

(cd "$build" && cpack -G DEB -B "$work/package" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log" >&2; exit 1; }
deb=$(echo "$work"/package/tabwise_*.deb)
dpkg-deb -x "$deb" "$work/root"
cmake --install "$build" --prefix "$work/portable" --component portable >/dev/null

check "desktop-file-validate: the package's desktop entry" \
  desktop-file-validate "$work/root/usr/share/applications/org.example.tabwise.desktop"
check "desktop-file-validate: a portable folder's desktop entry" \
  desktop-file-validate "$work/portable/share/applications/org.example.tabwise.desktop"
check "appstreamcli: the AppStream metadata" \
  appstreamcli validate --no-net --strict "$work/root/usr/share/metainfo/org.example.tabwise.metainfo.xml"
check "lintian: the Debian package" lintian --fail-on error,warning "$deb"
exit "$failed"
