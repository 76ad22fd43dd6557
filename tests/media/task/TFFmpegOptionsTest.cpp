#include "media/task/TFFmpeg.h"

#include <ctime>
#include <gtest/gtest.h>

#include "FakeTaskEngine.h"
#include "platform/base/Exception.h"

namespace {

using Calls = std::vector<std::string>;

struct Recorded {
    std::shared_ptr<TFakeLog> Log = std::make_shared<TFakeLog>();
    TFFmpeg Task{std::make_unique<FakeTaskEngine>(20, Log)};

    Calls Take() {
        Calls calls = Log->Snapshot();
        std::lock_guard lock(Log->Lock);
        Log->Calls.clear();
        return calls;
    }
};

Calls Matching(const Calls& AFrom, const std::string& APrefix) {
    Calls out;
    for (const std::string& c : AFrom)
        if (c.rfind(APrefix, 0) == 0) out.push_back(c);
    return out;
}

const Calls kAlwaysAssigned = {"SetAudioLanguage()", "SetAudioSyncMethod(0)", "SetVideoSyncMethod(-1)",
                               "SetVideoLanguage()", "SetSubtitleLanguage()", "SetInputSync(0)"};

} // namespace

TEST(TFFmpegOptions, InputRecordPassesCodecLinesThenFormatStartAndProgram) {
    Recorded r;
    TInputOptions o;
    o.FileFormat = "mpegts";
    o.TimeStart = 5;
    o.ProgramID = 0;
    o.ExtOptions = "VCODEC=h264\nnewvideo=1\nvfilters=hflip\ns=320x240<CRLF>b=1";
    r.Task.ApplyInputRecord(0, o, "in.ts");
    EXPECT_EQ(r.Take(), (Calls{"SetOption(vcodec,h264)", "SetOption(s,320x240)", "SetOption(b,1)",
                               "SetFormat(mpegts)", "SetStartTime(5)", "SetProgramId(0)"}));
    ASSERT_NE(r.Task.InputOptions(0), nullptr);
    EXPECT_EQ(r.Task.InputOptions(0)->FileName, "in.ts");

    TInputOptions unset;
    r.Task.ApplyInputRecord(1, unset, "b.ts");
    EXPECT_EQ(r.Take(), Calls{}); // not-set values never reach the engine
}

