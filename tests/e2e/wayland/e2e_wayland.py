#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""End-to-end test of hueloupe on a real Wayland desktop: headless sway, the desktop portal with
its wlroots backend, and the app running natively on Wayland.

Usage: e2e_wayland.py HUELOUPE VIRTUAL_INPUT
Exits 0 when every case passed, 1 on a failure, 77 (skipped) when the machine lacks a tool.

The portal's wlroots backend answers with the pixel under its own crosshair, so each case takes
the expected colour from the portal's Response on the bus, never from the screen.
"""
import os
import re
import subprocess
import sys
import time
import traceback

sys.dont_write_bytecode = True  # nothing written into the source tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
# The waiting helpers are shared with the X11 scripts, one folder up.
sys.path.insert(1, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
from desktop import SKIP, Desktop, Skip, missing_tools  # noqa: E402
from waiting import Failure, poll, wait_for  # noqa: E402

APP_ID = "org.hueloupe.Hueloupe"
DEFAULT_COLOUR = "#fee98d"  # what a first launch shows
PICK_FORMAT = "rgb({r}, {g}, {b})"


class CaseSkipped(Exception):
    pass


class Hueloupe:
    """The app with a settings folder of its own: each case starts from a first launch."""

    def __init__(self, desktop, binary, name):
        self.desktop = desktop
        self.binary = desktop.install(binary)
        self.config = desktop.make_dir(f"config-{name}")
        self.env = dict(desktop.env, XDG_CONFIG_HOME=self.config, QT_QPA_PLATFORM="wayland",
                        QT_WAYLAND_DISABLE_WINDOWDECORATION="1")

    def start(self, *args, **kwargs):
        return self.desktop.start("hueloupe", [self.binary, *args], self.env, **kwargs)

    def run(self, *args):
        return self.desktop.run([self.binary, *args], self.env)

    def setting(self, key):
        try:
            with open(os.path.join(self.config, "hueloupe", "hueloupe.conf"),
                      encoding="utf-8") as f:
                match = re.search(rf"^{key}=(.*)$", f.read(), re.M)
        except OSError:
            return None
        return match.group(1).strip('"') if match else None

    def clipboard(self):
        paste = self.desktop.run(["wl-paste", "--no-newline"], self.env, timeout=5)
        return paste.stdout if paste.returncode == 0 else None


def alive(pid):
    """Whether the process runs (an ended one waiting to be reaped does not)."""
    try:
        with open(f"/proc/{pid}/stat", encoding="utf-8") as f:
            return f.read().rsplit(")", 1)[1].split()[0] != "Z"
    except OSError:
        return False


def clipboard_keepers(desktop):
    """The session's running wl-copy processes."""
    found = []
    for pid in desktop.marked():
        try:
            with open(f"/proc/{pid}/comm", encoding="utf-8") as f:
                if f.read().strip() == "wl-copy" and alive(pid):
                    found.append(pid)
        except OSError:
            pass
    return found


def windows_of(desktop, pid):
    """The toplevel windows of a process in sway's tree."""
    found, nodes = [], [desktop.sway("get_tree") or {}]
    while nodes:
        node = nodes.pop()
        if node.get("pid") == pid and node.get("visible"):
            found.append(node)
        nodes += node.get("nodes", []) + node.get("floating_nodes", [])
    return found


def pick_target(desktop, avoid):
    """A point on the bare desktop, away from the given window rectangle."""
    width, height = desktop.size
    for x, y in ((20, 20), (width - 20, 20), (20, height - 20), (width - 20, height - 20)):
        if not (avoid["x"] <= x < avoid["x"] + avoid["width"]
                and avoid["y"] <= y < avoid["y"] + avoid["height"]):
            return x, y
    raise Failure("the window covers every corner of the desktop")


def answer_picker(desktop, target, timeout=10):
    """Clicks the target until the portal's picker takes the click; returns the Response.

    The picker shows up some time after PickColor: a click before that lands on the bare desktop
    and does nothing."""
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        desktop.send(f"move {target[0]} {target[1]}", "click")
        response = desktop.picks.response(0.25)
        if response:
            code, colour = response
            if code != 0 or colour is None:
                raise Failure(f"the portal answered response {code} without a colour")
            return colour
    raise Failure(f"no Response from the portal {timeout} s after clicking its picker")


