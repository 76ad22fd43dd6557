#include "VclProbes.h"

#include "platform/vcl/TCustomListBox.h"

#include <gtest/gtest.h>

namespace {

// Records the item messages after the list box handled them, as a
// descendant hooking its message procedure would.
class THookedListBox : public TListBox {
public:
    using TListBox::TListBox;
    std::vector<std::string> Hooked;
    void WndProc(TMessage& M) override {
        TListBox::WndProc(M);
        switch (M.Msg) {
        case LB_ADDSTRING:
            Hooked.push_back("add " + std::to_string(Count()));
            break;
        case LB_INSERTSTRING:
            Hooked.push_back("insert " + std::to_string(Count()));
            break;
        case LB_DELETESTRING:
            Hooked.push_back("delete " + std::to_string(Count()));
            break;
        case LB_RESETCONTENT:
            Hooked.push_back("reset " + std::to_string(Count()));
            break;
        }
    }
};

class TCustomListBoxTest : public TVclFixture {
protected:
    TForm* Form = nullptr;
    void SetUp() override {
        TVclFixture::SetUp();
        Form = MakeForm(0, 0, 400, 300);
    }
    // A list of Count items "item0", "item1", ... showing five rows of 16 pixels.
    template <class T = TListBox> T* List(int Count, int Width = 120) {
        auto* l = new T(Form);
        l->SetParent(Form);
        l->SetBounds(10, 10, Width, 80);
        for (int i = 0; i < Count; ++i)
            l->Items()->Add("item" + std::to_string(i));
        return l;
    }
    void Chord(int Modifier, int Key) {
        Session.KeyDown(Modifier);
        Session.Key(Key);
        Session.KeyUp(Modifier);
        Session.Pump();
    }
    TPoint Row(TListBox* L, int Row, int Column = 0) {
        return L->ClientToScreen({Column * (L->ClientWidth() / std::max(L->Columns(), 1)) + 5, Row * 16 + 8});
    }
    static TScrollInfo Info(TListBox* L, int Bar) {
        TScrollInfo i;
        i.fMask = SIF_ALL;
        GetScrollInfo(L->Handle(), Bar, i);
        return i;
    }
    static std::vector<int> SelectedItems(TListBox* L) {
        std::vector<int> out;
        for (int i = 0; i < L->Count(); ++i)
            if (L->Selected(i)) out.push_back(i);
        return out;
    }
};

} // namespace

TEST_F(TCustomListBoxTest, AddInsertDeleteAndClearReachTheItemsHook) {
    auto* l = List<THookedListBox>(0);
    l->Items()->Add("b");
    l->Items()->Insert(0, "a");
    l->Items()->Add("c");
    l->SetItemIndex(2);
    l->Items()->Delete(0);
    EXPECT_EQ(l->ItemIndex(), 1); // "c" moved up with its selection
    l->Items()->Delete(1);
    EXPECT_EQ(l->ItemIndex(), -1); // the selected item went
    TStringList more;
    more.Add("x");
    more.Add("y");
    l->SetItems(more);
    EXPECT_EQ(l->Hooked, (std::vector<std::string>{"add 1", "insert 2", "add 3", "delete 2", "delete 1",
                                                   "reset 0", "add 1", "add 2"}));
    EXPECT_EQ(l->Items()->Text(), "x\r\ny\r\n");
    EXPECT_THROW(l->Items()->Delete(5), EListError);
    EXPECT_THROW(l->Items()->Get(-1), EListError);
}

TEST_F(TCustomListBoxTest, OwnerDrawRunsOnlyForVisibleItems) {
    TListBox* l = List(20);
    l->SetStyle(lbOwnerDrawFixed);
    std::vector<int> drawn;
    std::vector<TRect> rects;
    l->OnDrawItem = [&](TWinControl*, int Index, const TRect& R, TOwnerDrawState State) {
        drawn.push_back(Index);
        rects.push_back(R);
        l->Canvas()->Brush()->SetColor(State.Contains(odSelected) ? clRed : clLime);
        l->Canvas()->FillRect(R);
    };
    l->SetItemIndex(5);
    l->SetTopIndex(3);
    Form->Show();
    Session.Pump();
    drawn.clear();
    rects.clear();
    l->Repaint();
    EXPECT_EQ(drawn, (std::vector<int>{3, 4, 5, 6, 7}));
    ASSERT_EQ(rects.size(), 5u);
    EXPECT_EQ(rects[0], (TRect{0, 0, 120, 16}));
    EXPECT_EQ(rects[4], (TRect{0, 64, 120, 80}));
    TBitmap shot = Session.WindowShot(Form->Handle());
    EXPECT_EQ(Pixel(shot, 10 + 5, 10 + 2 * 16 + 3), Rgb(clRed)); // item 5, the third row
    EXPECT_EQ(Pixel(shot, 10 + 5, 10 + 3), Rgb(clLime));

    // A list cut mid-row draws the cut row too, nothing past the last item.
    l->SetHeight(72);
    l->SetTopIndex(18);
    drawn.clear();
    l->Repaint();
    EXPECT_EQ(l->TopIndex(), 16); // four whole rows show: the last page starts at 16
    EXPECT_EQ(drawn, (std::vector<int>{16, 17, 18, 19}));
    l->SetItemHeight(0);
    EXPECT_EQ(l->ItemHeight(), 1);
}

