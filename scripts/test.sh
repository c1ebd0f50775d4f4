#!/usr/bin/env bash
# Runs every test: the native unit tests, then the Windows tests (unit tests cross-built and run under
# Wine, end-to-end tests of the real programs and DLLs, checks of the built files).
set -uo pipefail
source "$(dirname "$0")/common.sh"
"$SUITE_ROOT/scripts/setup-deps.sh" || exit 1
"$SUITE_ROOT/scripts/build.sh" || exit 1

failed=0
echo "== native tests"
ctest --test-dir "$SUITE_BUILD/native" -j "$SUITE_JOBS" --output-on-failure || failed=1

tree=$(suite_wine_tree)
if [ "$tree" = win32 ]; then
  echo "== Windows tests (32-bit, under Wine)"
  "$SUITE_ROOT/scripts/wine-session.sh" "$SUITE_BUILD/win32/wine-state" \
    ctest --test-dir "$SUITE_BUILD/win32" --output-on-failure || failed=1
else
  echo "== checks of the 32-bit deliverables"
  ctest --test-dir "$SUITE_BUILD/win32" -LE wine --output-on-failure || failed=1
  echo "== Windows tests under Wine (64-bit test mirror: this kernel cannot run 32-bit programs)"
  "$SUITE_ROOT/scripts/wine-session.sh" "$SUITE_BUILD/win64/wine-state" \
    ctest --test-dir "$SUITE_BUILD/win64" --output-on-failure || failed=1
fi

[ -x "$SUITE_ROOT/scripts/show-evidence.sh" ] && "$SUITE_ROOT/scripts/show-evidence.sh"
if [ $failed -ne 0 ]; then echo "test: FAILED"; exit 1; fi
echo "test: all passed"
