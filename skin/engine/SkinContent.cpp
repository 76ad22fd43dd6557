#include "skin/engine/SkinContent.h"

#include "platform/base/IniFile.h"
#include "platform/base/SysUtils.h"
#include "skin/engine/SkinError.h"
#include "skin/engine/SkinKinds.h"
#include "skin/engine/SkinValues.h"

#include <algorithm>
#include <array>
#include <set>

namespace {

constexpr const char* SecVersion = "VERSION";
constexpr const char* SecPictures = "PICTURES";
constexpr const char* SecObjects = "SKINOBJECTS";
constexpr const char* SecControls = "SKINCONTROLS";

const std::array<const char*, 9> FixedSections{SecVersion,
                                               SecPictures,
                                               TlxSkinFormInfo::Section,
                                               TlxDataSkinPopupWindow::Section,
                                               TlxDataSkinLayerFrame::Section,
                                               TlxDataSkinHintWindow::Section,
                                               TlxSkinColors::Section,
                                               SecObjects,
                                               SecControls};

// The canonical entry indexes below count present in a list section, in
// ascending order. Absent entries read as empty and create nothing, so this
// reads the same entries as walking 0 to count-1, without walking a huge count.
std::vector<int> EntryIndexes(TCustomIniFile& ini, const char* section) {
    int count = ini.ReadInteger(section, "count", 0);
    TStringList keys;
    ini.ReadSection(section, keys);
    std::vector<int> indexes;
    for (int i = 0; i < keys.Count(); ++i) {
        const std::string key = keys[i];
        if (key.empty() || key.size() > 10 ||
            !std::all_of(key.begin(), key.end(), [](char c) { return c >= '0' && c <= '9'; }))
            continue;
        if (key.size() > 1 && key[0] == '0') continue;
        long long v = std::stoll(key);
        if (v < count) indexes.push_back(int(v));
    }
    std::sort(indexes.begin(), indexes.end());
    indexes.erase(std::unique(indexes.begin(), indexes.end()), indexes.end());
    return indexes;
}

// Each entry is a name, ":" and a kind word, split at the first colon; an
// entry whose kind word has no class is skipped.
template <typename T, typename Create>
void ReadEntryList(TCustomIniFile& ini, const char* section, std::vector<std::unique_ptr<T>>& list,
                   Create create) {
    for (int i : EntryIndexes(ini, section)) {
        std::string entry = ini.ReadString(section, std::to_string(i), "");
        size_t colon = entry.find(':');
        std::string name, kind;
        if (colon != std::string::npos) {
            name = entry.substr(0, colon);
            kind = entry.substr(colon + 1);
        }
        std::unique_ptr<T> item = create(kind, name);
        if (!item) continue;
        list.push_back(std::move(item));
        list.back()->LoadFromFile(ini);
    }
}

template <typename T>
void WriteEntryList(TCustomIniFile& ini, const char* section, std::vector<std::unique_ptr<T>>& list) {
    ini.EraseSection(section);
    ini.WriteInteger(section, "count", int(list.size()));
    for (size_t i = 0; i < list.size(); ++i) {
        ini.WriteString(section, std::to_string(i), list[i]->IDName + ":" + list[i]->KindWord());
        list[i]->SaveToFile(ini);
    }
}

void CheckDescriptionName(const std::string& name, std::set<std::string>& seen) {
    auto fail = [&](const std::string& why) {
        throw ESkinError("the description name \"" + name + "\" cannot be stored: " + why);
    };
    if (name.empty()) fail("it is empty");
    if (name.find_first_of(":[]=;\r\n") != std::string::npos) fail("it holds one of : [ ] = ;");
    if (Trim(name) != name) fail("it begins or ends with a blank");
    for (const char* fixed : FixedSections)
        if (SameText(name, fixed)) fail("it is the name of a fixed section");
    if (!seen.insert(LowerCase(name)).second) fail("another description has the same name ignoring case");
}

void CheckTexts(const TlxFieldList& fields, const std::string& owner) {
    for (const TlxField& f : fields)
        if (f.Type == TlxFieldType::String && f.As<std::string>().find_first_of("\r\n") != std::string::npos)
            throw ESkinError(owner + ": the text of \"" + f.Key + "\" holds a line break");
}

template <typename T>
void CheckDescriptions(std::vector<std::unique_ptr<T>>& list, std::set<std::string>& seen) {
    for (auto& d : list) {
        CheckDescriptionName(d->IDName, seen);
        if (*d->KindWord() == '\0')
            throw ESkinError("the description \"" + d->IDName + "\" is of class " + d->ClassName() +
                             ", which has no kind word");
        CheckTexts(d->Fields(), d->IDName);
    }
}

} // namespace

