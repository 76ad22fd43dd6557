#include "skin/engine/SkinGlyphs.h"

#include "platform/gdi/TCanvas.h"

#include <algorithm>

namespace {

void Line(TCanvas* c, int x0, int y0, int x1, int y1) {
    c->MoveTo(x0, y0);
    c->LineTo(x1, y1);
}

void PenOnly(TCanvas* c, TColor color) {
    c->Pen()->SetColor(color);
    c->Brush()->SetStyle(bsClear);
}

void PenAndBrush(TCanvas* c, TColor color) {
    c->Pen()->SetColor(color);
    c->Brush()->SetColor(color);
    c->Brush()->SetStyle(bsSolid);
}

} // namespace

void DrawSkinFocusRect(TCanvas* Canvas, const TRect& R) {
    if (!Canvas) return;
    const TRect r{R.Left, R.Top, R.Right - 1, R.Bottom - 1};
    if (r.Right < r.Left || r.Bottom < r.Top) return;
    const TColor color = Canvas->Font()->Color();
    Canvas->Pen()->SetColor(color);
    HDC dc = Canvas->Handle();
    if (!dc) return;
    // Only the visible part of each edge is walked; a dot's phase follows
    // from its place on the edge, so a huge rectangle costs no more than the
    // canvas it is drawn on.
    TRect clip;
    dc->GetClipBox(clip);
    bool phase = !(RectWidth(r) % 2 == 0 && RectHeight(r) % 2 == 0);
    // One edge of n pixels from (x, y) in steps (dx, dy); the next edge starts
    // on this one's last pixel with the phase it ended on.
    auto edge = [&](int x, int y, int dx, int dy, long long n) {
        long long j0 = 0, j1 = n; // the indexes within the clip box
        auto limit = [&](int start, int step, int lo, int hi) {
            if (step > 0) {
                j0 = std::max(j0, (long long)lo - start);
                j1 = std::min(j1, (long long)hi - start);
            } else if (step < 0) {
                j0 = std::max(j0, (long long)start - (hi - 1));
                j1 = std::min(j1, (long long)start - lo + 1);
            } else if (start < lo || start >= hi) {
                j1 = 0;
            }
        };
        limit(x, dx, clip.Left, clip.Right);
        limit(y, dy, clip.Top, clip.Bottom);
        for (long long j = j0; j < j1; ++j)
            if (phase != (j % 2 == 1)) Canvas->SetPixels(int(x + dx * j), int(y + dy * j), color);
        if ((n - 1) % 2 == 1) phase = !phase;
    };
    const long long w = (long long)r.Right - r.Left + 1;
    const long long h = (long long)r.Bottom - r.Top + 1;
    edge(r.Left, r.Top, 1, 0, w);
    edge(r.Right, r.Top, 0, 1, h);
    edge(r.Right, r.Bottom, -1, 0, w);
    edge(r.Left, r.Bottom, 0, -1, h);
}

void DrawDropDownArrow(TCanvas* Canvas, const TRect& R, TColor Color) {
    const int cx = R.Left + RectWidth(R) / 2;
    const int cy = R.Top + RectHeight(R) / 2;
    Canvas->Pen()->SetColor(Color);
    for (int i = 0; i < 3; ++i)
        Line(Canvas, cx - 2 + i, cy + i, cx + 3 - i, cy + i);
}

void DrawArrowImage(TCanvas* Canvas, const TRect& R, TColor Color, int Direction) {
    if (Direction < 1 || Direction > 4) return;
    const int cx = R.Left + RectWidth(R) / 2;
    const int cy = R.Top + RectHeight(R) / 2;
    Canvas->Pen()->SetColor(Color);
    // Line i is 2i + 1 long, centred on the arrow's axis, at distance i from the tip.
    for (int i = 0; i < 4; ++i) {
        switch (Direction) {
        case 1:
            Line(Canvas, cx - 2 + i, cy - i, cx - 2 + i, cy + i + 1);
            break;
        case 2:
            Line(Canvas, cx + 2 - i, cy - i, cx + 2 - i, cy + i + 1);
            break;
        case 3:
            Line(Canvas, cx - i, cy - 2 + i, cx + i + 1, cy - 2 + i);
            break;
        case 4:
            Line(Canvas, cx - i, cy + 2 - i, cx + i + 1, cy + 2 - i);
            break;
        }
    }
}

