#include "app/TPlainConversionDialogs.h"

#include "platform/base/Strings.h"
#include "platform/vcl/TCustomEdit.h"
#include "platform/vcl/TCustomForm.h"
#include "skin/controls/TlxSkinButton.h"
#include "skin/controls/TlxSkinStdLabel.h"
#include "skin/dialogs/message/TlxSkinMessage.h"

#include <filesystem>
#include <memory>

TPlainConversionDialogs::TPlainConversionDialogs(TComponent* AOwner) : FMessage(new TlxSkinMessage(AOwner)) {}

std::optional<std::string> TPlainConversionDialogs::AskPath(const std::string& ACaption, bool AFolder) {
    std::unique_ptr<TForm> box(new TForm(nullptr));
    box->SetCaption(ACaption);
    box->SetBorderStyle(bsDialog);
    box->SetPosition(poScreenCenter);
    box->HandleNeeded(); // the client size is measured inside the frame
    box->SetClientWidth(460);
    box->SetClientHeight(96);
    auto* label = new TlxSkinStdLabel(box.get());
    label->SetParent(box.get());
    label->SetBounds(10, 10, 440, 18);
    label->SetCaption(AFolder ? "目录：" : "文件：");
    auto* edit = new TEdit(box.get());
    edit->SetParent(box.get());
    edit->SetBounds(10, 30, 440, 22);
    auto* ok = new TlxSkinButton(box.get());
    ok->SetParent(box.get());
    ok->SetBounds(290, 62, 75, 25);
    ok->SetCaption("确定");
    ok->SetModalResult(mrOk);
    ok->SetDefault(true);
    auto* cancel = new TlxSkinButton(box.get());
    cancel->SetParent(box.get());
    cancel->SetBounds(375, 62, 75, 25);
    cancel->SetCaption("取消");
    cancel->SetModalResult(mrCancel);
    cancel->SetCancel(true);
    if (box->ShowModal() != mrOk || edit->Text().empty()) return std::nullopt;
    return edit->Text();
}

std::optional<std::string> TPlainConversionDialogs::OpenFile() {
    auto path = AskPath("打开文件", false);
    if (path && !std::filesystem::is_regular_file(*path)) return std::nullopt;
    return path;
}

std::optional<std::vector<std::string>> TPlainConversionDialogs::OpenFiles() {
    auto text = AskPath("打开文件", false);
    if (!text) return std::nullopt;
    std::vector<std::string> files;
    size_t from = 0;
    while (from <= text->size()) {
        const size_t bar = std::min(text->find('|', from), text->size());
        std::string one = text->substr(from, bar - from);
        if (std::filesystem::is_regular_file(one)) files.push_back(std::move(one));
        from = bar + 1;
    }
    if (files.empty()) return std::nullopt;
    return files;
}

std::optional<std::string> TPlainConversionDialogs::SelectDirectory() {
    auto path = AskPath("选择目录", true);
    if (path && !std::filesystem::is_directory(*path)) return std::nullopt;
    return path;
}

std::optional<std::string> TPlainConversionDialogs::SelectOutputDirectory() {
    auto path = AskPath("选择输出目录", true);
    if (path && !std::filesystem::is_directory(*path)) return std::nullopt;
    return path;
}

void TPlainConversionDialogs::SetOpenFilter(const std::string&, int) {
    // The plain box takes any path; the controller checks what it adds.
}

void TPlainConversionDialogs::ShowInformation(const std::string& AText) {
    FMessage->MessageDlg2(AText, "提示", mtInformation, TMsgDlgButtons{mbOK}, 0);
}

void TPlainConversionDialogs::ShowTaskFailure(const std::string& AText) {
    FMessage->MessageDlg2(AText, "DuvavudeZaruvove", mtWarning, TMsgDlgButtons{mbOK}, 0);
}
