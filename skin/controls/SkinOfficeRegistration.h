#pragma once

// Registers the slider, the link image and link label, the office items and
// the office list and combo boxes for form descriptions.
void RegisterSkinOfficeClasses();
