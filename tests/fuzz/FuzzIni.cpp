// The ini reader: any text reads, every key of it can be read back, the text
// it writes reads back as the same text, and erasing a section leaves every
// other key where it was.

#include "platform/base/IniFile.h"
#include "platform/base/SysUtils.h"
#include "tests/fuzz/FuzzTarget.h"

#include <map>

std::vector<std::string> FuzzSeeds() {
    return {
        "[Options]\r\nSkin=2\r\nOutPath=/home/user/out\r\n; a comment\r\n\r\n[SnapShot]\r\nFormat=$10\r\n"
        "Quality=0x1F\r\nScale=1.5e3\r\n",
        "\xEF\xBB\xBForphan=1\n[A]\nk=v\n[a]\nK=w\ndup=1\ndup=2\n[B]\n=x\nno equals\n[C\n z = 1 \n[]\n;c\n"};
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    TMemIniFile ini("");
    ini.SetText(FuzzText(Data, Size));

    TStringList sections, keys;
    ini.ReadSections(sections);
    std::map<std::pair<std::string, std::string>, std::string> values;
    for (int s = 0; s < sections.Count(); ++s) {
        ini.ReadSection(sections[s], keys);
        for (int k = 0; k < keys.Count(); ++k) {
            values.emplace(std::pair{sections[s], keys[k]}, ini.ReadString(sections[s], keys[k], ""));
            ini.ReadInteger(sections[s], keys[k], 0);
            ini.ReadFloat(sections[s], keys[k], 0);
        }
    }

    const std::string text = ini.Text();
    TMemIniFile again("");
    again.SetText(text);
    FuzzCheck(again.Text() == text, "the written text does not read back as itself");

    if (sections.Count() > 0) {
        const std::string gone = sections[0];
        ini.EraseSection(gone);
        FuzzCheck(!ini.SectionExists(gone), "an erased section is still there");
        for (const auto& [where, value] : values)
            if (!SameText(where.first, gone))
                FuzzCheck(ini.ReadString(where.first, where.second, "") == value,
                          "a key moved after another section was erased");
    }
    return 0;
}
