#include "skin/engine/SkinRequiredNames.h"

#include "skin/engine/SkinKinds.h"
#include "skin/engine/SkinSizing.h"
#include "skin/engine/SkinValues.h"

#include <optional>

namespace {

template <typename T> bool IsA(const TlxSkinDescription& d) {
    return dynamic_cast<const T*>(&d) != nullptr;
}

constexpr TlxSkinListKind C = TlxSkinListKind::Control;
constexpr TlxSkinListKind O = TlxSkinListKind::Object;

// Grouped by the control family that looks the names up.
const TlxRequiredSkinName Names[] = {
    // push buttons, tool buttons and the buttons drawn inside other controls
    {"button", C, "button", true, IsA<TlxDataSkinButtonControl>},
    {"resizebutton", C, "button", true, IsA<TlxDataSkinButtonControl>},
    {"resizetoolbutton", C, "button", true, IsA<TlxDataSkinButtonControl>},
    {"toolbutton", C, "button", true, IsA<TlxDataSkinButtonControl>},
    {"bigtoolbutton", C, "button", true, IsA<TlxDataSkinButtonControl>},
    {"htracktoolbutton", C, "button", true, IsA<TlxDataSkinButtonControl>},
    {"vtracktoolbutton", C, "button", true, IsA<TlxDataSkinButtonControl>},
    {"menuitembutton", C, "button", true, IsA<TlxDataSkinButtonControl>},
    {"officequickbutton", C, "button", true, IsA<TlxDataSkinButtonControl>},
    {"combobutton", C, "button", true, IsA<TlxDataSkinButtonControl>},
    {"editbutton", C, "button", true, IsA<TlxDataSkinButtonControl>},
    {"toolmenubutton", C, "menubutton", true, IsA<TlxDataSkinMenuButtonControl>},
    {"toolmenutrackbutton", C, "menubutton", true, IsA<TlxDataSkinMenuButtonControl>},
    {"bigtoolmenubutton", C, "menubutton", true, IsA<TlxDataSkinMenuButtonControl>},
    {"bigtoolmenutrackbutton", C, "menubutton", true, IsA<TlxDataSkinMenuButtonControl>},
    // check boxes and radio buttons
    {"checkbox", C, "checkradio", true, IsA<TlxDataSkinCheckRadioControl>},
    {"radiobox", C, "checkradio", true, IsA<TlxDataSkinCheckRadioControl>},
    // labels and headers
    {"label", C, "label", true, IsA<TlxDataSkinLabelControl>},
    {"menuheader", C, "label", true, IsA<TlxDataSkinLabelControl>},
    {"statuspanel", C, "label", true, IsA<TlxDataSkinLabelControl>},
    {"stdlabel", C, "stdlabel", false, IsA<TlxDataSkinStdLabelControl>},
    // panels, group boxes and bars
    {"panel", C, "panel", true, IsA<TlxDataSkinPanelControl>},
    {"groupbox", C, "panel", true, IsA<TlxDataSkinPanelControl>},
    {"toolpanel", C, "panel", true, IsA<TlxDataSkinPanelControl>},
    {"resizetoolpanel", C, "panel", true, IsA<TlxDataSkinPanelControl>},
    {"bigtoolpanel", C, "panel", true, IsA<TlxDataSkinPanelControl>},
    {"statusbar", C, "panel", true, IsA<TlxDataSkinPanelControl>},
    {"scrollbox", C, "scrollbox", true, IsA<TlxDataSkinScrollBoxControl>},
    // scroll bars, splitters, bevels, up-down buttons, sliders
    {"hscrollbar", C, "scrollbar", true, IsA<TlxDataSkinScrollBarControl>},
    {"vscrollbar", C, "scrollbar", true, IsA<TlxDataSkinScrollBarControl>},
    {"bothhscrollbar", C, "scrollbar", true, IsA<TlxDataSkinScrollBarControl>},
    {"hsplitter", C, "splitter", true, IsA<TlxDataSkinSplitterControl>},
    {"vsplitter", C, "splitter", true, IsA<TlxDataSkinSplitterControl>},
    {"bevel", C, "bevel", false, IsA<TlxDataSkinBevel>},
    {"hupdown", C, "updown", true, IsA<TlxDataSkinUpDownControl>},
    {"vupdown", C, "updown", true, IsA<TlxDataSkinUpDownControl>},
    {"slider", C, "slider", false, IsA<TlxDataSkinSlider>},
    // edits, lists and views
    {"edit", C, "edit", true, IsA<TlxDataSkinEditControl>},
    {"buttonedit", C, "edit", true, IsA<TlxDataSkinEditControl>},
    {"memo", C, "memo", true, IsA<TlxDataSkinMemoControl>},
    {"listbox", C, "listbox", true, IsA<TlxDataSkinListBox>},
    {"combobox", C, "combobox", true, IsA<TlxDataSkinComboBox>},
    {"treeview", C, "treeview", false, IsA<TlxDataSkinTreeView>},
    {"listview", C, "listview", false, IsA<TlxDataSkinListView>},
    // tabs and the main menu bar
    {"tab", C, "tab", true, IsA<TlxDataSkinTabControl>},
    {"mainmenubar", C, "mainmenubar", true, IsA<TlxDataSkinMainMenuBar>},
    // the frame: caption, frame buttons, popup menu items
    {"caption", O, "caption", true, IsA<TlxDataSkinCaption>},
    {"closebutton", O, "stdbutton", true, IsA<TlxDataSkinStdButton>},
    {"maxbutton", O, "stdbutton", true, IsA<TlxDataSkinStdButton>},
    {"minbutton", O, "stdbutton", true, IsA<TlxDataSkinStdButton>},
    {"sysmenubutton", O, "stdbutton", true, IsA<TlxDataSkinStdButton>},
    {"menuitem", O, "menuitem", true, IsA<TlxDataSkinMenuItem>},
};

std::string Place(const std::string& name) {
    return "[" + name + "] ";
}

std::string SizeText(const TBitmap& b) {
    return std::to_string(b.Width()) + "x" + std::to_string(b.Height());
}

class Completeness {
public:
    explicit Completeness(const TlxSkinContent& content) : Content(content) {}

