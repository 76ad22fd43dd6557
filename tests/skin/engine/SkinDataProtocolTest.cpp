#include "SkinDataRecorder.h"
#include "SkinFixtures.h"
#include "SkinStreams.h"

#include "platform/base/MemoryStream.h"
#include "platform/vcl/TComponentReader.h"
#include "platform/vcl/TComponentWriter.h"
#include "skin/engine/CompressedSkinList.h"
#include "skin/engine/CompressedStoredSkin.h"
#include "skin/engine/ResourceStrData.h"

#include <functional>
#include <memory>

namespace {

TlxCompressedStoredSkin* Stored(TComponent* Owner, const std::string& Stream) {
    auto* s = new TlxCompressedStoredSkin(Owner);
    TStringStream in(Stream);
    s->LoadFromCompressStream(in);
    return s;
}

// A skin data object on its form with what the operations below need.
struct World {
    TRecordingForm* Main;
    TlxSkinData* SD;
    TlxCompressedStoredSkin* Initial;
    TlxCompressedStoredSkin* Other;
    TlxCompressedStoredSkin* Blank;
    TlxCompressedStoredSkin* Newer;
    TlxCompressedSkinList* List;
    TlxResourceStrData* Strings;
    TempFolder Folder;
    std::string SkinIni, NoSkinIni, Skn;

    explicit World(TRecordingForm* AMain) : Main(AMain) {
        SD = new TlxSkinData(Main);
        Initial = Stored(Main, NamedSkinStream("Initial"));
        Other = Stored(Main, NamedSkinStream("Other"));
        Blank = new TlxCompressedStoredSkin(Main);
        // A skin image of version 4 inside a sound compressed stream.
        Newer = Stored(Main, Head(3, Deflate(Int(4) + GoodImage().substr(4))));
        List = new TlxCompressedSkinList(Main);
        for (const char* name : {"L0", "L1"}) {
            TStringStream in(NamedSkinStream(name));
            List->Skins()->Add()->Skin()->LoadFromCompressStream(in);
        }
        List->Skins()->Add(); // an empty item
        Strings = new TlxResourceStrData(Main);
        SkinIni = Folder.File("skin.ini");
        WriteTextFile(SkinIni, SkinText("[VERSION]\r\nskinname=Folder\r\n"));
        NoSkinIni = Folder.File("noskin.ini");
        WriteTextFile(NoSkinIni, "[VERSION]\r\nskinname=x\r\n[PICTURES]\r\nactivepicturescount=0\r\n"
                                 "[FORMINFO]\r\nborderwidth=0\r\n[SKINOBJECTS]\r\ncount=0\r\n");
        Skn = Folder.File("other.skn");
        Other->SaveToCompressFile(Skn);
    }
};

} // namespace

