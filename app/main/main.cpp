#include "CTesterApp.h"
#include "ProgramGuard.h"
#include "Usage.h"

int main(int argc, char** argv) {
    return terrovane::platform::RunGuarded("Terrovane", [&] {
        if (const auto status = terrovane::app::AnswerInformationOptions(argc, argv))
            return *status;
        terrovane::app::CTesterApp app(argc, argv);
        return app.InitInstance();
    });
}
