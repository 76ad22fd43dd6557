// Frame layout and non-client painting of the form-skinning component: the
// geometry of the current size, the layout of the frame objects, the client
// rectangle, the window region from the skin's mask, the skinned and the
// default frame, and the client background.

#include "platform/gdi/Gdi.h"
#include "platform/gdi/TCanvas.h"
#include "platform/gdi/Text.h"
#include "platform/vcl/TApplication.h"
#include "skin/engine/SkinBorderImages.h"
#include "skin/engine/SkinRects.h"
#include "skin/engine/SkinRegions.h"
#include "skin/engine/SkinText.h"
#include "skin/engine/TlxEffectBmp.h"
#include "skin/engine/TlxLayerManager.h"
#include "skin/windows/SkinObjectSupport.h"
#include "skin/windows/TlxLumivex.h"
#include "skin/windows/TlxSkinAnimateObject.h"
#include "skin/windows/TlxSkinCaptionObject.h"
#include "skin/windows/TlxSkinStdButtonObject.h"

#include <algorithm>

namespace {

constexpr int DefBorder = 3;
// The platform's small icon size (the system-menu button with ShowIcon).
constexpr int SmallIconSize = 16;

int PictureWidth(const TlxSkinData* SD) {
    return SD->FPicture ? SD->FPicture->Width() : 0;
}
int PictureHeight(const TlxSkinData* SD) {
    return SD->FPicture ? SD->FPicture->Height() : 0;
}

// The command of a standard button or of an animation; false for the others.
bool CommandOf(TlxActiveSkinObject* O, TlxStdCommand& Command) {
    if (auto* s = dynamic_cast<TlxSkinStdButtonObject*>(O)) {
        Command = s->Command;
        return true;
    }
    if (auto* a = dynamic_cast<TlxSkinAnimateObject*>(O)) {
        Command = a->Command;
        return true;
    }
    return false;
}

// A canvas drawing on a device context it does not own.
class TDCCanvas {
public:
    explicit TDCCanvas(HDC DC) { FCanvas.SetHandle(DC); }
    ~TDCCanvas() { FCanvas.SetHandle(nullptr); }
    TCanvas* operator->() { return &FCanvas; }
    TCanvas* Get() { return &FCanvas; }

private:
    TCanvas FCanvas;
};

void ApplyInActiveEffect(TBitmap& B, TlxInActiveEffect Effect) {
    if (B.Empty()) return;
    TlxEffectBmp e = TlxEffectBmp::CreateFromhWnd(B);
    switch (Effect) {
    case ieBrightness:
        e.ChangeBrightness(0.5);
        break;
    case ieDarkness:
        e.ChangeDarkness(0.3);
        break;
    case ieGrayScale:
        e.GrayScale();
        break;
    case ieNoise:
        e.AddMonoNoise(50);
        break;
    case ieSplitBlur:
        e.SplitBlur(1);
        break;
    case ieInvert:
        e.Invert();
        break;
    }
    HDC dc = CreateBitmapDC(&B);
    e.Draw(dc, 0, 0);
    DeleteDC(dc);
}

} // namespace

// ---- Geometry

void TlxLumivex::CalcNewGeometry() {
    if (FFormWidth == 0 || FFormHeight == 0) {
        FFormWidth = FForm->Width();
        FFormHeight = FForm->Height();
    }
    if (!HasSkin()) return;
    const TlxSkinData* sd = FSD;
    const int DW = FFormWidth - PictureWidth(sd), DH = FFormHeight - PictureHeight(sd);
    NewLTPoint = sd->LTPoint;
    NewRTPoint = {sd->RTPoint.X + DW, sd->RTPoint.Y};
    NewLBPoint = {sd->LBPoint.X, sd->LBPoint.Y + DH};
    NewRBPoint = {sd->RBPoint.X + DW, sd->RBPoint.Y + DH};
    NewClRect = {sd->ClRect.Left, sd->ClRect.Top, sd->ClRect.Right + DW, sd->ClRect.Bottom + DH};
    NewCaptionRect = sd->CaptionRect;
    if (!IsNullRect(NewCaptionRect)) NewCaptionRect.Right += DW;
    NewButtonsRect = sd->ButtonsRect;
    if (!IsNullRect(NewButtonsRect) && PictureWidth(sd) / 2 < NewButtonsRect.Left)
        OffsetRect(NewButtonsRect, DW, 0);
    NewButtonsInLeft = sd->CapButtonsInLeft;
    NewButtonsOffset = sd->ButtonsOffset;
    NewHitTestLTPoint = sd->HitTestLTPoint;
    NewHitTestRTPoint = {sd->HitTestRTPoint.X + DW, sd->HitTestRTPoint.Y};
    NewHitTestLBPoint = {sd->HitTestLBPoint.X, sd->HitTestLBPoint.Y + DH};
    NewHitTestRBPoint = {sd->HitTestRBPoint.X + DW, sd->HitTestRBPoint.Y + DH};
    NewMaskRectArea = {sd->MaskRectArea.Left, sd->MaskRectArea.Top, sd->MaskRectArea.Right + DW,
                       sd->MaskRectArea.Bottom + DH};
}