TEST(TFFmpegOptions, FullOutputRecordGivesTheEngineItsSettingsInOrder) {
    setenv("TZ", "UTC", 1);
    tzset();
    Recorded r;
    TOutputOptions o;
    o.FileFormat = "mp4";
    o.PacketSize = 188;
    o.MuxRate = 10000;
    o.MuxDelay = 0.5f;
    o.MuxPreload = 0.25f;
    o.AudioCodec = "aac";
    o.AudioPreset = "ap";
    o.DisableAudio = true;
    o.AudioVolume = 0;
    o.AudioChannels = 2;
    o.AudioSampleRate = 44100;
    o.AudioBitrate = 128000;
    o.AudioBitRateTolerance = 1000;
    o.AudioLanguage = "eng";
    o.AudioSyncMethod = 1;
    o.AudioTag = "mp4a";
    o.VideoCodec = "mpeg4";
    o.VideoPreset = "vp";
    o.DisableVideo = true;
    o.FrameRate = "25";
    o.FrameSize = "320x240";
    o.FrameAspectRatio = "4:3";
    o.CropTop = 2;
    o.CropBottom = 4;
    o.CropLeft = 6;
    o.CropRight = 8;
    o.GroupPictureSize = 250;
    o.VideoBitrate = 1;
    o.VideoMaxRate = 2;
    o.VideoMinRate = 3;
    o.VideoBitRateTolerance = 4;
    o.VideoBufSize = 5;
    o.VideoSyncMethod = 2;
    o.VideoTag = "XVID";
    o.VideoFilters = "hflip";
    o.VideoLanguage = "deu";
    o.SubtitleCodec = "mov_text";
    o.SubtitlePreset = "sp";
    o.DisableSubtitle = true;
    o.SubtitleLanguage = "fra";
    o.InputSync = true;
    o.CopyTimestamp = true;
    o.TimeStart = 1000000;
    o.TimeLength = 3000000;
    o.Info.TimeStamp = 44378.5; // 2021-07-01 12:00
    o.Info.Year = 2021;
    o.Info.Track = 7;
    o.Info.Title = "T";
    o.Info.Author = "A";
    o.Info.Copyright = "C";
    o.Info.Comment = "Co";
    o.Info.Album = "Al";
    o.Info.Genre = "G";
    o.TargetType = ttDVD;
    o.NormType = ntNTSC;
    o.NormDefault = ntNTSC;
    o.ExtOptions = "B=800<CRLF>vcodec=h264\nnewvideo=\nasync=5\ng=12";

    std::vector<TExtOption> list = r.Task.ApplyOutputRecord(0, o, "out.mp4");
    const Calls expected = {
        "SetTarget(dvd,ntsc,ntsc)",
        "SetAudioCodec(aac)",
        "SetVideoCodec(mpeg4)",
        "SetSubtitleCodec(mov_text)",
        "ApplyPreset(apre,ap)",
        "ApplyPreset(vpre,vp)",
        "ApplyPreset(spre,sp)",
        "SetOption(b,800)",
        "SetOption(async,5)",
        "SetOption(g,12)",
        "SetFormat(mp4)",
        "Generic(packetsize,188)",
        "Generic(muxrate,10000)",
        "SetMuxMaxDelay(0.5)",
        "SetMuxPreload(0.25)",
        "SetAudioDisabled(1)",
        "SetAudioVolume(0)",
        "SetChannels(2)",
        "SetSampleRate(44100)",
        "Generic(ab,128000)",
        "Generic(abt,1000)",
        "SetAudioLanguage(eng)",
        "SetAudioSyncMethod(1)",
        "SetAudioTag(mp4a)",
        "SetVideoDisabled(1)",
        "SetFrameRate(25)",
        "SetAspect(4:3)",
        "SetCropTop(2)",
        "SetCropBottom(4)",
        "SetCropLeft(6)",
        "SetCropRight(8)",
        "Generic(g,250)",
        "Generic(vb,1)",
        "Generic(maxrate,2)",
        "Generic(minrate,3)",
        "Generic(bt,4)",
        "Generic(bufsize,5)",
        "SetVideoSyncMethod(2)",
        "SetVideoTag(XVID)",
        "SetVideoLanguage(deu)",
        "SetSubtitleDisabled(1)",
        "SetSubtitleLanguage(fra)",
        "SetInputSync(1)",
        "SetCopyTimestamp(1)",
        "SetStartTime(1000000)",
        "SetRecordingTime(3000000)",
        "SetRecordingTimestamp(1625140800)",
        "AddMetadataPair(date,2021)",
        "AddMetadataPair(track,7)",
        "AddMetadataPair(title,T)",
        "AddMetadataPair(artist,A)",
        "AddMetadataPair(copyright,C)",
        "AddMetadataPair(comment,Co)",
        "AddMetadataPair(album,Al)",
        "AddMetadataPair(genre,G)",
        "SetFrameSize(320x240)",
        "SetVideoFilters(hflip)",
    };
    EXPECT_EQ(r.Take(), expected);
    EXPECT_EQ(r.Task.OutputOptions(0)->FileName, "out.mp4");

    r.Task.ApplyNewStreams(o.ExtOptions, list);
    EXPECT_EQ(r.Take(), (Calls{"SetOption(vcodec,h264)", "SetOption(vpre,vp)", "SetOption(s,320x240)",
                               "SetOption(vf,hflip)", "SetOption(newvideo,)"}));
}

TEST(TFFmpegOptions, UnsetRecordAssignsOnlyTheAlwaysAssignedFieldsWhichOverrideExtOptions) {
    Recorded r;
    TOutputOptions o;
    r.Task.ApplyOutputRecord(0, o, "a.avi");
    EXPECT_EQ(r.Take(), kAlwaysAssigned);

    TOutputOptions ext;
    ext.ExtOptions = "async=3\nvsync=1\nalang=x\nvlang=y\nslang=z\nisync=1";
    r.Task.ApplyOutputRecord(1, ext, "b.avi");
    Calls expected = {"SetOption(async,3)", "SetOption(vsync,1)", "SetOption(alang,x)",
                      "SetOption(vlang,y)", "SetOption(slang,z)", "SetOption(isync,1)"};
    expected.insert(expected.end(), kAlwaysAssigned.begin(), kAlwaysAssigned.end());
    EXPECT_EQ(r.Take(), expected);
}

TEST(TFFmpegOptions, ThresholdsOfNumericFields) {
    Recorded r;
    TOutputOptions o;
    o.VideoBitrate = 0;
    o.CropTop = 0;
    o.MuxDelay = 0;
    o.PacketSize = 0;
    o.AudioVolume = 0; // volume takes 0 and up
    o.Info.Year = 0;
    r.Task.ApplyOutputRecord(0, o, "a.avi");
    EXPECT_EQ(Matching(r.Take(), "Set").size(), kAlwaysAssigned.size() + 1);
    EXPECT_EQ(Matching(r.Log->Snapshot(), "Generic").size(), 0u);

    TOutputOptions one;
    one.VideoBitrate = 1;
    r.Task.ApplyOutputRecord(1, one, "b.avi");
    EXPECT_EQ(Matching(r.Take(), "Generic"), Calls{"Generic(vb,1)"});
}

