#include "tests/media/engine/EngineTestSupport.h"

#include <functional>

#include "platform/base/Exception.h"

namespace {

using F = TCustomFFmpeg;

const char* const DoNothingNames[] = {"L",         "h",       "version", "formats", "codecs",   "bsfs",
                                      "protocols", "filters", "i",       "y",       "benchmark"};

struct TBoolOption {
    const char* Name;
    bool F::*Field;
};
const TBoolOption BoolOptions[] = {
    {"dump", &F::Fdo_pkt_dump},      {"hex", &F::Fdo_hex_dump},       {"re", &F::Frate_emu},
    {"loop_input", &F::Floop_input}, {"shortest", &F::Fopt_shortest}, {"intra", &F::Fintra_only},
    {"vn", &F::Fvideo_disable},      {"sameq", &F::Fsame_quality},    {"deinterlace", &F::Fdo_deinterlace},
    {"psnr", &F::Fdo_psnr},          {"qphist", &F::Fqp_hist},        {"force_fps", &F::Fforce_fps},
    {"an", &F::Faudio_disable},      {"sn", &F::Fsubtitle_disable},   {"isync", &F::Finput_sync},
};

struct TIntOption {
    const char* Name;
    std::function<int64_t(const F&)> Read;
};
const TIntOption IntOptions[] = {
    {"dframes", [](const F& e) { return e.Fmax_frames[2]; }},
    {"loop_output", [](const F& e) { return e.Floop_output; }},
    {"vsync", [](const F& e) { return e.Fvideo_sync_method; }},
    {"async", [](const F& e) { return e.Faudio_sync_method; }},
    {"vglobal", [](const F& e) { return e.Fvideo_global_header; }},
    {"programid", [](const F& e) { return e.Fopt_programid; }},
    {"copyinkf", [](const F& e) { return e.Fcopy_initial_nonkeyframes; }},
    {"vframes", [](const F& e) { return e.Fmax_frames[0]; }},
    {"vdt", [](const F& e) { return e.Fvideo_discard; }},
    {"dc", [](const F& e) { return e.Fintra_dc_precision; }},
    {"aframes", [](const F& e) { return e.Fmax_frames[1]; }},
    {"vol", [](const F& e) { return e.Faudio_volume; }},
    {"v", [](const F& e) { return e.Fverbose; }},
    {"me_threshold", [](const F& e) { return e.Fme_threshold; }},
    {"top", [](const F& e) { return e.Ftop_field_first; }},
    {"vc", [](const F& e) { return e.Fvideo_channel; }},
    {"fs", [](const F& e) { return e.Flimit_filesize; }},
};

struct TFloatOption {
    const char* Name;
    float F::*Field;
};
const TFloatOption FloatOptions[] = {
    {"adrift_threshold", &F::Faudio_drift_threshold},
    {"dts_delta_threshold", &F::Fdts_delta_threshold},
    {"aq", &F::Faudio_qscale},
    {"muxdelay", &F::Fmux_max_delay},
    {"muxpreload", &F::Fmux_preload},
    {"qscale", &F::Fvideo_qscale},
};

struct TStringOption {
    const char* Name;
    std::string F::*Field;
};
const TStringOption StringOptions[] = {
    {"vlang", &F::Fvideo_language},
    {"alang", &F::Faudio_language},
    {"slang", &F::Fsubtitle_language},
    {"passlogfile", &F::Fpass_logfilename_prefix},
};

} // namespace

