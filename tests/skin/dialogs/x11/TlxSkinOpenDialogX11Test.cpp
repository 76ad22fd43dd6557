// The open dialog on a real display: a folder of a temporary tree, three
// files chosen with real clicks and Ctrl-clicks, and the Open button.

#include "X11Fixture.h"

#include "platform/vcl/TApplication.h"
#include "platform/vcl/TScreen.h"
#include "skin/controls/TlxSkinButton.h"
#include "skin/dialogs/open/TlxOpenDlgForm.h"
#include "skin/dialogs/open/TlxSkinOpenDialog.h"
#include "skin/dialogs/shell/ShellViewContext.h"
#include "skin/dialogs/shell/TlxCustomShellListView.h"
#include "tests/support/TTempFolder.h"

#include <chrono>
#include <string>
#include <vector>

#include <sys/stat.h>

namespace {

constexpr unsigned long KeySymControlL = 0xffe3;

class TlxSkinOpenDialogX11 : public X11Fixture {
protected:
    void SetUp() override {
        X11Fixture::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        for (const char* dir : {"home", "home/clips", "home/clips/older", "config"})
            mkdir((Temp.Path() + dir).c_str(), 0755);
        for (const char* file :
             {"home/clips/a.avi", "home/clips/b.avi", "home/clips/c.avi", "home/clips/d.avi"})
            Temp.Write(file, "x");
        TShellEnvironment env;
        env.Home = Temp.Path() + "home";
        env.ConfigHome = Temp.Path() + "config";
        SetShellEnvironment(env);
        // Clicks on different rows come faster than a user's; none of them
        // may pair into a double click, which would open one file at once.
        SavedDoubleClickTime = GetDoubleClickTime();
        SetDoubleClickTime(1);
        Application->Initialize();
        Main = new TForm(nullptr);
        Main->SetBounds(40, 40, 300, 200);
        Main->Show();
        ASSERT_TRUE(PumpUntil([&] { return WindowViewable(Backend().WindowOf(Main->Handle())); }));
        Dialog = new TlxSkinOpenDialog(Main);
    }
    void TearDown() override {
        Application->OnIdle = nullptr;
        if (Main) Main->Free();
        while (Application->ComponentCount() > 0)
            Application->Components(Application->ComponentCount() - 1)->Free();
        if (SavedDoubleClickTime) SetDoubleClickTime(SavedDoubleClickTime);
        SetShellEnvironment(std::nullopt);
        X11Fixture::TearDown();
    }

    // Execute; Act runs once the dialog is on the screen. A dialog still
    // open long after is cancelled, failing the test instead of hanging.
    bool Run(const std::function<void(TlxOpenDlgForm*)>& Act) {
        bool acted = false;
        const auto start = std::chrono::steady_clock::now();
        Application->OnIdle = [&](TObject*, bool& Done) {
            Done = false;
            Pump();
            WaitMessage(5);
            TlxOpenDlgForm* form = Dialog->Form();
            if (!form || !form->Visible()) return;
            if (!acted && WindowViewable(Backend().WindowOf(form->Handle()))) {
                acted = true;
                Act(form);
            } else if (std::chrono::steady_clock::now() - start > std::chrono::seconds(20)) {
                form->SetModalResult(mrCancel);
            }
        };
        const bool ok = Dialog->Execute();
        Application->OnIdle = nullptr;
        return ok;
    }

    static TPoint RowPoint(TlxCustomShellListView* L, const std::string& Name) {
        for (size_t i = 0; i < L->Folders().size(); ++i)
            if (L->Folders()[i].DisplayName == Name) {
                const TRect r = L->ItemRect(static_cast<int>(i), drLabel);
                return L->ClientToScreen({r.Left + 4, (r.Top + r.Bottom) / 2});
            }
        ADD_FAILURE() << Name << " is not listed";
        return {};
    }

    TTempFolder Temp;
    TForm* Main = nullptr;
    TlxSkinOpenDialog* Dialog = nullptr;
    uint32_t SavedDoubleClickTime = 0;
};

} // namespace

TEST_F(TlxSkinOpenDialogX11, CtrlClicksChooseThreeFilesAndOpenReturnsThemInRowOrder) {
    const std::string clips = Temp.Path() + "home/clips";
    Dialog->SetFileName(clips + "/");
    Dialog->SetMultiSelection(true);
    std::string listed;
    const bool ok = Run([&](TlxOpenDlgForm* f) {
        TlxCustomShellListView* list = f->FileListView;
        listed = list->Path();
        auto selected = [&] { return list->SelCount(); };
        Click(RowPoint(list, "d.avi"));
        ASSERT_TRUE(PumpUntil([&] { return selected() == 1; }));
        KeyDown(KeySymControlL);
        Click(RowPoint(list, "a.avi"));
        ASSERT_TRUE(PumpUntil([&] { return selected() == 2; }));
        Click(RowPoint(list, "c.avi"));
        ASSERT_TRUE(PumpUntil([&] { return selected() == 3; }));
        KeyUp(KeySymControlL);
        Pump();
        Click(f->OpenButton->ClientToScreen({f->OpenButton->Width() / 2, f->OpenButton->Height() / 2}));
    });
    EXPECT_TRUE(ok);
    EXPECT_EQ(listed, clips);
    std::vector<std::string> files;
    for (int i = 0; i < Dialog->Files()->Count(); ++i)
        files.push_back(Dialog->Files()->Get(i));
    EXPECT_EQ(files, (std::vector<std::string>{clips + "/a.avi", clips + "/c.avi", clips + "/d.avi"}));
    EXPECT_EQ(Screen->FormCount(), 1) << "the dialog is gone";
}
