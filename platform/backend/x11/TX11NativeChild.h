#pragma once

#include "platform/win/WindowBackend.h"

class TX11Surface;
struct _XDisplay;

// A real X child window of a top-level window's X window, with a 24-bit
// TrueColor visual of its own, for a library that draws into a window id.
// It is mapped and synced before its id is handed out and never recreated;
// it selects no input, so presses in it reach the top-level window. It lies
// inside a clip window of ours covering the part of it that may show, so it
// keeps its whole size (the library's picture is not refitted) when an
// ancestor of its host cuts it.
class TX11NativeChild : public TNativeChild {
public:
    TX11NativeChild(TX11Surface* parent, const TRect& rectInTop);
    ~TX11NativeChild() override;

    uintptr_t WindowId() const override { return FWindow; }
    void SetBounds(const TRect& rectInTop, const TRect& clipInTop) override;
    void SetVisible(bool visible) override;
    void Clear() override;
    // The top-level window went, and this window with it.
    void ParentGone();
    // The display's reports on the window (the backend's event handling).
    void Exposed(int count);
    void Configured(int width, int height);

private:
    TX11Surface* FParent;
    _XDisplay* FDisplay;
    unsigned long FClipWindow = 0; // the borrowed window's parent
    unsigned long FWindow = 0;
    unsigned long FColormap = 0;
    TRect FBounds;
    TRect FClip;
    int FWidth = 0, FHeight = 0; // as the display last reported or was asked
    bool FVisible = true;
};