TRect TlxLumivex::MapSkinRect(const TRect& R) const {
    if (!HasSkin()) return R;
    const TlxSkinData* sd = FSD;
    const int PW = PictureWidth(sd), PH = PictureHeight(sd);
    const TRect LT{0, 0, sd->LTPoint.X, sd->LTPoint.Y};
    const TRect RT{sd->RTPoint.X, 0, PW, sd->RTPoint.Y};
    const TRect LB{0, sd->LBPoint.Y, sd->LBPoint.X, PH};
    const TRect RB{sd->RBPoint.X, sd->RBPoint.Y, PW, PH};
    const int DX = NewRBPoint.X - sd->RBPoint.X, DY = NewRBPoint.Y - sd->RBPoint.Y;
    TRect out = R;
    if (RectInRect(R, LT)) return out;
    if (RectInRect(R, RT)) {
        OffsetRect(out, DX, 0);
        return out;
    }
    if (RectInRect(R, LB)) {
        OffsetRect(out, 0, DY);
        return out;
    }
    if (RectInRect(R, RB)) {
        OffsetRect(out, DX, DY);
        return out;
    }
    const TPoint tl{R.Left, R.Top}, br{R.Right, R.Bottom};
    auto in = [](const TRect& Z, TPoint P) { return PtInRect(Z, P); };
    if (in(LT, tl) && in(RB, br)) {
        out.Right += DX;
        out.Bottom += DY;
    } else if (in(LT, tl) && in(RT, br)) {
        out.Right += DX;
    } else if (in(LB, tl) && in(RB, br)) {
        out.Right += DX;
        OffsetRect(out, 0, DY);
    } else if (in(LT, tl) && in(LB, br)) {
        out.Bottom += DY;
    } else if (in(RT, tl) && in(RB, br)) {
        OffsetRect(out, DX, 0);
        out.Bottom += DY;
    }
    return out;
}

void TlxLumivex::CalcObjectRects() {
    for (auto& o : ObjectList)
        if (!o->SkinRectInAPicture) o->ObjectRect = MapSkinRect(o->SkinRect);

    TRect layout;
    if (!IsNullRect(NewButtonsRect))
        layout = NewButtonsRect;
    else if (!IsNullRect(NewCaptionRect))
        layout = NewCaptionRect;
    else
        return;
    int Y = layout.Top;

    auto candidate = [this](TlxStdCommand Command) -> TlxActiveSkinObject* {
        for (auto& o : ObjectList) {
            TlxStdCommand c;
            if (o->Visible && o->SkinRectInAPicture && CommandOf(o.get(), c) && c == Command) return o.get();
        }
        return nullptr;
    };
    auto sizeOf = [this](TlxActiveSkinObject* O, TlxStdCommand Command) {
        if (Command == cmSysMenu && FShowIcon && dynamic_cast<TlxSkinStdButtonObject*>(O))
            return TSize{SmallIconSize, SmallIconSize};
        return TSize{RectWidth(O->SkinRect), RectHeight(O->SkinRect)};
    };
    std::vector<TlxActiveSkinObject*> placed;
    for (TlxStdCommand c : {cmClose, cmMaximize, cmMinimize, cmRollUp, cmMinimizeToTray})
        if (TlxActiveSkinObject* o = candidate(c)) placed.push_back(o);
    for (auto& o : ObjectList) {
        TlxStdCommand c;
        if (o->Visible && o->SkinRectInAPicture && CommandOf(o.get(), c) && c == cmDefault)
            placed.push_back(o.get());
    }
    TlxActiveSkinObject* sysMenu = candidate(cmSysMenu);
    TlxSkinCaptionObject* caption = nullptr;
    for (auto& o : ObjectList)
        if ((caption = dynamic_cast<TlxSkinCaptionObject*>(o.get())) != nullptr) break;

    if (!NewButtonsInLeft) {
        int X = layout.Right;
        for (TlxActiveSkinObject* o : placed) {
            TlxStdCommand c;
            CommandOf(o, c);
            TSize s = sizeOf(o, c);
            o->ObjectRect = {X - s.cx, Y, X, Y + s.cy};
            X = X - s.cx - NewButtonsOffset;
        }
        if (IsNullRect(NewButtonsRect) && caption) caption->ObjectRect.Right = X + NewButtonsOffset;
        if (sysMenu) {
            TSize s = sizeOf(sysMenu, cmSysMenu);
            X = NewCaptionRect.Left;
            int top = NewCaptionRect.Top + RectHeight(NewCaptionRect) / 2 - s.cy / 2;
            sysMenu->ObjectRect = {X, top, X + s.cx, top + s.cy};
            X = X + s.cx + NewButtonsOffset;
            if (caption) caption->ObjectRect.Left = X - NewButtonsOffset;
        }
    } else {
        int X = layout.Left;
        if (IsNullRect(NewButtonsRect) && sysMenu) placed.push_back(sysMenu);
        for (TlxActiveSkinObject* o : placed) {
            TlxStdCommand c;
            CommandOf(o, c);
            TSize s = sizeOf(o, c);
            o->ObjectRect = {X, Y, X + s.cx, Y + s.cy};
            X = X + s.cx + NewButtonsOffset;
        }
        if (IsNullRect(NewButtonsRect) && caption) caption->ObjectRect.Left = X + NewButtonsOffset;
    }
}

