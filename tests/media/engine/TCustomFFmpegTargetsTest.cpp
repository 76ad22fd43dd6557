#include "tests/media/engine/EngineTestSupport.h"

#include "tests/support/FixturePath.h"

namespace {

struct TTargetGroup {
    const char* Target;
    const char* VideoCodec;
    const char* AudioCodec;
    const char* Format;
    int PalW, PalH, OtherW, OtherH;
    int64_t Bitrate, MaxRate, MinRate, BufSize, AudioBitrate;
    unsigned PacketSize;
    const char* MuxRate; // "" when the target sets none
    int SampleRate;
    float Aspect; // 0: the target sets none
    bool ScanOffset;
};

const TTargetGroup Groups[] = {
    {"vcd", "mpeg1video", "mp2", "vcd", 352, 288, 352, 240, 1150000, 1150000, 1150000, 327680, 224000, 2324,
     "1411200", 44100, 4.0f / 3, false},
    {"svcd", "mpeg2video", "mp2", "svcd", 480, 576, 480, 480, 2040000, 2516000, 0, 1835008, 224000, 2324, "",
     44100, 4.0f / 3, true},
    {"dvd", "mpeg2video", "ac3", "dvd", 720, 576, 720, 480, 6000000, 9000000, 0, 1835008, 448000, 2048,
     "10080000", 48000, 16.0f / 9, false},
    {"dv", "", "", "dv", 720, 576, 720, 480, 0, 0, 0, 0, 0, 0, "", 48000, 0, false},
    {"dv50", "", "", "dv", 720, 576, 720, 480, 0, 0, 0, 0, 0, 0, "", 48000, 0, false},
};

struct TNormCase {
    const char* Norm;
    const char* FrameRate; // set before the target ("" for none)
    bool Pal;
    AVRational Rate;
};

const TNormCase Norms[] = {
    {"pal", "", true, {25, 1}},
    {"ntsc", "", false, {30000, 1001}},
    {"film", "", false, {24000, 1001}},
    {"auto", "25", true, {25, 1}},
    {"auto", "29.97", false, {30000, 1001}},
    {"auto", "15", false, {30000, 1001}}, // nothing matches: the default norm, ntsc
};

} // namespace

TEST_F(TCustomFFmpegTest, TargetsSetTheirGroup) {
    for (const TTargetGroup& g : Groups) {
        for (const TNormCase& n : Norms) {
            SCOPED_TRACE(std::string(g.Target) + " " + n.Norm + " " + n.FrameRate);
            E->Reset();
            E->SetOption("ac", "1");
            E->SetOption("r", n.FrameRate);
            E->SetTarget(g.Target, n.Norm, "ntsc");
            AVCodecContext* video = E->FOptions.avcodec_opts[AVMEDIA_TYPE_VIDEO];
            AVCodecContext* audio = E->FOptions.avcodec_opts[AVMEDIA_TYPE_AUDIO];
            EXPECT_EQ(E->Fframe_width, n.Pal ? g.PalW : g.OtherW);
            EXPECT_EQ(E->Fframe_height, n.Pal ? g.PalH : g.OtherH);
            EXPECT_EQ(E->Fframe_rate.num, n.Rate.num);
            EXPECT_EQ(E->Fframe_rate.den, n.Rate.den);
            EXPECT_EQ(E->Fvideo_codec_name, g.VideoCodec);
            EXPECT_EQ(E->Faudio_codec_name, g.AudioCodec);
            EXPECT_EQ(E->Flast_asked_format, g.Format);
            EXPECT_EQ(E->Faudio_sample_rate, g.SampleRate);
            EXPECT_EQ(E->Faudio_channels, 2);
            EXPECT_FLOAT_EQ(E->Fframe_aspect_ratio, g.Aspect);
            if (g.Bitrate) {
                EXPECT_EQ(video->gop_size, n.Pal ? 15 : 18);
                EXPECT_EQ(video->bit_rate, g.Bitrate);
                EXPECT_EQ(video->rc_max_rate, g.MaxRate);
                EXPECT_EQ(video->rc_min_rate, g.MinRate);
                EXPECT_EQ(video->rc_buffer_size, g.BufSize);
                EXPECT_EQ(audio->bit_rate, g.AudioBitrate);
                EXPECT_EQ(E->FOptions.avformat_opts->packet_size, g.PacketSize);
            }
            EXPECT_EQ(DictValue(E->FOptions.format_private, "muxrate"), g.MuxRate);
            EXPECT_EQ(DictValue(E->FOptions.codec_private[AVMEDIA_TYPE_VIDEO], "scan_offset"),
                      g.ScanOffset ? "1" : "");
            const std::string target = g.Target;
            if (target == "vcd") {
                EXPECT_FLOAT_EQ(E->Fmux_preload, 0.44f);
            }
            if (target == "dv50") {
                EXPECT_EQ(E->Fframe_pix_fmt, AV_PIX_FMT_YUV422P);
            } else if (target == "dv") {
                EXPECT_EQ(E->Fframe_pix_fmt, n.Pal ? AV_PIX_FMT_YUV420P : AV_PIX_FMT_YUV411P);
            }
        }
    }
}

