#pragma once

// Registers the skinned edit, the skinned list box and the skinned combo box
// for form descriptions.
void RegisterSkinListClasses();
