// The compressed skin reader. The first byte chooses the layer: 0 reads the
// input as a ".skn" stream (header, then zlib data) and its content; any
// other value reads the rest as the inflated skin image, so that the fuzzer
// reaches the image reader without having to get through zlib.

#include "platform/base/Exception.h"
#include "platform/base/IniFile.h"
#include "platform/base/MemoryStream.h"
#include "platform/gdi/ImageCodecs.h"
#include "skin/engine/CompressedStoredSkin.h"
#include "skin/engine/SkinContent.h"
#include "skin/engine/SkinImage.h"
#include "tests/fuzz/FuzzTarget.h"
#include "tests/fuzz/SkinSeeds.h"

#include <memory>

namespace {

std::string TextOf(TMemoryStream& AStream) {
    return std::string(static_cast<const char*>(AStream.Memory()), size_t(AStream.Size()));
}

} // namespace

std::vector<std::string> FuzzSeeds() {
    TlxSkinContent content;
    TMemIniFile ini("");
    ini.SetText(SeedSkinText());
    content.ReadSkinIni(ini);
    const std::vector<std::string> pictures = SeedSkinPictures();
    DecodeBmp(pictures[0], *content.FPicture);
    for (size_t i = 1; i < pictures.size(); ++i) {
        content.FActivePictures.push_back(std::make_unique<TBitmap>());
        DecodeBmp(pictures[i], *content.FActivePictures.back());
    }
    TMemoryStream image;
    WriteSkinImage(content, image);

    TlxCompressedStoredSkin stored(nullptr);
    stored.LoadFromSkinData(content);
    TMemoryStream skn;
    stored.SaveToCompressStream(skn);
    return {std::string(1, '\0') + TextOf(skn), std::string(1, '\1') + TextOf(image)};
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    if (Size == 0) return 0;
    const std::string_view rest = FuzzText(Data + 1, Size - 1);
    TMemoryStream stream;
    stream.WriteBuffer(rest.data(), Int64(rest.size()));
    stream.SetPosition(0);
    TlxSkinContent content;
    try {
        if (Data[0] == 0) {
            TlxCompressedStoredSkin stored(nullptr);
            stored.LoadFromCompressStream(stream);
            stored.ReadContent(content);
        } else {
            ReadSkinImage(stream, content);
        }
    } catch (const Exception&) {
    }
    return 0;
}
