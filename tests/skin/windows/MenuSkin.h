#pragma once
// The test skin of the menus: a popup-window picture with a nine-part frame,
// one menu-item strip (normal, active and divider images, check, radio and
// arrow glyphs), a "menuheader" label and a "label", and a hint window.

#include "tests/support/skin/TestSkin.h"

// Where a skinned row's text starts (TextRct.Left of "menuitem").
constexpr int MenuSkinTextLeft = 20;

TTestSkin MenuSkin();
