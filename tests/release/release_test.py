#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""What a release ships beside the programs."""
import os
import re
import shutil
import subprocess
import sys

BASH_COMPLETION = "/usr/share/bash-completion/bash_completion"


def run(*command, env=None):
    return subprocess.run(command, capture_output=True, text=True,
                          env=env or dict(os.environ, DISPLAY="", WAYLAND_DISPLAY="",
                                          LANGUAGE="", LC_ALL="C.UTF-8"))  # English help


def read(path):
    with open(path, encoding="utf-8") as f:
        return f.read()


def version(wanted, metainfo, changelog, *programs):
    """The metainfo's newest release, the changelog's top entry (no epoch, no Debian revision)
    and each program's --version answer "NAME VERSION"."""
    found = {metainfo: re.search(r'<release\b[^>]*\bversion="([^"]*)"', read(metainfo)),
             changelog: re.match(r"\S+ \((?:\d+:)?([^)]+?)(?:-[^-)]*)?\)", read(changelog))}
    found = {place: match and match.group(1) for place, match in found.items()}
    for program in programs:
        name = os.path.basename(program)
        found[program] = run(program, "--version").stdout.strip().removeprefix(name + " ")
    return [f"{place} says {value!r}, not {wanted!r}" for place, value in found.items()
            if value != wanted]


def man(program, page):
    """The options are the words of --help that start with - or --."""
    help_text = run(program, "--help").stdout
    options = sorted(set(re.findall(r"(?<![\w-])(--?[A-Za-z][\w-]*)", help_text)))
    text = re.sub(r"\\f[BIRP]|\\f\(..|\\&", "", read(page)).replace("\\-", "-")
    faults = [f"{page} does not name {option}" for option in options
              if not re.search(rf"(?<![\w-]){re.escape(option)}(?![\w-])", text)]
    if shutil.which("man"):
        env = dict(os.environ, LC_ALL="C.UTF-8", MANROFFSEQ="", MANWIDTH="80")
        warnings = run("man", "--warnings", "-E", "UTF-8", "-l", "-Tutf8", "-Z", page,
                       env=env).stderr
        faults += [f"{page} renders with warnings:\n{warnings}"] if warnings.strip() else []
    return faults + ([] if options else [f"{program} --help names no option"])


def formats(cli, *names):
    listed = [line.split()[0] for line in run(cli, "formats").stdout.splitlines()]
    return [] if listed == list(names) else [f"completions offer {names}, `formats` lists {listed}"]


def completions(shell, completion, *names):
    starting = lambda prefix: [n for n in names if n.startswith(prefix)]  # noqa: E731
    table = [("hueloupe-cli c", ["convert"]), ("hueloupe-cli --", ["--help", "--version"]),
             ("hueloupe-cli convert --f", ["--format"]),
             ("hueloupe-cli convert --format h", starting("h")),
             ("hueloupe-cli convert --format=rgb", starting("rgb")),
             ("hueloupe-cli convert red --format ui", starting("ui")),
             ("hueloupe-cli convert --format ", list(names)),
             ("hueloupe-cli convert -- --f", []), ("hueloupe-cli formats --f", [])]
    if shell == "bash":  # COMP_WORDS as bash splits them: on blanks, with '=' a word of its own
        script = [f"source {BASH_COMPLETION}", f"source {completion}"]
        for line, _ in table:
            words = line.replace("=", " = ").split() + ([""] if line.endswith(" ") else [])
            script += [f"COMP_LINE='{line}'; COMP_POINT=${{#COMP_LINE}}",
                       f"COMP_CWORD={len(words) - 1}",
                       "COMP_WORDS=(" + " ".join(f"'{w}'" for w in words) + ")",
                       'COMPREPLY=(); _hueloupe_cli; echo "${COMPREPLY[*]}"']
        done = run("bash", "--norc", "--noprofile", "-c", "\n".join(script))
    else:
        lines = [f"echo (complete -C '{line}' | string replace -r '\\t.*' '' | "
                 "string replace -r '^--format=(?=.)' '')" for line, _ in table]
        done = run("fish", "--no-config", "-c", "; ".join([f"source {completion}"] + lines))
    answers = done.stdout.split("\n")
    failed = done.returncode or len(answers) < len(table)
    faults = [f"{shell} failed: {done.stderr}"] if failed else []
    return faults + [f"{shell}: '{line}' offers {answer.split()}, not {wanted}" for (line, wanted),
                     answer in zip(table, answers) if sorted(answer.split()) != sorted(wanted)]


def main(check, *args):
    if check in ("bash", "fish", "zsh"):
        if not shutil.which(check) or (check == "bash" and not os.path.exists(BASH_COMPLETION)):
            print(f"{check} (or bash-completion) is not installed: skipped")
            return 77
        if check == "zsh":
            syntax = run("zsh", "-n", args[0])
            return print(syntax.stderr, end="") or syntax.returncode
        faults = completions(check, *args)
    else:
        faults = {"version": version, "man": man, "formats": formats}[check](*args)
    print("\n".join(fault for fault in faults if fault) or f"{check}: passed")
    return 1 if any(faults) else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
