#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The screen loupe on X11, on private servers at two desktop sizes:
#   1280 x 800       Xvfb -screen 0 1280x800x24
#   2 x 3840 x 2160  Xephyr +xinerama with two 3840x2160 screens, inside a 7680x2160 Xvfb
# For each: press to loupe on screen (loupe_startup: P processes of N picks each; the first pick
# of a process is cold, the others warm), then each pointer move (loupe_bench, 7 repetitions).
# Prints medians and, in brackets, the lowest and highest run.
# Usage: bench/loupe.sh [processes] [picks]     (default 7 processes of 10 picks)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
processes=${1:-7}
picks=${2:-10}
build=$here/build/bench
cmake --preset bench >/dev/null && cmake --build --preset bench >/dev/null
export QT_QPA_PLATFORM=xcb
config=$(mktemp -d)
export XDG_CONFIG_HOME=$config/config XDG_RUNTIME_DIR=$config
servers=()  # ours alone: other X servers on this machine are left running
trap 'kill "${servers[@]}" 2>/dev/null || true; rm -rf "$config"' EXIT

# Starts an X server (on the current DISPLAY, for Xephyr) and makes it DISPLAY.
server() {
    local fd
    exec {fd}< <(exec "$@" -displayfd 1 -nolisten tcp -noreset 2>/dev/null)
    servers+=($!)
    read -r display <&"$fd"
    export DISPLAY=:$display
}

# "median [lowest-highest]" of numbers, one a line on stdin.
spread() {
    sort -n | awk '{ v[NR] = $1 } END { printf "%6.1f [%.1f-%.1f]", v[int((NR + 1) / 2)], v[1], v[NR] }'
}

measure() {
    local name=$1 runs
    runs=$(for _ in $(seq "$processes"); do "$build/bench/loupe_startup" "$picks"; done | grep -v '^#')
    echo "== $name: ms from Picker::start (median [lowest-highest])"
    for kind in cold warm; do
        printf '  %s (%3d picks)  capture %s  shown %s  painted %s\n' "$kind" \
            "$(grep -c "^$kind" <<<"$runs")" \
            "$(awk -v k="$kind" '$1 == k { print $2 }' <<<"$runs" | spread)" \
            "$(awk -v k="$kind" '$1 == k { print $3 }' <<<"$runs" | spread)" \
            "$(awk -v k="$kind" '$1 == k { print $4 }' <<<"$runs" | spread)"
    done
    "$build/bench/loupe_bench" --benchmark_repetitions=7 --benchmark_report_aggregates_only=true \
        2>/dev/null | grep -E '_(median|cv) '
}

server Xvfb -screen 0 1280x800x24
measure "1280 x 800"
kill "${servers[@]}"; servers=()
server Xvfb -screen 0 7680x2160x24
server Xephyr +xinerama -screen 3840x2160 -screen 3840x2160
measure "two 3840 x 2160 heads"
