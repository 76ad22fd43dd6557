#include "skin/controls/TlxSkinCustomListView.h"

#include "platform/vcl/TComponentReader.h"
#include "platform/win/WinApi.h"
#include "skin/controls/SkinControlsRegistration.h"
#include "skin/engine/DataSkinControls.h"
#include "skin/engine/DataSkinListControls.h"
#include "tests/support/pictures/GoldenPicture.h"
#include "tests/support/skin/TSkinControlTest.h"

namespace {

uint32_t Rgb(uint32_t Pixel) {
    return Pixel & 0xFFFFFF;
}

class TlxSkinCustomListViewTest : public TSkinControlTest {
protected:
    // A "listview" description in white on dark blue and a header button
    // from the standard picture: normal at (0, 0), pressed at (24, 0).
    void LoadSkin(bool NinePartHeader = true) {
        TTestSkin skin;
        const int picture = skin.AddPicture(TTestSkin::StandardPicture());
        auto& view = skin.Add<TlxDataSkinListView>("listview");
        view.PictureIndex = -1;
        view.FontName = "Arial";
        view.FontHeight = 12;
        view.FontStyle = {fsBold};
        view.FontColor = 0xFFFFFF;
        view.BGColor = 0x602000;
        auto& header = skin.Add<TlxDataSkinButtonControl>("resizetoolbutton");
        TTestSkin::SetNinePart(header, picture);
        if (!NinePartHeader) {
            header.LBPoint = header.RBPoint = {0, 0};
            header.RTPoint = {16, 0};
        }
        header.DownSkinRect = {24, 0, 44, 20};
        header.FontColor = 0x000000;
        header.DownFontColor = 0xFFFFFF;
        skin.LoadInto(SD);
    }

    TlxSkinListView* List(TViewStyle Style = vsReport, int Rows = 0) {
        auto* l = Make<TlxSkinListView>(10, 10, 200, 100);
        l->SetViewStyle(Style);
        l->DefaultFont()->SetHeight(10);
        l->SetFont(*l->DefaultFont());
        for (const char* caption : {"Name", "Size"}) {
            TListColumn* c = l->Columns()->Add();
            c->SetCaption(caption);
            c->SetWidth(70);
        }
        for (int i = 0; i < Rows; ++i)
            l->Items()->Add()->SetCaption("row " + std::to_string(i));
        VBar = Make<TlxSkinScrollBar>(210, 10, 17, 100);
        VBar->SetKind(sbVertical);
        HBar = Make<TlxSkinScrollBar>(10, 110, 200, 17);
        l->SetVScrollBar(VBar);
        l->SetHScrollBar(HBar);
        Session.Pump();
        return l;
    }

    TlxSkinScrollBar* VBar = nullptr;
    TlxSkinScrollBar* HBar = nullptr;
};

} // namespace

TEST_F(TlxSkinCustomListViewTest, TakesTheSkinsFontAndColoursAndTheDefaultsWithoutIt) {
    LoadSkin();
    auto* l = List();
    l->SetDefaultColor(clInfoBk);
    EXPECT_EQ(l->Color(), clInfoBk); // unskinned: the default colour shows at once
    l->SetSkinData(SD);
    EXPECT_NE(l->SkinIndex(), -1);
    EXPECT_EQ(l->Color(), TColor(0x602000));
    EXPECT_EQ(l->Font()->Name(), "Arial");
    EXPECT_EQ(l->Font()->Height(), 12);
    EXPECT_EQ(l->Font()->Style(), TFontStyles{fsBold});
    EXPECT_EQ(l->Font()->Color(), TColor(0xFFFFFF));

    l->SetUseSkinFont(false);
    l->ChangeSkinData();
    EXPECT_EQ(l->Font()->Height(), 10); // the default font, in the skin's colour
    EXPECT_EQ(l->Font()->Color(), TColor(0xFFFFFF));

    l->SetSkinDataName("missing");
    l->ChangeSkinData();
    EXPECT_EQ(l->SkinIndex(), -1);
    EXPECT_EQ(l->Color(), clInfoBk);
    EXPECT_EQ(l->Font()->Color(), l->DefaultFont()->Color());
}

