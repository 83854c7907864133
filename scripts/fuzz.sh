#!/usr/bin/env bash
# Runs every fuzz target for a bounded time, starting from the seed corpus in the repository
# (copied, so the repository's corpus is never changed). Usage: scripts/fuzz.sh SECONDS_EACH [BUILD]
set -euo pipefail
seconds=${1:-30}
build=${2:-build-fuzz}
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

status=0
for target in pagefile values search; do
  mkdir -p "$work/$target"
  cp -r "$root/fuzz/corpus/$target/." "$work/$target/"
  log="$work/$target.log"
  if (cd "$work" && "$root/$build/fuzz_$target" -max_total_time="$seconds" -max_len=65536 -print_final_stats=1 \
        "$work/$target" >"$log" 2>&1); then
    result="no crash"
  else
    result="CRASH (input kept in $root/$build/)"
    cp "$work"/crash-* "$work"/leak-* "$work"/timeout-* "$root/$build/" 2>/dev/null || true
    tail -40 "$log"
    status=1
  fi
  runs=$(grep -m1 -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo '?')
  echo "fuzz_$target: $runs executions in ${seconds}s, $result"
done
exit $status
