#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""End-to-end tests of the real hueloupe binary on a private Xvfb, driven through XTEST.

Usage: e2e_test.py HUELOUPE COLOUR_WINDOW
Each step checks what a user sees (screen pixels) or gets (clipboard, settings file).
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

KNOWN = (0x33, 0x66, 0xCC)          # the plain window's colour
KNOWN_RECT = (700, 400, 300, 200)   # x, y, width, height
DEFAULT = (254, 233, 141)           # the first launch's colour
SCREEN = (1280, 800)


class Failure(Exception):
    pass


def run(*args, **kwargs):
    return subprocess.run(args, check=True, capture_output=True, text=True, **kwargs).stdout


def wait_for(what, predicate, timeout=8.0):
    deadline = time.monotonic() + timeout
    value = predicate()
    while not value and time.monotonic() < deadline:
        time.sleep(0.05)
        value = predicate()
    if not value:
        raise Failure(f"timed out waiting for {what}")
    return value


class Screen:
    """A screenshot as raw RGB, read through ImageMagick's PPM output."""

    def __init__(self):
        data = subprocess.run(["import", "-window", "root", "-depth", "8", "ppm:-"],
                              check=True, capture_output=True).stdout
        header = re.match(rb"P6\s+(\d+)\s+(\d+)\s+(\d+)\s", data)
        self.width, self.height = int(header.group(1)), int(header.group(2))
        self.pixels = data[header.end():]

    def at(self, x, y):
        i = (y * self.width + x) * 3
        return tuple(self.pixels[i:i + 3])

    def find(self, colour, rect):
        x0, y0, w, h = rect
        for y in range(max(y0, 0), min(y0 + h, self.height)):
            for x in range(max(x0, 0), min(x0 + w, self.width)):
                if self.at(x, y) == colour:
                    return x, y
        return None

    def count_unlike(self, colour, rect):
        x0, y0, w, h = rect
        return sum(1 for y in range(y0, y0 + h) for x in range(x0, x0 + w)
                   if max(abs(a - b) for a, b in zip(self.at(x, y), colour)) > 24)


class App:
    def __init__(self, binary, config):
        self.binary, self.config = binary, config
        self.process = None
        self.window = None

    def start(self):
        env = dict(os.environ, XDG_CONFIG_HOME=self.config)
        self.process = subprocess.Popen([self.binary], env=env, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL)
        self.window = wait_for("the main window", lambda: self._find_window())
        geometry = run("xdotool", "getwindowgeometry", "--shell", self.window)
        values = dict(line.split("=") for line in geometry.split())
        self.x, self.y = int(values["X"]), int(values["Y"])
        self.width, self.height = int(values["WIDTH"]), int(values["HEIGHT"])

    def _find_window(self):
        result = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid",
                                 str(self.process.pid), "--name", "^Hueloupe$"],
                                capture_output=True, text=True)
        return result.stdout.split()[0] if result.returncode == 0 and result.stdout else None

    # Where things are: the well fills the window below the menu bar, the controls row sits
    # at the bottom.
    def well_point(self):
        return self.x + 30, self.y + 60

    def well_colour(self):
        return Screen().at(*self.well_point())

    def controls_rect(self):
        return self.x, self.y + self.height - 50, self.width, 50

    def copy_button_point(self):
        return self.x + self.width - 60, self.y + self.height - 22

    def keys(self, *keys):
        run("xdotool", "windowfocus", "--sync", self.window, "key", "--delay", "40", *keys)

    def quit(self):
        self.keys("ctrl+q")
        self.process.wait(timeout=10)

    def settings(self):
        path = os.path.join(self.config, "hueloupe", "hueloupe.conf")
        if not os.path.exists(path):
            return None
        with open(path, encoding="utf-8") as f:
            return f.read()


def setting(text, key):
    match = re.search(rf"^{key}=(.*)$", text or "", re.M)
    return match.group(1).strip('"') if match else None


def clipboard():
    return subprocess.run(["xclip", "-o", "-selection", "clipboard"], capture_output=True,
                          text=True, timeout=5).stdout


def put_on_clipboard(text):
    subprocess.run(["xclip", "-i", "-selection", "clipboard"], input=text, text=True, check=True,
                   timeout=10)


def close_to(a, b, tolerance=1):
    return a is not None and max(abs(x - y) for x, y in zip(a, b)) <= tolerance


