#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Checks the shell completions of hueloupe-cli: one table of typed lines and the candidates
each should offer, run through bash (with bash-completion) and fish; zsh's is syntax-checked.

Usage: completion_test.py bash|fish|zsh COMPLETION_FILE FORMAT_NAME...
       completion_test.py formats HUELOUPE_CLI FORMAT_NAME...
Exits 77 (skipped) when the shell, or bash-completion for bash, is not installed. The second
form checks that the completions offer exactly the short names `hueloupe-cli formats` lists,
in its order.
"""
import os
import shutil
import subprocess
import sys

BASH_COMPLETION = "/usr/share/bash-completion/bash_completion"
SKIP = 77


def cases(names):
    starting = lambda prefix: [n for n in names if n.startswith(prefix)]
    return [
        ("hueloupe-cli f", ["formats"]),
        ("hueloupe-cli c", ["convert"]),
        ("hueloupe-cli --", ["--help", "--version"]),
        ("hueloupe-cli convert --f", ["--format"]),
        ("hueloupe-cli convert --format h", starting("h")),
        ("hueloupe-cli convert --format=rgb", starting("rgb")),
        ("hueloupe-cli convert red --format ui", starting("ui")),
        ("hueloupe-cli convert --format ", names),
        ("hueloupe-cli convert -- --f", []),
        ("hueloupe-cli formats --f", []),
        ("hueloupe-cli frobnicate --f", []),
    ]


def bash_words(line):
    """COMP_WORDS as bash splits them: on blanks, with '=' a word of its own."""
    words = line.replace("=", " = ").split()
    return words + [""] if line.endswith(" ") else words


def bash_script(completion, table):
    script = [f"source {BASH_COMPLETION}", f"source {completion}"]
    for line, _ in table:
        words = bash_words(line)
        script += [
            f"COMP_LINE='{line}'; COMP_POINT=${{#COMP_LINE}}",
            "COMP_WORDS=(" + " ".join(f"'{w}'" for w in words) + f"); COMP_CWORD={len(words) - 1}",
            "COMPREPLY=(); _hueloupe_cli; echo \"${COMPREPLY[*]}\"",
        ]
    return ["bash", "--norc", "--noprofile", "-c", "\n".join(script)]


def fish_script(completion, table):
    script = [f"source {completion}"]
    for line, _ in table:
        script.append(f"echo (complete -C '{line}' | string replace -r '\\t.*' '' | "
                      "string replace -r '^--format=(?=.)' '')")
    return ["fish", "--no-config", "-c", "; ".join(script)]


def check_formats(cli, names):
    listed = [line.split()[0] for line in subprocess.run(
        [cli, "formats"], capture_output=True, text=True, check=True).stdout.splitlines()]
    if listed != names:
        print(f"the completions offer {names}, hueloupe-cli formats lists {listed}")
        return 1
    return 0


def main():
    if len(sys.argv) < 4:
        print(__doc__)
        return 2
    shell, completion, *names = sys.argv[1:]
    if shell == "formats":
        return check_formats(completion, names)
    if not shutil.which(shell) or (shell == "bash" and not os.path.exists(BASH_COMPLETION)):
        print(f"{shell} (or bash-completion) is not installed: skipped")
        return SKIP
    if shell == "zsh":
        result = subprocess.run(["zsh", "-n", completion], capture_output=True, text=True)
        print(result.stderr, end="")
        return result.returncode
    table = cases(names)
    command = (bash_script if shell == "bash" else fish_script)(completion, table)
    result = subprocess.run(command, capture_output=True, text=True)
    answers = result.stdout.split("\n")
    failed = result.returncode != 0 or len(answers) < len(table)
    print(result.stderr, end="")
    for (line, expected), answer in zip(table, answers):
        if sorted(answer.split()) != sorted(expected):
            print(f"{shell}: '{line}' offers {answer.split()}, expected {expected}")
            failed = True
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