void TlxLumivex::CalcDefRects() {
    if (ObjectList.empty()) return;
    const int S = IsToolWindow() ? 13 : 17;
    int X = FFormWidth - DefBorder;
    NewDefCaptionRect = {DefBorder, DefBorder, X, GetDefCaptionHeight()};
    auto button = [this](TlxStdCommand Command) -> TlxActiveSkinObject* {
        for (auto& o : ObjectList)
            if (auto* s = dynamic_cast<TlxSkinStdButtonObject*>(o.get());
                s && s->Visible && s->SkinRectInAPicture && s->Command == Command)
                return s;
        return nullptr;
    };
    for (TlxStdCommand c : {cmClose, cmMaximize, cmMinimize, cmRollUp, cmMinimizeToTray})
        if (TlxActiveSkinObject* o = button(c)) {
            o->ObjectRect = {X - S, 4, X, 4 + S};
            X -= S;
        }
    NewDefCaptionRect.Right = X;
    if (TlxActiveSkinObject* o = button(cmSysMenu)) {
        const int L = NewDefCaptionRect.Left;
        const int W = FShowIcon ? SmallIconSize : S, H = FShowIcon ? SmallIconSize : S;
        o->ObjectRect = {L, 4, L + W, 4 + H};
        NewDefCaptionRect.Left = L + W;
    }
}

// ---- Client rectangle and region

void TlxLumivex::WMNCCalcSize(TMessage& M) {
    auto* p = LParamToPtr<TNCCalcSizeParams>(M.LParam);
    M.Result = 0;
    if (!p) return;
    TRect& r = p->rgrc[0];
    if (!HasBorder()) return;
    if (HasSkin()) {
        FFormWidth = r.Width();
        FFormHeight = r.Height();
        CalcNewGeometry();
        const TlxSkinData* sd = FSD;
        r.Left += sd->ClRect.Left;
        r.Top += sd->ClRect.Top;
        r.Right -= PictureWidth(sd) - sd->ClRect.Right;
        r.Bottom -= PictureHeight(sd) - sd->ClRect.Bottom;
    } else {
        r.Left += DefBorder;
        r.Top += GetDefCaptionHeight() + DefBorder;
        r.Right -= DefBorder;
        r.Bottom -= DefBorder;
    }
    r.Right = std::max(r.Right, r.Left);
    r.Bottom = std::max(r.Bottom, r.Top);
}

