#include "VclProbes.h"

#include "platform/vcl/TComponentReader.h"
#include "platform/vcl/TListView.h"
#include "tests/support/pictures/GoldenPicture.h"

#include <gtest/gtest.h>

namespace {

TImageList* SolidImages(TComponent* Owner, int Size) {
    auto* list = new TImageList(Owner);
    list->SetWidth(Size);
    list->SetHeight(Size);
    for (uint32_t colour : {0xFFFF0000u, 0xFF00FF00u, 0xFF0000FFu}) {
        TBitmap b(Size, Size);
        b.Fill(colour);
        list->Add(&b, nullptr);
    }
    return list;
}

class TListViewTest : public TVclFixture {
protected:
    TForm* Form = nullptr;
    TListView* List = nullptr;

    void SetUp() override {
        TVclFixture::SetUp();
        Form = MakeForm(10, 10, 400, 300);
        List = new TListView(Form);
        List->SetParent(Form);
        List->Font()->SetName("Arial");
        List->Font()->SetHeight(10); // cell height: rows of 14, a header of 18
        List->SetBounds(0, 0, 200, 150);
    }
    void AddRows(int Count, const std::string& Prefix = "Row ") {
        List->Items()->BeginUpdate();
        for (int i = 0; i < Count; ++i) {
            TListItem* item = List->Items()->Add();
            item->SetCaption(Prefix + std::to_string(i));
            item->SubItems()->Add("s" + std::to_string(i));
        }
        List->Items()->EndUpdate();
    }
    void AddColumns(std::initializer_list<int> Widths) {
        for (int w : Widths)
            List->Columns()->Add()->SetWidth(w);
    }
    TBitmap Picture() {
        TBitmap b(List->Width(), List->Height());
        HDC dc = CreateBitmapDC(&b);
        List->PaintTo(dc, 0, 0);
        DeleteDC(dc);
        return b;
    }
    TPoint HeaderPoint(int X) { return List->Header()->ClientToScreen({X, 5}); }
};

} // namespace

TEST_F(TListViewTest, GoldensForEveryViewStyle) {
    ASSERT_EQ(List->RowHeight(), 14);
    List->SetSmallImages(SolidImages(Form, 4));
    List->SetLargeImages(SolidImages(Form, 8));
    List->SetHideSelection(false); // unfocused selection in the button face colour
    for (int i = 0; i < 3; ++i)
        List->Items()->Add()->SetImageIndex(i);
    List->Items()->Item(1)->SetSelected(true);
    AddColumns({20, 15});
    List->SetGridLines(true);
    List->SetRowSelect(true);

    // tests/golden/platform/vcl/TListView/<name>.png
    struct Case {
        TViewStyle Style;
        int W, H;
        const char* Golden;
    } cases[] = {
        {vsReport, 40, 50, "report"},
        {vsList, 40, 30, "list"},
        {vsSmallIcon, 40, 30, "smallicon"},
        {vsIcon, 80, 60, "icon"},
    };
    for (const Case& c : cases) {
        List->SetViewStyle(c.Style);
        List->SetBounds(0, 0, c.W, c.H);
        EXPECT_TRUE(MatchesGolden(Picture(), std::string("platform/vcl/TListView/") + c.Golden)) << c.Style;
    }
}

TEST_F(TListViewTest, CaptionsAndSubItemsAreDrawnInTheirCells) {
    List->SetViewStyle(vsReport);
    AddColumns({60, 60});
    AddRows(1, "WWW");
    TBitmap b = Picture();
    int top = List->HeaderHeight();
    auto inked = [&](int l, int t, int r, int bt) {
        int n = 0;
        for (int y = t; y < bt; ++y)
            for (int x = l; x < r; ++x)
                n += (b.ScanLine(y)[x] & 0xFFFFFF) != 0xFFFFFF;
        return n;
    };
    EXPECT_GT(inked(0, top, 60, top + 14), 10);   // the caption in column 0
    EXPECT_GT(inked(60, top, 120, top + 14), 5);  // its sub-item in column 1
    EXPECT_EQ(inked(120, top, 200, top + 14), 0); // nothing beyond the columns
    EXPECT_EQ(inked(0, top + 14, 200, 150), 0);   // nor below the row
}

