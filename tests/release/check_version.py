#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Checks that every place naming the version agrees with the CMake project version.

Usage: check_version.py VERSION METAINFO CHANGELOG PROGRAM...
Each PROGRAM must answer --version with "NAME VERSION"; the metainfo's newest <release> and the
top entry of debian/changelog (less any Debian revision) must name VERSION too.
"""
import os
import re
import subprocess
import sys
import xml.etree.ElementTree as ElementTree


def newest_release(metainfo):
    releases = ElementTree.parse(metainfo).getroot().findall("./releases/release")
    return releases[0].get("version") if releases else None


def changelog_version(changelog):
    with open(changelog, encoding="utf-8") as f:
        match = re.match(r"^\S+ \(([^)]+)\)", f.readline())
    return match and re.sub(r"-[^-]*$", "", match.group(1).split(":")[-1])


def main():
    if len(sys.argv) < 5:
        print(__doc__)
        return 2
    version, metainfo, changelog, *programs = sys.argv[1:]
    found = {
        f"metainfo {os.path.basename(metainfo)}": newest_release(metainfo),
        "debian/changelog": changelog_version(changelog),
    }
    for program in programs:
        name = os.path.basename(program)
        answer = subprocess.run([program, "--version"], capture_output=True, text=True,
                                env=dict(os.environ, DISPLAY="", WAYLAND_DISPLAY=""))
        found[f"{name} --version"] = answer.stdout.strip().removeprefix(name + " ")
    wrong = {place: value for place, value in found.items() if value != version}
    for place, value in wrong.items():
        print(f"{place} says {value!r}, the project version is {version!r}")
    return 1 if wrong else 0


if __name__ == "__main__":
    sys.exit(main())
