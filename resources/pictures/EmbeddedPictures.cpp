#include "resources/pictures/EmbeddedPictures.h"

#include "platform/base/MemoryStream.h"
#include "platform/gdi/TBitmap.h"
#include "platform/vcl/TImageList.h"

#include <string>

bool LoadEmbeddedPicture(std::string_view Name, TBitmap& Picture) {
    for (const TEmbeddedPicture& p : EmbeddedPictures())
        if (p.Name == Name) {
            TStringStream s(p.Bmp);
            Picture.LoadFromStream(s);
            return true;
        }
    return false;
}

void LoadEmbeddedPictureList(std::string_view Prefix, int Count, TCustomImageList& List) {
    List.Clear();
    for (int i = 0; i < Count; ++i) {
        TBitmap picture;
        if (!LoadEmbeddedPicture(std::string(Prefix) + std::to_string(i), picture) ||
            picture.Width() != List.Width() || picture.Height() != List.Height()) {
            picture = TBitmap(List.Width(), List.Height());
            picture.SetPixelFormat(pf32bit);
            picture.Fill(0);
        }
        picture.SetPixelFormat(pf32bit);
        picture.SetAlphaFormat(afDefined);
        List.Add(&picture, nullptr);
    }
}