TEST_F(TCustomFFmpegTest, TargetsOptionTextAndAspect) {
    E->SetOption("aspect", "4:3");
    E->SetOption("target", " pal-dvd ");
    EXPECT_EQ(E->Fframe_width, 720);
    EXPECT_EQ(E->Fframe_height, 576);
    EXPECT_FLOAT_EQ(E->Fframe_aspect_ratio, 4.0f / 3) << "an aspect given before stays";

    E->Reset();
    Log.Clear();
    E->SetOption("target", "pal-dvd");
    EXPECT_FLOAT_EQ(E->Fframe_aspect_ratio, 16.0f / 9);
    EXPECT_TRUE(Log.Has(llInfo, "Assuming 16:9 for aspect ratio"));

    E->Reset();
    E->SetOption("r", "25");
    E->SetOption("target", "svcd");
    EXPECT_TRUE(Log.Has(llVerbose, "Assuming PAL for target."));
    EXPECT_TRUE(Log.Has(llInfo, "Assuming 4:3 for aspect ratio"));

    E->Reset();
    E->SetOption("r", "24000/1001");
    E->SetOption("target", "film-vcd");
    EXPECT_EQ(E->Fframe_height, 240);
    E->Reset();
    E->SetOption("r", "24000/1001");
    E->SetOption("target", "vcd");
    EXPECT_EQ(E->Fframe_height, 240) << "23.976 frames per second is NTSC";
}

// The automatic norm looks at the open inputs when the frame rate decides nothing.
TEST_F(TCustomFFmpegTest, TargetsAutoNormFromInputs) {
    ASSERT_TRUE(E->OpenInputFile(FixturePath("clip.mkv"))) << E->LastErrMsg();
    E->SetOption("r", "15");
    E->SetTarget("dvd", "auto", "ntsc");
    EXPECT_EQ(E->Fframe_height, 576) << "the 25 fps input decides PAL";
    EXPECT_EQ(E->Fframe_rate.num, 25);
}

// The muxer-private values of a target reach the output's muxer options.
TEST_F(TCustomFFmpegTest, TargetsMuxerOptionsReachTheOutput) {
    TScratchFolder dir;
    E->SetOption("target", "pal-vcd");
    ASSERT_EQ(E->OpenOutputFile(dir.File("disc.mpg"), false), 1) << E->LastErrMsg();
    EXPECT_EQ(DictValue(E->Foutput_format_opts[0], "muxrate"), "1411200");
    EXPECT_EQ(DictValue(E->Foutput_format_opts[0], "preload"), "440000");
    EXPECT_EQ(E->Foutput_files[0]->packet_size, 2324u);
    EXPECT_STREQ(E->Foutput_files[0]->oformat->name, "vcd");

    E->Reset();
    E->SetOption("target", "ntsc-svcd");
    ASSERT_EQ(E->OpenOutputFile(dir.File("svcd.mpg"), false), 1) << E->LastErrMsg();
    const TOutputStreamSetup& video = E->Foutput_streams[0][0];
    ASSERT_NE(video.Encoder, nullptr);
    EXPECT_STREQ(video.Codec->name, "mpeg2video");
    EXPECT_EQ(DictValue(video.Options, "scan_offset"), "1");
    EXPECT_EQ(video.Encoder->rc_buffer_size, 1835008);
    EXPECT_EQ(video.Encoder->width, 480);
    EXPECT_EQ(video.Encoder->height, 480);
}
