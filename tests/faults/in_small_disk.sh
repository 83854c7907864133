#!/usr/bin/env bash
# Runs a test with TABWISE_SMALL_DISK naming a 1 MB tmpfs mounted in a private mount namespace, so
# that it meets a real "No space left on device". Where no such mount is allowed the test runs
# without it and stands in a file-size limit for the full disk.
#   in_small_disk.sh TEST [ARGS...]
set -u
disk=$(mktemp -d)
trap 'rmdir "$disk"' EXIT
if unshare -m sh -c 'mount -t tmpfs -o size=1m tmpfs "$1"' sh "$disk" 2>/dev/null; then
  unshare -m sh -c 'disk=$1; shift; mount -t tmpfs -o size=1m tmpfs "$disk" && TABWISE_SMALL_DISK=$disk exec "$@"' \
    sh "$disk" "$@"
else
  echo "in_small_disk.sh: no private tmpfs can be mounted here; the test uses the file-size limit"
  "$@"
fi
