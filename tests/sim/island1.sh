#!/usr/bin/env bash
# Plays every level of island 1 in the game folder with ten seeds each: every round must end,
# won or lost, and the program must say so with exit 0. Prints what the rounds came to.
# Usage: island1.sh <tovan-sim> <game folder>
set -euo pipefail
sim=$1
game=$2
rounds=10
summary=$(mktemp)
trap 'rm -f "$summary"' EXIT
for file in "$game"/Levels/Level1-*.zel; do
    level=$(basename "$file" .zel)
    level=${level#Level}
    out=$("$sim" --json --rounds "$rounds" --game "$game" "$level" 2>"$summary") || {
        echo "tovan-sim failed on $level:"; echo "$out"; cat "$summary"; exit 1; }
    ended=$(grep -c '"result":"\(won\|lost\)"' <<<"$out" || true)
    if [ "$ended" -ne "$rounds" ]; then
        echo "$level: $ended of $rounds rounds ended"; echo "$out"; exit 1
    fi
    cat "$summary"
done
