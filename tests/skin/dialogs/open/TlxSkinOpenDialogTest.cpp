#include "skin/dialogs/open/TlxSkinOpenDialog.h"

#include "platform/vcl/TMenu.h"
#include "platform/win/WinConst.h"
#include "skin/controls/TlxSkinButton.h"
#include "skin/controls/TlxSkinCustomEdit.h"
#include "skin/controls/TlxSkinSpeedButton.h"
#include "skin/dialogs/filectrl/FilePaths.h"
#include "skin/dialogs/filectrl/TlxSkinFilterComboBox.h"
#include "skin/dialogs/message/TlxMessageForm.h"
#include "skin/dialogs/open/TlxOpenDlgForm.h"
#include "skin/dialogs/shell/TShellLabelEditor.h"
#include "skin/dialogs/shell/TlxCustomShellComboBox.h"
#include "skin/dialogs/shell/TlxCustomShellListView.h"
#include "skin/engine/DataSkinControls.h"
#include "tests/skin/dialogs/DialogTestSkin.h"
#include "tests/skin/dialogs/open/DialogScript.h"
#include "tests/skin/dialogs/shell/ShellViewFixture.h"
#include "tests/support/pictures/GoldenPicture.h"

#include <sys/stat.h>

namespace {

class TlxSkinOpenDialogTest : public TShellViewTest {
protected:
    void SetUp() override {
        TShellViewTest::SetUp();
        for (const char* f : {"a/one.avi", "a/two.avi", "a/three.avi", "a/notes.txt", "a/.hidden.avi"})
            WriteFile(f);
        Dialog = new TlxSkinOpenDialog(Form);
        Dialog->OnShow = [this](TObject*) { Events.push_back("show"); };
        Dialog->OnClose = [this](TObject*) {
            Events.push_back(Dialog->Form() ? "close" : "close without form");
        };
    }
    bool Run(std::function<void(TlxOpenDlgForm*)> Act, std::vector<TDialogStep> More = {}) {
        std::vector<TDialogStep> steps{OnForm<TlxOpenDlgForm>(std::move(Act))};
        for (TDialogStep& s : More)
            steps.push_back(std::move(s));
        return RunDialog<bool>(
            Session, [&] { return Dialog->Execute(); }, std::move(steps), Form);
    }
    static TPoint Centre(TControl* C) { return C->ClientToScreen({C->Width() / 2, C->Height() / 2}); }
    static int Row(TlxCustomShellListView* L, const std::string& Name) {
        for (size_t i = 0; i < L->Folders().size(); ++i)
            if (L->Folders()[i].DisplayName == Name) return static_cast<int>(i);
        return -1;
    }
    static std::vector<std::string> Names(TlxCustomShellListView* L) {
        std::vector<std::string> names;
        for (const TShellItem& i : L->Folders())
            names.push_back(i.DisplayName);
        return names;
    }
    void Type(TlxOpenDlgForm* F, const std::string& Text) {
        F->FileNameEdit->SetText(Text);
        F->FileNameEdit->SetFocus();
        Session.Key(VK_RETURN);
        Session.Pump();
    }
    std::vector<std::string> Files() const {
        std::vector<std::string> files;
        for (int i = 0; i < Dialog->Files()->Count(); ++i)
            files.push_back(Dialog->Files()->Get(i));
        return files;
    }

    TlxSkinOpenDialog* Dialog = nullptr;
    std::vector<std::string> Events;
};

} // namespace

TEST_F(TlxSkinOpenDialogTest, OpensInTheFileNamesFolderAndReturnsTheSelectedFile) {
    Dialog->SetFileName(Home + "/a/two.avi");
    std::string listed, edit, caption;
    TSize client;
    const bool ok = Run([&](TlxOpenDlgForm* f) {
        listed = f->FileListView->Path();
        edit = f->FileNameEdit->Text();
        caption = f->OpenButton->Caption();
        client = {f->ClientWidth(), f->ClientHeight()};
        EXPECT_EQ(f->ShellBox->Path(), Home + "/a");
        EXPECT_EQ(Names(f->FileListView),
                  (std::vector<std::string>{"b", "notes.txt", "one.avi", "three.avi", "two.avi"}));
        f->FileListView->SetItemIndex(Row(f->FileListView, "three.avi"));
        Session.Click(Centre(f->OpenButton));
    });
    EXPECT_TRUE(ok);
    EXPECT_EQ(listed, Home + "/a");
    EXPECT_EQ(edit, "two.avi");
    EXPECT_EQ(caption, "&Open");
    EXPECT_EQ(client, (TSize{450, 290}));
    EXPECT_EQ(Dialog->FileName(), Home + "/a/three.avi");
    EXPECT_EQ(Files(), (std::vector<std::string>{Home + "/a/three.avi"}));
    EXPECT_EQ(Events, (std::vector<std::string>{"show", "close"}));
}

