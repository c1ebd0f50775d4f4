#!/usr/bin/env bash
# Runs the fuzz targets of the sanitizer tree (build/sanitize/fuzz/fuzz_*), each over its committed
# seed corpus (tests/fuzz/corpus/<name>) plus what earlier runs found (build/sanitize/fuzz-work/<name>).
#
#   scripts/fuzz.sh [--merge] [seconds] [name...]
#
# seconds: the budget of each target (default 5, the test command's bounded run). --merge: afterwards
# the inputs that reached new code are merged into the committed corpus (minimised, so it stays small).
# A crash, leak, timeout or sanitizer report fails the run; the input that caused it is kept as
# build/sanitize/fuzz-crashes/<name>/crash-<sha1> (rerun it with: <target> <that file>). Commit it
# into the corpus once fixed, so the test command replays it from then on.
set -uo pipefail
source "$(dirname "$0")/common.sh"

merge=0
if [ "${1:-}" = --merge ]; then merge=1; shift; fi
seconds=5
if [[ "${1:-}" =~ ^[0-9]+$ ]]; then seconds=$1; shift; fi

tree=$SUITE_BUILD/sanitize
fuzz_dir=$SUITE_ROOT/tests/fuzz
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for exe in "$tree"/fuzz/fuzz_*; do [ -x "$exe" ] && targets+=("${exe##*/fuzz_}"); done
fi
if [ ${#targets[@]} -eq 0 ]; then
  echo "fuzz: no fuzz targets in $tree/fuzz (scripts/build.sh builds them)" >&2
  exit 1
fi

# fuzz_target <name>: one target's run (and merge). It prints its report; a failure also leaves
# <logs>/<name>.failed. The targets run side by side, one per processor, and report in order.
logs=$tree/fuzz-logs
fuzz_target() {
  local name=$1
  local exe=$tree/fuzz/fuzz_$name corpus=$fuzz_dir/corpus/$name work=$tree/fuzz-work/$name
  local crashes=$tree/fuzz-crashes/$name log=$logs/$name.log
  mkdir -p "$work" "$crashes" "$corpus"
  local options=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=1024 -print_final_stats=0
                 -artifact_prefix="$crashes/")
  [ -f "$fuzz_dir/dict/$name.dict" ] && options+=(-dict="$fuzz_dir/dict/$name.dict")
  # New inputs land in the first folder (build tree); the committed corpus is only read.
  "$exe" "${options[@]}" "$work" "$corpus" >"$log" 2>&1
  local status=$?
  local done_line coverage
  done_line=$(grep -E '^Done [0-9]+ runs in [0-9]+ second' "$log" | tail -n 1)
  coverage=$(grep -oE 'cov: [0-9]+ ft: [0-9]+ corp: [0-9]+/[0-9]+[a-zA-Z]*' "$log" | tail -n 1)
  if [ $status -ne 0 ]; then
    touch "$logs/$name.failed"
    echo "fuzz: $name FAILED (exit $status); log: $log"
    { grep -m1 -E '==ERROR|runtime error|deadly signal|ERROR: libFuzzer' "$log"
      grep -m1 -A8 -E '^ +#0 ' "$log"
      grep -E '^SUMMARY|Test unit written' "$log"; } | cut -c1-200
  else
    echo "fuzz: $name: ${done_line:-no closing line} (${coverage:-coverage unknown})"
  fi
  if [ $merge -eq 1 ] && [ $status -eq 0 ]; then
    "$exe" -merge=1 -timeout=10 -rss_limit_mb=1024 "$corpus" "$work" >"$log.merge" 2>&1 ||
      echo "fuzz: merging $name's new inputs failed (log: $log.merge)"
    echo "fuzz: $name corpus now $(ls "$corpus" | wc -l) files, $(du -sk "$corpus" | cut -f1) KiB"
  fi
}

mkdir -p "$logs"
for name in "${targets[@]}"; do
  rm -f "$logs/$name.failed"
  while [ "$(jobs -rp | wc -l)" -ge "$SUITE_JOBS" ]; do wait -n; done
  fuzz_target "$name" >"$logs/$name.report" 2>&1 &
done
wait
failed=()
for name in "${targets[@]}"; do
  cat "$logs/$name.report"
  [ -f "$logs/$name.failed" ] && failed+=("$name")
done

if [ ${#failed[@]} -ne 0 ]; then
  echo "fuzz: FAILED: ${failed[*]} (reproducers in $tree/fuzz-crashes/)"
  exit 1
fi
