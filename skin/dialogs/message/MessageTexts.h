#pragma once

#include "platform/vcl/TCustomForm.h"
#include "skin/dialogs/message/MessageDlgTypes.h"

#include <array>
#include <string>

class TlxSkinData;

// The message box's per-button and per-type tables, indexed by TMsgDlgBtn
// and TMsgDlgType.
extern const std::array<const char*, MsgDlgBtnCount> MessageButtonNames;
extern const std::array<const char*, MsgDlgBtnCount> MessageButtonKeys;
extern const std::array<const char*, MsgDlgBtnCount> MessageButtonCaptions;
extern const std::array<TModalResult, MsgDlgBtnCount> MessageButtonResults;
extern const std::array<const char*, mtCustom + 1> MessageDialogKeys;
extern const std::array<const char*, mtCustom + 1> MessageDialogCaptions;

// The built-in caption of the box's check box, and its string-table key.
extern const char* const ShowFlagCaption;
extern const char* const ShowFlagKey;

// A button's caption: from SkinData's string table when it has one (empty
// for a key the table lacks), else the built-in text.
std::string GetMessageButtonCaption(TMsgDlgBtn Button, TlxSkinData* SkinData);
// A type's caption, likewise; mtCustom has none.
std::string GetMessageDialogCaption(TMsgDlgType Type, TlxSkinData* SkinData);
// The text under Key of SkinData's string table when it has one (empty for a
// missing key), else Default.
std::string SkinResourceText(TlxSkinData* SkinData, const char* Key, const std::string& Default);
