#!/bin/sh
# Runs the draw benchmark three times (one process per round) and the demo's --bench at each
# resolution, and writes one markdown table of medians. With BASELINE set to another build folder
# (say, the parent commit's), each round runs that build's benchmark too, interleaved with this
# one's, and the table sets the two side by side: a change is compared against its parent in one
# sitting on the same machine.
#
#   bench/run.sh [OUTPUT.md]      (default: build/bench/results.md)
# Environment: BUILD (default build), BASELINE (none), ROUNDS (3), RESOLUTIONS ("640x480 1024x768"),
#   DEMO_SPAN ("--from S --to S" for part of the demo; default the whole demo), NO_DEMO=1 to skip it,
#   DATA (the demo's data folder, default $BUILD).
set -eu
cd "$(dirname "$0")/.."
BUILD=${BUILD:-build}
BASELINE=${BASELINE:-}
ROUNDS=${ROUNDS:-3}
RESOLUTIONS=${RESOLUTIONS:-"640x480 1024x768"}
DATA=${DATA:-$BUILD}
OUT=${1:-$BUILD/bench/results.md}
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
export SDL_VIDEODRIVER="${SDL_VIDEODRIVER:-offscreen}" SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}"

# bench_round FOLDER BUILD ROUND
bench_round() {
    mkdir -p "$1"
    "$2/bench/draw_bench" --benchmark_out="$1/draw_$3.json" --benchmark_out_format=json >/dev/null
    "$2/bench/draw_bench" --bench_resolution=1024x768 --benchmark_filter=BM_EmptyFramePresent \
        --benchmark_out="$1/present_$3.json" --benchmark_out_format=json >/dev/null
}

# demo_runs FOLDER BUILD
demo_runs() {
    [ "${NO_DEMO:-0}" = 1 ] && return 0
    for resolution in $RESOLUTIONS; do
        # shellcheck disable=SC2086
        "$2/demo/farreach" --data "$DATA" --bench --resolution "$resolution" ${DEMO_SPAN:-} \
            --bench-json "$1/demo_$resolution.json" >/dev/null
    done
}

round=1
while [ "$round" -le "$ROUNDS" ]; do
    [ -n "$BASELINE" ] && bench_round "$WORK/baseline" "$BASELINE" "$round"
    bench_round "$WORK/this" "$BUILD" "$round"
    round=$((round + 1))
done
[ -n "$BASELINE" ] && demo_runs "$WORK/baseline" "$BASELINE"
demo_runs "$WORK/this" "$BUILD"
if [ -n "$BASELINE" ]; then
    python3 bench/summarise.py "$WORK/this" "$WORK/baseline" >"$OUT"
else
    python3 bench/summarise.py "$WORK/this" >"$OUT"
fi
cat "$OUT"
