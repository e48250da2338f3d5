#include <QCoreApplication>

#include <gtest/gtest.h>

// The link runs the event loop in its pauses and while awaiting replies, so the tests need an application.
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