TEST_F(TListViewTest, HeaderSectionsFollowTheOrderAfterAColumnDrag) {
    List->SetViewStyle(vsReport);
    AddColumns({50, 60, 70});
    List->SetFullDrag(true);
    std::vector<int> clicks;
    List->OnColumnClick = [&](TObject*, TListColumn* c) { clicks.push_back(c->Index()); };
    Form->Show();
    Session.Pump();
    TListHeader* header = List->Header();
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(header->Height(), 18);

    Session.Drag(HeaderPoint(25), HeaderPoint(150)); // column 0 onto column 2
    Session.Pump();
    EXPECT_EQ(header->OrderArray(), (std::vector<int>{1, 2, 0}));
    EXPECT_EQ(header->SectionRect(1), (TRect{0, 0, 60, 18}));
    EXPECT_EQ(header->SectionRect(2), (TRect{60, 0, 130, 18}));
    EXPECT_EQ(header->SectionRect(0), (TRect{130, 0, 180, 18}));
    int order[3] = {};
    EXPECT_EQ(header->Perform(HDM_GETORDERARRAY, 3, reinterpret_cast<LPARAM>(order)), 1);
    EXPECT_EQ(std::vector<int>(order, order + 3), (std::vector<int>{1, 2, 0}));
    TRect r;
    header->Perform(HDM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&r));
    EXPECT_EQ(r, (TRect{130, 0, 180, 18}));
    EXPECT_TRUE(clicks.empty()); // a drag is no click

    Session.Click(HeaderPoint(100));
    Session.Pump();
    EXPECT_EQ(clicks, (std::vector<int>{2}));

    // Without FullDrag a drag moves nothing.
    List->SetFullDrag(false);
    Session.Drag(HeaderPoint(25), HeaderPoint(150));
    Session.Pump();
    EXPECT_EQ(header->OrderArray(), (std::vector<int>{1, 2, 0}));
}

TEST_F(TListViewTest, DividerHitTestAndDraggingResizeTheColumn) {
    List->SetViewStyle(vsReport);
    AddColumns({50, 0, 60}); // a hidden column shares column 0's edge
    Form->Show();
    Session.Pump();
    TListHeader* header = List->Header();
    struct Case {
        int X;
        uint32_t Flags;
        int Item;
    } cases[] = {{50, HHT_ONDIVIDER, 0}, {47, HHT_ONDIVIDER, 0},  {30, HHT_ONHEADER, 0},
                 {80, HHT_ONHEADER, 2},  {110, HHT_ONDIVIDER, 2}, {150, HHT_NOWHERE, -1}};
    for (const Case& c : cases) {
        THDHitTestInfo info;
        info.pt = {c.X, 5};
        EXPECT_EQ(header->Perform(HDM_HITTEST, 0, reinterpret_cast<LPARAM>(&info)), c.Item) << c.X;
        EXPECT_EQ(info.flags, c.Flags) << c.X;
        EXPECT_EQ(info.iItem, c.Item) << c.X;
    }
    Session.Drag(HeaderPoint(50), HeaderPoint(80));
    Session.Pump();
    EXPECT_EQ(List->Column(0)->Width(), 80);
    EXPECT_EQ(List->Column(1)->Width(), 0);
    EXPECT_EQ(header->SectionRect(2), (TRect{80, 0, 140, 18}));
}

