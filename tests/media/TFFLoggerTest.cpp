#include "media/TFFLogger.h"
#include "media/AVBindings.h"
#include "media/TFFmpegLoader.h"
#include "platform/base/Exception.h"
#include "platform/sys/MainThread.h"
#include "platform/sys/TThread.h"

#include <gtest/gtest.h>

#include <atomic>
#include <map>
#include <mutex>
#include <regex>
#include <thread>
#include <vector>

namespace {

struct TReceived {
    uint32_t ThreadID;
    TLogLevel Level;
    std::string Text;
};

class TFFLoggerTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(FFLoader.Load(ProbeLibraries)) << FFLoader.LastErrMsg();
        Logger = GetFFLogger();
        Logger->OnLog = [this](void*, uint32_t tid, TLogLevel level, const std::string& text) {
            std::lock_guard lock(Lock);
            Lines.push_back({tid, level, text});
        };
    }
    std::vector<TReceived> Take() {
        FlushFFLog();
        std::lock_guard lock(Lock);
        return std::exchange(Lines, {});
    }
    size_t Count() {
        std::lock_guard lock(Lock);
        return Lines.size();
    }
    std::vector<std::string> Texts() {
        std::vector<std::string> out;
        for (auto& l : Take())
            out.push_back(l.Text);
        return out;
    }

    TFFLogger* Logger = nullptr;
    std::mutex Lock;
    std::vector<TReceived> Lines;
};

using TextList = std::vector<std::string>;

} // namespace

TEST_F(TFFLoggerTest, GathersLibraryFragmentsIntoLines) {
    AVCodecContext* ctx = av::avcodec_alloc_context3(av::avcodec_find_decoder(AV_CODEC_ID_PCM_S16LE));
    ASSERT_NE(ctx, nullptr);
    const std::regex prefixed(R"(^\[pcm_s16le @ 0x[0-9a-f]+\]first part$)");

    // A line in two fragments arrives once, after the second, without its line feed.
    av::av_log(nullptr, AV_LOG_INFO, "abc");
    EXPECT_TRUE(Texts().empty());
    av::av_log(nullptr, AV_LOG_INFO, "def %d\n", 42);
    EXPECT_EQ(Texts(), (TextList{"abcdef 42"}));

    // Two line feeds in one fragment: two lines, the rest stays pending.
    av::av_log(nullptr, AV_LOG_WARNING, "one\ntwo\nrest");
    EXPECT_EQ(Texts(), (TextList{"one", "two"}));
    av::av_log(nullptr, AV_LOG_WARNING, "\n");
    EXPECT_EQ(Texts(), (TextList{"rest"}));

    // A context prefix only where a line begins.
    av::av_log(ctx, AV_LOG_INFO, "first ");
    av::av_log(ctx, AV_LOG_INFO, "part\n");
    auto got = Texts();
    ASSERT_EQ(got.size(), 1u);
    EXPECT_TRUE(std::regex_match(got[0], prefixed)) << got[0];

    // Invalid UTF-8 is replaced; an over-long message is cut, not overrun, and
    // keeps its line end.
    av::av_log(nullptr, AV_LOG_INFO, "bad \xff byte\n");
    EXPECT_EQ(Texts(), (TextList{"bad \xEF\xBF\xBD byte"}));
    std::string big(5000, 'x');
    av::av_log(nullptr, AV_LOG_INFO, "%s\n", big.c_str());
    av::av_log(nullptr, AV_LOG_INFO, "after\n");
    got = Texts();
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(got[0], std::string(2046, 'x'));
    EXPECT_EQ(got[1], "after");
    av::avcodec_free_context(&ctx);
}

TEST_F(TFFLoggerTest, LevelFilterAndMapping) {
    struct Row {
        int AVLevel;
        bool Passes;
        TLogLevel Mapped;
    } rows[] = {
        {AV_LOG_PANIC, true, llPanic},
        {AV_LOG_FATAL, true, llFatal},
        {AV_LOG_ERROR, true, llError},
        {AV_LOG_WARNING, true, llWarning},
        {AV_LOG_INFO, true, llInfo},
        {AV_LOG_VERBOSE, false, llVerbose},
        {AV_LOG_DEBUG, false, llDebug},
        // Colour bits above the level are masked off.
        {AV_LOG_INFO | AV_LOG_C(134), true, llInfo},
    };
    ASSERT_EQ(Logger->LogLevel(), llInfo); // the libraries start at info
    for (const auto& row : rows) {
        av::av_log(nullptr, row.AVLevel, "level %d\n", row.AVLevel);
        auto got = Take();
        SCOPED_TRACE(row.AVLevel);
        ASSERT_EQ(got.size(), row.Passes ? 1u : 0u);
        if (row.Passes) {
            EXPECT_EQ(got[0].Level, row.Mapped);
        }
    }
    Logger->SetLogLevel(llDebug);
    EXPECT_EQ(av::av_log_get_level(), AV_LOG_DEBUG);
    av::av_log(nullptr, AV_LOG_TRACE, "trace\n");
    av::av_log(nullptr, AV_LOG_DEBUG, "debug\n");
    auto got = Take();
    ASSERT_EQ(got.size(), 1u); // trace stays above debug
    EXPECT_EQ(got[0].Level, llDebug);

    EXPECT_EQ(AVToLogLevel(-8), llQuiet);
    EXPECT_EQ(AVToLogLevel(-7), llPanic);
    EXPECT_EQ(AVToLogLevel(7), llPanic);
    EXPECT_EQ(AVToLogLevel(47), llVerbose);
    EXPECT_EQ(AVToLogLevel(56), llDebug);
    EXPECT_EQ(LogLevelToAV(llQuiet), -8);
    EXPECT_EQ(LogLevelToAV(llDebug), 48);
}

