#include "LabelSkin.h"

#include "platform/gdi/Text.h"
#include "skin/controls/TlxSkinTextLabel.h"
#include "tests/support/pictures/GoldenPicture.h"
#include "tests/support/skin/TSkinControlTest.h"

#include <functional>

namespace {

class TlxSkinTextLabelTest : public TSkinControlTest {
protected:
    TlxSkinTextLabel* Label() {
        auto* l = Make<TlxSkinTextLabel>(10, 10, 80, 60);
        l->DefaultFont()->SetName("Arial");
        l->DefaultFont()->SetHeight(14);
        return l;
    }
    static int LineHeight() {
        TBitmap b(1, 1);
        b.Canvas()->Font()->SetName("Arial");
        b.Canvas()->Font()->SetHeight(14);
        TRect r{0, 0, 100, 100};
        DrawText(b.Canvas()->Handle(), "A", r, DT_CALCRECT);
        return r.Height();
    }
};

} // namespace

TEST_F(TlxSkinTextLabelTest, AutoSizeTakesTheLinesAndARightAlignedLabelKeepsItsRightEdge) {
    auto* l = Label();
    l->Lines()->Add("first line");
    l->Lines()->Add("second");
    l->Lines()->Add("third");
    EXPECT_EQ(l->Height(), 3 * LineHeight());
    const int wide = l->Width();
    EXPECT_GT(wide, 0);
    l->SetAlignment(taRightJustify);
    const int right = l->Left() + l->Width();
    l->Lines()->Delete(0); // the widest line goes
    EXPECT_LT(l->Width(), wide);
    EXPECT_EQ(l->Left() + l->Width(), right);
    EXPECT_EQ(l->Height(), 2 * LineHeight());
    // Off, the size stays.
    l->SetAutoSize(false);
    l->Lines()->Add("a much longer line than any before");
    EXPECT_EQ(l->Height(), 2 * LineHeight());
}

TEST_F(TlxSkinTextLabelTest, LooksAsGoldens) {
    LoadLabelSkin(SD);
    struct Case {
        const char* Golden;
        bool Skinned;
        std::function<void(TlxSkinTextLabel*)> Set;
    } cases[] = {
        {"builtin", false, [](TlxSkinTextLabel*) {}},
        {"builtin-disabled-embossed", false, [](TlxSkinTextLabel* l) { l->SetEnabled(false); }},
        {"skinned-centred-bottom", true,
         [](TlxSkinTextLabel* l) {
             l->SetAutoSize(false);
             l->SetBounds(10, 10, 80, 60);
             l->SetAlignment(taCenter);
             l->SetLayout(tlBottom);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Golden);
        auto* l = Label();
        l->Lines()->Add("Two");
        l->Lines()->Add("lines");
        if (c.Skinned) l->SetSkinData(SD);
        c.Set(l);
        EXPECT_TRUE(MatchesGolden(Shot(l), std::string("skin/controls/TlxSkinTextLabel/") + c.Golden, 0));
        l->Free();
    }
}
