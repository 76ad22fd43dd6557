#include "tests/support/skin/TRecordingMenuHost.h"

#include "platform/vcl/TControl.h"
#include "platform/vcl/TMenu.h"
#include "skin/engine/SkinMessages.h"

void TRecordingMenuHost::SkinMenuClose() {
    Log.push_back("close");
    Close();
}

void TRecordingMenuHost::Close() {
    if (!Visible) return;
    Visible = false;
    SendToControl(ShownOpener, WM_CLOSESKINMENU);
    if (TNotifyEvent handler = std::move(ShownOnMenuClose)) handler(this);
}

void TRecordingMenuHost::PopupSkinMenuItems(TControl* Opener, TlxSkinData*, const TRect& R, TMenuItem* AItem,
                                            bool PopupUp, TNotifyEvent OnMenuClose) {
    Visible = true;
    Shown.Set(AItem->GetParentMenu());
    ShownRect = R;
    ShownOpener.Set(Opener);
    ShownUp = PopupUp;
    ShownOnMenuClose = std::move(OnMenuClose);
    Log.push_back("popup");
}
