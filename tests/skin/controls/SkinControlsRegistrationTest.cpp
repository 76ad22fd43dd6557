#include "skin/controls/SkinControlsRegistration.h"

#include "platform/base/MemoryStream.h"
#include "platform/vcl/TComponentReader.h"
#include "platform/vcl/TComponentWriter.h"
#include "platform/vcl/TImageList.h"
#include "skin/controls/TlxSkinBevel.h"
#include "skin/controls/TlxSkinButton.h"
#include "skin/controls/TlxSkinCheckRadioBox.h"
#include "skin/controls/TlxSkinGroupBox.h"
#include "skin/controls/TlxSkinImagesMenu.h"
#include "skin/controls/TlxSkinMenuSpeedButton.h"
#include "skin/controls/TlxSkinScrollBar.h"
#include "skin/controls/TlxSkinScrollBox.h"
#include "skin/controls/TlxSkinSplitter.h"
#include "skin/controls/TlxSkinStatusBar.h"
#include "skin/controls/TlxSkinStatusPanel.h"
#include "skin/controls/TlxSkinStdLabel.h"
#include "skin/controls/TlxSkinTextLabel.h"
#include "skin/controls/TlxSkinToolBar.h"
#include "skin/controls/TlxSkinUpDown.h"
#include "tests/support/skin/TSkinControlTest.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

class SkinControlsRegistrationTest : public TSkinControlTest {
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
    // A form read from Text.
    TForm* Read(const std::string& Text) {
        Forms.push_back(new TForm(nullptr));
        TComponentReader::ReadText(Forms.back(), Text);
        return Forms.back();
    }
    std::vector<TForm*> Forms;
    template <class T> static T* Find(TForm* F, const char* Name) {
        auto* c = dynamic_cast<T*>(F->FindComponent(Name));
        EXPECT_TRUE(c) << Name;
        return c;
    }
    static bool Has(const std::string& Text, const std::string& Line) {
        return Text.find(Line) != std::string::npos;
    }
};

