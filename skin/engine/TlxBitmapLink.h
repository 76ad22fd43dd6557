#pragma once

#include "platform/base/Types.h"
#include "platform/vcl/TPersistent.h"

#include <string>

class TCanvas;
class TStream;
class TlxBitmap;

// A named rectangle of a TlxBitmap (not owned) and what its pixels hold.
class TlxBitmapLink : public TPersistent {
public:
    TlxBitmapLink() = default;

    const std::string& Name() const { return FName; }
    void SetName(const std::string& Value) { FName = Value; }
    int Left() const { return FRect.Left; }
    void SetLeft(int Value) { FRect.Left = Value; }
    int Top() const { return FRect.Top; }
    void SetTop(int Value) { FRect.Top = Value; }
    int Right() const { return FRect.Right; }
    void SetRight(int Value) { FRect.Right = Value; }
    int Bottom() const { return FRect.Bottom; }
    void SetBottom(int Value) { FRect.Bottom = Value; }
    // An image is set and the rectangle has a positive area.
    bool Assigned() const;
    TlxBitmap* Image() const { return FImage; }
    void SetImage(TlxBitmap* Value) { FImage = Value; }
    const TRect& Rect() const { return FRect; }
    void SetRect(const TRect& Value) { FRect = Value; }
    bool Masked() const { return FMasked; }
    void SetMasked(bool Value) { FMasked = Value; }
    bool MaskedBorder() const { return FMaskedBorder; }
    void SetMaskedBorder(bool Value) { FMaskedBorder = Value; }
    bool MaskedAngles() const { return FMaskedAngles; }
    void SetMaskedAngles(bool Value) { FMaskedAngles = Value; }

    // From another link: image, rectangle, name and the mask flags.
    void Assign(const TPersistent* Source) override;

    // The name (as the bitmap stores it) and Left, Top, Right, Bottom as 32-bit integers.
    void LoadFromStream(TStream& Stream);
    void SaveToStream(TStream& Stream) const;

    void Draw(TlxBitmap* Bitmap, int X, int Y);
    void Draw(TCanvas* Canvas, int X, int Y);

    // Finds where the rectangle holds masked pixels (not 0x33333333 and not
    // opaque; outside the image counts as 0): with no margin anywhere sets
    // Masked; else corners set MaskedAngles, the bands between them
    // MaskedBorder, the inside Masked.
    void CheckingMasked();
    void CheckingMasked(const TRect& Margin);

private:
    TlxBitmap* FImage = nullptr;
    TRect FRect;
    std::string FName;
    bool FMaskedBorder = false;
    bool FMaskedAngles = false;
    bool FMasked = false;
};
