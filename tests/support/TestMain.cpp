#include <gtest/gtest.h>

#include "TestEnvironment.h"

// The main of the test programs without an application object.
int main(int argc, char** argv) {
    terrovane::testing::IsolateFromCallerEnvironment();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
