#!/usr/bin/env bash
# Plays the levels of island 1 with ten seeds each: every round must end, won or lost,
# and the program must say so with exit 0. Prints what the rounds came to.
# Usage: island1.sh <tovan-sim> <game folder>
set -euo pipefail
sim=$1
game=$2
rounds=10
summary=$(mktemp)
trap 'rm -f "$summary"' EXIT
for level in 1-01 1-02 1-03 1-08; do
    out=$("$sim" --json --rounds "$rounds" --game "$game" "$level" 2>"$summary") || {
        echo "tovan-sim failed on $level:"; echo "$out"; cat "$summary"; exit 1; }
    ended=$(grep -c '"result":"\(won\|lost\)"' <<<"$out" || true)
    if [ "$ended" -ne "$rounds" ]; then
        echo "$level: $ended of $rounds rounds ended"; echo "$out"; exit 1
    fi
    cat "$summary"
done
