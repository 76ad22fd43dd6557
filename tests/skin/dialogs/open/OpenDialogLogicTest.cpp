#include "skin/dialogs/open/OpenDialogLogic.h"

#include "tests/support/TTempFolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

TEST(OpenDialogLogic, ExtensionsOfNamesAndFilters) {
    EXPECT_EQ(FileExtension("/a.b/report"), "");
    EXPECT_EQ(FileExtension("/a/report.txt"), ".txt");
    EXPECT_EQ(FileExtension("/a/report."), ".");
    EXPECT_EQ(FileExtension("archive.tar.gz"), ".gz");
    for (auto [mask, ext] :
         {std::pair{"*.bmp;*.dib", ".bmp"}, std::pair{"*.jpg", ".jpg"}, std::pair{"*.*", ""},
          std::pair{"*.txt;*.*", ""}, std::pair{" *.png ; *.gif", ".png"}, std::pair{"", ""}})
        EXPECT_EQ(FilterExtension(mask), ext) << mask;
}

TEST(OpenDialogLogic, WhatConfirmingDoes) {
    TTempFolder temp;
    const std::string f = temp.Path() + "f";
    const std::string home = temp.Path() + "home";
    mkdir(f.c_str(), 0755);
    mkdir(home.c_str(), 0755);
    mkdir((f + "/sub").c_str(), 0755);
    for (const char* name : {"f/notes.txt", "f/exists.txt", "f/a.avi", "f/b.avi", "home/x.txt"})
        temp.Write(name, "x");
    mkfifo((f + "/pipe").c_str(), 0644);

    struct TCase {
        const char* Name;
        bool Save;
        const char* Mask;
        const char* DefaultExt;
        std::string Text;
        TOkAction Action;
        std::string Path;
        std::vector<std::string> Selected = {};
        bool Check = true;
        bool Overwrite = false;
        const char* Folder = nullptr; // the listed folder, f unless given
        std::vector<std::string> Files = {};
    };
    const std::string F = f + "/";
    const TCase cases[] = {
        {"save as typed", true, "*.*", "", "report", okAccept, F + "report"},
        {"save, filter ext", true, "*.txt", "", "report", okAccept, F + "report.txt"},
        {"save keeps own ext", true, "*.txt", "", "report.doc", okAccept, F + "report.doc"},
        {"filter before default", true, "*.txt", "log", "report", okAccept, F + "report.txt"},
        {"default ext", true, "*.*", "log", "report", okAccept, F + "report.log"},
        {"mixed mask", true, "*.txt;*.*", "", "report", okAccept, F + "report"},
        {"trailing dot", true, "*.txt", "log", "report.", okAccept, F + "report."},
        {"overwrite asked", true, "*.txt", "", "exists", okAsk, F + "exists.txt", {}, true, true},
        {"no question", true, "*.txt", "", "new", okAccept, F + "new.txt", {}, true, true},
        {"save over a pipe", true, "*.*", "", "pipe", okStay, ""},
        {"save typed wins", true, "*.*", "", "other.avi", okAccept, F + "other.avi", {F + "a.avi"}},
        {"open completes", false, "*.*", "txt", "notes", okAccept, F + "notes.txt"},
        {"open filter completes", false, "*.txt", "", "notes", okAccept, F + "notes.txt"},
        {"open missing", false, "*.*", "", "missing", okStay, ""},
        {"open unchecked", false, "*.*", "txt", "newname", okAccept, F + "newname.txt", {}, false},
        {"open a pipe", false, "*.*", "", "pipe", okStay, ""},
        {"typed beats selection", false, "*.*", "", "notes.txt", okAccept, F + "notes.txt", {F + "a.avi"}},
        {"multi-selection",
         false,
         "*.*",
         "",
         "b.avi",
         okAccept,
         F + "b.avi",
         {F + "a.avi", F + "b.avi"},
         true,
         false,
         nullptr,
         {F + "a.avi", F + "b.avi"}},
        {"absolute", false, "*.*", "", home + "/x.txt", okAccept, home + "/x.txt"},
        {"home", false, "*.*", "", "~/x.txt", okAccept, home + "/x.txt"},
        {"typed folder", false, "*.*", "", "sub", okNavigate, F + "sub"},
        {"home folder", true, "*.*", "", "~", okNavigate, home},
        {"pattern", false, "*.*", "", "*.avi", okMask, "*.avi"},
        {"empty", false, "*.*", "", "", okStay, ""},
        {"virtual folder", false, "*.*", "", "notes.txt", okStay, "", {}, true, false, ""},
        {"absolute from places", false, "*.*", "", F + "a.avi", okAccept, F + "a.avi", {}, true, false, ""},
    };
    for (const TCase& c : cases) {
        TOkRequest r;
        r.SaveMode = c.Save;
        r.Mask = c.Mask;
        r.DefaultExt = c.DefaultExt;
        r.Text = c.Text;
        r.Selected = c.Selected;
        r.CheckFileExists = c.Check;
        r.OverwritePrompt = c.Overwrite;
        r.Folder = c.Folder ? c.Folder : f;
        r.Home = home;
        TOkDecision d = DecideOk(r);
        EXPECT_EQ(d.Action, c.Action) << c.Name;
        EXPECT_EQ(d.Path, c.Path) << c.Name;
        if (c.Action == okAccept)
            EXPECT_EQ(d.Files, c.Files.empty() ? std::vector<std::string>{c.Path} : c.Files) << c.Name;
    }
}
