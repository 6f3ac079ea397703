#!/usr/bin/env bash
# Builds the reader fuzz targets with clang and runs each for a bounded time.
#
#   scripts/fuzz.sh [SECONDS] [TARGET...]
#
# SECONDS per target (default 60); TARGETs among document, instrument_set, config, catalogue,
# musicxml_import, midi_import
# (default all). tests/fuzz/<target> holds the seeds and is only read; what a run finds is kept
# in build/fuzz/corpus/<target> and given to the next run. Each target prints one line with the
# number of inputs it tried. A crash, a sanitizer report or a failed round trip prints the end
# of the target's log and the input that did it, and the script fails.
set -euo pipefail
cd "$(dirname "$0")/.."

ALL_TARGETS=(document instrument_set config catalogue musicxml_import midi_import)
RUN_SECONDS="${1:-60}"
[ $# -gt 0 ] && shift
TARGETS=("$@")
[ ${#TARGETS[@]} -eq 0 ] && TARGETS=("${ALL_TARGETS[@]}")

if ! [[ "$RUN_SECONDS" =~ ^[1-9][0-9]*$ ]]; then
    echo "usage: scripts/fuzz.sh [SECONDS] [TARGET...]" >&2
    exit 2
fi
for t in "${TARGETS[@]}"; do
    if [[ " ${ALL_TARGETS[*]} " != *" $t "* ]]; then
        echo "fuzz: unknown target '$t' (known: ${ALL_TARGETS[*]})" >&2
        exit 2
    fi
done

BUILD=build/fuzz
CORPUS_LIMIT=2000
mkdir -p "$BUILD"
# -O1 keeps the sanitizers' reports readable at a small cost in speed
if ! { cmake -S . -B "$BUILD" -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O1 -g" \
        -DMOTIVICA_FUZZ=ON -DMOTIVICA_TESTS=OFF -DMOTIVICA_BENCH=OFF -DMOTIVICA_DESKTOP=OFF &&
        cmake --build "$BUILD" -j2 --target "${TARGETS[@]/#/fuzz_}"; } >"$BUILD/build.log" 2>&1; then
    tail -n 40 "$BUILD/build.log"
    echo "fuzz: the build failed (log: $BUILD/build.log)" >&2
    exit 1
fi

failed=0
for t in "${TARGETS[@]}"; do
    corpus="$BUILD/corpus/$t"
    crashes="$BUILD/crashes/$t"
    log="$BUILD/$t.log"
    mkdir -p "$corpus" "$crashes"
    # the first folder receives new inputs; the seeds beside it are only read
    if "$BUILD/tests/fuzz/fuzz_$t" -max_total_time="$RUN_SECONDS" -timeout=10 \
        -print_final_stats=1 -dict="tests/fuzz/$t.dict" -artifact_prefix="$crashes/" \
        "$corpus" "tests/fuzz/$t" >"$log" 2>&1; then
        runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
        files=$(find "$corpus" -type f | wc -l)
        # every run adds inputs, and many are later superseded by smaller ones: a large corpus
        # is cut down to the inputs that still add coverage, so that runs start quickly
        if [ "$files" -gt "$CORPUS_LIMIT" ]; then
            rm -rf "$corpus.merged" && mkdir "$corpus.merged"
            if "$BUILD/tests/fuzz/fuzz_$t" -merge=1 -timeout=10 "$corpus.merged" "$corpus" \
                >"$BUILD/$t.merge.log" 2>&1; then
                rm -rf "$corpus" && mv "$corpus.merged" "$corpus"
                files=$(find "$corpus" -type f | wc -l)
            else
                rm -rf "$corpus.merged"
            fi
        fi
        printf 'fuzz %-15s %10s inputs in %ss, %s in the corpus\n' "$t" "${runs:-?}" \
            "$RUN_SECONDS" "$files"
    else
        failed=1
        # what went wrong first, then the end of the report with the stack
        grep -m 3 -E '^round trip failed|ERROR: (AddressSanitizer|libFuzzer)|runtime error:' "$log" || true
        tail -n 30 "$log"
        input=$(sed -n 's/.*Test unit written to \(.*\)$/\1/p' "$log" | tail -n 1)
        echo "fuzz $t FAILED; input: ${input:-none written}; log: $log" >&2
    fi
done
exit "$failed"
