#pragma once

#include <functional>
#include <string>

#include "media/task/TInputOptions.h"
#include "media/task/TOutputOptions.h"
#include "media/task/TaskEventInfo.h"
#include "platform/sys/TThread.h"

// What the conversion road needs of the conversion component. The window
// binds it to its `TZorvexion`; tests bind a scripted one.
class IConverter {
public:
    using TProgressHandler = std::function<void(const TProgressInfo&)>;
    // May be called on any thread (a threaded run raises the termination
    // reports on threads of its own).
    using TTerminateHandler = std::function<void(const TTerminateInfo&)>;

    virtual ~IConverter() = default;

    virtual bool AVLibLoaded() = 0;
    virtual bool LoadAVLib(const std::string& APath) = 0;
    // Task index, or -1 with LastErrMsg.
    virtual int AddTask(const std::string& AFileName, TInputOptions* AOptions) = 0;
    virtual bool SetOutputFile(int ATaskIndex, const std::string& AFileName, TOutputOptions* AOptions) = 0;
    virtual void RemoveTask(int ATaskIndex) = 0;
    virtual void ClearTasks() = 0;
    // The description of the task's first input, several lines.
    virtual std::string TaskInfoText(int ATaskIndex) = 0;
    virtual std::string LastErrMsg() = 0;

    virtual void SetThreadPriority(TThreadPriority APriority) = 0;
    // The real-time preview of the pictures being converted.
    virtual void SetPreview(bool APreview) = 0;
    virtual void Start(int AThreadCount) = 0;
    virtual void Pause() = 0;
    virtual void Resume() = 0;
    // With AWaitFor, returns once every task has ended; the reports raised
    // meanwhile are served on the calling (GUI) thread.
    virtual void Stop(bool AWaitFor) = 0;

    virtual void SetOnProgress(TProgressHandler AHandler) = 0;
    virtual void SetOnTerminate(TTerminateHandler AHandler) = 0;
};

// What adding a file needs of the prober.
class IProber {
public:
    virtual ~IProber() = default;
    // False with LastErrMsg when the file cannot be opened as media.
    virtual bool LoadFile(const std::string& AFileName) = 0;
    // Microseconds; 0 or below when unknown.
    virtual int64_t Duration() = 0;
    virtual int64_t FileSize() = 0;
    virtual std::string LastErrMsg() = 0;
};