// A designed form with a value other than the constructor's on every class.
const char* const DesignedText =
    "object Form1: TForm\n"
    "  object Skin1: TlxSkinData\n"
    "  end\n"
    "  object Images1: TImageList\n"
    "  end\n"
    "  object Ok: TlxSkinButton\n"
    "    Left = 8\n    Top = 8\n    Width = 80\n    Height = 30\n"
    "    SkinData = Skin1\n    SkinDataName = 'bigbutton'\n"
    "    ImageList = Images1\n    ImageIndex = 2\n"
    "    Spacing = 4\n    Margin = 3\n    Layout = blGlyphTop\n"
    "    RepeatMode = True\n    RepeatInterval = 250\n"
    "    Default = True\n    ModalResult = 1\n    UseSkinFont = False\n"
    "    DefaultFont.Height = 20\n"
    "  end\n"
    "  object Tool: TlxSkinButton\n"
    "    Left = 8\n    Top = 40\n    Width = 80\n    Height = 30\n"
    "    GroupIndex = 3\n    CanFocused = True\n    Down = True\n"
    "    Glyph.Data = {GLYPH}\n"
    "  end\n"
    "  object Check: TlxSkinCheckRadioBox\n"
    "    Left = 8\n    Top = 80\n    Width = 100\n    Height = 20\n"
    "    AllowGrayed = True\n    Flat = False\n    WordWrap = True\n    State = cbGrayed\n"
    "  end\n"
    "  object Step: TlxSkinUpDown\n"
    "    Left = 120\n    Top = 8\n    Width = 40\n    Height = 20\n"
    "    Orientation = udVertical\n    Min = 150\n    Max = 300\n"
    "    Position = 200\n    Increment = 5\n"
    "  end\n"
    "  object Box: TlxSkinGroupBox\n"
    "    Left = 120\n    Top = 40\n    Width = 100\n    Height = 80\n"
    "    Caption = 'Options'\n    CaptionMode = False\n    Spacing = 5\n"
    "    BorderStyle = bvLowered\n"
    "  end\n"
    "  object Bar: TlxSkinScrollBar\n"
    "    Left = 0\n    Top = 200\n    Width = 200\n    Height = 19\n"
    "    Min = 10\n    Max = 500\n    PageSize = 50\n    Position = 40\n"
    "    LargeChange = 20\n"
    "  end\n"
    "  object Panel1: TlxSkinStatusPanel\n"
    "    Left = 0\n    Top = 230\n    Width = 120\n    Height = 21\n"
    "    ShadowColor = clRed\n    ImageIndex = 1\n    EllipsType = lxetEllips\n"
    "  end\n"
    "  object Note: TlxSkinTextLabel\n"
    "    Left = 240\n    Top = 8\n    Width = 65\n    Height = 65\n"
    "    AutoSize = False\n    Layout = tlCenter\n    SkinDataName = 'label'\n"
    "    Lines.Strings = (\n      'one'\n      'two')\n"
    "  end\n"
    "  object Menu1: TlxSkinPopupMenu\n"
    "  end\n"
    "  object Grid1: TlxSkinImagesMenu\n"
    "    Images = Images1\n    ColumnsCount = 3\n    SkinData = Skin1\n"
    "    ImagesItems = <\n      item\n        Caption = 'Video'\n        Header = True\n      end\n"
    "      item\n        Caption = 'AVI'\n        Hint = 'AVI video'\n        ImageIndex = 5\n      end\n"
    "      item\n        Caption = 'More'\n        Button = True\n      end>\n"
    "    ItemIndex = 1\n    ShowSelectedItem = False\n    AlphaBlend = True\n    AlphaBlendValue = 150\n"
    "  end\n"
    "  object Tools: TlxSkinMenuSpeedButton\n"
    "    Left = 240\n    Top = 120\n    Width = 60\n    Height = 25\n"
    "    SkinDataName = 'bigtoolbutton'\n    NewStyle = True\n"
    "    SkinPopupMenu = Menu1\n    TrackButtonMode = True\n"
    "    SkinImagesMenu = Grid1\n    UseImagesMenuImage = True\n    UseImagesMenuCaption = True\n"
    "    Flat = True\n    Spacing = 4\n    ImageIndex = 3\n"
    "    WidthWithCaption = 60\n    WidthWithoutCaption = 30\n"
    "    ShowCaption = False\n"
    "  end\n"
    "  object Bar1: TlxSkinToolBar\n"
    "    Left = 0\n    Top = 150\n    Width = 200\n    Height = 30\n"
    "    Flat = True\n    AdjustControls = False\n    Images = Images1\n"
    "    CanScroll = True\n    HotScroll = True\n    ScrollOffset = 40\n    ScrollTimerInterval = 75\n"
    "  end\n"
    "  object Status1: TlxSkinStatusBar\n"
    "    Left = 0\n    Top = 0\n    Width = 200\n    Height = 21\n"
    "    Align = alTop\n    SizeGrip = True\n"
    "  end\n"
    "  object Split1: TlxSkinSplitter\n"
    "    Left = 0\n    Top = 0\n    Width = 6\n    Height = 100\n"
    "    SkinData = Skin1\n    SkinDataName = 'hsplitter'\n    DefaultSize = 7\n    Transparent = True\n"
    "  end\n"
    "  object Bevel1: TlxSkinBevel\n"
    "    Left = 0\n    Top = 0\n    Width = 6\n    Height = 100\n"
    "    DividerMode = True\n    Shape = bsTopLine\n"
    "  end\n"
    "  object VBar1: TlxSkinScrollBar\n"
    "    Left = 0\n    Top = 0\n    Width = 19\n    Height = 100\n    Kind = sbVertical\n"
    "  end\n"
    "  object Box1: TlxSkinScrollBox\n"
    "    Left = 0\n    Top = 0\n    Width = 100\n    Height = 100\n"
    "    BorderStyle = bvNone\n    CanFocused = True\n    VScrollBar = VBar1\n"
    "  end\n"
    "  object Title: TlxSkinStdLabel\n"
    "    Left = 240\n    Top = 80\n    Width = 65\n    Height = 15\n"
    "    Transparent = False\n    EllipsType = lxetPathEllips\n"
    "  end\n"
    "end\n";

// The designed form with a glyph of 3 x 2 in BMP bytes.
std::string Designed() {
    TBitmap glyph(3, 2);
    TMemoryStream s;
    glyph.SaveToStream(s);
    std::string hex;
    char buf[3];
    for (int64_t i = 0; i < s.Size(); ++i) {
        std::snprintf(buf, sizeof buf, "%02X", static_cast<const uint8_t*>(s.Memory())[i]);
        hex += buf;
    }
    std::string text = DesignedText;
    text.replace(text.find("GLYPH"), 5, hex);
    return text;
}

} // namespace

