#include "skin/dialogs/shell/TlxCustomShellListView.h"

#include "platform/base/Strings.h"
#include "platform/vcl/TMenu.h"
#include "platform/win/WinConst.h"
#include "skin/controls/TlxSkinPopupMenu.h"
#include "skin/dialogs/filectrl/FilePaths.h"
#include "skin/dialogs/shell/TShellLabelEditor.h"
#include "skin/dialogs/shell/TlxCustomShellTreeView.h"
#include "tests/skin/controls/RecordingShellOpener.h"
#include "tests/skin/dialogs/shell/ShellViewFixture.h"

#include <sys/time.h>

namespace {

class TShellListTest : public TShellViewTest {
protected:
    TlxSkinFileListView* List(TViewStyle Style = vsReport) {
        auto* l = Make<TlxSkinFileListView>(10, 10, 360, 260);
        l->SetViewStyle(Style);
        l->OnPathChanged = [this](TObject*) { ++PathChanges; };
        Session.Pump();
        return l;
    }
    static std::vector<std::string> Names(const TlxCustomShellListView* L) {
        std::vector<std::string> names;
        for (const TShellItem& item : L->Folders())
            names.push_back(item.DisplayName);
        return names;
    }
    static int Row(const TlxCustomShellListView* L, const std::string& Name) {
        for (size_t i = 0; i < L->Folders().size(); ++i)
            if (L->Folders()[i].DisplayName == Name) return static_cast<int>(i);
        return -1;
    }
    TPoint RowPoint(TlxCustomShellListView* L, const std::string& Name) {
        TRect r = L->ItemRect(Row(L, Name), drLabel);
        return At(L, r.Left + 3, (r.Top + r.Bottom) / 2);
    }
    static void Run(TlxCustomShellListView* L, const char* Name) {
        TMenuItem* items = L->ContextMenu()->Items();
        for (int i = 0; i < items->Count(); ++i)
            if (items->Items(i)->Name() == Name) return items->Items(i)->Click();
        FAIL() << Name;
    }
    void SetTime(const std::string& Path, int64_t Sec) {
        timeval times[2] = {{Sec, 0}, {Sec, 0}};
        utimes(Path.c_str(), times);
    }
    int PathChanges = 0;
};

} // namespace

TEST_F(TShellListTest, MasksFilterFilesButNeverFolders) {
    for (const char* f : {"clip.AVI", "movie.mp4", "notes.txt", "README"})
        WriteFile(std::string("a/") + f);
    TlxSkinFileListView* l = List();
    l->SetPath(Home + "/a");
    struct TCase {
        const char* Mask;
        std::vector<std::string> Names;
    };
    const TCase cases[] = {
        {"*.*|*.*", {"b", "clip.AVI", "movie.mp4", "notes.txt", "README"}},
        {"*.avi;*.mp4", {"b", "clip.AVI", "movie.mp4"}},
        {"Video files|*.avi; *.mp4", {"b", "clip.AVI", "movie.mp4"}},
        {"", {"b"}},
        {"*", {"b", "clip.AVI", "movie.mp4", "notes.txt", "README"}},
        {"Text", {"b"}},
    };
    for (const TCase& c : cases) {
        l->SetMask(c.Mask);
        EXPECT_EQ(Names(l), c.Names) << c.Mask;
    }
}

TEST_F(TShellListTest, ReportStyleBuildsFourColumnsAndSizeTwiceSortsDescending) {
    WriteFile("big.bin", std::string(3000, 'x'));
    WriteFile("small.bin", "x");
    WriteFile("mid.bin", std::string(500, 'x'));
    TlxSkinFileListView* l = List();
    l->SetPath(Home);
    ASSERT_EQ(l->Columns()->Count(), 4);
    const char* captions[] = {"Name", "Size", "Type", "Modified"};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(l->Column(i)->Caption(), captions[i]);
    EXPECT_EQ(Names(l), (std::vector<std::string>{"a", "Desktop", "z", "big.bin", "mid.bin", "small.bin"}));

    l->SetItemIndex(Row(l, "mid.bin"));
    const TPoint size = At(l, l->Column(0)->Width() + 10, l->HeaderHeight() / 2);
    Session.Click(size);
    Session.Pump();
    EXPECT_EQ(Names(l), (std::vector<std::string>{"a", "Desktop", "z", "small.bin", "mid.bin", "big.bin"}));
    Session.Advance(1000);
    Session.Click(size);
    Session.Pump();
    EXPECT_TRUE(l->SortDescending());
    EXPECT_EQ(Names(l), (std::vector<std::string>{"big.bin", "mid.bin", "small.bin", "z", "Desktop", "a"}));
    EXPECT_EQ(l->GetSelectedFile(), Home + "/mid.bin") << "the selection follows its item";

    // Places show the name column alone, and a click on another does nothing.
    l->SetPath("Places");
    EXPECT_EQ(l->Columns()->Count(), 1);
}

