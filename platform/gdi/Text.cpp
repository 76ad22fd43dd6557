#include "platform/gdi/Text.h"

#include "platform/base/Utf8.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TFontFace.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace {

struct TChar {
    char32_t Ch;
    bool Underline; // the "&" prefix marked it
};
using TLine = std::vector<TChar>;

struct TabRule {
    enum Kind { AsSpace, Every, List } Mode = AsSpace;
    int Step = 0;
    int Origin = 0;
    std::vector<int> Stops;
};

std::shared_ptr<TFontFace> FaceOf(HDC dc) {
    HFONT f = dc->Font() ? dc->Font() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    return f->Face();
}

TLine Plain(std::string_view text) {
    TLine line;
    for (char32_t c : Utf8Chars(text))
        line.push_back({c, false});
    return line;
}

// Pen positions of each character from startX, and the line's end in width.
std::vector<int> Layout(TFontFace& face, const TLine& line, const TabRule& rule, int startX, int& width) {
    std::vector<int> xs;
    xs.reserve(line.size());
    int x = startX;
    for (const TChar& c : line) {
        xs.push_back(x - startX);
        if (c.Ch == U'\t' && rule.Mode != TabRule::AsSpace) {
            int next = x;
            if (rule.Mode == TabRule::Every && rule.Step > 0) {
                int rel = x - rule.Origin;
                next = rule.Origin + (rel / rule.Step + 1) * rule.Step;
                if (rel < 0) next = rule.Origin;
            } else {
                bool found = false;
                for (int s : rule.Stops)
                    if (rule.Origin + s > x) {
                        next = rule.Origin + s;
                        found = true;
                        break;
                    }
                if (!found) next = x + face.GlyphFor(U' ').Advance;
            }
            x = next;
        } else {
            x += face.GlyphFor(c.Ch).Advance;
        }
    }
    width = x - startX;
    return xs;
}

int LineWidth(TFontFace& face, const TLine& line, const TabRule& rule) {
    int w = 0;
    Layout(face, line, rule, 0, w);
    return w;
}

// Fills the logical rectangle, limited to clip when given, keeping alpha.
void Fill(HDC dc, TRect r, const TRect* clip, TColor color) {
    if (clip && !IntersectRect(r, r, *clip)) return;
    dc->FillRect(r, color);
}

// Blends a glyph's coverage in the colour at logical (x, y) = its bitmap's top-left.
void BlendGlyph(HDC dc, const TFontFace::Glyph& g, int x, int y, const TRect* clip, uint32_t rgb) {
    TBitmap* target = dc->Target();
    if (!target || g.Width <= 0 || g.Rows <= 0) return;
    TRect box = Bounds(x, y, g.Width, g.Rows);
    if (clip && !IntersectRect(box, box, *clip)) return;
    TRect bbox = dc->LogicalToBitmap(box);
    const TPoint org = dc->LogicalToBitmap(TPoint{x, y});
    const int tr = int(rgb >> 16) & 0xFF, tg = int(rgb >> 8) & 0xFF, tb = int(rgb) & 0xFF;
    for (const TRect& c : dc->EffectiveClip().Rects()) {
        TRect t;
        if (!IntersectRect(t, c, bbox)) continue;
        for (int yy = t.Top; yy < t.Bottom; ++yy) {
            uint32_t* dst = target->ScanLine(yy);
            const uint8_t* cov = g.Coverage.data() + size_t(yy - org.Y) * size_t(g.Width);
            for (int xx = t.Left; xx < t.Right; ++xx) {
                int a = cov[xx - org.X];
                if (a == 0) continue;
                uint32_t d = dst[xx];
                if (a == 255) {
                    dst[xx] = (d & 0xFF000000u) | (rgb & 0xFFFFFFu);
                    continue;
                }
                int dr = int(d >> 16) & 0xFF, dg = int(d >> 8) & 0xFF, db = int(d) & 0xFF;
                dr += ((tr - dr) * a + (tr >= dr ? 127 : -127)) / 255;
                dg += ((tg - dg) * a + (tg >= dg ? 127 : -127)) / 255;
                db += ((tb - db) * a + (tb >= db ? 127 : -127)) / 255;
                dst[xx] = (d & 0xFF000000u) | uint32_t(dr) << 16 | uint32_t(dg) << 8 | uint32_t(db);
            }
        }
    }
}

