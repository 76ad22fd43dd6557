#include "app/TForm1.h"

#include "platform/backend/headless/THeadlessSession.h"
#include "platform/vcl/TApplication.h"
#include "platform/vcl/TImage.h"
#include "skin/controls/SkinControlsRegistration.h"
#include "skin/controls/TlxSkinButton.h"
#include "skin/controls/TlxSkinCustomListView.h"
#include "skin/controls/TlxSkinMenuSpeedButton.h"
#include "skin/controls/TlxSkinPanel.h"
#include "skin/dialogs/SkinDialogsRegistration.h"

#include <gtest/gtest.h>

namespace {

class TForm1Fixture : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterSkinControls();
        RegisterSkinDialogClasses();
        RegisterMainFormClass();
        Application->Initialize();
        Form = TCustomForm::Create<TForm1>(nullptr);
    }
    void TearDown() override { Form->Free(); }
    THeadlessSession Session;
    TForm1* Form = nullptr;
};

} // namespace

TEST_F(TForm1Fixture, AFirstStartShowsAnEmptyListAndTheFirstIPodProfile) {
    Form->Show();
    Session.Pump();
    EXPECT_EQ(Form->Caption(), "DuvavudeZaruvove");
    EXPECT_EQ(Form->ClientWidth(), 870);
    EXPECT_EQ(Form->ClientHeight(), 515);
    EXPECT_EQ(Form->BorderIcons(), (TBorderIcons{biSystemMenu, biMinimize}));
    EXPECT_EQ(Form->BorderStyle(), bsSingle);
    EXPECT_EQ(Form->lxSkinMenuSpeedButton2->Caption(), "iPod视频");
    EXPECT_EQ(Form->Controller().ProfileIndex(), 0);
    for (TlxSkinButton* run :
         {Form->lxSkinButton2, Form->lxSkinButton10, Form->lxSkinButton11, Form->lxSkinButton12})
        EXPECT_FALSE(run->Enabled()) << run->Name();
    EXPECT_FALSE(Form->lxSkinButton12->Visible());
    EXPECT_FALSE(Form->lxSkinButton7->Enabled());
    EXPECT_TRUE(Form->lxSkinPanel5->Visible());
    EXPECT_EQ(Form->lxSkinPanel5->BoundsRect(), (TRect{4, 121, 579, 348}));
    ASSERT_NE(Form->imgPlaceholder->Picture()->Bitmap(), nullptr);
    EXPECT_EQ(Form->imgPlaceholder->Picture()->Width(), 575);
    EXPECT_EQ(Form->lvFiles->Columns()->Count(), 25);
}
