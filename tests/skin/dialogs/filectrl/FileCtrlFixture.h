#pragma once

#include "skin/dialogs/filectrl/DriveRoots.h"
#include "tests/support/TTempFolder.h"

#include <string>
#include <vector>

class TTestSkin;

// A temporary tree the file controls browse:
//   <Root>/a/b/            the folder the tests start in
//   <Root>/a/b/c2/ c10/ Zed/ .hidden/        sub-folders (one hidden)
//   <Root>/a/b/link-to-c2 -> c2, broken -> gone
//   <Root>/a/b/movie.avi clip.MP4 notes.txt .dot.avi "\xff.avi" pipe (a FIFO)
struct TFileCtrlTree {
    TFileCtrlTree();

    std::string Root; // without a trailing "/"
    std::string B;    // Root + "/a/b"
    // The tree's root as a place of its own ("Temp"), then the root directory.
    std::vector<TDriveRoot> Roots;

private:
    TTempFolder FTemp;
};

// A skin for the file controls: a list frame with item pictures ("listbox")
// and a combo face ("combobox").
void AddFileCtrlSkin(TTestSkin& Skin);

// The process's current directory, which the controls must never change.
std::string CurrentDirectory();
