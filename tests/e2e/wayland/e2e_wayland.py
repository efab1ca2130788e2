#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""End-to-end test of hueloupe on a real Wayland desktop: headless sway with two outputs side by
side, the second at scale 2, the desktop portal with its wlroots backend, and the app running
natively on Wayland.

Usage: e2e_wayland.py HUELOUPE COLOUR_WINDOW VIRTUAL_POINTER
Exits 0 when every case passed, 1 on a failure, 77 (skipped) when the machine lacks a tool.

A pick captures the desktop through the portal's Screenshot and shows the app's loupe over it.
On each output two windows of known colours stand edge to edge; a pick starts on the last pixel
before the edge and nudges with the arrow keys, so that a hot spot one device pixel off reads
the wrong colour. With the screenshot refused, a pick falls back to the portal's own picker
(PickColor), whose answer the test reads from the bus.
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
SIDE = 100  # logical size of a colour window
# Per output: where the left window of a pair goes (layout position), and the pair's colours.
PAIRS = (((40, 480), "#c03020", "#20c040"),  # the first output, scale 1
         ((900, 100), "#3040d0", "#e0d020"))  # the second, scale 2
# Sway's tree shows a window's coming and going before the compositor draws it and routes the
# input by it, which waits for the clients' next frames (at most 200 ms): this much longer.
SETTLE = 0.3
SCREENSHOT_TO_LOUPE = []  # per pick, milliseconds from the call: to the portal's answer, the loupe


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
    """The visible toplevel windows of a process in sway's tree."""
    found, nodes = [], [desktop.sway("get_tree") or {}]
    while nodes:
        node = nodes.pop()
        if node.get("pid") == pid and node.get("visible"):
            found.append(node)
        nodes += node.get("nodes", []) + node.get("floating_nodes", [])
    return found


def rect(node):
    r = node["rect"]
    return r["x"], r["y"], r["width"], r["height"]


def show_colour_windows(desktop, program):
    env = dict(desktop.env, QT_QPA_PLATFORM="wayland")
    for (x, y), *colours in PAIRS:
        for i, colour in enumerate(colours):
            window = desktop.start("colour-window", [desktop.install(program), colour, "0", "0",
                                                     str(SIDE), str(SIDE)], env)
            wanted = (x + i * SIDE, y, SIDE, SIDE)
            wait_for(f"the {colour} window", lambda: windows_of(desktop, window.pid), 10)
            desktop.run(["swaymsg", f"[pid={window.pid}] move absolute position {x + i * SIDE} "
                         f"{y}"], desktop.env)
            wait_for(f"the {colour} window at {wanted}",
                     lambda: [rect(w) for w in windows_of(desktop, window.pid)] == [wanted], 5)
    desktop.run(["swaymsg", "focus output HEADLESS-1"], desktop.env)  # where new windows go


def loupe_pick(desktop, pid, opener, *commands):
    """Sends the opener's commands (if any) until the pick asks for a screenshot, waits for the
    answer and the loupe full screen on both outputs, then sends the commands; checks that the
    screenshot's file has gone. A click before a new window takes input goes nowhere, and a
    screenshot taken while the last pick's loupe is still on screen would show that loupe."""
    outputs = sorted(rect(o) for o in desktop.outputs)

    def loupe():
        return sorted(rect(w) for w in windows_of(desktop, pid) if w.get("fullscreen_mode"))

    wait_for("the last loupe to go", lambda: not loupe(), 5)
    time.sleep(SETTLE)
    called = None
    for _ in range(5 if opener else 1):
        desktop.send(*opener)
        called = desktop.picks.call("Screenshot", 1 if opener else 10)
        if called:
            break
    if not called:
        raise Failure("no Screenshot call on the portal")
    answer = desktop.picks.response(10)
    if not answer or answer[0] != 0 or not answer[2]:
        raise Failure(f"the portal answered the Screenshot with {answer and answer[:3]}")
    wait_for("the loupe full screen on both outputs", lambda: loupe() == outputs, 10, 0.01)
    SCREENSHOT_TO_LOUPE.append(((answer[3] - called) * 1000, (time.time() - called) * 1000))
    if os.path.exists(answer[2]):
        raise Failure(f"the screenshot {answer[2]} was left behind")
    time.sleep(SETTLE)
    shot = os.environ.pop("HUELOUPE_E2E_SHOT", None)  # the README's picture of the loupe
    if shot:
        desktop.send(commands[0])
        time.sleep(SETTLE)
        desktop.run(["grim", shot], desktop.env)
    desktop.send(*commands)