TEST_F(TlxSkinDataForms, WhichMessagesEachOperationSends) {
    const std::string BCA = "before, change, after";
    struct Row {
        const char* What;
        bool StartLoaded;
        std::function<void(World&)> Prepare;
        std::function<void(World&)> Act;
        std::string Messages;
        // The skin afterwards: "" empty, else its name.
        std::string After;
    };
    const auto none = [](World&) {};
    const auto withList = [](World& w) { w.SD->SetSkinList(w.List); };
    const Row rows[] = {
        {"LoadFromFile of a skin folder", true, none, [](World& w) { w.SD->LoadFromFile(w.SkinIni); }, BCA,
         "Folder"},
        {"LoadFromFile lacking SKINCONTROLS", true, none, [](World& w) { w.SD->LoadFromFile(w.NoSkinIni); },
         "", "Initial"},
        {"LoadCompressedStoredSkin", true, none, [](World& w) { w.SD->LoadCompressedStoredSkin(w.Other); },
         BCA, "Other"},
        {"LoadCompressedStoredSkin of an empty stored skin", true, none,
         [](World& w) { w.SD->LoadCompressedStoredSkin(w.Blank); }, "", "Initial"},
        {"LoadCompressedStoredSkin of a newer image version", true, none,
         [](World& w) { w.SD->LoadCompressedStoredSkin(w.Newer); }, BCA, ""},
        {"LoadFromCompressedFile", true, none, [](World& w) { w.SD->LoadFromCompressedFile(w.Skn); }, BCA,
         "Other"},
        {"LoadFromCompressedFile of a missing file", true, none,
         [](World& w) { w.SD->LoadFromCompressedFile(w.Folder.File("missing.skn")); }, "", "Initial"},
        {"CompressedStoredSkin", true, none, [](World& w) { w.SD->SetCompressedStoredSkin(w.Other); }, BCA,
         "Other"},
        {"ClearSkin on an empty skin", false, none, [](World& w) { w.SD->ClearSkin(); }, BCA, ""},
        {"ClearSkin on a loaded skin", true, none, [](World& w) { w.SD->ClearSkin(); }, BCA, ""},
        {"SkinIndex unchanged", false, withList, [](World& w) { w.SD->SetSkinIndex(0); }, "", "L0"},
        {"SkinIndex -1", false, withList, [](World& w) { w.SD->SetSkinIndex(-1); }, "", "L0"},
        {"SkinIndex equal to the count", false, withList, [](World& w) { w.SD->SetSkinIndex(3); }, "", "L0"},
        {"SkinIndex of an empty item", false, withList, [](World& w) { w.SD->SetSkinIndex(2); }, "", "L0"},
        {"SkinIndex of another item", false, withList, [](World& w) { w.SD->SetSkinIndex(1); }, BCA, "L1"},
        {"SkinIndex without a list", true, none, [](World& w) { w.SD->SetSkinIndex(1); }, "", "Initial"},
        {"SkinList with a valid index", true, none, [](World& w) { w.SD->SetSkinList(w.List); }, BCA, "L0"},
        {"SkinList with an index out of range", true, [](World& w) { w.SD->SetSkinIndex(7); },
         [](World& w) { w.SD->SetSkinList(w.List); }, "", "Initial"},
        {"ResourceStrData", true, none, [](World& w) { w.SD->SetResourceStrData(w.Strings); }, "resstr",
         "Initial"},
        {"ResourceStrData nil", true, none, [](World& w) { w.SD->SetResourceStrData(nullptr); }, "resstr",
         "Initial"},
        {"SkinnableForm changed", true, none, [](World& w) { w.SD->SetSkinnableForm(false); }, "skinnable",
         "Initial"},
        {"SkinnableForm unchanged", true, none, [](World& w) { w.SD->SetSkinnableForm(true); }, "",
         "Initial"},
        {"ShowLayeredBorders changed", true, none, [](World& w) { w.SD->SetShowLayeredBorders(false); },
         "layered", "Initial"},
        {"ShowLayeredBorders unchanged", true, none, [](World& w) { w.SD->SetShowLayeredBorders(true); }, "",
         "Initial"},
        {"the plain switches", true, none,
         [](World& w) {
             w.SD->SetAnimationForAllWindows(true);
             w.SD->SetEnableSkinEffects(false);
             w.SD->SetShowButtonGlowFrames(false);
             w.SD->SetShowCaptionButtonGlowFrames(false);
         },
         "", "Initial"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.What);
        World w(MakeForm("Main"));
        if (row.StartLoaded) {
            ASSERT_TRUE(w.SD->LoadCompressedStoredSkin(w.Initial));
        }
        row.Prepare(w);
        SkinMessageLog().clear();
        row.Act(w);
        EXPECT_EQ(LoggedMessages(), row.Messages);
        for (const TSkinMessageRecord& r : SkinMessageLog())
            EXPECT_EQ(r.LParam, 1000);
        if (row.After.empty()) {
            EXPECT_TRUE(w.SD->Empty);
            EXPECT_EQ(w.SD->GetControlIndex("BTN"), -1);
        } else {
            EXPECT_FALSE(w.SD->Empty);
            EXPECT_EQ(w.SD->SkinName, row.After);
        }
        EXPECT_FALSE(w.SD->ChangeSkinDataProcess);
        w.Main->Free();
    }
}

