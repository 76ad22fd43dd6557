#pragma once

#include <cstdint>
#include <functional>
#include <mutex>
#include <string>

// Log levels; the libraries' scale is (level - 1) * 8 (llQuiet -8 ... llDebug 48).
enum TLogLevel { llQuiet, llPanic, llFatal, llError, llWarning, llInfo, llVerbose, llDebug };

int LogLevelToAV(TLogLevel level);
// N / 8 (truncated) + 1, clamped to llQuiet..llDebug.
TLogLevel AVToLogLevel(int avLevel);

using TLogEvent =
    std::function<void(void* Sender, uint32_t AThreadID, TLogLevel ALogLevel, const std::string& ALogMsg)>;

struct TLogInfo {
    void* Sender = nullptr;
    uint32_t ThreadID = 0;
    TLogLevel LogLevel = llInfo;
    std::string LogMsg;
};

// The single logger of the process. Library lines (gathered per thread into
// whole lines) and the components' own messages reach OnLog.
//
// Delivery never blocks the logging thread: lines go into one FIFO, and a
// drain is posted to the GUI thread, which raises OnLog for each, in order per
// thread. A line logged on the GUI thread is delivered at once (after the
// lines queued before it). With TriggerEventInMainThread false, OnLog runs on
// the logging thread instead.
class TFFLogger {
public:
    // Only one logger may exist: a second one throws
    // "Allow creating only one instance of TFFLogger.".
    explicit TFFLogger(void* AOwner = nullptr);
    ~TFFLogger();
    TFFLogger(const TFFLogger&) = delete;
    TFFLogger& operator=(const TFFLogger&) = delete;

    TLogLevel LogLevel() const;
    // Also sets the libraries' level (what the log callback lets through).
    void SetLogLevel(TLogLevel value);
    bool TriggerEventInMainThread() const;
    void SetTriggerEventInMainThread(bool value);
    // The record of the line delivered last.
    TLogInfo LogInfo() const {
        std::lock_guard lock(FLogInfoLock);
        return FLogInfo;
    }

    // Set on the GUI thread.
    TLogEvent OnLog;

    // Installs the line-gathering callback into libavutil (av_log_set_callback
    // must be bound) and applies LogLevel.
    void InstallAVLogCallback();
    // "quiet" ... "debug" (any case) or a number on the libraries' scale;
    // other text throws EConvertError.
    void OptLogLevel(const std::string& arg);

    // The components' own messages: delivered when ALogLevel <= LogLevel, or
    // for llVerbose whenever LogLevel is not llQuiet.
    void Log(void* Sender, TLogLevel ALogLevel, const std::string& ALogMsg);
    void Log(void* Sender, TLogLevel ALogLevel, const char* AFormat, ...)
        __attribute__((format(printf, 4, 5)));

    // Internal: raises OnLog for one line on the current thread.
    void DoLog(void* Sender, uint32_t AThreadID, TLogLevel ALogLevel, const std::string& ALogMsg);

private:
    void* FOwner;
    TLogLevel FLogLevel;
    mutable std::mutex FLogInfoLock;
    TLogInfo FLogInfo;
};

// The process's logger, created (without owner) when none exists.
TFFLogger* GetFFLogger();

// Delivers every queued line now (GUI thread only; tests and shutdown use it).
void FlushFFLog();
