#pragma once

#include <cstdint>

// Message numbers and flags of the window system. The numbers are those of the
// Windows API where code written against it relies on them; only the ones this
// system uses are listed.

// Messages
constexpr uint32_t WM_NULL = 0x0000;
constexpr uint32_t WM_CREATE = 0x0001;
constexpr uint32_t WM_DESTROY = 0x0002;
constexpr uint32_t WM_MOVE = 0x0003;
constexpr uint32_t WM_SIZE = 0x0005;
constexpr uint32_t WM_ACTIVATE = 0x0006;
constexpr uint32_t WM_SETFOCUS = 0x0007;
constexpr uint32_t WM_KILLFOCUS = 0x0008;
constexpr uint32_t WM_ENABLE = 0x000A;
constexpr uint32_t WM_SETREDRAW = 0x000B;
constexpr uint32_t WM_SETTEXT = 0x000C;
constexpr uint32_t WM_GETTEXT = 0x000D;
constexpr uint32_t WM_GETTEXTLENGTH = 0x000E;
constexpr uint32_t WM_PAINT = 0x000F;
constexpr uint32_t WM_CLOSE = 0x0010;
constexpr uint32_t WM_QUERYENDSESSION = 0x0011;
constexpr uint32_t WM_QUIT = 0x0012;
constexpr uint32_t WM_ERASEBKGND = 0x0014;
constexpr uint32_t WM_SYSCOLORCHANGE = 0x0015;
constexpr uint32_t WM_SHOWWINDOW = 0x0018;
constexpr uint32_t WM_ACTIVATEAPP = 0x001C;
constexpr uint32_t WM_CANCELMODE = 0x001F;
constexpr uint32_t WM_SETCURSOR = 0x0020;
constexpr uint32_t WM_MOUSEACTIVATE = 0x0021;
constexpr uint32_t WM_GETMINMAXINFO = 0x0024;
constexpr uint32_t WM_SETFONT = 0x0030;
constexpr uint32_t WM_WINDOWPOSCHANGING = 0x0046;
constexpr uint32_t WM_WINDOWPOSCHANGED = 0x0047;
constexpr uint32_t WM_CONTEXTMENU = 0x007B;
constexpr uint32_t WM_STYLECHANGING = 0x007C;
constexpr uint32_t WM_STYLECHANGED = 0x007D;
constexpr uint32_t WM_NCCREATE = 0x0081;
constexpr uint32_t WM_NCDESTROY = 0x0082;
constexpr uint32_t WM_NCCALCSIZE = 0x0083;
constexpr uint32_t WM_NCHITTEST = 0x0084;
constexpr uint32_t WM_NCPAINT = 0x0085;
constexpr uint32_t WM_NCACTIVATE = 0x0086;
constexpr uint32_t WM_GETDLGCODE = 0x0087;
constexpr uint32_t WM_SYNCPAINT = 0x0088;
constexpr uint32_t WM_NCMOUSEMOVE = 0x00A0;
constexpr uint32_t WM_NCLBUTTONDOWN = 0x00A1;
constexpr uint32_t WM_NCLBUTTONUP = 0x00A2;
constexpr uint32_t WM_NCLBUTTONDBLCLK = 0x00A3;
constexpr uint32_t WM_NCRBUTTONDOWN = 0x00A4;
constexpr uint32_t WM_NCRBUTTONUP = 0x00A5;
constexpr uint32_t WM_NCRBUTTONDBLCLK = 0x00A6;
constexpr uint32_t WM_NCMBUTTONDOWN = 0x00A7;
constexpr uint32_t WM_NCMBUTTONUP = 0x00A8;
constexpr uint32_t WM_NCMBUTTONDBLCLK = 0x00A9;
constexpr uint32_t WM_KEYFIRST = 0x0100;
constexpr uint32_t WM_KEYDOWN = 0x0100;
constexpr uint32_t WM_KEYUP = 0x0101;
constexpr uint32_t WM_CHAR = 0x0102;
constexpr uint32_t WM_SYSKEYDOWN = 0x0104;
constexpr uint32_t WM_SYSKEYUP = 0x0105;
constexpr uint32_t WM_SYSCHAR = 0x0106;
constexpr uint32_t WM_KEYLAST = 0x0109;
constexpr uint32_t WM_COMMAND = 0x0111;
constexpr uint32_t WM_SYSCOMMAND = 0x0112;
constexpr uint32_t WM_TIMER = 0x0113;
constexpr uint32_t WM_HSCROLL = 0x0114;
constexpr uint32_t WM_VSCROLL = 0x0115;
constexpr uint32_t WM_MOUSEFIRST = 0x0200;
constexpr uint32_t WM_MOUSEMOVE = 0x0200;
constexpr uint32_t WM_LBUTTONDOWN = 0x0201;
constexpr uint32_t WM_LBUTTONUP = 0x0202;
constexpr uint32_t WM_LBUTTONDBLCLK = 0x0203;
constexpr uint32_t WM_RBUTTONDOWN = 0x0204;
constexpr uint32_t WM_RBUTTONUP = 0x0205;
constexpr uint32_t WM_RBUTTONDBLCLK = 0x0206;
constexpr uint32_t WM_MBUTTONDOWN = 0x0207;
constexpr uint32_t WM_MBUTTONUP = 0x0208;
constexpr uint32_t WM_MBUTTONDBLCLK = 0x0209;
constexpr uint32_t WM_MOUSEWHEEL = 0x020A;
constexpr uint32_t WM_MOUSELAST = 0x020A;
constexpr uint32_t WM_PARENTNOTIFY = 0x0210;
constexpr uint32_t WM_ENTERMENULOOP = 0x0211;
constexpr uint32_t WM_EXITMENULOOP = 0x0212;
constexpr uint32_t WM_SIZING = 0x0214;
constexpr uint32_t WM_CAPTURECHANGED = 0x0215;
constexpr uint32_t WM_MOVING = 0x0216;
constexpr uint32_t WM_ENTERSIZEMOVE = 0x0231;
constexpr uint32_t WM_EXITSIZEMOVE = 0x0232;
constexpr uint32_t WM_NCMOUSELEAVE = 0x02A2;
constexpr uint32_t WM_MOUSELEAVE = 0x02A3;
constexpr uint32_t WM_PRINT = 0x0317;
constexpr uint32_t WM_PRINTCLIENT = 0x0318;
constexpr uint32_t WM_DWMCOMPOSITIONCHANGED = 0x031E;
// First number free for a program's private messages.
constexpr uint32_t WM_USER = 0x0400;
constexpr uint32_t WM_APP = 0x8000;

