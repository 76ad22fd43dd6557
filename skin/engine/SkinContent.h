#pragma once

#include "platform/base/Strings.h"
#include "platform/gdi/TBitmap.h"
#include "skin/engine/DataSkinListControls.h"
#include "skin/engine/DataSkinObjects.h"
#include "skin/engine/SkinColors.h"
#include "skin/engine/SkinFormInfo.h"
#include "skin/engine/SkinWindowDescriptions.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

class TCustomIniFile;

// Everything a skin holds: the information texts, the pictures and their
// names, the form-frame values, the window descriptions, the colour set and
// the two description lists, all owned. The skin data object derives from it;
// a load reads into a fresh content and moves it in only when the whole read
// succeeded.
class TlxSkinContent : public TlxSkinFormInfo {
public:
    TlxSkinContent();
    ~TlxSkinContent();
    TlxSkinContent(TlxSkinContent&&) noexcept;
    TlxSkinContent& operator=(TlxSkinContent&&) noexcept;

    std::string SkinName, SkinAuthor, AuthorEmail, AuthorURL, SkinComments;

    // File names of the frame picture, the inactive frame picture and the
    // mask (empty: none) and of the numbered pictures, by index.
    std::string FPictureName, FInActivePictureName, FMaskName;
    TStringList FActivePicturesNames;

    // The frame picture, the inactive frame picture and the mask (empty
    // bitmaps when not named), and the numbered pictures by index.
    std::unique_ptr<TBitmap> FPicture, FInActivePicture, FMask;
    std::vector<std::unique_ptr<TBitmap>> FActivePictures;

    // Numbered picture Index; nullptr for -1 and for every other index outside
    // [0, count): the one way to turn a description's picture index into a
    // picture.
    TBitmap* ActivePicture(int Index) const;

    std::unique_ptr<TlxDataSkinPopupWindow> PopupWindow;
    std::unique_ptr<TlxDataSkinLayerFrame> LayerFrame;
    std::unique_ptr<TlxDataSkinHintWindow> HintWindow;
    TlxSkinColors* SkinColors() const { return FSkinColors.get(); }

    std::vector<std::unique_ptr<TlxDataSkinObject>> ObjectList;
    std::vector<std::unique_ptr<TlxDataSkinControl>> CtrlList;

    // The index of the first description named exactly AIDName (letter case
    // counts), or -1.
    int GetControlIndex(std::string_view AIDName) const;
    int GetIndex(std::string_view AIDName) const;

    // Frees the descriptions and the numbered pictures and forgets their names;
    // the three window descriptions lose their pictures; the colours become
    // the system colours.
    void ClearObjects();
    // ClearObjects, and empties the three frame pictures and their names. The
    // information texts and the form-frame values stay.
    void ClearAll();

    // Reads every section of a skin description (after ClearAll); pictures
    // are not read.
    // Raises EConvertError for a rectangle or point without digits and
    // ESkinError for a picture name that is not a plain file name.
    void ReadSkinIni(TCustomIniFile& IniFile);
    // Writes every section this content owns, each erased first; other
    // sections of the file stay. Raises ESkinError, before anything is
    // written, for names that would not read back (see CheckSkinNames).
    void WriteSkinIni(TCustomIniFile& IniFile);

    // Raises ESkinError when a picture name or a description name would not
    // survive a write and a read: picture names must be plain file names;
    // description names must be non-empty, free of ":", "[", "]", "=", ";" and
    // surrounding blanks, distinct ignoring case and other than the fixed
    // section names.
    void CheckSkinNames();

protected:
    std::unique_ptr<TlxSkinColors> FSkinColors;
};

// The sections a skin description must hold (each with at least one key).
bool IsSkinDescription(const TCustomIniFile& IniFile);

// Raises ESkinError unless Name is a plain file name: not empty, no folder
// separator, not "." or "..".
void CheckPictureName(const std::string& Name);
