#pragma once

// Registers the skinned controls for form descriptions. Every property's
// stored default is the value the control's constructor gives it, so a
// designed value that differs from a fresh control's is always written.
// Each group of controls registers its classes in a function of its own file,
// called from here.
void RegisterSkinControls();
