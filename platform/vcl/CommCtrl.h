#pragma once

#include "platform/base/Types.h"
#include "platform/win/WinConst.h"

#include <cstdint>

// Message numbers of the common controls (tab, tree, list view and header)
// that hosts send to the standard controls or rewrite in their window
// procedures. The scroll request codes are the window system's (WinConst.h).

constexpr uint32_t TCM_GETITEMCOUNT = 0x1304;
constexpr uint32_t TCM_GETITEMRECT = 0x130A; // WParam tab index, LParam TRect*
constexpr uint32_t TCM_GETCURSEL = 0x130B;
constexpr uint32_t TCM_SETCURSEL = 0x130C;   // WParam tab index; no change events
constexpr uint32_t TCM_ADJUSTRECT = 0x1328;  // WParam 0: LParam TRect* client rect becomes the display rect
constexpr uint32_t TCM_SETITEMSIZE = 0x1329; // LParam MakeLParam(width, height); 0 = sized by the caption
constexpr uint32_t TCM_GETROWCOUNT = 0x132C;

constexpr uint32_t TVM_GETCOUNT = 0x1105;
constexpr uint32_t TVM_GETVISIBLECOUNT = 0x1110;

constexpr uint32_t LVM_GETITEMCOUNT = 0x1004;
constexpr uint32_t LVM_GETITEMRECT = 0x100E; // WParam index, LParam TRect*
constexpr uint32_t LVM_SCROLL = 0x1014;      // WParam dx, LParam dy
constexpr uint32_t LVM_GETTOPINDEX = 0x1027;
constexpr uint32_t LVM_GETCOUNTPERPAGE = 0x1028;

constexpr uint32_t HDM_GETITEMCOUNT = 0x1200;
constexpr uint32_t HDM_HITTEST = 0x1206;       // LParam THDHitTestInfo*, result the item or -1
constexpr uint32_t HDM_GETITEMRECT = 0x1207;   // WParam item, LParam TRect*
constexpr uint32_t HDM_GETORDERARRAY = 0x1211; // WParam count, LParam int*

constexpr uint32_t HHT_NOWHERE = 0x0001;
constexpr uint32_t HHT_ONHEADER = 0x0002;
constexpr uint32_t HHT_ONDIVIDER = 0x0004;

struct THDHitTestInfo {
    TPoint pt;
    uint32_t flags = 0;
    int iItem = -1;
};
