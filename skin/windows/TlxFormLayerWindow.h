#pragma once

#include "platform/vcl/TCustomControl.h"
#include "skin/windows/TlxFormLayerBorder.h"

class TCustomForm;

enum TlxFormLayerBorderHit {
    lxflhNone,
    lxflhLeft,
    lxflhTop,
    lxflhRight,
    lxflhBottom,
    lxflhTopLeft,
    lxflhTopRight,
    lxflhBottomLeft,
    lxflhBottomRight
};

// The handle of a border strip under the screen point Cursor, for the form's
// bounds Form and the handle widths outside it (left, top, right, bottom).
TlxFormLayerBorderHit LayerBorderHitMode(TlxFormLayerBorderType Type, TPoint Cursor, const TRect& Form,
                                         const TRect& Sizes);

// The form's bounds while a drag on handle Mode has moved the pointer by
// Delta from the press, the form then at Start: each dragged edge follows the
// pointer, a size is clamped to at least Min and then at most Max, and the
// opposite edge stays where it was.
TRect LayerBorderDragBounds(TlxFormLayerBorderHit Mode, const TRect& Start, TPoint Delta, TSize Min,
                            TSize Max);

// One strip of a layered border: a borderless top-level window owned by the
// form, showing its picture through UpdateLayeredWindow. It never takes the
// activation; without a BorderRect the mouse passes through it, with one its
// handles resize the form.
class TlxFormLayerWindow : public TCustomControl {
public:
    TlxFormLayerWindow(TlxFormLayerBorder* AOwner, TCustomForm* AForm, TlxFormLayerBorderType AType);

    // Shown without activation, place and size kept.
    void ShowNoActivate();
    // Moved without activation or restacking, size kept.
    void MoveTo(int X, int Y);

    TlxFormLayerBorderType BorderType;
    TlxFormLayerBorderHit FHitMode = lxflhNone;
    // A resize drag runs from a press on a handle to the release.
    bool FDown = false;
    // Screen point of the press and the form's bounds then.
    TPoint FPressPos;
    TRect FStartBounds;

protected:
    void CreateParams(TCreateParams& Params) override;
    void WndProc(TMessage& Message) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    bool HitTestEnabled() const;
    bool CanResizeForm() const;
    TlxFormLayerBorderHit GetHitMode() const;

    TlxFormLayerBorder* FLayerBorder;
    TCustomForm* FForm;
};
