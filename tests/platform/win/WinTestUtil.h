#pragma once

#include "platform/backend/headless/THeadlessSession.h"
#include "platform/backend/headless/TMessageRecorder.h"
#include "platform/win/WinApi.h"
#include "tests/support/pictures/PixelArt.h"

#include <functional>

// A window whose handler offers each message to fn first; fn returns true
// when it handled the message, otherwise it goes on down the chain.
using TTestHandler = std::function<bool(HWND, TMessage&)>;

inline HWND MakeWindow(uint32_t style, TRect r, HWND parent = nullptr, TTestHandler fn = {},
                       uint32_t exStyle = 0, uint32_t classStyle = 0) {
    return CreateWindowEx(exStyle, "Test", "", style, r.Left, r.Top, r.Width(), r.Height(), parent,
                          classStyle, [fn](HWND w, TMessage& m, const TCallNext& next) {
                              if (!fn || !fn(w, m)) next(m);
                          });
}

// Frame insets given by WM_NCCALCSIZE.
inline bool NcInsets(TMessage& m, int l, int t, int r, int b) {
    if (m.Msg != WM_NCCALCSIZE) return false;
    auto* p = LParamToPtr<TNCCalcSizeParams>(m.LParam);
    p->rgrc[0] = {p->rgrc[0].Left + l, p->rgrc[0].Top + t, p->rgrc[0].Right - r, p->rgrc[0].Bottom - b};
    return true;
}
