#include <QApplication>

#include "RunAllTests.h"

int main(int argc, char** argv) {
    return terrovane::testing::RunAllTests<QApplication>(argc, argv);
}
