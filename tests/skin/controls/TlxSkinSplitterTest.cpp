#include "skin/controls/TlxSkinSplitter.h"

#include "skin/controls/TlxSkinPaintPanel.h"
#include "skin/engine/DataSkinControls.h"
#include "tests/support/skin/TSkinControlTest.h"

namespace {

constexpr uint32_t EndRgb = 0xE02020, MiddleRgb = 0x808080, GripRgb = 0x2020E0;

uint32_t Rgb(const TBitmap& B, int X, int Y) {
    return B.ScanLine(Y)[X] & 0xFFFFFF;
}

class TlxSkinSplitterTest : public TSkinControlTest {
protected:
    // "vsplitter": 6 x 20 with ends of 4 and a middle of 12, and a gripper
    // of 4 x 6 beside it.
    void LoadSkin() {
        TTestSkin skin;
        TBitmap picture(12, 20);
        FillPixels(picture, {0, 0, 6, 20}, EndRgb);
        FillPixels(picture, {0, 4, 6, 16}, MiddleRgb);
        FillPixels(picture, {6, 0, 10, 6}, GripRgb);
        auto& d = skin.Add<TlxDataSkinSplitterControl>("vsplitter");
        d.PictureIndex = skin.AddPicture(picture);
        d.MaskPictureIndex = -1;
        d.SkinRect = {0, 0, 6, 20};
        d.LTPoint = {0, 4};
        d.RTPoint = {6, 4};
        d.LBPoint = {0, 16};
        d.RBPoint = {6, 16};
        d.GripperRect = {6, 0, 10, 6};
        d.StretchEffect = true;
        skin.LoadInto(SD);
    }
    TlxSkinSplitter* Splitter(TWinControl* Parent) {
        auto* left = Make<TlxSkinPaintPanel>(0, 0, 100, 100, Parent);
        left->SetAlign(alLeft);
        Neighbour = left;
        auto* s = Make<TlxSkinSplitter>(100, 0, 3, 100, Parent);
        s->SetAlign(alLeft);
        Session.Pump();
        return s;
    }
    TControl* Neighbour = nullptr;
};

} // namespace

TEST_F(TlxSkinSplitterTest, ThicknessComesFromTheSkinOrDefaultSize) {
    auto* s = new TlxSkinSplitter(Form);
    EXPECT_EQ(s->Width(), 10);
    EXPECT_EQ(s->SkinDataName(), "vsplitter");
    s->SetParent(Form);
    s->SetAlign(alLeft);
    LoadSkin();
    s->SetSkinData(SD);
    EXPECT_EQ(s->Width(), 6);
    s->SetTransparent(true);
    EXPECT_EQ(s->Width(), 10);
    s->SetTransparent(false);
    EXPECT_EQ(s->Width(), 6);
    s->SetSkinDataName("nosuch");
    s->ChangeSkinData();
    EXPECT_EQ(s->Width(), 10);
}

TEST_F(TlxSkinSplitterTest, ThreePartPictureWithACentredGripper) {
    LoadSkin();
    auto* panel = Make<TlxSkinPaintPanel>(10, 10, 300, 100);
    panel->SetBorderStyle(bvNone);
    auto* s = Splitter(panel);
    s->SetSkinData(SD);
    TBitmap shot = Shot(s);
    ASSERT_EQ(shot.Width(), 6);
    EXPECT_EQ(Rgb(shot, 3, 1), EndRgb);
    EXPECT_EQ(Rgb(shot, 3, 98), EndRgb);
    EXPECT_EQ(Rgb(shot, 3, 20), MiddleRgb);
    // The gripper: 4 x 6 centred on 6 x 100.
    EXPECT_EQ(Rgb(shot, 1, 47), GripRgb);
    EXPECT_EQ(Rgb(shot, 4, 52), GripRgb);
    EXPECT_EQ(Rgb(shot, 0, 50), MiddleRgb);
    EXPECT_EQ(Rgb(shot, 1, 46), MiddleRgb);

    // Transparent: the parent shows through.
    s->SetTransparent(true);
    shot = Shot(s);
    EXPECT_EQ(Rgb(shot, 3, 20), ColorToPixel(clBtnFace) & 0xFFFFFF);
}

TEST_F(TlxSkinSplitterTest, DraggingResizesTheNeighbourLive) {
    LoadSkin();
    auto* s = Splitter(Form);
    s->SetSkinData(SD);
    Session.Drag(At(s, 3, 50), At(s, 33, 50));
    Session.Pump();
    EXPECT_EQ(Neighbour->Width(), 130);
    EXPECT_EQ(s->Left(), 130);
}
