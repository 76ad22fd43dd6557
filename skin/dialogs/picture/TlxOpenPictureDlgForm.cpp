#include "skin/dialogs/picture/TlxOpenPictureDlgForm.h"

#include "platform/vcl/TImage.h"
#include "skin/controls/TlxSkinButton.h"
#include "skin/controls/TlxSkinCustomEdit.h"
#include "skin/controls/TlxSkinMenuSpeedButton.h"
#include "skin/controls/TlxSkinPanel.h"
#include "skin/controls/TlxSkinScrollBar.h"
#include "skin/controls/TlxSkinScrollBox.h"
#include "skin/controls/TlxSkinSpeedButton.h"
#include "skin/controls/TlxSkinSplitter.h"
#include "skin/controls/TlxSkinStdLabel.h"
#include "skin/controls/TlxSkinToolBar.h"
#include "skin/dialogs/filectrl/FilePaths.h"
#include "skin/dialogs/filectrl/TlxSkinFilterComboBox.h"
#include "skin/dialogs/message/MessageTexts.h"
#include "skin/dialogs/open/DialogGlyphs.h"
#include "skin/dialogs/picture/PicturePreview.h"
#include "skin/dialogs/shell/TlxCustomShellListView.h"

#include <sys/stat.h>

TlxOpenPictureDlgForm* TlxOpenPictureDlgForm::CreateEx(TComponent* AOwner, bool AToolButtonsTransparent,
                                                       TlxSkinData* ACtrlSkinData, bool ASaveMode) {
    return new TlxOpenPictureDlgForm(AOwner, AToolButtonsTransparent, ACtrlSkinData, ASaveMode);
}

TlxOpenPictureDlgForm::TlxOpenPictureDlgForm(TComponent* AOwner, bool AToolButtonsTransparent,
                                             TlxSkinData* ACtrlSkinData, bool ASaveMode)
    : TlxOpenDlgForm(AOwner, AToolButtonsTransparent, ACtrlSkinData, ASaveMode) {
    // From left to right: list panel, splitter, preview panel (the first
    // right-aligned control takes the right edge).
    ImagePanel = new TlxSkinPanel(this);
    ImagePanel->SetBorderStyle(bvFrame);
    ImagePanel->SetParent(this);
    ImagePanel->SetAlign(alRight);
    ImagePanel->SetWidth(200);
    Splitter = new TlxSkinSplitter(this);
    Splitter->SetParent(this);
    Splitter->SetAlign(alRight);
    Splitter->SetWidth(10);
    Splitter->SetDefaultSize(10);

    SBVScrollBar = new TlxSkinScrollBar(this);
    SBVScrollBar->SetKind(sbVertical);
    SBVScrollBar->SetParent(ImagePanel);
    SBVScrollBar->SetAlign(alRight);
    SBVScrollBar->SetDefaultWidth(19);
    SBVScrollBar->SetEnabled(false);
    SBVScrollBar->SetSkinDataName("vscrollbar");
    SBHScrollBar = new TlxSkinScrollBar(this);
    SBHScrollBar->SetParent(ImagePanel);
    SBHScrollBar->SetAlign(alBottom);
    SBHScrollBar->SetDefaultHeight(19);
    SBHScrollBar->SetEnabled(false);
    SBHScrollBar->SetBothMarkerWidth(19);
    SBHScrollBar->SetSkinDataName("hscrollbar");
    ScrollBox = new TlxSkinScrollBox(this);
    ScrollBox->SetParent(ImagePanel);
    ScrollBox->SetAlign(alClient);
    ScrollBox->SetBorderStyle(bvNone);
    ScrollBox->SetHScrollBar(SBHScrollBar);
    ScrollBox->SetVScrollBar(SBVScrollBar);
    Image = new TImage(this);
    Image->SetParent(ScrollBox);
    Image->SetBounds(0, 0, 0, 0);
    NoPreviewLabel = new TlxSkinStdLabel(this);
    NoPreviewLabel->SetVisible(false);
    NoPreviewLabel->SetParent(ScrollBox);
    NoPreviewLabel->SetAlign(alClient);
    NoPreviewLabel->SetAlignment(taCenter);
    NoPreviewLabel->SetLayout(tlCenter);
    NoPreviewLabel->SetCaption("no preview");

    // Between View and New folder: the right group reads spacer, Back, Up,
    // New folder, Stretch, View. Right-aligned controls keep the order of
    // their right edges, so the button starts just right of View's left.
    StretchButton = new TlxSkinSpeedButton(this);
    StretchButton->SetBounds(StyleToolButton->Left() - 26, 0, 27, 25);
    StretchButton->SetParent(ToolPanel);
    StretchButton->SetAlign(alRight);
    StretchButton->SetDefaultWidth(27);
    StretchButton->SetGroupIndex(2);
    StretchButton->SetAllowAllUp(true);
    StretchButton->SetSkinDataName("toolbutton");
    StretchButton->OnClick = [this](TObject* Sender) { StretchButtonClick(Sender); };
    StretchButton->SetNumGlyphs(1);
    TBitmap glyph;
    LoadDialogGlyph("LX_STRETCH", glyph);
    StretchButton->SetGlyph(glyph);
    StretchButton->SetHint(SkinResourceText(CtrlSD, "MSG_BTN_STRETCH_HINT", "Stretch Picture"));
    StretchButton->SetShowHint(true);
    StretchButton->SetFlat(AToolButtonsTransparent);

    // Fixed positions: the panel does not follow the form's width.
    FileNameEdit->SetAnchors({akLeft, akTop});
    FileNameEdit->SetBounds(70, 10, 280, FileNameEdit->Height());
    FilterComboBox->SetAnchors({akLeft, akTop});
    FilterComboBox->SetBounds(70, 45, 280, FilterComboBox->Height());
    OpenButton->SetAnchors({akLeft, akTop});
    OpenButton->SetBounds(370, 10, 70, OpenButton->Height());
    CancelButton->SetAnchors({akLeft, akTop});
    CancelButton->SetBounds(370, 45, 70, CancelButton->Height());

    FileListView->OnChange = [this](TObject* S, TListItem* I, TItemChange C) { FLVChange(S, I, C); };
}

