#!/usr/bin/env bash
# Long fuzzing of every file reader, by hand: each fuzz target of build/tests/fuzz/bin runs for
# SECONDS (default 600) on the corpus its short test left (run ctest once first), at the lowest
# priority. Prints one line per reader: inputs tried, corpus size, and crashes (files named
# crash-* beside the corpus; each is a finding to fix).
#   scripts/fuzz_readers.sh [SECONDS] [BUILD]
set -u
seconds=${1:-600}
build=${2:-build}
bin=$build/tests/fuzz/bin
[ -d "$bin" ] || { echo "no fuzz targets in $bin: build with clang's libFuzzer first"; exit 1; }
failed=0
for fuzzer in "$bin"/fuzz_*; do
    [ -x "$fuzzer" ] || continue
    name=$(basename "$fuzzer")
    corpus=$build/tests/fuzz/$name-corpus
    findings=$build/tests/fuzz/$name-findings
    mkdir -p "$corpus" "$findings"
    log=$(mktemp)
    nice -n 19 "$fuzzer" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$findings/" "$corpus" >"$log" 2>&1
    status=$?
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    crashes=$(find "$findings" -name 'crash-*' -o -name 'leak-*' -o -name 'timeout-*' | wc -l)
    echo "$name: ${runs:-?} inputs in ${seconds} s, corpus $(ls "$corpus" | wc -l), findings $crashes, exit $status"
    [ "$status" -eq 0 ] && [ "$crashes" -eq 0 ] || { failed=1; tail -n 30 "$log"; }
    rm -f "$log"
done
exit $failed
