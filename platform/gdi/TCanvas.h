#pragma once

#include "platform/base/Object.h"
#include "platform/base/Types.h"
#include "platform/gdi/TBrush.h"
#include "platform/gdi/TDeviceContext.h"
#include "platform/gdi/TFont.h"
#include "platform/gdi/TPen.h"

#include <memory>
#include <span>
#include <string_view>

class TBitmap;
class TGraphic;

// The drawing surface controls paint on: a device context plus a pen, a
// brush and a font, selected into the context before every operation. Text
// is drawn in the font's colour; its background is the brush colour, or
// none when the brush is clear.
//
// A canvas either owns a context on a bitmap (TBitmap::Canvas) or draws on a
// context it is handed (the window system's, with a viewport origin and a
// clip region already set); it never frees a handed context.
class TCanvas : public TObject {
public:
    TCanvas();
    explicit TCanvas(HDC dc);
    explicit TCanvas(TBitmap* bitmap);
    ~TCanvas() override;
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    // The context with the canvas's pen, brush, font and colours selected,
    // ready for direct drawing calls.
    HDC Handle() {
        RequiredState();
        return FHandle;
    }
    // Draws on dc from now on (not owned; null detaches).
    void SetHandle(HDC dc);
    bool HandleAllocated() const { return FHandle != nullptr; }

    TPen* Pen() { return &FPen; }
    TBrush* Brush() { return &FBrush; }
    TFont* Font() { return &FFont; }
    void SetPen(const TPen& p) { FPen.Assign(p); }
    void SetBrush(const TBrush& b) { FBrush.Assign(b); }
    void SetFont(const TFont& f) { FFont.Assign(f); }
    TPoint PenPos() const;
    void SetPenPos(TPoint p);
    uint32_t CopyMode() const { return FCopyMode; }
    void SetCopyMode(uint32_t rop) { FCopyMode = rop; }
    // The drawable area in logical coordinates.
    TRect ClipRect() const;

    void FillRect(const TRect& r);
    void FrameRect(const TRect& r);
    void Rectangle(int left, int top, int right, int bottom);
    void Rectangle(const TRect& r) { Rectangle(r.Left, r.Top, r.Right, r.Bottom); }
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void Polyline(std::span<const TPoint> points);
    void DrawFocusRect(const TRect& r);
    TColor Pixels(int x, int y) const;
    void SetPixels(int x, int y, TColor c);

    // Copies source's rectangle into dest, stretched when the sizes differ, with CopyMode.
    void CopyRect(const TRect& dest, TCanvas& source, const TRect& src);
    void Draw(int x, int y, TGraphic* graphic);
    void StretchDraw(const TRect& rect, TGraphic* graphic);

    void TextOut(int x, int y, std::string_view text);
    // Text at (x, y) clipped to r; with an opaque brush r is filled first.
    void TextRect(const TRect& r, int x, int y, std::string_view text);
    TSize TextExtent(std::string_view text);
    int TextWidth(std::string_view text) { return TextExtent(text).cx; }
    int TextHeight(std::string_view text) { return TextExtent(text).cy; }

    TNotifyEvent OnChange;
    TNotifyEvent OnChanging;

private:
    // Selects the canvas's objects and colours into the context; false without one.
    bool RequiredState();
    void Changing();
    void Changed();

    HDC FHandle = nullptr;
    std::unique_ptr<TDeviceContext> FOwnedDC;
    TPen FPen;
    TBrush FBrush;
    TFont FFont;
    uint32_t FCopyMode = SRCCOPY;
};
