#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""The picks of scenarios.py on a private headless GNOME Shell on Wayland."""
import os
import shutil
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from session import Session, main  # noqa: E402
from waiting import SKIPPED, Failure, Lines, wait_for  # noqa: E402

try:
    import gi
    gi.require_version("GdkPixbuf", "2.0")
    from gi.repository import GdkPixbuf, Gio, GLib
except (ImportError, ValueError):
    print("skipped: PyGObject (python3-gi) is missing; install debian-packages.txt")
    sys.exit(SKIPPED)
from scenarios import one_shot, portal_picker, well  # noqa: E402

SIZE = (1280, 800)
DISPLAY = "hueloupe-wayland"  # the compositor's socket, named before anything starts
PORTAL, PORTAL_GNOME = "/usr/libexec/xdg-desktop-portal", "/usr/libexec/xdg-desktop-portal-gnome"
BACKGROUND, COLOUR = "#3366cc", "#c83c1e"
WELL = "#fee98d"  # the colour well's colour at a first launch
FACE = "#141414"  # the strip under the loupe's face that names the colour
KEYSYMS = {"Right": 0xff53, "Left": 0xff51, "Return": 0xff0d, "Escape": 0xff1b, "shift": 0xffe1,
           "ctrl": 0xffe3}

BUS_CONFIG = """<busconfig><type>{type}</type><listen>unix:path={path}</listen>
<auth>EXTERNAL</auth>{services}<policy context="default"><allow user="*"/>
<allow send_destination="*" eavesdrop="true"/><allow eavesdrop="true"/><allow own="*"/></policy>
</busconfig>"""

# No animations (the overview and windows appear at once), no hot corner (the pointer goes to
# the top left corner before each move), a plain background.
SETTINGS = f"""\
[org/gnome/desktop/interface]
enable-animations=false
enable-hot-corners=false
[org/gnome/desktop/background]
picture-options='none'
primary-color='{BACKGROUND}'
color-shading-type='solid'
"""


