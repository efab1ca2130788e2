#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Every catalogue is complete and current: brought up to date with the sources (lupdate,
xgettext) in a scratch directory, each .ts and .po file holds the same messages as committed,
all translated, none unfinished, fuzzy or obsolete. Usage: check_translations.py SOURCE_DIR"""
import glob, os, re, subprocess, sys, tempfile

root = sys.argv[1]
faults = []
with tempfile.TemporaryDirectory() as scratch:
    subprocess.run([os.path.join(root, "scripts/update-translations"), scratch], check=True)
    catalogues = glob.glob(f"{root}/translations/*.ts") + glob.glob(f"{root}/po/*.po")
    for committed in sorted(catalogues):
        name = os.path.relpath(committed, root)
        old, new = (open(path, encoding="utf-8").read() for path in (committed, f"{scratch}/{name}"))
        if name.endswith(".ts"):
            count = lambda text: text.count("<message>")
            stale = re.search(r'type="(unfinished|vanished|obsolete)"', old + new)
        else:
            count = lambda text: len(re.findall(r"^msgid ", text, re.M))
            stale = "#~" in old or re.search(r'^#, .*fuzzy|^msgstr ""\n\n', new + "\n", re.M)
        if count(old) != count(new) or stale:
            faults.append(f"{name}: {count(old)} messages, {count(new)} in the sources"
                          + (f"; {stale.group(0) if hasattr(stale, 'group') else 'obsolete'}"
                             if stale else ""))
print("\n".join(faults) or "all catalogues complete")
sys.exit(1 if faults else 0)
