#pragma once

#include "platform/base/Object.h"
#include "platform/base/Set.h"
#include "platform/base/Types.h"

#include <cstdint>
#include <functional>

// Small types shared by controls, forms and menus.

enum TShiftStateItem { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = TSet<TShiftStateItem>;

// A virtual-key code plus modifier bits.
using TShortCut = uint16_t;
constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;
constexpr TShortCut scNone = 0;

inline TShortCut ShortCut(uint16_t Key, TShiftState Shift) {
    TShortCut s = Key & 0xFF;
    if (Shift.Contains(ssShift)) s |= scShift;
    if (Shift.Contains(ssCtrl)) s |= scCtrl;
    if (Shift.Contains(ssAlt)) s |= scAlt;
    return s;
}
inline void ShortCutToKey(TShortCut S, uint16_t& Key, TShiftState& Shift) {
    Key = S & 0xFF;
    Shift = {};
    if (S & scShift) Shift.Include(ssShift);
    if (S & scCtrl) Shift.Include(ssCtrl);
    if (S & scAlt) Shift.Include(ssAlt);
}

using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
using TKeyEvent = std::function<void(TObject* Sender, uint16_t& Key, TShiftState Shift)>;
using TKeyPressEvent = std::function<void(TObject* Sender, char32_t& Key)>;