// Draws one laid-out line with its cell's top-left at (x, y); the background
// (OPAQUE mode) covers the cell. Returns the width.
int DrawLine(HDC dc, TFontFace& face, const TLine& line, const TabRule& rule, int x, int y,
             const TRect* clip) {
    int width = 0;
    std::vector<int> xs = Layout(face, line, rule, x, width);
    if (dc->BkMode() == OPAQUE) Fill(dc, {x, y, x + width, y + face.CellHeight()}, clip, dc->BkColor());
    TColor color = ColorToRGB(dc->TextColor());
    uint32_t rgb = uint32_t(GetRValue(color)) << 16 | uint32_t(GetGValue(color)) << 8 | GetBValue(color);
    const int baseline = y + face.Ascent();
    for (size_t i = 0; i < line.size(); ++i) {
        const TFontFace::Glyph& g = face.GlyphFor(line[i].Ch);
        BlendGlyph(dc, g, x + xs[i] + g.Left, baseline - g.Top, clip, rgb);
        if (line[i].Underline) {
            int right = i + 1 < line.size() ? x + xs[i + 1] : x + width;
            Fill(dc,
                 {x + xs[i], baseline + face.UnderlineOffset(), right,
                  baseline + face.UnderlineOffset() + face.LineThickness()},
                 clip, color);
        }
    }
    const LOGFONT& lf = face.LogFont();
    if (lf.lfUnderline)
        Fill(dc,
             {x, baseline + face.UnderlineOffset(), x + width,
              baseline + face.UnderlineOffset() + face.LineThickness()},
             clip, color);
    if (lf.lfStrikeOut)
        Fill(dc,
             {x, baseline - face.StrikeOutOffset(), x + width,
              baseline - face.StrikeOutOffset() + face.LineThickness()},
             clip, color);
    return width;
}

// "&x" marks x, "&&" is "&", a final lone "&" is dropped.
TLine ParsePrefix(std::string_view text, bool prefix, bool hidePrefix) {
    TLine out;
    std::u32string s = Utf8Decode(text);
    for (size_t i = 0; i < s.size(); ++i) {
        if (prefix && s[i] == U'&') {
            if (i + 1 >= s.size()) break;
            ++i;
            out.push_back({s[i], s[i] != U'&' && !hidePrefix});
            continue;
        }
        out.push_back({s[i], false});
    }
    return out;
}

std::vector<TLine> SplitLines(const TLine& all, bool single) {
    std::vector<TLine> lines(1);
    for (size_t i = 0; i < all.size(); ++i) {
        char32_t c = all[i].Ch;
        if (c == U'\r' || c == U'\n') {
            if (single) continue;
            if (c == U'\r' && i + 1 < all.size() && all[i + 1].Ch == U'\n') ++i;
            lines.emplace_back();
            continue;
        }
        lines.back().push_back(all[i]);
    }
    return lines;
}

// Breaks at spaces so lines fit in width; a word longer than the width stays whole.
std::vector<TLine> WrapLine(TFontFace& face, const TLine& line, const TabRule& rule, int width) {
    std::vector<TLine> out;
    TLine current;
    size_t i = 0;
    while (i < line.size()) {
        size_t spaceStart = i;
        while (i < line.size() && line[i].Ch == U' ')
            ++i;
        size_t wordStart = i;
        while (i < line.size() && line[i].Ch != U' ')
            ++i;
        TLine candidate = current;
        candidate.insert(candidate.end(), line.begin() + long(spaceStart), line.begin() + long(i));
        if (!current.empty() && wordStart < i && LineWidth(face, candidate, rule) > width) {
            out.push_back(current);
            current.assign(line.begin() + long(wordStart), line.begin() + long(i));
        } else {
            current = std::move(candidate);
        }
    }
    while (!current.empty() && current.back().Ch == U' ')
        current.pop_back();
    out.push_back(current);
    return out;
}

TLine Dots() {
    return {{U'.', false}, {U'.', false}, {U'.', false}};
}

TLine EndEllipsis(TFontFace& face, TLine line, const TabRule& rule, int width) {
    const int dots = LineWidth(face, Dots(), rule);
    while (!line.empty() && LineWidth(face, line, rule) + dots > width)
        line.pop_back();
    TLine d = Dots();
    line.insert(line.end(), d.begin(), d.end());
    return line;
}

// Keeps the last path part whole and cuts the text before it: "C:\a\...\name.ext".
TLine PathEllipsis(TFontFace& face, const TLine& line, const TabRule& rule, int width) {
    size_t sep = line.size();
    for (size_t i = line.size(); i-- > 0;)
        if (line[i].Ch == U'\\' || line[i].Ch == U'/') {
            sep = i;
            break;
        }
    if (sep == line.size()) return EndEllipsis(face, line, rule, width);
    TLine head(line.begin(), line.begin() + long(sep)), tail(line.begin() + long(sep), line.end());
    auto join = [&] {
        TLine r = head;
        TLine d = Dots();
        r.insert(r.end(), d.begin(), d.end());
        r.insert(r.end(), tail.begin(), tail.end());
        return r;
    };
    while (!head.empty() && LineWidth(face, join(), rule) > width)
        head.pop_back();
    TLine r = join();
    if (LineWidth(face, r, rule) > width) return EndEllipsis(face, r, rule, width);
    return r;
}

} // namespace

bool ExtTextOut(HDC dc, int x, int y, uint32_t options, const TRect* rect, std::string_view text) {
    if (!dc) return false;
    auto face = FaceOf(dc);
    const TRect* clip = (options & ETO_CLIPPED) && rect ? rect : nullptr;
    if ((options & ETO_OPAQUE) && rect) Fill(dc, *rect, nullptr, dc->BkColor());
    DrawLine(dc, *face, Plain(text), TabRule{}, x, y, clip);
    return true;
}

