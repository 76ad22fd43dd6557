#include "tests/media/player/PlayerTestSupport.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// SDL's disk driver for the life of the object: what SDL plays goes as raw
// native 16-bit samples into files of a temporary folder, at about real time.
class TDiskAudio {
public:
    TDiskAudio() {
        std::string tmpl = (fs::temp_directory_path() / "duva-player-XXXXXX").string();
        if (mkdtemp(tmpl.data())) FFolder = tmpl;
        Keep("SDL_AUDIODRIVER", "disk");
        Keep("SDL_DISKAUDIODELAY", "20"); // ms per 1024-sample buffer
        SetFile("out.raw");
    }
    ~TDiskAudio() {
        for (auto& [name, value] : FSaved) {
            if (value.second)
                setenv(name.c_str(), value.first.c_str(), 1);
            else
                unsetenv(name.c_str());
        }
        std::error_code ec;
        if (!FFolder.empty()) fs::remove_all(FFolder, ec);
    }
    // Where the next opening of the audio device writes.
    void SetFile(const std::string& AName) {
        if (!FSaved.count("SDL_DISKAUDIOFILE")) Keep("SDL_DISKAUDIOFILE", "");
        setenv("SDL_DISKAUDIOFILE", (FFolder + "/" + AName).c_str(), 1);
    }
    std::vector<int16_t> Samples(const std::string& AName) const {
        std::ifstream in(FFolder + "/" + AName, std::ios::binary);
        std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        std::vector<int16_t> samples(bytes.size() / 2);
        if (!samples.empty()) std::memcpy(samples.data(), bytes.data(), samples.size() * 2);
        return samples;
    }

private:
    void Keep(const char* AName, const char* AValue) {
        const char* old = std::getenv(AName);
        FSaved[AName] = {old ? old : "", old != nullptr};
        setenv(AName, AValue, 1);
    }
    std::string FFolder;
    std::map<std::string, std::pair<std::string, bool>> FSaved;
};

// One channel of interleaved samples.
std::vector<int16_t> Channel(const std::vector<int16_t>& ASamples, int AChannels, int AChannel) {
    std::vector<int16_t> out;
    for (size_t i = size_t(AChannel); i < ASamples.size(); i += size_t(AChannels))
        out.push_back(ASamples[i]);
    return out;
}

// The tone's frequency from the median distance of rising zero crossings
// (stretches of silence in between do not count).
double ToneFrequency(const std::vector<int16_t>& ASamples, int ARate) {
    std::vector<size_t> rising;
    for (size_t i = 1; i < ASamples.size(); ++i)
        if (ASamples[i - 1] < 0 && ASamples[i] >= 0) rising.push_back(i);
    std::vector<size_t> gaps;
    for (size_t i = 1; i < rising.size(); ++i)
        gaps.push_back(rising[i] - rising[i - 1]);
    if (gaps.size() < 10) return 0;
    std::nth_element(gaps.begin(), gaps.begin() + long(gaps.size() / 2), gaps.end());
    return double(ARate) / double(gaps[gaps.size() / 2]);
}

int Peak(const std::vector<int16_t>& ASamples) {
    int peak = 0;
    for (int16_t s : ASamples)
        peak = std::max(peak, std::abs(int(s)));
    return peak;
}

class TCustomPlayerAudioTest : public PlayerLibrariesTest {};

TEST_F(TCustomPlayerAudioTest, SwitchingTheAudioStreamChangesTheTone) {
    TDiskAudio disk;
    TCustomPlayer player;
    PlayerRecorder rec(player);
    // Video, then a 440 Hz 48 kHz stereo and an 880 Hz 22.05 kHz mono stream.
    ASSERT_TRUE(player.Open(FixturePath("languages.mkv"), 0, false)) << player.LastErrMsg();
    EXPECT_EQ(player.VideoStreamIndex(), 0);
    EXPECT_EQ(player.AudioStreamIndex(), 1);
    EXPECT_EQ(player.SubtitleStreamIndex(), -1);
    Serve(300);
    disk.SetFile("second.raw");
    ASSERT_TRUE(player.SetAudioStreamIndex(2)) << player.LastErrMsg();
    EXPECT_EQ(player.AudioStreamIndex(), 2);
    Serve(400);
    player.Stop(true);
    // The device was closed at the switch: the first file is complete.
    const double before = ToneFrequency(Channel(disk.Samples("out.raw"), 2, 0), 48000);
    const double after = ToneFrequency(disk.Samples("second.raw"), 22050);
    EXPECT_NEAR(before, 440, 25);
    EXPECT_NEAR(after, 880, 50);
}

