#pragma once

#include "skin/dialogs/open/TlxSkinOpenDialog.h"

class TlxOpenPictureDlgForm;

// The open dialog with a picture preview beside the list
// (TlxOpenPictureDlgForm). Completion uses the selected filter's extension
// only. Besides what the open dialog remembers, the preview panel's width
// (ImagePanelWidth) and the Stretch button's state (DialogStretch) are
// written back after every showing. A file that is no picture shows "no
// preview", never an error.
class TlxSkinOpenPictureDialog : public TlxSkinOpenDialog {
public:
    explicit TlxSkinOpenPictureDialog(TComponent* AOwner);

    static constexpr const char* DefaultFilter =
        "All (*.bmp;*.ico;*.emf;*.wmf)|*.bmp;*.ico;*.emf;*.wmf|Bitmaps (*.bmp)|*.bmp|Icons (*.ico)|*.ico|"
        "Enhanced Metafiles (*.emf)|*.emf|Metafiles (*.wmf)|*.wmf";

    TlxOpenPictureDlgForm* PictureForm() const;

    // The preview always opens stretched.
    bool StretchPicture() const { return FStretchPicture; }
    void SetStretchPicture(bool Value) { FStretchPicture = Value; }
    int ImagePanelWidth() const { return FImagePanelWidth; }
    void SetImagePanelWidth(int Value) { FImagePanelWidth = Value; }
    bool DialogStretch() const { return FDialogStretch; }
    void SetDialogStretch(bool Value) { FDialogStretch = Value; }

protected:
    TlxOpenDlgForm* CreateForm() override;
    void PrepareForm(TlxOpenDlgForm* Form) override;
    void FormClosed(TlxOpenDlgForm* Form, bool Ok) override;
    TSize DefaultClientSize() const override { return {550, 290}; }

private:
    // The picture dialogs complete names by the filter alone and tell no
    // one of folder changes.
    using TlxSkinOpenDialog::DefaultExt;
    using TlxSkinOpenDialog::GetSelectedFile;
    using TlxSkinOpenDialog::OnFolderChange;
    using TlxSkinOpenDialog::SetDefaultExt;

    bool FStretchPicture = false;
    int FImagePanelWidth = 190;
    bool FDialogStretch = false;
};
