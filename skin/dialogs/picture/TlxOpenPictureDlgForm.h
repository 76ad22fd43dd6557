#pragma once

#include "skin/dialogs/open/TlxOpenDlgForm.h"

#include <string>

class TImage;
class TlxSkinScrollBox;
class TlxSkinSplitter;

// The form of the picture dialogs: the open dialog's form with a preview
// panel at the right (the selected picture in a scrolling box, or "no
// preview" for a file that is no picture), a splitter between list and
// preview, and a Stretch toggle on the tool bar. The bottom panel keeps
// fixed positions.
class TlxOpenPictureDlgForm : public TlxOpenDlgForm {
public:
    static TlxOpenPictureDlgForm* CreateEx(TComponent* AOwner, bool AToolButtonsTransparent,
                                           TlxSkinData* ACtrlSkinData, bool ASaveMode);

    TlxSkinPanel* ImagePanel = nullptr;
    TImage* Image = nullptr;
    TlxSkinScrollBox* ScrollBox = nullptr;
    TlxSkinScrollBar* SBVScrollBar = nullptr;
    TlxSkinScrollBar* SBHScrollBar = nullptr;
    TlxSkinSpeedButton* StretchButton = nullptr;
    TlxSkinSplitter* Splitter = nullptr;
    // Shown in place of the picture when the selected file cannot be previewed.
    TlxSkinStdLabel* NoPreviewLabel = nullptr;

    // The edit shows the selected file's name (empty for a folder or
    // nothing) and the preview that file.
    void FLVChange(TObject* Sender, TListItem* Item, TItemChange Change);
    void StretchButtonClick(TObject* Sender);

    // Previews the file; a file that is no picture shows "no preview".
    void PreviewFile(const std::string& Name);
    // The picture fills the box while the Stretch button is down, else it
    // has its own size.
    void ApplyStretch();
    // True while "no preview" is shown.
    bool NoPreview() const;

protected:
    TlxOpenPictureDlgForm(TComponent* AOwner, bool AToolButtonsTransparent, TlxSkinData* ACtrlSkinData,
                          bool ASaveMode);

private:
    void FitPicture();

    // The file last previewed (name, size and time of change) and whether it
    // showed: the list raises several change events for one click, and the
    // same unchanged file is not read again.
    std::string FPreviewKey;
    bool FPreviewShown = false;
};
