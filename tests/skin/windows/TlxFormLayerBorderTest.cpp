#include "FrameTest.h"
#include "LayeredSkin.h"

#include "skin/engine/TlxBitmap.h"
#include "skin/windows/TlxFormLayerBorder.h"
#include "skin/windows/TlxFormLayerWindow.h"
#include "skin/windows/TlxTrayIcon.h"

#include <functional>
#include <vector>

namespace {

// Column and row of the picture a strip pixel came from.
TPoint Origin(TlxBitmap* B, int X, int Y) {
    const TlxColor c = B->Bits()[size_t(Y) * B->Width() + X];
    return {int((c >> 16) & 0xFF), int((c >> 8) & 0xFF)};
}

class TlxFormLayerBorderTest : public TFrameTest {
protected:
    TlxFormLayerBorder* Border() const { return LVX->FBorderLayer; }
    std::vector<TlxFormLayerWindow*> Windows() const {
        std::vector<TlxFormLayerWindow*> out;
        for (TlxFormLayerWindow* w :
             {Border()->TopBorder, Border()->BottomBorder, Border()->LeftBorder, Border()->RightBorder})
            if (w) out.push_back(w);
        return out;
    }
    static TRect ScreenRect(TlxFormLayerWindow* W) {
        TRect r;
        GetWindowRect(W->Handle(), r);
        return r;
    }
    static int WindowAlpha(TlxFormLayerWindow* W) {
        Byte a = 0;
        GetLayeredWindowAttributes(W->Handle(), nullptr, &a, nullptr);
        return a;
    }
    // Drags with the left button from one screen point to another and
    // returns the form's bounds at each step.
    void DragBorder(TPoint From, const std::vector<TPoint>& Path, std::vector<TRect>* Seen = nullptr) {
        Session.MouseMove(From);
        Session.MouseDown(From);
        Session.Pump();
        for (TPoint p : Path) {
            Session.MouseMove(p);
            Session.Pump();
            if (Seen) Seen->push_back(Form->BoundsRect());
        }
        Session.MouseUp(Path.empty() ? From : Path.back());
        Session.Pump();
    }
};

TEST_F(TlxFormLayerBorderTest, FourStripsAroundTheFormCutFromThePicture) {
    TLayeredSkin skin;
    Load(skin);
    ASSERT_TRUE(Border()->Visible());
    ASSERT_EQ(Windows().size(), 4u);
    // The form is 160 x 90 at (50, 40): the picture's ClRect lies on it.
    EXPECT_EQ(ScreenRect(Border()->TopBorder), Rect(42, 34, 218, 40));
    EXPECT_EQ(ScreenRect(Border()->BottomBorder), Rect(42, 130, 218, 136));
    EXPECT_EQ(ScreenRect(Border()->LeftBorder), Rect(42, 40, 50, 130));
    EXPECT_EQ(ScreenRect(Border()->RightBorder), Rect(210, 40, 218, 130));

    TlxBitmap* top = Border()->TopImage();
    EXPECT_EQ(Origin(top, 0, 0), (TPoint{0, 0}));
    EXPECT_EQ(Origin(top, 11, 5), (TPoint{11, 5})) << "the left corner is copied";
    EXPECT_EQ(Origin(top, 175, 2), (TPoint{39, 2})) << "the right corner ends at the right edge";
    EXPECT_EQ(Origin(top, 12 + 71, 0), (TPoint{19, 0})) << "the middle is stretched";
    TlxBitmap* bottom = Border()->BottomImage();
    EXPECT_EQ(Origin(bottom, 0, 0), (TPoint{0, 24}));
    EXPECT_EQ(Origin(bottom, 175, 5), (TPoint{39, 29}));
    // Sides repeat the 18 middle rows unscaled, the last copy cut.
    TlxBitmap* left = Border()->LeftImage();
    TlxBitmap* right = Border()->RightImage();
    for (int y : {0, 17, 18, 89})
        EXPECT_EQ(Origin(left, 7, y), (TPoint{7, 6 + y % 18})) << y;
    EXPECT_EQ(Origin(right, 0, 20), (TPoint{32, 8}));
    EXPECT_EQ(left->Bits()[0] >> 24, 128u) << "alpha from the mask";
    for (TlxFormLayerWindow* w : Windows())
        EXPECT_EQ(WindowAlpha(w), 200) << "the active constant alpha";
}

TEST_F(TlxFormLayerBorderTest, AClientRectOfTheWholePictureGivesOnlyTopAndBottom) {
    TLayeredSkin skin({0, 0, 40, 30});
    Load(skin);
    ASSERT_TRUE(Border()->Visible());
    EXPECT_FALSE(Border()->LeftBorder);
    EXPECT_FALSE(Border()->RightBorder);
    ASSERT_TRUE(Border()->TopBorder && Border()->BottomBorder);
    EXPECT_EQ(ScreenRect(Border()->TopBorder), Rect(50, 40, 210, 46)) << "as high as the corner points";
    EXPECT_EQ(ScreenRect(Border()->BottomBorder), Rect(50, 124, 210, 130));
}

TEST_F(TlxFormLayerBorderTest, AnOuterHeightOfTopAndBottomAloneHasNoSideWindows) {
    TLayeredSkin skin;
    Load(skin);
    ASSERT_EQ(Windows().size(), 4u);
    // Reshaped to an outer height of the two strips: the side windows go.
    Border()->SetBounds(0, 0, 100, 12);
    EXPECT_FALSE(Border()->LeftBorder);
    EXPECT_FALSE(Border()->RightBorder);
    EXPECT_TRUE(Border()->LeftImage()->Empty());
    EXPECT_EQ(ScreenRect(Border()->BottomBorder), Rect(0, 6, 100, 12));
    // Tall enough again: they come back.
    Border()->SetBounds(0, 0, 100, 13);
    ASSERT_TRUE(Border()->LeftBorder);
    EXPECT_EQ(ScreenRect(Border()->LeftBorder), Rect(0, 6, 8, 7));
}

TEST_F(TlxFormLayerBorderTest, CheckFormAlphaScalesBothAlphas) {
    TLayeredSkin skin;
    Load(skin);
    Border()->CheckFormAlpha(128, true);
    EXPECT_EQ(Border()->CurrentAlphaBlendValue(), 100);
    EXPECT_EQ(Border()->CurrentInActiveAlphaBlendValue(), 50);
    for (TlxFormLayerWindow* w : Windows())
        EXPECT_EQ(WindowAlpha(w), 100);
    Border()->CheckFormAlpha(0, false);
    EXPECT_EQ(WindowAlpha(Border()->TopBorder), 100) << "not applied without update";
    Border()->CheckFormAlpha(255, true);
    EXPECT_EQ(WindowAlpha(Border()->TopBorder), 200);

    // Inactive: the inactive constant alpha; the inactive picture from the
    // next cut.
    Border()->SetActive(false, true);
    EXPECT_EQ(WindowAlpha(Border()->TopBorder), 100);
    Resize(170, 90);
    EXPECT_EQ(Border()->TopImage()->Bits()[0] & 0xFF, 1u);
}

TEST_F(TlxFormLayerBorderTest, TheBorderFollowsTheFormAndFadesWithIt) {
    TLayeredSkin skin;
    Load(skin);
    TlxBitmap* top = Border()->TopImage();
    Form->SetBounds(80, 60, 160, 90);
    Session.Pump();
    EXPECT_EQ(ScreenRect(Border()->LeftBorder), Rect(72, 60, 80, 150));
    EXPECT_EQ(Border()->TopImage(), top) << "a move keeps the strips";
    Resize(200, 100);
    EXPECT_EQ(ScreenRect(Border()->RightBorder), Rect(280, 60, 288, 160));
    EXPECT_EQ(Border()->TopImage()->Width(), 216);

    Form->Hide();
    Session.Pump();
    EXPECT_TRUE(Windows().empty());
    LVX->SetAlphaBlendAnimation(true);
    Form->Show();
    Session.Pump();
    ASSERT_EQ(Windows().size(), 4u);
    EXPECT_EQ(WindowAlpha(Border()->TopBorder), 0) << "the border fades in with the form";
    Session.Advance(200);
    EXPECT_EQ(WindowAlpha(Border()->TopBorder), 200);

    // A smart show effect keeps the border away until it shows, then fades it in.
    LVX->SetAlphaBlendAnimation(false);
    SendMessage(Form->Handle(), 45491); // CM_SMARTEFFECTSPREPARE
    EXPECT_TRUE(Windows().empty());
    SendMessage(Form->Handle(), 45492); // CM_SMARTEFFECTSSHOW
    ASSERT_EQ(Windows().size(), 4u);
    EXPECT_EQ(WindowAlpha(Border()->TopBorder), 0);
    Session.Advance(6);
    EXPECT_EQ(WindowAlpha(Border()->TopBorder), 13) << "steps of a fifteenth";
    Session.Advance(200);
    EXPECT_EQ(WindowAlpha(Border()->TopBorder), 200);
}

TEST_F(TlxFormLayerBorderTest, TheStripsStayJustAboveTheirForm) {
    TLayeredSkin skin;
    Load(skin);
    auto* other = new TForm(nullptr);
    other->SetBounds(100, 60, 100, 100);
    other->Show();
    Session.Pump();
    auto below = [](HWND h) { return GetWindow(h, GW_HWNDNEXT); };
    // Another window raised: above the whole group.
    EXPECT_EQ(below(other->Handle()), Border()->TopBorder->Handle());
    Form->BringToFront();
    Session.Pump();
    std::vector<HWND> order{GetWindow(Form->Handle(), GW_HWNDFIRST)};
    for (int i = 0; i < 5; ++i)
        order.push_back(below(order.back()));
    EXPECT_EQ(order, (std::vector<HWND>{Border()->TopBorder->Handle(), Border()->BottomBorder->Handle(),
                                        Border()->LeftBorder->Handle(), Border()->RightBorder->Handle(),
                                        Form->Handle(), other->Handle()}));
    other->Free();
    Session.Pump();
}

// A drag is measured from the press: the dragged edge stays under the
// pointer as far as the limits allow and the opposite edge never moves.
TEST_F(TlxFormLayerBorderTest, ABorderDragKeepsTheEdgeUnderThePointerWithinTheLimits) {
    TLayeredSkin skin;
    Load(skin);
    LVX->SetMaxWidth(200);
    ASSERT_EQ(LVX->GetMinWidth(), 100);
    // Left handle, 2 pixels left of the form's left edge (50).
    Session.MouseMove({48, 80});
    Session.Pump();
    EXPECT_EQ(Border()->LeftBorder->Cursor(), crSizeWE);
    std::vector<TRect> seen;
    DragBorder({48, 80}, {{28, 80}, {-60, 80}, {40, 80}, {110, 80}}, &seen);
    EXPECT_EQ(seen, (std::vector<TRect>{Rect(30, 40, 210, 130), Rect(10, 40, 210, 130),
                                        Rect(42, 40, 210, 130), Rect(110, 40, 210, 130)}));
    // Bottom-right corner handle: both edges follow.
    seen.clear();
    DragBorder({211, 131}, {{231, 151}, {400, 161}}, &seen);
    EXPECT_EQ(seen, (std::vector<TRect>{Rect(110, 40, 230, 150), Rect(110, 40, 310, 160)}));
    EXPECT_FALSE(LVX->FBorderLayerChangeSize);
    // Each border window followed.
    EXPECT_EQ(ScreenRect(Border()->RightBorder).Right, 310 + 8);
}

TEST_F(TlxFormLayerBorderTest, APressOnAHandleActivatesTheFormNeverTheBorder) {
    TLayeredSkin skin;
    Load(skin);
    auto* other = new TForm(nullptr);
    other->SetBounds(400, 300, 100, 100);
    other->Show();
    Session.Pump();
    ASSERT_EQ(GetActiveWindow(), other->Handle());
    EXPECT_EQ(Border()->TopBorder->Cursor(), crDefault);
    Session.Click({120, 38}); // the top handle, 2 rows above the form
    Session.Pump();
    EXPECT_EQ(GetActiveWindow(), Form->Handle());
    EXPECT_EQ(WindowAlpha(Border()->TopBorder), 200) << "the border shows the active form";
    other->Free();
    Session.Pump();
}

TEST_F(TlxFormLayerBorderTest, NoResizeThroughTheBorderWhenTheFormMayNotResize) {
    struct Case {
        const char* Name;
        std::function<void()> Set;
    };
    const Case cases[] = {
        {"rolled up", [this] { LVX->SetRollUpState(true); }},
        {"fixed border", [this] { Form->SetBorderStyle(bsSingle); }},
        {"no hit test", [this] { SD->LayerFrame->HitTestEnable = false; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        TLayeredSkin skin;
        Load(skin);
        c.Set();
        Session.Pump();
        const TRect before = Form->BoundsRect();
        ASSERT_TRUE(Border()->RightBorder);
        const TRect r = ScreenRect(Border()->RightBorder);
        DragBorder({r.Left + 1, r.Top + 10}, {{r.Left + 40, r.Top + 10}});
        EXPECT_EQ(Form->BoundsRect(), before);
        LVX->SetRollUpState(false);
        Form->SetBorderStyle(bsSizeable);
        Session.Pump();
    }
}

TEST_F(TlxFormLayerBorderTest, HitModesOfTheFourStrips) {
    const TRect form{100, 100, 300, 200}, sizes{4, 3, 4, 3};
    struct Case {
        TlxFormLayerBorderType Type;
        TPoint At;
        TlxFormLayerBorderHit Want;
    };
    const Case cases[] = {
        {lxflLeft, {96, 150}, lxflhLeft},      {lxflLeft, {95, 150}, lxflhNone},
        {lxflRight, {304, 150}, lxflhRight},   {lxflRight, {305, 150}, lxflhNone},
        {lxflTop, {97, 98}, lxflhTopLeft},     {lxflTop, {150, 97}, lxflhTop},
        {lxflTop, {150, 96}, lxflhNone},       {lxflTop, {302, 99}, lxflhTopRight},
        {lxflTop, {98, 101}, lxflhTopLeft},    {lxflBottom, {99, 201}, lxflhBottomLeft},
        {lxflBottom, {150, 202}, lxflhBottom}, {lxflBottom, {303, 199}, lxflhBottomRight},
        {lxflBottom, {150, 203}, lxflhNone},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LayerBorderHitMode(c.Type, c.At, form, sizes), c.Want) << c.At.X << "," << c.At.Y;
}

TEST_F(TlxFormLayerBorderTest, HiddenToTheTrayAndBackWithTheForm) {
    TLayeredSkin skin;
    Load(skin);
    auto* tray = new TlxTrayIcon(Form);
    LVX->SetTrayIcon(tray);
    LVX->MinimizeToTray();
    Session.Pump();
    ASSERT_FALSE(Form->Visible());
    EXPECT_TRUE(Windows().empty());
    LVX->RestoreFromTray();
    Session.Pump();
    ASSERT_TRUE(Form->Visible());
    EXPECT_EQ(Windows().size(), 4u);
    EXPECT_EQ(ScreenRect(Border()->LeftBorder), Rect(42, 40, 50, 130));
}

TEST_F(TlxFormLayerBorderTest, TheBorderComesAndGoesWithTheDisplaysCompositing) {
    TLayeredSkin skin;
    Load(skin);
    ASSERT_EQ(Windows().size(), 4u);
    Session.Backend().SetLayeredCapability(false);
    Session.Pump();
    EXPECT_FALSE(Border()->Visible());
    EXPECT_TRUE(Windows().empty());
    Session.Backend().SetLayeredCapability(true);
    Session.Pump();
    EXPECT_EQ(Windows().size(), 4u);
}

TEST_F(TlxFormLayerBorderTest, NoBorderWindowsWhereItIsNotInUse) {
    struct Case {
        const char* Name;
        std::function<void()> Set;
    };
    const Case cases[] = {
        {"no compositor", [this] { Session.Backend().SetLayeredCapability(false); }},
        {"always disabled", [this] { LVX->AlwaysDisableLayeredFrames = true; }},
        {"skin shows none", [this] { SD->SetShowLayeredBorders(false); }},
        {"no border", [this] { Form->SetBorderStyle(bsNone); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        TLayeredSkin skin;
        c.Set();
        Load(skin);
        EXPECT_FALSE(Border()->Visible());
        EXPECT_TRUE(Windows().empty());
        EXPECT_EQ(Form->BoundsRect(), Rect(50, 40, 210, 130)) << "the frame as without a layered border";
        Session.Backend().SetLayeredCapability(true);
        LVX->AlwaysDisableLayeredFrames = false;
        SD->SetShowLayeredBorders(true);
        Form->SetBorderStyle(bsSizeable);
        Session.Pump();
    }
    // Turned back on in the skin: the border appears.
    Session.Pump();
    EXPECT_EQ(Windows().size(), 4u);
}

} // namespace
