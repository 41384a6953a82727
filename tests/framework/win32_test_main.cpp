// Entry point of the in-process Windows tests: they create real windows on the test display.
#include <gtest/gtest.h>

#include "framework/win32.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
