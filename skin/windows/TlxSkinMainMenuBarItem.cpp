#include "skin/windows/TlxSkinMainMenuBarItem.h"

#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/gdi/Text.h"
#include "platform/vcl/TMenu.h"
#include "platform/vcl/TTimer.h"
#include "skin/controls/SkinControlDrawing.h"
#include "skin/engine/DataSkinObjects.h"
#include "skin/engine/SkinData.h"
#include "skin/engine/SkinImages.h"
#include "skin/engine/SkinRects.h"
#include "skin/windows/TlxLumivex.h"
#include "skin/windows/TlxSkinMainMenuBar.h"
#include "skin/windows/TlxSkinMenu.h"

#include <algorithm>

namespace {

constexpr uint32_t TextFormat = DT_CENTER | DT_VCENTER;

void FramedFill(TCanvas* C, const TRect& R, TColor Fill) {
    C->Pen()->SetStyle(TPenStyle::psSolid);
    C->Pen()->SetWidth(1);
    C->Pen()->SetColor(clNavy);
    C->Brush()->SetStyle(bsSolid);
    C->Brush()->SetColor(Fill);
    C->Rectangle(R);
}

// The caption's extent in the canvas font.
TSize CaptionExtent(TCanvas* C, const std::string& Caption) {
    TRect r{0, 0, 0, 0};
    DrawText(C->Handle(), Caption, r, DT_CALCRECT | DT_SINGLELINE);
    return {RectWidth(r), RectHeight(r)};
}

} // namespace

TlxSkinMainMenuBarItem::TlxSkinMainMenuBarItem(TlxSkinMainMenuBar* AParent, TlxDataSkinMainMenuBarItem* AData,
                                               TMenuItem* AMenuItem)
    : TlxMenuBarObject(AParent, AData), MenuItem(AMenuItem) {
    IDName = AMenuItem->Name();
    Enabled = AMenuItem->Enabled();
    OldEnabled = Enabled;
    if (!AData) return;
    FSkinSupport = true;
    FontName = AData->FontName;
    FontHeight = AData->FontHeight;
    FontStyle = AData->FontStyle;
    FontColor = AData->FontColor;
    ActiveFontColor = AData->ActiveFontColor;
    DownFontColor = AData->DownFontColor;
    UnEnabledFontColor = AData->UnEnabledFontColor;
    TextRct = AData->TextRct;
    LO = AData->ItemLO;
    RO = AData->ItemRO;
    StretchEffect = AData->StretchEffect;
    AnimateSkinRect = AData->AnimateSkinRect;
    FrameCount = AData->FrameCount;
    AnimateInterval = AData->AnimateInterval;
    InActiveAnimation = AData->InActiveAnimation;
    DownRect = AData->DownRect;
    if (IsNullRect(DownRect)) DownRect = IsNullRect(ActiveSkinRect) ? SkinRect : ActiveSkinRect;
    if (IsNullRect(ActiveSkinRect)) Morphing = false;
}

bool TlxSkinMainMenuBarItem::HasChildren() const {
    return MenuItem->Count() > 0;
}

bool TlxSkinMainMenuBarItem::EnableAnimation() const {
    TlxSkinData* sd = Parent->SkinData();
    return FSkinSupport && FrameCount > 0 && !IsNullRect(AnimateSkinRect) && Picture && sd && !sd->Empty &&
           sd->EnableSkinEffects();
}

void TlxSkinMainMenuBarItem::SetItemFont(TFont& F) const {
    if (FSkinSupport && Parent->UseSkinFont()) {
        F.SetName(FontName);
        F.SetStyle(FontStyle);
        F.SetHeight(FontHeight);
    } else {
        F.Assign(*Parent->DefItemFont());
    }
    F.SetCharset(SkinCharset(Parent->SkinData(), *Parent->DefItemFont()));
}

int TlxSkinMainMenuBarItem::CalcWidth() {
    TBitmap probe(1, 1);
    TCanvas* c = probe.Canvas();
    if (!FSkinSupport) {
        c->Font()->Assign(*Parent->DefItemFont());
        c->Font()->SetCharset(SkinCharset(Parent->SkinData(), *Parent->DefItemFont()));
        return CaptionExtent(c, MenuItem->Caption()).cx + 12;
    }
    if (IsNullRect(SkinRect) || IsNullRect(TextRct)) return 0;
    SetItemFont(*c->Font());
    return RectWidth(SkinRect) - RectWidth(TextRct) + CaptionExtent(c, MenuItem->Caption()).cx + 2;
}

// ---- Drawing

