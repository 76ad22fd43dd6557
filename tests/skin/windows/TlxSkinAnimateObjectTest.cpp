#include "skin/windows/TlxSkinAnimateObject.h"

#include "platform/vcl/TMenu.h"
#include "platform/vcl/TTimer.h"
#include "tests/skin/windows/TFrameObjectTest.h"

#include <functional>

namespace {

using L = TMouseButton;

class TlxSkinAnimateObjectTest : public TFrameObjectTest {
protected:
    // An animation "a" of 10 frames of 10 x 10 (picture 2).
    TlxSkinAnimateObject* MakeAnimation(const std::function<void(TlxDataSkinAnimate&)>& Change = {}) {
        TTestSkin skin = MakeSkin();
        auto& d = skin.AddObject<TlxDataSkinAnimate>("a");
        d.SkinRectInAPicture = true;
        d.ActivePictureIndex = Strip;
        d.SkinRect = {0, 0, 10, 10};
        d.ActiveSkinRect = {0, 0, 100, 10};
        d.CountFrames = 10;
        d.TimerInterval = 100;
        d.ButtonStyle = true;
        d.Command = cmDefault;
        if (Change) Change(d);
        Apply(skin);
        return Object<TlxSkinAnimateObject>("a");
    }
    // The frames shown after each of N periods of Ms milliseconds.
    std::vector<int> FramesEvery(TlxSkinAnimateObject* A, int Ms, int N) {
        std::vector<int> out;
        for (int i = 0; i < N; ++i) {
            Ticks(Ms / 25);
            out.push_back(A->Frame());
        }
        return out;
    }
};

TEST_F(TlxSkinAnimateObjectTest, HoverPlaysForwardAndStopsLeavePlaysBack) {
    TlxSkinAnimateObject* a = MakeAnimation();
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(Drawn(a), FrameRgb(1));
    a->MouseEnter();
    EXPECT_EQ(FramesEvery(a, 100, 10), (std::vector<int>{2, 3, 4, 5, 6, 7, 8, 9, 10, 10}));
    EXPECT_FALSE(a->Active);
    EXPECT_EQ(Drawn(a), FrameRgb(10));
    Ticks(1);
    EXPECT_FALSE(Lvx->AnimateTimer->Enabled());

    a->MouseLeave();
    EXPECT_EQ(FramesEvery(a, 100, 10), (std::vector<int>{9, 8, 7, 6, 5, 4, 3, 2, 1, 1}));
    EXPECT_EQ(Drawn(a), FrameRgb(1));
}

TEST_F(TlxSkinAnimateObjectTest, ShortIntervalBehavesAsOneTick) {
    TlxSkinAnimateObject* a = MakeAnimation([](TlxDataSkinAnimate& d) { d.TimerInterval = 10; });
    EXPECT_EQ(a->TimerInterval, 25);
    a->MouseEnter();
    EXPECT_EQ(FramesEvery(a, 25, 3), (std::vector<int>{2, 3, 4}));
}

TEST_F(TlxSkinAnimateObjectTest, CycleLoopsUntilStopped) {
    TlxSkinAnimateObject* a = MakeAnimation([](TlxDataSkinAnimate& d) {
        d.ButtonStyle = false;
        d.Cycle = true;
        d.CountFrames = 3;
        d.TimerInterval = 25;
    });
    a->Start();
    EXPECT_EQ(FramesEvery(a, 25, 5), (std::vector<int>{2, 3, 1, 2, 3}));
    a->Stop();
    EXPECT_EQ(a->Frame(), 1);
    Ticks(2);
    EXPECT_EQ(a->Frame(), 1);
}

// Leaving before the first step stops at frame 1 instead of wrapping round
// to the last frame and playing everything backwards.
TEST_F(TlxSkinAnimateObjectTest, QuickEnterAndLeaveStaysOnTheFirstFrame) {
    TlxSkinAnimateObject* a = MakeAnimation();
    a->MouseEnter();
    a->MouseLeave();
    std::vector<int> seen = FramesEvery(a, 25, 12);
    EXPECT_EQ(seen, std::vector<int>(12, 1));
    EXPECT_FALSE(a->Active);
}

TEST_F(TlxSkinAnimateObjectTest, DownImageHoldsTheAnimation) {
    TlxSkinAnimateObject* a = MakeAnimation([](TlxDataSkinAnimate& d) {
        d.ActivePictureIndex = States;
        d.ActiveSkinRect = {0, 0, 100, 10};
        d.DownSkinRect = Block(2);
    });
    a->MouseEnter();
    a->MouseDown(5, 5, L::mbLeft);
    EXPECT_EQ(Drawn(a), StateRgb::Down);
    EXPECT_EQ(a->Frame(), 10);
    const int frame = a->Frame();
    Ticks(8);
    EXPECT_EQ(a->Frame(), frame) << "held on its pressed image";
    a->MouseUp(5, 5, L::mbLeft);
    EXPECT_FALSE(a->FDown);
    EXPECT_TRUE(Lvx->AnimateTimer->Enabled());
}

TEST_F(TlxSkinAnimateObjectTest, CommandRunsOnReleaseOverTheObject) {
    int closes = 0;
    Form->OnClose = [&](TObject*, TCloseAction& Action) {
        ++closes;
        Action = caNone;
    };
    TlxSkinAnimateObject* a = MakeAnimation([](TlxDataSkinAnimate& d) { d.Command = cmClose; });
    a->MouseEnter();
    a->MouseDown(5, 5, L::mbLeft);
    a->MouseLeave();
    a->MouseUp(50, 50, L::mbLeft);
    EXPECT_EQ(closes, 0);
    a->MouseEnter();
    a->MouseDown(5, 5, L::mbLeft);
    a->MouseUp(5, 5, L::mbLeft);
    EXPECT_EQ(closes, 1);

    TlxSkinAnimateObject* sys = MakeAnimation([](TlxDataSkinAnimate& d) { d.Command = cmSysMenu; });
    sys->DblClick();
    EXPECT_EQ(closes, 2);
}

TEST_F(TlxSkinAnimateObjectTest, NoFramesCountsAsOneFrame) {
    TlxSkinAnimateObject* a = MakeAnimation([](TlxDataSkinAnimate& d) {
        d.CountFrames = 0;
        d.TimerInterval = 25;
    });
    EXPECT_EQ(a->CountFrames, 1);
    a->MouseEnter();
    Ticks(4);
    EXPECT_EQ(a->Frame(), 1);
    EXPECT_EQ(Drawn(a), FrameRgb(1));
}

TEST_F(TlxSkinAnimateObjectTest, MenuThatCannotOpenLeavesTheAnimationFree) {
    TlxSkinAnimateObject* a = MakeAnimation();
    auto* hidden = new TPopupMenu(Form);
    auto* entry = new TMenuItem(Form);
    entry->SetVisible(false);
    hidden->Items()->Add(entry);
    Lvx->LinkMenu("a", hidden, false);
    a->MouseEnter();
    a->MouseDown(5, 5, L::mbLeft);
    a->MouseUp(5, 5, L::mbLeft);
    EXPECT_FALSE(a->FMenuTracking);
    a->MouseLeave();
    EXPECT_FALSE(a->Increment) << "the leave plays the animation back";
}

TEST_F(TlxSkinAnimateObjectTest, MenuClosePlaysBackFromTheLastFrame) {
    TlxSkinAnimateObject* a = MakeAnimation();
    auto* menu = new TPopupMenu(Form);
    auto* item = new TMenuItem(Form);
    menu->Items()->Add(item);
    Lvx->LinkMenu("a", menu, false);
    a->MouseEnter();
    a->MouseDown(5, 5, L::mbLeft);
    a->MouseUp(5, 5, L::mbLeft);
    EXPECT_TRUE(a->FMenuTracking);
    EXPECT_EQ(Drawn(a), FrameRgb(10));
    a->MouseLeave(); // only noted while the menu is open
    EXPECT_FALSE(a->FMouseIn);

    Lvx->SkinMenuClose();
    EXPECT_FALSE(a->FMenuTracking);
    EXPECT_EQ(a->Frame(), 10);
    Ticks(4);
    EXPECT_EQ(a->Frame(), 9);
}

} // namespace
