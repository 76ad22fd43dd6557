#include "FrameTest.h"

#include <memory>
#include <vector>

namespace {

// The default frame (no skin) on the default screen: 1024 x 768 with a work
// area of 1024 x 728; the default frame's smallest size is 120 x 25.
class TlxLumivexStatesTest : public TFrameTest {
protected:
    // Another skinned form, shown.
    TForm* MakeForm(int X, int Y) {
        auto* f = new TForm(nullptr);
        f->SetBounds(X, Y, 200, 100);
        new TlxLumivex(f);
        f->Show();
        Others.push_back(f);
        return f;
    }
    void TearDown() override {
        for (TForm* f : Others)
            f->Free();
        TFrameTest::TearDown();
    }
    std::vector<TForm*> Others;
};

TEST_F(TlxLumivexStatesTest, MaximizeToTheWorkAreaOrTheWholeMonitor) {
    LVX->SetWindowState(wsMaximized);
    EXPECT_EQ(Form->BoundsRect(), (TRect{0, 0, 1024, 728}));
    EXPECT_EQ(LVX->WindowState(), wsMaximized);
    LVX->SetWindowState(wsNormal);
    EXPECT_EQ(Form->BoundsRect(), (TRect{50, 40, 210, 130}));
    LVX->SetMaximizeOnFullScreen(true);
    LVX->SetWindowState(wsMaximized);
    EXPECT_EQ(Form->BoundsRect(), (TRect{0, 0, 1024, 768}));
}

// Without a task bar a pixel stays free round a maximized form.
TEST_F(TlxLumivexStatesTest, MaximizeLeavesAPixelWithoutATaskBar) {
    Session.Backend().SetMonitors({{{0, 0, 1024, 768}, {0, 0, 1024, 768}, true}});
    LVX->SetWindowState(wsMaximized);
    EXPECT_EQ(Form->BoundsRect(), (TRect{1, 1, 1023, 767}));
}

// Minimized forms take slots of 120 x 25 along the bottom of the work area,
// wrap to the row above, and give the old bounds back when restored.
TEST_F(TlxLumivexStatesTest, MinimizedSlotsFillARowAndWrap) {
    Session.Backend().SetMonitors({{{0, 0, 1024, 768}, {0, 0, 300, 200}, true}});
    std::vector<TForm*> forms{Form, MakeForm(10, 10), MakeForm(20, 20)};
    for (TForm* f : forms)
        FindFormSkinComponent(f)->SetWindowState(wsMinimized);
    EXPECT_EQ(forms[0]->BoundsRect(), (TRect{0, 175, 120, 200}));
    EXPECT_EQ(forms[1]->BoundsRect(), (TRect{120, 175, 240, 200}));
    EXPECT_EQ(forms[2]->BoundsRect(), (TRect{0, 150, 120, 175}));
    FindFormSkinComponent(forms[1])->SetWindowState(wsNormal);
    EXPECT_EQ(forms[1]->BoundsRect(), (TRect{10, 10, 210, 110}));
    EXPECT_EQ(FindFormSkinComponent(forms[1])->WindowState(), wsNormal);
}

// When every slot is taken the first slot of the last row is reused.
// The main form minimizes through the window system (whose desktop gives it
// back) and keeps its component's state.
TEST_F(TlxLumivexStatesTest, MainFormMinimizesThroughTheWindowSystem) {
    TForm* main = nullptr;
    Application->CreateForm(main);
    main->SetBounds(300, 200, 200, 100);
    auto* lvx = new TlxLumivex(main);
    main->Show();
    Session.Pump();
    lvx->SetWindowState(wsMinimized);
    Session.Pump();
    EXPECT_TRUE(IsIconic(main->Handle()));
    EXPECT_EQ(lvx->WindowState(), wsNormal);
    EXPECT_EQ(main->BoundsRect(), (TRect{300, 200, 500, 300}));
    ShowWindow(main->Handle(), SW_RESTORE);
    Session.Pump();
    EXPECT_FALSE(IsIconic(main->Handle()));
    EXPECT_EQ(lvx->WindowState(), wsNormal);
    main->Free();
}

TEST_F(TlxLumivexStatesTest, MinimizedSlotsNeverRunOut) {
    Session.Backend().SetMonitors({{{0, 0, 1024, 768}, {0, 0, 130, 60}, true}});
    std::vector<TForm*> forms{Form, MakeForm(10, 10), MakeForm(20, 20), MakeForm(30, 30)};
    for (TForm* f : forms)
        FindFormSkinComponent(f)->SetWindowState(wsMinimized);
    EXPECT_EQ(forms[0]->BoundsRect(), (TRect{0, 35, 120, 60}));
    EXPECT_EQ(forms[1]->BoundsRect(), (TRect{0, 10, 120, 35}));
    EXPECT_EQ(forms[2]->BoundsRect(), (TRect{0, 35, 120, 60}));
}

TEST_F(TlxLumivexStatesTest, RollUpKeptAcrossMaximizeAndRestore) {
    LVX->SetRollUpState(true);
    EXPECT_EQ(Form->Height(), 25);
    EXPECT_EQ(LVX->RealHeight(), 90);
    LVX->SetWindowState(wsMaximized);
    LVX->SetWindowState(wsNormal);
    EXPECT_TRUE(LVX->RollUpState());
    EXPECT_EQ(Form->BoundsRect(), (TRect{50, 40, 210, 65}));
    LVX->SetRollUpState(false);
    EXPECT_EQ(Form->Height(), 90);

    // Rolled up while maximized: restoring unrolls.
    LVX->SetWindowState(wsMaximized);
    LVX->SetRollUpState(true);
    EXPECT_TRUE(LVX->RollUpState());
    LVX->SetWindowState(wsNormal);
    EXPECT_FALSE(LVX->RollUpState());
    EXPECT_EQ(Form->BoundsRect(), (TRect{50, 40, 210, 130}));
}

TEST_F(TlxLumivexStatesTest, CaptionDoubleClickMaximizesAndRestores) {
    auto doubleClick = [&] {
        const TPoint caption = Screen(60, 12);
        Session.MouseMove(caption);
        Session.Click(caption);
        Session.Click(caption);
        Session.Pump();
        Session.Advance(1000);
    };
    doubleClick();
    EXPECT_EQ(LVX->WindowState(), wsMaximized);
    EXPECT_FALSE(IsZoomed(Form->Handle())) << "the platform's maximize must not act as well";
    doubleClick();
    EXPECT_EQ(LVX->WindowState(), wsNormal);
    EXPECT_EQ(Form->BoundsRect(), (TRect{50, 40, 210, 130}));
}

// With MagneticSize 5 a form dragged to 4 pixels from the work area's left
// edge snaps to it, and stays while the pointer keeps within 5 pixels of
// where it snapped.
TEST_F(TlxLumivexStatesTest, MagnetismSnapsAndHolds) {
    LVX->SetMagnetic(true);
    const TPoint caption = Screen(60, 12); // (110, 52)
    auto drag = [&](std::initializer_list<int> Xs) {
        Session.MouseDown(caption);
        for (int x : Xs)
            Session.MouseMove({x, caption.Y});
        Session.MouseUp({*(Xs.end() - 1), caption.Y});
        Session.Pump();
        Session.Advance(1000); // the next press is no double click
    };
    drag({64}); // the left edge would stand at 4
    EXPECT_EQ(Form->Left(), 0);
    Form->SetBounds(50, 40, 160, 90);
    drag({64, 67}); // 3 pixels further: held
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(Form->Left(), 0);
    Form->SetBounds(50, 40, 160, 90);
    drag({64, 58}); // 6 pixels back past the edge: the pointer pulls the form along
    EXPECT_EQ(Form->Left(), -6);
}

TEST_F(TlxLumivexStatesTest, DraggingAMaximizedFormLeavesItInPlace) {
    LVX->SetWindowState(wsMaximized);
    Session.Pump();
    Session.Drag(Screen(60, 12), Screen(160, 112));
    Session.Pump();
    EXPECT_EQ(Form->BoundsRect(), (TRect{0, 0, 1024, 728}));
}

TEST_F(TlxLumivexStatesTest, SizeLimits) {
    EXPECT_EQ(LVX->GetMinWidth(), 120);
    EXPECT_EQ(LVX->GetMinHeight(), 25);
    EXPECT_EQ(LVX->GetMaxWidth(), 1024);
    EXPECT_EQ(LVX->GetMaxHeight(), 728);
    LVX->SetMaximizeOnFullScreen(true);
    EXPECT_EQ(LVX->GetMaxHeight(), 768);
    LVX->SetMinWidth(300);
    LVX->SetMaxHeight(500);
    EXPECT_EQ(LVX->GetMinWidth(), 300);
    EXPECT_EQ(LVX->GetMaxHeight(), 500);
    // Sizing from the bottom-right corner stops at the limits.
    LVX->SetMinWidth(0);
    LVX->SetMaxHeight(0);
    Session.Drag(Screen(159, 89), Screen(20, 20));
    Session.Pump();
    EXPECT_EQ(Form->Width(), 120);
    EXPECT_EQ(Form->Height(), 25);
}

} // namespace
