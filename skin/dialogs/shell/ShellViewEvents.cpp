#include "skin/dialogs/shell/ShellViewEvents.h"

#include "platform/vcl/TApplication.h"
#include "skin/dialogs/message/TlxSkinMessage.h"

#include <memory>

namespace {

TShellErrorReporter& Reporter() {
    static TShellErrorReporter reporter;
    return reporter;
}

} // namespace

void SetShellErrorReporter(TShellErrorReporter Value) {
    Reporter() = std::move(Value);
}

void ReportShellError(TControl* Sender, TlxSkinData* Skin, const std::string& Text) {
    if (TShellErrorReporter reporter = Reporter()) {
        reporter(Sender, Skin, Text);
        return;
    }
    std::unique_ptr<TlxSkinMessage> box(new TlxSkinMessage(nullptr));
    box->SetSkinData(Skin);
    box->SetCtrlSkinData(Skin);
    box->MessageDlg(Text, mtError, TMsgDlgButtons{mbOK}, 0);
}
