#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""End-to-end tests of `hueloupe --pick` and of the one running instance, on a private Xvfb.

Usage: e2e_pick.py HUELOUPE COLOUR_WINDOW
Exits 0 when every case passed, 1 on a failure, 77 (skipped) when a tool is missing.
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

sys.dont_write_bytecode = True  # nothing written into the source tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from waiting import Failure, wait_for  # noqa: E402
from xdisplay import start_server, visible_windows, x11_test_setup  # noqa: E402

BLUE, BLUE_RECT = "#3366cc", (700, 400, 300, 200)
ORANGE, ORANGE_RECT = "#cc6633", (100, 400, 300, 200)
NO_BUS = "unix:path=/nonexistent/hueloupe-test-bus"


def xdotool(*args):
    result = subprocess.run(["xdotool", *map(str, args)], capture_output=True, text=True)
    return result.stdout.split() if result.returncode == 0 else []


def centre(rect):
    return rect[0] + rect[2] // 2, rect[1] + rect[3] // 2


def clipboard():
    return subprocess.run(["xclip", "-o", "-selection", "clipboard"], capture_output=True,
                          text=True, timeout=5).stdout


def processes_with(config):
    """The processes whose environment names this settings folder: the app and its helpers."""
    marker = f"XDG_CONFIG_HOME={config}\0".encode()
    found = set()
    for pid in filter(str.isdigit, os.listdir("/proc")):
        try:
            with open(f"/proc/{pid}/environ", "rb") as f:
                if marker in f.read():
                    found.add(pid)
        except OSError:
            pass
    return found


class Hueloupe:
    def __init__(self, binary, config, bus):
        self.binary, self.config = binary, config
        self.env = dict(os.environ, XDG_CONFIG_HOME=config, DBUS_SESSION_BUS_ADDRESS=bus)
        self.file = os.path.join(config, "hueloupe", "hueloupe.conf")

    def start(self, *args):
        return subprocess.Popen([self.binary, *args], env=self.env, stdout=subprocess.PIPE,
                                stderr=subprocess.DEVNULL, text=True)

    def settings(self):
        try:
            with open(self.file, encoding="utf-8") as f:
                return f.read()
        except OSError:
            return ""

    def setting(self, key):
        match = re.search(rf"^{re.escape(key)}=(.*)$", self.settings(), re.M)
        return match.group(1).strip('"') if match else None

    def history(self):
        return [self.setting(str(i)) for i in range(1, 6)]


def main_window(process):
    return wait_for("the main window", lambda: visible_windows(process.pid, "^Hueloupe$"))[0]


def pick_on_screen(picker_pid, rect, others=()):
    """Waits for the loupe of a process, moves it onto the rectangle and clicks."""
    def loupe():
        shown = set(visible_windows(picker_pid)) - set(others)
        return sorted(shown)[0] if shown else None
    window = wait_for("the loupe", loupe)
    x, y = centre(rect)
    xdotool("mousemove", x, y)
    # The loupe follows a pointer it has grabbed: once it has moved there, the click is its.
    wait_for("the loupe to follow the pointer", lambda: near(window, x, y))
    xdotool("click", 1)
    return window


def near(window, x, y):
    geometry = dict(line.split("=") for line in xdotool("getwindowgeometry", "--shell", window))
    if not geometry:
        return False
    wx, wy = int(geometry["X"]), int(geometry["Y"])
    return abs(wx - x) < 400 and abs(wy - y) < 400 and (wx, wy) != (0, 0)


def finish(process, timeout=10):
    try:
        out, _ = process.communicate(timeout=timeout)
    except subprocess.TimeoutExpired:
        process.kill()
        raise Failure(f"{process.args[1:]} still runs {timeout} s later") from None
    return process.returncode, out


def expect(what, got, wanted):
    if got != wanted:
        raise Failure(f"{what}: {got!r}, not {wanted!r}")


def case_one_shot(app):
    xdotool("mousemove", 20, 20)
    pick = app.start("--pick", "--format", "hex")
    pick_on_screen(pick.pid, BLUE_RECT)
    expect("--pick exit and output", finish(pick), (0, BLUE + "\n"))
    expect("the clipboard after --pick exited", wait_for("a clipboard", clipboard, 5), BLUE)
    expect("LastColor", app.setting("LastColor"), BLUE)
    expect("LastFormatter", app.setting("LastFormatter"), "#{rr}{gg}{bb}")
    expect("ColorHistory", app.history()[:2], [BLUE, "#bce368"])


def case_escape(app):
    before, helpers = app.settings(), processes_with(app.config)
    pick = app.start("--pick")
    wait_for("the loupe", lambda: visible_windows(pick.pid))
    xdotool("key", "Escape")
    expect("--pick after Esc: exit and output", finish(pick), (1, ""))
    expect("the settings after Esc", app.settings(), before)
    expect("the processes after Esc", processes_with(app.config), helpers)


