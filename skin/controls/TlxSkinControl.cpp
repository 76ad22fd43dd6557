#include "skin/controls/TlxSkinControl.h"

#include "platform/base/ScopeGuard.h"
#include "skin/controls/SkinControlMessages.h"

TlxSkinControl::TlxSkinControl(TComponent* AOwner) : TlxSkinBase<TCustomControl>(AOwner) {}

void TlxSkinControl::Dispatch(TMessage& Message) {
    switch (Message.Msg) {
    case WM_PAINT: {
        FFromWMPaint = true;
        TScopeGuard done([this] { FFromWMPaint = false; });
        TlxSkinBase::Dispatch(Message);
        return;
    }
    case WM_CHECKPARENTBG:
        CheckParentBackground();
        return;
    }
    TlxSkinBase::Dispatch(Message);
}

void TlxSkinControl::WMEraseBkgnd(TMessage& Message) {
    Message.Result = 1;
}
