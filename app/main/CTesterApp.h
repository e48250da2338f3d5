#pragma once

#include <QApplication>

namespace terrovane::app {

// The application object: sets the profile key, then runs the main dialog modally; the program ends
// when the dialog closes.
class CTesterApp : public QApplication {
    Q_OBJECT

  public:
    CTesterApp(int& argc, char** argv);

    // The whole run: returns the process exit code.
    int InitInstance();
};

}  // namespace terrovane::app
