# SPDX-License-Identifier: MIT
"""What both Wayland desktops share."""
import contextlib
import ctypes
import os
import pwd
import re
import secrets
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import traceback

sys.dont_write_bytecode = True  # nothing written into the source tree
sys.path.insert(1, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))  # waiting.py
from waiting import SKIPPED, Failure, poll  # noqa: E402

TEST_USER = "hueloupe-test"
MARKER = "HUELOUPE_E2E_SESSION"


def read(path):
    try:
        with open(path, encoding="utf-8", errors="replace") as f:
            return f.read()
    except OSError:
        return ""


class Skip(Exception):
    """The machine lacks something the test needs."""


def test_account():
    """Ours, or under root the test user, made when missing."""
    if os.geteuid() != 0:
        return pwd.getpwuid(os.geteuid())
    made = subprocess.run(["useradd", "--system", "--user-group", "--no-create-home", "--shell",
                           "/usr/sbin/nologin", TEST_USER], capture_output=True, text=True)
    try:
        return pwd.getpwnam(TEST_USER)
    except KeyError:
        raise Skip(f"cannot create the test user {TEST_USER}: {made.stderr.strip()}") from None


class Session:
    def __init__(self, binary, colour_window):
        self.account = test_account()
        # Orphans of the session (daemons the bus started, wl-copy) become ours, to be reaped.
        ctypes.CDLL(None, use_errno=True).prctl(36, 1, 0, 0, 0)  # PR_SET_CHILD_SUBREAPER
        self.marker = secrets.token_hex(8)
        self.dir = tempfile.mkdtemp(prefix="hueloupe-wayland-")
        os.chmod(self.dir, 0o755)
        os.chown(self.dir, self.account.pw_uid, self.account.pw_gid)
        self.runtime, self.home = self.make_dir("runtime", 0o700), self.make_dir("home")
        self.logs, self.bin = self.make_dir("logs"), self.make_dir("bin")
        self.binary, self.colour_window = self.install(binary), self.install(colour_window)
        self.env = {"PATH": "/usr/local/bin:/usr/bin:/bin", "HOME": self.home, "LANG": "C.UTF-8",
                    "XDG_RUNTIME_DIR": self.runtime, "QT_QPA_PLATFORM": "wayland",
                    MARKER: self.marker, **{k: v for k, v in os.environ.items() if k[-11:] ==
                                            "SAN_OPTIONS"}}

    def make_dir(self, name, mode=0o755):
        path = self.dir
        for part in name.split("/"):
            path = os.path.join(path, part)
            if not os.path.isdir(path):
                os.mkdir(path, mode)
                os.chown(path, self.account.pw_uid, self.account.pw_gid)
        return path

    def write(self, name, text):
        with open(os.path.join(self.dir, name), "w", encoding="utf-8") as f:
            f.write(text)
        return f.name

    def install(self, program):
        """A copy the test user can run wherever the build tree lives."""
        copy = os.path.join(self.bin, os.path.basename(program))
        shutil.copy2(program, copy)
        os.chmod(copy, 0o755)
        return copy

    def _command(self, argv):
        return list(argv) if os.geteuid() != 0 else [
            "setpriv", f"--reuid={self.account.pw_uid}", f"--regid={self.account.pw_gid}",
            "--clear-groups", "--", *argv]

    def start(self, name, argv, env, **kwargs):
        """A process of the session in its own process group, its errors in logs/NAME.log."""
        kwargs.setdefault("stdin", subprocess.DEVNULL)
        kwargs.setdefault("stdout", subprocess.DEVNULL)
        with open(os.path.join(self.logs, f"{name}.log"), "ab") as log:
            return subprocess.Popen(self._command(argv), env=env, cwd=self.dir, stderr=log,
                                       start_new_session=True, **kwargs)

    def run(self, argv, env=None, timeout=10):
        return subprocess.run(self._command(argv), env=env or self.env, cwd=self.dir,
                              stdin=subprocess.DEVNULL, capture_output=True, text=True,
                              timeout=timeout)

    def watch_portal(self):
        rules = ["type='method_call',interface='org.freedesktop.portal.Screenshot'",
                 "type='signal',interface='org.freedesktop.portal.Request',member='Response'"]
        path = os.path.join(self.logs, "portal-calls.txt")
        with open(path, "w", encoding="utf-8") as out:
            self.start("dbus-monitor", ["dbus-monitor", "--address", self.bus, *rules], self.env,
                       stdout=out)
        self.picks = PortalPicks(path)
        if not self.picks.next("NameLost", 10):  # its own name, lost as it starts watching
            raise Failure("the bus monitor did not start")

    def close(self):
        """Ends every process of the session, services the bus started included, and reaps them."""
        for sig in (signal.SIGTERM, signal.SIGKILL):
            for pid in self.marked():
                with contextlib.suppress(ProcessLookupError):
                    os.kill(pid, sig)
            if poll(lambda: not self.marked(), 3):
                break
        with contextlib.suppress(ChildProcessError):  # orphans that ended are our children too
            while os.waitpid(-1, os.WNOHANG)[0]:
                pass
        if self.marked():
            raise Failure(f"processes left behind: {self.marked()}")

    def marked(self, name=None):
        """The running processes that carry this session's marker (named NAME)."""
        found = []
        for pid in filter(str.isdigit, os.listdir("/proc")):
            try:
                with open(f"/proc/{pid}/environ", "rb") as f:
                    environ = f.read().split(b"\0")
                with open(f"/proc/{pid}/stat", encoding="utf-8") as f:
                    comm, state = re.fullmatch(r"\d+ \((.*)\) (\S).*", f.read().strip()).groups()
            except (OSError, AttributeError):
                continue  # gone, or not ours
            mine = f"{MARKER}={self.marker}".encode() in environ and state != "Z"
            found += [int(pid)] if mine and name in (None, comm) else []
        return found

    def log_tails(self, lines=15):
        text = []
        for name in sorted(os.listdir(self.logs)):
            tail = read(os.path.join(self.logs, name)).splitlines()[-lines:]
            text += [f"--- {name}", *tail] if tail else []
        return "\n".join(text)


