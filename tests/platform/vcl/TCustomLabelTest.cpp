#include "VclProbes.h"

#include "platform/gdi/Text.h"
#include "platform/vcl/TCustomLabel.h"

#include <gtest/gtest.h>

namespace {

// Label pictures are compared with the same text drawn straight by DrawText
// in the pinned Arial face, so they follow the text engine's goldens.
class TCustomLabelTest : public TVclFixture {
protected:
    TForm* Form = nullptr;
    void SetUp() override {
        TVclFixture::SetUp();
        Form = MakeForm(0, 0, 300, 200);
        Form->SetColor(clWhite);
        Form->Font()->SetName("Arial");
        Form->Font()->SetHeight(-14);
        Form->Font()->SetColor(clBlack);
    }
    TLabel* Label(const std::string& Caption, int X = 10, int Y = 10) {
        auto* l = new TLabel(Form);
        l->SetParent(Form);
        l->SetLeft(X);
        l->SetTop(Y);
        l->SetCaption(Caption);
        return l;
    }
    // The text as DrawText draws it in a W x H box with the form's font, moved down by Dy.
    TBitmap Reference(const std::string& Text, int W, int H, uint32_t Flags, int Dy = 0) {
        TBitmap b(W, H);
        TCanvas* c = b.Canvas();
        c->Brush()->SetColor(clWhite);
        c->FillRect({0, 0, W, H});
        c->Brush()->SetStyle(bsClear);
        c->SetFont(*Form->Font());
        TRect r{0, Dy, W, H + Dy};
        DrawText(c->Handle(), Text, r, Flags);
        return b;
    }
    TSize Measure(const std::string& Text, uint32_t Flags, int Width = 0) {
        TBitmap b(1, 1);
        b.Canvas()->SetFont(*Form->Font());
        TRect r{0, 0, Width, 0};
        DrawText(b.Canvas()->Handle(), Text, r, Flags | DT_CALCRECT);
        return {r.Right, r.Bottom};
    }
    // Pixels of the label's area on screen that differ from Expected.
    int Differences(TControl* C, const TBitmap& Expected) {
        TBitmap shot = Session.WindowShot(Form->Handle());
        int n = 0;
        for (int y = 0; y < Expected.Height(); ++y)
            for (int x = 0; x < Expected.Width(); ++x)
                if (Pixel(shot, C->Left() + x, C->Top() + y) != Pixel(Expected, x, y)) ++n;
        return n;
    }
};

} // namespace

TEST_F(TCustomLabelTest, AutoSizeTakesTheMeasureOfTheText) {
    struct Case {
        const char* caption;
        std::string measured; // what DrawText measures for it
        uint32_t flags;
    } cases[] = {
        {"Hello", "Hello", DT_EXPANDTABS},
        {"", " ", DT_EXPANDTABS},   // an empty label keeps a line's height
        {"&", "& ", DT_EXPANDTABS}, // a lone accelerator mark too
        {"a\tb", "a\tb", DT_EXPANDTABS},
        {"two\nlines here", "two\nlines here", DT_EXPANDTABS},
        {"&Save && go", "&Save && go", DT_EXPANDTABS},
    };
    for (const Case& c : cases) {
        TLabel* l = Label(c.caption);
        TSize want = Measure(c.measured, c.flags);
        EXPECT_EQ(l->Width(), want.cx) << c.caption;
        EXPECT_EQ(l->Height(), want.cy) << c.caption;
        l->Free();
    }
    TLabel* plain = Label("&Save");
    plain->SetShowAccelChar(false);
    EXPECT_EQ(plain->Width(), Measure("&Save", DT_NOPREFIX).cx);

    // A right-aligned label grows and shrinks to the left.
    TLabel* right = Label("abc", 100);
    right->SetAlignment(taRightJustify);
    int rightEdge = right->Left() + right->Width();
    right->SetCaption("a much longer caption");
    EXPECT_EQ(right->Left() + right->Width(), rightEdge);
    EXPECT_EQ(right->Width(), Measure("a much longer caption", DT_EXPANDTABS).cx);

    // Without AutoSize the bounds stay; turning it on measures at once.
    TLabel* fixed = Label("x");
    fixed->SetAutoSize(false);
    fixed->SetBounds(10, 10, 200, 50);
    fixed->SetCaption("changed");
    EXPECT_EQ(fixed->Width(), 200);
    fixed->SetAutoSize(true);
    EXPECT_EQ(fixed->Width(), Measure("changed", 0).cx);

    // A font change measures again.
    TLabel* big = Label("Big");
    int before = big->Height();
    big->Font()->SetHeight(-28);
    EXPECT_GT(big->Height(), before);
}

