// Skin changes of the form-skinning component: the announcement protocol,
// applying a skin to the frame, the frame objects made from it, and the
// timers that animate them.

#include "platform/vcl/TTimer.h"
#include "skin/controls/TlxSkinClient.h"
#include "skin/engine/DataSkinObjects.h"
#include "skin/engine/ResourceStrData.h"
#include "skin/engine/SkinData.h"
#include "skin/engine/TlxLayerManager.h"
#include "skin/windows/TlxLumivex.h"
#include "skin/windows/TlxSkinAnimateObject.h"
#include "skin/windows/TlxSkinCaptionObject.h"
#include "skin/windows/TlxSkinStdButtonObject.h"
#include "skin/windows/TlxUserObject.h"

void TlxLumivex::CallBeforeChangeSkinData(TlxSkinData* Skin) {
    BeforeChangeSkinClients(FForm, Skin);
}

void TlxLumivex::CallChangeSkinData(TlxSkinData* Skin) {
    ChangeSkinClients(FForm, Skin);
}

void TlxLumivex::WMBeforeChangeSkinData(TMessage& M) {
    if (reinterpret_cast<TlxSkinData*>(M.WParam) != FSD.Get() || !FSD) return;
    EndFade();
    FStopPainting = true;
    FSkinSupport = false;
    MouseTimer->SetEnabled(false);
    MorphTimer->SetEnabled(false);
    AnimateTimer->SetEnabled(false);
    ClearObjects();
    CallBeforeChangeSkinData(FSD);
    if (OnBeforeChangeSkinData) OnBeforeChangeSkinData(this);
}

void TlxLumivex::WMChangeSkinData(TMessage& M) {
    FStopPainting = false;
    auto* skin = reinterpret_cast<TlxSkinData*>(M.WParam);
    if (skin && skin == FSD.Get()) ChangeSkinData();
    CallChangeSkinData(skin);
}

void TlxLumivex::WMAfterChangeSkinData(TMessage& M) {
    if (IsMDIForm() && FSD && reinterpret_cast<TlxSkinData*>(M.WParam) == FSD.Get()) RefitMDIChildren();
    if (OnAfterChangeSkinData) OnAfterChangeSkinData(this);
}

void TlxLumivex::ChangeSkinData() {
    if (FUseRibbon) FSkinnableForm = false;
    ActiveObject = OldActiveObject = MouseCaptureObject = -1;
    FSkinSupport = HasSkin();
    if (FLayerManager->IsVisible) FLayerManager->Hide();
    if (FMenuLayerManager->IsVisible) FMenuLayerManager->Hide();

    if (FSkinSupport && FSkinnableForm) {
        CreateSkinObjects();
        ApplyBorderIcons();
    } else {
        ClearObjects();
        FFormWidth = FForm->Width();
        FFormHeight = FForm->Height();
        SetFormRegion();
    }
    if (FSkinnableForm && !FForm->BorderIcons().Empty()) FForm->SetBorderIcons({});

    // Size limits of the new frame.
    const int minW = GetMinWidth(), minH = GetMinHeight();
    if (FForm->Width() < minW && FForm->Height() < minH)
        FForm->SetBounds(FForm->Left(), FForm->Top(), minW, minH);
    else if (FForm->Height() < minH)
        FForm->SetHeight(minH);
    else if (FForm->Width() < minW)
        FForm->SetWidth(minW);
    else
        NudgeFormWidth();
    if ((FRollUpState || FWindowState == wsMinimized) && FForm->Height() != minH) FForm->SetHeight(minH);
    if (FWindowState == wsMinimized && FForm->Width() != minW) FForm->SetWidth(minW);

    FFormWidth = FForm->Width();
    FFormHeight = FForm->Height();
    if (FSkinSupport) UpdateFrame();
    if (FForm->HandleAllocated()) FForm->Repaint();
    if (IsMDIForm() && FForm->MDIClient() && FForm->MDIClient()->HandleAllocated()) {
        RedrawWindow(FForm->MDIClient()->WindowHandle(), nullptr, nullptr,
                     RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN);
        RefitMDIChildren();
    }
    UpdateCaptionActive(!IsMaximizedMDIChild());
    MouseTimer->SetEnabled(true);
    if (OnChangeSkinData) OnChangeSkinData(this);
    if (!FRollUpState) {
        if (FClientWidth > 0) FForm->SetClientWidth(FClientWidth);
        if (FClientHeight > 0) FForm->SetClientHeight(FClientHeight);
    }
    ApplyLayeredBorder();
}

