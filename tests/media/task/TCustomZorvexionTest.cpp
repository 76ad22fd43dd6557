#include "media/task/TZorvexion.h"

#include <chrono>
#include <gtest/gtest.h>
#include <thread>

#include "FakeTaskEngine.h"
#include "media/TFFmpegLoader.h"
#include "media/engine/TCustomFFmpeg.h"
#include "platform/base/Exception.h"
#include "platform/base/MemoryStream.h"
#include "platform/sys/MainThread.h"
#include "tests/support/FixturePath.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Notice {
    TTerminateInfo Info;
    bool OnGuiThread;
    std::thread::id Thread;
};

// A component over scripted engines that records every termination notice.
struct Rig {
    std::shared_ptr<TFakeLog> Log = std::make_shared<TFakeLog>();
    std::unique_ptr<TZorvexion> C = std::make_unique<TZorvexion>();
    std::mutex Lock;
    std::vector<Notice> Notices;
    std::atomic<int> InHandler{0};
    std::atomic<int> Overlaps{0};
    std::function<void(const TTerminateInfo&)> Extra; // runs inside the handler

    explicit Rig(TFakeScript AScript = {}) {
        Log->Script = AScript;
        C->SetEngineFactory(
            [log = Log](int AMaxFiles) { return std::make_unique<FakeTaskEngine>(AMaxFiles, log); });
        C->SetOnTerminate([this](TCustomZorvexion*, const TTerminateInfo& AInfo) {
            if (++InHandler > 1) ++Overlaps;
            struct Leave {
                std::atomic<int>& Count;
                ~Leave() { --Count; }
            } leave{InHandler};
            if (Extra) Extra(AInfo);
            std::this_thread::sleep_for(std::chrono::milliseconds(2)); // widen any overlap
            std::lock_guard lock(Lock);
            Notices.push_back({AInfo, IsGuiThread(), std::this_thread::get_id()});
        });
    }

    // The component goes first: its notices still reach this rig's handler.
    ~Rig() { C.reset(); }

    void AddTasks(int ACount, bool AWithOutput = true) {
        for (int i = 0; i < ACount; ++i) {
            const int index = C->AddTask("in" + std::to_string(i) + ".avi");
            ASSERT_GE(index, 0) << C->LastErrMsg();
            if (AWithOutput) {
                ASSERT_TRUE(C->SetOutputFile(index, "out" + std::to_string(i) + ".mp4")) << C->LastErrMsg();
            }
        }
    }

    std::vector<Notice> Snapshot() {
        std::lock_guard lock(Lock);
        return Notices;
    }

    std::vector<int> Indices() {
        std::vector<int> out;
        for (const Notice& n : Snapshot())
            out.push_back(n.Info.TaskIndex);
        return out;
    }

    bool HasFinal() {
        for (const Notice& n : Snapshot())
            if (n.Info.TaskIndex == -1) return true;
        return false;
    }

    // Serves the GUI thread while waiting, as the application's loop would.
    bool WaitFinal(int ATimeoutMs = 5000) {
        return WaitServingFor([&] { return HasFinal(); }, ATimeoutMs);
    }
};

void ExpectFinalLastAndAlone(const std::vector<Notice>& ANotices, size_t ATaskNotices) {
    ASSERT_EQ(ANotices.size(), ATaskNotices + 1);
    const TTerminateInfo& last = ANotices.back().Info;
    EXPECT_EQ(last.TaskIndex, -1);
    EXPECT_TRUE(last.Finished);
    EXPECT_FALSE(last.Exception);
    EXPECT_EQ(last.ExceptionMsg, "");
    std::vector<int> seen;
    for (size_t i = 0; i + 1 < ANotices.size(); ++i)
        seen.push_back(ANotices[i].Info.TaskIndex);
    std::sort(seen.begin(), seen.end());
    for (size_t i = 0; i < seen.size(); ++i)
        EXPECT_EQ(seen[i], static_cast<int>(i)) << "one notice per task";
}

} // namespace

TEST(TCustomZorvexion, InlineRunDeliversEveryNoticeBeforeStartReturns) {
    Rig r;
    r.AddTasks(3);
    r.C->Start(0);
    EXPECT_EQ(r.Indices(), (std::vector<int>{0, 1, 2, -1}));
    for (const Notice& n : r.Snapshot()) {
        EXPECT_EQ(n.Thread, std::this_thread::get_id());
        EXPECT_TRUE(n.Info.Finished);
    }
    EXPECT_TRUE(r.C->Terminated());
    EXPECT_TRUE(r.C->Working()); // until the list is cleared
    EXPECT_EQ(r.Log->MaxRunning, 1);
}