TEST_F(TCustomFFmpegTest, OptionsGroups) {
    for (const char* name : DoNothingNames) {
        Log.Clear();
        EXPECT_NO_THROW(E->SetOption(name, "x")) << name;
        EXPECT_TRUE(Log.Has(llInfo, std::string("Do nothing: option - ") + name)) << name;
    }
    for (const TBoolOption& o : BoolOptions) {
        for (auto [value, expected] : {std::pair{"0", false}, {"1", true}, {"", true}, {"yes", true}}) {
            (*E).*o.Field = !expected;
            E->SetOption(o.Name, value);
            EXPECT_EQ((*E).*o.Field, expected) << o.Name << "=" << value;
        }
    }
    for (const char* name : {"copyts", "xerror"}) {
        E->SetOption(name, "0");
    }
    EXPECT_TRUE(E->Fcopy_ts);
    EXPECT_TRUE(E->Fexit_on_error);
    for (const TIntOption& o : IntOptions) {
        E->SetOption(o.Name, "42");
        EXPECT_EQ(o.Read(*E), 42) << o.Name;
        EXPECT_THROW(E->SetOption(o.Name, "4x"), EConvertError) << o.Name;
    }
    E->SetOption("fs", "5000000000");
    EXPECT_EQ(E->Flimit_filesize, 5000000000LL);
    for (const TFloatOption& o : FloatOptions) {
        E->SetOption(o.Name, "2.5");
        EXPECT_FLOAT_EQ((*E).*o.Field, 2.5f) << o.Name;
        EXPECT_THROW(E->SetOption(o.Name, "fast"), EConvertError) << o.Name;
    }
    for (const TStringOption& o : StringOptions) {
        E->SetOption(o.Name, "ab c");
        EXPECT_EQ((*E).*o.Field, "ab c") << o.Name;
    }
    Log.Clear();
    E->SetOption("timelimit", "10");
    EXPECT_TRUE(Log.Has(llWarning, "Warning: -timelimit not implemented on Windows"));
    E->SetOption("loglevel", "debug");
    EXPECT_EQ(GetFFLogger()->LogLevel(), llDebug);
    GetFFLogger()->SetLogLevel(llVerbose);
}

