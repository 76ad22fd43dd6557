// Linked with every library of the tree as whole archives: the link itself is
// the first check. Running it shows that the libraries' start-up
// registrations live side by side and that the shell routines a program gets
// are the one copy.
#include "platform/sys/Shell.h"
#include "platform/vcl/TClassRegistry.h"

#include <gtest/gtest.h>

#include <cstdlib>

TEST(AllLibraries, StartTogetherWithOneCopyOfTheShellRoutines) {
    ASSERT_NE(std::getenv("DUVA_NO_POWEROFF"), nullptr);
    bool handlerCalled = false;
    std::string logged;
    auto oldHandler = SetPowerOffHandler([&] { return handlerCalled = true; });
    auto oldLog = SetPowerOffLog([&](const std::string& line) { logged += line; });
    EXPECT_TRUE(PowerOff());
    SetPowerOffLog(oldLog);
    SetPowerOffHandler(oldHandler);
    EXPECT_FALSE(handlerCalled);
    EXPECT_NE(logged.find("DUVA_NO_POWEROFF"), std::string::npos);

    std::string opened;
    auto oldOpener = SetShellOpener([&](const std::string& target) {
        opened = target;
        return true;
    });
    EXPECT_TRUE(ShellOpen("/tmp/a b"));
    SetShellOpener(oldOpener);
    EXPECT_EQ(opened, "/tmp/a b");

    EXPECT_NE(ClassRegistry().Find("TForm"), nullptr);
    EXPECT_NE(ClassRegistry().Find("TTreeView"), nullptr);
}
