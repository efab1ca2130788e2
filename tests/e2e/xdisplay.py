# SPDX-License-Identifier: MIT
"""A private X server, its windows and its pixels, for the X11 end-to-end scripts.

Screenshots are read straight from the server with XGetImage: no process per shot, so a poll
stays quick on a loaded machine and does not miss a message that shows for under a second.
"""
import ctypes
import ctypes.util
import os
import subprocess
import tempfile

from waiting import SKIPPED, Failure, missing_tools

_ZPIXMAP = 2
_ALL_PLANES = ctypes.c_ulong(~0 & 0xFFFFFFFFFFFFFFFF)


class _XImage(ctypes.Structure):
    _fields_ = [(name, ctypes.c_int) for name in (
        "width", "height", "xoffset", "format")] + [("data", ctypes.c_void_p)] + [
        (name, ctypes.c_int) for name in (
            "byte_order", "bitmap_unit", "bitmap_bit_order", "bitmap_pad", "depth",
            "bytes_per_line", "bits_per_pixel")] + [
        (name, ctypes.c_ulong) for name in ("red_mask", "green_mask", "blue_mask")]


def _load_xlib():
    path = ctypes.util.find_library("X11")
    if not path:
        return None
    xlib = ctypes.CDLL(path)
    xlib.XOpenDisplay.restype = ctypes.c_void_p
    xlib.XOpenDisplay.argtypes = [ctypes.c_char_p]
    xlib.XCloseDisplay.argtypes = [ctypes.c_void_p]
    xlib.XDefaultRootWindow.restype = ctypes.c_ulong
    xlib.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
    for name in ("XDisplayWidth", "XDisplayHeight"):
        getattr(xlib, name).argtypes = [ctypes.c_void_p, ctypes.c_int]
    xlib.XGetImage.restype = ctypes.POINTER(_XImage)
    xlib.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                               ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
    xlib.XDestroyImage.argtypes = [ctypes.POINTER(_XImage)]
    return xlib


_xlib = _load_xlib()


def have_xlib():
    return _xlib is not None


class Screen:
    """The root window's pixels in a rectangle (all of it by default), as 8-bit RGB."""

    def __init__(self, rect=None):
        display = _xlib.XOpenDisplay(None)
        if not display:
            raise Failure(f"cannot open display {os.environ.get('DISPLAY')}")
        try:
            width, height = _xlib.XDisplayWidth(display, 0), _xlib.XDisplayHeight(display, 0)
            x0, y0, w, h = rect or (0, 0, width, height)
            # Clipped to the screen: a request outside it is a protocol error that ends the script.
            self.x, self.y = max(x0, 0), max(y0, 0)
            self.width = max(min(x0 + w, width) - self.x, 0)
            self.height = max(min(y0 + h, height) - self.y, 0)
            self.data = b""
            if self.width and self.height:
                self._read(display)
        finally:
            _xlib.XCloseDisplay(display)

    def _read(self, display):
        image = _xlib.XGetImage(display, _xlib.XDefaultRootWindow(display), self.x, self.y,
                                self.width, self.height, _ALL_PLANES, _ZPIXMAP)
        if not image:
            raise Failure("XGetImage failed")
        try:
            i = image.contents
            if (i.bits_per_pixel, i.byte_order, i.red_mask, i.blue_mask) != (32, 0, 0xFF0000, 0xFF):
                raise Failure(f"unexpected pixel layout: {i.bits_per_pixel} bits per pixel")
            self.stride = i.bytes_per_line
            self.data = ctypes.string_at(i.data, self.stride * self.height)  # B, G, R, pad
        finally:
            _xlib.XDestroyImage(image)

    def _inside(self, rect):
        x0, y0, w, h = rect
        left, top = max(x0, self.x), max(y0, self.y)
        return left, top, min(x0 + w, self.x + self.width), min(y0 + h, self.y + self.height)

    def _offset(self, x, y):
        return (y - self.y) * self.stride + (x - self.x) * 4

    def at(self, x, y):
        i = self._offset(x, y)
        return self.data[i + 2], self.data[i + 1], self.data[i]

    def find(self, colour, rect):
        """The first point in the rectangle, row by row, that has exactly this colour."""
        left, top, right, bottom = self._inside(rect)
        pattern = bytes(reversed(colour))
        for y in range(top, bottom):
            start, end = self._offset(left, y), self._offset(right, y)
            i = self.data.find(pattern, start, end)
            while i >= 0 and (i - start) % 4:
                i = self.data.find(pattern, i + 1, end)
            if i >= 0:
                return left + (i - start) // 4, y
        return None

    def count_unlike(self, colour, rect, tolerance=24):
        """How many pixels in the rectangle differ from the colour by more than the tolerance
        in some channel."""
        left, top, right, bottom = self._inside(rect)
        # One table per channel maps a byte to 1 when it is too far off; the rows are then
        # combined as big integers, so the count runs at C speed.
        tables = [bytes(int(abs(v - c) > tolerance) for v in range(256)) for c in reversed(colour)]
        count = 0
        for y in range(top, bottom):
            row = self.data[self._offset(left, y):self._offset(right, y)]
            unlike = 0
            for channel, table in enumerate(tables):
                unlike |= int.from_bytes(row[channel::4].translate(table), "big")
            count += unlike.bit_count()
        return count

    def save(self, path):
        """Writes the pixels as a binary PPM."""
        rgb = bytearray(self.width * self.height * 3)
        for y in range(self.height):
            row = self.data[y * self.stride:y * self.stride + self.width * 4]
            for channel in range(3):
                rgb[y * self.width * 3 + channel:(y + 1) * self.width * 3:3] = row[2 - channel::4]
        with open(path, "wb") as f:
            f.write(b"P6\n%d %d\n255\n" % (self.width, self.height) + bytes(rgb))


