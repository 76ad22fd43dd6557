// The task component converting for real: several tasks on workers, progress
// on the GUI thread, pause and resume.

#include "media/task/TZorvexion.h"

#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <mutex>

#include "media/TFFmpegLoader.h"
#include "media/prober/TAVProbe.h"
#include "platform/sys/MainThread.h"
#include "tests/support/FixturePath.h"
#include "tests/support/TTempFolder.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Report {
    TProgressInfo Info;
    bool OnGuiThread;
    Clock::time_point At;
};

struct RunRig {
    TZorvexion C;
    TTempFolder Folder; // each test its own: ctest runs them side by side
    std::string Out = Folder.Path();
    std::mutex Lock;
    std::vector<Report> Reports;
    std::vector<TTerminateInfo> Notices;
    std::function<void(const TProgressInfo&)> OnReport; // runs inside the GUI handler

    RunRig() {
        EXPECT_TRUE(C.LoadAVLib(FFLoader.LibraryPath())) << C.LastErrMsg();
        C.SetProgressInterval(100);
        C.SetOnProgress([this](TCustomZorvexion*, PProgressInfo AInfo) {
            {
                std::lock_guard lock(Lock);
                Reports.push_back({*AInfo, IsGuiThread(), Clock::now()});
            }
            if (OnReport) OnReport(*AInfo);
        });
        C.SetOnTerminate([this](TCustomZorvexion*, const TTerminateInfo& AInfo) {
            std::lock_guard lock(Lock);
            Notices.push_back(AInfo);
        });
    }

    int AddConversion(const std::string& AInput, const std::string& AOutput, const std::string& ASize) {
        const int index = C.AddTask(FixturePath(AInput));
        EXPECT_GE(index, 0) << C.LastErrMsg();
        TOutputOptions o;
        o.VideoCodec = "mpeg4";
        o.AudioCodec = "mp2";
        o.FrameSize = ASize;
        EXPECT_TRUE(C.SetOutputFile(index, Out + AOutput, &o)) << C.LastErrMsg();
        return index;
    }

    bool HasFinal() {
        std::lock_guard lock(Lock);
        return !Notices.empty() && Notices.back().TaskIndex == -1;
    }
    size_t ReportCount() {
        std::lock_guard lock(Lock);
        return Reports.size();
    }
    bool WaitFinal(int ATimeoutMs) {
        return WaitServingFor([&] { return HasFinal(); }, ATimeoutMs);
    }
};

int64_t FileSize(const std::string& AName) {
    std::error_code e;
    const auto size = std::filesystem::file_size(AName, e);
    return e ? -1 : int64_t(size);
}

} // namespace

TEST(TCustomZorvexionRun, FourClipsOnTwoWorkersReportOnTheGuiThread) {
    RunRig r;
    for (int i = 0; i < 4; ++i)
        r.AddConversion("clip_3s.mkv", "out" + std::to_string(i) + ".avi", "160x120");
    const auto start = Clock::now();
    r.C.Start(2);
    ASSERT_TRUE(r.WaitFinal(60000));
    const double elapsedMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();

    std::lock_guard lock(r.Lock);
    ASSERT_EQ(r.Notices.size(), 5u);
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_TRUE(r.Notices[i].Finished) << r.Notices[i].ExceptionMsg;
        EXPECT_FALSE(r.Notices[i].Exception) << r.Notices[i].ExceptionMsg;
    }
    EXPECT_EQ(r.Notices.back().TaskIndex, -1);

    std::map<int, std::vector<const Report*>> byTask;
    for (const Report& report : r.Reports) {
        EXPECT_TRUE(report.OnGuiThread);
        byTask[report.Info.TaskIndex].push_back(&report);
    }
    ASSERT_EQ(byTask.size(), 4u);
    for (const auto& [task, reports] : byTask) {
        SCOPED_TRACE(task);
        // About one report per interval while converting, plus the final one.
        EXPECT_LE(double(reports.size()), elapsedMs / 100 + 4);
        int64_t last = 0;
        for (const Report* report : reports) {
            EXPECT_GE(report->Info.CurrentDuration, last);
            last = report->Info.CurrentDuration;
            EXPECT_NEAR(double(report->Info.TotalDuration), 3e6, 2e5);
            EXPECT_LE(report->Info.CurrentDuration, report->Info.TotalDuration + 1000000);
        }
        EXPECT_EQ(reports.back()->Info.FileIndex, -1); // the task's final report
        EXPECT_NEAR(double(last), 3e6, 2e5);
    }

    for (int i = 0; i < 4; ++i) {
        TAVProbe probe;
        ASSERT_TRUE(probe.LoadFile(r.Out + "out" + std::to_string(i) + ".avi")) << probe.LastErrMsg();
        const TVideoStreamInfo video = probe.FirstVideoStreamInfo();
        EXPECT_EQ(video.Width, 160);
        EXPECT_EQ(video.Height, 120);
    }
}

