#include "skin/engine/SkinFolderCheck.h"

#include "platform/base/Exception.h"
#include "platform/base/IniFile.h"
#include "platform/base/MemoryStream.h"
#include "platform/base/Strings.h"
#include "platform/base/SysUtils.h"
#include "skin/engine/SkinFolder.h"
#include "skin/engine/SkinImage.h"
#include "skin/engine/SkinKinds.h"

#include <optional>

namespace {

std::optional<TSize> SizeOf(const TBitmap* bitmap) {
    if (!bitmap || bitmap->Empty()) return std::nullopt;
    return TSize{bitmap->Width(), bitmap->Height()};
}

std::string SizeText(int w, int h) {
    return std::to_string(w) + "x" + std::to_string(h);
}

// Rectangles that are places within a control or item (text and caption
// areas, client parts) rather than images taken from a picture.
bool IsImageRect(const TlxField& f) {
    if (f.Type != TlxFieldType::Rect) return false;
    std::string name = f.Name;
    for (const char* part : {"Area", "Text", "Caption", "Items", "Rct", "BorderRect", "ItemCheckRect"})
        if (name.find(part) != std::string::npos) return false;
    return name != "ClRect";
}

class Checker {
public:
    std::vector<std::string> Problems;

    void PictureIndexes(const std::string& owner, const TlxFieldList& fields, int count) {
        for (const TlxField& f : fields) {
            if (f.Type != TlxFieldType::Integer || f.Key.size() < 12 ||
                f.Key.compare(f.Key.size() - 12, 12, "pictureindex") != 0)
                continue;
            int v = f.As<int>();
            if (v != -1 && (v < 0 || v >= count))
                Add(KeyPlace(owner, f.Key) + std::to_string(v) + " names no picture (the skin has " +
                    std::to_string(count) + ")");
        }
    }

    void Inside(const std::string& owner, const TlxField& f, const std::optional<TSize>& size,
                const std::string& picture) {
        const TRect& r = f.As<TRect>();
        if (r.IsEmpty() || !size) return;
        if (r.Left < 0 || r.Top < 0 || r.Right > size->cx || r.Bottom > size->cy)
            Add(KeyPlace(owner, f.Key) + RectText(r) + " lies outside " + picture + " (" +
                SizeText(size->cx, size->cy) + ")");
    }

