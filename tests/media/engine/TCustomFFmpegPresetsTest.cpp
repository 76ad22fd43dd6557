#include "tests/media/engine/EngineTestSupport.h"

#include <fstream>

#include "media/engine/BuiltinPresets.h"
#include "media/engine/PresetTranslation.h"

namespace {

// Opens libx264 on a small yuv420p context from the engine's current video
// options, as an output stream would; the caller frees the context.
AVCodecContext* OpenX264(TCustomFFmpeg& e, std::string& leftovers) {
    const AVCodec* codec = av::avcodec_find_encoder_by_name("libx264");
    if (!codec) return nullptr;
    AVCodecContext* ctx = av::avcodec_alloc_context3(codec);
    AVDictionary* opts = nullptr;
    ApplyFFCodecOptions(e.FOptions, ctx, AVMEDIA_TYPE_VIDEO, &opts,
                        AV_OPT_FLAG_VIDEO_PARAM | AV_OPT_FLAG_ENCODING_PARAM);
    ctx->width = 64;
    ctx->height = 48;
    ctx->pix_fmt = AV_PIX_FMT_YUV420P;
    ctx->time_base = AVRational{1, 25};
    int ret = av::avcodec_open2(ctx, codec, &opts);
    leftovers.clear();
    for (const AVDictionaryEntry* d = av::av_dict_get(opts, "", nullptr, AV_DICT_IGNORE_SUFFIX); d;
         d = av::av_dict_get(opts, "", d, AV_DICT_IGNORE_SUFFIX))
        leftovers += std::string(d->key) + " ";
    av::av_dict_free(&opts);
    if (ret < 0) av::avcodec_free_context(&ctx);
    return ctx;
}

struct TX264 {
    AVCodecContext* Ctx = nullptr;
    ~TX264() { av::avcodec_free_context(&Ctx); }
};

} // namespace

TEST(TCustomFFmpegPresetTable, HoldsThe36PresetsInOrder) {
    const auto& table = BuiltinPresets();
    ASSERT_EQ(table.size(), 36u);
    EXPECT_EQ(table.front().Name, "libx264-baseline");
    EXPECT_EQ(table[1].Name, "libx264-default");
    EXPECT_EQ(table[16].Name, "libx264-main");
    EXPECT_EQ(table.back().Name, "libx264-veryslow_firstpass");
    EXPECT_EQ(TCustomFFmpeg::FindPreset("libx264-baseline"), "coder=0\nbf=0\nflags2=-wpred-dct8x8\nwpredp=0");
    EXPECT_EQ(TCustomFFmpeg::FindPreset("LIBX264-MAIN"), "flags2=-dct8x8");
    EXPECT_EQ(TCustomFFmpeg::FindPreset("libx264-lossless_ultrafast"),
              "coder=0\nflags=+loop\ncmp=+chroma\npartitions=-parti8x8-parti4x4-partp8x8-partp4x4-partb8x8\n"
              "me_method=dia\nsubq=0\nme_range=16\ng=250\nkeyint_min=25\nsc_threshold=40\ni_qfactor=0.71\n"
              "b_strategy=1\nqcomp=0.6\nqmin=10\nqmax=51\nqdiff=4\ndirectpred=1\nflags2=+fastpskip\ncqp=0");
    EXPECT_EQ(TCustomFFmpeg::FindPreset("libx264-none"), "");
}

TEST(TCustomFFmpegPresetTranslation, TurnsOldLinesIntoTodaysOptions) {
    using L = std::vector<TOptionLine>;
    EXPECT_EQ(TranslatePresetLine("partitions", "+parti8x8+parti4x4-partp8x8+partb8x8"),
              (L{{"partitions", "i8x8,i4x4,b8x8"}}));
    EXPECT_EQ(TranslatePresetLine("partitions", "-parti8x8-parti4x4"), (L{{"partitions", "none"}}));
    EXPECT_EQ(TranslatePresetLine("me_method", "umh"), (L{{"motion-est", "umh"}}));
    EXPECT_EQ(TranslatePresetLine("directpred", "3"), (L{{"direct-pred", "3"}}));
    EXPECT_EQ(TranslatePresetLine("cqp", "0"), (L{{"qp", "0"}}));
    EXPECT_EQ(TranslatePresetLine("wpredp", "2"), (L{{"weightp", "2"}}));
    EXPECT_EQ(TranslatePresetLine("flags2", "+bpyramid-mixed_refs+wpred-dct8x8+fastpskip-mbtree+fast"),
              (L{{"b-pyramid", "normal"},
                 {"mixed-refs", "0"},
                 {"weightb", "1"},
                 {"8x8dct", "0"},
                 {"fast-pskip", "1"},
                 {"mbtree", "0"},
                 {"flags2", "+fast"}}));
    EXPECT_EQ(TranslatePresetLine("flags", "+scan_offset"), (L{{"scan_offset", "1"}}));
    EXPECT_EQ(TranslatePresetLine("flags", "+loop+scan_offset"),
              (L{{"flags", "+loop"}, {"scan_offset", "1"}}));
    EXPECT_EQ(TranslatePresetLine("flags", "-loop"), (L{{"flags", "-loop"}}));
    EXPECT_EQ(TranslatePresetLine("bufsize", "1835008"), (L{{"bufsize", "1835008"}}));
}

