#pragma once

#include "platform/base/Color.h"
#include "platform/base/Set.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/TGraphicsObject.h"

#include <memory>
#include <string>

enum class TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using enum TFontStyle;
using TFontStyles = TSet<TFontStyle>;
enum class TFontPitch { fpDefault, fpVariable, fpFixed };
using enum TFontPitch;
using TFontCharset = Byte;

// A font description. Height keeps the Windows meaning: positive is the cell
// height in pixels (ascent plus descent), negative the character height
// (the em size). Size is points at 96 dpi (Height = -Size * 96 / 72).
// The character set is stored and copied and only steers the choice of face.
class TFont : public TGraphicsObject {
public:
    TFont() = default;
    TFont(const TFont& o) : TGraphicsObject() { Assign(o); }
    TFont& operator=(const TFont& o) {
        Assign(o);
        return *this;
    }

    const std::string& Name() const { return FName; }
    void SetName(const std::string& name);
    int Height() const { return FHeight; }
    void SetHeight(int h);
    int Size() const;
    void SetSize(int points);
    TFontStyles Style() const { return FStyle; }
    void SetStyle(TFontStyles s);
    TColor Color() const { return FColor; }
    void SetColor(TColor c);
    TFontCharset Charset() const { return FCharset; }
    void SetCharset(TFontCharset c);
    TFontPitch Pitch() const { return FPitch; }
    void SetPitch(TFontPitch p);
    void Assign(const TFont& source);
    // Same description (colour included).
    bool SameAs(const TFont& o) const;

    LOGFONT LogFont() const;
    // Takes the description of a LOGFONT (the colour stays).
    void SetLogFont(const LOGFONT& lf);
    HFONT Handle();

private:
    void Sync();
    std::string FName = "Tahoma";
    int FHeight = -11;
    TFontStyles FStyle;
    TColor FColor = clWindowText;
    TFontCharset FCharset = DEFAULT_CHARSET;
    TFontPitch FPitch = fpDefault;
    std::unique_ptr<TFontObj> FHandle;
};
