#!/usr/bin/env python3
"""Fails when a catalogue no longer matches the code: lupdate reads the
sources afresh into a scratch catalogue, and every translations/kolumo_<lang>.ts
must hold the same messages (context, source text, disambiguation, translator
comment, plural or not). Translations themselves are not compared.

usage: check_catalogues.py LUPDATE TS_FILE... -- LUPDATE_ARGUMENT...
"""
import os
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree


def messages(path):
    found = set()
    for context in ElementTree.parse(path).getroot().iter("context"):
        name = context.findtext("name", "")
        for message in context.iter("message"):
            translation = message.find("translation")
            kind = translation.get("type", "") if translation is not None else ""
            if kind in ("vanished", "obsolete"):
                continue
            found.add((name, message.findtext("source", ""), message.findtext("comment", ""),
                       message.findtext("extracomment", ""), message.get("numerus", "no")))
    return found


def main(arguments):
    split = arguments.index("--")
    lupdate, catalogues, lupdate_arguments = arguments[0], arguments[1:split], arguments[split + 1:]
    with tempfile.TemporaryDirectory() as scratch:
        fresh = os.path.join(scratch, "fresh.ts")
        run = subprocess.run([lupdate, *lupdate_arguments, "-ts", fresh],
                             stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
        if run.returncode != 0:
            print(run.stdout)
            return 1
        wanted = messages(fresh)
    if not wanted:
        print("lupdate found no texts in the sources")
        return 1
    stale = 0
    for catalogue in catalogues:
        held = messages(catalogue)
        for label, differing in (("missing", wanted - held), ("no longer in the code", held - wanted)):
            for context, source, comment, note, numerus in sorted(differing):
                print(f"{os.path.basename(catalogue)}: {label}: [{context}] {source!r}"
                      + (f" ({comment})" if comment else "") + (f" //: {note}" if note else "")
                      + (" (plural)" if numerus == "yes" else ""))
                stale += 1
    if stale:
        print("The catalogues are out of date: build the update_translations target.")
    return 1 if stale else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
