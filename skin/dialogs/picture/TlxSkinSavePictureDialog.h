#pragma once

#include "skin/dialogs/picture/TlxSkinOpenPictureDialog.h"

// The picture dialog in save mode: a typed name without an extension is
// returned with the selected filter's extension.
class TlxSkinSavePictureDialog : public TlxSkinOpenPictureDialog {
public:
    explicit TlxSkinSavePictureDialog(TComponent* AOwner);
};
