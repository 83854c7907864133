#!/usr/bin/env bash
# Kills a helper that keeps saving a page, then one that keeps copying page files as a backup does,
# at random moments (KILLS times each, 200 unless set), and checks after every kill that the page
# holds one complete content, the old one or the new one, never a torn one.
#   kill_during_save.sh SAVE_LOOP
set -euo pipefail
loop=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
torn=0
for mode in write backup; do
  mkdir "$work/$mode"
  page="$work/$mode/notes.ntr"
  for ((i = 1; i <= ${KILLS:-200}; i++)); do
    if [ "$mode" = write ]; then
      "$loop" write "$page" "$i" &
    else
      ((i % 20 != 1)) || { rm -rf "$work/sources" && "$loop" sources "$work/sources" "$i"; }
      "$loop" backup "$work/sources" "$work/$mode" &
    fi
    pid=$!
    sleep "0.$(printf '%03d' $((20 + RANDOM % 380)))"
    kill -KILL "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    if [ -e "$page" ] && ! "$loop" check "$page"; then
      torn=$((torn + 1))
      echo "$mode: torn after kill $i"
    fi
  done
done
echo "kills: ${KILLS:-200} while saving, ${KILLS:-200} while backing up; torn pages: $torn"
[ "$torn" -eq 0 ]
