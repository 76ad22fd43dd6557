#include "media/PictureToBitmap.h"
#include "media/TFFmpegLoader.h"
#include "tests/support/FixtureFrames.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

struct Rgb {
    int R, G, B;
};

Rgb PixelOf(const TBitmap& bmp, int x, int y) {
    uint32_t p = bmp.ScanLine(y)[x];
    return {int((p >> 16) & 0xff), int((p >> 8) & 0xff), int(p & 0xff)};
}

::testing::AssertionResult Near(Rgb got, Rgb want, int x, int y) {
    if (std::abs(got.R - want.R) <= 2 && std::abs(got.G - want.G) <= 2 && std::abs(got.B - want.B) <= 2)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "pixel " << x << "," << y << " is " << got.R << "," << got.G << "," << got.B << " not "
           << want.R << "," << want.G << "," << want.B;
}

uint8_t Clip(double v) {
    return static_cast<uint8_t>(std::clamp(std::lround(v), 0L, 255L));
}

// A planar 4:4:4 picture of the given colours, limited-range BT.601.
struct TYuvPicture {
    std::vector<uint8_t> Y, U, V;
    TAVPicture Picture;
    TYuvPicture(int w, int h, const std::function<Rgb(int, int)>& color) : Y(w * h), U(w * h), V(w * h) {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                Rgb c = color(x, y);
                Y[y * w + x] = Clip(16 + 0.257 * c.R + 0.504 * c.G + 0.098 * c.B);
                U[y * w + x] = Clip(128 - 0.148 * c.R - 0.291 * c.G + 0.439 * c.B);
                V[y * w + x] = Clip(128 + 0.439 * c.R - 0.368 * c.G - 0.071 * c.B);
            }
        Picture.data[0] = Y.data(), Picture.data[1] = U.data(), Picture.data[2] = V.data();
        Picture.linesize[0] = Picture.linesize[1] = Picture.linesize[2] = w;
    }
};

class PictureToBitmapTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(FFLoader.Load(ProbeLibraries)) << FFLoader.LastErrMsg(); }
};

} // namespace

TEST_F(PictureToBitmapTest, KnownFourByFourPictures) {
    // Sixteen distinct colours.
    auto color = [](int x, int y) { return Rgb{x * 80, y * 80, 255 - (x + y) * 30}; };
    TRGBConvertContext ctx;

    // BGRA with packed rows: copied as it stands.
    std::vector<uint8_t> bgra(4 * 4 * 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) {
            Rgb c = color(x, y);
            uint8_t* p = &bgra[(y * 4 + x) * 4];
            p[0] = uint8_t(c.B), p[1] = uint8_t(c.G), p[2] = uint8_t(c.R), p[3] = 255;
        }
    TAVPicture packed;
    packed.data[0] = bgra.data();
    packed.linesize[0] = 16;
    ASSERT_TRUE(PictureToBitmap(ctx, packed, AV_PIX_FMT_BGRA, 4, 4));
    ASSERT_TRUE(ctx.Bitmap);
    EXPECT_EQ(ctx.Bitmap->PixelFormat(), pf24bit);
    EXPECT_EQ(ctx.RGBBuf, nullptr); // no conversion was needed
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_TRUE(Near(PixelOf(*ctx.Bitmap, x, y), color(x, y), x, y));

    // BGR24: through the scaler.
    std::vector<uint8_t> bgr(4 * 4 * 3);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) {
            Rgb c = color(x, y);
            uint8_t* p = &bgr[(y * 4 + x) * 3];
            p[0] = uint8_t(c.B), p[1] = uint8_t(c.G), p[2] = uint8_t(c.R);
        }
    TAVPicture rgb24;
    rgb24.data[0] = bgr.data();
    rgb24.linesize[0] = 12;
    ASSERT_TRUE(PictureToBitmap(ctx, rgb24, AV_PIX_FMT_BGR24, 4, 4));
    EXPECT_NE(ctx.RGBBuf, nullptr);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_TRUE(Near(PixelOf(*ctx.Bitmap, x, y), color(x, y), x, y));

    // YUV, limited range.
    TYuvPicture yuv(4, 4, color);
    ASSERT_TRUE(PictureToBitmap(ctx, yuv.Picture, AV_PIX_FMT_YUV444P, 4, 4, AVCOL_RANGE_MPEG));
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_TRUE(Near(PixelOf(*ctx.Bitmap, x, y), color(x, y), x, y));

    // The same bytes read as full range are another picture: the range is honoured.
    std::fill(yuv.Y.begin(), yuv.Y.end(), 235);
    std::fill(yuv.U.begin(), yuv.U.end(), 128);
    std::fill(yuv.V.begin(), yuv.V.end(), 128);
    ASSERT_TRUE(PictureToBitmap(ctx, yuv.Picture, AV_PIX_FMT_YUV444P, 4, 4, AVCOL_RANGE_MPEG));
    EXPECT_TRUE(Near(PixelOf(*ctx.Bitmap, 1, 1), {255, 255, 255}, 1, 1));
    ASSERT_TRUE(PictureToBitmap(ctx, yuv.Picture, AV_PIX_FMT_YUV444P, 4, 4, AVCOL_RANGE_JPEG));
    EXPECT_TRUE(Near(PixelOf(*ctx.Bitmap, 1, 1), {235, 235, 235}, 1, 1));
}

