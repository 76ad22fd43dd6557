#include "skin/controls/SkinControlDrawing.h"

#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "skin/engine/ResourceStrData.h"
#include "skin/engine/SkinData.h"
#include "skin/engine/SkinGlyphs.h"

TRect ClipToPicture(const TRect& R, const TBitmap* P) {
    TRect out;
    if (!P || !IntersectRect(out, R, {0, 0, P->Width(), P->Height()})) return {};
    return out;
}

void CopyPicturePart(TCanvas& C, const TRect& Dest, TBitmap* P, const TRect& R) {
    const TRect source = ClipToPicture(R, P);
    if (source.IsEmpty() || Dest.IsEmpty()) return;
    C.CopyRect(Dest, *P->Canvas(), source);
}

void DrawPicturePart(TCanvas& C, int X, int Y, TBitmap* P, const TRect& R, bool Transparent, TColor Key) {
    const TRect source = ClipToPicture(R, P);
    if (source.IsEmpty()) return;
    TBitmap part(source.Width(), source.Height());
    part.Canvas()->CopyRect({0, 0, source.Width(), source.Height()}, *P->Canvas(), source);
    if (Transparent) {
        if (Key != clNone) part.SetTransparentColor(Key);
        part.SetTransparent(true);
    }
    C.Draw(X, Y, &part);
}

TFontCharset SkinCharset(const TlxSkinData* SD, const TFont& Default) {
    if (SD && SD->ResourceStrData()) return SD->ResourceStrData()->CharSet();
    return Default.Charset();
}

void DrawBorderStyleFrame(TCanvas& C, const TRect& R, TlxSkinBorderStyle Style) {
    switch (Style) {
    case bvFrame:
        DrawFrame3D(&C, R, clBtnShadow, clBtnShadow);
        break;
    case bvRaised:
        DrawFrame3D(&C, R, clBtnHighlight, clBtnShadow);
        break;
    case bvLowered:
        DrawFrame3D(&C, R, clBtnShadow, clBtnHighlight);
        break;
    case bvNone:
        break;
    }
}

void DrawPressablePart(TCanvas& C, const TRect& R, bool Pressed, bool Hot) {
    if (R.IsEmpty()) return;
    C.Brush()->SetColor(Pressed ? RGB(133, 147, 181) : Hot ? RGB(182, 189, 210) : clBtnFace);
    C.FillRect(R);
    C.Brush()->SetColor(Pressed || Hot ? clNavy : clBtnShadow);
    C.FrameRect(R);
}
