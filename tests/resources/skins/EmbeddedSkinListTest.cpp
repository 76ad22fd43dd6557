#include "../../skin/engine/SkinDataRecorder.h"
#include "../../skin/engine/SkinFixtures.h"

#include "platform/base/IniFile.h"
#include "platform/base/SysUtils.h"
#include "resources/skins/EmbeddedSkinList.h"
#include "skin/engine/CompressedSkinList.h"
#include "skin/engine/SkinData.h"
#include "skin/engine/SkinFolder.h"
#include "skin/engine/SkinFolderCheck.h"
#include "skin/engine/SkinRequiredNames.h"
#include "skin/engine/SkinStore.h"
#include "tests/support/TTempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

constexpr int kSkins = 11;

std::string FileBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// Every file below a folder by its relative path.
std::map<std::string, std::string> Tree(const fs::path& root) {
    std::map<std::string, std::string> files;
    for (const auto& e : fs::recursive_directory_iterator(root))
        if (e.is_regular_file()) files[fs::relative(e.path(), root).string()] = FileBytes(e.path());
    return files;
}

std::vector<std::string> Problems(TlxSkinContent& content) {
    std::vector<std::string> all = CheckSkinContent(content);
    for (std::string& p : CheckSkinCompleteness(content))
        all.push_back(std::move(p));
    return all;
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& l : lines)
        out += l + "\n";
    return out;
}

} // namespace

// The build drew the skins with the same program; a second run gives the
// same bytes.
TEST(Skingen, GeneratingAgainGivesTheSameBytes) {
    TTempFolder again;
    const SkintoolRun run = RunCommand(std::string(DUVA_SKINGEN) + " " + again.Path() + "out");
    ASSERT_EQ(run.Status, 0) << run.Output;
    const auto built = Tree(DUVA_GENERATED_SKINS);
    EXPECT_EQ(built.size(), size_t(kSkins * 8 + 1))
        << "a folder of seven files and a .skn per skin, and the list";
    EXPECT_TRUE(built == Tree(again.Path() + "out"));
}

// What the validator finds in every skin, as a folder and compressed: no
// problem and no warning.
TEST(Skingen, EverySkinIsCompleteAndTheValidatorHasNoWarning) {
    int checked = 0;
    for (const auto& e : fs::directory_iterator(DUVA_GENERATED_SKINS)) {
        TlxSkinContent content;
        std::string text;
        if (e.is_directory()) {
            const std::string ini = (e.path() / "skin.ini").string();
            ASSERT_TRUE(LoadSkinFolder(ini, content, ReadSkinBitmap)) << ini;
            text = FileBytes(ini);
        } else if (e.path().extension() == ".skn") {
            TlxCompressedStoredSkin stored(nullptr);
            stored.LoadFromCompressFile(e.path().string());
            ASSERT_TRUE(stored.ReadContent(content, &text)) << e.path();
        } else {
            continue;
        }
        TMemIniFile ini("");
        ini.SetText(text);
        EXPECT_EQ(Joined(SkinWarnings(ini, content)) + Joined(Problems(content)), "") << e.path();
        ++checked;
    }
    EXPECT_EQ(checked, 2 * kSkins);
    // The tool says the same.
    const std::string one = std::string(DUVA_GENERATED_SKINS) + "/Glacier";
    const SkintoolRun run = RunCommand(std::string(DUVA_SKINTOOL) + " validate --complete " + one);
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Output, "ok\n");
}

TEST(EmbeddedSkinList, HoldsElevenNamedSkinsThatLoadComplete) {
    TlxCompressedSkinList list(nullptr);
    LoadEmbeddedSkinList(list);
    ASSERT_EQ(list.Skins()->Count(), kSkins);
    std::set<std::string> names;
    for (int i = 0; i < kSkins; ++i) {
        TlxSkinListItem* item = list.Skins()->GetItem(i);
        EXPECT_TRUE(names.insert(item->Name()).second) << item->Name();
        EXPECT_FALSE(item->Description().empty());
        TlxSkinContent content;
        ASSERT_TRUE(item->Skin()->ReadContent(content)) << item->Name();
        EXPECT_EQ(Joined(Problems(content)), "") << item->Name();
    }
}

TEST_F(TlxSkinDataForms, SelectingEachEmbeddedSkinBroadcastsOnceAndTheTwelfthIsIgnored) {
    MakeForm("Main");
    TComponentPtr<TlxCompressedSkinList> list(new TlxCompressedSkinList(nullptr));
    LoadEmbeddedSkinList(*list);
    TComponentPtr<TlxSkinData> sd(new TlxSkinData(nullptr));
    sd->SetSkinIndex(-1);
    sd->SetSkinList(list.get());
    std::set<std::string> seen;
    for (int i = 0; i < kSkins; ++i) {
        SkinMessageLog().clear();
        sd->SetSkinIndex(i);
        EXPECT_EQ(LoggedMessages(), "before, change, after") << i;
        EXPECT_EQ(sd->SkinIndex(), i);
        EXPECT_EQ(Joined(CheckSkinCompleteness(*sd)), "") << i;
        EXPECT_TRUE(seen.insert(sd->SkinName).second) << sd->SkinName;
    }
    SkinMessageLog().clear();
    sd->SetSkinIndex(kSkins);
    EXPECT_EQ(LoggedMessages(), "");
    EXPECT_EQ(sd->SkinIndex(), kSkins - 1);
}

