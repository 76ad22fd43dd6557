#pragma once

#include "platform/base/Color.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/vcl/TComponentRef.h"
#include "platform/vcl/TImageList.h"
#include "skin/controls/TlxSkinClient.h"
#include "skin/engine/DataSkinControls.h"
#include "skin/engine/SkinData.h"

#include <string>

// What the windowed and the windowless skinned controls share (TBase is
// TCustomControl or TGraphicControl): the skin they follow, the name of their
// description in it, the lookup, the paint pipeline into one off-screen
// bitmap, the hint title and image, and the mouse enter and leave events.
//
// A control keeps only the index of its description (FIndex, -1: none, the
// built-in look) and copies of the values it needs; it looks the description
// up again before every paint, on every size change and after every skin
// change, and never holds a description or a picture across messages: the
// skin frees them when it changes.
template <class TBase> class TlxSkinBase : public TBase, public TlxSkinClient {
public:
    explicit TlxSkinBase(TComponent* AOwner) : TBase(AOwner) {}

    TlxSkinData* SkinData() const override { return FSD.Get(); }
    // At run time a skin that is set and not empty applies at once.
    virtual void SetSkinData(TlxSkinData* Value) {
        FSD.Set(Value);
        if (Value && !Value->Empty && !Designing()) ChangeSkinData();
    }
    const std::string& SkinDataName() const { return FSkinDataName; }
    // Takes effect at the next lookup (the next paint or skin change).
    virtual void SetSkinDataName(const std::string& Value) { FSkinDataName = Value; }
    // The index of the description in the skin's control list; -1 when the
    // control paints its built-in look.
    int SkinIndex() const { return FIndex; }

    // Shown by the skinned hint above the hint text.
    const std::string& HintTitle() const { return FHintTitle; }
    void SetHintTitle(const std::string& Value) { FHintTitle = Value; }
    int HintImageIndex() const { return FHintImageIndex; }
    void SetHintImageIndex(int Value) { FHintImageIndex = Value; }
    TCustomImageList* HintImageList() const { return FHintImageList.Get(); }
    void SetHintImageList(TCustomImageList* Value) { FHintImageList.Set(Value); }

    void BeforeChangeSkinData() override { FIndex = -1; }
    void ChangeSkinData() override {
        GetSkinData();
        this->Invalidate();
    }

    // The image Paint draws, at the control's size, from the description as
    // last looked up.
    TBitmap ControlImage() {
        TBitmap b(this->Width(), this->Height());
        b.Fill(ColorToPixel(clBtnFace)); // what a skin leaves undrawn
        if (FIndex == -1)
            CreateControlDefaultImage(b);
        else
            CreateControlSkinImage(b);
        return b;
    }

    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;

protected:
    bool Designing() const { return this->ComponentState().Contains(csDesigning); }
    bool Skinned() const { return FIndex != -1; }

    virtual void GetSkinData() {
        TlxSkinData* sd = FSD.Get();
        FIndex = !sd || sd->Empty ? -1 : sd->GetControlIndex(FSkinDataName);
    }
    // The description the last lookup found, nullptr when none. Valid until
    // the next message only.
    TlxDataSkinControl* Description() const {
        TlxSkinData* sd = FSD.Get();
        if (FIndex < 0 || !sd || sd->Empty || FIndex >= static_cast<int>(sd->CtrlList.size())) return nullptr;
        return sd->CtrlList[FIndex].get();
    }
    // Picture Index of the skin, nullptr for -1, for an index outside the
    // list and while the control has no description.
    TBitmap* SkinPicture(int Index) const {
        TlxSkinData* sd = FSD.Get();
        return Description() ? sd->ActivePicture(Index) : nullptr;
    }

    // The built-in look and the skinned look into B, sized to the control.
    virtual void CreateControlDefaultImage(TBitmap& B) { (void)B; }
    virtual void CreateControlSkinImage(TBitmap& B) { (void)B; }

    void Paint() override {
        if (this->Width() <= 0 || this->Height() <= 0) return;
        GetSkinData();
        TBitmap b = ControlImage();
        this->Canvas()->Draw(0, 0, &b);
    }

    void Dispatch(TMessage& Message) override {
        TBase::Dispatch(Message);
        if (Message.Msg != CM_MOUSEENTER && Message.Msg != CM_MOUSELEAVE) return;
        // A parent also hears of its children's enter and leave.
        if (Message.LParam != reinterpret_cast<LPARAM>(static_cast<TControl*>(this)) || Designing()) return;
        const TNotifyEvent& event = Message.Msg == CM_MOUSEENTER ? OnMouseEnter : OnMouseLeave;
        if (event) event(this);
    }

    int FIndex = -1;

private:
    TComponentRef<TlxSkinData> FSD{this};
    std::string FSkinDataName;
    std::string FHintTitle;
    int FHintImageIndex = 0;
    TComponentRef<TCustomImageList> FHintImageList{this};
};
