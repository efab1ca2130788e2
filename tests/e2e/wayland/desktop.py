# SPDX-License-Identifier: MIT
"""A private Wayland desktop for end-to-end tests: headless sway with two outputs side by side, the
second at scale 2, PipeWire, a session bus with the real desktop portal on it, a bus monitor that
records the portal's Screenshot and PickColor calls and its answers, and a pointer and keyboard.

The compositor refuses to run as root, so under root the whole session runs as a test user that
is created when missing. Every process started here carries a session marker in its environment;
closing the desktop ends its process groups, then any marked process left (services the bus
started), by process id.
"""
import ctypes
import json
import os
import pwd
import re
import secrets
import shutil
import signal
import subprocess
import tempfile
import time

from portal_picks import PortalPicks
from waiting import Failure, Lines, poll, wait_for

SKIP = 77  # ctest's SKIP_RETURN_CODE for this test
PR_SET_CHILD_SUBREAPER = 36
TEST_USER = "hueloupe-test"
MARKER = "HUELOUPE_E2E_SESSION"

PORTAL = "/usr/libexec/xdg-desktop-portal"
PORTAL_BACKENDS = ("/usr/libexec/xdg-desktop-portal-wlr", "/usr/libexec/xdg-desktop-portal-gtk")
TOOLS = ("sway", "swaymsg", "swaybg", "pipewire", "slurp", "grim", "wl-paste", "dbus-daemon",
         "dbus-monitor", "dbus-send", "wtype")

# Two outputs side by side, the second at scale 2: 800x600 logical, then 400x300 logical.
SWAY_CONFIG = """\
xwayland disable
output HEADLESS-1 mode 800x600 position 0 0
output HEADLESS-2 mode 800x600 position 800 0 scale 2
output * bg #3366cc solid_color
default_border none
default_floating_border none
focus_follows_mouse no
# Floating windows keep their own size, centred, and leave the desktop around them to pick from.
for_window [app_id=".*"] floating enable
"""

# Stands in for grim in the portal's PATH: while the test refuses screenshots, a capture of the
# whole desktop fails as one the compositor refused would; the colour picker's (-g) still works.
GRIM_STANDIN = """\
#!/bin/sh
[ -e "$HOME/refuse-screenshots" ] && [ "$1" != -g ] && exit 1
PATH=${PATH#*:} exec grim "$@"
"""

# Only what the screen-cast backend needs to start. No realtime module: it would wait on the
# portal, which waits on PipeWire.
PIPEWIRE_CONFIG = """\
context.properties = { core.daemon = true core.name = pipewire-0 }
context.spa-libs = {
    audio.convert.* = audioconvert/libspa-audioconvert
    support.* = support/libspa-support
}
context.modules = [
    { name = libpipewire-module-protocol-native }
    { name = libpipewire-module-metadata }
    { name = libpipewire-module-spa-node-factory }
    { name = libpipewire-module-client-node }
    { name = libpipewire-module-adapter }
    { name = libpipewire-module-link-factory }
    { name = libpipewire-module-access }
]
"""

# Newer portal front ends choose backends through this file; older ones read the backends' own
# UseIn lists, which name sway for the wlroots backend.
PORTALS_CONFIG = """\
[preferred]
default=gtk
org.freedesktop.impl.portal.Screenshot=wlr
org.freedesktop.impl.portal.ScreenCast=wlr
"""


class Skip(Exception):
    """The machine lacks something the test needs."""


def missing_tools():
    missing = [tool for tool in TOOLS if not shutil.which(tool)]
    missing += [path for path in (PORTAL, *PORTAL_BACKENDS) if not os.access(path, os.X_OK)]
    return missing


def test_account():
    """The account the session runs as: ours, or under root the test user, made when missing."""
    if os.geteuid() != 0:
        return pwd.getpwuid(os.geteuid())
    try:
        return pwd.getpwnam(TEST_USER)
    except KeyError:
        pass
    made = subprocess.run(["useradd", "--system", "--user-group", "--no-create-home",
                           "--shell", "/usr/sbin/nologin", TEST_USER],
                          capture_output=True, text=True)
    try:
        return pwd.getpwnam(TEST_USER)
    except KeyError:
        raise Skip(f"cannot create the test user {TEST_USER}: {made.stderr.strip()}") from None


