#include "media/task/TZorvexion.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

#include "media/TFFmpegLoader.h"

namespace {

std::string Fixture(const char* AName) {
    const char* dir = std::getenv("DUVA_BINARY_DIR");
    return std::string(dir ? dir : ".") + "/fixtures/" + AName;
}

struct EngineRig {
    TZorvexion C;
    std::string Out = testing::TempDir() + "zorvexion-engine/";
    EngineRig() {
        std::filesystem::create_directories(Out);
        EXPECT_TRUE(C.LoadAVLib(FFLoader.LibraryPath())) << C.LastErrMsg();
    }
};

} // namespace

TEST(TCustomZorvexionEngine, RecordsAndExtOptionsReachTheConversionEngine) {
    EngineRig r;
    ASSERT_EQ(r.C.AddTask(Fixture("clip.mkv"), "TimeStart=500000"), 0) << r.C.LastErrMsg();
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

    ASSERT_EQ(r.C.AddTask(Fixture("clip.mkv")), 0) << r.C.LastErrMsg();
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
