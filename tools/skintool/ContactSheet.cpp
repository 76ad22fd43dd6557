#include "ContactSheet.h"

#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "skin/engine/SkinContent.h"
#include "skin/engine/SkinSizing.h"

#include <algorithm>

namespace {

constexpr int kWidth = 760, kHeight = 624;

class Sheet {
public:
    Sheet(const TlxSkinContent& content, TBitmap& out) : C(content), Out(out) {
        Out.SetSize(kWidth, kHeight);
        Out.SetPixelFormat(pf24bit);
        Fill({0, 0, kWidth, kHeight}, C.SkinColors()->cBtnFace());
    }

    template <typename T> const T* Find(const char* name) const {
        const int i = C.GetControlIndex(name);
        return i < 0 ? nullptr : dynamic_cast<const T*>(C.CtrlList[size_t(i)].get());
    }
    template <typename T> const T* Object(const char* name) const {
        const int i = C.GetIndex(name);
        return i < 0 ? nullptr : dynamic_cast<const T*>(C.ObjectList[size_t(i)].get());
    }

    void Fill(const TRect& r, TColor color) {
        Out.Canvas()->Brush()->SetStyle(bsSolid);
        Out.Canvas()->Brush()->SetColor(color);
        Out.Canvas()->FillRect(r);
    }

    // Rectangle Source of a picture, unchanged, at (x, y).
    void Copy(int picture, const TRect& source, int x, int y) {
        TBitmap* p = C.ActivePicture(picture);
        if (!p || source.IsEmpty()) return;
        Out.Canvas()->CopyRect({x, y, x + source.Width(), y + source.Height()}, *p->Canvas(), source);
    }

    // A state image of a description grown to w x h as the control paints
    // it; returns the rectangle it took.
    TRect Grown(const TlxDataSkinCustomControl& d, const TRect& state, int x, int y, int w, int h) {
        TBitmap* p = C.ActivePicture(d.PictureIndex);
        if (!p || state.IsEmpty()) return {x, y, x, y};
        const TlxSkinGeometry g = TlxSkinGeometry::Of(d);
        const TlxSkinSize size = CalcSkinSize(g, w, h);
        TBitmap image;
        CreateSkinControlImage(g, size, p, state, image);
        Out.Canvas()->CopyRect({x, y, x + image.Width(), y + image.Height()}, *image.Canvas(),
                               {0, 0, image.Width(), image.Height()});
        return {x, y, x + image.Width(), y + image.Height()};
    }

    // A picture spread to w x h by four corner points and a stretched middle.
    void Spread(TBitmap* p, const TRect& source, TPoint lt, TPoint rt, TPoint lb, TPoint rb,
                const TRect& client, int x, int y, int w, int h) {
        if (!p || source.IsEmpty()) return;
        TlxSkinGeometry g;
        g.SkinRect = source;
        g.LTPt = lt, g.RTPt = rt, g.LBPt = lb, g.RBPt = rb;
        g.ClRect = client;
        g.LeftStretch = g.TopStretch = g.RightStretch = g.BottomStretch = g.StretchEffect = true;
        TBitmap image;
        CreateSkinControlImage(g, CalcSkinSize(g, w, h), p, source, image);
        Out.Canvas()->CopyRect({x, y, x + image.Width(), y + image.Height()}, *image.Canvas(),
                               {0, 0, image.Width(), image.Height()});
    }

    // A strip whose ends keep lo and ro pixels and whose middle stretches.
    void Strip(int picture, const TRect& source, int lo, int ro, int x, int y, int w) {
        const int h = source.Height();
        Spread(C.ActivePicture(picture), source, {lo, 0}, {source.Width() - ro, 0}, {0, 0}, {0, 0},
               {lo, 0, source.Width() - ro, h}, x, y, w, h);
    }

