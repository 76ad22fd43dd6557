// The run's control: worker and inline starts, the termination notice,
// stop, pause and resume, failures, progress events, engines side by side.

#include <chrono>
#include <memory>
#include <thread>

#include "tests/media/engine/RunTestSupport.h"

namespace {

using namespace std::chrono_literals;

// Counts termination notices and lets the test wait for the first.
class TTerminationLog {
public:
    void Attach(TCustomFFmpeg& E) {
        E.FOnTerminate = [this](TCustomFFmpeg* ASender) {
            std::lock_guard lock(FLock);
            ++FCount;
            FFinished = ASender->Finished();
            FThread = std::this_thread::get_id();
            FDone.SetEvent();
        };
    }
    bool Wait(int AMs = 20000) { return FDone.WaitFor(AMs) == TWaitResult::wrSignaled; }
    int Count() const {
        std::lock_guard lock(FLock);
        return FCount;
    }
    bool Finished() const {
        std::lock_guard lock(FLock);
        return FFinished;
    }
    std::thread::id Thread() const {
        std::lock_guard lock(FLock);
        return FThread;
    }

private:
    mutable std::mutex FLock;
    int FCount = 0;
    bool FFinished = false;
    std::thread::id FThread;
    TEvent FDone{true, false};
};

// Waits until a progress event came (the worker is converting).
bool WaitForProgress(const TProgressLog& AProgress, int AMs = 10000) {
    for (int i = 0; i < AMs / 5; ++i) {
        if (!AProgress.Events().empty()) return true;
        std::this_thread::sleep_for(5ms);
    }
    return false;
}

const TOptionList kMpeg4Mp2 = {{"vcodec", "mpeg4"}, {"acodec", "mp2"}};

} // namespace

TEST_F(TCustomFFmpegTest, WorkerRunEndsWithOneNoticeOnTheWorker) {
    TScratchFolder folder;
    PrepareConversion(*E, FixturePath("clip.mkv"), {}, folder.File("out.avi"), kMpeg4Mp2);
    TTerminationLog notices;
    notices.Attach(*E);
    ASSERT_TRUE(E->StartConvert(true, TThreadPriority::tpLower));
    EXPECT_FALSE(E->StartConvert(true)) << "an engine runs once";
    ASSERT_TRUE(notices.Wait());
    E->Stop(true); // joins the finished worker
    EXPECT_EQ(notices.Count(), 1);
    EXPECT_TRUE(notices.Finished());
    EXPECT_NE(notices.Thread(), std::this_thread::get_id());
    EXPECT_TRUE(E->Terminated());
    EXPECT_FALSE(E->Converting());
    EXPECT_FALSE(E->StartConvert(false)) << "a terminated engine waits for Reset";
    EXPECT_EQ(notices.Count(), 1);
    EXPECT_EQ(InspectMedia(folder.File("out.avi")).First(AVMEDIA_TYPE_VIDEO)->Frames, 50);
}

TEST_F(TCustomFFmpegTest, StopDuringALongRunKeepsAPlayableOutput) {
    TScratchFolder folder;
    const std::string output = folder.File("stopped.avi");
    PrepareConversion(*E, FixturePath("long_20s.mkv"), {}, output, kMpeg4Mp2);
    TTerminationLog notices;
    notices.Attach(*E);
    TProgressLog progress;
    progress.Attach(*E);
    E->ReportInterval = 20000;
    ASSERT_TRUE(E->StartConvert(true));
    ASSERT_TRUE(WaitForProgress(progress));
    const auto start = std::chrono::steady_clock::now();
    E->Stop(true);
    EXPECT_LT(std::chrono::steady_clock::now() - start, 1s);
    ASSERT_EQ(notices.Count(), 1);
    EXPECT_FALSE(notices.Finished());
    EXPECT_FALSE(E->Finished());
    EXPECT_FALSE(E->FatalException()) << E->FatalMessage();
    EXPECT_EQ(progress.Events().back().FileIndex, -1) << "a stopped run still makes its final report";

    Log.Clear();
    const TMediaSummary m = InspectMedia(output);
    ASSERT_TRUE(m.Opened) << "the trailer was written";
    EXPECT_EQ(m.DecodeErrors, 0);
    ASSERT_NE(m.First(AVMEDIA_TYPE_VIDEO), nullptr);
    EXPECT_GT(m.First(AVMEDIA_TYPE_VIDEO)->Frames, 0);
    EXPECT_LT(m.First(AVMEDIA_TYPE_VIDEO)->Frames, 500);
}

