#include <QCoreApplication>

#include "RunAllTests.h"

int main(int argc, char** argv) {
    return terrovane::testing::RunAllTests<QCoreApplication>(argc, argv);
}
