#include "CMSComm.h"
#include "Checks.h"
#include "InstrumentLink.h"
#include "MessageBox.h"
#include "ReadOutSession.h"

namespace terrovane::doctor {

Finding CheckHandshake() {
    std::string said;
    const platform::MessageHandler previous =
        platform::SetMessageHandler([&said](const platform::Message& message) {
            std::string text = message.text;
            for (char& c : text)
                c = c == '\n' ? ' ' : c;
            said += (said.empty() ? "" : " / ") + text;
            return platform::MessageResult::Ok;
        });
    link::SilentHost host;
    link::CMSComm comm;
    record::ReadOutState state;
    link::InstrumentLink instrument(comm, host, state);
    const bool answered = instrument.Handshake();
    instrument.ClosePort();
    platform::SetMessageHandler(previous);
    if (answered)
        return {Mark::Ok, "handshake", "the instrument answered on " + instrument.portName, {}};
    return {Mark::Fail, "handshake", "no answer: " + said,
            "mend the first failing line above; if all pass, switch the instrument on and check the cable"};
}

}  // namespace terrovane::doctor