def run(*args):
    return subprocess.run(args, check=True, capture_output=True, text=True, timeout=30).stdout


def visible_windows(pid, name=None):
    """The mapped windows of a process, optionally only those whose title matches."""
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(pid),
                            *(["--name", name] if name else [])],
                           capture_output=True, text=True, timeout=30)
    return found.stdout.split()


def geometry(window):
    """The window's x, y, width and height."""
    values = dict(line.split("=") for line in run("xdotool", "getwindowgeometry", "--shell",
                                                  window).split())
    return int(values["X"]), int(values["Y"]), int(values["WIDTH"]), int(values["HEIGHT"])


def start_server(command, env=None):
    """Starts an X server that tells its display number on a pipe; sets DISPLAY to it.

    The server does not reset when its last client leaves: a reset refuses whoever connects
    meanwhile, say a window started while a screenshot closes its connection."""
    read_end, write_end = os.pipe()
    server = subprocess.Popen([*command, "-displayfd", str(write_end), "-nolisten", "tcp",
                               "-noreset"],
                              pass_fds=(write_end,), stderr=subprocess.DEVNULL, env=env)
    os.close(write_end)
    with os.fdopen(read_end) as pipe:
        display = pipe.readline().strip()
    if not display:
        raise Failure(f"{command[0]} did not start")
    os.environ["DISPLAY"] = f":{display}"
    return server


def x11_test_setup(tools, xlib=True):
    """Readies this process's environment for an X11 test and returns None, or says which of the
    tools (and libX11, when xlib) are missing and returns the skip status."""
    missing = missing_tools(tools) + ([] if not xlib or have_xlib() else ["libX11"])
    if missing:
        print(f"skipped: missing {', '.join(missing)} (see debian-packages.txt)")
        return SKIPPED
    os.environ.pop("WAYLAND_DISPLAY", None)
    os.environ["QT_QPA_PLATFORM"] = "xcb"
    os.environ.setdefault("XDG_RUNTIME_DIR", tempfile.mkdtemp(prefix="hueloupe-runtime-"))
    return None
