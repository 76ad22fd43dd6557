#pragma once

#include "app/settings/TSettings.h"

#include <functional>
#include <optional>
#include <string>

class IDesktopServices;
class TPreviewPanel;

// The snapshot picture and the snapshot menu of the preview panel, without
// the window. The snapshot folder and the picture type are read from the
// settings on every use (a missing folder is created); a snapshot asks
// nothing and writes the current frame under the previewed file's base
// name with the first free number. GUI thread only.
class TSnapshotCommands {
public:
    TSnapshotCommands(TPreviewPanel& APanel, TSettings& ASettings, IDesktopServices& ADesktop);

    // The folder dialog of "设置快照目录" ("选择输出目录"); nothing when the
    // user cancels.
    std::function<std::optional<std::string>()> SelectFolder;
    // Tells the status panel why a snapshot could not be written.
    std::function<void(const std::string& AText)> OnStatus;
    // The save-picture dialog of the capture button: the chosen name, or
    // nothing when the user cancels. It asks before an existing file is chosen.
    std::function<std::optional<std::string>()> SaveCaptureAs;

    // `lxSkinButton22Click`: the snapshot. The written file's name, or empty
    // when nothing was written (nothing with video open, or a failure).
    std::string lxSkinButton22Click();
    // `lxSkinButton23Click`: marks the stored picture type in the menu.
    void lxSkinButton23Click();
    // "打开快照目录": opens the snapshot folder in the file manager.
    void MenuItem1Click();
    // "设置快照目录": stores the chosen folder when it exists.
    void MenuItem2Click();
    // `btnCaptureClick`, the developer panel's "Capture": the current frame
    // under a name the user picks, a bitmap when it ends in ".bmp" (any
    // letter case) and a JPEG picture otherwise. The written file's name, or
    // empty when nothing was written.
    std::string btnCaptureClick();
    // The type entries "BMP文件", "JPG文件", "GIF文件", "PNG文件".
    void BMP1Click() { SetType(TSnapshotType::BMP); }
    void JPG1Click() { SetType(TSnapshotType::JPG); }
    void GIF1Click() { SetType(TSnapshotType::GIF); }
    void PNG1Click() { SetType(TSnapshotType::PNG); }

    // The type entry the menu shows checked.
    TSnapshotType CheckedType() const { return FCheckedType; }

private:
    void SetType(TSnapshotType AType);
    void Status(const std::string& AText);

    TPreviewPanel& FPanel;
    TSettings& FSettings;
    IDesktopServices& FDesktop;
    TSnapshotType FCheckedType = TSnapshotType::BMP;
};

// The status text of a snapshot that could not be written.
std::string SnapshotFailureText(const std::string& AReason);