TEST_F(TlxSkinDataForms, AListItemThatFailsToLoadKeepsTheSkinAndItsIndex) {
    World w(MakeForm("Main"));
    w.SD->SetSkinList(w.List); // L0, L1, an empty item
    // A corrupt item and a newer one after them.
    TStringStream corrupt(Head(3, "not zlib at all"));
    w.List->Skins()->Add()->Skin()->LoadFromCompressStream(corrupt);
    TStringStream newer(Head(3, Deflate(Int(4) + GoodImage().substr(4))));
    w.List->Skins()->Add()->Skin()->LoadFromCompressStream(newer);
    ASSERT_EQ(w.SD->SkinName, "L0");

    w.SD->SetSkinIndex(1);
    struct {
        int index;
        int keptIndex;
        const char* skin; // "" for no skin
    } steps[] = {
        {2, 1, "L1"},             // empty
        {3, 1, "L1"},             // corrupt
        {0, 0, "L0"}, {4, 4, ""}, // a newer skin empties the skin: the index follows it
        {1, 1, "L1"},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.index);
        w.SD->SetSkinIndex(s.index);
        EXPECT_EQ(w.SD->SkinIndex(), s.keptIndex);
        EXPECT_EQ(w.SD->Empty, *s.skin == '\0');
        if (*s.skin) EXPECT_EQ(w.SD->SkinName, s.skin);
        if (s.keptIndex != s.index) EXPECT_NE(w.SD->LastErrMsg(), "");
    }
    w.Main->Free();
}

TEST_F(TlxSkinDataForms, WhatTheHandlersSee) {
    World w(MakeForm("Main"));
    ASSERT_TRUE(w.SD->LoadCompressedStoredSkin(w.Initial));
    const auto seen = [] {
        std::string out;
        for (const TSkinMessageRecord& r : SkinMessageLog())
            out += SkinMessageName(r.Msg) + " empty=" + std::to_string(r.Empty) +
                   " process=" + std::to_string(r.Process) + " " + r.SkinName +
                   " btn=" + std::to_string(r.ButtonIndex) + "\n";
        SkinMessageLog().clear();
        return out;
    };
    struct {
        const char* What;
        std::function<void()> Act;
        const char* Seen;
    } cases[] = {
        // The old skin is still whole at "before"; the new one at "change".
        {"a load", [&] { w.SD->LoadCompressedStoredSkin(w.Other); },
         "before empty=1 process=1 Initial btn=0\n"
         "change empty=0 process=1 Other btn=0\n"
         "after empty=0 process=0 Other btn=0\n"},
        // Clearing announces while the old descriptions still exist;
        // ChangeSkinDataProcess is not used by a clear.
        {"ClearSkin", [&] { w.SD->ClearSkin(); },
         "before empty=1 process=0 Other btn=0\n"
         "change empty=1 process=0 Other btn=-1\n"
         "after empty=1 process=0 Other btn=-1\n"},
        {"a newer image version",
         [&] {
             w.SD->LoadCompressedStoredSkin(w.Initial);
             SkinMessageLog().clear();
             w.SD->LoadCompressedStoredSkin(w.Newer);
         },
         "before empty=1 process=1 Initial btn=0\n"
         "change empty=1 process=1 Initial btn=-1\n"
         "after empty=1 process=0 Initial btn=-1\n"},
    };
    for (auto& c : cases) {
        SCOPED_TRACE(c.What);
        SkinMessageLog().clear();
        c.Act();
        EXPECT_EQ(seen(), c.Seen);
    }
}

