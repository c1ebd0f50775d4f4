#!/usr/bin/env bash
# Runs the built pairing tool on the simulated receiver: in a window on $DISPLAY when there is one,
# else as a scripted tour under a private X server that saves screenshots and reports what happened.
set -uo pipefail
source "$(dirname "$0")/common.sh"
tree=$(suite_wine_tree)
build=$SUITE_BUILD/$tree
[ "$tree" = win64 ] && echo "(this kernel cannot run 32-bit programs: running the 64-bit build of the same sources)"

if [ -n "${DISPLAY:-}" ]; then
  demo=$SUITE_BUILD/demo
  rm -rf "$demo" && mkdir -p "$demo/data"
  cp "$build/stage/Vantrel_PairingTool.exe" "$demo/"
  cp "$build"/stage/data/* "$demo/data/"
  rm -f "$demo/data/SimulatedReceiver.flash"
  echo "Opening the pairing tool on $DISPLAY. The simulated receiver's mouse answers the first Pair,"
  echo "its keyboard the second. Its flash image: $demo/data/SimulatedReceiver.flash"
  SUITE_WINE_USE_DISPLAY=1 exec "$SUITE_ROOT/scripts/wine-session.sh" "$build/wine-state" \
    "$SUITE_ROOT/scripts/wine-run.sh" "$demo/Vantrel_PairingTool.exe"
fi

out=$SUITE_BUILD/tour/pairtool
rm -rf "$out" && mkdir -p "$out"
"$SUITE_ROOT/scripts/wine-session.sh" "$build/wine-state" \
  "$SUITE_ROOT/scripts/wine-run.sh" "$build/tests/wine/pairtool/pairtool_tour.exe" "Z:${out//\//\\}" "$out"
