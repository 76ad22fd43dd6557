#include "skin/dialogs/shell/TlxCustomShellTreeView.h"

#include "platform/vcl/TMenu.h"
#include "platform/win/WinConst.h"
#include "skin/controls/TlxSkinButton.h"
#include "skin/controls/TlxSkinPopupMenu.h"
#include "skin/dialogs/filectrl/FilePaths.h"
#include "skin/dialogs/shell/ShellTrash.h"
#include "skin/dialogs/shell/TShellLabelEditor.h"
#include "tests/skin/dialogs/shell/ShellViewFixture.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

class TShellTreeTest : public TShellViewTest {
protected:
    TlxSkinDirTreeView* Tree() {
        auto* t = Make<TlxSkinDirTreeView>(10, 10, 220, 260);
        t->OnChange = [this](TObject*, TTreeNode*) { ++Changes; };
        Session.Pump();
        return t;
    }
    static std::vector<std::string> Texts(const TTreeNode* Parent) {
        std::vector<std::string> texts;
        for (int i = 0; i < Parent->Count(); ++i)
            texts.push_back(Parent->Item(i)->Text());
        return texts;
    }
    static TTreeNode* Child(const TTreeNode* Parent, const std::string& Text) {
        for (int i = 0; i < Parent->Count(); ++i)
            if (Parent->Item(i)->Text() == Text) return Parent->Item(i);
        return nullptr;
    }
    static void Run(TlxCustomShellTreeView* T, const char* Name) {
        TMenuItem* items = T->ContextMenu()->Items();
        for (int i = 0; i < items->Count(); ++i)
            if (items->Items(i)->Name() == Name) return items->Items(i)->Click();
        FAIL() << Name;
    }
    int Changes = 0;
};

} // namespace

TEST_F(TShellTreeTest, TheDefaultRootShowsPlacesExpandedAndNeverReadsANetworkVolume) {
    TlxSkinDirTreeView* t = Tree();
    TTreeNode* root = t->Items()->GetFirstNode();
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(root->Text(), "Places");
    EXPECT_TRUE(root->Expanded());
    EXPECT_EQ(t->Selected(), root);
    EXPECT_FALSE(t->ShowRoot());
    EXPECT_EQ(Texts(root), (std::vector<std::string>{"Home", "Desktop", "Computer"}));
    EXPECT_EQ(t->Path(), "Places");

    TTreeNode* computer = Child(root, "Computer");
    computer->Expand(false);
    ASSERT_EQ(computer->Count(), 2);
    EXPECT_EQ(computer->Item(0)->Text(), "File System");
    EXPECT_TRUE(computer->Item(1)->HasChildren()) << "the dead mount is offered, not read";
    EXPECT_EQ(computer->Item(1)->Count(), 0);
}

TEST_F(TShellTreeTest, SettingPathExpandsTheAncestorsAndSelectsTheFolderOnce) {
    TlxSkinDirTreeView* t = Tree();
    Changes = 0;
    t->SetPath(Home + "/a/b/c");
    EXPECT_EQ(Changes, 1);
    EXPECT_EQ(t->Path(), Home + "/a/b/c");
    EXPECT_EQ(t->Selected()->Text(), "c");
    for (TTreeNode* n = t->Selected()->Parent(); n; n = n->Parent())
        EXPECT_TRUE(n->Expanded()) << n->Text();
    EXPECT_EQ(t->Selected()->Parent()->Parent()->Parent()->Text(), "Home");

    t->SetPath("~/a");
    EXPECT_EQ(t->Path(), Home + "/a");
    EXPECT_THROW(t->SetPath(Home + "/missing"), EInvalidPath);
    EXPECT_THROW(t->SetPath("relative"), EInvalidPath);
    EXPECT_EQ(t->Path(), Home + "/a");
}

TEST_F(TShellTreeTest, ARootOfOtherCaseChangesNothingAndABadRootReverts) {
    TlxSkinDirTreeView* t = Tree();
    t->SetRoot("rfMyComputer");
    EXPECT_EQ(t->Items()->GetFirstNode()->Text(), "Computer");
    TTreeNode* before = t->Items()->GetFirstNode();
    t->SetRoot("RFMYCOMPUTER");
    EXPECT_EQ(t->Items()->GetFirstNode(), before);
    EXPECT_THROW(t->SetRoot(Root + "/nothing"), EInvalidPath);
    EXPECT_EQ(t->Root(), "rfMyComputer");
    EXPECT_EQ(t->Items()->GetFirstNode()->Text(), "Computer");
    t->SetRoot(Home);
    EXPECT_EQ(Texts(t->Items()->GetFirstNode()), (std::vector<std::string>{"a", "Desktop", "z"}));
}

TEST_F(TShellTreeTest, RefreshKeepsExpandedNodesSelectionAndTopNodeAndShowsNewFolders) {
    for (int i = 0; i < 20; ++i)
        MakeDir("d" + std::to_string(10 + i));
    TlxSkinDirTreeView* t = Tree();
    t->SetPath(Home + "/a/b");
    TTreeNode* home = t->Items()->GetFirstNode()->Item(0);
    t->SetTopItem(Child(home, "d15"));
    MakeDir("a/aa");
    Changes = 0;
    t->Refresh(t->Items()->GetFirstNode());
    home = t->Items()->GetFirstNode()->Item(0);
    TTreeNode* a = Child(home, "a");
    ASSERT_NE(a, nullptr);
    EXPECT_TRUE(a->Expanded());
    EXPECT_TRUE(Child(a, "b")->Expanded());
    EXPECT_EQ(Texts(a), (std::vector<std::string>{"aa", "b"}));
    EXPECT_EQ(t->Path(), Home + "/a/b");
    EXPECT_EQ(t->TopItem()->Text(), "d15");
    EXPECT_EQ(Changes, 0);
}