void TlxSkinMainMenuBarItem::Draw(TCanvas* Cnvs) {
    if (!ItemVisible || ObjectRect.IsEmpty()) return;
    if (!FSkinSupport) {
        DefaultDraw(Cnvs);
        return;
    }
    if (!Picture) return;
    const int w = RectWidth(ObjectRect), h = RectHeight(ObjectRect);
    TBitmap b(w, h);
    if (FDown) {
        CreateBarItemImage(b, Cnvs, DownRect, true);
    } else if (EnableAnimation() && CurrentFrame > 0 && CurrentFrame <= FrameCount) {
        CreateBarItemImage(b, Cnvs, FrameRect(CurrentFrame), true);
    } else if (EnableMorphing() && !(Active && FMorphKf >= 1) && !(!Active && FMorphKf <= 0)) {
        TBitmap normal(w, h), hot(w, h);
        CreateBarItemImage(normal, Cnvs, SkinRect, false);
        CreateBarItemImage(hot, Cnvs, ActiveSkinRect, true);
        DrawMorph(Cnvs, normal, hot);
        return;
    } else if (Active) {
        CreateBarItemImage(b, Cnvs, IsNullRect(ActiveSkinRect) ? SkinRect : ActiveSkinRect, true);
    } else {
        CreateBarItemImage(b, Cnvs, SkinRect, false);
    }
    Cnvs->Draw(ObjectRect.Left, ObjectRect.Top, &b);
}

void TlxSkinMainMenuBarItem::CreateBarItemImage(TBitmap& B, TCanvas* Target, const TRect& Rect,
                                                bool ActiveColours) {
    const int w = RectWidth(ObjectRect), h = RectHeight(ObjectRect);
    B.SetSize(w, h);
    TCanvas* c = B.Canvas();
    if (Parent->ItemTransparent() && Rect == SkinRect) {
        c->CopyRect({0, 0, w, h}, *Target, ObjectRect);
    } else {
        TBitmap strip;
        CreateHSkinImage(LO, RO, &strip, Picture, Rect, w, ActiveColours && StretchEffect);
        if (!strip.Empty()) c->StretchDraw({0, 0, w, h}, &strip);
    }
    c->Brush()->SetStyle(bsClear);
    SetItemFont(*c->Font());
    TColor colour = FontColor;
    if (FDown)
        colour = DownFontColor;
    else if (Active)
        colour = ActiveFontColor;
    else if (!Enabled)
        colour = UnEnabledFontColor;
    c->Font()->SetColor(colour);
    TRect t{TextRct.Left, TextRct.Top, TextRct.Left, TextRct.Top};
    DrawText(c->Handle(), MenuItem->Caption(), t, DT_CALCRECT | DT_SINGLELINE);
    t.Right += 2;
    t.Bottom = TextRct.Bottom;
    if (MenuItem->OnDrawItem) {
        MenuItem->OnDrawItem(this, c, t, Active);
        return;
    }
    DrawText(c->Handle(), MenuItem->Caption(), t, TextFormat | DT_SINGLELINE);
}

TRect TlxSkinMainMenuBarItem::FrameRect(int Frame) const {
    const TRect& a = AnimateSkinRect;
    const int frames = std::max(FrameCount, 1);
    if (RectHeight(a) > RectHeight(SkinRect)) {
        const int fh = RectHeight(a) / frames;
        return {a.Left, a.Top + (Frame - 1) * fh, a.Right, a.Top + Frame * fh};
    }
    const int fw = RectWidth(a) / frames;
    return {a.Left + (Frame - 1) * fw, a.Top, a.Left + Frame * fw, a.Bottom};
}

void TlxSkinMainMenuBarItem::DefaultDraw(TCanvas* Cnvs) {
    const int w = RectWidth(ObjectRect), h = RectHeight(ObjectRect);
    TBitmap b(w, h);
    TCanvas* c = b.Canvas();
    const TRect r{0, 0, w, h};
    if (FDown)
        FramedFill(c, r, RGB(133, 146, 181));
    else if (Active)
        FramedFill(c, r, RGB(182, 189, 210));
    else
        b.Fill(ColorToPixel(clBtnFace));
    c->Font()->Assign(*Parent->DefItemFont());
    c->Font()->SetCharset(SkinCharset(Parent->SkinData(), *Parent->DefItemFont()));
    if (!Enabled) c->Font()->SetColor(clBtnShadow);
    c->Brush()->SetStyle(bsClear);
    const TSize extent = CaptionExtent(c, MenuItem->Caption());
    TRect t{0, h / 2 - extent.cy / 2, w, h / 2 - extent.cy / 2 + extent.cy};
    if (FDown) OffsetRect(t, 1, 1);
    if (MenuItem->OnDrawItem)
        MenuItem->OnDrawItem(this, c, t, Active);
    else
        DrawText(c->Handle(), MenuItem->Caption(), t, TextFormat | DT_SINGLELINE);
    Cnvs->Draw(ObjectRect.Left, ObjectRect.Top, &b);
}

