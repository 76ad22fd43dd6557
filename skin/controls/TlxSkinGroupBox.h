#pragma once

#include "skin/controls/TlxSkinPanel.h"

// A panel with a caption, from the "groupbox" description.
class TlxSkinGroupBox : public TlxSkinPanel {
public:
    explicit TlxSkinGroupBox(TComponent* AOwner);

protected:
    // A description whose client part ends above its caption is drawn whole,
    // not as a frame.
    void GetSkinData() override;
};
