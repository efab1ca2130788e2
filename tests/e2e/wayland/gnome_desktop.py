# SPDX-License-Identifier: MIT
"""A private headless GNOME Shell desktop on Wayland for end-to-end tests: a system bus with a
login manager stand-in, a session bus, the shell with one virtual monitor, the desktop portal
with its GNOME backend, screenshots granted to unsandboxed apps, and input through the
compositor's remote desktop interface.

It shares the sway desktop's rules (desktop.py): under root the session runs as the test user,
every process carries the session marker, and closing ends only what the session started.
The harness talks to both buses itself; their configurations let the root harness in.
"""
import os
import shutil
import subprocess
import sys
import time

import gi

gi.require_version("GdkPixbuf", "2.0")
from gi.repository import GdkPixbuf, Gio, GLib  # noqa: E402

from desktop import Desktop  # noqa: E402
from waiting import Failure, Lines, wait_for  # noqa: E402

SIZE = (1280, 800)
DISPLAY = "hueloupe-wayland"  # the compositor's socket, named before anything starts
PORTAL = "/usr/libexec/xdg-desktop-portal"
PORTAL_GNOME = "/usr/libexec/xdg-desktop-portal-gnome"
TOOLS = ("gnome-shell", "dbus-daemon", "dbus-monitor")
BACKGROUND = "#3366cc"
BTN_LEFT = 0x110  # evdev code

BUS_CONFIG = """<busconfig><type>{type}</type><listen>unix:path={path}</listen>
<auth>EXTERNAL</auth>{services}<policy context="default"><allow user="*"/>
<allow send_destination="*" eavesdrop="true"/><allow eavesdrop="true"/><allow own="*"/></policy>
</busconfig>"""

# No animations (the overview and windows appear at once), no hot corner (the pointer goes to
# the top left corner before each move), no blanking, a plain background.
SETTINGS = f"""\
[org/gnome/desktop/interface]
enable-animations=false
enable-hot-corners=false
[org/gnome/desktop/session]
idle-delay=uint32 0
[org/gnome/desktop/screensaver]
lock-enabled=false
[org/gnome/desktop/background]
picture-options='none'
primary-color='{BACKGROUND}'
color-shading-type='solid'
"""


def missing_tools():
    missing = [tool for tool in TOOLS if not shutil.which(tool)]
    return missing + [path for path in (PORTAL, PORTAL_GNOME) if not os.access(path, os.X_OK)]


