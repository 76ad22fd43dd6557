#pragma once

#include <cstdint>
#include <string>

struct TInputOptions;
void InitInputOptions(TInputOptions& AOptions);

// The options of one input file of a task. InitInputOptions gives every
// field its "not set" value; the application fills only what it needs.
struct TInputOptions {
    std::string FileName;   // filled from the operation's file name when empty
    std::string FileFormat; // forced demuxer name
    int64_t TimeStart;      // microseconds into the input; AV_NOPTS_VALUE: not set
    int ProgramID;          // used when 0 or more
    std::string ExtOptions; // further engine options, "name=value" per line
    int Tag;                // caller's values, never read
    void* Data;

    TInputOptions() { InitInputOptions(*this); }
};

using PInputOptions = TInputOptions*;
