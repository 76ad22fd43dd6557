#pragma once

#include "skin/controls/TlxSkinPaintPanel.h"
#include "skin/engine/TlxBitmap.h"
#include "skin/windows/TlxLumivex.h"

#include <memory>

class TCustomForm;

// A picture of a form's client area laid over it while the form is
// inactive: blurred, or veiled by the form's own background. The picture is
// rendered off-screen from the form's own painting, never read back from the
// screen, so windows lying over the form never leak into it.
class TlxClientInActivePanel : public TlxSkinPaintPanel {
public:
    explicit TlxClientInActivePanel(TComponent* AOwner);
    ~TlxClientInActivePanel() override;

    // The snapshot; nullptr when none.
    TlxBitmap* Buffer() const { return FBuffer.get(); }
    void ShowPanel(TCustomForm* AForm, TlxClientInActiveEffect AEffect);
    void HidePanel();

protected:
    void Paint() override;

private:
    std::unique_ptr<TlxBitmap> FBuffer;
};