// The setters, each through its option name.
TEST_F(TCustomFFmpegTest, OptionsSetters) {
    E->SetOption("f", "avi");
    EXPECT_EQ(E->Flast_asked_format, "avi");
    E->SetOption("f", "");
    EXPECT_EQ(E->Flast_asked_format, "avi");
    E->SetOption("f", "pgmyuv");
    EXPECT_EQ(E->Flast_asked_format, "image2");
    EXPECT_EQ(E->Fpgmyuv_compatibility_hack, 1);
    EXPECT_TRUE(Log.Has(llInfo, "pgmyuv format is deprecated, use image2"));

    E->SetOption("map", "1:2");
    E->SetOption("map", "0x1.010:2:3");
    ASSERT_EQ(E->Fnb_stream_maps, 2);
    const TAVStreamMap& m0 = E->Fstream_maps[0];
    EXPECT_EQ((std::vector<int>{m0.file_index, m0.stream_index, m0.sync_file_index, m0.sync_stream_index}),
              (std::vector<int>{1, 2, 1, 2}));
    const TAVStreamMap& m1 = E->Fstream_maps[1];
    EXPECT_EQ((std::vector<int>{m1.file_index, m1.stream_index, m1.sync_file_index, m1.sync_stream_index}),
              (std::vector<int>{1, 8, 2, 3}));
    E->SetOption("map_meta_data", "1:0");
    ASSERT_EQ(E->Fnb_meta_data_maps, 1);
    EXPECT_EQ(E->Fmeta_data_maps[0].out_file, 1);
    EXPECT_EQ(E->Fmeta_data_maps[0].in_file, 0);

    E->SetOption("t", "00:00:10.5");
    EXPECT_EQ(E->Frecording_time, 10500000);
    EXPECT_EQ(E->FTotalOutputDuration, 10500000);
    E->SetOption("ss", "2");
    EXPECT_EQ(E->Fstart_time, 2000000);
    E->SetOption("itsoffset", "-1.5");
    EXPECT_EQ(E->Finput_ts_offset, -1500000);
    E->SetOption("timestamp", "2010-01-02 03:04:05Z");
    EXPECT_EQ(E->Frecording_timestamp, 1262401445);
    E->SetOption("itsscale", "3:0.5");
    EXPECT_DOUBLE_EQ(E->Finput_files_ts_scale[0][3], 0.5);
    E->SetOption("metadata", "title=a=b");
    ASSERT_EQ(E->Fmetadata.size(), 1u);
    EXPECT_EQ(E->Fmetadata[0], std::make_pair(std::string("title"), std::string("a=b")));

    E->SetOption("r", "30000/1001");
    EXPECT_EQ(E->Fframe_rate.num, 30000);
    EXPECT_EQ(E->Fframe_rate.den, 1001);
    E->SetOption("r", "ntsc-film");
    EXPECT_EQ(E->Fframe_rate.num, 24000);
    E->SetOption("s", "vga");
    EXPECT_EQ(E->Fframe_width, 640);
    EXPECT_EQ(E->Fframe_height, 480);
    E->SetOption("aspect", "16:9");
    EXPECT_FLOAT_EQ(E->Fframe_aspect_ratio, 1.7777778f);
    E->SetOption("aspect", "1.5");
    EXPECT_FLOAT_EQ(E->Fframe_aspect_ratio, 1.5f);
    E->SetOption("pix_fmt", "yuv422p");
    EXPECT_EQ(E->Fframe_pix_fmt, AV_PIX_FMT_YUV422P);
    E->SetOption("sample_fmt", "fltp");
    EXPECT_EQ(E->Faudio_sample_fmt, AV_SAMPLE_FMT_FLTP);
    E->SetOption("sample_fmt", "nonsense");
    EXPECT_EQ(E->Faudio_sample_fmt, -1);

    E->SetOption("rc_override", "0,10,3");
    EXPECT_EQ(E->Fvideo_rc_override_string, "0,10,3");
    E->SetOption("pass", "2");
    EXPECT_EQ(E->Fdo_pass, 2);
    E->SetOption("vstats", "");
    EXPECT_TRUE(E->Fvstats_filename.rfind("vstats_", 0) == 0 && E->Fvstats_filename.size() == 17)
        << E->Fvstats_filename;
    E->SetOption("vstats_file", "my.log");
    EXPECT_EQ(E->Fvstats_filename, "my.log");
    E->SetOption("vfilters", "hflip");
    E->SetOption("vf", "");
    EXPECT_EQ(E->Fvfilters, "hflip");
    E->SetOption("vf", "vflip");
    EXPECT_EQ(E->Fvfilters, "vflip");

    std::string matrix = "1";
    for (int i = 2; i <= 64; ++i)
        matrix += "," + std::to_string(i);
    E->SetOption("intra_matrix", matrix);
    ASSERT_TRUE(E->Fintra_matrix);
    EXPECT_EQ((*E->Fintra_matrix)[0], 1);
    EXPECT_EQ((*E->Fintra_matrix)[63], 64);
    E->SetOption("inter_matrix", matrix);
    ASSERT_TRUE(E->Finter_matrix);

    E->SetOption("vtag", "DIVX");
    EXPECT_EQ(E->Fvideo_codec_tag, MKTAG('D', 'I', 'V', 'X'));
    E->SetOption("atag", "abcd");
    EXPECT_EQ(E->Faudio_codec_tag, MKTAG('a', 'b', 'c', 'd'));
    E->SetOption("stag", "mp4s");
    EXPECT_EQ(E->Fsubtitle_codec_tag, MKTAG('m', 'p', '4', 's'));

    E->SetOption("streamid", "19:300");
    EXPECT_EQ(E->Fstreamid_map[19], 300);
    E->SetOption("ar", "22050");
    E->SetOption("ar", "0");
    EXPECT_EQ(E->Faudio_sample_rate, 22050);
    E->SetOption("ac", "6");
    E->SetOption("ac", "-1");
    EXPECT_EQ(E->Faudio_channels, 6);
    E->SetOption("tvstd", "ntsc");
    EXPECT_EQ(E->Fvideo_standard, "ntsc");

    E->SetOption("vbsf", "h264_mp4toannexb");
    E->SetOption("absf", "aac_adtstoasc");
    E->SetOption("sbsf", "null");
    E->SetOption("absf", "mp3_header_decompress");
    E->SetOption("vbsf", "=ignored");
    ASSERT_EQ(E->Fvideo_bitstream_filters.size(), 1u);
    EXPECT_EQ(E->Fvideo_bitstream_filters[0].Name, "h264_mp4toannexb");
    ASSERT_EQ(E->Faudio_bitstream_filters.size(), 2u);
    EXPECT_EQ(E->Faudio_bitstream_filters[1].Name, "mp3decomp");
    ASSERT_EQ(E->Fsubtitle_bitstream_filters.size(), 1u);

    Log.Clear();
    E->SetOption("croptop", "0");
    E->SetOption("s", "320x240");
    E->SetOption("croptop", "10");
    EXPECT_EQ(E->Fframe_height, 230);
    EXPECT_EQ(E->Fframe_topBand, 10);
    EXPECT_TRUE(Log.Has(llWarning, "CropXXX is deprecated in favor of the crop avfilter"));
    E->SetOption("cropleft", "20");
    E->SetOption("cropright", "20");
    EXPECT_EQ(E->Fframe_width, 280);
    E->SetOption("cropbottom", "30");
    EXPECT_EQ(E->Fframe_height, 200);
}

