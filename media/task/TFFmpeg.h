#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "media/prober/TAVProbe.h"
#include "media/task/ExtOptions.h"
#include "media/task/TInputOptions.h"
#include "media/task/TOutputOptions.h"
#include "media/task/TTaskEngine.h"

// One conversion task: an engine plus a copy of the option record of each of
// its inputs and outputs. Turns records and ExtOptions texts into engine
// settings in the order the engine expects.
class TFFmpeg {
public:
    enum class TRunState { rsIdle, rsStarted, rsEnded };

    explicit TFFmpeg(std::unique_ptr<TTaskEngine> AEngine);
    ~TFFmpeg();
    TFFmpeg(const TFFmpeg&) = delete;
    TFFmpeg& operator=(const TFFmpeg&) = delete;

    TTaskEngine& Engine() { return *FEngine; }
    int MaxFiles() const { return FEngine->MaxFiles(); }

    // The prober of an input index, created on first use; null for an index
    // out of range.
    TAVProbe* GetAVProbe(int AIndex);
    // The prober of an input that has one already (null otherwise).
    TAVProbe* FindAVProbe(int AIndex) const;
    // Lets the prober of an input read the context the engine opened for it.
    void AdoptInput(int AIndex);

    const TInputOptions* InputOptions(int AIndex) const;
    const TOutputOptions* OutputOptions(int AIndex) const;
    void SetInputOptions(int AIndex, const TInputOptions& AOptions);
    void SetOutputOptions(int AIndex, const TOutputOptions& AOptions);
    void ResetInputOptions(int AIndex);
    void ResetOutputOptions(int AIndex);

    // Each line of an ExtOptions text through the dispatcher, name lower-cased.
    // Stream options of outputs are left to the record steps; codec options
    // pass only for inputs (AIncludeCodecs).
    void ApplyExtOptions(std::string_view AText, bool AIncludeCodecs);

    // Everything an input record sets before the input is opened.
    void ApplyInputRecord(int AIndex, TInputOptions& AOptions, const std::string& AFileName);

    // The "def_" defaults of a record, then the stream option lines of its
    // ExtOptions ("vfilters" kept as "vf").
    static std::vector<TExtOption> CollectStreamOptions(const TOutputOptions& AOptions);

    // Everything an output record sets before the output is opened: target,
    // codecs, presets, ExtOptions, the record's fields, frame size and
    // filters. Returns the stream option list for ApplyNewStreams.
    std::vector<TExtOption> ApplyOutputRecord(int AIndex, TOutputOptions& AOptions,
                                              const std::string& AFileName);

    // After the output opened: adds the streams of the "newaudio",
    // "newvideo" and "newsubtitle" lines, each taking its stream options
    // from the list in order, then from the defaults.
    void ApplyNewStreams(std::string_view AExtOptions, std::vector<TExtOption>& AList);

    // Run bookkeeping of the task component (guarded by its run lock).
    TRunState RunState = TRunState::rsIdle;
    int RunIndex = -1;

private:
    void ApplyOutputFields(const TOutputOptions& AOptions);
    void TakeStreamOption(std::vector<TExtOption>& AList, const std::string& AName);

    std::vector<std::unique_ptr<TAVProbe>> FAVProbes;
    std::vector<std::optional<TInputOptions>> FInputOptions;
    std::vector<std::optional<TOutputOptions>> FOutputOptions;
    // Last: the engine goes first when the task is freed, so a conversion
    // still running is stopped while the records are intact.
    std::unique_ptr<TTaskEngine> FEngine;
};

// Unix seconds of a date-time (days since 1899-12-30, local time), with the
// zone rules of that day, daylight saving included.
int64_t DateTimeToUnixSeconds(double ADateTime);