TEST(TCustomZorvexionRun, PauseHoldsProgressAndOutputUntilResume) {
    RunRig r;
    const int index = r.C.AddTask(FixturePath("long_20s.mkv"));
    ASSERT_EQ(index, 0) << r.C.LastErrMsg();
    TOutputOptions o;
    o.VideoCodec = "mpeg4";
    o.AudioCodec = "mp2";
    ASSERT_TRUE(r.C.SetOutputFile(index, r.Out + "paused.avi", &o)) << r.C.LastErrMsg();
    bool paused = false;
    r.OnReport = [&](const TProgressInfo&) {
        if (!paused) {
            paused = true;
            r.C.Pause(); // the worker stops at its next safe point
        }
    };
    r.C.Start(1);
    ASSERT_TRUE(WaitServingFor([&] { return paused; }, 20000));
    // Let a step already under way write what it has.
    WaitServingFor([] { return false; }, 200);
    const size_t reports = r.ReportCount();
    const int64_t size = FileSize(r.Out + "paused.avi");
    WaitServingFor([] { return false; }, 1000);
    EXPECT_EQ(r.ReportCount(), reports);
    EXPECT_EQ(FileSize(r.Out + "paused.avi"), size);
    EXPECT_FALSE(r.HasFinal());
    r.C.Resume();
    ASSERT_TRUE(r.WaitFinal(60000));
    std::lock_guard lock(r.Lock);
    ASSERT_EQ(r.Notices.size(), 2u);
    EXPECT_TRUE(r.Notices[0].Finished) << r.Notices[0].ExceptionMsg;
    EXPECT_GT(r.Reports.size(), reports);
    EXPECT_NEAR(double(r.Reports.back().Info.CurrentDuration), 20e6, 1e5);
}

// Every field of an output's Info that its container can hold probes back:
// MP4 and AVI keep the author and year only under the libraries' common keys,
// and Matroska stores its tags in capitals. AVI holds no album.
TEST(TCustomZorvexionRun, OutputInfoProbesBackFromEachContainer) {
    RunRig r;
    for (const char* name : {"info.mp4", "info.mkv", "info.avi"}) {
        SCOPED_TRACE(name);
        const int index = r.C.AddTask(FixturePath("tone_s16_mono_22050.wav"));
        ASSERT_GE(index, 0) << r.C.LastErrMsg();
        TOutputOptions o;
        o.AudioCodec = std::string(name).ends_with(".mp4") ? "aac" : "mp2";
        o.Info.Year = 2009;
        o.Info.Track = 4;
        o.Info.Title = "Title";
        o.Info.Author = "Author";
        o.Info.Copyright = "Copyright";
        o.Info.Comment = "Comment";
        o.Info.Album = "Album";
        o.Info.Genre = "Genre";
        ASSERT_TRUE(r.C.SetOutputFile(index, r.Out + name, &o)) << r.C.LastErrMsg();
    }
    r.C.Start(0);
    ASSERT_TRUE(r.HasFinal());
    for (const char* name : {"info.mp4", "info.mkv", "info.avi"}) {
        SCOPED_TRACE(name);
        TAVProbe probe;
        ASSERT_TRUE(probe.LoadFile(r.Out + name)) << probe.LastErrMsg();
        const TFileStreamInfo info = probe.FileStreamInfo();
        EXPECT_EQ(info.Year, 2009);
        EXPECT_EQ(info.Track, 4);
        EXPECT_EQ(info.Title, "Title");
        EXPECT_EQ(info.Author, "Author");
        EXPECT_EQ(info.Copyright, "Copyright");
        EXPECT_EQ(info.Comment, "Comment");
        // AVI's list of tags has no album that reads back.
        if (!std::string(name).ends_with(".avi")) EXPECT_EQ(info.Album, "Album");
        EXPECT_EQ(info.Genre, "Genre");
    }
}
