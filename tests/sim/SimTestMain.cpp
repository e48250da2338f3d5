#include <QCoreApplication>

#include <gtest/gtest.h>

// The serial control delivers its receive events through the event loop.
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
