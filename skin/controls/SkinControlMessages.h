#pragma once

#include "skin/engine/SkinMessages.h"

#include <cstdint>

// Messages of the skinned controls besides the skin engine's own
// (WM_CLOSESKINMENU, WM_AFTERDISPATCH and WM_CHECKPARENTBG are there).

constexpr uint32_t WM_SHOWLAYER = WM_USER + 400; // 1424: a button shows its glow layer
constexpr uint32_t WM_HIDELAYER = WM_USER + 401; // 1425: a button hides its glow layer

// Asked by an outside caller that wants a control's skinned header, frame or
// background drawn into a device context of its own (wParam).
constexpr uint32_t CM_SKINPAINTHEADER = 0xB1C8;
constexpr uint32_t CM_SKINPAINTNC = 0xB1C9;
constexpr uint32_t CM_SKINPAINTNCEX = 0xBC4B;
constexpr uint32_t CM_SKINPAINTBGEX = 0xBC4A;
// The answer to CM_SKINPAINTNC.
constexpr intptr_t SkinPaintNCAnswer = 12851;
// The lParam of CM_SKINPAINTNCEX and CM_SKINPAINTBGEX, and their answer.
constexpr intptr_t SkinPaintExKey = 16802;
