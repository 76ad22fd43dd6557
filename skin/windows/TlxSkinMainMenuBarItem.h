#pragma once

#include "platform/base/Color.h"
#include "platform/gdi/TFont.h"
#include "skin/windows/TlxMenuBarObject.h"

class TMenuItem;
class TlxDataSkinMainMenuBarItem;

// One top-level item of the main menu bar: its menu item's caption in the
// built-in look or on the skin's bar-item strip, with a cross-fade or frame
// animation between normal and hovered. Pressing an item with children opens
// its menu through the form-skinning component; pressing a command item runs
// it.
class TlxSkinMainMenuBarItem : public TlxMenuBarObject {
public:
    // AData may be nullptr: the built-in look.
    TlxSkinMainMenuBarItem(TlxSkinMainMenuBar* AParent, TlxDataSkinMainMenuBarItem* AData,
                           TMenuItem* AMenuItem);

    TMenuItem* MenuItem;
    bool FSkinSupport = false;
    std::string FontName;
    int FontHeight = 14;
    TFontStyles FontStyle;
    TColor FontColor = clBtnText, ActiveFontColor = clBtnText, DownFontColor = clBtnText;
    TColor UnEnabledFontColor = clBtnShadow;
    TRect TextRct;
    int LO = 0, RO = 0;
    bool StretchEffect = false;
    TRect AnimateSkinRect;
    int FrameCount = 0;
    int AnimateInterval = 25;
    int CurrentFrame = 0;
    bool InActiveAnimation = false;
    // Whether the item fits on the bar (the base Visible stays true).
    bool ItemVisible = true;
    // Enabled as it was when the item was hidden for lack of room.
    bool OldEnabled = true;

    void ReDraw() override;
    void Draw(TCanvas* Cnvs) override;
    void MouseDown(int X, int Y, TMouseButton Button) override;
    void MouseEnter() override;
    void MouseLeave() override;

    // Pressed: its menu opens; released: it fades back.
    void SetDown(bool Value);
    bool HasChildren() const;
    // The width the item takes on the bar; 0: a skinned item without a
    // strip or text rectangle is neither laid out nor drawn.
    int CalcWidth();
    // The frame animation runs (a skinned item with frames).
    bool EnableAnimation() const;
    // One tick of the bar's animation timer; true when the frame changed.
    bool AnimationStep();

private:
    void SetItemFont(TFont& F) const;
    void DefaultDraw(TCanvas* Cnvs);
    // The image of one state: Rect of the picture as background, the
    // caption in the state's colour.
    void CreateBarItemImage(TBitmap& B, TCanvas* Target, const TRect& Rect, bool ActiveColours);
    TRect FrameRect(int Frame) const;
    void PopupItemMenu();
};
