// The skinned frame on a real X server, driven by real input: shaped by the
// skin's mask, moved by its caption, sized by its border, minimised and
// restored, maximised once by a caption double click, and closed through the
// window manager's close request.

#include "X11Fixture.h"
#include "XClientProbe.h"

#include "../FrameSkin.h"
#include "platform/vcl/TApplication.h"
#include "skin/engine/SkinData.h"
#include "skin/windows/TlxLumivex.h"

#include <vector>

namespace {

class FrameX11Test : public X11Fixture {
protected:
    void SetUp() override {
        X11Fixture::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        Application->Initialize();
        Form = new TForm(nullptr);
        Form->SetBorderStyle(bsSizeable);
        Form->SetCaption("Frame");
        Form->SetBounds(100, 100, 300, 200);
        SD = new TlxSkinData(Form);
        LVX = new TlxLumivex(Form);
        LVX->SetSkinData(SD);
        Skin.Skin.LoadInto(SD);
        Form->Show();
        Settle();
    }
    void TearDown() override {
        if (Form) Form->Free();
        Form = nullptr;
        if (!IsSkipped()) Pump();
        X11Fixture::TearDown();
    }

    // Lets painting and the server catch up, and puts the next press out of
    // reach of the last one's double click.
    void Settle(int Ms = 600) {
        PumpUntil([] { return false; }, Ms);
    }
    uintptr_t XId() { return Backend().WindowOf(Form->Handle()); }
    TPoint At(int X, int Y) { return {Form->Left() + X, Form->Top() + Y}; }
    TPoint Center(const std::string& Name) {
        const TRect r = LVX->Objects(LVX->GetIndex(Name))->ObjectRect;
        return At((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    }
    // The window's bounding shape as the server holds it.
    std::vector<TRect> Shape() { return BoundingShape(Other(), XId()); }
    static bool Inside(const std::vector<TRect>& Shape, int X, int Y) {
        for (const TRect& r : Shape)
            if (PtInRect(r, {X, Y})) return true;
        return false;
    }
    // The mask's three cut pixels at each corner are outside, their
    // neighbours inside, at the window's current size.
    void ExpectCornersCut() {
        const TSize size = WindowSize(XId());
        const int r = size.cx - 1, b = size.cy - 1;
        const std::vector<TRect> shape = Shape();
        for (TPoint p :
             {TPoint{0, 0}, TPoint{1, 0}, TPoint{0, 1}, TPoint{r, 0}, TPoint{r - 1, 0}, TPoint{r, 1},
              TPoint{0, b}, TPoint{1, b}, TPoint{0, b - 1}, TPoint{r, b}, TPoint{r - 1, b}, TPoint{r, b - 1}})
            EXPECT_FALSE(Inside(shape, p.X, p.Y)) << p.X << "," << p.Y << " of " << size.cx << "x" << size.cy;
        for (TPoint p : {TPoint{2, 0}, TPoint{1, 1}, TPoint{r - 1, 1}, TPoint{1, b - 1}, TPoint{r - 1, b - 1},
                         TPoint{r / 2, b / 2}})
            EXPECT_TRUE(Inside(shape, p.X, p.Y)) << p.X << "," << p.Y << " of " << size.cx << "x" << size.cy;
    }
    void DoubleClick(TPoint P) {
        Click(P);
        Click(P);
        Pump();
    }

    TFrameSkin Skin;
    TForm* Form = nullptr;
    TlxSkinData* SD = nullptr;
    TlxLumivex* LVX = nullptr;
};

TEST_F(FrameX11Test, ShapedByTheMaskAndFollowsTheBorderWhenSized) {
    ASSERT_EQ(WindowSize(XId()), (TSize{300, 200}));
    ExpectCornersCut();

    // The bottom-right corner of the frame dragged outwards.
    Drag(At(298, 198), At(378, 248), 6);
    ASSERT_TRUE(PumpUntil([&] { return GetCapture() == nullptr && Form->Width() == 380; }));
    Settle(200);
    EXPECT_EQ(Form->BoundsRect(), Bounds(100, 100, 380, 250));
    EXPECT_EQ(WindowSize(XId()), (TSize{380, 250}));
    EXPECT_EQ(WindowOnScreen(XId()), (TPoint{100, 100}));
    ExpectCornersCut();

    // The left edge dragged inwards: the right edge stays.
    Drag(At(1, 120), At(41, 120), 4);
    ASSERT_TRUE(PumpUntil([&] { return GetCapture() == nullptr && Form->Width() == 340; }));
    Settle(200);
    EXPECT_EQ(Form->BoundsRect(), Bounds(140, 100, 340, 250));
    ExpectCornersCut();
}

TEST_F(FrameX11Test, MovesByItsCaptionNotByItsButtons) {
    const TPoint caption = At(120, 12);
    ASSERT_EQ(SendMessage(Form->Handle(), WM_NCHITTEST, 0, PointToLParam(caption)), HTCAPTION);
    Drag(caption, {caption.X + 80, caption.Y + 50}, 5);
    ASSERT_TRUE(PumpUntil([&] { return GetCapture() == nullptr && Form->Left() == 180; }));
    Settle(200);
    EXPECT_EQ(Form->BoundsRect(), Bounds(180, 150, 300, 200));
    EXPECT_EQ(WindowOnScreen(XId()), (TPoint{180, 150}));
    EXPECT_EQ(LVX->WindowState(), wsNormal);

    // A drag that starts on a frame button moves nothing.
    const TPoint close = Center("min");
    Drag(close, {close.X - 60, close.Y + 40}, 4);
    Settle(200);
    EXPECT_EQ(Form->BoundsRect(), Bounds(180, 150, 300, 200));
    EXPECT_EQ(LVX->WindowState(), wsNormal) << "released off the button: no command";
}

TEST_F(FrameX11Test, CaptionDoubleClickMaximizesOnceAndRestores) {
    DoubleClick(At(120, 12));
    ASSERT_TRUE(PumpUntil([&] { return LVX->WindowState() == wsMaximized; }));
    Settle();
    // Xvfb has no task bar: the work area is the screen, less a pixel all round.
    EXPECT_EQ(Form->BoundsRect(), (TRect{1, 1, 1023, 767}));
    EXPECT_EQ(WindowSize(XId()), (TSize{1022, 766}));
    EXPECT_EQ(LVX->WindowState(), wsMaximized) << "the double click acted once";
    EXPECT_FALSE(IsZoomed(Form->Handle())) << "the window system's maximize must not act as well";
    ExpectCornersCut();

    // Dragging the maximized form's caption leaves it where it is.
    Drag(At(200, 12), At(260, 80), 4);
    Settle(200);
    EXPECT_EQ(Form->BoundsRect(), (TRect{1, 1, 1023, 767}));

    Settle();
    DoubleClick(At(200, 12));
    ASSERT_TRUE(PumpUntil([&] { return LVX->WindowState() == wsNormal; }));
    Settle();
    EXPECT_EQ(Form->BoundsRect(), Bounds(100, 100, 300, 200));
    EXPECT_EQ(WindowOnScreen(XId()), (TPoint{100, 100}));
    EXPECT_EQ(WindowSize(XId()), (TSize{300, 200}));
}

TEST_F(FrameX11Test, MaximizeButtonMaximizesAndRestores) {
    Click(Center("max"));
    ASSERT_TRUE(PumpUntil([&] { return LVX->WindowState() == wsMaximized; }));
    Settle();
    EXPECT_EQ(Form->BoundsRect(), (TRect{1, 1, 1023, 767}));
    Click(Center("max"));
    ASSERT_TRUE(PumpUntil([&] { return LVX->WindowState() == wsNormal; }));
    Settle();
    EXPECT_EQ(Form->BoundsRect(), Bounds(100, 100, 300, 200));
}

TEST_F(FrameX11Test, AnotherFormMinimizesToASlotAndRestores) {
    Click(Center("min"));
    ASSERT_TRUE(PumpUntil([&] { return LVX->WindowState() == wsMinimized; }));
    Settle();
    const int minW = LVX->GetMinWidth(), minH = LVX->GetMinHeight();
    EXPECT_EQ(Form->BoundsRect(), Bounds(0, 768 - minH, minW, minH));
    EXPECT_EQ(WindowOnScreen(XId()), (TPoint{0, 768 - minH}));
    EXPECT_EQ(WindowSize(XId()), (TSize{minW, minH}));
    EXPECT_TRUE(WindowViewable(XId())) << "a minimized form stays on the screen as its caption";

    // Its caption restores it on a double click.
    DoubleClick(Center("caption"));
    ASSERT_TRUE(PumpUntil([&] { return LVX->WindowState() == wsNormal; }));
    Settle();
    EXPECT_EQ(Form->BoundsRect(), Bounds(100, 100, 300, 200));
    EXPECT_EQ(WindowSize(XId()), (TSize{300, 200}));
    ExpectCornersCut();
}

// Without a window manager nothing would give a minimised window back: the
// main form then takes a slot like any other form and says so.
TEST_F(FrameX11Test, MainFormWithoutAWindowManagerStaysReachableWhenMinimized) {
    TForm* main = nullptr;
    Application->CreateForm(main);
    ASSERT_EQ(Application->MainForm(), main);
    main->SetBounds(200, 150, 300, 200);
    auto* lvx = new TlxLumivex(main);
    lvx->SetSkinData(SD);
    main->Show();
    Settle();
    const TRect min = lvx->Objects(lvx->GetIndex("min"))->ObjectRect;
    Click({200 + (min.Left + min.Right) / 2, 150 + (min.Top + min.Bottom) / 2});
    ASSERT_TRUE(PumpUntil([&] { return lvx->WindowState() == wsMinimized; }));
    Settle();
    const uintptr_t id = Backend().WindowOf(main->Handle());
    EXPECT_FALSE(IsIconic(main->Handle()));
    EXPECT_TRUE(WindowViewable(id));
    const int minH = lvx->GetMinHeight();
    EXPECT_EQ(main->BoundsRect(), Bounds(0, 768 - minH, lvx->GetMinWidth(), minH));

    // The other form's slot is the next one along.
    LVX->SetWindowState(wsMinimized);
    Pump();
    EXPECT_EQ(Form->BoundsRect(), Bounds(lvx->GetMinWidth(), 768 - minH, lvx->GetMinWidth(), minH));

    const TRect caption = lvx->Objects(lvx->GetIndex("caption"))->ObjectRect;
    DoubleClick({caption.Left + 30, 768 - minH + (caption.Top + caption.Bottom) / 2});
    ASSERT_TRUE(PumpUntil([&] { return lvx->WindowState() == wsNormal; }));
    Settle();
    EXPECT_EQ(main->BoundsRect(), Bounds(200, 150, 300, 200));
    EXPECT_TRUE(WindowViewable(id));
    main->Free();
}

TEST_F(FrameX11Test, CloseRequestRunsTheFormsCloseLogic) {
    int queries = 0;
    bool allow = false;
    Form->OnCloseQuery = [&](TObject*, bool& CanClose) {
        ++queries;
        CanClose = allow;
    };
    const unsigned long errors = WindowSystemXErrors();
    const uintptr_t id = XId();
    auto request = [&] { SendCloseRequest(Other(), id); };
    request();
    ASSERT_TRUE(PumpUntil([&] { return queries == 1; }));
    Pump();
    EXPECT_TRUE(Form->Visible()) << "the form refused";
    EXPECT_TRUE(WindowViewable(XId()));

    allow = true;
    request();
    ASSERT_TRUE(PumpUntil([&] { return queries == 2; }));
    Pump();
    EXPECT_FALSE(Form->Visible());
    Pump();
    EXPECT_EQ(WindowSystemXErrors(), errors);
}

} // namespace
