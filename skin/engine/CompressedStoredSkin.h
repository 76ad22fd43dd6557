#pragma once

#include "platform/base/MemoryStream.h"
#include "platform/vcl/TComponent.h"
#include "skin/engine/SkinContent.h"

#include <string>

// One skin held compressed: the zlib stream of its skin image. The compressed
// layout in files and streams is: version (3), count, then count zlib bytes.
//
// Every load that fails raises and leaves the stored bytes as they were.
class TlxCompressedStoredSkin : public TComponent {
public:
    explicit TlxCompressedStoredSkin(TComponent* AOwner);

    const std::string& FileName() const { return FFileName; }
    void SetFileName(const std::string& Value);
    const std::string& CompressedFileName() const { return FCompressedFileName; }
    void SetCompressedFileName(const std::string& Value);
    const std::string& Description() const { return FDescription; }
    void SetDescription(const std::string& Value) { FDescription = Value; }

    bool Empty() const { return FCompressedStream.Size() == 0; }
    // The zlib bytes alone (the stored "CompressedData").
    TMemoryStream& CompressedStream() { return FCompressedStream; }

    // Compresses a whole skin (the skin data object's content).
    void LoadFromSkinData(TlxSkinContent& ASkinData);
    // Compresses a skin folder; a file that is no skin description leaves
    // the stored skin as it is and returns false.
    bool LoadFromIniFile(const std::string& AFileName);

    // Errors name the file.
    void LoadFromCompressFile(const std::string& AFileName);
    // An empty stored skin writes nothing and creates no file.
    void SaveToCompressFile(const std::string& AFileName);
    // Reads the layout from the stream's start. A version above 3 leaves the
    // stored skin empty. A head shorter than 8 bytes, a version of 0 or
    // below, a negative count or one beyond the bytes left raise ESkinError.
    void LoadFromCompressStream(TStream& Stream);
    void SaveToCompressStream(TStream& Stream);

    // Inflates the stored bytes into S (at most 64 MiB; EDecompressionError
    // for corrupt or oversized data).
    void DeCompressToStream(TMemoryStream& S);

    // Inflates and parses the stored skin and, only when all of it is sound,
    // moves it into Content. Returns false, Content untouched, when the stored
    // skin is empty or of a version above 3; raises for anything malformed.
    // With Text, the description's text goes there as well.
    bool ReadContent(TlxSkinContent& Content, std::string* Text = nullptr);

private:
    std::string FFileName;
    std::string FCompressedFileName;
    mutable TMemoryStream FCompressedStream;
    std::string FDescription;
};
