#include "platform/gdi/TCanvas.h"

#include "platform/gdi/Gdi.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TGraphic.h"
#include "platform/gdi/Text.h"

TCanvas::TCanvas() = default;

TCanvas::TCanvas(HDC dc) : FHandle(dc) {}

TCanvas::TCanvas(TBitmap* bitmap) : FOwnedDC(std::make_unique<TDeviceContext>(bitmap)) {
    FHandle = FOwnedDC.get();
}

TCanvas::~TCanvas() {
    SetHandle(nullptr);
}

void TCanvas::SetHandle(HDC dc) {
    // A handed context must not keep our objects after we let go of it.
    if (FHandle && FHandle != FOwnedDC.get()) {
        if (FHandle->Pen() == FPen.Handle()) FHandle->SelectObject(GetStockObject(BLACK_PEN));
        if (FHandle->Brush() == FBrush.Handle()) FHandle->SelectObject(GetStockObject(WHITE_BRUSH));
        if (FHandle->Font() == FFont.Handle()) FHandle->SelectObject(GetStockObject(DEFAULT_GUI_FONT));
    }
    FHandle = dc;
}

bool TCanvas::RequiredState() {
    if (!FHandle) return false;
    FHandle->SelectObject(FPen.Handle());
    FHandle->SelectObject(FBrush.Handle());
    FHandle->SelectObject(FFont.Handle());
    FHandle->SetTextColor(FFont.Color());
    FHandle->SetBkColor(FBrush.Color());
    FHandle->SetBkMode(FBrush.Style() == bsClear ? TRANSPARENT : OPAQUE);
    return true;
}

void TCanvas::Changing() {
    if (OnChanging) OnChanging(this);
}

void TCanvas::Changed() {
    if (OnChange) OnChange(this);
}

TPoint TCanvas::PenPos() const {
    return FHandle ? FHandle->PenPos() : TPoint{};
}

void TCanvas::SetPenPos(TPoint p) {
    if (FHandle) FHandle->MoveTo(p.X, p.Y);
}

TRect TCanvas::ClipRect() const {
    TRect r;
    if (FHandle) FHandle->GetClipBox(r);
    return r;
}

void TCanvas::FillRect(const TRect& r) {
    if (!RequiredState()) return;
    Changing();
    FHandle->FillRect(r, FBrush.Handle());
    Changed();
}

void TCanvas::FrameRect(const TRect& r) {
    if (!RequiredState()) return;
    Changing();
    if (FBrush.Style() != bsClear) FHandle->FrameRect(r, FBrush.Color());
    Changed();
}

void TCanvas::Rectangle(int left, int top, int right, int bottom) {
    if (!RequiredState()) return;
    Changing();
    FHandle->Rectangle(left, top, right, bottom);
    Changed();
}

void TCanvas::MoveTo(int x, int y) {
    if (FHandle) FHandle->MoveTo(x, y);
}

void TCanvas::LineTo(int x, int y) {
    if (!RequiredState()) return;
    Changing();
    FHandle->LineTo(x, y);
    Changed();
}

void TCanvas::Polyline(std::span<const TPoint> points) {
    if (!RequiredState()) return;
    Changing();
    FHandle->Polyline(points.data(), int(points.size()));
    Changed();
}

void TCanvas::DrawFocusRect(const TRect& r) {
    if (!RequiredState()) return;
    Changing();
    FHandle->DrawFocusRect(r);
    Changed();
}

TColor TCanvas::Pixels(int x, int y) const {
    return FHandle ? FHandle->GetPixel(x, y) : TColor(-1);
}

void TCanvas::SetPixels(int x, int y, TColor c) {
    if (!FHandle) return;
    Changing();
    FHandle->SetPixel(x, y, c);
    Changed();
}

void TCanvas::CopyRect(const TRect& dest, TCanvas& source, const TRect& src) {
    if (!RequiredState() || !source.FHandle) return;
    Changing();
    FHandle->StretchBlt(dest.Left, dest.Top, dest.Width(), dest.Height(), *source.FHandle, src.Left, src.Top,
                        src.Width(), src.Height(), FCopyMode);
    Changed();
}

void TCanvas::Draw(int x, int y, TGraphic* graphic) {
    if (!graphic || graphic->Empty() || !RequiredState()) return;
    Changing();
    graphic->Draw(*this, Bounds(x, y, graphic->Width(), graphic->Height()));
    Changed();
}

void TCanvas::StretchDraw(const TRect& rect, TGraphic* graphic) {
    if (!graphic || graphic->Empty() || !RequiredState()) return;
    Changing();
    graphic->Draw(*this, rect);
    Changed();
}

void TCanvas::TextOut(int x, int y, std::string_view text) {
    if (!RequiredState()) return;
    Changing();
    ::TextOut(FHandle, x, y, text);
    FHandle->MoveTo(x + ::GetTextExtent(FHandle, text).cx, y);
    Changed();
}

void TCanvas::TextRect(const TRect& r, int x, int y, std::string_view text) {
    if (!RequiredState()) return;
    Changing();
    ::ExtTextOut(FHandle, x, y, ETO_CLIPPED | (FBrush.Style() != bsClear ? uint32_t(ETO_OPAQUE) : 0u), &r,
                 text);
    Changed();
}

TSize TCanvas::TextExtent(std::string_view text) {
    if (!RequiredState()) return {};
    return ::GetTextExtent(FHandle, text);
}
