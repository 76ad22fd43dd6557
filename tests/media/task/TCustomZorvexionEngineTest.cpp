#include "media/task/TZorvexion.h"

#include <gtest/gtest.h>

#include "media/TFFmpegLoader.h"
#include "tests/support/FixturePath.h"
#include "tests/support/TTempFolder.h"

namespace {

struct EngineRig {
    TZorvexion C;
    TTempFolder Folder;
    std::string Out = Folder.Path();
    EngineRig() { EXPECT_TRUE(C.LoadAVLib(FFLoader.LibraryPath())) << C.LastErrMsg(); }
};

} // namespace

TEST(TCustomZorvexionEngine, RecordsAndExtOptionsReachTheConversionEngine) {
    EngineRig r;
    ASSERT_EQ(r.C.AddTask(FixturePath("clip.mkv"), "TimeStart=500000"), 0) << r.C.LastErrMsg();
    TOutputOptions o;
    o.VideoCodec = "mpeg4";
    o.AudioCodec = "mp2";
    o.FrameSize = "160x120";
    o.FrameRate = "25";
    o.AudioSampleRate = 44100;
    o.TimeLength = 1000000;
    o.Info.Title = "clip";
    o.ExtOptions = "b=200000<CRLF>ac=1";
    EXPECT_TRUE(r.C.SetOutputFile(0, r.Out + "a.avi", &o)) << r.C.LastErrMsg();
    EXPECT_EQ(o.FileName, r.Out + "a.avi");
}

TEST(TCustomZorvexionEngine, EngineErrorsComeBackInLastErrMsg) {
    EngineRig r;
    EXPECT_EQ(r.C.AddTask(r.Out + "missing.avi"), -1);
    EXPECT_FALSE(r.C.LastErrMsg().empty());

    ASSERT_EQ(r.C.AddTask(FixturePath("clip.mkv")), 0) << r.C.LastErrMsg();
    const std::pair<const char*, const char*> bad[] = {
        {"r=abc", "Incorrect frame rate"},
        {"s=huge", "Incorrect frame size"},
        {"aspect=0", "Incorrect aspect ratio specification."},
        {"padtop=4", "Please use vfilters=pad"},
    };
    for (const auto& [ext, message] : bad) {
        EXPECT_FALSE(r.C.SetOutputFile(0, r.Out + "b.avi", ext)) << ext;
        EXPECT_EQ(r.C.LastErrMsg(), message) << ext;
    }
    TOutputOptions o;
    o.FrameRate = "fast";
    EXPECT_FALSE(r.C.SetOutputFile(0, r.Out + "b.avi", &o));
    EXPECT_EQ(r.C.LastErrMsg(), "Incorrect frame rate");
}

TEST(TCustomZorvexionEngine, TaskProbersReadTheOpenedInputs) {
    EngineRig r;
    ASSERT_EQ(r.C.AddTask(FixturePath("clip.mkv")), 0) << r.C.LastErrMsg();
    ASSERT_TRUE(r.C.AddInputFile(0, FixturePath("tone_s16_mono_22050.wav"))) << r.C.LastErrMsg();
    EXPECT_FALSE(r.C.AddInputFile(0, r.Out + "missing.wav"));

    TAVProbe* video = r.C.GetTaskAVProbe(0, 0);
    ASSERT_NE(video, nullptr);
    EXPECT_EQ(video->FileName(), FixturePath("clip.mkv"));
    EXPECT_EQ(video->VideoStreamCount(), 1);
    EXPECT_EQ(video->FirstVideoStreamInfo().Width, 320);

    TAVProbe* audio = r.C.GetTaskAVProbe(0, 1);
    ASSERT_NE(audio, nullptr);
    EXPECT_EQ(audio->VideoStreamCount(), 0);
    EXPECT_EQ(audio->AudioStreamCount(), 1);
    // The failed third input has no prober.
    EXPECT_EQ(r.C.GetTaskAVProbe(0, 2), nullptr);
    EXPECT_EQ(r.C.GetTaskAVProbe(0, -1), nullptr);
    // The component's own prober is free for the application.
    EXPECT_EQ(r.C.AVProbe().StreamCount(), -1);
}
