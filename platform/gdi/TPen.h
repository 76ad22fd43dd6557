#pragma once

#include "platform/base/Color.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/TGraphicsObject.h"

#include <memory>

enum class TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
using enum TPenStyle;
enum class TPenMode { pmCopy, pmNot, pmXor };
using enum TPenMode;

// A pen of width 1 (wider pens draw squares along the line); dotted and
// dashed styles draw every other pixel.
class TPen : public TGraphicsObject {
public:
    TColor Color() const { return FColor; }
    void SetColor(TColor c);
    TPenStyle Style() const { return FStyle; }
    void SetStyle(TPenStyle s);
    int Width() const { return FWidth; }
    void SetWidth(int w);
    TPenMode Mode() const { return FMode; }
    void SetMode(TPenMode m);
    void Assign(const TPen& source);
    // The handle for a device context, made again after a change; owned by the pen.
    HPEN Handle();

private:
    void Sync();
    TColor FColor = clBlack;
    TPenStyle FStyle = psSolid;
    TPenMode FMode = pmCopy;
    int FWidth = 1;
    std::unique_ptr<TPenObj> FHandle;
};
