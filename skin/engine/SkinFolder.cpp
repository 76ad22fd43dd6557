#include "skin/engine/SkinFolder.h"

#include "platform/base/Exception.h"
#include "platform/base/FileStream.h"
#include "platform/base/IniFile.h"
#include "platform/gdi/ImageCodecs.h"
#include "skin/engine/SkinValues.h"

#include <tuple>

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
    try {
        TMemIniFile ini(FileName);
        if (!IsSkinDescription(ini)) return false;
        Content.ReadSkinIni(ini);
        if (!ReadPicture) return true;

        // Each picture error names the key that names the picture.
        auto read = [&](const std::string& key, const std::string& name, TBitmap& bitmap) {
            try {
                ReadPicture(SkinPicturePath(FileName, name), bitmap);
            } catch (Exception& e) {
                e.SetMessage(KeyPlace("PICTURES", key) + name + ": " + e.Message());
                throw;
            }
        };
        const std::tuple<const char*, const std::string*, TBitmap*> frames[] = {
            {"picture", &Content.FPictureName, Content.FPicture.get()},
            {"inactivepicture", &Content.FInActivePictureName, Content.FInActivePicture.get()},
            {"mask", &Content.FMaskName, Content.FMask.get()},
        };
        for (const auto& [key, name, bitmap] : frames)
            if (!name->empty()) read(key, *name, *bitmap);
        for (int i = 0; i < Content.FActivePicturesNames.Count(); ++i) {
            Content.FActivePictures.push_back(std::make_unique<TBitmap>());
            read(std::to_string(i), Content.FActivePicturesNames[i], *Content.FActivePictures.back());
        }
        return true;
    } catch (Exception& e) {
        e.SetMessage(FileName + ": " + e.Message());
        throw;
    }
}

void SaveSkinFolder(const std::string& FileName, TlxSkinContent& Content) {
    TMemIniFile ini(FileName);
    Content.WriteSkinIni(ini);
    ini.UpdateFile();
}