void TlxLumivex::CreateSkinObjects() {
    ClearObjects();
    if (!FSD) return;
    for (auto& d : FSD->ObjectList) {
        TlxDataSkinObject* data = d.get();
        if (dynamic_cast<TlxDataSkinMenuItem*>(data) || dynamic_cast<TlxDataSkinMainMenuItem*>(data) ||
            dynamic_cast<TlxDataSkinMainMenuBarButton*>(data))
            continue;
        std::unique_ptr<TlxActiveSkinObject> o;
        if (dynamic_cast<TlxDataSkinStdButton*>(data))
            o = std::make_unique<TlxSkinStdButtonObject>(this, data);
        else if (dynamic_cast<TlxDataSkinButton*>(data))
            o = std::make_unique<TlxSkinButtonObject>(this, data);
        else if (dynamic_cast<TlxDataSkinCaption*>(data))
            o = std::make_unique<TlxSkinCaptionObject>(this, data);
        else if (dynamic_cast<TlxDataSkinAnimate*>(data))
            o = std::make_unique<TlxSkinAnimateObject>(this, data);
        else if (dynamic_cast<TlxDataUserObject*>(data))
            o = std::make_unique<TlxUserObject>(this, data);
        if (o) ObjectList.push_back(std::move(o));
    }
}

void TlxLumivex::CreateDefaultObjects() {
    ClearObjects();
    static const std::pair<TlxStdCommand, const char*> Buttons[] = {
        {cmClose, "closebutton"},   {cmMaximize, "maxbutton"},    {cmMinimize, "minbutton"},
        {cmRollUp, "rollupbutton"}, {cmSysMenu, "sysmenubutton"}, {cmMinimizeToTray, "traybutton"},
    };
    for (auto [command, name] : Buttons) {
        auto b = std::make_unique<TlxSkinStdButtonObject>(this, nullptr);
        b->IDName = name;
        b->Command = command;
        b->SkinRectInAPicture = true;
        b->SkinRect = b->ActiveSkinRect = b->DownRect = TRect{0, 0, 1, 1};
        b->ObjectRect = b->SkinRect;
        ObjectList.push_back(std::move(b));
    }
    ApplyBorderIcons();
}

namespace {

// The border icon that switches a command, or none (close, system menu, default).
bool CommandIcon(TlxStdCommand Command, TlxBorderIcon& Icon) {
    switch (Command) {
    case cmMaximize:
        Icon = TlxBorderIcon::biMaximize;
        return true;
    case cmMinimize:
        Icon = TlxBorderIcon::biMinimize;
        return true;
    case cmRollUp:
        Icon = TlxBorderIcon::biRollUp;
        return true;
    case cmMinimizeToTray:
        Icon = TlxBorderIcon::biMinimizeToTray;
        return true;
    default:
        return false;
    }
}

} // namespace

void TlxLumivex::ApplyBorderIcons() {
    for (auto& o : ObjectList) {
        TlxStdCommand command;
        auto* std = dynamic_cast<TlxSkinStdButtonObject*>(o.get());
        auto* anim = dynamic_cast<TlxSkinAnimateObject*>(o.get());
        if (std)
            command = std->Command;
        else if (anim)
            command = anim->Command;
        else
            continue;
        if (FHideCaptionButtons) {
            o->Enabled = false;
            o->Visible = !o->SkinRectInAPicture;
            continue;
        }
        if (anim && !anim->ButtonStyle) continue;
        TlxBorderIcon icon;
        if (CommandIcon(command, icon)) {
            o->Enabled = FBorderIcons.Contains(icon);
            o->Visible = o->SkinRectInAPicture ? o->Enabled : true;
        } else if (command == cmSysMenu) {
            o->Enabled = FBorderIcons.Contains(TlxBorderIcon::biSystemMenu) && !FDisableSystemMenu;
            o->Visible = o->SkinRectInAPicture ? o->Enabled : true;
        } else if (command == cmDefault) {
            bool visible = false;
            if (OnActivateCustomObject) OnActivateCustomObject(o->IDName, visible);
            o->Visible = visible;
        }
    }
    UpdateObjectHints();
}

