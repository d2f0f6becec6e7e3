#!/usr/bin/env python3
"""Fails when a catalogue no longer matches the code or is not fit to ship.

lupdate reads the sources afresh into a scratch catalogue per language, and
every translations/kolumo_<lang>.ts must hold the same messages (context,
source text, disambiguation, translator comment, plural or not). Each
catalogue must also be finished: no unfinished, vanished or obsolete entry and
no empty translation; every translation keeps the source's %1..%9 (as many of
each), %n in every plural form when the source counts, and the source's
leading and trailing spaces (the menu titles' padding); it has as many plural
forms as Qt counts for its language (lupdate's scratch catalogue of the same
name says how many), names the language its file name does, and lrelease
compiles it without a word of complaint. Every kolumo_*.ts beside the given
ones must be among them, so a catalogue that is not built in is noticed.

Before it trusts a verdict of "fit", it checks itself: faults seeded into a
copy of the first catalogue must each be reported.

usage: check_catalogues.py LUPDATE LRELEASE TS_FILE... -- LUPDATE_ARGUMENT...
"""
import copy
import glob
import os
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree

PLACEHOLDER = re.compile(r"%L?([1-9n])")
LRELEASE_SAYS = re.compile(r"Updating '.*'\.\.\.|"
                           r"Generated (\d+) translation\(s\) \(\1 finished and 0 unfinished\)")


