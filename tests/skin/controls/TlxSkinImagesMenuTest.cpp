#include "skin/controls/TlxSkinImagesMenu.h"

#include "platform/vcl/TImageList.h"
#include "platform/win/WinApi.h"
#include "skin/controls/TlxSkinImagesMenuPopupWindow.h"
#include "skin/controls/TlxSkinMenuSpeedButton.h"
#include "tests/support/skin/TSkinControlTest.h"

#include <string>
#include <vector>

namespace {

using TLog = std::vector<std::string>;

// Image Index is filled with this colour (0xRRGGBB).
uint32_t ImageRgb(int Index) {
    return 0x100000 * (Index % 16) + 0x40 + Index;
}

uint32_t Rgb(const TBitmap& B, int X, int Y) {
    return B.ScanLine(Y)[X] & 0xFFFFFF;
}

// The category menu's shape: 26 cells of 48-pixel pictures in 3 columns.
// Built-in cells are 58 x 58 from (5, 5); rows lie 59 apart.
class TlxSkinImagesMenuTest : public TSkinControlTest {
protected:
    void SetUp() override {
        TSkinControlTest::SetUp();
        Images = new TImageList(Form);
        Images->SetWidth(48);
        Images->SetHeight(48);
        for (int i = 0; i < 26; ++i) {
            TBitmap b(48, 48);
            FillPixels(b, {0, 0, 48, 48}, ImageRgb(i));
            Images->Add(&b, nullptr);
        }
        Menu = new TlxSkinImagesMenu(Form);
        Menu->SetImages(Images);
        Menu->SetColumnsCount(3);
        for (int i = 0; i < 26; ++i) {
            TlxImagesMenuItem* item = Menu->ImagesItems()->Add();
            item->SetImageIndex(i);
            item->SetCaption("Cat " + std::to_string(i));
            item->OnClick = [this, i](TObject* Sender) {
                EXPECT_EQ(Sender, Menu);
                Log.push_back("item " + std::to_string(i));
            };
        }
        Menu->OnInternalMenuClose = [this](TObject*) { Log.push_back("internal close"); };
        Menu->OnMenuClose = [this](TObject*) { Log.push_back("close"); };
        Menu->OnItemClick = [this](TObject*) { Log.push_back("item click"); };
        Menu->OnInternalChange = [this](TObject*) { Log.push_back("internal change"); };
        Menu->OnChange = [this](TObject*) { Log.push_back("change"); };
        Menu->OnMenuPopup = [this](TObject*) { Log.push_back("popup"); };
    }
    void Open(const TRect& R = {100, 50, 180, 74}) {
        Menu->PopupFromRect(R);
        Session.Pump();
        Log.clear();
    }
    TlxSkinImagesMenuPopupWindow* Grid() const { return Menu->PopupWindow(); }
    TRect ScreenRect(TlxSkinImagesMenuPopupWindow* W) const {
        const TPoint o = W->ClientToScreen({0, 0});
        return {o.X, o.Y, o.X + W->Width(), o.Y + W->Height()};
    }
    // The centre of item Index on screen.
    TPoint Cell(int Index) const {
        const TRect& r = Menu->ImagesItems()->Items(Index)->ItemRect;
        return Grid()->ClientToScreen({(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2});
    }
    void Keys(const std::vector<int>& VKeys) {
        for (int k : VKeys)
            Session.Key(k);
        Session.Pump();
    }

    TImageList* Images = nullptr;
    TlxSkinImagesMenu* Menu = nullptr;
    TLog Log;
};

} // namespace

TEST_F(TlxSkinImagesMenuTest, TheCategoryGridHasNineRowsOfThreeCells) {
    Open();
    ASSERT_NE(Grid(), nullptr);
    EXPECT_EQ(Grid()->Width(), 3 * 58 + 10);
    EXPECT_EQ(Grid()->Height(), 5 + 8 * 59 + 58 + 5);
    for (int i = 0; i < 26; ++i) {
        SCOPED_TRACE(i);
        const int row = i / 3, column = i % 3;
        EXPECT_EQ(Menu->ImagesItems()->Items(i)->ItemRect,
                  (TRect{5 + column * 58, 5 + row * 59, 63 + column * 58, 63 + row * 59}));
    }
    // Below the rectangle it opened from, at its left edge.
    EXPECT_EQ(ScreenRect(Grid()).Left, 100);
    EXPECT_EQ(ScreenRect(Grid()).Top, 74);

    // Only 1 to 50 columns.
    for (int bad : {0, 51, -1}) {
        Menu->SetColumnsCount(bad);
        EXPECT_EQ(Menu->ColumnsCount(), 3);
    }
    Menu->SetColumnsCount(50);
    EXPECT_EQ(Menu->ColumnsCount(), 50);
}

TEST_F(TlxSkinImagesMenuTest, HeadersAndButtonsTakeWholeRowsAndCloseAnOpenRow) {
    Menu->ImagesItems()->Clear();
    struct Entry {
        bool Header, Button;
    } entries[] = {{true, false}, {false, false}, {false, false},
                   {false, true}, {false, false}, {true, false}};
    for (const Entry& e : entries) {
        TlxImagesMenuItem* item = Menu->ImagesItems()->Add();
        item->SetHeader(e.Header);
        item->SetButton(e.Button);
        item->SetImageIndex(0);
    }
    Open();
    const TRect expected[] = {{5, 5, 179, 63},     // header: the cell height without a skin
                              {5, 64, 63, 122},    // two cells of an open row
                              {63, 64, 121, 122},  //
                              {5, 123, 179, 181},  // the button closes the row
                              {5, 182, 63, 240},   // a cell
                              {5, 241, 179, 299}}; // the header closes its row
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(Menu->ImagesItems()->Items(i)->ItemRect, expected[i]);
    }
    EXPECT_EQ(Grid()->Height(), 299 - 5 + 10);
}

