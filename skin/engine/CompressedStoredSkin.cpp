#include "skin/engine/CompressedStoredSkin.h"

#include "platform/base/Exception.h"
#include "platform/base/FileStream.h"
#include "skin/engine/SkinError.h"
#include "skin/engine/SkinFolder.h"
#include "skin/engine/SkinImage.h"
#include "skin/engine/ZlibStream.h"

#include <cstdint>
#include <filesystem>

namespace {

std::string FilePart(const std::string& Path) {
    size_t slash = Path.find_last_of('/');
    return slash == std::string::npos ? Path : Path.substr(slash + 1);
}

void WriteInt(TStream& S, int32_t V) {
    unsigned char b[4] = {uint8_t(V), uint8_t(V >> 8), uint8_t(V >> 16), uint8_t(V >> 24)};
    S.WriteBuffer(b, 4);
}

void Compress(TMemoryStream& Image, TMemoryStream& Out) {
    TMemoryStream packed;
    CompressStream(Image, packed);
    Out.Clear();
    packed.SetPosition(0);
    Out.LoadFromStream(packed);
}

} // namespace

TlxCompressedStoredSkin::TlxCompressedStoredSkin(TComponent* AOwner) : TComponent(AOwner) {}

void TlxCompressedStoredSkin::SetFileName(const std::string& Value) {
    if (ComponentState().Contains(csDesigning) && !ComponentState().Contains(csLoading)) {
        LoadFromIniFile(Value);
        FFileName = FilePart(Value);
    } else {
        FFileName = Value;
    }
}

void TlxCompressedStoredSkin::SetCompressedFileName(const std::string& Value) {
    if (ComponentState().Contains(csDesigning) && !ComponentState().Contains(csLoading)) {
        LoadFromCompressFile(Value);
        FCompressedFileName = FilePart(Value);
    } else {
        FCompressedFileName = Value;
    }
}

void TlxCompressedStoredSkin::LoadFromSkinData(TlxSkinContent& ASkinData) {
    TMemoryStream image;
    WriteSkinImage(ASkinData, image);
    Compress(image, FCompressedStream);
}

bool TlxCompressedStoredSkin::LoadFromIniFile(const std::string& AFileName) {
    TlxSkinContent content;
    if (!LoadSkinFolder(AFileName, content, ReadSkinBitmap)) return false;
    LoadFromSkinData(content);
    return true;
}

void TlxCompressedStoredSkin::LoadFromCompressFile(const std::string& AFileName) {
    try {
        TFileStream file(AFileName, fmOpenRead);
        LoadFromCompressStream(file);
    } catch (Exception& e) {
        if (e.Message().rfind(AFileName, 0) != 0) e.SetMessage(AFileName + ": " + e.Message());
        throw;
    }
}

void TlxCompressedStoredSkin::LoadFromCompressStream(TStream& Stream) {
    Stream.SetPosition(0);
    unsigned char head[8];
    if (Stream.Read(head, 8) != 8) throw ESkinError("compressed skin: the head is shorter than 8 bytes");
    auto i32 = [&](int at) {
        return int32_t(head[at] | head[at + 1] << 8 | head[at + 2] << 16 | uint32_t(head[at + 3]) << 24);
    };
    int32_t version = i32(0);
    if (version > SkinImageVersion) {
        FCompressedStream.Clear();
        return;
    }
    if (version <= 0) throw ESkinError("compressed skin: unknown version " + std::to_string(version));
    int32_t count = i32(4);
    Int64 left = Stream.Size() - Stream.Position();
    if (count < 0 || count > left)
        throw ESkinError("compressed skin: the byte count disagrees with the data");
    TMemoryStream bytes;
    if (count > 0) bytes.CopyFrom(Stream, count);
    FCompressedStream.Clear();
    bytes.SetPosition(0);
    FCompressedStream.LoadFromStream(bytes);
}

void TlxCompressedStoredSkin::SaveToCompressStream(TStream& Stream) {
    WriteInt(Stream, SkinImageVersion);
    WriteInt(Stream, int32_t(FCompressedStream.Size()));
    if (!Empty()) Stream.WriteBuffer(FCompressedStream.Memory(), FCompressedStream.Size());
}

void TlxCompressedStoredSkin::SaveToCompressFile(const std::string& AFileName) {
    if (Empty()) return;
    TMemoryStream out;
    SaveToCompressStream(out);
    out.SaveToFile(AFileName);
}

void TlxCompressedStoredSkin::DeCompressToStream(TMemoryStream& S) {
    FCompressedStream.SetPosition(0);
    DecompressStream(S, FCompressedStream);
}

bool TlxCompressedStoredSkin::ReadContent(TlxSkinContent& Content, std::string* Text) {
    if (Empty()) return false;
    TMemoryStream image;
    DeCompressToStream(image);
    image.SetPosition(0);
    TlxSkinContent staged;
    if (!ReadSkinImage(image, staged, Text)) return false;
    Content = std::move(staged);
    return true;
}