bool TlxOpenPictureDlgForm::NoPreview() const {
    return NoPreviewLabel->Visible();
}

void TlxOpenPictureDlgForm::FitPicture() {
    if (!Image->Stretch()) Image->SetBounds(0, 0, Image->Picture()->Width(), Image->Picture()->Height());
    ScrollBox->UpDateScrollRange();
}

void TlxOpenPictureDlgForm::PreviewFile(const std::string& Name) {
    struct stat st {};
    const std::string key = stat(Name.c_str(), &st) != 0 ? std::string()
                                                         : Name + '\n' + std::to_string(st.st_size) + '\n' +
                                                               std::to_string(st.st_mtim.tv_sec) + '.' +
                                                               std::to_string(st.st_mtim.tv_nsec);
    bool shown = FPreviewShown;
    if (key.empty() || key != FPreviewKey) {
        shown = LoadPicturePreview(Name, *Image->Picture());
        if (!shown) Image->Picture()->Clear();
        FPreviewKey = key;
        FPreviewShown = shown;
    }
    Image->SetVisible(shown);
    NoPreviewLabel->SetVisible(!shown);
    FitPicture();
}

void TlxOpenPictureDlgForm::FLVChange(TObject*, TListItem*, TItemChange) {
    const std::string file = FileListView->GetSelectedFile();
    const std::string name = file.substr(file.find_last_of('/') + 1);
    FileNameEdit->SetText(name);
    if (!name.empty()) {
        PreviewFile(file);
        return;
    }
    // A folder or nothing: the preview shrinks to nothing; the picture stays
    // loaded.
    NoPreviewLabel->Hide();
    Image->Hide();
    if (!Image->Stretch()) Image->SetBounds(0, 0, 0, 0);
    ScrollBox->UpDateScrollRange();
}

void TlxOpenPictureDlgForm::ApplyStretch() {
    const bool shown = Image->Visible();
    Image->Hide();
    if (StretchButton->Down()) {
        Image->SetStretch(true);
        Image->SetAlign(alClient);
    } else {
        Image->SetAlign(alNone);
        Image->SetBounds(0, 0, Image->Picture()->Width(), Image->Picture()->Height());
        Image->SetStretch(false);
    }
    Image->SetVisible(shown);
    ScrollBox->UpDateScrollRange();
}

void TlxOpenPictureDlgForm::StretchButtonClick(TObject*) {
    ApplyStretch();
}
