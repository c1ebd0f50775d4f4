#!/usr/bin/env bash
# wine-run.sh <program.exe> [args...]
# Runs one Windows program under Wine and returns its exit status (Wine passes the low 8 bits).
# Inside a session of wine-session.sh it runs at once; outside one it opens a session of its own whose
# state lives in ./wine-state (ctest runs the tests from the build folder).
set -uo pipefail
if [ -z "${SUITE_WINE_SESSION:-}" ]; then
  exec "$(dirname "$0")/wine-session.sh" "${SUITE_WINE_STATE:-$PWD/wine-state}" "$0" "$@"
fi
exe=$1; shift
# Windows programs write CRLF line ends; strip the CR so the output reads as plain text.
"$SUITE_WINE" "$exe" "$@" 2>&1 | tr -d '\r'
exit "${PIPESTATUS[0]}"
