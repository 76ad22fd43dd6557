#pragma once

// The label descriptions of the label tests: "stdlabel" (a font in dark
// red), "label" and "statuspanel" (the standard frame as a strip that grows
// in width, a white font).

#include "skin/engine/DataSkinControls.h"
#include "tests/support/skin/TestSkin.h"

inline void LoadLabelSkin(TlxSkinData* SD, bool FixedLabel = false) {
    TTestSkin skin;
    const int picture = skin.AddPicture(TTestSkin::StandardPicture());
    auto& std = skin.Add<TlxDataSkinStdLabelControl>("stdlabel");
    std.PictureIndex = -1;
    std.FontName = "Arial";
    std.FontHeight = 14;
    std.FontColor = 0x000080; // dark red
    for (const char* name : {"label", "statuspanel"}) {
        auto& d = skin.Add<TlxDataSkinLabelControl>(name);
        TTestSkin::SetNinePart(d, picture);
        d.LBPoint = d.RBPoint = {0, 0};
        if (FixedLabel) d.LTPoint = d.RTPoint = {0, 0};
        d.FontName = "Arial";
        d.FontHeight = 12;
        d.FontColor = 0xFFFFFF;
    }
    skin.SetColors([](TlxSkinColors& c) {
        c.SetcBtnFace(0x80C0E0);
        c.SetcBtnHighLight(0x00FFFF);
        c.SetcBtnShadow(0x008000);
    });
    skin.LoadInto(SD);
}