class PortalPicks:
    """The portal's calls and Responses in the file a bus monitor writes."""

    def __init__(self, path):
        self.path, self.seen = path, 0  # how many blocks have been looked at

    def blocks(self):
        return re.split(r"\n(?=\S)", read(self.path).rstrip("\n"))

    def next(self, member, timeout):
        """The next block of a member (a Response once its results are all there), or None."""
        def found():
            for i, block in enumerate(self.blocks()[self.seen:], self.seen):
                if block.partition("\n")[0].endswith(f"member={member}") and (
                        member != "Response" or block.endswith("   ]")):
                    self.seen = i + 1
                    return block
        return poll(found, timeout)

    def call(self, method, timeout):
        """When the bus saw the next call of a method (seconds since the epoch), or None."""
        block = self.next(method, timeout)
        return block and float(re.search(r"time=([\d.]+)", block)[1])

    def calls(self, method):
        """How many calls of a method the bus has carried so far."""
        return sum(b.partition("\n")[0].endswith(f"member={method}") for b in self.blocks())

    def response(self, timeout):
        """The next Response: (code, "#rrggbb", file path, bus time) or None."""
        block = self.next("Response", timeout)
        if not block:
            return None
        colour = re.search(r'"color"\s+variant\s+struct \{\s+double (\S+)\s+double (\S+)\s+'
                           r'double (\S+)', block)
        uri = re.search(r'string "uri"\s+variant\s+string "file://([^"]+)"', block)
        return (int(re.search(r"uint32 (\d+)", block)[1]),
                colour and "#" + "".join(f"{round(float(c) * 255):02x}" for c in colour.groups()),
                uri and uri[1], float(re.search(r"time=([\d.]+)", block)[1]))


class App:
    """The app with settings of its own, logging when its windows are configured."""

    def __init__(self, desktop, name, **env):
        self.desktop, self.config = desktop, desktop.make_dir(f"config-{name}")
        self.log = os.path.join(desktop.logs, "hueloupe.log")
        self.env = dict(desktop.env, XDG_CONFIG_HOME=self.config,
                        QT_WAYLAND_DISABLE_WINDOWDECORATION="1", QT_LOGGING_RULES=
                        "qt.qpa.wayland=true", QT_MESSAGE_PATTERN="%{time boot} %{message}", **env)

    def start(self, *args, **kwargs):
        return self.desktop.start("hueloupe", [self.desktop.binary, *args], self.env, **kwargs)

    def setting(self, key):
        match = re.search(rf"^{key}=(.*)$", read(f"{self.config}/hueloupe/hueloupe.conf"), re.M)
        return match[1].strip('"') if match else None

    def logged(self):
        return read(self.log)

    def loupe_shown(self, mark):
        """When a full-screen active window was configured after log[:mark], or NaN."""
        shown = re.search(r"^ *([\d.]+) Applied pending xdg_toplevel configure event: .*"
                          r"WindowFullScreen\|WindowActive", self.logged()[mark:], re.M)
        return float(shown[1]) + time.time() - time.monotonic() if shown else float("nan")


def main(desktop_class, cases, missing):
    """Runs the cases on a desktop: exits 0 when all passed, 1 on a failure, 77 when skipped."""
    if missing:
        print(f"skipped: missing {', '.join(missing)}; install debian-packages.txt")
        return SKIPPED
    started = time.monotonic()
    try:
        desktop = desktop_class(*sys.argv[1:3])
    except Skip as reason:
        print(f"skipped: {reason}")
        return SKIPPED
    failed = False
    try:
        desktop.open()
        print(f"desktop up in {time.monotonic() - started:.1f} s", flush=True)
        for case in cases:
            print(f"case: {case.__doc__}", flush=True)
            case(desktop)
    except Exception as failure:  # noqa: BLE001 - any fault fails the test, after the clean-up
        failed = True
        if not isinstance(failure, Failure):
            traceback.print_exc()
        print(f"FAILED: {failure}\n{desktop.log_tails()}\nlogs kept in {desktop.logs}")
        getattr(desktop, "keep_evidence", lambda: None)()  # more than the logs, if it can
    finally:
        try:
            desktop.close()
        except Failure as failure:
            failed = True
            print(f"FAILED: {failure}")
    if not failed:
        shutil.rmtree(desktop.dir, ignore_errors=True)
    print(f"took {time.monotonic() - started:.1f} s")
    return int(failed)
