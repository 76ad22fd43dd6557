#include "skin/controls/TlxSkinStatusBar.h"

#include "platform/vcl/TCustomForm.h"
#include "skin/controls/SkinControlDrawing.h"
#include "skin/engine/SkinColors.h"

TlxSkinStatusBar::TlxSkinStatusBar(TComponent* AOwner) : TlxSkinPanel(AOwner) {
    SetSkinDataName("statusbar");
    SetAlign(alBottom);
    SetHeight(21);
    SetBorderStyle(bvNone);
    FForceBackground = false;
}

void TlxSkinStatusBar::SetSizeGrip(bool Value) {
    FSizeGrip = Value;
    Invalidate();
    Realign();
}

void TlxSkinStatusBar::SetShowGrip(bool Value) {
    FShowGrip = Value;
    Invalidate();
    Realign();
}

void TlxSkinStatusBar::SetSkinData(TlxSkinData* Value) {
    TlxSkinPanel::SetSkinData(Value);
    for (int i = 0; i < ControlCount(); ++i)
        if (auto* c = dynamic_cast<TlxSkinControl*>(Controls(i))) c->SetSkinData(Value);
}

void TlxSkinStatusBar::GetSkinData() {
    TlxSkinPanel::GetSkinData();
    GripperRect = {};
    if (auto* d = dynamic_cast<TlxDataSkinPanelControl*>(Description())) {
        GripperRect = ClipToPicture(d->GripperRect, Picture());
        GripperTransparent = d->GripperTransparent;
        GripperTransparentColor = d->GripperTransparentColor;
    }
}

void TlxSkinStatusBar::AdjustClientRect(TRect& Rect) {
    TlxSkinPanel::AdjustClientRect(Rect);
    if (!GripOn()) return;
    Rect.Right -= !Skinned() || GripperRect.IsEmpty() ? Rect.Height() : GripperRect.Width();
}

TRect TlxSkinStatusBar::GripRect() {
    if (!GripOn()) return {};
    TRect c;
    GetSkinClientRect(c);
    if (Skinned() && !GripperRect.IsEmpty())
        return {c.Right, c.Bottom - GripperRect.Height(), c.Right + GripperRect.Width(), c.Bottom};
    return {c.Right + 2, c.Top, c.Right + c.Height(), c.Bottom - 2};
}

void TlxSkinStatusBar::DrawGrip(TCanvas& C, const TRect& R, TColor Light, TColor Shadow) {
    // Lines exclude their end point: each runs from the bottom edge to the right one.
    for (int k = 3; R.Left + k + 2 <= R.Right; k += 3) {
        C.Pen()->SetColor(Shadow);
        C.MoveTo(R.Left + k, R.Bottom);
        C.LineTo(R.Right, R.Top + k);
        C.Pen()->SetColor(Light);
        C.MoveTo(R.Left + k + 1, R.Bottom);
        C.LineTo(R.Right, R.Top + k + 1);
    }
}

void TlxSkinStatusBar::CreateControlDefaultImage(TBitmap& B) {
    TlxSkinPanel::CreateControlDefaultImage(B);
    if (GripOn()) DrawGrip(*B.Canvas(), GripRect(), clBtnHighlight, clBtnShadow);
}

void TlxSkinStatusBar::CreateControlSkinImage(TBitmap& B) {
    TlxSkinPanel::CreateControlSkinImage(B);
    if (!GripOn()) return;
    const TRect grip = GripRect();
    if (!GripperRect.IsEmpty()) {
        DrawPicturePart(*B.Canvas(), grip.Left, grip.Top, Picture(), GripperRect, GripperTransparent,
                        GripperTransparentColor);
        return;
    }
    const TlxSkinColors* colors = SkinData()->SkinColors();
    DrawGrip(*B.Canvas(), grip, colors ? colors->cBtnHighLight() : clBtnHighlight,
             colors ? colors->cBtnShadow() : clBtnShadow);
}

void TlxSkinStatusBar::Dispatch(TMessage& Message) {
    if (!GripOn() || Designing()) {
        TlxSkinPanel::Dispatch(Message);
        return;
    }
    switch (Message.Msg) {
    case WM_NCHITTEST: {
        const TPoint p = ScreenToClient(LParamToPoint(Message.LParam));
        const TRect g = GripRect();
        const bool onGrip = p.X >= g.Left && p.X <= g.Right && p.Y >= g.Top && p.Y <= g.Bottom;
        Message.Result = onGrip ? HTBOTTOMRIGHT : HTCLIENT;
        return;
    }
    case WM_NCLBUTTONDOWN:
        // The grip sizes the form the bar sits on, in the window system's loop.
        if (static_cast<int>(Message.WParam) == HTBOTTOMRIGHT)
            if (TCustomForm* form = GetParentForm(this)) {
                SendMessage(form->Handle(), WM_SYSCOMMAND, SC_SIZE | WMSZ_BOTTOMRIGHT, Message.LParam);
                return;
            }
        break;
    }
    TlxSkinPanel::Dispatch(Message);
}