TEST_F(TCustomFFmpegTest, OptionsCodecNamesAndStreamCopy) {
    E->SetOption("vcodec", "copy");
    E->SetOption("vcodec", "mpeg4");
    EXPECT_EQ(E->Fvideo_stream_copy, 1) << "copy stays until the next video stream";
    EXPECT_EQ(E->Fvideo_codec_name, "mpeg4");
    E->SetOption("acodec", "mp2");
    E->SetOption("acodec", "");
    EXPECT_EQ(E->Faudio_codec_name, "mp2");
    E->SetOption("scodec", "copy");
    EXPECT_EQ(E->Fsubtitle_codec_name, "");
    EXPECT_EQ(E->Fsubtitle_stream_copy, 1);
}

// Every error text of the dispatcher and the setters, with its exception type.
TEST_F(TCustomFFmpegTest, OptionsErrors) {
    struct Row {
        const char* Name;
        const char* Value;
        const char* Message;
        bool ConvertError;
    };
    const Row rows[] = {
        {"threads", "2", "TODO: option - threads", false},
        {"padtop", "4", "Please use vfilters=pad", false},
        {"padbottom", "4", "Please use vfilters=pad", false},
        {"padleft", "4", "Please use vfilters=pad", false},
        {"padright", "4", "Please use vfilters=pad", false},
        {"padcolor", "000000", "Please use vfilters=pad", false},
        {"r", "fast", "Incorrect frame rate", false},
        {"s", "big", "Incorrect frame size", false},
        {"aspect", "0", "Incorrect aspect ratio specification.", false},
        {"aspect", "4:0", "Incorrect aspect ratio specification.", false},
        {"aspect", "x", "Incorrect aspect ratio specification.", false},
        {"pix_fmt", "yuv999", "Unknown pixel format requested: yuv999", false},
        {"croptop", "240",
         "Vertical crop dimensions are outside the range of the original image.\n"
         "Remember to crop first and scale second.",
         false},
        {"cropbottom", "300",
         "Vertical crop dimensions are outside the range of the original image.\n"
         "Remember to crop first and scale second.",
         false},
        {"cropleft", "320",
         "Horizontal crop dimensions are outside the range of the original image.\n"
         "Remember to crop first and scale second.",
         false},
        {"cropright", "321",
         "Horizontal crop dimensions are outside the range of the original image.\n"
         "Remember to crop first and scale second.",
         false},
        {"qscale", "0", "qscale must be > 0.0 and <= 255", false},
        {"qscale", "255.5", "qscale must be > 0.0 and <= 255", false},
        {"pass", "3", "pass number can be only 1 or 2", false},
        {"intra_matrix", "1,2,3", "Syntax error in matrix \"1,2,3\" at coeff 2", false},
        {"inter_matrix", "5", "Syntax error in matrix \"5\" at coeff 0", false},
        {"vtag", "DIV", "video tag parameter must be 4 chars", false},
        {"atag", "abcde", "audio tag parameter must be 4 chars", false},
        {"stag", "x", "subtitle tag parameter must be 4 chars", false},
        {"newvideo", "", "At least one output file must be specified", false},
        {"newaudio", "", "At least one output file must be specified", false},
        {"newsubtitle", "", "At least one output file must be specified", false},
        {"streamid", "3", "Invalid value \"3\" for option \"streamid\", required syntax is \"index:value\"",
         false},
        {"streamid", ":3", "Invalid value \":3\" for option \"streamid\", required syntax is \"index:value\"",
         false},
        {"streamid", "20:1", "stream index over MAX_STREAMS(20)", false},
        {"streamid", "-1:1", "stream index over MAX_STREAMS(20)", false},
        {"itsscale", "25:2", "stream index over MAX_STREAMS(20)", false},
        {"map", "-1:0", "stream index over MAX_STREAMS(20)", false},
        {"map", "0:-2", "stream index over MAX_STREAMS(20)", false},
        {"metadata", "title", "Missing =", false},
        {"absf", "nosuchfilter", "Unknown bitstream filter nosuchfilter", false},
        {"vbsf", "mp3_header_compress", "Unknown bitstream filter mp3_header_compress", false},
        {"t", "soon", "Invalid duration specification for t: soon", false},
        {"ss", "1:x", "Invalid duration specification for ss: 1:x", false},
        {"itsoffset", "?", "Invalid duration specification for itsoffset: ?", false},
        {"timestamp", "yesterday", "Invalid date specification for timestamp: yesterday", false},
        {"target", "pal-cd", "Unknown target type", false},
        {"target", "cd", "frame_rate is invalid.", false},
        {"apre", "nothing-here", "Preset \"nothing-here\" not found", false},
        {"vhook", "/no/such/module.so", "Failed to add video hook function: /no/such/module.so", false},
        {"pass", "one", "'one' is not a valid integer value", true},
        {"croptop", "1.5", "'1.5' is not a valid integer value", true},
        {"v", "", "'' is not a valid integer value", true},
        {"muxdelay", "soon", "'soon' is not a valid floating point value", true},
    };
    for (const Row& r : rows) {
        E->SetOption("s", "320x240");
        try {
            E->SetOption(r.Name, r.Value);
            ADD_FAILURE() << r.Name << "=" << r.Value << " raised nothing";
        } catch (const FFmpegException& e) {
            EXPECT_FALSE(r.ConvertError) << r.Name;
            EXPECT_EQ(e.Message(), r.Message) << r.Name << "=" << r.Value;
        } catch (const EConvertError& e) {
            EXPECT_TRUE(r.ConvertError) << r.Name;
            EXPECT_EQ(e.Message(), r.Message) << r.Name << "=" << r.Value;
        }
    }
}

