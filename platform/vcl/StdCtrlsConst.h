#pragma once

#include "platform/win/WinConst.h"

#include <cstdint>

// Messages and styles of the standard edit and list box, with the numbers the
// window system's callers know them by. The scroll request codes are the
// window system's (WinConst.h).

constexpr uint32_t WM_CUT = 0x0300;
constexpr uint32_t WM_COPY = 0x0301;
constexpr uint32_t WM_PASTE = 0x0302;
constexpr uint32_t WM_CLEAR = 0x0303;
constexpr uint32_t WM_UNDO = 0x0304;

constexpr uint32_t EM_GETSEL = 0x00B0;
constexpr uint32_t EM_SETSEL = 0x00B1;
constexpr uint32_t EM_GETRECT = 0x00B2;
constexpr uint32_t EM_SETRECTNP = 0x00B4;
constexpr uint32_t EM_REPLACESEL = 0x00C2;
constexpr uint32_t EM_LIMITTEXT = 0x00C5;
constexpr uint32_t EM_CANUNDO = 0x00C6;
constexpr uint32_t EM_UNDO = 0x00C7;
constexpr uint32_t EM_EMPTYUNDOBUFFER = 0x00CD;
constexpr uint32_t EM_SETMARGINS = 0x00D3;
constexpr uint32_t EM_GETMARGINS = 0x00D4;
constexpr uintptr_t EC_LEFTMARGIN = 0x0001;
constexpr uintptr_t EC_RIGHTMARGIN = 0x0002;

constexpr uint32_t ES_LEFT = 0x0000;
constexpr uint32_t ES_CENTER = 0x0001;
constexpr uint32_t ES_RIGHT = 0x0002;
constexpr uint32_t ES_MULTILINE = 0x0004;
constexpr uint32_t ES_UPPERCASE = 0x0008;
constexpr uint32_t ES_LOWERCASE = 0x0010;
constexpr uint32_t ES_PASSWORD = 0x0020;
constexpr uint32_t ES_AUTOHSCROLL = 0x0080;
constexpr uint32_t ES_NOHIDESEL = 0x0100;
constexpr uint32_t ES_READONLY = 0x0800;

constexpr uint32_t LB_ADDSTRING = 0x0180;
constexpr uint32_t LB_INSERTSTRING = 0x0181;
constexpr uint32_t LB_DELETESTRING = 0x0182;
constexpr uint32_t LB_RESETCONTENT = 0x0184;

constexpr uint32_t LBS_NOTIFY = 0x0001;
constexpr uint32_t LBS_SORT = 0x0002;
constexpr uint32_t LBS_OWNERDRAWFIXED = 0x0010;
constexpr uint32_t LBS_MULTIPLESEL = 0x0008;
constexpr uint32_t LBS_MULTICOLUMN = 0x0200;
constexpr uint32_t LBS_EXTENDEDSEL = 0x0800;