TEST(TFFmpegOptions, RecordingTimeStampNotSetNowOrGiven) {
    Recorded r;
    TOutputOptions o;
    r.Task.ApplyOutputRecord(0, o, "a.avi"); // -1.0: not set
    EXPECT_TRUE(Matching(r.Take(), "SetRecordingTimestamp").empty());

    o.Info.TimeStamp = 0; // now
    const int64_t before = std::time(nullptr);
    r.Task.ApplyOutputRecord(0, o, "a.avi");
    const Calls stamps = Matching(r.Take(), "SetRecordingTimestamp(");
    ASSERT_EQ(stamps.size(), 1u);
    const int64_t stamp = std::stoll(stamps[0].substr(std::string("SetRecordingTimestamp(").size()));
    EXPECT_GE(stamp, before);
    EXPECT_LE(stamp, std::time(nullptr));
}

TEST(TFFmpegOptions, LocalDateTimesFollowTheZoneRulesOfTheirDay) {
    setenv("TZ", "Europe/Berlin", 1);
    tzset();
    EXPECT_EQ(DateTimeToUnixSeconds(44378.5), 1625133600); // July, CEST: 12:00 is 10:00 UTC
    EXPECT_EQ(DateTimeToUnixSeconds(44197.5), 1609498800); // January, CET: 12:00 is 11:00 UTC
    setenv("TZ", "UTC", 1);
    tzset();
    EXPECT_EQ(DateTimeToUnixSeconds(25569.0), 0);
    EXPECT_EQ(DateTimeToUnixSeconds(25569.25), 21600);
    EXPECT_EQ(DateTimeToUnixSeconds(25569.0 + 0.4 / 86400), 0); // to the nearest second
}

TEST(TFFmpegOptions, StreamCodecLinesFeedAddedStreamsInOrderThenTheDefault) {
    Recorded r;
    TOutputOptions o;
    o.VideoCodec = "R";
    o.ExtOptions = "vcodec=P\nnewvideo\nvcodec=Q\nnewvideo\nnewvideo";
    auto list = r.Task.ApplyOutputRecord(0, o, "a.mkv");
    EXPECT_EQ(Matching(r.Take(), "SetVideoCodec"), Calls{"SetVideoCodec(R)"}); // first stream keeps R
    r.Task.ApplyNewStreams(o.ExtOptions, list);
    EXPECT_EQ(Matching(r.Take(), "SetOption(vcodec"),
              (Calls{"SetOption(vcodec,P)", "SetOption(vcodec,Q)", "SetOption(vcodec,R)"}));
}

TEST(TFFmpegOptions, OutputCodecLineIsTheDefaultWhenTheRecordHasNone) {
    Recorded r;
    TOutputOptions o;
    o.ExtOptions = "vcodec=P\nACodec=mp2\nvfilters=scale=2:2\nnewaudio=\nnewvideo=";
    auto list = r.Task.ApplyOutputRecord(0, o, "a.mkv");
    const Calls calls = r.Take();
    EXPECT_EQ(Matching(calls, "SetVideoCodec"), Calls{"SetVideoCodec(P)"});
    EXPECT_EQ(Matching(calls, "SetAudioCodec"), Calls{"SetAudioCodec(mp2)"});
    EXPECT_EQ(Matching(calls, "SetVideoFilters"), Calls{"SetVideoFilters(scale=2:2)"});
    EXPECT_TRUE(Matching(calls, "SetOption").empty()); // stream lines never reach the dispatcher here

    r.Task.ApplyNewStreams(o.ExtOptions, list);
    EXPECT_EQ(r.Take(), (Calls{"SetOption(acodec,mp2)", "SetOption(apre,)", "SetOption(newaudio,)",
                               "SetOption(vcodec,P)", "SetOption(vpre,)", "SetOption(s,)",
                               "SetOption(vf,scale=2:2)", "SetOption(newvideo,)"}));
}

TEST(TFFmpegOptions, CollectedListHoldsDefaultsThenStreamLines) {
    TOutputOptions o;
    o.VideoCodec = "R";
    o.FrameSize = "vga";
    o.ExtOptions = "vcodec=P\ns=\nVFILTERS=hflip\nb=1\nspre=x";
    EXPECT_EQ(TFFmpeg::CollectStreamOptions(o), (std::vector<TExtOption>{{"def_vcodec", "R"},
                                                                         {"def_s", "vga"},
                                                                         {"vcodec", "P"},
                                                                         {"def_vf", "hflip"},
                                                                         {"vf", "hflip"},
                                                                         {"def_spre", "x"},
                                                                         {"spre", "x"}}));
}

TEST(TFFmpegOptions, ABadValueStopsTheRecordAtThatStep) {
    Recorded r;
    r.Log->FailingOptions.insert("b");
    TOutputOptions o;
    o.ExtOptions = "ac=2\nb=x\nar=8000";
    o.FrameRate = "25";
    EXPECT_THROW(r.Task.ApplyOutputRecord(0, o, "a.avi"), Exception);
    EXPECT_EQ(r.Take(), (Calls{"SetOption(ac,2)", "SetOption(b,x)"}));
}
