#include "skin/dialogs/shell/TlxCustomShellComboBox.h"

#include "skin/dialogs/shell/TlxCustomShellListView.h"
#include "skin/dialogs/shell/TlxCustomShellTreeView.h"
#include "tests/skin/dialogs/shell/ShellViewFixture.h"

namespace {

class TShellComboTest : public TShellViewTest {
protected:
    TlxSkinShellComboBox* Combo() {
        auto* c = Make<TlxSkinShellComboBox>(10, 10, 250, 22);
        Session.Pump();
        return c;
    }
    // Each entry as "caption/indent".
    static std::vector<std::string> Entries(const TlxCustomShellComboBox* C) {
        std::vector<std::string> entries;
        for (const TlxItemEx& item : C->ItemsEx())
            entries.push_back(item.Caption + "/" + std::to_string(item.Indent));
        return entries;
    }
    static int Index(const TlxCustomShellComboBox* C, const std::string& Caption) {
        for (size_t i = 0; i < C->ItemsEx().size(); ++i)
            if (C->ItemsEx()[i].Caption == Caption) return static_cast<int>(i);
        return -1;
    }
};

const std::vector<std::string> TopEntries = {"Places/0", "Home/1", "Desktop/1", "Computer/1",
                                             "File System/2"};

} // namespace

TEST_F(TShellComboTest, ListsPlacesThenTheComputersVolumesAndInsertsTheChainToAFolder) {
    TlxSkinShellComboBox* c = Combo();
    std::vector<std::string> top = Entries(c);
    ASSERT_EQ(top.size(), 6u);
    EXPECT_EQ(std::vector<std::string>(top.begin(), top.begin() + 5),
              std::vector<std::string>(TopEntries.begin(), TopEntries.begin() + 5));
    EXPECT_TRUE(top[5].ends_with("/2")) << "the network volume, " << top[5];
    EXPECT_EQ(c->ItemIndex(), 0);
    EXPECT_EQ(c->Items()->Count(), 6);

    c->SetPath(Home + "/a/b/c");
    std::vector<std::string> chain = Entries(c);
    EXPECT_EQ(std::vector<std::string>(chain.begin(), chain.begin() + 6),
              (std::vector<std::string>{"Places/0", "Home/1", "a/2", "b/3", "c/4", "Desktop/1"}));
    EXPECT_EQ(c->ItemIndex(), 4);
    EXPECT_EQ(c->Path(), Home + "/a/b/c");
    EXPECT_EQ(c->Items()->Get(4), "c");

    c->SetPath("Computer");
    EXPECT_EQ(Entries(c).size(), 6u) << "a listed folder inserts nothing";
    EXPECT_EQ(c->ItemIndex(), 3);

    EXPECT_THROW(c->SetPath(Home + "/missing"), EInvalidPath);
    c->SetRoot(Home);
    EXPECT_EQ(Entries(c), (std::vector<std::string>{"Home/0", "a/1", "Desktop/1", "z/1"}));
    c->SetPath("/");
    EXPECT_EQ(c->ItemIndex(), 0) << "a folder outside the root selects the root";
}

TEST_F(TShellComboTest, ChoosingAnEntryMovesTheTreeAndTheListAndTheyMoveItOnce) {
    TlxSkinShellComboBox* c = Combo();
    auto* t = Make<TlxSkinDirTreeView>(10, 40, 120, 200);
    auto* l = Make<TlxSkinFileListView>(140, 40, 200, 200);
    t->SetShellListView(l);
    c->SetShellTreeView(t);
    c->SetShellListView(l);
    Session.Pump();
    EXPECT_EQ(t->ShellComboBox(), c);
    EXPECT_EQ(l->ShellComboBox(), c);
    int comboChanges = 0, treeChanges = 0, listChanges = 0;
    c->OnChange = [&](TObject*) { ++comboChanges; };
    t->OnChange = [&](TObject*, TTreeNode*) { ++treeChanges; };
    l->OnPathChanged = [&](TObject*) { ++listChanges; };

    c->SetItemIndex(Index(c, "Desktop"));
    EXPECT_EQ(t->Path(), Home + "/Desktop");
    EXPECT_EQ(l->Path(), Home + "/Desktop");
    EXPECT_EQ((std::vector<int>{comboChanges, treeChanges, listChanges}), (std::vector<int>{1, 1, 1}));

    l->SetPath(Home + "/a/b");
    EXPECT_EQ(c->Path(), Home + "/a/b");
    EXPECT_EQ(t->Path(), Home + "/a/b");
    EXPECT_EQ((std::vector<int>{comboChanges, treeChanges, listChanges}), (std::vector<int>{2, 2, 2}));

    t->SetPath(Home + "/a/b/c");
    EXPECT_EQ(c->Path(), Home + "/a/b/c");
    EXPECT_EQ(l->Path(), Home + "/a/b/c");
    EXPECT_EQ((std::vector<int>{comboChanges, treeChanges, listChanges}), (std::vector<int>{3, 3, 3}));

    l->Free();
    t->Free();
    EXPECT_EQ(c->ShellTreeView(), nullptr);
    EXPECT_EQ(c->ShellListView(), nullptr);
    c->SetItemIndex(0);
    EXPECT_EQ(c->Path(), "Places");
}