void TlxLumivex::SetFormRegion() {
    HWND h = FormHandle();
    if (!h) return;
    if (!FSkinnableForm || !HasBorder()) {
        SetWindowRgn(h, nullptr, true);
        return;
    }
    const bool skin = HasSkin();
    if (!skin || !FSD->FMask || FSD->FMask->Empty()) {
        SetWindowRgn(h, CreateRectRgn(0, 0, FFormWidth, FFormHeight), true);
        if (!skin)
            for (TBitmap* b : {&RMTop, &RMBottom, &RMLeft, &RMRight})
                b->SetSize(0, 0);
        return;
    }
    const TlxSkinData* sd = FSD;
    CalcNewGeometry();
    CreateMaskBorderImages(sd->LTPoint, sd->RTPoint, sd->LBPoint, sd->RBPoint, sd->MaskRectArea, NewLTPoint,
                           NewRTPoint, NewLBPoint, NewRBPoint, NewMaskRectArea, sd->FMask.get(), &RMTop,
                           &RMLeft, &RMRight, &RMBottom, FFormWidth);
    HRGN rgn = CreateRectRgnIndirect(NewMaskRectArea);
    auto add = [&rgn](const TBitmap& Strip, int X, int Y) {
        if (Strip.Empty()) return;
        HRGN part = nullptr;
        CreateRgnFromMask(part, &Strip);
        if (!part) return;
        OffsetRgn(part, X, Y);
        CombineRgn(rgn, rgn, part, RGN_OR);
        DeleteObject(part);
    };
    add(RMTop, 0, 0);
    add(RMBottom, 0, NewMaskRectArea.Bottom);
    add(RMLeft, 0, NewMaskRectArea.Top);
    add(RMRight, NewMaskRectArea.Right, NewMaskRectArea.Top);
    SetWindowRgn(h, rgn, true);
}

void TlxLumivex::UpdateFrame() {
    if (Designing() || !HasSkin()) return;
    if (FSkinnableForm) {
        CalcNewGeometry();
        CalcObjectRects();
    }
    SetFormRegion();
    if (FSkinnableForm && HasBorder()) SendNCPaint();
    if (FSD->StretchEffect && FForm->HandleAllocated()) {
        FForm->Repaint();
        for (int i = 0; i < FForm->ControlCount(); ++i)
            if (auto* w = dynamic_cast<TWinControl*>(FForm->Controls(i)); w && w->HandleAllocated())
                SendMessage(w->Handle(), WM_CHECKPARENTBG);
    }
}

// ---- Painting the frame

void TlxLumivex::WMNCPaint(TMessage& M) {
    M.Result = 0;
    if (!HasBorder()) return;
    if (HasSkin())
        PaintNCSkin(nullptr, false);
    else if (!FStopPainting)
        PaintNCDefault(nullptr, false);
}

void TlxLumivex::PaintNCSkin(HDC ADC, bool AUseExternalDC) {
    if (FFormWidth == 0 || FFormHeight == 0) {
        FFormWidth = FForm->Width();
        FFormHeight = FForm->Height();
    }
    if (!HasSkin() || FFormWidth < GetMinWidth() || FFormHeight < GetMinHeight()) return;
    CalcNewGeometry();
    CalcObjectRects();
    HWND h = FormHandle();
    HDC dc = AUseExternalDC ? ADC : (h ? GetWindowDC(h) : nullptr);
    if (!dc) return;

    const TlxSkinData* sd = FSD;
    const bool active = GetFormActive();
    TBitmap* source = (!active && sd->FInActivePicture && !sd->FInActivePicture->Empty())
                          ? sd->FInActivePicture.get()
                          : sd->FPicture.get();
    TBitmap left, top, right, bottom;
    if (source) {
        CreateSkinBorderImages(sd->LTPoint, sd->RTPoint, sd->LBPoint, sd->RBPoint, sd->ClRect, NewLTPoint,
                               NewRTPoint, NewLBPoint, NewRBPoint, NewClRect, &left, &top, &right, &bottom,
                               source, {0, 0, source->Width(), source->Height()}, FFormWidth, FFormHeight,
                               sd->LeftStretch, sd->TopStretch, sd->RightStretch, sd->BottomStretch);
    }
    for (auto& o : ObjectList) {
        if (!o->Visible) continue;
        if (o->ObjectRect.Bottom > NewClRect.Top && !bottom.Empty()) {
            const TRect keep = o->ObjectRect;
            OffsetRect(o->ObjectRect, 0, -NewClRect.Bottom);
            o->Draw(bottom.Canvas(), false);
            o->ObjectRect = keep;
        } else if (!top.Empty()) {
            o->Draw(top.Canvas(), false);
        }
    }
    const int saved = SaveDC(dc);
    if (!IsNullRect(NewClRect))
        ExcludeClipRect(dc, NewClRect.Left, NewClRect.Top, NewClRect.Right, NewClRect.Bottom);
    if (!active && sd->AutoRenderingInActiveImage)
        for (TBitmap* b : {&top, &left, &right, &bottom})
            ApplyInActiveEffect(*b, sd->InActiveEffect);
    {
        TDCCanvas c(dc);
        if (!top.Empty()) c->Draw(0, 0, &top);
        if (!left.Empty()) c->Draw(0, top.Height(), &left);
        if (!right.Empty()) c->Draw(FFormWidth - right.Width(), top.Height(), &right);
        if (!bottom.Empty()) c->Draw(0, FFormHeight - bottom.Height(), &bottom);
    }
    RestoreDC(dc, saved);
    if (!AUseExternalDC) ReleaseDC(h, dc);
}