TEST_F(TFFLoggerTest, OptLogLevelTakesWordsOrNumbers) {
    const std::pair<const char*, TLogLevel> rows[] = {
        {"DeBuG", llDebug}, {"quiet", llQuiet}, {"Warning", llWarning}, {"40", llVerbose},
        {"20", llError},    {"-8", llQuiet},    {"100", llDebug},       {"info", llInfo},
    };
    for (auto [text, level] : rows) {
        Logger->OptLogLevel(text);
        EXPECT_EQ(Logger->LogLevel(), level) << text;
    }
    for (const char* bad : {"loud", "", "12abc"})
        EXPECT_THROW(Logger->OptLogLevel(bad), EConvertError) << bad;
}

TEST_F(TFFLoggerTest, OwnMessagesFollowTheLoggersLevel) {
    Logger->SetLogLevel(llError);
    Logger->Log(this, llVerbose, "verbose passes");
    Logger->Log(this, llDebug, "debug does not");
    Logger->Log(this, llError, "%s %d", "error", 7);
    Logger->Log(this, llWarning, "warning does not");
    EXPECT_EQ(Texts(), (TextList{"verbose passes", "error 7"}));
    Logger->SetLogLevel(llQuiet);
    Logger->Log(this, llVerbose, "quiet silences verbose");
    EXPECT_TRUE(Texts().empty());
    EXPECT_THROW(TFFLogger second, Exception);
    try {
        TFFLogger second;
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "Allow creating only one instance of TFFLogger.");
    }
}

TEST_F(TFFLoggerTest, LinesFromManyThreadsArriveWholeAndInOrder) {
    constexpr int Threads = 8, PerThread = 2000;
    std::atomic<int> finished{0};
    std::vector<std::thread> workers;
    for (int t = 0; t < Threads; ++t)
        workers.emplace_back([t, &finished] {
            for (int i = 0; i < PerThread; ++i) {
                av::av_log(nullptr, AV_LOG_INFO, "thread %d line %d ", t, i);
                av::av_log(nullptr, AV_LOG_INFO, "end of %d.%d\n", t, i);
            }
            ++finished;
        });
    // The GUI thread serves the drains while the workers log.
    ASSERT_TRUE(
        WaitServingFor([&] { return finished == Threads && Count() == size_t(Threads * PerThread); }, 60000));
    for (auto& w : workers)
        w.join();
    auto got = Take();
    ASSERT_EQ(got.size(), size_t(Threads * PerThread));
    std::map<uint32_t, int> nextOfThread;
    std::map<int, int> nextOfWriter;
    const std::regex line(R"(^thread (\d+) line (\d+) end of (\d+)\.(\d+)$)");
    for (const auto& l : got) {
        std::smatch m;
        ASSERT_TRUE(std::regex_match(l.Text, m, line)) << l.Text;
        int t = std::stoi(m[1]), i = std::stoi(m[2]);
        ASSERT_EQ(std::stoi(m[3]), t);
        ASSERT_EQ(std::stoi(m[4]), i);
        ASSERT_EQ(nextOfWriter[t]++, i) << "thread " << t << " out of order";
        ++nextOfThread[l.ThreadID];
    }
    EXPECT_EQ(nextOfThread.size(), size_t(Threads));
}

TEST_F(TFFLoggerTest, LoggingUnderCodecLockNeverWaitsForTheGuiThread) {
    std::atomic<bool> logged{false};
    std::thread worker([&] {
        std::lock_guard codec(CodecLock);
        av::av_log(nullptr, AV_LOG_ERROR, "opening failed\n");
        logged = true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    });
    while (!logged)
        std::this_thread::yield();
    {
        // A plain wait on the GUI thread: the worker must get out by itself.
        std::lock_guard codec(CodecLock);
    }
    worker.join();
    EXPECT_EQ(Texts(), (TextList{"opening failed"}));
}

TEST_F(TFFLoggerTest, DeliveryThreadFollowsTriggerEventInMainThread) {
    // On the GUI thread a line is delivered at once.
    av::av_log(nullptr, AV_LOG_INFO, "gui line\n");
    {
        std::lock_guard lock(Lock);
        ASSERT_EQ(Lines.size(), 1u);
        EXPECT_EQ(Lines[0].ThreadID, TThread::CurrentThreadID());
        Lines.clear();
    }
    // A worker's pending fragment is flushed as a line when the thread ends.
    uint32_t workerId = 0;
    std::thread([&] {
        workerId = TThread::CurrentThreadID();
        av::av_log(nullptr, AV_LOG_INFO, "no line feed");
    }).join();
    ASSERT_TRUE(WaitServingFor([&] { return Count() == 1; }, 5000));
    auto got = Take();
    EXPECT_EQ(got[0].Text, "no line feed");
    EXPECT_EQ(got[0].ThreadID, workerId);

    // Without the GUI hand-over the handler runs on the logging thread, at once.
    Logger->SetTriggerEventInMainThread(false);
    std::thread::id handlerThread, workerThread;
    Logger->OnLog = [&](void*, uint32_t, TLogLevel, const std::string&) {
        handlerThread = std::this_thread::get_id();
    };
    std::thread([&] {
        workerThread = std::this_thread::get_id();
        av::av_log(nullptr, AV_LOG_INFO, "direct\n");
        EXPECT_EQ(handlerThread, workerThread);
    }).join();
    Logger->SetTriggerEventInMainThread(true);
}
