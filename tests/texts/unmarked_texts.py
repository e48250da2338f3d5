#!/usr/bin/env python3
"""Fails on a text a person would see that never reaches a translator.

Looks through the windows' folders (ui/, app/, printsvc/, plots/) for string literals handed to what
shows text (labels, buttons, titles, menus, tool tips, message boxes, status lines), and through the
command line (cli/) for those handed to what tells a person something (standard error, Tell, Confirm,
UsageError, CommandFailed, a command's Failed or Usage, an error it fills in), without tr(), translate(),
QT_TR_NOOP or QT_TRANSLATE_NOOP. The command line's standard output is its output (listings, JSON, the
help): an interface that stays English, so what it prints there with printf is passed over. A literal
with no letters, a single word in lower case without spaces (an object name, a key, a format), or a
line ending in "// not shown" is passed over.

Domain code (doctor/) says what it found as codes and marks nothing: there any literal that reads as words
(three in a row) is a sentence that belongs in the text layer. Commands the user types ("sudo ...") are
values, not sentences.
  unmarked_texts.py ROOT | --self-test
"""
import pathlib
import re
import sys

FOLDERS = ("ui", "app", "printsvc", "plots")
DOMAIN_FOLDERS = ("doctor",)
WORDS = re.compile(r"[A-Za-z']{2,}[ ,;:()]+[A-Za-z']{2,}[ ,;:()]+[A-Za-z']{2,}")
COMMAND = re.compile(r"\s*sudo ")
CLI_FOLDERS = ("cli",)
SKIPPED_PARTS = {"tools"}  # screenshot programs show no texts of their own to users
SHOWN = re.compile(
    r"\b(setText|setWindowTitle|setToolTip|setStatusTip|setPlaceholderText|setInformativeText|setTitle|"
    r"addAction|addButton|addRow|addTab|addMenu|addItem|setHeaderLabels|setHorizontalHeaderLabels|"
    r"setLabelText|setWhatsThis|drawText|setSuffix|setPrefix|setSpecialValueText|showMessage|setAccessibleName|"
    r"QLabel|QPushButton|QCheckBox|QRadioButton|QGroupBox|QAction|QMenu|"
    r"Alert|Ask|AskBeforeLoss|AskName|AskLabel|AskSaveFile|getText|getOpenFileName|getSaveFileName)\s*\(")
# What the command line says to a person: standard error, and its own helpers that end there or in a
# confirmation line.
CLI_SHOWN = re.compile(
    r"(\b(Tell|Confirm|UsageError|CommandFailed|TeamServerFailed|Failed|Usage|KeepOnAcceptance|Said)\s*\(|"
    r"\bFieldError\s*\{|\b(fprintf|fputs|fputc)\s*\((?=[^;]*\bstderr\b)|\berror\s*=[^=])")
COMMAND_NAMED = re.compile(r'\b(Tell|CommandFailed|UsageError|TeamServerFailed|KeepOnAcceptance)\s*\(\s*("[a-z -]*")')
LITERAL = re.compile(r'(?:QStringLiteral\(|QLatin1String\(|QString\(|QString::fromUtf8\(|u8)?"((?:[^"\\]|\\.)*)"')
MARKED = re.compile(r"\b(tr|translate|QT_TR_NOOP|QT_TRANSLATE_NOOP|QT_TR_N_NOOP|QT_TRANSLATE_N_NOOP)\s*\(")


def shown_like(text):
    if not re.search(r"[A-Za-z\u4e00-\u9fff]{2,}", text):
        return False
    # Keys, object names, formats and file suffixes: one lower-case token without spaces.
    if re.fullmatch(r"[a-z0-9_./:\-*%;()]+", text) and not re.search(r"[\u4e00-\u9fff]", text):
        return False
    if re.fullmatch(r"[A-Za-z]+/[A-Za-z/]+", text):  # a setting's key
        return False
    if re.fullmatch(r"[yMdHhmsAP:\- ]+", text):  # a date or time format
        return False
    if re.fullmatch(r"[A-Z][A-Z0-9_]+", text):  # an environment variable's name
        return False
    return True


def statements(source):
    """Statements of the source, with the line each starts on (a statement may span lines)."""
    start, depth, buffer = 1, 0, []
    for number, line in enumerate(source.splitlines(), 1):
        stripped = line.strip()
        if not buffer:
            start = number
        if stripped.startswith("//") or stripped.startswith("#"):
            continue
        buffer.append(line)
        depth += line.count("(") - line.count(")")
        if depth <= 0 and (stripped.endswith(";") or stripped.endswith("{") or stripped.endswith("}")):
            yield start, "\n".join(buffer)
            buffer, depth = [], 0
    if buffer:
        yield start, "\n".join(buffer)


