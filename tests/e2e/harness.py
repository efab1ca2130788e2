# SPDX-License-Identifier: MIT
"""The X11 end-to-end harness."""
import contextlib
import ctypes
import os
import pathlib
import re
import shutil
import signal
import subprocess
import sys
import tempfile

from waiting import SKIPPED, Failure, wait_equal, wait_for

DEVNULL, PIPE = subprocess.DEVNULL, subprocess.PIPE
NO_BUS = "unix:path=/nonexistent/hueloupe-test-bus"  # without a bus each launch runs alone
MAIN = "^Hueloupe$"  # the main window's title
ANYWHERE = (0, 0, 1 << 16, 1 << 16)  # a head that holds every screen

xlib = ctypes.CDLL("libX11.so.6")  # xdotool needs it too
_p, _i, _u, _ul = ctypes.c_void_p, ctypes.c_int, ctypes.c_uint, ctypes.c_ulong
for _name, _result, _args in (
        ("XOpenDisplay", _p, [ctypes.c_char_p]), ("XCloseDisplay", _i, [_p]),
        ("XDefaultRootWindow", _ul, [_p]), ("XDisplayWidth", _i, [_p, _i]),
        ("XDisplayHeight", _i, [_p, _i]), ("XGetImage", _p, [_p, _ul, _i, _i, _u, _u, _ul, _i]),
        ("XDestroyImage", _i, [_p]), ("XMapWindow", _i, [_p, _ul]), ("XSync", _i, [_p, _i]),
        ("XCreateSimpleWindow", _ul, [_p, _ul, _i, _i, _u, _u, _u, _ul, _ul])):
    getattr(xlib, _name).restype, getattr(xlib, _name).argtypes = _result, _args


def _open():
    display = xlib.XOpenDisplay(None)
    if not display:
        raise Failure(f"cannot open display {os.environ.get('DISPLAY')}")
    return display


class Screen:
    """The root window's pixels in a rectangle (all by default) clipped to the screen."""

    def __init__(self, rect=None):
        display = _open()
        try:
            self.size = xlib.XDisplayWidth(display, 0), xlib.XDisplayHeight(display, 0)
            x0, y0, w, h = rect or (0, 0, *self.size)
            self.x, self.y = max(x0, 0), max(y0, 0)
            self.width = max(min(x0 + w, self.size[0]) - self.x, 0)
            self.height = max(min(y0 + h, self.size[1]) - self.y, 0)
            self.rows = []
            if self.width and self.height:
                image = xlib.XGetImage(display, xlib.XDefaultRootWindow(display), self.x, self.y,
                                       self.width, self.height, ctypes.c_ulong(2**64 - 1), 2)
                if not image:
                    raise Failure("XGetImage failed")
                # Pixels B, G, R, pad; the XImage head: 4 ints, the data, 6 ints to the stride.
                data = ctypes.cast(image, ctypes.POINTER(_p))[2]
                stride = ctypes.cast(image, ctypes.POINTER(_i))[11]
                data = ctypes.string_at(data, stride * self.height)
                xlib.XDestroyImage(image)
                self.rows = [data[i:i + self.width * 4] for i in range(0, len(data), stride)]
        finally:
            xlib.XCloseDisplay(display)

    def at(self, x, y):
        """The colour at a point as (r, g, b), or None outside the rectangle."""
        if not (0 <= x - self.x < self.width and 0 <= y - self.y < self.height):
            return None
        i = (x - self.x) * 4
        return tuple(reversed(self.rows[y - self.y][i:i + 3]))

    def find(self, colour):
        """The first point, row by row, that has exactly this colour."""
        return next(((x, y) for y in range(self.y, self.y + self.height)
                     for x in range(self.x, self.x + self.width) if self.at(x, y) == colour), None)

    def count_unlike(self, colour, tolerance=24):
        """How many pixels differ from the colour by more than the tolerance in some channel."""
        # Per channel a table turns each byte into 1 when it is too far off, 0 else; the channels
        # are OR-ed as big integers, so the count runs at C speed.
        data = b"".join(self.rows)
        b, g, r = (int.from_bytes(data[i::4].translate(bytes(
            abs(v - c) > tolerance for v in range(256))), "big") for i, c in enumerate(colour[::-1]))
        return (b | g | r).bit_count()


def pixel(x, y):
    """The colour at a point, or None off the screen."""
    return Screen((x, y, 1, 1)).at(x, y)


def rgb(hex_colour):
    return tuple(bytes.fromhex(hex_colour[1:]))


