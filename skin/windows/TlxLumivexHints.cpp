// Hints of the frame objects and quick buttons: shown below the mouse after
// the application's hint pause and hidden after its hide pause. While the
// application has a skinned hint the component's SkinHint draws them from the
// skin; otherwise a platform hint window of the component's own does.

#include "platform/vcl/TApplication.h"
#include "platform/vcl/THintWindow.h"
#include "platform/vcl/TTimer.h"
#include "skin/controls/TlxSkinHint.h"
#include "skin/windows/TlxLumivex.h"

namespace {

// Below the mouse pointer's picture.
constexpr int CursorHeightMargin = 20;

} // namespace

void TlxLumivex::ActivateObjectHint(const std::string& AHint) {
    HideObjectHint();
    if (AHint.empty() || !WindowSystemReady()) return;
    FObjectHintText = AHint;
    // A skinned hint window is served by the main form's active hint
    // component; without one it would show nothing.
    FObjectHintSkinned = FSkinHint && FindActiveSkinHint();
    if (FObjectHintSkinned) {
        FSkinHint->ActivateHint2(AHint);
        return;
    }
    if (!FObjectHintTimer) {
        FObjectHintTimer = new TTimer(this);
        FObjectHintTimer->SetEnabled(false);
    }
    FObjectHintTimer->SetInterval(
        static_cast<uint32_t>(Application ? std::max(Application->HintPause(), 1) : 500));
    FObjectHintTimer->OnTimer = [this](TObject*) { ShowObjectHintNow(); };
    FObjectHintTimer->SetEnabled(true);
}

void TlxLumivex::ShowObjectHintNow() {
    if (!FObjectHintWindow) FObjectHintWindow = new THintWindow(this);
    TPoint p;
    GetCursorPos(p);
    TRect r = FObjectHintWindow->CalcHintRect(300, FObjectHintText);
    const int w = r.Width(), h = r.Height();
    r = {p.X, p.Y + CursorHeightMargin, p.X + w, p.Y + CursorHeightMargin + h};
    FObjectHintWindow->ActivateHint(r, FObjectHintText);
    // The same timer hides it again.
    FObjectHintTimer->SetEnabled(false);
    FObjectHintTimer->SetInterval(
        static_cast<uint32_t>(Application ? std::max(Application->HintHidePause(), 1) : 2500));
    FObjectHintTimer->OnTimer = [this](TObject*) { HideObjectHint(); };
    FObjectHintTimer->SetEnabled(true);
}

void TlxLumivex::HideObjectHint() {
    if (FObjectHintTimer) FObjectHintTimer->SetEnabled(false);
    if (FObjectHintWindow && FObjectHintWindow->Active()) FObjectHintWindow->ReleaseHandle();
    if (FObjectHintSkinned && FSkinHint) FSkinHint->HideHint();
    FObjectHintSkinned = false;
}

bool TlxLumivex::ObjectHintVisible() const {
    if (FObjectHintSkinned) return FSkinHint && FSkinHint->IsVisible();
    return FObjectHintWindow && FObjectHintWindow->Active();
}
