#include "skin/dialogs/SkinDialogsRegistration.h"

#include "platform/vcl/TClassRegistry.h"
#include "skin/dialogs/filectrl/FileCtrlRegistration.h"
#include "skin/dialogs/message/TlxSkinMessage.h"
#include "skin/dialogs/open/OpenDialogRegistration.h"
#include "skin/dialogs/picture/PictureDialogRegistration.h"
#include "skin/dialogs/seldir/SelectDirectoryRegistration.h"
#include "skin/dialogs/skinselect/TlxSelectSkinDialog.h"
#include "skin/windows/SkinWindowsRegistration.h"

void RegisterSkinDialogClasses() {
    RegisterSkinWindowClasses();
    using M = TlxSkinMessage;
    RegisterClass<M>("TlxSkinMessage", "TComponent")
        .Property("ShowAgainFlag", &M::ShowAgainFlag, &M::SetShowAgainFlag)
        .Property("ShowAgainFlagValue", &M::ShowAgainFlagValue, &M::SetShowAgainFlagValue)
        .Property("AlphaBlend", &M::AlphaBlend, &M::SetAlphaBlend)
        .Property("AlphaBlendAnimation", &M::AlphaBlendAnimation, &M::SetAlphaBlendAnimation)
        .Property("AlphaBlendValue", &M::AlphaBlendValue, &M::SetAlphaBlendValue, Byte(200))
        .ReferenceProperty("SkinData", &M::SkinData, &M::SetSkinData)
        .ReferenceProperty("CtrlSkinData", &M::CtrlSkinData, &M::SetCtrlSkinData)
        .Property("ButtonSkinDataName", &M::ButtonSkinDataName, &M::SetButtonSkinDataName,
                  std::string("button"))
        .Property("MessageLabelSkinDataName", &M::MessageLabelSkinDataName, &M::SetMessageLabelSkinDataName,
                  std::string("stdlabel"))
        .ObjectProperty("DefaultFont", &M::DefaultFont)
        .ObjectProperty("DefaultButtonFont", &M::DefaultButtonFont)
        .Property("UseSkinFont", &M::UseSkinFont, &M::SetUseSkinFont, true)
        .EventProperty("OnSetShowPos", &M::OnSetShowPos);

    using D = TlxSelectSkinDialog;
    RegisterClass<D>("TlxSelectSkinDialog", "TComponent")
        .ReferenceProperty("SkinList", &D::SkinList, &D::SetSkinList)
        .Property("AlphaBlend", &D::AlphaBlend, &D::SetAlphaBlend)
        .Property("AlphaBlendValue", &D::AlphaBlendValue, &D::SetAlphaBlendValue, Byte(200))
        .Property("AlphaBlendAnimation", &D::AlphaBlendAnimation, &D::SetAlphaBlendAnimation)
        .ReferenceProperty("SkinData", &D::SkinData, &D::SetSkinData)
        .ReferenceProperty("CtrlSkinData", &D::CtrlSkinData, &D::SetCtrlSkinData)
        .ObjectProperty("DefaultFont", &D::DefaultFont)
        .Property("Title", &D::Title, &D::SetTitle, std::string("Select skin"));

    RegisterFileControlClasses();
    RegisterSelectDirectoryDialog();
    RegisterOpenDialogs();
    RegisterPictureDialogs();
}
