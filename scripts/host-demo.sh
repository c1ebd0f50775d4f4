#!/usr/bin/env bash
# Runs the built host program on the simulated receiver: in a window on $DISPLAY when there is one,
# else as a scripted tour under a private X server that saves screenshots and reports what happened.
# The plug-ins' tours (tests/wine/<plug-in>/<name>_tour.exe) follow the host's own.
set -uo pipefail
source "$(dirname "$0")/common.sh"
tree=$(suite_wine_tree)
build=$SUITE_BUILD/$tree
[ "$tree" = win64 ] && echo "(this kernel cannot run 32-bit programs: running the 64-bit build of the same sources)"

if [ -n "${DISPLAY:-}" ]; then
  demo=$SUITE_BUILD/host-demo
  rm -rf "$demo" && mkdir -p "$demo"
  cp -r "$build/stage/." "$demo/"
  rm -f "$demo/DLL/DemoReceiver.flash"
  echo "Opening Tandra on $DISPLAY with a simulated receiver: its mouse answers the third status read"
  echo "of a pairing run, its keyboard the fifth. Its flash image: $demo/DLL/DemoReceiver.flash"
  SUITE_WINE_USE_DISPLAY=1 exec "$SUITE_ROOT/scripts/wine-session.sh" "$build/wine-state" \
    "$SUITE_ROOT/scripts/wine-run.sh" "$demo/Tandra_Technology.exe"
fi

out=$SUITE_BUILD/tour
mkdir -p "$out" && rm -f "$out"/host-*.png
tours=("$build/tests/wine/host/host_tour.exe")
for extra in "$build"/tests/wine/*/*_tour.exe; do
  case "$extra" in */host_tour.exe|*/pairtool_tour.exe) ;; *) [ -e "$extra" ] && tours+=("$extra") ;; esac
done
status=0
for exe in "${tours[@]}"; do
  "$SUITE_ROOT/scripts/wine-session.sh" "$build/wine-state" \
    "$SUITE_ROOT/scripts/wine-run.sh" "$exe" "Z:${out//\//\\}" "$out" || status=1
done
echo "Screenshots: $out"
exit $status
