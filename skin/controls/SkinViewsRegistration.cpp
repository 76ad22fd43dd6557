#include "skin/controls/SkinViewsRegistration.h"

#include "platform/vcl/TClassRegistry.h"
#include "skin/controls/TlxSkinCustomListView.h"
#include "skin/controls/TlxSkinCustomTreeView.h"
#include "skin/controls/TlxSkinPageControl.h"
#include "skin/controls/TlxSkinTabSheet.h"

namespace {

// The skin, font, colour and bar properties both views publish.
template <class T> void ViewProperties(TClassBuilder<T>& B, const char* DefaultName) {
    B.ReferenceProperty("SkinData", &T::SkinData, &T::SetSkinData)
        .Property("SkinDataName", &T::SkinDataName, &T::SetSkinDataName, std::string(DefaultName))
        .ObjectProperty("DefaultFont", &T::DefaultFont)
        .ColorProperty("DefaultColor", &T::DefaultColor, &T::SetDefaultColor, clWindow)
        .Property("UseSkinFont", &T::UseSkinFont, &T::SetUseSkinFont, true)
        .ReferenceProperty("VScrollBar", &T::VScrollBar, &T::SetVScrollBar)
        .ReferenceProperty("HScrollBar", &T::HScrollBar, &T::SetHScrollBar);
}

} // namespace

void RegisterSkinViewClasses() {
    auto tree = RegisterClass<TlxSkinCustomTreeView>("TlxSkinCustomTreeView", "TCustomTreeView");
    ViewProperties(tree, "treeview");
    auto list = RegisterClass<TlxSkinCustomListView>("TlxSkinCustomListView", "TCustomListView");
    ViewProperties(list, "listview");
    list.Property("HeaderSkinDataName", &TlxSkinCustomListView::HeaderSkinDataName,
                  &TlxSkinCustomListView::SetHeaderSkinDataName, std::string("resizetoolbutton"));
    RegisterClass<TlxSkinListView>("TlxSkinListView", "TlxSkinCustomListView");

    RegisterClass<TlxSkinCustomTabSheet>("TlxSkinCustomTabSheet", "TTabSheet")
        .ObjectProperty("WallPaper", &TlxSkinCustomTabSheet::WallPaper);
    RegisterClass<TlxSkinTabSheet>("TlxSkinTabSheet", "TlxSkinCustomTabSheet");
    using P = TlxSkinPageControl;
    // Defaults are the constructor's, so every other value is stored.
    RegisterClass<P>("TlxSkinPageControl", "TPageControl")
        .Property("MouseWheelSupport", &P::MouseWheelSupport, &P::SetMouseWheelSupport)
        .Property("TabExtededDraw", &P::TabExtededDraw, &P::SetTabExtededDraw)
        .Property("TabMargin", &P::TabMargin, &P::SetTabMargin, -1)
        .Property("TabSpacing", &P::TabSpacing, &P::SetTabSpacing, 1)
        .Property("TabLayout", &P::TabLayout, &P::SetTabLayout, blGlyphLeft)
        .Property("TextInHorizontal", &P::TextInHorizontal, &P::SetTextInHorizontal)
        .EventProperty("OnClose", &P::OnClose)
        .EventProperty("OnAfterClose", &P::OnAfterClose)
        .Property("FreeOnClose", &P::FreeOnClose, &P::SetFreeOnClose)
        .Property("ShowCloseButtons", &P::ShowCloseButtons, &P::SetShowCloseButtons)
        .Property("TabsBGTransparent", &P::TabsBGTransparent, &P::SetTabsBGTransparent)
        .EventProperty("OnDrawSkinTab", &P::OnDrawSkinTab)
        .ReferenceProperty("Images", &P::Images, &P::SetImages)
        .Property("TabsInCenter", &P::TabsInCenter, &P::SetTabsInCenter)
        .Property("TabsOffset", &P::TabsOffset, &P::SetTabsOffset)
        .ReferenceProperty("SkinData", &P::SkinData, &P::SetSkinData)
        .Property("SkinDataName", &P::SkinDataName, &P::SetSkinDataName, std::string("tab"))
        .ObjectProperty("DefaultFont", &P::DefaultFont)
        .Property("UseSkinFont", &P::UseSkinFont, &P::SetUseSkinFont, true)
        .Property("DefaultItemHeight", &P::DefaultItemHeight, &P::SetDefaultItemHeight, 20);
}