    std::vector<std::string> Problems;

    void Add(std::string problem) { Problems.push_back(std::move(problem)); }

    const TlxSkinDescription* Find(TlxSkinListKind list, const std::string& name) const {
        if (list == TlxSkinListKind::Control) {
            const int i = Content.GetControlIndex(name);
            return i < 0 ? nullptr : Content.CtrlList[size_t(i)].get();
        }
        const int i = Content.GetIndex(name);
        return i < 0 ? nullptr : Content.ObjectList[size_t(i)].get();
    }

    // A picture that exists and holds pixels, or a problem about it.
    bool Picture(const std::string& where, int index) {
        const TBitmap* b = Content.ActivePicture(index);
        if (!b || b->Empty()) {
            Add(where + "picture index " + std::to_string(index) + " names no picture with pixels");
            return false;
        }
        return true;
    }

    // Corner points inside an image of Size, in order, with parts between
    // them to tile, and a client rectangle inside the image.
    void Geometry(const std::string& where, const TlxSkinGeometry& g, bool client) {
        const int w = g.SkinRect.Width(), h = g.SkinRect.Height();
        for (const TPoint& p : {g.LTPt, g.RTPt, g.LBPt, g.RBPt})
            if (p.X > w || p.Y > h) {
                Add(where + "the corner point " + PointText(p) + " lies outside the " + std::to_string(w) +
                    "x" + std::to_string(h) + " image");
                return;
            }
        switch (g.ResizeMode()) {
        case TlxResizeMode::Both:
            if (g.LTPt.X >= g.RTPt.X || g.LBPt.X >= g.RBPt.X || g.LTPt.Y >= g.LBPt.Y || g.RTPt.Y >= g.RBPt.Y)
                Add(where + "the corner points " + PointText(g.LTPt) + " " + PointText(g.RTPt) + " " +
                    PointText(g.LBPt) + " " + PointText(g.RBPt) + " cross or leave no part to tile");
            if (client && (g.ClRect.IsEmpty() || g.ClRect.Right > w || g.ClRect.Bottom > h))
                Add(where + "the client rectangle is empty or leaves the image");
            break;
        case TlxResizeMode::Horizontal:
            if (g.LTPt.X >= g.RTPt.X) Add(where + "the left and right points leave no part to tile");
            break;
        case TlxResizeMode::Vertical:
            if (g.LTPt.Y >= g.LBPt.Y) Add(where + "the top and bottom points leave no part to tile");
            break;
        default:
            break;
        }
    }