def case_window(desktop, binary):
    app = Hueloupe(desktop, binary, "window")
    app_process = app.start()
    window = wait_for("the main window in sway's tree",
                      lambda: windows_of(desktop, app_process.pid), 15)[0]
    if window.get("shell") != "xdg_shell" or window.get("app_id") != APP_ID:
        raise Failure(f"not a native Wayland window of {APP_ID}: shell {window.get('shell')!r}, "
                      f"app_id {window.get('app_id')!r}")
    rect = window["rect"]
    well = (rect["x"] + rect["width"] // 2, rect["y"] + rect["height"] * 2 // 5)
    # The press starts the pick; the button stays down until the portal has been asked, which
    # also covers a window that wants the press held before it picks.
    desktop.send(f"move {well[0]} {well[1]}", "press")
    desktop.picks.wait_for_call()
    desktop.send("release")
    colour = answer_picker(desktop, pick_target(desktop, rect))
    if colour == DEFAULT_COLOUR:
        raise Failure(f"the portal answered the well's own colour {colour}: pick elsewhere")
    wait_for(f'"LastColor" = {colour} (the portal\'s answer)',
             lambda: app.setting("LastColor") == colour, 5)
    print(f"  the portal answered {colour}; it is current")

    # The picker took the keyboard away; give it back to the window. Sway marks the window
    # active a moment after it hands it the keyboard, and a shortcut that arrives before Qt has
    # seen that goes nowhere: press Ctrl+C until the copy shows.
    desktop.run(["swaymsg", f"[pid={app_process.pid}] focus"], desktop.env)
    wait_for("the window to have the focus",
             lambda: any(w.get("focused") for w in windows_of(desktop, app_process.pid)), 5)

    presses = []

    def copy():
        presses.append("ctrl+c")
        desktop.send("key ctrl+c")
        return poll(lambda: app.clipboard() == colour, 0.5)

    wait_for(f"{colour} on the Wayland clipboard after Ctrl+C", copy, 5, 0)
    print(f"  Ctrl+C put {colour} on the Wayland clipboard (presses: {len(presses)})")

    desktop.send("key ctrl+q")
    try:
        status = app_process.wait(10)
    except subprocess.TimeoutExpired:
        raise Failure("Ctrl+Q did not end the app within 10 s") from None
    if status != 0:
        raise Failure(f"the app exited with status {status}")


def case_one_shot(desktop, binary):
    app = Hueloupe(desktop, binary, "pick")
    usage = app.run("--help")
    if "--pick" not in usage.stdout:
        raise CaseSkipped("hueloupe --help does not mention --pick")
    pick = app.start("--pick", "--format", PICK_FORMAT, stdout=subprocess.PIPE, text=True)
    desktop.picks.wait_for_call()
    if windows_of(desktop, pick.pid):
        raise Failure("--pick opened a window")
    colour = answer_picker(desktop, (20, 20))
    if colour == DEFAULT_COLOUR:
        raise Failure(f"the portal answered the default colour {colour}: pick elsewhere")
    expected = PICK_FORMAT.format(**{c: int(colour[i:i + 2], 16) for c, i in zip("rgb", (1, 3, 5))})
    try:
        printed, _ = pick.communicate(timeout=10)
    except subprocess.TimeoutExpired:
        raise Failure("hueloupe --pick still runs 10 s after the portal answered") from None
    if pick.returncode != 0 or printed != expected + "\n":
        raise Failure(f"--pick exited {pick.returncode} printing {printed!r}; the portal "
                      f"answered {expected!r}")
    print(f"  --pick printed {expected!r}, the portal's answer")
    wait_for(f"{expected!r} on the clipboard after --pick exited",
             lambda: app.clipboard() == expected, 5)
    print("  and it pastes after the command exited")
    if app.setting("LastColor") != colour:
        raise Failure(f'--pick left "LastColor" = {app.setting("LastColor")}, not {colour}')

    keepers = clipboard_keepers(desktop)
    if not keepers:
        raise Failure("no wl-copy keeps the picked text on the clipboard")
    desktop.start("wl-copy", ["wl-copy", "another program's text"], app.env).wait(5)
    wait_for("the pick's wl-copy to end once another program took the clipboard",
             lambda: not any(alive(pid) for pid in keepers), 5)
    print("  its wl-copy ended once another program took the clipboard")

    # Esc in the portal's picker: nothing printed, nothing written, no helper left.
    cancelled = app.start("--pick", stdout=subprocess.PIPE, text=True)
    desktop.picks.wait_for_call()
    deadline = time.monotonic() + 10
    while not desktop.picks.response(0.25):
        if time.monotonic() > deadline:
            raise Failure("the portal's picker did not answer Esc within 10 s")
        desktop.send("key escape")
    try:
        printed, _ = cancelled.communicate(timeout=10)
    except subprocess.TimeoutExpired:
        raise Failure("a cancelled --pick still runs 10 s after the portal answered") from None
    if cancelled.returncode != 1 or printed or app.setting("LastColor") != colour:
        raise Failure(f"a cancelled --pick exited {cancelled.returncode} printing {printed!r}, "
                      f'"LastColor" = {app.setting("LastColor")}')
    if app.clipboard() != "another program's text":
        raise Failure("a cancelled --pick took the clipboard")
    print("  Esc: status 1, nothing printed or written, the clipboard left alone")


CASES = (
    ("a press in the well picks through the portal; the colour becomes current and copies",
     case_window),
    ("hueloupe --pick prints the portal's colour and leaves it on the clipboard", case_one_shot),
)


def main():
    if len(sys.argv) != 3:
        print(__doc__)
        return 2
    binary, virtual_input = sys.argv[1:]
    missing = missing_tools()
    if not virtual_input or not os.path.exists(virtual_input):
        missing.append("the virtual input client (needs wayland-scanner and libwayland-dev)")
    if missing:
        print(f"skipped: missing {', '.join(missing)}; install debian-packages.txt")
        return SKIP
    os.environ["HUELOUPE_VIRTUAL_INPUT"] = virtual_input
    started = time.monotonic()
    try:
        desktop = Desktop()
    except Skip as reason:
        print(f"skipped: {reason}")
        return SKIP
    passed = failed = skipped = 0
    try:
        desktop.open()
        print(f"desktop up in {time.monotonic() - started:.1f} s", flush=True)
        for name, case in CASES:
            print(f"case: {name}", flush=True)
            try:
                case(desktop, binary)
                passed += 1
            except CaseSkipped as reason:
                print(f"  skipped: {reason}")
                skipped += 1
    except Exception as failure:  # noqa: BLE001 - any fault fails the test, after the clean-up
        failed = 1
        if not isinstance(failure, Failure):
            traceback.print_exc()
        print(f"FAILED: {failure}")
        print(desktop.log_tails())
        desktop.keep_evidence()
        print(f"logs kept in {desktop.logs}")
    finally:
        try:
            desktop.close()
        except Failure as failure:
            failed = 1
            print(f"FAILED: {failure}")
    if not failed:
        desktop.remove()
    print(f"took {time.monotonic() - started:.1f} s")
    print(f"{passed} passed, {failed} failed, {skipped} skipped")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
