#include "skin/dialogs/seldir/SelectDirectoryRegistration.h"

#include "platform/vcl/TClassRegistry.h"
#include "skin/dialogs/seldir/TlxSkinSelectDirectoryDialog.h"

#include <string>

void RegisterSelectDirectoryDialog() {
    using D = TlxSkinSelectDirectoryDialog;
    RegisterClass<D>("TlxSkinSelectDirectoryDialog", "TComponent")
        .Property("ToolButtonsTransparent", &D::ToolButtonsTransparent, &D::SetToolButtonsTransparent)
        .Property("DialogWidth", &D::DialogWidth, &D::SetDialogWidth)
        .Property("DialogHeight", &D::DialogHeight, &D::SetDialogHeight)
        .Property("DialogMinWidth", &D::DialogMinWidth, &D::SetDialogMinWidth)
        .Property("DialogMinHeight", &D::DialogMinHeight, &D::SetDialogMinHeight)
        .Property("AlphaBlend", &D::AlphaBlend, &D::SetAlphaBlend)
        .Property("AlphaBlendValue", &D::AlphaBlendValue, &D::SetAlphaBlendValue, Byte(200))
        .Property("AlphaBlendAnimation", &D::AlphaBlendAnimation, &D::SetAlphaBlendAnimation)
        .ReferenceProperty("SkinData", &D::SkinData, &D::SetSkinData)
        .ReferenceProperty("CtrlSkinData", &D::CtrlSkinData, &D::SetCtrlSkinData)
        .ObjectProperty("DefaultFont", &D::DefaultFont)
        .Property("Title", &D::Title, &D::SetTitle, std::string("Select folder"))
        .Property("Directory", &D::Directory, &D::SetDirectory)
        .Property("ShowToolBar", &D::ShowToolBar, &D::SetShowToolBar)
        .EventProperty("OnShow", &D::OnShow)
        .EventProperty("OnClose", &D::OnClose);
}
