#pragma once

#include "platform/base/Types.h"
#include "platform/gdi/TFont.h"
#include "platform/vcl/TComponent.h"
#include "platform/vcl/TComponentRef.h"

#include <string>

class TControl;
class TCustomImageList;
class TTimer;
class TlxSkinData;
class TlxSkinHintWindow;

// The application's hints drawn from the skin. Creating one makes the
// skinned hint window the application's hint window class; the active
// component on the main form serves every hint window at its showing, with
// a bold title and a picture taken from a hovered skinned control. The
// component also shows hints of its own: at once at a point, or after the
// application's HintPause below the cursor or beside a rectangle, hidden
// again after HintHidePause.
class TlxSkinHint : public TComponent {
public:
    explicit TlxSkinHint(TComponent* AOwner);
    ~TlxSkinHint() override;

    // Each occurrence in a hint text becomes a line break.
    const std::string& LineSeparator() const { return FLineSeparator; }
    void SetLineSeparator(const std::string& Value) { FLineSeparator = Value; }
    TlxSkinData* SkinData() const { return FSD.Get(); }
    void SetSkinData(TlxSkinData* Value);
    bool Active() const { return FActive; }
    // On: every other active skinned hint of the main form goes off.
    void SetActive(bool Value);
    bool AlphaBlend() const { return FAlphaBlend; }
    void SetAlphaBlend(bool Value) { FAlphaBlend = Value; }
    Byte AlphaBlendValue() const { return FAlphaBlendValue; }
    void SetAlphaBlendValue(Byte Value) { FAlphaBlendValue = Value; }
    bool AlphaBlendAnimation() const { return FAlphaBlendAnimation; }
    void SetAlphaBlendAnimation(bool Value) { FAlphaBlendAnimation = Value; }
    TFont* DefaultFont() { return &FDefaultFont; }
    void SetDefaultFont(const TFont& Value) { FDefaultFont.Assign(Value); }
    bool UseSkinFont() const { return FUseSkinFont; }
    void SetUseSkinFont(bool Value) { FUseSkinFont = Value; }

    // At once at the screen point P, without title or picture.
    void ActivateHint(TPoint P, const std::string& AHint);
    // After HintPause, below the cursor.
    void ActivateHint2(const std::string& AHint);
    // After HintPause, centred above (ATop) or below AFromRect.
    void ActivateHint3(const TRect& AFromRect, const std::string& AHint, bool ATop);
    // At once at P, with a title and picture.
    void ActivateHintEx(TPoint P, const std::string& AHintTitle, const std::string& AHint, int AImageIndex,
                        TCustomImageList* AImageList);
    // After HintPause, below the cursor, with a title and picture.
    void ActivateHintEx2(const std::string& AHintTitle, const std::string& AHint, int AImageIndex,
                         TCustomImageList* AImageList);
    // Stops a pending hint and hides the shown one.
    void HideHint();
    bool IsVisible() const;
    // From the cursor's hot spot to the bottom of its picture.
    int GetCursorHeightMargin() const;
    // The component's own window.
    TlxSkinHintWindow* HW = nullptr;

    // The title and picture of the hint being prepared: cleared, then taken
    // from Control when it is a skinned control.
    void ShowHintHandler(TControl* Control);
    const std::string& HintTitle() const { return FHintTitle; }
    int HintImageIndex() const { return FHintImageIndex; }
    TCustomImageList* HintImageList() const { return FHintImageList.Get(); }
    // The timer of a pending or shown timed hint; nullptr when none.
    TTimer* HintTimer() const { return FHintTimer; }

private:
    enum class TTimedKind { Plain, FromRect, Extended };
    void StartTimed(TTimedKind Kind);
    void ShowTimed();
    void ClearTitle();

    std::string FLineSeparator = "@";
    TComponentRef<TlxSkinData> FSD{this};
    bool FActive = true;
    bool FAlphaBlend = false;
    Byte FAlphaBlendValue = 0;
    bool FAlphaBlendAnimation = false;
    TFont FDefaultFont;
    bool FUseSkinFont = true;

    TTimer* FHintTimer = nullptr;
    TTimedKind FTimedKind = TTimedKind::Plain;
    std::string HintText;
    TRect FromRect;
    bool Top = false;
    std::string FHintTitle;
    int FHintImageIndex = 0;
    TComponentRef<TCustomImageList> FHintImageList{this};
};

// The active skinned hint of the application's main form; nullptr without a
// main form or without one.
TlxSkinHint* FindActiveSkinHint();