TEST_F(TListViewTest, ScrollItemsPerPageAndScrollState) {
    List->SetViewStyle(vsReport);
    AddColumns({100, 150});
    AddRows(20);
    List->SetHeight(18 + 5 * 14 + 7); // five whole rows under the header
    int announced = 0;
    List->OnScrollChanged = [&](TObject*) { ++announced; };
    EXPECT_EQ(List->ItemsPerPage(), 5);
    EXPECT_EQ(List->Perform(LVM_GETCOUNTPERPAGE), 5);
    TScrollInfo si;
    si.fMask = SIF_ALL;
    GetScrollInfo(List->Handle(), SB_VERT, si);
    EXPECT_EQ(si.nMax, 19);
    EXPECT_EQ(si.nPage, 5u);

    List->Scroll(0, 3 * List->ItemRect(0).Height());
    EXPECT_EQ(List->TopIndex(), 3);
    EXPECT_EQ(List->ItemRect(3).Top, 18);
    GetScrollInfo(List->Handle(), SB_VERT, si);
    EXPECT_EQ(si.nPos, 3);
    EXPECT_EQ(announced, 1);
    List->Scroll(0, 100 * 14); // clamped to the last page
    EXPECT_EQ(List->TopIndex(), 15);
    // Columns wider than the view scroll sideways in pixels.
    GetScrollInfo(List->Handle(), SB_HORZ, si);
    EXPECT_EQ(si.nMax, 250);
    EXPECT_EQ(si.nPage, 200u);
    List->Scroll(30, 0);
    EXPECT_EQ(List->Header()->SectionRect(0).Left, -30);

    // List style: columns of rows; the horizontal range counts columns.
    List->SetWidth(100);
    List->SetViewStyle(vsList);
    int per = List->ClientHeight() / 14;
    EXPECT_EQ(List->ItemRect(per).Left, List->ItemRect(0).Right);
    GetScrollInfo(List->Handle(), SB_HORZ, si);
    EXPECT_EQ(si.nMax, (20 + per - 1) / per - 1);
    List->Perform(WM_HSCROLL, MakeWParam(SB_LINERIGHT, 0), 0);
    EXPECT_EQ(List->TopIndex(), per);
}

TEST_F(TListViewTest, AWheelScrollRaisesTheScrollChangedNotification) {
    List->SetViewStyle(vsReport);
    AddColumns({100});
    AddRows(30);
    Form->Show();
    Session.Pump();
    List->SetFocus();
    int announced = 0;
    List->OnScrollChanged = [&](TObject*) { ++announced; };
    Session.Wheel(-WHEEL_DELTA, Centre(List));
    Session.Pump();
    EXPECT_EQ(List->TopIndex(), 3);
    EXPECT_EQ(announced, 1);
    Session.Wheel(WHEEL_DELTA * 2, Centre(List));
    Session.Pump();
    EXPECT_EQ(List->TopIndex(), 0);
    EXPECT_EQ(announced, 2);
}

TEST_F(TListViewTest, SelectItemFiresOncePerChangedRowInOrder) {
    List->SetViewStyle(vsReport);
    List->SetRowSelect(true);
    List->SetMultiSelect(true);
    AddColumns({100});
    AddRows(6);
    Form->Show();
    Session.Pump();
    std::vector<std::string> log;
    List->OnSelectItem = [&](TObject*, TListItem* item, bool selected) {
        log.push_back(std::to_string(item->Index()) + (selected ? "+" : "-"));
    };
    int clicks = 0, doubles = 0;
    List->OnClick = [&](TObject*) { ++clicks; };
    List->OnDblClick = [&](TObject*) { ++doubles; };
    auto row = [&](int i) { return List->ClientToScreen({10, 18 + i * 14 + 7}); };

    Session.Click(row(1));
    Session.KeyDown(VK_CONTROL);
    Session.Click(row(3));
    Session.KeyUp(VK_CONTROL);
    Session.Skip(1000);
    Session.Click(row(2)); // the others go first, in row order
    Session.KeyDown(VK_SHIFT);
    Session.Click(row(4));
    Session.KeyUp(VK_SHIFT);
    Session.Skip(1000);
    Session.Key(VK_DOWN);
    Session.Pump();
    EXPECT_EQ(log,
              (std::vector<std::string>{"1+", "3+", "1-", "3-", "2+", "3+", "4+", "2-", "3-", "4-", "5+"}));
    EXPECT_EQ(List->ItemIndex(), 5);
    EXPECT_EQ(List->SelCount(), 1);
    EXPECT_EQ(clicks, 4);

    log.clear();
    Session.Click(row(0));
    Session.Click(row(0));
    Session.Pump();
    EXPECT_EQ(doubles, 1);
    EXPECT_EQ(log, (std::vector<std::string>{"5-", "0+"}));
    List->SetItemIndex(-1);
    EXPECT_EQ(log.back(), "0-");
}

