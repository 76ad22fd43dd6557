#pragma once

#include "skin/windows/TlxSkinButtonObject.h"

// A frame button bound to a standard window command (close, maximize, ...).
// Without a description it is one of the built-in buttons of the default
// frame and draws its own look (DefaultDraw).
class TlxSkinStdButtonObject : public TlxSkinButtonObject {
public:
    TlxSkinStdButtonObject(TlxLumivex* AParent, TlxDataSkinObject* AData);

    bool PtInMask(int X, int Y) override;
    void ShowLayer() override;
    void HideLayer() override;
    bool CanMorphing() override;
    void Draw(TCanvas* Cnvs, bool UpDate) override;
    void DblClick() override;
    void MouseDown(int X, int Y, TMouseButton Button) override;
    void MouseUp(int X, int Y, TMouseButton Button) override;
    void MouseEnter() override;

    void DefaultDraw(TCanvas* Cnvs);
    void DoCommand();

    TlxStdCommand Command = cmDefault;
    TRect RestoreRect, RestoreActiveRect, RestoreInActiveRect, RestoreDownRect;
    std::string RestoreHint;
    std::string FTempHint;
    // Made from a description (false for the built-in buttons).
    bool FSkinSupport = false;
};
