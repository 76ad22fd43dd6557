#include "skin/windows/TlxFormLayerBorder.h"

#include "platform/base/Math.h"
#include "platform/gdi/TCanvas.h"
#include "platform/vcl/TCustomForm.h"
#include "platform/vcl/TTimer.h"
#include "platform/win/WinApi.h"
#include "skin/engine/SkinData.h"
#include "skin/engine/StackBlur.h"
#include "skin/engine/TlxBitmap.h"
#include "skin/engine/TlxLayerManager.h"
#include "skin/windows/TlxFormLayerWindow.h"
#include "skin/windows/TlxLumivex.h"

#include <algorithm>
#include <vector>

namespace {

// Dst's DstRect := Src's SrcRect, alpha included, sampling the nearest
// source pixel (the platform's stretch rule). Parts outside either bitmap
// are skipped.
void CopyStretch(TlxBitmap& Dst, const TRect& DstRect, const TlxBitmap& Src, const TRect& SrcRect) {
    const int dw = DstRect.Width(), dh = DstRect.Height();
    const int sw = SrcRect.Width(), sh = SrcRect.Height();
    if (dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0 || Dst.Empty() || Src.Empty()) return;
    for (int v = 0; v < dh; ++v) {
        const int y = DstRect.Top + v;
        const int sy = SrcRect.Top + static_cast<int>((2LL * v + 1) * sh / (2LL * dh));
        if (y < 0 || y >= Dst.Height() || sy < 0 || sy >= Src.Height()) continue;
        TlxColor* d = Dst.Bits() + size_t(y) * Dst.Width();
        const TlxColor* s = Src.Bits() + size_t(sy) * Src.Width();
        for (int u = 0; u < dw; ++u) {
            const int x = DstRect.Left + u;
            const int sx = SrcRect.Left + static_cast<int>((2LL * u + 1) * sw / (2LL * dw));
            if (x < 0 || x >= Dst.Width() || sx < 0 || sx >= Src.Width()) continue;
            d[x] = s[sx];
        }
    }
}

// A copy of picture Index with the alpha of picture MaskIndex; without a
// mask the picture counts as opaque. Null when the picture is missing.
std::unique_ptr<TlxBitmap> SourceFrom(TlxSkinData* SD, int Index, int MaskIndex) {
    const TBitmap* picture = SD->ActivePicture(Index);
    if (!picture || picture->Empty()) return nullptr;
    auto b = std::make_unique<TlxBitmap>();
    b->Assign(*picture);
    b->SetAlpha(255);
    if (const TBitmap* mask = SD->ActivePicture(MaskIndex); mask && !mask->Empty()) {
        TlxBitmap m;
        m.Assign(*mask);
        SetAlphaFromMask(b.get(), &m);
    }
    b->CheckingAlphaBlend();
    return b;
}

} // namespace

TlxFormLayerBorder::TlxFormLayerBorder(TlxLumivex* AOwner) : TComponent(AOwner), FLVX(AOwner) {
    FAnimateTimer = new TTimer(this);
    FAnimateTimer->SetEnabled(false);
    FAnimateTimer->SetInterval(6);
    FAnimateTimer->OnTimer = [this](TObject*) { AnimationStep(); };
}

TlxFormLayerBorder::~TlxFormLayerBorder() = default;

void TlxFormLayerBorder::Notification(TComponent* AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    for (TlxFormLayerWindow** w : {&TopBorder, &BottomBorder, &LeftBorder, &RightBorder})
        if (*w == AComponent) *w = nullptr;
    if (AComponent == FAnimateTimer) FAnimateTimer = nullptr;
}

