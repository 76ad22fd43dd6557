#include "skin/windows/TlxQuickButtonItem.h"

#include "platform/vcl/TImageList.h"
#include "platform/win/WinConst.h"
#include "skin/controls/TlxSkinHint.h"
#include "skin/controls/TlxSkinHintWindow.h"
#include "skin/engine/DataSkinControls.h"
#include "skin/windows/TlxSkinCaptionObject.h"
#include "tests/skin/windows/TFrameObjectTest.h"

#include <functional>

namespace {

constexpr uint32_t ImageRgb = 0xE00000, HotRgb = 0x00E0E0, PressedRgb = 0xE000E0;

// Quick buttons on a caption at (30, 5, 400, 25) with images of 16 x 16 in
// plain red.
class TlxQuickButtonItemTest : public TFrameObjectTest {
protected:
    void SetUp() override {
        TFrameObjectTest::SetUp();
        Images = new TImageList(Form);
        TBitmap image(16, 16);
        FillPixels(image, {0, 0, 16, 16}, ImageRgb);
        Images->Add(&image, nullptr);
        Lvx->SetQuickImageList(Images);
        for (int i = 0; i < 3; ++i)
            Lvx->QuickButtons()->Add()->SetImageIndex(0);
        Form->WindowProc = [this, old = Form->WindowProc](TMessage& M) {
            if (M.Msg == WM_NCPAINT) ++FramePaints;
            old(M);
        };
    }
    // With Look, the skin has an "officequickbutton" description.
    TlxSkinCaptionObject* MakeCaption(bool Look = false) {
        TTestSkin skin = MakeSkin();
        if (Look) {
            TBitmap states(40, 20);
            FillPixels(states, {0, 0, 20, 20}, HotRgb);
            FillPixels(states, {20, 0, 40, 20}, PressedRgb);
            const int picture = skin.AddPicture(states);
            auto& d = skin.Add<TlxDataSkinButtonControl>("officequickbutton");
            d.PictureIndex = picture;
            d.SkinRect = d.ActiveSkinRect = {0, 0, 20, 20};
            d.DownSkinRect = {20, 0, 40, 20};
            d.ClRect = {3, 3, 17, 17};
        }
        auto& d = skin.AddObject<TlxDataSkinCaption>("caption");
        d.SkinRect = {0, 0, 50, 20};
        d.TextRct = {4, 0, 46, 20};
        Apply(skin);
        TlxSkinCaptionObject* c = Object<TlxSkinCaptionObject>("caption");
        c->ObjectRect = {30, 5, 400, 25};
        return c;
    }
    TBitmap Paint(TlxSkinCaptionObject* C) {
        TBitmap b(420, 30);
        FillPixels(b, {0, 0, 420, 30}, PaperRgb);
        C->Draw(b.Canvas(), true);
        return b;
    }
    TlxQuickButtonItem* Item(int I) { return Lvx->QuickButtons()->Items(I); }

