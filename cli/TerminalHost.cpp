#include "TerminalHost.h"

#include <unistd.h>

#include <QEventLoop>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string_view>

#include "LinkMessages.h"
#include "MessageBox.h"
#include "Numbers.h"
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
    SilentView::OpenProgress();
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
    SilentView::CloseProgress();
    drawn_ = false;
}

link::SessionPacing TerminalPacing() {
    link::SessionPacing pacing;
    pacing.replyTimeoutMs = kReplyTimeoutMs;
    if (const char* text = std::getenv("TERROVANE_LINK_PACING")) {
        // "HANDSHAKE,REQUEST" in milliseconds, optionally followed by ",early".
        std::string_view rest(text);
        const auto Field = [&rest]() {
            const std::string_view field = rest.substr(0, rest.find(','));
            rest.remove_prefix(std::min(rest.size(), field.size() + 1));
            return numbers::ParseInteger(field);
        };
        const auto handshake = Field();
        const auto request = Field();
        if (handshake && request && *handshake >= 0 && *request >= 0 && *handshake <= 1000000 &&
            *request <= 1000000 && (rest.empty() || rest == "early")) {
            pacing.handshakeWaitMs = static_cast<int>(*handshake);
            pacing.requestPaceMs = static_cast<int>(*request);
            pacing.lastPaceMs = std::max(pacing.requestPaceMs, pacing.handshakeWaitMs);
            pacing.endWaitsOnArrival = rest == "early";
        }
    }
    return pacing;
}

std::optional<link::Outcome> RunToEnd(link::CommandHost& commands, const std::function<bool()>& start) {
    std::optional<link::Outcome> outcome;
    QEventLoop loop;
    const QMetaObject::Connection ended = QObject::connect(&commands, &link::CommandHost::CommandEnded, &loop,
                                                           [&](const link::Outcome& result) {
                                                               outcome = result;
                                                               loop.quit();
                                                           });
    if (start() && !outcome) {
        loop.exec();
    }
    QObject::disconnect(ended);
    return outcome;
}

bool ReadInstrument(record::ReadOutState& state, TerminalHost& host, std::string* port, bool fast) {
    link::InstrumentSession session(TerminalPacing());
    session.SetPortChoice(host.port);
    session.SetFastReadOut(fast);
    link::CommandHost commands(session, host, state);
    const auto outcome = RunToEnd(commands, [&commands] { return commands.Read(); });
    if (!outcome || outcome->kind != link::OutcomeKind::ReadOutAccepted) {
        return false;
    }
    if (port != nullptr) {
        *port = outcome->port;
    }
    return true;
}

void InstallTerminalMessages(bool assumeYes) {
    platform::SetMessageHandler([assumeYes](const platform::Message& message) {
        const std::string text =
            message.details.empty() ? platform::FilledText(message)
                                    : platform::FilledText(message) + "\n" + platform::FilledDetails(message);
        if (message.buttons == platform::MessageButtons::OkCancel) {
            return AskOnTerminal(text, assumeYes);
        }
        std::fprintf(stderr, "%s\n", text.c_str());
        TellUnreadablePortMap(message.text);
        return platform::MessageResult::Ok;
    });
}

}  // namespace terrovane::cli
