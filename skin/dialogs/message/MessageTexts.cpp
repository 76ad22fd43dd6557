#include "skin/dialogs/message/MessageTexts.h"

#include "skin/engine/ResourceStrData.h"
#include "skin/engine/SkinData.h"

const std::array<const char*, MsgDlgBtnCount> MessageButtonNames = {
    "Yes", "No", "OK", "Cancel", "Abort", "Retry", "Ignore", "All", "NoToAll", "YesToAll", "Help", "Close"};

const std::array<const char*, MsgDlgBtnCount> MessageButtonKeys = {
    "MSG_BTN_YES",    "MSG_BTN_NO",  "MSG_BTN_OK",      "MSG_BTN_CANCEL",   "MSG_BTN_ABORT", "MSG_BTN_RETRY",
    "MSG_BTN_IGNORE", "MSG_BTN_ALL", "MSG_BTN_NOTOALL", "MSG_BTN_YESTOALL", "MSG_BTN_HELP",  "MSG_BTN_CLOSE"};

const std::array<const char*, MsgDlgBtnCount> MessageButtonCaptions = {
    "&Yes",    "&No",  "OK",       "Cancel",    "&Abort", "&Retry",
    "&Ignore", "&All", "N&oToAll", "&YesToAll", "&Help",  "Close"};

const std::array<TModalResult, MsgDlgBtnCount> MessageButtonResults = {
    mrYes, mrNo, mrOk, mrCancel, mrAbort, mrRetry, mrIgnore, mrAll, mrNoToAll, mrYesToAll, mrNone, mrClose};

const std::array<const char*, mtCustom + 1> MessageDialogKeys = {
    "MSG_CAP_WARNING", "MSG_CAP_ERROR", "MSG_CAP_INFORMATION", "MSG_CAP_CONFIRM", ""};

const std::array<const char*, mtCustom + 1> MessageDialogCaptions = {"Warning", "Error", "Information",
                                                                     "Confirm", ""};

const char* const ShowFlagCaption = "Do not display this message again";
const char* const ShowFlagKey = "MSG_CAP_SHOWFLAG";

std::string SkinResourceText(TlxSkinData* SkinData, const char* Key, const std::string& Default) {
    if (SkinData && SkinData->ResourceStrData()) return SkinData->ResourceStrData()->GetResStr(Key);
    return Default;
}

std::string GetMessageButtonCaption(TMsgDlgBtn Button, TlxSkinData* SkinData) {
    return SkinResourceText(SkinData, MessageButtonKeys[Button], MessageButtonCaptions[Button]);
}

std::string GetMessageDialogCaption(TMsgDlgType Type, TlxSkinData* SkinData) {
    if (Type == mtCustom) return {};
    return SkinResourceText(SkinData, MessageDialogKeys[Type], MessageDialogCaptions[Type]);
}
