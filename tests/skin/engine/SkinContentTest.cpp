#include "SkinFixtures.h"

#include "platform/base/Exception.h"
#include "platform/base/IniFile.h"
#include "skin/engine/SkinError.h"
#include "skin/engine/SkinFolder.h"

#include <gtest/gtest.h>

#include <typeinfo>

namespace {

TMemIniFile Ini(const std::string& text) {
    TMemIniFile ini("");
    ini.SetText(text);
    return ini;
}

TlxSkinContent Read(const std::string& text) {
    TMemIniFile ini = Ini(text);
    TlxSkinContent content;
    content.ReadSkinIni(ini);
    return content;
}

// "name:Class" of every description of a list.
template <typename T> std::vector<std::string> Listed(const std::vector<std::unique_ptr<T>>& list) {
    std::vector<std::string> names;
    for (const auto& d : list)
        names.push_back(d->IDName + ":" + d->ClassName());
    return names;
}

} // namespace

TEST(TlxSkinContent, WhichFilesAreSkinDescriptions) {
    struct {
        std::string text;
        bool expected;
    } cases[] = {
        {SkinText(), true},
        {"[version]\r\nver=1\r\n[pictures]\r\na=1\r\n[forminfo]\r\nb=1\r\n[skinobjects]\r\ncount=0\r\n"
         "[skincontrols]\r\ncount=0\r\n",
         true},
        {SkinText("", "count=0\r\n", "count=0\r\n", ""), false},
        {"[VERSION]\r\nver=1\r\n[PICTURES]\r\na=1\r\n[FORMINFO]\r\nb=1\r\n[SKINOBJECTS]\r\ncount=0\r\n",
         false},
        {"", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsSkinDescription(Ini(c.text)), c.expected) << c.text;
}

TEST(TlxSkinContent, EntryListsCreateTheClassesOfTheirKindWords) {
    struct {
        const char* controls;
        std::vector<std::string> expected;
    } cases[] = {
        {"count=1\r\n0=edit\r\n", {}},
        {"count=1\r\n0=e1:Edit\r\n", {}},
        {"count=1\r\n0=e1:edit\r\n", {"e1:TlxDataSkinEditControl"}},
        {"count=1\r\n0=a:b:edit\r\n", {}},
        {"count=2\r\n0=a:edit\r\n1=b:memo\r\n2=c:label\r\n",
         {"a:TlxDataSkinEditControl", "b:TlxDataSkinMemoControl"}},
        {"count=2\r\n0=a:frobnicator\r\n1=b:edit\r\n", {"b:TlxDataSkinEditControl"}},
        {"0=a:edit\r\n", {}},
        {"count=3\r\n2=c:bevel\r\n0=a:button\r\n", {"a:TlxDataSkinButtonControl", "c:TlxDataSkinBevel"}},
        {"count=2000000000\r\n0=a:slider\r\n", {"a:TlxDataSkinSlider"}},
        {"count=2\r\n00=a:slider\r\n1=:slider\r\n", {":TlxDataSkinSlider"}},
    };
    for (const auto& c : cases) {
        TlxSkinContent content = Read(SkinText("", "count=0\r\n", c.controls));
        EXPECT_EQ(Listed(content.CtrlList), c.expected) << c.controls;
    }

    // "button" names a different class in each list; each entry reads the
    // section of its name.
    TlxSkinContent content = Read(SkinText("[b]\r\nfontheight=30\r\ndownrect=1,2,3,4\r\n",
                                           "count=1\r\n0=b:button\r\n", "count=1\r\n0=b:button\r\n"));
    EXPECT_EQ(Listed(content.ObjectList), std::vector<std::string>{"b:TlxDataSkinButton"});
    EXPECT_EQ(Listed(content.CtrlList), std::vector<std::string>{"b:TlxDataSkinButtonControl"});
    EXPECT_EQ(static_cast<TlxDataSkinButton&>(*content.ObjectList[0]).DownRect, (TRect{1, 2, 3, 4}));
    EXPECT_EQ(static_cast<TlxDataSkinButtonControl&>(*content.CtrlList[0]).FontHeight, 30);
}

TEST(TlxSkinContent, LookupsAreExactAndTheFirstNameWins) {
    TlxSkinContent content = Read(SkinText("[Edit]\r\nfontheight=20\r\n", "count=1\r\n0=cap:caption\r\n",
                                           "count=3\r\n0=Edit:edit\r\n1=Edit:memo\r\n2=x:bevel\r\n"));
    EXPECT_EQ(content.GetControlIndex("Edit"), 0);
    EXPECT_EQ(content.GetControlIndex("edit"), -1);
    EXPECT_EQ(content.GetControlIndex("x"), 2);
    EXPECT_EQ(content.GetControlIndex("cap"), -1);
    EXPECT_EQ(content.GetIndex("cap"), 0);
    EXPECT_EQ(content.GetIndex("Cap"), -1);
    // Sections are found without case: both "Edit" descriptions read [Edit].
    EXPECT_EQ(static_cast<TlxDataSkinMemoControl&>(*content.CtrlList[1]).FontHeight, 20);
}

TEST(TlxSkinContent, FormInfoCorrections) {
    struct {
        const char* name;
        const char* mask;
        std::string formInfo;
        TRect maskRectArea;
        TPoint lt, rt, lb, rb, hitLt, hitRb;
    } cases[] = {
        {"mask without area takes the client rectangle",
         "m.bmp",
         "clientrect=5,6,50,60\r\n",
         {5, 6, 50, 60},
         {},
         {},
         {},
         {},
         {},
         {}},
        {"mask area grows to hold the client rectangle",
         "m.bmp",
         "clientrect=5,6,50,60\r\nmaskrectarea=10,2,40,70\r\n",
         {5, 2, 50, 70},
         {},
         {},
         {},
         {},
         {},
         {}},
        {"no mask: area and hit-test points as read",
         "",
         "clientrect=5,6,50,60\r\nmaskrectarea=10,2,40,70\r\nlefttoppoint=3,3\r\nrightbottompoint=3,50\r\n",
         {10, 2, 40, 70},
         {3, 3},
         {},
         {},
         {3, 50},
         {},
         {}},
        {"with a mask, a hit-test point with a zero coordinate takes its corner",
         "m.bmp",
         "lefttoppoint=3,4\r\nrightbottompoint=3,9\r\nhittestlefttoppoint=0,7\r\nhittestrightbottompoint=8,"
         "8\r\n",
         {},
         {3, 4},
         {},
         {},
         {3, 9},
         {3, 4},
         {8, 8}},
        {"corner points pushed towards the client rectangle",
         "",
         "clientrect=10,10,90,90\r\nlefttoppoint=2,3\r\nrighttoppoint=95,4\r\nleftbottompoint=1,99\r\n"
         "rightbottompoint=97,98\r\n",
         {},
         {10, 10},
         {90, 10},
         {10, 90},
         {90, 90},
         {},
         {}},
        {"with a mask the hit-test points take the corner points as pushed",
         "m.bmp",
         "clientrect=10,10,90,90\r\nlefttoppoint=2,3\r\nrighttoppoint=95,4\r\nleftbottompoint=1,99\r\n"
         "rightbottompoint=97,98\r\n",
         {10, 10, 90, 90},
         {10, 10},
         {90, 10},
         {10, 90},
         {90, 90},
         {10, 10},
         {90, 90}},
        {"equal X of the left-top and right-bottom points: points stay",
         "",
         "clientrect=10,10,90,90\r\nlefttoppoint=2,3\r\nrightbottompoint=2,98\r\n",
         {},
         {2, 3},
         {},
         {},
         {2, 98},
         {},
         {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TlxSkinContent content = Read(
            SkinText("", "count=0\r\n", "count=0\r\n", c.formInfo, std::string("mask=") + c.mask + "\r\n"));
        EXPECT_EQ(content.MaskRectArea, c.maskRectArea);
        EXPECT_EQ(content.LTPoint, c.lt);
        EXPECT_EQ(content.RTPoint, c.rt);
        EXPECT_EQ(content.LBPoint, c.lb);
        EXPECT_EQ(content.RBPoint, c.rb);
        EXPECT_EQ(content.HitTestLTPoint, c.hitLt);
        EXPECT_EQ(content.HitTestRBPoint, c.hitRb);
    }
}

TEST(TlxSkinContent, PictureNamesMustBePlainFileNames) {
    for (const char* bad : {"../up.bmp", "/etc/passwd", "sub/a.bmp", "..", ".", "a\\b.bmp"}) {
        EXPECT_THROW(Read(SkinText("", "count=0\r\n", "count=0\r\n", "borderwidth=0\r\n",
                                   std::string("picture=") + bad + "\r\n")),
                     ESkinError)
            << bad;
        EXPECT_THROW(Read(SkinText("", "count=0\r\n", "count=0\r\n", "borderwidth=0\r\n",
                                   std::string("activepicturescount=1\r\n0=") + bad + "\r\n")),
                     ESkinError)
            << bad;
    }
    // An empty frame picture name means none; an empty numbered one is an error.
    EXPECT_NO_THROW(
        Read(SkinText("", "count=0\r\n", "count=0\r\n", "borderwidth=0\r\n", "picture=\r\nmask=\r\n")));
    EXPECT_THROW(
        Read(SkinText("", "count=0\r\n", "count=0\r\n", "borderwidth=0\r\n", "activepicturescount=1\r\n")),
        ESkinError);
    EXPECT_THROW(Read(SkinText("", "count=0\r\n", "count=0\r\n", "borderwidth=0\r\n",
                               "activepicturescount=2000000000\r\n0=a.bmp\r\n")),
                 ESkinError);
    TlxSkinContent ok =
        Read(SkinText("", "count=0\r\n", "count=0\r\n", "borderwidth=0\r\n",
                      "picture=frame.bmp\r\nactivepicturescount=2\r\n0=a.bmp\r\n1=b..c.bmp\r\n"));
    EXPECT_EQ(ok.FPictureName, "frame.bmp");
    EXPECT_EQ(ok.FActivePicturesNames.Count(), 2);
}

TEST(TlxSkinContent, ABadValueFailsTheRead) {
    EXPECT_THROW(Read(SkinText("[e]\r\nskinrect=1,2,x,4\r\n", "count=0\r\n", "count=1\r\n0=e:edit\r\n")),
                 EConvertError);
    EXPECT_THROW(Read(SkinText("", "count=0\r\n", "count=0\r\n", "clientrect=1,2,3,4,5\r\n")), EConvertError);
}

TEST(TlxSkinContent, WriterRefusesNamesThatWouldNotReadBack) {
    struct {
        const char* name;
        std::function<void(TlxSkinContent&)> change;
    } cases[] = {
        {"colon", [](TlxSkinContent& c) { c.CtrlList[0]->IDName = "a:b"; }},
        {"bracket", [](TlxSkinContent& c) { c.CtrlList[0]->IDName = "[a]"; }},
        {"equals", [](TlxSkinContent& c) { c.CtrlList[0]->IDName = "a=b"; }},
        {"semicolon", [](TlxSkinContent& c) { c.ObjectList[0]->IDName = ";a"; }},
        {"leading blank", [](TlxSkinContent& c) { c.CtrlList[0]->IDName = " a"; }},
        {"trailing blank", [](TlxSkinContent& c) { c.CtrlList[0]->IDName = "a "; }},
        {"empty", [](TlxSkinContent& c) { c.CtrlList[0]->IDName = ""; }},
        {"fixed section", [](TlxSkinContent& c) { c.CtrlList[0]->IDName = "SkinColors"; }},
        {"same name ignoring case", [](TlxSkinContent& c) { c.CtrlList[0]->IDName = "CAP"; }},
        {"same name in one list", [](TlxSkinContent& c) { c.CtrlList[1]->IDName = "Edit"; }},
        {"class without kind word",
         [](TlxSkinContent& c) { c.ObjectList.push_back(std::make_unique<TlxDataSkinObject>("plain")); }},
        {"line break in a text", [](TlxSkinContent& c) { c.ObjectList[0]->Hint = "a\r\nb=c"; }},
        {"line break in the skin name", [](TlxSkinContent& c) { c.SkinName = "x\n[VERSION]"; }},
        {"picture name with a folder", [](TlxSkinContent& c) { c.FMaskName = "../mask.bmp"; }},
        {"numbered picture name with a folder",
         [](TlxSkinContent& c) { c.FActivePicturesNames.Add("a/b.bmp"); }},
        {"negative coordinate",
         [](TlxSkinContent& c) {
             c.CtrlList[0]->SkinRect = {-1, 0, 5, 5};
         }},
        {"negative point",
         [](TlxSkinContent& c) {
             c.RBPoint = {3, -3};
         }},
    };
    TempFolder folder;
    const std::string file = folder.File("skin.ini");
    const std::string original = SkinText("[keep]\r\nk=v\r\n", "count=1\r\n0=cap:caption\r\n",
                                          "count=2\r\n0=Edit:edit\r\n1=other:bevel\r\n");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WriteTextFile(file, original);
        TlxSkinContent content;
        ASSERT_TRUE(LoadSkinFolder(file, content, nullptr));
        c.change(content);
        EXPECT_THROW(SaveSkinFolder(file, content), ESkinError);
        EXPECT_EQ(ReadTextFile(file), original) << "the file is untouched";
    }
}

TEST(TlxSkinContent, SavingOverAFileKeepsItsOtherSections) {
    TempFolder folder;
    const std::string file = folder.File("skin.ini");
    WriteTextFile(file, SkinText("[unrelated]\r\nkeep=yes\r\n[gone]\r\nfontheight=3\r\n[e]\r\nstray=1\r\n",
                                 "count=0\r\n", "count=2\r\n0=gone:edit\r\n1=e:edit\r\n"));
    TlxSkinContent content;
    ASSERT_TRUE(LoadSkinFolder(file, content, nullptr));
    content.CtrlList.erase(content.CtrlList.begin());
    SaveSkinFolder(file, content);

    TMemIniFile saved(file);
    EXPECT_EQ(saved.ReadString("unrelated", "keep", ""), "yes");
    EXPECT_EQ(saved.ReadString("gone", "fontheight", ""), "3") << "an unlisted description's section stays";
    EXPECT_FALSE(saved.ValueExists("e", "stray"));
    EXPECT_EQ(saved.ReadInteger("SKINCONTROLS", "count", -1), 1);
    EXPECT_EQ(saved.ReadString("SKINCONTROLS", "0", ""), "e:edit");
    EXPECT_FALSE(saved.ValueExists("SKINCONTROLS", "1"));
}

TEST(TlxSkinContent, LoadSkinFolderReadsEveryPicture) {
    TempFolder folder;
    const std::string file = folder.File("skin.ini");
    WriteTextFile(file, SkinText("", "count=0\r\n", "count=0\r\n", "borderwidth=0\r\n",
                                 "picture=f.bmp\r\ninactivepicture=\r\nmask=m.bmp\r\n"
                                 "activepicturescount=2\r\n0=a.bmp\r\n1=b.bmp\r\n"));
    // The reader marks each bitmap with a size of its call's number.
    std::vector<std::string> calls;
    TlxSkinContent content;
    ASSERT_TRUE(LoadSkinFolder(file, content, [&](const std::string& path, TBitmap& bitmap) {
        calls.push_back(path);
        bitmap.SetSize(int(calls.size()), 1);
    }));
    const std::string dir = folder.Path() + "/";
    EXPECT_EQ(calls, (std::vector<std::string>{dir + "f.bmp", dir + "m.bmp", dir + "a.bmp", dir + "b.bmp"}));
    EXPECT_EQ(content.FPicture->Width(), 1);
    EXPECT_TRUE(content.FInActivePicture->Empty());
    EXPECT_EQ(content.FMask->Width(), 2);
    ASSERT_EQ(content.FActivePictures.size(), 2u);
    EXPECT_EQ(content.ActivePicture(0)->Width(), 3);
    EXPECT_EQ(content.ActivePicture(1)->Width(), 4);
    for (int index : {-1, 2, -2, 1000000})
        EXPECT_EQ(content.ActivePicture(index), nullptr) << index;

    // Not a skin description (or no file): false, nothing read.
    WriteTextFile(file, "[VERSION]\r\nver=1\r\n");
    TlxSkinContent untouched;
    untouched.SkinName = "before";
    EXPECT_FALSE(LoadSkinFolder(file, untouched, nullptr));
    EXPECT_FALSE(LoadSkinFolder(folder.File("missing.ini"), untouched, nullptr));
    EXPECT_EQ(untouched.SkinName, "before");

    // A loader error passes to the caller.
    WriteTextFile(file, SkinText("", "count=0\r\n", "count=0\r\n", "borderwidth=0\r\n", "picture=f.bmp\r\n"));
    TlxSkinContent failing;
    EXPECT_THROW(
        LoadSkinFolder(file, failing,
                       [](const std::string& path, TBitmap&) { throw EFOpenError("cannot open " + path); }),
        EFOpenError);
}

TEST(TlxSkinContent, ClearingAndMovingAWholeSkin) {
    TlxSkinContent staged = Read(SkinText(
        "[LAYERFRAME]\r\npictureindex=0\r\n[POPUPWINDOW]\r\nwindowpictureindex=0\r\nitemsrect=1,1,5,5\r\n",
        "count=1\r\n0=cap:caption\r\n", "count=1\r\n0=e:edit\r\n", "borderwidth=7\r\n",
        "picture=f.bmp\r\nmask=m.bmp\r\nactivepicturescount=1\r\n0=a.bmp\r\n"));
    staged.FActivePictures.push_back(std::make_unique<TBitmap>(2, 2));
    staged.FPicture->SetSize(3, 3);
    TlxDataSkinControl* edit = staged.CtrlList[0].get();

    // A load moves the staged skin in; the descriptions move with it.
    TlxSkinContent live;
    live = std::move(staged);
    EXPECT_EQ(live.CtrlList[0].get(), edit);
    EXPECT_EQ(live.BorderW, 7);
    EXPECT_EQ(live.SkinColors()->cBtnFace(), clBtnFace);

    live.ClearAll();
    EXPECT_TRUE(live.ObjectList.empty());
    EXPECT_TRUE(live.CtrlList.empty());
    EXPECT_EQ(live.FActivePicturesNames.Count(), 0);
    EXPECT_EQ(live.ActivePicture(0), nullptr);
    EXPECT_TRUE(live.FPicture->Empty());
    EXPECT_EQ(live.FPictureName, "");
    EXPECT_EQ(live.FMaskName, "");
    EXPECT_EQ(live.LayerFrame->PictureIndex, -1);
    EXPECT_EQ(live.PopupWindow->WindowPictureIndex, -1);
    EXPECT_EQ(live.PopupWindow->ItemsRect, (TRect{1, 1, 5, 5})) << "other window values stay";
    EXPECT_EQ(live.BorderW, 7) << "form-frame values stay until the next load";

    TlxSkinContent fresh;
    EXPECT_EQ(fresh.SkinColors()->cBtnFace(), 0) << "a fresh colour set holds zeros";
    EXPECT_EQ(fresh.BGPictureIndex, -1);
    EXPECT_EQ(fresh.GetControlIndex("anything"), -1);
}
