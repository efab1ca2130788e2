#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""End-to-end scenarios of the real binary on private X servers, driven through XTEST."""
import os
import signal
import subprocess
import sys

sys.dont_write_bytecode = True  # nothing written into the source tree; the harness is beside us
from harness import (PIPE, MAIN, NO_BUS, App, Screen, centre, clipboard, loupe_at,  # noqa: E402
                     expect, finish, inside, main, pixel, rgb, visible_windows, xdo)
from waiting import wait_equal, wait_for  # noqa: E402

XVFB = ("Xvfb", "-screen", "0", "1280x800x24")
BLUE, BLUE_RECT = "#3366cc", (700, 400, 300, 200)
ORANGE, ORANGE_RECT = "#cc6633", (100, 400, 300, 200)
DEFAULT, SECOND = "#fee98d", "#bce368"  # a first launch's colour, and the first in its history
HSL, HSL_FORMAT = "hsl(220, 60%, 50%)", "hsl({h}, {s}%, {l}%)"  # blue in the menu's row 6
DARK = "#0a141e"


def well_is(app, colour):  # give or take one step per channel
    got = pixel(*app.well())
    return got is not None and max(abs(a - b) for a, b in zip(got, rgb(colour))) <= 1


def text_in_well(app, colour):  # over 20 pixels of the message band unlike the colour
    band = (app.x + 40, app.y + 60, app.width - 80, app.height - 150)
    return Screen(band).count_unlike(rgb(colour)) > 20


def chip(app, colour):  # where the controls row at the bottom shows the colour
    return Screen((app.x, app.y + app.height - 50, app.width, 50)).find(rgb(colour))


def window(s):
    s.server(*XVFB)
    s.colour_windows({BLUE: BLUE_RECT, ORANGE: ORANGE_RECT})
    app = App(s)
    yield "first launch shows the default colour and writes nothing"
    app.open()
    wait_for("the default colour", lambda: well_is(app, DEFAULT))
    # The hint shows for 2.0 s after launch: once it has gone, a write at launch would have happened.
    wait_for("the hint to expire", lambda: not text_in_well(app, DEFAULT))
    expect("the settings after launch", app.settings(), "")

    yield "quick drags on a busy machine pick exactly the colour released on, ten times of ten"
    busy = [s.spawn([sys.executable, "-c", "while True: pass"]) for _ in range(2)]
    x, y = app.well()
    for colour, rect in [(ORANGE, ORANGE_RECT), (BLUE, BLUE_RECT)] * 5:
        xdo("mousemove", x, y, "mousedown", 1, "mousemove", *centre(rect), "mouseup", 1)
        wait_equal("LastColor after a quick drag", lambda: app.setting("LastColor"), colour)
        wait_for("the loupe to go", lambda: visible_windows(app.process.pid) == [app.window])
    s.stop(*busy)

    yield 'Ctrl+C copies #rrggbb, records the history and shows "copied"'
    wait_for("no text over the well", lambda: not text_in_well(app, BLUE))
    xdo("mousemove", *app.well())
    app.keys("ctrl+c")
    wait_for('"copied" in the well', lambda: text_in_well(app, BLUE))
    wait_equal("the clipboard", clipboard, BLUE)
    wait_equal("the history's first", lambda: app.history()[0], BLUE)

    yield "holding the copy button opens the menu; row 6 copies hsl()"
    xdo("mousemove", app.x + app.width - 60, app.y + app.height - 22, "mousedown", 1)
    wait_for("the format menu", lambda: len(visible_windows(app.process.pid)) > 1)
    xdo("mouseup", 1)
    xdo("key", "--delay", 60, *["Down"] * 6, "Return")
    wait_equal("the clipboard", clipboard, HSL)
    wait_equal("LastFormatter", lambda: app.setting("LastFormatter"), HSL_FORMAT)

    yield "Ctrl+V makes pasted CSS current; junk leaves the colour alone"
    s.offer("rgb(10, 20, 30)")
    app.keys("ctrl+v")
    wait_for("the pasted colour", lambda: well_is(app, DARK))
    # Once the last message has gone, the next one shows that the app has read the clipboard.
    wait_for("the last message to go", lambda: not text_in_well(app, DARK))
    s.offer("x" * (10 << 20))
    app.keys("ctrl+v")
    wait_for("the answer to 10 MB of junk", lambda: text_in_well(app, DARK))
    expect("the colour after 10 MB of junk", well_is(app, DARK), True)
    s.offer("#abcdef")
    app.keys("ctrl+v")
    wait_for("a paste after 10 MB of junk", lambda: well_is(app, "#abcdef"))

    yield "a click on a history chip makes its colour current"
    x, y = wait_for("chip 0 showing blue", lambda: chip(app, BLUE))
    xdo("mousemove", x + 5, y + 5, "click", 1)
    wait_for("the chip's colour in the well", lambda: well_is(app, BLUE))

    yield "quit and relaunch: colour, format and history come back"
    app.quit()
    app.open()
    wait_for("the last colour", lambda: well_is(app, BLUE))
    wait_for("history chip 0 restored", lambda: chip(app, BLUE))
    app.keys("ctrl+c")
    wait_equal("the remembered format", clipboard, HSL)
    expect("LastFormatter after the restart", app.setting("LastFormatter"), HSL_FORMAT)
    app.quit()


