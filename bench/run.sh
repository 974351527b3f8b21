#!/bin/sh
# Runs the draw benchmark three times (the cases interleaved, one process per round) and the demo's
# --bench at each resolution, and writes one markdown table of medians, so a change is compared
# against its parent in one sitting on the same machine.
#
#   bench/run.sh [OUTPUT.md]      (default: build/bench/results.md)
# Environment: BUILD (default build), ROUNDS (3), RESOLUTIONS ("640x480 1024x768"),
#   DEMO_SPAN ("--from S --to S" for part of the demo; default the whole demo), NO_DEMO=1 to skip it.
set -eu
cd "$(dirname "$0")/.."
BUILD=${BUILD:-build}
ROUNDS=${ROUNDS:-3}
RESOLUTIONS=${RESOLUTIONS:-"640x480 1024x768"}
OUT=${1:-$BUILD/bench/results.md}
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
export SDL_VIDEODRIVER=${SDL_VIDEODRIVER:-offscreen} SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}

round=1
while [ "$round" -le "$ROUNDS" ]; do
    "$BUILD/bench/draw_bench" --benchmark_format=json --benchmark_out="$WORK/draw_$round.json" \
        --benchmark_out_format=json >/dev/null
    "$BUILD/bench/draw_bench" --bench_resolution=1024x768 --benchmark_filter=BM_EmptyFramePresent \
        --benchmark_out="$WORK/present_$round.json" --benchmark_out_format=json >/dev/null
    round=$((round + 1))
done
if [ "${NO_DEMO:-0}" != 1 ]; then
    for resolution in $RESOLUTIONS; do
        # shellcheck disable=SC2086
        "$BUILD/demo/farreach" --data "$BUILD" --bench --resolution "$resolution" ${DEMO_SPAN:-} \
            --bench-json "$WORK/demo_$resolution.json" >/dev/null
    done
fi
python3 bench/summarise.py "$WORK" >"$OUT"
cat "$OUT"
