#include "skin/engine/SkinImage.h"

#include "platform/base/Exception.h"
#include "platform/base/IniFile.h"
#include "platform/base/MemoryStream.h"
#include "platform/base/SysUtils.h"
#include "platform/gdi/ImageCodecs.h"
#include "skin/engine/SkinError.h"
#include "skin/engine/SkinValues.h"
#include "skin/engine/ZlibStream.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <set>

namespace {

void WriteInt(TStream& S, int32_t V) {
    unsigned char b[4] = {uint8_t(V), uint8_t(V >> 8), uint8_t(V >> 16), uint8_t(V >> 24)};
    S.WriteBuffer(b, 4);
}

void WriteBmp(TStream& S, TBitmap& B) {
    B.SaveToStream(S);
}

void WriteFlagged(TStream& S, TBitmap& B) {
    uint8_t flag = B.Empty() ? 1 : 0;
    S.WriteBuffer(&flag, 1);
    if (!flag) WriteBmp(S, B);
}

// The reader inflates at most MaxInflatedSize bytes.
void CheckImageSize(TStream& S) {
    if (S.Size() > MaxInflatedSize) throw ECompressionError(InflateLimitText());
}

const char* const FrameLabels[] = {"the frame picture", "the inactive frame picture", "the mask"};

std::string NumberedLabel(int Index) {
    return "picture " + std::to_string(Index);
}

struct ImageReader {
    TStream& S;
    Int64 Left() { return S.Size() - S.Position(); }
    void Need(Int64 n, const char* what) {
        if (n < 0 || Left() < n) throw ESkinError(std::string("skin image truncated: ") + what);
    }
    uint32_t U32(const unsigned char* p) { return p[0] | p[1] << 8 | p[2] << 16 | uint32_t(p[3]) << 24; }
    int32_t Int(const char* what) {
        unsigned char b[4];
        Need(4, what);
        S.ReadBuffer(b, 4);
        return int32_t(U32(b));
    }
    uint8_t Byte(const char* what) {
        uint8_t b;
        Need(1, what);
        S.ReadBuffer(&b, 1);
        return b;
    }
    // One BMP image; its extent is the file length in its own header.
    void Bmp(TBitmap& B, const std::string& what) {
        unsigned char head[26];
        Need(26, "picture header");
        Int64 at = S.Position();
        S.ReadBuffer(head, 26);
        if (head[0] != 'B' || head[1] != 'M') throw ESkinError("skin image: a picture is no BMP image");
        Int64 size = U32(head + 2);
        if (size < 26 || size > Left() + 26)
            throw ESkinError("skin image: a picture's size disagrees with the data");
        uint32_t hdr = U32(head + 14);
        int64_t w, h;
        if (hdr == 12) {
            w = head[18] | head[19] << 8;
            h = int16_t(head[20] | head[21] << 8);
        } else {
            w = int32_t(U32(head + 18));
            h = int32_t(U32(head + 22));
        }
        S.SetPosition(at);
        std::string bytes(size_t(size), '\0');
        S.ReadBuffer(bytes.data(), size);
        if (h < 0) h = -h;
        CheckSkinPictureSize(int(std::clamp<int64_t>(w, -1, INT32_MAX)), int(std::min<int64_t>(h, INT32_MAX)),
                             what);
        try {
            DecodeBmp(bytes, B);
        } catch (const EInvalidGraphic& e) {
            throw ESkinError("skin image: " + e.Message());
        }
    }
    void Flagged(TBitmap& B, const std::string& what) {
        if (Byte("picture flag") == 0) Bmp(B, what);
    }
};

} // namespace

void CheckSkinPictureSize(int Width, int Height, const std::string& What) {
    if (Width >= 1 && Height >= 1 && Width <= MaxSkinPictureSide && Height <= MaxSkinPictureSide) return;
    throw ESkinError("skin image: " + What + " is " + std::to_string(Width) + "x" + std::to_string(Height) +
                     " pixels; a skin picture has 1 to " + std::to_string(MaxSkinPictureSide) +
                     " pixels on each side");
}

