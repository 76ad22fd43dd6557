#include "VclProbes.h"

#include "platform/vcl/TComponentReader.h"
#include "platform/vcl/TPageControl.h"
#include "platform/vcl/TTabSheet.h"

#include <gtest/gtest.h>

namespace {

class TPageControlTest : public TVclFixture {
protected:
    // A page control of Count pages "P0".. with tabs of 50 x 20 pixels.
    TPageControl* MakePages(TWinControl* Parent, int Count, int W = 200, int H = 150) {
        auto* pc = new TPageControl(Parent);
        pc->SetParent(Parent);
        pc->SetBounds(0, 0, W, H);
        pc->SetTabWidth(50);
        pc->SetTabHeight(20);
        for (int i = 0; i < Count; ++i) {
            auto* sheet = new TTabSheet(Parent);
            sheet->SetPageControl(pc);
            sheet->SetCaption("P" + std::to_string(i));
        }
        return pc;
    }
    std::vector<TRect> Rects(TPageControl* pc) {
        std::vector<TRect> r;
        for (int i = 0; i < pc->TabCount(); ++i)
            r.push_back(pc->TabRect(i));
        return r;
    }
};

// Moves mouse messages 30 pixels left and widens the display rectangle, as a
// host drawing centred tabs with its own frame would.
class THostedPageControl : public TPageControl {
public:
    using TPageControl::TPageControl;
    void WndProc(TMessage& M) override {
        if (M.Msg == WM_LBUTTONDOWN) {
            TPoint p = LParamToPoint(M.LParam);
            M.LParam = PointToLParam({p.X - 30, p.Y});
        }
        TPageControl::WndProc(M);
        if (M.Msg == TCM_ADJUSTRECT) {
            auto* r = reinterpret_cast<TRect*>(M.LParam);
            r->Left = 0;
            r->Right = Width();
        }
    }
};

// Records the state each tab is drawn with, as a skinned look would use it;
// user events are counted to show painting raises none.
class TRecordingPageControl : public TPageControl {
public:
    using TPageControl::TPageControl;
    std::vector<TVisualState> Drawn;
    bool Painting = false;

protected:
    void Paint() override {
        Drawn.clear();
        Painting = true;
        TPageControl::Paint();
        Painting = false;
    }
    void DrawTab(TCanvas* C, int TabIdx, const TRect& Rect, TVisualState State) override {
        Drawn.push_back(State);
        TPageControl::DrawTab(C, TabIdx, Rect, State);
    }
};

} // namespace

TEST_F(TPageControlTest, HandlersDecideTheTabStatesPaintingDrawsThem) {
    TForm* form = MakeForm(10, 10, 300, 200);
    auto* pc = new TRecordingPageControl(form);
    pc->SetParent(form);
    pc->SetBounds(0, 0, 200, 150);
    pc->SetTabWidth(50);
    pc->SetTabHeight(20);
    for (int i = 0; i < 3; ++i) {
        auto* sheet = new TTabSheet(form);
        sheet->SetPageControl(pc);
        sheet->SetCaption("P" + std::to_string(i));
    }
    pc->Pages(2)->SetEnabled(false);
    auto* other = new TProbeButton(form);
    other->SetParent(form);
    other->SetBounds(220, 10, 40, 20);
    int events = 0;
    pc->OnChange = [&](TObject*) { events += pc->Painting ? 1000 : 1; };
    pc->OnChanging = [&](TObject*, bool&) { events += pc->Painting ? 1000 : 1; };
    form->Show();
    Session.Pump();

    auto flags = [&](int Tab) {
        std::string f;
        TVisualState s = pc->Drawn.at(Tab);
        for (auto [item, letter] :
             {std::pair{vsEnabled, 'e'}, {vsSelected, 's'}, {vsHot, 'h'}, {vsFocused, 'f'}})
            if (s.Contains(item)) f += letter;
        return f;
    };
    struct Step {
        const char* Name;
        std::function<void()> Do;
        std::vector<std::string> Tabs;
    };
    const Step steps[] = {
        {"shown and focused", [] {}, {"esf", "e", ""}},
        {"pointer over tab 1",
         [&] {
             Session.MouseMove(pc->ClientToScreen({60, 10}));
         },
         {"esf", "eh", ""}},
        {"pointer over the disabled tab",
         [&] {
             Session.MouseMove(pc->ClientToScreen({110, 10}));
         },
         {"esf", "e", "h"}},
        {"tab 1 clicked",
         [&] {
             Session.Click(pc->ClientToScreen({60, 10}));
         },
         {"e", "eshf", ""}},
        {"pointer on the page",
         [&] {
             Session.MouseMove(pc->ClientToScreen({60, 100}));
         },
         {"e", "esf", ""}},
        {"focus gone", [&] { other->SetFocus(); }, {"e", "es", ""}},
        {"disabled", [&] { pc->SetEnabled(false); }, {"", "s", ""}},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.Name);
        step.Do();
        Session.Pump();
        ASSERT_EQ(pc->Drawn.size(), 3u);
        EXPECT_EQ((std::vector<std::string>{flags(0), flags(1), flags(2)}), step.Tabs);
    }
    EXPECT_EQ(events, 2); // one change, none from painting
}

