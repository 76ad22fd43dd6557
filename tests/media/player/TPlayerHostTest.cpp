// SDL_WINDOWID: written when the window id changes, removed for a window of
// SDL's own, and never over a value someone else put there. The host window:
// its own handlers still run, and one destroyed first is let go of.

#include "media/player/TPlayerHost.h"
#include "platform/win/TNativeChildWindow.h"
#include "tests/support/ChildProcess.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

namespace {

std::string WindowIdVariable() {
    const char* value = std::getenv("SDL_WINDOWID");
    return value ? value : "<unset>";
}

} // namespace

TEST(TPlayerHost, WindowIdVariableFollowsTheIdButLeavesOthersValuesAlone) {
    // Whose the variable is, is decided once for the life of the process.
    if (RunCaseInFreshProcess()) return;
    unsetenv("SDL_WINDOWID");
    TPlayerHost::SetWindowIdVariable(0x2a00005);
    EXPECT_EQ(WindowIdVariable(), "44040197"); // decimal: SDL parses it with base 0
    TPlayerHost::SetWindowIdVariable(0);
    EXPECT_EQ(WindowIdVariable(), "<unset>");
    TPlayerHost::SetWindowIdVariable(77);
    EXPECT_EQ(WindowIdVariable(), "77");
    // Changed by someone else since: theirs stays.
    setenv("SDL_WINDOWID", "0x99", 1);
    TPlayerHost::SetWindowIdVariable(78);
    EXPECT_EQ(WindowIdVariable(), "0x99");
    TPlayerHost::SetWindowIdVariable(0);
    EXPECT_EQ(WindowIdVariable(), "0x99");
}

TEST(TPlayerHost, WindowIdVariableSetBeforeTheFirstOpenIsKept) {
    // Whose the variable is, is decided once for the life of the process.
    if (RunCaseInFreshProcess()) return;
    setenv("SDL_WINDOWID", "12345", 1);
    TPlayerHost::SetWindowIdVariable(678);
    EXPECT_EQ(WindowIdVariable(), "12345");
    TPlayerHost::SetWindowIdVariable(0);
    EXPECT_EQ(WindowIdVariable(), "12345");
}

TEST(TPlayerHost, KeepsTheWindowsHandlersAndLetsGoOfAWindowDestroyedFirst) {
    auto window = std::make_unique<TNativeChildWindow>(nullptr); // no window system: id 0
    int exposes = 0, destroys = 0;
    window->OnExpose = [&] { ++exposes; };
    window->OnDestroy = [&] { ++destroys; };
    {
        TPlayerHost host;
        host.SetWindow(window.get());
        window->OnExpose(); // not forwarding: nothing goes to SDL
        EXPECT_EQ(exposes, 1);
        host.SetWindow(nullptr);
        window->OnExpose();
        EXPECT_EQ(exposes, 2);

        host.SetWindow(window.get());
        host.StartForwarding();
        window.reset();
        EXPECT_EQ(destroys, 1);
        EXPECT_EQ(host.Window(), nullptr);
    } // the host touches no dead window when it goes
}