void TlxFormLayerBorder::InitFrame(TlxSkinData* ASkinData, TCustomForm* AForm) {
    FForm = AForm;
    FSD = ASkinData;
    TlxDataSkinLayerFrame* data = FSD && !FSD->Empty ? FSD->LayerFrame.get() : nullptr;
    if (data && data->PictureIndex == -1) data = nullptr;
    if (!data) {
        Hide();
        FData = nullptr;
        FSourceBitmap.reset();
        FSourceInActiveBitMap.reset();
        return;
    }
    FSourceBitmap = SourceFrom(FSD, data->PictureIndex, data->MaskPictureIndex);
    // A picture index that names no picture counts as no layered frame.
    FData = FSourceBitmap ? data : nullptr;
    if (!FData) {
        Hide();
        return;
    }
    FCurrentAlphaBlendValue = std::clamp(FData->AlphaBlendValue, 0, 255);
    FCurrentInActiveAlphaBlendValue = std::clamp(FData->InActiveAlphaBlendValue, 0, 255);
    FSourceInActiveBitMap = FData->InActivePictureIndex == -1 ? nullptr
                                                              : SourceFrom(FSD, FData->InActivePictureIndex,
                                                                           FData->InActiveMaskPictureIndex);
    const TRect& cl = FData->ClRect;
    const TRect& br = FData->BorderRect;
    if (br.Width() <= 0 || br.Height() <= 0) {
        LeftSize = TopSize = RightSize = BottomSize = 0;
    } else {
        LeftSize = std::max(cl.Left - br.Left, 0);
        TopSize = std::max(cl.Top - br.Top, 0);
        RightSize = std::max(br.Right - cl.Right, 0);
        BottomSize = std::max(br.Bottom - cl.Bottom, 0);
    }
}

const TlxBitmap* TlxFormLayerBorder::SourcePicture() const {
    if (!FActive && FSourceInActiveBitMap) return FSourceInActiveBitMap.get();
    return FSourceBitmap.get();
}

int TlxFormLayerBorder::CurrentAlpha() const {
    return std::clamp(FActive ? FCurrentAlphaBlendValue : FCurrentInActiveAlphaBlendValue, 0, 255);
}

TRect TlxFormLayerBorder::OuterRect(int FL, int FT, int FW, int FH) const {
    if (!FData || !FSourceBitmap) return {};
    const TRect& cl = FData->ClRect;
    return Bounds(FL - cl.Left, FT - cl.Top, FW + FSourceBitmap->Width() - cl.Width(),
                  FH + FSourceBitmap->Height() - cl.Height());
}

void TlxFormLayerBorder::CreateBorderImages(int W, int H) {
    FTopImage = std::make_unique<TlxBitmap>();
    FBottomImage = std::make_unique<TlxBitmap>();
    FLeftImage = std::make_unique<TlxBitmap>();
    FRightImage = std::make_unique<TlxBitmap>();
    const TlxBitmap* P = SourcePicture();
    if (!FData || !P || W <= 0 || H <= 0) return;
    const int PW = P->Width(), PH = P->Height();
    const TlxDataSkinLayerFrame& d = *FData;

    const int TH = std::clamp(std::max(d.LTPoint.Y, d.RTPoint.Y), 0, PH);
    if (TH > 0) {
        FTopImage->SetSize(W, TH);
        CopyStretch(*FTopImage, {0, 0, d.LTPoint.X, TH}, *P, {0, 0, d.LTPoint.X, TH});
        CopyStretch(*FTopImage, {W - (PW - d.RTPoint.X), 0, W, TH}, *P, {d.RTPoint.X, 0, PW, TH});
        CopyStretch(*FTopImage, {d.LTPoint.X, 0, W - (PW - d.RTPoint.X), TH}, *P,
                    {d.LTPoint.X, 0, d.RTPoint.X, TH});
        FTopImage->CheckingAlphaBlend();
    }
    const int BH = std::clamp(PH - std::min(d.LBPoint.Y, d.RBPoint.Y), 0, PH);
    if (BH > 0) {
        FBottomImage->SetSize(W, BH);
        const int SY = PH - BH;
        CopyStretch(*FBottomImage, {0, 0, d.LBPoint.X, BH}, *P, {0, SY, d.LBPoint.X, PH});
        CopyStretch(*FBottomImage, {W - (PW - d.RBPoint.X), 0, W, BH}, *P, {d.RBPoint.X, SY, PW, PH});
        CopyStretch(*FBottomImage, {d.LBPoint.X, 0, W - (PW - d.RBPoint.X), BH}, *P,
                    {d.LBPoint.X, SY, d.RBPoint.X, PH});
        FBottomImage->CheckingAlphaBlend();
    }
    // The sides repeat the picture's middle rows downwards, unscaled; a
    // picture without middle rows, or a form too low, leaves them empty.
    const int SideH = H - TH - BH;
    const int tileH = PH - BH - TH;
    if (SideH <= 0 || tileH <= 0) return;
    auto side = [&](TlxBitmap& B, int X0, int X1) {
        if (X1 - X0 <= 0) return;
        B.SetSize(X1 - X0, SideH);
        for (int y = 0; y < SideH; y += tileH) {
            const int h = std::min(tileH, SideH - y);
            CopyStretch(B, {0, y, X1 - X0, y + h}, *P, {X0, TH, X1, TH + h});
        }
        B.CheckingAlphaBlend();
    };
    side(*FLeftImage, 0, std::clamp(d.ClRect.Left, 0, PW));
    side(*FRightImage, std::clamp(d.ClRect.Right, 0, PW), PW);
}

