#include "VclProbes.h"

#include "platform/vcl/TComponentReader.h"
#include "platform/vcl/TTreeView.h"

#include <gtest/gtest.h>

namespace {

class TTreeViewTest : public TVclFixture {
protected:
    TForm* Form = nullptr;
    TTreeView* Tree = nullptr;
    std::vector<std::string> Log;

    // A: A1, A2 (A2a); B
    void SetUp() override {
        TVclFixture::SetUp();
        Form = MakeForm(10, 10, 300, 300);
        Tree = new TTreeView(Form);
        Tree->SetParent(Form);
        Tree->SetBounds(0, 0, 200, 200);
        TTreeNode* a = Tree->Items()->Add(nullptr, "A");
        Tree->Items()->AddChild(a, "A1");
        TTreeNode* a2 = Tree->Items()->AddChild(a, "A2");
        Tree->Items()->AddChild(a2, "A2a");
        Tree->Items()->Add(nullptr, "B");
        auto name = [](TTreeNode* n) { return n ? n->Text() : std::string("nil"); };
        Tree->OnExpanding = [this, name](TObject*, TTreeNode* n, bool&) {
            Log.push_back("expanding " + name(n));
        };
        Tree->OnExpanded = [this, name](TObject*, TTreeNode* n) { Log.push_back("expanded " + name(n)); };
        Tree->OnCollapsing = [this, name](TObject*, TTreeNode* n, bool&) {
            Log.push_back("collapsing " + name(n));
        };
        Tree->OnCollapsed = [this, name](TObject*, TTreeNode* n) { Log.push_back("collapsed " + name(n)); };
        Tree->OnChanging = [this, name](TObject*, TTreeNode* n, bool&) {
            Log.push_back("changing " + name(n));
        };
        Tree->OnChange = [this, name](TObject*, TTreeNode* n) { Log.push_back("change " + name(n)); };
        Form->Show();
        Session.Pump();
    }
    TTreeNode* Node(const std::string& Text) {
        for (TTreeNode* n = Tree->Items()->GetFirstNode(); n; n = n->GetNext())
            if (n->Text() == Text) return n;
        return nullptr;
    }
    TPoint RowPoint(int Row, int X) { return Tree->ClientToScreen({X, Row * Tree->ItemHeight() + 3}); }
};

} // namespace

TEST_F(TTreeViewTest, ButtonClickAndKeysExpandAndCollapse) {
    Session.Click(RowPoint(0, 9)); // A's button (the indent column of a top-level node)
    Session.Pump();
    EXPECT_TRUE(Node("A")->Expanded());
    EXPECT_EQ(Tree->VisibleRowCount(), 4);
    EXPECT_EQ(Log, (std::vector<std::string>{"expanding A", "expanded A"}));
    EXPECT_EQ(Tree->Selected(), nullptr); // a button click selects nothing

    Log.clear();
    Session.Click(RowPoint(2, 19 + 19 + 3)); // A2's label
    Session.Key(VK_RIGHT);                   // expands A2
    Session.Key(VK_RIGHT);                   // selects A2a
    Session.Key(VK_LEFT);                    // back to A2
    Session.Key(VK_LEFT);                    // collapses A2
    Session.Key(VK_UP);                      // A1
    Session.Type("-");                       // A1 has no children: nothing
    Session.Key(VK_LEFT);                    // A
    Session.Type("-");                       // collapses A
    Session.Type("+");                       // expands A
    Session.Pump();
    EXPECT_EQ(Log, (std::vector<std::string>{"changing A2", "change A2", "expanding A2", "expanded A2",
                                             "changing A2a", "change A2a", "changing A2", "change A2",
                                             "collapsing A2", "collapsed A2", "changing A1", "change A1",
                                             "changing A", "change A", "collapsing A", "collapsed A",
                                             "expanding A", "expanded A"}));
    EXPECT_TRUE(Tree->Focused());
}

TEST_F(TTreeViewTest, DoubleClickTogglesAndRefusalsKeepTheState) {
    Session.Click(RowPoint(0, 25));
    Session.Click(RowPoint(0, 25)); // within the double-click time
    Session.Pump();
    EXPECT_TRUE(Node("A")->Expanded());

    Tree->OnCollapsing = [](TObject*, TTreeNode*, bool& allow) { allow = false; };
    Node("A")->Collapse(false);
    EXPECT_TRUE(Node("A")->Expanded());

    // Children read on first expansion; none found removes the button.
    TTreeNode* b = Node("B");
    b->SetHasChildren(true);
    Tree->OnExpanding = [&](TObject*, TTreeNode* n, bool&) {
        if (n == b) n->SetHasChildren(false);
    };
    b->Expand(false);
    EXPECT_FALSE(b->Expanded());
    EXPECT_FALSE(b->HasChildren());
    Tree->OnExpanding = [&](TObject*, TTreeNode* n, bool&) {
        if (n == b && n->Count() == 0) Tree->Items()->AddChild(n, "B1");
    };
    b->SetHasChildren(true);
    b->Expand(false);
    EXPECT_TRUE(b->Expanded());
    EXPECT_EQ(b->Count(), 1);
}