TEST_F(TShellTreeTest, ADeletedSelectedFolderSelectsItsParentWithoutAnError) {
    TlxSkinDirTreeView* t = Tree();
    t->SetPath(Home + "/a/b/c");
    ASSERT_EQ(rmdir((Home + "/a/b/c").c_str()), 0);
    ASSERT_EQ(rmdir((Home + "/a/b").c_str()), 0);
    Changes = 0;
    t->Refresh(t->Selected());
    EXPECT_EQ(t->Path(), Home + "/a");
    EXPECT_EQ(Changes, 1);

    // A click on a node whose folder went since it was listed.
    TTreeNode* z = Child(t->Items()->GetFirstNode()->Item(0), "z");
    ASSERT_NE(z, nullptr);
    ASSERT_EQ(rmdir((Home + "/z").c_str()), 0);
    const TRect r = z->DisplayRect(true);
    Session.Click(At(t, r.Left + 3, (r.Top + r.Bottom) / 2));
    Session.Pump();
    EXPECT_EQ(t->Path(), Home);
    EXPECT_EQ(Child(t->Selected(), "z"), nullptr);
    EXPECT_EQ(Changes, 2);
    EXPECT_TRUE(Errors.empty());
}

TEST_F(TShellTreeTest, LabelEditingRenamesAndKeepsEnterAndEscapeFromTheForm) {
    TlxSkinDirTreeView* t = Tree();
    auto* ok = Make<TlxSkinButton>(300, 250, 80, 24);
    ok->SetDefault(true);
    int okClicks = 0;
    ok->OnClick = [&](TObject*) { ++okClicks; };
    auto* cancel = Make<TlxSkinButton>(300, 280, 80, 24);
    cancel->SetCancel(true);
    cancel->OnClick = [&](TObject*) { ++okClicks; };
    t->SetPath(Home + "/z");
    t->SetFocus();
    Changes = 0;

    struct TCase {
        const char* Typed;
        int FinalKey;
        const char* Text; // the node's text afterwards
        size_t Errors;
    };
    const TCase cases[] = {
        {"zz", VK_RETURN, "zz", 0}, // renamed on disk and in the tree
        {"a", VK_RETURN, "zz", 1},  // a folder of that name exists: refused, shown
        {"q/r", VK_RETURN, "zz", 2},
        {"qq", VK_ESCAPE, "zz", 2}, // cancelled
    };
    for (const TCase& c : cases) {
        Session.Key(VK_F2);
        Session.Pump();
        ASSERT_TRUE(t->LabelEditor()->Editing()) << c.Typed;
        Session.Type(c.Typed);
        Session.Pump();
        Session.Key(c.FinalKey);
        Session.Pump();
        EXPECT_FALSE(t->LabelEditor()->Editing());
        EXPECT_EQ(t->Selected()->Text(), c.Text) << c.Typed;
        EXPECT_EQ(Errors.size(), c.Errors) << c.Typed;
    }
    EXPECT_TRUE(IsExistingDirectory(Home + "/zz"));
    EXPECT_FALSE(IsExistingDirectory(Home + "/z"));
    EXPECT_FALSE(IsExistingDirectory(Home + "/qq"));
    EXPECT_EQ(t->Path(), Home + "/zz");
    EXPECT_EQ(Changes, 1) << "the selected folder's new path is announced once";
    EXPECT_EQ(okClicks, 0) << "Enter and Escape stay the editor's";
}

TEST_F(TShellTreeTest, ContextMenuOpensCreatesAndTrashesFolders) {
    TlxSkinDirTreeView* t = Tree();
    t->SetPath(Home + "/a");
    t->Selected()->Collapse(false);
    Run(t, "ShellOpen");
    EXPECT_TRUE(t->Selected()->Expanded());

    Run(t, "ShellNewFolder");
    EXPECT_TRUE(IsExistingDirectory(Home + "/a/New Folder"));
    EXPECT_EQ(t->Path(), Home + "/a/New Folder");
    EXPECT_TRUE(t->LabelEditor()->Editing());
    t->LabelEditor()->Cancel();

    const std::string data = Root + "/data";
    setenv("XDG_DATA_HOME", data.c_str(), 1);
    Run(t, "ShellTrash");
    unsetenv("XDG_DATA_HOME");
    EXPECT_FALSE(IsExistingDirectory(Home + "/a/New Folder"));
    EXPECT_TRUE(IsExistingDirectory(data + "/Trash/files/New Folder"));
    std::ifstream info(data + "/Trash/info/New Folder.trashinfo");
    std::stringstream text;
    text << info.rdbuf();
    EXPECT_EQ(text.str().rfind(
                  "[Trash Info]\nPath=" + EscapeTrashPath(Home + "/a/New Folder") + "\nDeletionDate=", 0),
              0u)
        << text.str();
    EXPECT_EQ(t->Path(), Home + "/a");
    EXPECT_TRUE(Errors.empty());
}

TEST_F(TShellTreeTest, AutoRefreshShowsANewFolderAndEndsWithTheTree) {
    TlxSkinDirTreeView* t = Tree();
    t->SetPath(Home + "/a");
    t->SetAutoRefresh(true);
    MakeDir("a/fresh");
    EXPECT_TRUE(Session.RunUntil([&] { return Child(t->Selected(), "fresh") != nullptr; }, 1000));
    EXPECT_EQ(t->Path(), Home + "/a");

    t->Free();
    MakeDir("a/later");
    Session.RunUntil([] { return false; }, 300); // a handler running now would touch a freed tree
}
