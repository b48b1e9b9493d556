#!/usr/bin/env bash
# The soak's verdict on runs it is told about: a stand-in tovan-sim in a build folder of its own
# plays clean rounds, or reports a sanitizer's finding, a round that did not end, a crash half
# way, or memory that grows; only the clean run passes, and each fault is named.
# Usage: soak_test.sh <scripts/soak.sh>
set -uo pipefail
soak=$1
build=$(mktemp -d)
trap 'rm -rf "$build"' EXIT
mkdir -p "$build/tools" "$build/game/Levels"
touch "$build/game/Levels/Level1-01.zel" "$build/game/Levels/Level1-02.zel"
# The stand-in: --rounds N as tovan-sim takes it, and what to do from SOAK_TEST_RUN.
cat >"$build/tools/tovan-sim" <<'SIM'
#!/usr/bin/env bash
rounds=1
while [ $# -gt 0 ]; do [ "$1" = --rounds ] && rounds=$2; shift; done
resident=200000
for round in $(seq 1 "$rounds"); do
    result=won
    [ "$SOAK_TEST_RUN" = endless ] && [ "$round" = 2 ] && result=error
    [ "$SOAK_TEST_RUN" = crash ] && [ "$round" = 3 ] && exit 134
    echo "{\"level\":\"1-01\",\"seed\":$round,\"result\":\"$result\"}"
    [ "$SOAK_TEST_RUN" = sanitizer ] && [ "$round" = 2 ] &&
        echo "Board.cpp:12:5: runtime error: index 17 out of bounds" >&2
    [ "$SOAK_TEST_RUN" = grows ] && resident=$((resident + 30000))
    if [ "$round" = 1 ] || [ "$round" = $(((rounds + 1) / 2)) ] || [ "$round" = "$rounds" ]; then
        echo "memory after round $round of $rounds: $resident kB resident" >&2
    fi
done
[ "$SOAK_TEST_RUN" = endless ] && exit 1
exit 0
SIM
chmod +x "$build/tools/tovan-sim"

failed=0
# expect RUN STATUS TEXT [OPTION...]: the soak of that run (six rounds in the stand-in's build
# unless told otherwise) ends with STATUS and says TEXT.
expect() {
    local run=$1 expected=$2 text=$3 out status
    shift 3
    [ $# -gt 0 ] || set -- --rounds 6 --build "$build"
    out=$(SOAK_TEST_RUN=$run "$soak" "$@" 2>&1)
    status=$?
    if [ "$status" -ne "$expected" ] || ! grep -qF -- "$text" <<<"$out"; then
        echo "FAIL: $run: exit $status (expected $expected), said:"
        echo "$out"
        failed=1
        return
    fi
    echo "$run: exit $status: $(grep -F -- "$text" <<<"$out" | head -n 1)"
}
expect clean 0 "6 of 6 rounds on 2 levels"
expect clean 0 "faults 0; memory 195 MB after round 1, 195 MB after round 3, 195 MB after round 6"
expect sanitizer 1 "faults 1"
expect sanitizer 1 "runtime error: index 17"
expect endless 1 '"result":"error"'
expect crash 1 "2 of 6 rounds"
expect crash 1 "exit 134"
expect grows 1 "memory grew"
expect clean 1 "bad number of rounds: 0" --rounds 0 --build "$build"
expect clean 1 "no $build/none/tools/tovan-sim" --build "$build/none"
exit $failed