TEST_F(TCustomFFmpegTest, PauseHoldsTheWorkerUntilResume) {
    TScratchFolder folder;
    const std::string output = folder.File("paused.avi");
    PrepareConversion(*E, FixturePath("long_20s.mkv"), {}, output, kMpeg4Mp2);
    TTerminationLog notices;
    notices.Attach(*E);
    TProgressLog progress;
    progress.Attach(*E);
    E->ReportInterval = 20000;
    ASSERT_TRUE(E->StartConvert(true));
    ASSERT_TRUE(WaitForProgress(progress));
    E->Pause();
    EXPECT_TRUE(E->Paused());
    // The worker finishes the step it is in and stops at its next safe point;
    // on a loaded machine that step can take a while, so wait for quiet first.
    int64_t size = FileSizeOf(output);
    size_t events = progress.Events().size();
    for (int i = 0; i < 40; ++i) {
        std::this_thread::sleep_for(250ms);
        const int64_t nowSize = FileSizeOf(output);
        const size_t nowEvents = progress.Events().size();
        if (nowSize == size && nowEvents == events) break;
        size = nowSize;
        events = nowEvents;
    }
    std::this_thread::sleep_for(1500ms);
    EXPECT_EQ(FileSizeOf(output), size) << "no output growth while paused";
    EXPECT_EQ(progress.Events().size(), events) << "no events while paused";
    EXPECT_EQ(notices.Count(), 0);
    E->Resume();
    ASSERT_TRUE(notices.Wait(60000));
    E->Stop(true);
    EXPECT_TRUE(E->Finished());
    EXPECT_EQ(InspectMedia(output).First(AVMEDIA_TYPE_VIDEO)->Frames, 500);
}

TEST_F(TCustomFFmpegTest, StopOnANeverStartedEngine) {
    TTerminationLog notices;
    notices.Attach(*E);
    const auto start = std::chrono::steady_clock::now();
    E->Stop(true);
    E->Stop(false);
    E->Pause();
    E->Resume();
    EXPECT_LT(std::chrono::steady_clock::now() - start, 100ms);
    EXPECT_EQ(notices.Count(), 0) << "Stop alone raises no notice";

    // The task list's stop gives a never-started engine its notice, from
    // another thread, and waits for it.
    E->StopTask(true);
    EXPECT_EQ(notices.Count(), 1);
    EXPECT_NE(notices.Thread(), std::this_thread::get_id());
    EXPECT_FALSE(notices.Finished());
    E->StopTask(true);
    EXPECT_EQ(notices.Count(), 1) << "a terminated engine is left alone";
}

TEST_F(TCustomFFmpegTest, StartWithoutFilesFailsWithItsNotice) {
    TTerminationLog notices;
    notices.Attach(*E);
    EXPECT_FALSE(E->StartConvert(true));
    EXPECT_EQ(notices.Count(), 1);
    EXPECT_EQ(notices.Thread(), std::this_thread::get_id());
    EXPECT_TRUE(E->FatalException());
    EXPECT_EQ(E->FatalMessage(), "At least one output file must be specified");
    EXPECT_TRUE(Log.Has(llQuiet, "At least one output file must be specified"));
    EXPECT_FALSE(E->StartConvert(true));
    EXPECT_EQ(notices.Count(), 1);

    TScratchFolder folder;
    E->Reset();
    ASSERT_GT(E->OpenOutputFile(folder.File("x.avi"), false), 0) << E->LastErrMsg();
    EXPECT_FALSE(E->StartConvert(false));
    EXPECT_EQ(E->FatalMessage(), "At least one input file must be specified");
}

