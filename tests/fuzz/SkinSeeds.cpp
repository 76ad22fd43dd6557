#include "tests/fuzz/SkinSeeds.h"

#include "platform/gdi/ImageCodecs.h"
#include "platform/gdi/TBitmap.h"

std::string SeedSkinText() {
    return "[VERSION]\r\nver=1\r\nskinname=Seed\r\n"
           "[PICTURES]\r\npicture=frame.bmp\r\nactivepicturescount=2\r\n0=a.bmp\r\n1=b.bmp\r\n"
           "[FORMINFO]\r\nborderwidth=4\r\n"
           "[SKINOBJECTS]\r\ncount=1\r\n0=close:button\r\n[close]\r\npicture=0\r\nskinrect=0,0,16,16\r\n"
           "[SKINCONTROLS]\r\ncount=2\r\n0=b1:button\r\n1=e1:edit\r\n"
           "[b1]\r\npicture=1\r\nskinrect=0,0,20,20\r\n[e1]\r\nskinrect=1,2,3,4\r\n";
}

std::vector<std::string> SeedSkinPictures() {
    std::vector<std::string> pictures;
    for (int i = 0; i < 3; ++i) {
        TBitmap b(4 + i, 3);
        b.Fill(0xFF000000u | uint32_t(i * 80) << 8 | 0x40);
        pictures.push_back(EncodeBmp(b, 24));
    }
    return pictures;
}
