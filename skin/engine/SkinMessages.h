#pragma once

#include "platform/win/WinConst.h"

#include <cstdint>

// The skin engine's private messages. The skin data object sends the first six
// to every form with wParam = the announcing skin data object and lParam =
// SkinDataMessageLParam; a receiver ignores announcements of skin data it
// does not use.

constexpr uint32_t WM_BEFORECHANGESKINDATA = WM_USER + 201; // 1225: the old skin is about to go
constexpr uint32_t WM_CHANGESKINDATA = WM_USER + 202;       // 1226: the new skin is in place
constexpr uint32_t WM_AFTERCHANGESKINDATA = WM_USER + 203;  // 1227: the change is complete
constexpr uint32_t WM_CHANGERESSTRDATA = WM_USER + 250;     // 1274: the string table was set
constexpr uint32_t WM_CHANGEFORMSKINNABLE = WM_USER + 270;  // 1294: SkinnableForm changed
constexpr uint32_t WM_CHANGELAYEREDBORDERS = WM_USER + 403; // 1427: ShowLayeredBorders changed

// Sent by the skinned windows' menus and forms to the skinned controls.
constexpr uint32_t WM_CLOSESKINMENU = WM_USER + 204; // 1228: a skinned menu opened for a control closed
constexpr uint32_t WM_AFTERDISPATCH = WM_USER + 205; // 1229: that menu's command has run
constexpr uint32_t WM_CHECKPARENTBG = WM_USER + 260; // 1284: the form's background changed

constexpr intptr_t SkinDataMessageLParam = 1000;
