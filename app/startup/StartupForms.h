#pragma once

// Registers the classes of the splash window, the about box, the options
// form and the settings form for their form descriptions.
void RegisterStartupFormClasses();