void TlxLumivex::UpdateObjectHints() {
    if (!FUseDefaultObjectHint || !FSD) return;
    TlxResourceStrData* strings = FSD->ResourceStrData();
    auto text = [strings](const char* Key, const char* BuiltIn) {
        return strings ? strings->GetResStr(Key) : std::string(BuiltIn);
    };
    for (auto& o : ObjectList) {
        auto* std = dynamic_cast<TlxSkinStdButtonObject*>(o.get());
        auto* anim = dynamic_cast<TlxSkinAnimateObject*>(o.get());
        if (!std && !anim) continue;
        switch (std ? std->Command : anim->Command) {
        case cmClose:
            o->Hint = text("CLOSEBUTTON_HINT", "Close");
            break;
        case cmMaximize:
            o->Hint = text("MAXBUTTON_HINT", "Maximize");
            break;
        case cmMinimize:
            o->Hint = text("MINBUTTON_HINT", "Minimize");
            break;
        case cmSysMenu:
            o->Hint = text("MENUBUTTON_HINT", "System menu");
            break;
        case cmRollUp:
            o->Hint = text("ROLLUPBUTTON_HINT", "Roll Up");
            break;
        case cmMinimizeToTray:
            o->Hint = text("TRAYBUTTON_HINT", "Minimize to Tray");
            break;
        case cmDefault:
            break;
        }
        std::string restore = text("RESTORE_HINT", "Restore");
        if (std) {
            std->FTempHint = o->Hint;
            std->RestoreHint = restore;
        } else {
            anim->FTempHint = o->Hint;
            anim->RestoreHint = restore;
        }
    }
}

void TlxLumivex::UpdateCaptionActive(bool Animate) {
    const bool active = GetFormActive();
    for (auto& o : ObjectList) {
        auto* c = dynamic_cast<TlxSkinCaptionObject*>(o.get());
        if (!c || c->Active == active) continue;
        c->Active = active;
        if (Animate) {
            if (c->EnableAnimation()) {
                c->FIncTime = 25;
                c->CurrentFrame = active ? 1 : c->InActiveAnimation ? c->FrameCount : 0;
                AnimateTimer->SetEnabled(true);
            }
            SendNCPaint();
            if (c->EnableMorphing()) MorphTimer->SetEnabled(true);
        } else if (c->EnableMorphing()) {
            c->SetMorphKf(active ? 1.0 : 0.0);
        }
        break;
    }
    if (active) {
        if (OnActivate) OnActivate(this);
    } else if (OnDeActivate) {
        OnDeActivate(this);
    }
}

void TlxLumivex::AnimateTimerProc() {
    bool progress = false;
    // Objects may be replaced by a handler: walk by index.
    for (size_t i = 0; i < ObjectList.size(); ++i) {
        TlxActiveSkinObject* o = ObjectList[i].get();
        if (auto* a = dynamic_cast<TlxSkinAnimateObject*>(o)) {
            if (a->Active && !(a->FDown && !a->DownSkinRect.IsEmpty())) {
                a->ChangeFrame();
                progress = true;
            }
        } else if (auto* c = dynamic_cast<TlxSkinCaptionObject*>(o); c && c->EnableAnimation()) {
            if (c->FIncTime < c->AnimateInterval) {
                c->FIncTime += 25;
                progress = true;
            } else if (c->Active && c->CurrentFrame <= c->FrameCount) {
                ++c->CurrentFrame;
                DrawSkinObject(c);
                c->FIncTime = 25;
                progress = true;
            } else if (!c->Active && c->CurrentFrame > 0) {
                --c->CurrentFrame;
                DrawSkinObject(c);
                c->FIncTime = 25;
                progress = true;
            }
        }
    }
    if (!progress) AnimateTimer->SetEnabled(false);
}

void TlxLumivex::MorphTimerProc() {
    bool progress = false;
    for (size_t i = 0; i < ObjectList.size(); ++i) {
        TlxActiveSkinObject* o = ObjectList[i].get();
        if (o->EnableMorphing() && o->CanMorphing()) {
            o->DoMorphing();
            progress = true;
        }
    }
    if (!progress) MorphTimer->SetEnabled(false);
}

