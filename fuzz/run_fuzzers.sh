#!/usr/bin/env bash
# Builds the fuzz tree with clang and runs every harness for SECONDS seconds (default 20) from the
# generated seed corpus. Exits non-zero when a harness crashes or the build fails; crash inputs are
# left in the harness's folder under BUILD/fuzz-runs.
# Usage: fuzz/run_fuzzers.sh [SECONDS] [BUILD]   (BUILD defaults to build-fuzz in the source tree)
# FUZZ_ONLY="fuzz_lwo_reader fuzz_glyph_table" runs only the harnesses named.
set -euo pipefail

seconds=${1:-20}
source_dir=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${2:-$source_dir/build-fuzz}
# Each harness runs inside its own folder, so a relative build folder is made absolute first.
mkdir -p "$build_dir"
build_dir=$(cd "$build_dir" && pwd)
jobs=${FUZZ_JOBS:-2}

cmake -S "$source_dir" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DVARNIX_BUILD_FUZZERS=ON -DVARNIX_BUILD_TESTS=OFF -DVARNIX_BUILD_BENCH=OFF >/dev/null
ninja -C "$build_dir" -j"$jobs" fuzzers

runs=$build_dir/fuzz-runs
rm -rf "$runs/seeds"
mkdir -p "$runs"
"$build_dir/fuzz/make_seed_corpus" "$runs/seeds"

status=0
for pair in fuzz_3ds_reader:3ds fuzz_xfile_parser:xfile fuzz_move_file:move fuzz_lwo_reader:lwo \
  fuzz_lwo_series:lwo_series fuzz_particle_file:particle fuzz_glyph_table:glyph; do
  harness=${pair%%:*}
  seeds=${pair##*:}
  if [ -n "${FUZZ_ONLY:-}" ] && [[ " $FUZZ_ONLY " != *" $harness "* ]]; then
    continue
  fi
  work=$runs/$harness
  mkdir -p "$work/corpus"
  echo "== $harness: $seconds s"
  if (cd "$work" && "$build_dir/fuzz/$harness" -max_total_time="$seconds" -print_final_stats=1 \
        -max_len=65536 -timeout=10 -rss_limit_mb=2048 corpus "$runs/seeds/$seeds" >"$work/log.txt" 2>&1); then
    grep -E '^stat::number_of_executed_units|^stat::new_units_added' "$work/log.txt" || true
  else
    echo "!! $harness failed; see $work/log.txt"
    grep -E 'ERROR|SUMMARY|Test unit written' "$work/log.txt" || tail -20 "$work/log.txt"
    status=1
  fi
done
exit $status
