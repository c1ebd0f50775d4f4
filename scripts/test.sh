#!/usr/bin/env bash
# Runs every test: the native unit tests, the same under the sanitizers, a short run of every fuzz
# target, then the Windows tests (unit tests cross-built and run under Wine, end-to-end tests of the
# real programs and DLLs, checks of the built files).
set -uo pipefail
source "$(dirname "$0")/common.sh"
"$SUITE_ROOT/scripts/setup-deps.sh" || exit 1
"$SUITE_ROOT/scripts/build.sh" || exit 1

failed=0
tree=$(suite_wine_tree)
# The Wine prefix template boots (about a minute, mostly waiting) while the native tests run; the
# Windows tests' sessions wait for it.
"$SUITE_ROOT/scripts/wine-session.sh" "$SUITE_BUILD/$tree/wine-state-1" true >/dev/null 2>&1 &
template_boot=$!

echo "== native tests"
ctest --test-dir "$SUITE_BUILD/native" -j "$SUITE_JOBS" --output-on-failure || failed=1

# Any sanitizer report ends its process with a failure (the tree is built without recovery).
echo "== native tests under AddressSanitizer and UndefinedBehaviorSanitizer"
ASAN_OPTIONS=halt_on_error=1:detect_leaks=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  ctest --test-dir "$SUITE_BUILD/sanitize" --output-on-failure || failed=1
echo "== fuzz targets, ${SUITE_FUZZ_SECONDS:-5} s each"
"$SUITE_ROOT/scripts/fuzz.sh" "${SUITE_FUZZ_SECONDS:-5}" || failed=1

# The Windows tests run in parts at once, each in a session of its own (own X display, own Wine
# prefix, own wineserver), so windows of one part never meet another's. They mostly wait on windows,
# timers and the simulated receiver, so there are more parts than processors (SUITE_WINE_PARTS,
# default one more than the processors). Their output is shown part after part.

# Seconds the slowest Windows tests take under Wine; every other one takes about 15.
wine_test_cost() {
  case $1 in
    text_fit) echo 125 ;;
    wizard_in_host) echo 100 ;;
    manager_leaks | wizard_steps | wizard_screenshots) echo 45 ;;
    *) echo 15 ;;
  esac
}

# wine_test_names <tree>: the tree's tests, without those that set up a fixture: ctest runs such a
# test in the part whose tests need it.
wine_test_names() {
  ctest --test-dir "$SUITE_BUILD/$1" --show-only=json-v1 | /usr/bin/python3 -c '
import json, sys
for test in json.load(sys.stdin)["tests"]:
    if not any(p["name"] == "FIXTURES_SETUP" for p in test.get("properties", [])):
        print(test["name"])'
}

# wine_parts <tree> <parts>: one line per part, its tests' names joined by '|'. The slowest test
# goes first, each into the part with the least work so far, so that the parts end together.
wine_parts() {
  local parts=$2 loads=() lists=() cost name i best
  for ((i = 0; i < parts; i++)); do loads[i]=0; lists[i]=""; done
  while read -r cost name; do
    best=0
    for ((i = 1; i < parts; i++)); do [ "${loads[i]}" -lt "${loads[best]}" ] && best=$i; done
    loads[best]=$((loads[best] + cost))
    lists[best]+="$name|"
  done < <(wine_test_names "$1" | while read -r name; do echo "$(wine_test_cost "$name") $name"; done |
           sort -k1,1nr -k2,2)
  for ((i = 0; i < parts; i++)); do echo "${lists[i]%|}"; done
}

wine_tests() { # <tree>
  local dir=$SUITE_BUILD/$1 parts=${SUITE_WINE_PARTS:-$((SUITE_JOBS + 1))} pids=() part status=0 names=()
  mapfile -t names < <(wine_parts "$1" "$parts")
  for ((part = 1; part <= parts; part++)); do
    "$SUITE_ROOT/scripts/wine-session.sh" "$dir/wine-state-$part" \
      ctest --test-dir "$dir" -R "^(${names[$((part - 1))]})\$" --output-on-failure \
      >"$dir/wine-tests-$part.log" 2>&1 &
    pids+=($!)
  done
  for ((part = 1; part <= parts; part++)); do
    wait "${pids[$((part - 1))]}" || status=1
    echo "-- part $part of $parts of the Windows tests"
    cat "$dir/wine-tests-$part.log"
  done
  return $status
}

wait "$template_boot"
if [ "$tree" = win32 ]; then
  echo "== Windows tests (32-bit, under Wine)"
  wine_tests win32 || failed=1
else
  echo "== checks of the 32-bit deliverables"
  ctest --test-dir "$SUITE_BUILD/win32" -LE wine --output-on-failure || failed=1
  echo "== Windows tests under Wine (64-bit test mirror: this kernel cannot run 32-bit programs)"
  wine_tests win64 || failed=1
fi

# What a test run leaves on disk (goal: build/ under 2 GB): the build trees, one Wine prefix per
# session, and the copies of the installation that failed tests kept.
mkdir -p "$SUITE_BUILD/$tree/evidence"
{
  echo "build/ after the tests: $(du -sh "$SUITE_BUILD" | cut -f1)"
  # One du over all prefixes counts each file once: the sessions' prefixes share the template's
  # modules as hard links, so each shows only what is its own.
  du -sh "$SUITE_BUILD"/wine-template "$SUITE_BUILD"/*/wine-state* 2>/dev/null |
    while IFS=$'\t' read -r size state; do
      echo "  of it $(realpath --relative-to="$SUITE_BUILD" "$state"): $size"
    done
} >"$SUITE_BUILD/$tree/evidence/build-size.txt"
[ -x "$SUITE_ROOT/scripts/show-evidence.sh" ] && "$SUITE_ROOT/scripts/show-evidence.sh"
if [ $failed -ne 0 ]; then echo "test: FAILED"; exit 1; fi
echo "test: all passed"
