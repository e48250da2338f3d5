#include "TerminalHost.h"

#include <unistd.h>

#include <QEventLoop>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string_view>

#include "CliText.h"
#include "LinkMessages.h"
#include "MessageBox.h"
#include "MessageText.h"
#include "Numbers.h"
#include "PortMap.h"

namespace terrovane::cli {
namespace {

bool StderrIsTerminal() {
    return ::isatty(STDERR_FILENO) == 1;
}

// "y" and "yes" answer OK in every language, beside the language's own short and long yes.
bool SaysYes(const std::string& typed) {
    const QString answer = Given(typed).trimmed().toLower();
    return answer == QLatin1String("y") || answer == QLatin1String("yes") ||
           answer == CliText::tr("y", "the short yes typed to a question").toLower() ||
           answer == CliText::tr("yes", "the yes typed to a question").toLower();
}

using platform::MessageResult;

// The question after its caption ("TIP", the original's word), then how it is answered.
MessageResult AskOnTerminal(const std::string& caption, const QString& text, bool assumeYes) {
    const std::string question = caption + ": " + Utf8(text);
    if (assumeYes) {
        std::fprintf(stderr, "%s %s\n", question.c_str(), Utf8(CliText::tr("[OK: --yes]")).c_str());
        return platform::MessageResult::Ok;
    }
    if (::isatty(STDIN_FILENO) != 1) {
        std::fprintf(stderr, "%s %s\n", question.c_str(),
                     Utf8(CliText::tr("[Cancel: no terminal to ask; --yes answers OK]")).c_str());
        return platform::MessageResult::Cancel;
    }
    std::fprintf(stderr, "%s %s ", question.c_str(), Utf8(CliText::tr("[y/N]")).c_str());
    std::fflush(stderr);
    std::string answer;
    std::getline(std::cin, answer);
    return SaysYes(answer) ? platform::MessageResult::Ok : platform::MessageResult::Cancel;
}

// A port map that is no file at all leaves discovery nothing to find; the message alone would blame the
// driver.
void TellUnreadablePortMap(const std::string& messageText) {
    if (!messageText.starts_with(link::kDriverError))
        return;
    if (const std::string problem = platform::CurrentPortMap().Problem(); !problem.empty())
        Tell("TERROVANE_PORTMAP", Given(problem));
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
    const QString title = QCoreApplication::translate("Progress", std::string(link::kProgressTitle).c_str());
    std::fprintf(stderr, "\r%s [%d%%]", Utf8(title).c_str(), percent);
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
        // The same lookup as the windows' message boxes: the fixed text translated, then filled.
        const QString text = message.details.empty() ? texts::MessageText(message)
                                                     : texts::MessageText(message) + QLatin1Char('\n') +
                                                           texts::MessageDetails(message);
        if (message.buttons == platform::MessageButtons::OkCancel) {
            return AskOnTerminal(message.caption, text, assumeYes);
        }
        std::fprintf(stderr, "%s\n", Utf8(text).c_str());
        TellUnreadablePortMap(message.text);
        return platform::MessageResult::Ok;
    });
}

}  // namespace terrovane::cli
