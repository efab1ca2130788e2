#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""End-to-end tests of the real hueloupe binary on a private Xvfb, driven through XTEST.

Usage: e2e_test.py HUELOUPE COLOUR_WINDOW
Each step checks what a user sees (screen pixels) or gets (clipboard, settings file), and waits
for conditions with a deadline, never for a fixed time.
Exits 0 when every step passed, 1 on a failure, 77 (skipped) when a tool is missing.
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile

sys.dont_write_bytecode = True  # nothing written into the source tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from waiting import Failure, wait_exit, wait_for  # noqa: E402
from xdisplay import Screen, geometry, run, start_server, visible_windows, x11_test_setup  # noqa: E402

KNOWN = (0x33, 0x66, 0xCC)          # the plain window's colour
KNOWN_RECT = (700, 400, 300, 200)   # x, y, width, height
DEFAULT = (254, 233, 141)           # the first launch's colour
SCREEN = (1280, 800)
TEXT_PIXELS = 20  # more pixels than this unlike the well's colour: the overlay shows text


class App:
    def __init__(self, binary, config):
        self.binary, self.config = binary, config
        self.process = None
        self.window = None

    def start(self):
        env = dict(os.environ, XDG_CONFIG_HOME=self.config)
        self.process = subprocess.Popen([self.binary], env=env, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL)
        self.window = wait_for("the main window", lambda: visible_windows(
            self.process.pid, "^Hueloupe$")[:1], 30)[0]
        self.x, self.y, self.width, self.height = geometry(self.window)

    def popups(self):
        """The app's mapped windows besides the main one: the loupe, a menu."""
        return [w for w in visible_windows(self.process.pid) if w != self.window]

    # Where things are: the well fills the window below the menu bar, the controls row sits
    # at the bottom, and messages show in a band across the well.
    def well_point(self):
        return self.x + 30, self.y + 60

    def well_colour(self):
        return Screen((*self.well_point(), 1, 1)).at(*self.well_point())

    def message_band(self):
        return self.x + 40, self.y + 60, self.width - 80, self.height - 150

    def text_in_well(self, colour):
        return Screen(self.message_band()).count_unlike(colour, self.message_band()) > TEXT_PIXELS

    def wait_for_message(self, what, colour):
        wait_for(f'"{what}" in the well', lambda: self.text_in_well(colour))

    def wait_for_plain_well(self, what, colour):
        wait_for(what, lambda: not self.text_in_well(colour))

    def controls_rect(self):
        return self.x, self.y + self.height - 50, self.width, 50

    def copy_button_point(self):
        return self.x + self.width - 60, self.y + self.height - 22

    def keys(self, *keys):
        run("xdotool", "windowfocus", "--sync", self.window, "key", "--delay", "40", *keys)

    def quit(self):
        self.keys("ctrl+q")
        wait_exit(self.process, "the app to quit")

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
                          text=True, timeout=30).stdout


class Clipboard:
    """Offers text on the clipboard through xclip processes of our own, ended by pid."""

    def __init__(self):
        self.servers = []

    def put(self, text):
        # In the foreground xclip serves until another owner takes the selection.
        server = subprocess.Popen(["xclip", "-quiet", "-i", "-selection", "clipboard"],
                                  stdin=subprocess.PIPE, stdout=subprocess.DEVNULL,
                                  stderr=subprocess.DEVNULL, text=True)
        self.servers.append(server)
        server.stdin.write(text)
        server.stdin.close()
        wait_for(f"xclip to offer {text[:20]!r}", lambda: clipboard() == text)

    def close(self):
        for server in self.servers:
            server.kill()
            server.wait()


def close_to(a, b, tolerance=1):
    return a is not None and max(abs(x - y) for x, y in zip(a, b)) <= tolerance


