// The hooks between decoding and encoding: the custom hook, frame-hook
// modules, deinterlacing, and stream copy refusing all of them.

#include <dlfcn.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>

#include "media/engine/Deinterlace.h"
#include "media/engine/FrameHooks.h"
#include "platform/gdi/TBitmap.h"
#include "tests/media/engine/HookTestSupport.h"

namespace {

// A variable a loaded frame-hook module exports.
template <class T> T& ModuleVariable(const std::string& AModule, const char* AName) {
    void* handle = dlopen(HookModule(AModule).c_str(), RTLD_NOW | RTLD_NOLOAD);
    EXPECT_NE(handle, nullptr) << AModule << " is not loaded";
    static T none{};
    if (!handle) return none;
    void* p = dlsym(handle, AName);
    dlclose(handle); // the engine's own reference keeps it loaded
    return p ? *static_cast<T*>(p) : none;
}

// The bitmap's black bar (the right eighth, above the counter) gets a white box.
void PaintBox(TBitmap* ABitmap) {
    for (int y = 20; y < 60; ++y)
        for (int x = 284; x < 316; ++x)
            ABitmap->ScanLine(y)[x] = 0xFFFFFFFF;
}

} // namespace

TEST_F(TCustomFFmpegTest, CustomHookDrawsIntoTheEncodedPictures) {
    TScratchFolder folder;
    std::vector<int> numbers;
    std::vector<int64_t> times;
    const std::string output = ConvertLossless(folder, "box.mkv", [&](TCustomFFmpeg& e) {
        e.FOnCustomHook = [&](TCustomFFmpeg* Sender, TBitmap* ABitmap, int AFrameNumber, int64_t APTS,
                              bool& AUpdate, bool& AStopHook) {
            EXPECT_EQ(Sender, &e);
            EXPECT_TRUE(AUpdate);
            EXPECT_FALSE(AStopHook);
            ASSERT_EQ(ABitmap->Width(), 320);
            ASSERT_EQ(ABitmap->Height(), 240);
            numbers.push_back(AFrameNumber);
            times.push_back(APTS);
            PaintBox(ABitmap);
        };
    });
    EXPECT_EQ(numbers, (std::vector<int>{1, 2, 3, 4, 5, 6}));
    ASSERT_EQ(times.size(), 6u);
    for (size_t i = 1; i < times.size(); ++i)
        EXPECT_NEAR(times[i] - times[i - 1], 40000, 1000);
    const std::vector<TLumaFrame> frames = DecodeLuma(output);
    ASSERT_EQ(frames.size(), 6u);
    for (const TLumaFrame& f : frames) {
        EXPECT_GT(f.Mean(288, 24, 312, 56), 225); // the box, white
        EXPECT_LT(f.Mean(288, 90, 312, 150), 30); // the bar below it, still black
    }
}

TEST_F(TCustomFFmpegTest, RaisingCustomHookIsLoggedAndLeavesThePictureAsDecoded) {
    TScratchFolder folder;
    const std::string plain = ConvertLossless(folder, "plain.mkv", nullptr);
    int calls = 0;
    const std::string hooked = ConvertLossless(folder, "hooked.mkv", [&](TCustomFFmpeg& e) {
        e.FOnCustomHook = [&](TCustomFFmpeg*, TBitmap* ABitmap, int, int64_t, bool&, bool&) {
            ++calls;
            PaintBox(ABitmap); // drawn, then abandoned
            throw Exception("no canvas");
        };
    });
    EXPECT_EQ(calls, 6); // the hook stays on
    EXPECT_TRUE(Log.Has(llError, "Error occurs OnCustomHook: no canvas"));
    const std::vector<TLumaFrame> a = DecodeLuma(plain), b = DecodeLuma(hooked);
    ASSERT_EQ(a.size(), 6u);
    ASSERT_EQ(b.size(), 6u);
    for (size_t i = 0; i < a.size(); ++i)
        EXPECT_EQ(a[i].Y, b[i].Y) << "picture " << i;
}

