#include "platform/backend/x11/X11Keys.h"

#include "platform/win/WinConst.h"

#include <X11/XF86keysym.h>
#include <X11/keysym.h>

namespace {

struct TKeyPair {
    unsigned long Sym;
    int VKey;
};

// Keys whose code is not among the window system's named constants.
constexpr int kVkClear = 0x0C;
constexpr int kVkSnapshot = 0x2C;
constexpr int kVkLWin = 0x5B;
constexpr int kVkRWin = 0x5C;
constexpr int kVkSeparator = 0x6C;
constexpr int kVkNumLock = 0x90;
constexpr int kVkScroll = 0x91;
constexpr int kVkOem3 = 0xC0; // `~
constexpr int kVkOem4 = 0xDB; // [{
constexpr int kVkOem5 = 0xDC; // backslash |
constexpr int kVkOem6 = 0xDD; // ]}
constexpr int kVkOem7 = 0xDE; // '"

constexpr TKeyPair kKeys[] = {
    {XK_BackSpace, VK_BACK},
    {XK_Tab, VK_TAB},
    {XK_ISO_Left_Tab, VK_TAB},
    {XK_Clear, kVkClear},
    {XK_Return, VK_RETURN},
    {XK_KP_Enter, VK_RETURN},
    {XK_Pause, VK_PAUSE},
    {XK_Scroll_Lock, kVkScroll},
    {XK_Escape, VK_ESCAPE},
    {XK_Delete, VK_DELETE},
    {XK_KP_Delete, VK_DELETE},
    {XK_Home, VK_HOME},
    {XK_KP_Home, VK_HOME},
    {XK_Left, VK_LEFT},
    {XK_KP_Left, VK_LEFT},
    {XK_Up, VK_UP},
    {XK_KP_Up, VK_UP},
    {XK_Right, VK_RIGHT},
    {XK_KP_Right, VK_RIGHT},
    {XK_Down, VK_DOWN},
    {XK_KP_Down, VK_DOWN},
    {XK_Prior, VK_PRIOR},
    {XK_KP_Prior, VK_PRIOR},
    {XK_Next, VK_NEXT},
    {XK_KP_Next, VK_NEXT},
    {XK_End, VK_END},
    {XK_KP_End, VK_END},
    {XK_KP_Begin, kVkClear},
    {XK_Insert, VK_INSERT},
    {XK_KP_Insert, VK_INSERT},
    {XK_Print, kVkSnapshot},
    {XK_Menu, VK_APPS},
    {XK_Num_Lock, kVkNumLock},
    {XK_KP_Multiply, VK_MULTIPLY},
    {XK_KP_Add, VK_ADD},
    {XK_KP_Separator, kVkSeparator},
    {XK_KP_Subtract, VK_SUBTRACT},
    {XK_KP_Decimal, VK_DECIMAL},
    {XK_KP_Divide, VK_DIVIDE},
    {XK_Shift_L, VK_SHIFT},
    {XK_Shift_R, VK_SHIFT},
    {XK_Control_L, VK_CONTROL},
    {XK_Control_R, VK_CONTROL},
    {XK_Alt_L, VK_MENU},
    {XK_Alt_R, VK_MENU},
    {XK_Meta_L, VK_MENU},
    {XK_Meta_R, VK_MENU},
    {XK_ISO_Level3_Shift, VK_MENU},
    {XK_Caps_Lock, VK_CAPITAL},
    {XK_Super_L, kVkLWin},
    {XK_Super_R, kVkRWin},
    {XK_space, VK_SPACE},
    {XK_semicolon, VK_OEM_1},
    {XK_colon, VK_OEM_1},
    {XK_equal, VK_OEM_PLUS},
    {XK_plus, VK_OEM_PLUS},
    {XK_comma, VK_OEM_COMMA},
    {XK_less, VK_OEM_COMMA},
    {XK_minus, VK_OEM_MINUS},
    {XK_underscore, VK_OEM_MINUS},
    {XK_period, VK_OEM_PERIOD},
    {XK_greater, VK_OEM_PERIOD},
    {XK_slash, VK_OEM_2},
    {XK_question, VK_OEM_2},
    {XK_grave, kVkOem3},
    {XK_asciitilde, kVkOem3},
    {XK_bracketleft, kVkOem4},
    {XK_braceleft, kVkOem4},
    {XK_backslash, kVkOem5},
    {XK_bar, kVkOem5},
    {XK_bracketright, kVkOem6},
    {XK_braceright, kVkOem6},
    {XK_apostrophe, kVkOem7},
    {XK_quotedbl, kVkOem7},
};

} // namespace

int KeySymToVKey(unsigned long sym) {
    if (sym >= XK_a && sym <= XK_z) return static_cast<int>('A' + (sym - XK_a));
    if (sym >= XK_A && sym <= XK_Z) return static_cast<int>('A' + (sym - XK_A));
    if (sym >= XK_0 && sym <= XK_9) return static_cast<int>('0' + (sym - XK_0));
    if (sym >= XK_KP_0 && sym <= XK_KP_9) return VK_NUMPAD0 + static_cast<int>(sym - XK_KP_0);
    // F1..F24 are consecutive in both.
    if (sym >= XK_F1 && sym <= XK_F24) return VK_F1 + static_cast<int>(sym - XK_F1);
    for (const auto& k : kKeys)
        if (k.Sym == sym) return k.VKey;
    return 0;
}

uint32_t KeySymToUnicode(unsigned long sym) {
    // Latin-1 symbols are their own code points; 0x01000000 + u is Unicode u.
    if ((sym >= 0x20 && sym <= 0x7E) || (sym >= 0xA0 && sym <= 0xFF)) return static_cast<uint32_t>(sym);
    if ((sym & 0xFF000000u) == 0x01000000u) return static_cast<uint32_t>(sym & 0x00FFFFFFu);
    if (sym >= XK_KP_0 && sym <= XK_KP_9) return static_cast<uint32_t>('0' + (sym - XK_KP_0));
    switch (sym) {
    case XK_KP_Space:
        return ' ';
    case XK_KP_Multiply:
        return '*';
    case XK_KP_Add:
        return '+';
    case XK_KP_Subtract:
        return '-';
    case XK_KP_Decimal:
        return '.';
    case XK_KP_Divide:
        return '/';
    case XK_EuroSign:
        return 0x20AC;
    default:
        return 0;
    }
}

bool VKeyMakesChar(int vk) {
    if ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9')) return true;
    if (vk >= VK_NUMPAD0 && vk <= VK_NUMPAD0 + 9) return true;
    switch (vk) {
    case VK_SPACE:
    case VK_RETURN:
    case VK_BACK:
    case VK_TAB:
    case VK_ESCAPE:
    case VK_OEM_1:
    case VK_OEM_PLUS:
    case VK_OEM_COMMA:
    case VK_OEM_MINUS:
    case VK_OEM_PERIOD:
    case VK_OEM_2:
    case VK_MULTIPLY:
    case VK_ADD:
    case VK_SUBTRACT:
    case VK_DECIMAL:
    case VK_DIVIDE:
        return true;
    default:
        return false;
    }
}
