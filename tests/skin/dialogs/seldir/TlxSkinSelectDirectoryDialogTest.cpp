#include "skin/dialogs/seldir/TlxSkinSelectDirectoryDialog.h"

#include "platform/win/WinConst.h"
#include "skin/controls/TlxSkinButton.h"
#include "skin/controls/TlxSkinCustomEdit.h"
#include "skin/controls/TlxSkinPanel.h"
#include "skin/controls/TlxSkinSpeedButton.h"
#include "skin/dialogs/filectrl/FilePaths.h"
#include "skin/dialogs/seldir/TlxSelDirDlgForm.h"
#include "skin/dialogs/shell/TShellLabelEditor.h"
#include "skin/dialogs/shell/TlxCustomShellTreeView.h"
#include "skin/engine/DataSkinControls.h"
#include "skin/windows/TlxLumivex.h"
#include "tests/skin/dialogs/DialogTestSkin.h"
#include "tests/skin/dialogs/message/MessageBoxDriver.h"
#include "tests/skin/dialogs/shell/ShellViewFixture.h"
#include "tests/support/pictures/GoldenPicture.h"

#include <cstdlib>
#include <string>
#include <vector>

namespace {

class TlxSkinSelectDirectoryDialogTest : public TShellViewTest {
protected:
    void SetUp() override {
        TShellViewTest::SetUp();
        SavedHome = std::getenv("HOME") ? std::getenv("HOME") : "";
        setenv("HOME", Home.c_str(), 1);
        Dialog = new TlxSkinSelectDirectoryDialog(Form);
        Dialog->OnShow = [this](TObject*) { Events.push_back("show"); };
        Dialog->OnClose = [this](TObject*) {
            Events.push_back(Dialog->Form() ? "close" : "close without form");
        };
    }
    void TearDown() override {
        Application->OnIdle = nullptr;
        setenv("HOME", SavedHome.c_str(), 1);
        TShellViewTest::TearDown();
    }
    // Execute with Act run on the dialog while it shows.
    bool Run(const std::function<void(TlxSelDirDlgForm*)>& Act) {
        return WhileShown<TlxSelDirDlgForm, bool>(
            Session, [&] { return Dialog->Execute(); }, Act);
    }
    static TPoint Centre(TControl* C) { return C->ClientToScreen({C->Width() / 2, C->Height() / 2}); }

    TlxSkinSelectDirectoryDialog* Dialog = nullptr;
    std::vector<std::string> Events;
    std::string SavedHome;
};

} // namespace

TEST_F(TlxSkinSelectDirectoryDialogTest, OpensOnTheFolderAndOkReturnsTheChosenOne) {
    Dialog->SetDirectory(Home + "/a");
    std::string opened;
    TSize client;
    bool okEnabled = false, hasToolBar = true;
    const bool ok = Run([&](TlxSelDirDlgForm* f) {
        opened = f->DirTreeView->Path();
        client = {f->ClientWidth(), f->ClientHeight()};
        okEnabled = f->OkButton->Enabled();
        hasToolBar = f->ToolPanel || f->DirEdit || f->NewFolderToolButton;
        EXPECT_EQ(f->DirTreeViewPanel->Top(), 0) << "the tree fills the space above the buttons";
        EXPECT_EQ(f->Caption(), "Select folder");
        f->DirTreeView->SetPath(Home + "/a/b");
        Session.Click(Centre(f->OkButton));
    });
    EXPECT_TRUE(ok);
    EXPECT_EQ(opened, Home + "/a");
    EXPECT_EQ(client, (TSize{280, 280}));
    EXPECT_TRUE(okEnabled);
    EXPECT_FALSE(hasToolBar);
    EXPECT_EQ(Dialog->Directory(), Home + "/a/b");
    EXPECT_EQ(Dialog->DialogWidth(), 280);
    EXPECT_EQ(Events, (std::vector<std::string>{"show", "close"}));
    EXPECT_EQ(Dialog->Form(), nullptr);
}

TEST_F(TlxSkinSelectDirectoryDialogTest, WhereItOpens) {
    struct Case {
        std::string Directory, Opened;
        bool OkEnabled;
    } cases[] = {
        {Home + "/a/b/c", Home + "/a/b/c", true},
        {Home + "/a/gone/deeper", Home + "/a", true},
        {"~/z", Home + "/z", true},
        {"relative/a", Home, true},
        {"", "Computer", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Directory);
        Dialog->SetDirectory(c.Directory);
        std::string opened;
        bool okEnabled = false;
        const bool ok = Run([&](TlxSelDirDlgForm* f) {
            opened = f->DirTreeView->Path();
            okEnabled = f->OkButton->Enabled();
            // With OK disabled, Enter cannot accept a place.
            Session.Key(VK_RETURN);
            Session.Pump();
            if (f->ModalResult() == mrNone) Session.Key(VK_ESCAPE);
        });
        EXPECT_EQ(opened, c.Opened);
        EXPECT_EQ(okEnabled, c.OkEnabled);
        EXPECT_EQ(ok, c.OkEnabled);
        EXPECT_EQ(Dialog->Directory(), c.OkEnabled ? c.Opened : c.Directory);
    }
}