TEST(TCustomZorvexion, ThreadedRunKeepsToItsLimitAndDeliversNoticesOneAtATimeOffTheGuiThread) {
    Rig r({4, 5, ""});
    std::atomic<int> progressOffGui{0};
    std::atomic<int> progress{0};
    r.C->SetOnProgress([&](TCustomZorvexion*, PProgressInfo AInfo) {
        ++progress;
        if (!IsGuiThread() || AInfo->TotalDuration != 160000) ++progressOffGui;
    });
    r.AddTasks(5);
    r.C->Start(2);
    ASSERT_TRUE(r.WaitFinal());
    const auto notices = r.Snapshot();
    ExpectFinalLastAndAlone(notices, 5);
    for (const Notice& n : notices)
        EXPECT_FALSE(n.OnGuiThread);
    EXPECT_EQ(r.Overlaps, 0);
    EXPECT_EQ(r.Log->MaxRunning, 2);
    EXPECT_EQ(progress, 20);
    EXPECT_EQ(progressOffGui, 0);
    EXPECT_TRUE(r.C->Terminated());
}

TEST(TCustomZorvexion, StopWithWaitEndsRunningAndPendingTasksWhileHandlersCallTheGuiThread) {
    Rig r({100000, 10, ""});
    r.Extra = [](const TTerminateInfo&) { CallInMainThread([] {}); };
    r.C->SetOnProgress([](TCustomZorvexion*, PProgressInfo) {}); // workers block on the GUI thread too
    r.AddTasks(5);
    r.C->Start(2);
    ASSERT_TRUE(WaitServingFor([&] { return r.Log->Running == 2; }, 2000));
    const auto t0 = Clock::now();
    r.C->Stop(true);
    EXPECT_LT(Clock::now() - t0, std::chrono::seconds(2));
    const auto notices = r.Snapshot(); // all delivered when Stop(true) returns
    ExpectFinalLastAndAlone(notices, 5);
    for (size_t i = 0; i + 1 < notices.size(); ++i) {
        EXPECT_FALSE(notices[i].Info.Finished);
        EXPECT_FALSE(notices[i].Info.Exception);
    }
    r.C->ClearTasks();
    EXPECT_FALSE(r.C->Working());
}

TEST(TCustomZorvexion, StoppingInsideAnInlineRunEndsTheRestBeforeStartReturns) {
    Rig r({50, 1, ""});
    bool stopped = false;
    r.C->SetOnProgress([&](TCustomZorvexion* ASender, PProgressInfo AInfo) {
        if (AInfo->TaskIndex == 0 && !stopped) {
            stopped = true;
            ASender->Stop(true); // must not wait for itself
        }
    });
    r.AddTasks(3);
    r.C->Start(0);
    const auto notices = r.Snapshot();
    ExpectFinalLastAndAlone(notices, 3);
    for (size_t i = 0; i + 1 < notices.size(); ++i)
        EXPECT_FALSE(notices[i].Info.Finished);
    EXPECT_EQ(r.Log->MaxRunning, 1);
}

TEST(TCustomZorvexion, StopFromATerminationHandlerEndsTheNeverStartedTasks) {
    Rig r({3, 1, ""});
    r.Extra = [&](const TTerminateInfo& AInfo) {
        if (AInfo.TaskIndex == 0) r.C->Stop(true);
    };
    r.AddTasks(4);
    r.C->Start(1);
    ASSERT_TRUE(r.WaitFinal(2000));
    ExpectFinalLastAndAlone(r.Snapshot(), 4);
}

TEST(TCustomZorvexion, GuardsAgainstChangingAListThatIsWorking) {
    Rig r({100000, 10, ""});
    r.AddTasks(2);
    r.C->Start(1);
    const std::pair<const char*, std::function<void()>> guarded[] = {
        {"Cannot AddTask while working.", [&] { r.C->AddTask("x.avi"); }},
        {"Cannot AddInputFile while working.", [&] { r.C->AddInputFile(0, "x.avi"); }},
        {"Cannot SetOutputFile while working.", [&] { r.C->SetOutputFile(0, "x.mp4"); }},
        {"Cannot Exchange while working.", [&] { r.C->Exchange(0, 1); }},
        {"Cannot RemoveTask while working.", [&] { r.C->RemoveTask(0); }},
        {"Cannot StartTask while working.", [&] { r.C->Start(1); }},
        {"Cannot ClearTasks while working.", [&] { r.C->ClearTasks(); }},
    };
    for (const auto& [message, call] : guarded) {
        try {
            call();
            ADD_FAILURE() << "no error: " << message;
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), message);
        }
    }
    r.C->Stop(true);
    EXPECT_THROW(r.C->AddTask("x.avi"), Exception); // an ended run stays working until cleared
    r.C->ClearTasks();
    EXPECT_EQ(r.C->TasksCount(), 0);
    EXPECT_EQ(r.C->AddTask("x.avi"), 0);
}