TEST_F(TCustomPlayerAudioTest, InvalidStreamSwitchesAreRefusedWithTheirText) {
    TCustomPlayer player;
    EXPECT_FALSE(player.SetAudioStreamIndex(1)); // nothing open
    EXPECT_EQ(player.LastErrMsg(), "the current stream is not valid.");
    ASSERT_TRUE(player.Open(FixturePath("languages.mkv"), 0, true)) << player.LastErrMsg();
    struct Case {
        AVMediaType Type;
        int Index;
        const char* Text;
    };
    // Neighbours differ in text, so each refusal shows its own.
    const Case cases[] = {
        {AVMEDIA_TYPE_AUDIO, 3, "the stream index is not valid."},
        {AVMEDIA_TYPE_AUDIO, 0, "the stream type is not matched."},
        {AVMEDIA_TYPE_AUDIO, -1, "the stream index is not valid."},
        {AVMEDIA_TYPE_VIDEO, 2, "the stream type is not matched."},
        {AVMEDIA_TYPE_SUBTITLE, 7, "the stream index is not valid."},
        {AVMEDIA_TYPE_SUBTITLE, 1, "the stream type is not matched."},
    };
    for (const Case& c : cases) {
        const bool ok = c.Type == AVMEDIA_TYPE_AUDIO   ? player.SetAudioStreamIndex(c.Index)
                        : c.Type == AVMEDIA_TYPE_VIDEO ? player.SetVideoStreamIndex(c.Index)
                                                       : player.SetSubtitleStreamIndex(c.Index);
        EXPECT_FALSE(ok) << c.Text;
        EXPECT_EQ(player.LastErrMsg(), c.Text);
    }
    // Nothing changed; the same index, or subtitles off while off, is no switch.
    EXPECT_EQ(player.AudioStreamIndex(), 1);
    EXPECT_TRUE(player.SetAudioStreamIndex(1));
    EXPECT_TRUE(player.SetSubtitleStreamIndex(-1));
    player.Stop(true);
}

// What SDL was given for the first 300 ms of a 440 Hz tone at half scale.
std::vector<int16_t> PlayTone(TDiskAudio& ADisk, const std::string& AFile, int AVolume, bool AMute) {
    ADisk.SetFile(AFile);
    TCustomPlayer player;
    player.SetAudioVolume(AVolume);
    player.SetMute(AMute);
    if (!player.Open(FixturePath("tone_s16_stereo_44100.wav"), 0, false)) {
        ADD_FAILURE() << player.LastErrMsg();
        return {};
    }
    Serve(300);
    player.Stop(true);
    return ADisk.Samples(AFile);
}

TEST_F(TCustomPlayerAudioTest, MuteWritesZerosAndHalfVolumeHalvesTheAmplitude) {
    TDiskAudio disk;
    const std::vector<int16_t> full = PlayTone(disk, "full.raw", 128, false);
    const std::vector<int16_t> half = PlayTone(disk, "half.raw", 64, false);
    const std::vector<int16_t> muted = PlayTone(disk, "muted.raw", 128, true);
    // Every run covers the first 50 ms, where the tone's largest sample lies.
    ASSERT_GT(Peak(full), 15000);
    EXPECT_NEAR(Peak(half), Peak(full) / 2.0, 1.0);
    ASSERT_GT(muted.size(), 4096u);
    EXPECT_EQ(Peak(muted), 0);
}

} // namespace

namespace {

class TCustomPlayerStreamTest : public PlayerLibrariesTest {};

TEST_F(TCustomPlayerStreamTest, SubtitlesSwitchOffAndOnAgain) {
    TCustomPlayer player;
    // A video stream and a bitmap subtitle stream.
    ASSERT_TRUE(player.Open(FixturePath("bitmap_subs.mkv"), 0, true)) << player.LastErrMsg();
    ASSERT_EQ(player.SubtitleStreamIndex(), 1);
    EXPECT_TRUE(player.SetSubtitleStreamIndex(-1)) << player.LastErrMsg();
    EXPECT_EQ(player.SubtitleStreamIndex(), -1);
    EXPECT_TRUE(player.SetSubtitleStreamIndex(1)) << player.LastErrMsg();
    EXPECT_EQ(player.SubtitleStreamIndex(), 1);
    EXPECT_EQ(player.VideoStreamIndex(), 0);
    EXPECT_TRUE(player.Paused());
    player.Stop(true);
}

} // namespace
