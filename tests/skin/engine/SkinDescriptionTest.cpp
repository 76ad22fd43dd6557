#include "SkinTestSubjects.h"

#include "platform/base/Exception.h"
#include "skin/engine/SkinKinds.h"

#include <gtest/gtest.h>

#include <map>

namespace {

std::map<std::string, std::string> TextsByKey(const TlxFieldList& fields) {
    std::map<std::string, std::string> texts;
    for (const TlxField& f : fields)
        texts[f.Key] = FieldText(f);
    return texts;
}

std::unique_ptr<SkinSubject> MakeSubject(const std::string& label) {
    for (const SkinSubjectKind& k : AllSkinSubjects())
        if (k.Label == label) return k.Make();
    ADD_FAILURE() << "no subject " << label;
    return nullptr;
}

TMemIniFile Ini(const std::string& text) {
    TMemIniFile ini("");
    ini.SetText(text);
    return ini;
}

template <typename T> std::unique_ptr<T> Loaded(const char* kind, const std::string& text) {
    TMemIniFile ini = Ini(text);
    std::unique_ptr<TlxSkinDescription> d;
    if constexpr (std::is_base_of_v<TlxDataSkinControl, T>)
        d = CreateSkinControl(kind, "d");
    else
        d = CreateSkinObject(kind, "d");
    d->LoadFromFile(ini);
    auto* typed = dynamic_cast<T*>(d.get());
    EXPECT_NE(typed, nullptr) << kind;
    d.release();
    return std::unique_ptr<T>(typed);
}

} // namespace

TEST(TlxSkinDescription, EveryClassAppliesItsDefaultColumns) {
    for (const SkinSubjectKind& kind : AllSkinSubjects()) {
        SCOPED_TRACE(kind.Label);
        auto fresh = kind.Make();
        for (const TlxField& f : fresh->Fields())
            EXPECT_EQ(FieldText(f), DefaultText(f, false)) << f.Key;

        auto loaded = kind.Make();
        TMemIniFile empty("");
        loaded->Load(empty);
        for (const TlxField& f : loaded->Fields())
            EXPECT_EQ(FieldText(f), DefaultText(f, true)) << f.Key;
    }
}

