#pragma once

// Registers the skinned dialog components a form description may hold (the
// message box, the skin selection dialog) and the skinned window classes.
// Each published property's stored default is the value the component's
// constructor gives it. The program calls it once at start, after
// RegisterSkinControls.
void RegisterSkinDialogClasses();
