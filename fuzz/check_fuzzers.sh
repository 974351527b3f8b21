#!/usr/bin/env bash
# The fuzz gate of the test command: the same verdict for the same tree, every time. Builds the fuzz
# tree with clang and, for every harness under the sanitizers:
#   1. replays its generated seeds and every stored regression (fuzz/regressions/HARNESS), once each;
#   2. fuzzes from those inputs for a fixed number of runs with a fixed seed, starting from an empty
#      work corpus, with the inputs listed in name order and no reloading.
# The mutator also learns from the values a harness compares, pointers among them, so addresses must
# not differ between runs either: each harness runs without address randomisation, with an empty
# environment and with the same arguments wherever the tree lies (relative names inside its folder).
# Then the same tree mutates the same inputs the same way, every run, on every machine of this kind.
# Exits non-zero when a harness fails; the input is left under BUILD/fuzz-runs/gate/HARNESS.
# Usage: fuzz/check_fuzzers.sh [RUNS] [BUILD]   (RUNS defaults to 100000 per harness)
# FUZZ_ONLY="fuzz_lwo_reader fuzz_glyph_table" checks only the harnesses named.
set -euo pipefail

fuzz_runs=${1:-100000}
source_dir=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${2:-$source_dir/build-fuzz}
source "$source_dir/fuzz/fuzz_common.sh"

flags=(-max_len=65536 -timeout=60 -rss_limit_mb=2048 -print_final_stats=1)
# Without address randomisation where the system lets us turn it off.
fixed_addresses=(setarch -R)
"${fixed_addresses[@]}" true 2>/dev/null || fixed_addresses=()

# run_harness FOLDER LOG ARGS...: the harness, linked into FOLDER as ./harness, run there.
run_harness() {
  local folder=$1 log=$2
  shift 2
  (cd "$folder" && env -i PATH=/usr/bin:/bin "${fixed_addresses[@]}" ./harness "$@" >"$log" 2>&1)
}

status=0
for pair in "${HARNESSES[@]}"; do
  split_entry "$pair"
  harness_selected "$harness" || continue
  work=$runs/gate/$harness
  rm -rf "$work"
  mkdir -p "$work/corpus" "$work/inputs"
  ln -s "$build_dir/fuzz/$harness" "$work/harness"
  inputs=()
  while IFS= read -r stored; do
    inputs+=("inputs/$(printf '%06d' $((${#inputs[@]} + 1)))")
    cp "$stored" "$work/${inputs[-1]}"
  done < <(stored_inputs "$harness" "$seeds")
  runs_here=$fuzz_runs
  if [ -n "$cap" ] && [ "$cap" -lt "$fuzz_runs" ]; then
    runs_here=$cap
  fi
  echo "== $harness: ${#inputs[@]} stored inputs, then $runs_here runs from seed 1"
  if ! run_harness "$work" "$work/replay.txt" "${flags[@]}" "${inputs[@]}"; then
    report_failure "$harness" "$work/replay.txt"
    status=1
    continue
  fi
  seed_list=$(IFS=,; echo "${inputs[*]}")
  if run_harness "$work" "$work/log.txt" "${flags[@]}" -seed=1 -runs="$runs_here" -reload=0 \
       -seed_inputs="$seed_list" corpus; then
    report_stats "$work/log.txt"
  else
    report_failure "$harness" "$work/log.txt"
    status=1
  fi
done
exit $status
