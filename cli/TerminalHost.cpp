#include "TerminalHost.h"

#include <unistd.h>

#include <cstdio>
#include <iostream>

#include "LinkMessages.h"
#include "MessageBox.h"
#include "PortMap.h"

namespace terrovane::cli {
namespace {

bool StderrIsTerminal() {
    return ::isatty(STDERR_FILENO) == 1;
}

platform::MessageResult AskOnTerminal(const std::string& text, bool assumeYes) {
    if (assumeYes) {
        std::fprintf(stderr, "TIP: %s [OK: --yes]\n", text.c_str());
        return platform::MessageResult::Ok;
    }
    if (::isatty(STDIN_FILENO) != 1) {
        std::fprintf(stderr, "TIP: %s [Cancel: no terminal to ask; --yes answers OK]\n", text.c_str());
        return platform::MessageResult::Cancel;
    }
    std::fprintf(stderr, "TIP: %s [y/N] ", text.c_str());
    std::fflush(stderr);
    std::string answer;
    std::getline(std::cin, answer);
    const bool ok = answer == "y" || answer == "Y" || answer == "yes" || answer == "YES";
    return ok ? platform::MessageResult::Ok : platform::MessageResult::Cancel;
}

// A port map that is no file at all leaves discovery nothing to find; the message alone would blame the
// driver.
void TellUnreadablePortMap(const std::string& messageText) {
    if (!messageText.starts_with(link::kDriverError))
        return;
    if (const std::string problem = platform::CurrentPortMap().Problem(); !problem.empty())
        std::fprintf(stderr, "TERROVANE_PORTMAP: %s\n", problem.c_str());
}

}  // namespace

void TerminalHost::OpenProgress() {
    SilentHost::OpenProgress();
    drawn_ = false;
}

void TerminalHost::SetProgressPosition(int position) {
    if (!IsProgressOpen() || !StderrIsTerminal()) {
        return;
    }
    const int percent =
        (position - link::kProgressLower) * 100 / (link::kProgressUpper - link::kProgressLower);
    std::fprintf(stderr, "\r%s [%d%%]", std::string(link::kProgressTitle).c_str(), percent);
    std::fflush(stderr);
    drawn_ = true;
}

void TerminalHost::CloseProgress() {
    if (drawn_) {
        std::fputc('\n', stderr);
    }
    SilentHost::CloseProgress();
    drawn_ = false;
}

void InstallTerminalMessages(bool assumeYes) {
    platform::SetMessageHandler([assumeYes](const platform::Message& message) {
        const std::string text =
            message.details.empty() ? message.text : message.text + "\n" + message.details;
        if (message.buttons == platform::MessageButtons::OkCancel) {
            return AskOnTerminal(text, assumeYes);
        }
        std::fprintf(stderr, "%s\n", text.c_str());
        TellUnreadablePortMap(message.text);
        return platform::MessageResult::Ok;
    });
}

}  // namespace terrovane::cli
