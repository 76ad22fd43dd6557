// The picture on the screen: the aspect fit with its black bars, the
// vertical flip and the hook.

#include "media/TFFLogger.h"
#include "tests/media/player/PlayerTestSupport.h"
#include "tests/media/player/ScreenCapture.h"

#include <sstream>
#include <stdexcept>

namespace {

class TCustomPlayerPictureTest : public PlayerLibrariesTest {};

struct FitCase {
    int ScreenW, ScreenH;
    float Aspect;
    SDL_Rect Picture; // where frame 0 of the 320 x 240 clip must be
};

// Differences from what the fit puts where, checked on a grid: inside the
// picture the fixture colours (mapped back into the 320 x 240 frame, upside
// down when flipped), outside black. Points next to an edge are skipped.
std::string FitErrors(const ScreenShot& AShot, const SDL_Rect& r, bool AFlipped) {
    std::ostringstream out;
    int errors = 0;
    for (int y = 1; y < AShot.Height; y += 3)
        for (int x = 1; x < AShot.Width; x += 3) {
            const bool inside = x >= r.x && x < r.x + r.w && y >= r.y && y < r.y + r.h;
            const bool near_edge = std::abs(x - r.x) < 3 || std::abs(x - (r.x + r.w)) < 3 ||
                                   std::abs(y - r.y) < 3 || std::abs(y - (r.y + r.h)) < 3;
            if (near_edge) continue;
            fixture::Rgb want{0, 0, 0};
            if (inside) {
                const int vx = (x - r.x) * 320 / r.w;
                int vy = (y - r.y) * 240 / r.h;
                if (AFlipped) vy = 239 - vy;
                want = fixture::PixelAt(vx, vy, 320, 240, 0);
                bool flat = true;
                for (int d : {-4, 4}) {
                    const fixture::Rgb a = fixture::PixelAt(std::clamp(vx + d, 0, 319), vy, 320, 240, 0);
                    const fixture::Rgb b = fixture::PixelAt(vx, std::clamp(vy + d, 0, 239), 320, 240, 0);
                    flat = flat && a.r == want.r && a.g == want.g && a.b == want.b && b.r == want.r &&
                           b.g == want.g && b.b == want.b;
                }
                if (!flat) continue;
            }
            const fixture::Rgb got = AShot.At(x, y);
            const int tolerance = inside ? 64 : 16;
            if (std::abs(got.r - want.r) > tolerance || std::abs(got.g - want.g) > tolerance ||
                std::abs(got.b - want.b) > tolerance) {
                if (++errors <= 5)
                    out << "(" << x << "," << y << ") got " << int(got.r) << "/" << int(got.g) << "/"
                        << int(got.b) << " want " << int(want.r) << "/" << int(want.g) << "/" << int(want.b)
                        << "; ";
            }
        }
    if (errors) out << errors << " points differ; ";
    // Exact edges where the picture meets a bar with its white column: the
    // left edge, and the top (upright) or bottom (flipped) in the bars' area.
    const int mid_y = r.y + r.h / 2;
    int first_x = 0;
    while (first_x < AShot.Width && AShot.IsBlack(first_x, mid_y, 40))
        ++first_x;
    if (first_x != r.x) out << "left edge at " << first_x << "; ";
    const int column = r.x + r.w / 16;
    if (!AFlipped) {
        int first_y = 0;
        while (first_y < AShot.Height && AShot.IsBlack(column, first_y, 40))
            ++first_y;
        if (first_y != r.y) out << "top edge at " << first_y << "; ";
    } else {
        int last_y = AShot.Height - 1;
        while (last_y >= 0 && AShot.IsBlack(column, last_y, 40))
            --last_y;
        if (last_y != r.y + r.h - 1) out << "bottom edge at " << last_y + 1 << "; ";
    }
    return out.str();
}

TEST_F(TCustomPlayerPictureTest, FitPutsThePictureWhereTheTableSaysWithBlackBarsWithAndWithoutFlip) {
    const FitCase cases[] = {
        {320, 240, 0.0f, {0, 0, 320, 240}},   // the window has the picture's aspect
        {400, 200, 0.0f, {67, 0, 266, 200}},  // pillarbox: 266.7 rounds to 267, down to even
        {320, 320, 0.0f, {0, 40, 320, 240}},  // letterbox
        {330, 250, 0.0f, {0, 1, 330, 248}},   // too wide: width kept, 247.5 rounds to 248
        {400, 200, -1.0f, {0, 0, 400, 200}},  // negative: fills the window
        {400, 200, 1.0f, {100, 0, 200, 200}}, // a forced square
        {200, 300, 1.0f, {0, 50, 200, 200}},  // a forced square in a tall window
    };
    for (const bool flip : {false, true}) {
        SCOPED_TRACE(flip ? "flipped" : "upright");
        ScreenCapture capture;
        TCustomPlayer player;
        PlayerRecorder rec(player);
        player.SetVerticalFlip(flip);
        player.SetScreenWidth(320);
        player.SetScreenHeight(240);
        ASSERT_TRUE(player.Open(FixturePath("clip3s.mkv"), 0, true)) << player.LastErrMsg();
        ASSERT_TRUE(rec.WaitState(psPause));
        for (const FitCase& c : cases) {
            SCOPED_TRACE(std::to_string(c.ScreenW) + "x" + std::to_string(c.ScreenH) + " aspect " +
                         std::to_string(c.Aspect));
            // The screen event makes the play thread take the new size and redraw.
            player.SetScreenWidth(c.ScreenW);
            player.SetScreenHeight(c.ScreenH);
            player.SetAspectRatio(c.Aspect);
            const int before = capture.Count();
            PostScreenEvent();
            ASSERT_TRUE(capture.WaitFor(before, [&](const ScreenShot& s) {
                return s.Width == c.ScreenW && s.Height == c.ScreenH && s.Pts >= 0;
            }));
            EXPECT_EQ(FitErrors(capture.Last(), c.Picture, flip), "");
        }
        player.Stop(true);
        EXPECT_FALSE(player.VerticalFlip()) << "a closed file resets the flip";
    }
}

TEST_F(TCustomPlayerPictureTest, SettingTheAspectWhileOpenRedrawsWithTheNewFit) {
    ScreenCapture capture;
    TCustomPlayer player;
    PlayerRecorder rec(player);
    player.SetScreenWidth(400);
    player.SetScreenHeight(200);
    player.SetAspectRatio(-1);
    ASSERT_TRUE(player.Open(FixturePath("clip3s.mkv"), 0, true)) << player.LastErrMsg();
    ASSERT_TRUE(rec.WaitState(psPause));
    ASSERT_TRUE(capture.WaitFor(0, [](const ScreenShot& s) { return s.Pts >= 0 && !s.IsBlack(10, 100); }));
    const int before = capture.Count();
    player.SetAspectRatio(0); // posts the redraw itself
    ASSERT_TRUE(capture.WaitFor(before, [](const ScreenShot& s) { return s.Pts >= 0; }));
    EXPECT_EQ(FitErrors(capture.Last(), {67, 0, 266, 200}, false), "");
    player.Stop(true);
}

struct HookCase {
    const char* Name;
    bool Raises;
};
void PrintTo(const HookCase& c, std::ostream* os) {
    *os << c.Name;
}

class TCustomPlayerHookTest : public PlayerLibrariesTest, public ::testing::WithParamInterface<HookCase> {};

// The box lies on the blue bar (x 240..279), so white shows the hook's work.
constexpr int BoxX0 = 250, BoxX1 = 270, BoxY0 = 40, BoxY1 = 80;

TEST_P(TCustomPlayerHookTest, PaintedBoxShowsAndARaisingHookLeavesThePictureAndLogs) {
    const HookCase hc = GetParam();
    std::mutex lock;
    std::vector<std::string> errors;
    GetFFLogger()->OnLog = [&](void*, uint32_t, TLogLevel ALevel, const std::string& AText) {
        std::lock_guard guard(lock);
        if (ALevel == llError) errors.push_back(AText);
    };
    ScreenCapture capture;
    TCustomPlayer player;
    PlayerRecorder rec(player);
    std::atomic<int> calls{0};
    std::atomic<bool> on_gui{false};
    player.SetHook(true);
    player.SetOnHook([&](TCustomPlayer*, TBitmap* ABitmap, int64_t) {
        ++calls;
        if (IsGuiThread()) on_gui = true;
        for (int y = BoxY0; y < BoxY1; ++y)
            for (int x = BoxX0; x < BoxX1; ++x)
                ABitmap->ScanLine(y)[x] = 0xFFFFFFFF;
        if (hc.Raises) throw std::runtime_error("boom");
    });
    player.SetScreenWidth(320);
    player.SetScreenHeight(240);
    ASSERT_TRUE(player.Open(FixturePath("clip3s.mkv"), 0, true)) << player.LastErrMsg();
    ASSERT_TRUE(rec.WaitState(psPause));
    ASSERT_TRUE(capture.WaitFor(0, [](const ScreenShot& s) { return s.Pts >= 0; }));
    EXPECT_GT(calls.load(), 0);
    EXPECT_FALSE(on_gui.load());

    const fixture::Rgb want = hc.Raises ? fixture::Rgb{0, 0, 255} : fixture::Rgb{255, 255, 255};
    TBitmap* frame = player.CurrentFrame();
    ASSERT_EQ(frame->Width(), 320);
    const ScreenShot shot = capture.Last();
    for (const auto& [x, y] : {std::pair{BoxX0 + 3, BoxY0 + 3}, std::pair{BoxX1 - 4, BoxY1 - 4}}) {
        for (const fixture::Rgb got : {BitmapPixel(*frame, x, y), shot.At(x, y)}) {
            EXPECT_NEAR(got.r, want.r, 48) << x << "," << y;
            EXPECT_NEAR(got.g, want.g, 48) << x << "," << y;
            EXPECT_NEAR(got.b, want.b, 48) << x << "," << y;
        }
    }
    // Outside the box the picture is as decoded.
    EXPECT_LT(BarError(*frame), 40);
    player.Stop(true);

    FlushFFLog();
    std::lock_guard guard(lock);
    const bool logged = std::find(errors.begin(), errors.end(), "Error occurs OnHook: boom") != errors.end();
    EXPECT_EQ(logged, hc.Raises);
    GetFFLogger()->OnLog = nullptr;
}

INSTANTIATE_TEST_SUITE_P(Hooks, TCustomPlayerHookTest,
                         ::testing::Values(HookCase{"Paints", false}, HookCase{"Raises", true}),
                         [](const auto& AInfo) { return std::string(AInfo.param.Name); });

} // namespace
