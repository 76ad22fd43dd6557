#include "LabelSkin.h"

#include "skin/controls/TlxSkinStdLabel.h"
#include "tests/support/pictures/GoldenPicture.h"
#include "tests/support/skin/TSkinControlTest.h"

#include <functional>

namespace {

class TlxSkinStdLabelTest : public TSkinControlTest {
protected:
    TlxSkinStdLabel* Label(const std::string& Caption, int W = 80, int H = 20) {
        auto* l = Make<TlxSkinStdLabel>(10, 10, W, H);
        l->DefaultFont()->SetName("Arial");
        l->DefaultFont()->SetHeight(14);
        l->SetCaption(Caption);
        return l;
    }
};

} // namespace

TEST_F(TlxSkinStdLabelTest, LooksAsGoldens) {
    LoadLabelSkin(SD);
    struct Case {
        const char* Golden;
        bool Skinned;
        std::function<void(TlxSkinStdLabel*)> Set;
    } cases[] = {
        {"builtin", false, [](TlxSkinStdLabel*) {}},
        {"builtin-disabled-embossed", false, [](TlxSkinStdLabel* l) { l->SetEnabled(false); }},
        {"skinned-font", true, [](TlxSkinStdLabel*) {}},
        {"skinned-disabled-skin-colours", true, [](TlxSkinStdLabel* l) { l->SetEnabled(false); }},
        {"end-ellipsis", false,
         [](TlxSkinStdLabel* l) {
             l->SetAutoSize(false);
             l->SetCaption("A caption far wider than the label");
             l->SetEllipsType(lxetEndEllips);
         }},
        {"path-ellipsis", false,
         [](TlxSkinStdLabel* l) {
             l->SetAutoSize(false);
             l->SetCaption("/home/user/videos/holiday.mkv");
             l->SetEllipsType(lxetPathEllips);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Golden);
        auto* l = Label("Output");
        if (c.Skinned) l->SetSkinData(SD);
        c.Set(l);
        EXPECT_TRUE(MatchesGolden(Shot(l), std::string("skin/controls/TlxSkinStdLabel/") + c.Golden, 0));
        l->Free();
    }
}

TEST_F(TlxSkinStdLabelTest, AutoSizeFollowsTheSkinFontAcrossASkinChange) {
    auto* l = Label("Output");
    l->SetAutoSize(true);
    const int plain = l->Width();
    l->SetSkinData(SD);
    EXPECT_EQ(l->SkinIndex(), -1);
    LoadLabelSkin(SD);
    EXPECT_EQ(l->SkinIndex(), 0);
    l->SetUseSkinFont(false);
    l->ChangeSkinData();
    EXPECT_NE(l->Width(), 0);
    l->SetUseSkinFont(true);
    l->DefaultFont()->SetHeight(30);
    l->ChangeSkinData();
    EXPECT_EQ(l->Width(), plain); // the skin's 14-pixel font, not the default's 30
}
