#!/usr/bin/env bash
# Kills a program that keeps saving a page at random moments, 200 times, and checks after every
# kill that the page file holds one complete content: the old one or the new one, never a mix.
set -euo pipefail
save_loop=$1
kills=${KILLS:-200}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
page="$work/notes.ntr"
"$save_loop" init "$page"

torn=0
for ((i = 1; i <= kills; i++)); do
  "$save_loop" write "$page" "$i" &
  pid=$!
  # A random moment between 20 and 400 ms into the saving.
  sleep "0.$(printf '%03d' $((20 + RANDOM % 380)))"
  kill -KILL "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  if ! "$save_loop" check "$page"; then
    torn=$((torn + 1))
    echo "torn after kill $i: $(head -c 60 "$page" | tr -cd '[:print:]')"
    cp "$page" "$work/../torn-$i.ntr" 2>/dev/null || true
  fi
done
leftovers=$(find "$work" -maxdepth 1 -type f ! -name notes.ntr | wc -l)
echo "kills: $kills, torn files: $torn (temporary files left by killed saves: $leftovers)"
[ "$torn" -eq 0 ]