TEST_F(TShellListTest, BackGoesUpAndStopsAtPlaces) {
    TlxSkinFileListView* l = List();
    l->SetPath(Home + "/a/b");
    struct TStep {
        const char* Path;
        int Changes;
    };
    for (TStep s : {TStep{"/a", 1}, TStep{"", 2}, TStep{"Places", 3}, TStep{"Places", 3}}) {
        l->Back();
        EXPECT_EQ(l->Path(), s.Path == std::string("Places") ? "Places" : Home + s.Path);
        EXPECT_EQ(PathChanges - 1, s.Changes);
    }
    EXPECT_EQ(Names(l), (std::vector<std::string>{"Home", "Desktop", "Computer"}));
}

TEST_F(TShellListTest, RefreshKeepsTheSameFileSelectedWhenANewOneSortsAbove) {
    WriteFile("m.txt");
    WriteFile("n.txt");
    TlxSkinFileListView* l = List();
    l->SetPath(Home);
    l->SetItemIndex(Row(l, "n.txt"));
    WriteFile("b.txt");
    l->Refresh();
    EXPECT_EQ(l->GetSelectedFile(), Home + "/n.txt");
    // A selected file gone: the row of the same index is selected.
    l->SetItemIndex(Row(l, "m.txt"));
    unlink((Home + "/m.txt").c_str());
    l->Refresh();
    EXPECT_EQ(l->GetSelectedFile(), Home + "/n.txt");
}

TEST_F(TShellListTest, KeysTypeAheadAndDoubleClicks) {
    WriteFile("alpha.txt");
    WriteFile("beta.txt");
    WriteFile("bravo.txt");
    TlxSkinFileListView* l = List(vsList);
    int dblClicks = 0;
    l->OnDblClick = [&](TObject*) { ++dblClicks; };
    l->SetPath(Home);
    l->SetFocus();
    l->SetItemIndex(0);

    Session.Type("br");
    Session.Pump();
    EXPECT_EQ(l->GetSelectedFile(), Home + "/bravo.txt");

    Session.Click(RowPoint(l, "beta.txt"));
    Session.Click(RowPoint(l, "beta.txt"));
    Session.Pump();
    EXPECT_EQ(dblClicks, 1);
    EXPECT_EQ(l->Path(), Home) << "a file is no folder to enter";

    Session.Advance(1000);
    Session.Click(RowPoint(l, "a"));
    Session.Click(RowPoint(l, "a"));
    Session.Pump();
    EXPECT_EQ(dblClicks, 2);
    EXPECT_EQ(l->Path(), Home + "/a");

    l->SetItemIndex(Row(l, "b"));
    Session.Key(VK_RETURN);
    Session.Pump();
    EXPECT_EQ(l->Path(), Home + "/a/b");
    Session.Key(VK_BACK);
    Session.Pump();
    EXPECT_EQ(l->Path(), Home + "/a");
    WriteFile("a/new.txt");
    Session.Key(VK_F5);
    Session.Pump();
    EXPECT_NE(Row(l, "new.txt"), -1);
}