TEST_F(PictureToBitmapTest, OddSizedPicturesGoThroughTheScaler) {
    constexpr int W = 321, H = 241, Frame = 5;
    auto color = [](int x, int y) {
        fixture::Rgb c = fixture::PixelAt(x, y, W, H, Frame);
        return Rgb{c.r, c.g, c.b};
    };
    TRGBConvertContext ctx;
    TYuvPicture yuv(W, H, color);
    ASSERT_TRUE(PictureToBitmap(ctx, yuv.Picture, AV_PIX_FMT_YUV444P, W, H));
    ASSERT_EQ(ctx.Bitmap->Width(), W);
    ASSERT_EQ(ctx.Bitmap->Height(), H);
    int bad = 0;
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            if (!Near(PixelOf(*ctx.Bitmap, x, y), color(x, y), x, y) && ++bad <= 5)
                ADD_FAILURE() << Near(PixelOf(*ctx.Bitmap, x, y), color(x, y), x, y).message();
    EXPECT_EQ(bad, 0);

    // BGRA of odd width is never copied directly.
    std::vector<uint8_t> bgra(W * H * 4, 0);
    for (int i = 0; i < W * H; ++i)
        bgra[i * 4 + 2] = 200, bgra[i * 4 + 3] = 255;
    TAVPicture packed;
    packed.data[0] = bgra.data();
    packed.linesize[0] = W * 4;
    ASSERT_TRUE(PictureToBitmap(ctx, packed, AV_PIX_FMT_BGRA, W, H));
    EXPECT_EQ(ctx.RGBPictureRef, &ctx.RGBPicture);
    EXPECT_TRUE(Near(PixelOf(*ctx.Bitmap, W - 1, H - 1), {200, 0, 0}, W - 1, H - 1));

    // A smaller picture next: the bitmap follows; clearing frees everything.
    TYuvPicture small(2, 2, [](int, int) { return Rgb{0, 0, 255}; });
    ASSERT_TRUE(PictureToBitmap(ctx, small.Picture, AV_PIX_FMT_YUV444P, 2, 2));
    EXPECT_EQ(ctx.Bitmap->Width(), 2);
    EXPECT_TRUE(Near(PixelOf(*ctx.Bitmap, 1, 1), {0, 0, 255}, 1, 1));
    ClearRGBContext(ctx);
    EXPECT_FALSE(ctx.Bitmap);
    EXPECT_EQ(ctx.toRGB_convert_ctx, nullptr);
    EXPECT_FALSE(PictureToBitmap(ctx, TAVPicture{}, AV_PIX_FMT_YUV420P, 2, 2));
}
