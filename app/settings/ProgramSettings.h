#pragma once

class TSettings;

// The settings file the program's forms share while they live: the start-up
// installs it before it creates the first form and removes it after the last
// is gone. Forms read it when they are created; GUI thread only.
TSettings& ProgramSettings();
// The installed settings; null while none are (a form made on its own).
TSettings* InstalledProgramSettings();
// Installs Settings (nullptr removes it); returns the previous one.
TSettings* SetProgramSettings(TSettings* Settings);
