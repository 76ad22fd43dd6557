#include "media/engine/TPreviewer.h"

#include "media/MediaUtils.h"
#include "platform/gdi/TBitmap.h"
#include "platform/sys/MainThread.h"
#include "platform/vcl/TCustomForm.h"
#include "platform/vcl/TScreen.h"

// The window itself: shows its own copy of the last frame (repaints never
// touch the converter's bitmap) and turns a press anywhere into a caption
// drag, without any application-wide message handler.
class TPreviewForm : public TForm {
public:
    using TForm::TForm;
    TBitmap Frame;

    void WndProc(TMessage& Message) override {
        if (Message.Msg == WM_LBUTTONDOWN && HandleAllocated()) {
            ReleaseCapture();
            SendMessage(Handle(), WM_NCLBUTTONDOWN, HTCAPTION, PointToLParam(GetMessagePos()));
            Message.Result = 0;
            return;
        }
        TForm::WndProc(Message);
    }

protected:
    void Paint() override {
        if (!Frame.Empty()) Canvas()->Draw(0, 0, &Frame);
    }
};

TPreviewer::TPreviewer() = default;

TPreviewer::~TPreviewer() {
    if (!FForm) return;
    auto release = [this] {
        FForm->Free();
        FForm = nullptr;
        FFormHandle = nullptr;
    };
    try {
        if (IsGuiThread())
            release();
        else
            CallInMainThread(release);
    } catch (...) {
        // A destructor never throws; the window goes with the window system.
    }
}

bool TPreviewer::PaintFrame(const TBitmap* ABitmap, int AFrameNumber, int64_t APTS) {
    if (FClosed) return false;
    FBitmap = ABitmap;
    FFrameNumber = AFrameNumber;
    FPTS = APTS;
    CallInMainThread([this] { Paint(); });
    FBitmap = nullptr;
    return !FClosed;
}

void TPreviewer::Paint() {
    if (FClosed || !FBitmap) return;
    if (!FForm) {
        // Without a window system there is nowhere to show frames.
        if (!WindowSystemReady()) {
            FClosed = true;
            return;
        }
        FForm = new TPreviewForm(nullptr);
        FForm->SetFormStyle(fsStayOnTop);
        FForm->SetBorderStyle(bsToolWindow);
        FForm->SetBorderIcons(TBorderIcons{biSystemMenu});
        FForm->OnClose = [this](TObject*, TCloseAction& Action) {
            FClosed = true;
            Action = caHide;
        };
        FForm->HandleNeeded();
        FForm->SetClientWidth(FBitmap->Width());
        FForm->SetClientHeight(FBitmap->Height());
        if (Screen)
            FForm->SetBounds(Screen->Width() / 2 - FForm->Width() / 2,
                             Screen->Height() / 2 - FForm->Height() / 2, FForm->Width(), FForm->Height());
        FFormHandle = FForm->Handle();
        FForm->Show();
    }
    FForm->SetCaption(DurationToText(FPTS));
    FForm->Frame = *FBitmap;
    FForm->Repaint();
}