TEST(TCustomZorvexion, EmptyListGivesTheFinalNoticeAtOnce) {
    Rig r;
    r.C->Start(0);
    EXPECT_EQ(r.Indices(), std::vector<int>{-1});
    EXPECT_TRUE(r.C->Terminated());
    r.C->ClearTasks();
    r.Notices.clear();

    r.C->Start(3);
    ASSERT_TRUE(r.WaitFinal(2000));
    EXPECT_EQ(r.Indices(), std::vector<int>{-1});
    EXPECT_FALSE(r.Snapshot().back().OnGuiThread);
}

TEST(TCustomZorvexion, ProgressIntervalIsAtLeast100MsAndReachesTheEngineInMicroseconds) {
    const std::pair<int, int> cases[] = {{50, 100}, {100, 100}, {101, 101}, {500, 500}, {-5, 100}};
    for (const auto& [set, read] : cases) {
        TZorvexion c;
        c.SetProgressInterval(set);
        EXPECT_EQ(c.ProgressInterval(), read) << set;
    }
    Rig r;
    r.C->SetProgressInterval(250);
    r.AddTasks(1);
    r.C->Start(0);
    const auto calls = r.Log->Snapshot();
    EXPECT_NE(std::find(calls.begin(), calls.end(), "SetReportInterval(250000)"), calls.end());
}

TEST(TCustomZorvexion, FilesPerTaskAreLimited) {
    Rig r;
    ASSERT_EQ(r.C->AddTask("in0.avi"), 0);
    for (int i = 1; i < 20; ++i)
        ASSERT_TRUE(r.C->AddInputFile(0, "in" + std::to_string(i) + ".avi"));
    EXPECT_FALSE(r.C->AddInputFile(0, "one-too-many.avi"));
    EXPECT_EQ(r.C->LastErrMsg(), "max input files 20 reached");

    r.C->SetCustomMaxFiles(2);
    ASSERT_EQ(r.C->AddTask("a.avi"), 1);
    ASSERT_TRUE(r.C->SetOutputFile(1, "a.mp4"));
    ASSERT_TRUE(r.C->SetOutputFile(1, "b.mp4"));
    EXPECT_FALSE(r.C->SetOutputFile(1, "c.mp4"));
    EXPECT_EQ(r.C->LastErrMsg(), "max output files 2 reached");

    r.C->SetCustomMaxFiles(0); // the engine refuses it
    EXPECT_EQ(r.C->AddTask("b.avi"), -1);
    EXPECT_NE(r.C->LastErrMsg().find("max files 0"), std::string::npos);
    EXPECT_EQ(r.C->TasksCount(), 2);
}

TEST(TCustomZorvexion, FailuresOfAddingComeBackByResult) {
    Rig r;
    r.Log->FailOpen = true;
    EXPECT_EQ(r.C->AddTask("missing.avi"), -1);
    EXPECT_EQ(r.C->LastErrMsg(), "missing.avi: No such file or directory");
    EXPECT_EQ(r.C->TasksCount(), 0);
    EXPECT_EQ(r.Log->Destroyed, 1); // the failed task is freed

    r.Log->FailOpen = false;
    r.Log->FailingOptions.insert("r");
    EXPECT_EQ(r.C->AddTask("a.avi", "r=fast"), -1);
    EXPECT_EQ(r.C->LastErrMsg(), "Invalid value \"fast\" for option \"r\"");

    ASSERT_EQ(r.C->AddTask("a.avi", "TimeStart=1000"), 0);
    EXPECT_FALSE(r.C->SetOutputFile(0, "a.mp4", "r=x"));
    EXPECT_EQ(r.C->LastErrMsg(), "Invalid value \"x\" for option \"r\"");
    EXPECT_THROW(r.C->SetOutputFile(5, "a.mp4"), EListError);
    EXPECT_THROW(r.C->RemoveTask(-1), EListError);
}

