#include "skin/controls/TlxSkinScrollBox.h"

#include "skin/controls/SkinControlDrawing.h"
#include "skin/controls/SkinControlMessages.h"
#include "skin/controls/SkinPressableParts.h"
#include "skin/engine/SkinGlyphs.h"
#include "skin/engine/SkinImageCopy.h"
#include "skin/engine/SkinImages.h"

#include <algorithm>

TlxSkinScrollBox::TlxSkinScrollBox(TComponent* AOwner) : TlxSkinCustomControl(AOwner) {
    FControlStyle.Include(csAcceptsControls);
    SetSkinDataName("scrollbox");
    SetColor(clWindow);
    SetBounds(0, 0, 150, 150);
}

// ---- The attached bars

void TlxSkinScrollBox::SetBar(TComponentRef<TlxSkinScrollBar>& Ref, TlxSkinScrollBar* Value, bool Vertical) {
    Ref.Set(Value);
    if (!Value) return;
    Value->SetCanFocused(false);
    Value->OnChange = [this, Vertical](TObject*) { BarChanged(Vertical); };
    Value->OnLastChange = [this](TObject*) { Invalidate(); };
    Value->SetEnabled(true);
    Value->SetVisible(false);
    GetRange(Vertical);
}

void TlxSkinScrollBox::SetVScrollBar(TlxSkinScrollBar* Value) {
    SetBar(FVScrollBar, Value, true);
}

void TlxSkinScrollBox::SetHScrollBar(TlxSkinScrollBar* Value) {
    SetBar(FHScrollBar, Value, false);
}

void TlxSkinScrollBox::UpDateScrollRange() {
    GetRange(false);
    GetRange(true);
}

void TlxSkinScrollBox::ScrollContent(bool Vertical, int Delta) {
    if (Delta == 0) return;
    if (Vertical)
        ScrollBy(0, -Delta);
    else
        ScrollBy(-Delta, 0);
    // A stretched background does not scroll with the content.
    if (Skinned() && Geometry.StretchEffect) Invalidate();
}

void TlxSkinScrollBox::BarChanged(bool Vertical) {
    TlxSkinScrollBar* bar = Vertical ? FVScrollBar.Get() : FHScrollBar.Get();
    if (!bar) return;
    int& old = Vertical ? FOldVScrollBarPos : FOldHScrollBarPos;
    ScrollContent(Vertical, bar->Position() - old);
    old = bar->Position();
}

void TlxSkinScrollBox::VScroll(int Position) {
    // The bar keeps the position within its range (the last page shows the
    // content's last row) and its change scrolls the content.
    if (TlxSkinScrollBar* bar = FVScrollBar.Get()) bar->SetPosition(Position);
}

void TlxSkinScrollBox::HScroll(int Position) {
    if (TlxSkinScrollBar* bar = FHScrollBar.Get()) bar->SetPosition(Position);
}

void TlxSkinScrollBox::GetRange(bool Vertical) {
    TlxSkinScrollBar* bar = Vertical ? FVScrollBar.Get() : FHScrollBar.Get();
    if (!bar || FInCheckScrollBars || !Parent()) return;
    int& offset = Vertical ? FVSizeOffset : FHSizeOffset;
    int& old = Vertical ? FOldVScrollBarPos : FOldHScrollBarPos;
    const int ch = Vertical ? ClientHeight() : ClientWidth();
    int b = 0;
    for (int i = 0; i < ControlCount(); ++i)
        if (TControl* c = Controls(i); c->Visible())
            b = std::max(b, Vertical ? c->Top() + c->Height() : c->Left() + c->Width());
    const int p = bar->Position();
    const int t = p + b; // the content's unscrolled end
    bool show = false;
    if (t > ch) {
        show = true;
        if (p > 0 && b < ch && offset > 0) {
            // The box grew while scrolled: the content follows its end.
            offset = std::min(offset, p);
            bar->SetRange(0, t - 1, ch, p - offset);
            ScrollContent(Vertical, -offset);
        } else if (offset == 0 && t - 1 < bar->Max() && p > 0 && b < ch) {
            // The content shrank while scrolled.
            const int d = std::min(ch - b, p);
            ScrollContent(Vertical, -d);
            bar->SetRange(0, t - 1, ch, p - d);
        } else {
            bar->SetRange(0, t - 1, ch, p);
            // The bar keeps its position in range; the content follows it.
            ScrollContent(Vertical, bar->Position() - p);
        }
        offset = 0;
        old = bar->Position();
    } else {
        if (p > 0) ScrollContent(Vertical, -p);
        offset = 0;
        old = 0;
        bar->SetRange(0, 0, 0, 0);
    }
    if (bar->Visible() != show) {
        FInCheckScrollBars = true;
        bar->SetVisible(show);
        if (Align() != alNone) {
            Parent()->Realign();
            Realign();
        }
        FInCheckScrollBars = false;
    }
    // The horizontal bar leaves the corner to a visible vertical one.
    if (FVScrollBar.Get() && FHScrollBar.Get()) FHScrollBar->SetBoth(FVScrollBar->Visible());
}

