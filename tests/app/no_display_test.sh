#!/bin/sh
# SPDX-License-Identifier: MIT
# hueloupe without a display says so in one line and exits 1, instead of Qt's abort; a usage
# error exits 2 before any display is looked for (e2e_x11 checks that -display reaches a display
# when DISPLAY is unset). Usage: no_display_test.sh HUELOUPE
set -u
app=$1
nodisplay='hueloupe: cannot open a display (DISPLAY or WAYLAND_DISPLAY)'
free=99  # a display number no server answers on
while [ -e "/tmp/.X11-unix/X$free" ] || [ -e "/tmp/.X$free-lock" ]; do free=$((free + 1)); done
failed=0
# expected status | expected first line of standard error | environment | arguments
check() {
    status=$1 line=$2 environment=$3
    shift 3
    err=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_SESSION_TYPE $environment \
          "$app" "$@" 2>&1 >/dev/null)
    got=$?
    [ "$status" = 2 ] && err=$(printf '%s\n' "$err" | head -n 1)  # the usage follows
    if [ "$got" != "$status" ] || [ "$err" != "$line" ]; then
        echo "FAIL: [$environment] $*: status $got (want $status), stderr:"
        printf '%s\n' "$err" | head -n 5
        failed=1
    fi
}
check 1 "$nodisplay" ""
check 1 "$nodisplay" "DISPLAY=:$free"
check 1 "$nodisplay" "DISPLAY=:$free" --pick --format hex
check 1 "$nodisplay" "" -platform xcb
check 2 "hueloupe: unknown option '--frobnicate'" "DISPLAY=:$free" --frobnicate
check 1 "$nodisplay" "" -display ":$free"

exit $failed