// Hit-test codes (WM_NCHITTEST); any other value is passed on as it stands.
constexpr int HTERROR = -2;
constexpr int HTTRANSPARENT = -1;
constexpr int HTNOWHERE = 0;
constexpr int HTCLIENT = 1;
constexpr int HTCAPTION = 2;
constexpr int HTSYSMENU = 3;
constexpr int HTMENU = 5;
constexpr int HTHSCROLL = 6;
constexpr int HTVSCROLL = 7;
constexpr int HTMINBUTTON = 8;
constexpr int HTMAXBUTTON = 9;
constexpr int HTLEFT = 10;
constexpr int HTRIGHT = 11;
constexpr int HTTOP = 12;
constexpr int HTTOPLEFT = 13;
constexpr int HTTOPRIGHT = 14;
constexpr int HTBOTTOM = 15;
constexpr int HTBOTTOMLEFT = 16;
constexpr int HTBOTTOMRIGHT = 17;
constexpr int HTBORDER = 18;
constexpr int HTCLOSE = 20;
constexpr int HTHELP = 21;

// Window styles
constexpr uint32_t WS_OVERLAPPED = 0x00000000;
constexpr uint32_t WS_POPUP = 0x80000000;
constexpr uint32_t WS_CHILD = 0x40000000;
constexpr uint32_t WS_MINIMIZE = 0x20000000;
constexpr uint32_t WS_VISIBLE = 0x10000000;
constexpr uint32_t WS_DISABLED = 0x08000000;
constexpr uint32_t WS_CLIPSIBLINGS = 0x04000000;
constexpr uint32_t WS_CLIPCHILDREN = 0x02000000;
constexpr uint32_t WS_MAXIMIZE = 0x01000000;
constexpr uint32_t WS_BORDER = 0x00800000;
constexpr uint32_t WS_DLGFRAME = 0x00400000;
constexpr uint32_t WS_CAPTION = 0x00C00000;
constexpr uint32_t WS_VSCROLL = 0x00200000;
constexpr uint32_t WS_HSCROLL = 0x00100000;
constexpr uint32_t WS_SYSMENU = 0x00080000;
constexpr uint32_t WS_THICKFRAME = 0x00040000;
constexpr uint32_t WS_TABSTOP = 0x00010000;
constexpr uint32_t WS_MINIMIZEBOX = 0x00020000;
constexpr uint32_t WS_MAXIMIZEBOX = 0x00010000;
constexpr uint32_t WS_OVERLAPPEDWINDOW =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;

