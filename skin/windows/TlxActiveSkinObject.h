#pragma once

#include "platform/base/Object.h"
#include "platform/base/Types.h"
#include "platform/win/WinTypes.h"
#include "skin/engine/SkinTypes.h"

#include <memory>
#include <string>

class TBitmap;
class TCanvas;
class TlxDataSkinObject;
class TlxLayerManager;
class TlxSkinData;
class TlxLumivex;

// The base of every frame object: an area of a skinned form's frame with a
// normal, a hovered and a form-inactive image, a cross-fade between the
// first two, a glow beside it while hovered and the object events. The
// owning component places it (ObjectRect, Enabled, Visible), routes the mouse
// to it and steps its fades on its own timers; the object keeps its state and
// draws itself. An object holds no window or timer of its own.
//
// Skin data is untrusted: pictures are looked up through the skin's checked
// picture list and every image is clipped to its picture before it is
// copied, so a bad index or rectangle draws nothing.
class TlxActiveSkinObject : public TObject {
public:
    // AData may be nullptr (the built-in buttons of the default frame).
    TlxActiveSkinObject(TlxLumivex* AParent, TlxDataSkinObject* AData);
    ~TlxActiveSkinObject() override = default;
    TlxActiveSkinObject(const TlxActiveSkinObject&) = delete;
    TlxActiveSkinObject& operator=(const TlxActiveSkinObject&) = delete;

    // X, Y relative to the top-left of ObjectRect.
    virtual bool PtInMask(int X, int Y);
    virtual void ShowLayer();
    virtual void HideLayer();
    virtual bool CanMorphing();
    // UpDate false: the whole frame is painted and already shows the normal
    // image; true: the object is repainted alone.
    virtual void Draw(TCanvas* Cnvs, bool UpDate);
    virtual void DblClick() {}
    // X, Y in window coordinates of the form.
    virtual void MouseDown(int X, int Y, TMouseButton Button);
    virtual void MouseUp(int X, int Y, TMouseButton Button);
    virtual void MouseMove(int X, int Y);
    virtual void MouseEnter();
    virtual void MouseLeave();

    bool EnableMorphing() const;
    // One step of the cross-fade (0.2 toward the current state), then a repaint.
    void DoMorphing();
    // Fades when morphing is on, else repaints at once.
    void Redraw();

    double MorphKf() const { return FMorphKf; }
    // Clamped to 0..1.
    void SetMorphKf(double Value);

    TlxLumivex* Parent;
    // The component's skin when the object was made (the glow pictures).
    TlxSkinData* SD;
    std::string IDName;
    std::string Hint;
    // The skin's frame picture and the object's pictures (not owned; nullptr
    // when the skin or the index names none).
    TBitmap* Picture = nullptr;
    TBitmap* ActivePicture = nullptr;
    TBitmap* ActiveMaskPicture = nullptr;
    bool SkinRectInAPicture = false;
    TRect SkinRect;
    TRect ActiveSkinRect;
    TRect InActiveSkinRect;
    // Where the object stands, in window coordinates of the form.
    TRect ObjectRect;
    // Buttons: the mouse is over it; the caption: the form is active; an
    // animation: it runs.
    bool Active = false;
    bool FMouseIn = false;
    bool Enabled = true;
    bool Visible = true;
    bool Morphing = false;
    TlxMorphKind MorphKind = mkDefault;
    int GlowLayerPictureIndex = -1;
    int GlowLayerMaskPictureIndex = -1;
    int GlowLayerOffsetX = 0;
    int GlowLayerOffsetY = 0;
    int GlowLayerAlphaBlendValue = 0;

protected:
    // Runs RaiseEvent (a user event, or a command that raises some); false
    // when the object was freed meanwhile: a handler may change the skin,
    // which frees every object, so the caller must not touch itself then.
    template <class F> bool Survives(F&& RaiseEvent) {
        const std::weak_ptr<int> alive = FLife;
        RaiseEvent();
        return !alive.expired();
    }
    // The component's current skin is set and not empty.
    bool SkinUsable() const;
    // The glow manager the object uses now (buttons with a menu use the menu one).
    virtual TlxLayerManager* GlowManager() const;
    bool GlowAllowed() const;
    // The normal image's picture: ActivePicture when SkinRectInAPicture, else Picture.
    TBitmap* NormalPicture() const { return SkinRectInAPicture ? ActivePicture : Picture; }
    // Copies R of Source stretched into ObjectRect; nothing when R is empty
    // or lies outside Source.
    void DrawPart(TCanvas* Cnvs, TBitmap* Source, const TRect& R) const;
    // The cross-fade by MorphKf from From (of FromPicture) to To (of
    // ActivePicture), drawn at the top-left of ObjectRect.
    void DrawMorph(TCanvas* Cnvs, TBitmap* FromPicture, const TRect& From, const TRect& To) const;
    // The base image choice (normal, hovered, inactive, cross-fade).
    void DrawBase(TCanvas* Cnvs, bool UpDate);
    // The cross-fade is between its ends.
    bool MorphInProgress() const { return Active ? FMorphKf != 1 : FMorphKf != 0; }
    TRect ScreenRect() const;

    double FMorphKf = 0;

private:
    // Expires with the object (see Survives).
    std::shared_ptr<int> FLife = std::make_shared<int>(0);
};

// Transforms From toward To by Kf with the transition of Kind (sizes equal).
class TlxEffectBmp;
void ApplyMorph(TlxEffectBmp& From, const TlxEffectBmp& To, double Kf, TlxMorphKind Kind);
