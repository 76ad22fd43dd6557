#pragma once

#include "skin/dialogs/shell/TShellItem.h"

#include <functional>
#include <string>

class TObject;
class TControl;
class TTreeNode;
class TlxSkinData;

// A view is about to show AFolder; CanAdd false leaves it out.
using TAddFolderEvent = std::function<void(TObject* Sender, const TShellItem& AFolder, bool& CanAdd)>;
// A label edit is about to be applied; S may be changed.
using TTVEditedEvent = std::function<void(TObject* Sender, TTreeNode* Node, std::string& S)>;

// How the shell views tell the user that an action failed (a rename or a new
// folder refused, an item that could not go to the trash): by default a
// skinned message box in the view's skin. Replaceable (tests record).
using TShellErrorReporter = std::function<void(TControl* Sender, TlxSkinData* Skin, const std::string& Text)>;
void SetShellErrorReporter(TShellErrorReporter Reporter);
void ReportShellError(TControl* Sender, TlxSkinData* Skin, const std::string& Text);