TEST_F(TCustomFFmpegTest, EncoderOpenFailureIsFatalAndLeavesNoOutput) {
    TScratchFolder folder;
    const std::string output = folder.File("odd.mp4");
    PrepareConversion(*E, FixturePath("odd_321x241.mkv"), {}, output, {{"vcodec", "libx264"}});
    TTerminationLog notices;
    notices.Attach(*E);
    EXPECT_FALSE(E->StartConvert(false));
    EXPECT_EQ(notices.Count(), 1);
    EXPECT_FALSE(E->Finished());
    EXPECT_TRUE(E->FatalException());
    EXPECT_EQ(
        E->FatalMessage(),
        "Error while opening encoder for output stream #0.0 (Video) - maybe incorrect parameters such as "
        "bit_rate, rate, width or height. Please check error log message to find out more detail "
        "information.");
    EXPECT_TRUE(Log.Has(llError, "Error while opening encoder for output stream #0.0"));
    EXPECT_EQ(FileSizeOf(output), -1);
}

// A failure in the middle of a run (here: the size limit of the file system
// reached through a write error is hard to stage, so a header the muxer
// refuses) deletes the output it created.
TEST_F(TCustomFFmpegTest, HeaderFailureDeletesTheOutput) {
    TScratchFolder folder;
    const std::string output = folder.File("bad.mp4");
    // mp4 refuses a wmav2 stream when its header is written.
    PrepareConversion(*E, FixturePath("clip.mkv"), {}, output, {{"vcodec", "mpeg4"}, {"acodec", "wmav2"}});
    EXPECT_FALSE(E->StartConvert(false));
    EXPECT_TRUE(E->FatalException());
    EXPECT_EQ(E->FatalMessage(), "Could not write header for output file #0 (incorrect codec parameters ?)");
    EXPECT_EQ(FileSizeOf(output), -1);
}

TEST_F(TCustomFFmpegTest, EngineFreedInsideItsOwnNotice) {
    TScratchFolder folder;
    PrepareConversion(*E, FixturePath("clip.mkv"), {}, folder.File("out.avi"), kMpeg4Mp2);
    // Shared: the worker may still be inside SetEvent when the wait returns.
    auto freed = std::make_shared<TEvent>(true, false);
    TCustomFFmpeg* raw = E.release();
    raw->FOnTerminate = [freed](TCustomFFmpeg* ASender) {
        delete ASender; // deferred join: never waits for its own thread
        freed->SetEvent();
    };
    ASSERT_TRUE(raw->StartConvert(true));
    EXPECT_EQ(freed->WaitFor(20000), TWaitResult::wrSignaled);
    // The worker ends on its own; give it a moment before the process checks leaks.
    std::this_thread::sleep_for(50ms);
}

TEST_F(TCustomFFmpegTest, DestroyStopsAndJoinsARunningWorker) {
    TScratchFolder folder;
    PrepareConversion(*E, FixturePath("long_20s.mkv"), {}, folder.File("out.avi"), kMpeg4Mp2);
    TTerminationLog notices;
    notices.Attach(*E);
    ASSERT_TRUE(E->StartConvert(true));
    E->Pause();
    E.reset();
    EXPECT_EQ(notices.Count(), 1);
    EXPECT_FALSE(notices.Finished());
}

