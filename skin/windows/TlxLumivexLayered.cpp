// The form-skinning component's side of the layered border: when the border
// is in use, and keeping it shown, sized, stacked, active and faded with the
// form.

#include "platform/vcl/TApplication.h"
#include "skin/engine/SkinData.h"
#include "skin/engine/SkinMessages.h"
#include "skin/windows/TlxFormLayerBorder.h"
#include "skin/windows/TlxLumivex.h"

namespace {
constexpr uint32_t CM_SMARTEFFECTSPREPARE = 45491;
constexpr uint32_t CM_SMARTEFFECTSSHOW = 45492;
} // namespace

bool TlxLumivex::UseLayeredBorder() const {
    return FBorderLayer && HasSkin() && FSD->ShowLayeredBorders() && FSD->LayerFrame &&
           FSD->LayerFrame->PictureIndex != -1 && LayeredWindowsSupported() && FSkinnableForm &&
           !AlwaysDisableLayeredFrames && !PreviewMode && HasBorder() && !IsMDIChild() &&
           !FSmartEffectsShow && !Designing();
}

bool TlxLumivex::CanResizeByBorder() const {
    return CanResize() && !FRollUpState && FWindowState == wsNormal;
}

void TlxLumivex::ApplyLayeredBorder() {
    if (!FBorderLayer) return;
    FBorderLayer->Hide();
    FBorderLayer->InitFrame(FSD, FForm);
    SyncLayeredBorder(true);
}

// Shown exactly while the form shows on the screen (hidden to the tray or
// minimized by the platform it does not) and the border is in use.
void TlxLumivex::SyncLayeredBorder(bool Restacked) {
    if (!FBorderLayer) return;
    HWND h = FormHandle();
    const bool wanted = h && UseLayeredBorder() && IsWindowVisible(h) && !IsIconic(h);
    if (!wanted) {
        if (FBorderLayer->Visible()) FBorderLayer->Hide();
        return;
    }
    if (!FBorderLayer->Visible()) {
        FBorderLayer->SetActive(GetFormActive(), false);
        FBorderLayer->ShowWithForm();
        return;
    }
    FBorderLayer->SetBoundsWithForm();
    if (Restacked) FBorderLayer->StackAboveForm();
}

void TlxLumivex::FadeLayeredBorder(int Alpha, bool Update) {
    if (FBorderLayer) FBorderLayer->CheckFormAlpha(Alpha, Update);
}

void TlxLumivex::LayeredBorderAfter(const TMessage& M) {
    if (!FBorderLayer || Designing()) return;
    switch (M.Msg) {
    case WM_SHOWWINDOW:
    case WM_SIZE:
    case WM_CHANGELAYEREDBORDERS:
    case WM_TRAYRESTORED:
        SyncLayeredBorder(true);
        break;
    case WM_WINDOWPOSCHANGED: {
        const auto* pos = LParamToPtr<TWindowPos>(M.LParam);
        SyncLayeredBorder(!pos || !(pos->flags & SWP_NOZORDER));
        break;
    }
    case WM_DWMCOMPOSITIONCHANGED:
        // New windows for the new capability, or none without it.
        ApplyLayeredBorder();
        break;
    case WM_ACTIVATE:
    case WM_NCACTIVATE:
        FBorderLayer->SetActive(GetFormActive(), true);
        break;
    case CM_SMARTEFFECTSPREPARE:
        FSmartEffectsShow = true;
        SyncLayeredBorder(false);
        break;
    case CM_SMARTEFFECTSSHOW:
        if (!FSmartEffectsShow) break;
        FSmartEffectsShow = false;
        if (HWND h = FormHandle(); h && UseLayeredBorder() && IsWindowVisible(h) && !IsIconic(h)) {
            FBorderLayer->Hide();
            FBorderLayer->SetActive(GetFormActive(), false);
            FBorderLayer->ShowWithFormAnimation();
        }
        break;
    }
}
