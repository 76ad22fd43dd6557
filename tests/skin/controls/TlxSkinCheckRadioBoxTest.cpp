#include "skin/controls/TlxSkinCheckRadioBox.h"

#include "platform/vcl/TCustomEdit.h"
#include "skin/controls/SkinControlDrawing.h"
#include "skin/engine/DataSkinControls.h"
#include "tests/support/pictures/GoldenPicture.h"
#include "tests/support/skin/TSkinControlTest.h"

#include <functional>

namespace {

void Fill(TBitmap& B, const TRect& R, uint32_t Rgb) {
    for (int y = R.Top; y < R.Bottom; ++y)
        for (int x = R.Left; x < R.Right; ++x)
            B.ScanLine(y)[x] = 0xFF000000 | Rgb;
}

uint32_t Rgb(const TBitmap& B, int X, int Y) {
    return B.ScanLine(Y)[X] & 0xFFFFFF;
}

// Check images of 12 x 12 with a one-pixel magenta rim (the transparent key)
// in a row: unchecked, checked, hot unchecked, hot checked, disabled
// unchecked, disabled checked; below them a framed background of 60 x 20
// (normal at y 12, active at y 32).
constexpr uint32_t Unchecked = 0xFFFFFF, CheckedRgb = 0x000000, HotUnchecked = 0xC0E0FF,
                   HotChecked = 0x0000C0, DisabledUnchecked = 0xE0E0E0, DisabledChecked = 0x808080,
                   FramedNormal = 0xD0D0A0, FramedActive = 0xA0D0D0;

TBitmap CheckPicture() {
    TBitmap b(72, 52);
    b.Fill(0xFFFF00FF);
    const uint32_t fills[] = {Unchecked,  CheckedRgb,        HotUnchecked,
                              HotChecked, DisabledUnchecked, DisabledChecked};
    for (int i = 0; i < 6; ++i)
        Fill(b, {i * 12 + 1, 1, i * 12 + 11, 11}, fills[i]);
    Fill(b, {0, 12, 60, 32}, FramedNormal);
    Fill(b, {0, 32, 60, 52}, FramedActive);
    return b;
}

class TlxSkinCheckRadioBoxTest : public TSkinControlTest {
protected:
    void LoadSkin(const std::function<void(TlxDataSkinCheckRadioControl&)>& Change = {}) {
        TTestSkin skin;
        const int picture = skin.AddPicture(CheckPicture());
        for (const char* name : {"checkbox", "radiobox"}) {
            auto& d = skin.Add<TlxDataSkinCheckRadioControl>(name);
            d.PictureIndex = picture;
            d.MaskPictureIndex = -1;
            d.SkinRect = {0, 12, 60, 32};
            d.LTPoint = {2, 2};
            d.RTPoint = {58, 2};
            d.LBPoint = {2, 18};
            d.RBPoint = {58, 18};
            d.ClRect = {2, 2, 58, 18};
            d.ActiveSkinRect = {0, 32, 60, 52};
            d.CheckImageArea = {2, 2, 18, 18};
            d.TextArea = {20, 2, 58, 18};
            d.UnCheckImageRect = {0, 0, 12, 12};
            d.CheckImageRect = {12, 0, 24, 12};
            d.ActiveUnCheckImageRect = {24, 0, 36, 12};
            d.ActiveCheckImageRect = {36, 0, 48, 12};
            d.UnEnabledUnCheckImageRect = {48, 0, 60, 12};
            d.UnEnabledCheckImageRect = {60, 0, 72, 12};
            d.FontColor = d.FrameFontColor = clBlack;
            d.ActiveFontColor = clNavy;
            d.UnEnabledFontColor = clGray;
            if (Change) Change(d);
        }
        skin.LoadInto(SD);
    }
    TlxSkinCheckRadioBox* Box(bool Skinned, int X = 10, int Y = 10, TWinControl* Parent = nullptr) {
        auto* b = Make<TlxSkinCheckRadioBox>(X, Y, 100, 20, Parent);
        if (Skinned) b->SetSkinData(SD);
        b->OnClick = [this, b](TObject*) {
            Events.push_back((b->Name().empty() ? "box" : b->Name()) + " " + std::to_string(b->State()));
        };
        Session.Pump();
        return b;
    }
    void ClickOn(TControl* C) {
        Session.MouseMove(At(C, 5, 10));
        Session.Click(At(C, 5, 10));
        Session.Pump();
    }

