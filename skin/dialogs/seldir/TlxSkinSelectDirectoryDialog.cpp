#include "skin/dialogs/seldir/TlxSkinSelectDirectoryDialog.h"

#include "platform/base/ScopeGuard.h"
#include "platform/vcl/TApplication.h"
#include "skin/controls/TlxSkinButton.h"
#include "skin/controls/TlxSkinCustomEdit.h"
#include "skin/controls/TlxSkinPanel.h"
#include "skin/controls/TlxSkinScrollBar.h"
#include "skin/controls/TlxSkinSpeedButton.h"
#include "skin/dialogs/filectrl/FilePaths.h"
#include "skin/dialogs/seldir/TlxSelDirDlgForm.h"
#include "skin/dialogs/shell/ShellViewContext.h"
#include "skin/dialogs/shell/TlxCustomShellTreeView.h"
#include "skin/windows/TlxLumivex.h"

#include <algorithm>

namespace {

constexpr int DefaultClientSize = 280;

} // namespace

TlxSkinSelectDirectoryDialog::TlxSkinSelectDirectoryDialog(TComponent* AOwner) : TComponent(AOwner) {
    FDefaultFont.SetName("Arial");
    FDefaultFont.SetHeight(14);
    FDefaultFont.SetStyle({});
}

void TlxSkinSelectDirectoryDialog::OpenOn(TlxSelDirDlgForm* Form) const {
    TlxSkinDirTreeView* tree = Form->DirTreeView;
    // The tree reads its nodes once it has a window.
    tree->HandleNeeded();
    if (FDirectory.empty()) {
        tree->ExpandMyComputer();
        return;
    }
    // Never the program's folder: a relative path opens home.
    std::string start = HomeFolder();
    if (FDirectory.starts_with('/') || FDirectory.starts_with('~'))
        if (const std::optional<TShellItem> item = ShellItemOfPath(FDirectory)) {
            const TShellItem nearest = NearestExistingFolder(*item);
            if (!nearest.IsVirtual() && IsExistingDirectory(nearest.Path)) start = nearest.Path;
        }
    tree->SetPath(start);
}

bool TlxSkinSelectDirectoryDialog::Execute() {
    TKeepAlive alive(this);
    if (OnShow) OnShow(this);
    TlxSelDirDlgForm* form =
        TlxSelDirDlgForm::CreateEx(Application, FToolButtonsTransparent, FShowToolBar, FCtrlSkinData.Get());
    FForm = form;
    TScopeGuard freeForm([&] {
        FForm = nullptr;
        form->Free();
    });
    bool ok = false;
    try {
        ok = Show(form);
    } catch (...) {
        // The form is closed either way; an error of the handler's own would
        // hide the one already on its way.
        try {
            if (OnClose) OnClose(this);
        } catch (...) {
        }
        throw;
    }
    if (OnClose) OnClose(this);
    return ok;
}

bool TlxSkinSelectDirectoryDialog::Show(TlxSelDirDlgForm* form) {
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

    int width = FDialogWidth < 1 ? DefaultClientSize : FDialogWidth;
    int height = FDialogHeight < 1 ? DefaultClientSize : FDialogHeight;
    if (FSkinData && !FSkinData->Empty) {
        width = std::max(width, lvx->GetMinWidth());
        height = std::max(height, lvx->GetMinHeight());
    }
    form->HandleNeeded();
    // The frame's size is known only once the form has its window, and may
    // settle with the first size given: the client size is applied until it
    // holds (twice at most).
    for (int i = 0; i < 2 && (form->ClientWidth() != width || form->ClientHeight() != height); ++i) {
        form->SetClientWidth(width);
        form->SetClientHeight(height);
    }

    form->DirTreeViewPanel->SetSkinData(ctrlSD);
    form->DirTreeView->SetDefaultFont(FDefaultFont);
    form->DirTreeView->SetSkinData(ctrlSD);
    OpenOn(form);

    form->HScrollBar->SetSkinData(ctrlSD);
    form->VScrollBar->SetSkinData(ctrlSD);
    for (TlxSkinButton* b : {form->OkButton, form->CancelButton}) {
        b->SetSkinData(ctrlSD);
        b->SetDefaultFont(FDefaultFont);
    }
    form->BottomPanel->SetSkinData(ctrlSD);
    if (form->ToolPanel) {
        form->ToolPanel->SetSkinData(ctrlSD);
        form->NewFolderToolButton->SetSkinData(ctrlSD);
        form->DirEdit->SetSkinData(ctrlSD);
    }

    const bool ok = form->ShowModal() == mrOk;
    FDialogWidth = form->ClientWidth();
    FDialogHeight = form->ClientHeight();
    if (ok) FDirectory = form->DirTreeView->Path();
    return ok;
}
