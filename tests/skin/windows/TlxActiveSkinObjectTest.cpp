#include "skin/windows/TlxActiveSkinObject.h"

#include "platform/win/WinApi.h"
#include "skin/engine/TlxLayerManager.h"
#include "skin/windows/TlxSkinButtonObject.h"
#include "skin/windows/TlxUserObject.h"
#include "tests/skin/windows/TFrameObjectTest.h"

namespace {

using TlxActiveSkinObjectTest = TFrameObjectTest;

TEST_F(TlxActiveSkinObjectTest, MaskAnswersBlackPixelsInsideItOnly) {
    TTestSkin skin = MakeSkin();
    AddButton<TlxDataSkinButton>(skin, "masked").ActiveMaskPictureIndex = Mask;
    AddButton<TlxDataSkinButton>(skin, "plain");
    Apply(skin);
    TlxActiveSkinObject* masked = Object<TlxActiveSkinObject>("masked");
    struct TCase {
        int X, Y;
        bool In;
    };
    const TCase cases[] = {{5, 5, true},   {9, 9, true},   {3, 0, true},   {1, 1, false}, {2, 2, false},
                           {10, 5, false}, {5, 10, false}, {-1, 5, false}, {5, -1, false}};
    for (const TCase& c : cases)
        EXPECT_EQ(masked->PtInMask(c.X, c.Y), c.In) << c.X << "," << c.Y;
    EXPECT_TRUE(Object<TlxActiveSkinObject>("plain")->PtInMask(50, 50));
}

// Picture indexes and rectangles from the skin are untrusted: an index out
// of the list or a rectangle beyond the picture draws nothing and never
// reads outside a picture.
TEST_F(TlxActiveSkinObjectTest, BadPictureIndexesAndRectanglesDrawNothing) {
    TTestSkin skin = MakeSkin();
    auto& far = AddButton<TlxDataSkinButton>(skin, "far");
    far.ActivePictureIndex = 99;
    far.ActiveMaskPictureIndex = 77;
    auto& outside = AddButton<TlxDataSkinButton>(skin, "outside");
    outside.SkinRect = {500, 500, 510, 510};
    outside.ActiveSkinRect = {200, 0, 210, 10};
    outside.DownRect = {95, 0, 200, 10};
    Apply(skin);

    TlxSkinButtonObject* f = Object<TlxSkinButtonObject>("far");
    EXPECT_EQ(f->ActivePicture, nullptr);
    EXPECT_EQ(f->ActiveMaskPicture, nullptr);
    EXPECT_TRUE(f->PtInMask(1, 1));
    EXPECT_EQ(Drawn(f), PaperRgb);
    f->MouseEnter();
    EXPECT_EQ(Drawn(f), PaperRgb);
    // The description without a picture lost its hovered image; the object kept it.
    EXPECT_TRUE(IsRectEmpty(SD->ObjectList[0]->ActiveSkinRect));

    TlxSkinButtonObject* o = Object<TlxSkinButtonObject>("outside");
    EXPECT_EQ(Drawn(o), PaperRgb);
    o->MouseEnter();
    EXPECT_EQ(Drawn(o), PaperRgb);
    o->MouseDown(1, 1, TMouseButton::mbLeft);
    EXPECT_EQ(Drawn(o), 0xFFFFFFu) << "the part inside the picture, stretched";
}

TEST_F(TlxActiveSkinObjectTest, UserObjectIsPaintedByTheApplication) {
    TTestSkin skin = MakeSkin();
    skin.AddObject<TlxDataUserObject>("logo").SkinRect = {2, 2, 12, 12};
    Apply(skin);
    auto* u = Object<TlxUserObject>("logo");
    ASSERT_NE(u, nullptr);
    std::string painted;
    TRect where;
    Lvx->OnPaintEvent = [&](const std::string& Name, TCanvas* C, const TRect& R) {
        painted = Name;
        where = R;
        C->Brush()->SetColor(clLime);
        C->FillRect(R);
    };
    EXPECT_EQ(Drawn(u), 0x00FF00u);
    EXPECT_EQ(painted, "logo");
    EXPECT_EQ(where, (TRect{2, 2, 12, 12}));
}

TEST_F(TlxActiveSkinObjectTest, GlowFollowsHoverWhereLayeredWindowsExist) {
    TTestSkin skin = MakeSkin();
    auto& d = AddButton<TlxDataSkinButton>(skin, "b");
    d.GlowLayerPictureIndex = Glow;
    d.GlowLayerMaskPictureIndex = GlowMask;
    d.GlowLayerOffsetX = 2;
    d.GlowLayerOffsetY = 2;
    d.GlowLayerAlphaBlendValue = 200;
    Apply(skin);
    TlxActiveSkinObject* b = Object<TlxActiveSkinObject>("b");
    b->MouseEnter();
    EXPECT_EQ(Lvx->FLayerManager->IsVisible, LayeredWindowsSupported());
    b->MouseLeave();
    EXPECT_FALSE(Lvx->FLayerManager->IsVisible);

    SD->SetShowCaptionButtonGlowFrames(false);
    b->MouseEnter();
    EXPECT_FALSE(Lvx->FLayerManager->IsVisible);
}

} // namespace

namespace {

// A handler of an object event may apply a skin, which frees every object
// while one of them is raising the event: the object stops there.
TEST_F(TlxActiveSkinObjectTest, HandlerThatReplacesTheObjectsEndsTheCall) {
    TTestSkin skin = MakeSkin();
    AddButton<TlxDataSkinButton>(skin, "b").GlowLayerPictureIndex = Glow;
    skin.AddObject<TlxDataSkinCaption>("caption").SkinRect = {0, 0, 50, 20};
    Apply(skin);
    int events = 0;
    auto reapply = [&] {
        ++events;
        Lvx->SetSkinData(SD);
    };
    Lvx->OnMouseEnterEvent = [&](const std::string&) { reapply(); };
    Lvx->OnMouseLeaveEvent = [&](const std::string&) { reapply(); };
    Lvx->OnMouseUpEvent = [&](const std::string&, int, int, const TRect&, TMouseButton) { reapply(); };
    Lvx->OnMouseDownEvent = [&](const std::string&, int, int, const TRect&, TMouseButton) { reapply(); };
    Lvx->QuickButtons()->Add();

    Object<TlxActiveSkinObject>("b")->MouseEnter();
    TlxActiveSkinObject* b = Object<TlxActiveSkinObject>("b");
    b->FMouseIn = true;
    b->MouseLeave();
    Object<TlxActiveSkinObject>("caption")->MouseDown(5, 5, TMouseButton::mbLeft);
    Object<TlxActiveSkinObject>("caption")->MouseUp(5, 5, TMouseButton::mbLeft);
    Object<TlxActiveSkinObject>("caption")->MouseLeave();
    EXPECT_EQ(events, 5);
    EXPECT_EQ(Lvx->ObjectCount(), 2);
}

} // namespace
