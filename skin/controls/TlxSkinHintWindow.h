#pragma once

#include "platform/gdi/Gdi.h"
#include "platform/vcl/TComponentRef.h"
#include "platform/vcl/THintWindow.h"

#include <string>

class TCanvas;
class TCustomImageList;
class TTimer;
class TlxDataSkinHintWindow;
class TlxSkinData;
class TlxSkinHint;

// A hint window drawn from the skin's hint window description (or in the
// tooltip colours), served at each showing by the active skinned hint
// component: its skin, font, line separator and alpha settings. The window
// is kept inside the work area on all four edges and fades in on a timer.
class TlxSkinHintWindow : public THintWindow {
public:
    // AFromApplication: the application's own hint window, whose showings
    // take a title and picture from the hovered skinned control.
    explicit TlxSkinHintWindow(TComponent* AOwner, bool AFromApplication = false);
    ~TlxSkinHintWindow() override;

    void ActivateHint(const TRect& Rect, const std::string& AHint) override;
    void ActivateHintEx(const TRect& Rect, const std::string& AHintTitle, const std::string& AHint,
                        int AImageIndex, TCustomImageList* AImageList);
    // Centred above (ATop) or below ARect.
    void ActivateHintFromRect(const TRect& ARect, const std::string& AHint, bool ATop);
    // Hidden without activation.
    void HideWindow();

    TRect NewClRect;
    TPoint NewLTPoint, NewRTPoint, NewLBPoint, NewRBPoint;
    // The last showing had a title or a picture.
    bool AExtendedStyle = false;
    // The alpha the window is fading toward; -1 without a fade.
    int FadeTarget() const { return FFadeTarget; }
    // The alpha last applied (255 while not layered).
    int WindowAlpha() const { return FWindowAlpha; }
    // The step of a fade to Value.
    static int FadeStepOf(int Value) { return Value / 15 > 0 ? Value / 15 : 1; }

protected:
    void CreateParams(TCreateParams& Params) override;
    void Paint() override;
    void Dispatch(TMessage& Message) override;

private:
    enum class TPlace { At, Above, Below };
    void Show(const TRect& Rect, const std::string& AHint, TPlace Place, bool Extended);
    // The skin of this showing and the canvas font; false without a
    // serving component.
    bool Prepare();
    // The canvas font of this showing: the skin's or DefaultFont.
    void ApplyFont(TCanvas* C) const;
    TlxDataSkinHintWindow* Description() const;
    void CalcHintSize(int& W, int& H);
    void CalcExtendedHintSize(int& W, int& H);
    void FitSkin(int& W, int& H);
    void KeepInWorkArea(TRect& R) const;
    void ApplyAlpha();
    void SetHintRegion();
    void FadeStep();
    void EndFade();
    int TitleHeight(TCanvas* C) const;
    bool HasPicture() const;

    const bool FFromApplication;
    TComponentRef<TlxSkinHint> FspHint{this};
    TComponentRef<TlxSkinData> FSD{this};
    TTimer* FFadeTimer;
    int FFadeTarget = -1;
    int FWindowAlpha = 255;
    bool FOldAlphaBlend = false;
    int FOldAlphaBlendValue = 0;
    std::string FTitle;
    int FImageIndex = -1;
    TComponentRef<TCustomImageList> FImageList{this};
};
