#include "VclProbes.h"

#include <gtest/gtest.h>

namespace {

class TControlPaint : public TVclFixture {};

} // namespace

TEST_F(TControlPaint, WindowlessChildIsPaintedUnderAnOverlappingWindowedSibling) {
    TForm* form = MakeForm(10, 10, 120, 80);
    form->SetColor(clWhite);
    auto* graphic = new TProbeGraphic(form);
    graphic->SetParent(form);
    graphic->SetBounds(10, 10, 50, 40); // red
    auto* panel = new TProbePanel(form);
    panel->SetParent(form);
    panel->SetColor(clBlue);
    panel->SetBounds(40, 20, 50, 40);
    form->Show();
    Session.Pump();
    TBitmap shot = Session.Screenshot();
    struct Probe {
        int X, Y;
        TColor Expected;
    } probes[] = {
        {10 + 5, 10 + 5, clWhite},   // form background
        {10 + 15, 10 + 15, clRed},   // windowless child alone
        {10 + 59, 10 + 49, clBlue},  // overlap: the window is on top
        {10 + 45, 10 + 15, clRed},   // windowless child above the window's top edge
        {10 + 85, 10 + 55, clBlue},  // window alone
        {10 + 95, 10 + 70, clWhite}, // form again
    };
    for (const Probe& p : probes)
        EXPECT_EQ(Pixel(shot, p.X, p.Y), Rgb(p.Expected)) << p.X << "," << p.Y;
}

TEST_F(TControlPaint, RepaintOfAnOpaqueWindowlessControlIsImmediateInvalidateWaitsForThePump) {
    TForm* form = MakeForm(0, 0, 100, 100);
    auto* graphic = new TProbeGraphic(form);
    graphic->SetParent(form);
    graphic->SetOpaque(true);
    form->Show();
    Session.Pump();
    int base = graphic->Paints;
    ASSERT_GT(base, 0);

    graphic->SetColor(clLime); // invalidates
    EXPECT_EQ(graphic->Paints, base);
    Session.Pump();
    EXPECT_EQ(graphic->Paints, base + 1);

    graphic->Invalidate();
    EXPECT_EQ(graphic->Paints, base + 1);
    Session.Pump();
    EXPECT_EQ(graphic->Paints, base + 2);

    graphic->SetColor(clYellow);
    graphic->Repaint();
    EXPECT_EQ(graphic->Paints, base + 3);
    EXPECT_EQ(Pixel(Session.WindowShot(form->Handle()), 5, 5), Rgb(clYellow));
    Session.Pump();
    EXPECT_EQ(graphic->Paints, base + 3); // nothing was left to paint
}

TEST_F(TControlPaint, PaintToAForeignContextEqualsTheScreen) {
    TForm* form = MakeForm(0, 0, 200, 150);
    auto* panel = new TProbePanel(form);
    panel->SetParent(form);
    panel->SetBounds(20, 10, 150, 120);
    panel->SetColor(clSilver);
    auto* a = new TProbeGraphic(panel);
    a->SetParent(panel);
    a->SetBounds(5, 5, 60, 30);
    auto* inner = new TProbePanel(panel);
    inner->SetParent(panel);
    inner->SetColor(clNavy);
    inner->SetBounds(40, 20, 70, 60);
    auto* b = new TProbeGraphic(inner);
    b->SetParent(inner);
    b->SetColor(clLime);
    b->SetBounds(10, 10, 20, 20);
    auto* c = new TProbeGraphic(panel);
    c->SetParent(panel);
    c->SetColor(clYellow);
    c->SetBounds(100, 90, 40, 40); // cut by the panel's edge
    form->Show();
    Session.Pump();
    TBitmap screen = Session.WindowShot(form->Handle());

    TBitmap copy(150, 120);
    copy.Fill(0xFF000000);
    HDC dc = CreateBitmapDC(&copy);
    panel->PaintTo(dc, 0, 0);
    DeleteDC(dc);
    EXPECT_FALSE(panel->ControlState().Contains(csPaintCopy));
    int differing = 0;
    for (int y = 0; y < 120; ++y)
        for (int x = 0; x < 150; ++x)
            if (Pixel(copy, x, y) != Pixel(screen, 20 + x, 10 + y)) ++differing;
    EXPECT_EQ(differing, 0);
    EXPECT_EQ(Pixel(copy, 45, 35), Rgb(clNavy));
    EXPECT_EQ(Pixel(copy, 55, 35), Rgb(clLime));
}