constexpr uint32_t WS_EX_DLGMODALFRAME = 0x00000001;
constexpr uint32_t WS_EX_NOPARENTNOTIFY = 0x00000004;
constexpr uint32_t WS_EX_TOPMOST = 0x00000008;
constexpr uint32_t WS_EX_TRANSPARENT = 0x00000020;
constexpr uint32_t WS_EX_TOOLWINDOW = 0x00000080;
constexpr uint32_t WS_EX_WINDOWEDGE = 0x00000100;
constexpr uint32_t WS_EX_CLIENTEDGE = 0x00000200;
constexpr uint32_t WS_EX_CONTROLPARENT = 0x00010000;
constexpr uint32_t WS_EX_APPWINDOW = 0x00040000;
constexpr uint32_t WS_EX_LAYERED = 0x00080000;
constexpr uint32_t WS_EX_NOACTIVATE = 0x08000000;

// Class styles
constexpr uint32_t CS_VREDRAW = 0x0001;
constexpr uint32_t CS_HREDRAW = 0x0002;
constexpr uint32_t CS_DBLCLKS = 0x0008;
constexpr uint32_t CS_SAVEBITS = 0x0800;

// SetWindowPos
constexpr uint32_t SWP_NOSIZE = 0x0001;
constexpr uint32_t SWP_NOMOVE = 0x0002;
constexpr uint32_t SWP_NOZORDER = 0x0004;
constexpr uint32_t SWP_NOREDRAW = 0x0008;
constexpr uint32_t SWP_NOACTIVATE = 0x0010;
constexpr uint32_t SWP_FRAMECHANGED = 0x0020;
constexpr uint32_t SWP_SHOWWINDOW = 0x0040;
constexpr uint32_t SWP_HIDEWINDOW = 0x0080;
constexpr uint32_t SWP_NOCOPYBITS = 0x0100;
constexpr uint32_t SWP_NOOWNERZORDER = 0x0200;
constexpr uint32_t SWP_NOSENDCHANGING = 0x0400;

// ShowWindow
constexpr int SW_HIDE = 0;
constexpr int SW_SHOWNORMAL = 1;
constexpr int SW_SHOWMINIMIZED = 2;
constexpr int SW_SHOWMAXIMIZED = 3;
constexpr int SW_MAXIMIZE = 3;
constexpr int SW_SHOWNOACTIVATE = 4;
constexpr int SW_SHOW = 5;
constexpr int SW_MINIMIZE = 6;
constexpr int SW_SHOWMINNOACTIVE = 7;
constexpr int SW_SHOWNA = 8;
constexpr int SW_RESTORE = 9;

// WM_SIZE
constexpr uintptr_t SIZE_RESTORED = 0;
constexpr uintptr_t SIZE_MINIMIZED = 1;
constexpr uintptr_t SIZE_MAXIMIZED = 2;

// WM_SYSCOMMAND
constexpr uintptr_t SC_SIZE = 0xF000;
constexpr uintptr_t SC_MOVE = 0xF010;
constexpr uintptr_t SC_MINIMIZE = 0xF020;
constexpr uintptr_t SC_MAXIMIZE = 0xF030;
constexpr uintptr_t SC_CLOSE = 0xF060;
constexpr uintptr_t SC_KEYMENU = 0xF100;
constexpr uintptr_t SC_RESTORE = 0xF120;

// WM_SIZING edges
constexpr uintptr_t WMSZ_LEFT = 1;
constexpr uintptr_t WMSZ_RIGHT = 2;
constexpr uintptr_t WMSZ_TOP = 3;
constexpr uintptr_t WMSZ_TOPLEFT = 4;
constexpr uintptr_t WMSZ_TOPRIGHT = 5;
constexpr uintptr_t WMSZ_BOTTOM = 6;
constexpr uintptr_t WMSZ_BOTTOMLEFT = 7;
constexpr uintptr_t WMSZ_BOTTOMRIGHT = 8;

