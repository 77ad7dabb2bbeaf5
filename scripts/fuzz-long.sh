#!/usr/bin/env bash
# Runs every fuzz target of the sanitizer build for a time budget each, seeded
# with fuzz/<area>/corpus/<target>, and prints per target the executions, the
# coverage reached and the findings.
#
#   scripts/fuzz-long.sh [seconds] [target...]
#       Builds, then runs each target (all when none is named) for the given
#       seconds (default QUIB_FUZZ_LONG_SECONDS, else 600). The grown corpus and
#       every input that failed are kept under $QUIB_FUZZ_OUT (default
#       build-fuzz/fuzz-long/<target>/corpus and .../findings); after a failure
#       the target goes on for the rest of its time. Exits 1 when anything was
#       found.
#   scripts/fuzz-long.sh --ci seconds
#       As test.sh runs it: no build, a fresh corpus each, as many targets at
#       a time as there are cores (QUIB_FUZZ_JOBS); a failure shows its log
#       and input, and the run ends with status 1 once the targets running
#       are done.
set -euo pipefail
cd "$(dirname "$0")/.."

ci=0
if [ "${1:-}" = "--ci" ]; then
  ci=1
  shift
fi
seconds=${1:-${QUIB_FUZZ_LONG_SECONDS:-600}}
[ $# -gt 0 ] && shift
build=${QUIB_FUZZ_BUILD:-build-fuzz}
out=${QUIB_FUZZ_OUT:-$build/fuzz-long}

if [ "$ci" -eq 0 ]; then scripts/build-fuzz.sh "$build"; fi
source scripts/sanitizer-env.sh
# The targets run with a scratch home: no settings of the user's are read or
# changed.
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export HOME=$home XDG_CONFIG_HOME=$home/.config XDG_DATA_HOME=$home/.local/share \
  XDG_CACHE_HOME=$home/.cache

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for fuzzer in "$build"/fuzzers/*; do [ -x "$fuzzer" ] && targets+=("$(basename "$fuzzer")"); done
fi
[ ${#targets[@]} -gt 0 ] || { echo "No fuzz targets in $build/fuzzers" >&2; exit 1; }

# A single input taking longer than this is a finding (a hang).
options=(-timeout=60 -rss_limit_mb=2560 -print_final_stats=1)

seeds_of() {
  local dir
  for dir in fuzz/*/corpus/"$1"; do [ -d "$dir" ] && echo "$dir"; done
  return 0
}

if [ "$ci" -eq 1 ]; then
  # One target: its last line of progress, or its log and the input it failed on.
  fuzz_one() { # name
    local name=$1 work seeds
    work=$(mktemp -d)
    mapfile -t seeds < <(seeds_of "$name")
    if ! "$build/fuzzers/$name" -max_total_time="$seconds" "${options[@]}" -artifact_prefix="$work/" \
         "$work" "${seeds[@]}" >"$work/log" 2>&1; then
      { echo "-- $name"; tail -n 40 "$work/log"; } >&2
      echo "Fuzz target $name found a fault; the input is in $work" >&2
      return 1
    fi
    echo "-- $name: $(grep -E '^#[0-9]+.*DONE' "$work/log" | tail -n 1 || true)"
    rm -rf "$work"
  }
  parallel=${QUIB_FUZZ_JOBS:-$(nproc)}
  failed=0
  running=0
  for name in "${targets[@]}"; do
    if [ "$running" -ge "$parallel" ]; then
      wait -n || failed=1
      running=$((running - 1))
    fi
    [ "$failed" -eq 0 ] || break
    fuzz_one "$name" &
    running=$((running + 1))
  done
  while [ "$running" -gt 0 ]; do
    wait -n || failed=1
    running=$((running - 1))
  done
  exit "$failed"
fi

found_any=0
summary=()
for name in "${targets[@]}"; do
  corpus=$out/$name/corpus
  findings=$out/$name/findings
  mkdir -p "$corpus" "$findings"
  mapfile -t seeds < <(seeds_of "$name")
  executions=0
  runs=0
  left=$seconds
  started=$(date +%s)
  echo "-- $name, ${seconds}s"
  while [ "$left" -gt 0 ]; do
    log=$out/$name/run-$runs.log
    runs=$((runs + 1))
    status=0
    run_start=$(date +%s)
    "$build/fuzzers/$name" -max_total_time="$left" "${options[@]}" -artifact_prefix="$findings/" \
      "$corpus" "${seeds[@]}" >"$log" 2>&1 || status=$?
    n=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    executions=$((executions + ${n:-0}))
    coverage=$(grep -oE 'cov: [0-9]+ ft: [0-9]+' "$log" | tail -n 1 || true)
    [ -n "$coverage" ] && last_coverage=$coverage
    if [ "$status" -ne 0 ]; then
      found_any=1
      echo "   failure (exit $status), log $log:"
      grep -E 'ERROR|SUMMARY|Test unit written|runtime error' "$log" | head -n 5 | sed 's/^/   /'
      # A failure without a saved input, or one at once (in the seeds), would
      # only repeat.
      ls "$findings" | grep -q . || break
      [ $(($(date +%s) - run_start)) -ge 5 ] || break
    fi
    left=$((seconds - ($(date +%s) - started)))
  done
  count=$(find "$findings" -type f | wc -l)
  entries=$(find "$corpus" -type f | wc -l)
  summary+=("$(printf '%-24s %12s %-22s %8s %8s' "$name" "$executions" "${last_coverage:-?}" "$entries" "$count")")
  last_coverage=
done

printf '\n%-24s %12s %-22s %8s %8s\n' target executions coverage corpus findings
printf '%s\n' "${summary[@]}"
echo "Corpora and findings: $out"
exit "$found_any"
