#pragma once

#include "platform/base/Types.h"
#include "platform/win/WinTypes.h"
#include "skin/engine/SkinTypes.h"

#include <string>

class TBitmap;
class TCanvas;
class TlxDataSkinObject;
class TlxLumivex;
class TlxSkinData;

// The base of every object of a skinned frame (the caption, frame buttons,
// animations, areas the application paints). The form-skinning component owns
// the objects, places them (ObjectRect, Enabled, Visible), finds the one under
// the mouse and routes input to it; each object draws itself and keeps its own
// hover, press and morph state. Coordinates are window coordinates of the
// form (frame included).
class TlxActiveSkinObject {
public:
    // AData may be null (the built-in buttons of the default frame).
    TlxActiveSkinObject(TlxLumivex* AParent, TlxDataSkinObject* AData);
    virtual ~TlxActiveSkinObject() = default;
    TlxActiveSkinObject(const TlxActiveSkinObject&) = delete;
    TlxActiveSkinObject& operator=(const TlxActiveSkinObject&) = delete;

    // X, Y relative to the top-left of ObjectRect.
    virtual bool PtInMask(int X, int Y);
    virtual void ShowLayer() {}
    virtual void HideLayer() {}
    virtual bool CanMorphing();
    // UpDate false: the whole frame is being painted and already shows the
    // object's normal image; true: the object is redrawn alone.
    virtual void Draw(TCanvas* Cnvs, bool UpDate);
    virtual void DblClick() {}
    virtual void MouseDown(int X, int Y, TMouseButton Button);
    virtual void MouseUp(int X, int Y, TMouseButton Button);
    virtual void MouseMove(int X, int Y);
    virtual void MouseEnter();
    virtual void MouseLeave();

    bool EnableMorphing() const;
    void DoMorphing();
    void Redraw();

    double MorphKf() const { return FMorphKf; }
    void SetMorphKf(double Value);

    TlxLumivex* Parent;
    // The component's skin when the object was made.
    TlxSkinData* SD;
    std::string IDName;
    std::string Hint;
    // Not owned: the skin's frame picture and the pictures of the description.
    TBitmap* Picture = nullptr;
    TBitmap* ActivePicture = nullptr;
    TBitmap* ActiveMaskPicture = nullptr;
    TRect SkinRect, ActiveSkinRect, InActiveSkinRect;
    TRect ObjectRect;
    bool SkinRectInAPicture = false;
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
    int GlowLayerAlphaBlendValue = 255;

protected:
    double FMorphKf = 0;
};
