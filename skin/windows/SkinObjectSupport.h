#pragma once

#include "platform/base/Types.h"
#include "skin/engine/SkinTypes.h"

#include <string>

class TCustomForm;
class TMenuItem;
class TlxLumivex;

// What the frame objects share in talking to their component: where an
// object stands on the screen, the window commands and the linked menus.

// An object rectangle (window coordinates of the form) in screen coordinates.
TRect ObjectScreenRect(const TlxLumivex* Parent, const TRect& R);

// Repaints the whole frame (WM_NCPAINT to the form, when it has a window).
void RepaintFrame(const TlxLumivex* Parent);
// The maximized MDI child of an MDI parent form: the active form when it is
// one, else the first of its children, topmost first; nullptr for other forms.
TCustomForm* FindMaximizedMDIChild(const TCustomForm* Form);
// The form's caption text; on an MDI parent with a maximized child, the
// form's text, " - [", the child's text and "]".
std::string CaptionText(const TlxLumivex* Parent);

// The form's state is the one Command undoes: maximized for cmMaximize,
// minimized for cmMinimize, rolled up for cmRollUp.
bool StdCommandInRestoreState(const TlxLumivex* Parent, TlxStdCommand Command);
// Runs the window commands close, maximize/restore, minimize/restore,
// roll-up and minimize to tray; the others do nothing. The form may be gone
// afterwards: a caller touches nothing of itself after a close.
void DoStdCommand(TlxLumivex* Parent, TlxStdCommand Command);

// Item has a visible entry to show.
bool CanPopupObjectMenu(TMenuItem* Item);
// Opens Item's children beside ScreenRect (upwards when PopupUp): a skinned
// popup menu's through its own opening, any other in the component's menu
// mode with the menus' skin; nothing unless CanPopupObjectMenu.
void PopupObjectMenu(TlxLumivex* Parent, TMenuItem* Item, const TRect& ScreenRect, bool PopupUp);
