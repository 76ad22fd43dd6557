#pragma once

// Registers the skinned-window components a form description may hold (the
// main menu and its bar, the MDI tab bar, the notification-area icon). Each
// published property's stored default is the value the component's
// constructor gives it. The program reaches it through RegisterSkinDialogClasses,
// after RegisterSkinControls (which registers the popup menu the icon may name).
void RegisterSkinWindowClasses();
