// The ExtOptions splitter and the option records made from its lines.

#include "media/task/ExtOptions.h"
#include "tests/fuzz/FuzzTarget.h"

std::vector<std::string> FuzzSeeds() {
    return {"vcodec=mpeg4\r\nb=800000<CRLF>ab=128000\nTimeStart=5000000\rjoin\n",
            "  \t\x01Hook=1<CRLF><CRLF>=x\nTimeLength=+12\ntimestart=-9223372036854775808\n<CRLF\n"};
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    const std::string_view text = FuzzText(Data, Size);
    for (const TExtOption& line : ParseExtOptions(text)) {
        FuzzCheck(line.Name.find('\n') == std::string::npos && line.Value.find('\n') == std::string::npos,
                  "a line break inside a split line");
        FuzzCheck(line.Name.find('=') == std::string::npos, "\"=\" inside an option name");
    }
    InputOptionsFromText(text);
    const TOutputOptions output = OutputOptionsFromText(text);
    // The lines kept in ExtOptions split again into the same lines.
    const std::vector<TExtOption> kept = ParseExtOptions(output.ExtOptions);
    FuzzCheck(ParseExtOptions(std::string(output.ExtOptions)) == kept, "kept lines do not split the same");
    return 0;
}