void TlxLumivex::PaintNCDefault(HDC ADC, bool AUseExternalDC) {
    if (FSD && FSD->ChangeSkinDataProcess) return;
    if (FFormWidth == 0 || FFormHeight == 0) {
        FFormWidth = FForm->Width();
        FFormHeight = FForm->Height();
    }
    if (ObjectList.empty() && !FSkinSupport) CreateDefaultObjects();
    CalcDefRects();
    HWND h = FormHandle();
    HDC dc = AUseExternalDC ? ADC : (h ? GetWindowDC(h) : nullptr);
    if (!dc) return;

    const int CH = GetDefCaptionHeight();
    TBitmap cap(std::max(0, FFormWidth - 2 * DefBorder), CH);
    TCanvas* cc = cap.Canvas();
    cc->Brush()->SetColor(clBtnFace);
    cc->FillRect({0, 0, cap.Width(), cap.Height()});
    const int L = NewDefCaptionRect.Left - DefBorder;
    const int R = cap.Width() - NewDefCaptionRect.Right;
    if (CH - 4 > 1) {
        for (int i = 0; i < CH - 5; ++i) {
            cc->Pen()->SetColor(i % 2 == 0 ? clBtnHighlight : clBtnShadow);
            cc->MoveTo(L + 2, 2 + i);
            cc->LineTo(cap.Width() - R - 6, 2 + i);
        }
    }
    const bool active = GetFormActive();
    cc->SetFont(active ? FDefCaptionFont : FDefInActiveCaptionFont);
    std::string text = CaptionText(this);
    if (OnCaptionPaint) {
        OnCaptionPaint(cc, {L, 0, cap.Width() - R - 3, CH}, active);
    } else if (!text.empty()) {
        const int avail = cap.Width() - L - R;
        CutTextToWidthW(cc, text, avail);
        TRect tr{0, 0, 0, 0};
        DrawWideText(cc, text, tr, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
        const int tw = RectWidth(tr), th = RectHeight(tr);
        const int x = L + avail / 2 - (tw + 5) / 2;
        const int y = CH / 2 - th / 2;
        TRect r{x, y, x + tw, y + th};
        cc->FillRect({r.Left - 2, r.Top - 2, r.Right + 2, r.Bottom + 2});
        cc->Brush()->SetStyle(bsClear);
        DrawWideText(cc, text, r, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        cc->Brush()->SetStyle(bsSolid);
    }
    CalcDefRects();
    for (auto& o : ObjectList) {
        if (!o->Visible) continue;
        const TRect keep = o->ObjectRect;
        OffsetRect(o->ObjectRect, -DefBorder, -DefBorder);
        o->Draw(cc, true);
        o->ObjectRect = keep;
    }

    const int saved = SaveDC(dc);
    ExcludeClipRect(dc, DefBorder, CH + DefBorder, FFormWidth - DefBorder, FFormHeight - DefBorder);
    {
        TDCCanvas c(dc);
        if (!cap.Empty()) c->Draw(DefBorder, DefBorder, &cap);
        // Three rings, outside in.
        const TColor rings[3][2] = {
            {cl3DLight, cl3DDkShadow}, {clBtnHighlight, clBtnShadow}, {clBtnFace, clBtnFace}};
        for (int i = 0; i < 3; ++i) {
            const int l = i, t = i, r = FFormWidth - 1 - i, b = FFormHeight - 1 - i;
            c->Pen()->SetColor(rings[i][0]);
            c->MoveTo(l, b);
            c->LineTo(l, t);
            c->LineTo(r, t);
            c->Pen()->SetColor(rings[i][1]);
            c->LineTo(r, b);
            c->LineTo(l - 1, b);
        }
    }
    RestoreDC(dc, saved);
    if (!AUseExternalDC) ReleaseDC(h, dc);
}

void TlxLumivex::DrawSkinObject(TlxActiveSkinObject* AObject) {
    HWND h = FormHandle();
    if (!AObject || !h || !HasBorder() || !FSkinnableForm) return;
    HDC dc = GetWindowDC(h);
    if (!dc) return;
    {
        TDCCanvas c(dc);
        if (!FSkinSupport) {
            // The default frame's buttons lie on its caption bitmap, drawn at (3, 3).
            AObject->Draw(c.Get(), true);
        } else {
            AObject->Draw(c.Get(), true);
        }
    }
    ReleaseDC(h, dc);
}

void TlxLumivex::WMNCActivate(TMessage& M) {
    if (FLayerManager->IsVisible) FLayerManager->Hide();
    if (FMenuLayerManager->IsVisible) FMenuLayerManager->Hide();
    FFormActive = M.WParam != 0;
    if (!FFormActive) TestActive(-1, -1, false);
    if (IsMDIChild())
        CallOld(M);
    else
        M.Result = 1;
    if (HasBorder()) {
        SendNCPaint();
        UpdateCaptionActive(true);
    } else {
        UpdateCaptionActive(false);
    }
    if (IsMaximizedMDIChild())
        if (TCustomForm* main = Application ? Application->MainForm() : nullptr;
            main && main->HandleAllocated())
            SendMessage(main->WindowHandle(), WM_NCPAINT, 1);
    if (FForm->Visible() && FClientInActiveEffect) {
        if (FFormActive)
            HideClientInActiveEffect();
        else
            ShowClientInActiveEffect();
    }
    if (IsMDIChild()) MDIChildActivated();
}

// ---- Client background

void TlxLumivex::WMEraseBkgnd(TMessage& M) {
    M.Result = 1;
    auto dc = reinterpret_cast<HDC>(M.WParam);
    // An MDI parent's client area is its client window's, except while the
    // inactive snapshot is taken.
    if (!dc || (IsMDIForm() && !FClientInActiveDraw)) return;
    if (!HasSkin())
        PaintBGDefault(dc);
    else if (FUseRibbon && FSD->MDIBGPictureIndex != -1)
        PaintBG3(dc);
    else if (FSD->BGPictureIndex == -1)
        PaintBG(dc);
    else
        PaintBG2(dc);
}

void TlxLumivex::PaintBGDefault(HDC DC) {
    TDCCanvas c(DC);
    c->Brush()->SetColor(clBtnFace);
    c->FillRect(FForm->ClientRect());
    PaintLogo(c.Get(), FForm->ClientRect());
}

namespace {

// Picture B over the client of W x H: stretched, stretched in strips, or tiled.
void DrawBackground(TCanvas* C, TBitmap* B, int W, int H, bool Stretch, TlxStretchType Type) {
    if (!B || B->Empty() || W <= 0 || H <= 0) return;
    if (Stretch) {
        switch (Type) {
        case lxstFull:
            C->StretchDraw({0, 0, W, H}, B);
            return;
        case lxstHorz: {
            TBitmap strip(B->Width(), H);
            strip.Canvas()->StretchDraw({0, 0, B->Width(), H}, B);
            for (int i = 0; i <= W / strip.Width(); ++i)
                C->Draw(i * strip.Width(), 0, &strip);
            return;
        }
        case lxstVert: {
            TBitmap strip(W, B->Height());
            strip.Canvas()->StretchDraw({0, 0, W, B->Height()}, B);
            for (int i = 0; i <= H / strip.Height(); ++i)
                C->Draw(0, i * strip.Height(), &strip);
            return;
        }
        }
    }
    for (int y = 0; y <= H / B->Height(); ++y)
        for (int x = 0; x <= W / B->Width(); ++x)
            C->Draw(x * B->Width(), y * B->Height(), B);
}

} // namespace

void TlxLumivex::PaintBG(HDC DC) {
    TDCCanvas c(DC);
    const TRect client = FForm->ClientRect();
    const TlxSkinData* sd = FSD;
    TBitmap* picture = sd->FPicture.get();
    if (IsNullRect(sd->ClRect) || !picture) {
        c->Brush()->SetColor(clBtnFace);
        c->FillRect(client);
        return;
    }
    // The client part of the frame picture, clipped to the picture.
    TRect src = sd->ClRect;
    IntersectRect(src, src, {0, 0, picture->Width(), picture->Height()});
    if (!IsNullRect(src) && !IsNullRect(client)) {
        TBitmap B(RectWidth(src), RectHeight(src));
        B.Canvas()->CopyRect({0, 0, B.Width(), B.Height()}, *picture->Canvas(), src);
        DrawBackground(c.Get(), &B, client.Width(), client.Height(), sd->StretchEffect, sd->StretchType);
    }
    PaintLogo(c.Get(), client);
}

void TlxLumivex::PaintBG2(HDC DC) {
    TDCCanvas c(DC);
    const TRect client = FForm->ClientRect();
    DrawBackground(c.Get(), FSD->ActivePicture(FSD->BGPictureIndex), client.Width(), client.Height(),
                   FSD->StretchEffect, FSD->StretchType);
    PaintLogo(c.Get(), client);
}

void TlxLumivex::PaintBG3(HDC DC) {
    TDCCanvas c(DC);
    const TRect client = FForm->ClientRect();
    DrawBackground(c.Get(), FSD->ActivePicture(FSD->MDIBGPictureIndex), client.Width(), client.Height(),
                   FSD->MDIBGStretchEffect, FSD->MDIBGStretchType);
    PaintLogo(c.Get(), client);
}

void TlxLumivex::PaintLogo(TCanvas* Canvas, const TRect& Client) {
    if (FLogoBitMap.Empty()) return;
    TBitmap logo(FLogoBitMap);
    logo.SetTransparent(FLogoBitMapTransparent);
    const int x = std::max(0, Client.Width() / 2 - logo.Width() / 2);
    const int y = std::max(0, Client.Height() / 2 - logo.Height() / 2);
    Canvas->Draw(x, y, &logo);
}

namespace {

// The system's default application icon: a small window in the system colours.
TBitmap DefaultApplicationIcon() {
    TBitmap icon(SmallIconSize, SmallIconSize);
    icon.SetPixelFormat(pf32bit);
    icon.Fill(0);
    auto fill = [&icon](const TRect& R, TColor C) {
        const uint32_t rgb = static_cast<uint32_t>(ColorToRGB(C));
        const uint32_t pixel = 0xFF000000 | (rgb & 0xFF) << 16 | (rgb & 0xFF00) | (rgb >> 16 & 0xFF);
        for (int y = R.Top; y < R.Bottom; ++y)
            for (int x = R.Left; x < R.Right; ++x)
                icon.ScanLine(y)[x] = pixel;
    };
    fill({1, 2, SmallIconSize - 1, SmallIconSize - 2}, clBtnShadow);
    fill({2, 3, SmallIconSize - 2, SmallIconSize - 3}, clWindow);
    fill({2, 3, SmallIconSize - 2, 6}, clActiveCaption);
    return icon;
}

} // namespace

// The form's icon, else the application's, else the system's default, at
// the small-icon size; made once.
void TlxLumivex::PrepareFormIcon() {
    if (FIcon) return;
    const TBitmap* source = FForm->Icon();
    if (source->Empty() && Application) source = Application->Icon();
    TBitmap fallback;
    if (source->Empty()) {
        fallback = DefaultApplicationIcon();
        source = &fallback;
    }
    FIcon = std::make_unique<TBitmap>(SmallIconSize, SmallIconSize);
    FIcon->SetPixelFormat(pf32bit);
    FIcon->SetAlphaFormat(afDefined);
    // Nearest source pixel; a picture without alpha is opaque.
    const int sw = source->Width(), sh = source->Height();
    const uint32_t opaque = source->HasAlpha() ? 0 : 0xFF000000;
    for (int v = 0; v < SmallIconSize; ++v) {
        const uint32_t* from = source->ScanLine((2 * v + 1) * sh / (2 * SmallIconSize));
        uint32_t* to = FIcon->ScanLine(v);
        for (int u = 0; u < SmallIconSize; ++u)
            to[u] = from[(2 * u + 1) * sw / (2 * SmallIconSize)] | opaque;
    }
}

void TlxLumivex::DrawFormIcon(TCanvas* Cnvs, int X, int Y) {
    PrepareFormIcon();
    Cnvs->Draw(X, Y, FIcon.get());
}
