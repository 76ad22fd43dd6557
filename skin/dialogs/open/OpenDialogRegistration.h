#pragma once

// Registers the open-file dialog for form descriptions.
void RegisterOpenDialogs();
