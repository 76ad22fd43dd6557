#include "skin/windows/MDITabsBarRegistration.h"

#include "platform/vcl/TClassRegistry.h"
#include "skin/windows/TlxLumivex.h"
#include "skin/windows/TlxSkinMDITabsBar.h"

void RegisterMDITabsBar() {
    RegisterEnum<TlxSkinMDITabKind>({{lxtkTab, "lxtkTab"}, {lxtkButton, "lxtkButton"}});
    using B = TlxSkinMDITabsBar;
    RegisterClass<B>("TlxSkinMDITabsBar", "TlxSkinControl")
        .Property("SkinDataName", &B::SkinDataName, &B::SetSkinDataName, std::string("tab"))
        .Property("ShowCloseButtons", &B::ShowCloseButtons, &B::SetShowCloseButtons)
        .Property("TabKind", &B::TabKind, &B::SetTabKind, lxtkTab)
        .ReferenceProperty("Lumivex", &B::Lumivex, &B::SetLumivex)
        .Property("SupportChildMenus", &B::SupportChildMenus, &B::SetSupportChildMenus, true)
        .Property("UseSkinSize", &B::UseSkinSize, &B::SetUseSkinSize, true)
        .Property("UseSkinFont", &B::UseSkinFont, &B::SetUseSkinFont, true)
        .Property("MoveTabs", &B::MoveTabs, &B::SetMoveTabs, true)
        .Property("DefaultHeight", &B::DefaultHeight, &B::SetDefaultHeight, 21)
        .ObjectProperty("DefaultFont", &B::DefaultFont)
        .Property("DefaultTabWidth", &B::DefaultTabWidth, &B::SetDefaultTabWidth, 100)
        .Property("MinTabWidth", &B::MinTabWidth, &B::SetMinTabWidth)
        .EventProperty("OnTabMouseEnter", &B::OnTabMouseEnter)
        .EventProperty("OnTabMouseLeave", &B::OnTabMouseLeave)
        .EventProperty("OnTabMouseDown", &B::OnTabMouseDown)
        .EventProperty("OnTabMouseUp", &B::OnTabMouseUp)
        .EventProperty("OnTabGetDrawParamsEvent", &B::OnTabGetDrawParamsEvent);
}