TEST_F(TlxSkinSelectDirectoryDialogTest, CancelKeepsTheDirectoryButRemembersTheSize) {
    Dialog->SetDirectory(Home + "/a");
    Dialog->SetDialogWidth(300);
    Dialog->SetDialogHeight(320);
    const bool ok = Run([&](TlxSelDirDlgForm* f) {
        EXPECT_EQ(f->ClientWidth(), 300);
        f->DirTreeView->SetPath(Home + "/z");
        f->SetClientWidth(333);
        Session.Click(Centre(f->CancelButton));
    });
    EXPECT_FALSE(ok);
    EXPECT_EQ(Dialog->Directory(), Home + "/a");
    EXPECT_EQ(Dialog->DialogWidth(), 333);
    EXPECT_EQ(Dialog->DialogHeight(), 320);
}

TEST_F(TlxSkinSelectDirectoryDialogTest, TheFrameSkinsMinimumSizeWins) {
    auto* frameSD = new TlxSkinData(Form);
    TFrameSkin frame;
    frame.Skin.LoadInto(frameSD);
    Dialog->SetSkinData(frameSD);
    Dialog->SetDialogMinWidth(420);
    Dialog->SetDialogMinHeight(300);
    TSize client, minimum;
    Run([&](TlxSelDirDlgForm* f) {
        client = {f->ClientWidth(), f->ClientHeight()};
        minimum = {f->LVX->GetMinWidth(), f->LVX->GetMinHeight()};
        Session.Key(VK_ESCAPE);
    });
    EXPECT_GE(minimum.cx, 420);
    EXPECT_EQ(client, (TSize{std::max(280, minimum.cx), std::max(280, minimum.cy)}));
}

TEST_F(TlxSkinSelectDirectoryDialogTest, EnterInThePathEditGoesThereAndASecondEnterAccepts) {
    Dialog->SetShowToolBar(true);
    Dialog->SetDirectory(Home);
    std::vector<std::string> steps;
    const bool ok = Run([&](TlxSelDirDlgForm* f) {
        ASSERT_NE(f->DirEdit, nullptr);
        EXPECT_EQ(f->DirEdit->Text(), Home) << "the edit follows the tree";
        // Left to right: the path edit, the spacer, the New folder button.
        EXPECT_LT(f->DirEdit->Left() + f->DirEdit->Width(), f->NewFolderToolButton->Left());
        EXPECT_EQ(f->NewFolderToolButton->Hint(), "Create New Folder");
        f->DirEdit->SetFocus();
        struct Step {
            const char* Text;
            std::string Expected;
        } typed[] = {
            {"a", Home + "/a"},       // a sub-folder of the selection
            {"missing", Home + "/a"}, // names nothing: stays
            {"~/z", Home + "/z"},     // below home
            {"/", "/"},               // absolute
        };
        for (const Step& s : typed) {
            f->DirEdit->SetText(s.Text);
            Session.Key(VK_RETURN);
            Session.Pump();
            steps.push_back(f->DirTreeView->Path());
            ASSERT_EQ(f->ModalResult(), mrNone) << s.Text << " closed the dialog";
            EXPECT_EQ(f->DirTreeView->Path(), s.Expected) << s.Text;
            f->DirEdit->SetText(s.Expected == "/" ? "/" : s.Text);
        }
        f->DirEdit->SetText(Home + "/a/b");
        Session.Key(VK_RETURN);
        Session.Pump();
        EXPECT_EQ(f->ModalResult(), mrNone);
        EXPECT_EQ(f->DirEdit->Text(), Home + "/a/b");
        Session.Key(VK_RETURN);
    });
    EXPECT_TRUE(ok);
    EXPECT_EQ(Dialog->Directory(), Home + "/a/b");
}

TEST_F(TlxSkinSelectDirectoryDialogTest, ARelativeNameIsRefusedWhileTheComputerIsSelected) {
    Dialog->SetShowToolBar(true);
    Dialog->SetDirectory("");
    std::string before, after;
    bool open = false;
    const bool ok = Run([&](TlxSelDirDlgForm* f) {
        before = f->DirTreeView->Path();
        f->DirEdit->SetFocus();
        f->DirEdit->SetText("a");
        Session.Key(VK_RETURN);
        Session.Pump();
        after = f->DirTreeView->Path();
        open = f->Visible() && f->ModalResult() == mrNone;
        Session.Key(VK_ESCAPE);
    });
    EXPECT_FALSE(ok);
    EXPECT_EQ(before, "Computer");
    EXPECT_EQ(after, "Computer");
    EXPECT_TRUE(open);
    EXPECT_EQ(Dialog->Directory(), "");
}