TEST_F(TListViewTest, OwnerDataFetchesOnlyTheRowsItShows) {
    List->SetViewStyle(vsReport);
    AddColumns({100, 60});
    List->SetOwnerData(true);
    std::vector<int> fetched;
    List->OnData = [&](TObject*, TListItem* item) {
        fetched.push_back(item->Index());
        item->SetCaption("Row " + std::to_string(item->Index()));
        item->SubItems()->Add("x");
    };
    std::vector<std::string> finds;
    List->OnDataFind = [&](TObject*, TItemFind find, const std::string& s, TPoint, void*, int start,
                           TSearchDirection, bool wrap, int& index) {
        finds.push_back(s + "@" + std::to_string(start) + (find == ifPartialString ? " partial" : "") +
                        (wrap ? " wrap" : ""));
        index = 42;
    };
    List->Items()->SetCount(100000);
    Form->Show();
    Session.Pump();
    EXPECT_EQ(List->Items()->Count(), 100000);
    EXPECT_FALSE(fetched.empty());
    EXPECT_LT(*std::max_element(fetched.begin(), fetched.end()), 20);
    EXPECT_EQ(List->Items()->Item(777)->Caption(), "Row 777");
    TListItem* first = List->Items()->Item(5);
    List->Items()->Item(6); // the one item is refilled, never freed under a caller
    EXPECT_EQ(first->Caption(), "Row 6");
    EXPECT_EQ(first->SubItems()->Count(), 1);

    std::vector<int> selected;
    List->OnSelectItem = [&](TObject*, TListItem* item, bool on) {
        if (on) selected.push_back(item->Index());
    };
    Session.Click(List->ClientToScreen({10, 18 + 2 * 14 + 7}));
    Session.Pump();
    EXPECT_EQ(selected, (std::vector<int>{2}));
    Session.Type("r");
    Session.Pump();
    EXPECT_EQ(finds, (std::vector<std::string>{"r@3 partial wrap"}));
    EXPECT_EQ(List->ItemIndex(), 42);
    EXPECT_EQ(selected.back(), 42);
}

TEST_F(TListViewTest, TheHeaderPaintHookReplacesEveryHeaderPixel) {
    List->SetViewStyle(vsReport);
    auto* col = List->Columns()->Add();
    col->SetCaption("Name");
    col->SetWidth(80);
    int hooked = 0;
    List->Header()->PaintHook = [&](TListHeader* h, TCanvas* c) {
        ++hooked;
        c->Brush()->SetColor(clLime);
        c->FillRect(h->ClientRect());
    };
    Form->Show();
    Session.Pump();
    EXPECT_GT(hooked, 0);
    TBitmap shot = Session.WindowShot(Form->Handle());
    int other = 0;
    for (int y = 0; y < 18; ++y)
        for (int x = 0; x < 200; ++x)
            other += Pixel(shot, x, y) != Rgb(clLime);
    EXPECT_EQ(other, 0);
    // Without it the built-in look draws the section frame.
    List->Header()->PaintHook = nullptr;
    List->Header()->Invalidate();
    Session.Pump();
    shot = Session.WindowShot(Form->Handle());
    EXPECT_EQ(Pixel(shot, 79, 5), Rgb(clBtnShadow));
}

