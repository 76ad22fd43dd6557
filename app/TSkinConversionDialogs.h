#pragma once

#include "app/conversion/IConversionDialogs.h"

#include <functional>

class TComponent;
class TlxSkinData;
class TlxSkinMessage;
class TlxSkinOpenDialog;
class TlxSkinSelectDirectoryDialog;

// The conversion road's dialogs on the main window's skinned components: the
// open-file dialogs for one and for several files, the folder dialogs for a
// folder to add and for the output folder, and the skinned message box. Each
// dialog shows in the program's skin when one is chosen.
class TSkinConversionDialogs : public IConversionDialogs {
public:
    // The message box is owned by AOwner; the dialogs come with Attach.
    explicit TSkinConversionDialogs(TComponent* AOwner);

    // The window's dialogs, once its description is loaded; any may be nil.
    void Attach(TlxSkinOpenDialog* AOpenDialog1, TlxSkinOpenDialog* AOpenDialog2,
                TlxSkinSelectDirectoryDialog* ASelectDirectoryDialog1,
                TlxSkinSelectDirectoryDialog* ASelectDirectoryDialog2);
    // The program's skin, or nil for the built-in look.
    std::function<TlxSkinData*()> SkinData;

    std::optional<std::string> OpenFile() override;
    std::optional<std::vector<std::string>> OpenFiles() override;
    std::optional<std::string> SelectDirectory() override;
    std::optional<std::string> SelectOutputDirectory() override;
    void SetOpenFilter(const std::string& AFilter, int AFilterIndex) override;
    void ShowInformation(const std::string& AText) override;
    void ShowTaskFailure(const std::string& AText) override;

private:
    void Skin(TlxSkinOpenDialog* ADialog) const;
    void Skin(TlxSkinSelectDirectoryDialog* ADialog) const;
    void SkinMessage() const;
    std::optional<std::string> ChooseFolder(TlxSkinSelectDirectoryDialog* ADialog);

    TlxSkinMessage* FMessage;
    TlxSkinOpenDialog* FOpenDialog1 = nullptr;
    TlxSkinOpenDialog* FOpenDialog2 = nullptr;
    TlxSkinSelectDirectoryDialog* FSelectDirectoryDialog1 = nullptr;
    TlxSkinSelectDirectoryDialog* FSelectDirectoryDialog2 = nullptr;
};
