#include "VclProbes.h"

#include "platform/vcl/TImage.h"

#include <gtest/gtest.h>

namespace {

class TImageTest : public TVclFixture {
protected:
    // A 4 x 2 picture: a blue left half, a lime right half, its bottom-left pixel red (the key colour).
    static std::unique_ptr<TBitmap> Picture() {
        auto b = std::make_unique<TBitmap>(4, 2);
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 4; ++x)
                b->ScanLine(y)[x] = 0xFF000000u | (x < 2 ? 0x0000FFu : 0x00FF00u);
        b->ScanLine(1)[0] = 0xFFFF0000u;
        return b;
    }
};

} // namespace

TEST_F(TImageTest, PlacesThePictureAtTheCornerCentredOrStretched) {
    TForm* form = MakeForm(0, 0, 200, 60);
    form->SetColor(clWhite);
    auto make = [&](int X) {
        auto* i = new TImage(form);
        i->SetParent(form);
        i->SetBounds(X, 10, 20, 10);
        i->Picture()->SetGraphic(Picture());
        return i;
    };
    TImage* corner = make(10);
    TImage* centred = make(40);
    centred->SetCenter(true);
    TImage* stretched = make(70);
    stretched->SetStretch(true);
    TImage* keyed = make(100);
    keyed->SetTransparent(true);
    form->Show();
    Session.Pump();
    TBitmap s = Session.WindowShot(form->Handle());
    const uint32_t white = 0xFFFFFF, blue = 0x0000FF, lime = 0x00FF00, red = 0xFF0000;

    EXPECT_EQ(Pixel(s, 10, 10), blue);
    EXPECT_EQ(Pixel(s, 13, 10), lime);
    EXPECT_EQ(Pixel(s, 14, 10), white);
    EXPECT_EQ(Pixel(s, 10, 12), white);

    EXPECT_EQ(centred->DestRect(), (TRect{8, 4, 12, 6})); // 20/2 - 4/2, 10/2 - 2/2
    EXPECT_EQ(Pixel(s, 40 + 8, 14), blue);
    EXPECT_EQ(Pixel(s, 40 + 7, 14), white);

    EXPECT_EQ(Pixel(s, 70, 10), blue);
    EXPECT_EQ(Pixel(s, 70 + 9, 14), blue);
    EXPECT_EQ(Pixel(s, 70 + 10, 14), lime);
    EXPECT_EQ(Pixel(s, 70 + 19, 19), lime);
    EXPECT_EQ(Pixel(s, 70, 19), red); // the stretched key pixel

    EXPECT_EQ(Pixel(s, 100, 11), white); // the key colour is left out
    EXPECT_EQ(Pixel(s, 101, 11), blue);

    // A new picture repaints at the next pump; AutoSize takes its size.
    keyed->SetAutoSize(true);
    EXPECT_EQ(keyed->Width(), 4);
    EXPECT_EQ(keyed->Height(), 2);
    corner->Picture()->Clear();
    Session.Pump();
    EXPECT_EQ(Pixel(Session.WindowShot(form->Handle()), 10, 10), white);
}
