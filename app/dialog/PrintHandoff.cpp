#include "PrintHandoff.h"

#include <string>

#include "HandoffFiles.h"
#include "Launcher.h"
#include "MessageBox.h"
#include "MessageTexts.h"

namespace terrovane::app {

PrintHandoffResult PrintRecords(bool dataRead, const record::ReadOutBuffer& buffer) {
    if (!dataRead) {
        platform::Alert(format::kNoDataReadFirst);
        return PrintHandoffResult::NoData;
    }
    std::string error;
    if (!handoff::WriteRecordFile(buffer, &error)) {
        // Starting the service now would print the records of an older read-out.
        platform::Alert("Cannot write data.inf, nothing was printed.\n" + error);
        return PrintHandoffResult::WriteFailed;
    }
    return platform::StartProgramDetached(kPrintServiceProgram) ? PrintHandoffResult::Started
                                                                : PrintHandoffResult::ServiceNotStarted;
}

}  // namespace terrovane::app
