#pragma once

#include "skin/windows/TlxSkinButtonObject.h"

// A frame button bound to a window command (close, maximize, minimize, the
// system menu, roll-up, minimize to tray). While its command is in its
// restore state (the form maximized, minimized or rolled up) it shows its
// restore images and hint. The built-in buttons of the default frame have
// no description and paint a look of their own (DefaultDraw).
class TlxSkinStdButtonObject : public TlxSkinButtonObject {
public:
    // Without a description (AData nullptr): a built-in button of the
    // default frame, whose command and name the component sets.
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

    // The built-in look: a face, a hover frame and the command's glyph.
    void DefaultDraw(TCanvas* Cnvs);
    void DoCommand();
    // The form's state is the one this command undoes.
    bool InRestoreState() const;

    TlxStdCommand Command = cmDefault;
    // In ActivePicture.
    TRect RestoreRect, RestoreActiveRect, RestoreInActiveRect, RestoreDownRect;
    std::string RestoreHint;
    std::string FTempHint;
    // Made from a description (false for the built-in buttons).
    bool FSkinSupport = false;

private:
    // The system-menu button shows the form's icon.
    bool IconCase() const;
};
