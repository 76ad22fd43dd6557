#include "skin/controls/TlxSkinLinkLabel.h"

#include "RecordingShellOpener.h"
#include "skin/engine/DataSkinControls.h"
#include "tests/support/pictures/GoldenPicture.h"
#include "tests/support/skin/TSkinControlTest.h"

#include <functional>

namespace {

constexpr uint32_t FormRgb = 0xFFFFFF;

class TlxSkinLinkLabelTest : public TSkinControlTest {
protected:
    void SetUp() override {
        TSkinControlTest::SetUp();
        Form->SetColor(clWhite);
    }
    // A fixed-size label, so that shots of its variants line up.
    TlxSkinLinkLabel* Label(int Y = 10) {
        auto* l = Make<TlxSkinLinkLabel>(10, Y, 90, 40);
        l->SetAutoSize(false);
        l->SetCaption("Homepage");
        l->OnClick = [this](TObject*) { Events.push_back("click"); };
        return l;
    }
    // "stdlabel": Arial 14 bold in dark red, green under the pointer; the
    // skin's button highlight cyan and shadow dark green.
    void LoadSkin() {
        TTestSkin skin;
        auto& d = skin.Add<TlxDataSkinStdLabelControl>("stdlabel");
        d.PictureIndex = -1;
        d.FontName = "Arial";
        d.FontHeight = 14;
        d.FontStyle = {fsBold};
        d.FontColor = 0x000080;
        d.ActiveFontColor = 0x00A000;
        skin.SetColors([](TlxSkinColors& c) {
            c.SetcBtnHighLight(0x00FFFF);
            c.SetcBtnShadow(0x008000);
        });
        skin.LoadInto(SD);
    }
    void Hover(TControl* C) {
        Session.MouseMove(At(C, 3, 3));
        Session.Pump();
    }
    // The first row of the shot holding anything but the form's colour.
    static int FirstInkRow(const TBitmap& B) {
        for (int y = 0; y < B.Height(); ++y)
            for (int x = 0; x < B.Width(); ++x)
                if ((B.ScanLine(y)[x] & 0xFFFFFF) != FormRgb) return y;
        return -1;
    }
    // Pixels of exactly Rgb.
    static int Count(const TBitmap& B, uint32_t Rgb) {
        int n = 0;
        for (int y = 0; y < B.Height(); ++y)
            for (int x = 0; x < B.Width(); ++x)
                n += (B.ScanLine(y)[x] & 0xFFFFFF) == Rgb;
        return n;
    }

    std::vector<std::string> Events;
    TRecordingShellOpener Opener{Events};
};

TEST_F(TlxSkinLinkLabelTest, AClickFiresOnClickThenOpensTheAddress) {
    auto* l = Label();
    EXPECT_EQ(l->Cursor(), crHandPoint);
    EXPECT_EQ(l->SkinDataName(), "stdlabel");
    Session.Click(At(l, 5, 5));
    Session.Pump();
    EXPECT_EQ(Events, (std::vector<std::string>{"click"}));
    l->SetURL("mailto:support@example.com");
    Session.Click(At(l, 5, 5));
    Session.Pump();
    EXPECT_EQ(Events, (std::vector<std::string>{"click", "click", "open mailto:support@example.com"}));
}

TEST_F(TlxSkinLinkLabelTest, HoverTakesTheActiveColour) {
    LoadSkin();
    for (bool skinned : {false, true}) {
        SCOPED_TRACE(skinned);
        auto* l = Label();
        if (skinned) l->SetSkinData(SD);
        const uint32_t normal = skinned ? 0x800000 : 0x000000;
        const uint32_t active = skinned ? 0x00A000 : 0x0000FF;
        const TBitmap before = Shot(l);
        EXPECT_GT(Count(before, normal), 20);
        EXPECT_EQ(Count(before, active), 0);
        Hover(l);
        EXPECT_TRUE(l->MouseIn());
        const TBitmap after = Shot(l);
        EXPECT_EQ(Count(after, normal), 0);
        EXPECT_GT(Count(after, active), 20);
        Session.MouseMove({390, 290});
        Session.Pump();
        EXPECT_FALSE(l->MouseIn());
        l->Free();
    }
}

TEST_F(TlxSkinLinkLabelTest, WithGlowTheCaptionSitsGlowSizeLowerHoveredOrNot) {
    LoadSkin();
    auto* plain = Label();
    plain->SetSkinData(SD);
    const int top = FirstInkRow(Shot(plain));
    ASSERT_GE(top, 0);
    auto* glowing = Label(60);
    glowing->SetSkinData(SD);
    glowing->SetGlowEffect(true);
    glowing->SetGlowSize(5);
    EXPECT_EQ(FirstInkRow(Shot(glowing)), top + 5);
    // Hovered, the text keeps its colour and the glow spreads around it.
    Hover(glowing);
    const TBitmap shot = Shot(glowing);
    EXPECT_GT(Count(shot, 0x800000), 20);
    EXPECT_LT(FirstInkRow(shot), top + 5);
}

TEST_F(TlxSkinLinkLabelTest, LooksAsGoldens) {
    LoadSkin();
    struct Case {
        const char* Golden;
        bool Skinned;
        std::function<void(TlxSkinLinkLabel*)> Set;
    } cases[] = {
        {"builtin", false, [](TlxSkinLinkLabel*) {}},
        {"builtin-hover", false, [this](TlxSkinLinkLabel* l) { Hover(l); }},
        {"builtin-glow-hover", false,
         [this](TlxSkinLinkLabel* l) {
             l->SetGlowEffect(true);
             Hover(l);
         }},
        {"builtin-no-underline", false, [](TlxSkinLinkLabel* l) { l->SetUseUnderLine(false); }},
        {"builtin-disabled-embossed", false, [](TlxSkinLinkLabel* l) { l->SetEnabled(false); }},
        {"skinned", true, [](TlxSkinLinkLabel*) {}},
        {"skinned-hover", true, [this](TlxSkinLinkLabel* l) { Hover(l); }},
        {"skinned-glow-hover", true,
         [this](TlxSkinLinkLabel* l) {
             l->SetGlowEffect(true);
             Hover(l);
         }},
        {"skinned-disabled-embossed", true, [](TlxSkinLinkLabel* l) { l->SetEnabled(false); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Golden);
        auto* l = Label();
        if (c.Skinned) l->SetSkinData(SD);
        c.Set(l);
        EXPECT_TRUE(MatchesGolden(Shot(l), std::string("skin/controls/TlxSkinLinkLabel/") + c.Golden, 0));
        Session.MouseMove({390, 290});
        l->Free();
    }
}

TEST_F(TlxSkinLinkLabelTest, UseUnderLineOffDropsTheFontsUnderlineWhileEnabled) {
    auto* underlined = Label();
    auto* plain = Label(60);
    plain->SetUseUnderLine(false);
    EXPECT_TRUE(plain->DefaultFont()->Style().Contains(fsUnderline));
    const TBitmap a = Shot(underlined), b = Shot(plain);
    int differing = 0;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            differing += a.ScanLine(y)[x] != b.ScanLine(y)[x];
    EXPECT_GT(differing, 20);
    EXPECT_LT(Count(b, 0), Count(a, 0));
}

} // namespace
