// The message box on a real display: shown over a form, dismissed with a
// real click and with the Enter key.

#include "X11Fixture.h"

#include "platform/vcl/TApplication.h"
#include "skin/controls/TlxSkinButton.h"
#include "skin/dialogs/message/TlxMessageForm.h"
#include "skin/dialogs/message/TlxSkinMessage.h"

#include "tests/skin/dialogs/x11/WindowManagerView.h"

#include <algorithm>
#include <chrono>
#include <vector>

namespace {

class TlxSkinMessageX11 : public X11Fixture {
protected:
    void SetUp() override {
        X11Fixture::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        Application->Initialize();
        Main = new TForm(nullptr);
        Main->SetBounds(100, 100, 400, 300);
        Main->Show();
        ASSERT_TRUE(PumpUntil([&] { return WindowViewable(Backend().WindowOf(Main->Handle())); }));
        Msg = new TlxSkinMessage(Main);
    }
    void TearDown() override {
        Application->OnIdle = nullptr;
        if (Main) Main->Free();
        while (Application->ComponentCount() > 0)
            Application->Components(Application->ComponentCount() - 1)->Free();
        X11Fixture::TearDown();
    }

    // MessageDlg with [OK, Cancel]; Act runs once the box is on the screen.
    int Run(const std::function<void(TlxMessageForm*)>& Act) {
        bool acted = false;
        auto start = std::chrono::steady_clock::now();
        Application->OnIdle = [&](TObject*, bool& Done) {
            Done = false;
            Pump();
            WaitMessage(5);
            TlxMessageForm* box = nullptr;
            for (int i = 0; i < Screen->FormCount(); ++i)
                if (auto* f = dynamic_cast<TlxMessageForm*>(Screen->Forms(i)); f && f->Visible()) box = f;
            if (!box) return;
            if (!acted && WindowViewable(Backend().WindowOf(box->Handle()))) {
                acted = true;
                Act(box);
            } else if (std::chrono::steady_clock::now() - start > std::chrono::seconds(10)) {
                box->SetModalResult(-1); // fails the test instead of hanging
            }
        };
        int result = Msg->MessageDlg("Shown on a real display", mtInformation, {mbOK, mbCancel}, 0);
        Application->OnIdle = nullptr;
        return result;
    }

    TForm* Main = nullptr;
    TlxSkinMessage* Msg = nullptr;
};

} // namespace

TEST_F(TlxSkinMessageX11, ABoxOverAFormIsATransientModalDialogDismissedByARealClick) {
    std::vector<std::string> type, state;
    unsigned long owner = 0;
    const int result = Run([&](TlxMessageForm* box) {
        const unsigned long w = Backend().WindowOf(box->Handle());
        owner = TransientFor(Other(), w);
        type = AtomNames(Other(), w, "_NET_WM_WINDOW_TYPE");
        state = AtomNames(Other(), w, "_NET_WM_STATE");
        auto* cancel = dynamic_cast<TlxSkinButton*>(box->FindComponent("Cancel"));
        Click(cancel->ClientToScreen({cancel->Width() / 2, cancel->Height() / 2}));
    });
    EXPECT_EQ(result, mrCancel);
    EXPECT_EQ(owner, Backend().WindowOf(Main->Handle()));
    EXPECT_EQ(type, std::vector<std::string>{"_NET_WM_WINDOW_TYPE_DIALOG"});
    EXPECT_NE(std::find(state.begin(), state.end(), "_NET_WM_STATE_MODAL"), state.end());
    // The box is gone from the display, the form takes input again.
    EXPECT_TRUE(IsWindowEnabled(Main->Handle()));
    EXPECT_EQ(Screen->FormCount(), 1);
}

TEST_F(TlxSkinMessageX11, ABoxIsDismissedWithTheEnterKey) {
    EXPECT_EQ(Run([&](TlxMessageForm*) { Key(KeySymReturn); }), mrOk);
    EXPECT_EQ(Screen->FormCount(), 1);
}
