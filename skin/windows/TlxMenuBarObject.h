#pragma once

#include "platform/base/Object.h"
#include "platform/base/Types.h"
#include "platform/win/WinTypes.h"
#include "skin/engine/SkinTypes.h"

#include <string>

class TBitmap;
class TCanvas;
class TlxDataSkinObject;
class TlxSkinMainMenuBar;

// An object drawn on the skinned main menu bar: a top-level item or a child
// frame button. The bar lays it out (ObjectRect, in bar client coordinates),
// routes the mouse to it and steps its cross-fade on the bar's timers; the
// object keeps its state and draws itself.
//
// Picture belongs to the skin: the bar frees every object before the skin
// changes.
class TlxMenuBarObject : public TObject {
public:
    // AData may be nullptr: the built-in look.
    TlxMenuBarObject(TlxSkinMainMenuBar* AParent, TlxDataSkinObject* AData);
    ~TlxMenuBarObject() override = default;
    TlxMenuBarObject(const TlxMenuBarObject&) = delete;
    TlxMenuBarObject& operator=(const TlxMenuBarObject&) = delete;

    TlxSkinMainMenuBar* Parent;
    bool FMouseIn = false;
    bool Active = false;
    bool FDown = false;
    bool Enabled = true;
    bool Visible = true;
    TBitmap* Picture = nullptr;
    std::string IDName;
    TRect SkinRect, ActiveSkinRect, DownRect, ObjectRect;
    bool Morphing = false;
    TlxMorphKind MorphKind = mkDefault;

    double MorphKf() const { return FMorphKf; }
    // Clamped to 0..1.
    void SetMorphKf(double Value);

    // After a state change: starts the cross-fade or draws at once.
    virtual void ReDraw();
    virtual void Draw(TCanvas* Cnvs);
    // X, Y in bar client coordinates.
    virtual void MouseDown(int X, int Y, TMouseButton Button);
    virtual void MouseUp(int X, int Y, TMouseButton Button);
    virtual void DblClick() {}
    virtual void MouseEnter();
    virtual void MouseLeave();
    // The cross-fade still has to move toward the current state.
    virtual bool CanMorphing();

    // Morphing, with a picture, on a loaded skin whose effects are on.
    bool EnableMorphing() const;
    // One step of 0.2 toward the current state, then the object is drawn.
    void DoMorphing();

protected:
    // Draws the cross-fade from the From image toward the To image of
    // Picture by MorphKf into ObjectRect.
    void DrawMorph(TCanvas* Cnvs, const TBitmap& From, const TBitmap& To) const;

    double FMorphKf = 0;
};
