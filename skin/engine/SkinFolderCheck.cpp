#include "skin/engine/SkinFolderCheck.h"

#include "platform/base/Exception.h"
#include "platform/base/IniFile.h"
#include "platform/base/MemoryStream.h"
#include "skin/engine/SkinFolder.h"
#include "skin/engine/SkinImage.h"

#include <optional>

namespace {

std::optional<TSize> SizeOf(const TBitmap* bitmap) {
    if (!bitmap || bitmap->Empty()) return std::nullopt;
    return TSize{bitmap->Width(), bitmap->Height()};
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
                Add(owner + ": " + f.Key + " " + std::to_string(v) + " names no picture (the skin has " +
                    std::to_string(count) + ")");
        }
    }

    void Inside(const std::string& owner, const TlxField& f, const std::optional<TSize>& size,
                const std::string& picture) {
        const TRect& r = f.As<TRect>();
        if (r.IsEmpty() || !size) return;
        if (r.Left < 0 || r.Top < 0 || r.Right > size->cx || r.Bottom > size->cy)
            Add(owner + ": " + f.Key + " " + RectText(r) + " lies outside " + picture + " (" +
                std::to_string(size->cx) + "x" + std::to_string(size->cy) + ")");
    }

    void Add(std::string problem) { Problems.push_back(std::move(problem)); }
};

std::string PictureLabel(int index) {
    return "picture " + std::to_string(index);
}

} // namespace

std::vector<std::string> CheckSkinFolder(const std::string& FileName, const TlxPictureReader& ReadPicture) {
    Checker check;
    TlxSkinContent content;
    try {
        if (!LoadSkinFolder(FileName, content, ReadPicture)) {
            check.Add(FileName + " is not a skin description: it needs the sections VERSION, PICTURES, "
                                 "FORMINFO, SKINOBJECTS and SKINCONTROLS, each with at least one key");
            return check.Problems;
        }
    } catch (const Exception& e) {
        check.Add("the skin does not load: " + e.Message());
        return check.Problems;
    }

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