TEST_F(TlxSkinOpenDialogTest, CancelKeepsTheNamesButRemembersFilterSizeAndStyle) {
    Dialog->SetFileName(Home + "/a/one.avi");
    Dialog->Files()->Add("kept");
    Dialog->SetFilter("Videos|*.avi|Texts|*.txt|All|*.*");
    Dialog->SetFilterIndex(9);
    int shownIndex = -1;
    const bool ok = Run([&](TlxOpenDlgForm* f) {
        shownIndex = f->FilterComboBox->ItemIndex();
        f->FilterComboBox->SetItemIndex(0);
        EXPECT_EQ(Names(f->FileListView), (std::vector<std::string>{"b", "one.avi", "three.avi", "two.avi"}));
        f->ReportMenuItem->Click();
        f->SetClientWidth(500);
        f->FileListView->SetItemIndex(Row(f->FileListView, "two.avi"));
        Session.Key(VK_ESCAPE);
    });
    EXPECT_FALSE(ok);
    EXPECT_EQ(shownIndex, 2) << "a filter index too large is clamped";
    EXPECT_EQ(Dialog->FileName(), Home + "/a/one.avi");
    EXPECT_EQ(Files(), (std::vector<std::string>{"kept"}));
    EXPECT_EQ(Dialog->FilterIndex(), 1);
    EXPECT_EQ(Dialog->DialogWidth(), 500);
    EXPECT_EQ(Dialog->ListViewStyle(), vsReport);

    Dialog->SetFilterIndex(0);
    Run([&](TlxOpenDlgForm* f) {
        shownIndex = f->FilterComboBox->ItemIndex();
        EXPECT_EQ(f->ClientWidth(), 500);
        EXPECT_TRUE(f->ReportMenuItem->Checked());
        f->SetModalResult(mrCancel);
    });
    EXPECT_EQ(shownIndex, 0) << "0 is clamped to the first entry";
}

TEST_F(TlxSkinOpenDialogTest, StartFolderFallsBackToTheNearestAncestorAndHome) {
    struct TCase {
        std::string FileName, InitialDir, Listed;
    };
    const TCase cases[] = {
        {Home + "/a/gone/deeper/x.avi", "", Home + "/a"},
        {"", Home + "/a/b", Home + "/a/b"},
        {"c:x.avi", "", Home},
        {"", "relative", Home},
    };
    for (const TCase& c : cases) {
        Dialog->SetFileName(c.FileName);
        Dialog->SetInitialDir(c.InitialDir);
        std::string listed;
        Run([&](TlxOpenDlgForm* f) {
            listed = f->FileListView->Path();
            f->SetModalResult(mrCancel);
        });
        EXPECT_EQ(listed, c.Listed) << c.FileName << c.InitialDir;
    }
}

