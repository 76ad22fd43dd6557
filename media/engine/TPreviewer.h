#pragma once

#include <atomic>
#include <cstdint>

#include "platform/win/WinTypes.h"

class TBitmap;
class TPreviewForm;

// The preview window of a running conversion: a small stay-on-top tool
// window, centred on the screen and made on the first frame at that frame's
// size, captioned with the frame's time. A press anywhere in it drags it.
// Closing it is final: later frames are refused.
//
// The window lives on the GUI thread. PaintFrame may be called from any
// thread and waits until the GUI thread has shown the frame; the destructor
// frees the window there too (waiting for it when called elsewhere), so it
// must not run while holding a lock the GUI thread may want.
class TPreviewer {
public:
    TPreviewer();
    ~TPreviewer();
    TPreviewer(const TPreviewer&) = delete;
    TPreviewer& operator=(const TPreviewer&) = delete;

    // Shows ABitmap (copied; the caller keeps it). True while the window is
    // open, False once the user closed it or no window system runs.
    bool PaintFrame(const TBitmap* ABitmap, int AFrameNumber, int64_t APTS);

    // The window, null before the first frame. GUI thread only.
    HWND FormHandle() const { return FFormHandle; }
    bool Closed() const { return FClosed; }

private:
    void Paint(); // GUI thread

    TPreviewForm* FForm = nullptr;
    HWND FFormHandle = nullptr;
    std::atomic<bool> FClosed{false};
    // The frame being handed over; valid only during PaintFrame.
    const TBitmap* FBitmap = nullptr;
    int FFrameNumber = 0;
    int64_t FPTS = 0;
};
