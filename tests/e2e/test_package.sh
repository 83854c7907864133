#!/usr/bin/env bash
# The Debian package: what it holds, what it depends on, and its launcher, which gives each user an
# application folder of their own. Finally the packaged program starts through the launcher.
set -euo pipefail

for tool in cpack dpkg-deb dpkg-shlibdeps; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is missing"; exit 77; }
done
build=$(cd "$(dirname "$TABWISE_EXE")/.." && pwd)
[ -f "$build/CPackConfig.cmake" ] || { echo "SKIP: no CPack configuration in $build"; exit 77; }
work=$(mktemp -d)
pid=
cleanup() {
    if [ -n "$pid" ] && kill "$pid" 2>/dev/null; then wait "$pid" 2>/dev/null || true; fi
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$build" && cpack -G DEB -B "$work/out" >/dev/null)
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
deb="$work/out/tabwise_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || fail "no package $deb"

# What it holds.
contents=$(dpkg-deb -c "$deb" | awk '{ print $6 }')
for path in ./usr/bin/tabwise ./usr/lib/tabwise/tabwise \
    ./usr/share/applications/org.example.tabwise.desktop ./usr/share/metainfo/org.example.tabwise.metainfo.xml \
    ./usr/share/icons/hicolor/scalable/apps/tabwise.svg \
    ./usr/share/icons/hicolor/{16x16,32x32,48x48,64x64,128x128}/apps/tabwise.png; do
    grep -qx -- "$path" <<<"$contents" || fail "the package lacks $path"
done
if [ -f "$build/app/help/Tabwise.chm" ]; then
    grep -qx ./usr/lib/tabwise/help/Tabwise.chm <<<"$contents" || fail "the package lacks the help"
fi
! grep -q -e '^\./usr/lib/tabwise/share' -e '^\./usr/tabwise' <<<"$contents" || fail "portable files in the package"

# What it declares.
[ "$(dpkg-deb -f "$deb" Package)" = tabwise ] || fail "package name"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version"
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6 libqt6printsupport6 libqt6network6 libchm1 libc6; do
    grep -qE "(^|, )$lib( |,|$)" <<<"$depends" || fail "Depends lacks $lib: $depends"
done

root="$work/root"
dpkg-deb -x "$deb" "$root"
grep -qx 'Exec=tabwise' "$root/usr/share/applications/org.example.tabwise.desktop" || fail "the entry's Exec"
grep -qx 'Icon=tabwise' "$root/usr/share/applications/org.example.tabwise.desktop" || fail "the entry's Icon"
if command -v file >/dev/null; then
    file -b "$root/usr/lib/tabwise/tabwise" | grep -q ', stripped' || fail "the packaged program is not stripped"
fi

# The launcher, in front of a stand-in program that reports the folder it was given.
fake="$work/fake"
mkdir -p "$fake/bin" "$fake/lib/tabwise/help"
cp "$root/usr/bin/tabwise" "$fake/bin/tabwise"
printf '#!/bin/sh\nprintf "%%s|%%s\\n" "$TABWISE_APP_FOLDER" "$*"\n' >"$fake/lib/tabwise/tabwise"
chmod +x "$fake/lib/tabwise/tabwise"
launch() { env -u XDG_DATA_HOME HOME="$work/home" "$@" sh "$fake/bin/tabwise" one "two words"; }

[ "$(launch)" = "$work/home/.local/share/Tabwise|one two words" ] || fail "default folder: $(launch)"
[ "$(readlink "$work/home/.local/share/Tabwise/help")" = "$(dirname "$(readlink -f "$fake/bin/tabwise")")/../lib/tabwise/help" ] ||
    fail "no link to the installed help"
[ "$(launch XDG_DATA_HOME="$work/data")" = "$work/data/Tabwise|one two words" ] || fail "XDG_DATA_HOME not used"
[ "$(launch XDG_DATA_HOME=relative/path)" = "$work/home/.local/share/Tabwise|one two words" ] ||
    fail "a relative XDG_DATA_HOME must be ignored"
mkdir -p "$work/own/Tabwise/help"
launch XDG_DATA_HOME="$work/own" >/dev/null
[ -d "$work/own/Tabwise/help" ] && [ ! -L "$work/own/Tabwise/help" ] || fail "the user's own help folder was replaced"
ln -s "$fake/bin/tabwise" "$work/linked-launcher"
[ "$(env HOME="$work/home" XDG_DATA_HOME="$work/data" sh "$work/linked-launcher")" = "$work/data/Tabwise|" ] ||
    fail "the launcher does not find the program when started through a link"
touch "$work/a-file"
if out=$(launch XDG_DATA_HOME="$work/a-file" 2>&1); then fail "no folder, yet the program started: $out"; fi
grep -q "cannot make the folder for your pages" <<<"$out" || fail "no clear message: $out"

# The packaged program itself starts through its launcher and comes up with the user's folder.
mkdir -m 700 "$work/run"
env -u XDG_DATA_HOME HOME="$work/home2" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/run" \
    QT_QPA_PLATFORM=offscreen "$root/usr/bin/tabwise" >"$work/program.log" 2>&1 &
pid=$!
for _ in $(seq 100); do
    [ -f "$work/config/Tabwise.ini" ] && break
    kill -0 "$pid" 2>/dev/null || fail "the packaged program ended: $(cat "$work/program.log")"
    sleep 0.1
done
[ -f "$work/config/Tabwise.ini" ] || fail "the packaged program did not load its window"
[ -d "$work/home2/.local/share/Tabwise" ] || fail "no application folder for the user"
if [ -d "$root/usr/lib/tabwise/help" ]; then
    [ -f "$work/home2/.local/share/Tabwise/help/Tabwise.chm" ] || fail "the user's folder does not reach the help"
fi
ls "$work/run"/tabwise-*.lock >/dev/null || fail "the packaged program holds no one-copy lock"
echo "PASS"
