#!/usr/bin/env python3
"""The English translation's two chores.

finish-english TS  gives every unfinished message whose source is already English that source as its
                   finished translation (lupdate's own layout is kept, so the file diffs cleanly).
check TS           fails, naming each, on a message without a finished English translation, on a
                   translation still holding Chinese, and on one that drops a placeholder or a menu letter.
"""
import re
import sys
import xml.etree.ElementTree as ET

CJK = re.compile(r"[\u3000-\u303f\u4e00-\u9fff\uff00-\uffef]")
PLACEHOLDER = re.compile(r"%(?:\d|[ds]|L\d)")
MNEMONIC = re.compile(r"&(?=[^&\s])")


def has_mnemonic(text):
    # "&&" is a literal ampersand; a letter after a single "&" is the menu letter.
    return bool(MNEMONIC.search(text.replace("&&", "")))


def finish_english(path):
    with open(path, encoding="utf-8") as f:
        text = f.read()
    unfinished = re.compile(r"(<source>((?:(?!</source>).)*)</source>\n\s*)"
                            r'<translation type="unfinished">((?:(?!</translation>).)*)</translation>', re.S)

    def fill(match):
        source = match.group(2)
        # A guess lupdate carried over from another text is left for a person to judge.
        if CJK.search(source) or match.group(3) not in ("", source):
            return match.group(0)
        return match.group(1) + "<translation>" + source + "</translation>"

    with open(path, "w", encoding="utf-8") as f:
        f.write(unfinished.sub(fill, text))
    return 0


def problems(path):
    found = []
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            node = message.find("translation")
            where = f"{name}: {source!r}"
            kind = node.get("type") if node is not None else "missing"
            translation = (node.text or "") if node is not None else ""
            if kind in ("vanished", "obsolete"):
                found.append(f"{where}: no longer in the sources (run translations/update.sh)")
            elif kind == "unfinished" or kind == "missing" or not translation:
                found.append(f"{where}: no finished English translation")
            elif CJK.search(translation):
                found.append(f"{where}: the translation {translation!r} is not English")
            elif sorted(PLACEHOLDER.findall(source)) != sorted(PLACEHOLDER.findall(translation)):
                found.append(f"{where}: the translation {translation!r} changes the placeholders")
            elif has_mnemonic(source) != has_mnemonic(translation):
                found.append(f"{where}: the translation {translation!r} changes the menu letter")
    return found


def check(path):
    found = problems(path)
    for problem in found:
        print(problem)
    print(f"{path}: {len(found)} problem(s)")
    return 1 if found else 0


def main(argv):
    if len(argv) != 3 or argv[1] not in ("finish-english", "check"):
        print(__doc__)
        return 2
    return finish_english(argv[2]) if argv[1] == "finish-english" else check(argv[2])


if __name__ == "__main__":
    sys.exit(main(sys.argv))
