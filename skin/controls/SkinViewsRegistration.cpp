#include "skin/controls/SkinViewsRegistration.h"

#include "platform/vcl/TClassRegistry.h"
#include "skin/controls/TlxSkinCustomListView.h"
#include "skin/controls/TlxSkinCustomTreeView.h"

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
}
