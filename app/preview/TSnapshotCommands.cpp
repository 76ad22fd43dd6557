#include "app/preview/TSnapshotCommands.h"

#include "app/conversion/IConversionDialogs.h"
#include "app/preview/SnapshotFile.h"
#include "app/preview/TPreviewPanel.h"
#include "platform/base/Directories.h"
#include "platform/base/Exception.h"
#include "platform/base/FileStream.h"
#include "platform/base/SysUtils.h"
#include "platform/gdi/TBitmap.h"

std::string SnapshotFailureText(const std::string& AReason) {
    return "快照保存失败：" + AReason;
}

TSnapshotCommands::TSnapshotCommands(TPreviewPanel& APanel, TSettings& ASettings, IDesktopServices& ADesktop)
    : FPanel(APanel), FSettings(ASettings), FDesktop(ADesktop) {}

void TSnapshotCommands::Status(const std::string& AText) {
    if (OnStatus) OnStatus(AText);
}

std::string TSnapshotCommands::lxSkinButton22Click() {
    TBitmap frame;
    FPanel.Player().CurrentFrame(frame);
    // Read on every snapshot, also with no frame: missing values get their defaults.
    const std::string folder = FSettings.ReadSnapshotFolder();
    const std::string folderError = FSettings.LastErrMsg();
    FCheckedType = FSettings.ReadSnapshotType();
    if (frame.Width() <= 0 || frame.Height() <= 0) return {};
    try {
        const std::string data = EncodeSnapshot(frame, FCheckedType);
        return WriteNewSnapshotFile(folder, SnapshotBaseName(FPanel.T_Movie_PLayer_FileName),
                                    SnapshotExtension(FCheckedType), data);
    } catch (const Exception& e) {
        // The folder's own trouble explains a failed write best.
        Status(SnapshotFailureText(folderError.empty() ? e.Message() : folderError));
    }
    return {};
}

std::string TSnapshotCommands::btnCaptureClick() {
    TBitmap frame;
    FPanel.Player().CurrentFrame(frame);
    if (frame.Width() <= 0 || frame.Height() <= 0 || !SaveCaptureAs) return {};
    const std::optional<std::string> name = SaveCaptureAs();
    if (!name || name->empty()) return {};
    const bool bitmap = name->size() >= 4 && LowerCase(name->substr(name->size() - 4)) == ".bmp";
    try {
        // The user agreed to replace an existing file; a failed write must
        // still leave that file whole.
        WriteFileAtomic(*name, EncodeSnapshot(frame, bitmap ? TSnapshotType::BMP : TSnapshotType::JPG));
        return *name;
    } catch (const Exception& e) {
        Status(SnapshotFailureText(e.Message()));
    }
    return {};
}

void TSnapshotCommands::lxSkinButton23Click() {
    FCheckedType = FSettings.ReadSnapshotType();
}

void TSnapshotCommands::MenuItem1Click() {
    FDesktop.OpenFolder(FSettings.ReadSnapshotFolder());
}

void TSnapshotCommands::MenuItem2Click() {
    if (!SelectFolder) return;
    const std::optional<std::string> folder = SelectFolder();
    // Cancelling changes nothing, not even the settings file; a folder that
    // does not exist is not stored.
    if (folder && DirectoryExists(*folder)) FSettings.WriteSnapshotFolder(*folder);
}

void TSnapshotCommands::SetType(TSnapshotType AType) {
    FSettings.WriteSnapshotType(AType);
    FCheckedType = AType;
}