def run(command):
    done = subprocess.run(command, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
    return done.returncode, done.stdout


def key(context, message):
    return (context.findtext("name", ""), message.findtext("source", ""),
            message.findtext("comment", ""), message.findtext("extracomment", ""),
            message.get("numerus", "no"))


def describe(message_key):
    context, source, comment, note, numerus = message_key
    return (f"[{context}] {source!r}" + (f" ({comment})" if comment else "")
            + (f" //: {note}" if note else "") + (" (plural)" if numerus == "yes" else ""))


def messages(root):
    """Every live message of a catalogue, by key, with its <translation>."""
    found = {}
    for context in root.iter("context"):
        for message in context.iter("message"):
            translation = message.find("translation")
            if translation is not None and translation.get("type") in ("vanished", "obsolete"):
                continue
            found[key(context, message)] = translation
    return found


def placeholders(text):
    return sorted(PLACEHOLDER.findall(text))


def edges(text):
    return re.match(r"\s*", text).group(), re.search(r"\s*$", text).group()


WITHOUT_SPACES = re.compile(r"[\u3000-\u9fff\uff00-\uffef]")


def spaces_kept(form, source):
    """The source's leading and trailing spaces are kept: padding always, a
    single space between words unless the translation's script (Japanese,
    Chinese) writes none there."""
    for (held, wanted), end in zip(zip(edges(form), edges(source)), (0, -1)):
        if held != wanted and not (wanted == " " and not held
                                   and WITHOUT_SPACES.match(form[end])):
            return False
    return True


def unfit(root, scratch_root):
    """What keeps a catalogue from shipping, against lupdate's scratch one."""
    problems = []
    if root.get("language") != scratch_root.get("language"):
        problems.append(f"names language {root.get('language')!r}, "
                        f"its file name {scratch_root.get('language')!r}")
    wanted_forms = {key(context, message): len(message.findall("translation/numerusform"))
                    for context in scratch_root.iter("context")
                    for message in context.iter("message") if message.get("numerus") == "yes"}
    for context in root.iter("context"):
        for message in context.iter("message"):
            message_key = key(context, message)
            translation = message.find("translation")
            kind = translation.get("type") if translation is not None else "missing"
            if kind:
                problems.append(f"{kind}: {describe(message_key)}")
                continue
            source = message_key[1]
            if message.get("numerus") == "yes":
                forms = [form.text or "" for form in translation.findall("numerusform")]
                wanted = wanted_forms.get(message_key)
                if wanted is not None and len(forms) != wanted:
                    problems.append(f"{len(forms)} plural forms, not {wanted}: {describe(message_key)}")
                counted = [p for p in placeholders(source) if p != "n"]
                must = [(counted, "n" in placeholders(source))] * len(forms)
            else:
                forms = [translation.text or ""]
                must = [(placeholders(source), False)]
            for form, (wanted_placeholders, needs_n) in zip(forms, must):
                if not form.strip():
                    problems.append(f"empty translation: {describe(message_key)}")
                    continue
                held = placeholders(form)
                if needs_n:
                    if "n" not in held:
                        problems.append(f"no %n in {form!r}: {describe(message_key)}")
                    held = [p for p in held if p != "n"]
                if held != wanted_placeholders:
                    problems.append(f"placeholders {held} in {form!r}, not {wanted_placeholders}: "
                                    f"{describe(message_key)}")
                if not spaces_kept(form, source):
                    problems.append(f"spaces around {form!r} differ from the source's: "
                                    f"{describe(message_key)}")
    return problems


def lrelease_complaints(lrelease, path, scratch):
    status, said = run([lrelease, path, "-qm", os.path.join(scratch, "check.qm")])
    complaints = [line for line in said.splitlines() if not LRELEASE_SAYS.fullmatch(line.strip())]
    if status != 0 and not complaints:
        complaints = [f"lrelease exited with {status}"]
    return [f"lrelease: {line}" for line in complaints]


def stale(root, wanted):
    held = set(messages(root))
    return ([f"missing: {describe(k)}" for k in sorted(wanted - held)]
            + [f"no longer in the code: {describe(k)}" for k in sorted(held - wanted)])


def seeded_faults(root):
    """Copies of a catalogue, each with one fault, and what the check must
    newly say about each."""
    messages_in_order = list(root.iter("message"))

    def faulty(label, says, test, spoil):
        spoilt = copy.deepcopy(root)
        index = messages_in_order.index(next(m for m in messages_in_order if test(m)))
        spoil(list(spoilt.iter("message"))[index])
        return label, says, spoilt

    def plain(message):
        return message.get("numerus") != "yes"

    def retranslate(message, change):
        translation = message.find("translation")
        translation.text = change(translation.text)

    def last_form(message):
        return message.findall("translation/numerusform")[-1]

    def drop_n(message):
        form = last_form(message)
        form.text = PLACEHOLDER.sub(lambda p: "" if p.group(1) == "n" else p.group(), form.text)

    def padded(message):
        return plain(message) and message.findtext("source") != message.findtext("source").strip()

    other_language = copy.deepcopy(root)
    other_language.set("language", "xx_XX")
    return [
        faulty("unfinished", ("unfinished:", "lrelease:"), plain,
               lambda m: m.find("translation").set("type", "unfinished")),
        faulty("vanished", ("vanished:", "missing:"), plain,
               lambda m: m.find("translation").set("type", "vanished")),
        faulty("%1 written out", ("placeholders",), lambda m: plain(m) and "%1" in m.findtext("source"),
               lambda m: retranslate(m, lambda t: t.replace("%1", "1", 1))),
        faulty("padding lost", ("spaces around",), padded, lambda m: retranslate(m, str.strip)),
        faulty("plural form dropped", ("plural forms, not",), lambda m: not plain(m),
               lambda m: m.find("translation").remove(last_form(m))),
        faulty("%n dropped from a plural form", ("no %n",), lambda m: not plain(m), drop_n),
        faulty("empty", ("empty translation",), plain, lambda m: retranslate(m, lambda t: "")),
        ("another language", ("names language",), other_language),
    ]


def self_test(root, scratch_root, wanted, lrelease, scratch):
    """Each fault seeded into a copy of a catalogue must be reported."""
    def verdict(catalogue):
        path = os.path.join(scratch, "seeded.ts")
        ElementTree.ElementTree(catalogue).write(path, encoding="utf-8", xml_declaration=True)
        return set(unfit(catalogue, scratch_root) + stale(catalogue, wanted)
                   + lrelease_complaints(lrelease, path, scratch))

    as_shipped = verdict(root)
    missed = []
    for label, says, spoilt in seeded_faults(root):
        news = verdict(spoilt) - as_shipped
        if not all(any(said in problem for problem in news) for said in says):
            missed.append(f"the check missed a seeded fault ({label}): it said {sorted(news)}")
    return missed


def main(arguments):
    split = arguments.index("--")
    lupdate, lrelease = arguments[0], arguments[1]
    catalogues, lupdate_arguments = arguments[2:split], arguments[split + 1:]
    problems = []
    shipped = {os.path.realpath(c) for c in catalogues}
    for folder in {os.path.dirname(c) for c in shipped}:
        for found in glob.glob(os.path.join(folder, "kolumo_*.ts")):
            if os.path.realpath(found) not in shipped:
                problems.append(f"{os.path.basename(found)}: not built into the game")
    with tempfile.TemporaryDirectory() as scratch:
        # One lupdate run writes a scratch catalogue per language, named as
        # the shipped one so that lupdate gives it that language's plural forms.
        fresh = [os.path.join(scratch, os.path.basename(c)) for c in catalogues]
        status, said = run([lupdate, *lupdate_arguments, "-ts", *fresh])
        if status != 0:
            print(said)
            return 1
        scratch_roots = [ElementTree.parse(f).getroot() for f in fresh]
        wanted = set(messages(scratch_roots[0]))
        if not wanted:
            print("lupdate found no texts in the sources")
            return 1
        out_of_date = False
        for catalogue, scratch_root in zip(catalogues, scratch_roots):
            root = ElementTree.parse(catalogue).getroot()
            differing = stale(root, wanted)
            out_of_date = out_of_date or bool(differing)
            problems += [f"{os.path.basename(catalogue)}: {p}"
                         for p in differing + unfit(root, scratch_root)
                         + lrelease_complaints(lrelease, catalogue, scratch)]
            if catalogue == catalogues[0]:
                problems += self_test(root, scratch_root, wanted, lrelease, scratch)
    for problem in problems:
        print(problem)
    if out_of_date:
        print("The catalogues are out of date: build the update_translations target.")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
