#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""One running instance, with real processes on a private session bus.

Usage: instance_test.py INSTANCE_PROBE
A second launch raises the first instead of starting; a pick asked of the first gets the answer
the first gives; without a session bus every launch starts alone.
"""
import os
import selectors
import subprocess
import sys
import time


class Failure(Exception):
    pass


def run(probe, *args, env=None):
    result = subprocess.run([probe, *args], env=env, capture_output=True, text=True, timeout=20)
    return result.stdout.strip()


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
        ]
        for args, expected in cases:
            said = run(probe, *args)
            if said != expected.strip():
                raise Failure(f"{args[:3]}: said {said!r}, not {expected.strip()!r}")
            if "--pick" not in args and read_line(first) != "activated":
                raise Failure(f"{args}: the first instance was not activated")
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
