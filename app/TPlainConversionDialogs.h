#pragma once

#include "app/conversion/IConversionDialogs.h"

class TComponent;
class TlxSkinMessage;

// The dialogs of the conversion road until the skinned file and folder
// dialogs take their place: a small modal box asking for a path (several
// files separated by "|"), and the skinned message box for messages.
class TPlainConversionDialogs : public IConversionDialogs {
public:
    explicit TPlainConversionDialogs(TComponent* AOwner);

    std::optional<std::string> OpenFile() override;
    std::optional<std::vector<std::string>> OpenFiles() override;
    std::optional<std::string> SelectDirectory() override;
    std::optional<std::string> SelectOutputDirectory() override;
    void SetOpenFilter(const std::string& AFilter, int AFilterIndex) override;
    void ShowInformation(const std::string& AText) override;
    void ShowTaskFailure(const std::string& AText) override;

private:
    // Asks for a path; nothing when cancelled or left empty.
    std::optional<std::string> AskPath(const std::string& ACaption, bool AFolder);
    TlxSkinMessage* FMessage;
};
