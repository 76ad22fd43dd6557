#pragma once

#include "platform/base/Color.h"
#include "platform/base/Object.h"
#include "platform/base/Types.h"

#include <string>

class TBitmap;
class TCanvas;
class TFont;
class TMenuItem;
class TlxDataSkinMenuItem;
class TlxSkinMenu;
class TlxSkinPopupWindow;

// One drawn row of a popup menu window: an item, a separator or a header, in
// the built-in look or from the skin's menu-item description, with its
// glyphs, image and shortcut, and the morph and frame-animation effects
// between its normal and active states. The window lays it out and decides
// when it is active; the menu engine reacts to its entering and clicking.
class TlxSkinMenuItem : public TObject {
public:
    TlxSkinMenuItem(TlxSkinPopupWindow* AParent, TMenuItem* AMenuItem, TlxDataSkinMenuItem* AData);

    TlxSkinPopupWindow* Parent;
    TlxDataSkinMenuItem* MI; // nullptr: the built-in look
    TBitmap* ActivePicture = nullptr;
    TMenuItem* MenuItem;

    TRect ObjectRect;
    bool Active = false;
    bool Down = false;    // its sub-menu is open
    bool FVisible = true; // in the visible part of a scrolling window
    bool WaitCommand = false;
    int CurrentFrame = 0;

    double MorphKf() const { return FMorphKf; }
    void SetMorphKf(double Value);

    // A separator ("-"), a header (a disabled "-word-"), an ordinary row.
    bool IsSeparator() const;
    bool IsHeader() const;
    // Enabled and not a separator: the rows the mouse and keys select.
    bool Selectable() const;
    bool HasChildren() const;
    // The height the row takes in its window.
    int Height() const;

    void Draw(TCanvas* Cnvs);
    void DefaultDraw(TCanvas* Cnvs);
    // After a state change: starts the effect or draws at once.
    void ReDraw();
    bool EnableMorphing() const;
    bool EnableAnimation() const;
    virtual bool CanMorphing();
    void DoMorphing();
    // One tick of the owning window's effect timer; true when the row changed.
    bool EffectStep();

    void MouseEnter(bool Kb);
    void MouseLeave();
    void MouseDown();

private:
    bool EffectsAllowed() const;
    bool IsActiveState() const { return Active || Down; }
    // The skinned image of one state into B (the row's size): Rect is the
    // state's picture rectangle.
    void CreateItemImage(TBitmap& B, const TRect& Rect, bool ActiveState, bool Frame);
    TRect FrameRect(int Frame) const;
    void DrawImageOrGlyph(TCanvas* C, const TRect& T, TColor GlyphColor, bool ActiveState);
    void DrawSkinGlyph(TCanvas* C, const TRect& Cell, const TRect& Normal, const TRect& Active,
                       bool ActiveState);
    void DrawMenuHeader(TBitmap& B);
    // Draws the row on its window now.
    void DrawNow();

    TRect FSkinRect, FActiveSkinRect;
    double FMorphKf = 0;
};

// The built-in glyphs of the menu rows at (X, Y) in Color.
void DrawDefaultCheckImage(TCanvas* Canvas, int X, int Y, TColor Color);
void DrawDefaultRadioImage(TCanvas* Canvas, int X, int Y, TColor Color);
void DrawDefaultArrowImage(TCanvas* Canvas, int X, int Y, TColor Color);

// The font of menu rows: the description's with the menu's UseSkinFont, else
// the menu's default font; the character set of the skin's string table.
void SetMenuItemFont(TFont& F, const TlxDataSkinMenuItem* MI, TlxSkinMenu* Menu);

// The caption a header row shows: the caption without its first and last
// character.
std::string MenuHeaderCaption(const std::string& Caption);
