#include "skin/windows/TlxSkinStdButtonObject.h"

#include "platform/base/Color.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "skin/engine/DataSkinObjects.h"
#include "skin/engine/SkinGlyphs.h"
#include "skin/engine/SkinRects.h"
#include "skin/windows/SkinObjectSupport.h"
#include "skin/windows/TlxLumivex.h"

namespace {

// The built-in look's hover frame and faces.
constexpr TColor DefaultHoverFrame = clNavy;
constexpr TColor DefaultDownFace = TColor(0xB59385);
constexpr TColor DefaultHoverFace = TColor(0xD2BDB6);

} // namespace

TlxSkinStdButtonObject::TlxSkinStdButtonObject(TlxLumivex* AParent, TlxDataSkinObject* AData)
    : TlxSkinButtonObject(AParent, AData), FSkinSupport(AData != nullptr) {
    auto* data = dynamic_cast<TlxDataSkinStdButton*>(AData);
    if (!data) return;
    Command = data->Command;
    RestoreHint = data->RestoreHint;
    FTempHint = data->Hint;
    RestoreRect = data->RestoreRect;
    RestoreActiveRect = data->RestoreActiveRect;
    RestoreDownRect = data->RestoreDownRect;
    RestoreInActiveRect = data->RestoreInActiveRect;
}

bool TlxSkinStdButtonObject::InRestoreState() const {
    return StdCommandInRestoreState(Parent, Command);
}

bool TlxSkinStdButtonObject::IconCase() const {
    return Command == cmSysMenu && Parent->ShowIcon() && FSkinSupport && SkinRectInAPicture;
}

bool TlxSkinStdButtonObject::PtInMask(int X, int Y) {
    return IconCase() || TlxSkinButtonObject::PtInMask(X, Y);
}

void TlxSkinStdButtonObject::ShowLayer() {
    if (!IconCase()) TlxSkinButtonObject::ShowLayer();
}

void TlxSkinStdButtonObject::HideLayer() {
    if (!IconCase()) TlxSkinButtonObject::HideLayer();
}

bool TlxSkinStdButtonObject::CanMorphing() {
    if (Command == cmSysMenu && Parent->ShowIcon() && SkinRectInAPicture) return false;
    return TlxSkinButtonObject::CanMorphing();
}

void TlxSkinStdButtonObject::Draw(TCanvas* Cnvs, bool UpDate) {
    if (!FSkinSupport) {
        DefaultDraw(Cnvs);
        return;
    }
    if (!SkinUsable()) return;
    if (Command == cmSysMenu && Parent->ShowIcon() && SkinRectInAPicture) {
        Parent->DrawFormIcon(Cnvs, ObjectRect.Left, ObjectRect.Top);
        SetMorphKf(0);
        return;
    }
    if (Enabled && InRestoreState() && !IsNullRect(RestoreRect)) {
        if (!Parent->FFormActive && !IsNullRect(RestoreInActiveRect))
            DrawPart(Cnvs, ActivePicture, RestoreInActiveRect);
        else if (FDown && FMouseIn && !IsNullRect(RestoreDownRect))
            DrawPart(Cnvs, ActivePicture, RestoreDownRect);
        else if (EnableMorphing() && MorphInProgress())
            DrawMorph(Cnvs, ActivePicture, RestoreRect, RestoreActiveRect);
        else if (Active && !IsNullRect(RestoreActiveRect))
            DrawPart(Cnvs, ActivePicture, RestoreActiveRect);
        else
            DrawPart(Cnvs, ActivePicture, RestoreRect);
        return;
    }
    DrawButton(Cnvs, UpDate);
}

void TlxSkinStdButtonObject::DefaultDraw(TCanvas* Cnvs) {
    if (Command == cmSysMenu && Parent->ShowIcon()) {
        Parent->DrawFormIcon(Cnvs, ObjectRect.Left, ObjectRect.Top);
        return;
    }
    const int w = RectWidth(ObjectRect), h = RectHeight(ObjectRect);
    if (w <= 0 || h <= 0) return;
    TBitmap b(w, h);
    TCanvas* c = b.Canvas();
    c->Brush()->SetStyle(bsSolid);
    if (FMouseIn) {
        c->Brush()->SetColor(DefaultHoverFrame);
        c->FillRect({0, 0, w, h});
        c->Brush()->SetColor(FDown ? DefaultDownFace : DefaultHoverFace);
        c->FillRect({1, 1, w - 1, h - 1});
    } else {
        c->Brush()->SetColor(clBtnFace);
        c->FillRect({0, 0, w, h});
    }
    int x = w / 2 - 5, y = h / 2 - 4;
    if (FDown && FMouseIn) {
        ++x;
        ++y;
    }
    const TColor color = Enabled ? clBtnText : clBtnShadow;
    const bool restore = InRestoreState();
    switch (Command) {
    case cmClose:
        DrawCloseImage(c, x, y, color);
        break;
    case cmMaximize:
        restore ? DrawRestoreImage(c, x, y, color) : DrawMaximizeImage(c, x, y, color);
        break;
    case cmMinimize:
        restore ? DrawRestoreImage(c, x, y, color) : DrawMinimizeImage(c, x, y, color);
        break;
    case cmSysMenu:
        DrawSysMenuImage(c, x, y, color);
        break;
    case cmRollUp:
        restore ? DrawRollDownImage(c, x, y, color) : DrawRollUpImage(c, x, y, color);
        break;
    case cmMinimizeToTray:
        DrawTrayImage(c, x, y, color);
        break;
    case cmDefault:
        break;
    }
    Cnvs->Draw(ObjectRect.Left, ObjectRect.Top, &b);
}

void TlxSkinStdButtonObject::MouseEnter() {
    if (Command != cmDefault) Hint = !RestoreHint.empty() && InRestoreState() ? RestoreHint : FTempHint;
    TlxSkinButtonObject::MouseEnter();
}

void TlxSkinStdButtonObject::MouseDown(int, int, TMouseButton Button) {
    if (!Enabled || Button != TMouseButton::mbLeft || FDown) return;
    SetDown(true);
    if (Command == cmSysMenu) {
        MenuItem = Parent->GetSystemMenuItems();
        PopupLinkedMenu();
    }
}

void TlxSkinStdButtonObject::MouseUp(int X, int Y, TMouseButton Button) {
    // Active only while the mouse is over the button: a release elsewhere runs nothing.
    const bool run = Active && Button == TMouseButton::mbLeft;
    if (Command == cmClose) {
        // Drawn normal first; the close comes last, as the form may go with it.
        TlxSkinButtonObject::MouseUp(X, Y, Button);
        if (run) DoCommand();
        return;
    }
    if (run && !Survives([&] { DoCommand(); })) return;
    TlxSkinButtonObject::MouseUp(X, Y, Button);
}

void TlxSkinStdButtonObject::DblClick() {
    if (Command == cmSysMenu) Parent->Form()->Close();
}

void TlxSkinStdButtonObject::DoCommand() {
    DoStdCommand(Parent, Command);
}
