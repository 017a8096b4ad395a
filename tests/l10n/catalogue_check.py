#!/usr/bin/python3
"""Every catalogue is complete and up to date with the sources.

Usage: catalogue_check.py LUPDATE INCLUDE_ROOT CATALOGUE... -- SOURCE...

Each catalogue is brought up to date with the sources (folders or files) in a temporary copy, as
`update-translations` would, and then fails on a text that is new, unfinished, obsolete or empty, and on a
translation whose placeholders (%1, %n), keyboard accelerators (&) or file filter parts (|) differ from its
English source.
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree

PLACEHOLDER = re.compile(r"%(?:[1-9][0-9]?|n)")
# "&&" is an ampersand shown as it is, not an accelerator.
ACCELERATOR = re.compile(r"&(?!&)")


def text_of(element):
    return "".join(element.itertext()) if element is not None else ""


def faults_of(message, context):
    source = text_of(message.find("source"))
    translation = message.find("translation")
    where = f"{context}: \"{source}\""
    kind = translation.get("type") if translation is not None else "missing"
    if kind in ("unfinished", "obsolete", "vanished", "missing"):
        return [f"{where} is {kind}"]
    translated = text_of(translation)
    if not translated.strip():
        return [f"{where} has an empty translation"]
    faults = []
    if sorted(PLACEHOLDER.findall(source)) != sorted(PLACEHOLDER.findall(translated)):
        faults.append(f"{where}: the placeholders of \"{translated}\" differ")
    if len(ACCELERATOR.findall(source.replace("&&", ""))) != len(ACCELERATOR.findall(translated.replace("&&", ""))):
        faults.append(f"{where}: the accelerators of \"{translated}\" differ")
    if source.count("|") != translated.count("|"):
        faults.append(f"{where}: the filter parts of \"{translated}\" differ")
    return faults


def check(lupdate, include_root, sources, catalogue, folder):
    copy = os.path.join(folder, os.path.basename(catalogue))
    shutil.copyfile(catalogue, copy)
    # Without -no-obsolete, so that a text the sources lost shows as obsolete rather than going.
    subprocess.run([lupdate, "-silent", "-locations", "none", "-I", include_root, *sources, "-ts", copy],
                   check=True, stdout=subprocess.DEVNULL)
    faults = []
    count = 0
    for context in ElementTree.parse(copy).getroot().iter("context"):
        name = text_of(context.find("name"))
        for message in context.iter("message"):
            count += 1
            faults += faults_of(message, name)
    if count == 0:
        faults.append("no texts found")
    return count, faults


def main(arguments):
    if "--" not in arguments or arguments.index("--") < 3 or arguments[-1] == "--":
        print(__doc__, file=sys.stderr)
        return 2
    split = arguments.index("--")
    lupdate, include_root = arguments[0], arguments[1]
    catalogues, sources = arguments[2:split], arguments[split + 1:]
    failed = False
    with tempfile.TemporaryDirectory() as folder:
        for catalogue in catalogues:
            count, faults = check(lupdate, include_root, sources, catalogue, folder)
            for fault in faults:
                print(f"{os.path.basename(catalogue)}: {fault}")
            print(f"{os.path.basename(catalogue)}: {count} texts, {len(faults)} faults")
            failed = failed or bool(faults)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
