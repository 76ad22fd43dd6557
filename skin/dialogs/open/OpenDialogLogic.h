#pragma once

#include <string>
#include <string_view>
#include <vector>

// What the open and save dialogs decide when the user confirms (Open or
// Save, Enter in the name edit or the list), apart from the windows.

// A name's extension: its tail from the last "." of its last part ("." for
// a name ending in "."), empty without one.
std::string FileExtension(std::string_view Name);
// The extension a filter's mask gives ("*.bmp;*.dib": ".bmp"); empty for a
// mask holding ".*" ("*.*", "*.txt;*.*").
std::string FilterExtension(std::string_view Mask);
// The save completion: the filter's extension when the name has none, then
// "." + DefaultExt when it still has none. A name ending in "." stays.
std::string SaveCompletion(const std::string& Name, std::string_view Mask, std::string_view DefaultExt);

struct TOkRequest {
    bool SaveMode = false;
    bool CheckFileExists = true;
    bool OverwritePrompt = false;
    std::string DefaultExt; // without the dot
    std::string Mask;       // the selected filter's masks
    std::string Folder;     // the listed folder; empty for places and the computer
    std::string Home;       // what "~" stands for
    std::string Text;       // the name edit's text
    // The selected files (not folders) in row order.
    std::vector<std::string> Selected;
};

enum class TOkAction {
    okStay,     // nothing happens; the dialog stays open
    okNavigate, // the list goes to Path
    okMask,     // the typed pattern becomes the list's mask
    okAsk,      // the overwrite question for Path; OK accepts
    okAccept,   // the dialog closes with FileName Path and Files
};
using enum TOkAction;

struct TOkDecision {
    TOkAction Action = okStay;
    std::string Path;
    std::vector<std::string> Files;
};

// The typed text wins over the selection unless it is the name of a
// selected file; only regular files are opened (a FIFO, device or folder
// never); a typed folder is entered; "~/..." and absolute paths are taken
// as they stand; a relative name is refused while a virtual folder is
// listed. In open mode a missing name is tried with the completion
// extension (DefaultExt, else the filter's); in save mode the name returned
// and checked for overwriting is the completed one.
TOkDecision DecideOk(const TOkRequest& Request);
