#!/usr/bin/env bash
# Lists the screenshots and figures the Windows tests left behind, so a person can look at them.
source "$(dirname "$0")/common.sh"
evidence=$SUITE_BUILD/$(suite_wine_tree)/evidence
[ -d "$evidence" ] || exit 0
echo "== screenshots and figures written by the tests ($evidence)"
for f in "$evidence"/*; do
  [ -e "$f" ] && echo "  $(basename "$f")"
done
for f in "$evidence"/*.txt; do
  [ -e "$f" ] && { echo "-- $(basename "$f")"; cat "$f"; }
done
exit 0