TEST_F(TCustomListBoxTest, KeysAndClicksMoveItemIndexAndTopIndex) {
    TListBox* l = List(20);
    int clicks = 0, doubles = 0;
    l->OnClick = [&](TObject*) { ++clicks; };
    l->OnDblClick = [&](TObject*) { ++doubles; };
    Form->Show();
    l->SetFocus();
    Session.Pump();
    struct Step {
        int key; // or 0 for a click on row `row`
        int row;
        int itemIndex, topIndex;
    } steps[] = {
        {VK_DOWN, 0, 0, 0}, {VK_END, 0, 19, 15}, {VK_HOME, 0, 0, 0},  {VK_NEXT, 0, 4, 0},
        {VK_NEXT, 0, 8, 4}, {VK_PRIOR, 0, 4, 4}, {VK_UP, 0, 3, 3},    {0, 2, 5, 3},
        {0, 4, 7, 3},       {VK_DOWN, 0, 8, 4},  {VK_RIGHT, 0, 9, 5}, {VK_LEFT, 0, 8, 5},
        {VK_UP, 0, 7, 5},   {VK_HOME, 0, 0, 0},  {VK_UP, 0, 0, 0},    {0, 0, 0, 0},
    };
    for (const Step& s : steps) {
        if (s.key)
            Session.Key(s.key);
        else
            Session.Click(Row(l, s.row));
        Session.Pump();
        EXPECT_EQ(l->ItemIndex(), s.itemIndex) << s.key << "/" << s.row;
        EXPECT_EQ(l->TopIndex(), s.topIndex) << s.key << "/" << s.row;
    }
    EXPECT_EQ(clicks, 15); // every move and click; Up at the top changes nothing
    Session.Click(Row(l, 1));
    Session.Click(Row(l, 1));
    Session.Pump();
    EXPECT_EQ(doubles, 1);
    EXPECT_EQ(l->ItemIndex(), 1);

    // Clicking below the last item changes nothing.
    TListBox* few = List(2);
    few->SetLeft(200);
    Session.Pump();
    few->SetItemIndex(1);
    Session.Click(few->ClientToScreen({5, 70}));
    Session.Pump();
    EXPECT_EQ(few->ItemIndex(), 1);
    EXPECT_EQ(few->ItemAtPos({5, 70}, true), -1);
    EXPECT_EQ(few->ItemAtPos({5, 70}, false), 1);
    EXPECT_EQ(few->ItemRect(1), (TRect{0, 16, 120, 32}));
}

