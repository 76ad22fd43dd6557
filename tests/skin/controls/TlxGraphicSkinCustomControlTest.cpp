#include "SkinControlProbes.h"

#include "skin/engine/DataSkinControls.h"
#include "tests/support/pictures/PixelArt.h"
#include "tests/support/skin/TSkinControlTest.h"

namespace {

class TlxGraphicSkinCustomControlTest : public TSkinControlTest {
protected:
    void LoadSkin(TPoint RB) {
        TTestSkin skin;
        int picture = skin.AddPicture(TTestSkin::StandardPicture());
        auto& d = skin.Add<TlxDataSkinPanelControl>("probe");
        TTestSkin::SetNinePart(d, picture);
        d.RBPoint = RB;
        if (RB.X == 0) d.LTPoint = d.RTPoint = d.LBPoint = {0, 0};
        skin.Add<TlxDataSkinBevel>("bevel");
        skin.LoadInto(SD);
    }
    TProbeGraphicSkinControl* Probe(const std::string& Name, int W, int H) {
        auto* p = Make<TProbeGraphicSkinControl>(10, 10, W, H);
        p->SetSkinDataName(Name);
        p->SetSkinData(SD);
        return p;
    }
};

} // namespace

TEST_F(TlxGraphicSkinCustomControlTest, SizeAndLookFollowTheDescription) {
    struct Case {
        const char* Name;
        const char* SkinDataName;
        bool Fixed;
        TSize After; // of SetBounds(.., 30, 26)
        std::string TopRow;
    } cases[] = {
        {"nine parts grow", "probe", false, {30, 26}, "rrrrggggggggggggggggggggggrrrr"},
        {"fixed keeps the skin rect", "probe", true, {20, 20}, "rrrrggggggggggggrrrr"},
        {"missing: built-in look", "nosuch", false, {30, 26}, std::string(30, 'f')},
        {"another kind: no picture, the size kept", "bevel", false, {30, 26}, std::string(30, 'f')},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        LoadSkin(c.Fixed ? TPoint{0, 0} : TPoint{16, 16});
        auto* p = Probe(c.SkinDataName, 20, 20);
        p->SetBounds(10, 10, 30, 26);
        EXPECT_EQ(p->Width(), c.After.cx);
        EXPECT_EQ(p->Height(), c.After.cy);
        EXPECT_EQ(PixelArt(Shot(p), TestSkinLegend())[0], c.TopRow);
        p->Free();
    }
}
