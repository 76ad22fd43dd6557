#include "skin/dialogs/shell/ShellIcons.h"
#include "skin/dialogs/shell/TMimeDatabase.h"

#include "platform/gdi/TBitmap.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

TEST(ShellIcons, EveryIconIsDrawnAtBothSizesWithATransparentBackground) {
    for (int size : {16, 32}) {
        std::set<std::vector<uint32_t>> pictures;
        for (int i = 0; i < ShellIconCount; ++i) {
            const TBitmap& bm = ShellIconBitmap(static_cast<TShellIcon>(i), size);
            ASSERT_EQ(bm.Width(), size);
            ASSERT_EQ(bm.Height(), size);
            EXPECT_EQ(bm.AlphaFormat(), afDefined);
            EXPECT_EQ(bm.ScanLine(size - 1)[0] >> 24, 0u)
                << "icon " << i << ": the bottom-left pixel is see-through";
            std::vector<uint32_t> pixels(bm.Bits(), bm.Bits() + size * size);
            int opaque = 0;
            for (uint32_t p : pixels)
                opaque += (p >> 24) == 0xFF;
            EXPECT_GT(opaque, size * size / 5) << "icon " << i << " at " << size;
            pictures.insert(pixels);
        }
        EXPECT_EQ(pictures.size(), static_cast<size_t>(ShellIconCount))
            << "each icon is a picture of its own";
    }
    EXPECT_EQ(&ShellIconBitmap(siFolder, 16), &ShellIconBitmap(siFolder, 16)) << "drawn once";
    EXPECT_EQ(ShellIconBitmap(siFolder, 48).Width(), 32);
}

TEST(ShellIcons, IconOfAnItem) {
    auto item = [](TShellItemKind kind, const char* path, TVolumeKind volume = vkNone) {
        TShellItem i;
        i.Kind = kind;
        i.Path = path;
        i.Volume = volume;
        return i;
    };
    struct Case {
        TShellItem Item;
        bool Open;
        TShellIcon Icon;
    };
    const Case cases[] = {
        {item(ikPlaces, ""), false, siPlaces},
        {item(ikComputer, ""), false, siComputer},
        {item(ikDirectory, "/", vkRoot), false, siFixedDrive},
        {item(ikDirectory, "/media/x", vkRemovable), false, siRemovableDrive},
        {item(ikDirectory, "/media/cd", vkOptical), false, siOpticalDrive},
        {item(ikDirectory, "/mnt/nas", vkNetwork), false, siNetworkDrive},
        {item(ikDirectory, "/home"), false, siFolder},
        {item(ikDirectory, "/home"), true, siOpenFolder},
        {item(ikFile, "/a/Movie.MKV"), false, siVideo},
        {item(ikFile, "/a/song.flac"), false, siAudio},
        {item(ikFile, "/a/shot.jpeg"), false, siImage},
        {item(ikFile, "/a/notes.txt"), false, siText},
        {item(ikFile, "/a/archive.zip"), false, siFile},
        {item(ikFile, "/a/noextension"), false, siFile},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ShellIconOf(c.Item, nullptr, c.Open), c.Icon) << c.Item.Path;
}