TEST_F(TShellListTest, RenameByLabelEditingAndTheContextMenu) {
    WriteFile("clip.avi");
    std::vector<std::string> opened;
    TRecordingShellOpener opener(opened);
    TlxSkinFileListView* l = List();
    l->SetPath(Home);
    l->SetFocus();

    l->SetItemIndex(Row(l, "clip.avi"));
    Run(l, "ShellOpen");
    EXPECT_EQ(opened, (std::vector<std::string>{"open " + Home + "/clip.avi"}));

    Session.Key(VK_F2);
    Session.Pump();
    ASSERT_TRUE(l->LabelEditor()->Editing());
    Session.Type("a");
    Session.Key(VK_RETURN);
    Session.Pump();
    EXPECT_EQ(Errors.size(), 1u) << "a folder \"a\" exists";
    EXPECT_TRUE(IsExistingFile(Home + "/clip.avi"));
    Session.Key(VK_F2);
    Session.Pump();
    Session.Type("movie.avi");
    Session.Key(VK_RETURN);
    Session.Pump();
    EXPECT_TRUE(IsExistingFile(Home + "/movie.avi"));
    EXPECT_EQ(l->GetSelectedFile(), Home + "/movie.avi");

    Run(l, "ShellNewFolder");
    EXPECT_TRUE(IsExistingDirectory(Home + "/New Folder"));
    EXPECT_EQ(l->SelectedFolder()->DisplayName, "New Folder");
    EXPECT_TRUE(l->LabelEditor()->Editing());
    l->LabelEditor()->Cancel();

    Run(l, "ShellOpen");
    EXPECT_EQ(l->Path(), Home + "/New Folder");
    l->Back();
    l->SetItemIndex(Row(l, "movie.avi"));
    Run(l, "ShellTrash");
    EXPECT_FALSE(IsExistingFile(Home + "/movie.avi"));
    EXPECT_TRUE(IsExistingFile(Home + "/.local/share/Trash/files/movie.avi"));
    EXPECT_EQ(Row(l, "movie.avi"), -1);
}

TEST_F(TShellListTest, FollowsItsTreeAndMovesIt) {
    TlxSkinFileListView* l = List();
    auto* t = Make<TlxSkinDirTreeView>(10, 10, 100, 200);
    int treeChanges = 0;
    t->OnChange = [&](TObject*, TTreeNode*) { ++treeChanges; };
    t->SetShellListView(l);
    EXPECT_EQ(l->ShellTreeView(), t);
    Session.Pump();

    PathChanges = 0;
    t->SetPath(Home + "/a");
    EXPECT_EQ(l->Path(), Home + "/a");
    EXPECT_EQ(PathChanges, 1);

    treeChanges = 0;
    l->SetPath(Home + "/a/b/c");
    EXPECT_EQ(t->Path(), Home + "/a/b/c");
    EXPECT_EQ(treeChanges, 1);
    EXPECT_EQ(PathChanges, 2);

    t->SetRoot(Home);
    EXPECT_EQ(l->Root(), Home);
    EXPECT_EQ(l->Path(), Home);
    t->Free();
    EXPECT_EQ(l->ShellTreeView(), nullptr);
}

TEST_F(TShellListTest, AutoRefreshShowsANewFileAndFollowsADeletedFolderUp) {
    TlxSkinFileListView* l = List();
    l->SetPath(Home + "/a/b/c");
    l->SetAutoRefresh(true);
    WriteFile("a/b/c/fresh.txt");
    EXPECT_TRUE(Session.RunUntil([&] { return Row(l, "fresh.txt") != -1; }, 1000));
    unlink((Home + "/a/b/c/fresh.txt").c_str());
    rmdir((Home + "/a/b/c").c_str());
    EXPECT_TRUE(Session.RunUntil([&] { return l->Path() == Home + "/a/b"; }, 1000));
    EXPECT_TRUE(Errors.empty());
    l->Free();
    WriteFile("a/b/later.txt");
    Session.RunUntil([] { return false; }, 300);
}

// Without AutoRefresh: F5 on a folder deleted meanwhile goes to its nearest
// existing ancestor, and a listed folder deleted since is not entered; no
// error box either way.
TEST_F(TShellListTest, DeletedFoldersAreLeftForTheNearestExistingOne) {
    TlxSkinFileListView* l = List();
    l->SetPath(Home + "/a/b/c");
    ASSERT_EQ(rmdir((Home + "/a/b/c").c_str()), 0);
    ASSERT_EQ(rmdir((Home + "/a/b").c_str()), 0);
    l->SetFocus();
    Session.Key(VK_F5);
    Session.Pump();
    EXPECT_EQ(l->Path(), Home + "/a");

    MakeDir("a/x");
    l->Refresh();
    l->SetItemIndex(Row(l, "x"));
    ASSERT_EQ(rmdir((Home + "/a/x").c_str()), 0);
    Session.Key(VK_RETURN);
    Session.Pump();
    EXPECT_EQ(l->Path(), Home + "/a");
    EXPECT_EQ(Row(l, "x"), -1) << "read again without it";
    EXPECT_TRUE(Errors.empty());
}
