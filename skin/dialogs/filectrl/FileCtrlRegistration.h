#pragma once

// Registers the file controls for form descriptions: the filter, drive,
// directory and file controls with their published properties and links.
void RegisterFileControlClasses();