void DrawSquareMark(TCanvas* Canvas, int X, int Y, TColor Color) {
    PenAndBrush(Canvas, Color);
    Canvas->Rectangle(X, Y, X + 6, Y + 6);
}

void DrawCheckMark(TCanvas* Canvas, int X, int Y, TColor Color) {
    Canvas->Pen()->SetColor(Color);
    for (int i = 0; i < 3; ++i) {
        Canvas->MoveTo(X, Y + 5 - i);
        Canvas->LineTo(X + 2, Y + 7 - i);
        Canvas->LineTo(X + 7, Y + 2 - i);
    }
}

void DrawFrame3D(TCanvas* Canvas, const TRect& R, TColor TopLeftColor, TColor BottomRightColor) {
    const int right = R.Right - 1;
    const int bottom = R.Bottom - 1;
    Canvas->Pen()->SetWidth(1);
    Canvas->Pen()->SetColor(TopLeftColor);
    const TPoint topLeft[] = {{R.Left, bottom}, {R.Left, R.Top}, {right, R.Top}};
    Canvas->Polyline(topLeft);
    Canvas->Pen()->SetColor(BottomRightColor);
    const TPoint bottomRight[] = {{right, R.Top}, {right, bottom}, {R.Left - 1, bottom}};
    Canvas->Polyline(bottomRight);
}

void DrawCloseImage(TCanvas* Canvas, int X, int Y, TColor Color) {
    Canvas->Pen()->SetColor(Color);
    Line(Canvas, X + 1, Y + 1, X + 9, Y + 9);
    Line(Canvas, X + 9, Y + 1, X + 1, Y + 9);
    Line(Canvas, X + 2, Y + 1, X + 10, Y + 9);
    Line(Canvas, X + 8, Y + 1, X, Y + 9);
}

void DrawSysMenuImage(TCanvas* Canvas, int X, int Y, TColor Color) {
    PenOnly(Canvas, Color);
    Canvas->Rectangle(X + 1, Y + 3, X + 9, Y + 6);
}

void DrawMinimizeImage(TCanvas* Canvas, int X, int Y, TColor Color) {
    Canvas->Pen()->SetColor(Color);
    Line(Canvas, X + 1, Y + 8, X + 9, Y + 8);
    Line(Canvas, X + 1, Y + 9, X + 9, Y + 9);
}

void DrawMaximizeImage(TCanvas* Canvas, int X, int Y, TColor Color) {
    PenOnly(Canvas, Color);
    Canvas->Rectangle(X, Y, X + 11, Y + 10);
    Canvas->Rectangle(X, Y, X + 11, Y + 2);
}

void DrawRestoreImage(TCanvas* Canvas, int X, int Y, TColor Color) {
    PenOnly(Canvas, Color);
    Canvas->Rectangle(X + 2, Y, X + 10, Y + 6);
    Canvas->Rectangle(X + 2, Y, X + 10, Y + 2);
    Canvas->Rectangle(X, Y + 4, X + 7, Y + 10);
    Canvas->Rectangle(X, Y + 4, X + 7, Y + 6);
}

void DrawRollDownImage(TCanvas* Canvas, int X, int Y, TColor Color) {
    Canvas->Pen()->SetColor(Color);
    for (int i = 0; i < 4; ++i)
        Line(Canvas, X + 1 + i, Y + 2 + i, X + 9 - i, Y + 2 + i);
}

void DrawRollUpImage(TCanvas* Canvas, int X, int Y, TColor Color) {
    Canvas->Pen()->SetColor(Color);
    for (int i = 0; i < 4; ++i)
        Line(Canvas, X + 1 + i, Y + 6 - i, X + 9 - i, Y + 6 - i);
}

void DrawTrayImage(TCanvas* Canvas, int X, int Y, TColor Color) {
    PenAndBrush(Canvas, Color);
    Canvas->Rectangle(X + 2, Y + 2, X + 7, Y + 7);
}