class GnomeDesktop(Desktop):
    def __init__(self):
        super().__init__()
        self.size = SIZE
        self.session = None  # the harness's connection to the session bus
        self.remote = None  # the remote desktop session's object path
        config = self.make_dir("config")
        self.make_dir("config/glib-2.0")
        self.make_dir("config/glib-2.0/settings")
        self.write("config/glib-2.0/settings/keyfile", SETTINGS)
        # Without a display manager the shell cannot lock; it says so once, in a banner.
        for folder in ("home/.local", "home/.local/share", "home/.local/share/gnome-shell"):
            self.make_dir(folder)
        self.write("home/.local/share/gnome-shell/lock-warning-shown", "")
        self.shots = self.make_dir("shots")
        self.env.update(WAYLAND_DISPLAY=DISPLAY, XDG_SESSION_TYPE="wayland",
                        XDG_CURRENT_DESKTOP="GNOME", XDG_SESSION_DESKTOP="gnome",
                        XDG_SESSION_ID="hueloupe", XDG_CONFIG_HOME=config,
                        GSETTINGS_BACKEND="keyfile", NO_AT_BRIDGE="1", GTK_A11Y="none")

    def open(self):
        system = self._start_bus("system", "")
        self.env["DBUS_SYSTEM_BUS_ADDRESS"] = system
        standin = os.path.join(os.path.dirname(os.path.abspath(__file__)), "login_standin.py")
        login = self.start("login1", [sys.executable, self.install(standin)], self.env,
                           stdout=subprocess.PIPE, text=True)
        if Lines(login.stdout).next("the login manager stand-in", 10) != "ready":
            raise Failure("the login manager stand-in did not start")
        self.bus = self._start_bus("session", "<standard_session_servicedirs/>")
        self.env["DBUS_SESSION_BUS_ADDRESS"] = self.bus
        self.session = Gio.DBusConnection.new_for_address_sync(
            self.bus, Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT
            | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION, None, None)
        self._start_shell()
        self.start("portal-gnome", [PORTAL_GNOME], self.env)
        wait_for("the portal's GNOME backend", lambda: self.has_owner(
            "org.freedesktop.impl.portal.desktop.gnome"), 20)
        self.start("portal", [PORTAL, "-r"], self.env)
        wait_for("the portal's Screenshot interface", lambda: self.call(
            "org.freedesktop.portal.Desktop", "/org/freedesktop/portal/desktop",
            "org.freedesktop.DBus.Properties", "Get",
            ("org.freedesktop.portal.Screenshot", "version"), 5000), 20, 0.2)
        # What the first "Allow" in the portal's dialog stores for unsandboxed apps; without it a
        # screenshot request waits on that dialog.
        grant = GLib.Variant("(sbssas)", ("screenshot", True, "screenshot", "", ["yes"]))
        if self.call("org.freedesktop.impl.portal.PermissionStore",
                     "/org/freedesktop/impl/portal/PermissionStore",
                     "org.freedesktop.impl.portal.PermissionStore", "SetPermission", grant) is None:
            raise Failure(f"the permission store refused the screenshot grant: {self.bus_error}")
        self._start_input()

    def _start_bus(self, kind, services):
        path = os.path.join(self.runtime, f"{kind}_bus")
        config = self.write(f"{kind}-bus.conf", BUS_CONFIG.format(type=kind, path=path,
                                                                  services=services))
        bus = self.start(f"{kind}-bus", ["dbus-daemon", f"--config-file={config}", "--nofork",
                                         "--nopidfile", "--print-address"], self.env,
                         stdout=subprocess.PIPE, text=True)
        return Lines(bus.stdout).next(f"the {kind} bus's address", 10)

    def _start_shell(self):
        shell = self.start("gnome-shell", ["gnome-shell", "--headless", "--wayland", "--no-x11",
                                           "--wayland-display", DISPLAY, "--virtual-monitor",
                                           "x".join(map(str, SIZE))], self.env)

        def up():
            if shell.poll() is not None:
                raise Failure(f"gnome-shell exited with status {shell.returncode}")
            return self.shell_property("OverviewActive") is not None
        wait_for("the shell on the session bus", up, 30, 0.1)
        # The session starts in the overview; leave it for the bare desktop.
        wait_for("the startup overview", lambda: self.shell_property("OverviewActive"), 10)
        self.call("org.gnome.Shell", "/org/gnome/Shell", "org.freedesktop.DBus.Properties",
                  "Set", ("org.gnome.Shell", "OverviewActive", GLib.Variant("b", False)))
        wait_for("the overview to close", lambda: self.shell_property("OverviewActive") is False)
        # The shell answers screenshot requests from a few well-known names only.
        self.call("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                  "RequestName", ("org.gnome.Screenshot", 4))

    def _start_input(self):
        self.remote = self.call("org.gnome.Mutter.RemoteDesktop", "/org/gnome/Mutter/RemoteDesktop",
                                "org.gnome.Mutter.RemoteDesktop", "CreateSession", ())[0]
        self._notify("Start")
        # The seat gains a pointer and a keyboard with the first event of each, which no window
        # sees: the tests' first move and key are not spent on that.
        self.move(SIZE[0] // 2, SIZE[1] // 2)
        self.key(0xffe1)  # Shift

    # D-Bus from the harness.

    def call(self, destination, path, interface, method, args=None, timeout_ms=10000):
        """The unpacked reply of a method call, or None after an error (kept in bus_error)."""
        if isinstance(args, tuple):
            args = GLib.Variant("(" + "".join(_signature(a) for a in args) + ")", args)
        try:
            reply = self.session.call_sync(destination, path, interface, method, args, None,
                                           Gio.DBusCallFlags.NONE, timeout_ms, None)
        except GLib.Error as error:
            self.bus_error = error.message
            return None
        return reply.unpack()

    def has_owner(self, name):
        return self.call("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                         "NameHasOwner", (name,)) == (True,)

    def shell_property(self, name):
        reply = self.call("org.gnome.Shell", "/org/gnome/Shell", "org.freedesktop.DBus.Properties",
                          "Get", ("org.gnome.Shell", name), 2000)
        return reply[0] if reply else None

    # Input, as the compositor's remote desktop session sends it.

    def _notify(self, method, *args):
        types = {"NotifyPointerMotionRelative": "(dd)", "NotifyPointerButton": "(ib)",
                 "NotifyKeyboardKeysym": "(ub)"}
        variant = GLib.Variant(types[method], args) if args else None
        if self.call("org.gnome.Mutter.RemoteDesktop", self.remote,
                     "org.gnome.Mutter.RemoteDesktop.Session", method, variant) is None:
            raise Failure(f"remote desktop {method}{args}: {self.bus_error}")

    def move(self, x, y):
        """Puts the pointer at a logical position: to the top left corner first, then there."""
        self._notify("NotifyPointerMotionRelative", -4.0 * SIZE[0], -4.0 * SIZE[1])
        self._notify("NotifyPointerMotionRelative", float(x), float(y))

    def click(self, button=BTN_LEFT, hold=0.0):
        """Presses and releases a button, holding it down for some seconds."""
        self._notify("NotifyPointerButton", button, True)
        time.sleep(hold)
        self._notify("NotifyPointerButton", button, False)

    def key(self, keysym):
        """Presses and releases a key, given as its X keysym (0xff1b is Escape)."""
        self._notify("NotifyKeyboardKeysym", keysym, True)
        self._notify("NotifyKeyboardKeysym", keysym, False)

    # What the screen shows.

    def screenshot(self):
        """The whole screen as the shell sees it, a GdkPixbuf."""
        path = os.path.join(self.shots, f"{time.monotonic_ns()}.png")
        reply = self.call("org.gnome.Shell.Screenshot", "/org/gnome/Shell/Screenshot",
                          "org.gnome.Shell.Screenshot", "Screenshot", (False, False, path))
        if not reply or not reply[0]:
            raise Failure(f"the shell took no screenshot: {self.bus_error}")
        return image(reply[1])

    def find(self, colour, picture=None, wide=1):
        """The (x, y, width, height) of the topmost band of a "#rrggbb" colour on the screen at
        least `wide` pixels wide, or None: where a window of that colour landed."""
        picture = picture or self.screenshot()
        width, height = picture.get_width(), picture.get_height()
        pixels, stride, n = picture.get_pixels(), picture.get_rowstride(), picture.get_n_channels()
        want = bytes.fromhex(colour[1:])

        def same(x, y):
            return pixels[y * stride + x * n:y * stride + x * n + 3] == want

        start = 0
        while (at := pixels.find(want, start)) >= 0:
            start = at + 1
            y, x = divmod(at, stride)
            if x % n or x // n >= width:
                continue
            x //= n
            right = next((w for w in range(x, width) if not same(w, y)), width)
            if right - x >= wide:
                bottom = next((h for h in range(y, height) if not same(x, h)), height)
                return x, y, right - x, bottom - y
            start = y * stride + right * n
        return None

    def close(self):
        if self.session:
            self.session.close_sync(None)
        super().close()


def image(path_or_uri):
    """A GdkPixbuf of an image file, named by its path or a file: URI (as the portal answers)."""
    if "://" in path_or_uri:
        path_or_uri = Gio.File.new_for_uri(path_or_uri).get_path()
    return GdkPixbuf.Pixbuf.new_from_file(path_or_uri)


def pixel(picture, x, y):
    """The "#rrggbb" colour of a pixel of a GdkPixbuf."""
    at = y * picture.get_rowstride() + x * picture.get_n_channels()
    return "#" + picture.get_pixels()[at:at + 3].hex()


def _signature(value):
    return {bool: "b", str: "s", int: "u", float: "d", GLib.Variant: "v"}[type(value)]
