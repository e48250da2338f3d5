#include "CTesterApp.h"

int main(int argc, char** argv) {
    terrovane::app::CTesterApp app(argc, argv);
    return app.InitInstance();
}
