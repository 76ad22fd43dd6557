#include "LabelSkin.h"

#include "skin/controls/TlxSkinStatusPanel.h"
#include "tests/support/pictures/GoldenPicture.h"
#include "tests/support/skin/TSkinControlTest.h"

namespace {

class TlxSkinStatusPanelTest : public TSkinControlTest {
protected:
    TlxSkinStatusPanel* Panel() {
        auto* p = Make<TlxSkinStatusPanel>(10, 10, 120, 22);
        p->DefaultFont()->SetName("Arial");
        p->DefaultFont()->SetHeight(14);
        p->SetCaption("3 files");
        return p;
    }
    TImageList* Images() {
        auto* list = new TImageList(Form);
        list->SetWidth(10);
        list->SetHeight(10);
        TBitmap blue(10, 10);
        blue.Fill(0xFF2040E0);
        list->Add(&blue, nullptr);
        return list;
    }
    static TBitmap Glyph() {
        TBitmap g(16, 8); // two frames: red, grey; magenta corners transparent
        g.Fill(0xFFD00000);
        for (int y = 0; y < 8; ++y)
            for (int x = 8; x < 16; ++x)
                g.ScanLine(y)[x] = 0xFF909090;
        g.ScanLine(7)[0] = g.ScanLine(7)[8] = 0xFFFF00FF;
        return g;
    }
};

} // namespace

TEST_F(TlxSkinStatusPanelTest, TheImageShowsWhileTheGlyphIsEmptyElseTheGlyph) {
    LoadLabelSkin(SD);
    struct Case {
        const char* Golden;
        bool Skinned, WithGlyph, Disabled;
    } cases[] = {
        {"builtin-image", false, false, false},        {"builtin-glyph", false, true, false},
        {"builtin-glyph-disabled", false, true, true}, {"skinned-image", true, false, false},
        {"skinned-glyph", true, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Golden);
        auto* p = Panel();
        p->SetImageList(Images());
        p->SetImageIndex(0);
        if (c.WithGlyph) {
            p->SetGlyph(Glyph());
            p->SetNumGlyphs(2);
        }
        p->SetEnabled(!c.Disabled);
        if (c.Skinned) p->SetSkinData(SD);
        EXPECT_TRUE(MatchesGolden(Shot(p), std::string("skin/controls/TlxSkinStatusPanel/") + c.Golden, 0));
        p->Free();
    }
}

TEST_F(TlxSkinStatusPanelTest, AutoSizeMakesRoomForTheImage) {
    auto* p = Panel();
    p->SetAutoSize(true);
    const int textOnly = p->Width();
    p->SetImageList(Images());
    p->SetImageIndex(0);
    p->SetAutoSize(false);
    p->SetAutoSize(true);
    EXPECT_EQ(p->Width(), textOnly + 10 + 3);
}
