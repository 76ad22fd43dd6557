// Drawing one tab of the MDI tab bar: the built-in look, the skin's tab
// (three-part or free height), the button look, and the close button.

#include "platform/gdi/Text.h"
#include "skin/controls/SkinResizeButton.h"
#include "skin/engine/ResourceStrData.h"
#include "skin/engine/SkinGlyphs.h"
#include "skin/engine/SkinImages.h"
#include "skin/engine/SkinText.h"
#include "skin/windows/TlxSkinMDITabsBar.h"

#include <algorithm>

namespace {

void SetTabFont(TCanvas* C, TlxSkinMDITabsBar* Bar, TColor Color) {
    if (Bar->Skinned() && Bar->UseSkinFont() && !Bar->FontName.empty()) {
        C->Font()->SetName(Bar->FontName);
        C->Font()->SetStyle(Bar->FontStyle);
        C->Font()->SetHeight(Bar->FontHeight);
    } else {
        C->Font()->Assign(*Bar->DefaultFont());
    }
    if (TlxSkinData* sd = Bar->SkinData(); sd && sd->ResourceStrData())
        C->Font()->SetCharset(sd->ResourceStrData()->CharSet());
    C->Font()->SetColor(Color);
}

} // namespace

void TlxMDITab::DrawText(TCanvas* Cnvs, TRect R) {
    std::string text = Child->Caption();
    CutTextToWidthW(Cnvs, text, R.Width());
    Cnvs->Brush()->SetStyle(bsClear);
    DrawWideText(Cnvs, text, R, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    Cnvs->Brush()->SetStyle(bsSolid);
}

void TlxMDITab::Draw(TCanvas* Cnvs) {
    const int w = ObjectRect.Width(), h = ObjectRect.Height();
    if (w <= 0 || h <= 0) return;
    TlxSkinMDITabsBar* bar = TabsBar;
    const bool skinned = bar->Skinned();
    if (skinned && bar->TabKind() == lxtkButton && FindButtonDescription(bar->SkinData(), {"resizebutton"})) {
        ButtonDraw(Cnvs);
        return;
    }
    if (skinned && bar->TabKind() == lxtkTab && !bar->UseSkinSize()) {
        ResizeDraw(Cnvs);
        return;
    }
    TBitmap b(w, h);
    TCanvas* c = b.Canvas();
    TRect text;
    if (skinned && bar->TabKind() == lxtkTab) {
        const bool hot = MouseIn && !Active;
        const TRect src = hot ? bar->MouseInTabRect : Active ? bar->ActiveTabRect : bar->TabRect;
        if (bar->Picture) {
            TBitmap img(0, 0);
            CreateHSkinImage(bar->TabLeftOffset, bar->TabRightOffset, &img, bar->Picture, src, w,
                             bar->TabStretchEffect);
            if (!img.Empty()) c->Draw(0, 0, &img);
        }
        SetTabFont(c, bar, hot ? bar->MouseInFontColor : Active ? bar->ActiveFontColor : bar->FontColor);
        text = {bar->TabLeftOffset, 0, w - bar->TabRightOffset, h};
    } else {
        c->Brush()->SetColor(MouseIn && !Active ? TColor(0xD2BDB6) : Active ? TColor(0xB59385) : clBtnFace);
        c->FillRect({0, 0, w, h});
        SetTabFont(c, bar, clBtnText);
        text = {2, 0, w - 2, h};
    }
    if (bar->ShowCloseButtons()) {
        text = {2, 0, w - bar->FCloseSize - 5, h};
        DrawCloseButton(c, {text.Right, 0, w, h});
    }
    if (!skinned && bar->OnTabGetDrawParamsEvent) bar->OnTabGetDrawParamsEvent(this, c);
    DrawText(c, text);
    Cnvs->Draw(ObjectRect.Left, ObjectRect.Top, &b);
}

void TlxMDITab::ButtonDraw(TCanvas* Cnvs) {
    TlxSkinMDITabsBar* bar = TabsBar;
    const TlxDataSkinButtonControl* d = FindButtonDescription(bar->SkinData(), {"resizebutton"});
    const int w = ObjectRect.Width(), h = ObjectRect.Height();
    if (!d || w <= 0 || h <= 0) return;
    TBitmap b(w, h);
    CreateResizedButtonImage(bar->SkinData(), *d, ButtonStateRect(*d, Active, MouseIn), w, h, b);
    TCanvas* c = b.Canvas();
    const TColor color = Active ? d->DownFontColor : MouseIn ? d->ActiveFontColor : d->FontColor;
    if (bar->UseSkinFont() && bar->Skinned() && !bar->FontName.empty()) {
        c->Font()->SetName(bar->FontName);
        c->Font()->SetStyle(bar->FontStyle);
        c->Font()->SetHeight(bar->FontHeight);
        c->Font()->SetColor(color);
    } else {
        SetTabFont(c, bar, color);
        c->Font()->SetColor(color);
    }
    const int dw = w - d->SkinRect.Width(), dh = h - d->SkinRect.Height();
    TRect text{d->ClRect.Left, d->ClRect.Top, d->ClRect.Right + dw, d->ClRect.Bottom + dh};
    if (bar->ShowCloseButtons()) {
        text.Right -= bar->FCloseSize + 3;
        DrawCloseButton(c, {text.Right, 0, text.Right + bar->FCloseSize + 3, h});
    }
    const int th = c->TextHeight("Wg");
    if (text.Height() < th) {
        text.Top = h / 2 - th / 2;
        text.Bottom = text.Top + th;
    }
    if (bar->OnTabGetDrawParamsEvent) bar->OnTabGetDrawParamsEvent(this, c);
    DrawText(c, text);
    Cnvs->Draw(ObjectRect.Left, ObjectRect.Top, &b);
}

void TlxMDITab::ResizeDraw(TCanvas* Cnvs) {
    TlxSkinMDITabsBar* bar = TabsBar;
    const int w = ObjectRect.Width();
    const int h = ObjectRect.Height() + (Active ? bar->FActiveTabOffset : 0);
    if (w <= 0 || h <= 0) return;
    TRect src = bar->TabRect;
    TColor color = bar->FontColor;
    if (MouseIn && !Active && !bar->MouseInTabRect.IsEmpty()) {
        src = bar->MouseInTabRect;
        color = bar->MouseInFontColor;
    } else if (Active) {
        src = bar->ActiveTabRect;
        color = bar->ActiveFontColor;
    }
    TBitmap b(w, h);
    if (bar->Picture) {
        const int q = bar->TabRect.Height() / 4;
        CreateSkinImageByClient(&b, bar->Picture, src,
                                {bar->TabLeftOffset, q, src.Width() - bar->TabRightOffset, src.Height() - q},
                                true);
    }
    TCanvas* c = b.Canvas();
    SetTabFont(c, bar, color);
    TRect text{2, 0, w - 2, h};
    if (bar->ShowCloseButtons()) {
        text = {2, 2, w - bar->FCloseSize - 5, h};
        DrawCloseButton(c, {text.Right, 2, w, h});
    }
    if (bar->OnTabGetDrawParamsEvent) bar->OnTabGetDrawParamsEvent(this, c);
    DrawText(c, text);
    Cnvs->Draw(ObjectRect.Left, ObjectRect.Top, &b);
}

void TlxMDITab::DrawCloseButton(TCanvas* Cnvs, const TRect& R) {
    TlxSkinMDITabsBar* bar = TabsBar;
    const int mid = R.Top + R.Height() / 2;
    if (!bar->Skinned()) {
        ButtonRect = {R.Left, mid - 7, R.Left + 14, mid + 7};
        DrawCloseImage(Cnvs, ButtonRect.Left + 2, ButtonRect.Top + 2, ButtonMouseIn ? clWhite : clBlack);
        return;
    }
    if (!bar->CloseButtonRect.IsEmpty()) {
        const TRect src = ButtonMouseDown && ButtonMouseIn ? bar->CloseButtonDownRect
                          : ButtonMouseIn                  ? bar->ClosebuttonActiveRect
                                                           : bar->CloseButtonRect;
        ButtonRect = {R.Left, mid - src.Height() / 2, R.Left + src.Width(),
                      mid - src.Height() / 2 + src.Height()};
        if (!bar->Picture) return;
        TBitmap piece(src.Width(), src.Height());
        piece.Canvas()->CopyRect({0, 0, src.Width(), src.Height()}, *bar->Picture->Canvas(), src);
        if (bar->ButtonTransparent) {
            piece.SetTransparentColor(bar->ButtonTransparentColor);
            piece.SetTransparent(true);
        }
        Cnvs->Draw(ButtonRect.Left, ButtonRect.Top, &piece);
        return;
    }
    const TlxDataSkinButtonControl* d = FindButtonDescription(bar->SkinData(), {"resizetoolbutton"});
    if (!d) return;
    const int size = bar->FCloseSize;
    const bool pressed = ButtonMouseDown && ButtonMouseIn;
    TBitmap b(size, size);
    CreateResizedButtonImage(bar->SkinData(), *d, ButtonStateRect(*d, pressed, ButtonMouseIn), size, size, b);
    const TColor color = pressed ? d->DownFontColor : ButtonMouseIn ? d->ActiveFontColor : d->FontColor;
    DrawCloseImage(b.Canvas(), size / 2 - 5, size / 2 - 5, color);
    ButtonRect = {R.Left, mid - size / 2, R.Left + size, mid - size / 2 + size};
    Cnvs->Draw(ButtonRect.Left, ButtonRect.Top, &b);
}