TlxSkinContent::TlxSkinContent()
    : FPicture(std::make_unique<TBitmap>()), FInActivePicture(std::make_unique<TBitmap>()),
      FMask(std::make_unique<TBitmap>()), PopupWindow(std::make_unique<TlxDataSkinPopupWindow>()),
      LayerFrame(std::make_unique<TlxDataSkinLayerFrame>()),
      HintWindow(std::make_unique<TlxDataSkinHintWindow>()), FSkinColors(std::make_unique<TlxSkinColors>()) {}

TlxSkinContent::~TlxSkinContent() = default;
TlxSkinContent::TlxSkinContent(TlxSkinContent&&) noexcept = default;
TlxSkinContent& TlxSkinContent::operator=(TlxSkinContent&&) noexcept = default;

int TlxSkinContent::GetControlIndex(std::string_view AIDName) const {
    for (size_t i = 0; i < CtrlList.size(); ++i)
        if (CtrlList[i]->IDName == AIDName) return int(i);
    return -1;
}

int TlxSkinContent::GetIndex(std::string_view AIDName) const {
    for (size_t i = 0; i < ObjectList.size(); ++i)
        if (ObjectList[i]->IDName == AIDName) return int(i);
    return -1;
}

TBitmap* TlxSkinContent::ActivePicture(int Index) const {
    if (Index < 0 || Index >= int(FActivePictures.size())) return nullptr;
    return FActivePictures[size_t(Index)].get();
}

void TlxSkinContent::ClearObjects() {
    ObjectList.clear();
    CtrlList.clear();
    FActivePictures.clear();
    LayerFrame->PictureIndex = -1;
    PopupWindow->WindowPictureIndex = -1;
    HintWindow->WindowPictureIndex = -1;
    FActivePicturesNames.Clear();
    FSkinColors->SetColorsToDefault();
}

void TlxSkinContent::ClearAll() {
    ClearObjects();
    FPicture = std::make_unique<TBitmap>();
    FInActivePicture = std::make_unique<TBitmap>();
    FMask = std::make_unique<TBitmap>();
    FPictureName.clear();
    FInActivePictureName.clear();
    FMaskName.clear();
}

