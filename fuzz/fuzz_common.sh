# Sourced by run_fuzzers.sh and check_fuzzers.sh: builds the fuzz tree with clang into $build_dir,
# writes the generated seeds to $runs/seeds and lists the harnesses with their seed folders.
# Expects source_dir and build_dir to be set; leaves runs, regressions and HARNESSES set.
mkdir -p "$build_dir"
# Each harness runs inside its own folder, so a relative build folder is made absolute first.
build_dir=$(cd "$build_dir" && pwd)

cmake -S "$source_dir" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DVARNIX_BUILD_FUZZERS=ON -DVARNIX_BUILD_TESTS=OFF -DVARNIX_BUILD_BENCH=OFF >/dev/null
ninja -C "$build_dir" -j"${FUZZ_JOBS:-2}" fuzzers

runs=$build_dir/fuzz-runs
regressions=$source_dir/fuzz/regressions
rm -rf "$runs/seeds"
mkdir -p "$runs"
"$build_dir/fuzz/make_seed_corpus" "$runs/seeds" "$build_dir/Data"

# harness:seed folder[:most runs of the gate]. The music harness decodes a module at every run, some
# hundred times slower than the file readers: the gate gives it fewer runs.
HARNESSES=(fuzz_3ds_reader:3ds fuzz_xfile_parser:xfile fuzz_move_file:move fuzz_lwo_reader:lwo
  fuzz_lwo_series:lwo_series fuzz_particle_file:particle fuzz_glyph_table:glyph fuzz_height_map:height_map
  fuzz_texture_image:texture_image fuzz_music_load:music:10000 fuzz_launch_options:launch_options)

# Splits a HARNESSES entry into harness, seeds and cap (empty when the entry has none).
split_entry() {
  IFS=: read -r harness seeds cap <<<"$1"
}

# FUZZ_ONLY="fuzz_lwo_reader fuzz_glyph_table" keeps only the harnesses named.
harness_selected() {
  [ -z "${FUZZ_ONLY:-}" ] || [[ " $FUZZ_ONLY " == *" $1 "* ]]
}

# The stored inputs of a harness, one path a line in name order: its seeds and its regressions.
stored_inputs() {
  local harness=$1 seeds=$2
  find "$runs/seeds/$seeds" -type f | LC_ALL=C sort
  if [ -d "$regressions/$harness" ]; then
    find "$regressions/$harness" -type f | LC_ALL=C sort
  fi
}

# Prints how many inputs a finished run executed and how many new ones it kept.
report_stats() {
  grep -E '^stat::number_of_executed_units|^stat::new_units_added' "$1" || true
}

# Prints why a harness failed: the sanitizer's summary and where the input was written.
report_failure() {
  echo "!! $1 failed; see $2"
  grep -E 'ERROR|SUMMARY|Test unit written' "$2" || tail -20 "$2"
}
