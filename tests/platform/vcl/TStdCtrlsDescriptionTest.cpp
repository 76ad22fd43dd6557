#include "VclProbes.h"

#include "platform/base/MemoryStream.h"
#include "platform/vcl/TBevel.h"
#include "platform/vcl/TComponentReader.h"
#include "platform/vcl/TComponentWriter.h"
#include "platform/vcl/TCustomEdit.h"
#include "platform/vcl/TCustomLabel.h"
#include "platform/vcl/TCustomListBox.h"
#include "platform/vcl/TImage.h"
#include "platform/vcl/TSplitter.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

class TStdCtrlsDescription : public TVclFixture {};

std::string PngHex() {
    TPngImage png;
    png.SetSize(3, 2);
    png.ScanLine(0)[0] = 0xFFFF0000u;
    TStringStream s;
    png.SaveToStream(s);
    std::string hex;
    char buf[3];
    for (unsigned char c : s.DataString()) {
        std::snprintf(buf, sizeof buf, "%02X", c);
        hex += buf;
    }
    return hex;
}

} // namespace

TEST_F(TStdCtrlsDescription, StandardControlsReadAndWriteBack) {
    const std::string text = "object Form1: TForm\n"
                             "  object Caption1: TLabel\n"
                             "    Left = 4\n    Top = 5\n    Width = 90\n    Height = 30\n"
                             "    Alignment = taRightJustify\n    AutoSize = False\n    Layout = tlCenter\n"
                             "    ShowAccelChar = False\n    Transparent = True\n    WordWrap = True\n"
                             "    Caption = 'A && B'\n"
                             "  end\n"
                             "  object Bevel1: TBevel\n"
                             "    Left = 0\n    Top = 40\n    Width = 100\n    Height = 2\n"
                             "    Shape = bsTopLine\n    Style = bsRaised\n"
                             "  end\n"
                             "  object Image1: TImage\n"
                             "    Left = 0\n    Top = 50\n    Width = 10\n    Height = 10\n"
                             "    Center = True\n    Stretch = True\n    Transparent = True\n"
                             "    Picture.Data = {" +
                             PngHex() +
                             "}\n"
                             "  end\n"
                             "  object Splitter1: TSplitter\n"
                             "    Left = 0\n    Top = 0\n    Width = 3\n    Height = 100\n"
                             "    Align = alRight\n    MinSize = 12\n"
                             "  end\n"
                             "end\n";
    TForm* form = Make<TForm>();
    TComponentReader::ReadText(form, text);
    auto* label = dynamic_cast<TLabel*>(form->FindComponent("Caption1"));
    auto* bevel = dynamic_cast<TBevel*>(form->FindComponent("Bevel1"));
    auto* image = dynamic_cast<TImage*>(form->FindComponent("Image1"));
    auto* splitter = dynamic_cast<TSplitter*>(form->FindComponent("Splitter1"));
    ASSERT_TRUE(label && bevel && image && splitter);
    EXPECT_EQ(label->Alignment(), taRightJustify);
    EXPECT_FALSE(label->AutoSize());
    EXPECT_EQ(label->Width(), 90);
    EXPECT_EQ(label->Layout(), tlCenter);
    EXPECT_FALSE(label->ShowAccelChar());
    EXPECT_TRUE(label->Transparent());
    EXPECT_TRUE(label->WordWrap());
    EXPECT_EQ(bevel->Shape(), bsTopLine);
    EXPECT_EQ(bevel->Style(), bsRaised);
    EXPECT_TRUE(image->Center() && image->Stretch() && image->Transparent());
    ASSERT_EQ(image->Picture()->Width(), 3);
    EXPECT_EQ(image->Picture()->Bitmap()->ScanLine(0)[0] & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(splitter->Align(), alRight);
    EXPECT_EQ(splitter->MinSize(), 12);

    // What the writer gives reads back into the same thing.
    std::string written = TComponentWriter::WriteText(form);
    EXPECT_NE(written.find("Picture.Data = {"), std::string::npos);
    TForm* copy = Make<TForm>();
    TComponentReader::ReadText(copy, written);
    EXPECT_EQ(TComponentWriter::WriteText(copy), written);

    // Defaults are not written: a fresh label stores neither AutoSize nor ShowAccelChar.
    TForm* plain = Make<TForm>();
    TComponentReader::ReadText(plain, "object Form2: TForm\n  object L: TLabel\n  end\nend\n");
    std::string plainText = TComponentWriter::WriteText(plain);
    EXPECT_EQ(plainText.find("AutoSize"), std::string::npos);
    EXPECT_EQ(plainText.find("ShowAccelChar"), std::string::npos);
    EXPECT_EQ(plainText.find("Picture"), std::string::npos);
}

TEST_F(TStdCtrlsDescription, EditsReadAndWriteBack) {
    const std::string text = "object Form1: TForm\n"
                             "  object Name1: TMaskEdit\n"
                             "    Left = 4\n    Top = 5\n    Width = 90\n    Height = 21\n"
                             "    CharCase = ecUpperCase\n    MaxLength = 8\n    PasswordChar = '*'\n"
                             "    ReadOnly = True\n    Text = 'abc'\n    EditMask = '!99/99;1;_'\n"
                             "  end\n"
                             "end\n";
    TForm* form = Make<TForm>();
    TComponentReader::ReadText(form, text);
    auto* edit = dynamic_cast<TMaskEdit*>(form->FindComponent("Name1"));
    ASSERT_TRUE(edit);
    EXPECT_EQ(edit->Text(), "ABC");
    EXPECT_EQ(edit->CharCase(), ecUpperCase);
    EXPECT_EQ(edit->MaxLength(), 8);
    EXPECT_EQ(edit->PasswordChar(), U'*');
    EXPECT_TRUE(edit->ReadOnly());
    EXPECT_EQ(edit->EditMask(), "!99/99;1;_");
    std::string written = TComponentWriter::WriteText(form);
    TForm* copy = Make<TForm>();
    TComponentReader::ReadText(copy, written);
    EXPECT_EQ(TComponentWriter::WriteText(copy), written);
    EXPECT_THROW(TComponentReader::ReadText(Make<TForm>(), "object F: TForm\n  object E: TEdit\n"
                                                           "    PasswordChar = '**'\n  end\nend\n"),
                 Exception);
}

TEST_F(TStdCtrlsDescription, ListBoxesReadAndWriteBack) {
    const std::string text = "object Form1: TForm\n"
                             "  object List1: TListBox\n"
                             "    Left = 4\n    Top = 5\n    Width = 90\n    Height = 60\n"
                             "    Columns = 2\n    ExtendedSelect = False\n    ItemHeight = 18\n"
                             "    MultiSelect = True\n    Sorted = True\n    Style = lbOwnerDrawFixed\n"
                             "    Items.Strings = (\n      'pear'\n      'apple')\n"
                             "  end\n"
                             "end\n";
    TForm* form = Make<TForm>();
    TComponentReader::ReadText(form, text);
    auto* list = dynamic_cast<TListBox*>(form->FindComponent("List1"));
    ASSERT_TRUE(list);
    EXPECT_EQ(list->Columns(), 2);
    EXPECT_FALSE(list->ExtendedSelect());
    EXPECT_EQ(list->ItemHeight(), 18);
    EXPECT_TRUE(list->MultiSelect());
    EXPECT_TRUE(list->Sorted());
    EXPECT_EQ(list->Style(), lbOwnerDrawFixed);
    EXPECT_EQ(list->Items()->CommaText(), "apple,pear");
    std::string written = TComponentWriter::WriteText(form);
    TForm* copy = Make<TForm>();
    TComponentReader::ReadText(copy, written);
    EXPECT_EQ(TComponentWriter::WriteText(copy), written);
}
