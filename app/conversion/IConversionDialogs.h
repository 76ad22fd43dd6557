#pragma once

#include <optional>
#include <string>
#include <vector>

// The dialogs and message boxes the conversion road shows. Every chooser
// returns nothing when the user cancels.
class IConversionDialogs {
public:
    virtual ~IConversionDialogs() = default;
    // "打开文件", one existing file.
    virtual std::optional<std::string> OpenFile() = 0;
    // "打开文件", several existing files, in the dialog's order.
    virtual std::optional<std::vector<std::string>> OpenFiles() = 0;
    // "选择目录".
    virtual std::optional<std::string> SelectDirectory() = 0;
    // "选择输出目录".
    virtual std::optional<std::string> SelectOutputDirectory() = 0;
    // The filter of both open-file dialogs ("caption|masks|" entries) and
    // the entry selected at first, counted from 0.
    virtual void SetOpenFilter(const std::string& AFilter, int AFilterIndex) = 0;
    // The skinned message box: caption "提示", information icon, one OK button.
    virtual void ShowInformation(const std::string& AText) = 0;
    // The plain message box of a failed task: the program's title, the
    // exclamation icon, one OK button. Modal: the message loop runs inside.
    virtual void ShowTaskFailure(const std::string& AText) = 0;
};

// The desktop services run after a conversion.
class IDesktopServices {
public:
    virtual ~IDesktopServices() = default;
    virtual bool OpenFolder(const std::string& AFolder) = 0;
    // Never forced; the platform's power-off only logs when DUVA_NO_POWEROFF is set.
    virtual bool PowerOff() = 0;
};

// The platform's shell opener and power-off.
class TPlatformDesktopServices : public IDesktopServices {
public:
    bool OpenFolder(const std::string& AFolder) override;
    bool PowerOff() override;
};
