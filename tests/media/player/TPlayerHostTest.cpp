// SDL_WINDOWID: written when the window id changes, removed for a window of
// SDL's own, and never over a value someone else put there.

#include "media/player/TPlayerHost.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

std::string WindowIdVariable() {
    const char* value = std::getenv("SDL_WINDOWID");
    return value ? value : "<unset>";
}

} // namespace

TEST(TPlayerHost, WindowIdVariableFollowsTheIdButLeavesOthersValuesAlone) {
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
    setenv("SDL_WINDOWID", "12345", 1);
    TPlayerHost::SetWindowIdVariable(678);
    EXPECT_EQ(WindowIdVariable(), "12345");
    TPlayerHost::SetWindowIdVariable(0);
    EXPECT_EQ(WindowIdVariable(), "12345");
}
