#include "skin/dialogs/SkinDialogsRegistration.h"

#include "platform/vcl/TClassRegistry.h"
#include "skin/dialogs/message/TlxSkinMessage.h"

void RegisterSkinDialogClasses() {
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
}
