#include "skin/controls/TlxSkinCustomEdit.h"

#include "platform/gdi/TCanvas.h"
#include "platform/vcl/TImageList.h"
#include "skin/engine/DataSkinControls.h"
#include "skin/engine/DataSkinListControls.h"
#include "tests/support/pictures/GoldenPicture.h"
#include "tests/support/skin/TSkinControlTest.h"

#include <string>
#include <vector>

namespace {

constexpr uint32_t Normal = 0x608060;  // the normal frame
constexpr uint32_t Active = 0x2040C0;  // the frame while hot or focused
constexpr uint32_t Client = 0xF0F0D0;  // the client texture
constexpr uint32_t Pressed = 0xC02020; // the pressed push button
constexpr TColor SkinFontColor = 0x000080, SkinActiveFontColor = 0x008000, SkinDisabledFontColor = 0x808000;

// A 40 x 22 edit frame at (0, 0) and its hot twin at (0, 22); the right end
// (from x 20) holds the push button (22, 3, 38, 19), pressed at (40, 3).
// "buttonedit" has the button; "editbutton" is the growing button of the
// free-size look.
void AddEditSkin(TTestSkin& Skin) {
    TBitmap p(60, 44);
    FillPixels(p, {0, 0, 60, 44}, 0);
    FillPixels(p, {0, 0, 40, 22}, Normal);
    FillPixels(p, {0, 22, 40, 44}, Active);
    FillPixels(p, {3, 3, 20, 19}, Client);
    FillPixels(p, {3, 25, 20, 41}, Client);
    FillPixels(p, {40, 3, 56, 19}, Pressed);
    const int picture = Skin.AddPicture(p);
    for (const char* name : {"edit", "buttonedit"}) {
        auto& d = Skin.Add<TlxDataSkinEditControl>(name);
        d.PictureIndex = picture;
        d.MaskPictureIndex = -1;
        d.SkinRect = {0, 0, 40, 22};
        d.ActiveSkinRect = {0, 22, 40, 44};
        d.LTPoint = {3, 0};
        d.RTPoint = {20, 0};
        d.LBPoint = {3, 22};
        d.RBPoint = {20, 22};
        d.ClRect = {3, 3, 20, 19};
        d.FontName = "Arial";
        d.FontHeight = 13;
        d.FontColor = SkinFontColor;
        d.ActiveFontColor = SkinActiveFontColor;
        d.DisabledFontColor = SkinDisabledFontColor;
        if (std::string(name) == "buttonedit") {
            d.ButtonRect = {22, 3, 38, 19};
            d.DownButtonRect = {40, 3, 56, 19};
        }
    }
    auto& b = Skin.Add<TlxDataSkinButtonControl>("editbutton");
    b.PictureIndex = picture;
    b.MaskPictureIndex = -1;
    b.SkinRect = {40, 3, 56, 19};
    b.ClRect = {2, 2, 14, 14};
    b.LTPoint = {2, 2};
    b.RTPoint = {14, 2};
    b.LBPoint = {2, 14};
    b.RBPoint = {14, 14};
}

class TlxSkinCustomEditTest : public TSkinControlTest {
protected:
    void SetUp() override {
        TSkinControlTest::SetUp();
        AddEditSkin(Skin);
        Skin.LoadInto(SD);
    }
    TlxSkinEdit* Edit(bool Skinned, bool ButtonMode = false, int W = 120, int H = 20) {
        auto* e = new TlxSkinEdit(Form);
        e->SetParent(Form);
        e->SetButtonMode(ButtonMode);
        e->SetSkinDataName(ButtonMode ? "buttonedit" : "edit");
        e->SetBounds(10, 20, W, H);
        if (Skinned) e->SetSkinData(SD);
        e->SetText("Text");
        e->OnButtonClick = [this](TObject*) { Events.push_back("button"); };
        e->OnLeftButtonClick = [this](TObject*) { Events.push_back("left"); };
        e->OnRightButtonClick = [this](TObject*) { Events.push_back("right"); };
        Session.Pump();
        return e;
    }
    // The edit's window point (X, Y) on the screen.
    TPoint WindowPoint(TlxSkinEdit* E, int X, int Y) {
        return E->Parent()->ClientToScreen({E->Left() + X, E->Top() + Y});
    }
    int HitAt(TlxSkinEdit* E, int X, int Y) {
        return static_cast<int>(E->Perform(WM_NCHITTEST, 0, PointToLParam(WindowPoint(E, X, Y))));
    }

