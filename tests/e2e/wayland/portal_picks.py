# SPDX-License-Identifier: MIT
"""The portal's colour picks, as a bus monitor prints them."""
import re
import time

from waiting import Failure


class PortalPicks:
    """The portal's PickColor calls and Response signals, as the bus monitor prints them: a header
    line, then the arguments indented; a Response ends with its results' closing bracket."""

    def __init__(self, lines):
        self.lines = lines
        self.blocks = []  # each a list of lines, the header first
        self.cursor = 0  # blocks before it have been looked at

    def _read(self, what, deadline):
        line = self.lines.next(what, max(0.0, deadline - time.monotonic()))
        if not line.startswith((" ", "\t")):
            self.blocks.append([line])
        elif self.blocks:
            self.blocks[-1].append(line)

    def _next(self, what, member, timeout, complete=lambda block: True):
        deadline = time.monotonic() + timeout
        while True:
            while self.cursor < len(self.blocks):
                block = self.blocks[self.cursor]
                last = self.cursor == len(self.blocks) - 1
                if f"member={member}" not in block[0]:
                    self.cursor += 1
                elif complete(block) or not last:
                    self.cursor += 1
                    return block
                else:
                    break  # its arguments are still coming
            self._read(what, deadline)

    def wait_until_listening(self):
        # A monitor's own name is taken away as it starts watching.
        self._next("the bus monitor", "NameLost", 10)

    def wait_for_call(self, timeout=10):
        self._next("a PickColor call on the portal", "PickColor", timeout)

    def response(self, timeout):
        """The next Response: (code, "#rrggbb" or None), or None when none came in time."""
        try:
            block = self._next("the portal's Response", "Response", timeout,
                               lambda b: b[-1] == "   ]")
        except Failure:
            return None
        body = "\n".join(block[1:])
        code = int(re.search(r"uint32 (\d+)", body).group(1))
        colour = re.search(r'string "color"\s+variant\s+struct \{\s+double (\S+)\s+'
                           r'double (\S+)\s+double (\S+)', body)
        if code != 0 or not colour:
            return code, None
        return code, "#" + "".join(f"{round(float(c) * 255):02x}" for c in colour.groups())
