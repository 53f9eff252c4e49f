#include <gtest/gtest.h>

#include "platform/framework/app.h"
#include "platform/framework/testing.h"

// The one application object, through which dialogs load their icon.
static dlg::CWinApp g_testApp;

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    dlg::testing::InitPort(argc, argv);
    return RUN_ALL_TESTS();
}
