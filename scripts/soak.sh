#!/usr/bin/env bash
# The soak: one tovan-sim process plays ROUNDS seeded rounds, the levels beside the program in
# turn, under the sanitizer build. Reports the rounds played, the faults found (a sanitizer's
# report, a crash or other non-zero exit, a round that did not end) and the process's resident
# memory after its first, middle and last round. Exit 1 on any fault, or when the memory grew.
# The rounds' lines and the process's messages stay in BUILD/soak/.
#   scripts/soak.sh [--rounds ROUNDS] [--build BUILD]    (defaults: 1000 rounds, build-asan)
set -uo pipefail
cd "$(dirname "$0")/.."
rounds=1000
build=build-asan
# Memory that settles (the allocator's pools, the sanitizer's quarantine of freed blocks) may
# rise this much from the middle of the run to its end without counting as growth.
allowed_growth_percent=5

usage() { echo "usage: scripts/soak.sh [--rounds ROUNDS] [--build BUILD]"; }
while [ $# -gt 0 ]; do
    case $1 in
    --rounds) rounds=${2:-}; shift 2 || { usage; exit 1; } ;;
    --build) build=${2:-}; shift 2 || { usage; exit 1; } ;;
    -h | --help) usage; exit 0 ;;
    *) echo "soak: unknown option $1"; usage; exit 1 ;;
    esac
done
[[ $rounds =~ ^[1-9][0-9]*$ ]] || { echo "soak: bad number of rounds: $rounds"; exit 1; }
sim=$build/tools/tovan-sim
[ -x "$sim" ] || { echo "soak: no $sim: build $build first"; exit 1; }
levels=$build/game/Levels
level_count=$(find "$levels/" -maxdepth 1 -name 'Level*.zel' 2>/dev/null | wc -l)
[ "$level_count" -gt 0 ] || { echo "soak: no level files in $levels"; exit 1; }

out=$build/soak
mkdir -p "$out"
lines=$out/rounds.json
messages=$out/messages.log
start=$(date +%s)
ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1} \
    UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1} \
    "$sim" --json --memory --rounds "$rounds" --game "$build/game" "$levels" \
    >"$lines" 2>"$messages"
status=$?
seconds=$(($(date +%s) - start))

played=$(grep -c '"result":' "$lines")
not_ended=$(grep -c '"result":"error"' "$lines")
sanitizer=$(grep -c -E 'ERROR: (Address|Leak|Memory|Thread)Sanitizer|runtime error:' "$messages")
faults=$((not_ended + sanitizer))
[ "$status" -ne 0 ] && [ "$faults" -eq 0 ] && faults=1
[ "$played" -lt "$rounds" ] && [ "$faults" -eq 0 ] && faults=1

# "memory after round 500 of 1000: 123456 kB resident"
memory=$(sed -n 's/^memory after round \([0-9]*\) of [0-9]*: \([0-9]*\) kB resident$/\1 \2/p' \
    "$messages")
read -r -a kilobytes <<<"$(awk '{print $2}' <<<"$memory" | tr '\n' ' ')"
memory_text=$(awk '{printf "%s%d MB after round %d", (NR > 1 ? ", " : ""), $2 / 1024, $1}' \
    <<<"$memory")
grew=0
if [ ${#kilobytes[@]} -ge 2 ]; then
    middle=${kilobytes[${#kilobytes[@]} - 2]}
    end=${kilobytes[${#kilobytes[@]} - 1]}
    [ $((end * 100)) -gt $((middle * (100 + allowed_growth_percent))) ] && grew=1
fi

# What the rounds came to on each level: "1-02: 200 rounds, won 180 (90 %), ..."
grep -E '^[0-9]+-[0-9]+: [0-9]+ rounds' "$messages"
echo "soak: $played of $rounds rounds on $level_count levels in $seconds s, exit $status," \
    "faults $faults; memory ${memory_text:-not told}"
if [ "$faults" -ne 0 ]; then
    grep '"result":"error"' "$lines" | head -n 5
    grep -E -A 20 'ERROR: [A-Za-z]*Sanitizer|runtime error:' "$messages" | head -n 40
    [ "$status" -ne 0 ] && tail -n 20 "$messages"
    exit 1
fi
[ "$grew" -eq 0 ] || { echo "soak: memory grew from the middle of the run to its end"; exit 1; }
exit 0
