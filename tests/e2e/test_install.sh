#!/usr/bin/env bash
# Installing lays out a portable application folder: the program, the icons in the hicolor layout
# and a desktop entry naming this folder's own program and icon; installing again keeps the pages.
set -euo pipefail

build=$(cd "$(dirname "$TABWISE_EXE")/.." && pwd)
[ -f "$build/cmake_install.cmake" ] || { echo "SKIP: no build tree above $TABWISE_EXE"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# A space and a dollar in the path, as a home folder may have.
prefix="$work/my \$apps/Tabwise"
cmake --install "$build" --prefix "$prefix" >/dev/null

[ -x "$prefix/tabwise" ] || fail "the program is not in the application folder"
if [ -f "$build/app/help/Tabwise.chm" ]; then
    cmp -s "$build/app/help/Tabwise.chm" "$prefix/help/Tabwise.chm" || fail "the help is not in help/"
fi
for side in 16 32 48 64 128; do
    png="$prefix/share/icons/hicolor/${side}x$side/apps/tabwise.png"
    [ -f "$png" ] || fail "no $side pixel icon"
    if command -v file >/dev/null; then
        file "$png" | grep -q "PNG image data, $side x $side, 8-bit/color RGBA" || fail "$png: $(file -b "$png")"
    fi
done
cmp -s "$TABWISE_SOURCE/src/resources/tabwise.svg" "$prefix/share/icons/hicolor/scalable/apps/tabwise.svg" ||
    fail "the scalable icon is not the program's SVG"

entry="$prefix/share/applications/org.example.tabwise.desktop"
[ -f "$entry" ] || fail "no desktop entry"
grep -qx 'Type=Application' "$entry" || fail "the entry is not an application"
grep -qx 'Name=Tabwise' "$entry" || fail "the entry has no name"
# Exec holds the program's path in double quotes; inside them \$ stands for $, written \\$.
exec_line=$(sed -n 's/^Exec=//p' "$entry")
[ "$exec_line" = "\"$work/my \\\\\$apps/Tabwise/tabwise\"" ] || fail "Exec=$exec_line"
icon=$(sed -n 's/^Icon=//p' "$entry")
[ -f "$icon" ] || fail "the entry's icon $icon does not exist"

# The package's own files never land in a portable folder, nor anywhere outside it.
[ ! -e "$prefix/usr" ] && [ ! -e "$prefix/share/metainfo" ] || fail "package files in the portable folder"
[ "$(find "$work" -mindepth 1 -maxdepth 1)" = "$work/my \$apps" ] || fail "files outside the prefix"

# Installing again over a folder in use keeps the pages.
printf 'my notes\r\n' >"$prefix/notes.ntr"
cmake --install "$build" --prefix "$prefix" >/dev/null
[ "$(cat "$prefix/notes.ntr")" = $'my notes\r' ] || fail "installing again changed the pages"

# Staged installs (DESTDIR) name the final place, not the staging folder.
DESTDIR="$work/stage" cmake --install "$build" --prefix /opt/Tabwise >/dev/null
[ -x "$work/stage/opt/Tabwise/tabwise" ] || fail "DESTDIR not honoured"
grep -qx 'Exec="/opt/Tabwise/tabwise"' "$work/stage/opt/Tabwise/share/applications/org.example.tabwise.desktop" ||
    fail "the staged entry does not name /opt/Tabwise/tabwise"
echo "PASS"
