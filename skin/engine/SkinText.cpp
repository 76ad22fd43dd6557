#include "skin/engine/SkinText.h"

#include "platform/gdi/TCanvas.h"
#include "platform/gdi/Text.h"

#include <functional>

namespace {

const char* const kEllipsis = "...";

TRect Measure(TCanvas* Canvas, const std::string& Text) {
    TRect r{0, 0, 0, 0};
    DrawWideText(Canvas, Text, r, DT_CALCRECT);
    return r;
}

void CutText(std::string& Text, int Width, const std::function<int(const std::string&)>& width) {
    if (width(Text) <= Width) return;
    while (!Text.empty()) {
        // Drop the last code point.
        size_t last = Text.size() - 1;
        while (last > 0 && (static_cast<unsigned char>(Text[last]) & 0xC0) == 0x80)
            --last;
        Text.erase(last);
        if (width(Text + kEllipsis) <= Width) break;
    }
    Text += kEllipsis;
}

} // namespace

int DrawWideText(TCanvas* Canvas, const std::string& Text, TRect& R, uint32_t Flags) {
    if (!Canvas) return 0;
    HDC dc = Canvas->Handle();
    if (!dc) return 0;
    return DrawText(dc, Text, R, Flags);
}

int CalcTextWidthW(TCanvas* Canvas, const std::string& Text) {
    return RectWidth(Measure(Canvas, Text));
}

int CalcTextHeightW(TCanvas* Canvas, const std::string& Text) {
    return RectHeight(Measure(Canvas, Text));
}

void CutTextToWidthW(TCanvas* Canvas, std::string& Text, int Width) {
    CutText(Text, Width, [&](const std::string& t) { return CalcTextWidthW(Canvas, t); });
}

void CutTextToWidth(TCanvas* Canvas, std::string& Text, int Width) {
    if (!Canvas) return;
    CutText(Text, Width, [&](const std::string& t) { return Canvas->TextWidth(t); });
}

void DrawTextVCenter(TCanvas* Canvas, const std::string& Caption, const TRect& R) {
    if (Caption.empty()) return;
    TRect r = R;
    DrawWideText(Canvas, Caption, r, DT_SINGLELINE | DT_VCENTER);
}

void TextRectVCenter(TCanvas* Canvas, const std::string& Caption, const TRect& R) {
    TextRectVCenterOffset(Canvas, Caption, R, 0);
}

void TextRectVCenterOffset(TCanvas* Canvas, const std::string& Caption, const TRect& R, int Offset) {
    if (Caption.empty() || !Canvas) return;
    Canvas->TextRect(R, R.Left + Offset + 2, R.Top + RectHeight(R) / 2 - Canvas->TextHeight(Caption) / 2,
                     Caption);
}