    TTestSkin Skin;
    std::vector<std::string> Events;
};

} // namespace

TEST_F(TlxSkinCustomEditTest, FrameAndTextAreaFollowTheLookAndTheSize) {
    struct Case {
        const char* Name;
        bool Skinned, ButtonMode, UseSkinFont;
        int Height;     // as shown after asking for 20
        TRect EditRect; // window coordinates
        TRect ButtonRect;
    } cases[] = {
        {"built-in", false, false, true, 20, {2, 2, 118, 18}, {}},
        {"built-in with the button: a square at the right",
         false,
         true,
         true,
         20,
         {2, 2, 98, 18},
         {100, 0, 120, 20}},
        {"skinned: the skin's height, the text area grown", true, false, true, 22, {3, 3, 100, 19}, {}},
        {"skinned with the button: it keeps to the right end",
         true,
         true,
         true,
         22,
         {3, 3, 100, 19},
         {102, 3, 118, 19}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        auto* e = Edit(c.Skinned, c.ButtonMode);
        EXPECT_EQ(e->Height(), c.Height);
        EXPECT_EQ(e->EditRect(), c.EditRect);
        if (c.ButtonMode) EXPECT_EQ(e->ButtonRect(), c.ButtonRect);
        // The client area is the text area.
        const TPoint origin = e->ClientToScreen({0, 0});
        EXPECT_EQ(origin, WindowPoint(e, c.EditRect.Left, c.EditRect.Top));
        EXPECT_EQ(e->ClientWidth(), c.EditRect.Width());
        e->Free();
    }
}

TEST_F(TlxSkinCustomEditTest, HeightFollowsTheFontWithoutTheSkinFont) {
    auto* e = Edit(true);
    e->SetHeight(40);
    EXPECT_EQ(e->Height(), 22);
    e->SetUseSkinFont(false);
    e->DefaultFont()->SetHeight(30);
    e->ChangeSkinData();
    const int big = e->Height();
    EXPECT_GT(big, 30);
    e->DefaultFont()->SetHeight(12);
    e->ChangeSkinData();
    EXPECT_LT(e->Height(), big);
    EXPECT_EQ(e->ClientHeight(), e->Height() - 6);
}

TEST_F(TlxSkinCustomEditTest, PushAndImageButtonsAnswerTheirHitCodesAndClickOnRelease) {
    TCustomImageList images(nullptr);
    images.SetWidth(8);
    images.SetHeight(8);
    TBitmap glyph(8, 8);
    FillPixels(glyph, {0, 0, 8, 8}, 0xFF00FF);
    images.Add(&glyph, nullptr);
    images.Add(&glyph, nullptr);

    auto* e = Edit(false, true);
    e->SetImages(&images);
    e->SetLeftImageIndex(0);
    e->SetRightImageIndex(1);
    Session.Pump();
    // The text area less both images and their gaps.
    TRect text;
    e->Perform(EM_GETRECT, 0, reinterpret_cast<LPARAM>(&text));
    EXPECT_EQ(text, (TRect{10, 0, 86, 16}));

    EXPECT_EQ(HitAt(e, 110, 10), HTHSCROLL);
    EXPECT_EQ(HitAt(e, 1, 10), HTVSCROLL);
    EXPECT_EQ(HitAt(e, 4, 10), TlxSkinCustomEdit::HTLEFTIMAGE);
    EXPECT_EQ(HitAt(e, 95, 10), TlxSkinCustomEdit::HTRIGHTIMAGE);
    EXPECT_EQ(HitAt(e, 50, 10), HTCLIENT);

    // The push button: pressed and hot while held, a click on the release
    // over it, and the edit takes the focus.
    Session.MouseMove(WindowPoint(e, 110, 10));
    Session.MouseDown(WindowPoint(e, 110, 10));
    Session.Pump();
    EXPECT_TRUE(e->ButtonDown() && e->ButtonActive());
    Session.MouseUp(WindowPoint(e, 110, 10));
    Session.Pump();
    EXPECT_FALSE(e->ButtonDown());
    EXPECT_TRUE(e->Focused());
    // Released away from it: no click.
    Session.MouseDown(WindowPoint(e, 110, 10));
    Session.MouseMove(WindowPoint(e, 50, 10));
    Session.MouseUp(WindowPoint(e, 50, 10));
    // The image buttons.
    Session.Click(WindowPoint(e, 4, 10));
    Session.Click(WindowPoint(e, 95, 10));
    Session.Pump();
    EXPECT_EQ(Events, (std::vector<std::string>{"button", "left", "right"}));
    e->Free();
}

TEST_F(TlxSkinCustomEditTest, HoverAndFocusTakeTheActiveFontColour) {
    auto* e = Edit(true);
    auto* other = Edit(false);
    other->SetTop(100);
    EXPECT_EQ(e->Font()->Color(), SkinFontColor);
    Session.MouseMove(WindowPoint(e, 50, 10));
    Session.Pump();
    EXPECT_TRUE(e->MouseIn());
    EXPECT_EQ(e->Font()->Color(), SkinActiveFontColor);
    Session.MouseMove({390, 290});
    Session.Pump();
    EXPECT_EQ(e->Font()->Color(), SkinFontColor);
    e->SetFocus();
    Session.Pump();
    EXPECT_EQ(e->Font()->Color(), SkinActiveFontColor);
    // Leaving the hovered, focused edit keeps the focus colour.
    Session.MouseMove(WindowPoint(e, 50, 10));
    Session.MouseMove({390, 290});
    Session.Pump();
    EXPECT_EQ(e->Font()->Color(), SkinActiveFontColor);
    other->SetFocus();
    Session.Pump();
    EXPECT_EQ(e->Font()->Color(), SkinFontColor);

    // A skin change takes the skin's font; without a skin the default font returns.
    EXPECT_EQ(e->Font()->Height(), 13);
    SD->ClearAll();
    e->ChangeSkinData();
    EXPECT_EQ(e->SkinIndex(), -1);
    EXPECT_EQ(e->Font()->Height(), 14);
    EXPECT_EQ(e->Font()->Color(), clBlack);
}

TEST_F(TlxSkinCustomEditTest, LooksAsGoldens) {
    struct Case {
        const char* Name;
        bool Skinned, ButtonMode, UseSkinFont, Hot, Pressed, Enabled;
    } cases[] = {
        {"builtin", false, false, true, false, false, true},
        {"builtin-button-pressed", false, true, true, true, true, true},
        {"skinned-threepart", true, false, true, false, false, true},
        {"skinned-threepart-button-pressed", true, true, true, true, true, true},
        {"skinned-disabled", true, false, true, false, false, false},
        {"skinned-ninepart-button", true, true, false, true, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        auto* e = Edit(c.Skinned, c.ButtonMode);
        if (!c.UseSkinFont) {
            // The frame grows on both axes to a taller font.
            e->SetUseSkinFont(false);
            e->DefaultFont()->SetHeight(24);
            e->ChangeSkinData();
        }
        e->SetEnabled(c.Enabled);
        const TPoint button = WindowPoint(e, e->ButtonRect().Left + 5, e->ButtonRect().Top + 5);
        if (c.Hot) Session.MouseMove(button);
        if (c.Pressed) Session.MouseDown(button);
        Session.Pump();
        EXPECT_TRUE(MatchesGolden(Shot(e), std::string("skin/controls/TlxSkinEdit/") + c.Name, 40));
        if (c.Pressed) Session.MouseUp(button);
        Session.MouseMove({390, 290});
        Session.Pump();
        e->Free();
    }
}

TEST_F(TlxSkinCustomEditTest, PaintSkinToDrawsTheGivenText) {
    auto* e = Edit(true);
    TBitmap target(140, 30);
    FillPixels(target, {0, 0, 140, 30}, 0xFFFFFF);
    e->PaintSkinTo(target.Canvas(), 5, 4, "Other");
    EXPECT_EQ(target.ScanLine(4)[5] & 0xFFFFFF, Normal);
    EXPECT_EQ(target.ScanLine(4 + 5)[5 + 50] & 0xFFFFFF, Client);
    bool ink = false;
    for (int y = 4 + 3; y < 4 + 19; ++y)
        for (int x = 5 + 3; x < 5 + 40; ++x)
            if ((target.ScanLine(y)[x] & 0xFFFFFF) != Client) ink = true;
    EXPECT_TRUE(ink);
    EXPECT_EQ(e->Text(), "Text");
}
