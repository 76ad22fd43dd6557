#include "skin/dialogs/picture/PictureDialogRegistration.h"

#include "platform/vcl/TClassRegistry.h"
#include "skin/dialogs/picture/TlxSkinSavePictureDialog.h"

#include <string>

void RegisterPictureDialogs() {
    using D = TlxSkinOpenPictureDialog;
    RegisterClass<D>("TlxSkinOpenPictureDialog", "TComponent")
        .Property("ShowHiddenFiles", &D::ShowHiddenFiles, &D::SetShowHiddenFiles)
        .Property("ToolButtonsTransparent", &D::ToolButtonsTransparent, &D::SetToolButtonsTransparent)
        .Property("OverwritePromt", &D::OverwritePromt, &D::SetOverwritePromt)
        .Property("DialogWidth", &D::DialogWidth, &D::SetDialogWidth)
        .Property("DialogHeight", &D::DialogHeight, &D::SetDialogHeight)
        .Property("DialogMinWidth", &D::DialogMinWidth, &D::SetDialogMinWidth)
        .Property("DialogMinHeight", &D::DialogMinHeight, &D::SetDialogMinHeight)
        .Property("CheckFileExists", &D::CheckFileExists, &D::SetCheckFileExists, true)
        .Property("StretchPicture", &D::StretchPicture, &D::SetStretchPicture)
        .Property("MultiSelection", &D::MultiSelection, &D::SetMultiSelection)
        .Property("AlphaBlend", &D::AlphaBlend, &D::SetAlphaBlend)
        .Property("AlphaBlendValue", &D::AlphaBlendValue, &D::SetAlphaBlendValue, Byte(200))
        .Property("AlphaBlendAnimation", &D::AlphaBlendAnimation, &D::SetAlphaBlendAnimation)
        .Property("CtrlAlphaBlend", &D::CtrlAlphaBlend, &D::SetCtrlAlphaBlend)
        .Property("CtrlAlphaBlendValue", &D::CtrlAlphaBlendValue, &D::SetCtrlAlphaBlendValue, Byte(225))
        .Property("CtrlAlphaBlendAnimation", &D::CtrlAlphaBlendAnimation, &D::SetCtrlAlphaBlendAnimation)
        .Property("LVHeaderSkinDataName", &D::LVHeaderSkinDataName, &D::SetLVHeaderSkinDataName,
                  std::string("resizebutton"))
        .ReferenceProperty("SkinData", &D::SkinData, &D::SetSkinData)
        .ReferenceProperty("CtrlSkinData", &D::CtrlSkinData, &D::SetCtrlSkinData)
        .ObjectProperty("DefaultFont", &D::DefaultFont)
        .Property("Title", &D::Title, &D::SetTitle, std::string("Open picture"))
        .Property("InitialDir", &D::InitialDir, &D::SetInitialDir)
        .Property("Filter", &D::Filter, &D::SetFilter, std::string(D::DefaultFilter))
        .Property("FilterIndex", &D::FilterIndex, &D::SetFilterIndex, 1)
        .Property("FileName", &D::FileName, &D::SetFileName)
        .EventProperty("OnShow", &D::OnShow)
        .EventProperty("OnClose", &D::OnClose);

    using S = TlxSkinSavePictureDialog;
    // Only the title's default differs.
    RegisterClass<S>("TlxSkinSavePictureDialog", "TlxSkinOpenPictureDialog")
        .Property("Title", &S::Title, &S::SetTitle, std::string("Save file"));
}
