#pragma once

#include "platform/vcl/TCustomControl.h"

// The borderless top-level window of a glow layer: a tool window that never
// takes the focus or activation and lets the mouse through to what lies
// below. It paints nothing: its content comes from UpdateLayeredWindow.
class TlxLayerWindow : public TCustomControl {
public:
    explicit TlxLayerWindow(TComponent* AOwner);

    // Shown at X, Y without activation, above every window or not, size kept.
    void ShowAt(int X, int Y, bool TopMost);
    // Hidden without activation, place and size kept.
    void HideLayer();

protected:
    void CreateParams(TCreateParams& Params) override;
    void WndProc(TMessage& Message) override;
};