TEST_F(TlxSkinDataForms, TheOrderInWhichFormsHearOfAChange) {
    // Screen order: A, Owner, a layer window, C.
    MakeForm("A");
    TRecordingForm* owner = MakeForm("Owner");
    MakeForm<TlxFormLayerWindow>("Layer");
    MakeForm("C");
    auto* sd = new TlxSkinData(owner);
    TlxCompressedStoredSkin* plain = Stored(owner, NamedSkinStream("Plain"));
    TlxCompressedStoredSkin* layered = Stored(owner, NamedSkinStream("Layered", 0));
    TlxCompressedStoredSkin* layered2 = Stored(owner, NamedSkinStream("Layered2", 0));

    struct {
        const char* What;
        bool ShowLayeredBorders;
        TlxCompressedStoredSkin* From;
        TlxCompressedStoredSkin* To;
        const char* Order;
    } cases[] = {
        {"layered borders off: the owner first", false, layered, layered2,
         "Owner before, A before, C before, Owner change, A change, C change, Owner after, A after, C after"},
        {"layered borders on, no layer picture: screen order", true, plain, plain,
         "A before, Owner before, C before, A change, Owner change, C change, A after, Owner after, C after"},
        {"layered borders on with a layer picture: reversed", true, layered, layered2,
         "C before, Owner before, A before, C change, Owner change, A change, C after, Owner after, A after"},
        // Each message is ordered by the skin in place when it is sent.
        {"from a layered skin to a plain one", true, layered, plain,
         "C before, Owner before, A before, A change, Owner change, C change, A after, Owner after, C after"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        sd->SetShowLayeredBorders(c.ShowLayeredBorders);
        ASSERT_TRUE(sd->LoadCompressedStoredSkin(c.From));
        SkinMessageLog().clear();
        ASSERT_TRUE(sd->LoadCompressedStoredSkin(c.To));
        EXPECT_EQ(LoggedMessages(true), c.Order);
    }
}

TEST_F(TlxSkinDataForms, AChangeStartedInsideAHandlerRunsAfterTheCurrentOne) {
    TRecordingForm* a = MakeForm("A");
    TRecordingForm* b = MakeForm("B");
    auto* sd = new TlxSkinData(a);
    TlxCompressedStoredSkin* first = Stored(a, NamedSkinStream("First"));
    TlxCompressedStoredSkin* second = Stored(a, NamedSkinStream("Second"));
    std::vector<std::string> namesAtAfter;
    bool started = false, nestedResult = false;
    a->OnSkinMessage = [&](TRecordingForm*, uint32_t msg) {
        if (msg == WM_AFTERCHANGESKINDATA && !started) {
            started = true;
            nestedResult = sd->LoadCompressedStoredSkin(second);
        }
    };
    b->OnSkinMessage = [&](TRecordingForm*, uint32_t msg) {
        if (msg == WM_AFTERCHANGESKINDATA) namesAtAfter.push_back(sd->SkinName);
    };
    ASSERT_TRUE(sd->LoadCompressedStoredSkin(first));
    EXPECT_TRUE(nestedResult) << "a sound skin is accepted and applied later";
    EXPECT_EQ(LoggedMessages(true), "A before, B before, A change, B change, A after, B after, "
                                    "A before, B before, A change, B change, A after, B after");
    EXPECT_EQ(namesAtAfter, (std::vector<std::string>{"First", "Second"}));
    EXPECT_EQ(sd->SkinName, "Second");

    // A clear from a "change" handler, and a switch, wait their turn too.
    SkinMessageLog().clear();
    started = false;
    a->OnSkinMessage = [&](TRecordingForm*, uint32_t msg) {
        if (msg == WM_CHANGESKINDATA && !started) {
            started = true;
            sd->ClearSkin();
            sd->SetSkinnableForm(false);
        }
    };
    b->OnSkinMessage = nullptr;
    ASSERT_TRUE(sd->LoadCompressedStoredSkin(first));
    EXPECT_EQ(LoggedMessages(true), "A before, B before, A change, B change, A after, B after, "
                                    "A before, B before, A change, B change, A after, B after, "
                                    "A skinnable, B skinnable");
    EXPECT_TRUE(sd->Empty);
}

TEST_F(TlxSkinDataForms, FormsFreedDuringABroadcastAreSkipped) {
    TRecordingForm* a = MakeForm("A");
    TRecordingForm* b = MakeForm("B");
    TRecordingForm* c = MakeForm("C");
    TRecordingForm* d = MakeForm("D");
    TlxCompressedStoredSkin* skin = Stored(Forms->Items[0], NamedSkinStream("S"));
    auto* sd = new TlxSkinData(a);
    // A frees C; B frees itself from its own handler.
    a->OnSkinMessage = [&](TRecordingForm*, uint32_t msg) {
        if (msg == WM_BEFORECHANGESKINDATA) c->Free();
    };
    b->OnSkinMessage = [&](TRecordingForm* self, uint32_t msg) {
        if (msg == WM_CHANGESKINDATA) self->Free();
    };
    ASSERT_TRUE(sd->LoadCompressedStoredSkin(skin));
    EXPECT_EQ(LoggedMessages(true),
              "A before, B before, D before, A change, B change, D change, A after, D after");

    // The owner of the skin data object goes in a handler: the change still
    // completes, then the object goes with its owner.
    SkinMessageLog().clear();
    TlxCompressedStoredSkin* again = Stored(d, NamedSkinStream("T"));
    a->OnSkinMessage = nullptr;
    d->OnSkinMessage = [&](TRecordingForm*, uint32_t msg) {
        if (msg == WM_BEFORECHANGESKINDATA) a->Free();
    };
    ASSERT_TRUE(sd->LoadCompressedStoredSkin(again));
    EXPECT_EQ(LoggedMessages(true), "A before, D before, D change, D after");
    EXPECT_EQ(Forms->Items.size(), 1u);
}

TEST_F(TlxSkinDataForms, ReferencesAreClearedWhenTheirComponentsGo) {
    TRecordingForm* mine = MakeForm("Mine");
    TRecordingForm* theirs = MakeForm("Theirs");
    auto* sd = new TlxSkinData(mine);
    // Owned by another form: only the removal notice can tell.
    auto* stored = Stored(theirs, NamedSkinStream("S"));
    auto* strings = new TlxResourceStrData(theirs);
    auto* list = new TlxCompressedSkinList(theirs);
    sd->SetCompressedStoredSkin(stored);
    sd->SetResourceStrData(strings);
    sd->SetSkinList(list);
    stored->Free();
    strings->Free();
    list->Free();
    EXPECT_EQ(sd->CompressedStoredSkin(), nullptr);
    EXPECT_EQ(sd->ResourceStrData(), nullptr);
    EXPECT_EQ(sd->SkinList(), nullptr);

    sd->SetCompressedStoredSkin(Stored(theirs, NamedSkinStream("S")));
    sd->SetResourceStrData(new TlxResourceStrData(theirs));
    sd->SetSkinList(new TlxCompressedSkinList(theirs));
    theirs->Free();
    EXPECT_EQ(sd->CompressedStoredSkin(), nullptr);
    EXPECT_EQ(sd->ResourceStrData(), nullptr);
    EXPECT_EQ(sd->SkinList(), nullptr);
    EXPECT_EQ(sd->SkinName, "S") << "the loaded skin stays";
}

TEST_F(TlxSkinDataForms, AFormDescriptionLoadsTheListedSkinOnceAfterReading) {
    TRecordingForm* source = MakeForm("Main");
    auto* list = new TlxCompressedSkinList(source);
    list->SetName("Skins");
    for (const char* name : {"L0", "L1", "L2"}) {
        TStringStream in(NamedSkinStream(name));
        list->Skins()->Add()->Skin()->LoadFromCompressStream(in);
    }
    auto* sd = new TlxSkinData(source);
    sd->SetName("SkinData");
    sd->SetSkinList(list);
    sd->SetSkinIndex(1);
    const std::string text = TComponentWriter::WriteText(source);
    ASSERT_NE(text.find("SkinIndex = 1"), std::string::npos);
    ASSERT_NE(text.find("SkinnableForm = True"), std::string::npos) << "written also at its initial value";
    source->Free();

    SkinMessageLog().clear();
    TRecordingForm* read = MakeForm("");
    bool loadingAtBefore = true;
    read->OnSkinMessage = [&](TRecordingForm*, uint32_t msg) {
        if (msg == WM_BEFORECHANGESKINDATA)
            loadingAtBefore = read->FindComponent("SkinData")->ComponentState().Contains(csLoading);
    };
    TComponentReader::ReadText(read, text);
    auto* readData = dynamic_cast<TlxSkinData*>(read->FindComponent("SkinData"));
    ASSERT_TRUE(readData);
    EXPECT_EQ(LoggedMessages(), "before, change, after");
    EXPECT_FALSE(loadingAtBefore);
    EXPECT_EQ(readData->SkinName, "L1");
    EXPECT_EQ(readData->SkinIndex(), 1);

    // The list first and the index after, as a reader may set them: still
    // one load, once reading is over.
    SkinMessageLog().clear();
    auto* late = new TlxSkinData(read);
    late->BeginLoading();
    late->SetSkinList(readData->SkinList());
    late->SetSkinIndex(2);
    EXPECT_EQ(LoggedMessages(), "");
    late->EndLoading();
    late->Loaded();
    EXPECT_EQ(LoggedMessages(), "before, change, after");
    EXPECT_EQ(late->SkinName, "L2");
}
