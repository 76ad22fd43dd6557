#include "platform/sys/DynamicLibrary.h"
#include "platform/sys/ProgramFolder.h"
#include "platform/sys/Shell.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

TEST(ProgramFolder, ComesFromTheRunningExecutable) {
    std::string name = GetExeName();
    std::string path = GetExePath();
    ASSERT_FALSE(name.empty());
    EXPECT_EQ(name.substr(name.rfind('/') + 1), "platform_sys_tests");
    EXPECT_EQ(path.back(), '/');
    EXPECT_EQ(name.rfind(path, 0), 0u);
    EXPECT_EQ(path, std::string(std::getenv("DUVA_BINARY_DIR")) + "/bin/");
}

TEST(DynamicLibrary, LoadsBindsAndReportsTheLoadersText) {
    std::string error;
    TModuleHandle m = LoadModule("libm.so.6", &error);
    ASSERT_NE(m, nullptr) << error;
    auto cosine = reinterpret_cast<double (*)(double)>(ModuleSymbol(m, "cos", &error));
    ASSERT_NE(cosine, nullptr);
    EXPECT_DOUBLE_EQ(cosine(0.0), 1.0);
    EXPECT_NE(ModuleFileOfAddress(reinterpret_cast<void*>(cosine)).find("libm.so.6"), std::string::npos);

    EXPECT_EQ(ModuleSymbol(m, "no_such_function_here", &error), nullptr);
    EXPECT_NE(error.find("no_such_function_here"), std::string::npos);
    FreeModule(m);

    EXPECT_EQ(LoadModule("/nonexistent/libnothing.so.1", &error), nullptr);
    EXPECT_NE(error.find("/nonexistent/libnothing.so.1"), std::string::npos);
}

TEST(Shell, OpenerAndPowerOffAreReplaceableAndPowerOffOnlyLogsInTests) {
    std::string opened;
    SetShellOpener([&](const std::string& target) {
        opened = target;
        return true;
    });
    EXPECT_TRUE(ShellOpen("/tmp/a folder; rm -rf x"));
    EXPECT_EQ(opened, "/tmp/a folder; rm -rf x");
    SetShellOpener(nullptr);

    ASSERT_NE(std::getenv("DUVA_NO_POWEROFF"), nullptr);
    EXPECT_TRUE(PowerOff());
    int calls = 0;
    SetPowerOffHandler([&] { return ++calls, false; });
    EXPECT_FALSE(PowerOff());
    EXPECT_EQ(calls, 1);
    SetPowerOffHandler(nullptr);

    EXPECT_FALSE(StartDetached({"duva-no-such-program-anywhere"}));
    EXPECT_TRUE(StartDetached({"true"}));
}
