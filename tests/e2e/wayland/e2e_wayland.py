#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""The picks of scenarios.py on a private headless sway: two outputs, the second at scale 2."""
import json
import os
import re
import shutil
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from scenarios import one_shot, portal_picker, well  # noqa: E402
from session import Session, main  # noqa: E402
from waiting import Failure, Lines, wait_for  # noqa: E402

PORTAL = "/usr/libexec/xdg-desktop-portal"
PORTAL_BACKENDS = ("/usr/libexec/xdg-desktop-portal-wlr", "/usr/libexec/xdg-desktop-portal-gtk")
TOOLS = ("sway", "swaymsg", "swaybg", "pipewire", "slurp", "grim", "wl-paste", "dbus-daemon",
         "dbus-monitor", "dbus-send", "wtype")
APP_ID = "org.hueloupe.Hueloupe"
SIDE = 100  # logical size of a colour window
# Per output: where the left window of a pair goes (layout position), its colour and the right's.
PAIRS = (((40, 480), "#c03020", "#20c040"), ((900, 100), "#3040d0", "#e0d020"))
# Sway's tree runs up to 200 ms ahead of what is drawn and given input: this much longer.
SETTLE = 0.3

# Floating windows keep their own size and leave the desktop around them to pick from.
SWAY_CONFIG = """\
xwayland disable
output HEADLESS-1 mode 800x600 position 0 0
output HEADLESS-2 mode 800x600 position 800 0 scale 2
output * bg #3366cc solid_color
default_border none
default_floating_border none
focus_follows_mouse no
for_window [app_id=".*"] floating enable
"""

# grim in the portal's PATH: refuses whole-desktop shots while the test says; -g still works.
GRIM_STANDIN = """\
#!/bin/sh
[ -e "$HOME/refuse-screenshots" ] && [ "$1" != -g ] && exit 1
PATH=${PATH#*:} exec grim "$@"
"""

# What the screen-cast backend needs; no realtime module (it would wait on the portal).
PIPEWIRE_CONFIG = "context.properties = { core.daemon = true core.name = pipewire-0 }\n" \
    "context.spa-libs = { audio.convert.* = audioconvert/libspa-audioconvert " \
    "support.* = support/libspa-support }\ncontext.modules = [" + " ".join(
        f"{{ name = libpipewire-module-{name} }}" for name in (
            "protocol-native", "metadata", "spa-node-factory", "client-node", "adapter",
            "link-factory", "access")) + "]\n"

# Newer portal front ends read this; older ones the backends' UseIn lists, which name sway.
PORTALS_CONFIG = """\
[preferred]
default=gtk
org.freedesktop.impl.portal.Screenshot=wlr
org.freedesktop.impl.portal.ScreenCast=wlr
"""


def rect(node):
    return tuple(node["rect"][k] for k in ("x", "y", "width", "height"))


