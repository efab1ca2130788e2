# SPDX-License-Identifier: MIT
"""The portal's Screenshot and PickColor calls and its answers, as a bus monitor prints them."""
import re
import time

from waiting import Failure


class PortalPicks:
    """The Screenshot interface's calls and the Response signals, as the bus monitor prints them: a
    header line, then the arguments indented; a Response ends with its results' closing bracket."""

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

    def call(self, method, timeout):
        """Waits for the next call of a method (Screenshot, PickColor); returns when the bus saw
        it (seconds since the epoch), or None when none came in time."""
        try:
            block = self._next(f"a {method} call on the portal", method, timeout)
        except Failure:
            return None
        return float(re.search(r"time=([\d.]+)", block[0])[1])

    def calls(self, method):
        """How many calls of a method the bus has carried so far."""
        try:
            while True:
                self._read("", time.monotonic())
        except Failure:
            pass
        return sum(f"member={method}" in block[0] for block in self.blocks)

    def response(self, timeout):
        """The next Response: (code, "#rrggbb" or None, uri or None, when the bus saw it), or None
        when none came in time."""
        try:
            block = self._next("the portal's Response", "Response", timeout,
                               lambda b: b[-1] == "   ]")
        except Failure:
            return None
        body = "\n".join(block[1:])
        code = int(re.search(r"uint32 (\d+)", body).group(1))
        colour = re.search(r'string "color"\s+variant\s+struct \{\s+double (\S+)\s+'
                           r'double (\S+)\s+double (\S+)', body)
        uri = re.search(r'string "uri"\s+variant\s+string "file://([^"]+)"', body)
        if colour:
            colour = "#" + "".join(f"{round(float(c) * 255):02x}" for c in colour.groups())
        return code, colour, uri and uri.group(1), float(re.search(r"time=([\d.]+)", block[0])[1])