TEST_F(TListViewTest, SortingByCompareEventAndByCaption) {
    List->SetViewStyle(vsReport);
    for (const char* s : {"beta", "Alpha", "gamma"})
        List->Items()->Add()->SetCaption(s);
    List->Items()->Item(2)->SetSelected(true);
    auto captions = [&] {
        std::vector<std::string> v;
        for (int i = 0; i < List->Items()->Count(); ++i)
            v.push_back(List->Items()->Item(i)->Caption());
        return v;
    };
    List->SetSortType(stText);
    EXPECT_EQ(captions(), (std::vector<std::string>{"Alpha", "beta", "gamma"}));
    List->Items()->Add()->SetCaption("aardvark"); // sorted in by its caption
    EXPECT_EQ(captions(), (std::vector<std::string>{"aardvark", "Alpha", "beta", "gamma"}));
    List->OnCompare = [](TObject*, TListItem* a, TListItem* b, int, int& result) {
        result = CompareText(b->Caption(), a->Caption());
    };
    List->AlphaSort();
    EXPECT_EQ(captions(), (std::vector<std::string>{"gamma", "beta", "Alpha", "aardvark"}));
    EXPECT_EQ(List->ItemIndex(), 0); // the selection moved with its row
}

TEST_F(TListViewTest, ReadFromAFormDescription) {
    TComponentReader::ReadText(Form, R"(object Form1: TForm
  object ListView1: TListView
    Left = 0
    Top = 0
    Width = 200
    Height = 100
    Columns = <
      item
        Caption = 'Name'
        Width = 120
      end
      item
        Alignment = taRightJustify
        Caption = 'Size'
      end>
    GridLines = True
    ReadOnly = True
    RowSelect = True
    ViewStyle = vsReport
  end
end
)");
    auto* list = dynamic_cast<TListView*>(Form->FindComponent("ListView1"));
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->ViewStyle(), vsReport);
    ASSERT_EQ(list->Columns()->Count(), 2);
    EXPECT_EQ(list->Column(0)->Width(), 120);
    EXPECT_EQ(list->Column(1)->Alignment(), taRightJustify);
    EXPECT_TRUE(list->RowSelect() && list->GridLines() && list->ReadOnly());
    ASSERT_NE(list->Header(), nullptr);
    EXPECT_EQ(list->Header()->SectionRect(1), (TRect{120, 0, 170, list->HeaderHeight()}));
}

// What shows on the screen, not a fresh painting: the view repaints its
// selection itself when the focus comes and goes.
TEST_F(TListViewTest, TheSelectionLosesItsHighlightWhenTheFocusLeaves) {
    auto* other = new TListView(Form);
    other->SetParent(Form);
    other->SetBounds(250, 0, 80, 80);
    List->SetViewStyle(vsReport);
    List->SetRowSelect(true);
    List->SetHideSelection(false);
    AddColumns({60, 60});
    AddRows(2);
    Form->Show();
    List->SetFocus();
    List->SetItemIndex(1);
    Session.Pump();
    TRect row = List->ItemRect(1);
    auto rowPixel = [&] {
        TBitmap shot = Session.WindowShot(Form->Handle());
        return shot.ScanLine(row.Top + 1)[row.Right - 2] & 0xFFFFFF;
    };
    EXPECT_EQ(rowPixel(), 0x3399FFu); // clHighlight
    other->SetFocus();
    Session.Pump();
    EXPECT_EQ(rowPixel(), 0xF0F0F0u); // clBtnFace
    List->SetFocus();
    Session.Pump();
    EXPECT_EQ(rowPixel(), 0x3399FFu);
}