TEST_F(TCustomFFmpegTest, StopHookEndsTheCustomHookAndTheModules) {
    TScratchFolder folder;
    std::vector<int> numbers;
    int processedBefore = 0;
    const std::string output = ConvertLossless(folder, "stop.mkv", [&](TCustomFFmpeg& e) {
        e.SetOption("vhook", HookModule("invert_luma.so"));
        // The module stays loaded from an earlier case of the same program.
        processedBefore = ModuleVariable<int>("invert_luma.so", "invert_processed");
        e.FOnCustomHook = [&](TCustomFFmpeg*, TBitmap* ABitmap, int AFrameNumber, int64_t, bool&,
                              bool& AStopHook) {
            numbers.push_back(AFrameNumber);
            PaintBox(ABitmap);
            AStopHook = AFrameNumber == 2;
        };
    });
    EXPECT_EQ(numbers, (std::vector<int>{1, 2}));
    // The custom hook takes the place of the modules, which stop with it.
    EXPECT_EQ(ModuleVariable<int>("invert_luma.so", "invert_processed"), processedBefore);
    const std::vector<TLumaFrame> frames = DecodeLuma(output);
    ASSERT_EQ(frames.size(), 6u);
    EXPECT_GT(frames[1].Mean(288, 24, 312, 56), 225);
    EXPECT_LT(frames[2].Mean(288, 24, 312, 56), 30);
}

TEST_F(TCustomFFmpegTest, FrameHookModuleInvertsTheLumaOfEveryPicture) {
    TScratchFolder folder;
    const std::string plain = ConvertLossless(folder, "plain.mkv", nullptr);
    int processed = 0, released = 0; // the counters before the run
    const std::string inverted = ConvertLossless(folder, "inverted.mkv", [&](TCustomFFmpeg& e) {
        e.SetOption("vhook", HookModule("invert_luma.so") + " -strength 1");
        EXPECT_TRUE(e.Fusing_vhook);
        processed = ModuleVariable<int>("invert_luma.so", "invert_processed");
        released = ModuleVariable<int>("invert_luma.so", "invert_released");
    });
    EXPECT_EQ(ModuleVariable<int>("invert_luma.so", "invert_processed") - processed, 6);
    // Released once, when the run cleaned up.
    EXPECT_EQ(ModuleVariable<int>("invert_luma.so", "invert_released") - released, 1);
    const std::vector<TLumaFrame> a = DecodeLuma(plain), b = DecodeLuma(inverted);
    ASSERT_EQ(a.size(), 6u);
    ASSERT_EQ(b.size(), 6u);
    for (size_t i = 0; i < a.size(); ++i) {
        ASSERT_EQ(a[i].Y.size(), b[i].Y.size());
        size_t wrong = 0;
        for (size_t k = 0; k < a[i].Y.size(); ++k)
            wrong += a[i].Y[k] + b[i].Y[k] != 255;
        EXPECT_EQ(wrong, 0u) << "picture " << i;
    }
}

// "vhook" texts: the words a module is configured with, and the texts of
// the ways adding one fails.
TEST_F(TCustomFFmpegTest, VideoHookOptionWordsAndFailures) {
    const std::string invert = HookModule("invert_luma.so");
    const std::string bare = HookModule("no_configure.so");
    struct TCase {
        std::string Value;
        std::string Configured; // the words invert_luma saw, or the error logged
        bool Added;
    };
    const std::vector<TCase> cases = {
        {invert + "|-h|10", invert + ",-h,10", true},
        {invert + " -h 10", invert + ",-h,10", true},
        {"||" + invert + "||-h|||10|", invert + ",-h,10", true},
        {"  " + invert + "   a  b ", invert + ",a,b", true},
        {bare, "", true}, // no Configure, no arguments: accepted
        {bare + " -h", "Failed to find Configure entrypoint in " + bare, false},
        {invert + " fail", "Failed to Configure " + invert, false},
        {HookModule("Invert_Luma.so"), "Invert_Luma.so: cannot open shared object file", false},
        {"", "", false},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Value);
        auto engine = std::make_unique<TCustomFFmpeg>(20);
        engine->Reset();
        Log.Clear();
        try {
            engine->SetOption("vhook", c.Value);
            EXPECT_TRUE(c.Added);
            EXPECT_TRUE(engine->Fusing_vhook);
            if (c.Value.find("invert") != std::string::npos) {
                EXPECT_EQ(std::string(&ModuleVariable<char>("invert_luma.so", "invert_configure_args")),
                          c.Configured);
                EXPECT_EQ(ModuleVariable<int>("invert_luma.so", "invert_configure_last_index"), 63);
            }
        } catch (const FFmpegException& e) {
            EXPECT_FALSE(c.Added);
            EXPECT_EQ(e.Message(), "Failed to add video hook function: " + c.Value);
            EXPECT_FALSE(engine->Fusing_vhook);
            bool logged = c.Configured.empty();
            for (const TLogCapture::TLine& l : Log.Lines())
                logged = logged || (l.Level == llError && l.Text.find(c.Configured) != std::string::npos);
            EXPECT_TRUE(logged) << c.Configured;
        }
    }
}