// ---- State

void TlxSkinMainMenuBarItem::ReDraw() {
    if (EnableAnimation()) {
        Parent->AnimateTimer->SetInterval(static_cast<uint32_t>(std::max(AnimateInterval, 1)));
        Parent->AnimateTimer->SetEnabled(true);
        return;
    }
    TlxMenuBarObject::ReDraw();
}

bool TlxSkinMainMenuBarItem::AnimationStep() {
    if (!EnableAnimation()) return false;
    const bool on = Active || FDown;
    if (on && CurrentFrame <= FrameCount) {
        ++CurrentFrame;
        Parent->DrawItem(this);
        return true;
    }
    if (!on && CurrentFrame > 0) {
        --CurrentFrame;
        Parent->DrawItem(this);
        return true;
    }
    return false;
}

void TlxSkinMainMenuBarItem::MouseEnter() {
    const int down = Parent->DownItemIndex();
    TlxSkinMainMenuBarItem* other =
        down >= 0 ? static_cast<TlxSkinMainMenuBarItem*>(Parent->Objects(down)) : nullptr;
    if (other && other != this) {
        // Its menu is open: the menu moves to this item.
        other->SetDown(false);
        FMouseIn = true;
        Active = true;
        if (EnableMorphing()) FMorphKf = 1;
        SetDown(true);
        return;
    }
    for (int i = Parent->ButtonsCount(); i < Parent->ObjectCount(); ++i) {
        TlxMenuBarObject* o = Parent->Objects(i);
        if (o != this && o->Active) o->MouseLeave();
    }
    FMouseIn = true;
    Active = true;
    ReDraw();
    if (Parent->OnItemMouseEnter) Parent->OnItemMouseEnter(MenuItem);
    if (Parent->Hint() != MenuItem->Hint()) Parent->SetHint(MenuItem->Hint());
}

void TlxSkinMainMenuBarItem::MouseLeave() {
    Active = false;
    FMouseIn = false;
    if (EnableAnimation() && !InActiveAnimation) {
        CurrentFrame = 0;
        Parent->DrawItem(this);
    }
    if (FDown && EnableMorphing()) FMorphKf = 0;
    ReDraw();
    if (Parent->OnItemMouseLeave) Parent->OnItemMouseLeave(MenuItem);
}

void TlxSkinMainMenuBarItem::MouseDown(int, int, TMouseButton Button) {
    TlxLumivex* k = Parent->Lumivex();
    if (!Enabled || !k || Button != TMouseButton::mbLeft) return;
    if (HasChildren()) {
        Parent->MenuActive = true;
        SetDown(true);
        return;
    }
    // A command: the bar leaves menu mode before it runs.
    TComponent::TKeepAlive alive(Parent);
    TComponentRef<TMenuItem> item{Parent};
    item.Set(MenuItem);
    if (k->InMainMenu) k->MainMenuExit();
    k->InMenu = false;
    if (Parent->FreePending() || !item) return;
    Active = false;
    Parent->DrawItem(this);
    if (TMenu* menu = MenuItem->GetParentMenu())
        menu->DispatchCommand(MenuItem->Command());
    else
        MenuItem->Click();
}

void TlxSkinMainMenuBarItem::SetDown(bool Value) {
    if (!Value) {
        FDown = false;
        Active = false;
        if (EnableAnimation()) {
            if (InActiveAnimation) {
                CurrentFrame = FrameCount + 1;
                Parent->AnimateTimer->SetEnabled(true);
            } else {
                CurrentFrame = 0;
                Parent->DrawItem(this);
            }
        } else if (EnableMorphing()) {
            FMorphKf = 1;
            Parent->MorphTimer->SetEnabled(true);
        } else {
            Parent->DrawItem(this);
        }
        return;
    }
    FDown = true;
    FMorphKf = 1;
    Parent->DrawItem(this);
    TlxLumivex* k = Parent->Lumivex();
    if (!k) return;
    if (!k->InMainMenu && k->OnMainMenuEnter) k->OnMainMenuEnter(Parent);
    PopupItemMenu();
}

void TlxSkinMainMenuBarItem::PopupItemMenu() {
    TlxLumivex* k = Parent->Lumivex();
    const TPoint origin = Parent->ClientToScreen({0, 0});
    TRect r = ObjectRect;
    OffsetRect(r, origin.X, origin.Y);
    k->SkinMenuOpen();
    k->InMainMenu = true;
    k->SkinMenu->Popup(nullptr, Parent->SkinData(), 0, r, MenuItem, Parent->PopupToUp());
}