TEST_F(TTreeViewTest, SelectionFollowsCollapseAndDeletion) {
    Tree->SetSelected(Node("A2a")); // expands its ancestors
    EXPECT_TRUE(Node("A2")->IsVisible() && Node("A2")->Expanded());
    Log.clear();
    Node("A")->Collapse(false); // the hidden selection moves to A
    EXPECT_EQ(Log, (std::vector<std::string>{"collapsing A", "changing A", "change A", "collapsed A"}));

    Log.clear();
    std::vector<std::string> deleted;
    Tree->OnDeletion = [&](TObject*, TTreeNode* n) { deleted.push_back(n->Text()); };
    Node("A")->Delete(); // selection goes to the next sibling
    EXPECT_EQ(deleted, (std::vector<std::string>{"A1", "A2a", "A2", "A"}));
    EXPECT_EQ(Tree->Selected(), Node("B"));
    EXPECT_EQ(Log, (std::vector<std::string>{"change B"}));
    EXPECT_EQ(Tree->Items()->Count(), 1);

    Tree->OnChanging = [](TObject*, TTreeNode*, bool& allow) { allow = false; };
    Tree->SetSelected(nullptr);
    EXPECT_EQ(Tree->Selected(), Node("B"));
}

TEST_F(TTreeViewTest, CountsScrollInfoAndScrollingToAPosition) {
    Tree->Items()->Clear();
    for (int i = 0; i < 20; ++i)
        Tree->Items()->AddChild(Tree->Items()->Add(nullptr, "N" + std::to_string(i)), "C");
    int h = Tree->ItemHeight();
    Tree->SetHeight(5 * h + h / 2);
    int announced = 0;
    Tree->OnScrollChanged = [&](TObject*) { ++announced; };

    EXPECT_EQ(Tree->Perform(TVM_GETCOUNT), 40);
    EXPECT_EQ(Tree->Perform(TVM_GETVISIBLECOUNT), 5);
    EXPECT_EQ(Tree->VisibleRowCount(), 20);
    TScrollInfo si;
    si.fMask = SIF_ALL;
    ASSERT_TRUE(GetScrollInfo(Tree->Handle(), SB_VERT, si));
    EXPECT_EQ(si.nMax, 19);
    EXPECT_EQ(si.nPage, 5u);
    EXPECT_EQ(si.nPos, 0);

    Tree->Perform(WM_VSCROLL, MakeWParam(SB_THUMBPOSITION, 7), 0);
    EXPECT_EQ(Tree->TopItem()->Text(), "N7");
    EXPECT_EQ(GetScrollPos(Tree->Handle(), SB_VERT), 7);
    EXPECT_EQ(announced, 1);
    Tree->ScrollTo(100); // clamped to the last page
    EXPECT_EQ(Tree->TopItem()->Text(), "N15");

    Tree->Items()->GetFirstNode()->Expand(false);
    GetScrollInfo(Tree->Handle(), SB_VERT, si);
    EXPECT_EQ(si.nMax, 20);

    // The wheel goes to the focused tree: three rows a notch.
    Tree->SetFocus();
    Tree->ScrollTo(0);
    announced = 0;
    Session.Wheel(-WHEEL_DELTA, Centre(Tree));
    Session.Pump();
    EXPECT_EQ(Tree->TopItem()->Text(), "N2"); // N0, C, N1, N2
    EXPECT_EQ(announced, 1);

    // Everything fitting leaves an empty range.
    Tree->SetHeight(30 * h);
    GetScrollInfo(Tree->Handle(), SB_VERT, si);
    EXPECT_EQ(si.nMax, 0);
    EXPECT_EQ(si.nPos, 0);
}

TEST_F(TTreeViewTest, ImagesArePaintedWithTheirListsBackgroundColour) {
    auto* images = new TImageList(Form);
    images->SetWidth(8);
    images->SetHeight(8);
    TBitmap picture(8, 8);
    picture.Fill(0xFFFF00FF);
    picture.ScanLine(4)[4] = 0xFF0000FF; // one blue pixel, the rest transparent
    images->AddMasked(&picture, TColor(0xFF00FF));
    images->SetBkColor(clLime);
    Tree->SetImages(images);
    Node("B")->SetImageIndex(0);
    Session.Pump();
    TBitmap shot = Session.WindowShot(Form->Handle());
    int h = Tree->ItemHeight();
    int top = h + h / 2 - 4; // row 1, the image centred
    EXPECT_EQ(Pixel(shot, 19 + 1, top + 1), Rgb(clLime));
    EXPECT_EQ(Pixel(shot, 19 + 4, top + 4), 0x0000FFu);
    EXPECT_EQ(Pixel(shot, 19 - 1, top + 1), Rgb(clWindow));
    // Row 0 has no image: no background square either.
    EXPECT_EQ(Pixel(shot, 19 + 1, h / 2 - 3), Rgb(clWindow));
}

