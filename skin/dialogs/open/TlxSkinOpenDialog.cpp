#include "skin/dialogs/open/TlxSkinOpenDialog.h"

#include "platform/base/ScopeGuard.h"
#include "platform/vcl/TApplication.h"
#include "skin/controls/TlxSkinButton.h"
#include "skin/controls/TlxSkinCustomEdit.h"
#include "skin/controls/TlxSkinMenuSpeedButton.h"
#include "skin/controls/TlxSkinPanel.h"
#include "skin/controls/TlxSkinScrollBar.h"
#include "skin/controls/TlxSkinSpeedButton.h"
#include "skin/controls/TlxSkinStdLabel.h"
#include "skin/controls/TlxSkinToolBar.h"
#include "skin/dialogs/filectrl/FilePaths.h"
#include "skin/dialogs/filectrl/TlxSkinFilterComboBox.h"
#include "skin/dialogs/open/TlxOpenDlgForm.h"
#include "skin/dialogs/shell/ShellViewContext.h"
#include "skin/dialogs/shell/TlxCustomShellComboBox.h"
#include "skin/dialogs/shell/TlxCustomShellListView.h"
#include "skin/windows/TlxLumivex.h"

#include <algorithm>

namespace {

std::string FolderPart(const std::string& Name) {
    size_t slash = Name.find_last_of('/');
    return slash == std::string::npos ? std::string() : Name.substr(0, slash + 1);
}

std::string NamePart(const std::string& Name) {
    return Name.substr(Name.find_last_of('/') + 1);
}

} // namespace

TlxSkinOpenDialog::TlxSkinOpenDialog(TComponent* AOwner) : TComponent(AOwner) {
    FDefaultFont.SetName("Arial");
    FDefaultFont.SetHeight(14);
    FDefaultFont.SetStyle({});
}

void TlxSkinOpenDialog::SetFileName(const std::string& Value) {
    FFileName = Value;
    if (FForm) FForm->FileNameEdit->SetText(Value);
}

std::string TlxSkinOpenDialog::GetSelectedFile() {
    return FForm ? FForm->FileListView->GetSelectedFile() : std::string();
}

TlxOpenDlgForm* TlxSkinOpenDialog::CreateForm() {
    return TlxOpenDlgForm::CreateEx(Application, FToolButtonsTransparent, FCtrlSkinData.Get(), FSaveMode);
}

std::string TlxSkinOpenDialog::StartFolder() const {
    std::string given = FolderPart(FFileName);
    if (given.empty()) given = FInitialDir;
    // Never the program's folder: anything not absolute opens home.
    if (given.starts_with('/') || given.starts_with('~'))
        if (const std::optional<TShellItem> item = ShellItemOfPath(given)) {
            const TShellItem nearest = NearestExistingFolder(*item);
            if (!nearest.IsVirtual() && IsExistingDirectory(nearest.Path)) return nearest.Path;
        }
    return ShellNamespace().Environment().Home;
}

