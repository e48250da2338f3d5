#include "Usage.h"

#include "InformationOptions.h"

namespace terrovane::printsvc {
namespace {

constexpr const char* kUsage = R"(NAME
    rapstel - print service of Terrovane: the earth resistance tester's test report

SYNOPSIS
    rapstel [--lang zh|en|de]
    rapstel --help | -h | --version

DESCRIPTION
    Started by Terrovane's Print command, after the results have been handed over in data.inf. It asks
    for the report's header (test object, instrument number, tester, date), previews the test report,
    prints it and ends by itself. Only one instance runs at a time.

OPTIONS
    -h, --help    this text
    --version     the program's version
    --lang zh|en|de
                  the language of the texts: zh Chinese, en English, de German; by default the
                  setting Interface/Language of Terrovane.conf, else the system's (Chinese or German
                  for such a locale, otherwise English)

ENVIRONMENT
    TERROVANE_HANDOFF_DIR
        The folder of the hand-off files data.inf (the results) and set.inf (the last header); by
        default ~/.local/share/Terrovane.

SEE ALSO
    Terrovane(1), terrovane-cli(1)
)";

}  // namespace

std::optional<int> AnswerInformationOptions(int argc, char** argv) {
    return platform::AnswerInformationOptions(argc, argv, "rapstel", kUsage);
}

}  // namespace terrovane::printsvc
