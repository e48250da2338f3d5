#include <QEventLoop>

#include "Checks.h"
#include "InstrumentSession.h"
#include "OutcomeTable.h"

namespace terrovane::doctor {
namespace {

// The handshake as every command makes it, run to its end.
link::Outcome RunHandshake(link::InstrumentSession& session) {
    link::Outcome outcome;
    bool ended = false;
    QEventLoop loop;
    QObject::connect(&session, &link::InstrumentSession::Finished, &loop, [&](const link::Outcome& result) {
        outcome = result;
        ended = true;
        loop.quit();
    });
    session.Handshake();
    if (!ended) {
        loop.exec();
    }
    return outcome;
}

}  // namespace

Finding CheckHandshake(const link::PortChoice& choice) {
    link::InstrumentSession session;
    session.SetPortChoice(choice);
    const link::Outcome outcome = RunHandshake(session);
    if (outcome.kind == link::OutcomeKind::HandshakeAnswered)
        return {Mark::Ok, Check::Handshake, {{Phrase::InstrumentAnswered, {outcome.port}}}, {}};
    Finding failed{Mark::Fail, Check::Handshake, {}, {{Phrase::MendFirstFailingLine, {}}}};
    for (const std::string& text : link::OutcomeMessages(outcome)) {
        const Said message{Phrase::LinkMessage, {text}};
        failed.text.push_back(failed.text.empty() ? Said{Phrase::NoAnswer, {message}}
                                                  : Said{Phrase::ListedAfter, {message}});
    }
    if (failed.text.empty())
        failed.text.push_back({Phrase::NoAnswer, {""}});
    return failed;
}

}  // namespace terrovane::doctor
