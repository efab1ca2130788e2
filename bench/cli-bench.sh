#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Wall time of `hueloupe-cli convert` over the whole corpus: median of 15 runs.
# Usage: bench/cli-bench.sh [path/to/hueloupe-cli] [corpus]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
cli=${1:-$here/build/bench/src/cli/hueloupe-cli}
corpus=${2:-$here/../shared/bench/colours-100k.txt}
times=()
for _ in $(seq 15); do
    start=$(date +%s%N)
    "$cli" convert <"$corpus" >/dev/null 2>&1 || true
    end=$(date +%s%N)
    times+=($(( (end - start) / 1000 )))
done
median=$(printf '%s\n' "${times[@]}" | sort -n | sed -n 8p)
echo "hueloupe-cli convert, $(wc -l <"$corpus") lines: median $((median / 1000)).$(( (median % 1000) / 100 )) ms (15 runs)"