// The validator turns down each of these faults of an otherwise complete skin.
TEST(EmbeddedSkinList, TheValidatorRejectsBrokenSkins) {
    TlxCompressedSkinList list(nullptr);
    LoadEmbeddedSkinList(list);
    auto control = [](TlxSkinContent& c, const char* name) {
        return c.CtrlList[size_t(c.GetControlIndex(name))].get();
    };
    struct Case {
        const char* fault;
        std::function<void(TlxSkinContent&)> breakIt;
        std::string expected;
    };
    const Case cases[] = {
        {"a rectangle outside the atlas",
         [&](TlxSkinContent& c) {
             static_cast<TlxDataSkinButtonControl*>(control(c, "button"))->ActiveSkinRect = {600, 0, 664, 26};
         },
         "[button] activeskinrect: 600,0,664,26 lies outside picture 0"},
        {"crossing corner points",
         [&](TlxSkinContent& c) {
             static_cast<TlxDataSkinCustomControl*>(control(c, "edit"))->LTPoint = {58, 4};
         },
         "[edit] the corner points 58,4"},
        {"a name colliding by case", [&](TlxSkinContent& c) { control(c, "memo")->IDName = "Edit"; },
         "the description name \"Edit\" cannot be stored"},
        {"a missing required name",
         [&](TlxSkinContent& c) { c.CtrlList.erase(c.CtrlList.begin() + c.GetControlIndex("vupdown")); },
         "[SKINCONTROLS] no description named \"vupdown\" (kind updown)"},
        {"the wrong class for a name",
         [&](TlxSkinContent& c) {
             auto label = std::make_unique<TlxDataSkinLabelControl>("checkbox");
             label->PictureIndex = 0;
             label->SkinRect = {0, 0, 10, 10};
             c.CtrlList[size_t(c.GetControlIndex("checkbox"))] = std::move(label);
         },
         "[checkbox] is of kind \"label\"; the program reads it as \"checkradio\""},
        {"an empty picture", [](TlxSkinContent& c) { c.FActivePictures[3] = std::make_unique<TBitmap>(); },
         "[PICTURES] 3: picture 3 is empty"},
        {"a mask of the wrong size",
         [](TlxSkinContent& c) {
             c.FMaskName = "mask.bmp";
             c.FMask = std::make_unique<TBitmap>(10, 10);
         },
         "[PICTURES] mask: the mask is 10x10"},
        {"a control mask of the wrong size",
         [&](TlxSkinContent& c) { control(c, "button")->MaskPictureIndex = 3; },
         "[button] the mask picture is 40x28, the skin rectangle 64x26"},
        {"a state image of another size",
         [&](TlxSkinContent& c) {
             auto* b = static_cast<TlxDataSkinButtonControl*>(control(c, "button"));
             b->DownSkinRect.Right -= 1;
         },
         "[button] downskinrect is 63x26, the skin rectangle 64x26"},
        {"a drop-down list that names nothing",
         [&](TlxSkinContent& c) {
             static_cast<TlxDataSkinComboBox*>(control(c, "combobox"))->ListBoxName = "lst";
         },
         "[combobox] listboxname \"lst\" names no list box description"},
        {"no tile between the corners",
         [&](TlxSkinContent& c) {
             auto* s = static_cast<TlxDataSkinCustomControl*>(control(c, "hscrollbar"));
             s->RTPoint = s->LTPoint;
         },
         "[hscrollbar] the left and right points leave no part to tile"},
        {"a system colour", [](TlxSkinContent& c) { c.SkinColors()->SetcWindow(clWindow); },
         "[SKINCOLORS] cwindow: a system colour"},
    };
    for (const Case& c : cases) {
        TlxSkinContent content;
        ASSERT_TRUE(list.Skins()->GetItem(0)->Skin()->ReadContent(content));
        c.breakIt(content);
        const std::string problems = Joined(Problems(content));
        EXPECT_NE(problems.find(c.expected), std::string::npos) << c.fault << ":\n" << problems;
    }
}

// The contact sheets in resources/skins/sheets are what skintool draws of the skins now
// (scripts/update-skin-sheets draws them anew).
TEST(Skingen, TheCommittedContactSheetsAreCurrent) {
    TTempFolder out;
    for (const auto& e : fs::directory_iterator(DUVA_GENERATED_SKINS)) {
        if (e.path().extension() != ".skn") continue;
        const std::string name = e.path().stem().string();
        const std::string png = out.Path() + name + ".png";
        const SkintoolRun run =
            RunCommand(std::string(DUVA_SKINTOOL) + " render " + e.path().string() + " " + png);
        ASSERT_EQ(run.Status, 0) << run.Output;
        EXPECT_TRUE(FileBytes(png) == FileBytes(std::string(DUVA_SOURCE_SKINS) + "/" + name + ".png"))
            << name << ": run scripts/update-skin-sheets";
    }
}

// A skin that lacks most descriptions still gets a sheet of what it has.
TEST(Skingen, AContactSheetLeavesOutWhatASkinLacks) {
    TlxCompressedSkinList list(nullptr);
    LoadEmbeddedSkinList(list);
    TlxSkinContent content;
    ASSERT_TRUE(list.Skins()->GetItem(2)->Skin()->ReadContent(content));
    content.CtrlList.resize(3);
    content.ObjectList.clear();
    content.FActivePictures.resize(1);
    content.FActivePicturesNames.Clear();
    content.FActivePicturesNames.Add("controls.bmp");
    content.PopupWindow->WindowPictureIndex = content.HintWindow->WindowPictureIndex = -1;
    TTempFolder out;
    StoreSkinToDisk(out.Path() + "skin.ini", content);
    const SkintoolRun run =
        RunCommand(std::string(DUVA_SKINTOOL) + " render " + out.Path() + " " + out.Path() + "s.png");
    EXPECT_EQ(run.Status, 0) << run.Output;
    EXPECT_GT(FileBytes(out.Path() + "s.png").size(), 1000u);
}
