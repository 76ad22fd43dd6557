#include "skin/engine/TlxLayerManager.h"
#include "platform/backend/headless/THeadlessSession.h"
#include "platform/gdi/TBitmap.h"
#include "platform/vcl/TApplication.h"
#include "platform/vcl/TTimer.h"
#include "skin/engine/TlxLayerWindow.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class TlxLayerManagerTest : public ::testing::Test {
protected:
    void SetUp() override {
        Application->Initialize();
        Image.Fill(0xFFFF0000);
        Mask.Fill(0xFFFFFFFF);
        Mask.ScanLine(1)[2] = 0xFF808080;
    }
    void TearDown() override { Manager->Free(); }

    const THeadlessSurface* Surface() {
        return Manager->LayerWindow ? Session.Backend().SurfaceOf(Manager->LayerWindow->Handle()) : nullptr;
    }
    // The constant alpha after each of n ticks of 25 ms.
    std::vector<int> Ticks(int n) {
        std::vector<int> out;
        for (int i = 0; i < n; ++i) {
            Session.Advance(25);
            out.push_back(Surface() ? Surface()->ConstantAlpha() : -1);
        }
        return out;
    }

    THeadlessSession Session;
    TBitmap Image{4, 3};
    TBitmap Mask{4, 3};
    TlxLayerManager* Manager = new TlxLayerManager(nullptr);
};

} // namespace

TEST_F(TlxLayerManagerTest, FadesInByTenthsOnTheTimer) {
    Manager->Show(100, 50, &Image, &Mask, 255);
    Session.Pump();
    ASSERT_NE(Surface(), nullptr);
    const THeadlessSurface* s = Surface();
    EXPECT_TRUE(s->Visible());
    EXPECT_TRUE(s->Layered());
    EXPECT_TRUE(s->PerPixelAlpha());
    EXPECT_EQ(s->ConstantAlpha(), 0);
    EXPECT_EQ(s->ScreenBounds(), (TRect{100, 50, 104, 53}));
    // The picture carries the mask's grey as its alpha.
    EXPECT_EQ(s->Pixels().ScanLine(0)[0], 0xFFFF0000u);
    EXPECT_EQ(s->Pixels().ScanLine(1)[2], 0x80FF0000u);
    HWND wnd = Manager->LayerWindow->Handle();
    EXPECT_TRUE(GetWindowLongPtr(wnd, GWL_EXSTYLE) & WS_EX_TRANSPARENT);
    EXPECT_TRUE(GetWindowLongPtr(wnd, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    EXPECT_NE(GetActiveWindow(), wnd);

    EXPECT_EQ(Ticks(11), (std::vector<int>{25, 50, 75, 100, 125, 150, 175, 200, 225, 250, 255}));
    EXPECT_FALSE(Manager->Timer->Enabled());
    EXPECT_EQ(Ticks(2), (std::vector<int>{255, 255}));
}

TEST_F(TlxLayerManagerTest, ShowWhileFadingRestartsWithANewWindow) {
    Manager->Show(10, 10, &Image, &Mask, 200);
    EXPECT_EQ(Ticks(3), (std::vector<int>{20, 40, 60}));
    HWND first = Manager->LayerWindow->Handle();
    Manager->Show(20, 20, &Image, &Mask, 200);
    Session.Pump();
    EXPECT_FALSE(IsWindow(first));
    EXPECT_NE(Manager->LayerWindow->Handle(), first);
    EXPECT_EQ(Surface()->ConstantAlpha(), 0);
    EXPECT_EQ(Surface()->ScreenBounds().TopLeft(), (TPoint{20, 20}));
    EXPECT_EQ(Ticks(2), (std::vector<int>{20, 40}));
}

TEST_F(TlxLayerManagerTest, HideStopsAndRemovesEverything) {
    Manager->Hide(); // never shown: nothing to do
    Manager->Show(10, 10, &Image, &Mask, 255);
    Ticks(2);
    HWND wnd = Manager->LayerWindow->Handle();
    Manager->Hide();
    Session.Pump();
    EXPECT_FALSE(IsWindow(wnd));
    EXPECT_EQ(Manager->LayerWindow, nullptr);
    EXPECT_EQ(Manager->Bmp, nullptr);
    EXPECT_FALSE(Manager->IsVisible);
    EXPECT_FALSE(Manager->Timer->Enabled());
    EXPECT_TRUE(Session.Backend().Stack().empty());
}

TEST_F(TlxLayerManagerTest, SmallTargetsStillArrive) {
    Manager->Show(10, 10, &Image, &Mask, 5);
    EXPECT_EQ(Ticks(6), (std::vector<int>{1, 2, 3, 4, 5, 5}));
    EXPECT_FALSE(Manager->Timer->Enabled());
}

TEST_F(TlxLayerManagerTest, WithoutLayeredWindowsNothingShows) {
    Session.Backend().SetLayeredCapability(false);
    Manager->Show(10, 10, &Image, &Mask, 255);
    Session.Advance(300);
    EXPECT_EQ(Manager->LayerWindow, nullptr);
    EXPECT_FALSE(Manager->IsVisible);
    EXPECT_TRUE(Session.Backend().Stack().empty());
    TlxBitmap bmp;
    bmp.SetSize(2, 2);
    UpdateLayeredWindowBmp(&bmp, 255, nullptr);
    Manager->Hide();
}
