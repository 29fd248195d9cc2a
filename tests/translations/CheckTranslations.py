#!/usr/bin/env python3
"""Checks the program's translations before they ship.

For each language's .ts file:
- it holds exactly the texts the sources mark (lupdate run on a copy finds
  none new and drops none);
- lrelease counts no unfinished and no untranslated text;
- every translation keeps its source's placeholders (%1..%9, %n in every
  plural form) and its mnemonic: one "&" when the source has one, none
  when it has none, and no two texts of one window (context) with the same
  mnemonic letter, nor one of the letters the window takes as keys with
  any modifier held (Alt+S would save the game, not press a button);
- every translation can be written in Windows-1252, the code page of the
  program's texts.

Usage: CheckTranslations.py LUPDATE LRELEASE SOURCES_LIST WORK_DIR TS_FILE... -- LUPDATE_OPTION...

SOURCES_LIST and the options are those the build's lupdate target uses.
"""
import re
import shutil
import subprocess
import sys
import xml.etree.ElementTree as ElementTree
from pathlib import Path

# The main window acts on S, L and D whatever modifier is held.
KEYS_OF_WINDOW = {"TGlyphmasonForm": "sld"}


def messages(ts_file):
    """(context, source, comment) -> (numerus, [translations], type)."""
    result = {}
    for context in ElementTree.parse(ts_file).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            key = (name, message.findtext("source"), message.findtext("comment"))
            translation = message.find("translation")
            forms = [form.text or "" for form in translation.iter("numerusform")]
            if message.get("numerus") != "yes":
                forms = [translation.text or ""]
            result[key] = (message.get("numerus") == "yes", forms, translation.get("type"))
    return result


def placeholders(text):
    return sorted(set(re.findall(r"%[1-9n]", text)))


def mnemonic(text):
    """The letter after a single "&", None without one; "" when several."""
    letters = re.findall(r"(?<!&)&([^&\s])", text.replace("&&", ""))
    if not letters:
        return None
    return letters[0].lower() if len(letters) == 1 else ""


def check_texts(ts_file):
    faults = []
    mnemonics = {}
    for (context, source, comment), (numerus, forms, kind) in messages(ts_file).items():
        where = f"{ts_file.name}: {context}: {source!r}"
        if kind in ("unfinished", "vanished", "obsolete") or not all(forms):
            faults.append(f"{where}: not translated")
            continue
        for form in forms:
            wanted = placeholders(source)
            if numerus and "%n" not in wanted:
                wanted = sorted(set(wanted) | {"%n"})
            if placeholders(form) != wanted:
                faults.append(f"{where}: {form!r} has placeholders {placeholders(form)}, not {wanted}")
            if (mnemonic(source) is None) != (mnemonic(form) is None) or mnemonic(form) == "":
                faults.append(f"{where}: {form!r} does not keep the source's one mnemonic")
            try:
                form.encode("cp1252")
            except UnicodeEncodeError:
                faults.append(f"{where}: {form!r} has characters beyond Windows-1252")
        letter = mnemonic(forms[0])
        if letter:
            mnemonics.setdefault((context, letter), []).append(forms[0])
            if letter in KEYS_OF_WINDOW.get(context, ""):
                faults.append(f"{where}: {forms[0]!r}: Alt+{letter.upper()} is a key of the window")
    for (context, letter), texts in sorted(mnemonics.items()):
        if len(texts) > 1:
            faults.append(f"{ts_file.name}: {context}: mnemonic '{letter}' used by {texts}")
    return faults


def check_up_to_date(lupdate, options, sources, work, ts_file):
    copy = work / ts_file.name
    shutil.copyfile(ts_file, copy)
    subprocess.run([lupdate, *options, f"@{sources}", "-ts", str(copy)], check=True,
                   stdout=subprocess.DEVNULL)
    have, want = set(messages(ts_file)), set(messages(copy))
    return ([f"{ts_file.name}: missing {key}" for key in sorted(want - have, key=str)] +
            [f"{ts_file.name}: no longer in the sources {key}" for key in sorted(have - want, key=str)])


def check_release(lrelease, work, ts_file):
    output = subprocess.run([lrelease, str(ts_file), "-qm", str(work / (ts_file.stem + ".qm"))],
                            check=True, capture_output=True, text=True).stdout
    counts = re.search(r"Generated (\d+) translation\(s\) \((\d+) finished and (\d+) unfinished\)",
                       output)
    faults = []
    if not counts or int(counts.group(1)) == 0 or int(counts.group(3)) != 0:
        faults.append(f"{ts_file.name}: lrelease: {output.strip()}")
    if "untranslated" in output:
        faults.append(f"{ts_file.name}: lrelease: {output.strip()}")
    return faults


def main():
    separator = sys.argv.index("--")
    lupdate, lrelease, sources, work = sys.argv[1:5]
    ts_files, options = sys.argv[5:separator], sys.argv[separator + 1:]
    work = Path(work)
    work.mkdir(parents=True, exist_ok=True)
    faults = []
    for name in ts_files:
        ts_file = Path(name)
        faults += check_up_to_date(lupdate, options, sources, work, ts_file)
        faults += check_release(lrelease, work, ts_file)
        faults += check_texts(ts_file)
    for fault in faults:
        print(fault)
    print(f"{len(ts_files)} translation files, {len(faults)} faults")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