def edge(pair):
    """The pointer on the last logical pixel of a pair's left window, beside the right one."""
    (x, y), *_ = PAIRS[pair]
    return f"move {x + SIDE - 1} {y + SIDE // 2}"


def case_window(desktop, binary):
    app = Hueloupe(desktop, binary, "window")
    process = app.start()
    window = wait_for("the main window in sway's tree",
                      lambda: windows_of(desktop, process.pid), 15)[0]
    if window.get("shell") != "xdg_shell" or window.get("app_id") != APP_ID:
        raise Failure(f"not a native Wayland window of {APP_ID}: shell {window.get('shell')!r}, "
                      f"app_id {window.get('app_id')!r}")
    x, y, width, height = rect(window)
    (left_x, left_y), left, right = PAIRS[0]
    # A click in the well opens the loupe; the next click picks, and so does Enter.
    for commands, colour in (([f"move {left_x + 20} {left_y + 20}", "click"], left),
                             ([edge(0), "key Right", "key Return"], right)):
        loupe_pick(desktop, process.pid, [f"move {x + width // 2} {y + height * 2 // 5}", "click"],
                   *commands)
        wait_for(f'"LastColor" = {colour}', lambda: app.setting("LastColor") == colour, 5)
        print(f"  {', '.join(commands[1:])}: {colour}")

    # Sway marks the window active a moment after it hands it the keyboard, and a shortcut that
    # arrives before Qt has seen that goes nowhere: press Ctrl+C until the copy shows.
    desktop.run(["swaymsg", f"[pid={process.pid}] focus"], desktop.env)
    wait_for("the window to have the focus",
             lambda: any(w.get("focused") for w in windows_of(desktop, process.pid)), 5)
    wait_for(f"{colour} on the Wayland clipboard after Ctrl+C", lambda: desktop.send(
        "key ctrl+c") or poll(lambda: app.clipboard() == colour, 0.5), 5, 0)
    print(f"  Ctrl+C put {colour} on the Wayland clipboard")
    desktop.send("key ctrl+q")
    try:
        status = process.wait(10)
    except subprocess.TimeoutExpired:
        raise Failure("Ctrl+Q did not end the app within 10 s") from None
    if status != 0:
        raise Failure(f"the app exited with status {status}")


def one_shot(app, *args):
    return app.start("--pick", "--format", PICK_FORMAT, *args, stdout=subprocess.PIPE, text=True)


def printed(pick, colour):
    """Checks what a --pick printed and its status against the colour it should have picked."""
    expected = colour and PICK_FORMAT.format(
        **{c: int(colour[i:i + 2], 16) for c, i in zip("rgb", (1, 3, 5))}) + "\n"
    try:
        text, _ = pick.communicate(timeout=10)
    except subprocess.TimeoutExpired:
        raise Failure("hueloupe --pick still runs 10 s after its pick") from None
    if (pick.returncode, text) != ((0, expected) if colour else (1, "")):
        raise Failure(f"--pick exited {pick.returncode} printing {text!r}, not {expected!r}")
    return text.strip()


