// rapstel: prints, once, the report of the records the main program handed over.
#include <QApplication>

#include "MessageBoxHandler.h"
#include "ProgramGuard.h"
#include "RapstelApp.h"
#include "Usage.h"

namespace {

int RunRapstel(int argc, char** argv) {
    if (const auto status = terrovane::printsvc::AnswerInformationOptions(argc, argv))
        return *status;
    QApplication application(argc, argv);
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