namespace {

// Knows when it is inside a paint message, so an event raised there shows.
class TPaintWatchedListView : public TListView {
public:
    using TListView::TListView;
    bool Painting = false;
    void WndProc(TMessage& M) override {
        bool paint = M.Msg == WM_PAINT;
        if (paint) Painting = true;
        TListView::WndProc(M);
        if (paint) Painting = false;
    }
};

} // namespace

TEST_F(TListViewTest, OwnerDataRowsAreFetchedByHandlersNeverWhilePainting) {
    auto* list = new TPaintWatchedListView(Form);
    list->SetParent(Form);
    list->Font()->SetName("Arial");
    list->Font()->SetHeight(10);
    list->SetBounds(200, 0, 200, 150);
    list->SetViewStyle(vsReport);
    list->Columns()->Add()->SetWidth(100);
    list->Columns()->Add()->SetWidth(60);
    list->SetOwnerData(true);
    std::string prefix = "A";
    std::vector<int> fetched;
    int duringPaint = 0;
    bool invalidateFromData = false;
    list->OnData = [&](TObject*, TListItem* item) {
        if (list->Painting) ++duringPaint;
        fetched.push_back(item->Index());
        item->SetCaption(prefix + std::to_string(item->Index()));
        item->SubItems()->Add("x");
        if (invalidateFromData) list->Invalidate();
    };
    list->Items()->SetCount(1000);
    Form->Show();
    Session.Pump();
    auto firstRow = [&] {
        TBitmap shot = Session.WindowShot(Form->Handle());
        std::vector<uint32_t> pixels;
        for (int y = 18; y < 18 + 14; ++y)
            for (int x = 200; x < 300; ++x)
                pixels.push_back(Pixel(shot, x, y));
        return pixels;
    };
    ASSERT_FALSE(fetched.empty());
    EXPECT_EQ(fetched.front(), 0);
    auto shownA = firstRow();

    struct Step {
        const char* Name;
        std::function<void()> Do;
        int FirstFetched;
        bool Changed; // the first row's pixels differ afterwards
    };
    const Step steps[] = {
        {"the owner's data changed, then Invalidate",
         [&] {
             prefix = "B";
             list->Invalidate();
             Session.Pump();
         },
         0, true},
        {"the owner's data changed, then Repaint without a pump",
         [&] {
             prefix = "A";
             list->Repaint();
         },
         0, true},
        {"scrolled",
         [&] {
             list->Scroll(0, 14 * 5);
             Session.Pump();
         },
         5, true},
        {"an event that invalidates ends its round",
         [&] {
             invalidateFromData = true;
             list->Invalidate();
             Session.Pump();
             invalidateFromData = false;
         },
         5, false},
        {"a click selects a row",
         [&] {
             Session.Click(list->ClientToScreen({10, 18 + 2 * 14 + 7}));
             Session.Pump();
         },
         5, false},
    };
    auto before = firstRow();
    for (const Step& step : steps) {
        SCOPED_TRACE(step.Name);
        fetched.clear();
        step.Do();
        ASSERT_FALSE(fetched.empty());
        EXPECT_EQ(*std::min_element(fetched.begin(), fetched.end()), step.FirstFetched);
        EXPECT_LE(fetched.size(), 14u); // one round over the rows in view
        auto after = firstRow();
        EXPECT_EQ(after != before, step.Changed);
        before = after;
    }
    EXPECT_NE(shownA, before); // scrolled to row 5
    EXPECT_EQ(duringPaint, 0);
}

TEST_F(TListViewTest, AnOwnerDataEventMayFreeTheView) {
    List->SetViewStyle(vsReport);
    List->Columns()->Add()->SetWidth(100);
    List->SetOwnerData(true);
    int calls = 0;
    List->OnData = [&](TObject*, TListItem*) {
        if (++calls == 2) List->Free();
    };
    List->Items()->SetCount(50);
    Form->Show();
    Session.Pump();
    EXPECT_EQ(calls, 2);
    EXPECT_EQ(Form->ControlCount(), 0);
}
