#pragma once

#include "platform/base/Color.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/TGraphicsObject.h"

#include <memory>

enum class TBrushStyle {
    bsSolid,
    bsClear,
    bsHorizontal,
    bsVertical,
    bsFDiagonal,
    bsBDiagonal,
    bsCross,
    bsDiagCross
};
using enum TBrushStyle;

// A solid or clear brush (hatched styles paint solid).
class TBrush : public TGraphicsObject {
public:
    TColor Color() const { return FColor; }
    // Choosing a colour makes a clear brush solid.
    void SetColor(TColor c);
    TBrushStyle Style() const { return FStyle; }
    void SetStyle(TBrushStyle s);
    void Assign(const TBrush& source);
    HBRUSH Handle();

private:
    void Sync();
    TColor FColor = clWhite;
    TBrushStyle FStyle = bsSolid;
    std::unique_ptr<TBrushObj> FHandle;
};
