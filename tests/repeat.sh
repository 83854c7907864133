#!/usr/bin/env bash
# Runs the whole suite of an existing build N times in a row (ctest -j<cores>) and counts the green
# and the red runs, naming each failing test and check, so that a race shows itself.
#
#   tests/repeat.sh [-n N] [-l LOAD] [-b BUILD] [-- CTEST_ARGS...]
#
# LOAD keeps that many cores busy meanwhile with `yes > /dev/null` processes, started here and ended
# here by their process ids. Each run's output stays in BUILD/repeat/run-K.log; the machine's load
# average is printed before each run, since other work on the machine counts too.
set -uo pipefail

runs=20 load=0 build=build
while (($#)); do
  case $1 in
    -n) runs=$2 && shift ;;
    -l) load=$2 && shift ;;
    -b) build=$2 && shift ;;
    --) shift && break ;;
    *) echo "usage: $0 [-n N] [-l LOAD] [-b BUILD] [-- CTEST_ARGS...]" >&2 && exit 2 ;;
  esac
  shift
done
[[ $runs =~ ^[0-9]+$ && $load =~ ^[0-9]+$ ]] || { echo "N and LOAD are counts" >&2; exit 2; }
[[ -f $build/CTestTestfile.cmake ]] || { echo "no tests in $build: build it first (make build)" >&2; exit 2; }
logs=$(cd "$build" && pwd)/repeat
mkdir -p "$logs"

burners=()
stop_load() {
  local pid
  for pid in "${burners[@]}"; do kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null; done
  burners=()
}
trap stop_load EXIT
trap 'exit 130' INT HUP TERM
for ((i = 0; i < load; i++)); do
  yes >/dev/null &
  burners+=("$!")
done

green=0 red=0
declare -A failed=() # "test: check" -> how many runs
for ((k = 1; k <= runs; k++)); do
  log=$logs/run-$k.log
  printf 'run %d/%d (load average %s, %d busy loops of ours): ' "$k" "$runs" \
    "$(cut -d' ' -f1-3 /proc/loadavg)" "$load"
  start=$SECONDS
  if (cd "$build" && ctest -j "$(nproc)" --output-on-failure "$@") >"$log" 2>&1; then
    green=$((green + 1))
    echo "green in $((SECONDS - start)) s"
    continue
  fi
  red=$((red + 1))
  echo "RED in $((SECONDS - start)) s, see $log"
  # The failed tests, each with the first check it failed (the journeys print "FAIL: ...").
  while read -r name; do
    check=$(awk -v t="$name" '$0 ~ "Test +#[0-9]+: " t " " { on = 1; next }
      on && /Test +#[0-9]+: / { exit } on && /^FAIL!? *:/ { print; exit }' "$log")
    echo "  $name${check:+: $check}"
    failed["$name${check:+: $check}"]=$((${failed["$name${check:+: $check}"]:-0} + 1))
  done < <(sed -n 's/^[[:space:]]*[0-9]* - \([^ ]*\) (.*/\1/p' "$log")
done

echo "$green green, $red red of $runs runs (${load} busy loops of ours)"
for f in "${!failed[@]}"; do printf '  %dx %s\n' "${failed[$f]}" "$f"; done
((red == 0))
