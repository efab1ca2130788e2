#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Checks that a man page names every option its program's --help names, and renders cleanly.

Usage: check_man_page.py PROGRAM PAGE
The options are the words of the --help output that start with - or --. When man-db is
installed the page is also rendered with warnings on, as lintian does; any warning fails.
"""
import os
import re
import shutil
import subprocess
import sys

OPTION = re.compile(r"(?<![\w-])(--?[A-Za-z][\w-]*)")


def plain(roff):
    """The page's text without font changes and with roff's escaped minus signs as hyphens."""
    text = re.sub(r"\\f[BIRP]|\\f\(..|\\&", "", roff)
    return text.replace("\\-", "-").replace("\\e", "\\")


def main():
    if len(sys.argv) != 3:
        print(__doc__)
        return 2
    program, page = sys.argv[1:]
    help_text = subprocess.run([program, "--help"], capture_output=True, text=True, check=True,
                               env=dict(os.environ, DISPLAY="", WAYLAND_DISPLAY="", LANGUAGE="",
                                        LC_ALL="C.UTF-8")).stdout
    options = sorted(set(OPTION.findall(help_text)))
    with open(page, encoding="utf-8") as f:
        text = plain(f.read())
    missing = [option for option in options
               if not re.search(rf"(?<![\w-]){re.escape(option)}(?![\w-])", text)]
    failed = False
    if not options:
        print(f"{program} --help names no option")
        failed = True
    for option in missing:
        print(f"{page} does not name {option}")
        failed = True
    if shutil.which("man"):
        env = dict(os.environ, LC_ALL="C.UTF-8", MANROFFSEQ="", MANWIDTH="80")
        warnings = subprocess.run(["man", "--warnings", "-E", "UTF-8", "-l", "-Tutf8", "-Z", page],
                                  capture_output=True, text=True, env=env).stderr
        if warnings.strip():
            print(f"{page} renders with warnings:\n{warnings}")
            failed = True
    print(f"{os.path.basename(page)}: {len(options)} options: {' '.join(options)}")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
