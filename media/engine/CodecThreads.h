#pragma once

// The machine's cores shared among the conversions running at once: one
// conversion alone uses them all, eight at once one each, so a batch and a
// single file both keep every core busy without crowding it.

// Counts a conversion as running for as long as it lives.
class TRunningConversion {
public:
    TRunningConversion();
    ~TRunningConversion();
    TRunningConversion(const TRunningConversion&) = delete;
    TRunningConversion& operator=(const TRunningConversion&) = delete;

    // How many conversions run now.
    static int Count();
};

// Threads for one decoder or encoder opened now: the cores the calling
// thread may run on, divided by the conversions running, at least 1.
int CodecThreadCount();