def case_one_shot(desktop, binary):
    app = Hueloupe(desktop, binary, "pick")
    picker_calls = desktop.picks.calls("PickColor")
    _, left, right = PAIRS[1]
    # Scale 2: a logical pixel is two device pixels, the pointer is on the first of them.
    for keys, colour in ((["Right", "Right"], right), (["shift+Left"] + ["Right"] * 11, left)):
        pick = one_shot(app)
        loupe_pick(desktop, pick.pid, [], edge(1), *(f"key {k}" for k in keys), "key Return")
        text = printed(pick, colour)
        if app.setting("LastColor") != colour:
            raise Failure(f'--pick left "LastColor" = {app.setting("LastColor")}, not {colour}')
        print(f"  {' '.join(dict.fromkeys(f'{k}x{keys.count(k)}' for k in keys))} Return: "
              f"--pick printed {text!r}")

    wait_for(f"{text!r} on the clipboard after --pick exited",
             lambda: app.clipboard() == text, 5)
    keepers = clipboard_keepers(desktop)
    if not keepers:
        raise Failure("no wl-copy keeps the picked text on the clipboard")
    desktop.start("wl-copy", ["wl-copy", "another program's text"], app.env).wait(5)
    wait_for("the pick's wl-copy to end once another program took the clipboard",
             lambda: not any(alive(pid) for pid in keepers), 5)
    print("  it pastes after --pick exited, until another program takes the clipboard")

    cancelled = one_shot(app)
    loupe_pick(desktop, cancelled.pid, [], "key Escape")
    printed(cancelled, None)
    if app.setting("LastColor") != colour or app.clipboard() != "another program's text":
        raise Failure("a cancelled --pick changed the colour or the clipboard")
    print("  Esc: status 1, nothing printed or written, the clipboard left alone")
    if desktop.picks.calls("PickColor") != picker_calls:
        raise Failure("the portal's PickColor was called while its Screenshot worked")


def answer_picker(desktop, target, timeout=10):
    """Clicks the target until the portal's picker takes the click; returns its colour.

    The picker shows up some time after PickColor: a click before that lands on the bare desktop
    and does nothing."""
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        desktop.send(f"move {target[0]} {target[1]}", "click")
        response = desktop.picks.response(0.25)
        if response:
            if response[0] != 0 or response[1] in (None, DEFAULT_COLOUR):
                raise Failure(f"the portal's picker answered {response[:3]}")
            return response[1]
    raise Failure(f"no Response from the portal {timeout} s after clicking its picker")


def case_fallback(desktop, binary):
    app = Hueloupe(desktop, binary, "fallback")
    desktop.refuse_screenshots(True)
    pick = one_shot(app)
    desktop.picks.call("Screenshot", 10)
    answer = desktop.picks.response(10)
    if not answer or answer[0] == 0:
        raise Failure(f"the refused Screenshot was answered {answer and answer[:3]}")
    if not desktop.picks.call("PickColor", 10):
        raise Failure("no PickColor call on the portal after the refused Screenshot")
    colour = answer_picker(desktop, (20, 20))
    text = printed(pick, colour)
    if app.setting("LastColor") != colour:
        raise Failure(f'"LastColor" = {app.setting("LastColor")}, not the portal\'s {colour}')
    print(f"  Screenshot answered {answer[0]}; PickColor answered {colour}: printed {text!r}")
    desktop.refuse_screenshots(False)


CASES = (
    # First: once wtype has typed a key and gone, the seat hands clients no keymap until the next
    # key, and the portal's picker (slurp) crashes without one.
    ("with the screenshot refused, a pick falls back to the portal's picker", case_fallback),
    ("the well's loupe picks by click and by Enter after an arrow key (scale 1); Ctrl+C copies",
     case_window),
    ("hueloupe --pick nudges a device pixel at a time (scale 2); the text outlives it; Esc",
     case_one_shot),
)


def main():
    if len(sys.argv) != 4:
        print(__doc__)
        return 2
    binary, colour_window, pointer = sys.argv[1:]
    missing = missing_tools()
    if not pointer or not os.path.exists(pointer):
        missing.append("the virtual pointer client (needs libwayland-dev)")
    if missing:
        print(f"skipped: missing {', '.join(missing)}; install debian-packages.txt")
        return SKIP
    os.environ["HUELOUPE_POINTER"] = pointer
    started = time.monotonic()
    try:
        desktop = Desktop()
    except Skip as reason:
        print(f"skipped: {reason}")
        return SKIP
    passed = failed = 0
    try:
        desktop.open()
        show_colour_windows(desktop, colour_window)
        print(f"desktop up in {time.monotonic() - started:.1f} s", flush=True)
        for name, case in CASES:
            print(f"case: {name}", flush=True)
            case(desktop, binary)
            passed += 1
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
    if SCREENSHOT_TO_LOUPE:
        print("from the Screenshot call, ms: portal's answer, loupe on screen: " +
              ", ".join(f"{a:.0f} {b:.0f}" for a, b in SCREENSHOT_TO_LOUPE))
    print(f"took {time.monotonic() - started:.1f} s")
    print(f"{passed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