    void Text(const TRect& r, const std::string& text, const std::string& font, int height, TColor color,
              bool bold = false, bool center = true) {
        TCanvas& c = *Out.Canvas();
        c.Font()->SetName(font);
        c.Font()->SetHeight(height);
        c.Font()->SetColor(color);
        c.Font()->SetStyle(bold ? TFontStyles{fsBold} : TFontStyles{});
        c.Brush()->SetStyle(bsClear);
        const TSize extent = c.TextExtent(text);
        const int x = center ? r.Left + (r.Width() - extent.cx) / 2 : r.Left;
        c.TextRect(r, x, r.Top + (r.Height() - extent.cy) / 2, text);
    }

    template <typename T>
    void Text(const TRect& r, const std::string& text, const T& d, TColor color, bool center = true) {
        Text(r, text, d.FontName, d.FontHeight, color, d.FontStyle.Contains(fsBold), center);
    }

    void Buttons(int y);
    void Checks(int y);
    void Edits(int y);
    void ListAndTabs(int y);
    void Bars(int y);
    void Form(int y);
    void Menu(int x, int y);
    void Hint(int x, int y);

private:
    const TlxSkinContent& C;
    TBitmap& Out;
};

void Sheet::Buttons(int y) {
    if (auto* b = Find<TlxDataSkinButtonControl>("button")) {
        struct State {
            const TRect& rect;
            TColor color;
            const char* caption;
        };
        const State states[] = {{b->SkinRect, b->FontColor, "转换"},
                                {b->ActiveSkinRect, b->ActiveFontColor, "悬停"},
                                {b->DownSkinRect, b->DownFontColor, "按下"},
                                {b->DisabledSkinRect, b->DisabledFontColor, "停用"},
                                {b->FocusedSkinRect, b->FontColor, "焦点"}};
        int x = 16;
        for (const State& s : states) {
            const TRect r = Grown(*b, s.rect.IsEmpty() ? b->SkinRect : s.rect, x, y, 88, 26);
            Text(r, s.caption, *b, s.color);
            x += 100;
        }
    }
    if (auto* t = Find<TlxDataSkinButtonControl>("toolbutton")) {
        int x = 516;
        for (const TRect* s : {&t->SkinRect, &t->ActiveSkinRect, &t->DownSkinRect}) {
            const TRect r = Grown(*t, *s, x, y, 70, 26);
            Text(r, "添加", *t, t->FontColor);
            x += 78;
        }
    }
}

void Sheet::Checks(int y) {
    int row = y;
    for (const char* name : {"checkbox", "radiobox"}) {
        auto* c = Find<TlxDataSkinCheckRadioControl>(name);
        if (!c) continue;
        struct State {
            const TRect& mark;
            TColor color;
            const char* caption;
        };
        const State states[] = {{c->CheckImageRect, c->FontColor, "完成后关机"},
                                {c->UnCheckImageRect, c->FontColor, "合并为一个"},
                                {c->ActiveCheckImageRect, c->ActiveFontColor, "悬停"},
                                {c->UnEnabledCheckImageRect, c->UnEnabledFontColor, "停用"},
                                {c->GrayedCheckImageRect, c->FontColor, "部分"}};
        int x = 16;
        for (const State& s : states) {
            Grown(*c, c->SkinRect, x, row, 130, 20);
            Copy(c->PictureIndex, s.mark, x + c->CheckImageArea.Left, row + c->CheckImageArea.Top);
            Text({x + c->TextArea.Left, row, x + 130, row + 20}, s.caption, *c, s.color, false);
            x += 140;
        }
        row += 26;
    }
}

void Sheet::Edits(int y) {
    int x = 16;
    if (auto* e = Find<TlxDataSkinEditControl>("edit")) {
        for (const TRect* s : {&e->SkinRect, &e->ActiveSkinRect}) {
            const TRect r = Grown(*e, *s, x, y, 170, 24);
            Text({r.Left + 6, r.Top, r.Right - 4, r.Bottom}, "D:\\视频\\输出", *e, e->FontColor, false);
            x += 180;
        }
    }
    if (auto* c = Find<TlxDataSkinComboBox>("combobox")) {
        const TRect r = Grown(*c, c->SkinRect, x, y, 200, 24);
        const int bw = c->ButtonRect.Width(), bh = c->ButtonRect.Height();
        Copy(c->PictureIndex, c->ButtonRect, r.Right - bw - 2, r.Top + (r.Height() - bh) / 2);
        Text({r.Left + 6, r.Top, r.Right - bw - 4, r.Bottom}, "MP4 视频 (*.mp4)", *c, c->FontColor, false);
        x += 210;
    }
    if (auto* e = Find<TlxDataSkinEditControl>("buttonedit")) {
        const TRect r = Grown(*e, e->SkinRect, x, y, 170, 24);
        const int bw = e->ButtonRect.Width(), bh = e->ButtonRect.Height();
        Copy(e->PictureIndex, e->ButtonRect, r.Right - bw - 3, r.Top + (r.Height() - bh) / 2);
        Text({r.Left + 6, r.Top, r.Right - bw - 4, r.Bottom}, "输出文件夹", *e, e->FontColor, false);
    }
}

void Sheet::ListAndTabs(int y) {
    if (auto* l = Find<TlxDataSkinListBox>("listbox")) {
        const TRect r = Grown(*l, l->SkinRect, 16, y, 220, 132);
        const TRect inner{r.Left + l->ClRect.Left, r.Top + l->ClRect.Top,
                          r.Right - (l->SkinRect.Width() - l->ClRect.Right),
                          r.Bottom - (l->SkinRect.Height() - l->ClRect.Bottom)};
        const auto* bar = Find<TlxDataSkinScrollBarControl>("vscrollbar");
        const int barWidth = bar ? bar->SkinRect.Width() : 0;
        const char* rows[] = {"iPhone 视频", "安卓手机", "高清 MP4", "DVD 光盘", "音频 MP3", "网页 FLV"};
        int ry = inner.Top + 2;
        for (int i = 0; i < 6; ++i) {
            const TRect& item = i == 2 ? l->FocusItemRect : i == 4 ? l->ActiveItemRect : l->SItemRect;
            Strip(l->PictureIndex, item, l->ItemLeftOffset, l->ItemRightOffset, inner.Left + 1, ry,
                  inner.Width() - barWidth - 2);
            Text({inner.Left + 1 + l->ItemTextRect.Left, ry, inner.Right - barWidth, ry + item.Height()},
                 rows[i], *l,
                 i == 2   ? l->FocusFontColor
                 : i == 4 ? l->ActiveFontColor
                          : l->FontColor,
                 false);
            ry += item.Height();
        }
        if (bar) {
            const int bx = inner.Right - barWidth, by = inner.Top, bh = inner.Height();
            Grown(*bar, bar->SkinRect, bx, by, barWidth, bh);
            Copy(bar->PictureIndex, bar->UpButtonRect, bx, by);
            Copy(bar->PictureIndex, bar->DownButtonRect, bx, by + bh - bar->DownButtonRect.Height());
            const TRect& t = bar->ThumbRect;
            Spread(C.ActivePicture(bar->PictureIndex), t, {0, bar->ThumbOffset1}, {0, 0},
                   {0, t.Height() - bar->ThumbOffset2}, {0, 0},
                   {0, bar->ThumbOffset1, t.Width(), t.Height() - bar->ThumbOffset2}, bx,
                   by + bar->UpButtonRect.Height() + 6, t.Width(), 40);
        }
    }
    if (auto* t = Find<TlxDataSkinTabControl>("tab")) {
        const int x = 256, w = 240;
        Strip(t->PictureIndex, t->TabsBGRect, 0, 0, x, y, w);
        const int th = t->TabRect.Height();
        TlxDataSkinCustomControl page("page");
        page.PictureIndex = t->PictureIndex;
        page.SkinRect = t->SkinRect;
        page.LTPoint = t->LTPoint, page.RTPoint = t->RTPoint, page.LBPoint = t->LBPoint,
        page.RBPoint = t->RBPoint;
        page.ClRect = t->ClRect;
        page.LeftStretch = page.TopStretch = page.RightStretch = page.BottomStretch = page.StretchEffect =
            true;
        Grown(page, page.SkinRect, x, y + th - 1, w, 132 - th + 1);
        struct Tab {
            const TRect& rect;
            TColor color;
            const char* caption;
        };
        const Tab tabs[] = {{t->ActiveTabRect, t->ActiveFontColor, "视频"},
                            {t->TabRect, t->FontColor, "音频"},
                            {t->MouseInTabRect, t->MouseInFontColor, "字幕"}};
        int tx = x + 2;
        for (const Tab& tab : tabs) {
            Strip(t->PictureIndex, tab.rect, t->TabLeftOffset, t->TabRightOffset, tx, y, 66);
            Text({tx, y, tx + 66, y + th}, tab.caption, *t, tab.color);
            tx += 68;
        }
        Text({x + 14, y + th + 12, x + w - 10, y + th + 32}, "分辨率  1280x720", t->FontName, t->FontHeight,
             C.SkinColors()->cBtnText(), false, false);
    }
    if (auto* g = Find<TlxDataSkinPanelControl>("groupbox")) {
        const TRect r = Grown(*g, g->SkinRect, 516, y, 228, 132);
        Text({r.Left + g->CaptionRect.Left, r.Top + g->CaptionRect.Top, r.Right - 8,
              r.Top + g->CaptionRect.Bottom},
             "输出设置", *g, g->FontColor, false);
        if (auto* c = Find<TlxDataSkinCheckRadioControl>("checkbox")) {
            for (int i = 0; i < 2; ++i) {
                const int cy = r.Top + 34 + i * 26;
                Copy(c->PictureIndex, i == 0 ? c->CheckImageRect : c->UnCheckImageRect, r.Left + 14, cy + 3);
                Text({r.Left + 34, cy, r.Right - 8, cy + 20}, i == 0 ? "保持宽高比" : "双遍编码", *c,
                     c->FontColor, false);
            }
        }
    }
}

void Sheet::Bars(int y) {
    int x = 16;
    if (auto* h = Find<TlxDataSkinScrollBarControl>("hscrollbar")) {
        const int w = 220, bh = h->SkinRect.Height();
        Grown(*h, h->SkinRect, x, y, w, bh);
        Copy(h->PictureIndex, h->ActiveUpButtonRect, x, y);
        Copy(h->PictureIndex, h->DownButtonRect, x + w - h->DownButtonRect.Width(), y);
        const TRect& t = h->ActiveThumbRect;
        Spread(C.ActivePicture(h->PictureIndex), t, {h->ThumbOffset1, 0}, {t.Width() - h->ThumbOffset2, 0},
               {0, 0}, {0, 0}, {h->ThumbOffset1, 0, t.Width() - h->ThumbOffset2, t.Height()}, x + 60, y, 70,
               t.Height());
        x += w + 20;
    }
    if (auto* s = Find<TlxDataSkinSlider>("slider")) {
        TBitmap* p = C.ActivePicture(s->PictureIndex);
        const int w = 160, ry = y + 8;
        const TRect& r = s->HRulerRect;
        Spread(p, r, {s->EdgeSize, 0}, {r.Width() - s->EdgeSize, 0}, {0, 0}, {0, 0},
               {s->EdgeSize, 0, r.Width() - s->EdgeSize, r.Height()}, x, ry, w, r.Height());
        for (int i = 0; i <= 8; ++i)
            Fill({x + 4 + i * (w - 8) / 8, ry + 12, x + 5 + i * (w - 8) / 8, ry + 15}, s->PointsColor);
        Copy(s->PictureIndex, s->HThumbRect, x + 60, ry + r.Height() / 2 - s->HThumbRect.Height() / 2);
        x += w + 20;
    }
    for (const char* name : {"vupdown", "hupdown"})
        if (auto* u = Find<TlxDataSkinUpDownControl>(name)) {
            Copy(u->PictureIndex, u->SkinRect, x, y);
            x += u->SkinRect.Width() + 12;
        }
    if (auto* sp = Find<TlxDataSkinLabelControl>("statuspanel")) {
        const TRect r = Grown(*sp, sp->SkinRect, x + 8, y, 150, 22);
        Text({r.Left + 6, r.Top, r.Right, r.Bottom}, "就绪：共 12 个文件", *sp, sp->FontColor, false);
    }
}

void Sheet::Menu(int x, int y) {
    auto* item = Object<TlxDataSkinMenuItem>("menuitem");
    TBitmap* popup = C.ActivePicture(C.PopupWindow->WindowPictureIndex);
    if (!item || !popup) return;
    const auto& pw = *C.PopupWindow;
    const int w = 170, h = 4 * item->SkinRect.Height() + item->DividerRect.Height() + pw.ItemsRect.Top +
                           (popup->Height() - pw.ItemsRect.Bottom);
    Spread(popup, {0, 0, popup->Width(), popup->Height()}, pw.LTPoint, pw.RTPoint, pw.LBPoint, pw.RBPoint,
           pw.ItemsRect, x, y, w, h);
    const int ix = x + pw.ItemsRect.Left, iw = w - pw.ItemsRect.Left - (popup->Width() - pw.ItemsRect.Right);
    int iy = y + pw.ItemsRect.Top;
    const int picture = item->ActivePictureIndex;
    struct Row {
        const char* caption;
        bool active, divider, check, arrow;
    };
    const Row rows[] = {{"添加文件...", false, false, false, false},
                        {"开始转换", true, false, false, false},
                        {"", false, true, false, false},
                        {"完成后关机", false, false, true, false},
                        {"皮肤", false, false, false, true}};
    for (const Row& r : rows) {
        if (r.divider) {
            Strip(picture, item->DividerRect, item->DividerLO, item->DividerRO, ix, iy, iw);
            iy += item->DividerRect.Height();
            continue;
        }
        const TRect& band = r.active ? item->ActiveSkinRect : item->SkinRect;
        Strip(picture, band, item->ItemLO, item->ItemRO, ix, iy, iw);
        const int ih = band.Height();
        if (r.check) {
            const TRect& g = item->CheckImageRect;
            Copy(picture, g, ix + item->ImageRct.Left, iy + (ih - g.Height()) / 2);
        }
        if (r.arrow) {
            const TRect& g = item->ArrowImageRect;
            Copy(picture, g, ix + iw - g.Width() - 4, iy + (ih - g.Height()) / 2);
        }
        Text({ix + item->TextRct.Left, iy, ix + iw - 20, iy + ih}, r.caption, item->FontName,
             item->FontHeight, r.active ? item->ActiveFontColor : item->FontColor, false, false);
        iy += ih;
    }
}

void Sheet::Hint(int x, int y) {
    const auto& hw = *C.HintWindow;
    TBitmap* p = C.ActivePicture(hw.WindowPictureIndex);
    if (!p) return;
    Spread(p, {0, 0, p->Width(), p->Height()}, hw.LTPoint, hw.RTPoint, hw.LBPoint, hw.RBPoint, hw.ClRect, x,
           y, 150, 30);
    Text({x, y, x + 150, y + 30}, "把文件拖到这里", hw.FontName, hw.FontHeight, hw.FontColor);
}

void Sheet::Form(int y) {
    TBitmap* frame = C.FPicture.get();
    if (!frame || frame->Empty()) return;
    const int x = 16, w = 360, h = 200;
    for (int active = 1; active >= 0; --active) {
        TBitmap* p = active || C.FInActivePicture->Empty() ? frame : C.FInActivePicture.get();
        const int fy = active ? y : y + h + 8;
        const int fh = active ? h : 60;
        Spread(p, {0, 0, p->Width(), p->Height()}, C.LTPoint, C.RTPoint, C.LBPoint, C.RBPoint, C.ClRect, x,
               fy, w, fh);
        const int grow = w - p->Width();
        // Client area: the background picture.
        const TRect client{x + C.ClRect.Left, fy + C.ClRect.Top, x + C.ClRect.Right + grow,
                           fy + fh - (p->Height() - C.ClRect.Bottom)};
        if (TBitmap* bg = C.ActivePicture(C.BGPictureIndex)) Out.Canvas()->StretchDraw(client, bg);
        // Caption buttons from the right end of the buttons area.
        int bx = x + C.ButtonsRect.Right + grow;
        for (const char* name : {"closebutton", "maxbutton", "minbutton", "sysmenubutton"}) {
            auto* b = Object<TlxDataSkinStdButton>(name);
            if (!b) continue;
            const TRect& img = active ? (std::string(name) == "closebutton" ? b->ActiveSkinRect : b->SkinRect)
                                      : b->InActiveSkinRect;
            bx -= img.Width();
            Copy(b->ActivePictureIndex, img, bx,
                 fy + C.ButtonsRect.Top + (C.ButtonsRect.Height() - img.Height()) / 2);
            bx -= C.ButtonsOffset;
        }
        if (auto* cap = Object<TlxDataSkinCaption>("caption"))
            Text({x + C.CaptionRect.Left + 4, fy + C.CaptionRect.Top, bx - 4, fy + C.CaptionRect.Bottom},
                 active ? "视频转换器 - 12 个文件" : "选项", cap->FontName, cap->FontHeight,
                 active ? cap->ActiveFontColor : cap->FontColor, cap->FontStyle.Contains(fsBold), false);
        if (!active) break;
        // The menu bar.
        int my = client.Top;
        if (auto* bar = Find<TlxDataSkinMainMenuBar>("mainmenubar")) {
            const TRect& r = bar->SkinRect;
            Strip(bar->PictureIndex, r, 2, 2, client.Left, my, client.Width());
            auto* mi = Object<TlxDataSkinMainMenuBarItem>(bar->MenuBarItem.c_str());
            if (mi) {
                int mx = client.Left + bar->ItemsRect.Left;
                int n = 0;
                for (const char* caption : {"文件", "编辑", "转换", "帮助"}) {
                    const TRect& img = n == 1 ? mi->ActiveSkinRect : mi->SkinRect;
                    Strip(mi->ActivePictureIndex, img, mi->ItemLO, mi->ItemRO, mx, my + bar->ItemsRect.Top,
                          48);
                    Text({mx, my + bar->ItemsRect.Top, mx + 48, my + bar->ItemsRect.Top + img.Height()},
                         caption, mi->FontName, mi->FontHeight, n == 1 ? mi->ActiveFontColor : mi->FontColor);
                    mx += 50;
                    ++n;
                }
            }
            my += r.Height();
        }
        // A tool bar and a few controls on the client.
        if (auto* tp = Find<TlxDataSkinPanelControl>("toolpanel")) {
            Grown(*tp, tp->SkinRect, client.Left, my, client.Width(), 34);
            if (auto* tb = Find<TlxDataSkinButtonControl>("toolbutton")) {
                int tx = client.Left + 4;
                int n = 0;
                for (const char* caption : {"添加", "转换", "停止"}) {
                    const TRect r =
                        Grown(*tb, n == 0 ? tb->ActiveSkinRect : tb->SkinRect, tx, my + 4, 56, 26);
                    Text(r, caption, *tb, tb->FontColor);
                    tx += 60;
                    ++n;
                }
            }
            my += 34;
        }
        if (auto* b = Find<TlxDataSkinButtonControl>("button")) {
            const TRect r = Grown(*b, b->SkinRect, client.Right - 96, client.Bottom - 34, 84, 26);
            Text(r, "确定", *b, b->FontColor);
        }
        if (auto* l = Find<TlxDataSkinLabelControl>("label"))
            Text({client.Left + 10, my + 8, client.Right - 10, my + 28}, "把视频文件拖到窗口中开始。", *l,
                 l->FontColor, false);
    }
}

} // namespace

void RenderContactSheet(const TlxSkinContent& Content, TBitmap& Out) {
    Sheet s(Content, Out);
    s.Buttons(16);
    s.Checks(56);
    s.Edits(116);
    s.ListAndTabs(156);
    s.Bars(304);
    s.Form(344);
    s.Menu(400, 344);
    s.Hint(592, 344);
}