TEST_F(TCustomFFmpegTest, ProgressEvents) {
    TScratchFolder folder;
    TProgressLog progress;
    const int64_t interval = 30000;
    {
        PrepareConversion(*E, FixturePath("long_20s.mkv"), {}, folder.File("p.avi"), kMpeg4Mp2);
        progress.Attach(*E);
        E->ReportInterval = interval;
        const int64_t start = av::av_gettime_relative();
        E->StartConvert(false);
        const int64_t elapsed = av::av_gettime_relative() - start;
        const std::vector<TProgressRecord> ev = progress.Events();
        ASSERT_GE(ev.size(), 3u);
        EXPECT_LE(static_cast<int64_t>(ev.size()), elapsed / interval + 2) << "about one event per interval";
        int finals = 0;
        for (size_t i = 0; i < ev.size(); ++i) {
            SCOPED_TRACE(i);
            finals += ev[i].FileIndex == -1;
            EXPECT_EQ(ev[i].FileIndex == -1, i + 1 == ev.size()) << "one final event, the last";
            EXPECT_NEAR(static_cast<double>(ev[i].TotalDuration), 20e6, 0.1e6);
            EXPECT_LE(ev[i].CurrentDuration, ev[i].TotalDuration + 1000000);
            EXPECT_GE(ev[i].FrameNumber, 1);
            if (i > 0) {
                EXPECT_GE(ev[i].CurrentDuration, ev[i - 1].CurrentDuration);
            }
        }
        EXPECT_EQ(finals, 1);
        EXPECT_NEAR(static_cast<double>(ev.back().CurrentDuration), 20e6, 0.1e6);
        EXPECT_EQ(ev.back().FrameNumber, 500);
        EXPECT_EQ(ev.back().CurrentSize, FileSizeOf(folder.File("p.avi")));
    }

    // Audio only: no frame number, fps or quality, and sane times.
    TProgressLog audio;
    E->Reset();
    PrepareConversion(*E, FixturePath("clip.mkv"), {}, folder.File("a.mp3"), {{"acodec", "libmp3lame"}});
    audio.Attach(*E);
    E->ReportInterval = 1;
    E->StartConvert(false);
    const std::vector<TProgressRecord> ev = audio.Events();
    ASSERT_FALSE(ev.empty());
    EXPECT_EQ(ev.back().FileIndex, -1);
    for (const TProgressRecord& r : ev) {
        EXPECT_EQ(r.FrameNumber, -1);
        EXPECT_EQ(r.FPS, -1);
        EXPECT_EQ(r.Quality, -1.0f);
        EXPECT_GE(r.CurrentDuration, 0);
        EXPECT_LE(r.CurrentDuration, r.TotalDuration + 1000000);
    }
    EXPECT_NEAR(static_cast<double>(ev.back().CurrentDuration), 2e6, 0.1e6);
}

// Four engines converting at once, again and again, with the logger taking
// their lines: every run ends once and finished (a hang fails by the test's
// time limit).
TEST_F(TCustomFFmpegTest, FourEnginesAtOnce) {
    TScratchFolder folder;
    for (int round = 0; round < 20; ++round) {
        std::vector<std::unique_ptr<TCustomFFmpeg>> engines;
        std::vector<std::unique_ptr<TTerminationLog>> notices;
        for (int k = 0; k < 4; ++k) {
            engines.push_back(std::make_unique<TCustomFFmpeg>(4));
            engines.back()->Reset();
            engines.back()->SetVerbose(1);
            PrepareConversion(*engines.back(), FixturePath("clip.mkv"), {{"t", "0.4"}},
                              folder.File("r" + std::to_string(k) + ".avi"), kMpeg4Mp2);
            notices.push_back(std::make_unique<TTerminationLog>());
            notices.back()->Attach(*engines.back());
        }
        for (auto& e : engines)
            ASSERT_TRUE(e->StartConvert(true));
        for (int k = 0; k < 4; ++k) {
            ASSERT_TRUE(notices[static_cast<size_t>(k)]->Wait());
            engines[static_cast<size_t>(k)].reset();
            EXPECT_EQ(notices[static_cast<size_t>(k)]->Count(), 1);
            EXPECT_TRUE(notices[static_cast<size_t>(k)]->Finished());
        }
    }
}
