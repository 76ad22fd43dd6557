// The main of every test program: gtest's own, plus the process-state
// listener (see ProcessState.h).
#include "tests/support/ProcessState.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    InstallProcessStateListener();
    return RUN_ALL_TESTS();
}