class Gnome(Session):
    refuse_screenshots = paste = None

    def open(self):
        self.write(f"{self.make_dir('config/glib-2.0/settings')}/keyfile", SETTINGS)
        # Without a display manager the shell cannot lock; it says so once, in a banner.
        self.write(f"{self.make_dir('home/.local/share/gnome-shell')}/lock-warning-shown", "")
        self.env.update(WAYLAND_DISPLAY=DISPLAY, XDG_SESSION_TYPE="wayland",
                        XDG_CURRENT_DESKTOP="GNOME", XDG_SESSION_DESKTOP="gnome",
                        XDG_SESSION_ID="hueloupe", XDG_CONFIG_HOME=f"{self.dir}/config",
                        GSETTINGS_BACKEND="keyfile", NO_AT_BRIDGE="1", GTK_A11Y="none")
        self.env["DBUS_SYSTEM_BUS_ADDRESS"] = self._start_bus("system", "")
        standin = os.path.join(os.path.dirname(os.path.abspath(__file__)), "login_standin.py")
        login = self.start("login1", [sys.executable, self.install(standin)], self.env,
                           stdout=subprocess.PIPE, text=True)
        if Lines(login.stdout).next("the login manager stand-in", 10) != "ready":
            raise Failure("the login manager stand-in did not start")
        self.bus = self.env["DBUS_SESSION_BUS_ADDRESS"] = self._start_bus(
            "session", "<standard_session_servicedirs/>")
        self.session = Gio.DBusConnection.new_for_address_sync(
            self.bus, Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT
            | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION, None, None)
        shell = self.start("gnome-shell", ["gnome-shell", "--headless", "--wayland", "--no-x11",
                                           "--wayland-display", DISPLAY, "--virtual-monitor",
                                           "x".join(map(str, SIZE))], self.env)

        def overview():
            if shell.poll() is not None:
                raise Failure(f"gnome-shell exited with status {shell.returncode}")
            reply = self.call("org.gnome.Shell", "/org/gnome/Shell", "org.freedesktop.DBus."
                              "Properties", "Get", ("org.gnome.Shell", "OverviewActive"), 2000)
            return reply[0] if reply else None
        # The session starts in the overview; leave it for the bare desktop.
        wait_for("the shell's startup overview", overview, 30, 0.1)
        self.call("org.gnome.Shell", "/org/gnome/Shell", "org.freedesktop.DBus.Properties",
                  "Set", ("org.gnome.Shell", "OverviewActive", GLib.Variant("b", False)))
        wait_for("the overview to close", lambda: overview() is False)
        # The shell answers screenshot requests from a few well-known names only.
        self.call("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                  "RequestName", ("org.gnome.Screenshot", 4))
        self.start("portal-gnome", [PORTAL_GNOME], self.env)
        wait_for("the portal's GNOME backend", lambda: self.call(
            "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
            "NameHasOwner", ("org.freedesktop.impl.portal.desktop.gnome",)) == (True,), 20)
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
        self.remote = self.call("org.gnome.Mutter.RemoteDesktop", "/org/gnome/Mutter/RemoteDesktop",
                                "org.gnome.Mutter.RemoteDesktop", "CreateSession", ())[0]
        self._notify("Start")
        # The seat gains a pointer and a keyboard with the first event of each, which no window
        # sees: the tests' first move and key are not spent on that.
        self.move(SIZE[0] // 2, SIZE[1] // 2)
        self.key("shift")
        self.watch_portal()
        window = self.start("colour-window", [self.colour_window, COLOUR, "400", "300"], self.env)
        wait_for(f"a {COLOUR} window on the screen", lambda: window.poll() is None and self.pairs())

    def _start_bus(self, kind, services):
        config = self.write(f"{kind}-bus.conf", BUS_CONFIG.format(
            type=kind, path=f"{self.runtime}/{kind}_bus", services=services))
        bus = self.start(f"{kind}-bus", ["dbus-daemon", f"--config-file={config}", "--nofork",
                                         "--nopidfile", "--print-address"], self.env,
                         stdout=subprocess.PIPE, text=True)
        return Lines(bus.stdout).next(f"the {kind} bus's address", 10)

    def call(self, destination, path, interface, method, args=None, timeout_ms=10000):
        """The unpacked reply of a method call, or None after an error (kept in bus_error)."""
        if isinstance(args, tuple):
            args = GLib.Variant("(" + "".join({bool: "b", str: "s", int: "u", float: "d",
                                               GLib.Variant: "v"}[type(a)] for a in args) + ")",
                                args)
        try:
            return self.session.call_sync(destination, path, interface, method, args, None,
                                          Gio.DBusCallFlags.NONE, timeout_ms, None).unpack()
        except GLib.Error as error:
            self.bus_error = error.message
            return None

    def _notify(self, method, *args):
        """Input, as the compositor's remote desktop session takes it."""
        types = {"NotifyPointerMotionRelative": "(dd)", "NotifyPointerButton": "(ib)",
                 "NotifyKeyboardKeysym": "(ub)"}
        if self.call("org.gnome.Mutter.RemoteDesktop", self.remote,
                     "org.gnome.Mutter.RemoteDesktop.Session", method,
                     args and GLib.Variant(types[method], args) or None) is None:
            raise Failure(f"remote desktop {method}{args}: {self.bus_error}")

    def move(self, x, y):
        """To the top left corner first, then to the logical position."""
        self._notify("NotifyPointerMotionRelative", -4.0 * SIZE[0], -4.0 * SIZE[1])
        self._notify("NotifyPointerMotionRelative", float(x), float(y))

    def click(self, hold=0):
        self._notify("NotifyPointerButton", 0x110, True)  # BTN_LEFT
        time.sleep(hold)
        self._notify("NotifyPointerButton", 0x110, False)

    def key(self, name):
        keysyms = [KEYSYMS.get(k, ord(k[0])) for k in name.split("+")]
        for keysym, down in [(k, True) for k in keysyms] + [(k, False) for k in keysyms[::-1]]:
            self._notify("NotifyKeyboardKeysym", keysym, down)

    def screenshot(self):
        """The whole screen as the shell sees it: a GdkPixbuf."""
        path = os.path.join(self.dir, f"shot-{time.monotonic_ns()}.png")
        reply = self.call("org.gnome.Shell.Screenshot", "/org/gnome/Shell/Screenshot",
                          "org.gnome.Shell.Screenshot", "Screenshot", (False, False, path))
        if not reply or not reply[0]:
            raise Failure(f"the shell took no screenshot: {self.bus_error}")
        return GdkPixbuf.Pixbuf.new_from_file(reply[1])

    def find(self, colour, picture=None, wide=1):
        """The (x, y, width, height) of the topmost band of a colour `wide` or wider, or None."""
        picture = picture or self.screenshot()
        width, height = picture.get_width(), picture.get_height()
        pixels, stride, n = picture.get_pixels(), picture.get_rowstride(), picture.get_n_channels()
        want, start = bytes.fromhex(colour[1:]), 0

        def same(x, y):
            return pixels[y * stride + x * n:y * stride + x * n + 3] == want
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

    # The desktop as the scenarios see it.

    def pairs(self):
        """The colour window's last column and the bare desktop to its right, or None."""
        picture = self.screenshot()
        found = self.find(COLOUR, picture)
        if not found:
            return None
        x, y, width, height = found
        edge = (x + width - 1, y + height // 2)
        at = edge[1] * picture.get_rowstride() + (edge[0] + 1) * picture.get_n_channels()
        if "#" + picture.get_pixels()[at:at + 3].hex() != BACKGROUND:
            raise Failure(f"the window at {x},{y} {width}x{height} has no desktop to its right")
        return [(edge, COLOUR, BACKGROUND, 1)]

    def inside(self, colour):
        x, y, width, _ = self.find(colour)  # the window may be partly covered
        return x + width // 2, y

    def picker_target(self):
        return self.inside(COLOUR), COLOUR

    def well(self, pid):
        x, y, width, height = wait_for("the colour well", lambda: self.find(WELL))
        return x + width // 2, y + height // 3

    ready = focus = lambda self, pid: None

    def loupe_up(self, pid, target):
        # The compositor tells a window where the pointer is once it moves.
        wait_for("the loupe's face", lambda: self.move(*target or (SIZE[0] // 2, SIZE[1] // 2))
                 or self.find(FACE, wide=100), 15, 0)

    def close(self):
        if getattr(self, "session", None):
            self.session.close_sync(None)
        super().close()


if __name__ == "__main__":
    missing = [tool for tool in ("gnome-shell", "dbus-daemon", "dbus-monitor")
               if not shutil.which(tool)]
    missing += [path for path in (PORTAL, PORTAL_GNOME) if not os.access(path, os.X_OK)]
    sys.exit(main(Gnome, (one_shot, portal_picker, well), missing))
