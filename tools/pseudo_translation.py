#!/usr/bin/env python3
"""Writes a pseudo-translation of a Qt .ts file, for the test that finds texts left untranslated.

Every run of a source text's own words is put between the marks ⟦ and ⟧, and the text is made a
third longer with ~ (as many languages run longer than English), so that a text on screen shows
whether it went through the translation (its words are marked) and whether it still fits its
place. The placeholders (%1, %n, %L1) stay outside the marks, where the program puts names, numbers
and other texts; access keys (&) stay where they are.

    pseudo_translation.py SOURCE.ts PSEUDO.ts
"""
import math
import re
import sys
import xml.etree.ElementTree as ET

OPEN, CLOSE = "\u27e6", "\u27e7"
PLACEHOLDER = re.compile(r"(%L?(?:\d{1,2}|n))")


def pseudo(text):
    pieces = PLACEHOLDER.split(text)
    words = [i for i in range(0, len(pieces), 2) if pieces[i]]
    if words:
        last = words[-1]
        pieces[last] += "~" * math.ceil(sum(len(pieces[i]) for i in words) / 3)
    return "".join(OPEN + piece + CLOSE if i % 2 == 0 and piece else piece for i, piece in enumerate(pieces))


def main(source, target):
    tree = ET.parse(source)
    root = tree.getroot()
    root.set("language", "en")  # two plural forms, one and many
    for context in root.iter("context"):
        for message in list(context.iter("message")):
            translation = message.find("translation")
            if translation.get("type") in ("obsolete", "vanished"):
                context.remove(message)
                continue
            text = pseudo(message.find("source").text or "")
            translation.attrib.clear()
            translation.text = None
            for form in list(translation):
                translation.remove(form)
            if message.get("numerus") == "yes":
                for _ in range(2):
                    ET.SubElement(translation, "numerusform").text = text
            else:
                translation.text = text
    tree.write(target, encoding="utf-8", xml_declaration=True)


if __name__ == "__main__":
    main(*sys.argv[1:])
