#include "skin/dialogs/message/MessageIcons.h"

#include "platform/gdi/TCanvas.h"
#include "tests/support/pictures/GoldenPicture.h"

#include <gtest/gtest.h>

namespace {

uint32_t Alpha(const TBitmap& B, int X, int Y) {
    return B.ScanLine(Y)[X] >> 24;
}

} // namespace

TEST(MessageIcons, FourTypesHaveA32PixelIconWithSmoothEdgesAndCustomHasNone) {
    const TMsgDlgType types[] = {mtWarning, mtError, mtInformation, mtConfirmation};
    // The four on a light and on a dark ground, 40 x 40 cells.
    TBitmap sheet(4 * 40, 2 * 40);
    for (int row = 0; row < 2; ++row) {
        sheet.Canvas()->Brush()->SetColor(row == 0 ? TColor(0xF0F0F0) : TColor(0x303030));
        sheet.Canvas()->FillRect({0, row * 40, sheet.Width(), row * 40 + 40});
    }
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        TBitmap icon = MessageDialogIcon(types[i]);
        ASSERT_EQ(icon.Width(), MessageIconSize);
        ASSERT_EQ(icon.Height(), MessageIconSize);
        EXPECT_EQ(icon.PixelFormat(), pf32bit);
        EXPECT_EQ(icon.AlphaFormat(), afDefined);
        // Transparent corners, an opaque middle, partly covered pixels on the edge.
        EXPECT_EQ(Alpha(icon, 0, 0), 0u);
        EXPECT_EQ(Alpha(icon, 16, 18), 255u);
        bool partial = false;
        for (int x = 0; x < MessageIconSize; ++x) {
            uint32_t a = Alpha(icon, x, 28);
            partial = partial || (a > 0 && a < 255);
        }
        EXPECT_TRUE(partial);
        EXPECT_EQ(MessageDialogIcon(types[i]).Bits()[500], icon.Bits()[500]);
        for (int row = 0; row < 2; ++row)
            sheet.Canvas()->Draw(i * 40 + 4, row * 40 + 4, &icon);
    }
    EXPECT_TRUE(MessageDialogIcon(mtCustom).Empty());
    EXPECT_TRUE(MatchesGolden(sheet, "skin/dialogs/message/MessageIcons"));
}