TEST_F(TCustomListBoxTest, MultiAndExtendedSelection) {
    TListBox* multi = List(10);
    multi->SetMultiSelect(true);
    multi->SetExtendedSelect(false);
    TListBox* ext = List(10);
    ext->SetLeft(200);
    ext->SetMultiSelect(true);
    Form->Show();
    Session.Pump();
    EXPECT_EQ(multi->SelCount(), 0);

    // Plain multi-select: clicks and Space toggle, arrows move only the focus.
    Session.Click(Row(multi, 1));
    Session.Click(Row(multi, 3));
    Session.Pump();
    EXPECT_EQ(SelectedItems(multi), (std::vector<int>{1, 3}));
    Session.Click(Row(multi, 1));
    Session.Key(VK_DOWN);
    Session.Key(VK_SPACE);
    Session.Pump();
    EXPECT_EQ(SelectedItems(multi), (std::vector<int>{2, 3}));
    EXPECT_EQ(multi->ItemIndex(), 2);
    EXPECT_EQ(multi->SelCount(), 2);

    // Extended: a click selects one, Shift extends from the anchor, Ctrl toggles.
    Session.Click(Row(ext, 1));
    Session.Pump();
    EXPECT_EQ(SelectedItems(ext), (std::vector<int>{1}));
    Session.KeyDown(VK_SHIFT);
    Session.Click(Row(ext, 3));
    Session.KeyUp(VK_SHIFT);
    Session.Pump();
    EXPECT_EQ(SelectedItems(ext), (std::vector<int>{1, 2, 3}));
    Session.KeyDown(VK_CONTROL);
    Session.Click(Row(ext, 2));
    Session.KeyUp(VK_CONTROL);
    Session.Pump();
    EXPECT_EQ(SelectedItems(ext), (std::vector<int>{1, 3}));
    Chord(VK_SHIFT, VK_DOWN); // extends from the new anchor, 2
    EXPECT_EQ(SelectedItems(ext), (std::vector<int>{2, 3}));
    Session.Key(VK_DOWN);
    Session.Pump();
    EXPECT_EQ(SelectedItems(ext), (std::vector<int>{4}));
    Session.Drag(Row(ext, 0), Row(ext, 2));
    Session.Pump();
    EXPECT_EQ(SelectedItems(ext), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(ext->SelCount(), 3);
    ext->SetSelected(9, true);
    EXPECT_EQ(ext->SelCount(), 4);
    ext->ClearSelection();
    EXPECT_EQ(ext->SelCount(), 0);

    // Single selection: SelCount is -1 and Selected follows ItemIndex.
    TListBox* single = List(3);
    single->SetSelected(2, true);
    EXPECT_EQ(single->ItemIndex(), 2);
    EXPECT_TRUE(single->Selected(2));
    EXPECT_EQ(single->SelCount(), -1);
}

TEST_F(TCustomListBoxTest, SortedOrderAndPrefixSearch) {
    TListBox* l = List(0);
    l->SetSorted(true);
    for (const char* s : {"banana", "Apple", "cherry", "apple", "Banana"})
        l->Items()->Add(s);
    EXPECT_EQ(l->Items()->CommaText(), "Apple,apple,banana,Banana,cherry");

    TListBox* later = List(0);
    for (const char* s : {"delta", "Bravo", "alpha", "charlie", "beta"})
        later->Items()->Add(s);
    later->SetItemIndex(1); // Bravo
    later->SetSorted(true);
    EXPECT_EQ(later->Items()->CommaText(), "alpha,beta,Bravo,charlie,delta");
    EXPECT_EQ(later->ItemIndex(), 2); // still Bravo

    struct Case {
        const char* prefix;
        int start;
        int found;
    } cases[] = {
        {"b", -1, 1}, {"B", 1, 2}, {"b", 2, 1}, // wraps round
        {"BR", 0, 2}, {"d", 4, 4},              // back to itself after a full round
        {"x", 0, -1}, {"", 3, 4},
    };
    for (const Case& c : cases)
        EXPECT_EQ(later->FindPrefix(c.prefix, c.start), c.found) << c.prefix << c.start;

    Form->Show();
    later->SetFocus();
    Session.Pump();
    Session.Type("c");
    Session.Pump();
    EXPECT_EQ(later->ItemIndex(), 3);
    Session.Advance(1500);
    Session.Type("b");
    Session.Pump();
    EXPECT_EQ(later->ItemIndex(), 1); // from charlie round to beta
    Session.Advance(200);
    Session.Type("r");
    Session.Pump();
    EXPECT_EQ(later->ItemIndex(), 2); // "br" typed quickly finds Bravo
    Session.Advance(1500);
    Session.Type("b");
    Session.Pump();
    EXPECT_EQ(later->ItemIndex(), 1); // a new search goes on from there: beta
}

TEST_F(TCustomListBoxTest, ScrollStateFollowsTheItems) {
    TListBox* l = List(3);
    Form->Show();
    Session.Pump();
    TScrollInfo fits = Info(l, SB_VERT);
    EXPECT_EQ(fits.nMax, 0);
    EXPECT_EQ(fits.nPage, 0u);
    EXPECT_EQ(fits.nPos, 0);
    for (int i = 3; i < 20; ++i)
        l->Items()->Add("item" + std::to_string(i));
    TScrollInfo v = Info(l, SB_VERT);
    EXPECT_EQ(v.nMin, 0);
    EXPECT_EQ(v.nMax, 19);
    EXPECT_EQ(v.nPage, 5u);
    EXPECT_EQ(v.nPos, 0);

    struct Step {
        int code, position, top;
    } steps[] = {
        {SB_LINEDOWN, 0, 1},        {SB_LINEDOWN, 0, 2},        {SB_LINEUP, 0, 1},
        {SB_PAGEDOWN, 0, 5},        {SB_THUMBPOSITION, 10, 10}, {SB_PAGEUP, 0, 6},
        {SB_THUMBPOSITION, 99, 15}, {SB_LINEDOWN, 0, 15},       {SB_TOP, 0, 0},
        {SB_LINEUP, 0, 0},          {SB_BOTTOM, 0, 15},
    };
    for (const Step& s : steps) {
        l->Perform(WM_VSCROLL, MakeWParam(s.code, s.position));
        EXPECT_EQ(l->TopIndex(), s.top) << s.code << " " << s.position;
        EXPECT_EQ(Info(l, SB_VERT).nPos, s.top);
    }
    Session.Wheel(120, Centre(l));
    Session.Pump();
    EXPECT_EQ(l->TopIndex(), 12);

    // Deleting down to what fits zeroes the state again.
    while (l->Count() > 4)
        l->Items()->Delete(l->Count() - 1);
    EXPECT_EQ(l->TopIndex(), 0);
    EXPECT_EQ(Info(l, SB_VERT).nMax, 0);
    EXPECT_EQ(Info(l, SB_VERT).nPage, 0u);
}

TEST_F(TCustomListBoxTest, MultiColumnListsScrollSideways) {
    TListBox* l = List(23, 200); // five rows, two visible columns of 100, five columns in all
    l->SetColumns(2);
    l->SetStyle(lbOwnerDrawFixed);
    std::vector<int> drawn;
    l->OnDrawItem = [&](TWinControl*, int Index, const TRect&, TOwnerDrawState) { drawn.push_back(Index); };
    Form->Show();
    l->SetFocus();
    Session.Pump();
    TScrollInfo h = Info(l, SB_HORZ);
    EXPECT_EQ(h.nMax, 4);
    EXPECT_EQ(h.nPage, 2u);
    EXPECT_EQ(h.nPos, 0);
    EXPECT_EQ(Info(l, SB_VERT).nMax, 0);
    EXPECT_EQ(l->ItemRect(7), (TRect{100, 32, 200, 48}));
    EXPECT_EQ(l->ItemAtPos({150, 40}, true), 7);

    l->Perform(WM_HSCROLL, MakeWParam(SB_LINEDOWN, 0));
    EXPECT_EQ(l->TopIndex(), 5);
    EXPECT_EQ(Info(l, SB_HORZ).nPos, 1);
    EXPECT_EQ(l->ItemRect(7), (TRect{0, 32, 100, 48}));
    drawn.clear();
    l->Repaint();
    EXPECT_EQ(drawn.front(), 5);
    EXPECT_EQ(drawn.back(), 14);
    l->Perform(WM_HSCROLL, MakeWParam(SB_THUMBPOSITION, 9));
    EXPECT_EQ(l->TopIndex(), 15); // the last two columns
    l->Perform(WM_VSCROLL, MakeWParam(SB_LINEDOWN, 0));
    EXPECT_EQ(l->TopIndex(), 15); // no vertical scrolling with columns

    // Keys: Right jumps a column, Left back; End brings the last column into view.
    l->Perform(WM_HSCROLL, MakeWParam(SB_TOP, 0));
    Session.Key(VK_DOWN);
    Session.Key(VK_RIGHT);
    Session.Key(VK_RIGHT);
    Session.Pump();
    EXPECT_EQ(l->ItemIndex(), 10);
    EXPECT_EQ(l->TopIndex(), 5);
    Session.Key(VK_LEFT);
    Session.Key(VK_LEFT);
    Session.Pump();
    EXPECT_EQ(l->ItemIndex(), 0);
    EXPECT_EQ(l->TopIndex(), 0);
    Session.Key(VK_END);
    Session.Pump();
    EXPECT_EQ(l->ItemIndex(), 22);
    EXPECT_EQ(l->TopIndex(), 15);
    Session.Click(Row(l, 1, 0));
    Session.Pump();
    EXPECT_EQ(l->ItemIndex(), 16);
}

TEST_F(TCustomListBoxTest, StandardItemsShowTheSelectionColours) {
    TListBox* l = List(3);
    l->SetItemIndex(1);
    Form->Show();
    Session.Pump();
    TBitmap shot = Session.WindowShot(Form->Handle());
    EXPECT_EQ(Pixel(shot, 10 + 110, 10 + 16 + 8), Rgb(clHighlight));
    EXPECT_EQ(Pixel(shot, 10 + 110, 10 + 8), Rgb(clWindow));
    EXPECT_EQ(Pixel(shot, 10 + 110, 10 + 3 * 16 + 8), Rgb(clWindow)); // below the items
}