TEST(FrameHooks, SplitKeepsAtMostSixtyFourWords) {
    std::string text = "module.so";
    for (int i = 1; i <= 70; ++i)
        text += " a" + std::to_string(i);
    const std::vector<std::string> words = SplitVideoHookText(text);
    ASSERT_EQ(words.size(), 64u);
    EXPECT_EQ(words.front(), "module.so");
    EXPECT_EQ(words.back(), "a63");
    EXPECT_TRUE(SplitVideoHookText("|||").empty());
    EXPECT_EQ(SplitVideoHookText(" a | b "), (std::vector<std::string>{" a ", " b "}));
}

// A module named with a relative folder is loaded from there without the
// current folder or PATH changing; each chain entry is released once.
TEST(FrameHooks, RelativeFolderLoadsWithoutChangingFolderOrPath) {
    ASSERT_TRUE(FFLoader.Load(ComponentLibraries)) << FFLoader.LastErrMsg();
    const std::string dir = DUVA_HOOK_MODULES_DIR;
    const std::string parent = dir.substr(0, dir.rfind('/'));
    ASSERT_EQ(chdir(parent.c_str()), 0);
    const char* path = getenv("PATH");
    const std::string pathBefore = path ? path : "";
    std::unique_ptr<TFrameHookEntry> chain;
    EXPECT_EQ(AddFrameHook(chain, {"hookmodules/invert_luma.so", "x"}), 0);
    EXPECT_EQ(AddFrameHook(chain, {"hookmodules/no_configure.so"}), 0);
    EXPECT_EQ(AddFrameHook(chain, {"./hookmodules/invert_luma.so", "y"}), 0);
    char cwd[PATH_MAX];
    ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
    EXPECT_EQ(std::string(cwd), parent);
    path = getenv("PATH");
    EXPECT_EQ(path ? path : "", pathBefore);
    int entries = 0;
    for (TFrameHookEntry* e = chain.get(); e; e = e->next.get())
        ++entries;
    EXPECT_EQ(entries, 3);
    const int released = ModuleVariable<int>("invert_luma.so", "invert_released");
    ReleaseFrameHooks(chain);
    EXPECT_EQ(chain, nullptr);
    EXPECT_EQ(ModuleVariable<int>("invert_luma.so", "invert_released") - released, 2);
}

// Stream copy has no pictures or samples to work on: every hook and the
// volume refuse it, each with its own text.
TEST_F(TCustomFFmpegTest, StreamCopyRefusesHooksPreviewAndVolume) {
    struct TCase {
        const char* Name;
        TOptionList Options;
        std::function<void(TCustomFFmpeg&)> SetUp;
        const char* Text;
    };
    const std::vector<TCase> cases = {
        {"custom hook",
         {{"vcodec", "copy"}},
         [](TCustomFFmpeg& e) {
             e.FOnCustomHook = [](TCustomFFmpeg*, TBitmap*, int, int64_t, bool&, bool&) {};
         },
         "-vcodec copy and CustomHook are incompatible (frames are not decoded)"},
        {"module",
         {{"vcodec", "copy"}},
         [](TCustomFFmpeg& e) { e.SetOption("vhook", HookModule("no_configure.so")); },
         "-vcodec copy and -vhook are incompatible (frames are not decoded)"},
        {"preview",
         {{"vcodec", "copy"}},
         [](TCustomFFmpeg& e) { e.SetPostHooks({TPostHook::phPreview}); },
         "-vcodec copy and PostHooks are incompatible (frames are not decoded)"},
        {"bitmap",
         {{"vcodec", "copy"}},
         [](TCustomFFmpeg& e) { e.SetPostHooks({TPostHook::phBitmap}); },
         "-vcodec copy and PostHooks are incompatible (frames are not decoded)"},
        {"volume",
         {{"acodec", "copy"}, {"vol", "512"}},
         nullptr,
         "-acodec copy and -vol are incompatible (frames are not decoded)"},
    };
    TScratchFolder folder;
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        auto engine = std::make_unique<TCustomFFmpeg>(20);
        engine->Reset();
        if (c.SetUp) c.SetUp(*engine);
        PrepareConversion(*engine, FixturePath("clip.mkv"), {}, folder.File("copy.mkv"), c.Options);
        if (HasFatalFailure()) return;
        engine->StartConvert(false);
        EXPECT_TRUE(engine->FatalException());
        EXPECT_EQ(engine->FatalMessage(), c.Text);
    }
}

