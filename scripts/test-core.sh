#!/usr/bin/env bash
# The core: its tests (plain and under ASan/UBSan), the fuzzers for a bounded
# time each, and a short run of the benchmark so it keeps building.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/lib.sh
need_core_packages

configure_and_build dev
ctest --preset dev

configure_and_build asan
ctest --preset asan

configure_and_build fuzz
fuzz_seconds=${TYPOVEL_FUZZ_SECONDS:-20}
for target in plain_text number; do
    corpus=$(mktemp -d)
    dictionary=()
    [ "$target" = plain_text ] && dictionary=(-dict=fuzz/rtf.dict)
    echo "Fuzzing ${target} for ${fuzz_seconds} s"
    log="$corpus.log"
    if ! build/fuzz/fuzz/${target}_fuzz -max_total_time="$fuzz_seconds" -print_final_stats=1 "${dictionary[@]}" \
            "$corpus" "fuzz/corpus/${target}" >"$log" 2>&1; then
        tail -n 40 "$log" >&2
        echo "fuzzer ${target} failed" >&2
        exit 1
    fi
    grep -E '^(Done|stat::number_of_executed_units)' "$log"
    rm -rf "$corpus" "$log"
done

configure_and_build bench
build/bench/bench/plain_text_bench --benchmark_min_time=0.05