TEST_F(SkinControlsRegistrationTest, DesignedValuesReadAndWriteBack) {
    TForm* f = Read(Designed());
    auto* ok = Find<TlxSkinButton>(f, "Ok");
    auto* tool = Find<TlxSkinButton>(f, "Tool");
    auto* check = Find<TlxSkinCheckRadioBox>(f, "Check");
    auto* step = Find<TlxSkinUpDown>(f, "Step");
    auto* box = Find<TlxSkinGroupBox>(f, "Box");
    auto* bar = Find<TlxSkinScrollBar>(f, "Bar");
    auto* panel = Find<TlxSkinStatusPanel>(f, "Panel1");
    auto* note = Find<TlxSkinTextLabel>(f, "Note");
    auto* title = Find<TlxSkinStdLabel>(f, "Title");
    ASSERT_TRUE(ok && tool && check && step && box && bar && panel && note && title);

    EXPECT_EQ(ok->SkinData(), f->FindComponent("Skin1"));
    EXPECT_EQ(ok->SkinDataName(), "bigbutton");
    EXPECT_EQ(ok->ImageList(), f->FindComponent("Images1"));
    EXPECT_EQ(ok->ImageIndex(), 2);
    EXPECT_EQ(ok->Spacing(), 4);
    EXPECT_EQ(ok->Margin(), 3);
    EXPECT_EQ(ok->Layout(), blGlyphTop);
    EXPECT_TRUE(ok->RepeatMode());
    EXPECT_EQ(ok->RepeatInterval(), 250);
    EXPECT_TRUE(ok->Default());
    EXPECT_EQ(ok->ModalResult(), 1);
    EXPECT_FALSE(ok->UseSkinFont());
    EXPECT_EQ(ok->DefaultFont()->Height(), 20);
    // The group is read before CanFocused, which it would turn off.
    EXPECT_EQ(tool->GroupIndex(), 3);
    EXPECT_TRUE(tool->CanFocused());
    EXPECT_TRUE(tool->Down());
    EXPECT_EQ(tool->Glyph()->Width(), 3);
    EXPECT_EQ(tool->Glyph()->Height(), 2);
    EXPECT_EQ(check->State(), cbGrayed);
    EXPECT_TRUE(check->AllowGrayed() && check->WordWrap());
    EXPECT_FALSE(check->Flat());
    EXPECT_EQ(step->Orientation(), udVertical);
    EXPECT_EQ(step->Min(), 150);
    EXPECT_EQ(step->Max(), 300);
    EXPECT_EQ(step->Position(), 200);
    EXPECT_EQ(step->Increment(), 5);
    EXPECT_FALSE(box->CaptionMode());
    EXPECT_EQ(box->Spacing(), 5);
    EXPECT_EQ(box->BorderStyle(), bvLowered);
    EXPECT_EQ(bar->Min(), 10);
    EXPECT_EQ(bar->Max(), 500);
    EXPECT_EQ(bar->PageSize(), 50);
    EXPECT_EQ(bar->Position(), 40);
    EXPECT_EQ(bar->LargeChange(), 20);
    EXPECT_EQ(panel->ShadowColor(), clRed);
    EXPECT_EQ(panel->ImageIndex(), 1);
    EXPECT_EQ(panel->EllipsType(), lxetEllips);
    EXPECT_FALSE(note->AutoSize());
    EXPECT_EQ(note->Layout(), tlCenter);
    EXPECT_EQ(note->SkinDataName(), "label");
    EXPECT_EQ(note->Lines()->Count(), 2);
    auto* bar1 = Find<TlxSkinToolBar>(f, "Bar1");
    auto* status = Find<TlxSkinStatusBar>(f, "Status1");
    ASSERT_TRUE(bar1 && status);
    EXPECT_TRUE(bar1->Flat());
    EXPECT_FALSE(bar1->AdjustControls());
    EXPECT_EQ(bar1->Images(), f->FindComponent("Images1"));
    EXPECT_TRUE(bar1->CanScroll() && bar1->HotScroll());
    EXPECT_EQ(bar1->ScrollOffset(), 40);
    EXPECT_EQ(bar1->ScrollTimerInterval(), 75);
    EXPECT_EQ(status->Align(), alTop);
    EXPECT_TRUE(status->SizeGrip());
    auto* split = Find<TlxSkinSplitter>(f, "Split1");
    auto* bevel = Find<TlxSkinBevel>(f, "Bevel1");
    ASSERT_TRUE(split && bevel);
    EXPECT_EQ(split->SkinData(), f->FindComponent("Skin1"));
    EXPECT_EQ(split->SkinDataName(), "hsplitter");
    EXPECT_EQ(split->DefaultSize(), 7);
    EXPECT_TRUE(split->Transparent());
    EXPECT_TRUE(bevel->DividerMode());
    EXPECT_EQ(bevel->Shape(), bsTopLine);
    auto* box1 = Find<TlxSkinScrollBox>(f, "Box1");
    ASSERT_TRUE(box1);
    EXPECT_EQ(box1->BorderStyle(), bvNone);
    EXPECT_TRUE(box1->CanFocused());
    EXPECT_EQ(box1->VScrollBar(), f->FindComponent("VBar1"));
    auto* tools = Find<TlxSkinMenuSpeedButton>(f, "Tools");
    ASSERT_TRUE(tools);
    EXPECT_EQ(tools->SkinDataName(), "bigtoolbutton");
    EXPECT_TRUE(tools->NewStyle() && tools->TrackButtonMode() && tools->Flat() && tools->Transparent());
    EXPECT_EQ(tools->SkinPopupMenu(), f->FindComponent("Menu1"));
    auto* grid = Find<TlxSkinImagesMenu>(f, "Grid1");
    ASSERT_TRUE(grid);
    EXPECT_EQ(tools->SkinImagesMenu(), grid);
    EXPECT_TRUE(tools->UseImagesMenuImage() && tools->UseImagesMenuCaption());
    EXPECT_EQ(grid->Images(), f->FindComponent("Images1"));
    EXPECT_EQ(grid->SkinData(), f->FindComponent("Skin1"));
    EXPECT_EQ(grid->ColumnsCount(), 3);
    ASSERT_EQ(grid->ImagesItems()->Count(), 3);
    EXPECT_TRUE(grid->ImagesItems()->Items(0)->Header());
    EXPECT_EQ(grid->ImagesItems()->Items(1)->Hint(), "AVI video");
    EXPECT_EQ(grid->ImagesItems()->Items(1)->ImageIndex(), 5);
    EXPECT_TRUE(grid->ImagesItems()->Items(2)->Button());
    EXPECT_EQ(grid->SelectedItem(), grid->ImagesItems()->Items(1));
    EXPECT_FALSE(grid->ShowSelectedItem());
    EXPECT_TRUE(grid->AlphaBlend());
    EXPECT_EQ(grid->AlphaBlendValue(), 150);
    EXPECT_EQ(tools->Spacing(), 4);
    EXPECT_EQ(tools->ImageIndex(), 3);
    EXPECT_FALSE(tools->ShowCaption());
    EXPECT_EQ(tools->Width(), 30);
    EXPECT_FALSE(title->Transparent());
    EXPECT_EQ(title->EllipsType(), lxetPathEllips);

    // What the writer gives reads back into the same thing.
    const std::string written = TComponentWriter::WriteText(f);
    EXPECT_TRUE(Has(written, "Spacing = 4")) << written;
    EXPECT_EQ(TComponentWriter::WriteText(Read(written)), written);
}