TEST_F(TlxSkinCustomListViewTest, HasNoFrameOrBarsOfItsOwnButKeepsItsScrollState) {
    auto* l = List(vsReport, 30);
    EXPECT_EQ(static_cast<uint32_t>(GetWindowLongPtr(l->Handle(), GWL_STYLE)) & (WS_VSCROLL | WS_HSCROLL),
              0u);
    EXPECT_EQ(l->ClientRect(), (TRect{0, 0, l->Width(), l->Height()}));
    EXPECT_EQ(l->Perform(CM_SKINPAINTNC), SkinPaintNCAnswer);
    TScrollInfo si;
    si.fMask = SIF_ALL;
    ASSERT_TRUE(GetScrollInfo(l->Handle(), SB_VERT, si));
    EXPECT_EQ(si.nMax, 29);
}

TEST_F(TlxSkinCustomListViewTest, TheVerticalBarAppearsWhenRowsExceedThePageAndScrollsByRows) {
    auto* l = List(vsReport, 2);
    const int perPage = l->ItemsPerPage();
    for (int i = 2; i < perPage; ++i)
        l->Items()->Add()->SetCaption("more");
    Session.Pump();
    EXPECT_FALSE(VBar->Visible());
    for (int i = 0; i < 5; ++i)
        l->Items()->Add()->SetCaption("more");
    Session.Pump();
    EXPECT_TRUE(VBar->Visible());
    EXPECT_EQ(VBar->PageSize(), perPage);
    EXPECT_EQ(VBar->LargeChange(), perPage);
    EXPECT_EQ(VBar->SmallChange(), 1);
    EXPECT_EQ(VBar->Max(), perPage + 4);

    // Moving the bar by 3 scrolls the rows by 3; the view scrolled by other
    // means (the wheel) moves the bar.
    VBar->SetPosition(3);
    EXPECT_EQ(l->TopIndex(), 3);
    l->Perform(WM_MOUSEWHEEL, MakeWParam(0, 120));
    EXPECT_EQ(l->TopIndex(), 0);
    EXPECT_EQ(VBar->Position(), 0);

    // Positions past 16 bits reach the view and come back whole.
    l->SetOwnerData(true);
    l->Items()->SetCount(100000);
    Session.Pump();
    EXPECT_EQ(VBar->Max(), 99999);
    VBar->SetPosition(70000);
    EXPECT_EQ(l->TopIndex(), 70000);
    l->Perform(WM_MOUSEWHEEL, MakeWParam(0, -120));
    EXPECT_EQ(VBar->Position(), 70003);
}

TEST_F(TlxSkinCustomListViewTest, BarsFollowTheHorizontalContentAndTheViewsVisibility) {
    auto* l = List(vsReport, 3);
    EXPECT_FALSE(HBar->Visible());
    l->Column(1)->SetWidth(300);
    Session.Pump();
    ASSERT_TRUE(HBar->Visible());
    EXPECT_TRUE(HBar->Both() == VBar->Visible());
    HBar->SetPosition(50);
    EXPECT_EQ(l->ScrollX(), 50);

    l->Hide();
    EXPECT_FALSE(HBar->Visible());
    EXPECT_FALSE(VBar->Visible());
}

TEST_F(TlxSkinCustomListViewTest, ListStyleScrollsByColumnsAndANarrowViewLeavesItsBarsAlone) {
    auto* l = List(vsList, 100);
    ASSERT_TRUE(HBar->Visible());
    EXPECT_FALSE(VBar->Visible());
    HBar->SetPosition(2);
    EXPECT_EQ(l->TopIndex(), 2 * (l->ClientHeight() / l->RowHeight()));
    HBar->SetPosition(1);
    EXPECT_EQ(l->TopIndex(), l->ClientHeight() / l->RowHeight());

    l->SetWidth(5);
    l->Items()->Clear();
    Session.Pump();
    EXPECT_TRUE(HBar->Visible()); // never updated below 6 pixels
}

