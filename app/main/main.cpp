#include <string>
#include <vector>

#include "CTesterApp.h"
#include "LanguageChoice.h"
#include "ProgramGuard.h"
#include "Usage.h"

int main(int argc, char** argv) {
    return terrovane::platform::RunGuarded("Terrovane", [&] {
        if (const auto status = terrovane::app::AnswerInformationOptions(argc, argv))
            return *status;
        const std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
        if (const auto status = terrovane::translations::RefuseBadLanguageOption(arguments, "Terrovane"))
            return *status;
        terrovane::app::CTesterApp app(argc, argv);
        terrovane::translations::ChooseAndInstallLanguage(arguments, "Terrovane");
        return app.InitInstance();
    });
}
