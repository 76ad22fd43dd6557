#include "skin/dialogs/filectrl/TlxSkinDirectoryListBox.h"

#include "platform/win/WinApi.h"
#include "skin/controls/TlxListBox.h"
#include "skin/controls/TlxSkinStdLabel.h"
#include "skin/dialogs/filectrl/FilePaths.h"
#include "skin/dialogs/filectrl/TlxSkinDriveComboBox.h"
#include "skin/dialogs/filectrl/TlxSkinFileListBox.h"
#include "tests/skin/dialogs/filectrl/FileCtrlFixture.h"
#include "tests/support/pictures/GoldenPicture.h"
#include "tests/support/skin/TSkinControlTest.h"

#include <string>
#include <vector>

namespace {

class TlxSkinDirectoryListBoxTest : public TSkinControlTest {
protected:
    TlxSkinDirectoryListBox* List(const std::string& Dir) {
        auto* l = Make<TlxSkinDirectoryListBox>(10, 10, 160, 180);
        l->SetRoots(Tree.Roots);
        l->SetDirectory(Dir);
        l->OnChange = [this](TObject*) { Events.push_back("change"); };
        Session.Pump();
        return l;
    }
    // Each item as "text glyph indent", glyph o(pened), c(urrent) or -(closed).
    static std::vector<std::string> Rows(TlxSkinDirectoryListBox* L) {
        std::vector<std::string> rows;
        for (int i = 0; i < L->Items()->Count(); ++i) {
            const char glyph = "oc-"[L->ItemGlyph(i) == TlxSkinDirectoryListBox::fgOpened    ? 0
                                     : L->ItemGlyph(i) == TlxSkinDirectoryListBox::fgCurrent ? 1
                                                                                             : 2];
            rows.push_back(L->Items()->Get(i) + " " + glyph + " " + std::to_string(L->ItemIndent(i)));
        }
        return rows;
    }

    TFileCtrlTree Tree;
    std::vector<std::string> Events;
};

} // namespace

TEST_F(TlxSkinDirectoryListBoxTest, ListsTheRootTheOpenChainAndTheSortedSubFolders) {
    const std::string cwd = CurrentDirectory();
    auto* l = List(Tree.B);
    // Natural order without case; the link to a folder is a folder; the
    // hidden folder, the files, the FIFO and the broken link are not.
    EXPECT_EQ(Rows(l), (std::vector<std::string>{"Temp o 2", "a o 6", "b c 10", "c2 - 14", "c10 - 14",
                                                 "link-to-c2 - 14", "Zed - 14"}));
    EXPECT_EQ(l->ItemIndex(), 2) << "the current folder is selected";
    EXPECT_EQ(l->Drive(), Tree.Root);
    struct Case {
        int Index;
        std::string Path;
    } paths[] = {{0, Tree.Root}, {1, Tree.Root + "/a"}, {2, Tree.B}, {4, Tree.B + "/c10"}, {7, ""}, {-1, ""}};
    for (const Case& c : paths)
        EXPECT_EQ(l->GetItemPath(c.Index), c.Path) << c.Index;
    EXPECT_EQ(CurrentDirectory(), cwd);

    // The root itself is the current folder.
    l->SetDirectory(Tree.Root);
    EXPECT_EQ(Rows(l), (std::vector<std::string>{"Temp c 2", "a - 6"}));
    EXPECT_EQ(l->ItemIndex(), 0);
}

TEST_F(TlxSkinDirectoryListBoxTest, DoubleClickAndEnterOpenTheSelectedItem) {
    auto* l = List(Tree.B);
    Events.clear();
    // Enter on a sub-folder goes down.
    l->ListBox()->SetFocus();
    l->SetItemIndex(4);
    Session.Key(VK_RETURN);
    Session.Pump();
    EXPECT_EQ(l->Directory(), Tree.B + "/c10");
    EXPECT_EQ(Events, std::vector<std::string>{"change"});
    // A double click on an open folder goes up to it.
    const TRect r = l->ListBox()->ItemRect(1);
    const TPoint p = At(l->ListBox(), r.Left + 20, r.Top + r.Height() / 2);
    Session.Click(p);
    Session.Click(p);
    Session.Pump();
    EXPECT_EQ(l->Directory(), Tree.Root + "/a");
    EXPECT_EQ(l->ItemIndex(), 1);
}

