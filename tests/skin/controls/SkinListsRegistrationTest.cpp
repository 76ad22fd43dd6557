#include "skin/controls/SkinListsRegistration.h"

#include "platform/vcl/TComponentReader.h"
#include "platform/vcl/TComponentWriter.h"
#include "skin/controls/SkinControlsRegistration.h"
#include "skin/controls/TlxSkinCustomComboBox.h"
#include "skin/controls/TlxSkinCustomEdit.h"
#include "skin/controls/TlxSkinCustomListBox.h"
#include "tests/support/skin/TSkinControlTest.h"

#include <string>

namespace {

class SkinListsRegistrationTest : public TSkinControlTest {
protected:
    void SetUp() override {
        TSkinControlTest::SetUp();
        RegisterSkinControls();
    }
    void TearDown() override {
        for (TForm* f : Forms)
            f->Free();
        TSkinControlTest::TearDown();
    }
    TForm* Read(const std::string& Text) {
        Forms.push_back(new TForm(nullptr));
        TComponentReader::ReadText(Forms.back(), Text);
        return Forms.back();
    }
    std::vector<TForm*> Forms;
};

const char* const DesignedText = "object Form1: TForm\n"
                                 "  object Skin1: TlxSkinData\n"
                                 "  end\n"
                                 "  object Folder: TlxSkinEdit\n"
                                 "    Left = 8\n    Top = 8\n    Width = 200\n    Height = 20\n"
                                 "    SkinData = Skin1\n    ButtonMode = True\n"
                                 "    SkinDataName = 'buttonedit'\n    ReadOnly = True\n"
                                 "    UseSkinFont = False\n    Alignment = taRightJustify\n"
                                 "    Text = 'C:'\n"
                                 "  end\n"
                                 "  object Files: TlxSkinListBox\n"
                                 "    Left = 8\n    Top = 40\n    Width = 150\n    Height = 100\n"
                                 "    CaptionMode = True\n    DefaultItemHeight = 18\n    Sorted = True\n"
                                 "    Items.Strings = (\n      'b'\n      'a')\n"
                                 "    ItemIndex = 1\n"
                                 "  end\n"
                                 "  object Size: TlxSkinComboBox\n"
                                 "    Left = 8\n    Top = 150\n    Width = 120\n    Height = 20\n"
                                 "    Style = lxcbEditStyle\n    DropDownCount = 12\n    AlphaBlend = True\n"
                                 "    AlphaBlendValue = 200\n"
                                 "    Items.Strings = (\n      '320x240'\n      '640x480')\n"
                                 "    ItemIndex = 1\n"
                                 "  end\n"
                                 "end\n";

} // namespace

TEST_F(SkinListsRegistrationTest, DesignedValuesReadAndWriteBack) {
    TForm* f = Read(DesignedText);
    auto* folder = dynamic_cast<TlxSkinEdit*>(f->FindComponent("Folder"));
    auto* files = dynamic_cast<TlxSkinListBox*>(f->FindComponent("Files"));
    ASSERT_TRUE(folder && files);
    EXPECT_EQ(folder->SkinData(), f->FindComponent("Skin1"));
    EXPECT_TRUE(folder->ButtonMode());
    EXPECT_EQ(folder->SkinDataName(), "buttonedit");
    EXPECT_TRUE(folder->ReadOnly());
    EXPECT_FALSE(folder->UseSkinFont());
    EXPECT_EQ(folder->Alignment(), taRightJustify);
    EXPECT_EQ(folder->Text(), "C:");
    EXPECT_TRUE(files->CaptionMode());
    EXPECT_EQ(files->ItemHeight(), 18);
    EXPECT_EQ(files->Items()->Get(0), "a");
    EXPECT_EQ(files->ItemIndex(), 1);
    auto* size = dynamic_cast<TlxSkinComboBox*>(f->FindComponent("Size"));
    ASSERT_TRUE(size);
    EXPECT_EQ(size->Style(), lxcbEditStyle);
    EXPECT_EQ(size->DropDownCount(), 12);
    EXPECT_EQ(size->AlphaBlendValue(), 200);
    // Loaded: the text follows the index, the edit the text.
    EXPECT_EQ(size->ItemIndex(), 1);
    EXPECT_EQ(size->Text(), "640x480");
    EXPECT_EQ(size->Edit()->Text(), "640x480");

    const std::string written = TComponentWriter::WriteText(f);
    EXPECT_EQ(TComponentWriter::WriteText(Read(written)), written);
    // A fresh control writes none of its defaults.
    auto* plain = new TlxSkinEdit(f);
    plain->SetName("Plain");
    const std::string withPlain = TComponentWriter::WriteText(f);
    const std::string block = withPlain.substr(withPlain.find("object Plain"));
    EXPECT_EQ(block.find("SkinDataName"), std::string::npos) << block;
    EXPECT_EQ(block.find("UseSkinFont"), std::string::npos) << block;
}
