#include "app/presets/ChoiceList.h"
#include "app/presets/ChoiceText.h"
#include "app/presets/ParameterBox.h"

#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <set>
#include <string>

namespace {

std::string PrefixOf(const std::string& AName) {
    return AName.substr(0, AName.find_first_of("0123456789"));
}

} // namespace

TEST(ChoiceList, NinetyFiveListsNumberedFromZeroPerBox) {
    std::map<std::string, std::set<int>> numbers;
    size_t entries = 0;
    std::set<std::string> texts;
    for (const TChoiceList& list : ChoiceLists()) {
        const std::string name = list.Name;
        EXPECT_TRUE(numbers[PrefixOf(name)].insert(std::stoi(name.substr(PrefixOf(name).size()))).second)
            << name;
        EXPECT_FALSE(list.Entries.empty()) << name;
        EXPECT_LE(list.Entries.size(), 99u) << name << ": positions are kept as two digits";
        EXPECT_EQ(FindChoiceList(name), &list);
        entries += list.Entries.size();
        texts.insert(list.Entries.begin(), list.Entries.end());
    }
    const std::map<std::string, int> counts = {{"RES", 33}, {"VBR", 39}, {"FPS", 8},
                                               {"ABR", 6},  {"ASR", 6},  {"ASPECT", 3}};
    ASSERT_EQ(numbers.size(), counts.size());
    for (const auto& [prefix, count] : counts) {
        ASSERT_EQ(numbers[prefix].size(), static_cast<size_t>(count)) << prefix;
        EXPECT_EQ(*numbers[prefix].rbegin(), count - 1) << prefix;
    }
    EXPECT_EQ(entries, 1050u);
    EXPECT_EQ(texts.size(), 139u);
    EXPECT_EQ(FindChoiceList("RES33"), nullptr);
    EXPECT_EQ(FindChoiceList("res0"), nullptr);
}

// Each box offers one form of entry (besides its special entries), and every
// entry reads as a value.
TEST(ChoiceList, EveryEntryHasItsBoxFormAndReadsAsAValue) {
    const std::map<std::string, std::regex> forms = {
        {"RES", std::regex(R"([1-9][0-9]*\*[1-9][0-9]*|保持原分辨率|该格式无视频)")},
        {"VBR", std::regex(R"([1-9][0-9]* kbps|无视频)")},
        {"FPS", std::regex(R"([0-9]+\.[0-9]{2}|[1-9][0-9]*|保持原帧速率|无视频)")},
        {"ABR", std::regex(R"([1-9][0-9]*(\.[0-9]{1,2})? kbps)")},
        {"ASR", std::regex(R"([1-9][0-9]{3,4})")},
        {"ASPECT", std::regex(R"(保持原视频模式|普通视频4:3模式|宽屏视频(16:9|37:20|47:20)模式|无视频)")},
    };
    for (const TChoiceList& list : ChoiceLists()) {
        const std::string prefix = PrefixOf(list.Name);
        for (const char* entry : list.Entries) {
            EXPECT_TRUE(std::regex_match(entry, forms.at(prefix))) << list.Name << " " << entry;
            if (prefix == "VBR") {
                EXPECT_NE(VideoBitrateOfEntry(entry), -1) << entry;
            }
            if (prefix == "ABR") {
                EXPECT_GT(AudioBitrateOfEntry(entry), 0) << entry;
            }
        }
    }
}

TEST(ChoiceList, OrderIsDataNotSorted) {
    // Stored positions depend on these exact places.
    struct {
        const char* list;
        size_t position;
        const char* entry;
    } cases[] = {
        {"RES8", 2, "176*144"},     {"RES8", 3, "160*120"},
        {"RES25", 2, "176*144"},    {"RES13", 1, "176*144"},
        {"RES10", 12, "720*406"},   {"RES10", 13, "704*480"},
        {"RES16", 24, "1920*1200"}, {"RES16", 26, "2048*1536"},
        {"FPS0", 6, "23.00"},       {"FPS0", 7, "23.97"},
        {"FPS6", 5, "23.98"},       {"ABR1", 2, "5.9 kbps"},
        {"RES27", 17, "3840*2160"}, {"ASPECT2", 1, "普通视频4:3模式"},
        {"ASR1", 0, "8000"},
    };
    for (const auto& c : cases) {
        const TChoiceList* list = FindChoiceList(c.list);
        ASSERT_NE(list, nullptr) << c.list;
        ASSERT_LT(c.position, list->Entries.size()) << c.list;
        EXPECT_STREQ(list->Entries[c.position], c.entry) << c.list << "/" << c.position;
    }
    EXPECT_EQ(FindChoiceList("RES16")->Entries.size(), 28u);
    EXPECT_EQ(FindChoiceList("ASPECT2")->Entries.size(), 2u);
}

TEST(ParameterBox, PrefixNamesTheBoxLists) {
    EXPECT_STREQ(ChoiceListPrefix(TParameterBox::Resolution), "RES");
    EXPECT_STREQ(ChoiceListPrefix(TParameterBox::FrameRate), "FPS");
    EXPECT_STREQ(ChoiceListPrefix(TParameterBox::Aspect), "ASPECT");
}