void TlxFormLayerBorder::FreeWindows() {
    for (TlxFormLayerWindow** w : {&LeftBorder, &RightBorder, &TopBorder, &BottomBorder}) {
        if (!*w) continue;
        TlxFormLayerWindow* win = *w;
        *w = nullptr;
        win->Free();
    }
}

void TlxFormLayerBorder::UpdateWindows(bool ShowThem, int X, int Y, int W, int H) {
    (void)H;
    const int TH = FTopImage->Height(), BH = FBottomImage->Height();
    const Byte alpha = static_cast<Byte>(CurrentAlpha());
    struct Piece {
        TlxFormLayerWindow* Window;
        TlxBitmap* Image;
        TPoint At;
    };
    const Piece pieces[] = {
        {TopBorder, FTopImage.get(), {X, Y}},
        {BottomBorder, FBottomImage.get(), {X, Y + FHeight - BH}},
        {LeftBorder, FLeftImage.get(), {X, Y + TH}},
        {RightBorder, FRightImage.get(), {X + W - FRightImage->Width(), Y + TH}},
    };
    for (const Piece& p : pieces) {
        if (!p.Window || p.Image->Empty()) continue;
        p.Window->SetBounds(p.At.X, p.At.Y, p.Image->Width(), p.Image->Height());
        UpdateLayeredWindowBmp(p.Image, alpha, p.Window);
    }
    if (ShowThem) {
        for (const Piece& p : pieces)
            if (p.Window) p.Window->ShowNoActivate();
    }
    StackAboveForm();
}

void TlxFormLayerBorder::Show(int X, int Y, int AWidth, int AHeight) {
    if (!FData || !FForm || !LayeredWindowsSupported()) return;
    FWidth = AWidth;
    FHeight = AHeight;
    FVisible = true;
    FX = X;
    FY = Y;
    CreateBorderImages(AWidth, AHeight);
    FreeWindows();
    auto make = [this](TlxFormLayerBorderType Type) { return new TlxFormLayerWindow(this, FForm, Type); };
    if (!FLeftImage->Empty()) LeftBorder = make(lxflLeft);
    if (!FRightImage->Empty()) RightBorder = make(lxflRight);
    if (!FTopImage->Empty()) TopBorder = make(lxflTop);
    if (!FBottomImage->Empty()) BottomBorder = make(lxflBottom);
    UpdateWindows(true, X, Y, AWidth, AHeight);
}