void TlxSkinScrollBox::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    const int oldWidth = Width(), oldHeight = Height();
    // The ranges follow once the growth is known.
    FResizing = true;
    TlxSkinCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    FResizing = false;
    FHSizeOffset = oldWidth > 0 && Width() > oldWidth ? Width() - oldWidth : 0;
    GetRange(false);
    FVSizeOffset = oldHeight > 0 && Height() > oldHeight ? Height() - oldHeight : 0;
    GetRange(true);
}

void TlxSkinScrollBox::AlignControls(TControl* AControl, TRect& Rect) {
    TlxSkinCustomControl::AlignControls(AControl, Rect);
    if (!FResizing) UpDateScrollRange();
}

void TlxSkinScrollBox::AdjustClientRect(TRect& Rect) {
    // The whole content, moved by the bars' positions.
    TlxSkinScrollBar* v = FVScrollBar.Get();
    TlxSkinScrollBar* h = FHScrollBar.Get();
    const int ch = ClientHeight(), cw = ClientWidth();
    if (v && v->Visible())
        Rect = {Rect.Left, -v->Position(), Rect.Right, -v->Position() + std::max(v->Max(), ch)};
    else
        Rect = {Rect.Left, 0, Rect.Right, ch};
    if (h && h->Visible())
        Rect = {-h->Position(), Rect.Top, -h->Position() + std::max(h->Max(), cw), Rect.Bottom};
    else
        Rect = {0, Rect.Top, cw, Rect.Bottom};
    TlxSkinCustomControl::AdjustClientRect(Rect);
}

// ---- Skin and frame

void TlxSkinScrollBox::GetSkinData() {
    TlxSkinCustomControl::GetSkinData();
    auto* d = dynamic_cast<TlxDataSkinScrollBoxControl*>(Description());
    BGPictureIndex = d ? d->BGPictureIndex : -1;
}

void TlxSkinScrollBox::SetBorderStyle(TlxSkinBorderStyle Value) {
    FBorderStyle = Value;
    FrameChanged();
}

void TlxSkinScrollBox::ChangeSkinData() {
    TlxSkinCustomControl::ChangeSkinData();
    FrameChanged();
    UpDateScrollRange();
}

