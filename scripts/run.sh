#!/usr/bin/env bash
# The suite's main job: the pairing tool on the simulated receiver.
# With a display (DISPLAY set) its window opens for the person at it; without one a scripted tour runs
# under a private X server and reports what happened.
set -uo pipefail
source "$(dirname "$0")/common.sh"
"$SUITE_ROOT/scripts/setup-deps.sh" || exit 1
"$SUITE_ROOT/scripts/build.sh" || exit 1
exec "$SUITE_ROOT/scripts/pairtool-demo.sh"
