#include "CTesterApp.h"
#include "Usage.h"

int main(int argc, char** argv) {
    if (const auto status = terrovane::app::AnswerInformationOptions(argc, argv))
        return *status;
    terrovane::app::CTesterApp app(argc, argv);
    return app.InitInstance();
}
