#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Hueloupe picks on a private GNOME Shell desktop on Wayland (gnome_desktop.py): with its loupe
over the portal's Screenshot (never PickColor), whose file must not outlive the pick, `--pick` plus
an arrow key and a press in the colour well give the exact pixel; so does --pick forced onto the
portal's picker. Prints how long the loupe takes to show.

Usage: e2e_gnome.py HUELOUPE COLOUR_WINDOW
Exits 0 when it passed, 1 on a failure, 77 (skipped) when GNOME Shell or the portal is missing.
"""
import os
import re
import subprocess
import sys
import time
import traceback

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(1, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
from waiting import SKIPPED, Failure, poll, wait_for  # noqa: E402
try:
    import gi  # noqa: F401 - PyGObject: D-Bus and images for the harness
except ImportError:
    print("skipped: PyGObject (python3-gi) is missing; install debian-packages.txt")
    sys.exit(SKIPPED)
from gnome_desktop import BACKGROUND, GnomeDesktop, missing_tools, pixel  # noqa: E402
from desktop import Skip  # noqa: E402
from e2e_wayland import Hueloupe  # noqa: E402
from gi.repository import Gio  # noqa: E402

COLOUR = "#c83c1e"
WELL = "#fee98d"  # the colour well's colour at a first launch
FACE = "#141414"  # the strip under the loupe's face that names the colour
RIGHT = 0xff53
# The portal's calls and Responses, as a bus monitor prints them: a header line with the
# wall-clock time, then the arguments indented.
BUS_RULES = ["type='method_call',interface='org.freedesktop.portal.Screenshot'",
             "type='signal',interface='org.freedesktop.portal.Request',member='Response'"]


def read(path):
    try:
        with open(path, "rb") as f:
            return f.read().decode(errors="replace")
    except OSError:
        return ""


def portal_calls(path, mark):
    """(member, time, the Response's uri) of each call and Response the monitor saw after mark."""
    found = []
    for block in re.split(r"\n(?=\S)", read(path)[mark:]):
        header = re.match(r".* time=([\d.]+) .*member=(\w+)", block)
        uri = re.search(r'string "uri"\s+variant\s+string "([^"]*)"', block)
        if header:
            found.append((header.group(2), float(header.group(1)), uri and uri.group(1)))
    return found


def hueloupe(desktop, binary, name, **env):
    """The app, logging when the compositor configures its windows (see loupe_pick)."""
    app = Hueloupe(desktop, binary, name)
    app.env.update(QT_LOGGING_RULES="qt.qpa.wayland=true",
                   QT_MESSAGE_PATTERN="%{time boot} %{message}", **env)
    return app


def printed(pick):
    try:
        out, _ = pick.communicate(timeout=10)
    except subprocess.TimeoutExpired:
        raise Failure("--pick still runs 10 s after the click") from None
    if pick.returncode != 0:
        raise Failure(f"--pick exited with status {pick.returncode}, printing {out!r}")
    return out.strip()


def loupe_pick(desktop, bus, start, pick, target, nudge=False):
    """Starts a pick, waits for the loupe's face beside the pointer and picks the target (one
    pixel to its right with an arrow key); checks that the portal's Screenshot served it and left
    no file. The app logs when the compositor configures its windows: the first full-screen one
    that is active is the loupe on the screen. No screenshot is taken until it is there."""
    log = os.path.join(desktop.logs, "hueloupe.log")
    log_mark, mark, started = len(read(log)), len(read(bus)), time.time()
    process = start()
    shown = poll(lambda: re.search(r"^ *([\d.]+) Applied pending xdg_toplevel configure event: "
                                   r".*WindowFullScreen\|WindowActive", read(log)[log_mark:], re.M),
                 15)
    # The compositor tells a window where the pointer is once it moves.
    wait_for("the loupe's face", lambda: desktop.move(*target) or desktop.find(FACE, wide=100),
             15, 0)
    if nudge:
        desktop.key(RIGHT)
    desktop.click()
    picked = pick(process)
    seen = portal_calls(bus, mark)
    if [member for member, _, _ in seen] != ["Screenshot", "Response"] or not seen[1][2]:
        raise Failure(f"the portal saw {seen}, not a Screenshot and its Response with a file")
    folder = os.path.dirname(Gio.File.new_for_uri(seen[1][2]).get_path())
    if [name for name in os.listdir(folder) if name.lower().endswith(".png")]:
        raise Failure(f"screenshots left behind in {folder}: {os.listdir(folder)}")
    shown = float(shown.group(1)) + time.time() - time.monotonic() if shown else float("nan")
    print(f"    Screenshot called {(seen[0][1] - started) * 1000:.0f} ms after the start, answered"
          f" {(seen[1][1] - seen[0][1]) * 1000:.0f} ms later; the loupe on the screen "
          f"{(shown - seen[1][1]) * 1000:.0f} ms after that")
    return picked


def check(desktop, binary, colour_window):
    bus = os.path.join(desktop.logs, "portal-calls.txt")
    with open(bus, "w", encoding="utf-8") as out:
        desktop.start("dbus-monitor", ["dbus-monitor", "--address", desktop.bus, *BUS_RULES],
                      desktop.env, stdout=out)
    wait_for("the bus monitor", lambda: "NameLost" in read(bus))
    window = desktop.start("colour-window", [desktop.install(colour_window), COLOUR, "0", "0",
                                             "400", "300"],
                           dict(desktop.env, QT_QPA_PLATFORM="wayland"))
    x, y, width, height = wait_for(f"a {COLOUR} window on the screen",
                                   lambda: window.poll() is None and desktop.find(COLOUR))
    edge = (x + width - 1, y + height // 2)  # its last column: the desktop is to its right
    if pixel(desktop.screenshot(), edge[0] + 1, edge[1]) != BACKGROUND:
        raise Failure(f"the window at {x},{y} {width}x{height} has no bare desktop to its right")

    print("case: hueloupe --pick, the pointer on the window's edge, Right, a click")
    app = hueloupe(desktop, binary, "pick")
    picked = loupe_pick(desktop, bus, lambda: app.start("--pick", stdout=subprocess.PIPE,
                                                        text=True), printed, edge, nudge=True)
    if picked != BACKGROUND or app.setting("LastColor") != BACKGROUND:
        raise Failure(f'--pick printed {picked!r}, "LastColor" is {app.setting("LastColor")}; '
                      f"{BACKGROUND} was one pixel right of {edge}")

    print("case: HUELOUPE_PICKER=portal hueloupe --pick: the portal's picker")
    centre = (x + width // 2, y + height // 2)
    app = hueloupe(desktop, binary, "portal", HUELOUPE_PICKER="portal")
    mark, forced = len(read(bus)), app.start("--pick", stdout=subprocess.PIPE, text=True)
    desktop.move(*centre)
    # The portal's picker takes clicks some time after the call: click until it answers.
    wait_for("the portal's picker to take a click",
             lambda: forced.poll() is not None or desktop.click(), 15, 0.3)
    picked, members = printed(forced), [member for member, _, _ in portal_calls(bus, mark)]
    if picked != COLOUR or members[:1] != ["PickColor"]:
        raise Failure(f"the portal's picker gave {picked!r} at {centre}, not {COLOUR}; the "
                      f"portal saw {members}")

    print("case: a press in the window's colour well, a click on the colour window")
    app = hueloupe(desktop, binary, "window")
    app.start()
    well_x, well_y, well_width, well_height = wait_for("the colour well",
                                                       lambda: desktop.find(WELL))
    x, y, width, _ = desktop.find(COLOUR)  # the window may be partly covered now
    desktop.move(well_x + well_width // 2, well_y + well_height // 3)
    # Held: an inactive window starts the pick only after a while.
    loupe_pick(desktop, bus, lambda: desktop.click(hold=0.5),
               lambda _: wait_for(f'"LastColor" = {COLOUR}',
                                  lambda: app.setting("LastColor") == COLOUR, 10),
               (x + width // 2, y))


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
        check(desktop, *sys.argv[1:3])
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
