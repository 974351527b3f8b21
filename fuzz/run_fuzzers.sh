#!/usr/bin/env bash
# Exploratory fuzzing, for development: builds the fuzz tree with clang and runs every harness for
# SECONDS seconds (default 20) from the generated seeds and the stored regressions. Random and
# time-bound, so its verdict can differ from run to run: it is for finding faults before they reach
# CI, never a gate (fuzz/check_fuzzers.sh is). Exits non-zero when a harness fails; crash inputs are
# left in the harness's folder under BUILD/fuzz-runs.
# Usage: fuzz/run_fuzzers.sh [SECONDS] [BUILD]   (BUILD defaults to build-fuzz in the source tree)
# FUZZ_ONLY="fuzz_lwo_reader fuzz_glyph_table" runs only the harnesses named.
set -euo pipefail

seconds=${1:-20}
source_dir=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${2:-$source_dir/build-fuzz}
source "$source_dir/fuzz/fuzz_common.sh"

status=0
for pair in "${HARNESSES[@]}"; do
  split_entry "$pair"
  harness_selected "$harness" || continue
  work=$runs/$harness
  mkdir -p "$work/corpus"
  corpora=("$runs/seeds/$seeds")
  [ -d "$regressions/$harness" ] && corpora+=("$regressions/$harness")
  echo "== $harness: $seconds s"
  if (cd "$work" && "$build_dir/fuzz/$harness" -max_total_time="$seconds" -print_final_stats=1 \
        -max_len=65536 -timeout=10 -rss_limit_mb=2048 corpus "${corpora[@]}" >"$work/log.txt" 2>&1); then
    report_stats "$work/log.txt"
  else
    report_failure "$harness" "$work/log.txt"
    status=1
  fi
done
exit $status
