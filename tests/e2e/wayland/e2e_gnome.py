#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""The private GNOME desktop works for end-to-end tests: a window of a known colour shows, the
portal's non-interactive screenshot holds it pixel for pixel, and the portal's colour picker
takes a click sent through the compositor.

Usage: e2e_gnome.py COLOUR_WINDOW
Exits 0 when it passed, 1 on a failure, 77 (skipped) when GNOME Shell or the portal is missing.
"""
import json
import os
import subprocess
import sys
import time
import traceback

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(1, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
from waiting import SKIPPED, Failure, wait_for  # noqa: E402
try:
    import gi  # noqa: F401 - PyGObject: D-Bus and images for the harness
except ImportError:
    print("skipped: PyGObject (python3-gi) is missing; install debian-packages.txt")
    sys.exit(SKIPPED)
from gnome_desktop import GnomeDesktop, image, missing_tools, pixel  # noqa: E402
from desktop import Skip  # noqa: E402

COLOUR = "#c83c1e"


def ask_portal(desktop, method):
    script = desktop.install(os.path.join(os.path.dirname(os.path.abspath(__file__)),
                                          "portal_request.py"))
    return desktop.start(f"portal-{method}", [sys.executable, script, method],
                         desktop.env, stdout=subprocess.PIPE, text=True)


def answer_of(request):
    try:
        out, _ = request.communicate(timeout=35)
    except subprocess.TimeoutExpired:
        raise Failure("no Response from the portal within 35 s") from None
    answer = json.loads(out or "{}")
    if answer.get("code") != 0:
        raise Failure(f"the portal answered {answer or 'nothing'}")
    return answer


def check(desktop, colour_window):
    window = desktop.start("colour-window", [desktop.install(colour_window), COLOUR, "0", "0",
                                             "400", "300"],
                           dict(desktop.env, QT_QPA_PLATFORM="wayland"))
    x, y, width, height = wait_for(f"a {COLOUR} window on the screen",
                                   lambda: window.poll() is None and desktop.find(COLOUR))
    print(f"  the window landed at {x},{y} {width}x{height}")
    centre = (x + width // 2, y + height // 2)

    answer = answer_of(ask_portal(desktop, "Screenshot"))
    uri = answer["results"].get("uri", "")
    shot = image(uri)
    print(f"  portal Screenshot: Response after {answer['seconds'] * 1000:.0f} ms, "
          f"{shot.get_width()}x{shot.get_height()}")
    if pixel(shot, *centre) != COLOUR:
        raise Failure(f"the portal's screenshot shows {pixel(shot, *centre)} at {centre}, "
                      f"not {COLOUR}")

    request = ask_portal(desktop, "PickColor")
    desktop.move(*centre)
    # The picker takes clicks some time after the call: click until it answers.
    wait_for("the picker to take a click", lambda: request.poll() is not None or desktop.click(),
             15, 0.3)
    answer = answer_of(request)
    picked = "#" + "".join(f"{round(c * 255):02x}" for c in answer["results"]["color"])
    print(f"  portal PickColor: {picked} after a click at {centre}")
    if picked != COLOUR:
        raise Failure(f"the picker answered {picked}, not {COLOUR}")


def main():
    missing = missing_tools()
    if missing:
        print(f"skipped: missing {', '.join(missing)}; install debian-packages.txt")
        return SKIPPED
    started = time.monotonic()
    try:
        desktop = GnomeDesktop()
    except Skip as reason:
        print(f"skipped: {reason}")
        return SKIPPED
    failed = False
    try:
        desktop.open()
        print(f"desktop up in {time.monotonic() - started:.1f} s", flush=True)
        check(desktop, sys.argv[1])
    except Exception as failure:  # noqa: BLE001 - any fault fails the test, after the clean-up
        failed = True
        if not isinstance(failure, Failure):
            traceback.print_exc()
        print(f"FAILED: {failure}\n{desktop.log_tails()}\nlogs kept in {desktop.logs}")
    finally:
        try:
            desktop.close()
        except Failure as failure:
            failed = True
            print(f"FAILED: {failure}")
    if not failed:
        desktop.remove()
    print(f"took {time.monotonic() - started:.1f} s")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