void TlxSkinScrollBox::FrameChanged() {
    if (!HandleAllocated()) return;
    SetWindowPos(WindowHandle(), nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Realign();
}

TRect TlxSkinScrollBox::FrameInsets() {
    GetSkinData();
    if (SkinPicture(BGPictureIndex) || FBorderStyle == bvNone) return {};
    if (!Skinned()) return {1, 1, 1, 1};
    const TRect& cl = Geometry.ClRect;
    const TRect& sr = Geometry.SkinRect;
    return {std::max(cl.Left, 0), std::max(cl.Top, 0), std::max(sr.Width() - cl.Right, 0),
            std::max(sr.Height() - cl.Bottom, 0)};
}

void TlxSkinScrollBox::PaintFrame(HDC DC) {
    const TRect in = FrameInsets();
    if (in == TRect{}) return;
    const int w = Width(), h = Height();
    TCanvas c(DC);
    if (!Skinned()) {
        TColor topLeft = clBtnShadow, bottomRight = clBtnShadow;
        if (FBorderStyle == bvRaised) bottomRight = clBtnHighlight;
        if (FBorderStyle == bvLowered) topLeft = clBtnHighlight;
        DrawFrame3D(&c, {0, 0, w, h}, topLeft, bottomRight);
        return;
    }
    // The skin's image at the box's size; only its border strips are drawn.
    TBitmap full(w, h);
    ::CreateSkinControlImage(Geometry, CalcSkinSize(Geometry, w, h), Picture(), Geometry.SkinRect, full);
    const TRect strips[] = {{0, 0, w, in.Top},
                            {0, h - in.Bottom, w, h},
                            {0, in.Top, in.Left, h - in.Bottom},
                            {w - in.Right, in.Top, w, h - in.Bottom}};
    for (const TRect& r : strips)
        if (!r.IsEmpty()) c.CopyRect(r, *full.Canvas(), r);
}

// ---- Client painting

void TlxSkinScrollBox::CreateControlDefaultImage(TBitmap& B) {
    B.Canvas()->Brush()->SetColor(Color());
    B.Canvas()->FillRect({0, 0, B.Width(), B.Height()});
}

void TlxSkinScrollBox::DrawControl() {
    if (!Skinned()) {
        TlxSkinCustomControl::DrawControl();
        return;
    }
    const TRect client{0, 0, ClientWidth(), ClientHeight()};
    if (client.IsEmpty()) return;
    TBitmap b(client.Width(), client.Height());
    if (TBitmap* background = SkinPicture(BGPictureIndex)) {
        if (!background->Empty())
            SkinTileBoth(*b.Canvas(), client, *background->Canvas(),
                         {0, 0, background->Width(), background->Height()});
    } else {
        PaintSkinClient(*b.Canvas(), client);
    }
    Canvas()->Draw(0, 0, &b);
}

// ---- Messages

void TlxSkinScrollBox::WndProc(TMessage& Message) {
    if (FCanFocused && !Designing() && !TakeFocusOnClick(this, Message, FClicksDisabled)) return;
    TlxSkinCustomControl::WndProc(Message);
}

void TlxSkinScrollBox::Dispatch(TMessage& Message) {
    switch (Message.Msg) {
    case WM_NCCALCSIZE: {
        const TRect in = FrameInsets();
        if (auto* p = LParamToPtr<TNCCalcSizeParams>(Message.LParam)) {
            TRect& r = p->rgrc[0];
            r = {r.Left + in.Left, r.Top + in.Top, r.Right - in.Right, r.Bottom - in.Bottom};
        }
        return;
    }
    case WM_NCPAINT:
        if (HDC dc = GetWindowDC(WindowHandle())) {
            PaintFrame(dc);
            ReleaseDC(WindowHandle(), dc);
        }
        return;
    case WM_SIZE:
        TlxSkinCustomControl::Dispatch(Message);
        SendMessage(WindowHandle(), WM_NCPAINT, 1, 0);
        return;
    case CM_SKINPAINTNC:
        Message.Result = 0;
        if (Message.WParam && !(FrameInsets() == TRect{})) {
            PaintFrame(reinterpret_cast<HDC>(Message.WParam));
            Message.Result = SkinPaintNCAnswer;
        }
        return;
    case CM_SKINPAINTNCEX:
        if (Message.LParam != SkinPaintExKey) break;
        if (Message.WParam && !(FrameInsets() == TRect{})) PaintFrame(reinterpret_cast<HDC>(Message.WParam));
        Message.Result = SkinPaintExKey;
        return;
    case CM_VISIBLECHANGED:
        TlxSkinCustomControl::Dispatch(Message);
        // A hidden box hides its bars; shown again, the content decides.
        for (TlxSkinScrollBar* bar : {FVScrollBar.Get(), FHScrollBar.Get()})
            if (bar && !Visible()) bar->SetVisible(false);
        if (Visible()) UpDateScrollRange();
        return;
    }
    TlxSkinCustomControl::Dispatch(Message);
}
