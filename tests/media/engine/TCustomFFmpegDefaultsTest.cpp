#include "tests/media/engine/EngineTestSupport.h"

#include <climits>

TEST(TCustomFFmpegCreate, CapacityOutsideOneTo512IsRefused) {
    ASSERT_TRUE(FFLoader.Load(ComponentLibraries)) << FFLoader.LastErrMsg();
    EXPECT_THROW(TCustomFFmpeg(0), FFmpegException);
    EXPECT_THROW(TCustomFFmpeg(513), FFmpegException);
    EXPECT_THROW(TCustomFFmpeg(-1), FFmpegException);
    TCustomFFmpeg one(1), most(512);
    EXPECT_EQ(one.MaxFiles(), 1);
    EXPECT_EQ(most.MaxFiles(), 512);
    EXPECT_EQ(most.Fstream_maps.size(), 512u * 20u);
    EXPECT_EQ(most.Fmeta_data_maps.size(), 512u);
}

static std::string Matrix64() {
    std::string m = "16";
    for (int i = 1; i < 64; ++i)
        m += ",16";
    return m;
}

// Every option field, changed, then SetDefaults: the values of the option table.
TEST_F(TCustomFFmpegTest, DefaultsAfterSetDefaults) {
    TCustomFFmpeg& e = *E;
    for (auto [n, v] : std::vector<std::pair<std::string, std::string>>{{"f", "avi"},
                                                                        {"s", "640x480"},
                                                                        {"aspect", "16:9"},
                                                                        {"pix_fmt", "rgb24"},
                                                                        {"sample_fmt", "s16"},
                                                                        {"vframes", "5"},
                                                                        {"aframes", "6"},
                                                                        {"dframes", "7"},
                                                                        {"r", "30"},
                                                                        {"qscale", "3"},
                                                                        {"intra_matrix", Matrix64()},
                                                                        {"rc_override", "1,2,3"},
                                                                        {"vn", "1"},
                                                                        {"vdt", "8"},
                                                                        {"vcodec", "mpeg4"},
                                                                        {"vtag", "XVID"},
                                                                        {"vlang", "eng"},
                                                                        {"sameq", "1"},
                                                                        {"deinterlace", "1"},
                                                                        {"top", "1"},
                                                                        {"me_threshold", "3"},
                                                                        {"dc", "9"},
                                                                        {"loop_input", "1"},
                                                                        {"loop_output", "0"},
                                                                        {"qphist", "1"},
                                                                        {"vf", "null"},
                                                                        {"intra", "1"},
                                                                        {"ar", "22050"},
                                                                        {"aq", "4"},
                                                                        {"an", "1"},
                                                                        {"ac", "1"},
                                                                        {"acodec", "mp2"},
                                                                        {"atag", "abcd"},
                                                                        {"alang", "ger"},
                                                                        {"sn", "1"},
                                                                        {"scodec", "srt"},
                                                                        {"slang", "fre"},
                                                                        {"stag", "sbtl"},
                                                                        {"muxpreload", "2"},
                                                                        {"muxdelay", "3"},
                                                                        {"t", "10"},
                                                                        {"ss", "2"},
                                                                        {"timestamp", "2010-01-01 00:00:00"},
                                                                        {"itsoffset", "1"},
                                                                        {"metadata", "a=b"},
                                                                        {"dump", "1"},
                                                                        {"hex", "1"},
                                                                        {"psnr", "1"},
                                                                        {"pass", "1"},
                                                                        {"passlogfile", "x"},
                                                                        {"vsync", "1"},
                                                                        {"async", "2"},
                                                                        {"adrift_threshold", "1"},
                                                                        {"copyts", "1"},
                                                                        {"shortest", "1"},
                                                                        {"vglobal", "1"},
                                                                        {"vstats_file", "v.log"},
                                                                        {"programid", "3"},
                                                                        {"copyinkf", "1"},
                                                                        {"re", "1"},
                                                                        {"vc", "2"},
                                                                        {"tvstd", "pal"},
                                                                        {"vol", "100"},
                                                                        {"xerror", "1"},
                                                                        {"v", "3"},
                                                                        {"fs", "100"},
                                                                        {"force_fps", "1"},
                                                                        {"dts_delta_threshold", "3"},
                                                                        {"isync", "1"},
                                                                        {"streamid", "1:5"},
                                                                        {"vbsf", "h264_mp4toannexb"},
                                                                        {"absf", "aac_adtstoasc"},
                                                                        {"sbsf", "null"},
                                                                        {"map", "0:0"},
                                                                        {"map_meta_data", "0:0"},
                                                                        {"itsscale", "0:2"}})
        e.SetOption(n, v);

    e.SetDefaults();

    EXPECT_EQ(e.Flast_asked_format, "");
    EXPECT_EQ(e.Fframe_width, 0);
    EXPECT_EQ(e.Fframe_height, 0);
    EXPECT_EQ(e.Fframe_aspect_ratio, 0);
    EXPECT_EQ(e.Fframe_pix_fmt, -1);
    EXPECT_EQ(e.Faudio_sample_fmt, -1);
    EXPECT_EQ(e.Fframe_topBand + e.Fframe_bottomBand + e.Fframe_leftBand + e.Fframe_rightBand, 0);
    for (int m : e.Fmax_frames)
        EXPECT_EQ(m, INT_MAX);
    EXPECT_EQ(e.Fframe_rate.num, 0);
    EXPECT_EQ(e.Fframe_rate.den, 0);
    EXPECT_EQ(e.Fvideo_qscale, 0);
    EXPECT_EQ(e.Fintra_matrix, nullptr);
    EXPECT_EQ(e.Finter_matrix, nullptr);
    EXPECT_EQ(e.Fvideo_rc_override_string, "");
    EXPECT_FALSE(e.Fvideo_disable);
    EXPECT_EQ(e.Fvideo_discard, 0);
    EXPECT_EQ(e.Fvideo_codec_name, "");
    EXPECT_EQ(e.Fvideo_codec_tag, 0u);
    EXPECT_EQ(e.Fvideo_language, "");
    EXPECT_FALSE(e.Fsame_quality);
    EXPECT_FALSE(e.Fdo_deinterlace);
    EXPECT_EQ(e.Ftop_field_first, -1);
    EXPECT_EQ(e.Fme_threshold, 0);
    EXPECT_EQ(e.Fintra_dc_precision, 8);
    EXPECT_FALSE(e.Floop_input);
    EXPECT_EQ(e.Floop_output, -1);
    EXPECT_FALSE(e.Fqp_hist);
    EXPECT_EQ(e.Fvfilters, "");
    EXPECT_FALSE(e.Fintra_only);
    EXPECT_EQ(e.Faudio_sample_rate, 44100);
    EXPECT_EQ(e.Fchannel_layout, 0u);
    EXPECT_EQ(e.Faudio_qscale, -99999);
    EXPECT_FALSE(e.Faudio_disable);
    EXPECT_EQ(e.Faudio_channels, 2);
    EXPECT_EQ(e.Faudio_codec_name, "");
    EXPECT_EQ(e.Faudio_codec_tag, 0u);
    EXPECT_EQ(e.Faudio_language, "");
    EXPECT_FALSE(e.Fsubtitle_disable);
    EXPECT_EQ(e.Fsubtitle_codec_name, "");
    EXPECT_EQ(e.Fsubtitle_language, "");
    EXPECT_EQ(e.Fsubtitle_codec_tag, 0u);
    EXPECT_FLOAT_EQ(e.Fmux_preload, 0.5f);
    EXPECT_FLOAT_EQ(e.Fmux_max_delay, 0.7f);
    EXPECT_EQ(e.Frecording_time, INT64_MAX);
    EXPECT_EQ(e.Fstart_time, 0);
    EXPECT_EQ(e.Frecording_timestamp, 0);
    EXPECT_EQ(e.Finput_ts_offset, 0);
    EXPECT_TRUE(e.Fmetadata.empty());
    EXPECT_FALSE(e.Fdo_hex_dump || e.Fdo_pkt_dump || e.Fdo_psnr);
    EXPECT_EQ(e.Fdo_pass, 0);
    EXPECT_EQ(e.Fpass_logfilename_prefix, "");
    EXPECT_EQ(e.Faudio_stream_copy + e.Fvideo_stream_copy + e.Fsubtitle_stream_copy, 0);
    EXPECT_EQ(e.Fvideo_sync_method, -1);
    EXPECT_EQ(e.Faudio_sync_method, 0);
    EXPECT_FLOAT_EQ(e.Faudio_drift_threshold, 0.1f);
    EXPECT_FALSE(e.Fcopy_ts);
    EXPECT_FALSE(e.Fopt_shortest);
    EXPECT_EQ(e.Fvideo_global_header, 0);
    EXPECT_EQ(e.Fvstats_filename, "");
    EXPECT_EQ(e.Fopt_programid, 0);
    EXPECT_EQ(e.Fcopy_initial_nonkeyframes, 0);
    EXPECT_FALSE(e.Frate_emu);
    EXPECT_EQ(e.Fvideo_channel, 0);
    EXPECT_EQ(e.Fvideo_standard, "");
    EXPECT_EQ(e.Faudio_volume, 256);
    EXPECT_FALSE(e.Fexit_on_error);
    EXPECT_FALSE(e.Fusing_vhook);
    EXPECT_EQ(e.Fverbose, 1);
    EXPECT_EQ(e.Fthread_count, 0); // a share of the cores
    EXPECT_EQ(e.Flimit_filesize, 0);
    EXPECT_FALSE(e.Fforce_fps);
    EXPECT_EQ(e.Fpgmyuv_compatibility_hack, 0);
    EXPECT_FLOAT_EQ(e.Fdts_delta_threshold, 10);
    EXPECT_EQ(e.Fsws_flags, 4u);
    EXPECT_FALSE(e.Finput_sync);
    for (int id : e.Fstreamid_map)
        EXPECT_EQ(id, 0);
    EXPECT_TRUE(e.Fvideo_bitstream_filters.empty() && e.Faudio_bitstream_filters.empty() &&
                e.Fsubtitle_bitstream_filters.empty());
    EXPECT_EQ(e.Fnb_stream_maps, 0);
    EXPECT_EQ(e.Fnb_meta_data_maps, 0);
    for (double s : e.Finput_files_ts_scale[0])
        EXPECT_EQ(s, 0);
    EXPECT_EQ(e.Fbit_buffer_size, 262144);
    EXPECT_EQ(e.FTotalOutputDuration, -1);
    EXPECT_TRUE(e.FPostHooks.Empty());
    EXPECT_FALSE(e.FFatalException);
    EXPECT_EQ(e.ReportInterval, 500000);
    EXPECT_EQ(e.PreviewInterval, 100000);
}
