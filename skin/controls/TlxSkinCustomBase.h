#pragma once

#include "platform/gdi/TFont.h"
#include "skin/controls/TlxCentringBar.h"
#include "skin/engine/SkinSizing.h"

#include <algorithm>

// The picture model the windowed and the windowless custom controls share
// (TBase is TlxSkinControl or TlxGraphicSkinControl): the description's
// geometry copied at every lookup, grown to the control's size by the skin
// engine's sizing routine (CalcSkinSize), the built-in size and font, and the
// size rules of SetBounds and of a skin change.
template <class TBase> class TlxSkinCustomBase : public TBase {
public:
    explicit TlxSkinCustomBase(TComponent* AOwner) : TBase(AOwner) {
        FDefaultFont.SetName("Arial");
        FDefaultFont.SetHeight(14);
        FDefaultFont.SetStyle({});
        FDefaultFont.OnChange = [this](TObject*) {
            DefaultFontChanged();
            if (!this->Skinned()) this->Invalidate();
        };
    }

    // The size taken when the control has no description (0: keep).
    int DefaultWidth() const { return FDefaultWidth; }
    void SetDefaultWidth(int Value) {
        FDefaultWidth = Value;
        if (!this->Skinned() && Value > 0) this->SetWidth(Value);
    }
    int DefaultHeight() const { return FDefaultHeight; }
    void SetDefaultHeight(int Value) {
        FDefaultHeight = Value;
        if (!this->Skinned() && Value > 0) this->SetHeight(Value);
    }
    // The font of the built-in look, and of the skinned look without UseSkinFont.
    TFont* DefaultFont() { return &FDefaultFont; }
    void SetDefaultFont(const TFont& Value) {
        FDefaultFont.Assign(Value);
        DefaultFontChanged();
    }
    bool UseSkinFont() const { return FUseSkinFont; }
    void SetUseSkinFont(bool Value) { FUseSkinFont = Value; }

    // The client rectangle of the skin at the current size.
    int RealClientLeft() const { return Sized.NewClRect.Left; }
    int RealClientTop() const { return Sized.NewClRect.Top; }
    int RealClientWidth() const { return Sized.NewClRect.Width(); }
    int RealClientHeight() const { return Sized.NewClRect.Height(); }
    TlxResizeMode ResizeMode() const { return Geometry.ResizeMode(); }

    // R, in skin coordinates, moved or grown to the control's current size.
    TRect GetNewRect(const TRect& R) const { return MapSkinRect(Geometry, this->Width(), this->Height(), R); }

    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override {
        GetSkinData();
        const bool changing = (AWidth != this->Width() || AHeight != this->Height()) && this->Skinned();
        if (changing) CalcSize(AWidth, AHeight); // fixed dimensions snap back to the skin's
        ATop = CentredTop(this->Parent(), ATop, AHeight);
        TBase::SetBounds(ALeft, ATop, AWidth, AHeight);
        BoundsSet(changing);
    }

    void ChangeSkinData() override {
        GetSkinData();
        bool resized = false;
        if (!this->Skinned()) {
            if (FDefaultWidth > 0) this->SetWidth(FDefaultWidth);
            if (FDefaultHeight > 0) this->SetHeight(FDefaultHeight);
        } else {
            int w = this->Width(), h = this->Height();
            CalcSize(w, h);
            // Each through SetBounds, which rebuilds what the size decides.
            if (w != this->Width()) {
                this->SetWidth(w);
                resized = true;
            }
            if (h != this->Height()) {
                this->SetHeight(h);
                resized = true;
            }
        }
        if (!this->Skinned() || !resized) SkinApplied();
    }

protected:
    virtual void DefaultFontChanged() {}

    // Grows the description to W x H, correcting the fixed dimensions, and
    // keeps the result in Sized. Without a description, or for an empty skin
    // rectangle, nothing changes.
    virtual void CalcSize(int& W, int& H) {
        if (!this->Skinned()) return;
        TlxSkinSize s = CalcSkinSize(Geometry, W, H);
        if (s.ResizeMode == TlxResizeMode::None) return;
        Sized = s;
        W = s.Width;
        H = s.Height;
    }

    // Copies the geometry of a custom-control description; a description of
    // another kind gives none (the control keeps its size and draws no picture).
    void GetSkinData() override {
        TBase::GetSkinData();
        Geometry = {};
        FPictureIndex = FMaskPictureIndex = -1;
        if (auto* d = dynamic_cast<TlxDataSkinCustomControl*>(this->Description())) {
            Geometry = TlxSkinGeometry::Of(*d);
            FPictureIndex = d->PictureIndex;
            FMaskPictureIndex = d->MaskPictureIndex;
            // Nothing lies beyond the picture: a skin rect reaching past it
            // would only size the control (and its bitmaps) without bound. A
            // description without a picture keeps the control's size.
            TBitmap* p = Picture();
            TRect& r = Geometry.SkinRect;
            r.Right = std::min(r.Right, p ? p->Width() : r.Left);
            r.Bottom = std::min(r.Bottom, p ? p->Height() : r.Top);
        }
    }

    void Paint() override {
        if (this->Width() < 1 || this->Height() < 1) return;
        GetSkinData();
        int w = this->Width(), h = this->Height();
        CalcSize(w, h); // refreshes Sized
        DrawControl();
    }
    // Paints the image at the size Sized holds.
    virtual void DrawControl() {
        TBitmap b = this->ControlImage();
        this->Canvas()->Draw(0, 0, &b);
    }

    void CreateControlDefaultImage(TBitmap& B) override {
        B.Canvas()->Brush()->SetColor(clBtnFace);
        B.Canvas()->FillRect({0, 0, B.Width(), B.Height()});
    }
    void CreateControlSkinImage(TBitmap& B) override {
        CreateSkinControlImage(B, Picture(), Geometry.SkinRect);
    }
    // Rectangle R of picture P (SkinRect or a state rectangle of the same
    // geometry) into B at the control's size.
    virtual void CreateSkinControlImage(TBitmap& B, TBitmap* P, const TRect& R) {
        ::CreateSkinControlImage(Geometry, Sized, P, R, B);
    }

    // After SetBounds; Changed: the size changed while skinned.
    virtual void BoundsSet(bool Changed) {
        if (Changed) this->Invalidate();
    }
    // After a skin change that left the size as it was.
    virtual void SkinApplied() { this->Invalidate(); }

    TBitmap* Picture() const { return this->SkinPicture(FPictureIndex); }
    TBitmap* MaskPicture() const { return this->SkinPicture(FMaskPictureIndex); }

    // Copies of the description, refreshed by every lookup.
    TlxSkinGeometry Geometry;
    int FPictureIndex = -1;
    int FMaskPictureIndex = -1;
    // The geometry grown to the size CalcSize last ran for.
    TlxSkinSize Sized;

    int FDefaultWidth = 0;
    int FDefaultHeight = 0;
    TFont FDefaultFont;
    bool FUseSkinFont = true;
};