TEST_F(TPageControlTest, TabAndDisplayRectanglesForEveryPosition) {
    TForm* form = MakeForm(0, 0, 300, 300);
    TPageControl* pc = MakePages(form, 3);
    struct Case {
        TTabPosition Position;
        std::vector<TRect> Tabs;
        TRect Display;
    } cases[] = {
        {tpTop, {{2, 2, 52, 22}, {52, 2, 102, 22}, {102, 2, 152, 22}}, {4, 26, 196, 146}},
        {tpBottom, {{2, 128, 52, 148}, {52, 128, 102, 148}, {102, 128, 152, 148}}, {4, 4, 196, 124}},
        {tpLeft, {{2, 2, 22, 52}, {2, 52, 22, 102}, {2, 102, 22, 152}}, {26, 4, 196, 146}},
        {tpRight, {{178, 2, 198, 52}, {178, 52, 198, 102}, {178, 102, 198, 152}}, {4, 4, 174, 146}},
    };
    for (const Case& c : cases) {
        pc->SetTabPosition(c.Position);
        EXPECT_EQ(Rects(pc), c.Tabs) << c.Position;
        EXPECT_EQ(pc->DisplayRect(), c.Display) << c.Position;
        // The active page fills the display rectangle.
        EXPECT_EQ(pc->ActivePage()->BoundsRect(), c.Display) << c.Position;
    }
}

TEST_F(TPageControlTest, MultiLineRowsWrapAndTheSelectedRowLiesNextToThePages) {
    TForm* form = MakeForm(0, 0, 300, 300);
    TPageControl* pc = MakePages(form, 5, 130, 150);
    pc->SetMultiLine(true);
    EXPECT_EQ(pc->RowCount(), 3);
    // Two tabs fit in a row of 126 pixels; page 0's row is nearest the pages.
    EXPECT_EQ(Rects(pc),
              (std::vector<TRect>{
                  {2, 42, 52, 62}, {52, 42, 102, 62}, {2, 2, 52, 22}, {52, 2, 102, 22}, {2, 22, 52, 42}}));
    EXPECT_EQ(pc->DisplayRect(), (TRect{4, 66, 126, 146}));
    pc->SetActivePageIndex(4);
    EXPECT_EQ(Rects(pc),
              (std::vector<TRect>{
                  {2, 2, 52, 22}, {52, 2, 102, 22}, {2, 22, 52, 42}, {52, 22, 102, 42}, {2, 42, 52, 62}}));
    pc->SetTabPosition(tpBottom);
    EXPECT_EQ(pc->TabRect(4), (TRect{2, 88, 52, 108}));
    EXPECT_EQ(pc->TabRect(0), (TRect{2, 128, 52, 148}));
}