    std::vector<std::string> Events;
};

} // namespace

TEST_F(TlxSkinCheckRadioBoxTest, ANewBoxIsAnUncheckedFlatCheckBox) {
    auto* b = new TlxSkinCheckRadioBox(Form);
    EXPECT_EQ(b->Width(), 150);
    EXPECT_EQ(b->Height(), 25);
    EXPECT_EQ(b->SkinDataName(), "checkbox");
    EXPECT_TRUE(b->Flat());
    EXPECT_TRUE(b->CanFocused());
    EXPECT_FALSE(b->TabStop());
    EXPECT_EQ(b->State(), cbUnchecked);
    // Radio set from code at run time keeps the description and the group.
    b->SetRadio(true);
    EXPECT_EQ(b->SkinDataName(), "checkbox");
    EXPECT_EQ(b->GroupIndex(), 0);
}

TEST_F(TlxSkinCheckRadioBoxTest, AnAllowGrayedBoxCyclesThroughTheGrayedState) {
    auto* b = Box(false);
    b->SetAllowGrayed(true);
    for (TCheckBoxState expected : {cbGrayed, cbChecked, cbUnchecked, cbGrayed}) {
        ClickOn(b);
        EXPECT_EQ(b->State(), expected);
        EXPECT_EQ(b->Checked(), expected == cbChecked);
    }
    EXPECT_EQ(Events, (std::vector<std::string>{"box 2", "box 1", "box 0", "box 2"}));
    // Unchecking a grayed box from code leaves it grayed.
    b->SetChecked(false);
    EXPECT_EQ(b->State(), cbGrayed);
}

TEST_F(TlxSkinCheckRadioBoxTest, CheckingARadioButtonUnchecksItsGroupOnTheSameParent) {
    auto* panel = Make<TCustomControl>(10, 200, 200, 40);
    TlxSkinCheckRadioBox* r[2];
    for (int i = 0; i < 2; ++i) {
        r[i] = Box(false, 10, 10 + i * 25);
        r[i]->SetName("r" + std::to_string(i));
        r[i]->SetRadio(true);
        r[i]->SetGroupIndex(1);
    }
    auto* check = Box(false, 10, 60);
    check->SetName("check");
    check->SetGroupIndex(1);
    auto* away = Box(false, 10, 5, panel);
    away->SetName("away");
    away->SetRadio(true);
    away->SetGroupIndex(1);
    away->SetChecked(true);
    check->SetChecked(true);
    Events.clear();

    ClickOn(r[0]);
    EXPECT_TRUE(r[0]->Checked());
    EXPECT_FALSE(check->Checked());
    EXPECT_TRUE(away->Checked());
    // The check box tells of its unchecking; only the checked radio button tells.
    EXPECT_EQ(Events, (std::vector<std::string>{"check 0", "r0 1"}));

    Events.clear();
    ClickOn(r[1]);
    EXPECT_FALSE(r[0]->Checked());
    EXPECT_EQ(Events, (std::vector<std::string>{"r1 1"}));
    // Clicking a checked radio button keeps it checked and tells nothing.
    Events.clear();
    ClickOn(r[1]);
    EXPECT_TRUE(r[1]->Checked());
    EXPECT_TRUE(Events.empty());
}

TEST_F(TlxSkinCheckRadioBoxTest, SpaceAndTheAcceleratorToggle) {
    auto* b = Box(false);
    b->SetCaption("&Loop");
    b->SetFocus();
    Session.Key(VK_SPACE);
    Session.Pump();
    EXPECT_TRUE(b->Checked());
    auto* edit = Make<TEdit>(10, 100, 100, 22);
    edit->SetFocus();
    EXPECT_EQ(Form->Perform(CM_DIALOGCHAR, 'l'), 1);
    EXPECT_FALSE(b->Checked());
    EXPECT_TRUE(b->Focused());
    // Without CanFocused neither works.
    b->SetCanFocused(false);
    EXPECT_EQ(Form->Perform(CM_DIALOGCHAR, 'l'), 0);
    EXPECT_FALSE(b->Checked());
}

