#include "tests/skin/dialogs/filectrl/FileCtrlFixture.h"

#include "platform/gdi/TCanvas.h"
#include "skin/engine/DataSkinControls.h"
#include "skin/engine/DataSkinListControls.h"
#include "tests/support/skin/TestSkin.h"

#include <climits>
#include <filesystem>

#include <sys/stat.h>
#include <unistd.h>

TFileCtrlTree::TFileCtrlTree() {
    Root = FTemp.Path().substr(0, FTemp.Path().size() - 1);
    B = Root + "/a/b";
    for (const char* d : {"a/b/c2", "a/b/c10", "a/b/Zed", "a/b/.hidden"})
        std::filesystem::create_directories(Root + "/" + d);
    for (const char* f : {"a/b/movie.avi", "a/b/clip.MP4", "a/b/notes.txt", "a/b/.dot.avi", "a/b/\xff.avi"})
        FTemp.Write(f, "x");
    FTemp.Link(B + "/c2", "a/b/link-to-c2");
    FTemp.Link(B + "/gone", "a/b/broken");
    mkfifo((B + "/pipe").c_str(), 0644);
    Roots = {{Root, "Temp", vkFixed}, {"/", "File System", vkRoot}};
}

void AddFileCtrlSkin(TTestSkin& Skin) {
    TBitmap p(80, 100);
    FillPixels(p, {0, 0, 80, 100}, 0);
    TBitmap frame = TTestSkin::StandardPicture();
    p.Canvas()->Draw(0, 0, &frame);
    FillPixels(p, {0, 24, 40, 40}, 0xD0D0B0);  // list item
    FillPixels(p, {0, 40, 40, 56}, 0x5070D0);  // selected item
    FillPixels(p, {0, 56, 40, 72}, 0x50B050);  // focused item
    FillPixels(p, {0, 72, 60, 92}, 0x406080);  // combo face
    FillPixels(p, {3, 75, 42, 89}, 0xE0E0C0);  // its item area
    FillPixels(p, {44, 75, 57, 89}, 0x8080F0); // its button
    const int picture = Skin.AddPicture(p);

    auto& l = Skin.Add<TlxDataSkinListBox>("listbox");
    TTestSkin::SetNinePart(l, picture);
    l.SItemRect = {0, 24, 40, 40};
    l.ActiveItemRect = {0, 40, 40, 56};
    l.FocusItemRect = {0, 56, 40, 72};
    l.ItemLeftOffset = l.ItemRightOffset = 2;
    l.ItemTextRect = {2, 0, 38, 16};
    l.FontName = "Arial";
    l.FontHeight = 12;
    l.FontColor = clBlack;
    l.ActiveFontColor = clWhite;
    l.FocusFontColor = clYellow;

    auto& c = Skin.Add<TlxDataSkinComboBox>("combobox");
    c.PictureIndex = picture;
    c.MaskPictureIndex = -1;
    c.SkinRect = {0, 72, 60, 92};
    c.ActiveSkinRect = {0, 72, 60, 92};
    c.LTPoint = {3, 0};
    c.RTPoint = {42, 0};
    c.ClRect = {3, 3, 42, 17};
    c.SItemRect = {3, 75, 42, 89};
    c.FocusItemRect = {0, 56, 39, 70};
    c.ItemLeftOffset = c.ItemRightOffset = 1;
    c.ItemTextRect = {2, 0, 37, 14};
    c.FontName = "Arial";
    c.FontHeight = 12;
    c.FontColor = clBlack;
    c.FocusFontColor = clWhite;
    c.ActiveFontColor = clNavy;
    c.ButtonRect = {44, 3, 57, 17};
    c.ListBoxName = "listbox";
}

std::string CurrentDirectory() {
    char buffer[PATH_MAX];
    return getcwd(buffer, sizeof buffer) ? buffer : "";
}
