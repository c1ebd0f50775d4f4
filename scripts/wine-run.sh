#!/usr/bin/env bash
# wine-run.sh <program.exe> [args...]
# Runs one Windows program under Wine and returns its exit status (Wine passes the low 8 bits).
# Inside a session of wine-session.sh it runs at once; outside one it opens a session of its own whose
# state lives in ./wine-state (ctest runs the tests from the build folder).
#
# Test programs work on private copies of the installation in the prefix's temporary folder. What a
# run put there goes when the run passes; a failed run keeps it for a look (its next run replaces it).
set -uo pipefail
if [ -z "${SUITE_WINE_SESSION:-}" ]; then
  exec "$(dirname "$0")/wine-session.sh" "${SUITE_WINE_STATE:-$PWD/wine-state}" "$0" "$@"
fi
exe=$1; shift
temp=$WINEPREFIX/drive_c/users/$(id -un)/Temp  # %TEMP% of Wine 8; newer ones use AppData\Local\Temp
[ -d "$temp" ] || temp=$WINEPREFIX/drive_c/users/$(id -un)/AppData/Local/Temp
started=$(mktemp "${TMPDIR:-/tmp}/wine-run.XXXXXX")
# Windows programs write CRLF line ends; strip the CR so the output reads as plain text.
"$SUITE_WINE" "$exe" "$@" 2>&1 | tr -d '\r'
status=${PIPESTATUS[0]}
if [ "$status" -eq 0 ] && [ -d "$temp" ]; then
  find "$temp" -mindepth 1 -maxdepth 1 -newer "$started" -exec rm -rf {} +
fi
rm -f "$started"
exit "$status"