def pick(s):
    s.server(*XVFB)
    s.bus()
    s.colour_windows({BLUE: BLUE_RECT, ORANGE: ORANGE_RECT})
    app = App(s)  # on the bus, with no instance on it yet
    yield "hueloupe --pick picks, prints, copies and records"
    xdo("mousemove", 20, 20)
    one_shot = app.start("--pick", "--format", "hex")
    loupe_at(one_shot.pid, [], centre(BLUE_RECT), BLUE)
    expect("--pick's status and output", finish(one_shot), (0, BLUE + "\n"))
    expect("the clipboard after --pick exited", wait_for("a clipboard", clipboard, 5), BLUE)
    expect("LastColor, LastFormatter, history",
           (app.setting("LastColor"), app.setting("LastFormatter"), app.history()[:2]),
           (BLUE, "#{rr}{gg}{bb}", [BLUE, SECOND]))

    yield "with a window running, it does the pick; a second launch only raises it"
    window = app.open()
    caller = app.start("--pick", "--format", "rgb")
    loupe_at(window.pid, [app.window], centre(ORANGE_RECT), ORANGE)
    expect("--pick through the window", finish(caller), (0, "rgb(204, 102, 51)\n"))
    expect("the caller's windows", visible_windows(caller.pid), [])
    expect("history, LastColor, clipboard",
           (app.history()[:2], app.setting("LastColor"), clipboard()),
           ([ORANGE, BLUE], ORANGE, "rgb(204, 102, 51)"))
    expect("a second launch", finish(app.start(), 5), (0, ""))
    expect("windows after a second launch",
           xdo("search", "--onlyvisible", "--name", MAIN, check=False), [app.window])

    yield "the desktop's pick action opens the window's loupe"
    subprocess.run(["gdbus", "call", "--session", "--dest", "org.hueloupe.Hueloupe",
                    "--object-path", "/org/hueloupe/Hueloupe", "--method",
                    "org.freedesktop.Application.ActivateAction", "pick", "@av []", "{}"],
                   env=app.env, check=True, capture_output=True, timeout=20)
    loupe_at(window.pid, [app.window], centre(BLUE_RECT), BLUE)
    wait_equal("the action's colour", lambda: app.setting("LastColor"), BLUE)

    yield "a caller that is stopped takes its pick with it"
    before = app.settings()
    caller = app.start("--pick")
    wait_for("the window's loupe", lambda: visible_windows(window.pid) != [app.window])
    caller.send_signal(signal.SIGINT)
    caller.wait(10)
    wait_for("the loupe to go", lambda: visible_windows(window.pid) == [app.window])
    xdo("mousemove", *centre(ORANGE_RECT), "click", 1)
    expect("the settings after the caller left", app.settings(), before)
    app.quit()

    yield "two processes without a bus never drop each other's colours"
    app.env["DBUS_SESSION_BUS_ADDRESS"] = NO_BUS
    os.remove(app.file)
    app.open()
    alone = app.start("--pick", "--no-copy")
    loupe_at(alone.pid, [], centre(BLUE_RECT), BLUE)
    expect("--pick beside a window", finish(alone), (0, BLUE + "\n"))
    app.keys("ctrl+c")
    wait_equal("the history of both", lambda: app.history()[:3], [DEFAULT, BLUE, SECOND])

    yield "with DISPLAY unset, -display and --display name the display"
    env = {k: v for k, v in app.env.items() if k != "DISPLAY"}
    for option in ("-display", "--display"):
        named = s.spawn([s.binary, "--pick", option, os.environ["DISPLAY"]], env=env, stdout=PIPE,
                        text=True)
        wait_for(f"the loupe with {option}", lambda: visible_windows(named.pid))
        xdo("key", "Escape")
        expect(f"--pick {option} after Esc", finish(named), (1, ""))

    yield "a second --pick meanwhile ends at once; Esc ends the first, recording nothing"
    before, first = app.settings(), app.start("--pick")
    wait_for("the loupe", lambda: visible_windows(first.pid))
    expect("a second --pick meanwhile", finish(app.start("--pick"), 5), (1, ""))
    xdo("key", "Escape")
    expect("the first --pick after Esc", (*finish(first), app.settings()), (1, "", before))


HEADS = ((0, 0, 1280, 800), (1280, 0, 1024, 768))  # x, y, width, height
HEAD_WINDOWS = (  # colour, window, where to pick
    ("#3366cc", (700, 300, 300, 200), (850, 400)),  # the first head
    ("#d04020", (1700, 200, 300, 200), (1850, 300)),  # the second
    ("#20a060", (2200, 600, 104, 168), (2300, 764)))  # the second's far corner


def two_heads(s):
    """Xephyr inside Xvfb with two Xinerama heads."""
    s.server("Xvfb", "-screen", "0", "2400x900x24")
    s.server("Xephyr", "+xinerama", "-screen", "1280x800", "-screen", "1024x768")
    s.colour_windows({colour: rect for colour, rect, _ in HEAD_WINDOWS})
    for scale in ("1", "1.5", "2"):
        app = App(s, QT_SCALE_FACTOR=scale)
        app.open()
        for colour, _, target in HEAD_WINDOWS:
            yield f"scale {scale}: pick {colour} at {target}"
            app.drag_pick(target, colour, next(h for h in HEADS if inside((*target, 1, 1), h)))
        s.stop(app.process)


GROUPS = {"window": ((), window), "pick": (("dbus-daemon", "gdbus"), pick),
          "two_heads": (("Xephyr",), two_heads)}

if __name__ == "__main__":
    sys.exit(main(GROUPS))
