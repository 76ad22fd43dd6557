#include "skin/controls/TlxSkinToolBar.h"

#include "skin/controls/TlxSkinBevel.h"
#include "skin/controls/TlxSkinMenuSpeedButton.h"

TlxSkinToolBar::TlxSkinToolBar(TComponent* AOwner) : TlxSkinPanel(AOwner) {
    SetSkinDataName("toolpanel");
    FForceBackground = false;
    FDefaultHeight = 0;
    SetHeight(25);
    SetBorderStyle(bvNone);
}

template <class F> void TlxSkinToolBar::ForEachSpeedButton(F Do) {
    for (int i = 0; i < ControlCount(); ++i)
        if (auto* b = dynamic_cast<TlxSkinSpeedButton*>(Controls(i))) Do(b);
}

void TlxSkinToolBar::RepaintSpeedButtons() {
    ForEachSpeedButton([](TlxSkinSpeedButton* b) { b->Invalidate(); });
}

void TlxSkinToolBar::SetFlat(bool Value) {
    FFlat = Value;
    ForEachSpeedButton([Value](TlxSkinSpeedButton* b) { b->SetFlat(Value); });
}

void TlxSkinToolBar::SetShowCaptions(bool Value) {
    if (FShowCaptions == Value) return;
    FShowCaptions = Value;
    if (FAutoShowHideCaptions)
        ForEachSpeedButton([Value](TlxSkinSpeedButton* b) { b->SetShowCaption(Value); });
    if (FWidthWithCaptions != 0 && FWidthWithoutCaptions != 0)
        SetWidth(Value ? FWidthWithCaptions : FWidthWithoutCaptions);
}

void TlxSkinToolBar::SetImages(TCustomImageList* Value) {
    FImages.Set(Value);
    RepaintSpeedButtons();
}

void TlxSkinToolBar::SetSkinData(TlxSkinData* Value) {
    TlxSkinPanel::SetSkinData(Value);
    ForEachSpeedButton([Value](TlxSkinSpeedButton* b) { b->SetSkinData(Value); });
    for (int i = 0; i < ControlCount(); ++i)
        if (auto* bevel = dynamic_cast<TlxSkinBevel*>(Controls(i))) bevel->SetSkinData(Value);
}

void TlxSkinToolBar::SetSkinDataName(const std::string& Value) {
    TlxSkinPanel::SetSkinDataName(Value);
    if (!Designing() || ComponentState().Contains(csLoading)) return;
    ForEachSpeedButton([&Value](TlxSkinSpeedButton* b) {
        auto* menu = dynamic_cast<TlxSkinMenuSpeedButton*>(b);
        const bool track = menu && menu->TrackButtonMode();
        if (Value == "resizetoolpanel")
            b->SetSkinDataName("resizetoolbutton");
        else if (Value == "panel")
            b->SetSkinDataName("resizebutton");
        else if (Value == "bigtoolpanel")
            b->SetSkinDataName(!menu   ? "bigtoolbutton"
                               : track ? "bigtoolmenutrackbutton"
                                       : "bigtoolmenubutton");
        else
            b->SetSkinDataName(!menu ? "toolbutton" : track ? "toolmenutrackbutton" : "toolmenubutton");
    });
}

void TlxSkinToolBar::CentrePlainControls() {
    if (!FAdjustControls) return;
    TRect r;
    GetSkinClientRect(r);
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* c = Controls(i);
        if (dynamic_cast<TlxSkinControl*>(c) || dynamic_cast<TlxGraphicSkinControl*>(c) ||
            c->Align() != alNone)
            continue;
        c->SetTop(r.Height() / 2 + r.Top - c->Height() / 2);
    }
}

void TlxSkinToolBar::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    const int oldWidth = Width();
    TlxSkinPanel::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (FCanScroll) {
        FHSizeOffset = oldWidth > 0 && Width() > oldWidth ? Width() - oldWidth : 0;
        UpdateScrollRange();
    }
    if (!FAdjustControls) return;
    // Skinned children centre themselves when their bounds are set again.
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* c = Controls(i);
        c->SetBounds(c->Left(), c->Top(), c->Width(), c->Height());
    }
    CentrePlainControls();
}

void TlxSkinToolBar::Dispatch(TMessage& Message) {
    if (ScrollMessage(Message)) return;
    TlxSkinPanel::Dispatch(Message);
    if (Message.Msg == WM_WINDOWPOSCHANGING && HandleAllocated()) CentrePlainControls();
}