TEST_F(TlxSkinOpenDialogTest, TypedNamesFoldersAndTheBackHistory) {
    Dialog->SetFileName(Home + "/a/");
    Dialog->SetShowHiddenFiles(true);
    std::vector<std::string> paths;
    const bool ok = Run([&](TlxOpenDlgForm* f) {
        EXPECT_NE(Row(f->FileListView, ".hidden.avi"), -1);
        f->BackToolButton->Click();
        EXPECT_EQ(f->FileListView->Path(), Home + "/a") << "a one-entry history goes nowhere";
        Type(f, "b");
        paths.push_back(f->FileListView->Path());
        Type(f, "~/z");
        paths.push_back(f->FileListView->Path());
        auto alt = [&](int Key) {
            Session.KeyDown(VK_MENU);
            Session.Key(Key);
            Session.KeyUp(VK_MENU);
            Session.Pump();
            paths.push_back(f->FileListView->Path());
        };
        alt(VK_LEFT);
        f->BackToolButton->Click();
        paths.push_back(f->FileListView->Path());
        f->UpToolButton->Click();
        paths.push_back(f->FileListView->Path());
        Type(f, Home + "/a/b");
        paths.push_back(f->FileListView->Path());
        alt(VK_UP);
        Type(f, "missing.avi");
        EXPECT_EQ(f->ModalResult(), mrNone) << "a missing name keeps the dialog open";
        Type(f, Home + "/a/one.avi");
    });
    EXPECT_TRUE(ok);
    EXPECT_EQ(paths, (std::vector<std::string>{Home + "/a/b", Home + "/z", Home + "/a/b", Home + "/a", Home,
                                               Home + "/a/b", Home + "/a"}));
    EXPECT_EQ(Dialog->FileName(), Home + "/a/one.avi");
}

TEST_F(TlxSkinOpenDialogTest, BackToAFolderDeletedMeanwhileGoesToItsNearestExistingAncestor) {
    Dialog->SetFileName(Home + "/a/b/c/");
    std::string listed;
    Run([&](TlxOpenDlgForm* f) {
        Type(f, "~/z");
        ASSERT_EQ(rmdir((Home + "/a/b/c").c_str()), 0);
        ASSERT_EQ(rmdir((Home + "/a/b").c_str()), 0);
        f->BackToolButton->Click();
        listed = f->FileListView->Path();
        f->SetModalResult(mrCancel);
    });
    EXPECT_EQ(listed, Home + "/a");
    EXPECT_TRUE(Errors.empty());
}

TEST_F(TlxSkinOpenDialogTest, AFifoIsNeverOpened) {
    mkfifo((Home + "/a/pipe").c_str(), 0644);
    Dialog->SetFileName(Home + "/a/");
    bool stillOpen = false;
    Run([&](TlxOpenDlgForm* f) {
        f->FileListView->SetItemIndex(Row(f->FileListView, "pipe"));
        Session.Click(Centre(f->OpenButton));
        Session.Pump();
        Type(f, "pipe");
        stillOpen = f->Visible() && f->ModalResult() == mrNone;
        f->SetModalResult(mrCancel);
    });
    EXPECT_TRUE(stillOpen);
}

TEST_F(TlxSkinOpenDialogTest, SaveModeCompletesAsksOnTheCompletedNameAndFollowsTheFilter) {
    class TSaveDialog : public TlxSkinOpenDialog {
    public:
        explicit TSaveDialog(TComponent* AOwner) : TlxSkinOpenDialog(AOwner) { FSaveMode = true; }
    };
    Dialog->Free();
    Dialog = new TSaveDialog(Form);
    WriteFile("a/report.txt");
    Dialog->SetFileName(Home + "/a/report");
    Dialog->SetFilter("Texts|*.txt|Pictures|*.bmp;*.dib|All|*.*");
    Dialog->SetOverwritePromt(true);
    std::vector<std::string> edits;
    const bool ok = Run(
        [&](TlxOpenDlgForm* f) {
            EXPECT_EQ(f->OpenButton->Caption(), "&Save");
            f->FilterComboBox->SetItemIndex(1);
            edits.push_back(f->FileNameEdit->Text());
            f->FilterComboBox->SetItemIndex(2);
            edits.push_back(f->FileNameEdit->Text());
            f->FilterComboBox->SetItemIndex(0);
            edits.push_back(f->FileNameEdit->Text());
            f->FileNameEdit->SetText("report");
            Session.Click(Centre(f->OpenButton));
        },
        {OnForm<TlxMessageForm>([&](TlxMessageForm* m) {
             EXPECT_NE(Dialog->Form()->FileName, Home + "/a/report.txt");
             m->SetModalResult(mrCancel);
         }),
         OnForm<TlxOpenDlgForm>([&](TlxOpenDlgForm* f) {
             EXPECT_EQ(f->ModalResult(), mrNone) << "Cancel on the question keeps the dialog";
             Session.Click(Centre(f->OpenButton));
         }),
         OnForm<TlxMessageForm>([&](TlxMessageForm* m) { m->SetModalResult(mrOk); })});
    EXPECT_TRUE(ok);
    EXPECT_EQ(edits, (std::vector<std::string>{"report.bmp", "report.bmp", "report.txt"}));
    EXPECT_EQ(Dialog->FileName(), Home + "/a/report.txt");
}

