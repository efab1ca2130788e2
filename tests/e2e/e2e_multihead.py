#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""End-to-end picks on two monitors, driven through XTEST.

Xephyr runs inside a private Xvfb with two Xinerama heads: 1280x800 at 0,0 and 1024x768 at
1280,0. Its RandR names only the first, so Qt sees one screen. For scale factors 1, 1.5 and 2
the app picks known colours on both heads: a press in the colour well, a drag to the pixel, a
release; the loupe must show the colour on the pointer's head, and "LastColor" must hold it.

Usage: e2e_multihead.py HUELOUPE COLOUR_WINDOW
Exits 77 (skipped) when a tool is missing, 1 when a step fails.
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile

sys.dont_write_bytecode = True  # nothing written into the source tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from waiting import Failure, wait_for  # noqa: E402
from xdisplay import Screen, geometry, run, start_server, visible_windows, x11_test_setup  # noqa: E402

HEADS = ((0, 0, 1280, 800), (1280, 0, 1024, 768))  # x, y, width, height
# Colour windows (x, y, width, height) and where to pick in each.
WINDOWS = {
    (0x33, 0x66, 0xCC): ((700, 300, 300, 200), (850, 400)),      # the first head
    (0xD0, 0x40, 0x20): ((1700, 200, 300, 200), (1850, 300)),    # the second
    (0x20, 0xA0, 0x60): ((2200, 600, 104, 168), (2300, 764)),    # the second's far corner
}
SCALES = ("1", "1.5", "2")
LOUPE = (150, 174)  # logical size; the centre cell's middle is at 75, 75


def inside(rect, outer):
    x, y, w, h = rect
    ox, oy, ow, oh = outer
    return ox <= x and oy <= y and x + w <= ox + ow and y + h <= oy + oh


def head_of(point):
    return next(h for h in HEADS if inside((*point, 1, 1), h))


def setting(config, key):
    path = os.path.join(config, "hueloupe", "hueloupe.conf")
    if not os.path.exists(path):
        return None
    with open(path, encoding="utf-8") as f:
        match = re.search(rf"^{key}=(.*)$", f.read(), re.M)
    return match.group(1).strip('"') if match else None


def pick(app, config, main, colour, target, scale):
    """Presses in the well, drags to the target, checks the loupe there, releases."""
    x, y, _, _ = geometry(main)
    well = (x + round(40 * scale), y + round(80 * scale))  # below the menu bar
    run("xdotool", "mousemove", *map(str, well), "mousedown", "1")
    run("xdotool", "mousemove", str(well[0] + 20), str(well[1] + 20))
    loupe = wait_for("the loupe", lambda: next(
        (w for w in visible_windows(app.pid) if w != main), None))
    run("xdotool", "mousemove", *map(str, target))
    size = tuple(round(n * scale) for n in LOUPE)
    head = head_of(target)

    def loupe_on_head_showing_colour():
        rect = geometry(loupe)
        centre = (rect[0] + round(75 * scale), rect[1] + round(75 * scale))
        return (rect[2:] == size and inside(rect, head)
                and Screen((*centre, 1, 1)).at(*centre) == colour)
    wait_for(f"the loupe on head {head} showing {colour}", loupe_on_head_showing_colour)
    run("xdotool", "mouseup", "1")
    hex_colour = "#%02x%02x%02x" % colour
    wait_for(f"LastColor {hex_colour}", lambda: setting(config, "LastColor") == hex_colour)
    wait_for("the loupe to go", lambda: loupe not in visible_windows(app.pid))


def session(binary, scale):
    config = tempfile.mkdtemp(prefix="hueloupe-heads-")
    env = dict(os.environ, XDG_CONFIG_HOME=config, QT_SCALE_FACTOR=scale)
    app = subprocess.Popen([binary], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        main = wait_for("the main window",
                        lambda: visible_windows(app.pid, "^Hueloupe$")[:1], 30)[0]
        for colour, (_, target) in WINDOWS.items():
            yield f"scale {scale}: pick {'#%02x%02x%02x' % colour} at {target}"
            pick(app, config, main, colour, target, float(scale))
    except (Failure, subprocess.SubprocessError) as failure:
        shot = os.path.join(tempfile.mkdtemp(prefix="hueloupe-heads-failure-"), "screen.ppm")
        Screen().save(shot)
        raise Failure(f"{failure}; the screen is in {shot}") from failure
    finally:
        app.kill()
        app.wait()
        shutil.rmtree(config, ignore_errors=True)


def main():
    if len(sys.argv) != 3:
        print(__doc__)
        return 2
    skipped = x11_test_setup(("Xvfb", "Xephyr", "xdotool"))
    if skipped is not None:
        return skipped
    binary, colour_window = sys.argv[1:]
    servers, windows = [], []
    failed = 0
    try:
        servers.append(start_server(["Xvfb", "-screen", "0", "2400x900x24"]))
        servers.append(start_server(["Xephyr", "+xinerama", "-screen", "1280x800",
                                     "-screen", "1024x768"], env=dict(os.environ)))
        for colour, (rect, _) in WINDOWS.items():
            windows.append(subprocess.Popen([colour_window, "#%02x%02x%02x" % colour,
                                             *map(str, rect)], stderr=subprocess.DEVNULL))
        wait_for("the colour windows", lambda: all(
            Screen().at(*target) == colour for colour, (_, target) in WINDOWS.items()), 30)
        for scale in SCALES:
            for name in session(binary, scale):
                print(f"step: {name}", flush=True)
        print("all steps passed")
    except (Failure, subprocess.SubprocessError) as failure:
        failed = 1
        print(f"FAILED: {failure}")
    finally:
        for process in windows + servers[::-1]:
            process.kill()
            process.wait()
    return failed


if __name__ == "__main__":
    sys.exit(main())