// WM_ACTIVATE
constexpr uintptr_t WA_INACTIVE = 0;
constexpr uintptr_t WA_ACTIVE = 1;
constexpr uintptr_t WA_CLICKACTIVE = 2;

// WM_MOUSEACTIVATE results
constexpr intptr_t MA_ACTIVATE = 1;
constexpr intptr_t MA_ACTIVATEANDEAT = 2;
constexpr intptr_t MA_NOACTIVATE = 3;
constexpr intptr_t MA_NOACTIVATEANDEAT = 4;

// Mouse key state in mouse messages
constexpr uintptr_t MK_LBUTTON = 0x0001;
constexpr uintptr_t MK_RBUTTON = 0x0002;
constexpr uintptr_t MK_SHIFT = 0x0004;
constexpr uintptr_t MK_CONTROL = 0x0008;
constexpr uintptr_t MK_MBUTTON = 0x0010;

constexpr int WHEEL_DELTA = 120;

// WM_GETDLGCODE results
constexpr intptr_t DLGC_WANTARROWS = 0x0001;
constexpr intptr_t DLGC_WANTTAB = 0x0002;
constexpr intptr_t DLGC_WANTALLKEYS = 0x0004;
constexpr intptr_t DLGC_WANTMESSAGE = 0x0004;
constexpr intptr_t DLGC_HASSETSEL = 0x0008;
constexpr intptr_t DLGC_WANTCHARS = 0x0080;

// RedrawWindow
constexpr uint32_t RDW_INVALIDATE = 0x0001;
constexpr uint32_t RDW_INTERNALPAINT = 0x0002;
constexpr uint32_t RDW_ERASE = 0x0004;
constexpr uint32_t RDW_VALIDATE = 0x0008;
constexpr uint32_t RDW_NOINTERNALPAINT = 0x0010;
constexpr uint32_t RDW_NOERASE = 0x0020;
constexpr uint32_t RDW_NOCHILDREN = 0x0040;
constexpr uint32_t RDW_ALLCHILDREN = 0x0080;
constexpr uint32_t RDW_UPDATENOW = 0x0100;
constexpr uint32_t RDW_ERASENOW = 0x0200;
constexpr uint32_t RDW_FRAME = 0x0400;
constexpr uint32_t RDW_NOFRAME = 0x0800;

// PeekMessage
constexpr uint32_t PM_NOREMOVE = 0x0000;
constexpr uint32_t PM_REMOVE = 0x0001;
constexpr uint32_t PM_NOYIELD = 0x0002;
// Leaves mouse and keyboard input queued (waits that must not re-enter).
constexpr uint32_t PM_NOINPUT = 0x0100;

// Scroll bars
constexpr int SB_HORZ = 0;
constexpr int SB_VERT = 1;
constexpr int SB_CTL = 2;
constexpr uint32_t SIF_RANGE = 0x0001;
constexpr uint32_t SIF_PAGE = 0x0002;
constexpr uint32_t SIF_POS = 0x0004;
constexpr uint32_t SIF_DISABLENOSCROLL = 0x0008;
constexpr uint32_t SIF_TRACKPOS = 0x0010;
constexpr uint32_t SIF_ALL = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;
// Scroll requests of WM_HSCROLL and WM_VSCROLL: the code in the low half of
// WParam and, for SB_THUMBPOSITION and SB_THUMBTRACK, the position in the
// high half.
constexpr int SB_LINEUP = 0;
constexpr int SB_LINELEFT = 0;
constexpr int SB_LINEDOWN = 1;
constexpr int SB_LINERIGHT = 1;
constexpr int SB_PAGEUP = 2;
constexpr int SB_PAGELEFT = 2;
constexpr int SB_PAGEDOWN = 3;
constexpr int SB_PAGERIGHT = 3;
constexpr int SB_THUMBPOSITION = 4;
constexpr int SB_THUMBTRACK = 5;
constexpr int SB_TOP = 6;
constexpr int SB_LEFT = 6;
constexpr int SB_BOTTOM = 7;
constexpr int SB_RIGHT = 7;
constexpr int SB_ENDSCROLL = 8;

// Layered windows
constexpr uint32_t LWA_COLORKEY = 0x0001;
constexpr uint32_t LWA_ALPHA = 0x0002;
constexpr uint32_t ULW_ALPHA = 0x0002;

// TrackMouseEvent
constexpr uint32_t TME_LEAVE = 0x0002;
constexpr uint32_t TME_NONCLIENT = 0x0010;
constexpr uint32_t TME_CANCEL = 0x80000000;

