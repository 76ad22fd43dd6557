#include "skin/controls/TlxSkinStatusBar.h"

#include "skin/engine/DataSkinControls.h"
#include "tests/support/skin/TSkinControlTest.h"

namespace {

class TlxSkinStatusBarTest : public TSkinControlTest {
protected:
    TlxSkinStatusBar* Bar() {
        auto* b = new TlxSkinStatusBar(Form);
        b->SetParent(Form);
        Session.Pump();
        return b;
    }
    LRESULT HitAt(TControl* C, int X, int Y) {
        return SendMessage(static_cast<TWinControl*>(C)->Handle(), WM_NCHITTEST, 0,
                           PointToLParam(At(C, X, Y)));
    }
};

} // namespace

TEST_F(TlxSkinStatusBarTest, ANewBarIsBottomAlignedWithoutGrip) {
    auto* b = Bar();
    EXPECT_EQ(b->Height(), 21);
    EXPECT_EQ(b->Align(), alBottom);
    EXPECT_EQ(b->Top(), Form->ClientHeight() - 21);
    EXPECT_EQ(b->BorderStyle(), bvNone);
    EXPECT_EQ(b->SkinDataName(), "statusbar");
    EXPECT_FALSE(b->SizeGrip());
    EXPECT_TRUE(b->ShowGrip());
    EXPECT_TRUE(b->GripRect().IsEmpty());
}

TEST_F(TlxSkinStatusBarTest, TheGripAnswersBottomRightUntilItIsHidden) {
    auto* b = Bar();
    b->SetSizeGrip(true);
    TRect client;
    b->GetSkinClientRect(client);
    EXPECT_EQ(client.Right, b->Width() - 21); // the grip takes the client height
    const TRect grip = b->GripRect();
    EXPECT_EQ(grip, (TRect{b->Width() - 19, 0, b->Width(), 19}));
    EXPECT_EQ(HitAt(b, grip.Left, grip.Top), HTBOTTOMRIGHT); // edges count
    EXPECT_EQ(HitAt(b, b->Width() - 5, 10), HTBOTTOMRIGHT);
    EXPECT_EQ(HitAt(b, 10, 10), HTCLIENT);

    b->SetShowGrip(false);
    EXPECT_EQ(HitAt(b, b->Width() - 5, 10), HTCLIENT);
    b->GetSkinClientRect(client);
    EXPECT_EQ(client.Right, b->Width());
}

TEST_F(TlxSkinStatusBarTest, DraggingTheGripSizesTheForm) {
    auto* b = Bar();
    b->SetSizeGrip(true);
    TRect before;
    GetWindowRect(Form->Handle(), before);
    Session.Drag(At(b, b->Width() - 5, 15), At(b, b->Width() + 35, 45));
    Session.Pump();
    TRect after;
    GetWindowRect(Form->Handle(), after);
    EXPECT_EQ(after.Width(), before.Width() + 40);
    EXPECT_EQ(after.Height(), before.Height() + 30);
    EXPECT_EQ(after.TopLeft(), before.TopLeft());
    EXPECT_EQ(b->Top(), Form->ClientHeight() - 21); // still at the bottom
}

TEST_F(TlxSkinStatusBarTest, TheSkinnedGripIsTheSkinsPictureAndTheSkinReachesTheChildren) {
    TTestSkin skin;
    TBitmap picture(40, 21);
    FillPixels(picture, {0, 0, 40, 21}, 0x808080);
    FillPixels(picture, {30, 0, 40, 21}, 0xE02020); // the gripper
    auto& d = skin.Add<TlxDataSkinPanelControl>("statusbar");
    d.PictureIndex = skin.AddPicture(picture);
    d.MaskPictureIndex = -1;
    d.SkinRect = {0, 0, 30, 21};
    d.LTPoint = {2, 2};
    d.RTPoint = {28, 2};
    d.LBPoint = {2, 19};
    d.RBPoint = {28, 19};
    d.ClRect = {2, 2, 28, 19};
    d.GripperRect = {30, 0, 40, 21};
    d.BGPictureIndex = -1;
    skin.LoadInto(SD);
    auto* b = Bar();
    auto* child = new TlxSkinCustomControl(Form);
    child->SetParent(b);
    b->SetSizeGrip(true);
    b->SetSkinData(SD);
    EXPECT_EQ(child->SkinData(), SD);
    TRect client;
    b->GetSkinClientRect(client);
    EXPECT_EQ(client.Right, b->Width() - 10);
    const TBitmap shot = Shot(b);
    EXPECT_EQ(shot.ScanLine(10)[b->Width() - 5] & 0xFFFFFF, 0xE02020u);
}
