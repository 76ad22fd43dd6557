#include "SkinFixtures.h"

#include "skin/engine/SkinFolder.h"
#include "skin/engine/SkinFolderCheck.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// Compares with a committed reference; DUVA_UPDATE_REFERENCE=1 rewrites the
// reference instead (review the difference before committing it).
void ExpectReference(const std::string& actual, const std::string& name) {
    const std::string path = ReferencePath(name);
    if (std::getenv("DUVA_UPDATE_REFERENCE")) {
        WriteTextFile(path, actual);
        return;
    }
    EXPECT_EQ(actual, ReadTextFile(path)) << "differs from " << path;
}

TlxSkinContent FixtureContent() {
    TlxSkinContent c;
    c.SkinName = "Fixture skin";
    c.SkinAuthor = "Skin tests";
    c.SkinComments = "every kind of value; 50% = half";
    c.FPictureName = "frame.bmp";
    c.FMaskName = "mask.bmp";
    c.FActivePicturesNames.Add("controls.bmp");
    c.FActivePicturesNames.Add("menu.bmp");
    c.ClRect = {4, 20, 96, 76};
    // Corner points, mask area and hit-test points as the reading corrections
    // leave them, so that the written file reads back unchanged.
    c.LTPoint = c.HitTestLTPoint = {4, 20};
    c.RTPoint = c.HitTestRTPoint = {96, 20};
    c.LBPoint = c.HitTestLBPoint = {4, 76};
    c.RBPoint = c.HitTestRBPoint = {96, 76};
    c.MaskRectArea = {0, 0, 100, 80};
    c.BGPictureIndex = 1;
    c.StretchType = lxstVert;
    c.InActiveEffect = ieNoise;
    c.BorderW = 3;
    c.LayerFrame->AlphaBlendValue = 200;
    c.SkinColors()->SetColorsToDefault();
    c.SkinColors()->SetcBtnFace(0x00C0C0C0);

    auto caption = std::make_unique<TlxDataSkinCaption>("caption");
    caption->FontName = "Tahoma";
    caption->FontStyle = {fsBold, fsItalic};
    caption->Alignment = taLeftJustify;
    caption->ReflectionColor = 0x800000;
    c.ObjectList.push_back(std::move(caption));
    auto close = std::make_unique<TlxDataSkinStdButton>("closebutton");
    close->Command = cmClose;
    close->Hint = "Close";
    close->SkinRect = {80, 2, 96, 18};
    c.ObjectList.push_back(std::move(close));

    auto button = std::make_unique<TlxDataSkinButtonControl>("button");
    button->PictureIndex = 0;
    button->SkinRect = {0, 0, 40, 20};
    button->MorphKind = mkLeftSlide;
    c.CtrlList.push_back(std::move(button));
    auto list = std::make_unique<TlxDataSkinListBox>("listbox");
    list->BothScrollBarName = "corner";
    c.CtrlList.push_back(std::move(list));
    auto updown = std::make_unique<TlxDataSkinUpDownControl>("updown");
    updown->LTPoint = {5, 5};
    c.CtrlList.push_back(std::move(updown));
    return c;
}

// A description file written by hand, with the spellings skins use: hex and
// signed numbers, case variants of sections and keys, missing keys, entries
// without a class.
const char* const HandWrittenSkin = "[version]\r\n"
                                    "ver=1\r\n"
                                    "skinname=Hand written\r\n"
                                    "[PICTURES]\r\n"
                                    "picture=frame.bmp\r\n"
                                    "activepicturescount=1\r\n"
                                    "0=controls.bmp\r\n"
                                    "[FORMINFO]\r\n"
                                    "ClientRect=4, 20, 96, 76\r\n"
                                    "lefttoppoint=2,2\r\n"
                                    "rightbottompoint=98,78\r\n"
                                    "inactiveeffect=IeInvert\r\n"
                                    "stretchtype=StFull\r\n"
                                    "[SKINOBJECTS]\r\n"
                                    "count=2\r\n"
                                    "0=title:caption\r\n"
                                    "1=max:stdbutton\r\n"
                                    "[title]\r\n"
                                    "fontheight=$10\r\n"
                                    "reflactioncolor=-16777201\r\n"
                                    "[max]\r\n"
                                    "hint=Maximize\r\n"
                                    "command=cmmaximize\r\n"
                                    "skinrect=60,2,76,18\r\n"
                                    "[SKINCONTROLS]\r\n"
                                    "count=4\r\n"
                                    "0=ok:button\r\n"
                                    "1=gone:nosuchkind\r\n"
                                    "2=lst:listbox\r\n"
                                    "3=tv:treeview\r\n"
                                    "[ok]\r\n"
                                    "pictureindex=0\r\n"
                                    "skinrect=0,0,40,20\r\n"
                                    "fontstyle=fsunderline,fsbold\r\n"
                                    "morphing=01\r\n"
                                    "[lst]\r\n"
                                    "itemrect=0,20,40,30\r\n"
                                    "vscrollbarname=\r\n";

