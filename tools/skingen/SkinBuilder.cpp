#include "SkinBuilder.h"

#include "platform/base/Exception.h"
#include "skin/engine/SkinRequiredNames.h"

#include <algorithm>
#include <cstdio>
#include <memory>

namespace {

using TArrow = TSkinPainter::TArrow;

// Places cells left to right in rows of a fixed width, one pixel apart so
// that no image bleeds into its neighbour when it is stretched.
class TAtlas {
public:
    static constexpr int Width = 512;
    static constexpr int MaxHeight = 2048;
    TRect Take(int w, int h) {
        if (X + w > Width) {
            X = 0;
            Y += Row + 1;
            Row = 0;
        }
        if (Y + h > MaxHeight) throw Exception("the control pictures do not fit the atlas");
        TRect r{X, Y, X + w, Y + h};
        X += w + 1;
        Row = std::max(Row, h);
        return r;
    }
    int Height() const { return Y + Row; }

private:
    int X = 0, Y = 0, Row = 0;
};

// The four looks of a pressable surface.
struct TStates {
    TBoxStyle Normal, Hot, Down, Disabled, Focused;
};

// The nine-part geometry of an image whose corners take Corner pixels,
// every part stretched.
void Nine(TlxDataSkinCustomControl& c, const TRect& skin, int corner) {
    const int w = skin.Width(), h = skin.Height();
    // A part to stretch stays between the corners.
    corner = std::min(corner, (std::min(w, h) - 1) / 2);
    c.SkinRect = skin;
    c.LTPoint = {corner, corner};
    c.RTPoint = {w - corner, corner};
    c.LBPoint = {corner, h - corner};
    c.RBPoint = {w - corner, h - corner};
    c.ClRect = {corner, corner, w - corner, h - corner};
    c.LeftStretch = c.TopStretch = c.RightStretch = c.BottomStretch = true;
    c.StretchEffect = true;
    c.StretchType = lxstFull;
}

// A strip of fixed height whose ends take End pixels and whose middle stretches.
void HorizontalStrip(TlxDataSkinCustomControl& c, const TRect& skin, int end) {
    c.SkinRect = skin;
    c.LTPoint = {end, 0};
    c.RTPoint = {skin.Width() - end, 0};
    c.LBPoint = c.RBPoint = {0, 0};
    c.ClRect = {end, 0, skin.Width() - end, skin.Height()};
    c.TopStretch = c.BottomStretch = true;
    c.StretchEffect = true;
    c.StretchType = lxstHorz;
}

void VerticalStrip(TlxDataSkinCustomControl& c, const TRect& skin, int end) {
    c.SkinRect = skin;
    c.LTPoint = {0, end};
    c.LBPoint = {0, skin.Height() - end};
    c.RTPoint = c.RBPoint = {0, 0};
    c.ClRect = {0, end, skin.Width(), skin.Height() - end};
    c.LeftStretch = c.RightStretch = true;
    c.StretchEffect = true;
    c.StretchType = lxstVert;
}

// A window picture (popup menu, hint) of w x h whose corners take Corner
// pixels and whose sides and middle stretch.
template <typename W> void SpreadWindow(W& window, int picture, int w, int h, int corner) {
    window.WindowPictureIndex = picture;
    window.LTPoint = {corner, corner};
    window.RTPoint = {w - corner, corner};
    window.LBPoint = {corner, h - corner};
    window.RBPoint = {w - corner, h - corner};
    window.LeftStretch = window.TopStretch = window.RightStretch = window.BottomStretch = true;
    window.StretchEffect = true;
}

class TBuilder {
public:
    TBuilder(const TSkinDefinition& d, TlxSkinContent& content) : D(d), Content(content) {
        Atlas.SetSize(TAtlas::Width, TAtlas::MaxHeight);
        Atlas.Fill(0xFF000000u | D.Face);
        CheckContrast();
        Buttons = MakeStates(D.ButtonTop, D.ButtonBottom, D.ButtonBorder, D.Radius);
        Flat = MakeStates(D.Face, D.Face, D.Face, D.Radius);
        // A tool button lies flat on its bar until the pointer comes.
        Flat.Normal.InnerAmount = Flat.Normal.GlossAmount = 0;
        Flat.Disabled.InnerAmount = Flat.Disabled.GlossAmount = 0;
        Flat.Hot = Buttons.Hot;
        Flat.Down = Buttons.Down;
        Flat.Focused = Buttons.Hot;
    }

    void Build();

private:
    const TSkinDefinition& D;
    TlxSkinContent& Content;
    TBitmap Atlas;
    TAtlas Cells;
    TStates Buttons, Flat;

    bool Dark() const { return Luminance(D.Face) < 0.2; }
    bool HighContrast() const { return D.Face == 0x000000; }

    void Need(const char* what, TRgb text, TRgb back) {
        if (Contrast(text, back) < 4.5) {
            char ratio[16];
            std::snprintf(ratio, sizeof ratio, "%.2f", Contrast(text, back));
            throw Exception(std::string(D.Name) + ": " + what + " reads at " + ratio + ":1");
        }
    }

    void CheckContrast() {
        Need("the text on the face", D.Text, D.Face);
        Need("the text on a button", D.Text, Mix(D.ButtonTop, D.ButtonBottom, 0.5));
        Need("the text on a button's bottom", D.Text, D.ButtonBottom);
        Need("the window text", D.WindowText, D.Window);
        Need("the selected text", D.AccentText, D.Accent);
        Need("the caption", D.CaptionText, D.CaptionTop);
        Need("the caption's bottom", D.CaptionText, D.CaptionBottom);
        Need("the text on a hot button", D.Text, Mix(Mix(D.ButtonTop, D.ButtonBottom, 0.5), D.Accent, 0.12));
        Need("the text of a hot menu item", D.WindowText, Mix(D.Window, D.Accent, 0.16));
    }

