#pragma once

#include <cstdint>

// The framework's own messages. They sit at 0xB000 and up, clear of the
// window system's numbers, of WM_USER/WM_APP ranges the application uses and
// of the skinned controls' private numbers (0xB1C8 and above).
constexpr uint32_t CM_BASE = 0xB000;
constexpr uint32_t CM_ACTIVATE = CM_BASE + 0;
constexpr uint32_t CM_DEACTIVATE = CM_BASE + 1;
constexpr uint32_t CM_ENABLEDCHANGED = CM_BASE + 3;
constexpr uint32_t CM_COLORCHANGED = CM_BASE + 4;
constexpr uint32_t CM_FONTCHANGED = CM_BASE + 5;
constexpr uint32_t CM_CURSORCHANGED = CM_BASE + 6;
constexpr uint32_t CM_PARENTFONTCHANGED = CM_BASE + 8;
constexpr uint32_t CM_PARENTCOLORCHANGED = CM_BASE + 9;
constexpr uint32_t CM_HITTEST = CM_BASE + 10;
constexpr uint32_t CM_VISIBLECHANGED = CM_BASE + 11;
constexpr uint32_t CM_ENTER = CM_BASE + 12;
constexpr uint32_t CM_EXIT = CM_BASE + 13;
constexpr uint32_t CM_MENUCHANGED = CM_BASE + 14;
constexpr uint32_t CM_APPKEYDOWN = CM_BASE + 15;
constexpr uint32_t CM_BUTTONPRESSED = CM_BASE + 16;
constexpr uint32_t CM_SHOWINGCHANGED = CM_BASE + 17;
constexpr uint32_t CM_MOUSEENTER = CM_BASE + 19;
constexpr uint32_t CM_MOUSELEAVE = CM_BASE + 20;
constexpr uint32_t CM_RELEASE = CM_BASE + 33;
constexpr uint32_t CM_SHOWHINTCHANGED = CM_BASE + 34;
constexpr uint32_t CM_PARENTSHOWHINTCHANGED = CM_BASE + 35;
constexpr uint32_t CM_TEXTCHANGED = CM_BASE + 18;
constexpr uint32_t CM_DIALOGKEY = CM_BASE + 21;
constexpr uint32_t CM_DIALOGCHAR = CM_BASE + 22;
constexpr uint32_t CM_FOCUSCHANGED = CM_BASE + 23;
constexpr uint32_t CM_WANTSPECIALKEY = CM_BASE + 24;
constexpr uint32_t CM_CANCELMODE = CM_BASE + 25;
constexpr uint32_t CM_CONTROLLISTCHANGE = CM_BASE + 26;
constexpr uint32_t CM_CONTROLCHANGE = CM_BASE + 27;
constexpr uint32_t CM_HINTSHOW = CM_BASE + 28;
constexpr uint32_t CM_BORDERCHANGED = CM_BASE + 29;
constexpr uint32_t CM_RECREATEWND = CM_BASE + 30;
constexpr uint32_t CM_SYSCOLORCHANGE = CM_BASE + 31;
constexpr uint32_t CM_INVALIDATE = CM_BASE + 32;
// An owner-data list view fetches the rows it shows (posted, so it runs before the paint).
constexpr uint32_t CM_FETCHROWS = CM_BASE + 36;