def unmarked_in(statement, shown=SHOWN):
    found = []
    if "// not shown" in statement or not shown.search(statement):
        return found
    # Blank out marked calls (with their nested parentheses), then look for literals left over.
    text = statement
    while True:
        match = MARKED.search(text)
        if not match:
            break
        depth, end = 0, match.end() - 1
        for end in range(match.end() - 1, len(text)):
            depth += {"(": 1, ")": -1}.get(text[end], 0)
            if depth == 0:
                break
        text = text[: match.start()] + " " * (end + 1 - match.start()) + text[end + 1 :]
    text = re.sub(r"//.*", "", text)
    # The command line's helpers name the command first, in its own words ("point add").
    text = COMMAND_NAMED.sub(lambda m: m.group(0)[: m.start(2) - m.start(0)] + '""', text)
    for literal in LITERAL.finditer(text):
        if shown_like(literal.group(1)):
            found.append(literal.group(1))
    return found


def sentences_in(statement):
    """Literals of domain code that read as words."""
    text = re.sub(r"//.*", "", statement)
    return [literal.group(1) for literal in LITERAL.finditer(text)
            if WORDS.search(literal.group(1)) and not COMMAND.match(literal.group(1))]


SELF_TEST = {
    'label->setText(QStringLiteral("Site report"));': ["Site report"],
    'platform::Alert("The label could not be stored: " + error);': ["The label could not be stored: "],
    'box.setWindowTitle(tr("Site report"));': [],
    'platform::Alert(QT_TRANSLATE_NOOP("Messages", "It could not be deleted: %1"), {error});': [],
    'settings.setValue(QStringLiteral("Interface/Language"), code);': [],
    'menu.addAction(QCoreApplication::translate("Menu", "&Language"), this, [this] { Show("Show it"); });': ["Show it"],
    'edit->setObjectName(QStringLiteral("tester"));': [],
}
CLI_SELF_TEST = {
    'std::fprintf(stderr, "read: cannot write %s\\n", error.c_str());': ["read: cannot write %s\\n"],
    'return UsageError("due", "--format is table or json");': ["--format is table or json"],
    'return UsageError("due", CliText::tr("--format is table or json"));': [],
    'return CommandFailed("sites", Given(error));': [],
    'Confirm(CliText::tr("site %1 added").arg(QString::number(id)));': [],
    'Tell("erase", QStringLiteral("the results erased are not kept anywhere"));': ["the results erased are not kept anywhere"],
    'throw FieldError{Field(key), "must be a number"};': ["must be a number"],
    'error = path + ": larger than 1 MiB, not a table of readings";': [": larger than 1 MiB, not a table of readings"],
    'std::fputs(Utf8(CliText::tr("password for %1: ").arg(Given(login))).c_str(), stderr);': [],
    'std::printf("%s  %s  %s\\n", slot.c_str(), mode.c_str(), date.c_str());': [],
    'std::printf("bridge ports:\\n");': [],
    'const bool failed = error == "x";': [],
    'return CommandFailed("point set", Given(error));': [],
    'return CommandFailed("point set", "no such point");': ["no such point"],
    'Tell("TERROVANE_PORTMAP", Given(problem));': [],
}


DOMAIN_SELF_TEST = {
    'return {Mark::Ok, "driver", driver + " is built into the kernel", {}};': [" is built into the kernel"],
    'fix = "install the terrovane package: its udev rule lets the logged-in user open the port";':
        ["install the terrovane package: its udev rule lets the logged-in user open the port"],
    'return {Phrase::RemoveFile, {own->path}};': [],
    'const std::string reload = "sudo udevadm control --reload";': [],
    'for (const char* folder : {"/etc/udev/rules.d", "/lib/udev/rules.d"})': [],
    'if (IsRunning(processes, "ModemManager")) // is it running at all': [],
}


def self_test():
    wrong = [(code, unmarked_in(code), want) for code, want in SELF_TEST.items() if unmarked_in(code) != want]
    wrong += [(code, unmarked_in(code, CLI_SHOWN), want) for code, want in CLI_SELF_TEST.items()
              if unmarked_in(code, CLI_SHOWN) != want]
    wrong += [(code, sentences_in(code), want) for code, want in DOMAIN_SELF_TEST.items()
              if sentences_in(code) != want]
    for code, got, want in wrong:
        print(f"{code}: found {got}, expected {want}")
    return 1 if wrong else 0


def main(argv):
    if argv[1:] == ["--self-test"]:
        return self_test()
    root = pathlib.Path(argv[1] if len(argv) > 1 else ".")
    problems = []
    for folders, shown in ((FOLDERS, SHOWN), (CLI_FOLDERS, CLI_SHOWN)):
        for folder in folders:
            for path in sorted((root / folder).rglob("*.cpp")):
                if SKIPPED_PARTS & set(path.relative_to(root).parts):
                    continue
                for line, statement in statements(path.read_text(encoding="utf-8")):
                    for text in unmarked_in(statement, shown):
                        problems.append(
                            f"{path.relative_to(root)}:{line}: \"{text}\" is shown but not marked with tr()")
    for folder in DOMAIN_FOLDERS:
        for path in sorted((root / folder).rglob("*.cpp")):
            for line, statement in statements(path.read_text(encoding="utf-8")):
                for text in sentences_in(statement):
                    problems.append(f"{path.relative_to(root)}:{line}: \"{text}\" is a sentence in domain code: "
                                    "say it with a code and word it in texts/")
    for problem in problems:
        print(problem)
    print(f"{len(problems)} unmarked text(s)")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
