#include "media/FFOptions.h"
#include "media/TFFLogger.h"
#include "media/TFFmpegLoader.h"

#include <gtest/gtest.h>

namespace {

class FFOptionsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(FFLoader.Load(ComponentLibraries)) << FFLoader.LastErrMsg();
        GetFFLogger()->OnLog = [this](void*, uint32_t, TLogLevel level, const std::string& text) {
            if (level <= llError && text.rfind("Invalid value", 0) == 0)
                Errors.push_back(text);
        };
        ASSERT_TRUE(AllocFFOptions(Options, SWS_BICUBIC));
    }
    void TearDown() override { FreeFFOptions(Options); }

    int64_t IntOf(void* obj, const char* name) {
        int64_t v = -1;
        av::av_opt_get_int(obj, name, 0, &v);
        return v;
    }
    std::string DictValue(AVDictionary* d, const char* key) {
        const AVDictionaryEntry* e = av::av_dict_get(d, key, nullptr, 0);
        return e ? e->value : "<none>";
    }

    TFFOptions Options;
    std::vector<std::string> Errors;
};

} // namespace

TEST_F(FFOptionsTest, GenericOptionsGoToEveryContextTheyBelongTo) {
    ASSERT_TRUE(SetFFOption(Options, "g", "12")); // a video codec option
    EXPECT_EQ(Options.avcodec_opts[AVMEDIA_TYPE_VIDEO]->gop_size, 12);
    ASSERT_TRUE(SetFFOption(Options, "ar", "22050")); // audio only
    EXPECT_EQ(Options.avcodec_opts[AVMEDIA_TYPE_AUDIO]->sample_rate, 22050);
    EXPECT_EQ(Options.avcodec_opts[AVMEDIA_TYPE_VIDEO]->sample_rate, 0);
    ASSERT_TRUE(SetFFOption(Options, "probesize", "4096")); // a format option
    EXPECT_EQ(IntOf(Options.avformat_opts, "probesize"), 4096);
    ASSERT_TRUE(SetFFOption(Options, "sws_flags", "bilinear")); // a scaler option
    EXPECT_EQ(IntOf(Options.sws_opts, "sws_flags"), SWS_BILINEAR);
    EXPECT_EQ(Options.opt_names, (std::vector<std::string>{"g", "ar", "probesize", "sws_flags"}));

    // ApplyFFOptions copies what was set, when the flags fit.
    AVCodecContext* encoder = av::avcodec_alloc_context3(nullptr);
    ApplyFFOptions(Options, encoder, Options.avcodec_opts[AVMEDIA_TYPE_VIDEO],
                   AV_OPT_FLAG_VIDEO_PARAM | AV_OPT_FLAG_ENCODING_PARAM);
    EXPECT_EQ(encoder->gop_size, 12);
    EXPECT_EQ(encoder->sample_rate, 0); // "ar" carries no video flag
    av::avcodec_free_context(&encoder);
}

TEST_F(FFOptionsTest, PrefixedFallbackAndPrivateOptions) {
    // "ab" is no option of its own: "b" for the audio context only.
    ASSERT_TRUE(SetFFOption(Options, "ab", "64000"));
    EXPECT_EQ(Options.avcodec_opts[AVMEDIA_TYPE_AUDIO]->bit_rate, 64000);
    EXPECT_NE(Options.avcodec_opts[AVMEDIA_TYPE_VIDEO]->bit_rate, 64000);

    // Private options of one encoder or muxer are kept for opening it.
    ASSERT_TRUE(SetFFOption(Options, "crf", "23"));
    EXPECT_EQ(DictValue(Options.codec_dict[AVMEDIA_TYPE_VIDEO], "crf"), "23");
    ASSERT_TRUE(SetFFOption(Options, "muxrate", "10080000"));
    EXPECT_EQ(DictValue(Options.format_dict, "muxrate"), "10080000");
    EXPECT_TRUE(Errors.empty());
}

TEST_F(FFOptionsTest, UnknownNamesAndBadValues) {
    EXPECT_FALSE(SetFFOption(Options, "no_such_option_anywhere", "1"));
    EXPECT_FALSE(SetFFOption(Options, " ", "1"));
    EXPECT_FALSE(SetFFOption(Options, "g", "  "));
    EXPECT_TRUE(Errors.empty());

    EXPECT_FALSE(SetFFOption(Options, "g", "lots"));
    EXPECT_FALSE(SetFFOption(Options, "crf", "very good")); // private, checked on a scratch encoder
    FlushFFLog();
    EXPECT_EQ(Errors, (std::vector<std::string>{"Invalid value \"lots\" for option \"g\"",
                                                "Invalid value \"very good\" for option \"crf\""}));
    EXPECT_TRUE(Options.opt_names.empty());
}

TEST_F(FFOptionsTest, DebugOptionRaisesTheLogLevel) {
    GetFFLogger()->SetLogLevel(llInfo);
    ASSERT_TRUE(SetFFOption(Options, "debug", "pict"));
    EXPECT_EQ(GetFFLogger()->LogLevel(), llDebug);
}
