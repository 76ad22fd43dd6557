#pragma once

#include <string>

#include "app/catalogue/CurrentProfile.h"
#include "app/catalogue/OutputFileName.h"
#include "app/settingsform/LegacyProfileParameterTable.h"

// The main window's fields that the old catalogue handlers write.
struct TLegacyMainFields {
    TCurrentProfile Profile;
    int All_Trant_Number = 0; // the switch value of the handler that ran last; nothing reads it
};

// Where the output file goes and whether an existing file is kept.
struct TLegacyOutputRequest {
    std::string OutputFolder; // the output-folder edit's text, used as it stands
    bool Rename = true;       // false: an existing file is overwritten
    TFileExistsFunc Exists;
};

// Writes the fields of a row as its kind prescribes; a field the row does
// not write keeps its value.
void WriteLegacyProfileFields(TCurrentProfile& AProfile, const TLegacyProfileParameters& ARow);

// What both profile-parameter writers do for a switch value: store it and
// clear `Video_DisableVideo`; for a row, name the output after the input with
// the row's extension in the output folder and write the row's fields; then,
// with or without a row, move the output name into the output folder and,
// when that file exists and renaming is asked for, add "_" and the first free
// number before the extension.
void WriteLegacyProfile(TLegacyMainFields& AMain, int ASwitchValue, const TLegacyProfileParameters* ARow,
                        const TLegacyOutputRequest& AOutput);
