#include "PrintHandoff.h"

#include <QCoreApplication>

#include <string>

#include "HandoffFiles.h"
#include "LanguageChoice.h"
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
        platform::Alert(QCoreApplication::translate("Messages", "Cannot write data.inf, nothing was printed.")
                            .toStdString() +
                        "\n" + error);
        return PrintHandoffResult::WriteFailed;
    }
    // The report comes out in the language of the window that asked for it.
    std::vector<std::string> arguments;
    if (const auto language = translations::InstalledLanguage())
        arguments = {"--lang", translations::LanguageCode(*language)};
    if (std::string problem; !platform::StartProgramDetached(kPrintServiceProgram, &problem, arguments)) {
        platform::Alert(
            QCoreApplication::translate(
                "Messages", "The print service \"%1\" could not be started, so nothing was printed: %2.")
                .arg(QString::fromUtf8(kPrintServiceProgram), QString::fromStdString(problem))
                .toStdString());
        return PrintHandoffResult::ServiceNotStarted;
    }
    return PrintHandoffResult::Started;
}

}  // namespace terrovane::app
