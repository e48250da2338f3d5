#include "Usage.h"

#include "InformationOptions.h"

namespace terrovane::app {
namespace {

constexpr const char* kUsage = R"(NAME
    Terrovane - desktop companion of the handheld earth/ground resistance tester

SYNOPSIS
    Terrovane [--lang zh|en|de]
    Terrovane --help | -h | --version

DESCRIPTION
    Reads the up to 100 stored results out of the instrument through its USB serial bridge and lists
    them, shows each one on a simulated instrument display, saves them as an .xls workbook, hands them
    to the print service rapstel, sets the instrument's clock and erases one or all results. The
    instrument's port is found by itself before every command; when it cannot be opened, the message
    box's details say why (the same checks as terrovane-cli doctor).

OPTIONS
    -h, --help    this text
    --version     the program's version
    --lang zh|en|de
                  the language of the texts (and of the report Print starts): zh Chinese, en English,
                  de German; by default the setting Interface/Language of Terrovane.conf (the
                  Language menu sets it), else the system's (Chinese or German for such a locale,
                  otherwise English)
    The usual options of Qt programs (-platform NAME, -style NAME) are accepted too.

ENVIRONMENT
    TERROVANE_PORTMAP
        A port-map file used instead of the live system's USB serial ports (the simulated instrument
        terrovane-sim publishes itself in one).
    TERROVANE_HANDOFF_DIR
        The folder of the print hand-off files data.inf and set.inf; by default
        ~/.local/share/Terrovane.
    TERROVANE_ARCHIVE
        The measurement archive, an SQLite file that keeps every accepted read-out; by default
        ~/.local/share/Terrovane/archive.sqlite.

FILES
    /dev/terrovane-SERIAL
        The instrument's port under a name that stays the same, made by the installed udev rule, which
        also lets the user at the computer's screen open it.

SEE ALSO
    terrovane-cli(1), terrovane-sim(1)
)";

}  // namespace

std::optional<int> AnswerInformationOptions(int argc, char** argv) {
    return platform::AnswerInformationOptions(argc, argv, "Terrovane", kUsage);
}

}  // namespace terrovane::app
