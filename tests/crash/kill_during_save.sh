#!/usr/bin/env bash
# Kills a program that keeps saving a page (or copying page files as a backup does) at random
# moments, 200 times, and checks after every kill that the page file holds one complete content:
# the old one or the new one, never a mix.
#   kill_during_save.sh SAVE_LOOP [page|backup]
set -euo pipefail
save_loop=$1
mode=${2:-page}
kills=${KILLS:-200}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
if [ "$mode" = backup ]; then
  target="$work/backup"
  mkdir "$target"
else
  target="$work"
fi
page="$target/notes.ntr"
"$save_loop" init "$page"

torn=0
for ((i = 1; i <= kills; i++)); do
  if [ "$mode" = backup ]; then
    # New page folders of new sizes every 20 kills; the copying alternates between the two.
    if ((i % 20 == 1)); then
      rm -rf "$work/sources"
      "$save_loop" sources "$work/sources" "$i"
    fi
    "$save_loop" backup "$work/sources" "$target" &
  else
    "$save_loop" write "$page" "$i" &
  fi
  pid=$!
  # A random moment between 20 and 400 ms into the saving.
  sleep "0.$(printf '%03d' $((20 + RANDOM % 380)))"
  kill -KILL "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  if ! "$save_loop" check "$page"; then
    torn=$((torn + 1))
    echo "torn after kill $i: $(head -c 60 "$page" | tr -cd '[:print:]')"
    cp "$page" "$work/../torn-$mode-$i.ntr" 2>/dev/null || true
  fi
done
leftovers=$(find "$target" -maxdepth 1 -type f ! -name notes.ntr | wc -l)
echo "$mode: kills: $kills, torn files: $torn (temporary files left by killed saves: $leftovers)"
[ "$torn" -eq 0 ]