def centre(rect):
    return rect[0] + rect[2] // 2, rect[1] + rect[3] // 2


def inside(rect, outer):
    return all(outer[i] <= rect[i] and rect[i] + rect[i + 2] <= outer[i] + outer[i + 2]
               for i in (0, 1))


def expect(what, got, wanted):
    if got != wanted:
        raise Failure(f"{what}: {got!r}, not {wanted!r}")


def xdo(*args, check=True):
    """xdotool's output in words; a failure raises, or gives [] when not checked."""
    done = subprocess.run(["xdotool", *map(str, args)], capture_output=True, text=True, timeout=30)
    if done.returncode and check:
        raise Failure(f"xdotool {' '.join(map(str, args))}: {done.stderr.strip()}")
    return [] if done.returncode else done.stdout.split()


def visible_windows(pid, name=None):
    return xdo("search", "--onlyvisible", "--pid", pid, *(["--name", name] if name else []),
               check=False)


def geometry(window):
    """The window's x, y, width and height, or None once it has gone."""
    words = xdo("getwindowgeometry", "--shell", window, check=False)  # WINDOW, X, Y, WIDTH, ...
    return tuple(int(word.split("=")[1]) for word in words[1:5]) or None


def clipboard():
    return subprocess.run(["xclip", "-o", "-selection", "clipboard"], capture_output=True,
                          text=True, timeout=30).stdout


def finish(process, timeout=10):
    """The exit status and output (None unless piped) of a process that ends within the timeout."""
    try:
        out, _ = process.communicate(timeout=timeout)
    except subprocess.TimeoutExpired:
        raise Failure(f"{process.args[1:]} still runs {timeout} s later") from None
    return process.returncode, out


def loupe_at(pid, others, target, colour, release="click", scale=1.0, head=ANYWHERE):
    """Waits for the loupe over the head, moves to the target, checks the colour, picks."""
    head = (0, 0, *Screen((0, 0, 0, 0)).size) if head == ANYWHERE else head
    wait_for(f"the loupe over {head}", lambda: [
        w for w in set(visible_windows(pid)) - set(others)
        if inside(head, geometry(w) or (0, 0, 0, 0))])
    xdo("mousemove", *target)
    # The face, 150 x 174 with its centre cell's middle at 75, 75, lies 24 below and right of the
    # pointer, flipped to the left or above where it would leave the pointer's head.
    middle = [round(p + 24 * scale if p + 24 * scale + size * scale <= start + extent
                    else p - 24 * scale - size * scale) + round(75 * scale)
              for p, size, start, extent in zip(target, (150, 174), head[:2], head[2:])]
    wait_for(f"the loupe showing {colour} at {target}", lambda: pixel(*middle) == rgb(colour))
    xdo(release, 1)


class App:
    """hueloupe with a settings folder of its own."""

    def __init__(self, session, **env):
        self.session, self.config = session, tempfile.mkdtemp(dir=session.folder)
        self.env = dict(os.environ, XDG_CONFIG_HOME=self.config, **env)
        self.file = pathlib.Path(self.config, "hueloupe", "hueloupe.conf")
        self.scale = float(env.get("QT_SCALE_FACTOR", 1))

    def start(self, *args, stdout=PIPE):
        return self.session.spawn([self.session.binary, *args], env=self.env, stdout=stdout,
                                  text=True)

    def open(self):
        """Starts the app with its window and waits for the window; returns the process."""
        self.process = self.start(stdout=DEVNULL)
        self.window = wait_for("the main window",
                               lambda: visible_windows(self.process.pid, MAIN)[:1], 30)[0]
        self.x, self.y, self.width, self.height = geometry(self.window)
        return self.process

    def keys(self, *keys):
        xdo("windowfocus", "--sync", self.window, "key", "--delay", 40, *keys)

    def quit(self):
        self.keys("ctrl+q")
        finish(self.process, 30)

    def settings(self):
        return self.file.read_text("utf-8") if self.file.exists() else ""

    def setting(self, key):
        match = re.search(rf"^{re.escape(key)}=(.*)$", self.settings(), re.M)
        return match.group(1).strip('"') if match else None

    def history(self):
        return [self.setting(str(i)) for i in range(1, 6)]

    def well(self):
        """A point in the colour well, below the menu bar."""
        return self.x + round(30 * self.scale), self.y + round(60 * self.scale)

    def drag_pick(self, target, colour, head=ANYWHERE):
        """Presses in the well, drags to the target, checks the loupe there and releases."""
        x, y = self.well()
        xdo("mousemove", x, y, "mousedown", 1, "mousemove", x + 20, y + 20)
        loupe_at(self.process.pid, [self.window], target, colour, "mouseup", self.scale, head)
        wait_equal("LastColor", lambda: self.setting("LastColor"), colour)
        wait_for("the loupe to go", lambda: visible_windows(self.process.pid) == [self.window])


