#!/bin/sh
# Runs the draw benchmark three times (one process per round) and the demo's --bench at each
# resolution, and writes one markdown table of medians. With BASELINE set to another build folder
# (say, the parent commit's), each round runs that build's benchmark too, interleaved with this
# one's, and the table sets the two side by side: a change is compared against its parent in one
# sitting on the same machine.
#
#   bench/run.sh [OUTPUT.md]      (default: build/bench/results.md)
# Environment: BUILD (default build), BASELINE (none), ROUNDS (3), RESOLUTIONS ("640x480 1024x768"),
#   DEMO_SPAN ("--from S --to S" for part of the demo; default the whole demo), PART_SECONDS (each
#   part started on its own and measured that long, instead of the whole demo), NO_DEMO=1 to skip
#   it, DATA (the demo's data folder, default $BUILD).
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

# The start of each part in the demo's module (docs/music_timeline.md), and the keys that open the
# hidden part, held for a moment 3 s into part 15.
PART_STARTS="0 15.36 30.72 65.28 80.64 111.36 126.72 157.44 172.80 203.52 218.88 253.44 268.80 303.36 322.56"
HIDDEN_KEYS="LSHIFT RCONTROL 7 8 9 UP DOWN"

hidden_part_script() {
    for key in $HIDDEN_KEYS; do echo "325.56 down $key"; done
    for key in $HIDDEN_KEYS; do echo "325.70 up $key"; done
}

# demo_runs FOLDER BUILD: the whole demo (or DEMO_SPAN) at each resolution, or with PART_SECONDS
# each part started on its own (--part) and measured for that many seconds, the hidden part too.
demo_runs() {
    [ "${NO_DEMO:-0}" = 1 ] && return 0
    for resolution in $RESOLUTIONS; do
        if [ -z "${PART_SECONDS:-}" ]; then
            # shellcheck disable=SC2086
            "$2/demo/farreach" --data "$DATA" --bench --resolution "$resolution" ${DEMO_SPAN:-} \
                --bench-json "$1/demo_$resolution.json" >/dev/null
            continue
        fi
        part=1
        for start in $PART_STARTS; do
            "$2/demo/farreach" --data "$DATA" --bench --resolution "$resolution" --part "$part" \
                --to "$(awk "BEGIN { print $start + $PART_SECONDS }")" \
                --bench-json "$1/demo_${resolution}_part$(printf %02d "$part").json" >/dev/null
            part=$((part + 1))
        done
        hidden_part_script >"$WORK/hidden_keys.txt"
        "$2/demo/farreach" --data "$DATA" --bench --resolution "$resolution" --part 15 \
            --from 325.7 --to "$(awk "BEGIN { print 325.7 + $PART_SECONDS }")" --input "$WORK/hidden_keys.txt" \
            --bench-json "$1/demo_${resolution}_part99.json" >/dev/null
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
