#include "skin/dialogs/picture/TlxSkinSavePictureDialog.h"

TlxSkinSavePictureDialog::TlxSkinSavePictureDialog(TComponent* AOwner) : TlxSkinOpenPictureDialog(AOwner) {
    SetTitle("Save file");
    FSaveMode = true;
}