TEST_F(TCustomLabelTest, WordWrapBreaksWithinTheWidthAndGrowsDown) {
    TLabel* l = Label("");
    l->SetAutoSize(false);
    l->SetBounds(10, 10, 70, 80);
    l->SetWordWrap(true);
    l->SetCaption("alpha beta gamma");
    l->SetAutoSize(true);
    TSize want = Measure("alpha beta gamma", DT_EXPANDTABS | DT_WORDBREAK, 70);
    EXPECT_EQ(l->Width(), want.cx);
    EXPECT_EQ(l->Height(), want.cy);
    EXPECT_GE(want.cy, 2 * Measure("A", 0).cy);
    Form->Show();
    Session.Pump();
    EXPECT_EQ(
        Differences(l, Reference("alpha beta gamma", l->Width(), l->Height(), DT_EXPANDTABS | DT_WORDBREAK)),
        0);
}

TEST_F(TCustomLabelTest, LayoutAndAlignmentPlaceTheTextAsDrawTextDoes) {
    const int W = 120, H = 50;
    const int cell = Measure("Xy", 0).cy;
    struct Case {
        TTextLayout layout;
        TAlignment alignment;
        uint32_t flags;
        int dy;
    } cases[] = {
        {tlTop, taLeftJustify, DT_LEFT, 0},
        {tlCenter, taCenter, DT_CENTER, (H - cell) / 2},
        {tlBottom, taRightJustify, DT_RIGHT, H - cell},
    };
    std::vector<TLabel*> labels;
    int y = 0;
    for (const Case& c : cases) {
        TLabel* l = Label("Xy", 10, y);
        l->SetAutoSize(false);
        l->SetBounds(10, y, W, H);
        l->SetLayout(c.layout);
        l->SetAlignment(c.alignment);
        labels.push_back(l);
        y += H + 5;
    }
    Form->Show();
    Session.Pump();
    for (size_t i = 0; i < labels.size(); ++i)
        EXPECT_EQ(Differences(labels[i], Reference("Xy", W, H, DT_EXPANDTABS | cases[i].flags, cases[i].dy)),
                  0)
            << i;
}

TEST_F(TCustomLabelTest, AcceleratorIsUnderlinedUnlessShowAccelCharIsOff) {
    TLabel* accel = Label("&File", 10, 10);
    TLabel* plain = Label("&File", 10, 40);
    plain->SetShowAccelChar(false);
    Form->Show();
    Session.Pump();
    EXPECT_EQ(Differences(accel, Reference("&File", accel->Width(), accel->Height(), DT_EXPANDTABS)), 0);
    EXPECT_EQ(
        Differences(plain, Reference("&File", plain->Width(), plain->Height(), DT_EXPANDTABS | DT_NOPREFIX)),
        0);
    // The two differ: one has the underline, the other an ampersand.
    EXPECT_NE(accel->Width(), plain->Width());
}

TEST_F(TCustomLabelTest, TransparentLabelShowsTheParentOpaqueOneItsColour) {
    Form->SetColor(clRed);
    TLabel* clear = Label("i", 10, 10);
    clear->SetTransparent(true);
    TLabel* solid = Label("i", 10, 40);
    solid->SetParentColor(false);
    solid->SetColor(clLime);
    Form->Show();
    Session.Pump();
    TBitmap shot = Session.WindowShot(Form->Handle());
    EXPECT_EQ(Pixel(shot, clear->Left() + clear->Width() - 1, clear->Top()), Rgb(clRed));
    EXPECT_EQ(Pixel(shot, solid->Left() + solid->Width() - 1, solid->Top()), Rgb(clLime));
}

TEST_F(TCustomLabelTest, AcceleratorFocusesTheFocusControl) {
    auto* first = new TProbeButton(Form);
    first->SetParent(Form);
    first->SetBounds(10, 100, 40, 20);
    auto* target = new TProbeButton(Form);
    target->SetParent(Form);
    target->SetBounds(60, 100, 40, 20);
    TLabel* l = Label("&Name");
    l->SetFocusControl(target);
    Form->Show();
    Session.Pump();
    ASSERT_TRUE(first->Focused());
    Session.KeyDown(VK_MENU);
    Session.Key('N');
    Session.KeyUp(VK_MENU);
    Session.Pump();
    EXPECT_TRUE(target->Focused());
    target->Free(); // the label forgets it
    EXPECT_EQ(l->FocusControl(), nullptr);
}

TEST_F(TCustomLabelTest, DisabledTextIsEmbossed) {
    Form->SetColor(clRed);
    Form->Font()->SetHeight(-40); // stems wide enough for whole pixels of each colour
    TLabel* l = Label("IIII");
    l->SetEnabled(false);
    Form->Show();
    Session.Pump();
    TBitmap shot = Session.WindowShot(Form->Handle());
    // The shadow-coloured text, and right of and below it its highlight copy.
    int shadow = 0, highlight = 0, black = 0;
    for (int y = l->Top(); y < l->Top() + l->Height(); ++y)
        for (int x = l->Left(); x < l->Left() + l->Width(); ++x) {
            if (Pixel(shot, x, y) == Rgb(clBtnShadow)) ++shadow;
            if (Pixel(shot, x, y) == Rgb(clBtnHighlight)) ++highlight;
            if (Pixel(shot, x, y) == 0) ++black;
        }
    EXPECT_GT(shadow, 0);
    EXPECT_GT(highlight, 0);
    EXPECT_EQ(black, 0);
}
