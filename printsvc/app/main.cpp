// rapstel: prints, once, the report of the records the main program handed over.
#include <QApplication>

#include <string>
#include <vector>

#include "LanguageChoice.h"
#include "MessageBoxHandler.h"
#include "ProgramGuard.h"
#include "RapstelApp.h"
#include "Usage.h"

namespace {

int RunRapstel(int argc, char** argv) {
    if (const auto status = terrovane::printsvc::AnswerInformationOptions(argc, argv))
        return *status;
    const std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    if (const auto status = terrovane::translations::RefuseBadLanguageOption(arguments, "rapstel"))
        return *status;
    QApplication application(argc, argv);
    terrovane::translations::ChooseAndInstallLanguage(arguments, "rapstel");
    terrovane::printsvc::InstallMessageBoxHandler();
    terrovane::printsvc::RapstelApp app;
    if (!app.InitInstance())
        return 0;
    return application.exec();
}

}  // namespace

int main(int argc, char** argv) {
    return terrovane::platform::RunGuarded("rapstel", [&] { return RunRapstel(argc, argv); });
}
