#!/usr/bin/env python3
"""Turns a program's --help text into its manual page, so both say the same thing.

The help text is laid out like a manual page: section titles in capitals at the left margin, text
indented by four spaces, a term and its description either on one line (two or more spaces between
them) or as the term alone followed by lines indented by eight spaces; several term lines in a row
before such lines share that description.
"""
import argparse
import os
import re
import subprocess
import sys

TERM_AND_TEXT = re.compile(r"^(\S.*?) {2,}(\S.*)$")
SECTION = re.compile(r"^[A-Z][A-Z ]*$")


def escape(text):
    text = text.replace("\\", "\\e")
    # A hyphen that starts a word is an option's minus sign.
    text = re.sub(r"(^|[\s(\[|,])-", lambda m: m.group(1) + "\\-", text)
    text = re.sub(r"(?<=\\-)-", "\\-", text)
    text = "".join(c if ord(c) < 128 else "\\[u%04X]" % ord(c) for c in text)
    if text.startswith((".", "'")):
        text = "\\&" + text
    return text


def sections(lines):
    title, body = None, []
    for line in lines:
        if SECTION.match(line):
            if title:
                yield title, body
            title, body = line, []
        elif title:
            body.append(line)
    if title:
        yield title, body


def name_section(body):
    text = " ".join(line.strip() for line in body if line.strip())
    program, _, summary = text.partition(" - ")
    return [escape(program) + " \\- " + escape(summary)]


def synopsis_section(body):
    out = []
    for line in body:
        if line.strip():
            program, _, rest = line.strip().partition(" ")
            out += ["\\fB%s\\fR %s" % (escape(program), escape(rest)), ".br"]
    return out


def term(text):
    return [".TP", "\\fB%s\\fR" % escape(text)]


def starts_terms(body, index):
    """Whether body[index] begins several term lines (a command's forms) that share one description."""
    end = index
    while end < len(body) and body[end].strip() and not body[end].startswith("        "):
        end += 1
    return end > index + 1 and end < len(body) and body[end].startswith("        ")


def body_section(body):
    out, in_list, paragraph, more_terms = [], False, [], False

    def flush():
        nonlocal paragraph
        if paragraph:
            out.extend([".PP"] if out else [])
            out.extend(escape(line) for line in paragraph)
            paragraph = []

    for index, line in enumerate(body):
        if not line.strip():
            flush()
            continue
        following = body[index + 1] if index + 1 < len(body) else ""
        if line.startswith("        "):
            out.append(escape(line.strip()))
            more_terms = False
            continue
        text = line.strip()
        if more_terms:
            out += [".TQ", "\\fB%s\\fR" % escape(text)]
            continue
        if starts_terms(body, index):
            flush()
            out += term(text)
            in_list = more_terms = True
            continue
        pair = TERM_AND_TEXT.match(text)
        if pair:
            flush()
            out += term(pair.group(1)) + [escape(pair.group(2))]
            in_list = True
        elif following.startswith("        "):
            flush()
            out += term(text)
            in_list = True
        else:
            if in_list:
                out.append(".PP")
                in_list = False
            paragraph.append(text)
    flush()
    return out


def convert(help_text, page, version):
    lines = help_text.splitlines()
    out = ['.TH "%s" "1" "" "Terrovane %s" "User Commands"' % (page.upper(), version)]
    for title, body in sections(lines):
        out.append('.SH "%s"' % title)
        if title == "NAME":
            out += name_section(body)
        elif title == "SYNOPSIS":
            out += synopsis_section(body)
        else:
            out += body_section(body)
    return "\n".join(out) + "\n"


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--program", required=True, help="the program whose --help is converted")
    parser.add_argument("--page", required=True, help="the page's name, e.g. terrovane-cli")
    parser.add_argument("--version", required=True)
    parser.add_argument("--out", required=True)
    args = parser.parse_args()
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen", ASAN_OPTIONS="detect_leaks=0")
    result = subprocess.run([args.program, "--help"], capture_output=True, text=True, env=env, check=False)
    if result.returncode != 0 or not result.stdout.startswith("NAME\n"):
        sys.exit("help2roff: %s --help failed (%d): %s" % (args.program, result.returncode, result.stderr))
    page = convert(result.stdout, args.page, args.version)
    temporary = args.out + ".part"
    with open(temporary, "w", encoding="ascii") as out:
        out.write(page)
    os.replace(temporary, args.out)


if __name__ == "__main__":
    main()