void TlxFormLayerBorder::SetBounds(int X, int Y, int AWidth, int AHeight) {
    if (!FData || !FVisible) return;
    if (AWidth == FWidth && AHeight == FHeight) {
        // Same size: the strips stay, the windows only move.
        MoveTo(X, Y);
        return;
    }
    FWidth = AWidth;
    FHeight = AHeight;
    FX = X;
    FY = Y;
    CreateBorderImages(AWidth, AHeight);
    // A size change can give or take side strips: windows for exactly the
    // strips with content.
    const bool sidesChanged =
        bool(LeftBorder) != !FLeftImage->Empty() || bool(RightBorder) != !FRightImage->Empty();
    if (sidesChanged) {
        FreeWindows();
        Show(X, Y, AWidth, AHeight);
        return;
    }
    UpdateWindows(false, X, Y, AWidth, AHeight);
}

void TlxFormLayerBorder::MoveTo(int X, int Y) {
    if (X == FX && Y == FY) return;
    FX = X;
    FY = Y;
    const int TH = FTopImage ? FTopImage->Height() : 0;
    if (TopBorder) TopBorder->MoveTo(X, Y);
    if (BottomBorder) BottomBorder->MoveTo(X, Y + FHeight - BottomBorder->Height());
    if (LeftBorder) LeftBorder->MoveTo(X, Y + TH);
    if (RightBorder) RightBorder->MoveTo(X + FWidth - RightBorder->Width(), Y + TH);
}

void TlxFormLayerBorder::Hide() {
    if (FAnimateTimer) FAnimateTimer->SetEnabled(false);
    FVisible = false;
    FreeWindows();
    FTopImage.reset();
    FBottomImage.reset();
    FLeftImage.reset();
    FRightImage.reset();
}

void TlxFormLayerBorder::ShowWithForm() {
    if (!FForm) return;
    const TRect r = OuterRect(FForm->Left(), FForm->Top(), FForm->Width(), FForm->Height());
    Show(r.Left, r.Top, r.Width(), r.Height());
}

void TlxFormLayerBorder::SetBoundsWithForm() {
    if (FForm) SetBoundsWithForm3(FForm->Left(), FForm->Top(), FForm->Width(), FForm->Height());
}

void TlxFormLayerBorder::SetBoundsWithForm2(int AW, int AH) {
    if (FForm) SetBoundsWithForm3(FForm->Left(), FForm->Top(), AW, AH);
}

void TlxFormLayerBorder::SetBoundsWithForm3(int ALeft, int ATop, int AW, int AH) {
    if (!FVisible) return;
    const TRect r = OuterRect(ALeft, ATop, AW, AH);
    SetBounds(r.Left, r.Top, r.Width(), r.Height());
}

void TlxFormLayerBorder::MoveWithForm() {
    if (FForm) MoveWithForm2(FForm->Left(), FForm->Top());
}

void TlxFormLayerBorder::MoveWithForm2(int ALeft, int ATop) {
    if (!FVisible || !FData) return;
    MoveTo(ALeft - FData->ClRect.Left, ATop - FData->ClRect.Top);
}

void TlxFormLayerBorder::SetAlphaBlend() {
    if (!FVisible || !FData) return;
    const Byte alpha = static_cast<Byte>(CurrentAlpha());
    const std::pair<TlxFormLayerWindow*, TlxBitmap*> pieces[] = {{TopBorder, FTopImage.get()},
                                                                 {BottomBorder, FBottomImage.get()},
                                                                 {LeftBorder, FLeftImage.get()},
                                                                 {RightBorder, FRightImage.get()}};
    for (auto [w, image] : pieces)
        if (w && image && !image->Empty()) UpdateLayeredWindowBmp(image, alpha, w);
}

void TlxFormLayerBorder::SetAlphaBlend2() {
    if (!FVisible || !FData) return;
    SetAlphaBlend();
    MoveWithForm();
    StackAboveForm();
}