    TStates MakeStates(TRgb top, TRgb bottom, TRgb border, int radius) const {
        TStates s;
        s.Normal = {top, bottom, border, 0xFFFFFF, D.Gloss * 0.6, 0xFFFFFF, Dark() ? 0.06 : 0.5, radius};
        if (HighContrast()) s.Normal.InnerAmount = 0;
        s.Hot = s.Normal;
        s.Hot.Top = Mix(top, D.Accent, 0.12);
        s.Hot.Bottom = Mix(bottom, D.Accent, 0.12);
        s.Hot.Border = Mix(border, D.Accent, 0.7);
        s.Down = s.Normal;
        s.Down.Top = Mix(Darker(bottom, Dark() ? 0.15 : 0.06), D.Accent, 0.14);
        s.Down.Bottom = Mix(top, D.Accent, 0.10);
        s.Down.Border = D.Accent;
        s.Down.GlossAmount = 0;
        s.Down.InnerAmount = 0;
        s.Disabled = s.Normal;
        s.Disabled.Top = Mix(top, D.Face, 0.6);
        s.Disabled.Bottom = Mix(bottom, D.Face, 0.6);
        s.Disabled.Border = Mix(border, D.Face, 0.55);
        s.Disabled.GlossAmount = 0;
        s.Focused = s.Normal;
        s.Focused.Border = D.Accent;
        s.Focused.Inner = D.Accent;
        s.Focused.InnerAmount = 0.35;
        if (HighContrast()) {
            s.Hot.Top = s.Hot.Bottom = 0x000000;
            s.Down.Top = s.Down.Bottom = 0x2A2A2A;
            s.Disabled.Border = 0x808080;
        }
        return s;
    }

    TRect Draw(int w, int h, const TBoxStyle& style) {
        const TRect r = Cells.Take(w, h);
        Paint().Box(r, style);
        return r;
    }

    TRect Cell(int w, int h) { return Cells.Take(w, h); }

    TSkinPainter Paint() { return TSkinPainter(Atlas, D.GlyphWeight); }

    template <typename T> T& Control(const char* name) {
        auto c = std::make_unique<T>(name);
        T& ref = *c;
        ref.PictureIndex = 0;
        Content.CtrlList.push_back(std::move(c));
        return ref;
    }
    template <typename T> T& Object(const char* name) {
        auto o = std::make_unique<T>(name);
        T& ref = *o;
        Content.ObjectList.push_back(std::move(o));
        return ref;
    }

    template <typename T> void Font(T& c, TRgb color) {
        c.FontName = D.Font;
        c.FontHeight = D.FontHeight;
        c.FontColor = ToColor(color);
    }

    TRgb Disabled(TRgb text, TRgb back) const { return Mix(text, back, 0.55); }

