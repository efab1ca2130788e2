#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Startup time (exec to the main window mapped) and resident memory 1 s later, median of N runs,
# for Hueloupe, a bare Qt window and the peers that are installed, on a private Xvfb.
# Usage: bench/startup.sh [runs]     (HUELOUPE_BENCH_PEERS=1 installs the peers first)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-11}
build=$here/build/bench
if [ "${HUELOUPE_BENCH_PEERS:-0}" = 1 ]; then
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq gcolor3 gpick kcolorchooser >/dev/null
fi
cmake --preset bench >/dev/null && cmake --build --preset bench >/dev/null

exec 3< <(exec Xvfb -displayfd 1 -screen 0 1280x800x24 -nolisten tcp 2>/dev/null)
xvfb=$!  # ours alone: other people's X servers on this machine are left running
trap 'kill "$xvfb" 2>/dev/null || true' EXIT
read -r display <&3
export DISPLAY=:$display
config=$(mktemp -d)
export XDG_CONFIG_HOME=$config

measure() {
    local name=$1; shift
    command -v "$1" >/dev/null || [ -x "$1" ] || { echo "$name: not installed"; return; }
    local times=() rss=()
    for _ in $(seq "$runs"); do
        read -r t r < <("$build/bench/startup_probe" "$@" 2>/dev/null) || continue
        times+=("$t"); rss+=("$r")
    done
    [ ${#times[@]} -gt 0 ] || { echo "$name: no window"; return; }
    local mid=$(( (${#times[@]} + 1) / 2 ))
    local t=$(printf '%s\n' "${times[@]}" | sort -n | sed -n "${mid}p")
    local r=$(printf '%s\n' "${rss[@]}" | sort -n | sed -n "${mid}p")
    printf '%-16s startup %6.1f ms   resident %5.1f MiB\n' "$name" "$t" "$(echo "$r / 1024" | bc -l)"
}

measure hueloupe "$build/src/app/hueloupe"
measure "bare Qt window" "$build/bench/bare_window"
measure gcolor3 gcolor3
measure gpick gpick
measure kcolorchooser kcolorchooser
rm -rf "$config"