TEST_F(TPageControlTest, AnImageListWidensEveryTabByItsWidthAndAGap) {
    TForm* form = MakeForm(0, 0, 300, 300);
    TPageControl* pc = MakePages(form, 2);
    pc->SetTabWidth(0);
    int plain = pc->TabRect(0).Width();
    int second = pc->TabRect(1).Left;
    EXPECT_GT(plain, 12);
    auto* images = new TImageList(form);
    images->SetWidth(16);
    pc->SetImages(images);
    EXPECT_EQ(pc->TabRect(0).Width(), plain + 16 + 3);
    EXPECT_EQ(pc->TabRect(1).Left, second + 16 + 3);
    // Side tabs reserve the images' height along the tab.
    images->SetHeight(10);
    pc->SetTabPosition(tpLeft);
    EXPECT_EQ(pc->TabRect(0).Height(), plain + 10 + 3);
    images->Free();
    EXPECT_EQ(pc->Images(), nullptr);
}

TEST_F(TPageControlTest, ClickAndCtrlTabSelectOncePerChangeAndSkipHiddenTabs) {
    TForm* form = MakeForm(10, 10, 300, 200);
    TPageControl* pc = MakePages(form, 4);
    pc->Pages(2)->SetTabVisible(false);
    form->Show();
    Session.Pump();
    std::vector<std::string> events;
    pc->OnChanging = [&](TObject*, bool&) {
        events.push_back("changing " + std::to_string(pc->ActivePageIndex()));
    };
    pc->OnChange = [&](TObject*) { events.push_back("change " + std::to_string(pc->ActivePageIndex())); };

    EXPECT_EQ(pc->TabCount(), 3);
    EXPECT_EQ(pc->TabRect(2), (TRect{102, 2, 152, 22})); // page 3 follows page 1
    Session.Click(pc->ClientToScreen({60, 10}));
    Session.Pump();
    EXPECT_EQ(pc->ActivePage(), pc->Pages(1));
    Session.Click(pc->ClientToScreen({60, 10})); // the selected tab again: nothing
    Session.Pump();
    EXPECT_EQ(events, (std::vector<std::string>{"changing 0", "change 1"}));
    EXPECT_TRUE(pc->Focused());

    events.clear();
    Session.KeyDown(VK_CONTROL);
    Session.Key(VK_TAB); // skips hidden page 2
    Session.Key(VK_TAB); // wraps to page 0
    Session.KeyUp(VK_CONTROL);
    Session.Pump();
    EXPECT_EQ(events, (std::vector<std::string>{"changing 1", "change 3", "changing 3", "change 0"}));

    // A refusal keeps the page; choosing a page in code fires nothing.
    events.clear();
    pc->OnChanging = [&](TObject*, bool& allow) { allow = false; };
    Session.Click(pc->ClientToScreen({110, 10}));
    Session.Pump();
    EXPECT_EQ(pc->ActivePageIndex(), 0);
    pc->SetActivePageIndex(3);
    EXPECT_TRUE(events.empty());
    EXPECT_TRUE(pc->Pages(3)->Visible());
    EXPECT_FALSE(pc->Pages(0)->Visible());
}

TEST_F(TPageControlTest, HostScrollsASingleRowByFirstVisibleTab) {
    TForm* form = MakeForm(0, 0, 300, 300);
    TPageControl* pc = MakePages(form, 5, 150, 100);
    EXPECT_EQ(pc->TabRect(3), (TRect{152, 2, 202, 22})); // beyond the edge
    pc->Perform(WM_HSCROLL, MakeWParam(SB_THUMBPOSITION, 2), 0);
    EXPECT_EQ(pc->FirstVisibleTab(), 2);
    EXPECT_EQ(Rects(pc),
              (std::vector<TRect>{
                  {-100, 2, -50, 22}, {-50, 2, 0, 22}, {2, 2, 52, 22}, {52, 2, 102, 22}, {102, 2, 152, 22}}));
    EXPECT_EQ(pc->IndexOfTabAt(10, 10), 2);
    // Selecting a tab scrolled out of sight brings it back.
    pc->SetActivePageIndex(1);
    EXPECT_EQ(pc->FirstVisibleTab(), 1);
    pc->SetActivePageIndex(4);
    EXPECT_LE(pc->TabRect(4).Right, 150 - 3);
}

