// TPen, TBrush and TFont: plain descriptions with handles made on demand.
#include "platform/base/Math.h"
#include "platform/gdi/TBrush.h"
#include "platform/gdi/TFont.h"
#include "platform/gdi/TPen.h"

#define DUVA_SET(field, value)                                                                               \
    do {                                                                                                     \
        if (field == (value)) return;                                                                        \
        field = (value);                                                                                     \
        Sync();                                                                                              \
        Changed();                                                                                           \
    } while (0)

void TPen::SetColor(TColor c) {
    DUVA_SET(FColor, c);
}
void TPen::SetStyle(TPenStyle s) {
    DUVA_SET(FStyle, s);
}
void TPen::SetWidth(int w) {
    DUVA_SET(FWidth, std::max(w, 0));
}
void TPen::SetMode(TPenMode m) {
    DUVA_SET(FMode, m);
}

void TPen::Assign(const TPen& s) {
    if (&s == this) return;
    FColor = s.FColor;
    FStyle = s.FStyle;
    FWidth = s.FWidth;
    FMode = s.FMode;
    Sync();
    Changed();
}

// Handles are made once and updated in place, so a device context holding one never dangles.
void TPen::Sync() {
    if (!FHandle) return;
    static const int kStyles[] = {PS_SOLID,      PS_DASH, PS_DOT,        PS_DASHDOT,
                                  PS_DASHDOTDOT, PS_NULL, PS_INSIDEFRAME};
    FHandle->Style = kStyles[int(FStyle)];
    FHandle->Width = FWidth;
    FHandle->Color = FColor;
}

HPEN TPen::Handle() {
    if (!FHandle) {
        FHandle = std::make_unique<TPenObj>(PS_SOLID, 1, clBlack);
        Sync();
    }
    return FHandle.get();
}

void TBrush::SetColor(TColor c) {
    if (FColor == c && FStyle != bsClear) return;
    FColor = c;
    if (FStyle == bsClear) FStyle = bsSolid;
    Sync();
    Changed();
}

void TBrush::SetStyle(TBrushStyle s) {
    DUVA_SET(FStyle, s);
}

void TBrush::Assign(const TBrush& s) {
    if (&s == this) return;
    FColor = s.FColor;
    FStyle = s.FStyle;
    Sync();
    Changed();
}

void TBrush::Sync() {
    if (!FHandle) return;
    FHandle->Style = FStyle == bsClear ? BS_NULL : BS_SOLID;
    FHandle->Color = FColor;
}

HBRUSH TBrush::Handle() {
    if (!FHandle) {
        FHandle = std::make_unique<TBrushObj>(BS_SOLID, FColor);
        Sync();
    }
    return FHandle.get();
}

void TFont::SetName(const std::string& name) {
    DUVA_SET(FName, name);
}
void TFont::SetHeight(int h) {
    DUVA_SET(FHeight, h);
}
int TFont::Size() const {
    return -MulDiv(FHeight, 72, 96);
}
void TFont::SetSize(int points) {
    SetHeight(-MulDiv(points, 96, 72));
}
void TFont::SetStyle(TFontStyles s) {
    DUVA_SET(FStyle, s);
}
void TFont::SetColor(TColor c) {
    if (FColor == c) return;
    FColor = c; // the colour is no part of the handle
    Changed();
}
void TFont::SetCharset(TFontCharset c) {
    DUVA_SET(FCharset, c);
}
void TFont::SetPitch(TFontPitch p) {
    DUVA_SET(FPitch, p);
}

void TFont::Assign(const TFont& s) {
    if (&s == this) return;
    FName = s.FName;
    FHeight = s.FHeight;
    FStyle = s.FStyle;
    FColor = s.FColor;
    FCharset = s.FCharset;
    FPitch = s.FPitch;
    Sync();
    Changed();
}

bool TFont::SameAs(const TFont& o) const {
    return FName == o.FName && FHeight == o.FHeight && FStyle == o.FStyle && FColor == o.FColor &&
           FCharset == o.FCharset && FPitch == o.FPitch;
}

LOGFONT TFont::LogFont() const {
    LOGFONT lf;
    lf.lfHeight = FHeight;
    lf.lfWeight = FStyle.Contains(fsBold) ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = FStyle.Contains(fsItalic);
    lf.lfUnderline = FStyle.Contains(fsUnderline);
    lf.lfStrikeOut = FStyle.Contains(fsStrikeOut);
    lf.lfCharSet = FCharset;
    lf.lfPitchAndFamily = Byte(FPitch);
    lf.lfFaceName = FName;
    return lf;
}

void TFont::SetLogFont(const LOGFONT& lf) {
    FName = lf.lfFaceName;
    FHeight = lf.lfHeight;
    TFontStyles s;
    if (lf.lfWeight >= 600) s.Include(fsBold);
    if (lf.lfItalic) s.Include(fsItalic);
    if (lf.lfUnderline) s.Include(fsUnderline);
    if (lf.lfStrikeOut) s.Include(fsStrikeOut);
    FStyle = s;
    FCharset = lf.lfCharSet;
    FPitch = lf.lfPitchAndFamily <= 2 ? TFontPitch(lf.lfPitchAndFamily) : fpDefault;
    Sync();
    Changed();
}

void TFont::Sync() {
    if (FHandle) FHandle->SetLogFont(LogFont());
}

HFONT TFont::Handle() {
    if (!FHandle) FHandle = std::make_unique<TFontObj>(LogFont());
    return FHandle.get();
}
