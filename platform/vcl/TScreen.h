#pragma once

#include "platform/gdi/TFont.h"
#include "platform/vcl/TControl.h"

#include <map>
#include <vector>

class TCustomForm;

struct TMonitor {
    int MonitorNum = 0;
    TRect BoundsRect;
    TRect WorkareaRect;
    bool Primary = false;
};

// The desktop as the program sees it: its forms in creation order, the
// active form, the cursor and the monitors. There is one, Screen.
class TScreen : public TComponent {
public:
    explicit TScreen(TComponent* AOwner);

    int FormCount() const { return static_cast<int>(FForms.size()); }
    TCustomForm* Forms(int Index) const { return FForms.at(Index); }
    TCustomForm* ActiveForm() const { return FActiveForm; }
    TWinControl* ActiveControl() const;

    // A cursor other than crDefault overrides every control's.
    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor Value);
    // The window system's shape for a cursor; shapes registered in Cursors
    // come first.
    int CursorId(TCursor Cursor) const;
    std::map<TCursor, int>& Cursors() { return FCursors; }

    int Width() const;
    int Height() const;
    TRect WorkAreaRect() const;
    int MonitorCount() const;
    TMonitor Monitors(int Index) const;
    TFont* HintFont() { return &FHintFont; }

    void AddForm(TCustomForm* Form);
    void RemoveForm(TCustomForm* Form);
    void SetActiveForm(TCustomForm* Form);

private:
    std::vector<TCustomForm*> FForms;
    TCustomForm* FActiveForm = nullptr;
    TCursor FCursor = crDefault;
    std::map<TCursor, int> FCursors;
    TFont FHintFont;
};

extern TScreen* Screen;