void WriteHandWrittenFolder(const TempFolder& folder) {
    WriteTextFile(folder.File("skin.ini"), HandWrittenSkin);
    WriteBmpFile(folder.File("frame.bmp"), 100, 80);
    WriteBmpFile(folder.File("controls.bmp"), 40, 40);
}

} // namespace

TEST(TlxSkinWriter, OutputMatchesTheReferenceAndReadsBack) {
    TempFolder folder;
    const std::string file = folder.File("skin.ini");
    TlxSkinContent content = FixtureContent();
    SaveSkinFolder(file, content);
    const std::string written = ReadTextFile(file);
    ExpectReference(written, "written-skin.ini");

    TlxSkinContent again;
    ASSERT_TRUE(LoadSkinFolder(file, again, nullptr));
    SaveSkinFolder(folder.File("again.ini"), again);
    EXPECT_EQ(ReadTextFile(folder.File("again.ini")), written);
}

TEST(TlxSkinWriter, DumpOfAHandWrittenFolderMatchesTheReference) {
    TempFolder folder;
    WriteHandWrittenFolder(folder);
    const SkintoolRun dump = RunSkintool("dump " + folder.Path());
    EXPECT_EQ(dump.Status, 0) << dump.Output;
    ExpectReference(dump.Output, "dump-skin.ini");
}

TEST(TlxSkinWriter, ToolReportsUnusableInput) {
    TempFolder folder;
    SkintoolRun run = RunSkintool("dump " + folder.Path());
    EXPECT_NE(run.Status, 0);
    EXPECT_NE(run.Output.find("no .ini"), std::string::npos) << run.Output;

    WriteTextFile(folder.File("skin.ini"), "[VERSION]\r\nver=1\r\n");
    run = RunSkintool("dump " + folder.File("skin.ini"));
    EXPECT_NE(run.Status, 0);
    EXPECT_NE(run.Output.find("not a skin description"), std::string::npos) << run.Output;

    run = RunSkintool("explode " + folder.Path());
    EXPECT_NE(run.Status, 0);
    EXPECT_NE(run.Output.find("usage"), std::string::npos) << run.Output;
}

TEST(TlxSkinWriter, ValidateAcceptsASoundFolderAndListsProblems) {
    TempFolder good;
    WriteHandWrittenFolder(good);
    const SkintoolRun sound = RunSkintool("validate " + good.Path());
    EXPECT_EQ(sound.Status, 0) << sound.Output;
    // The hand-written spellings draw warnings, which do not fail the check.
    EXPECT_TRUE(sound.Output.ends_with("\nok\n")) << sound.Output;

    struct {
        const char* name;
        std::string text;
        const char* problem;
    } cases[] = {
        {"picture index", SkinText("[b]\r\npictureindex=3\r\n", "count=0\r\n", "count=1\r\n0=b:button\r\n"),
         "[b] pictureindex: 3 names no picture"},
        {"rectangle outside its picture",
         SkinText("[b]\r\npictureindex=0\r\nskinrect=0,0,41,20\r\n", "count=0\r\n",
                  "count=1\r\n0=b:button\r\n", "borderwidth=0\r\n",
                  "activepicturescount=1\r\n0=controls.bmp\r\n"),
         "[b] skinrect: 0,0,41,20 lies outside picture 0 (40x40)"},
        {"frame object outside the frame picture",
         SkinText("[x]\r\nskinrect=90,0,101,10\r\n", "count=1\r\n0=x:button\r\n", "count=0\r\n",
                  "borderwidth=0\r\n", "picture=frame.bmp\r\n"),
         "lies outside the frame picture (100x80)"},
        {"names the writer refuses",
         SkinText("", "count=1\r\n0=Dup:caption\r\n", "count=1\r\n0=dup:edit\r\n"),
         "same name ignoring case"},
        {"missing picture",
         SkinText("", "count=0\r\n", "count=0\r\n", "borderwidth=0\r\n", "mask=none.bmp\r\n"),
         "does not load"},
        {"picture that is no bitmap",
         SkinText("", "count=0\r\n", "count=0\r\n", "borderwidth=0\r\n", "picture=bad.bmp\r\n"),
         "does not load"},
        {"picture outside the folder",
         SkinText("", "count=0\r\n", "count=0\r\n", "borderwidth=0\r\n", "mask=../frame.bmp\r\n"),
         "not a plain picture file name"},
        {"not a skin", "[VERSION]\r\nver=1\r\n", "not a skin description"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        WriteTextFile(folder.File("skin.ini"), c.text);
        WriteBmpFile(folder.File("frame.bmp"), 100, 80);
        WriteBmpFile(folder.File("controls.bmp"), 40, 40);
        WriteTextFile(folder.File("bad.bmp"), "BM but not a bitmap");
        const SkintoolRun run = RunSkintool("validate " + folder.Path());
        EXPECT_NE(run.Status, 0);
        EXPECT_NE(run.Output.find(c.problem), std::string::npos) << run.Output;
    }
}
