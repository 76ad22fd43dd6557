#include "skin/dialogs/open/OpenDialogRegistration.h"

#include "platform/vcl/TClassRegistry.h"
#include "skin/dialogs/open/TlxSkinOpenDialog.h"

#include <string>

void RegisterOpenDialogs() {
    using D = TlxSkinOpenDialog;
    RegisterClass<D>("TlxSkinOpenDialog", "TComponent")
        .Property("ShowHiddenFiles", &D::ShowHiddenFiles, &D::SetShowHiddenFiles)
        .Property("ToolButtonsTransparent", &D::ToolButtonsTransparent, &D::SetToolButtonsTransparent)
        .Property("OverwritePromt", &D::OverwritePromt, &D::SetOverwritePromt)
        .Property("DefaultExt", &D::DefaultExt, &D::SetDefaultExt)
        .Property("DialogWidth", &D::DialogWidth, &D::SetDialogWidth)
        .Property("DialogHeight", &D::DialogHeight, &D::SetDialogHeight)
        .Property("DialogMinWidth", &D::DialogMinWidth, &D::SetDialogMinWidth)
        .Property("DialogMinHeight", &D::DialogMinHeight, &D::SetDialogMinHeight)
        .Property("CheckFileExists", &D::CheckFileExists, &D::SetCheckFileExists, true)
        .Property("MultiSelection", &D::MultiSelection, &D::SetMultiSelection)
        .Property("AlphaBlend", &D::AlphaBlend, &D::SetAlphaBlend)
        .Property("AlphaBlendValue", &D::AlphaBlendValue, &D::SetAlphaBlendValue, Byte(225))
        .Property("AlphaBlendAnimation", &D::AlphaBlendAnimation, &D::SetAlphaBlendAnimation)
        .Property("CtrlAlphaBlend", &D::CtrlAlphaBlend, &D::SetCtrlAlphaBlend)
        .Property("CtrlAlphaBlendValue", &D::CtrlAlphaBlendValue, &D::SetCtrlAlphaBlendValue, Byte(225))
        .Property("CtrlAlphaBlendAnimation", &D::CtrlAlphaBlendAnimation, &D::SetCtrlAlphaBlendAnimation)
        .Property("LVHeaderSkinDataName", &D::LVHeaderSkinDataName, &D::SetLVHeaderSkinDataName,
                  std::string("resizebutton"))
        .ReferenceProperty("SkinData", &D::SkinData, &D::SetSkinData)
        .ReferenceProperty("CtrlSkinData", &D::CtrlSkinData, &D::SetCtrlSkinData)
        .ObjectProperty("DefaultFont", &D::DefaultFont)
        .Property("Title", &D::Title, &D::SetTitle, std::string("Open file"))
        .Property("InitialDir", &D::InitialDir, &D::SetInitialDir)
        .Property("Filter", &D::Filter, &D::SetFilter, std::string("All files|*.*"))
        .Property("FilterIndex", &D::FilterIndex, &D::SetFilterIndex, 1)
        .Property("FileName", &D::FileName, &D::SetFileName)
        .EventProperty("OnFolderChange", &D::OnFolderChange)
        .EventProperty("OnShow", &D::OnShow)
        .EventProperty("OnClose", &D::OnClose);
}
