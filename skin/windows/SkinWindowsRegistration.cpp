#include "skin/windows/SkinWindowsRegistration.h"

#include "platform/vcl/TClassRegistry.h"
#include "skin/controls/TlxSkinPopupMenu.h"
#include "skin/engine/SkinData.h"
#include "skin/windows/MDITabsBarRegistration.h"
#include "skin/windows/TlxLumivex.h"
#include "skin/windows/TlxSkinMainMenu.h"
#include "skin/windows/TlxSkinMainMenuBar.h"
#include "skin/windows/TlxTrayIcon.h"
#include <algorithm>

void RegisterSkinWindowClasses() {
    RegisterMDITabsBar();
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
    using T = TlxTrayIcon;
    RegisterClass<T>("TlxTrayIcon", "TComponent")
        .Property("DesignPreview", &T::DesignPreview, &T::SetDesignPreview)
        .ReferenceProperty("IconList", &T::IconList, &T::SetIconList)
        .Property("CycleIcons", &T::CycleIcons, &T::SetCycleIcons)
        .Property(
            "AnimateTimerInterval", [](T* t) { return static_cast<int>(t->AnimateTimerInterval()); },
            [](T* t, int v) { t->SetAnimateTimerInterval(static_cast<uint32_t>(std::max(v, 0))); })
        .Property("Enabled", &T::Enabled, &T::SetEnabled, true)
        .Property("Hint", &T::Hint, &T::SetHint)
        .Property("ShowHint", &T::ShowHint, &T::SetShowHint, true)
        .Property("IconVisible", &T::IconVisible, &T::SetIconVisible, true)
        .Property("IconIndex", &T::IconIndex, &T::SetIconIndex)
        .ReferenceProperty("PopupMenu", &T::PopupMenu, &T::SetPopupMenu)
        .Property("PopupByLeftButton", &T::PopupByLeftButton, &T::SetPopupByLeftButton)
        .Property("MinimizedOnStart", &T::MinimizedOnStart, &T::SetMinimizedOnStart)
        .Property("MinimizeToTray", &T::MinimizeToTray, &T::SetMinimizeToTray, true)
        .EventProperty("OnClick", &T::OnClick)
        .EventProperty("OnDblClick", &T::OnDblClick)
        .EventProperty("OnMouseDown", &T::OnMouseDown)
        .EventProperty("OnMouseUp", &T::OnMouseUp)
        .EventProperty("OnMouseMove", &T::OnMouseMove)
        .EventProperty("OnCycle", &T::OnCycle)
        .EventProperty("OnBalloonHintClick", &T::OnBalloonHintClick);
}