// The defaults the description rules single out, checked against the field
// tables: the value of a missing key, then the value of a fresh object.
TEST(TlxSkinDescription, NamedDefaultsOfMissingKeysAndFreshObjects) {
    struct {
        const char* subject;
        const char* key;
        const char* read;
        const char* init;
    } cases[] = {
        {"TlxDataSkinControl", "pictureindex", "-1", "-1"},
        {"TlxDataSkinControl", "maskpictureindex", "-1", "-1"},
        {"TlxDataSkinCustomControl", "stretchtype", "stfull", "stfull"},
        {"control button", "fontname", "Arial", "Arial"},
        {"control button", "fontheight", "14", "12"},
        {"control button", "animateinterval", "25", "0"},
        {"control button", "glowlayeralphablendvalue", "255", "255"},
        {"control button", "glowlayerpictureindex", "-1", "-1"},
        {"control button", "morphkind", "mkdefault", "mkdefault"},
        {"control panel", "alignment", "tacenter", "tacenter"},
        {"control panel", "grippertransparentcolor", "0", "16711935"},
        {"control stdlabel", "activefontcolor", "16711680", "16711680"},
        {"control gauge", "fontheight", "14", "14"},
        {"control controlbar", "itemoffset1", "3", "0"},
        {"control controlbar", "itemoffset2", "3", "0"},
        {"control scrollbox", "bgpictureindex", "-1", "-1"},
        {"control listbox", "hscrollbarname", "hscrollbar", ""},
        {"control listbox", "vscrollbarname", "vscrollbar", ""},
        {"control listbox", "bothhscrollbarname", "bothhscrollbar", ""},
        {"control checklistbox", "checkimagerect", "0,0,0,0", "0,0,0,0"},
        {"control edit", "fontheight", "14", "12"},
        {"control scrollbar", "thumbtransparentcolor", "0", "16711935"},
        {"control tab", "bgpictureindex", "-1", "-1"},
        {"control grid", "fixedfontname", "Arial", "Arial"},
        {"control treeview", "bgcolor", "0", "16777215"},
        {"control richedit", "bgcolor", "0", "16777215"},
        {"object stdbutton", "command", "cmdefault", "cmclose"},
        {"object animate", "countframes", "1", "0"},
        {"object animate", "timerinterval", "50", "0"},
        {"object caption", "fontname", "Arial", ""},
        {"object caption", "fontheight", "14", "0"},
        {"object caption", "alignment", "tacenter", "taleftjustify"},
        {"object caption", "glowsize", "3", "0"},
        {"object menuitem", "animateinterval", "25", "0"},
        {"object button", "glowlayeralphablendvalue", "255", "255"},
        {"object button", "activepictureindex", "-1", "-1"},
        {"LAYERFRAME", "alphablendvalue", "255", "255"},
        {"LAYERFRAME", "pictureindex", "-1", "-1"},
        {"POPUPWINDOW", "windowpictureindex", "-1", "-1"},
        {"HINTWINDOW", "fontheight", "14", "12"},
        {"SKINCOLORS", "cbtnface", "-16777201", "0"},
        {"SKINCOLORS", "cbtnhighlight", "-16777196", "0"},
        {"FORMINFO", "bgpictureindex", "-1", "-1"},
        {"FORMINFO", "inactiveeffect", "iebrightness", "iebrightness"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.subject) + " " + c.key);
        auto fresh = MakeSubject(c.subject);
        auto loaded = MakeSubject(c.subject);
        TMemIniFile empty("");
        loaded->Load(empty);
        auto freshTexts = TextsByKey(fresh->Fields());
        auto loadedTexts = TextsByKey(loaded->Fields());
        ASSERT_TRUE(freshTexts.count(c.key));
        EXPECT_EQ(loadedTexts[c.key], c.read);
        EXPECT_EQ(freshTexts[c.key], c.init);
    }
}

// A generated section sets every key of a class to a value that is neither
// of its defaults; loading it gives those values, and saving and reloading
// gives them again.
TEST(TlxSkinDescription, EveryKeyOfEveryClassSurvivesLoadSaveReload) {
    for (const SkinSubjectKind& kind : AllSkinSubjects()) {
        SCOPED_TRACE(kind.Label);
        auto source = kind.Make();
        TlxFieldList fields = source->Fields();
        ASSERT_FALSE(fields.empty());
        for (size_t i = 0; i < fields.size(); ++i)
            SetNonDefault(fields[i], int(i));
        if (kind.Label == "FORMINFO") {
            // A client rectangle that holds every corner point, so the
            // corrections of the corner points change nothing.
            for (const TlxField& f : fields)
                if (f.Key == "clientrect") f.As<TRect>() = {0, 0, 5000, 5000};
        }

        TMemIniFile fixture("");
        fixture.WriteString("unrelated", "key", "value");
        for (const TlxField& f : fields)
            fixture.WriteString(source->Section(), f.Key, FieldText(f));

        auto expected = TextsByKey(fields);
        // Values the classes fix whatever the file says.
        if (kind.Label == "control updown")
            for (const char* key : {"lefttoppoint", "righttoppoint", "leftbottompoint", "rightbottompoint"})
                expected[key] = "0,0";
        if (kind.Label == "control updown") expected["clientrect"] = "0,0,0,0";
        if (kind.Label == "object animate") expected["morphing"] = "0";

        auto first = kind.Make();
        first->Load(fixture);
        EXPECT_EQ(TextsByKey(first->Fields()), expected);

        TMemIniFile saved("");
        first->Save(saved);
        TStringList keys;
        saved.ReadSection(source->Section(), keys);
        EXPECT_EQ(size_t(keys.Count()), fields.size()) << "writes exactly the keys it reads";

        auto second = kind.Make();
        second->Load(saved);
        EXPECT_EQ(TextsByKey(second->Fields()), expected) << FieldsText(second->Fields());
    }
}