TEST(TCustomZorvexion, TaskThatCannotStartEndsWithItsFailureAndTheNextTakesItsPlace) {
    Rig r({3, 2, ""});
    ASSERT_EQ(r.C->AddTask("no-output.avi"), 0);
    r.AddTasks(2);
    r.C->Start(1);
    ASSERT_TRUE(r.WaitFinal());
    const auto notices = r.Snapshot();
    ExpectFinalLastAndAlone(notices, 3);
    EXPECT_EQ(notices[0].Info.TaskIndex, 0);
    EXPECT_TRUE(notices[0].Info.Exception);
    EXPECT_EQ(notices[0].Info.ExceptionMsg, "At least one output file must be specified");
    EXPECT_TRUE(notices[1].Info.Finished);
    EXPECT_EQ(r.Log->MaxRunning, 1);
}

TEST(TCustomZorvexion, FailuresOfHandlersReachTheOwnerAsNotices) {
    Rig r({3, 1, ""});
    r.C->SetOnProgress([](TCustomZorvexion*, PProgressInfo AInfo) {
        if (AInfo->TaskIndex == 1) throw Exception("handler failed");
    });
    r.Extra = [](const TTerminateInfo& AInfo) {
        if (AInfo.TaskIndex == 0) throw Exception("notice handler failed");
    };
    r.AddTasks(3);
    r.C->Start(2);
    ASSERT_TRUE(r.WaitFinal());
    std::vector<Notice> notices = r.Snapshot(); // task 0's handler failed before recording
    ASSERT_EQ(notices.size(), 3u);
    EXPECT_EQ(notices.back().Info.TaskIndex, -1);
    for (const Notice& n : notices) {
        if (n.Info.TaskIndex == 1) {
            EXPECT_TRUE(n.Info.Exception);
            EXPECT_EQ(n.Info.ExceptionMsg, "handler failed");
        }
    }
}

TEST(TCustomZorvexion, OneBlockedHandlerDoesNotHoldBackAnotherTasksReports) {
    Rig r({5, 5, ""});
    r.C->SetTriggerEventInMainThread(false);
    std::atomic<bool> otherReported{false};
    std::atomic<bool> gaveUp{false};
    r.C->SetOnProgress([&](TCustomZorvexion*, PProgressInfo AInfo) {
        if (AInfo->TaskIndex == 0) {
            const auto until = Clock::now() + std::chrono::seconds(3);
            while (!otherReported && Clock::now() < until)
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            gaveUp = !otherReported;
        } else {
            otherReported = true;
        }
    });
    r.AddTasks(2);
    r.C->Start(2);
    ASSERT_TRUE(r.WaitFinal());
    EXPECT_FALSE(gaveUp);
}

TEST(TCustomZorvexion, PauseHoldsTheWorkersAndResumeLetsThemFinish) {
    Rig r({30, 5, ""});
    std::atomic<int> progress{0};
    r.C->SetOnProgress([&](TCustomZorvexion*, PProgressInfo) { ++progress; });
    r.AddTasks(2);
    r.C->Start(2);
    ASSERT_TRUE(WaitServingFor([&] { return progress >= 4; }, 2000));
    r.C->Pause();
    WaitServingFor([] { return false; }, 50); // a step under way may still report
    const int held = progress;
    WaitServingFor([] { return false; }, 150);
    EXPECT_EQ(progress, held);
    r.C->Resume();
    ASSERT_TRUE(r.WaitFinal());
    EXPECT_EQ(progress, 60);
}

TEST(TCustomZorvexion, DestroyingTheComponentMidRunStopsAndFreesEveryTask) {
    Rig r({100000, 5, ""});
    r.C->SetOnProgress([](TCustomZorvexion*, PProgressInfo) {});
    r.AddTasks(4);
    r.C->Start(3);
    ASSERT_TRUE(WaitServingFor([&] { return r.Log->Running == 3; }, 2000));
    r.C.reset();
    EXPECT_EQ(r.Log->Destroyed, 4);
    EXPECT_EQ(r.Log->Running, 0);
    ExpectFinalLastAndAlone(r.Snapshot(), 4);
}

TEST(TCustomZorvexion, StreamTasksNameTheirStreamObject) {
    Rig r;
    TMemoryStream in, out;
    ASSERT_EQ(r.C->AddTask(&in, "clip"), 0);
    ASSERT_TRUE(r.C->SetOutputStream(0, &out, "x.mp4"));
    const std::string inName = "stream:" + std::to_string(reinterpret_cast<uintptr_t>(&in)) + ":clip";
    const std::string outName = "stream:" + std::to_string(reinterpret_cast<uintptr_t>(&out)) + ":x.mp4";
    const auto calls = r.Log->Snapshot();
    EXPECT_NE(std::find(calls.begin(), calls.end(), "OpenInputFile(" + inName + ")"), calls.end());
    EXPECT_NE(std::find(calls.begin(), calls.end(), "OpenOutputFile(" + outName + ",0)"), calls.end());
}

