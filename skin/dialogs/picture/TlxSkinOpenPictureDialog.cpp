#include "skin/dialogs/picture/TlxSkinOpenPictureDialog.h"

#include "platform/vcl/TApplication.h"
#include "skin/controls/TlxSkinPanel.h"
#include "skin/controls/TlxSkinScrollBar.h"
#include "skin/controls/TlxSkinScrollBox.h"
#include "skin/controls/TlxSkinSpeedButton.h"
#include "skin/controls/TlxSkinSplitter.h"
#include "skin/controls/TlxSkinStdLabel.h"
#include "skin/dialogs/filectrl/FilePaths.h"
#include "skin/dialogs/picture/TlxOpenPictureDlgForm.h"
#include "skin/dialogs/shell/TlxCustomShellListView.h"

TlxSkinOpenPictureDialog::TlxSkinOpenPictureDialog(TComponent* AOwner) : TlxSkinOpenDialog(AOwner) {
    SetAlphaBlendValue(200);
    SetTitle("Open picture");
    SetFilter(DefaultFilter);
}

TlxOpenPictureDlgForm* TlxSkinOpenPictureDialog::PictureForm() const {
    return static_cast<TlxOpenPictureDlgForm*>(Form());
}

TlxOpenDlgForm* TlxSkinOpenPictureDialog::CreateForm() {
    return TlxOpenPictureDlgForm::CreateEx(Application, ToolButtonsTransparent(), CtrlSkinData(), SaveMode());
}

void TlxSkinOpenPictureDialog::PrepareForm(TlxOpenDlgForm* AForm) {
    auto* form = static_cast<TlxOpenPictureDlgForm*>(AForm);
    TlxSkinData* ctrlSD = CtrlSkinData();
    form->ImagePanel->SetWidth(FImagePanelWidth);
    form->ImagePanel->SetSkinData(ctrlSD);
    form->ScrollBox->SetSkinData(ctrlSD);
    form->SBVScrollBar->SetSkinData(ctrlSD);
    form->SBHScrollBar->SetSkinData(ctrlSD);
    form->StretchButton->SetSkinData(ctrlSD);
    form->Splitter->SetSkinData(ctrlSD);
    form->NoPreviewLabel->SetSkinData(ctrlSD);

    if (FStretchPicture || FDialogStretch) {
        form->StretchButton->SetDown(true);
        form->ApplyStretch();
    }
    // The offered name is previewed when it is there; a name without a
    // folder part lies in the listed folder.
    if (!FileName().empty()) {
        std::string name = FileName();
        if (name.find('/') == std::string::npos) name = JoinPath(form->FileListView->Path(), name);
        if (IsExistingFile(name)) form->PreviewFile(name);
    }
}

void TlxSkinOpenPictureDialog::FormClosed(TlxOpenDlgForm* AForm, bool Ok) {
    (void)Ok;
    auto* form = static_cast<TlxOpenPictureDlgForm*>(AForm);
    FDialogStretch = form->StretchButton->Down();
    FImagePanelWidth = form->ImagePanel->Width();
}
