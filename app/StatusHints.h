#pragma once

#include <string_view>

// The status-bar text the main window shows while the mouse moves over the
// control of that name; empty for the controls that clear it and for every
// other name.
std::string_view StatusHint(std::string_view AControlName);
