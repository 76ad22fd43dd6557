#include "VclProbes.h"

#include "platform/vcl/TBevel.h"
#include "tests/support/pictures/PixelArt.h"

#include <gtest/gtest.h>

namespace {

class TBevelTest : public TVclFixture {};

// 'd' button shadow, 'l' button highlight, '.' the red parent, '?' anything else.
std::vector<std::string> Art(const TBitmap& Shot, const TRect& R) {
    const TPixelLegend legend = {{'d', ColorToPixel(clBtnShadow) & 0xFFFFFF},
                                 {'l', ColorToPixel(clBtnHighlight) & 0xFFFFFF},
                                 {'.', 0xFF0000}};
    return PixelArt(Shot, R, legend);
}

} // namespace

TEST_F(TBevelTest, ShapesAndStylesMatchTheirGoldens) {
    using Rows = std::vector<std::string>;
    struct Case {
        TBevelShape shape;
        TBevelStyle style;
        Rows expected;
    } cases[] = {
        {bsBox, bsLowered, {"dddddl", "d....l", "d....l", "d....l", "dlllll"}},
        {bsBox, bsRaised, {"llllld", "l....d", "l....d", "l....d", "lddddd"}},
        {bsFrame, bsLowered, {"ddddd.", "dllldl", "dl..dl", "dddddl", ".lllll"}},
        {bsFrame, bsRaised, {"lllll.", "ldddld", "ld..ld", "llllld", ".ddddd"}},
        {bsTopLine, bsLowered, {"dddddd", "llllll", "......", "......", "......"}},
        {bsBottomLine, bsRaised, {"......", "......", "......", "llllll", "dddddd"}},
        {bsLeftLine, bsLowered, {"dl....", "dl....", "dl....", "dl....", "dl...."}},
        {bsRightLine, bsLowered, {"....dl", "....dl", "....dl", "....dl", "....dl"}},
        {bsSpacer, bsLowered, {"......", "......", "......", "......", "......"}},
    };
    TForm* form = MakeForm(0, 0, 200, 40);
    form->SetColor(clRed);
    std::vector<TBevel*> bevels;
    int x = 2;
    for (const Case& c : cases) {
        auto* b = new TBevel(form);
        b->SetParent(form);
        b->SetBounds(x, 2, 6, 5);
        b->SetShape(c.shape);
        b->SetStyle(c.style);
        bevels.push_back(b);
        x += 10;
    }
    form->Show();
    Session.Pump();
    TBitmap shot = Session.WindowShot(form->Handle());
    for (size_t i = 0; i < bevels.size(); ++i)
        EXPECT_EQ(Art(shot, bevels[i]->BoundsRect()), cases[i].expected) << i;
}