def case_running_instance(app):
    window = app.start()
    try:
        own = main_window(window)
        pick = app.start("--pick", "--format", "rgb")
        pick_on_screen(window.pid, ORANGE_RECT, others=[own])
        expect("--pick through the window", finish(pick), (0, "rgb(204, 102, 51)\n"))
        if visible_windows(pick.pid):
            raise Failure("the caller opened a window")
        expect("the window's history", app.history()[:2], [ORANGE, BLUE])
        expect("LastColor", app.setting("LastColor"), ORANGE)
        expect("the clipboard", clipboard(), "rgb(204, 102, 51)")
        started = time.monotonic()
        expect("a second launch", finish(app.start(), 5), (0, ""))
        print(f"  a second launch ended after {time.monotonic() - started:.2f} s")
        shown = xdotool("search", "--onlyvisible", "--name", "^Hueloupe$")
        expect("windows after a second launch", shown, [own])
        # The desktop's "Pick a Colour" action: the window's loupe, as a press in its well.
        subprocess.run(["gdbus", "call", "--session", "--dest", "org.hueloupe.Hueloupe",
                        "--object-path", "/org/hueloupe/Hueloupe", "--method",
                        "org.freedesktop.Application.ActivateAction", "pick", "@av []", "{}"],
                       env=app.env, check=True, capture_output=True, timeout=20)
        pick_on_screen(window.pid, BLUE_RECT, others=[own])
        wait_for("the action's colour", lambda: app.setting("LastColor") == BLUE)
    finally:
        window.terminate()
        window.wait(10)


def case_two_processes(app):
    """Without a bus each launch runs alone: the window's later copy keeps the pick's colour."""
    app.env["DBUS_SESSION_BUS_ADDRESS"] = NO_BUS
    os.remove(app.file)
    window = app.start()
    try:
        own = main_window(window)
        pick = app.start("--pick", "--no-copy")
        pick_on_screen(pick.pid, BLUE_RECT)
        expect("--pick beside a window", finish(pick), (0, BLUE + "\n"))
        xdotool("windowfocus", "--sync", own, "key", "ctrl+c")
        wait_for("the window's copy", lambda: app.history()[0] == "#fee98d")
        expect("the history of both", app.history()[:3], ["#fee98d", BLUE, "#bce368"])
    finally:
        window.terminate()
        window.wait(10)


def case_two_picks(app):
    """The loupe of a pick holds the pointer and the keyboard: a second pick ends at once."""
    app.env["DBUS_SESSION_BUS_ADDRESS"] = NO_BUS
    xdotool("mousemove", 20, 20)
    first = app.start("--pick")
    loupe = wait_for("the loupe", lambda: visible_windows(first.pid))[0]
    xdotool("mousemove", *centre(BLUE_RECT))
    wait_for("the loupe to hold the pointer", lambda: near(loupe, *centre(BLUE_RECT)))
    expect("a second --pick meanwhile", finish(app.start("--pick"), 5), (1, ""))
    xdotool("key", "Escape")
    expect("the first --pick after Esc", finish(first), (1, ""))


CASES = (
    ("hueloupe --pick picks, prints, copies and records", case_one_shot),
    ("Esc prints and changes nothing and leaves no process", case_escape),
    ("with a window running, it does the pick; a second launch only raises it",
     case_running_instance),
    ("two processes never drop each other's colours", case_two_processes),
    ("a second --pick while one runs ends at once", case_two_picks),
)


def start_bus():
    read_end, write_end = os.pipe()
    bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork",
                            f"--print-address={write_end}"], pass_fds=(write_end,),
                           stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as pipe:
        return bus, pipe.readline().strip()


def main():
    if len(sys.argv) != 3:
        print(__doc__)
        return 2
    skipped = x11_test_setup(("Xvfb", "xdotool", "xclip", "dbus-daemon", "gdbus"),
                             xlib=False)
    if skipped is not None:
        return skipped
    binary, colour_window = map(os.path.abspath, sys.argv[1:])
    xvfb = start_server(["Xvfb", "-screen", "0", "1280x800x24"])
    bus, address = start_bus()
    config = tempfile.mkdtemp(prefix="hueloupe-pick-")
    windows = [subprocess.Popen([colour_window, colour, *map(str, rect)])
               for colour, rect in ((BLUE, BLUE_RECT), (ORANGE, ORANGE_RECT))]
    app = Hueloupe(binary, config, address)  # a bus, but no instance on it yet
    failed = 0
    try:
        for window in windows:
            wait_for("a colour window", lambda: visible_windows(window.pid))
        for name, case in CASES:
            print(f"case: {name}", flush=True)
            case(app)
        print("all cases passed")
    except (Failure, subprocess.SubprocessError, OSError) as failure:
        failed = 1
        print(f"FAILED: {failure}\nsettings kept in {config}")
        if xvfb.poll() is not None:
            print(f"the X server had ended (status {xvfb.returncode})")
    finally:
        for process in [*windows, bus]:
            process.kill()
        xvfb.terminate()  # the clipboard helpers end with the display
        xvfb.wait(10)
    if not failed:
        shutil.rmtree(config, ignore_errors=True)
    return failed


if __name__ == "__main__":
    sys.exit(main())
