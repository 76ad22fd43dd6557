#include "skin/dialogs/message/TlxMessageForm.h"

#include "platform/sys/ProgramFolder.h"
#include "platform/sys/Shell.h"
#include "skin/controls/TlxSkinButton.h"
#include "skin/windows/TlxLumivex.h"

#include <filesystem>
#include <system_error>

TlxMessageForm::TlxMessageForm(TComponent* AOwner, int X, int Y) : TForm(AOwner) {
    SetBorderStyle(bsDialog);
    SetKeyPreview(true);
    if (X < -10000) {
        SetPosition(poScreenCenter);
    } else {
        SetLeft(X);
        SetTop(Y);
    }
    // The client size the box is laid out by is the window's own.
    HandleNeeded();
    LVX = new TlxLumivex(this);
    LVX->SetBorderIcons({});
}

void TlxMessageForm::HelpButtonClick(TObject*) {
    std::string file = ExistingHelpFile(HelpFile);
    if (!file.empty()) ShellOpen(file);
}

void TlxMessageForm::Dispatch(TMessage& Msg) {
    if (Msg.Msg == WM_CLOSE && FormState().Contains(fsModal)) {
        TModalResult result = mrCancel;
        for (int i = 0; i < ComponentCount(); ++i)
            if (auto* b = dynamic_cast<TlxSkinButton*>(Components(i)); b && b->Cancel())
                result = b->ModalResult();
        SetModalResult(result);
        return;
    }
    TForm::Dispatch(Msg);
}

void TlxMessageForm::DoShow() {
    for (int i = 0; i < ComponentCount(); ++i)
        if (auto* b = dynamic_cast<TlxSkinButton*>(Components(i)); b && b->Default() && b->CanFocus()) {
            SetActiveControl(b);
            break;
        }
    TForm::DoShow();
}

std::string ExistingHelpFile(const std::string& HelpFile) {
    if (HelpFile.empty()) return {};
    std::filesystem::path p(HelpFile);
    if (p.is_relative()) p = std::filesystem::path(GetExePath()) / p;
    std::error_code ec;
    return std::filesystem::is_regular_file(p, ec) ? p.string() : std::string();
}