// MonitorFromPoint / MonitorFromWindow / MonitorFromRect
constexpr uint32_t MONITOR_DEFAULTTONULL = 0;
constexpr uint32_t MONITOR_DEFAULTTOPRIMARY = 1;
constexpr uint32_t MONITOR_DEFAULTTONEAREST = 2;
constexpr uint32_t MONITORINFOF_PRIMARY = 1;

// GetSystemMetrics
constexpr int SM_CXSCREEN = 0;
constexpr int SM_CYSCREEN = 1;
constexpr int SM_CXBORDER = 5;
constexpr int SM_CYBORDER = 6;
constexpr int SM_CYCAPTION = 4;
constexpr int SM_CXFRAME = 32;
constexpr int SM_CYFRAME = 33;
constexpr int SM_CXDOUBLECLK = 36;
constexpr int SM_CYDOUBLECLK = 37;
constexpr int SM_CXDRAG = 68;
constexpr int SM_CYDRAG = 69;
constexpr int SM_CMONITORS = 80;

// Cursor shapes by id
constexpr int IDC_ARROW = 32512;
constexpr int IDC_IBEAM = 32513;
constexpr int IDC_WAIT = 32514;
constexpr int IDC_CROSS = 32515;
constexpr int IDC_SIZENWSE = 32642;
constexpr int IDC_SIZENESW = 32643;
constexpr int IDC_SIZEWE = 32644;
constexpr int IDC_SIZENS = 32645;
constexpr int IDC_SIZEALL = 32646;
constexpr int IDC_NO = 32648;
constexpr int IDC_HAND = 32649;
constexpr int IDC_APPSTARTING = 32650;

// Virtual-key codes; letters and digits are their ASCII capitals.
constexpr int VK_LBUTTON = 0x01;
constexpr int VK_RBUTTON = 0x02;
constexpr int VK_CANCEL = 0x03;
constexpr int VK_MBUTTON = 0x04;
constexpr int VK_BACK = 0x08;
constexpr int VK_TAB = 0x09;
constexpr int VK_RETURN = 0x0D;
constexpr int VK_SHIFT = 0x10;
constexpr int VK_CONTROL = 0x11;
constexpr int VK_MENU = 0x12;
constexpr int VK_PAUSE = 0x13;
constexpr int VK_CAPITAL = 0x14;
constexpr int VK_ESCAPE = 0x1B;
constexpr int VK_SPACE = 0x20;
constexpr int VK_PRIOR = 0x21;
constexpr int VK_NEXT = 0x22;
constexpr int VK_END = 0x23;
constexpr int VK_HOME = 0x24;
constexpr int VK_LEFT = 0x25;
constexpr int VK_UP = 0x26;
constexpr int VK_RIGHT = 0x27;
constexpr int VK_DOWN = 0x28;
constexpr int VK_INSERT = 0x2D;
constexpr int VK_DELETE = 0x2E;
constexpr int VK_APPS = 0x5D;
constexpr int VK_NUMPAD0 = 0x60;
constexpr int VK_MULTIPLY = 0x6A;
constexpr int VK_ADD = 0x6B;
constexpr int VK_SUBTRACT = 0x6D;
constexpr int VK_DECIMAL = 0x6E;
constexpr int VK_DIVIDE = 0x6F;
constexpr int VK_F1 = 0x70;
constexpr int VK_F2 = 0x71;
constexpr int VK_F3 = 0x72;
constexpr int VK_F4 = 0x73;
constexpr int VK_F5 = 0x74;
constexpr int VK_F10 = 0x79;
constexpr int VK_F12 = 0x7B;
constexpr int VK_LSHIFT = 0xA0;
constexpr int VK_RSHIFT = 0xA1;
constexpr int VK_LCONTROL = 0xA2;
constexpr int VK_RCONTROL = 0xA3;
constexpr int VK_LMENU = 0xA4;
constexpr int VK_RMENU = 0xA5;
constexpr int VK_OEM_1 = 0xBA;
constexpr int VK_OEM_PLUS = 0xBB;
constexpr int VK_OEM_COMMA = 0xBC;
constexpr int VK_OEM_MINUS = 0xBD;
constexpr int VK_OEM_PERIOD = 0xBE;
constexpr int VK_OEM_2 = 0xBF;