TEST_F(SkinControlsRegistrationTest, ValuesOfAFreshControlAreNotWrittenAndOthersAlwaysAre) {
    TForm* f = Read("object Form1: TForm\n"
                    "  object B1: TlxSkinButton\n  end\n"
                    "  object G1: TlxSkinGroupBox\n  end\n"
                    "  object S1: TlxSkinScrollBar\n  end\n"
                    "  object T1: TlxSkinToolBar\n  end\n"
                    "  object St1: TlxSkinStatusBar\n  end\n"
                    "end\n");
    const std::string plain = TComponentWriter::WriteText(f);
    for (const char* line : {"Spacing", "SkinDataName", "CaptionMode", "Margin", "ImageIndex", "TabStop",
                             "Max", "DefaultHeight", "BothSkinDataName", "Align", "BorderStyle"})
        EXPECT_FALSE(Has(plain, line)) << line << " in\n" << plain;

    // The button is built with a spacing of 1: a designed 4 (the value other
    // toolkits leave unwritten) is written and reads back as 4, a designed 1
    // is the fresh value.
    auto* b = Find<TlxSkinButton>(f, "B1");
    ASSERT_TRUE(b);
    EXPECT_EQ(b->Spacing(), 1);
    b->SetSpacing(4);
    const std::string designed = TComponentWriter::WriteText(f);
    EXPECT_TRUE(Has(designed, "Spacing = 4")) << designed;
    EXPECT_EQ(Find<TlxSkinButton>(Read(designed), "B1")->Spacing(), 4);
}

TEST_F(SkinControlsRegistrationTest, BadValuesAreRefused) {
    for (const char* body : {"    Layout = blNowhere\n", "    Glyph.Data = 'not bytes'\n",
                             "    Spacing = 99999999999\n", "    SkinData = Images1\n"}) {
        const std::string text = std::string("object Form1: TForm\n  object Images1: TImageList\n  end\n"
                                             "  object B1: TlxSkinButton\n") +
                                 body + "  end\nend\n";
        EXPECT_THROW(Read(text), Exception) << body;
    }
}
