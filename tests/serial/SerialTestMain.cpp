#include <QCoreApplication>

#include <gtest/gtest.h>

// Receive events are queued to the user-interface thread, so the tests need an event loop to deliver them.
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