    void Control(const TlxDataSkinControl& c) {
        const std::string where = Place(c.IDName);
        if (c.SkinRect.IsEmpty()) {
            Add(where + "the skin rectangle is empty");
            return;
        }
        if (!Picture(where, c.PictureIndex)) return;
        if (c.MaskPictureIndex != -1) {
            const TBitmap* mask = Content.ActivePicture(c.MaskPictureIndex);
            if (mask && !mask->Empty() &&
                (mask->Width() != c.SkinRect.Width() || mask->Height() != c.SkinRect.Height()))
                Add(where + "the mask picture is " + SizeText(*mask) + ", the skin rectangle " +
                    std::to_string(c.SkinRect.Width()) + "x" + std::to_string(c.SkinRect.Height()));
        }
        const auto* custom = dynamic_cast<const TlxDataSkinCustomControl*>(&c);
        if (!custom) return;
        Geometry(where, TlxSkinGeometry::Of(*custom), true);
        // The state images are drawn with the normal image's geometry.
        TlxFieldList fields = const_cast<TlxDataSkinCustomControl*>(custom)->Fields();
        for (const TlxField& f : fields) {
            const std::string name = f.Name;
            if (f.Type != TlxFieldType::Rect || (name != "ActiveSkinRect" && name != "DownSkinRect" &&
                                                 name != "DisabledSkinRect" && name != "FocusedSkinRect"))
                continue;
            const TRect& r = f.As<TRect>();
            if (!r.IsEmpty() && (r.Width() != c.SkinRect.Width() || r.Height() != c.SkinRect.Height()))
                Add(where + f.Key + " is " + std::to_string(r.Width()) + "x" + std::to_string(r.Height()) +
                    ", the skin rectangle " + std::to_string(c.SkinRect.Width()) + "x" +
                    std::to_string(c.SkinRect.Height()));
        }
    }

    void Object(const TlxDataSkinObject& o) {
        const std::string where = Place(o.IDName);
        if (o.SkinRect.IsEmpty()) Add(where + "the skin rectangle is empty");
        if ((o.SkinRectInAPicture || o.ActivePictureIndex != -1) && !Picture(where, o.ActivePictureIndex))
            return;
    }

    // A name a description holds, which the control that uses it looks up.
    template <typename T>
    void Reference(const std::string& owner, const char* field, const std::string& name, TlxSkinListKind list,
                   const char* what) {
        if (name.empty()) return;
        const TlxSkinDescription* d = Find(list, name);
        if (!d || !IsA<T>(*d))
            Add(Place(owner) + field + " \"" + name + "\" names no " + what + " description");
    }

    void References() {
        for (const auto& c : Content.CtrlList) {
            if (auto* l = dynamic_cast<const TlxDataSkinListBox*>(c.get())) {
                Reference<TlxDataSkinScrollBarControl>(l->IDName, "hscrollbarname", l->HScrollBarName, C,
                                                       "scroll bar");
                Reference<TlxDataSkinScrollBarControl>(l->IDName, "vscrollbarname", l->VScrollBarName, C,
                                                       "scroll bar");
                Reference<TlxDataSkinScrollBarControl>(l->IDName, "bothhscrollbarname", l->BothScrollBarName,
                                                       C, "scroll bar");
            } else if (auto* b = dynamic_cast<const TlxDataSkinComboBox*>(c.get())) {
                Reference<TlxDataSkinListBox>(b->IDName, "listboxname", b->ListBoxName, C, "list box");
            } else if (auto* t = dynamic_cast<const TlxDataSkinTabControl*>(c.get())) {
                Reference<TlxDataSkinUpDownControl>(t->IDName, "updown", t->UpDown, C, "up-down");
            } else if (auto* m = dynamic_cast<const TlxDataSkinMainMenuBar*>(c.get())) {
                Reference<TlxDataSkinMainMenuItem>(m->IDName, "menubaritem", m->MenuBarItem, O,
                                                   "main menu item");
                for (auto [field, name] : {std::pair{"closebutton", &m->CloseButton},
                                           {"maxbutton", &m->MaxButton},
                                           {"minbutton", &m->MinButton},
                                           {"sysmenubutton", &m->SysMenuButton}})
                    Reference<TlxDataSkinStdButton>(m->IDName, field, *name, O, "frame button");
            }
        }
    }

