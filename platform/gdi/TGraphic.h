#pragma once

#include "platform/base/Object.h"
#include "platform/base/Stream.h"
#include "platform/base/Types.h"

#include <string>

class TCanvas;

// A picture that can draw itself, load and save.
class TGraphic : public TObject {
public:
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual bool Empty() const = 0;
    bool Transparent() const { return FTransparent; }
    virtual void SetTransparent(bool value);
    // Draws the picture into rect of the canvas, stretched to its size.
    virtual void Draw(TCanvas& canvas, const TRect& rect) = 0;
    // Loading raises EInvalidGraphic for data that is no valid picture.
    virtual void LoadFromStream(TStream& stream) = 0;
    virtual void SaveToStream(TStream& stream) = 0;
    void LoadFromFile(const std::string& fileName);
    // Written through a temporary file and a rename.
    void SaveToFile(const std::string& fileName);
    // The file name extension (without the dot) the picture saves as.
    virtual std::string DefaultExtension() const = 0;

    TNotifyEvent OnChange;

protected:
    void Changed() {
        if (OnChange) OnChange(this);
    }
    bool FTransparent = false;
};
