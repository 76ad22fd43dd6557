#include "skin/dialogs/SkinDialogsRegistration.h"

#include "platform/backend/headless/THeadlessSession.h"
#include "platform/vcl/TApplication.h"
#include "platform/vcl/TComponentReader.h"
#include "platform/vcl/TComponentWriter.h"
#include "skin/controls/SkinControlsRegistration.h"
#include "skin/dialogs/message/TlxSkinMessage.h"
#include "skin/dialogs/skinselect/TlxSelectSkinDialog.h"
#include "skin/engine/SkinData.h"

#include <gtest/gtest.h>

namespace {

class SkinDialogsRegistrationTest : public ::testing::Test {
protected:
    void SetUp() override {
        Application->Initialize();
        RegisterSkinControls();
        RegisterSkinDialogClasses();
    }
    void TearDown() override {
        for (TForm* f : Forms)
            f->Free();
    }
    TForm* Read(const std::string& Text) {
        Forms.push_back(new TForm(nullptr));
        TComponentReader::ReadText(Forms.back(), Text);
        return Forms.back();
    }

    THeadlessSession Session;
    std::vector<TForm*> Forms;
};

} // namespace

TEST_F(SkinDialogsRegistrationTest, AMessageBoxComponentReadsItsDesignedValuesAndWritesThemBack) {
    const char* const text = "object Form1: TForm\n"
                             "  object Skin1: TlxSkinData\n"
                             "  end\n"
                             "  object Box: TlxSkinMessage\n"
                             "    ShowAgainFlag = True\n"
                             "    AlphaBlendValue = 150\n"
                             "    SkinData = Skin1\n"
                             "    CtrlSkinData = Skin1\n"
                             "    ButtonSkinDataName = 'bigbutton'\n"
                             "    DefaultFont.Height = 20\n"
                             "    UseSkinFont = False\n"
                             "  end\n"
                             "end\n";
    TForm* f = Read(text);
    auto* box = dynamic_cast<TlxSkinMessage*>(f->FindComponent("Box"));
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->ShowAgainFlag());
    EXPECT_EQ(box->AlphaBlendValue(), 150);
    EXPECT_EQ(box->SkinData(), f->FindComponent("Skin1"));
    EXPECT_EQ(box->CtrlSkinData(), f->FindComponent("Skin1"));
    EXPECT_EQ(box->ButtonSkinDataName(), "bigbutton");
    EXPECT_EQ(box->MessageLabelSkinDataName(), "stdlabel");
    EXPECT_EQ(box->DefaultFont()->Height(), 20);
    EXPECT_EQ(box->DefaultFont()->Name(), "Arial");
    EXPECT_FALSE(box->UseSkinFont());
    const std::string written = TComponentWriter::WriteText(f);
    EXPECT_EQ(written.find("MessageLabelSkinDataName"), std::string::npos) << "defaults stay out";
    EXPECT_EQ(TComponentWriter::WriteText(Read(written)), written);
}

TEST_F(SkinDialogsRegistrationTest, ASkinDialogReadsItsListSkinsAndTitle) {
    TForm* f = Read("object Form1: TForm\n"
                    "  object List1: TlxCompressedSkinList\n"
                    "  end\n"
                    "  object Skin1: TlxSkinData\n"
                    "  end\n"
                    "  object Dialog: TlxSelectSkinDialog\n"
                    "    SkinList = List1\n"
                    "    CtrlSkinData = Skin1\n"
                    "    Title = '选择皮肤'\n"
                    "  end\n"
                    "end\n");
    auto* dialog = dynamic_cast<TlxSelectSkinDialog*>(f->FindComponent("Dialog"));
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->SkinList(), f->FindComponent("List1"));
    EXPECT_EQ(dialog->CtrlSkinData(), f->FindComponent("Skin1"));
    EXPECT_EQ(dialog->SkinData(), nullptr);
    EXPECT_EQ(dialog->Title(), "选择皮肤");
    EXPECT_EQ(dialog->AlphaBlendValue(), 200);
    const std::string written = TComponentWriter::WriteText(f);
    EXPECT_EQ(TComponentWriter::WriteText(Read(written)), written);
}
