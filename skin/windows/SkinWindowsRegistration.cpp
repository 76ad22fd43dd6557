#include "skin/windows/SkinWindowsRegistration.h"

#include "platform/vcl/TClassRegistry.h"
#include "skin/windows/TlxLumivex.h"
#include "skin/windows/TlxSkinMainMenu.h"
#include "skin/windows/TlxSkinMainMenuBar.h"

void RegisterSkinWindowClasses() {
    RegisterClass<TlxSkinMainMenu>("TlxSkinMainMenu", "TMainMenu")
        .ReferenceProperty("SkinData", &TlxSkinMainMenu::SkinData, &TlxSkinMainMenu::SetSkinData);
    using B = TlxSkinMainMenuBar;
    RegisterClass<B>("TlxSkinMainMenuBar", "TlxSkinControl")
        .Property("SkinDataName", &B::SkinDataName, &B::SetSkinDataName, std::string("mainmenubar"))
        .ReferenceProperty("MainMenu", &B::MainMenu, &B::SetMainMenu)
        .ReferenceProperty("Lumivex", &B::Lumivex, &B::SetLumivex)
        .Property("ScrollMenu", &B::ScrollMenu, &B::SetScrollMenu, true)
        .Property("UseSkinFont", &B::UseSkinFont, &B::SetUseSkinFont, true)
        .ObjectProperty("DefItemFont", &B::DefItemFont)
        .Property("DefaultWidth", &B::DefaultWidth, &B::SetDefaultWidth)
        .Property("DefaultHeight", &B::DefaultHeight, &B::SetDefaultHeight, 22)
        .Property("PopupToUp", &B::PopupToUp, &B::SetPopupToUp)
        .EventProperty("OnItemMouseEnter", &B::OnItemMouseEnter)
        .EventProperty("OnItemMouseLeave", &B::OnItemMouseLeave);
}
