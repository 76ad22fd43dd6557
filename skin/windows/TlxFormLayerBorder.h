#pragma once

#include "platform/base/Types.h"
#include "platform/vcl/TComponent.h"

#include <memory>

class TCanvas;
class TCustomForm;
class TTimer;
class TlxBitmap;
class TlxDataSkinLayerFrame;
class TlxFormLayerWindow;
class TlxLumivex;
class TlxSkinData;

enum TlxFormLayerBorderType { lxflLeft, lxflTop, lxflRight, lxflBottom };

// The soft outer border (glow or shadow) of a skin with layered borders: the
// skin's layered-frame picture cut into four strips, each shown with its
// per-pixel alpha in a window of its own around the form. The picture's
// ClRect lies exactly on the form's window rectangle. Where the description
// names a BorderRect the strips are resize handles too.
//
// Every operation but InitFrame does nothing while the skin has no layered
// frame (FData null). GUI thread only.
class TlxFormLayerBorder : public TComponent {
public:
    // AOwner is the form-skinning component.
    explicit TlxFormLayerBorder(TlxLumivex* AOwner);
    ~TlxFormLayerBorder() override;

    // Takes the skin's description and prepares the source pictures.
    void InitFrame(TlxSkinData* ASkinData, TCustomForm* AForm);

    // Shows the border at, moves and reshapes it to, and removes, an outer
    // rectangle in screen coordinates.
    void Show(int X, int Y, int AWidth, int AHeight);
    void SetBounds(int X, int Y, int AWidth, int AHeight);
    void Hide();

    // The same for the outer rectangle of the form's bounds (current, the
    // current position with a given size, or given bounds).
    void ShowWithForm();
    void SetBoundsWithForm();
    void SetBoundsWithForm2(int AW, int AH);
    void SetBoundsWithForm3(int ALeft, int ATop, int AW, int AH);
    // Fades in from no opacity to the current constant alpha.
    void ShowWithFormAnimation();
    // Moves the shown windows, strips kept, for the form at its position or
    // at ALeft, ATop.
    void MoveWithForm();
    void MoveWithForm2(int ALeft, int ATop);

    // Re-applies the constant alpha; SetAlphaBlend2 also puts each window
    // back just above the form.
    void SetAlphaBlend();
    void SetAlphaBlend2();
    // The border's constant alpha follows the form's fade: the skin's values
    // scaled by AFormAlpha / 255, rounded.
    void CheckFormAlpha(int AFormAlpha, bool AUpdate);
    void SetActive(bool AValue, bool AUpdate);
    // Puts the shown windows just above the form in the stacking order.
    void StackAboveForm();

    // Cuts the strips for AWidth x AHeight and draws them with their alpha
    // onto Canvas, the outer rectangle's top-left at X, Y.
    void Draw(TCanvas* Canvas, int X, int Y, int AWidth, int AHeight);

    // The outer rectangle around form bounds (screen coordinates).
    TRect OuterRect(int FL, int FT, int FW, int FH) const;

    TlxDataSkinLayerFrame* Data() const { return FData; }
    bool Visible() const { return FVisible; }
    bool Active() const { return FActive; }
    int CurrentAlphaBlendValue() const { return FCurrentAlphaBlendValue; }
    int CurrentInActiveAlphaBlendValue() const { return FCurrentInActiveAlphaBlendValue; }
    // The constant alpha of the current state.
    int CurrentAlpha() const;
    TCustomForm* Form() const { return FForm; }
    TlxLumivex* LVX() const { return FLVX; }

    // The strips cut for the last size; empty when not cut.
    TlxBitmap* TopImage() const { return FTopImage.get(); }
    TlxBitmap* BottomImage() const { return FBottomImage.get(); }
    TlxBitmap* LeftImage() const { return FLeftImage.get(); }
    TlxBitmap* RightImage() const { return FRightImage.get(); }
    // The windows showing them; null when not shown.
    TlxFormLayerWindow* TopBorder = nullptr;
    TlxFormLayerWindow* BottomBorder = nullptr;
    TlxFormLayerWindow* LeftBorder = nullptr;
    TlxFormLayerWindow* RightBorder = nullptr;

    // Widths of the resize handles outside the form (0 without BorderRect).
    int LeftSize = 0, TopSize = 0, RightSize = 0, BottomSize = 0;
    int FWidth = 0, FHeight = 0;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    void CreateBorderImages(int W, int H);
    void FreeWindows();
    void MoveTo(int X, int Y);
    void AnimationStep();
    void UpdateWindows(bool Show, int X, int Y, int W, int H);
    // The source the strips are cut from in the current state.
    const TlxBitmap* SourcePicture() const;

    TlxLumivex* FLVX;
    TCustomForm* FForm = nullptr;
    TlxSkinData* FSD = nullptr;
    TlxDataSkinLayerFrame* FData = nullptr;
    std::unique_ptr<TlxBitmap> FSourceBitmap, FSourceInActiveBitMap;
    std::unique_ptr<TlxBitmap> FTopImage, FBottomImage, FLeftImage, FRightImage;
    bool FVisible = false;
    bool FActive = true;
    int FCurrentAlphaBlendValue = -1;
    int FCurrentInActiveAlphaBlendValue = 0;
    // Top-left of the outer rectangle last shown.
    int FX = 0, FY = 0;
    TTimer* FAnimateTimer = nullptr;
    int FAnimationTarget = 0;
};
