#!/usr/bin/env python3
"""Checks that every translation in translations/ is complete: lupdate is run over src/ into a
temporary file, and every text it finds must be in each tickvane_*.ts with a finished, non-empty
translation (every plural form) that keeps the text's placeholders and has an access key
exactly when the text has one. Prints the first problems and their count.
Usage: check_complete.py LUPDATE SOURCE_ROOT"""
import pathlib
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree

SHOWN = 20
PLACEHOLDER = re.compile(r"%(?:L?\d+|n)")
UNDONE = {"unfinished", "vanished", "obsolete"}


def messages(ts_file):
    """(context, source, comment) -> the message element, for every message of a .ts file."""
    found = {}
    for context in ElementTree.parse(ts_file).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            key = (name, message.findtext("source"), message.findtext("comment") or "")
            found[key] = message
    return found


def has_access_key(text):
    """A "&" marks an access key; "&&" is a plain "&"."""
    return "&" in text.replace("&&", "")


def problems_of(message, source):
    """What is wrong with one message's translation, as a list of short phrases."""
    translation = message.find("translation")
    if translation is None:
        return ["no translation"]
    if translation.get("type") in UNDONE:
        return [translation.get("type")]
    if message.get("numerus") == "yes":
        texts = [form.text or "" for form in translation.iter("numerusform")]
    else:
        texts = [translation.text or ""]
    problems = []
    if not texts or any(not text for text in texts):
        problems.append("empty translation" if len(texts) <= 1 else "a plural form is empty")
    wanted = set(PLACEHOLDER.findall(source))
    for text in filter(None, texts):
        got = set(PLACEHOLDER.findall(text))
        if got != wanted:
            problems.append("placeholders %s, not %s" % (sorted(got), sorted(wanted)))
        if has_access_key(text) != has_access_key(source):
            problems.append("access key marker differs from the source's")
    return problems


def main():
    lupdate, root = sys.argv[1], pathlib.Path(sys.argv[2])
    with tempfile.TemporaryDirectory() as folder:
        current = pathlib.Path(folder) / "current.ts"
        subprocess.run([lupdate, "-silent", "-locations", "none", "-source-language", "en",
                        str(root / "src"), "-ts", str(current)], check=True)
        wanted = messages(current)
    problems = []
    for ts_file in sorted((root / "translations").glob("tickvane_*.ts")):
        translated = messages(ts_file)
        for key in wanted:
            context, source, _ = key
            where = "%s: %s: %r" % (ts_file.name, context, source)
            if key not in translated:
                problems.append(where + ": missing")
                continue
            problems += ["%s: %s" % (where, problem)
                         for problem in dict.fromkeys(problems_of(translated[key], source))]
    if not wanted:
        problems.append("lupdate found no texts in %s" % (root / "src"))
    for problem in problems[:SHOWN]:
        print(problem)
    if problems:
        print("%d problems in the translations (first %d shown)" % (len(problems), SHOWN))
        return 1
    print("%d texts translated in every language" % len(wanted))
    return 0


if __name__ == "__main__":
    sys.exit(main())
