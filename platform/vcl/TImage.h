#pragma once

#include "platform/gdi/TPicture.h"
#include "platform/vcl/TGraphicControl.h"

// A windowless picture: drawn at the top-left, centred, or stretched over
// the control; transparent pictures leave their key colour unpainted.
class TImage : public TGraphicControl {
public:
    explicit TImage(TComponent* AOwner);

    TPicture* Picture() { return &FPicture; }
    void SetPicture(const TPicture& Value) { FPicture.Assign(Value); }
    bool Center() const { return FCenter; }
    void SetCenter(bool Value);
    bool Stretch() const { return FStretch; }
    void SetStretch(bool Value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool Value);
    bool CanAutoSize(int& NewWidth, int& NewHeight) override;
    // Where the picture is drawn, in client coordinates.
    TRect DestRect() const;

protected:
    void Paint() override;

private:
    void PictureChanged();
    TPicture FPicture;
    bool FCenter = false;
    bool FStretch = false;
    bool FTransparent = false;
};