TEST_F(TlxSkinCustomListViewTest, APressedSectionIsDrawnPressedUntilReleasedADividerIsNot) {
    LoadSkin();
    auto* l = List(vsReport, 2);
    l->SetSkinData(SD);
    Session.Pump();
    TListHeader* h = l->HeaderControl();
    ASSERT_NE(h, nullptr);
    const TPoint section = h->ClientToScreen({30, 5});
    Session.MouseMove(section);
    Session.MouseDown(section);
    Session.Pump();
    EXPECT_EQ(l->ActiveSection(), 0);
    EXPECT_TRUE(l->HeaderDown());
    // The pressed picture's corner shows at the section's top-left.
    EXPECT_EQ(Rgb(Session.WindowShot(Form->Handle())
                      .ScanLine(h->ClientOrigin().Y -
                                Form->ClientOrigin().Y)[h->ClientOrigin().X - Form->ClientOrigin().X]),
              0x800000u);
    Session.MouseUp(section);
    Session.Pump();
    EXPECT_EQ(l->ActiveSection(), -1);
    EXPECT_FALSE(l->HeaderDown());

    const TPoint divider = h->ClientToScreen({69, 5});
    Session.MouseMove(divider);
    Session.MouseDown(divider);
    Session.Pump();
    EXPECT_TRUE(l->DevDown());
    EXPECT_FALSE(l->HeaderDown());
    Session.MouseUp(divider);
    Session.Pump();
    EXPECT_FALSE(l->DevDown());
}

TEST_F(TlxSkinCustomListViewTest, TheHeaderIsAlways25PixelsWiderThanTheViewMakesIt) {
    auto* l = List(vsReport, 2);
    TListHeader* h = l->HeaderControl();
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(h->Width(), l->ClientWidth() + 25);
    l->SetWidth(150);
    Session.Pump();
    EXPECT_EQ(h->Width(), l->ClientWidth() + 25);
}

TEST_F(TlxSkinCustomListViewTest, OwnerDrawnSectionsGetTheSectionBitmapAndNoCaption) {
    LoadSkin();
    auto* l = List(vsReport, 1);
    l->SetSkinData(SD);
    std::vector<std::string> drawn;
    l->OnDrawHeaderSection = [&](TCanvas* C, TListColumn* Column, bool Pressed, const TRect& R) {
        drawn.push_back(Column->Caption() + (Pressed ? " pressed " : " ") + std::to_string(R.Width()) + "x" +
                        std::to_string(R.Height()));
        C->Brush()->SetColor(clLime);
        C->FillRect({2, 2, 6, 6});
    };
    const int height = l->HeaderHeight();
    TBitmap shot = Shot(l);
    EXPECT_EQ(drawn, (std::vector<std::string>{"Name 70x" + std::to_string(height),
                                               "Size 70x" + std::to_string(height)}));
    EXPECT_EQ(Rgb(shot.ScanLine(3)[73]), 0x00FF00u);
    // Only the skin's picture lies between the marks: no caption was drawn.
    for (int x = 8; x < 66; ++x)
        EXPECT_NE(Rgb(shot.ScanLine(height / 2)[x]), 0x000000u) << x;
}

TEST_F(TlxSkinCustomListViewTest, LooksAsGoldens) {
    struct Case {
        const char* Golden;
        bool Skinned, NinePart;
    } cases[] = {
        {"builtin", false, true},
        {"skinned", true, true},
        {"skinned-three-part-header", true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Golden);
        LoadSkin(c.NinePart);
        auto* l = List(vsReport, 4);
        l->Column(1)->SetAlignment(taRightJustify);
        l->Items()->Item(0)->SubItems()->Add("12 MB");
        if (c.Skinned) l->SetSkinData(SD);
        l->SetItemIndex(1);
        EXPECT_TRUE(MatchesGolden(Shot(l), std::string("skin/controls/TlxSkinListView/") + c.Golden));
        l->Free();
    }
}

