#include "skin/controls/SkinLabelText.h"

#include "platform/gdi/Gdi.h"
#include "platform/gdi/TCanvas.h"
#include "platform/gdi/Text.h"
#include "skin/controls/SkinControlDrawing.h"
#include "skin/engine/DataSkinControls.h"
#include "skin/engine/SkinData.h"

TlxLabelSkin LookUpLabelSkin(const TlxSkinData* SD, const std::string& Name) {
    TlxLabelSkin out;
    if (!SD || SD->Empty) return out;
    out.Index = SD->GetControlIndex(Name);
    if (out.Index < 0 || out.Index >= static_cast<int>(SD->CtrlList.size())) {
        out.Index = -1;
        return out;
    }
    if (auto* d = dynamic_cast<TlxDataSkinStdLabelControl*>(SD->CtrlList[out.Index].get())) {
        out.FontName = d->FontName;
        out.FontStyle = d->FontStyle;
        out.FontHeight = d->FontHeight;
        out.FontColor = d->FontColor;
        out.ActiveFontColor = d->ActiveFontColor;
    }
    return out;
}

void ChooseLabelFont(TFont& Out, const TlxLabelSkin& Skin, const TlxSkinData* SD, bool UseSkinFont,
                     bool UseSkinColor, const TFont& DefaultFont, const TFont& Font) {
    if (Skin.Index == -1) {
        Out.Assign(UseSkinFont ? DefaultFont : Font);
    } else {
        Out.Assign(Font);
        if (UseSkinFont) {
            Out.SetName(Skin.FontName);
            Out.SetStyle(Skin.FontStyle);
            Out.SetHeight(Skin.FontHeight);
        }
        Out.SetColor(UseSkinColor ? Skin.FontColor : Font.Color());
    }
    Out.SetCharset(SkinCharset(SD, DefaultFont));
}

void DrawLabelText(TCanvas& C, const std::string& Text, TRect& R, uint32_t Flags, bool Enabled,
                   const TlxLabelSkin& Skin, const TlxSkinData* SD) {
    HDC dc = C.Handle();
    if (Enabled || (Flags & DT_CALCRECT)) {
        SetTextColor(dc, ColorToRGB(C.Font()->Color()));
        DrawText(dc, Text, R, Flags);
        return;
    }
    const bool skinned = Skin.Index != -1 && SD && SD->SkinColors();
    TRect moved = R;
    OffsetRect(moved, 1, 1);
    SetTextColor(dc, ColorToRGB(skinned ? SD->SkinColors()->cBtnHighLight() : clBtnHighlight));
    DrawText(dc, Text, moved, Flags);
    SetTextColor(dc, ColorToRGB(skinned ? SD->SkinColors()->cBtnShadow() : clBtnShadow));
    DrawText(dc, Text, R, Flags);
}