TEST_F(TlxSkinImagesMenuTest, PlacementKeepsTheGridInsideTheWorkArea) {
    // The work area is 1024 x 728; the grid is 184 x 540.
    struct Case {
        const char* Name;
        TRect R;
        TPoint Expected;
    } cases[] = {
        {"below", {100, 50, 180, 74}, {100, 74}},
        {"above when it does not fit below", {100, 600, 180, 624}, {100, 60}},
        {"inside the right edge", {950, 50, 1000, 74}, {1024 - 184, 74}},
        {"raised to the left and top edges", {-50, 250, -10, 260}, {0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Open(c.R);
        ASSERT_NE(Grid(), nullptr);
        const TRect r = ScreenRect(Grid());
        EXPECT_EQ((TPoint{r.Left, r.Top}), c.Expected);
        Menu->Hide();
        Session.Pump();
    }
}

TEST_F(TlxSkinImagesMenuTest, AClickOnACellChoosesItAndOnlyANewChoiceIsAChange) {
    struct Case {
        const char* Name;
        int Before, Cell;
        TLog Expected;
    } cases[] = {
        {"a new cell",
         -1,
         4,
         {"internal close", "close", "item 4", "item click", "internal change", "change"}},
        {"the selected cell again", 4, 4, {"internal close", "close", "item 4", "item click"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Menu->SetItemIndex(c.Before);
        Open();
        Session.Click(Cell(c.Cell));
        Session.Pump();
        EXPECT_EQ(Log, c.Expected);
        EXPECT_EQ(Menu->ItemIndex(), c.Cell);
        EXPECT_EQ(Grid(), nullptr);
        EXPECT_EQ(GetCapture(), nullptr);
    }
}

TEST_F(TlxSkinImagesMenuTest, APressOnAGapReleasedOnACellChoosesThatCell) {
    Open();
    // Where a 27th cell would be: the gap at the end of the last row.
    const TRect& last = Menu->ImagesItems()->Items(25)->ItemRect;
    const TPoint gap = Grid()->ClientToScreen({last.Right + 20, last.Top + 20});
    Session.Drag(gap, Cell(7));
    Session.Pump();
    EXPECT_EQ(Menu->ItemIndex(), 7);
    EXPECT_EQ(Grid(), nullptr);
}

TEST_F(TlxSkinImagesMenuTest, APressOutsideClosesWithoutAChoiceAndLetsTheMouseAndKeysGo) {
    int formKeys = 0;
    Form->OnKeyDown = [&](TObject*, uint16_t&, TShiftState) { ++formKeys; };
    Form->SetKeyPreview(true);
    Menu->SetItemIndex(2);
    Open();
    EXPECT_EQ(GetCapture(), Grid()->Handle());
    Session.Key(VK_DOWN);
    Session.Pump();
    EXPECT_EQ(formKeys, 0) << "the grid takes the keys while open";

    Session.Click({350, 250}); // on the form, outside the grid
    Session.Pump();
    EXPECT_EQ(Grid(), nullptr);
    EXPECT_EQ(Log, (TLog{"internal close", "close"}));
    EXPECT_EQ(Menu->ItemIndex(), 2);
    EXPECT_EQ(GetCapture(), nullptr);
    Session.Key(VK_DOWN);
    Session.Pump();
    EXPECT_EQ(formKeys, 1) << "the keys reach the form again";
}

TEST_F(TlxSkinImagesMenuTest, ArrowKeysMoveOverTheCellsAndEnterOrSpaceChoose) {
    struct Case {
        const char* Name;
        std::vector<int> Keys;
        int Hovered;
    } cases[] = {
        {"right from nothing: the first", {VK_RIGHT}, 0},
        {"right twice", {VK_RIGHT, VK_RIGHT}, 1},
        {"right from the last: the first", {VK_LEFT, VK_RIGHT}, 0},
        {"left from nothing: the last", {VK_LEFT}, 25},
        {"left from the first: the last", {VK_RIGHT, VK_LEFT}, 25},
        {"down from nothing: the first", {VK_DOWN}, 0},
        {"down keeps the column", {VK_DOWN, VK_RIGHT, VK_DOWN, VK_DOWN}, 7},
        {"down from the last row stays", {VK_LEFT, VK_DOWN}, 25},
        {"up from nothing: the last", {VK_UP}, 25},
        {"up keeps the column", {VK_LEFT, VK_UP}, 22},
        {"up from the top row stays", {VK_RIGHT, VK_RIGHT, VK_UP}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Open();
        Keys(c.Keys);
        ASSERT_NE(Grid(), nullptr);
        EXPECT_EQ(Grid()->MouseInItem, c.Hovered);
        Menu->Hide();
        Session.Pump();
    }

    Menu->SetItemIndex(-1);
    Open();
    Keys({VK_DOWN, VK_DOWN, VK_SPACE});
    EXPECT_EQ(Menu->ItemIndex(), 3);
    EXPECT_EQ(Log, (TLog{"internal close", "close", "item 3", "item click", "internal change", "change"}));
}

TEST_F(TlxSkinImagesMenuTest, EnterWithNothingHoveredRepeatsTheCurrentChoiceAndEscapeChoosesNothing) {
    struct Case {
        const char* Name;
        int Before, Key;
        TLog Expected;
    } cases[] = {
        {"Enter with a choice", 2, VK_RETURN, {"internal close", "close", "item 2", "item click"}},
        {"Enter without a choice", -1, VK_RETURN, {"internal close", "close"}},
        {"Escape", 2, VK_ESCAPE, {"internal close", "close"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Menu->SetItemIndex(c.Before);
        Open();
        Keys({c.Key});
        EXPECT_EQ(Grid(), nullptr);
        EXPECT_EQ(Log, c.Expected);
        EXPECT_EQ(Menu->ItemIndex(), c.Before);
    }
}

TEST_F(TlxSkinImagesMenuTest, WithoutImagesNothingOpens) {
    Images->Clear();
    Menu->PopupFromRect({10, 10, 20, 20});
    Session.Pump();
    EXPECT_EQ(Grid(), nullptr);
    EXPECT_EQ(Log, (TLog{"popup"}));
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(TlxSkinImagesMenuTest, TheBuiltInLookMarksTheSelectedAndTheHoveredCell) {
    Menu->SetItemIndex(0);
    Open();
    Session.MouseMove(Cell(4));
    Session.Pump();
    const TBitmap shot = Session.WindowShot(Grid()->Handle());
    EXPECT_EQ(Rgb(shot, 0, 0), 0xA0A0A0u) << "the clBtnShadow border";
    EXPECT_EQ(Rgb(shot, 5, 5), 0x000080u) << "the navy frame of the selected cell";
    EXPECT_EQ(Rgb(shot, 7, 7), 0x8592B5u) << "the pressed plate";
    EXPECT_EQ(Rgb(shot, 64, 65), 0xB6BDD2u) << "the hover plate of cell 4";
    EXPECT_EQ(Rgb(shot, 5 + 58 + 10, 64 + 10), ImageRgb(4)) << "the picture at 5, 5 in its cell";
    EXPECT_EQ(Rgb(shot, 120, 10), 0xFFFFFFu) << "a cell without a plate";
}

TEST_F(TlxSkinImagesMenuTest, TheFadeRunsOnATimerToItsEnd) {
    Menu->SetAlphaBlend(true);
    Menu->SetAlphaBlendAnimation(true);
    Session.Backend().SetLayeredCapability(true);
    Open();
    ASSERT_NE(Grid(), nullptr);
    EXPECT_EQ(Grid()->FadeTarget(), 200) << "the opening returned before the fade ended";
    Session.Advance(200);
    EXPECT_EQ(Grid()->FadeTarget(), -1);
}

TEST_F(TlxSkinImagesMenuTest, FreeingTheMenuWhileOpenLetsTheMouseGo) {
    Open();
    Menu->Free();
    Menu = nullptr;
    Session.Pump();
    EXPECT_EQ(GetCapture(), nullptr);
    Session.Click({350, 250});
    Session.Key(VK_DOWN);
    Session.Pump();
    EXPECT_TRUE(Log.empty());
}

TEST_F(TlxSkinImagesMenuTest, AMenuButtonOpensTheGridBelowItselfAndShowsTheChoice) {
    auto* b = Make<TlxSkinMenuSpeedButton>(20, 20, 90, 60);
    b->SetSkinImagesMenu(Menu);
    b->SetUseImagesMenuImage(true);
    b->SetUseImagesMenuCaption(true);
    int hides = 0;
    b->OnHideTrackMenu = [&](TObject*) { ++hides; };
    Session.Pump();

    Session.Click(At(b, 10, 10));
    Session.Pump();
    ASSERT_NE(Grid(), nullptr);
    EXPECT_TRUE(b->Down());
    EXPECT_EQ(ScreenRect(Grid()).Top, At(b, 0, 60).Y);
    EXPECT_EQ(ScreenRect(Grid()).Left, At(b, 0, 0).X);

    Session.Click(Cell(5));
    Session.Pump();
    EXPECT_EQ(Grid(), nullptr);
    EXPECT_FALSE(b->Down());
    EXPECT_FALSE(b->MenuTracked());
    EXPECT_EQ(hides, 1);
    // The chosen picture shows on the button.
    const TBitmap shot = Shot(b);
    bool found = false;
    for (int y = 0; y < shot.Height() && !found; ++y)
        for (int x = 0; x < shot.Width() && !found; ++x)
            found = Rgb(shot, x, y) == ImageRgb(5);
    EXPECT_TRUE(found);

    // A menu without pictures opens nothing: the button comes up at once.
    Images->Clear();
    Session.Click(At(b, 10, 10));
    Session.Pump();
    EXPECT_FALSE(b->Down());
    EXPECT_FALSE(b->MenuTracked());
    EXPECT_EQ(hides, 2);
}