class Sway(Session):
    def open(self):
        env = dict(self.env, WLR_BACKENDS="headless", WLR_RENDERER="pixman",
                   WLR_LIBINPUT_NO_DEVICES="1", WLR_HEADLESS_OUTPUTS="2")
        sway = self.start("sway", ["sway", "-c", self.write("sway.conf", SWAY_CONFIG)], env)

        def sockets():
            if sway.poll() is not None:
                raise Failure(f"sway exited with status {sway.returncode}")
            names = os.listdir(self.runtime)
            display = [n for n in names if re.fullmatch(r"wayland-\d+", n)]
            ipc = [n for n in names if n.startswith("sway-ipc.") and n.endswith(".sock")]
            return display and ipc and (display[0], os.path.join(self.runtime, ipc[0]))

        display, ipc = wait_for("the compositor's sockets", sockets)
        self.env.update(WAYLAND_DISPLAY=display, SWAYSOCK=ipc, XDG_CURRENT_DESKTOP="sway",
                        XDG_SESSION_TYPE="wayland")
        self.outputs = wait_for("two active outputs", lambda: len(found := [
            rect(o) for o in self.sway("get_outputs") or [] if o.get("active")]) == 2 and found)
        # A pointer the seat keeps (the compositor moves and clicks it); wtype adds a keyboard of
        # its own for each key it types, and this one keeps the seat's keymap between them.
        pointer = self.start("virtual-pointer", [self.install(os.environ["HUELOUPE_POINTER"])],
                             self.env, stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True)
        Lines(pointer.stdout).next("the virtual pointer", 5)
        self.start("keyboard", ["wtype", "-"], self.env, stdin=subprocess.PIPE)
        pipewire = self.start("pipewire", ["pipewire", "-c", self.write("pipewire.conf",
                                                                        PIPEWIRE_CONFIG)], self.env)
        wait_for("PipeWire's socket", lambda: os.path.exists(f"{self.runtime}/pipewire-0")
                 or pipewire.poll() is not None)
        if pipewire.poll() is not None:
            raise Failure(f"PipeWire exited with status {pipewire.returncode}")
        self.make_dir("portal-config/xdg-desktop-portal")
        self.write("portal-config/xdg-desktop-portal/sway-portals.conf", PORTALS_CONFIG)
        os.chmod(self.write(f"{self.make_dir('portal-bin')}/grim", GRIM_STANDIN), 0o755)
        # What the services the bus starts see: the compositor, no accessibility bus, no dconf.
        env = dict(self.env, XDG_CONFIG_HOME=f"{self.dir}/portal-config", GDK_BACKEND="wayland",
                   PATH=f"{self.dir}/portal-bin:{self.env['PATH']}", NO_AT_BRIDGE="1",
                   GTK_A11Y="none", GSETTINGS_BACKEND="memory")
        bus = self.start("dbus", ["dbus-daemon", "--session", "--nofork", "--nopidfile",
                                  f"--address=unix:path={self.runtime}/bus", "--print-address"],
                         env, stdout=subprocess.PIPE, text=True)
        self.bus = self.env["DBUS_SESSION_BUS_ADDRESS"] = Lines(bus.stdout).next("the bus", 10)
        self.watch_portal()
        self._wait_for_portal()
        self.show_colour_windows()

    def _wait_for_portal(self):
        """Pings the wlroots backend (a first message may sit unread), then awaits the portal."""
        def call(destination, path, method, *args, timeout=1):
            answer = self.run(["dbus-send", f"--bus={self.bus}", "--print-reply", f"--dest="
                               f"{destination}", f"--reply-timeout={timeout * 1000}", path,
                               method, *args], timeout=timeout + 5)
            self.bus_error = answer.stderr.strip()
            return answer.returncode == 0 and answer.stdout
        try:
            wait_for("the portal's wlroots backend", lambda: call(
                "org.freedesktop.impl.portal.desktop.wlr", "/", "org.freedesktop.DBus.Peer.Ping"),
                10, 0)
            wait_for("the portal's Screenshot interface, version 2 or later", lambda: int(re.search(
                r"uint32 (\d+)|$", call("org.freedesktop.portal.Desktop", "/org/freedesktop/portal"
                "/desktop", "org.freedesktop.DBus.Properties.Get", "string:org.freedesktop.portal."
                "Screenshot", "string:version", timeout=10) or "")[1] or 0) >= 2, 20, 0.2)
        except Failure as failure:
            raise Failure(f"{failure}: {self.bus_error}") from None

    def show_colour_windows(self):
        self.placed = {}
        for (x, y), *colours in PAIRS:
            for i, colour in enumerate(colours):
                window = self.start("colour-window", [self.colour_window, colour, str(SIDE),
                                                      str(SIDE)], self.env)
                wanted = self.placed[colour] = (x + i * SIDE, y, SIDE, SIDE)
                move = ["swaymsg", f"[pid={window.pid}] move absolute position {wanted[0]} {y}"]
                wait_for(f"the {colour} window at {wanted}", lambda: [rect(w) for w in (
                    self.windows_of(window.pid))] == [wanted] or self.run(move) and False, 10)
        self.run(["swaymsg", "focus output HEADLESS-1"])  # where new windows go

    def sway(self, request):
        """The answer of swaymsg to a request, as parsed JSON, or None."""
        answer = self.run(["swaymsg", "-r", "-t", request])
        return json.loads(answer.stdout) if answer.returncode == 0 else None

    def windows_of(self, pid):
        """The visible toplevel windows of a process in sway's tree."""
        found, nodes = [], [self.sway("get_tree") or {}]
        while nodes:
            node = nodes.pop()
            found += [node] if node.get("pid") == pid and node.get("visible") else []
            nodes += node.get("nodes", []) + node.get("floating_nodes", [])
        return found

    # The desktop as the scenarios see it.

    def refuse_screenshots(self, refused):
        flag = os.path.join(self.home, "refuse-screenshots")
        self.write(flag, "") if refused else os.remove(flag)

    def pairs(self):
        return [((x + SIDE - 1, y + SIDE // 2), left, right, scale)
                for scale, ((x, y), left, right) in enumerate(PAIRS, 1)]

    def inside(self, colour):
        return self.placed[colour][0] + 20, self.placed[colour][1] + 20

    def picker_target(self):
        return (20, 20), None

    def _input(self, *argv):
        if (done := self.run(argv)).returncode != 0:
            raise Failure(f"input {argv}: {done.stdout}{done.stderr}")

    def move(self, x, y):
        self._input("swaymsg", f"seat - cursor set {x} {y}")

    def click(self, hold=0):
        self._input("swaymsg", "seat - cursor press button1")
        time.sleep(hold)
        self._input("swaymsg", "seat - cursor release button1")

    def key(self, name):
        *mods, key = name.split("+")
        self._input("wtype", *sum((["-M", m] for m in mods), []),
                    *(["-k", key] if len(key) > 1 else [key]), *sum((["-m", m] for m in mods), []))

    def paste(self):
        paste = self.run(["wl-paste", "--no-newline"], timeout=5)
        return paste.stdout if paste.returncode == 0 else None

    def well(self, pid):
        window = wait_for("the main window in sway's tree", lambda: self.windows_of(pid), 15)[0]
        if window.get("shell") != "xdg_shell" or window.get("app_id") != APP_ID:
            raise Failure(f"not a native Wayland window of {APP_ID}: shell "
                          f"{window.get('shell')!r}, app_id {window.get('app_id')!r}")
        x, y, width, height = rect(window)
        return x + width // 2, y + height * 2 // 5

    def loupe(self, pid):
        return sorted(rect(w) for w in self.windows_of(pid) if w.get("fullscreen_mode"))

    def ready(self, pid):
        """Waits for the last loupe to go and for new windows to take input."""
        wait_for("the last loupe to go", lambda: not self.loupe(pid), 5)
        time.sleep(SETTLE)

    def loupe_up(self, pid, target):
        wait_for("the loupe full screen on both outputs",
                 lambda: self.loupe(pid) == sorted(self.outputs), 10, 0.01)
        time.sleep(SETTLE)
        shot = os.environ.pop("HUELOUPE_E2E_SHOT", None)  # the README's picture of the loupe
        if shot and target:
            self.move(*target)
            time.sleep(SETTLE)
            self.run(["grim", shot])

    def focus(self, pid):
        self.run(["swaymsg", f"[pid={pid}] focus"])
        wait_for("the window to have the focus",
                 lambda: any(w.get("focused") for w in self.windows_of(pid)), 5)

    def keep_evidence(self):
        if "SWAYSOCK" in self.env:
            self.run(["grim", os.path.join(self.logs, "screen.png")])


if __name__ == "__main__":
    missing = [tool for tool in TOOLS if not shutil.which(tool)]
    missing += [path for path in (PORTAL, *PORTAL_BACKENDS) if not os.access(path, os.X_OK)]
    if len(sys.argv) != 4 or not os.path.exists(sys.argv[3]):
        missing.append("the virtual pointer client (needs libwayland-dev)")
    else:
        os.environ["HUELOUPE_POINTER"] = sys.argv[3]
    # First the portal's picker: once wtype has typed a key and gone, the seat hands clients no
    # keymap until the next key, and the picker (slurp) crashes without one.
    sys.exit(main(Sway, (portal_picker, well, one_shot), missing))
