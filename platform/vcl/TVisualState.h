#pragma once

#include "platform/base/Set.h"

// How a control, or one item of it, is to look. Every control follows one
// shape: its input and focus handlers decide this state and nothing else;
// painting computes nothing, reads the state and hands it to a drawing
// routine. The built-in look and a skinned look are two such routines over
// the same state, and no user event is raised from painting.
//
// A control keeps its own flags in TControl::VisualState() (enabled,
// focused, hot; a button adds pressed through TButtonBehaviour); a control
// with items adds the item's own flags (selected, checked, ...) to them when
// it hands an item to its drawing.
enum TVisualStateItem {
    vsEnabled,
    vsFocused, // the control has the keyboard focus
    vsHot,     // the pointer is over it
    vsPressed, // held down by the mouse over it, or by the keyboard
    vsChecked,
    vsGrayed,   // neither checked nor unchecked
    vsDefault,  // the button Enter presses
    vsSelected, // an item in the selection
};
using TVisualState = TSet<TVisualStateItem>;
