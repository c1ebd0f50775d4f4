#!/usr/bin/env bash
# The suite's main job: the host program Tandra on the simulated receiver.
#   scripts/run.sh            the host and its plug-ins
#   scripts/run.sh pairtool   the stand-alone pairing tool
#   scripts/run.sh cli        a session of every command of the command-line tool (printed, and kept
#                             in build/<tree>/evidence/cli_demo_session.txt)
# With a display (DISPLAY set) the window opens for the person at it; without one a scripted tour runs
# under a private X server, saves screenshots (build/tour/) and reports what happened.
set -uo pipefail
source "$(dirname "$0")/common.sh"
"$SUITE_ROOT/scripts/setup-deps.sh" || exit 1
"$SUITE_ROOT/scripts/build.sh" || exit 1
case "${1:-host}" in
  pairtool) exec "$SUITE_ROOT/scripts/pairtool-demo.sh" ;;
  cli) exec "$SUITE_ROOT/scripts/cli-demo.sh" ;;
  host) exec "$SUITE_ROOT/scripts/host-demo.sh" ;;
  *) echo "usage: scripts/run.sh [host|pairtool|cli]" >&2; exit 2 ;;
esac