TEST(TlxSkinDescription, SaveErasesTheSectionFirst) {
    TMemIniFile ini = Ini("[d]\r\nstray=1\r\nfontheight=20\r\n[other]\r\nk=v\r\n");
    TlxDataSkinLabelControl label("d");
    label.SaveToFile(ini);
    EXPECT_FALSE(ini.ValueExists("d", "stray"));
    EXPECT_EQ(ini.ReadString("d", "fontheight", ""), "12");
    EXPECT_EQ(ini.ReadString("other", "k", ""), "v");
}

TEST(TlxSkinDescription, BadValuesOfASection) {
    // A rectangle without digits fails the load; an unreadable integer gives
    // its default; unknown keys are ignored.
    TMemIniFile bad = Ini("[d]\r\nskinrect=a,b,c,d\r\n");
    TlxDataSkinButtonControl button("d");
    EXPECT_THROW(button.LoadFromFile(bad), EConvertError);

    auto b = Loaded<TlxDataSkinButtonControl>(
        "button", "[d]\r\nanimateinterval=fast\r\nframecount=$10\r\nfontstyle=bold\r\nsitemrect=1,1,1,1\r\n");
    EXPECT_EQ(b->AnimateInterval, 25);
    EXPECT_EQ(b->FrameCount, 16);
    EXPECT_TRUE(b->FontStyle.Empty());
}

TEST(TlxSkinDescription, KeysThatDifferFromTheFieldNames) {
    auto list = Loaded<TlxDataSkinListBox>("listbox", "[d]\r\nitemrect=1,2,3,4\r\nsitemrect=5,6,7,8\r\n"
                                                      "bothhscrollbarname=\r\nhscrollbarname=\r\n");
    EXPECT_EQ(list->SItemRect, (TRect{1, 2, 3, 4}));
    EXPECT_EQ(list->BothScrollBarName, "");
    EXPECT_EQ(list->HScrollBarName, "");
    EXPECT_EQ(list->VScrollBarName, "vscrollbar");
    TMemIniFile out("");
    list->BothScrollBarName = "corner";
    list->SaveToFile(out);
    EXPECT_EQ(out.ReadString("d", "bothhscrollbarname", ""), "corner");
    EXPECT_FALSE(out.ValueExists("d", "bothscrollbarname"));

    auto caption = Loaded<TlxDataSkinCaption>("caption", "[d]\r\nreflactioncolor=5\r\nreflectioncolor=6\r\n"
                                                         "reflactionactivecolor=7\r\ntextrect=1,1,2,2\r\n");
    EXPECT_EQ(caption->ReflectionColor, 5);
    EXPECT_EQ(caption->ReflectionActiveColor, 7);
    EXPECT_EQ(caption->TextRct, (TRect{1, 1, 2, 2}));

    auto button = Loaded<TlxDataSkinButton>("button", "[d]\r\ndisableskinrsect=1,2,3,4\r\n");
    EXPECT_EQ(button->DisableSkinRect, (TRect{1, 2, 3, 4}));

    auto item = Loaded<TlxDataSkinMainMenuBarItem>("mainmenubaritem", "[d]\r\nunenabledfontcolor=9\r\n");
    EXPECT_EQ(item->UnEnabledFontColor, 9);
}

TEST(TlxSkinDescription, UpDownHasNoFrameGeometry) {
    auto updown = Loaded<TlxDataSkinUpDownControl>(
        "updown", "[d]\r\nlefttoppoint=3,4\r\nrightbottompoint=5,6\r\nclientrect=1,2,3,4\r\nuprect=1\r\n"
                  "upbuttonrect=1,2,3,4\r\n");
    EXPECT_EQ(updown->LTPoint, TPoint{});
    EXPECT_EQ(updown->RBPoint, TPoint{});
    EXPECT_EQ(updown->ClRect, TRect{});
    EXPECT_EQ(updown->UpButtonRect, (TRect{1, 2, 3, 4}));

    updown->LTPoint = {7, 7};
    updown->ClRect = {1, 1, 9, 9};
    TMemIniFile out("");
    updown->SaveToFile(out);
    EXPECT_EQ(out.ReadString("d", "lefttoppoint", ""), "0,0");
    EXPECT_EQ(out.ReadString("d", "clientrect", ""), "0,0,0,0");
}

