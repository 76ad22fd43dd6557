#include "skin/engine/SkinFolder.h"

#include "platform/base/IniFile.h"

std::string SkinPicturePath(const std::string& FileName, const std::string& PictureName) {
    CheckPictureName(PictureName);
    size_t slash = FileName.find_last_of('/');
    return (slash == std::string::npos ? std::string() : FileName.substr(0, slash + 1)) + PictureName;
}

bool LoadSkinFolder(const std::string& FileName, TlxSkinContent& Content,
                    const TlxPictureLoader& LoadPicture) {
    TMemIniFile ini(FileName);
    if (!IsSkinDescription(ini)) return false;
    Content.ReadSkinIni(ini);
    if (!LoadPicture) return true;

    const std::pair<TlxSkinPicture, const std::string*> frames[] = {
        {TlxSkinPicture::Frame, &Content.FPictureName},
        {TlxSkinPicture::InActiveFrame, &Content.FInActivePictureName},
        {TlxSkinPicture::Mask, &Content.FMaskName},
    };
    for (const auto& [which, name] : frames)
        if (!name->empty()) LoadPicture(which, 0, SkinPicturePath(FileName, *name));
    for (int i = 0; i < Content.FActivePicturesNames.Count(); ++i)
        LoadPicture(TlxSkinPicture::Numbered, i, SkinPicturePath(FileName, Content.FActivePicturesNames[i]));
    return true;
}

void SaveSkinFolder(const std::string& FileName, TlxSkinContent& Content) {
    TMemIniFile ini(FileName);
    Content.WriteSkinIni(ini);
    ini.UpdateFile();
}
