#include "resources/pictures/EmbeddedPictures.h"
#include "app/catalogue/CategoryMenu.h"
#include "platform/gdi/TBitmap.h"
#include "platform/vcl/TImageList.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TBitmap Load(const std::string& name) {
    TBitmap b;
    EXPECT_TRUE(LoadEmbeddedPicture(name, b)) << name;
    return b;
}

uint8_t Alpha(const TBitmap& b, int x, int y) {
    return uint8_t(b.ScanLine(y)[x] >> 24);
}

bool Gray(uint32_t px) {
    const uint32_t r = (px >> 16) & 0xFF, g = (px >> 8) & 0xFF, b = px & 0xFF;
    return r == g && g == b;
}

const char* const kTools[] = {"add",     "remove", "clear", "skin",  "website",
                              "options", "start",  "stop",  "pause", "resume"};

} // namespace

TEST(EmbeddedPictures, EveryPictureTheWindowNamesExistsInItsSize) {
    struct Case {
        std::string Name;
        int Width, Height;
    };
    std::vector<Case> cases = {{"list-placeholder", 575, 227}, {"link-normal", 20, 20}, {"link-hot", 20, 20},
                               {"link-down", 20, 20},          {"splash", 518, 335},    {"about", 64, 64}};
    for (const char* t : kTools) {
        cases.push_back({std::string("tool-") + t, 32, 32});
        cases.push_back({std::string("tool-") + t + "-disabled", 32, 32});
    }
    for (const TCategoryMenuEntry& e : CategoryMenu()) {
        cases.push_back({"category-" + std::to_string(e.CategoryListId), 48, 48});
        cases.push_back({"profile-" + std::to_string(e.CategoryListId), 32, 32});
    }
    for (const char* p : {"play", "pause", "stop", "mute", "unmute", "snapshot", "settings"})
        for (const char* state : {"", "-hot", "-down"})
            cases.push_back({std::string("preview-") + p + state, 26, 26});
    for (const Case& c : cases) {
        TBitmap b = Load(c.Name);
        EXPECT_EQ(b.Width(), c.Width) << c.Name;
        EXPECT_EQ(b.Height(), c.Height) << c.Name;
        EXPECT_EQ(b.PixelFormat(), pf32bit) << c.Name;
    }
    EXPECT_EQ(EmbeddedPictures().size(), cases.size()) << "a picture no one names";
}

TEST(EmbeddedPictures, GlyphsAreTransparentAroundAndTheirDisabledLookIsGray) {
    for (const char* t : kTools) {
        TBitmap on = Load(std::string("tool-") + t), off = Load(std::string("tool-") + t + "-disabled");
        EXPECT_EQ(Alpha(on, 0, 0), 0) << t;
        EXPECT_EQ(Alpha(on, 31, 0), 0) << t;
        EXPECT_EQ(Alpha(on, 16, 16), 255) << t;
        bool colored = false, offGray = true, partial = false;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) {
                const uint32_t a = on.ScanLine(y)[x], b = off.ScanLine(y)[x];
                colored |= (a >> 24) == 255 && !Gray(a);
                offGray &= (b >> 24) == 0 || Gray(b);
                partial |= (a >> 24) > 0 && (a >> 24) < 255; // anti-aliased edges keep partial coverage
                EXPECT_LE(b >> 24, a >> 24) << t;            // faded, never more opaque
            }
        EXPECT_TRUE(colored) << t;
        EXPECT_TRUE(offGray) << t;
        EXPECT_TRUE(partial) << t;
    }
}

TEST(EmbeddedPictures, CategoryPicturesDifferFromEachOther) {
    std::vector<std::string> seen;
    for (const TCategoryMenuEntry& e : CategoryMenu()) {
        TBitmap b = Load("category-" + std::to_string(e.CategoryListId));
        std::string bytes(reinterpret_cast<const char*>(b.Bits()), size_t(48 * 48 * 4));
        for (const std::string& s : seen)
            EXPECT_NE(s, bytes) << e.Caption;
        seen.push_back(std::move(bytes));
    }
}

TEST(EmbeddedPictures, AnUnknownNameLeavesThePictureAlone) {
    TBitmap b(3, 2);
    EXPECT_FALSE(LoadEmbeddedPicture("no-such-picture", b));
    EXPECT_EQ(b.Width(), 3);
    EXPECT_EQ(b.Height(), 2);
}

TEST(EmbeddedPictures, AListIsIndexedByNumberWithGapsTransparent) {
    TImageList list(nullptr);
    list.SetWidth(48);
    list.SetHeight(48);
    LoadEmbeddedPictureList("category-", 33, list);
    ASSERT_EQ(list.Count(), 33);
    TBitmap ipod = Load("category-7");
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 48; ++x) {
            ASSERT_EQ(list.Image(7).ScanLine(y)[x], ipod.ScanLine(y)[x]);
            ASSERT_EQ(list.Image(1).ScanLine(y)[x] >> 24, 0u) << "id 1 has no category";
        }
    // A list of another size than the pictures gets blanks rather than cut pieces.
    TImageList small(nullptr);
    LoadEmbeddedPictureList("category-", 8, small);
    EXPECT_EQ(small.Count(), 8);
    EXPECT_EQ(small.Image(7).ScanLine(8)[8] >> 24, 0u);
}
