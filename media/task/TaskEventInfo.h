#pragma once

#include <cstdint>
#include <string>

class TBitmap;

// Progress of one task; durations in microseconds.
struct TProgressInfo {
    int TaskIndex = 0;
    int FileIndex = 0; // input the last packet came from; -1 in a task's final report
    int FrameNumber = 0;
    int FPS = 0;
    float Quality = 0;
    float BitRate = 0;
    int64_t CurrentSize = 0; // bytes written
    int64_t CurrentDuration = 0;
    int64_t TotalDuration = 0; // -1 when unknown
};
using PProgressInfo = TProgressInfo*;

// End of one task; TaskIndex -1 is the final notice of a run.
struct TTerminateInfo {
    int TaskIndex = 0;
    bool Finished = false;  // converted to the end
    bool Exception = false; // a failure ended the task
    std::string ExceptionMsg;
};

// One frame offered to the custom hook; the handler may change the bitmap and
// set Update (rewrite the frame) or StopHook (no further frames).
struct THookInfo {
    int TaskIndex = 0;
    TBitmap* Bitmap = nullptr;
    int FrameNumber = 0;
    int64_t PTS = 0; // microseconds
    bool Update = false;
    bool StopHook = false;
};
using PHookInfo = THookInfo*;

struct TPreviewInfo {
    int TaskIndex = 0;
    TBitmap* Bitmap = nullptr;
    int FrameNumber = 0;
    int64_t PTS = 0;
};