TEST_F(TlxSkinCheckRadioBoxTest, TheFlatSkinnedLookPicksTheCheckImageByState) {
    struct Case {
        const char* Name;
        bool Enabled, Hot;
        TCheckBoxState State;
        uint32_t Centre;
    } cases[] = {
        {"unchecked", true, false, cbUnchecked, Unchecked},
        {"checked", true, false, cbChecked, CheckedRgb},
        {"hot unchecked", true, true, cbUnchecked, HotUnchecked},
        {"hot checked", true, true, cbChecked, HotChecked},
        {"disabled unchecked", false, false, cbUnchecked, DisabledUnchecked},
        {"disabled checked", false, false, cbChecked, DisabledChecked},
        // Without a grayed image: the checked image lightened by half.
        {"grayed", true, false, cbGrayed, 0x808080},
    };
    LoadSkin();
    Form->SetColor(clYellow);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        auto* b = Box(true);
        b->SetState(c.State);
        b->SetEnabled(c.Enabled);
        if (c.Hot) Session.MouseMove(At(b, 60, 10));
        const TBitmap shot = Shot(b);
        EXPECT_EQ(Rgb(shot, 3 + 6, 10), c.Centre);
        EXPECT_EQ(Rgb(shot, 3, 4), ColorToPixel(clYellow) & 0xFFFFFF); // transparent rim and background
        Session.MouseMove({390, 290});
        b->Free();
    }
}

TEST_F(TlxSkinCheckRadioBoxTest, LooksAsGoldens) {
    struct Case {
        const char* Golden;
        bool Skinned, Flat;
        std::function<void(TlxSkinCheckRadioBox*)> Set;
    } cases[] = {
        {"builtin-flat-checked", false, true, [](auto* b) { b->SetChecked(true); }},
        {"builtin-flat-radio", false, true,
         [](auto* b) {
             b->SetRadio(true);
             b->SetChecked(true);
         }},
        {"builtin-flat-grayed-focused", false, true,
         [](auto* b) {
             b->SetState(cbGrayed);
             b->SetFocus();
         }},
        {"builtin-flat-disabled", false, true,
         [](auto* b) {
             b->SetChecked(true);
             b->SetEnabled(false);
         }},
        {"builtin-flat-wordwrap", false, true,
         [](auto* b) {
             b->SetBounds(10, 10, 80, 40);
             b->SetWordWrap(true);
             b->SetCaption("Loop the whole list");
         }},
        {"builtin-framed", false, false, [](auto* b) { b->SetChecked(true); }},
        {"skinned-flat-checked", true, true, [](auto* b) { b->SetChecked(true); }},
        {"skinned-framed", true, false, [](auto* b) { b->SetChecked(true); }},
        {"skinned-framed-wide-focused", true, false,
         [](auto* b) {
             b->SetBounds(10, 10, 120, 20);
             b->SetFocus();
         }},
    };
    LoadSkin();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Golden);
        auto* b = Box(c.Skinned);
        b->SetCaption("Loop");
        b->SetFlat(c.Flat);
        c.Set(b);
        EXPECT_TRUE(MatchesGolden(Shot(b), std::string("skin/controls/TlxSkinCheckRadioBox/") + c.Golden, 0));
        b->Free();
    }
}

TEST_F(TlxSkinCheckRadioBoxTest, TheFramedLookShowsTheActiveBackgroundWhileHot) {
    LoadSkin();
    auto* b = Box(true);
    b->SetFlat(false);
    b->SetCanFocused(false);
    EXPECT_EQ(b->Width(), 100); // a nine-part description grows
    EXPECT_EQ(b->Height(), 20);
    EXPECT_EQ(Rgb(Shot(b), 1, 1), FramedNormal);
    Session.MouseMove(At(b, 50, 10));
    EXPECT_EQ(Rgb(Shot(b), 1, 1), FramedActive);
    // PaintSkinTo never draws the hot state in the framed look.
    TBitmap copy(100, 20);
    b->PaintSkinTo(copy.Canvas(), 0, 0, true);
    EXPECT_EQ(Rgb(copy, 1, 1), FramedNormal);
    EXPECT_EQ(Rgb(copy, Centred(2, 16, 12) + 6, 10), CheckedRgb);
}