// Every built-in preset applies and the encoder opens with all of its values used.
TEST_F(TCustomFFmpegTest, PresetsEveryBuiltinOpensLibx264) {
    ASSERT_TRUE(av::avcodec_find_encoder_by_name("libx264")) << "libx264 missing from this build";
    for (const TOptionsPreset& preset : BuiltinPresets()) {
        E->Reset();
        E->SetOption("vcodec", "libx264");
        ASSERT_NO_THROW(E->SetOption("vpre", preset.Name)) << preset.Name;
        std::string leftovers;
        TX264 x264{OpenX264(*E, leftovers)};
        EXPECT_NE(x264.Ctx, nullptr) << preset.Name;
        EXPECT_EQ(leftovers, "") << preset.Name;
    }
}

TEST_F(TCustomFFmpegTest, PresetsDefaultReadsBack) {
    E->SetOption("vcodec", "libx264");
    E->SetOption("vpre", "LIBX264-DEFAULT");
    std::string leftovers;
    TX264 x264{OpenX264(*E, leftovers)};
    ASSERT_NE(x264.Ctx, nullptr);
    EXPECT_EQ(OptText(x264.Ctx, "coder"), "1") << "cabac";
    EXPECT_EQ(OptText(x264.Ctx, "refs"), "3");
    EXPECT_EQ(OptText(x264.Ctx, "bf"), "3");
    EXPECT_EQ(OptText(x264.Ctx, "weightp"), "2");
    EXPECT_EQ(OptText(x264.Ctx, "motion-est"), "1") << "hex";
    EXPECT_EQ(OptText(x264.Ctx, "partitions"), "i8x8,i4x4,p8x8,b8x8");
    EXPECT_EQ(x264.Ctx->gop_size, 250);
    EXPECT_EQ(x264.Ctx->keyint_min, 25);
}

// "vpre" with a short name looks up "<video codec>-<name>".
TEST_F(TCustomFFmpegTest, PresetsByCodecName) {
    E->SetOption("vcodec", "libx264");
    E->SetOption("vpre", "medium");
    AVCodecContext* video = E->FOptions.avcodec_opts[AVMEDIA_TYPE_VIDEO];
    EXPECT_EQ(video->me_subpel_quality, 7);
    EXPECT_EQ(video->refs, 3);
    EXPECT_EQ(DictValue(E->FOptions.codec_private[AVMEDIA_TYPE_VIDEO], "b-pyramid"), "normal");

    TCustomFFmpeg other(1);
    other.Reset();
    EXPECT_THROW(other.SetOption("vpre", "medium"), FFmpegException) << "no codec: a file named medium";
}

TEST_F(TCustomFFmpegTest, PresetsFromFiles) {
    TScratchFolder dir;
    auto write = [&](const std::string& name, const std::string& text) {
        std::ofstream(dir.File(name), std::ios::binary) << text;
        return dir.File(name);
    };
    // "fpre" reads the file even when its name is a built-in preset's.
    std::string builtinNamed = write("libx264-default", "g=77\r\n\r\n  acodec=mp2  \r\nqmin=3");
    E->SetOption("fpre", builtinNamed);
    EXPECT_EQ(E->FOptions.avcodec_opts[AVMEDIA_TYPE_VIDEO]->gop_size, 77);
    EXPECT_EQ(E->FOptions.avcodec_opts[AVMEDIA_TYPE_VIDEO]->qmin, 3);
    EXPECT_EQ(E->Faudio_codec_name, "mp2");

    std::string noEquals = write("bad.ffpreset", "g=10\nbf\n");
    try {
        E->SetOption("fpre", noEquals);
        ADD_FAILURE() << "line without = accepted";
    } catch (const FFmpegException& e) {
        EXPECT_EQ(e.Message(), noEquals + ": Invalid syntax: \"bf\"");
    }
    std::string emptyValue = write("empty.ffpreset", "g=");
    EXPECT_THROW(E->SetOption("fpre", emptyValue), FFmpegException);
    std::string unknown = write("unknown.ffpreset", "nosuchoption=1");
    try {
        E->SetOption("fpre", unknown);
        ADD_FAILURE() << "unknown option accepted";
    } catch (const FFmpegException& e) {
        EXPECT_EQ(e.Message(),
                  unknown +
                      ": Invalid option or argument: \"nosuchoption=1\", parsed as \"nosuchoption\" = \"1\"");
    }
    // A built-in preset name in messages is the name looked up last.
    E->SetOption("vcodec", "libx264");
    std::string missing = dir.File("absent");
    try {
        E->SetOption("vpre", missing);
        ADD_FAILURE() << "missing preset accepted";
    } catch (const FFmpegException& e) {
        EXPECT_EQ(e.Message(), "Preset \"" + missing + "\" not found");
    }
    // Either argument empty: nothing happens.
    EXPECT_NO_THROW(E->ApplyPreset("vpre", ""));
    EXPECT_NO_THROW(E->ApplyPreset("", "x"));
}
