#include "skin/windows/TlxClientInActivePanel.h"

#include "platform/vcl/TCustomForm.h"
#include "skin/engine/StackBlur.h"

namespace {
constexpr int BlurRadius = 3;
constexpr Byte VeilAlpha = 170;
} // namespace

TlxClientInActivePanel::TlxClientInActivePanel(TComponent* AOwner) : TlxSkinPaintPanel(AOwner) {
    SetVisible(false);
    SetBorderStyle(bvNone);
}

TlxClientInActivePanel::~TlxClientInActivePanel() = default;

void TlxClientInActivePanel::Paint() {
    if (FBuffer && !FBuffer->Empty()) FBuffer->Draw(Canvas(), 0, 0);
}

void TlxClientInActivePanel::ShowPanel(TCustomForm* AForm, TlxClientInActiveEffect AEffect) {
    if (!AForm || !AForm->Visible()) return;
    const int w = AForm->ClientWidth(), h = AForm->ClientHeight();
    if (w <= 0 || h <= 0) return;
    SetVisible(false);
    SetParent(AForm);
    SetBounds(0, 0, w, h);
    FBuffer = std::make_unique<TlxBitmap>();
    FBuffer->SetSize(w, h);
    // The form paints itself (background, controls, an MDI parent's client
    // and children) into the buffer; the panel is hidden meanwhile.
    AForm->PaintTo(FBuffer->DC(), 0, 0);
    FBuffer->SetAlpha(255);
    if (AEffect == lxieBlur) {
        StackBlur(FBuffer.get(), BlurRadius);
    } else {
        TlxBitmap veil;
        veil.SetSize(w, h);
        AForm->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(veil.DC()), 0);
        veil.SetAlpha(VeilAlpha);
        veil.SetAlphaBlend(true);
        veil.Draw(FBuffer.get(), 0, 0);
    }
    BringToFront();
    SetVisible(true);
}

void TlxClientInActivePanel::HidePanel() {
    SetVisible(false);
    FBuffer.reset();
}
