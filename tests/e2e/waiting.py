# SPDX-License-Identifier: MIT
"""Waiting with a deadline, and skipping, for the end-to-end tests."""
import queue
import threading
import time

SKIPPED = 77  # the exit status CTest counts as a skip (SKIP_RETURN_CODE)


class Failure(Exception):
    pass


def poll(predicate, timeout, interval=0.05):
    """The predicate's first true value within the timeout, or None."""
    deadline = time.monotonic() + timeout
    value = predicate()
    while not value and time.monotonic() < deadline:
        time.sleep(interval)
        value = predicate()
    return value or None


def wait_for(what, predicate, timeout=15.0, interval=0.05):
    value = poll(predicate, timeout, interval)
    if value is None:
        raise Failure(f"timed out after {timeout:g} s waiting for {what}")
    return value


def wait_equal(what, get, wanted, timeout=15.0):
    """Waits for get() to return the wanted value; a timeout tells the last value it returned."""
    deadline = time.monotonic() + timeout
    while (got := get()) != wanted:
        if time.monotonic() > deadline:
            raise Failure(f"timed out after {timeout:g} s waiting for {what}: "
                          f"{got!r:.200}, not {wanted!r}")
        time.sleep(0.05)


class Lines:
    """The lines a process writes on standard output, read on a thread."""

    def __init__(self, stream):
        self.queue = queue.Queue()
        threading.Thread(target=self._read, args=(stream,), daemon=True).start()

    def _read(self, stream):
        for line in stream:
            self.queue.put(line.rstrip("\n"))
        self.queue.put(None)

    def next(self, what, timeout):
        try:
            line = self.queue.get(timeout=timeout)
        except queue.Empty:
            raise Failure(f"timed out after {timeout:g} s waiting for {what}") from None
        if line is None:
            raise Failure(f"the process closed its output while waiting for {what}")
        return line