    TImageList* Images = nullptr;
    int FramePaints = 0;
};

TEST_F(TlxQuickButtonItemTest, LayoutSkipsInvisibleButtonsAndMovesTheText) {
    TlxSkinCaptionObject* c = MakeCaption();
    Item(1)->SetVisible(false);
    const TBitmap b = Paint(c);
    EXPECT_EQ(Item(0)->ItemRect, (TRect{30, 5, 50, 25}));
    EXPECT_EQ(Item(2)->ItemRect, (TRect{54, 5, 74, 25}));
    EXPECT_TRUE(Item(1)->ItemRect.IsEmpty()) << "an invisible button keeps its old place";
    EXPECT_EQ(RgbAt(b, 40, 15), ImageRgb);
    EXPECT_EQ(RgbAt(b, 64, 15), ImageRgb);
    EXPECT_EQ(RgbAt(b, 52, 15), PaperRgb);
    // Every item counts for the text area, visible or not.
    EXPECT_EQ(c->TextArea().Left, 4 + 3 * 24);
}

// A click needs a left press and release on the same button.
TEST_F(TlxQuickButtonItemTest, PressOnOneReleaseOnAnotherClicksNothing) {
    TlxSkinCaptionObject* c = MakeCaption();
    Paint(c);
    std::vector<int> clicks;
    TObject* sender = nullptr;
    for (int i = 0; i < 3; ++i)
        Item(i)->OnClick = [&, i](TObject* S) {
            clicks.push_back(i);
            sender = S;
        };
    c->MouseEnter();
    c->MouseMove(40, 15);
    EXPECT_EQ(c->ActiveQuickButton, 0);
    EXPECT_TRUE(Item(0)->Active);
    c->MouseDown(40, 15, TMouseButton::mbLeft);
    EXPECT_TRUE(Item(0)->Down);
    c->MouseMove(64, 15);
    EXPECT_TRUE(Item(1)->Active);
    EXPECT_FALSE(Item(0)->Active);
    c->MouseUp(64, 15, TMouseButton::mbLeft);
    EXPECT_TRUE(clicks.empty());
    EXPECT_FALSE(Item(0)->Down);

    // Pressed and released on the second: it clicks.
    c->MouseDown(64, 15, TMouseButton::mbLeft);
    c->MouseUp(64, 15, TMouseButton::mbLeft);
    EXPECT_EQ(clicks, std::vector<int>{1});
    EXPECT_EQ(sender, c);

    // Released beside every button, or a right press and release: nothing.
    c->MouseDown(40, 15, TMouseButton::mbLeft);
    c->MouseUp(200, 15, TMouseButton::mbLeft);
    c->MouseDown(64, 15, TMouseButton::mbRight);
    c->MouseUp(64, 15, TMouseButton::mbRight);
    EXPECT_EQ(clicks, std::vector<int>{1});

    c->MouseLeave();
    EXPECT_EQ(c->ActiveQuickButton, -1);
    for (int i = 0; i < 3; ++i)
        EXPECT_FALSE(Item(i)->Active);
}

// A hovered button's hint shows after the hint pause, only with the
// component's hint and QuickButtonsShowHint; leaving every button or
// pressing one hides it. The main form's active skinned hint draws it.
TEST_F(TlxQuickButtonItemTest, HintsOfTheHoveredButton) {
    TlxSkinCaptionObject* c = MakeCaption();
    Paint(c);
    Item(0)->SetHint("First");
    Item(2)->SetHint("Third");
    Lvx->SetQuickButtonsShowHint(true);
    c->MouseEnter();
    c->MouseMove(40, 15);
    Session.Advance(600);
    EXPECT_FALSE(Lvx->ObjectHintVisible()) << "no hint component";
    c->MouseLeave();

    TForm* mainForm = nullptr;
    Application->CreateForm(mainForm);
    auto* hint = new TlxSkinHint(mainForm);
    Lvx->SetSkinHint(hint);
    c->MouseEnter();
    c->MouseMove(40, 15);
    Session.Advance(400);
    EXPECT_FALSE(Lvx->ObjectHintVisible()) << "before the pause";
    Session.Advance(200);
    EXPECT_TRUE(Lvx->ObjectHintVisible());
    EXPECT_TRUE(hint->IsVisible());
    EXPECT_EQ(hint->HW->Text(), "First");
    c->MouseMove(200, 15);
    EXPECT_FALSE(Lvx->ObjectHintVisible());

    c->MouseMove(88, 15);
    Session.Advance(600);
    EXPECT_EQ(Lvx->ObjectHintText(), "Third");
    EXPECT_TRUE(Lvx->ObjectHintVisible());
    c->MouseDown(88, 15, TMouseButton::mbLeft);
    EXPECT_FALSE(Lvx->ObjectHintVisible());
    c->MouseUp(88, 15, TMouseButton::mbLeft);
    Session.Advance(600);
    EXPECT_FALSE(Lvx->ObjectHintVisible()) << "the button under the mouse did not change";
    mainForm->Free();
    Application->HintWindowClass = {};
}

TEST_F(TlxQuickButtonItemTest, DisabledButtonIsGreyedAndNeverHoveredOrClicked) {
    TlxSkinCaptionObject* c = MakeCaption();
    Item(0)->SetEnabled(false);
    const TBitmap b = Paint(c);
    const uint32_t grey = RgbAt(b, 40, 15);
    EXPECT_NE(grey, ImageRgb);
    EXPECT_EQ(grey & 0xFF, (grey >> 8) & 0xFF);
    EXPECT_EQ(grey & 0xFF, (grey >> 16) & 0xFF);
    int clicks = 0;
    Item(0)->OnClick = [&](TObject*) { ++clicks; };
    c->MouseMove(40, 15);
    EXPECT_EQ(c->ActiveQuickButton, -1);
    c->MouseDown(40, 15, TMouseButton::mbLeft);
    c->MouseUp(40, 15, TMouseButton::mbLeft);
    EXPECT_EQ(clicks, 0);
    EXPECT_FALSE(Item(0)->Down);
}

TEST_F(TlxQuickButtonItemTest, HoveredAndPressedButtonsGetTheSkinsBackground) {
    TlxSkinCaptionObject* c = MakeCaption(true);
    Paint(c);
    c->MouseMove(40, 15);
    EXPECT_EQ(RgbAt(Paint(c), 31, 6), HotRgb);
    c->MouseDown(40, 15, TMouseButton::mbLeft);
    EXPECT_EQ(RgbAt(Paint(c), 31, 6), PressedRgb);
    EXPECT_EQ(RgbAt(Paint(c), 40, 15), ImageRgb) << "the image stays on top";

    // Without the skin's description only the image is drawn.
    c = MakeCaption(false);
    Paint(c);
    c->MouseMove(40, 15);
    EXPECT_EQ(RgbAt(Paint(c), 31, 6), PaperRgb);
}

TEST_F(TlxQuickButtonItemTest, ChangesRepaintTheFrame) {
    MakeCaption();
    Session.Pump();
    const int before = FramePaints;
    Item(1)->SetVisible(false);
    EXPECT_EQ(FramePaints, before + 1);
    Item(1)->SetEnabled(false);
    Item(1)->SetImageIndex(0);
    EXPECT_EQ(FramePaints, before + 3);
}

TEST_F(TlxQuickButtonItemTest, AssignCopiesEverythingButTheClick) {
    Item(0)->SetHint("first");
    Item(0)->SetImageIndex(3);
    Item(0)->SetEnabled(false);
    Item(0)->SetVisible(false);
    Item(0)->OnClick = [](TObject*) {};
    Item(1)->Assign(Item(0));
    EXPECT_EQ(Item(1)->Hint(), "first");
    EXPECT_EQ(Item(1)->ImageIndex(), 3);
    EXPECT_FALSE(Item(1)->Enabled());
    EXPECT_FALSE(Item(1)->Visible());
    EXPECT_FALSE(Item(1)->OnClick);
}

TEST_F(TlxQuickButtonItemTest, NoImageListNoButtons) {
    TlxSkinCaptionObject* c = MakeCaption();
    Lvx->SetQuickImageList(nullptr);
    const TBitmap b = Paint(c);
    EXPECT_EQ(RgbAt(b, 40, 15), PaperRgb);
    EXPECT_EQ(c->TextArea().Left, 4);
    int clicks = 0;
    Item(0)->OnClick = [&](TObject*) { ++clicks; };
    c->MouseDown(40, 15, TMouseButton::mbLeft);
    c->MouseUp(40, 15, TMouseButton::mbLeft);
    EXPECT_EQ(clicks, 0);
}

} // namespace