TEST(TCustomZorvexion, LoadsTheComponentLibrariesOrSaysWhyNot) {
    TZorvexion c;
    // An empty folder: every library comes from the system search.
    const std::string folder = testing::TempDir() + "no-libs";
    ASSERT_TRUE(c.LoadAVLib(folder)) << c.LastErrMsg();
    EXPECT_TRUE(c.AVLibLoaded());
    c.UnloadAVLib();
    EXPECT_FALSE(c.AVLibLoaded());

    FFLoader.SetLibraryName(TLibrary::avFilter, "libavfilter-missing.so.8");
    EXPECT_FALSE(c.LoadAVLib(folder));
    EXPECT_NE(c.LastErrMsg().find("Load library"), std::string::npos) << c.LastErrMsg();
    EXPECT_FALSE(c.AVLibLoaded());
}

// Without its libraries (never loaded, or after a failed load) adding a task
// fails by result instead of calling into the libraries; a failed load leaves
// the process-wide folder of every other component as it was.
TEST(TCustomZorvexion, WithoutItsLibrariesAddingFailsAndAFailedLoadKeepsTheFolder) {
    TZorvexion c;
    c.UnloadAVLib();
    ASSERT_FALSE(c.AVLibLoaded());
    EXPECT_EQ(c.AddTask(FixturePath("clip.mkv")), -1);
    EXPECT_EQ(c.LastErrMsg(), "LibAVCodec not loaded.");
    TCustomFFmpeg engine(20);
    EXPECT_FALSE(engine.OpenInputFile(FixturePath("clip.mkv")));
    EXPECT_EQ(engine.LastErrMsg(), "LibAVCodec not loaded.");
    EXPECT_EQ(engine.OpenOutputFile(testing::TempDir() + "never.mkv", false), -1);

    const std::string folder = FFLoader.LibraryPath();
    FFLoader.SetLibraryName(TLibrary::avFilter, "libavfilter-missing.so.8");
    EXPECT_FALSE(c.LoadAVLib(testing::TempDir() + "elsewhere/"));
    FFLoader.SetLibraryName(TLibrary::avFilter, "");
    EXPECT_EQ(FFLoader.LibraryPath(), folder);
    EXPECT_EQ(c.AddTask(FixturePath("clip.mkv")), -1);
    EXPECT_EQ(c.LastErrMsg(), "LibAVCodec not loaded.");
    EXPECT_EQ(c.TasksCount(), 0);
}

TEST(TCustomZorvexion, HookRunsOnTheWorkerAndPreviewOnTheGuiThread) {
    Rig r({4, 1, ""});
    std::atomic<int> hooks{0}, hooksOnGui{0}, previews{0}, previewsOffGui{0};
    r.C->SetOnCustomHook([&](TCustomZorvexion*, PHookInfo AInfo) {
        ++hooks;
        hooksOnGui += IsGuiThread();
        AInfo->Update = true;
        AInfo->StopHook = AInfo->FrameNumber == 2; // no frames after the second
    });
    r.C->SetOnPreviewBitmap([&](TCustomZorvexion*, const TPreviewInfo& AInfo) {
        ++previews;
        previewsOffGui += !IsGuiThread() || AInfo.TaskIndex != 0;
    });
    ASSERT_EQ(r.C->AddTask("in.avi"), 0);
    ASSERT_TRUE(r.C->SetOutputFile(0, "out.mp4", "hook=0\nb=800"));
    r.C->Start(1);
    ASSERT_TRUE(r.WaitFinal());
    EXPECT_EQ(hooks, 2);
    EXPECT_EQ(hooksOnGui, 0);
    EXPECT_EQ(r.Log->HookUpdates, 2);
    EXPECT_EQ(previews, 4);
    EXPECT_EQ(previewsOffGui, 0);
}

TEST(TCustomZorvexion, PreviewSwitchesReachEveryTaskAlsoDuringARun) {
    Rig r({100000, 5, ""});
    r.C->SetPreview(true);
    r.AddTasks(1);
    r.C->Start(1);
    r.C->SetPreviewBitmap(true);
    r.C->SetPreview(false);
    r.C->Stop(true);
    auto calls = r.Log->Snapshot();
    std::vector<std::string> hooks;
    std::copy_if(calls.begin(), calls.end(), std::back_inserter(hooks),
                 [](const std::string& c) { return c.rfind("SetPreviewHooks", 0) == 0; });
    EXPECT_EQ(hooks, (std::vector<std::string>{"SetPreviewHooks(1,0)", "SetPreviewHooks(1,1)",
                                               "SetPreviewHooks(0,1)"}));
}
