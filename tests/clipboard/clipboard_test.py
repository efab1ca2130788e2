#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Copied text outlives the process that copied it, on a private Xvfb."""
import os
import subprocess
import sys
import uuid

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))
from waiting import Failure, wait_for  # noqa: E402


def marked(mark):
    """The live processes whose environment carries the mark."""
    pids = []
    for entry in os.listdir("/proc"):
        try:
            with open(f"/proc/{entry}/environ", "rb") as f:
                if f"HUELOUPE_TEST_MARK={mark}".encode() in f.read().split(b"\0"):
                    with open(f"/proc/{entry}/stat") as s:
                        if s.read().rsplit(")", 1)[1].split()[0] != "Z":
                            pids.append(int(entry))
        except (OSError, ValueError):
            pass
    return pids


def paste():
    result = subprocess.run(["xclip", "-o", "-selection", "clipboard"], capture_output=True,
                            text=True, timeout=5)
    return result.stdout if result.returncode == 0 else None


def copy(probe, *args, drop=(), **env):
    """Runs the probe to its end, without the variables to drop."""
    mark = uuid.uuid4().hex
    env = {k: v for k, v in dict(os.environ, HUELOUPE_TEST_MARK=mark, **env).items()
           if k not in drop}
    result = subprocess.run([probe, *args], env=env, capture_output=True, text=True, timeout=20)
    if result.returncode != 0:
        raise Failure(f"probe failed: {result.stderr}")
    keeper, _, warning = result.stdout.partition("\n")
    return mark, keeper.split() + [line for line in warning.splitlines() if line]


def main(probe):
    read_end, write_end = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "640x480x24",
                             "-nolisten", "tcp"], pass_fds=[write_end], stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as f:
        os.environ["DISPLAY"] = ":" + f.readline().strip()
    os.environ["QT_QPA_PLATFORM"] = "xcb"
    keeper = None
    try:
        # No manager: the helper keeps the text, in a session of its own, on none of our streams.
        mark, said = copy(probe, "#bce368")
        if said[0] != "helper" or paste() != "#bce368":
            raise Failure(f"helper: said {said}, pastes {paste()!r}")
        [helper] = marked(mark)
        with open(f"/proc/{helper}/stat") as s:
            session = s.read().rsplit(")", 1)[1].split()[3]
        if session != said[1] or os.readlink(f"/proc/{helper}/fd/1") != "/dev/null":
            raise Failure(f"helper {helper} is in session {session}, not {said[1]}, or holds output")
        # Another program takes the clipboard: the helper ends.
        subprocess.run(["xclip", "-selection", "clipboard"], input="other", text=True, check=True)
        wait_for("the helper to end", lambda: not marked(mark))
        if paste() != "other":
            raise Failure(f"the other program's text is not pasted: {paste()!r}")
        # Qt given -display with DISPLAY unset: the helper serves that display.
        _, said = copy(probe, "-display", os.environ["DISPLAY"], "#010203", drop=["DISPLAY"])
        if said[0] != "helper" or paste() != "#010203":
            raise Failure(f"-display: said {said}, pastes {paste()!r}")
        # No helper: the user is told the clipboard empties with the process.
        _, said = copy(probe, "#040506", PATH="/nonexistent")
        if said[0] != "nobody" or "no clipboard manager and no xclip to" not in said[-1]:
            raise Failure(f"no helper: said {said}")
        # A clipboard manager runs: Qt hands it the text as the application ends; no helper starts.
        keeper = subprocess.Popen([probe, "--manager"], stdout=subprocess.PIPE, text=True)
        if keeper.stdout.readline().strip() != "ready":
            raise Failure("the stand-in clipboard manager did not start")
        mark, said = copy(probe, "rgb(1, 2, 3)")
        if said != ["manager", "0"] or marked(mark):
            raise Failure(f"manager: said {said}, left {marked(mark)}")
    finally:
        for process in (keeper, xvfb):
            if process:
                process.terminate()
                process.wait(timeout=10)
    print("clipboard hand-off: all passed")


if __name__ == "__main__":
    try:
        main(sys.argv[1])
    except Failure as failure:
        print(f"FAIL: {failure}")
        sys.exit(1)
