#pragma once

// Test subjects over the control bases: their protected state opened up, a
// count of paints, and the WM_CHECKPARENTBG notices they receive.

#include "skin/controls/SkinControlMessages.h"
#include "skin/controls/TlxGraphicSkinCustomControl.h"
#include "skin/controls/TlxSkinCustomControl.h"

#include <string>
#include <vector>

inline std::vector<std::string>& BackgroundLog() {
    static std::vector<std::string> log;
    return log;
}

template <class TBase> class TProbe : public TBase {
public:
    using TBase::Sized;
    using TBase::TBase;
    int Paints = 0;
    int FontChanges = 0;
    void SetDesigning(bool On) { this->SetComponentStateItem(csDesigning, On); }
    void WndProc(TMessage& M) override {
        if (M.Msg == WM_CHECKPARENTBG) BackgroundLog().push_back(this->Name());
        TBase::WndProc(M);
    }

protected:
    void Paint() override {
        ++Paints;
        TBase::Paint();
    }
    void DefaultFontChanged() override { ++FontChanges; }
};

class TProbeSkinControl : public TProbe<TlxSkinCustomControl> {
public:
    using TProbe::TProbe;
    void SetForceBackground(bool On) { FForceBackground = On; }
    void SetDrawBackground(bool On) { FDrawbackground = On; }
    // Marks the top strip of the frame path with a black pixel at (0, 0).
    bool MarkTopStrip = false;

protected:
    void CreateControlSkinImage(TBitmap& B) override {
        TProbe::CreateControlSkinImage(B);
        if (MarkTopStrip && !B.Empty()) B.ScanLine(0)[0] = 0xFF000000;
    }
};

using TProbeGraphicSkinControl = TProbe<TlxGraphicSkinCustomControl>;

// A bar that centres its skinned children in the client rectangle (0, 4) to
// (200, 30) while AdjustControls is on, as the skinned tool bar does.
class TCentringProbeBar : public TProbeSkinControl, public TlxCentringBar {
public:
    using TProbeSkinControl::TProbeSkinControl;
    bool Adjust = true;
    bool AdjustControls() const override { return Adjust; }
    void GetSkinClientRect(TRect& R) override { R = {0, 4, 200, 30}; }
};
