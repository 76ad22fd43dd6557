#include "skin/engine/TlxLayerManager.h"

#include "platform/vcl/TTimer.h"
#include "platform/win/WinApi.h"
#include "skin/engine/OsVersion.h"
#include "skin/engine/StackBlur.h"
#include "skin/engine/TlxLayerWindow.h"

#include <algorithm>

void CreateAlphaBitmap(const TBitmap* Image, const TBitmap* Mask, TlxBitmap* Bmp) {
    if (!Image || !Mask || !Bmp) return;
    Bmp->Assign(*Image);
    Bmp->SetAlpha(255);
    TlxBitmap mask;
    mask.Assign(*Mask);
    SetAlphaFromMask(Bmp, &mask);
}

void UpdateLayeredWindowBmp(TlxBitmap* Bmp, Byte Alpha, TWinControl* Control) {
    if (!Bmp || Bmp->Empty() || !Control || !LayeredWindowsSupported()) return;
    const TPoint pos{Control->Left(), Control->Top()};
    const TSize size{Bmp->Width(), Bmp->Height()};
    const TPoint src{0, 0};
    UpdateLayeredWindow(Control->Handle(), &pos, &size, Bmp->Handle(), &src, Alpha, ULW_ALPHA);
}

TlxLayerManager::TlxLayerManager(TComponent* AOwner) : TComponent(AOwner) {
    Timer = new TTimer(this);
    Timer->SetEnabled(false);
    Timer->SetInterval(25);
    Timer->OnTimer = [this](TObject*) { FadeStep(); };
}

// The timer and the window are owned components and go with the manager; by
// the time this runs after Free they are already gone, so it touches neither.
TlxLayerManager::~TlxLayerManager() = default;

void TlxLayerManager::StartTimer() {
    BeginAlphaBlendValue = 0;
    Timer->SetEnabled(true);
}

void TlxLayerManager::StopTimer() {
    Timer->SetEnabled(false);
}

void TlxLayerManager::Show(int X, int Y, const TBitmap* AImage, const TBitmap* AImageMask,
                           int AAlphaBlendValue) {
    // Without layered windows the picture cannot show as it should: show nothing.
    if (!IsWindows2000OrLater() || !LayeredWindowsSupported()) return;
    if (!AImage || !AImageMask || AImage->Empty()) return;
    if (IsVisible) Hide();
    IsVisible = true;

    LayerWindow = new TlxLayerWindow(this);
    LayerWindow->SetBounds(X, Y, AImage->Width(), AImage->Height());
    HWND wnd = LayerWindow->Handle();
    SetWindowLongPtr(wnd, GWL_EXSTYLE, GetWindowLongPtr(wnd, GWL_EXSTYLE) | WS_EX_LAYERED);

    Bmp = std::make_unique<TlxBitmap>();
    CreateAlphaBitmap(AImage, AImageMask, Bmp.get());
    UpdateLayeredWindowBmp(Bmp.get(), 0, LayerWindow);
    LayerWindow->ShowAt(X, Y, TopMostMode);

    EndAlphaBlendValue = std::clamp(AAlphaBlendValue, 0, 255);
    // A target below 10 would give a step of 0 and never arrive.
    StepAlphaBlendValue = std::max(EndAlphaBlendValue / 10, 1);
    StartTimer();
}

void TlxLayerManager::FadeStep() {
    if (!Bmp || !LayerWindow) return;
    BeginAlphaBlendValue = std::min(BeginAlphaBlendValue + StepAlphaBlendValue, EndAlphaBlendValue);
    UpdateLayeredWindowBmp(Bmp.get(), Byte(BeginAlphaBlendValue), LayerWindow);
    if (BeginAlphaBlendValue >= EndAlphaBlendValue) StopTimer();
}

void TlxLayerManager::Hide() {
    if (!IsWindows2000OrLater()) return;
    StopTimer();
    Bmp.reset();
    IsVisible = false;
    if (LayerWindow) {
        TlxLayerWindow* w = LayerWindow;
        LayerWindow = nullptr;
        w->HideLayer();
        w->Free();
    }
}
