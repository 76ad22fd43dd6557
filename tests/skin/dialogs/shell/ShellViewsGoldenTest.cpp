#include "platform/gdi/TCanvas.h"
#include "skin/dialogs/shell/TlxCustomShellComboBox.h"
#include "skin/dialogs/shell/TlxCustomShellListView.h"
#include "skin/dialogs/shell/TlxCustomShellTreeView.h"
#include "skin/engine/DataSkinControls.h"
#include "skin/engine/DataSkinListControls.h"
#include "tests/skin/dialogs/shell/ShellViewFixture.h"
#include "tests/support/pictures/GoldenPicture.h"
#include "tests/support/pictures/PixelArt.h"

#include <cstdlib>
#include <ctime>

#include <sys/time.h>

namespace {

// Views in light text on dark blue, a combo box face from a plain picture.
void LoadShellSkin(TlxSkinData* SD) {
    TTestSkin skin;
    const int standard = skin.AddPicture(TTestSkin::StandardPicture());
    auto colour = [](auto& view) {
        view.PictureIndex = -1;
        view.FontName = "Arial";
        view.FontHeight = 12;
        view.FontColor = 0xFFFFFF;
        view.BGColor = 0x602000;
    };
    colour(skin.Add<TlxDataSkinTreeView>("treeview"));
    colour(skin.Add<TlxDataSkinListView>("listview"));
    TTestSkin::SetNinePart(skin.Add<TlxDataSkinButtonControl>("resizetoolbutton"), standard);
    TBitmap p(80, 80);
    FillPixels(p, {0, 0, 80, 80}, 0);
    FillPixels(p, {0, 0, 60, 20}, 0x406080);
    FillPixels(p, {3, 3, 42, 17}, 0xE0E0C0);
    FillPixels(p, {44, 3, 57, 17}, 0x8080F0);
    FillPixels(p, {0, 40, 39, 54}, 0xE0E0C0);
    FillPixels(p, {0, 54, 39, 68}, 0x40C040);
    auto& d = skin.Add<TlxDataSkinComboBox>("combobox");
    d.PictureIndex = skin.AddPicture(p);
    d.MaskPictureIndex = -1;
    d.SkinRect = {0, 0, 60, 20};
    d.LTPoint = {3, 0};
    d.RTPoint = {42, 0};
    d.ClRect = {3, 3, 42, 17};
    d.SItemRect = {0, 40, 39, 54};
    d.FocusItemRect = {0, 54, 39, 68};
    d.ItemLeftOffset = d.ItemRightOffset = 1;
    d.ItemTextRect = {2, 0, 37, 14};
    d.FontName = "Arial";
    d.FontHeight = 12;
    d.FontColor = clBlack;
    d.FocusFontColor = clWhite;
    d.ButtonRect = {44, 3, 57, 17};
    skin.LoadInto(SD);
}

class TShellViewsGoldenTest : public TShellViewTest {
protected:
    void SetUp() override {
        TShellViewTest::SetUp();
        setenv("TZ", "UTC", 1);
        tzset();
        WriteFile("a/b/clip.avi", std::string(2048, 'x'));
        WriteFile("a/b/notes.txt", "hello");
        for (const char* name : {"a/b/clip.avi", "a/b/notes.txt", "a/b/c"}) {
            timeval times[2] = {{1700000000, 0}, {1700000000, 0}};
            utimes((Home + "/" + name).c_str(), times);
        }
    }
    void TearDown() override {
        unsetenv("TZ");
        tzset();
        TShellViewTest::TearDown();
    }
};

} // namespace

TEST_F(TShellViewsGoldenTest, TheThreeViewsInTheBuiltInLookAndTheTestSkin) {
    for (bool skinned : {false, true}) {
        SCOPED_TRACE(skinned ? "test skin" : "built-in");
        const std::string look = skinned ? "test-skin" : "built-in";
        if (skinned) LoadShellSkin(SD);
        auto* tree = Make<TlxSkinDirTreeView>(5, 5, 150, 170);
        auto* list = Make<TlxSkinFileListView>(160, 35, 235, 140);
        auto* combo = Make<TlxSkinShellComboBox>(160, 5, 180, 22);
        list->SetViewStyle(vsReport);
        if (skinned) {
            tree->SetSkinData(SD);
            list->SetSkinData(SD);
            combo->SetSkinData(SD);
        }
        tree->SetShellListView(list);
        combo->SetShellTreeView(tree);
        combo->SetShellListView(list);
        list->SetPath(Home + "/a/b");
        list->SetItemIndex(1);
        Session.Pump();
        EXPECT_TRUE(MatchesGolden(Shot(tree), "skin/dialogs/shell/tree-" + look, 8));
        EXPECT_TRUE(MatchesGolden(Shot(list), "skin/dialogs/shell/list-" + look, 8));
        EXPECT_TRUE(MatchesGolden(Shot(combo), "skin/dialogs/shell/combo-" + look, 8));
        combo->DropDown();
        Session.Pump();
        ASSERT_TRUE(combo->IsPopupVisible());
        EXPECT_TRUE(MatchesGolden(Session.WindowShot(combo->ListBox()->Handle()),
                                  "skin/dialogs/shell/combo-list-" + look, 8));
        combo->CloseUp(false);
        combo->Free();
        list->Free();
        tree->Free();
    }
}
