#pragma once

// Registers the tab, tree and list view controls for form descriptions.
void RegisterComCtrlsClasses();