    void PushButtons();
    void MenuButtons();
    void CheckBoxes();
    void Labels();
    void Panels();
    void ScrollBars();
    void SmallControls();
    void Edits();
    void Lists();
    void Tabs();
    void Frame();
    void Menus();
    void Windows();
    void Colors();
};

// ---- buttons

void TBuilder::PushButtons() {
    struct Kind {
        const char* name;
        const TStates* states;
        int w, h;
    };
    const Kind kinds[] = {
        {"button", &Buttons, 64, 26},         {"resizebutton", &Buttons, 40, 22},
        {"resizetoolbutton", &Flat, 40, 24},  {"toolbutton", &Flat, 40, 26},
        {"bigtoolbutton", &Flat, 56, 52},     {"htracktoolbutton", &Flat, 40, 15},
        {"vtracktoolbutton", &Flat, 15, 40},  {"menuitembutton", &Buttons, 40, 22},
        {"officequickbutton", &Flat, 40, 22}, {"combobutton", &Buttons, 18, 20},
        {"editbutton", &Buttons, 18, 20},
    };
    for (const Kind& k : kinds) {
        auto& b = Control<TlxDataSkinButtonControl>(k.name);
        const int corner = std::max(D.Radius, 2) + 1;
        TBoxStyle normal = k.states->Normal, hot = k.states->Hot, down = k.states->Down;
        TBoxStyle disabled = k.states->Disabled, focused = k.states->Focused;
        for (TBoxStyle* s : {&normal, &hot, &down, &disabled, &focused})
            s->Radius = std::min(s->Radius, std::min(k.w, k.h) / 3);
        Nine(b, Draw(k.w, k.h, normal), corner);
        b.ActiveSkinRect = Draw(k.w, k.h, hot);
        b.DownSkinRect = Draw(k.w, k.h, down);
        b.DisabledSkinRect = Draw(k.w, k.h, disabled);
        b.FocusedSkinRect = Draw(k.w, k.h, focused);
        // The controls draw the arrow over the button image themselves.
        Font(b, D.Text);
        b.ActiveFontColor = ToColor(D.Text);
        b.DownFontColor = ToColor(D.Text);
        b.DisabledFontColor = ToColor(Disabled(D.Text, D.Face));
        b.ShowFocus = true;
        b.Morphing = D.Gloss > 0.4;
        b.MorphKind = mkDefault;
    }
}

void TBuilder::MenuButtons() {
    for (const char* name :
         {"toolmenubutton", "toolmenutrackbutton", "bigtoolmenubutton", "bigtoolmenutrackbutton"}) {
        const bool big = name[0] == 'b';
        const int w = big ? 56 : 52, h = big ? 52 : 26;
        auto& b = Control<TlxDataSkinMenuButtonControl>(name);
        const int corner = std::max(D.Radius, 2) + 1;
        Nine(b, Draw(w, h, Flat.Normal), corner);
        b.ActiveSkinRect = Draw(w, h, Flat.Hot);
        b.DownSkinRect = Draw(w, h, Flat.Down);
        b.DisabledSkinRect = Draw(w, h, Flat.Disabled);
        b.FocusedSkinRect = Draw(w, h, Flat.Focused);
        b.TrackButtonRect = Draw(15, h, Flat.Hot);
        Paint().Arrow(b.TrackButtonRect, TArrow::Down, 7, D.Text);
        Font(b, D.Text);
        b.ActiveFontColor = b.DownFontColor = ToColor(D.Text);
        b.DisabledFontColor = ToColor(Disabled(D.Text, D.Face));
    }
}

// ---- check boxes and radio buttons

void TBuilder::CheckBoxes() {
    const TRgb box = D.Window, border = Mix(D.ButtonBorder, D.Text, 0.25);
    for (bool radio : {false, true}) {
        auto& c = Control<TlxDataSkinCheckRadioControl>(radio ? "radiobox" : "checkbox");
        const TRect strip = Cell(120, 20);
        Paint().Fill(strip, D.Face);
        HorizontalStrip(c, strip, 20);
        c.CheckImageArea = {2, 3, 16, 17};
        c.TextArea = {20, 0, 120, 20};
        c.ActiveSkinRect = strip;
        auto mark = [&](bool checked, bool active, bool enabled, bool grayed) {
            const TRect r = Cell(14, 14);
            const TRgb edge = !enabled ? Mix(border, D.Face, 0.5) : active ? D.Accent : border;
            const TRgb fill = checked && enabled && !HighContrast() ? D.Accent
                              : enabled                             ? box
                                                                    : Mix(box, D.Face, 0.5);
            const TRgb tick = checked && enabled && !HighContrast() ? D.AccentText
                              : enabled                             ? D.Accent
                                                                    : Mix(D.Text, D.Face, 0.5);
            TSkinPainter p = Paint();
            if (radio) {
                p.Disc(r.Left + 7, r.Top + 7, 6.5, edge);
                p.Disc(r.Left + 7, r.Top + 7, 5.5, checked || grayed ? fill : box);
                if (checked) p.Disc(r.Left + 7, r.Top + 7, 2.6, tick);
            } else {
                TBoxStyle s{fill, fill, edge, 0, 0, 0, 0, std::min(D.Radius, 3)};
                if (grayed) s.Top = s.Bottom = box;
                p.Box(r, s);
                if (checked) p.Check(r, tick);
                if (grayed) p.Fill({r.Left + 4, r.Top + 4, r.Right - 4, r.Bottom - 4}, edge);
            }
            return r;
        };
        c.CheckImageRect = mark(true, false, true, false);
        c.UnCheckImageRect = mark(false, false, true, false);
        c.ActiveCheckImageRect = mark(true, true, true, false);
        c.ActiveUnCheckImageRect = mark(false, true, true, false);
        c.UnEnabledCheckImageRect = mark(true, false, false, false);
        c.UnEnabledUnCheckImageRect = mark(false, false, false, false);
        c.GrayedCheckImageRect = mark(false, false, true, true);
        c.ActiveGrayedCheckImageRect = mark(false, true, true, true);
        Font(c, D.Text);
        c.ActiveFontColor = ToColor(D.Text);
        c.UnEnabledFontColor = ToColor(Disabled(D.Text, D.Face));
        c.FrameFontColor = ToColor(D.CaptionText);
    }
}

// ---- labels

void TBuilder::Labels() {
    {
        auto& l = Control<TlxDataSkinLabelControl>("label");
        const TRect r = Cell(40, 20);
        Paint().Fill(r, D.Face);
        HorizontalStrip(l, r, 2);
        Font(l, D.Text);
    }
    {
        auto& l = Control<TlxDataSkinLabelControl>("menuheader");
        const TRect r = Cell(40, 20);
        const TRgb band = Mix(D.Window, D.Accent, 0.10);
        Paint().Fill(r, band);
        Paint().Fill({r.Left, r.Bottom - 1, r.Right, r.Bottom}, Mix(band, D.Accent, 0.5));
        HorizontalStrip(l, r, 2);
        Font(l, D.WindowText);
        l.FontStyle = TFontStyles{fsBold};
    }
    {
        auto& l = Control<TlxDataSkinLabelControl>("statuspanel");
        const TRect r = Cell(40, 20);
        TBoxStyle s{
            Darker(D.Face, Dark() ? 0.0 : 0.02), D.Face, Mix(D.Face, D.ButtonBorder, 0.6), 0, 0, 0, 0, 2};
        Paint().Box(r, s);
        Nine(l, r, 3);
        Font(l, D.Text);
    }
    auto& s = Control<TlxDataSkinStdLabelControl>("stdlabel");
    s.PictureIndex = -1;
    Font(s, D.Text);
    s.ActiveFontColor = ToColor(HighContrast() ? D.Accent : D.Text);
}

// ---- panels

void TBuilder::Panels() {
    const TRgb line = Mix(D.Face, D.ButtonBorder, 0.55);
    auto panel = [&](const char* name, const TRect& r, int corner) -> TlxDataSkinPanelControl& {
        auto& p = Control<TlxDataSkinPanelControl>(name);
        Nine(p, r, corner);
        Font(p, D.Text);
        return p;
    };
    panel("panel", Draw(48, 48, {D.Face, D.Face, line, 0, 0, 0, 0, 0}), 2);
    {
        const TRect r = Cell(64, 64);
        const TRgb head = Mix(D.Face, D.Accent, 0.08);
        Paint().Box({r.Left, r.Top + 8, r.Right, r.Bottom}, {D.Face, D.Face, line, 0, 0, 0, 0, D.Radius});
        Paint().Fill({r.Left + 8, r.Top, r.Right - 8, r.Top + 17}, D.Face);
        Paint().Fill({r.Left + 8, r.Top + 17, r.Right - 8, r.Top + 18}, Mix(head, D.Accent, 0.4));
        auto& g = panel("groupbox", r, 0);
        g.LTPoint = {10, 22};
        g.RTPoint = {54, 22};
        g.LBPoint = {10, 56};
        g.RBPoint = {54, 56};
        g.ClRect = {10, 22, 54, 56};
        g.CaptionRect = {10, 0, 54, 18};
        g.Alignment = taLeftJustify;
        g.FontStyle = TFontStyles{fsBold};
    }
    const TRgb barTop = Dark() ? Lighter(D.Face, 0.06) : Lighter(D.Face, 0.6);
    const TRgb barBottom = Dark() ? D.Face : Darker(D.Face, 0.03);
    for (const char* name : {"toolpanel", "resizetoolpanel", "bigtoolpanel"}) {
        const bool big = name[0] == 'b';
        const TRect r = Cell(48, big ? 60 : 32);
        Paint().VerticalGradient(r, barTop, barBottom);
        Paint().Fill({r.Left, r.Bottom - 1, r.Right, r.Bottom}, line);
        panel(name, r, 2);
    }
    {
        const TRect r = Cell(48, 24);
        Paint().Fill(r, Mix(D.Face, D.ButtonBorder, 0.12));
        Paint().Fill({r.Left, r.Top, r.Right, r.Top + 1}, line);
        panel("statusbar", r, 2);
    }
    auto& box = Control<TlxDataSkinScrollBoxControl>("scrollbox");
    Nine(box, Draw(48, 48, {D.Window, D.Window, line, 0, 0, 0, 0, 0}), 2);
}

// ---- scroll bars, splitters, up-down buttons, the slider and the bevel

void TBuilder::ScrollBars() {
    const TRgb track = Mix(D.Face, D.Window, Dark() ? 0.6 : 0.4);
    const TRgb thumb = Mix(D.ButtonBorder, D.Face, Dark() ? 0.2 : 0.35);
    for (const char* name : {"hscrollbar", "vscrollbar", "bothhscrollbar"}) {
        const bool v = name[0] == 'v';
        auto& s = Control<TlxDataSkinScrollBarControl>(name);
        const int t = 17, len = 60;
        const TRect r = v ? Cell(t, len) : Cell(len, t);
        Paint().Fill(r, track);
        if (v) {
            VerticalStrip(s, r, t);
            s.TrackArea = {0, t, t, len - t};
        } else {
            HorizontalStrip(s, r, t);
            s.TrackArea = {t, 0, len - t, t};
        }
        auto arrowButton = [&](TArrow a, const TBoxStyle* style) {
            const TRect c = Cell(t, t);
            Paint().Fill(c, track);
            if (style) Paint().Box(c, *style);
            Paint().Arrow(c, a, 7, style == &Buttons.Down ? D.Accent : D.Text);
            return c;
        };
        const TArrow up = v ? TArrow::Up : TArrow::Left, down = v ? TArrow::Down : TArrow::Right;
        s.UpButtonRect = arrowButton(up, nullptr);
        s.ActiveUpButtonRect = arrowButton(up, &Buttons.Hot);
        s.DownUpButtonRect = arrowButton(up, &Buttons.Down);
        s.DownButtonRect = arrowButton(down, nullptr);
        s.ActiveDownButtonRect = arrowButton(down, &Buttons.Hot);
        s.DownDownButtonRect = arrowButton(down, &Buttons.Down);
        auto thumbImage = [&](TRgb color) {
            const TRect c = v ? Cell(t, 30) : Cell(30, t);
            Paint().Fill(c, track);
            const TRect inner = v ? TRect{c.Left + 3, c.Top + 1, c.Right - 3, c.Bottom - 1}
                                  : TRect{c.Left + 1, c.Top + 3, c.Right - 1, c.Bottom - 3};
            Paint().Box(inner, {color, color, color, 0, 0, 0, 0, std::min(D.Radius, 5)});
            return c;
        };
        s.ThumbRect = thumbImage(thumb);
        s.ActiveThumbRect = thumbImage(Mix(thumb, D.Accent, 0.45));
        s.DownThumbRect = thumbImage(D.Accent);
        s.ThumbOffset1 = s.ThumbOffset2 = 6;
        s.ThumbStretchEffect = true;
        s.ThumbMinSize = 16;
        s.ThumbMinPageSize = 8;
    }
}

void TBuilder::SmallControls() {
    const TRgb line = Mix(D.Face, D.ButtonBorder, 0.55);
    for (const char* name : {"hsplitter", "vsplitter"}) {
        const bool h = name[0] == 'h';
        auto& s = Control<TlxDataSkinSplitterControl>(name);
        const TRect r = h ? Cell(40, 6) : Cell(6, 40);
        Paint().Fill(r, D.Face);
        if (h)
            HorizontalStrip(s, r, 2);
        else
            VerticalStrip(s, r, 2);
        s.GripperRect = h ? Cell(20, 6) : Cell(6, 20);
        Paint().Fill(s.GripperRect, D.Face);
        Paint().Grip(s.GripperRect, h, Lighter(D.Face, 0.5), Mix(D.Face, D.Text, 0.45));
    }
    auto& bevel = Control<TlxDataSkinBevel>("bevel");
    bevel.PictureIndex = -1;
    bevel.LightColor = ToColor(Dark() ? Lighter(D.Face, 0.12) : Lighter(D.Face, 0.7));
    bevel.DarkColor = ToColor(line);

    for (const char* name : {"vupdown", "hupdown"}) {
        const bool v = name[0] == 'v';
        auto& u = Control<TlxDataSkinUpDownControl>(name);
        const int bw = v ? 16 : 12, bh = v ? 12 : 16;
        const TRect whole = v ? Cell(16, 24) : Cell(24, 16);
        TBoxStyle n = Buttons.Normal, hot = Buttons.Hot, down = Buttons.Down;
        for (TBoxStyle* s : {&n, &hot, &down})
            s->Radius = std::min(s->Radius, 3);
        const TArrow first = v ? TArrow::Up : TArrow::Left, second = v ? TArrow::Down : TArrow::Right;
        const TRect a = v ? TRect{whole.Left, whole.Top, whole.Right, whole.Top + 12}
                          : TRect{whole.Left, whole.Top, whole.Left + 12, whole.Bottom};
        const TRect b = v ? TRect{whole.Left, whole.Top + 12, whole.Right, whole.Bottom}
                          : TRect{whole.Left + 12, whole.Top, whole.Right, whole.Bottom};
        Paint().Box(a, n);
        Paint().Box(b, n);
        Paint().Arrow(a, first, 6, D.Text);
        Paint().Arrow(b, second, 6, D.Text);
        u.SkinRect = whole;
        auto button = [&](const TBoxStyle& s, TArrow arrow) {
            const TRect c = Draw(bw, bh, s);
            Paint().Arrow(c, arrow, 6, D.Text);
            return c;
        };
        u.UpButtonRect = button(n, first);
        u.ActiveUpButtonRect = button(hot, first);
        u.DownUpButtonRect = button(down, first);
        u.DownButtonRect = button(n, second);
        u.ActiveDownButtonRect = button(hot, second);
        u.DownDownButtonRect = button(down, second);
    }

    auto& s = Control<TlxDataSkinSlider>("slider");
    const TRgb groove = Mix(D.Face, D.ButtonBorder, 0.5);
    s.HRulerRect = Cell(60, 6);
    Paint().Box(s.HRulerRect, {groove, groove, Mix(groove, D.Text, 0.2), 0, 0, 0, 0, 3});
    s.VRulerRect = Cell(6, 60);
    Paint().Box(s.VRulerRect, {groove, groove, Mix(groove, D.Text, 0.2), 0, 0, 0, 0, 3});
    TBoxStyle knob = Buttons.Normal;
    knob.Border = D.Accent;
    knob.Radius = std::min(D.Radius + 2, 6);
    s.HThumbRect = Draw(12, 18, knob);
    s.VThumbRect = Draw(18, 12, knob);
    s.SkinRect = s.HRulerRect;
    s.EdgeSize = 3;
    s.BGColor = ToColor(D.Face);
    s.PointsColor = ToColor(Mix(D.Text, D.Face, 0.4));
}

// ---- edits, lists and views

void TBuilder::Edits() {
    const TRgb border = Mix(D.ButtonBorder, D.Text, Dark() ? 0.1 : 0.15);
    const int radius = std::min(D.Radius, 4);
    const TBoxStyle normal{D.Window, D.Window, border, 0, 0, 0, 0, radius};
    TBoxStyle active = normal;
    active.Border = D.Accent;
    active.Inner = D.Accent;
    active.InnerAmount = 0.3;
    for (const char* name : {"edit", "buttonedit", "memo"}) {
        TlxDataSkinEditControl& e = std::string(name) == "memo" ? Control<TlxDataSkinMemoControl>(name)
                                                                : Control<TlxDataSkinEditControl>(name);
        Nine(e, Draw(60, 22, normal), std::max(radius, 2) + 1);
        e.ActiveSkinRect = Draw(60, 22, active);
        Font(e, D.WindowText);
        e.ActiveFontColor = ToColor(D.WindowText);
        e.DisabledFontColor = ToColor(Disabled(D.WindowText, D.Window));
        if (std::string(name) == "buttonedit") {
            auto button = [&](const TBoxStyle& s) {
                TBoxStyle b = s;
                b.Radius = std::min(b.Radius, 3);
                const TRect c = Draw(18, 18, b);
                for (int i = -1; i <= 1; ++i)
                    Paint().Disc((c.Left + c.Right) / 2.0 + i * 4, c.Top + 9.5, 1.2, D.Text);
                return c;
            };
            e.ButtonRect = button(Buttons.Normal);
            e.ActiveButtonRect = button(Buttons.Hot);
            e.DownButtonRect = button(Buttons.Down);
            e.UnEnabledButtonRect = button(Buttons.Disabled);
        }
        if (auto* m = dynamic_cast<TlxDataSkinMemoControl*>(&e))
            m->BGColor = m->ActiveBGColor = ToColor(D.Window);
    }
}

void TBuilder::Lists() {
    const TRgb border = Mix(D.ButtonBorder, D.Text, Dark() ? 0.1 : 0.15);
    const int radius = std::min(D.Radius, 4);
    const TBoxStyle frame{D.Window, D.Window, border, 0, 0, 0, 0, radius};
    const TRgb selected = HighContrast() ? D.Accent : Mix(D.Accent, D.Window, 0.0);
    auto item = [&](TRgb fill) {
        const TRect r = Cell(60, 20);
        Paint().Fill(r, D.Window);
        if (fill != D.Window)
            Paint().Box({r.Left + 1, r.Top, r.Right - 1, r.Bottom},
                        {fill, fill, fill, 0, 0, 0, 0, std::min(D.Radius, 3)});
        return r;
    };
    {
        auto& l = Control<TlxDataSkinListBox>("listbox");
        Nine(l, Draw(64, 64, frame), std::max(radius, 2) + 1);
        l.SItemRect = item(D.Window);
        l.ActiveItemRect = item(selected);
        l.FocusItemRect = item(Darker(selected, HighContrast() ? 0.0 : 0.12));
        l.ItemLeftOffset = l.ItemRightOffset = 4;
        l.ItemTextRect = {6, 0, 54, 20};
        Font(l, D.WindowText);
        l.ActiveFontColor = l.FocusFontColor = ToColor(D.AccentText);
        l.HScrollBarName = "hscrollbar";
        l.VScrollBarName = "vscrollbar";
        l.BothScrollBarName = "bothhscrollbar";
        Need("the focused list item", D.AccentText, Darker(selected, HighContrast() ? 0.0 : 0.12));
    }
    {
        auto& c = Control<TlxDataSkinComboBox>("combobox");
        TBoxStyle hot = frame;
        hot.Border = Mix(border, D.Accent, 0.7);
        Nine(c, Draw(80, 22, frame), std::max(radius, 2) + 1);
        c.ActiveSkinRect = Draw(80, 22, hot);
        c.SItemRect = item(D.Window);
        c.ActiveItemRect = item(D.Window);
        c.FocusItemRect = item(selected);
        c.ItemLeftOffset = c.ItemRightOffset = 4;
        c.ItemTextRect = {4, 0, 56, 20};
        Font(c, D.WindowText);
        c.ActiveFontColor = ToColor(D.WindowText);
        c.FocusFontColor = ToColor(D.AccentText);
        auto button = [&](const TBoxStyle& s, TRgb glyph) {
            TBoxStyle b = s;
            b.Radius = std::min(b.Radius, 3);
            const TRect r = Draw(18, 20, b);
            Paint().Arrow(r, TArrow::Down, 8, glyph);
            return r;
        };
        c.ButtonRect = button(Buttons.Normal, D.Text);
        c.ActiveButtonRect = button(Buttons.Hot, D.Text);
        c.DownButtonRect = button(Buttons.Down, D.Text);
        c.UnEnabledButtonRect = button(Buttons.Disabled, Disabled(D.Text, D.Face));
        c.ListBoxName = "listbox";
        c.ShowFocus = false;
    }
    auto& tree = Control<TlxDataSkinTreeView>("treeview");
    tree.PictureIndex = -1;
    Font(tree, D.WindowText);
    tree.BGColor = ToColor(D.Window);
    auto& list = Control<TlxDataSkinListView>("listview");
    list.PictureIndex = -1;
    Font(list, D.WindowText);
    list.BGColor = ToColor(D.Window);
}

void TBuilder::Tabs() {
    auto& t = Control<TlxDataSkinTabControl>("tab");
    const TRgb line = Mix(D.ButtonBorder, D.Face, 0.2);
    const TRgb page = Dark() ? Lighter(D.Face, 0.04) : Lighter(D.Face, 0.5);
    t.SkinRect = Draw(64, 64, {page, page, line, 0, 0, 0, 0, 0});
    t.LTPoint = {3, 3};
    t.RTPoint = {61, 3};
    t.LBPoint = {3, 61};
    t.RBPoint = {61, 61};
    t.ClRect = {3, 3, 61, 61};
    t.LeftStretch = t.TopStretch = t.RightStretch = t.BottomStretch = t.StretchEffect = true;
    auto tab = [&](TRgb top, TRgb bottom, TRgb border, bool mark) {
        const TRect r = Cell(60, 24);
        Paint().Box({r.Left, r.Top, r.Right, r.Bottom + 6},
                    {top, bottom, border, 0, 0, 0, 0, std::min(D.Radius, 5)});
        Paint().Fill({r.Left, r.Bottom, r.Right, r.Bottom + 6}, D.Face);
        if (mark) Paint().Fill({r.Left + 3, r.Top + 1, r.Right - 3, r.Top + 3}, D.Accent);
        return r;
    };
    t.TabRect = tab(Mix(D.Face, D.ButtonBottom, 0.6), D.ButtonBottom, line, false);
    t.ActiveTabRect = tab(page, page, line, true);
    t.FocusTabRect = tab(page, page, D.Accent, true);
    t.MouseInTabRect = tab(Mix(D.ButtonTop, D.Accent, 0.1), Mix(D.ButtonBottom, D.Accent, 0.1),
                           Mix(line, D.Accent, 0.6), false);
    t.TabLeftOffset = t.TabRightOffset = 6;
    t.TabStretchEffect = true;
    t.TabsBGRect = Cell(40, 24);
    Paint().Fill(t.TabsBGRect, D.Face);
    Paint().Fill({t.TabsBGRect.Left, t.TabsBGRect.Bottom - 1, t.TabsBGRect.Right, t.TabsBGRect.Bottom}, line);
    Font(t, D.Text);
    t.ActiveFontColor = t.FocusFontColor = t.MouseInFontColor = ToColor(D.Text);
    t.UpDown = "hupdown";
    auto close = [&](const TBoxStyle* s) {
        const TRect r = Cell(14, 14);
        Paint().Fill(r, page);
        if (s) Paint().Box(r, *s);
        Paint().Cross(r, 6, D.Text);
        return r;
    };
    t.CloseButtonRect = close(nullptr);
    t.CloseButtonActiveRect = close(&Buttons.Hot);
    t.CloseButtonDownRect = close(&Buttons.Down);
}

// ---- the frame

void TBuilder::Frame() {
    constexpr int W = 240, H = 160, Caption = 30, Border = 4;
    auto frame = [&](TRgb top, TRgb bottom, TRgb border) {
        auto b = std::make_unique<TBitmap>(W, H);
        b->Fill(0xFF000000u | D.Face);
        TSkinPainter p(*b);
        p.VerticalGradient({0, 0, W, Caption}, top, bottom);
        if (D.Gloss > 0) {
            TBitmap& bm = *b;
            for (int y = 0; y < Caption / 2; ++y)
                for (int x = 0; x < W; ++x) {
                    uint32_t& px = bm.ScanLine(y)[x];
                    px = 0xFF000000u | Mix(px & 0xFFFFFF, 0xFFFFFF, D.Gloss * 0.25 * (1 - 2.0 * y / Caption));
                }
        }
        p.Fill({0, Caption, Border, H}, bottom);
        p.Fill({W - Border, Caption, W, H}, bottom);
        p.Fill({0, H - Border, W, H}, bottom);
        p.Fill({0, 0, W, 1}, border);
        p.Fill({0, 0, 1, H}, border);
        p.Fill({W - 1, 0, W, H}, border);
        p.Fill({0, H - 1, W, H}, border);
        p.Fill({Border - 1, Caption - 1, W - Border + 1, Caption}, Mix(bottom, border, 0.5));
        return b;
    };
    const TRgb inactiveTop = Mix(D.CaptionTop, D.Face, 0.55),
               inactiveBottom = Mix(D.CaptionBottom, D.Face, 0.55);
    Content.FPicture = frame(D.CaptionTop, D.CaptionBottom, D.FrameBorder);
    Content.FInActivePicture = frame(inactiveTop, inactiveBottom, Mix(D.FrameBorder, D.Face, 0.4));
    Content.FPictureName = "frame.bmp";
    Content.FInActivePictureName = "frameinactive.bmp";
    Content.ClRect = {Border, Caption, W - Border, H - Border};
    Content.LTPoint = {40, Caption};
    Content.RTPoint = {W - 110, Caption};
    Content.LBPoint = {40, H - Border};
    Content.RBPoint = {W - 110, H - Border};
    Content.TopStretch = Content.BottomStretch = Content.LeftStretch = Content.RightStretch = true;
    Content.StretchEffect = true;
    Content.CaptionRect = {10, 4, W - 110, Caption - 4};
    Content.ButtonsRect = {W - 108, 4, W - 6, 4 + 22};
    Content.ButtonsOffset = 2;
    Content.BorderW = Border;
    Content.FormMinWidth = 120;
    Content.InActiveEffect = ieBrightness;

    auto& caption = Object<TlxDataSkinCaption>("caption");
    caption.SkinRect = Content.CaptionRect;
    caption.TextRct = {0, 0, Content.CaptionRect.Width(), Content.CaptionRect.Height()};
    caption.FontName = D.Font;
    caption.FontHeight = D.FontHeight;
    caption.FontStyle = TFontStyles{fsBold};
    caption.ActiveFontColor = ToColor(D.CaptionText);
    // An inactive caption fades towards the face; its text follows when the
    // caption's own colour would no longer read.
    const TRgb inactiveText =
        Contrast(D.CaptionText, inactiveTop) >= 4.5 && Contrast(D.CaptionText, inactiveBottom) >= 4.5
            ? D.CaptionText
            : D.Text;
    Need("the inactive caption", inactiveText, inactiveTop);
    Need("the inactive caption's bottom", inactiveText, inactiveBottom);
    caption.FontColor = ToColor(inactiveText);
    caption.Alignment = taLeftJustify;

    struct Button {
        const char* name;
        TlxStdCommand command;
        const char* hint;
    };
    const Button buttons[] = {{"closebutton", cmClose, "Close"},
                              {"maxbutton", cmMaximize, "Maximize"},
                              {"minbutton", cmMinimize, "Minimize"},
                              {"sysmenubutton", cmSysMenu, "System menu"}};
    for (const Button& b : buttons) {
        auto& o = Object<TlxDataSkinStdButton>(b.name);
        o.SkinRectInAPicture = true;
        o.ActivePictureIndex = 0;
        o.Command = b.command;
        o.Hint = b.hint;
        auto face = [&](int state, bool restore) {
            const TRect r = Cell(28, 22);
            const bool close = b.command == cmClose;
            const TRgb hotFill = close ? 0xC42B1C : Mix(D.CaptionTop, D.CaptionText, 0.18);
            const TRgb downFill = close ? 0x9E2216 : Mix(D.CaptionTop, D.CaptionText, 0.30);
            // The caption bar behind the button, taken from the frame picture.
            const TBitmap& bar = state == 3 ? *Content.FInActivePicture : *Content.FPicture;
            for (int y = 0; y < r.Height(); ++y)
                for (int x = 0; x < r.Width(); ++x)
                    Atlas.ScanLine(r.Top + y)[r.Left + x] = bar.ScanLine(Content.ButtonsRect.Top + y)[W / 2];
            if (state == 1 || state == 2)
                Paint().Box(r, {state == 1 ? hotFill : downFill, state == 1 ? hotFill : downFill,
                                state == 1 ? hotFill : downFill, 0, 0, 0, 0, std::min(D.Radius, 4)});
            const TRgb glyph = (close && (state == 1 || state == 2)) ? 0xFFFFFF
                               : state == 3                          ? inactiveText
                                                                     : D.CaptionText;
            if (b.command == cmClose) Paint().Cross(r, 8, glyph);
            if (b.command == cmMinimize) Paint().Minimize(r, 10, glyph);
            if (b.command == cmMaximize)
                restore ? Paint().Restore(r, 10, glyph) : Paint().Maximize(r, 10, glyph);
            if (b.command == cmSysMenu) Paint().Arrow(r, TArrow::Down, 8, glyph);
            return r;
        };
        o.SkinRect = face(0, false);
        o.ActiveSkinRect = face(1, false);
        o.DownRect = face(2, false);
        o.InActiveSkinRect = face(3, false);
        if (b.command == cmMaximize) {
            o.RestoreRect = face(0, true);
            o.RestoreActiveRect = face(1, true);
            o.RestoreDownRect = face(2, true);
            o.RestoreInActiveRect = face(3, true);
            o.RestoreHint = "Restore";
        }
    }
    if (Contrast(0xFFFFFF, 0xC42B1C) < 4.5) throw Exception("close button contrast");
}

// ---- menus and the menu bar

void TBuilder::Menus() {
    auto& m = Object<TlxDataSkinMenuItem>("menuitem");
    m.SkinRectInAPicture = true;
    m.ActivePictureIndex = 0;
    const TRgb hot = Mix(D.Window, D.Accent, 0.16);
    auto band = [&](TRgb fill) {
        const TRect r = Cell(60, 22);
        Paint().Fill(r, D.Window);
        if (fill != D.Window)
            Paint().Box({r.Left + 2, r.Top + 1, r.Right - 2, r.Bottom - 1},
                        {fill, fill, Mix(fill, D.Accent, 0.4), 0, 0, 0, 0, std::min(D.Radius, 4)});
        return r;
    };
    m.SkinRect = band(D.Window);
    m.ActiveSkinRect = band(hot);
    m.DividerRect = Cell(60, 7);
    Paint().Fill(m.DividerRect, D.Window);
    Paint().Fill(
        {m.DividerRect.Left + 4, m.DividerRect.Top + 3, m.DividerRect.Right - 4, m.DividerRect.Top + 4},
        Mix(D.Window, D.WindowText, 0.2));
    m.DividerLO = m.DividerRO = 6;
    m.ItemLO = m.ItemRO = 6;
    m.StretchEffect = m.InActiveStretchEffect = m.DividerStretchEffect = true;
    m.FontName = D.Font;
    m.FontHeight = D.FontHeight;
    m.FontColor = m.ActiveFontColor = ToColor(D.WindowText);
    m.UnEnabledFontColor = ToColor(Disabled(D.WindowText, D.Window));
    m.TextRct = {26, 0, 60, 22};
    m.ImageRct = {4, 3, 20, 19};
    auto glyph = [&](TRgb back, int kind) {
        const TRect r = Cell(16, 16);
        Paint().Fill(r, back);
        if (kind == 0) Paint().Check(r, D.Accent);
        if (kind == 1) Paint().Disc(r.Left + 8, r.Top + 8, 3.2, D.Accent);
        if (kind == 2) Paint().Arrow(r, TArrow::Right, 8, D.WindowText);
        return r;
    };
    m.CheckImageRect = glyph(D.Window, 0);
    m.ActiveCheckImageRect = glyph(hot, 0);
    m.RadioImageRect = glyph(D.Window, 1);
    m.ActiveRadioImageRect = glyph(hot, 1);
    m.ArrowImageRect = glyph(D.Window, 2);
    m.ActiveArrowImageRect = glyph(hot, 2);

    // The main menu bar and the objects it names.
    auto& bar = Control<TlxDataSkinMainMenuBar>("mainmenubar");
    bar.SkinRect = Cell(60, 24);
    Paint().Fill(bar.SkinRect, D.Face);
    Paint().Fill({bar.SkinRect.Left, bar.SkinRect.Bottom - 1, bar.SkinRect.Right, bar.SkinRect.Bottom},
                 Mix(D.Face, D.ButtonBorder, 0.5));
    bar.ItemsRect = {2, 1, 58, 23};
    bar.StretchEffect = true;
    bar.ItemTransparent = true;
    bar.TrackMarkColor = ToColor(Mix(D.Text, D.Face, 0.4));
    bar.TrackMarkActiveColor = ToColor(D.Accent);
    bar.MenuBarItem = "mainmenubaritem";
    bar.CloseButton = "menubarclose";
    bar.MaxButton = "menubarmax";
    bar.MinButton = "menubarmin";
    bar.SysMenuButton = "menubarsysmenu";

    auto& item = Object<TlxDataSkinMainMenuBarItem>("mainmenubaritem");
    item.SkinRectInAPicture = true;
    item.ActivePictureIndex = 0;
    auto cell = [&](TRgb fill) {
        const TRect r = Cell(40, 22);
        Paint().Fill(r, D.Face);
        if (fill != D.Face)
            Paint().Box(r, {fill, fill, Mix(fill, D.Accent, 0.3), 0, 0, 0, 0, std::min(D.Radius, 4)});
        return r;
    };
    item.SkinRect = cell(D.Face);
    item.ActiveSkinRect = cell(Mix(D.Face, D.Accent, 0.14));
    item.DownRect = cell(Mix(D.Face, D.Accent, 0.24));
    Need("the opened menu bar item", D.Text, Mix(D.Face, D.Accent, 0.24));
    item.FontName = D.Font;
    item.FontHeight = D.FontHeight;
    item.FontColor = item.ActiveFontColor = item.DownFontColor = ToColor(D.Text);
    item.UnEnabledFontColor = ToColor(Disabled(D.Text, D.Face));
    item.TextRct = {6, 0, 34, 22};
    item.ItemLO = item.ItemRO = 5;
    item.StretchEffect = true;

    struct Small {
        const char* name;
        TlxStdCommand command;
    };
    for (const Small& s : {Small{"menubarclose", cmClose}, Small{"menubarmax", cmMaximize},
                           Small{"menubarmin", cmMinimize}, Small{"menubarsysmenu", cmSysMenu}}) {
        auto& o = Object<TlxDataSkinMainMenuBarButton>(s.name);
        o.SkinRectInAPicture = true;
        o.ActivePictureIndex = 0;
        o.Command = s.command;
        auto face = [&](const TBoxStyle* style) {
            const TRect r = Cell(18, 16);
            Paint().Fill(r, D.Face);
            if (style) Paint().Box(r, *style);
            if (s.command == cmClose) Paint().Cross(r, 6, D.Text);
            if (s.command == cmMinimize) Paint().Minimize(r, 8, D.Text);
            if (s.command == cmMaximize) Paint().Restore(r, 9, D.Text);
            if (s.command == cmSysMenu) Paint().Arrow(r, TArrow::Down, 6, D.Text);
            return r;
        };
        o.SkinRect = face(nullptr);
        o.ActiveSkinRect = face(&Buttons.Hot);
        o.DownRect = face(&Buttons.Down);
    }
}

// ---- the whole pictures: client background, popup menu window, hint window

void TBuilder::Windows() {
    auto client = std::make_unique<TBitmap>(64, 64);
    client->Fill(0xFF000000u | D.Face);
    TSkinPainter(*client).VerticalGradient({0, 0, 64, 64}, D.Face, Dark() ? D.Face : Darker(D.Face, 0.015));
    Content.BGPictureIndex = 1;

    auto popup = std::make_unique<TBitmap>(48, 48);
    popup->Fill(0xFF000000u | D.Window);
    TSkinPainter(*popup).Box({0, 0, 48, 48},
                             {D.Window, D.Window, Mix(D.ButtonBorder, D.WindowText, 0.15), 0, 0, 0, 0, 0});
    auto& pw = *Content.PopupWindow;
    SpreadWindow(pw, 2, 48, 48, 4);
    pw.ItemsRect = {3, 3, 45, 45};
    pw.ScrollMarkerColor = ToColor(Mix(D.WindowText, D.Window, 0.4));
    pw.ScrollMarkerActiveColor = ToColor(D.Accent);

    const TRgb hintBack = Dark() ? Lighter(D.Window, 0.08) : Mix(D.Window, D.Accent, 0.05);
    Need("the hint", D.WindowText, hintBack);
    auto hint = std::make_unique<TBitmap>(40, 28);
    hint->Fill(0xFF000000u | D.Face);
    TSkinPainter(*hint).Box({0, 0, 40, 28}, {hintBack, hintBack, Mix(D.ButtonBorder, D.WindowText, 0.2), 0, 0,
                                             0, 0, std::min(D.Radius, 4)});
    auto& hw = *Content.HintWindow;
    SpreadWindow(hw, 3, 40, 28, 6);
    hw.ClRect = {6, 6, 34, 22};
    hw.FontName = D.Font;
    hw.FontHeight = D.FontHeight;
    hw.FontColor = ToColor(D.WindowText);

    // The atlas, cut to the rows it uses.
    auto atlas = std::make_unique<TBitmap>(TAtlas::Width, Cells.Height());
    for (int y = 0; y < atlas->Height(); ++y)
        std::copy_n(Atlas.ScanLine(y), TAtlas::Width, atlas->ScanLine(y));
    Content.FActivePictures.clear();
    Content.FActivePictures.push_back(std::move(atlas));
    Content.FActivePictures.push_back(std::move(client));
    Content.FActivePictures.push_back(std::move(popup));
    Content.FActivePictures.push_back(std::move(hint));
    Content.FActivePicturesNames.Clear();
    for (const char* name : {"controls.bmp", "client.bmp", "popup.bmp", "hint.bmp"})
        Content.FActivePicturesNames.Add(name);
}

void TBuilder::Colors() {
    TlxSkinColors& c = *Content.SkinColors();
    c.SetcBtnFace(ToColor(D.Face));
    c.SetcBtnText(ToColor(D.Text));
    c.SetcWindow(ToColor(D.Window));
    c.SetcWindowText(ToColor(D.WindowText));
    c.SetcHighLight(ToColor(D.Accent));
    c.SetcHighLightText(ToColor(D.AccentText));
    c.SetcBtnHighLight(ToColor(Dark() ? Lighter(D.Face, 0.12) : Lighter(D.Face, 0.7)));
    c.SetcBtnShadow(ToColor(Mix(D.Face, D.ButtonBorder, 0.7)));
}

void TBuilder::Build() {
    Content.ClearAll();
    Content.SkinName = D.Name;
    Content.SkinAuthor = "DuvavudeZaruvove";
    Content.SkinComments = D.Description;
    PushButtons();
    MenuButtons();
    CheckBoxes();
    Labels();
    Panels();
    ScrollBars();
    SmallControls();
    Edits();
    Lists();
    Tabs();
    Frame();
    Menus();
    Windows();
    Colors();
}

} // namespace

void BuildSkin(const TSkinDefinition& Definition, TlxSkinContent& Content) {
    TBuilder(Definition, Content).Build();
}