    // The whole picture of a popup or hint window, spread by its corner points.
    template <typename W> void WindowPicture(const std::string& section, const W& w, const TRect& client) {
        if (!Picture("[" + section + "] windowpictureindex: ", w.WindowPictureIndex)) return;
        const TBitmap* b = Content.ActivePicture(w.WindowPictureIndex);
        TlxSkinGeometry g;
        g.SkinRect = {0, 0, b->Width(), b->Height()};
        g.LTPt = w.LTPoint, g.RTPt = w.RTPoint, g.LBPt = w.LBPoint, g.RBPt = w.RBPoint;
        g.ClRect = client;
        Geometry("[" + section + "] ", g, true);
    }

    void Whole() {
        const TBitmap& frame = *Content.FPicture;
        if (frame.Empty()) {
            Add("[PICTURES] picture: the skin has no frame picture");
        } else {
            TlxSkinGeometry g;
            g.SkinRect = {0, 0, frame.Width(), frame.Height()};
            g.LTPt = Content.LTPoint, g.RTPt = Content.RTPoint, g.LBPt = Content.LBPoint,
            g.RBPt = Content.RBPoint;
            g.ClRect = Content.ClRect;
            Geometry("[FORMINFO] ", g, true);
            for (auto [key, r] :
                 {std::pair{"captionrect", Content.CaptionRect}, {"buttonsrect", Content.ButtonsRect}})
                if (r.IsEmpty()) Add(std::string("[FORMINFO] ") + key + ": empty");
            if (!Content.FMask->Empty() &&
                (Content.FMask->Width() != frame.Width() || Content.FMask->Height() != frame.Height()))
                Add("[PICTURES] mask: the mask is " + SizeText(*Content.FMask) + ", the frame picture " +
                    SizeText(frame));
        }
        if (Content.FInActivePicture->Empty())
            Add("[PICTURES] inactivepicture: the skin has no inactive frame picture");
        else if (!frame.Empty() && (Content.FInActivePicture->Width() != frame.Width() ||
                                    Content.FInActivePicture->Height() != frame.Height()))
            Add("[PICTURES] inactivepicture: the inactive frame picture is " +
                SizeText(*Content.FInActivePicture) + ", the frame picture " + SizeText(frame));
        Picture("[FORMINFO] bgpictureindex: ", Content.BGPictureIndex);
        WindowPicture("POPUPWINDOW", *Content.PopupWindow, Content.PopupWindow->ItemsRect);
        WindowPicture("HINTWINDOW", *Content.HintWindow, Content.HintWindow->ClRect);
        for (const TlxField& f : Content.SkinColors()->Fields())
            if (f.Type == TlxFieldType::Color && f.As<TColor>() < 0)
                Add("[SKINCOLORS] " + f.Key + ": a system colour; the skin sets its own");
        for (size_t i = 0; i < Content.FActivePictures.size(); ++i)
            if (!Content.FActivePictures[i] || Content.FActivePictures[i]->Empty())
                Add("[PICTURES] " + std::to_string(i) + ": picture " + std::to_string(i) + " is empty");
    }

private:
    const TlxSkinContent& Content;
};

} // namespace

std::span<const TlxRequiredSkinName> RequiredSkinNames() {
    return Names;
}

std::vector<std::string> CheckSkinCompleteness(const TlxSkinContent& Content) {
    Completeness check(Content);
    for (const TlxRequiredSkinName& n : Names) {
        const TlxSkinDescription* d = check.Find(n.List, n.Name);
        const std::string list = n.List == C ? "SKINCONTROLS" : "SKINOBJECTS";
        if (!d) {
            check.Add("[" + list + "] no description named \"" + std::string(n.Name) + "\" (kind " + n.Kind +
                      ")");
            continue;
        }
        if (!n.IsExpected(*d)) {
            check.Add(Place(n.Name) + "is of kind \"" + d->KindWord() + "\"; the program reads it as \"" +
                      n.Kind + "\"");
            continue;
        }
        if (!n.Drawn) continue;
        if (n.List == C)
            check.Control(static_cast<const TlxDataSkinControl&>(*d));
        else
            check.Object(static_cast<const TlxDataSkinObject&>(*d));
    }
    check.References();
    check.Whole();
    return check.Problems;
}
