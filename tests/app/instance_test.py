#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""One running instance, with real processes on a private session bus.

Usage: instance_test.py INSTANCE_PROBE
A second launch raises the first instead of starting, handing on its activation token; the
desktop's own interface raises it or starts its pick action; a pick asked of the first gets the
answer the first gives; an owner of the name that answers what no instance would, or does not
answer, is no instance; without a session bus every launch starts alone.
"""
import os
import selectors
import signal
import subprocess
import sys
import time


class Failure(Exception):
    pass


def run(probe, *args, env=None):
    result = subprocess.run([probe, *args], env=env, capture_output=True, text=True, timeout=20)
    return result.stdout.strip()


def desktop_call(method, *args):
    """Calls the desktop's interface of the running instance, as a launcher does."""
    subprocess.run(["gdbus", "call", "--session", "--dest", "org.hueloupe.Hueloupe",
                    "--object-path", "/org/hueloupe/Hueloupe", "--method",
                    f"org.freedesktop.Application.{method}", *args],
                   check=True, capture_output=True, timeout=20)


def read_line(process, timeout=8.0):
    """The process's next line of output, waited for until a deadline."""
    with selectors.DefaultSelector() as selector:
        selector.register(process.stdout, selectors.EVENT_READ)
        if not selector.select(timeout):
            raise Failure("timed out waiting for the instance")
    return process.stdout.readline().strip()


def main(probe):
    bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address"],
                           stdout=subprocess.PIPE, text=True)
    first = None
    try:
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = read_line(bus)
        for variable in ("XDG_ACTIVATION_TOKEN", "DESKTOP_STARTUP_ID"):
            os.environ.pop(variable, None)
        first = subprocess.Popen([probe, "serve"], stdout=subprocess.PIPE, text=True)
        if read_line(first) != "Claimed":
            raise Failure("the first instance did not claim the name")
        cases = [
            ([], "answer 0 "),
            (["-platform", "offscreen"], "answer 0 "),
            (["--pick", "--format", "rgb"], "answer 0 rgb({r}, {g}, {b}) copy"),
            (["--pick", "--format={h}°", "--no-copy"], "answer 0 {h}° print"),
            (["--pick"], "answer 0  copy"),
            (["--pick", "--format", "cancel"], "answer 1 "),
            (["--pick", "--format", "drop"], "answer 1 "),
            # What no instance answers is not trusted: this process picks itself.
            (["--pick", "--format", "status 2 "], "alone"),
            (["--pick", "--format", "status -1 "], "alone"),
            (["--pick", "--format", "status 0 a\nb"], "alone"),
            (["--pick", "--format", "long 4097"], "alone"),
            (["--pick", "--format", "long 4096"], "answer 0 " + "y" * 4096),
        ]
        for args, expected in cases:
            said = run(probe, *args)
            if said != expected.strip():
                raise Failure(f"{str(args)[:60]}: said {said[:40]!r}, "
                              f"not {expected.strip()[:40]!r}")
            if "--pick" not in args and read_line(first) != "activated":
                raise Failure(f"{args}: the first instance was not activated")
        # The launch's token reaches the running window, from either variable.
        for variable in ("XDG_ACTIVATION_TOKEN", "DESKTOP_STARTUP_ID"):
            run(probe, env=dict(os.environ, **{variable: "tok_TIME42"}))
            if read_line(first) != "activated tok_TIME42":
                raise Failure(f"{variable} was not handed to the running window")
        # A launcher's calls: an unknown action is ignored, a token it could not use is dropped.
        desktop_call("ActivateAction", "frobnicate", "@av []", "{}")
        for call, expected in [
                (("ActivateAction", "pick", "@av []", "{'desktop-startup-id': <'id-1'>}"),
                 "pick id-1"),
                (("Open", "@as []", "{'activation-token': <'a b'>}"), "activated")]:
            desktop_call(*call)
            if read_line(first) != expected:
                raise Failure(f"{call[:2]}: the first did not say {expected!r}")
        if run(probe, "serve") != "Taken":
            raise Failure("a second instance took the name")
        first.terminate()
        first.wait(timeout=10)
        # The first has gone: the next launch claims the name itself, once the bus has seen it go.
        deadline = time.monotonic() + 8
        while run(probe) != "claimed":
            if time.monotonic() > deadline:
                raise Failure("the name was not free after the first instance ended")
            time.sleep(0.05)
        if run(probe, "--pick") != "alone":
            raise Failure("a pick with no instance on the bus did not run alone")
        impostor = subprocess.Popen([probe, "impostor"], stdout=subprocess.PIPE, text=True)
        try:
            if read_line(impostor) != "Claimed":
                raise Failure("the impostor did not take the name")
            for args in ([], ["--pick"]):
                if run(probe, *args) != "alone":
                    raise Failure(f"{args}: an impostor's answer was trusted")
            impostor.send_signal(signal.SIGSTOP)  # a hung owner: not waited for
            if run(probe, "--pick") != "alone":
                raise Failure("a pick waited for a stopped owner")
        finally:
            impostor.kill()
            impostor.wait(timeout=10)
        no_bus = dict(os.environ, DBUS_SESSION_BUS_ADDRESS="unix:path=/nonexistent/bus")
        for args, expected in [(["serve"], "NoBus"), ([], "alone"), (["--pick"], "alone")]:
            if run(probe, *args, env=no_bus) != expected:
                raise Failure(f"no bus, {args}: said {run(probe, *args, env=no_bus)!r}")
    finally:
        for process in (first, bus):
            if process and process.poll() is None:
                process.terminate()
                process.wait(timeout=10)
    print("one instance: all passed")


if __name__ == "__main__":
    try:
        main(sys.argv[1])
    except Failure as failure:
        print(f"FAIL: {failure}")
        sys.exit(1)