void TlxLumivex::SetSkinnableForm(bool Value) {
    FFormActive = FForm->Active();
    if (Designing() || (IsMDIForm() && false)) return;
    bool wasMaximized = false;
    if (FSkinnableForm && FWindowState == wsMaximized) {
        wasMaximized = true;
        if (!IsMDIForm()) FForm->Hide();
        SetWindowState(wsNormal);
    } else if (!FSkinnableForm && FormHandle() && IsZoomed(FormHandle())) {
        wasMaximized = true;
        ShowWindow(FormHandle(), SW_RESTORE);
        if (!IsMDIForm()) FForm->Hide();
    }
    FSkinnableForm = FUseRibbon ? false : Value;
    ChangeSkinData();
    CallChangeSkinData(nullptr);
    // The same window works its frame out again (never a new window).
    if (HWND h = FormHandle())
        SetWindowPos(h, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    if (wasMaximized) {
        if (FSkinnableForm)
            SetWindowState(wsMaximized);
        else if (HWND h = FormHandle())
            ShowWindow(h, SW_MAXIMIZE);
        if (!IsMDIForm()) FForm->Show();
    }
}

// ---- Form effects

namespace {

void SetLayered(HWND H, bool On) {
    const auto ex = static_cast<uint32_t>(GetWindowLongPtr(H, GWL_EXSTYLE));
    if (On != bool(ex & WS_EX_LAYERED))
        SetWindowLongPtr(H, GWL_EXSTYLE, On ? (ex | WS_EX_LAYERED) : (ex & ~WS_EX_LAYERED));
}

constexpr uintptr_t FadeStartTimer = 1;

} // namespace

void TlxLumivex::SetAlphaBlend(bool Value) {
    FAlphaBlend = Value;
    ApplyAlphaBlend();
}

void TlxLumivex::SetAlphaBlendValue(int Value) {
    FAlphaBlendValue = std::clamp(Value, 0, 255);
    ApplyAlphaBlend();
}

void TlxLumivex::ApplyAlphaBlend() {
    HWND h = FormHandle();
    if (!h || Loading() || Designing() || !LayeredWindowsSupported() || FFading) return;
    SetLayered(h, FAlphaBlend);
    if (FAlphaBlend) SetLayeredWindowAttributes(h, 0, static_cast<Byte>(FAlphaBlendValue), LWA_ALPHA);
}

bool TlxLumivex::WantsFade() const {
    return FAlphaBlend || FAlphaBlendAnimation || (FSD && FSD->AnimationForAllWindows());
}

// Showing: the form starts invisible and the fade begins on the first timer
// tick. Without layered windows (no compositor) the form simply shows.
void TlxLumivex::BeginShowEffects() {
    HWND h = FormHandle();
    if (!h) return;
    if (FSD && FSD->AnimationForAllWindows() && FAlphaBlendValue == 0) FAlphaBlendValue = 255;
    if (!LayeredWindowsSupported() || !WantsFade()) return;
    SetLayered(h, true);
    SetLayeredWindowAttributes(h, 0, 0, LWA_ALPHA);
    FadeLayeredBorder(0, true);
    FFading = true;
    SetTimer(h, FadeStartTimer, 1);
}

void TlxLumivex::FadeTimerTick() {
    if (HWND h = FormHandle()) KillTimer(h, FadeStartTimer);
    if (!FFading) return;
    const bool animate = FAlphaBlendAnimation || (FSD && FSD->AnimationForAllWindows());
    FFadeTarget = animate && !FAlphaBlend ? 255 : FAlphaBlendValue;
    if (!animate) {
        EndFade();
        return;
    }
    // Fifteen steps, the first at once, then one every 6 ms of the clock.
    FFadeStep = std::max(1, FFadeTarget / 15);
    FFadeAlpha = 0;
    FadeStep();
    if (FFading) FadeTimer->SetEnabled(true);
}

void TlxLumivex::FadeStep() {
    FFadeAlpha = std::min(FFadeAlpha + FFadeStep, FFadeTarget);
    if (FFadeAlpha >= FFadeTarget) {
        EndFade();
        return;
    }
    if (HWND h = FormHandle()) SetLayeredWindowAttributes(h, 0, static_cast<Byte>(FFadeAlpha), LWA_ALPHA);
    FadeLayeredBorder(FFadeAlpha, true);
}

// The end state of a fade, reached on every path: full opacity without the
// layered style, or the constant AlphaBlendValue.
void TlxLumivex::EndFade() {
    if (!FFading) return;
    FFading = false;
    FadeTimer->SetEnabled(false);
    FadeLayeredBorder(FAlphaBlend ? FAlphaBlendValue : 255, true);
    HWND h = FormHandle();
    if (!h) return;
    KillTimer(h, FadeStartTimer);
    if (FAlphaBlend && FAlphaBlendValue != 255) {
        SetLayered(h, true);
        SetLayeredWindowAttributes(h, 0, static_cast<Byte>(FAlphaBlendValue), LWA_ALPHA);
    } else {
        SetLayered(h, false);
    }
}

void TlxLumivex::EndShowEffects() {
    EndFade();
}