TEST_F(TlxSkinSelectDirectoryDialogTest, AltUpSelectsTheParentAndAltLeftGoesBack) {
    MakeDir("a/.secret");
    Dialog->SetDirectory(Home + "/a/b");
    std::vector<std::string> paths;
    bool hiddenShown = true, siblingShown = false;
    const bool ok = Run([&](TlxSelDirDlgForm* f) {
        auto alt = [&](int Key) {
            Session.KeyDown(VK_MENU);
            Session.Key(Key);
            Session.KeyUp(VK_MENU);
            Session.Pump();
            paths.push_back(f->DirTreeView->Path());
        };
        alt(VK_UP);
        hiddenShown = false;
        for (int i = 0; i < f->DirTreeView->Items()->Count(); ++i) {
            const std::string& text = f->DirTreeView->Items()->Item(i)->Text();
            hiddenShown = hiddenShown || text == ".secret";
            siblingShown = siblingShown || text == "b";
        }
        f->DirTreeView->SetPath(Home + "/z");
        alt(VK_LEFT);
        alt(VK_LEFT);
        alt(VK_LEFT);
        Session.Key(VK_RETURN);
    });
    EXPECT_TRUE(ok);
    EXPECT_TRUE(siblingShown);
    EXPECT_FALSE(hiddenShown) << "hidden folders are off by default";
    EXPECT_EQ(paths, (std::vector<std::string>{Home + "/a", Home + "/a", Home + "/a/b", Home + "/a/b"}));
    EXPECT_EQ(Dialog->Directory(), Home + "/a/b");
}

TEST_F(TlxSkinSelectDirectoryDialogTest, BackToAFolderDeletedMeanwhileSelectsItsNearestExistingAncestor) {
    Dialog->SetDirectory(Home + "/a/b/c");
    std::string path;
    const bool ok = Run([&](TlxSelDirDlgForm* f) {
        f->DirTreeView->SetPath(Home + "/z");
        ASSERT_EQ(rmdir((Home + "/a/b/c").c_str()), 0);
        Session.KeyDown(VK_MENU);
        Session.Key(VK_LEFT);
        Session.KeyUp(VK_MENU);
        Session.Pump();
        path = f->DirTreeView->Path();
        Session.Key(VK_RETURN);
    });
    EXPECT_EQ(path, Home + "/a/b");
    EXPECT_TRUE(ok);
    EXPECT_EQ(Dialog->Directory(), Home + "/a/b") << "never a folder that is gone";
    EXPECT_TRUE(Errors.empty());
}

TEST_F(TlxSkinSelectDirectoryDialogTest, NewFolderMakesTheFirstFreeNameAndStartsRenamingIt) {
    Dialog->SetShowToolBar(true);
    Dialog->SetDirectory(Home + "/a");
    MakeDir("a/New Folder");
    bool editing = false, open = false;
    std::string selected, edit;
    Run([&](TlxSelDirDlgForm* f) {
        Session.Click(Centre(f->NewFolderToolButton));
        Session.Pump();
        selected = f->DirTreeView->Path();
        editing = f->DirTreeView->LabelEditor()->Editing();
        Session.Type("fresh");
        Session.Key(VK_RETURN); // ends the rename, not the dialog
        Session.Pump();
        open = f->ModalResult() == mrNone;
        edit = f->DirEdit->Text();
        if (open) Session.Key(VK_ESCAPE);
    });
    EXPECT_EQ(selected, Home + "/a/New Folder (2)");
    EXPECT_TRUE(editing);
    EXPECT_TRUE(open);
    EXPECT_TRUE(IsExistingDirectory(Home + "/a/fresh"));
    EXPECT_EQ(edit, Home + "/a/fresh") << "the path edit follows the rename";
    EXPECT_TRUE(Errors.empty());
}

TEST_F(TlxSkinSelectDirectoryDialogTest, GoldenDialogInTheBuiltInLookAndTheTestSkin) {
    Dialog->SetShowToolBar(true);
    Dialog->SetDirectory(Home + "/a");
    for (bool skinned : {false, true}) {
        SCOPED_TRACE(skinned ? "test skin" : "built-in");
        if (skinned) {
            TlxSkinData* skinData = NewDialogTestSkin(Form);
            Dialog->SetSkinData(skinData);
            Dialog->SetCtrlSkinData(skinData);
        }
        TBitmap shot;
        Run([&](TlxSelDirDlgForm* f) {
            // The temporary folder's name differs from run to run.
            f->DirEdit->SetText("~/a");
            Session.Pump();
            shot = Session.WindowShot(f->Handle());
            Session.Key(VK_ESCAPE);
        });
        EXPECT_TRUE(MatchesGolden(
            shot, std::string("skin/dialogs/seldir/dialog-") + (skinned ? "test-skin" : "built-in"), 40));
    }
}
