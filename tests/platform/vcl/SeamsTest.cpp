#include "platform/backend/headless/THeadlessSession.h"
#include "platform/vcl/TClipboard.h"

#include <gtest/gtest.h>

TEST(TClipboard, IsTheDesktopServicesClipboard) {
    // Before a window system runs: the default services keep it in the process.
    Clipboard().SetAsText("复制 text");
    EXPECT_EQ(DesktopServices().ClipboardText(), "复制 text");
    {
        THeadlessSession session;
        EXPECT_EQ(&DesktopServices(), &session.Backend().HeadlessDesktop());
        Clipboard().SetAsText("x");
        EXPECT_EQ(session.Backend().HeadlessDesktop().ClipboardText(), "x");
        DesktopServices().SetClipboardText("y");
        EXPECT_EQ(Clipboard().AsText(), "y");
    }
    // The backend's services go with the window system.
    EXPECT_EQ(Clipboard().AsText(), "复制 text");
    Clipboard().Clear();
}