bool TlxSkinOpenDialog::Execute() {
    TKeepAlive alive(this);
    if (OnShow) OnShow(this);
    TlxOpenDlgForm* form = CreateForm();
    FForm = form;
    TScopeGuard finish([&] {
        try {
            if (OnClose) OnClose(this);
        } catch (...) {
        }
        FForm = nullptr;
        form->Free();
    });
    form->OverwritePromt = FOverwritePromt;
    form->OnFolderChange = OnFolderChange;
    form->CheckFileExists = FCheckFileExists;
    form->DefaultExt = FDefaultExt;

    TlxSkinData* ctrlSD = FCtrlSkinData.Get();
    form->SetCaption(FTitle);
    TlxLumivex* lvx = form->LVX;
    lvx->SetBorderIcons({});
    lvx->SetSkinData(FSkinData.Get());
    lvx->SetMenusSkinData(ctrlSD);
    lvx->SetMinWidth(FDialogMinWidth);
    lvx->SetMinHeight(FDialogMinHeight);
    lvx->SetAlphaBlend(FAlphaBlend);
    lvx->SetAlphaBlendAnimation(FAlphaBlendAnimation);
    lvx->SetAlphaBlendValue(FAlphaBlendValue);
    for (TlxSkinCustomComboBox* box : {static_cast<TlxSkinCustomComboBox*>(form->ShellBox),
                                       static_cast<TlxSkinCustomComboBox*>(form->FilterComboBox)}) {
        box->SetAlphaBlend(FCtrlAlphaBlend);
        box->SetAlphaBlendValue(FCtrlAlphaBlendValue);
        box->SetAlphaBlendAnimation(FCtrlAlphaBlendAnimation);
    }
    form->OpenButton->SetDefaultFont(FDefaultFont);
    form->CancelButton->SetDefaultFont(FDefaultFont);
    form->ShellBox->SetDefaultFont(FDefaultFont);
    form->FileListView->SetDefaultFont(FDefaultFont);

    const TSize defaultSize = DefaultClientSize();
    int width = FDialogWidth < 1 ? defaultSize.cx : FDialogWidth;
    int height = FDialogHeight < 1 ? defaultSize.cy : FDialogHeight;
    if (FSkinData && !FSkinData->Empty) {
        width = std::max(width, lvx->GetMinWidth());
        height = std::max(height, lvx->GetMinHeight());
    }
    form->HandleNeeded();
    // The frame's size settles with the first size given: applied until it holds.
    for (int i = 0; i < 2 && (form->ClientWidth() != width || form->ClientHeight() != height); ++i) {
        form->SetClientWidth(width);
        form->SetClientHeight(height);
    }

    TlxSkinFileListView* list = form->FileListView;
    form->CheckStyleItem(FListViewStyle);
    list->SetViewStyle(FListViewStyle);
    list->SetHeaderSkinDataName(FLVHeaderSkinDataName);
    list->SetSkinData(ctrlSD);
    list->SetMultiSelect(FMultiSelection);
    TShellObjectTypes types{otFolders, otNonFolders};
    if (FShowHiddenFiles) types.Include(otHidden);
    list->SetObjectTypes(types);
    list->SetPath(StartFolder());

    form->FilterComboBox->SetFilter(FFilter);
    const int count = form->FilterComboBox->Items()->Count();
    form->FilterComboBox->SetItemIndex(count == 0 ? -1 : std::clamp(FFilterIndex, 1, count) - 1);
    list->SetMask(form->FilterComboBox->Mask());

    form->FileListViewPanel->SetSkinData(ctrlSD);
    form->BottomPanel->SetSkinData(ctrlSD);
    form->ToolPanel->SetSkinData(ctrlSD);
    form->Drivelabel->SetSkinData(ctrlSD);
    for (TlxSkinSpeedButton* b :
         {form->UpToolButton, form->BackToolButton, static_cast<TlxSkinSpeedButton*>(form->StyleToolButton),
          form->NewFolderToolButton})
        b->SetSkinData(ctrlSD);
    form->FLVHScrollBar->SetSkinData(ctrlSD);
    form->FLVVScrollBar->SetSkinData(ctrlSD);
    form->FileNameEdit->SetSkinData(ctrlSD);
    form->FilterComboBox->SetSkinData(ctrlSD);
    form->OpenButton->SetSkinData(ctrlSD);
    form->CancelButton->SetSkinData(ctrlSD);
    form->OpenFileLabel->SetSkinData(ctrlSD);
    form->FileTypeLabel->SetSkinData(ctrlSD);
    form->ShellBox->SetSkinData(ctrlSD);
    form->ShellBox->SetSkinDataName("combobox");

    if (list->Items()->Count() > 0) list->SetItemFocused(list->Items()->Item(0));
    form->FileNameEdit->SetText(NamePart(FFileName));
    form->InitHistory();
    PrepareForm(form);

    const bool ok = form->ShowModal() == mrOk;
    FFilterIndex = form->FilterComboBox->ItemIndex() + 1;
    FDialogWidth = form->ClientWidth();
    FDialogHeight = form->ClientHeight();
    FListViewStyle = list->ViewStyle();
    FormClosed(form, ok);
    if (ok) {
        FFileName = form->FileName;
        FFiles.Clear();
        for (const std::string& file : form->Files)
            FFiles.Add(file);
    }
    return ok;
}