TEST(TlxSkinDescription, FrameObjectCorrectionsAfterReading) {
    // Restore hints: exact hints only, and only while the key left it empty.
    struct {
        const char* section;
        const char* restoreHint;
    } hints[] = {
        {"hint=Maximize\r\ncommand=cmmaximize\r\n", "Restore"},
        {"hint=maximize\r\ncommand=cmmaximize\r\n", ""},
        {"hint=Minimize\r\ncommand=cmminimize\r\n", "Restore"},
        {"hint=Roll Up\r\ncommand=cmrollup\r\n", "Restore"},
        {"hint=RollUp\r\ncommand=cmrollup\r\n", "Restore"},
        {"hint=Maximize\r\ncommand=cmminimize\r\n", ""},
        {"hint=Maximize\r\ncommand=cmmaximize\r\nrestorehint=Back\r\n", "Back"},
    };
    for (const auto& h : hints) {
        std::string text = std::string("[d]\r\n") + h.section;
        EXPECT_EQ(Loaded<TlxDataSkinStdButton>("stdbutton", text)->RestoreHint, h.restoreHint) << h.section;
        EXPECT_EQ(Loaded<TlxDataSkinAnimate>("animate", text)->RestoreHint, h.restoreHint) << h.section;
    }

    EXPECT_EQ(Loaded<TlxDataSkinStdButton>("stdbutton", "[d]\r\nhint=x\r\n")->Command, cmDefault);
    EXPECT_EQ(Loaded<TlxDataSkinStdButton>("stdbutton", "[d]\r\ncommand=CmClose\r\n")->Command,
              cmMinimizeToTray);

    auto animate = Loaded<TlxDataSkinAnimate>("animate", "[d]\r\nmorphing=1\r\n");
    EXPECT_FALSE(animate->Morphing);
    EXPECT_TRUE(Loaded<TlxDataSkinCaption>("caption", "[d]\r\nmorphing=1\r\n")->Morphing);

    auto item = Loaded<TlxDataSkinMenuItem>(
        "menuitem",
        "[d]\r\ncheckimagerect=1,2,3,4\r\nradioimagerect=5,5,9,9\r\nactiveradioimagerect=1,1,1,9\r\n"
        "arrowimagerect=2,2,4,4\r\nactivearrowimagerect=6,6,8,8\r\n");
    EXPECT_EQ(item->ActiveCheckImageRect, (TRect{1, 2, 3, 4}));
    EXPECT_EQ(item->ActiveRadioImageRect, (TRect{5, 5, 9, 9})) << "an empty rectangle is replaced";
    EXPECT_EQ(item->ActiveArrowImageRect, (TRect{6, 6, 8, 8}));

    // A user object reads and writes its skin rectangle only.
    auto user = Loaded<TlxDataUserObject>("userobject",
                                          "[d]\r\nhint=h\r\nactivepictureindex=3\r\nskinrect=1,2,3,4\r\n");
    EXPECT_EQ(user->Hint, "");
    EXPECT_EQ(user->ActivePictureIndex, -1);
    EXPECT_EQ(user->SkinRect, (TRect{1, 2, 3, 4}));
    user->Hint = "changed";
    TMemIniFile out("");
    user->SaveToFile(out);
    TStringList keys;
    out.ReadSection("d", keys);
    ASSERT_EQ(keys.Count(), 1);
    EXPECT_EQ(keys[0], "skinrect");
}

TEST(TlxSkinDescription, MissingSectionGivesTheFileDefaults) {
    TMemIniFile ini = Ini("[other]\r\npictureindex=4\r\n");
    TlxDataSkinButtonControl b("d");
    b.FontHeight = 99;
    b.LoadFromFile(ini);
    EXPECT_EQ(b.PictureIndex, -1);
    EXPECT_EQ(b.FontName, "Arial");
    EXPECT_EQ(b.FontHeight, 14);
    EXPECT_EQ(b.SkinRect, TRect{});
    EXPECT_FALSE(b.ShowFocus);
}