bool TextOut(HDC dc, int x, int y, std::string_view text) {
    return ExtTextOut(dc, x, y, 0, nullptr, text);
}

TSize GetTextExtent(HDC dc, std::string_view text) {
    if (!dc) return {};
    auto face = FaceOf(dc);
    return {face->TextWidth(text), face->CellHeight()};
}

bool GetTextExtentPoint32(HDC dc, std::string_view text, TSize* size) {
    if (!dc || !size) return false;
    *size = GetTextExtent(dc, text);
    return true;
}

bool GetTextMetrics(HDC dc, TEXTMETRIC* tm) {
    if (!dc || !tm) return false;
    auto face = FaceOf(dc);
    const LOGFONT& lf = face->LogFont();
    *tm = TEXTMETRIC{};
    tm->tmHeight = face->CellHeight();
    tm->tmAscent = face->Ascent();
    tm->tmDescent = face->Descent();
    tm->tmInternalLeading = face->InternalLeading();
    tm->tmAveCharWidth = face->AveCharWidth();
    tm->tmMaxCharWidth = face->MaxCharWidth();
    tm->tmWeight = lf.lfWeight;
    tm->tmItalic = lf.lfItalic;
    tm->tmUnderlined = lf.lfUnderline;
    tm->tmStruckOut = lf.lfStrikeOut;
    tm->tmCharSet = lf.lfCharSet;
    return true;
}

int DrawText(HDC dc, std::string_view text, TRect& rect, uint32_t format) {
    if (!dc) return 0;
    auto face = FaceOf(dc);
    const bool single = format & DT_SINGLELINE;
    TabRule rule;
    if (format & DT_EXPANDTABS) {
        rule.Mode = TabRule::Every;
        rule.Step = 8 * face->AveCharWidth();
    }
    const int width = rect.Width();
    std::vector<TLine> lines;
    for (TLine& l : SplitLines(ParsePrefix(text, !(format & DT_NOPREFIX), format & DT_HIDEPREFIX), single)) {
        if ((format & DT_WORDBREAK) && !single) {
            for (TLine& w : WrapLine(*face, l, rule, width))
                lines.push_back(std::move(w));
        } else {
            lines.push_back(std::move(l));
        }
    }
    if (format & (DT_END_ELLIPSIS | DT_PATH_ELLIPSIS)) {
        for (TLine& l : lines) {
            if (LineWidth(*face, l, rule) <= width) continue;
            l = (format & DT_PATH_ELLIPSIS) ? PathEllipsis(*face, l, rule, width)
                                            : EndEllipsis(*face, l, rule, width);
        }
    }
    const int lineHeight = face->CellHeight();
    const int height = int(lines.size()) * lineHeight;
    if (format & DT_CALCRECT) {
        int widest = 0;
        for (const TLine& l : lines)
            widest = std::max(widest, LineWidth(*face, l, rule));
        rect.Right = rect.Left + widest;
        rect.Bottom = rect.Top + height;
        return height;
    }
    int y = rect.Top;
    if (single && (format & DT_VCENTER))
        y = rect.Top + rect.Height() / 2 - lineHeight / 2;
    else if (single && (format & DT_BOTTOM))
        y = rect.Bottom - lineHeight;
    const TRect* clip = (format & DT_NOCLIP) ? nullptr : &rect;
    for (const TLine& l : lines) {
        int w = LineWidth(*face, l, rule);
        int x = rect.Left;
        if (format & DT_CENTER)
            x = rect.Left + width / 2 - w / 2;
        else if (format & DT_RIGHT)
            x = rect.Right - w;
        DrawLine(dc, *face, l, rule, x, y, clip);
        y += lineHeight;
    }
    return height;
}

namespace {
TabRule TabsFor(TFontFace& face, int tabCount, const int* tabs, int tabOrigin) {
    TabRule rule;
    rule.Origin = tabOrigin;
    if (tabCount <= 0 || !tabs) {
        rule.Mode = TabRule::Every;
        rule.Step = 8 * face.AveCharWidth();
    } else if (tabCount == 1) {
        rule.Mode = TabRule::Every;
        rule.Step = std::abs(tabs[0]);
    } else {
        rule.Mode = TabRule::List;
        for (int i = 0; i < std::min(tabCount, 10); ++i)
            rule.Stops.push_back(std::abs(tabs[i]));
        std::sort(rule.Stops.begin(), rule.Stops.end());
    }
    return rule;
}
} // namespace

TSize TabbedTextOut(HDC dc, int x, int y, std::string_view text, int tabCount, const int* tabs,
                    int tabOrigin) {
    if (!dc) return {};
    auto face = FaceOf(dc);
    int w = DrawLine(dc, *face, Plain(text), TabsFor(*face, tabCount, tabs, tabOrigin), x, y, nullptr);
    return {w, face->CellHeight()};
}

TSize GetTabbedTextExtent(HDC dc, std::string_view text, int tabCount, const int* tabs) {
    if (!dc) return {};
    auto face = FaceOf(dc);
    int w = 0;
    Layout(*face, Plain(text), TabsFor(*face, tabCount, tabs, 0), 0, w);
    return {w, face->CellHeight()};
}
