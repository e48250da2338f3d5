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
        return {Mark::Ok, "handshake", "the instrument answered on " + outcome.port, {}};
    std::string said;
    for (std::string text : link::OutcomeMessages(outcome)) {
        for (char& c : text)
            c = c == '\n' ? ' ' : c;
        said += (said.empty() ? "" : " / ") + text;
    }
    return {Mark::Fail, "handshake", "no answer: " + said,
            "mend the first failing line above; if all pass, switch the instrument on and check the cable"};
}

}  // namespace terrovane::doctor
