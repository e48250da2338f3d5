#!/usr/bin/env python3
"""The translations' chores (the file's language comes from its <TS language=...>).

finish TS             finishes what needs no translator, keeping lupdate's layout so the file diffs
                      cleanly: under English an English source is its own translation, under Chinese a
                      Chinese source is (the original's texts stay exactly as they are).
check TS...           fails, naming each, on an unfinished or empty message (each plural form too), on a
                      translation into English or German still holding Chinese, and on one that drops a
                      placeholder or a menu letter.
unfinished TS...      lists the messages still waiting for a translator, as fill reads them.
fill TS LINES         puts in translations from LINES: "context<TAB>source<TAB>translation" per line,
                      plural forms joined by " | ", "\\n" for a line break; run update.sh after it.
dump TS               every message as fill reads it, finished or not (for a translator's reading).
"""
import re
import sys
import xml.etree.ElementTree as ET

CJK = re.compile(r"[\u3000-\u303f\u4e00-\u9fff\uff00-\uffef]")
PLACEHOLDER = re.compile(r"%(?:\d|[dsn]|L\d)")
MNEMONIC = re.compile(r"&(?=[^&\s])")
FORMS = " | "


def has_mnemonic(text):
    # "&&" is a literal ampersand; a letter after a single "&" is the menu letter.
    return bool(MNEMONIC.search(text.replace("&&", "")))


def labels_item(context, source):
    """Whether the text names a menu item, button or field, where "&" marks its letter; in a message or a
    sentence it is a plain ampersand."""
    return context != "Messages" and len(source.split()) <= 5 and not source.rstrip().endswith((".", ":", "?"))


def language_of(path):
    return (ET.parse(path).getroot().get("language") or "en").split("_")[0]


def finish(path):
    language = language_of(path)
    with open(path, encoding="utf-8") as f:
        text = f.read()
    unfinished = re.compile(r"(<source>((?:(?!</source>).)*)</source>\n\s*)"
                            r'<translation type="unfinished">((?:(?!</translation>).)*)</translation>', re.S)

    def own_translation(source):
        chinese = bool(CJK.search(source))
        return (language == "en" and not chinese) or (language == "zh" and chinese)

    def fill(match):
        source = match.group(2)
        # A guess lupdate carried over from another text is left for a person to judge.
        if not own_translation(source) or match.group(3) not in ("", source):
            return match.group(0)
        return match.group(1) + "<translation>" + source + "</translation>"

    with open(path, "w", encoding="utf-8") as f:
        f.write(unfinished.sub(fill, text))
    return 0


def messages(path):
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            yield name, message


def forms_of(message):
    node = message.find("translation")
    if node is None:
        return None, []
    if message.get("numerus") == "yes":
        return node, [form.text or "" for form in node.iter("numerusform")]
    return node, [node.text or ""]


def problems(path):
    language = language_of(path)
    found = []
    for name, message in messages(path):
        source = message.findtext("source") or ""
        where = f"{name}: {source!r}"
        node, forms = forms_of(message)
        kind = node.get("type") if node is not None else "missing"
        if kind in ("vanished", "obsolete"):
            found.append(f"{where}: no longer in the sources (run translations/update.sh)")
            continue
        if kind in ("unfinished", "missing") or not forms or not all(forms):
            found.append(f"{where}: unfinished")
            continue
        for form in forms:
            if language != "zh" and CJK.search(form):
                found.append(f"{where}: the translation {form!r} still holds Chinese")
            elif sorted(set(PLACEHOLDER.findall(source))) != sorted(set(PLACEHOLDER.findall(form))):
                found.append(f"{where}: the translation {form!r} changes the placeholders")
            elif labels_item(name, source) and has_mnemonic(source) != has_mnemonic(form):
                found.append(f"{where}: the translation {form!r} changes the menu letter")
    return found


def check(paths):
    status = 0
    for path in paths:
        found = problems(path)
        for problem in found:
            print(f"{path}: {problem}")
        print(f"{path}: {len(found)} problem(s)")
        status |= 1 if found else 0
    return status


def escaped(text):
    return text.replace("\\", "\\\\").replace("\n", "\\n").replace("\t", "\\t")


def unescaped(text):
    return re.sub(r"\\(.)", lambda m: {"n": "\n", "t": "\t"}.get(m.group(1), m.group(1)), text)


def listing(path, only_unfinished):
    lines = []
    for name, message in messages(path):
        node, forms = forms_of(message)
        done = node is not None and node.get("type") is None and forms and all(forms)
        if only_unfinished and done:
            continue
        source = message.findtext("source") or ""
        lines.append(f"{name}\t{escaped(source)}\t{escaped(FORMS.join(forms) if done else '')}")
    return lines


def unfinished(paths):
    waiting = 0
    for path in paths:
        lines = listing(path, True)
        print(f"# {path} ({language_of(path)}): {len(lines)} unfinished")
        for line in lines:
            print(line)
        waiting += len(lines)
    return 1 if waiting else 0


def fill(path, lines_path):
    wanted = {}
    with open(lines_path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            line = line.rstrip("\n")
            if not line.strip() or line.startswith("#"):
                continue
            parts = line.split("\t")
            if len(parts) != 3 or not parts[2]:
                print(f"{lines_path}:{number}: not context<TAB>source<TAB>translation")
                return 1
            wanted[(parts[0], unescaped(parts[1]))] = unescaped(parts[2])
    tree = ET.parse(path)
    used = 0
    for context in tree.getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            translation = wanted.get((name, message.findtext("source") or ""))
            if translation is None:
                continue
            node = message.find("translation")
            if node is None:
                node = ET.SubElement(message, "translation")
            node.attrib.pop("type", None)
            if message.get("numerus") == "yes":
                for child in list(node):
                    node.remove(child)
                node.text = None
                for form in translation.split(FORMS):
                    ET.SubElement(node, "numerusform").text = form
            else:
                node.text = translation
            used += 1
    tree.write(path, encoding="utf-8", xml_declaration=True)
    print(f"{path}: {used} of {len(wanted)} translation(s) put in")
    return 0


def main(argv):
    commands = {"finish": 1, "check": None, "unfinished": None, "fill": 2, "dump": 1}
    if len(argv) < 3 or argv[1] not in commands or commands[argv[1]] not in (None, len(argv) - 2):
        print(__doc__)
        return 2
    command, arguments = argv[1], argv[2:]
    if command == "finish":
        return finish(arguments[0])
    if command == "check":
        return check(arguments)
    if command == "unfinished":
        return unfinished(arguments)
    if command == "fill":
        return fill(*arguments)
    print("\n".join(listing(arguments[0], False)))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
