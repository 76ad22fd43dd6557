#pragma once

#include "skin/engine/SkinFields.h"

class TCustomIniFile;

// The skin's colour set (section SKINCOLORS). A fresh set holds zeros; a load
// or SetColorsToDefault puts the system colours in.
class TlxSkinColors {
public:
    TlxSkinColors();
    static constexpr const char* Section = "SKINCOLORS";

    TColor cBtnFace() const { return FcBtnFace; }
    void SetcBtnFace(TColor c) { FcBtnFace = c; }
    TColor cBtnText() const { return FcBtnText; }
    void SetcBtnText(TColor c) { FcBtnText = c; }
    TColor cWindow() const { return FcWindow; }
    void SetcWindow(TColor c) { FcWindow = c; }
    TColor cWindowText() const { return FcWindowText; }
    void SetcWindowText(TColor c) { FcWindowText = c; }
    TColor cHighLight() const { return FcHighLight; }
    void SetcHighLight(TColor c) { FcHighLight = c; }
    TColor cHighLightText() const { return FcHighLightText; }
    void SetcHighLightText(TColor c) { FcHighLightText = c; }
    TColor cBtnHighLight() const { return FcBtnHighLight; }
    void SetcBtnHighLight(TColor c) { FcBtnHighLight = c; }
    TColor cBtnShadow() const { return FcBtnShadow; }
    void SetcBtnShadow(TColor c) { FcBtnShadow = c; }

    void SetColorsToDefault();
    void LoadFromFile(TCustomIniFile& IniFile);
    // Writes the eight keys; the skin writer erases the section beforehand.
    void SaveToFile(TCustomIniFile& IniFile);
    TlxFieldList Fields();

protected:
    TColor FcBtnFace, FcBtnText, FcWindow, FcWindowText, FcHighLight, FcHighLightText, FcBtnHighLight,
        FcBtnShadow;
};
