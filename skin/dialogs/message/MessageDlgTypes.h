#pragma once

#include "platform/base/Set.h"

// The kinds of message box and the buttons it can carry.
enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
enum TMsgDlgBtn {
    mbYes,
    mbNo,
    mbOK,
    mbCancel,
    mbAbort,
    mbRetry,
    mbIgnore,
    mbAll,
    mbNoToAll,
    mbYesToAll,
    mbHelp,
    mbClose
};
using TMsgDlgButtons = TSet<TMsgDlgBtn>;

constexpr int MsgDlgBtnCount = mbClose + 1;