TEST_F(TlxSkinDirectoryListBoxTest, AFolderThatCannotBeEnteredRaisesAndChangesNothing) {
    auto* l = List(Tree.B);
    Events.clear();
    for (const std::string& bad : {Tree.B + "/missing", Tree.B + "/movie.avi", Tree.B + "/pipe"}) {
        SCOPED_TRACE(bad);
        EXPECT_THROW(l->SetDirectory(bad), EInOutError);
        EXPECT_EQ(l->Directory(), Tree.B);
        EXPECT_EQ(l->Items()->Count(), 7);
    }
    EXPECT_TRUE(Events.empty());
    // Nothing for an empty or unchanged path; relative text is taken below Directory.
    l->SetDirectory("");
    l->SetDirectory(Tree.B + "/");
    EXPECT_TRUE(Events.empty());
    l->SetDirectory("../b/./Zed");
    EXPECT_EQ(l->Directory(), Tree.B + "/Zed");
}

TEST_F(TlxSkinDirectoryListBoxTest, ALinkedFileListAndLabelFollowTheFolder) {
    auto* l = List(Tree.B);
    auto* files = Make<TlxSkinFileListBox>(180, 10, 160, 180);
    auto* label = Make<TlxSkinStdLabel>(10, 200, 90, 16);
    l->SetFileList(files);
    EXPECT_EQ(files->DirList(), l);
    EXPECT_EQ(files->Directory(), Tree.B);
    l->SetDirLabel(label);
    EXPECT_EQ(label->Caption(), ShortenPathToWidth(Tree.B, *label->Canvas(), 90));
    EXPECT_LE(label->Canvas()->TextWidth(label->Caption()), 90);

    l->SetDirectory(Tree.B + "/c2");
    EXPECT_EQ(files->Directory(), Tree.B + "/c2");
    EXPECT_EQ(files->Drive(), Tree.Root) << "the list's roots";
    // Another root through the file list moves the directory list too.
    files->SetDrive("/");
    EXPECT_EQ(l->Directory(), "/");
    EXPECT_EQ(files->Directory(), "/");
    l->SetDirectory(Tree.B + "/c2");
    EXPECT_EQ(label->Caption(), ShortenPathToWidth(Tree.B + "/c2", *label->Canvas(), 90));

    // Freeing either side clears the link.
    files->Free();
    EXPECT_EQ(l->FileList(), nullptr);
    label->Free();
    EXPECT_EQ(l->DirLabel(), nullptr);
    l->SetDirectory(Tree.B);
    EXPECT_EQ(l->Directory(), Tree.B);
}

TEST_F(TlxSkinDirectoryListBoxTest, AnotherPlaceGoesThroughTheLinkedDriveCombo) {
    auto* l = List(Tree.B);
    auto* drives = Make<TlxSkinDriveComboBox>(180, 10, 160, 20);
    drives->SetRoots(Tree.Roots);
    drives->SetDirList(l);
    EXPECT_EQ(drives->Drive(), Tree.Root);
    EXPECT_EQ(drives->ItemIndex(), 0);

    // A folder outside the tree's place: the combo shows the root directory.
    l->SetDirectory("/");
    EXPECT_EQ(drives->Drive(), "/");
    EXPECT_EQ(drives->ItemIndex(), 1);
    EXPECT_EQ(l->Items()->Get(0), "File System");

    // Choosing the place in the combo takes the list to its root.
    drives->SetItemIndex(0);
    EXPECT_EQ(l->Directory(), Tree.Root);
    EXPECT_EQ(l->Drive(), Tree.Root);
}

TEST_F(TlxSkinDirectoryListBoxTest, LooksBuiltInAndSkinned) {
    for (const bool skinned : {false, true}) {
        SCOPED_TRACE(skinned);
        auto* l = List(Tree.B);
        l->SetBounds(10, 10, 120, 120);
        if (skinned) {
            TTestSkin skin;
            AddFileCtrlSkin(skin);
            skin.LoadInto(SD);
            l->SetSkinData(SD);
        }
        EXPECT_TRUE(MatchesGolden(
            Shot(l), std::string("skin/dialogs/TlxSkinDirectoryListBox/") + (skinned ? "skinned" : "builtin"),
            40));
        l->Free();
    }
}