TEST_F(TlxSkinOpenDialogTest, CtrlClicksSelectSeveralFilesReturnedInRowOrder) {
    Dialog->SetFileName(Home + "/a/");
    Dialog->SetMultiSelection(true);
    const bool ok = Run([&](TlxOpenDlgForm* f) {
        TlxCustomShellListView* l = f->FileListView;
        auto row = [&](const char* Name) {
            TRect r = l->ItemRect(Row(l, Name), drLabel);
            return l->ClientToScreen({r.Left + 3, (r.Top + r.Bottom) / 2});
        };
        Session.Click(row("two.avi"));
        Session.Advance(1000);
        Session.KeyDown(VK_CONTROL);
        Session.Click(row("notes.txt"));
        Session.Advance(1000);
        Session.Click(row("one.avi"));
        Session.KeyUp(VK_CONTROL);
        Session.Pump();
        Session.Click(Centre(f->OpenButton));
    });
    EXPECT_TRUE(ok);
    EXPECT_EQ(Files(),
              (std::vector<std::string>{Home + "/a/notes.txt", Home + "/a/one.avi", Home + "/a/two.avi"}));
    EXPECT_EQ(Dialog->FileName(), Home + "/a/notes.txt");
}

TEST_F(TlxSkinOpenDialogTest, GoldenDialogInTheBuiltInLookAndTheTestSkin) {
    Dialog->SetFileName(Home + "/a/one.avi");
    Dialog->SetFilter("Videos|*.avi|All files|*.*");
    for (bool skinned : {false, true}) {
        SCOPED_TRACE(skinned ? "test skin" : "built-in");
        if (skinned) {
            TlxSkinData* skinData = NewDialogTestSkin(Form);
            Dialog->SetSkinData(skinData);
            Dialog->SetCtrlSkinData(skinData);
        }
        TBitmap shot;
        Run([&](TlxOpenDlgForm* f) {
            Session.Pump();
            shot = Session.WindowShot(f->Handle());
            f->SetModalResult(mrCancel);
        });
        EXPECT_TRUE(MatchesGolden(
            shot, std::string("skin/dialogs/open/dialog-") + (skinned ? "test-skin" : "built-in"), 8));
    }
}

// Enter commits a rename and Escape cancels one; neither reaches Open or
// Cancel.
TEST_F(TlxSkinOpenDialogTest, EnterAndEscapeInALabelEditorStayTheEditors) {
    Dialog->SetFileName(Home + "/a/");
    std::vector<bool> open;
    Run([&](TlxOpenDlgForm* f) {
        f->FileListView->SetFocus();
        f->FileListView->SetItemIndex(Row(f->FileListView, "one.avi"));
        Session.Key(VK_F2);
        Session.Pump();
        EXPECT_TRUE(f->FileListView->LabelEditor()->Editing());
        Session.Type("uno.avi");
        Session.Key(VK_RETURN);
        Session.Pump();
        open.push_back(f->Visible() && f->ModalResult() == mrNone);
        EXPECT_EQ(f->FileNameEdit->Text(), "uno.avi") << "the name edit follows the rename";
        Session.Key(VK_F2);
        Session.Pump();
        Session.Key(VK_ESCAPE);
        Session.Pump();
        open.push_back(f->Visible() && f->ModalResult() == mrNone);
        f->NewFolderToolButton->Click();
        Session.Pump();
        EXPECT_TRUE(f->FileListView->LabelEditor()->Editing());
        Session.Type("made");
        Session.Key(VK_RETURN);
        Session.Pump();
        open.push_back(f->Visible() && f->ModalResult() == mrNone);
        f->SetModalResult(mrCancel);
    });
    EXPECT_EQ(open, (std::vector<bool>{true, true, true}));
    EXPECT_TRUE(IsExistingFile(Home + "/a/uno.avi"));
    EXPECT_TRUE(IsExistingDirectory(Home + "/a/made"));
}
