#pragma once

#include <map>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "app/conversion/IConversionDialogs.h"
#include "app/conversion/IConverter.h"
#include "platform/sys/MainThread.h"

// A converter that records what it is asked and raises the reports a test
// scripts, termination reports from worker threads as the real one does.
class TScriptedConverter : public IConverter {
public:
    struct TOutput {
        int Task;
        std::string FileName;
        TOutputOptions Options;
    };

    bool Loaded = true;
    bool LoadSucceeds = true;
    std::set<std::string> FailAddTask;   // inputs whose task cannot be created
    std::set<std::string> FailSetOutput; // inputs whose output cannot be set
    std::vector<std::string> Tasks;      // inputs, by task index
    std::vector<TOutput> Outputs;
    std::vector<int> Removed;
    int Cleared = 0;
    int StartedWith = 0;
    bool Preview = false;
    int Pauses = 0;
    int Resumes = 0;
    int Stops = 0;
    // The reports Stop raises while it waits (the ending tasks, then the final one).
    std::vector<TTerminateInfo> StopReports;

    bool AVLibLoaded() override { return Loaded; }
    bool LoadAVLib(const std::string&) override {
        FLastErrMsg = LoadSucceeds ? "" : "cannot load libavcodec";
        Loaded = LoadSucceeds;
        return LoadSucceeds;
    }
    int AddTask(const std::string& AFileName, TInputOptions*) override {
        if (FailAddTask.count(AFileName)) {
            FLastErrMsg = "cannot open " + AFileName;
            return -1;
        }
        Tasks.push_back(AFileName);
        return static_cast<int>(Tasks.size()) - 1;
    }
    bool SetOutputFile(int ATaskIndex, const std::string& AFileName, TOutputOptions* AOptions) override {
        if (FailSetOutput.count(Tasks.at(static_cast<std::size_t>(ATaskIndex)))) {
            FLastErrMsg = "max output files 20 reached";
            return false;
        }
        Outputs.push_back({ATaskIndex, AFileName, *AOptions});
        return true;
    }
    void RemoveTask(int ATaskIndex) override {
        Removed.push_back(ATaskIndex);
        Tasks.erase(Tasks.begin() + ATaskIndex);
    }
    void ClearTasks() override {
        ++Cleared;
        Tasks.clear();
        Outputs.clear();
    }
    std::string TaskInfoText(int ATaskIndex) override {
        return "Input #0, from '" + Tasks.at(static_cast<std::size_t>(ATaskIndex)) +
               "':\n  Duration: 00:10:00";
    }
    std::string LastErrMsg() override { return FLastErrMsg; }
    void SetThreadPriority(TThreadPriority) override {}
    void SetPreview(bool APreview) override { Preview = APreview; }
    void Start(int AThreadCount) override { StartedWith = AThreadCount; }
    void Pause() override { ++Pauses; }
    void Resume() override { ++Resumes; }
    void Stop(bool) override {
        ++Stops;
        for (const auto& report : StopReports)
            RaiseFromWorker(report);
        // The real wait serves the GUI thread's queue meanwhile.
        CheckSynchronize(0);
    }
    void SetOnProgress(TProgressHandler AHandler) override { FOnProgress = std::move(AHandler); }
    void SetOnTerminate(TTerminateHandler AHandler) override { FOnTerminate = std::move(AHandler); }

    void RaiseProgress(const TProgressInfo& AInfo) { FOnProgress(AInfo); }
    // Raised on a short-lived thread of its own, as a threaded run does.
    void RaiseFromWorker(const TTerminateInfo& AInfo) {
        std::thread([this, AInfo] { FOnTerminate(AInfo); }).join();
    }

private:
    std::string FLastErrMsg;
    TProgressHandler FOnProgress;
    TTerminateHandler FOnTerminate;
};

struct TFakeProber : IProber {
    struct TFile {
        int64_t Duration = 600'000'000;
        int64_t Size = 1'572'864;
        std::string Error; // not empty: the file cannot be opened
    };
    std::map<std::string, TFile> Files; // by full path; others open with the defaults
    TFile Current;

    bool LoadFile(const std::string& AFileName) override {
        auto it = Files.find(AFileName);
        Current = it == Files.end() ? TFile{} : it->second;
        return Current.Error.empty();
    }
    int64_t Duration() override { return Current.Duration; }
    int64_t FileSize() override { return Current.Size; }
    std::string LastErrMsg() override { return Current.Error; }
};

struct TRecordingDialogs : IConversionDialogs {
    std::optional<std::string> File;
    std::optional<std::vector<std::string>> Files;
    std::optional<std::string> Directory;
    std::optional<std::string> OutputDirectory;
    std::string Filter;
    int FilterIndex = -1;
    int OpenCalls = 0;
    std::vector<std::string> Informations;
    std::vector<std::string> Failures;
    std::function<void()> WhileFailureShown;

    std::optional<std::string> OpenFile() override { return ++OpenCalls, File; }
    std::optional<std::vector<std::string>> OpenFiles() override { return ++OpenCalls, Files; }
    std::optional<std::string> SelectDirectory() override { return ++OpenCalls, Directory; }
    std::optional<std::string> SelectOutputDirectory() override { return ++OpenCalls, OutputDirectory; }
    void SetOpenFilter(const std::string& AFilter, int AFilterIndex) override {
        Filter = AFilter;
        FilterIndex = AFilterIndex;
    }
    void ShowInformation(const std::string& AText) override { Informations.push_back(AText); }
    void ShowTaskFailure(const std::string& AText) override {
        Failures.push_back(AText);
        if (WhileFailureShown) WhileFailureShown();
    }
};

struct TRecordingDesktop : IDesktopServices {
    std::vector<std::string> Opened;
    int PowerOffs = 0;
    bool OpenFolder(const std::string& AFolder) override {
        Opened.push_back(AFolder);
        return true;
    }
    bool PowerOff() override {
        ++PowerOffs;
        return true;
    }
};