TEST_F(TTreeViewTest, ReadFromAFormDescription) {
    TComponentReader::ReadText(Form, R"(object Form1: TForm
  object TreeView1: TTreeView
    Left = 0
    Top = 0
    Width = 100
    Height = 80
    Indent = 12
    ShowRoot = False
    RightClickSelect = True
  end
end
)");
    auto* tree = dynamic_cast<TTreeView*>(Form->FindComponent("TreeView1"));
    ASSERT_NE(tree, nullptr);
    EXPECT_EQ(tree->Indent(), 12);
    EXPECT_FALSE(tree->ShowRoot());
    EXPECT_TRUE(tree->RightClickSelect());
}

// The image events are asked by the handlers that change the rows in view or
// the selection; painting, however often it happens, raises none of them.
TEST_F(TTreeViewTest, ImageEventsAreNeverRaisedFromPainting) {
    auto* images = new TImageList(Form);
    images->SetWidth(8);
    images->SetHeight(8);
    TBitmap picture(8, 8);
    picture.Fill(0xFF0000FF);
    images->Add(&picture, nullptr);
    int asked = 0;
    auto ask = [&](TObject*, TTreeNode* n) {
        ++asked;
        n->SetImageIndex(0);
        n->SetSelectedIndex(0);
    };
    Tree->OnGetImageIndex = ask;
    Tree->OnGetSelectedIndex = ask;
    Tree->SetImages(images);
    EXPECT_EQ(asked, 2); // the two rows in view
    Tree->SetSelected(Node("B"));
    EXPECT_EQ(asked, 4);
    Session.Pump();

    asked = 0;
    bool painted = false;
    uint64_t observer = AddMessageObserver([&](HWND wnd, const TMessage& m) {
        if (m.Msg == WM_PAINT && wnd == Tree->Handle()) painted = true;
    });
    Tree->Invalidate();
    Session.Pump();
    Tree->Repaint();
    RemoveMessageObserver(observer);
    EXPECT_TRUE(painted);
    EXPECT_EQ(asked, 0);
    TBitmap shot = Session.WindowShot(Form->Handle());
    int h = Tree->ItemHeight();
    EXPECT_EQ(Pixel(shot, 19 + 4, h / 2), 0x0000FFu); // the index the event gave
}

TEST_F(TTreeViewTest, TheSelectionLosesItsHighlightWhenTheFocusLeaves) {
    auto* other = new TTreeView(Form);
    other->SetParent(Form);
    other->SetBounds(210, 0, 80, 80);
    Tree->SetHideSelection(false);
    Tree->SetFocus();
    Tree->SetSelected(Node("A"));
    Session.Pump();
    int h = Tree->ItemHeight();
    auto labelPixel = [&] { return Pixel(Session.WindowShot(Form->Handle()), 19 + 1, h / 2); };
    EXPECT_EQ(labelPixel(), Rgb(clHighlight));
    other->SetFocus();
    Session.Pump();
    EXPECT_EQ(labelPixel(), Rgb(clBtnFace));
    Tree->SetFocus();
    Session.Pump();
    EXPECT_EQ(labelPixel(), Rgb(clHighlight));
}

// Lines join each row to its parent and to its siblings below: A's column
// runs down past its children to B; A1's column joins A2.
TEST_F(TTreeViewTest, ShowLinesDrawsTheLinesAndOnlyThem) {
    Tree->SetShowButtons(false);
    Node("A")->Expand(false);
    Session.Pump();
    int h = Tree->ItemHeight();
    auto column = [&](const TBitmap& shot, int X, int Row) {
        int dots = 0;
        for (int y = Row * h; y < Row * h + h; ++y)
            dots += Pixel(shot, X, y) == Rgb(clBtnShadow);
        return dots;
    };
    TBitmap lined = Session.WindowShot(Form->Handle());
    // Rows: A, A1, A2, B. The top level's column is x = 10, the next 29.
    EXPECT_GT(column(lined, 10, 1), h / 3); // A's line passes A1's row on to B
    EXPECT_GT(column(lined, 29, 1), h / 3); // A1 to A2
    EXPECT_EQ(column(lined, 29, 3), 0);     // nothing below the last child
    int across = 0;
    for (int x = 10; x < 17; ++x)
        across += Pixel(lined, x, 3 * h + h / 2) == Rgb(clBtnShadow);
    EXPECT_GT(across, 1); // B's stub towards its label

    Tree->SetShowLines(false);
    Session.Pump();
    TBitmap plain = Session.WindowShot(Form->Handle());
    for (int row = 0; row < 4; ++row) {
        EXPECT_EQ(column(plain, 10, row), 0) << row;
        EXPECT_EQ(column(plain, 29, row), 0) << row;
    }
}
