#include "skin/engine/ButtonLayout.h"

void CalcButtonLayout(TlxButtonLayout Layout, const TRect& R, int GlyphWidth, int GlyphHeight, int TextWidth,
                      int TextHeight, int Spacing, int Margin, int& TextX, int& TextY, int& GlyphX,
                      int& GlyphY) {
    const int cx = R.Left + RectWidth(R) / 2;
    const int cy = R.Top + RectHeight(R) / 2;
    if (GlyphWidth == 0) Spacing = 0;
    const bool horz = Layout == blGlyphLeft || Layout == blGlyphRight;
    // The axis across the layout is centred in every case.
    if (horz) {
        GlyphY = cy - GlyphHeight / 2;
        TextY = cy - TextHeight / 2;
    } else {
        GlyphX = cx - GlyphWidth / 2;
        TextX = cx - TextWidth / 2;
    }
    if (Margin == -1) {
        const int halfW = (TextWidth + GlyphWidth + Spacing) / 2;
        const int halfH = (TextHeight + GlyphHeight + Spacing) / 2;
        switch (Layout) {
        case blGlyphLeft:
            GlyphX = cx - halfW;
            TextX = cx + halfW - TextWidth;
            break;
        case blGlyphRight:
            TextX = cx - halfW;
            GlyphX = cx + halfW - GlyphWidth;
            break;
        case blGlyphTop:
            GlyphY = cy - halfH;
            TextY = cy + halfH - TextHeight;
            break;
        case blGlyphBottom:
            TextY = cy - halfH;
            GlyphY = cy + halfH - GlyphHeight;
            break;
        }
        return;
    }
    switch (Layout) {
    case blGlyphLeft:
        GlyphX = R.Left + Margin;
        TextX = GlyphX + GlyphWidth + Spacing;
        break;
    case blGlyphRight:
        GlyphX = R.Right - GlyphWidth - Margin;
        TextX = GlyphX - Spacing - TextWidth;
        break;
    case blGlyphTop:
        GlyphY = R.Top + Margin;
        TextY = GlyphY + GlyphHeight + Spacing;
        break;
    case blGlyphBottom:
        GlyphY = R.Bottom - GlyphHeight - Margin;
        TextY = GlyphY - Spacing - TextHeight;
        break;
    }
}