// The file list of the main window: report style, grid lines, whole rows,
// the visible columns of a converted file.
TEST_F(TlxSkinCustomListViewTest, TheMainWindowsFileList) {
    LoadSkin();
    auto* l = Make<TlxSkinListView>(0, 0, 380, 120);
    l->SetViewStyle(vsReport);
    l->SetGridLines(true);
    l->SetRowSelect(true);
    l->SetReadOnly(true);
    const std::pair<const char*, int> columns[] = {{"输入文件", 80}, {"视频时间", 70}, {"文件大小", 70},
                                                   {"输出文件", 80}, {"转换进度", 70}, {"", 0},
                                                   {"当前时间", 80}, {"转换大小", 80}};
    for (const auto& [caption, width] : columns) {
        TListColumn* c = l->Columns()->Add();
        c->SetCaption(caption);
        c->SetWidth(width);
    }
    TListItem* row = l->Items()->Add();
    row->SetCaption("/home/user/clip.mp4");
    for (const char* s : {"00:01:05", "12.5MB", "clip.avi", "45%", "", "00:00:29", "5.61MB"})
        row->SubItems()->Add(s);
    l->SetSkinData(SD);
    l->SetItemIndex(0);
    EXPECT_TRUE(MatchesGolden(Shot(l), "skin/controls/TlxSkinListView/file-list"));
}

TEST_F(TlxSkinCustomListViewTest, ReadFromAFormDescriptionWithItsBars) {
    RegisterSkinControls();
    LoadSkin();
    SD->SetName("SkinData1");
    Make<TlxSkinScrollBar>(0, 0, 17, 100)->SetName("Bar1");
    TComponentReader::ReadText(Form, R"(object Form1: TForm
  object List1: TlxSkinListView
    Width = 200
    Height = 100
    SkinData = SkinData1
    VScrollBar = Bar1
    HeaderSkinDataName = 'header'
    DefaultColor = clInfoBk
    ViewStyle = vsReport
  end
end
)");
    auto* list = dynamic_cast<TlxSkinListView*>(Form->FindComponent("List1"));
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->VScrollBar(), Form->FindComponent("Bar1"));
    EXPECT_EQ(list->HeaderSkinDataName(), "header");
    EXPECT_EQ(list->DefaultColor(), clInfoBk);
    EXPECT_NE(list->SkinIndex(), -1); // Loaded applied the skin
    EXPECT_EQ(list->Color(), TColor(0x602000));
}

TEST_F(TlxSkinCustomListViewTest, FollowsASkinChangeAndPaintsItsHeaderForAnotherCaller) {
    LoadSkin();
    auto* l = List(vsReport, 1);
    l->SetSkinData(SD);
    TTestSkin other;
    auto& view = other.Add<TlxDataSkinListView>("listview");
    view.PictureIndex = -1;
    view.BGColor = 0x004000;
    view.FontColor = 0x00FFFF;
    other.LoadInto(SD);
    EXPECT_EQ(l->Color(), TColor(0x004000));
    EXPECT_EQ(l->Font()->Color(), TColor(0x00FFFF));

    // Without a header description the built-in sections, drawn into the
    // caller's device context.
    TListHeader* h = l->HeaderControl();
    ASSERT_NE(h, nullptr);
    TBitmap into(h->Width(), h->Height());
    into.Fill(0xFF000000);
    l->Perform(CM_SKINPAINTHEADER, reinterpret_cast<WPARAM>(into.Canvas()->Handle()));
    EXPECT_EQ(Rgb(into.ScanLine(0)[0]), Rgb(ColorToPixel(clBtnShadow)));
    EXPECT_EQ(Rgb(into.ScanLine(2)[2]), Rgb(ColorToPixel(clBtnFace)));
}
