#include "SkinFixtures.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>
#include <vector>

TempFolder::TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "skintest-XXXXXX").string();
    std::vector<char> buf(pattern.begin(), pattern.end());
    buf.push_back('\0');
    if (!mkdtemp(buf.data())) throw std::runtime_error("cannot make a temporary folder");
    FPath = buf.data();
}

TempFolder::~TempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(FPath, ec);
}

void WriteTextFile(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
}

std::string ReadTextFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

void WriteBmpFile(const std::string& path, int width, int height) {
    const int stride = (width * 3 + 3) / 4 * 4;
    const int imageSize = stride * height;
    std::string bytes(54 + size_t(imageSize), '\0');
    auto put = [&](size_t at, uint32_t v, int n) {
        for (int i = 0; i < n; ++i)
            bytes[at + size_t(i)] = char((v >> (8 * i)) & 0xFF);
    };
    bytes[0] = 'B';
    bytes[1] = 'M';
    put(2, uint32_t(bytes.size()), 4);
    put(10, 54, 4);
    put(14, 40, 4);
    put(18, uint32_t(width), 4);
    put(22, uint32_t(height), 4);
    put(26, 1, 2);
    put(28, 24, 2);
    put(34, uint32_t(imageSize), 4);
    WriteTextFile(path, bytes);
}

std::string SkinText(const std::string& extra, const std::string& objects, const std::string& controls,
                     const std::string& formInfo, const std::string& pictures) {
    return "[VERSION]\r\nver=1\r\n[PICTURES]\r\n" + pictures + "[FORMINFO]\r\n" + formInfo +
           "[SKINOBJECTS]\r\n" + objects + "[SKINCONTROLS]\r\n" + controls + extra;
}

std::string ReferencePath(const std::string& name) {
    return std::string(DUVA_SKIN_REFERENCE_DIR) + "/" + name;
}

SkintoolRun RunSkintool(const std::string& arguments) {
    return RunCommand(std::string(DUVA_SKINTOOL) + " " + arguments);
}

SkintoolRun RunCommand(const std::string& commandLine) {
    const std::string command = commandLine + " 2>&1";
    SkintoolRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return run;
    std::array<char, 4096> buf;
    size_t n;
    while ((n = fread(buf.data(), 1, buf.size(), pipe)) > 0)
        run.Output.append(buf.data(), n);
    const int status = pclose(pipe);
    run.Status = status != -1 && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}
