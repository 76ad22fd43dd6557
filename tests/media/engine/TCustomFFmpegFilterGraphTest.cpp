// The video filter graph of a conversion: the user's filter description,
// the crop and size options folded into the graph, and the graph built anew
// when the pictures change. Outputs are lossless (FFV1), so pictures can be
// compared pixel for pixel.

#include "tests/media/engine/PictureReadBack.h"
#include "tests/media/engine/RunTestSupport.h"

namespace {

const TOptionList kLossless = {{"vcodec", "ffv1"}, {"pix_fmt", "yuv420p"}, {"an", ""}};

TOptionList With(TOptionList AList, const TOptionList& AMore) {
    AList.insert(AList.end(), AMore.begin(), AMore.end());
    return AList;
}

// Luma of the fixture's white and grey after the BT.601 limited-range conversion.
constexpr int kWhiteLuma = 235;
constexpr int kGreyLuma = 126;

} // namespace

class TCustomFFmpegFilterGraphTest : public TCustomFFmpegTest {
protected:
    std::vector<TPicture> Convert(const std::string& AInput, const std::string& AOutput,
                                  const TOptionList& AOutputOptions) {
        E->Reset();
        PrepareConversion(*E, FixturePath(AInput), {}, Folder.File(AOutput), AOutputOptions);
        if (HasFatalFailure()) return {};
        E->StartConvert(false);
        EXPECT_FALSE(E->FatalException()) << E->FatalMessage();
        EXPECT_TRUE(E->Finished());
        return DecodePictures(Folder.File(AOutput));
    }
    TScratchFolder Folder;
};

// "vf=hflip" mirrors every picture: the white square of the top-left corner
// shows in the top-right corner, and the top-left corner is grey.
TEST_F(TCustomFFmpegFilterGraphTest, HflipMovesTheCornerMarker) {
    const std::vector<TPicture> pictures =
        Convert("corner.mkv", "hflip.mkv", With(kLossless, {{"vf", "hflip"}}));
    ASSERT_EQ(pictures.size(), 10u);
    for (const TPicture& p : pictures) {
        ASSERT_EQ(p.Width, 320);
        ASSERT_EQ(p.Height, 240);
        EXPECT_NEAR(p.LumaAt(p.Width - 1 - fixture::kMarkerSize / 2, fixture::kMarkerSize / 2), kWhiteLuma,
                    8);
        EXPECT_NEAR(p.LumaAt(fixture::kMarkerSize / 2, fixture::kMarkerSize / 2), kGreyLuma, 8);
    }
}

// With no size asked, a scale in the description sets the encoder's size.
TEST_F(TCustomFFmpegFilterGraphTest, ScaleInTheDescriptionSizesTheEncoder) {
    const std::vector<TPicture> pictures =
        Convert("corner.mkv", "scaled.mkv", With(kLossless, {{"vf", "scale=160:120"}}));
    ASSERT_EQ(pictures.size(), 10u);
    const TPicture& p = pictures.front();
    EXPECT_EQ(p.Width, 160);
    EXPECT_EQ(p.Height, 120);
    // The marker shrank with the picture and stayed in its corner.
    EXPECT_NEAR(p.LumaAt(fixture::kMarkerSize / 4, fixture::kMarkerSize / 4), kWhiteLuma, 8);
    EXPECT_NEAR(p.LumaAt(fixture::kMarkerSize, fixture::kMarkerSize / 4), kGreyLuma, 8);
}

// The crop options give the same pictures whether the graph crops them
// (a description is set) or the engine cuts the planes (none is), and both
// are the source's pictures cut to the kept rectangle.
TEST_F(TCustomFFmpegFilterGraphTest, CropOptionsGiveTheSamePicturesWithAndWithoutADescription) {
    const TOptionList crop = {
        {"croptop", "20"}, {"cropbottom", "40"}, {"cropleft", "60"}, {"cropright", "20"}};
    const std::vector<TPicture> source = DecodePictures(FixturePath("clip.mkv"));
    const std::vector<TPicture> plain = Convert("clip.mkv", "plain.mkv", With(kLossless, crop));
    const std::vector<TPicture> graph =
        Convert("clip.mkv", "graph.mkv", With(With(kLossless, crop), {{"vf", "null"}}));
    ASSERT_EQ(source.size(), 50u);
    ASSERT_EQ(plain.size(), source.size());
    ASSERT_EQ(graph.size(), source.size());
    for (size_t i = 0; i < source.size(); ++i) {
        SCOPED_TRACE(i);
        ASSERT_EQ(plain[i].Width, 240);
        ASSERT_EQ(plain[i].Height, 180);
        EXPECT_TRUE(plain[i].SamePixels(graph[i]));
        bool same = true;
        for (int y = 0; y < 180 && same; ++y)
            for (int x = 0; x < 240 && same; ++x)
                same = plain[i].LumaAt(x, y) == source[i].LumaAt(x + 60, y + 20);
        EXPECT_TRUE(same);
    }
}

// A description that cannot be parsed ends the run with the graph's reason.
TEST_F(TCustomFFmpegFilterGraphTest, BadDescriptionFailsTheRun) {
    E->Reset();
    PrepareConversion(*E, FixturePath("corner.mkv"), {}, Folder.File("bad.mkv"),
                      With(kLossless, {{"vf", "scale=w=oops"}}));
    E->StartConvert(false);
    EXPECT_TRUE(E->FatalException());
    EXPECT_EQ(E->FatalMessage().rfind("Error opening filters: ", 0), 0u) << E->FatalMessage();
}

// Pictures that change size mid-stream get a graph built anew, which scales
// them to the size the encoder took. The old graph first hands on what it
// holds: "reverse" gives its pictures only at its end, so each size's run of
// pictures comes out reversed, and none is lost.
TEST_F(TCustomFFmpegFilterGraphTest, SizeChangeRebuildsTheGraphAfterDrainingTheOldOne) {
    // The decoder starts the new size afresh, so the source's runs are read
    // back rather than assumed.
    const std::vector<TPicture> source = DecodePictures(FixturePath("size_change.m2v"));
    size_t first = 0;
    while (first < source.size() && source[first].Width == 320)
        ++first;
    ASSERT_GE(first, 5u);
    ASSERT_GE(source.size() - first, 5u);

    const std::vector<TPicture> pictures =
        Convert("size_change.m2v", "changed.mkv", With(kLossless, {{"vf", "reverse"}}));
    EXPECT_TRUE(Log.HasText("frame size changed to 160x120"));
    ASSERT_EQ(pictures.size(), source.size());
    for (size_t i = 0; i < pictures.size(); ++i) {
        SCOPED_TRACE(i);
        ASSERT_EQ(pictures[i].Width, 320);
        ASSERT_EQ(pictures[i].Height, 240);
        const size_t mirror = i < first ? first - 1 - i : source.size() - 1 - (i - first);
        EXPECT_EQ(pictures[i].Counter(), source[mirror].Counter());
        if (i > 0) {
            EXPECT_GT(pictures[i].Time, pictures[i - 1].Time);
        }
    }
}