def steps(app, offer):
    yield "first launch shows the default colour and writes nothing"
    app.start()
    wait_for("the default colour", lambda: close_to(app.well_colour(), DEFAULT))
    # The hint shows for 2.0 s after launch: by the time it has gone, a write at launch would
    # have happened.
    app.wait_for_plain_well("the hint to expire", DEFAULT)
    if app.settings():
        raise Failure(f"settings written at launch: {app.settings()!r}")

    yield "a press, a drag onto the known colour and a release pick it"
    cx, cy = KNOWN_RECT[0] + KNOWN_RECT[2] // 2, KNOWN_RECT[1] + KNOWN_RECT[3] // 2
    wx, wy = app.well_point()
    run("xdotool", "mousemove", str(wx), str(wy), "mousedown", "1")
    wait_for("the loupe", app.popups)
    run("xdotool", *(arg for step in range(1, 11) for arg in (
        "mousemove", str(wx + (cx - wx) * step // 10), str(wy + (cy - wy) * step // 10))))
    run("xdotool", "mouseup", "1")
    wait_for("the picked colour in the well", lambda: close_to(app.well_colour(), KNOWN))
    wait_for('"LastColor" = #3366cc', lambda: setting(app.settings(), "LastColor") == "#3366cc")

    yield "Ctrl+C copies #rrggbb, records the history and shows \"copied\""
    wait_for("the loupe to go", lambda: not app.popups())
    app.wait_for_plain_well("no text over the well", KNOWN)
    run("xdotool", "mousemove", *map(str, app.well_point()))
    app.keys("ctrl+c")
    app.wait_for_message("copied", KNOWN)
    wait_for("#3366cc on the clipboard", lambda: clipboard() == "#3366cc")
    wait_for("the history to start with it",
             lambda: re.search(r"^1=#3366cc$", app.settings() or "", re.M))

    yield "holding the copy button opens the menu; row 6 copies hsl()"
    run("xdotool", "mousemove", *map(str, app.copy_button_point()), "mousedown", "1")
    wait_for("the format menu", app.popups)
    run("xdotool", "mouseup", "1")
    run("xdotool", "key", "--delay", "60", *(["Down"] * 6), "Return")
    wait_for("hsl() on the clipboard", lambda: clipboard().startswith("hsl("))
    if clipboard() != "hsl(220, 60%, 50%)":
        raise Failure(f"clipboard holds {clipboard()!r}")
    wait_for('"LastFormatter" = row 6',
             lambda: setting(app.settings(), "LastFormatter") == "hsl({h}, {s}%, {l}%)")

    yield "Ctrl+V makes pasted CSS current; junk leaves the colour alone"
    offer("rgb(10, 20, 30)")
    app.keys("ctrl+v")
    wait_for("the pasted colour", lambda: close_to(app.well_colour(), (10, 20, 30)))
    # A paste answers with a message; once the last one has gone, the next one shows that the
    # app has read the clipboard, and the well is painted with its outcome.
    for junk in ("no colour here", "x" * (10 << 20)):
        app.wait_for_plain_well("the last message to go", (10, 20, 30))
        offer(junk)
        app.keys("ctrl+v")
        app.wait_for_message(f"the answer to a paste of {len(junk)} bytes of junk", (10, 20, 30))
        if not close_to(app.well_colour(), (10, 20, 30)):
            raise Failure(f"{len(junk)} bytes of junk changed the colour")
    offer("#abcdef")
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
    wait_for("history chip 0 restored", lambda: Screen().find(KNOWN, app.controls_rect()))
    app.keys("ctrl+c")
    wait_for("the remembered format", lambda: clipboard() == "hsl(220, 60%, 50%)")
    if setting(saved, "LastFormatter") != setting(app.settings(), "LastFormatter"):
        raise Failure("the format changed across the restart")
    app.quit()


def main():
    if len(sys.argv) != 3:
        print(__doc__)
        return 2
    skipped = x11_test_setup(("Xvfb", "xdotool", "xclip"))
    if skipped is not None:
        return skipped
    binary, colour_window = sys.argv[1:]
    config = tempfile.mkdtemp(prefix="hueloupe-e2e-")
    app = App(binary, config)
    clipboard_servers = Clipboard()
    xvfb = window = None
    passed = failed = 0
    try:
        xvfb = start_server(["Xvfb", "-screen", "0", f"{SCREEN[0]}x{SCREEN[1]}x24"])
        window = subprocess.Popen([colour_window, "#%02x%02x%02x" % KNOWN, *map(str, KNOWN_RECT)])
        centre = (KNOWN_RECT[0] + KNOWN_RECT[2] // 2, KNOWN_RECT[1] + KNOWN_RECT[3] // 2)
        wait_for("the colour window", lambda: Screen((*centre, 1, 1)).at(*centre) == KNOWN, 30)
        for name in steps(app, clipboard_servers.put):
            print(f"step: {name}", flush=True)
            passed += 1
        print("all steps passed")
    except (Failure, subprocess.SubprocessError) as failure:
        failed = 1
        passed = max(passed - 1, 0)
        print(f"FAILED: {failure}")
        if xvfb:
            Screen().save(os.path.join(config, "failure.ppm"))
        print(f"screenshot and settings kept in {config}")
    finally:
        if app.process and app.process.poll() is None:
            app.process.kill()
            app.process.wait()
        for process in (window, xvfb):
            if process:
                process.kill()
                process.wait()
        clipboard_servers.close()
    if not failed:
        shutil.rmtree(config, ignore_errors=True)
    print(f"{passed} passed, {failed} failed")
    return failed


if __name__ == "__main__":
    sys.exit(main())