void WriteSkinImage(TlxSkinContent& Content, TStream& Stream) {
    Content.CheckSkinNames();
    if (int(Content.FActivePictures.size()) != Content.FActivePicturesNames.Count())
        throw ESkinError("the numbered pictures and their names disagree");
    TBitmap* frames[] = {Content.FPicture.get(), Content.FInActivePicture.get(), Content.FMask.get()};
    for (size_t i = 0; i < std::size(frames); ++i)
        if (!frames[i]->Empty())
            CheckSkinPictureSize(frames[i]->Width(), frames[i]->Height(), FrameLabels[i]);
    for (size_t i = 0; i < Content.FActivePictures.size(); ++i)
        CheckSkinPictureSize(Content.FActivePictures[i]->Width(), Content.FActivePictures[i]->Height(),
                             NumberedLabel(int(i)));
    TMemIniFile ini("");
    Content.WriteSkinIni(ini);
    const std::string text = ini.Text();

    // Built apart, so that an image the reader would refuse writes nothing.
    TMemoryStream image;
    WriteInt(image, SkinImageVersion);
    for (TBitmap* frame : frames) {
        WriteFlagged(image, *frame);
        CheckImageSize(image);
    }
    WriteInt(image, int32_t(Content.FActivePictures.size()));
    for (auto& b : Content.FActivePictures) {
        WriteBmp(image, *b);
        CheckImageSize(image);
    }
    image.WriteBuffer(text.data(), Int64(text.size()));
    CheckImageSize(image);
    image.SaveToStream(Stream);
}

bool ReadSkinImage(TStream& Stream, TlxSkinContent& Content, std::string* Text) {
    ImageReader r{Stream};
    int32_t version = r.Int("version");
    if (version > SkinImageVersion) return false;
    if (version <= 0) throw ESkinError("skin image: unknown version " + std::to_string(version));
    TBitmap picture, inactive, mask, dropped;
    r.Flagged(picture, FrameLabels[0]);
    r.Flagged(inactive, FrameLabels[1]);
    r.Flagged(mask, FrameLabels[2]);
    if (version == 2) {
        r.Flagged(dropped, "a dropped picture");
        r.Flagged(dropped, "a dropped picture");
    }
    int32_t count = r.Int("picture count");
    // Each BMP takes at least 26 bytes, which bounds a believable count.
    if (count < 0 || Int64(count) * 26 > r.Left())
        throw ESkinError("skin image: the picture count disagrees with the data");
    std::vector<std::unique_ptr<TBitmap>> pictures;
    for (int32_t i = 0; i < count; ++i) {
        pictures.push_back(std::make_unique<TBitmap>());
        r.Bmp(*pictures.back(), NumberedLabel(i));
    }
    std::string text = Stream.ReadAll();
    TMemIniFile ini("");
    ini.SetText(text);
    if (!IsSkinDescription(ini)) throw ESkinError("skin image: the text is no skin description");
    Content.ReadSkinIni(ini);
    if (Content.FActivePicturesNames.Count() != count)
        throw ESkinError(KeyPlace("PICTURES", "activepicturescount") + "names " +
                         std::to_string(Content.FActivePicturesNames.Count()) +
                         " pictures, but the skin image holds " + std::to_string(count));
    std::set<std::string> seen;
    for (int i = 0; i < Content.FActivePicturesNames.Count(); ++i) {
        const std::string& name = Content.FActivePicturesNames[i];
        CheckPictureName(name);
        if (!seen.insert(LowerCase(name)).second)
            throw ESkinError(KeyPlace("PICTURES", std::to_string(i)) + "the picture name " + name +
                             " is taken by an earlier picture");
    }
    for (const std::string* name : {&Content.FPictureName, &Content.FInActivePictureName, &Content.FMaskName})
        if (!name->empty()) CheckPictureName(*name);
    *Content.FPicture = std::move(picture);
    *Content.FInActivePicture = std::move(inactive);
    *Content.FMask = std::move(mask);
    Content.FActivePictures = std::move(pictures);
    if (Text) *Text = std::move(text);
    return true;
}
