#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Time of `hueloupe-cli convert` over the whole corpus: medians of 15 runs, wall clock and
# CPU (user + system; the steadier figure on a busy machine).
# Usage: bench/cli-bench.sh [path/to/hueloupe-cli] [corpus]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
cli=${1:-$here/build/bench/src/cli/hueloupe-cli}
corpus=${2:-$here/bench/corpus/colours-100k.txt}
if [ ! -s "$corpus" ]; then
    echo "cli-bench: no corpus at $corpus" >&2
    exit 2
fi
times=$(mktemp)
trap 'rm -f "$times"' EXIT
TIMEFORMAT='%R %U %S'
for _ in $(seq 15); do
    { time { "$cli" convert <"$corpus" >/dev/null 2>&1 || [ $? -eq 1 ]; }; } 2>>"$times"
done
median() { sort -n | sed -n 8p; }
wall=$(awk '{ print $1 * 1000 }' "$times" | median)
cpu=$(awk '{ print ($2 + $3) * 1000 }' "$times" | median)
echo "hueloupe-cli convert, $(wc -l <"$corpus") lines: median $wall ms wall, $cpu ms CPU (15 runs)"
