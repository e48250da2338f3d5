// rapstel: prints, once, the report of the records the main program handed over.
#include <QApplication>

#include "MessageBoxHandler.h"
#include "RapstelApp.h"
#include "Usage.h"

int main(int argc, char** argv) {
    if (const auto status = terrovane::printsvc::AnswerInformationOptions(argc, argv))
        return *status;
    QApplication application(argc, argv);
    terrovane::printsvc::InstallMessageBoxHandler();
    terrovane::printsvc::RapstelApp app;
    if (!app.InitInstance())
        return 0;
    return application.exec();
}
