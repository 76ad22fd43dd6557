#pragma once

// Registers the standard controls (labels, bevels, images, splitters,
// edits and list boxes) for form descriptions.
void RegisterStdControls();