void TlxFormLayerBorder::CheckFormAlpha(int AFormAlpha, bool AUpdate) {
    if (!FData) return;
    const int a = std::clamp(AFormAlpha, 0, 255);
    FCurrentAlphaBlendValue = static_cast<int>(Round(std::clamp(FData->AlphaBlendValue, 0, 255) * a / 255.0));
    FCurrentInActiveAlphaBlendValue =
        static_cast<int>(Round(std::clamp(FData->InActiveAlphaBlendValue, 0, 255) * a / 255.0));
    if (AUpdate) SetAlphaBlend();
}

void TlxFormLayerBorder::SetActive(bool AValue, bool AUpdate) {
    FActive = AValue;
    if (FVisible && AUpdate) SetAlphaBlend2();
}

// Fades in on a timer rather than in a loop, so the GUI thread keeps serving
// its messages and a virtual clock cannot stall it.
void TlxFormLayerBorder::ShowWithFormAnimation() {
    if (!FData) return;
    FAnimationTarget = std::clamp(FCurrentAlphaBlendValue, 0, 255);
    FCurrentAlphaBlendValue = 0;
    ShowWithForm();
    if (!FVisible) {
        FCurrentAlphaBlendValue = FAnimationTarget;
        return;
    }
    if (FAnimateTimer) FAnimateTimer->SetEnabled(true);
}

void TlxFormLayerBorder::AnimationStep() {
    FCurrentAlphaBlendValue =
        std::min(FCurrentAlphaBlendValue + std::max(1, FAnimationTarget / 15), FAnimationTarget);
    SetAlphaBlend();
    if (FCurrentAlphaBlendValue >= FAnimationTarget && FAnimateTimer) FAnimateTimer->SetEnabled(false);
}

void TlxFormLayerBorder::StackAboveForm() {
    if (!FVisible || !FForm || !FForm->HandleAllocated()) return;
    HWND form = FForm->Handle();
    std::vector<HWND> want;
    for (TlxFormLayerWindow* w : {TopBorder, BottomBorder, LeftBorder, RightBorder})
        if (w && w->HandleAllocated()) want.push_back(w->Handle());
    // Already in place: nothing to restack.
    HWND at = form;
    bool inPlace = true;
    for (auto it = want.rbegin(); it != want.rend() && inPlace; ++it)
        inPlace = (at = GetWindow(at, GW_HWNDPREV)) == *it;
    if (inPlace) return;
    // Each in turn goes directly above the form, under the ones before it:
    // top, bottom, left, right from the top down, the form right below.
    for (TlxFormLayerWindow* w : {TopBorder, BottomBorder, LeftBorder, RightBorder}) {
        if (!w || !w->HandleAllocated()) continue;
        HWND h = w->Handle();
        HWND above = GetWindow(form, GW_HWNDPREV);
        if (above == h) continue;
        SetWindowPos(h, above ? above : HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

void TlxFormLayerBorder::Draw(TCanvas* Canvas, int X, int Y, int AWidth, int AHeight) {
    if (!FData || !Canvas) return;
    const int oldW = FWidth, oldH = FHeight;
    FWidth = AWidth;
    FHeight = AHeight;
    CreateBorderImages(AWidth, AHeight);
    const int TH = FTopImage->Height(), BH = FBottomImage->Height();
    auto draw = [&](TlxBitmap& B, int DX, int DY) {
        if (B.Empty()) return;
        B.SetAlphaBlend(true);
        B.Draw(Canvas, DX, DY);
    };
    draw(*FTopImage, X, Y);
    draw(*FBottomImage, X, Y + AHeight - BH);
    draw(*FLeftImage, X, Y + TH);
    draw(*FRightImage, X + AWidth - FRightImage->Width(), Y + TH);
    FWidth = oldW;
    FHeight = oldH;
    // The shown windows keep strips of their own size.
    if (FVisible) CreateBorderImages(FWidth, FHeight);
}