// A number option whose value starts or ends with a blank, or is no number at
// all, is refused with the conversion error and leaves its field as it was.
TEST_F(TCustomFFmpegTest, OptionsMalformedNumbersChangeNothing) {
    for (const TFloatOption& o : FloatOptions) {
        E->SetOption(o.Name, "2.5");
        for (const char* value : {" 3.5", "\t3.5", "3.5 ", "", " ", "3.5x", "0x"}) {
            try {
                E->SetOption(o.Name, value);
                ADD_FAILURE() << o.Name << "=\"" << value << "\" accepted";
            } catch (const EConvertError& e) {
                EXPECT_EQ(e.Message(), std::string("'") + value + "' is not a valid floating point value")
                    << o.Name << "=\"" << value << "\"";
            }
            EXPECT_FLOAT_EQ((*E).*o.Field, 2.5f) << o.Name << "=\"" << value << "\"";
        }
    }
    for (const TIntOption& o : IntOptions) {
        E->SetOption(o.Name, "7");
        for (const char* value : {" 3", "3 ", "", "99999999999999999999"})
            EXPECT_THROW(E->SetOption(o.Name, value), EConvertError) << o.Name << "=\"" << value << "\"";
        EXPECT_EQ(o.Read(*E), 7) << o.Name;
    }
}

