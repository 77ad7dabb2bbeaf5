#!/usr/bin/env python3
"""Checks what lupdate cannot in translations/*.ts: every translation keeps the
source's placeholders (%1 ...), line breaks and "&&", has an access key where
the source has one, follows its language's spacing and punctuation (TYPOGRAPHY),
and no two captions of one window share an access key in any language. Prints
each fault and exits 1 when there is one.

    scripts/lint-translations.py translations/*.ts
    scripts/lint-translations.py --carry translations/*.ts

With --carry it changes the files instead: a caption whose access key alone
moved (lupdate keeps the old one as "vanished") gets the old translation,
still unfinished so that its access key is looked at, and the old entry goes.
"""
import os
import re
import sys
import xml.etree.ElementTree as ET

# The main window's own captions (the bottom button row) stand beside every
# page.
BOTTOM_ROW = "TForm1"
# Captions shown as they are in every language: the tabs of the emulator's
# builds and log formats on some pages.
UNTRANSLATED = {"GuiPage": ["&Quib", "Quib&W"], "SoundPage": ["&Quib", "Quib&W"],
                "BlitterPage": ["&Quib", "Quib&W", "Quib&Nix"],
                "SoundLoggingPage": ["&VGM", "&WAV"]}
# Contexts (uic names a .ui file's texts after its form) shown in one window
# with another: the Configurator settings group lies on the Miscellaneous page.
SAME_WINDOW = {"ConfiguratorSettings": "MiscPage"}
# Contexts whose captions are each a window of their own beside the bottom row.
PAGES = {"AboutPage", "BlitterPage", "DebuggingPage", "DonatePage", "EmulationPage", "GuiPage",
         "InputPage", "MessagesPage", "MiscPage", "ScreenshotsPage", "SoundLoggingPage",
         "SoundPage", "ThemePage"}

# What a language's punctuation wants, by the code in the file's name: a
# pattern that finds a fault and what should be there instead.
JAPANESE = "[\u3005\u3040-\u30ff\u4e00-\u9fff]"
TYPOGRAPHY = {
    "fr": [(r"[ \u00a0][;!?]", "a narrow no-break space (U+202F) before ; ! ?"),
           (r"[ \u202f]:|«[ \u202f]|[ \u202f]»", "a no-break space (U+00A0) before : and inside « »")],
    "ja": [(JAPANESE + r"[?!:]|か：", "full-width ？ ！ ： after Japanese, a question ending in ？"),
           (r"[。、？！] ", "no space after Japanese punctuation"),
           ("あなた", "no \"あなた\" in the interface")],
}


def text_of(element):
    """The text of a <source> or <translation>, with <byte value="xd"/> as CR."""
    if element is None:
        return ""
    parts = [element.text or ""]
    for child in element:
        if child.tag == "byte":
            parts.append(chr(int(child.get("value").lstrip("x"), 16)))
        parts.append(child.tail or "")
    return "".join(parts)


def access_keys(text):
    """The letters after a single "&" ("&&" is a plain ampersand)."""
    return [m.lower() for m in re.findall(r"&([^\s&])", text.replace("&&", ""))]


def lint(path):
    faults = []
    code = os.path.basename(path).rsplit(".", 1)[0].split("_", 1)[-1]
    typography = TYPOGRAPHY.get(code, [])
    windows = {}  # window -> [(key, translation)]
    bottom = []
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = text_of(message.find("source"))
            translation_element = message.find("translation")
            # A count's translation has a form for each plural of its language.
            forms = [text_of(form) for form in translation_element.iter("numerusform")] \
                if translation_element is not None else []
            translations = forms or [text_of(translation_element)]
            where = f"{path}: {name}: {source[:50]!r}"
            if translation_element is None or translation_element.get("type") or not all(
                    translations):
                faults.append(f"{where}: not translated")
                continue
            for translation in translations:
                for what, pattern in (("placeholders", r"%\d"), ("&&", r"&&")):
                    if sorted(re.findall(pattern, source)) != sorted(
                            re.findall(pattern, translation)):
                        faults.append(f"{where}: {what} differ in {translation!r}")
                for what, mark in (("line breaks", "\n"), ("CR line breaks", "\r")):
                    if source.count(mark) != translation.count(mark):
                        faults.append(f"{where}: {what} differ in {translation!r}")
                for pattern, wanted in typography:
                    if re.search(pattern, translation):
                        faults.append(f"{where}: {wanted} in {translation!r}")
            translation = translations[0]
            keys = access_keys(translation)
            if len(access_keys(source)) != len(keys):
                faults.append(f"{where}: access keys differ in {translation!r}")
            entries = [(key, translation) for key in keys]
            if name == BOTTOM_ROW:
                bottom += entries
            else:
                windows.setdefault(SAME_WINDOW.get(name, name), []).extend(entries)
    for window, captions in UNTRANSLATED.items():
        windows.setdefault(window, []).extend(
            (key, caption) for caption in captions for key in access_keys(caption))
    for window, entries in windows.items():
        if window in PAGES:
            entries = entries + bottom
        seen = {}
        for key, translation in entries:
            if key in seen and seen[key] != translation:
                faults.append(f"{path}: {window}: access key {key!r} in {seen[key]!r} "
                              f"and {translation!r}")
            seen[key] = translation
    return faults


def letters(text):
    return text.replace("&&", "\0").replace("&", "")


def carry(path):
    """Moves the translations of captions whose access key alone changed."""
    tree = ET.parse(path)
    for context in tree.getroot().iter("context"):
        messages = context.findall("message")
        vanished = {}
        for message in messages:
            translation = message.find("translation")
            if translation is not None and translation.get("type") in ("vanished", "obsolete"):
                vanished.setdefault(letters(text_of(message.find("source"))), message)
        for message in messages:
            translation = message.find("translation")
            if translation is None or translation.get("type") != "unfinished" or text_of(
                    translation):
                continue
            old = vanished.pop(letters(text_of(message.find("source"))), None)
            if old is None:
                continue
            previous = old.find("translation")
            translation.text = previous.text
            for child in list(previous):
                translation.append(child)
            context.remove(old)
    tree.write(path, encoding="utf-8", xml_declaration=True)


def main(paths):
    if paths and paths[0] == "--carry":
        for path in paths[1:]:
            carry(path)
        return 0
    faults = [fault for path in paths for fault in lint(path)]
    for fault in faults:
        print("FAIL:", fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
