// Every profile of the catalogue, with the parameter boxes at their
// defaults, converts a short clip with the engine of this platform.

#include "app/catalogue/OutputOptionsBuilder.h"
#include "app/catalogue/ProfileCaptionTable.h"
#include "app/catalogue/ProfileKey.h"
#include "app/presets/ParameterChoiceTable.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <mutex>

#include "media/TFFmpegLoader.h"
#include "media/prober/TAVProbe.h"
#include "media/task/TZorvexion.h"
#include "platform/sys/MainThread.h"
#include "tests/support/FixturePath.h"

namespace {

TParameterTexts DefaultTexts(const TPresetRow& ARow) {
    auto text = [&](TParameterBox ABox) { return std::string(ARow.Cell(ABox).DefaultText); };
    return {text(TParameterBox::Resolution), text(TParameterBox::VideoBitrate),
            text(TParameterBox::FrameRate),  text(TParameterBox::AudioBitrate),
            text(TParameterBox::SampleRate), text(TParameterBox::Aspect)};
}

class TScratchFolder {
public:
    TScratchFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "duva-profiles-XXXXXX").string();
        FPath = mkdtemp(pattern.data()) ? pattern : std::string();
    }
    ~TScratchFolder() {
        std::error_code e;
        if (!FPath.empty()) std::filesystem::remove_all(FPath, e);
    }
    const std::string& Path() const { return FPath; }

private:
    std::string FPath;
};

} // namespace

TEST(ProfileConversion, EveryProfileConvertsWithItsDefaults) {
    TScratchFolder folder;
    ASSERT_FALSE(folder.Path().empty());
    TZorvexion converter;
    ASSERT_TRUE(converter.LoadAVLib(FFLoader.LibraryPath())) << converter.LastErrMsg();

    std::mutex lock;
    std::vector<TTerminateInfo> notices;
    converter.SetOnTerminate([&](TCustomZorvexion*, const TTerminateInfo& AInfo) {
        std::lock_guard guard(lock);
        notices.push_back(AInfo);
    });

    std::map<int, int> keyOfTask;
    std::map<int, TCurrentProfile> records;
    for (const TProfileCaptionList& list : ProfileCaptionTable()) {
        for (size_t row = 0; row < list.Captions.size(); ++row) {
            const int key = ProfileKey(list.CategoryListId, static_cast<int>(row));
            TCurrentProfile profile;
            profile.Video_AddFileName = FixturePath("clip.mkv");
            ASSERT_TRUE(ApplyProfile(profile, key));
            profile.Video_OutPutFileName = folder.Path() + "/" + std::to_string(key) + ProfileExtension(key);
            ApplyParameterTexts(profile, DefaultTexts(*FindPresetRow(key)));
            if (!ProfileUnavailableReason(profile).empty()) continue; // refused when added

            const int task = converter.AddTask(profile.Video_AddFileName);
            ASSERT_GE(task, 0) << converter.LastErrMsg();
            TOutputOptions options = BuildOutputOptions(profile);
            options.TimeLength = 300000; // a few frames are enough
            EXPECT_TRUE(converter.SetOutputFile(task, profile.Video_OutPutFileName, &options))
                << key << ": " << converter.LastErrMsg();
            keyOfTask[task] = key;
            records[key] = profile;
        }
    }
    EXPECT_EQ(records.size(), 222u) << "all but the AMR profile";

    converter.Start(4);
    ASSERT_TRUE(WaitServingFor(
        [&] {
            std::lock_guard guard(lock);
            return !notices.empty() && notices.back().TaskIndex == -1;
        },
        240000));

    std::lock_guard guard(lock);
    EXPECT_EQ(notices.size(), records.size() + 1);
    for (const TTerminateInfo& notice : notices) {
        if (notice.TaskIndex < 0) continue;
        const int key = keyOfTask[notice.TaskIndex];
        EXPECT_TRUE(notice.Finished && !notice.Exception) << key << ": " << notice.ExceptionMsg;
        TAVProbe probe;
        const TCurrentProfile& profile = records[key];
        if (!probe.LoadFile(profile.Video_OutPutFileName)) {
            ADD_FAILURE() << key << ": " << probe.LastErrMsg();
            continue;
        }
        EXPECT_EQ(probe.AudioStreamCount(), 1) << key;
        EXPECT_EQ(probe.VideoStreamCount(), profile.Video_DisableVideo ? 0 : 1) << key;
    }
}
