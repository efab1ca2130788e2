# SPDX-License-Identifier: MIT
"""The picks both Wayland desktops run."""
import os
import subprocess
import time

from session import App
from waiting import Failure, poll, wait_for

DEFAULT_COLOUR = "#fee98d"  # what a first launch shows
FORMAT = "rgb({r}, {g}, {b})"


def act(desktop, *steps):
    """Takes steps: (x, y) moves the pointer, "click" clicks, "hold" clicks slowly, else a key."""
    for step in steps:
        if isinstance(step, tuple):
            desktop.move(*step)
        elif step in ("click", "hold"):
            desktop.click(0.5 if step == "hold" else 0)
        else:
            desktop.key(step)


def loupe_pick(desktop, app, pid, opener, *steps):
    """Takes the opener's steps until the portal is asked for a screenshot."""
    desktop.ready(pid)
    mark = len(app.logged()) if opener else app.mark
    if not (called := poll(lambda: act(desktop, *opener) or desktop.picks.call(
            "Screenshot", 1 if opener else 10), 4, 0)):
        raise Failure("no Screenshot call on the portal")
    answer = desktop.picks.response(10)
    if not answer or answer[0] != 0 or not answer[2]:
        raise Failure(f"the portal answered the Screenshot with {answer and answer[:3]}")
    desktop.loupe_up(pid, steps[0] if isinstance(steps[0], tuple) else None)
    folder = os.path.dirname(answer[2])
    if os.path.exists(answer[2]) or folder.startswith(desktop.dir) and any(
            name.endswith(".png") for name in os.listdir(folder)):
        raise Failure(f"the screenshot {answer[2]} was left behind")
    print(f"    the portal answered the Screenshot in {(answer[3] - called) * 1000:.0f} ms, the "
          f"loupe showed {(app.loupe_shown(mark) - answer[3]) * 1000:.0f} ms later", flush=True)
    act(desktop, *steps)


def start_pick(app):
    app.mark = len(app.logged())
    return app.start("--pick", "--format", FORMAT, stdout=subprocess.PIPE, text=True)


def printed(pick, colour):
    """Checks what a --pick printed and its status against the colour (None: cancelled)."""
    expected = colour and FORMAT.format(**dict(zip("rgb", bytes.fromhex(colour[1:])))) + "\n"
    try:
        text, _ = pick.communicate(timeout=10)
    except subprocess.TimeoutExpired:
        raise Failure("hueloupe --pick still runs 10 s after its pick") from None
    if (pick.returncode, text) != ((0, expected) if colour else (1, "")):
        raise Failure(f"--pick exited {pick.returncode} printing {text!r}, not {expected!r}")
    return text.strip()


def last_colour(app, colour):
    wait_for(f'"LastColor" = {colour}', lambda: app.setting("LastColor") == colour, 10)


def portal_picker(desktop):
    """--pick through the portal's own picker (PickColor): forced, or once a Screenshot failed"""
    refuse = desktop.refuse_screenshots
    app = App(desktop, "portal", **({} if refuse else {"HUELOUPE_PICKER": "portal"}))
    refuse and refuse(True)
    shots, (target, expected) = desktop.picks.calls("Screenshot"), desktop.picker_target()
    pick = start_pick(app)
    if refuse:
        desktop.picks.call("Screenshot", 10)
        answer = desktop.picks.response(10)
        if not answer or answer[0] == 0:
            raise Failure(f"the refused Screenshot was answered {answer and answer[:3]}")
    if not desktop.picks.call("PickColor", 10):
        raise Failure("no PickColor call on the portal")
    if desktop.picks.calls("Screenshot") != shots + bool(refuse):
        raise Failure("a Screenshot call came when the portal's picker was forced")
    # The picker shows up a while after the call: a click before lands on the desktop, and one
    # as it comes up can be read before the picker has the screen's pixels.
    desktop.move(*target)
    answer = wait_for("the portal's picker to take a click", lambda: time.sleep(0.3) or
                      desktop.click() or desktop.picks.response(0.2), 10, 0)
    if answer[0] != 0 or answer[1] in (None, DEFAULT_COLOUR) or expected not in (None, answer[1]):
        raise Failure(f"the portal's picker answered {answer[:3]} at {target}, not {expected}")
    text = printed(pick, answer[1])
    last_colour(app, answer[1])
    print(f"    PickColor answered {answer[1]}: printed {text!r}")
    refuse and refuse(False)


def well(desktop):
    """the well's loupe picks by a click and by Enter after arrows; Ctrl+C copies; Ctrl+Q"""
    app = App(desktop, "window")
    process = app.start()
    opener = [desktop.well(process.pid), "hold"]
    edge, left, right, scale = desktop.pairs()[0]
    for steps, colour in (([desktop.inside(left), "click"], left),
                          ([edge, *["Right"] * scale, "Return"], right)):
        loupe_pick(desktop, app, process.pid, opener, *steps)
        last_colour(app, colour)
        print(f"    {' '.join(s for s in steps if isinstance(s, str))}: {colour}")
    desktop.focus(process.pid)
    # A shortcut that comes before Qt has seen the window active goes nowhere: press until done.
    if desktop.paste:
        wait_for(f"{colour} on the clipboard after Ctrl+C", lambda: desktop.key("ctrl+c") or poll(
            lambda: desktop.paste() == colour, 0.5), 5, 0)
    wait_for("Ctrl+Q to end the app", lambda: desktop.key("ctrl+q") or poll(
        lambda: process.poll() is not None, 0.5), 10, 0)
    if process.returncode != 0:
        raise Failure(f"the app exited with status {process.returncode}")


def one_shot(desktop):
    """--pick: arrows nudge one device pixel, Shift ten; the text outlives it; Esc"""
    app = App(desktop, "pick")
    pickers = desktop.picks.calls("PickColor")
    edge, left, right, scale = desktop.pairs()[-1]
    for keys, colour in ((["Right"] * scale + ["Return"], right),
                         (["shift+Left"] + ["Right"] * (9 + scale) + ["click"], left)):
        pick = start_pick(app)
        loupe_pick(desktop, app, pick.pid, [], edge, *keys)
        text = printed(pick, colour)
        last_colour(app, colour)
        print(f"    {' '.join(f'{k}x{keys.count(k)}' for k in dict.fromkeys(keys))}: {text!r}")
    if desktop.paste:
        wait_for(f"{text!r} on the clipboard after --pick exited", lambda: desktop.paste() == text,
                 5)
        keepers = set(desktop.marked("wl-copy"))
        if not keepers:
            raise Failure("no wl-copy keeps the picked text on the clipboard")
        desktop.start("wl-copy", ["wl-copy", "another program's text"], desktop.env).wait(5)
        wait_for("the pick's wl-copy to end once another program took the clipboard",
                 lambda: not keepers & set(desktop.marked("wl-copy")), 5)
    cancelled = start_pick(app)
    loupe_pick(desktop, app, cancelled.pid, [], "Escape")
    printed(cancelled, None)
    if app.setting("LastColor") != colour or desktop.paste and \
            desktop.paste() != "another program's text":
        raise Failure("a cancelled --pick changed the colour or the clipboard")
    if desktop.picks.calls("PickColor") != pickers:
        raise Failure("the portal's PickColor was called while its Screenshot worked")