// Stream maps and metadata maps beyond the engine's capacity are refused
// instead of written past the tables.
TEST(TCustomFFmpegOptions, MapsBeyondCapacityAreRefused) {
    ASSERT_TRUE(FFLoader.Load(ComponentLibraries)) << FFLoader.LastErrMsg();
    TCustomFFmpeg e(1);
    e.Reset();
    for (int i = 0; i < 20; ++i)
        e.SetOption("map", "0:" + std::to_string(i));
    EXPECT_EQ(e.Fnb_stream_maps, 20);
    try {
        e.SetOption("map", "0:0");
        ADD_FAILURE() << "21st map accepted";
    } catch (const FFmpegException& ex) {
        EXPECT_EQ(ex.Message(), "Too many stream maps");
    }
    e.SetOption("map_meta_data", "0:0");
    try {
        e.SetOption("map_meta_data", "0:0");
        ADD_FAILURE() << "second metadata map accepted";
    } catch (const FFmpegException& ex) {
        EXPECT_EQ(ex.Message(), "Too many metadata maps");
    }
    EXPECT_EQ(e.Fnb_meta_data_maps, 1);
}

// Names without a setter reach the generic and the private option contexts:
// none of them is silently dropped.
TEST_F(TCustomFFmpegTest, OptionsGenericAndPrivate) {
    E->SetOption("g", "250");
    EXPECT_EQ(E->FOptions.avcodec_opts[AVMEDIA_TYPE_VIDEO]->gop_size, 250);
    E->SetOption("crf", "23");
    E->SetOption("preset", "veryfast");
    EXPECT_EQ(DictValue(E->FOptions.codec_private[AVMEDIA_TYPE_VIDEO], "crf"), "23");
    EXPECT_EQ(DictValue(E->FOptions.codec_private[AVMEDIA_TYPE_VIDEO], "preset"), "veryfast");
    E->SetOption("scan_offset", "1");
    EXPECT_EQ(DictValue(E->FOptions.codec_private[AVMEDIA_TYPE_VIDEO], "scan_offset"), "1");
    E->SetOption("muxrate", "1411200");
    EXPECT_EQ(DictValue(E->FOptions.format_private, "muxrate"), "1411200");
    E->SetOption("packetsize", "2324");
    EXPECT_EQ(E->FOptions.avformat_opts->packet_size, 2324u);
    E->SetOption("sws_flags", "bilinear");
    int64_t flags = 0;
    av::av_opt_get_int(E->FOptions.sws_opts, "sws_flags", 0, &flags);
    EXPECT_EQ(flags, SWS_BILINEAR);

    EXPECT_TRUE(E->SetGenericIntOption("bf", 2));
    EXPECT_EQ(E->FOptions.avcodec_opts[AVMEDIA_TYPE_VIDEO]->max_b_frames, 2);
    // Unknown names are dropped without an error; bad values are logged.
    EXPECT_NO_THROW(E->SetOption("no_such_option_anywhere", "1"));
    EXPECT_FALSE(E->SetGenericOption("no_such_option_anywhere", "1"));
    EXPECT_FALSE(E->SetGenericOption("crf", "lots"));
    EXPECT_FALSE(E->SetGenericOption("g", "many"));
    EXPECT_TRUE(Log.HasText("Invalid value \"many\" for option \"g\""));

    Log.Clear();
    E->SetOption("b", "800");
    EXPECT_TRUE(Log.Has(llWarning,
                        "WARNING: The bitrate parameter is set too low. It takes bits/s as argument, "
                        "not kbits/s"));
    Log.Clear();
    E->SetOption("b", "800000");
    E->SetOption("ab", "128000");
    EXPECT_FALSE(Log.HasText("bitrate parameter is set too low"));
    EXPECT_EQ(E->FOptions.avcodec_opts[AVMEDIA_TYPE_VIDEO]->bit_rate, 800000);
    EXPECT_EQ(E->FOptions.avcodec_opts[AVMEDIA_TYPE_AUDIO]->bit_rate, 128000);
}
