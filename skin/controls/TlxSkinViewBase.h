#pragma once

#include "platform/gdi/TFont.h"
#include "platform/vcl/TComponentRef.h"
#include "platform/vcl/VclMessages.h"
#include "platform/win/WinConst.h"
#include "skin/controls/SkinControlMessages.h"
#include "skin/controls/SkinPressableParts.h"
#include "skin/controls/TlxSkinClient.h"
#include "skin/controls/TlxSkinScrollBar.h"
#include "skin/engine/SkinData.h"

#include <string>

// What the skinned tree and list views share (TBase is the platform's tree
// or list view, TDesc their description class): the font and colours from the
// skin, no frame and no scroll bars of their own, and two external skinned
// bars that mirror the view's scroll state. The view keeps its scroll state
// as window scroll information; UpDateScrollBars reads it and shows, hides
// and ranges the bars; a bar's OnChange scrolls the view (BarChanged).
template <class TBase, class TDesc> class TlxSkinViewBase : public TBase, public TlxSkinClient {
public:
    TlxSkinViewBase(TComponent* AOwner, const char* ADefaultName)
        : TBase(AOwner), FSkinDataName(ADefaultName) {
        FDefaultFont.SetName("Arial");
        FDefaultFont.SetHeight(14);
        FDefaultFont.SetStyle({});
    }
    ~TlxSkinViewBase() override {
        // The bars may outlive the view: they must not call back into it.
        if (FVScrollBar) FVScrollBar->OnChange = nullptr;
        if (FHScrollBar) FHScrollBar->OnChange = nullptr;
    }

    TlxSkinData* SkinData() const override { return FSD.Get(); }
    void SetSkinData(TlxSkinData* Value) {
        FSD.Set(Value);
        if (Value && !Value->Empty && !Designing()) ChangeSkinData();
    }
    const std::string& SkinDataName() const { return FSkinDataName; }
    void SetSkinDataName(const std::string& Value) { FSkinDataName = Value; }
    // The index of the description in the skin; -1 for the built-in look.
    int SkinIndex() const { return FIndex; }

    TFont* DefaultFont() { return &FDefaultFont; }
    void SetDefaultFont(const TFont& Value) {
        FDefaultFont.Assign(Value);
        if (FIndex == -1) this->SetFont(FDefaultFont);
    }
    TColor DefaultColor() const { return FDefaultColor; }
    void SetDefaultColor(TColor Value) {
        FDefaultColor = Value;
        if (FIndex == -1) this->SetColor(Value);
    }
    bool UseSkinFont() const { return FUseSkinFont; }
    void SetUseSkinFont(bool Value) { FUseSkinFont = Value; }

    TlxSkinScrollBar* VScrollBar() const { return FVScrollBar.Get(); }
    void SetVScrollBar(TlxSkinScrollBar* Value) { SetBar(FVScrollBar, Value); }
    TlxSkinScrollBar* HScrollBar() const { return FHScrollBar.Get(); }
    void SetHScrollBar(TlxSkinScrollBar* Value) { SetBar(FHScrollBar, Value); }

    // Shows, hides and ranges the external bars after the view's scroll state.
    virtual void UpDateScrollBars() = 0;

    void BeforeChangeSkinData() override { FIndex = -1; }
    void ChangeSkinData() override {
        TlxSkinData* sd = FSD.Get();
        FIndex = sd && !sd->Empty ? sd->GetControlIndex(FSkinDataName) : -1;
        if (FIndex == -1) {
            this->SetColor(FDefaultColor);
            this->SetFont(FDefaultFont);
        } else if (auto* d = dynamic_cast<TDesc*>(sd->CtrlList[FIndex].get())) {
            TFont font;
            font.Assign(*this->Font());
            SetSkinCaptionFont(font, FUseSkinFont, d->FontName, d->FontHeight, d->FontStyle, FDefaultFont,
                               sd);
            font.SetColor(d->FontColor);
            this->SetFont(font);
            this->SetColor(d->BGColor);
        }
        SkinLookChanged();
        UpDateScrollBars();
        if (FVScrollBar) FVScrollBar->SetAlign(FVScrollBar->Align());
        if (FHScrollBar) FHScrollBar->SetAlign(FHScrollBar->Align());
    }

protected:
    bool Designing() const { return this->ComponentState().Contains(csDesigning); }
    bool Loading() const { return this->ComponentState().Contains(csLoading); }

    // After the skin's colours and font were applied.
    virtual void SkinLookChanged() {}
    // A bar's OnChange: scroll the view to the bar's position.
    virtual void BarChanged(TlxSkinScrollBar* Bar) = 0;

    // The last steps of UpDateScrollBars: the horizontal bar leaves room for
    // the vertical one, and an aligned view realigns its parent when a bar
    // appeared or went.
    void FinishBars(bool VWasVisible, bool HWasVisible) {
        if (FVScrollBar && FHScrollBar) FHScrollBar->SetBoth(FVScrollBar->Visible());
        const bool changed = (FVScrollBar && FVScrollBar->Visible() != VWasVisible) ||
                             (FHScrollBar && FHScrollBar->Visible() != HWasVisible);
        if (!changed || this->Align() == alNone || !this->Parent()) return;
        const bool saved = FInCheckScrollBars;
        FInCheckScrollBars = true;
        this->Parent()->Realign();
        FInCheckScrollBars = saved;
    }

    void CreateParams(TCreateParams& Params) override {
        TBase::CreateParams(Params);
        Params.Style &= ~(WS_HSCROLL | WS_VSCROLL);
    }

    void Loaded() override {
        TBase::Loaded();
        ChangeSkinData();
    }

    void WndProc(TMessage& Message) override {
        switch (Message.Msg) {
        case CM_SKINPAINTNC:
            Message.Result = SkinPaintNCAnswer;
            return;
        case WM_NCCALCSIZE:
        case WM_NCPAINT:
            // The frame and the bars are the skin's: the window keeps no room for them.
            return;
        }
        TBase::WndProc(Message);
        if (Message.Msg == CM_VISIBLECHANGED) {
            if (FVScrollBar) FVScrollBar->SetVisible(this->Visible());
            if (FHScrollBar) FHScrollBar->SetVisible(this->Visible());
        }
    }

    // The view's scroll state changed (any scroll, the wheel included).
    void ScrollChanged() override {
        TBase::ScrollChanged();
        UpDateScrollBars();
    }

    int FIndex = -1;
    bool FInCheckScrollBars = false;

private:
    void SetBar(TComponentRef<TlxSkinScrollBar>& Ref, TlxSkinScrollBar* Value) {
        if (TlxSkinScrollBar* old = Ref.Get(); old && old != Value) old->OnChange = nullptr;
        Ref.Set(Value);
        if (Value) {
            Value->SetEnabled(true);
            Value->SetVisible(false);
            Value->OnChange = [this](TObject* Sender) { BarChanged(static_cast<TlxSkinScrollBar*>(Sender)); };
        }
        UpDateScrollBars();
    }

    TComponentRef<TlxSkinData> FSD{this};
    std::string FSkinDataName;
    TFont FDefaultFont;
    TColor FDefaultColor = clWindow;
    bool FUseSkinFont = true;
    TComponentRef<TlxSkinScrollBar> FVScrollBar{this};
    TComponentRef<TlxSkinScrollBar> FHScrollBar{this};
};