def steps(app):
    yield "first launch shows the default colour and writes nothing"
    app.start()
    wait_for("the default colour", lambda: close_to(app.well_colour(), DEFAULT))
    time.sleep(0.5)
    if app.settings():
        raise Failure(f"settings written at launch: {app.settings()!r}")

    yield "a press, a drag onto the known colour and a release pick it"
    cx, cy = KNOWN_RECT[0] + KNOWN_RECT[2] // 2, KNOWN_RECT[1] + KNOWN_RECT[3] // 2
    run("xdotool", "mousemove", *map(str, app.well_point()), "mousedown", "1")
    for step in range(1, 11):
        wx, wy = app.well_point()
        run("xdotool", "mousemove", str(wx + (cx - wx) * step // 10), str(wy + (cy - wy) * step // 10))
        time.sleep(0.03)
    run("xdotool", "mouseup", "1")
    wait_for("the picked colour in the well", lambda: close_to(app.well_colour(), KNOWN))
    wait_for('"LastColor" = #3366cc', lambda: setting(app.settings(), "LastColor") == "#3366cc")

    yield "Ctrl+C copies #rrggbb, records the history and shows \"copied\""
    time.sleep(2.2)  # let the hint fade
    run("xdotool", "mousemove", *map(str, app.well_point()))
    app.keys("ctrl+c")
    message_band = (app.x + 40, app.y + 60, app.width - 80, app.height - 150)
    wait_for('"copied" in the well', lambda: Screen().count_unlike(KNOWN, message_band) > 20, 0.7)
    wait_for("#3366cc on the clipboard", lambda: clipboard() == "#3366cc")
    wait_for("the history to start with it",
             lambda: re.search(r"^1=#3366cc$", app.settings() or "", re.M))

    yield "holding the copy button opens the menu; row 6 copies hsl()"
    run("xdotool", "mousemove", *map(str, app.copy_button_point()), "mousedown", "1")
    time.sleep(0.6)
    run("xdotool", "mouseup", "1")
    time.sleep(0.3)
    run("xdotool", "key", "--delay", "60", *(["Down"] * 6), "Return")
    wait_for("hsl() on the clipboard", lambda: clipboard().startswith("hsl("))
    if clipboard() != "hsl(220, 60%, 50%)":
        raise Failure(f"clipboard holds {clipboard()!r}")
    wait_for('"LastFormatter" = row 6',
             lambda: setting(app.settings(), "LastFormatter") == "hsl({h}, {s}%, {l}%)")

    yield "Ctrl+V makes pasted CSS current; junk leaves the colour alone"
    put_on_clipboard("rgb(10, 20, 30)")
    app.keys("ctrl+v")
    wait_for("the pasted colour", lambda: close_to(app.well_colour(), (10, 20, 30)))
    put_on_clipboard("no colour here")
    app.keys("ctrl+v")
    time.sleep(0.5)
    if not close_to(app.well_colour(), (10, 20, 30)):
        raise Failure("junk text changed the colour")
    put_on_clipboard("x" * (10 << 20))
    app.keys("ctrl+v")
    put_on_clipboard("#abcdef")
    app.keys("ctrl+v")
    wait_for("a paste after 10 MB of junk", lambda: close_to(app.well_colour(), (0xAB, 0xCD, 0xEF)))

    yield "a click on a history chip makes its colour current"
    chip = wait_for("chip 0 showing #3366cc", lambda: Screen().find(KNOWN, app.controls_rect()))
    run("xdotool", "mousemove", str(chip[0] + 5), str(chip[1] + 5), "click", "1")
    wait_for("the chip's colour in the well", lambda: close_to(app.well_colour(), KNOWN))

    yield "quit and relaunch: colour, format and history come back"
    app.quit()
    saved = app.settings()
    app.start()
    wait_for("the last colour", lambda: close_to(app.well_colour(), KNOWN))
    if not Screen().find(KNOWN, app.controls_rect()):
        raise Failure("history chip 0 not restored")
    app.keys("ctrl+c")
    wait_for("the remembered format", lambda: clipboard() == "hsl(220, 60%, 50%)")
    if setting(saved, "LastFormatter") != setting(app.settings(), "LastFormatter"):
        raise Failure("the format changed across the restart")
    app.quit()


def start_xvfb():
    read_end, write_end = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0",
                             f"{SCREEN[0]}x{SCREEN[1]}x24", "-nolisten", "tcp"],
                            pass_fds=(write_end,), stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as pipe:
        display = pipe.readline().strip()
    os.environ["DISPLAY"] = f":{display}"
    return xvfb


def main():
    if len(sys.argv) != 3:
        print(__doc__)
        return 2
    for tool in ("Xvfb", "xdotool", "xclip", "import"):
        if not shutil.which(tool):
            print(f"missing {tool}: install the packages of debian-packages.txt")
            return 1
    binary, colour_window = sys.argv[1:]
    os.environ.pop("WAYLAND_DISPLAY", None)
    os.environ["QT_QPA_PLATFORM"] = "xcb"
    os.environ.setdefault("XDG_RUNTIME_DIR", tempfile.mkdtemp(prefix="hueloupe-runtime-"))
    xvfb = start_xvfb()
    config = tempfile.mkdtemp(prefix="hueloupe-e2e-")
    window = subprocess.Popen([colour_window, "#%02x%02x%02x" % KNOWN, *map(str, KNOWN_RECT)])
    app = App(binary, config)
    passed = failed = 0
    try:
        for name in steps(app):
            print(f"step: {name}", flush=True)
            passed += 1
        print("all steps passed")
    except (Failure, subprocess.SubprocessError) as failure:
        failed = 1
        passed -= 1
        print(f"FAILED: {failure}")
        subprocess.run(["import", "-window", "root", os.path.join(config, "failure.png")])
        print(f"screenshot and settings kept in {config}")
    finally:
        if app.process and app.process.poll() is None:
            app.process.kill()
        window.kill()
        subprocess.run(["pkill", "-f", "xclip -i -selection clipboard"], capture_output=True)
        xvfb.terminate()
    if not failed:
        shutil.rmtree(config, ignore_errors=True)
    print(f"{passed} passed, {failed} failed")
    return failed


if __name__ == "__main__":
    sys.exit(main())
