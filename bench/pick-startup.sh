#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Time from `hueloupe --pick` to the loupe on screen against the main window's own start-up:
# exec to the first window mapped (bench/StartupProbe.cpp; for the pick, a loupe window, which
# bypasses the window manager), median of N runs each, taken in turn
# in the same run on a private Xvfb with a private session bus (no instance running).
# Usage: bench/pick-startup.sh [runs]     (default 20)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-20}
build=$here/build/bench
cmake --preset bench >/dev/null && cmake --build --preset bench >/dev/null

exec 3< <(exec Xvfb -displayfd 1 -screen 0 1280x800x24 -nolisten tcp 2>/dev/null)
xvfb=$!
read -r display <&3
export DISPLAY=:$display QT_QPA_PLATFORM=xcb
exec 4< <(exec dbus-daemon --session --nofork --print-address=1 2>/dev/null)
bus_daemon=$!
read -r bus <&4
export DBUS_SESSION_BUS_ADDRESS=$bus
config=$(mktemp -d)
export XDG_CONFIG_HOME=$config/config XDG_RUNTIME_DIR=$config
trap 'kill "$xvfb" "$bus_daemon" 2>/dev/null || true; rm -rf "$config"' EXIT

probe=$build/bench/startup_probe
app=$build/src/app/hueloupe
window=() pick=()
# In turn until each has its runs; a run whose probe fails (rare, on a loaded machine) is retried.
for _ in $(seq $((runs * 2))); do
    if [ ${#window[@]} -lt "$runs" ]; then
        read -r t _ < <("$probe" "$app" 2>/dev/null) && window+=("$t")
    fi
    if [ ${#pick[@]} -lt "$runs" ]; then
        read -r t _ < <("$probe" -o "$app" --pick 2>/dev/null) && pick+=("$t")
    fi
done
median() { printf '%s\n' "$@" | sort -n | sed -n "$(( ($# + 1) / 2 ))p"; }
w=$(median "${window[@]}") p=$(median "${pick[@]}")
printf 'window start-up      %6.1f ms (median of %d)\n' "$w" "${#window[@]}"
printf 'pick to loupe shown  %6.1f ms (median of %d)\n' "$p" "${#pick[@]}"
printf 'ratio                %6.2f (target: at most 1.5)\n' "$(echo "$p / $w" | bc -l)"
