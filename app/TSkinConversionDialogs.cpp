#include "app/TSkinConversionDialogs.h"

#include "skin/dialogs/message/TlxSkinMessage.h"
#include "skin/dialogs/open/TlxSkinOpenDialog.h"
#include "skin/dialogs/seldir/TlxSkinSelectDirectoryDialog.h"

#include <filesystem>

namespace {

bool IsFile(const std::string& APath) {
    std::error_code error;
    return std::filesystem::is_regular_file(APath, error);
}

bool IsFolder(const std::string& APath) {
    std::error_code error;
    return std::filesystem::is_directory(APath, error);
}

} // namespace

TSkinConversionDialogs::TSkinConversionDialogs(TComponent* AOwner) : FMessage(new TlxSkinMessage(AOwner)) {}

void TSkinConversionDialogs::Attach(TlxSkinOpenDialog* AOpenDialog1, TlxSkinOpenDialog* AOpenDialog2,
                                    TlxSkinSelectDirectoryDialog* ASelectDirectoryDialog1,
                                    TlxSkinSelectDirectoryDialog* ASelectDirectoryDialog2) {
    FOpenDialog1 = AOpenDialog1;
    FOpenDialog2 = AOpenDialog2;
    FSelectDirectoryDialog1 = ASelectDirectoryDialog1;
    FSelectDirectoryDialog2 = ASelectDirectoryDialog2;
}

void TSkinConversionDialogs::Skin(TlxSkinOpenDialog* ADialog) const {
    TlxSkinData* skin = SkinData ? SkinData() : nullptr;
    ADialog->SetSkinData(skin);
    ADialog->SetCtrlSkinData(skin);
}

void TSkinConversionDialogs::Skin(TlxSkinSelectDirectoryDialog* ADialog) const {
    TlxSkinData* skin = SkinData ? SkinData() : nullptr;
    ADialog->SetSkinData(skin);
    ADialog->SetCtrlSkinData(skin);
}

// The boxes follow the program's skin like every other window it shows.
void TSkinConversionDialogs::SkinMessage() const {
    TlxSkinData* skin = SkinData ? SkinData() : nullptr;
    FMessage->SetSkinData(skin);
    FMessage->SetCtrlSkinData(skin);
}

std::optional<std::string> TSkinConversionDialogs::OpenFile() {
    if (!FOpenDialog1) return std::nullopt;
    Skin(FOpenDialog1);
    if (!FOpenDialog1->Execute() || !IsFile(FOpenDialog1->FileName())) return std::nullopt;
    return FOpenDialog1->FileName();
}

std::optional<std::vector<std::string>> TSkinConversionDialogs::OpenFiles() {
    if (!FOpenDialog2) return std::nullopt;
    Skin(FOpenDialog2);
    if (!FOpenDialog2->Execute() || !IsFile(FOpenDialog2->FileName())) return std::nullopt;
    // The controller checks each file again as it adds it.
    std::vector<std::string> files;
    TStringList* chosen = FOpenDialog2->Files();
    for (int i = 0; i < chosen->Count(); ++i)
        files.push_back(chosen->Strings(i));
    if (files.empty()) return std::nullopt;
    return files;
}

// A cancelled dialog chooses nothing, even where it still holds the folder
// confirmed the time before.
std::optional<std::string> TSkinConversionDialogs::ChooseFolder(TlxSkinSelectDirectoryDialog* ADialog) {
    if (!ADialog) return std::nullopt;
    Skin(ADialog);
    if (!ADialog->Execute() || ADialog->Directory().empty() || !IsFolder(ADialog->Directory()))
        return std::nullopt;
    return ADialog->Directory();
}

std::optional<std::string> TSkinConversionDialogs::SelectDirectory() {
    return ChooseFolder(FSelectDirectoryDialog1);
}

std::optional<std::string> TSkinConversionDialogs::SelectOutputDirectory() {
    return ChooseFolder(FSelectDirectoryDialog2);
}

void TSkinConversionDialogs::SetOpenFilter(const std::string& AFilter, int AFilterIndex) {
    for (TlxSkinOpenDialog* dialog : {FOpenDialog1, FOpenDialog2})
        if (dialog) {
            dialog->SetFilter(AFilter);
            dialog->SetFilterIndex(AFilterIndex + 1);
        }
}

void TSkinConversionDialogs::ShowInformation(const std::string& AText) {
    SkinMessage();
    FMessage->MessageDlg2(AText, "提示", mtInformation, TMsgDlgButtons{mbOK}, 0);
}

void TSkinConversionDialogs::ShowTaskFailure(const std::string& AText) {
    SkinMessage();
    FMessage->MessageDlg2(AText, "DuvavudeZaruvove", mtWarning, TMsgDlgButtons{mbOK}, 0);
}
