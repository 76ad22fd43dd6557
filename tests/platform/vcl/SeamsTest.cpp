#include "platform/vcl/TClipboard.h"

#include <gtest/gtest.h>

TEST(TClipboard, KeepsTextInProcessUntilABackendTakesOver) {
    TClipboard& c = Clipboard();
    c.SetAsText("复制 text");
    EXPECT_EQ(c.AsText(), "复制 text");
    std::string store;
    c.SetBackend([&] { return store; }, [&](const std::string& s) { store = "<" + s + ">"; });
    c.SetAsText("x");
    EXPECT_EQ(c.AsText(), "<x>");
    c.SetBackend(nullptr, nullptr);
    EXPECT_EQ(c.AsText(), "复制 text");
}