class Desktop:
    def __init__(self):
        self.account = test_account()
        # Orphans of the session (daemons the bus started, detached clipboard helpers) become
        # ours, so that closing can reap them.
        ctypes.CDLL(None, use_errno=True).prctl(PR_SET_CHILD_SUBREAPER, 1, 0, 0, 0)
        self.marker = secrets.token_hex(8)
        self.processes = []
        self.dir = tempfile.mkdtemp(prefix="hueloupe-wayland-")
        self.runtime = self.make_dir("runtime", 0o700)
        self.home = self.make_dir("home")
        self.logs = self.make_dir("logs")
        self.bin = self.make_dir("bin")
        os.chmod(self.dir, 0o755)
        os.chown(self.dir, self.account.pw_uid, self.account.pw_gid)
        self.env = {"PATH": "/usr/local/bin:/usr/bin:/bin", "HOME": self.home, "LANG": "C.UTF-8",
                    "XDG_RUNTIME_DIR": self.runtime, MARKER: self.marker}
        for name in ("ASAN_OPTIONS", "UBSAN_OPTIONS", "LSAN_OPTIONS"):
            if name in os.environ:
                self.env[name] = os.environ[name]
        self.bus = None
        self.picks = None
        self.outputs = []

    def make_dir(self, name, mode=0o755):
        path = os.path.join(self.dir, name)
        os.mkdir(path, mode)
        os.chown(path, self.account.pw_uid, self.account.pw_gid)
        return path

    def write(self, name, text):
        path = os.path.join(self.dir, name)
        with open(path, "w", encoding="utf-8") as f:
            f.write(text)
        return path

    def install(self, program):
        """A copy of a program the test user can run wherever the build tree lives."""
        copy = os.path.join(self.bin, os.path.basename(program))
        if not os.path.exists(copy):
            shutil.copy2(program, copy)
            os.chmod(copy, 0o755)
        return copy

    def _command(self, argv):
        if os.geteuid() != 0:
            return list(argv)
        return ["setpriv", f"--reuid={self.account.pw_uid}", f"--regid={self.account.pw_gid}",
                "--clear-groups", "--", *argv]

    def start(self, name, argv, env, **kwargs):
        """Starts a process of the session in its own process group, its errors in a log."""
        kwargs.setdefault("stdin", subprocess.DEVNULL)
        kwargs.setdefault("stdout", subprocess.DEVNULL)
        log = open(os.path.join(self.logs, f"{name}.log"), "ab")
        process = subprocess.Popen(self._command(argv), env=env, cwd=self.dir, stderr=log,
                                   start_new_session=True, **kwargs)
        log.close()
        self.processes.append(process)
        return process

    def run(self, argv, env, timeout=10):
        return subprocess.run(self._command(argv), env=env, cwd=self.dir, stdin=subprocess.DEVNULL,
                              capture_output=True, text=True, timeout=timeout)

    # The session, in the order it comes up.

    def open(self):
        self._start_sway()
        self._start_input()
        self._start_pipewire()
        self._start_bus()
        self._start_monitor()
        self._wait_for_portal()

    def _start_sway(self):
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
        def active():
            found = [o for o in self.sway("get_outputs") or [] if o.get("active")]
            return len(found) == 2 and found

        self.outputs = wait_for("two active outputs", active)

    def sway(self, request):
        """The answer of swaymsg to a request, as parsed JSON, or None."""
        answer = self.run(["swaymsg", "-r", "-t", request], self.env)
        return json.loads(answer.stdout) if answer.returncode == 0 else None

    def _start_input(self):
        """A pointer and a keyboard that the seat keeps between commands: the compositor moves
        and clicks the pointer, and wtype adds a keyboard of its own for each key it types."""
        pointer = self.start("virtual-pointer", [self.install(os.environ["HUELOUPE_POINTER"])],
                             self.env, stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True)
        Lines(pointer.stdout).next("the virtual pointer", 5)
        self.start("keyboard", ["wtype", "-"], self.env, stdin=subprocess.PIPE)

    def send(self, *commands):
        """Sends pointer and keyboard commands; returns once the compositor has handled them:
        move X Y (layout position), press, release, click, key [MODIFIER+]KEY (an XKB key name,
        or one character)."""
        for command in commands:
            word, *args = command.split()
            if word == "key":
                *mods, key = args[0].split("+")
                argv = ["wtype", *sum((["-M", m] for m in mods), []),
                        *(["-k", key] if len(key) > 1 else [key]), *sum((["-m", m] for m in mods), [])]
            else:
                cursor = {"move": [f"set {args and ' '.join(args)}"], "press": ["press button1"],
                          "release": ["release button1"]}
                cursor["click"] = cursor["press"] + cursor["release"]
                argv = ["swaymsg", ", ".join(f"seat - cursor {c}" for c in cursor[word])]
            done = self.run(argv, self.env)
            if done.returncode != 0:
                raise Failure(f"input {command!r}: {done.stdout}{done.stderr}")

    def _start_pipewire(self):
        config = self.write("pipewire.conf", PIPEWIRE_CONFIG)
        pipewire = self.start("pipewire", ["pipewire", "-c", config], self.env)
        socket = os.path.join(self.runtime, "pipewire-0")
        wait_for("PipeWire's socket", lambda: os.path.exists(socket) or pipewire.poll() is not None)
        if pipewire.poll() is not None:
            raise Failure(f"PipeWire exited with status {pipewire.returncode}")

    def _start_bus(self):
        portal_config = self.make_dir("portal-config")
        os.mkdir(os.path.join(portal_config, "xdg-desktop-portal"))
        self.write("portal-config/xdg-desktop-portal/sway-portals.conf", PORTALS_CONFIG)
        standin = self.make_dir("portal-bin")
        os.chmod(self.write("portal-bin/grim", GRIM_STANDIN), 0o755)
        # What the services the bus starts see: the compositor, no accessibility bus, no dconf.
        env = dict(self.env, XDG_CONFIG_HOME=portal_config, GDK_BACKEND="wayland",
                   PATH=f"{standin}:{self.env['PATH']}",
                   NO_AT_BRIDGE="1", GTK_A11Y="none", GSETTINGS_BACKEND="memory")
        bus = self.start("dbus", ["dbus-daemon", "--session", "--nofork", "--nopidfile",
                                  f"--address=unix:path={self.runtime}/bus", "--print-address"],
                         env, stdout=subprocess.PIPE, text=True)
        self.bus = Lines(bus.stdout).next("the session bus's address", 10)
        self.env["DBUS_SESSION_BUS_ADDRESS"] = self.bus

    def _start_monitor(self):
        rules = ["type='method_call',interface='org.freedesktop.portal.Screenshot'",
                 "type='signal',interface='org.freedesktop.portal.Request',member='Response'"]
        monitor = self.start("dbus-monitor", ["dbus-monitor", "--address", self.bus, *rules],
                             self.env, stdout=subprocess.PIPE, text=True, bufsize=1)
        self.picks = PortalPicks(Lines(monitor.stdout))
        self.picks.wait_until_listening()

    def refuse_screenshots(self, refused):
        """Makes the portal's screenshots fail, or work again."""
        flag = os.path.join(self.home, "refuse-screenshots")
        if refused:
            self.write("home/refuse-screenshots", "")
        elif os.path.exists(flag):
            os.remove(flag)

    def _call(self, destination, path, method, *args, timeout_ms):
        """A method call through dbus-send: its printed reply, or None after an error."""
        answer = self.run(["dbus-send", f"--bus={self.bus}", "--print-reply",
                           f"--reply-timeout={timeout_ms}", f"--dest={destination}", path, method,
                           *args], self.env, timeout=timeout_ms / 1000 + 5)
        self.bus_error = answer.stderr.strip()
        return answer.stdout if answer.returncode == 0 else None

    def _wait_for_portal(self):
        """Starts the portal through the bus and waits until it offers PickColor."""
        # The wlroots backend comes first, and is pinged until it answers: a message that reaches
        # it while it still starts up can wait unread until the next one arrives, and the front
        # end's first call to it would hang for its whole timeout.
        self.bus_error = ""
        try:
            wait_for("the portal's wlroots backend", lambda: self._call(
                "org.freedesktop.impl.portal.desktop.wlr", "/", "org.freedesktop.DBus.Peer.Ping",
                timeout_ms=1000) is not None, 10, 0)

            def version():
                reply = self._call("org.freedesktop.portal.Desktop",
                                   "/org/freedesktop/portal/desktop",
                                   "org.freedesktop.DBus.Properties.Get",
                                   "string:org.freedesktop.portal.Screenshot", "string:version",
                                   timeout_ms=10000)
                match = re.search(r"uint32 (\d+)", reply or "")
                return int(match.group(1)) if match else None

            found = wait_for("the portal's Screenshot interface", version, 20, 0.2)
        except Failure as failure:
            raise Failure(f"{failure}: {self.bus_error}") from None
        if found < 2:
            raise Failure(f"the portal's Screenshot interface is version {found}, without "
                          "PickColor")

    # Closing.

    def close(self):
        for process in reversed(self.processes):
            if process.poll() is None:
                try:
                    os.killpg(process.pid, signal.SIGTERM)
                except ProcessLookupError:
                    pass
        deadline = time.monotonic() + 3
        for process in self.processes:
            try:
                process.wait(max(0.1, deadline - time.monotonic()))
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()
        self._end_marked()

    def marked(self):
        """The processes that carry this session's marker: services the bus started."""
        wanted = f"{MARKER}={self.marker}".encode()
        found = []
        for entry in os.listdir("/proc"):
            try:
                with open(f"/proc/{entry}/environ", "rb") as f:
                    if entry.isdigit() and wanted in f.read().split(b"\0"):
                        found.append(int(entry))
            except OSError:
                pass  # gone, or not ours
        return found

    def _end_marked(self):
        for sig in (signal.SIGTERM, signal.SIGKILL):
            for pid in self.marked():
                try:
                    os.kill(pid, sig)
                except ProcessLookupError:
                    pass
            if poll(lambda: not self.marked(), 2):
                break
        # Orphans that ended are our children now: reap them until none is left.
        def reaped_all():
            try:
                while os.waitpid(-1, os.WNOHANG)[0] != 0:
                    pass
            except ChildProcessError:
                return True
            return False

        poll(reaped_all, 2)
        if self.marked():
            raise Failure(f"processes left behind: {self.marked()}")

    def keep_evidence(self):
        """A screenshot and the compositor's tree in the logs folder, after a failure."""
        try:
            if self.picks:
                with open(os.path.join(self.logs, "bus.txt"), "w", encoding="utf-8") as f:
                    f.write("\n".join("\n".join(block) for block in self.picks.blocks))
            if "SWAYSOCK" in self.env:
                self.run(["grim", os.path.join(self.logs, "screen.png")], self.env)
                with open(os.path.join(self.logs, "tree.json"), "w", encoding="utf-8") as f:
                    json.dump(self.sway("get_tree"), f, indent=1)
        except (OSError, ValueError, subprocess.SubprocessError) as error:
            print(f"could not keep all evidence: {error}")

    def log_tails(self, lines=15):
        text = []
        for name in sorted(os.listdir(self.logs)):
            with open(os.path.join(self.logs, name), encoding="utf-8", errors="replace") as f:
                tail = f.read().splitlines()[-lines:]
            if tail:
                text.append(f"--- {name}\n" + "\n".join(tail))
        return "\n".join(text)

    def remove(self):
        shutil.rmtree(self.dir, ignore_errors=True)
