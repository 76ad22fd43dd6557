#include "skin/engine/SkinFolder.h"

#include "platform/base/FileStream.h"
#include "platform/base/IniFile.h"
#include "platform/gdi/ImageCodecs.h"

void ReadSkinBitmap(const std::string& Path, TBitmap& Bitmap) {
    DecodeBmp(ReadFileToString(Path), Bitmap);
}

std::string SkinPicturePath(const std::string& FileName, const std::string& PictureName) {
    CheckPictureName(PictureName);
    size_t slash = FileName.find_last_of('/');
    return (slash == std::string::npos ? std::string() : FileName.substr(0, slash + 1)) + PictureName;
}

bool LoadSkinFolder(const std::string& FileName, TlxSkinContent& Content,
                    const TlxPictureReader& ReadPicture) {
    TMemIniFile ini(FileName);
    if (!IsSkinDescription(ini)) return false;
    Content.ReadSkinIni(ini);
    if (!ReadPicture) return true;

    const std::pair<const std::string*, TBitmap*> frames[] = {
        {&Content.FPictureName, Content.FPicture.get()},
        {&Content.FInActivePictureName, Content.FInActivePicture.get()},
        {&Content.FMaskName, Content.FMask.get()},
    };
    for (const auto& [name, bitmap] : frames)
        if (!name->empty()) ReadPicture(SkinPicturePath(FileName, *name), *bitmap);
    for (int i = 0; i < Content.FActivePicturesNames.Count(); ++i) {
        Content.FActivePictures.push_back(std::make_unique<TBitmap>());
        ReadPicture(SkinPicturePath(FileName, Content.FActivePicturesNames[i]),
                    *Content.FActivePictures.back());
    }
    return true;
}

void SaveSkinFolder(const std::string& FileName, TlxSkinContent& Content) {
    TMemIniFile ini(FileName);
    Content.WriteSkinIni(ini);
    ini.UpdateFile();
}
