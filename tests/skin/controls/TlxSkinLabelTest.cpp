#include "LabelSkin.h"

#include "skin/controls/TlxSkinLabel.h"
#include "tests/support/pictures/GoldenPicture.h"
#include "tests/support/skin/TSkinControlTest.h"

#include <functional>

namespace {

class TlxSkinLabelTest : public TSkinControlTest {
protected:
    TlxSkinLabel* Label(const std::string& Caption, int W = 90, int H = 24) {
        auto* l = Make<TlxSkinLabel>(10, 10, W, H);
        l->DefaultFont()->SetName("Arial");
        l->DefaultFont()->SetHeight(14);
        l->SetCaption(Caption);
        return l;
    }
};

} // namespace

TEST_F(TlxSkinLabelTest, ANewLabelIs75By21) {
    auto* l = new TlxSkinLabel(Form);
    EXPECT_EQ(l->Width(), 75);
    EXPECT_EQ(l->Height(), 21);
    EXPECT_EQ(l->SkinDataName(), "label");
}

TEST_F(TlxSkinLabelTest, LooksAsGoldens) {
    LoadLabelSkin(SD);
    struct Case {
        const char* Golden;
        bool Skinned;
        std::function<void(TlxSkinLabel*)> Set;
    } cases[] = {
        {"builtin-frame", false, [](TlxSkinLabel*) {}},
        {"builtin-raised-centred", false,
         [](TlxSkinLabel* l) {
             l->SetBorderStyle(bvRaised);
             l->SetAlignment(taCenter);
         }},
        {"builtin-lowered-right", false,
         [](TlxSkinLabel* l) {
             l->SetBorderStyle(bvLowered);
             l->SetAlignment(taRightJustify);
         }},
        {"builtin-ellipsis", false,
         [](TlxSkinLabel* l) {
             l->SetCaption("A caption far wider than the label");
             l->SetEllipsType(lxetEllips);
         }},
        {"builtin-shadow", false, [](TlxSkinLabel* l) { l->SetShadowEffect(true); }},
        {"skinned", true, [](TlxSkinLabel*) {}},
        {"skinned-shadow-darkened-face", true, [](TlxSkinLabel* l) { l->SetShadowEffect(true); }},
        {"skinned-reflection", true, [](TlxSkinLabel* l) { l->SetReflectionEffect(true); }},
        {"skinned-free-width", true, [](TlxSkinLabel* l) { l->SetUseSkinSize(false); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Golden);
        auto* l = Label("Ready");
        c.Set(l);
        if (c.Skinned) l->SetSkinData(SD);
        EXPECT_TRUE(MatchesGolden(Shot(l), std::string("skin/controls/TlxSkinLabel/") + c.Golden, 0));
        l->Free();
    }
}

TEST_F(TlxSkinLabelTest, AutoSizeFitsTheCaptionUnlessTheSkinFixesTheSize) {
    struct Case {
        const char* Name;
        bool Skin, Fixed;
        bool AutoSizeAfter;
    } cases[] = {
        {"built-in: text width + 4", false, false, true},
        {"a strip: the client grows to the text", true, false, true},
        {"a fixed description switches AutoSize off", true, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        if (c.Skin) LoadLabelSkin(SD, c.Fixed);
        auto* l = Label("A rather long caption", 30, 20);
        if (c.Skin) l->SetSkinData(SD);
        l->SetAutoSize(true);
        EXPECT_EQ(l->AutoSize(), c.AutoSizeAfter);
        TBitmap b(1, 1);
        b.Canvas()->Font()->SetName("Arial");
        b.Canvas()->Font()->SetHeight(c.Skin ? 12 : 14);
        const int text = b.Canvas()->TextWidth("A rather long caption");
        if (!c.Skin)
            EXPECT_EQ(l->Width(), text + 4);
        else if (!c.Fixed)
            EXPECT_EQ(l->Width(), text + 8); // the client is the strip less its two ends of 4
        else
            EXPECT_EQ(l->Width(), 20);
        l->Free();
    }
}