    void Add(std::string problem) { Problems.push_back(std::move(problem)); }
};

std::string PictureLabel(int index) {
    return "picture " + std::to_string(index);
}

// ---- warnings

// Whether a word reads back as itself: the reader maps every other word
// silently to a fall-back.
template <typename E>
bool IsWord(const std::string& v, E (*fromText)(std::string_view), const char* (*word)(E)) {
    return v == word(fromText(v));
}

bool IsStyleList(const std::string& v) {
    if (v.empty()) return true;
    size_t start = 0;
    for (;;) {
        size_t comma = v.find(',', start);
        const std::string token =
            Trim(v.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
        if (token != "fsbold" && token != "fsitalic" && token != "fsunderline" && token != "fsstrikeout")
            return false;
        if (comma == std::string::npos) return true;
        start = comma + 1;
    }
}

// Why the reader takes v differently from what it says, or "" when it does not.
std::string Misread(const TlxField& f, const std::string& v) {
    int n = 0;
    switch (f.Type) {
    case TlxFieldType::Integer:
    case TlxFieldType::Color:
        if (TryStrToInt(v, n)) return "";
        return "is not a number; the default " + std::to_string(f.Read.Int) + " is used";
    case TlxFieldType::Boolean:
        if (TryStrToInt(v, n) && (n == 0 || n == 1)) return "";
        return "reads as 0 (false); a flag is 1 or 0";
    case TlxFieldType::Rect:
    case TlxFieldType::Point: {
        if (v.find_first_not_of("0123456789, ") == std::string::npos) return "";
        std::string read;
        for (char c : v)
            if ((c >= '0' && c <= '9') || c == ',') read += c;
        return "the reader keeps only the digits and reads " + read;
    }
    case TlxFieldType::String:
        return "";
    case TlxFieldType::FontStyles:
        if (IsStyleList(v)) return "";
        return "holds words other than fsbold, fsitalic, fsunderline and fsstrikeout; reads as \"" +
               FontStylesText(FontStylesFromText(v)) + "\"";
    case TlxFieldType::Alignment:
        if (IsWord(v, AlignmentFromText, AlignmentWord)) return "";
        return std::string("is no alignment word; reads as ") + AlignmentWord(AlignmentFromText(v));
    case TlxFieldType::MorphKind:
        if (IsWord(v, MorphKindFromText, MorphKindWord)) return "";
        return std::string("is no morph kind word; reads as ") + MorphKindWord(MorphKindFromText(v));
    case TlxFieldType::StretchType:
        if (IsWord(v, StretchTypeFromText, StretchTypeWord)) return "";
        return std::string("is no stretch type word; reads as ") + StretchTypeWord(StretchTypeFromText(v));
    case TlxFieldType::InActiveEffect:
        if (IsWord(v, InActiveEffectFromText, InActiveEffectWord)) return "";
        return std::string("is no inactive effect word; reads as ") +
               InActiveEffectWord(InActiveEffectFromText(v));
    case TlxFieldType::StdCommand:
        if (IsWord(v, StdCommandFromText, StdCommandWord)) return "";
        return std::string("is no command word; reads as ") + StdCommandWord(StdCommandFromText(v));
    }
    return "";
}

void FieldWarnings(const TCustomIniFile& ini, const std::string& section, const TlxFieldList& fields,
                   std::vector<std::string>& out) {
    for (const TlxField& f : fields) {
        if (!ini.ValueExists(section, f.Key)) continue;
        const std::string v = ini.ReadString(section, f.Key, "");
        const std::string why = Misread(f, v);
        if (!why.empty()) out.push_back(KeyPlace(section, f.Key) + "\"" + v + "\" " + why);
    }
}

template <typename T>
void EntryWarnings(const TCustomIniFile& ini, const char* section, std::span<const TlxSkinKind<T>> kinds,
                   std::vector<std::string>& out) {
    const int count = ini.ReadInteger(section, "count", 0);
    TStringList keys;
    ini.ReadSection(section, keys);
    for (int i = 0; i < keys.Count(); ++i) {
        int index = 0;
        const std::string key = keys[i];
        if (!TryStrToInt(key, index) || std::to_string(index) != key || index < 0 || index >= count) continue;
        const std::string entry = ini.ReadString(section, key, "");
        const size_t colon = entry.find(':');
        if (colon == std::string::npos) {
            out.push_back(KeyPlace(section, key) + "\"" + entry +
                          "\" is not NAME:KIND; the entry creates nothing");
            continue;
        }
        const std::string kind = entry.substr(colon + 1);
        bool known = false;
        for (const auto& k : kinds)
            known = known || kind == k.Word;
        if (!known)
            out.push_back(KeyPlace(section, key) + "\"" + kind +
                          "\" is no kind word of this list; the entry creates nothing");
    }
}

} // namespace

std::vector<std::string> CheckSkinContent(TlxSkinContent& content) {
    Checker check;
    try {
        content.CheckSkinNames();
        // What the compressed skin's reader refuses, refused before packing.
        TMemoryStream image;
        WriteSkinImage(content, image);
    } catch (const Exception& e) {
        check.Add(e.Message());
    }

    const int count = content.FActivePicturesNames.Count();
    check.PictureIndexes(TlxSkinFormInfo::Section, content.FormInfoFields(), count);
    check.PictureIndexes(TlxDataSkinPopupWindow::Section, content.PopupWindow->Fields(), count);
    check.PictureIndexes(TlxDataSkinLayerFrame::Section, content.LayerFrame->Fields(), count);
    check.PictureIndexes(TlxDataSkinHintWindow::Section, content.HintWindow->Fields(), count);

    for (const TlxField& f : content.FormInfoFields())
        if (f.Type == TlxFieldType::Rect)
            check.Inside(TlxSkinFormInfo::Section, f, SizeOf(content.FPicture.get()), "the frame picture");

    for (auto& c : content.CtrlList) {
        TlxFieldList fields = c->Fields();
        check.PictureIndexes(c->IDName, fields, count);
        for (const TlxField& f : fields)
            if (IsImageRect(f))
                check.Inside(c->IDName, f, SizeOf(content.ActivePicture(c->PictureIndex)),
                             PictureLabel(c->PictureIndex));
    }

    for (auto& o : content.ObjectList) {
        TlxFieldList fields = o->Fields();
        check.PictureIndexes(o->IDName, fields, count);
        const bool ownPicture = o->ActivePictureIndex >= 0 && o->ActivePictureIndex < count;
        for (const TlxField& f : fields) {
            if (!IsImageRect(f)) continue;
            // The normal image is a place in the frame picture unless the
            // object says it is taken from its own picture.
            bool fromOwn = f.Name == std::string("SkinRect") ? o->SkinRectInAPicture : ownPicture;
            if (fromOwn)
                check.Inside(o->IDName, f, SizeOf(content.ActivePicture(o->ActivePictureIndex)),
                             PictureLabel(o->ActivePictureIndex));
            else
                check.Inside(o->IDName, f, SizeOf(content.FPicture.get()), "the frame picture");
        }
    }
    return check.Problems;
}

std::vector<std::string> SkinWarnings(const TCustomIniFile& IniFile, TlxSkinContent& Content) {
    std::vector<std::string> out;
    FieldWarnings(IniFile, TlxSkinFormInfo::Section, Content.FormInfoFields(), out);
    FieldWarnings(IniFile, TlxDataSkinPopupWindow::Section, Content.PopupWindow->Fields(), out);
    FieldWarnings(IniFile, TlxDataSkinLayerFrame::Section, Content.LayerFrame->Fields(), out);
    FieldWarnings(IniFile, TlxDataSkinHintWindow::Section, Content.HintWindow->Fields(), out);
    FieldWarnings(IniFile, TlxSkinColors::Section, Content.SkinColors()->Fields(), out);
    EntryWarnings(IniFile, "SKINOBJECTS", SkinObjectKinds(), out);
    for (auto& o : Content.ObjectList)
        FieldWarnings(IniFile, o->IDName, o->Fields(), out);
    EntryWarnings(IniFile, "SKINCONTROLS", SkinControlKinds(), out);
    for (auto& c : Content.CtrlList)
        FieldWarnings(IniFile, c->IDName, c->Fields(), out);

    if (!Content.FMask->Empty() && !Content.FPicture->Empty() &&
        (Content.FMask->Width() != Content.FPicture->Width() ||
         Content.FMask->Height() != Content.FPicture->Height()))
        out.push_back(KeyPlace("PICTURES", "mask") + "the mask is " +
                      SizeText(Content.FMask->Width(), Content.FMask->Height()) + ", the frame picture " +
                      SizeText(Content.FPicture->Width(), Content.FPicture->Height()));
    for (auto& c : Content.CtrlList) {
        const TBitmap* mask = Content.ActivePicture(c->MaskPictureIndex);
        if (!mask || mask->Empty() || c->SkinRect.IsEmpty()) continue;
        if (mask->Width() != c->SkinRect.Width() || mask->Height() != c->SkinRect.Height())
            out.push_back(KeyPlace(c->IDName, "maskpictureindex") + "the mask picture " +
                          std::to_string(c->MaskPictureIndex) + " is " +
                          SizeText(mask->Width(), mask->Height()) + ", the skin rectangle " +
                          SizeText(c->SkinRect.Width(), c->SkinRect.Height()));
    }
    return out;
}

std::vector<std::string> CheckSkinFolder(const std::string& FileName, const TlxPictureReader& ReadPicture) {
    TlxSkinContent content;
    try {
        if (!LoadSkinFolder(FileName, content, ReadPicture))
            return {FileName + " is not a skin description: it needs the sections VERSION, PICTURES, "
                               "FORMINFO, SKINOBJECTS and SKINCONTROLS, each with at least one key"};
    } catch (const Exception& e) {
        return {"the skin does not load: " + e.Message()};
    }
    return CheckSkinContent(content);
}