class Session:
    """The processes a run starts, each ended by its id at the end, the last first."""

    def __init__(self, binary):
        self.binary, self.folder = binary, tempfile.mkdtemp(prefix="hueloupe-e2e-")
        self.processes = []

    def spawn(self, command, **options):
        """Starts a process that the kernel ends, too, should this one die unawares."""
        self.processes.append(subprocess.Popen(command, **{
            "stdout": DEVNULL, "stderr": DEVNULL, **options,
            "preexec_fn": lambda: ctypes.CDLL(None).prctl(1, signal.SIGKILL)}))  # PDEATHSIG
        return self.processes[-1]

    def _told(self, *command):
        """Starts a command given a pipe's write end for {}; the first line it writes there."""
        read_end, write_end = os.pipe()
        self.spawn([arg.format(write_end) for arg in command], pass_fds=(write_end,))
        os.close(write_end)
        with os.fdopen(read_end) as pipe:
            line = pipe.readline().strip()
        if not line:
            raise Failure(f"{command[0]} did not start")
        return line

    def server(self, *command):
        """Starts an X server as DISPLAY."""
        os.environ["DISPLAY"] = ":" + self._told(*command, "-displayfd", "{}", "-nolisten", "tcp",
                                                 "-noreset")

    def bus(self):
        """Starts a private session bus for what starts later."""
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = self._told(
            "dbus-daemon", "--session", "--nofork", "--print-address={}")

    def colour_windows(self, windows):
        """Maps windows {"#rrggbb": (x, y, width, height)}, the server painting them."""
        display = _open()
        for colour, rect in windows.items():
            xlib.XMapWindow(display, xlib.XCreateSimpleWindow(
                display, xlib.XDefaultRootWindow(display), *rect, 0, 0, int(colour[1:], 16)))
        xlib.XSync(display, 0)
        wait_for("the colour windows", lambda: all(
            pixel(*centre(rect)) == rgb(colour) for colour, rect in windows.items()), 30)

    def offer(self, text):
        """Puts text on the clipboard: xclip in the foreground serves until another owner takes it."""
        xclip = self.spawn(["xclip", "-quiet", "-i", "-selection", "clipboard"], stdin=PIPE,
                           text=True)
        xclip.stdin.write(text)
        xclip.stdin.close()
        wait_for(f"xclip to offer {text[:20]!r}", lambda: clipboard() == text)

    def stop(self, *processes):
        for process in processes or reversed(self.processes):
            if process.poll() is None:
                process.kill()
            process.wait()


def main(groups):
    """Runs the group of scenarios named on the command line: 0 passed, 1 failed, 77 skipped."""
    if len(sys.argv) != 3 or sys.argv[1] not in groups:
        print(f"usage: {sys.argv[0]} {'|'.join(groups)} HUELOUPE")
        return 2
    tools, scenario = groups[sys.argv[1]]
    missing = [t for t in ["Xvfb", "xdotool", "xclip", *tools] if not shutil.which(t)]
    if missing:
        print(f"skipped: missing {', '.join(missing)} (see debian-packages.txt)")
        return SKIPPED
    session = Session(os.path.abspath(sys.argv[2]))
    os.environ.pop("WAYLAND_DISPLAY", None)
    os.environ.update(QT_QPA_PLATFORM="xcb", DBUS_SESSION_BUS_ADDRESS=NO_BUS)
    os.environ.setdefault("XDG_RUNTIME_DIR", session.folder)
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("FAILED: terminated by a signal"))
    try:
        for step in scenario(session):
            print(f"step: {step}", flush=True)
    except (Failure, subprocess.SubprocessError, OSError) as failure:
        print(f"FAILED: {failure}\nthe screen and the settings are kept in {session.folder}")
        with contextlib.suppress(subprocess.SubprocessError, OSError):  # ImageMagick's import
            subprocess.run(["import", "-window", "root", f"{session.folder}/failure.png"],
                           stderr=DEVNULL, timeout=30)
        return 1
    finally:
        session.stop()
    print("all steps passed")
    shutil.rmtree(session.folder, ignore_errors=True)
    return 0