TEST_F(TPageControlTest, HostRewritesTheDisplayRectangleAndShiftsHitTesting) {
    TForm* form = MakeForm(10, 10, 300, 200);
    auto* pc = new THostedPageControl(form);
    pc->SetParent(form);
    pc->SetBounds(0, 0, 200, 150);
    pc->SetTabWidth(50);
    pc->SetTabHeight(20);
    for (int i = 0; i < 3; ++i)
        (new TTabSheet(form))->SetPageControl(pc);
    form->Show();
    Session.Pump();
    EXPECT_EQ(pc->Pages(0)->BoundsRect(), (TRect{0, 26, 200, 146}));
    Session.Click(pc->ClientToScreen({60 + 30, 10})); // drawn 30 pixels right of its layout
    Session.Pump();
    EXPECT_EQ(pc->ActivePageIndex(), 1);
}

TEST_F(TPageControlTest, RemovingPagesKeepsAValidActivePage) {
    TForm* form = MakeForm(0, 0, 300, 300);
    TPageControl* pc = MakePages(form, 3);
    EXPECT_EQ(pc->ActivePageIndex(), 0); // the first page added is shown
    TTabSheet* first = pc->Pages(0);
    first->SetTabVisible(false);
    EXPECT_EQ(pc->ActivePageIndex(), 1);
    pc->Pages(1)->Free();
    EXPECT_EQ(pc->PageCount(), 2);
    EXPECT_EQ(pc->ActivePage(), pc->Pages(1));
    pc->Pages(1)->SetPageIndex(0);
    EXPECT_EQ(pc->Pages(0)->Caption(), "P2");
    EXPECT_EQ(first->PageIndex(), 1);
    pc->Free(); // the sheets go with it
}

TEST_F(TPageControlTest, ReadFromAFormDescription) {
    TForm* form = MakeForm(0, 0, 300, 300);
    TComponentReader::ReadText(form, R"(object Form1: TForm
  object ImageList1: TImageList
    Width = 8
  end
  object PageControl1: TPageControl
    Left = 0
    Top = 0
    Width = 200
    Height = 150
    ActivePage = TabSheet2
    Images = ImageList1
    TabHeight = 20
    TabPosition = tpBottom
    TabWidth = 40
    object TabSheet1: TTabSheet
      Caption = 'One'
    end
    object TabSheet2: TTabSheet
      Caption = 'Two'
      ImageIndex = 0
      TabVisible = False
    end
    object TabSheet3: TTabSheet
      Caption = 'Three'
    end
  end
end
)");
    auto* pc = dynamic_cast<TPageControl*>(form->FindComponent("PageControl1"));
    ASSERT_NE(pc, nullptr);
    EXPECT_EQ(pc->PageCount(), 3);
    EXPECT_EQ(pc->TabCount(), 2);
    EXPECT_EQ(pc->TabPosition(), tpBottom);
    EXPECT_EQ(pc->Images(), form->FindComponent("ImageList1"));
    EXPECT_EQ(pc->Pages(1)->ImageIndex(), 0);
    // A page may be shown without a tab (wizard pages); no tab is then selected.
    EXPECT_EQ(pc->ActivePage(), pc->Pages(1));
    EXPECT_TRUE(pc->Pages(1)->Visible());
    EXPECT_EQ(pc->TabIndex(), -1);
    EXPECT_EQ(pc->TabRect(1), (TRect{42, 128, 82, 148}));
}
