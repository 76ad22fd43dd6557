#include "X11Fixture.h"

#include "platform/vcl/TApplication.h"
#include "platform/vcl/TImageList.h"
#include "skin/controls/TlxCustomEdit.h"
#include "skin/controls/TlxSkinImagesMenu.h"
#include "skin/controls/TlxSkinImagesMenuPopupWindow.h"
#include "skin/controls/TlxSkinMenuSpeedButton.h"

class ImagesMenuX11Test : public X11Fixture {};

TEST_F(ImagesMenuX11Test, TheGridFromAButtonTakesNoFocusChoosesOnceAndClosesOnAClickElsewhere) {
    Application->Initialize();
    auto* form = new TForm(nullptr);
    form->SetBounds(100, 100, 400, 300);
    auto* edit = new TlxCustomEdit(form);
    edit->SetParent(form);
    edit->SetBounds(20, 20, 150, 22);
    auto* images = new TImageList(form);
    images->SetWidth(24);
    images->SetHeight(24);
    TBitmap picture(24, 24);
    for (int i = 0; i < 4; ++i)
        images->Add(&picture, nullptr);
    auto* menu = new TlxSkinImagesMenu(form);
    menu->SetImages(images);
    menu->SetColumnsCount(2);
    for (int i = 0; i < 4; ++i)
        menu->ImagesItems()->Add()->SetImageIndex(i);
    int changes = 0;
    menu->OnChange = [&](TObject*) { ++changes; };
    auto* button = new TlxSkinMenuSpeedButton(form);
    button->SetParent(form);
    button->SetBounds(20, 60, 80, 25);
    button->SetSkinImagesMenu(menu);
    form->Show();
    PumpUntil([] { return false; }, 300);
    Click(form->ClientToScreen({300, 200}));
    PumpUntil([&] { return GetActiveWindow() == form->Handle(); }, 2000);
    edit->SetFocus();
    Pump();
    ASSERT_EQ(GetFocus(), edit->Handle());

    Click(button->ClientToScreen({10, 10}));
    ASSERT_TRUE(PumpUntil([&] { return menu->PopupWindow() != nullptr; }, 2000));
    EXPECT_EQ(GetFocus(), edit->Handle()) << "the grid never takes the focus";
    const TRect& cell = menu->ImagesItems()->Items(3)->ItemRect;
    const TPoint at =
        menu->PopupWindow()->ClientToScreen({(cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2});
    Click(at);
    ASSERT_TRUE(PumpUntil([&] { return menu->PopupWindow() == nullptr; }, 2000));
    Pump();
    EXPECT_EQ(menu->ItemIndex(), 3);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_FALSE(button->Down());

    Click(button->ClientToScreen({10, 10}));
    ASSERT_TRUE(PumpUntil([&] { return menu->PopupWindow() != nullptr; }, 2000));
    Click(form->ClientToScreen({350, 250}));
    EXPECT_TRUE(PumpUntil([&] { return menu->PopupWindow() == nullptr; }, 2000));
    EXPECT_EQ(menu->ItemIndex(), 3);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(GetFocus(), edit->Handle());
    form->Free();
}
