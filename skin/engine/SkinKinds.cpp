#include "skin/engine/SkinKinds.h"

namespace {

template <typename Base, typename T> std::unique_ptr<Base> Make(const std::string& AIDName) {
    return std::make_unique<T>(AIDName);
}

const TlxSkinKind<TlxDataSkinControl> ControlKinds[] = {
    {"button", Make<TlxDataSkinControl, TlxDataSkinButtonControl>},
    {"menubutton", Make<TlxDataSkinControl, TlxDataSkinMenuButtonControl>},
    {"checkradio", Make<TlxDataSkinControl, TlxDataSkinCheckRadioControl>},
    {"panel", Make<TlxDataSkinControl, TlxDataSkinPanelControl>},
    {"expanel", Make<TlxDataSkinControl, TlxDataSkinExPanelControl>},
    {"label", Make<TlxDataSkinControl, TlxDataSkinLabelControl>},
    {"stdlabel", Make<TlxDataSkinControl, TlxDataSkinStdLabelControl>},
    {"gauge", Make<TlxDataSkinControl, TlxDataSkinGaugeControl>},
    {"splitter", Make<TlxDataSkinControl, TlxDataSkinSplitterControl>},
    {"trackbar", Make<TlxDataSkinControl, TlxDataSkinTrackBarControl>},
    {"controlbar", Make<TlxDataSkinControl, TlxDataSkinControlBar>},
    {"scrollbox", Make<TlxDataSkinControl, TlxDataSkinScrollBoxControl>},
    {"updown", Make<TlxDataSkinControl, TlxDataSkinUpDownControl>},
    {"bevel", Make<TlxDataSkinControl, TlxDataSkinBevel>},
    {"slider", Make<TlxDataSkinControl, TlxDataSkinSlider>},
    {"listbox", Make<TlxDataSkinControl, TlxDataSkinListBox>},
    {"checklistbox", Make<TlxDataSkinControl, TlxDataSkinCheckListBox>},
    {"combobox", Make<TlxDataSkinControl, TlxDataSkinComboBox>},
    {"edit", Make<TlxDataSkinControl, TlxDataSkinEditControl>},
    {"memo", Make<TlxDataSkinControl, TlxDataSkinMemoControl>},
    {"spinedit", Make<TlxDataSkinControl, TlxDataSkinSpinEditControl>},
    {"scrollbar", Make<TlxDataSkinControl, TlxDataSkinScrollBarControl>},
    {"tab", Make<TlxDataSkinControl, TlxDataSkinTabControl>},
    {"grid", Make<TlxDataSkinControl, TlxDataSkinGridControl>},
    {"mainmenubar", Make<TlxDataSkinControl, TlxDataSkinMainMenuBar>},
    {"treeview", Make<TlxDataSkinControl, TlxDataSkinTreeView>},
    {"listview", Make<TlxDataSkinControl, TlxDataSkinListView>},
    {"richedit", Make<TlxDataSkinControl, TlxDataSkinRichEdit>},
};

const TlxSkinKind<TlxDataSkinObject> ObjectKinds[] = {
    {"button", Make<TlxDataSkinObject, TlxDataSkinButton>},
    {"stdbutton", Make<TlxDataSkinObject, TlxDataSkinStdButton>},
    {"mainmenubarbutton", Make<TlxDataSkinObject, TlxDataSkinMainMenuBarButton>},
    {"caption", Make<TlxDataSkinObject, TlxDataSkinCaption>},
    {"animate", Make<TlxDataSkinObject, TlxDataSkinAnimate>},
    {"userobject", Make<TlxDataSkinObject, TlxDataUserObject>},
    {"menuitem", Make<TlxDataSkinObject, TlxDataSkinMenuItem>},
    {"mainmenubaritem", Make<TlxDataSkinObject, TlxDataSkinMainMenuBarItem>},
};

template <typename T>
std::unique_ptr<T> Create(std::span<const TlxSkinKind<T>> kinds, std::string_view kind,
                          const std::string& name) {
    for (const TlxSkinKind<T>& k : kinds)
        if (kind == k.Word) return k.Create(name);
    return nullptr;
}

} // namespace

std::span<const TlxSkinKind<TlxDataSkinControl>> SkinControlKinds() {
    return ControlKinds;
}
std::span<const TlxSkinKind<TlxDataSkinObject>> SkinObjectKinds() {
    return ObjectKinds;
}

std::unique_ptr<TlxDataSkinControl> CreateSkinControl(std::string_view Kind, const std::string& AIDName) {
    return Create(SkinControlKinds(), Kind, AIDName);
}

std::unique_ptr<TlxDataSkinObject> CreateSkinObject(std::string_view Kind, const std::string& AIDName) {
    return Create(SkinObjectKinds(), Kind, AIDName);
}