// Deinterlacing keeps the even lines and filters the odd ones from their
// neighbours, (-1, 4, 2, 4, -1) / 8, the edge lines repeating.
TEST(Deinterlace, FiltersOddLinesFromTheirNeighbours) {
    const int w = 4, h = 8;
    const uint8_t rows[h] = {10, 200, 30, 0, 250, 240, 0, 90};
    std::vector<uint8_t> src(w * h), dst(w * h, 7);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            src[static_cast<size_t>(y * w + x)] = static_cast<uint8_t>(rows[y] + x);
    TAVPicture in, out;
    in.data[0] = src.data();
    in.linesize[0] = w;
    out.data[0] = dst.data();
    out.linesize[0] = w;
    ASSERT_TRUE(DeinterlacePicture(out, in, AV_PIX_FMT_GRAY8, w, h));
    // Column 0 worked by hand; the other columns are the same plus x.
    //   row 1: (-10 + 40 + 400 + 120 - 0 + 4) >> 3 = 69
    //   row 3: (-200 + 120 + 0 + 1000 - 240 + 4) >> 3 = 85
    //   row 5: (-0 + 1000 + 480 + 0 - 90 + 4) >> 3 = 174
    //   row 7: (-240 + 0 + 180 + 360 - 90 + 4) >> 3 = 26
    const int expected[h] = {10, 69, 30, 85, 250, 174, 0, 26};
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            EXPECT_EQ(dst[static_cast<size_t>(y * w + x)], std::clamp(expected[y] + x, 0, 255))
                << "row " << y << " column " << x;

    // Clipped at both ends: row 1 sums to (-255 + 1020 + 510 + 1020 - 0 + 4) >> 3 = 287,
    // row 7 to (-255 + 0 + 0 + 0 - 0 + 4) >> 3 = -32.
    const uint8_t spikes[h] = {255, 255, 255, 0, 0, 255, 0, 0};
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            src[static_cast<size_t>(y * w + x)] = spikes[y];
    ASSERT_TRUE(DeinterlacePicture(out, in, AV_PIX_FMT_GRAY8, w, h));
    EXPECT_EQ(dst[1 * w], 255);
    EXPECT_EQ(dst[7 * w], 0);

    // Formats and sizes it does not take.
    EXPECT_FALSE(DeinterlacePicture(out, in, AV_PIX_FMT_GRAY8, 6, h));
    EXPECT_FALSE(DeinterlacePicture(out, in, AV_PIX_FMT_GRAY8, w, 6));
    EXPECT_FALSE(DeinterlacePicture(out, in, AV_PIX_FMT_RGB24, w, h));
}

// In a conversion the even lines pass unchanged and the odd ones are
// filtered; a picture the filter does not take is logged and kept as it is.
TEST_F(TCustomFFmpegTest, DeinterlaceOptionFiltersTheOddLinesOfEveryPicture) {
    TScratchFolder folder;
    const std::vector<TLumaFrame> plain = DecodeLuma(ConvertLossless(folder, "plain.mkv", nullptr));
    const std::vector<TLumaFrame> filtered =
        DecodeLuma(ConvertLossless(folder, "filtered.mkv", nullptr, {{"deinterlace", "1"}}));
    ASSERT_EQ(plain.size(), 6u);
    ASSERT_EQ(filtered.size(), 6u);
    const TLumaFrame& a = plain[0];
    const TLumaFrame& b = filtered[0];
    int changedOdd = 0;
    for (int y = 0; y < a.Height; ++y)
        for (int x = 0; x < a.Width; ++x) {
            if (y % 2 == 0)
                ASSERT_EQ(b.At(x, y), a.At(x, y)) << x << "," << y;
            else
                changedOdd += b.At(x, y) != a.At(x, y);
        }
    EXPECT_GT(changedOdd, 0);
    EXPECT_FALSE(Log.Has(llError, "Deinterlacing failed."));

    const std::vector<TLumaFrame> oddPlain =
        DecodeLuma(ConvertLossless(folder, "odd_plain.mkv", nullptr, {}, "odd_321x241.mkv"));
    const std::vector<TLumaFrame> oddKept = DecodeLuma(
        ConvertLossless(folder, "odd_kept.mkv", nullptr, {{"deinterlace", "1"}}, "odd_321x241.mkv"));
    EXPECT_TRUE(Log.Has(llError, "Deinterlacing failed."));
    ASSERT_EQ(oddPlain.size(), 6u);
    ASSERT_EQ(oddPlain.size(), oddKept.size());
    for (size_t i = 0; i < oddPlain.size(); ++i)
        EXPECT_EQ(oddPlain[i].Y, oddKept[i].Y) << "picture " << i;
}