void TlxSkinContent::ReadSkinIni(TCustomIniFile& IniFile) {
    ClearAll();

    SkinName = IniFile.ReadString(SecVersion, "skinname", "");
    SkinAuthor = IniFile.ReadString(SecVersion, "skinauthor", "");
    AuthorEmail = IniFile.ReadString(SecVersion, "authoremail", "");
    AuthorURL = IniFile.ReadString(SecVersion, "authorurl", "");
    SkinComments = IniFile.ReadString(SecVersion, "skincomments", "");

    FPictureName = IniFile.ReadString(SecPictures, "picture", "");
    FInActivePictureName = IniFile.ReadString(SecPictures, "inactivepicture", "");
    FMaskName = IniFile.ReadString(SecPictures, "mask", "");
    auto checkName = [](const std::string& key, const std::string& name) {
        try {
            CheckPictureName(name);
        } catch (ESkinError& e) {
            e.SetMessage(KeyPlace(SecPictures, key) + e.Message());
            throw;
        }
    };
    const std::pair<const char*, const std::string*> frames[] = {
        {"picture", &FPictureName}, {"inactivepicture", &FInActivePictureName}, {"mask", &FMaskName}};
    for (const auto& [key, name] : frames)
        if (!name->empty()) checkName(key, *name);
    // The numbered picture list, read as ReadStrings reads it, but checked
    // name by name: a missing entry is an empty name, which fails at once
    // instead of after a huge count of them.
    const int pictureCount = IniFile.ReadInteger(SecPictures, "activepicturescount", 0);
    for (int i = 0; i < pictureCount; ++i) {
        std::string name = IniFile.ReadString(SecPictures, std::to_string(i), "");
        checkName(std::to_string(i), name);
        FActivePicturesNames.Add(name);
    }

    LoadFormInfo(IniFile, FMaskName);
    PopupWindow->LoadFromFile(IniFile);
    LayerFrame->LoadFromFile(IniFile);
    HintWindow->LoadFromFile(IniFile);
    FSkinColors->LoadFromFile(IniFile);

    ReadEntryList(IniFile, SecObjects, ObjectList, CreateSkinObject);
    ReadEntryList(IniFile, SecControls, CtrlList, CreateSkinControl);
}

void TlxSkinContent::CheckSkinNames() {
    for (const std::string* name : {&FPictureName, &FInActivePictureName, &FMaskName})
        if (!name->empty()) CheckPictureName(*name);
    for (int i = 0; i < FActivePicturesNames.Count(); ++i)
        CheckPictureName(FActivePicturesNames[i]);
    for (const std::string* text : {&SkinName, &SkinAuthor, &AuthorEmail, &AuthorURL, &SkinComments})
        if (text->find_first_of("\r\n") != std::string::npos)
            throw ESkinError("the skin information texts must be single lines");

    std::set<std::string> seen;
    CheckDescriptions(ObjectList, seen);
    CheckDescriptions(CtrlList, seen);
    CheckTexts(HintWindow->Fields(), TlxDataSkinHintWindow::Section);
}

void TlxSkinContent::WriteSkinIni(TCustomIniFile& IniFile) {
    CheckSkinNames();

    IniFile.EraseSection(SecVersion);
    IniFile.WriteInteger(SecVersion, "ver", 1);
    IniFile.WriteString(SecVersion, "skinname", SkinName);
    IniFile.WriteString(SecVersion, "skinauthor", SkinAuthor);
    IniFile.WriteString(SecVersion, "authoremail", AuthorEmail);
    IniFile.WriteString(SecVersion, "authorurl", AuthorURL);
    IniFile.WriteString(SecVersion, "skincomments", SkinComments);

    IniFile.EraseSection(SecPictures);
    IniFile.WriteString(SecPictures, "picture", FPictureName);
    IniFile.WriteString(SecPictures, "inactivepicture", FInActivePictureName);
    IniFile.WriteString(SecPictures, "mask", FMaskName);
    WriteStrings(IniFile, SecPictures, "activepictures", FActivePicturesNames);

    SaveFormInfo(IniFile);
    PopupWindow->SaveToFile(IniFile);
    LayerFrame->SaveToFile(IniFile);
    HintWindow->SaveToFile(IniFile);
    IniFile.EraseSection(TlxSkinColors::Section);
    FSkinColors->SaveToFile(IniFile);

    WriteEntryList(IniFile, SecObjects, ObjectList);
    WriteEntryList(IniFile, SecControls, CtrlList);
}

bool IsSkinDescription(const TCustomIniFile& IniFile) {
    for (const char* section : {SecVersion, SecPictures, TlxSkinFormInfo::Section, SecObjects, SecControls})
        if (!IniFile.SectionExists(section)) return false;
    return true;
}

void CheckPictureName(const std::string& Name) {
    if (Name.empty() || Name == "." || Name == ".." || Name.find_first_of("/\\") != std::string::npos ||
        Name.find('\0') != std::string::npos)
        throw ESkinError("\"" + Name + "\" is not a plain picture file name");
}
