// The main of a fuzz target when it is not built with libFuzzer: runs the
// target's seeds, then every file named on the command line and every file
// of every folder named there, in name order. A finding crashes the program
// (or aborts it under the sanitizers), which fails its test.

#include "tests/fuzz/FuzzTarget.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

extern "C" int LLVMFuzzerInitialize(int* Argc, char*** Argv);

namespace {

void Run(const std::string& Input) {
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(Input.data()), Input.size());
}

} // namespace

int main(int Argc, char** Argv) {
    namespace fs = std::filesystem;
    LLVMFuzzerInitialize(&Argc, &Argv);
    size_t count = 0;
    for (const std::string& seed : FuzzSeeds()) {
        Run(seed);
        ++count;
    }
    std::vector<fs::path> files;
    for (int i = 1; i < Argc; ++i) {
        const fs::path path = Argv[i];
        if (fs::is_directory(path)) {
            for (const fs::directory_entry& entry : fs::directory_iterator(path))
                if (entry.is_regular_file() && entry.path().filename().string()[0] != '.')
                    files.push_back(entry.path());
        } else if (fs::exists(path)) {
            files.push_back(path);
        } else {
            std::fprintf(stderr, "no such input: %s\n", path.c_str());
            return 2;
        }
    }
    std::sort(files.begin(), files.end());
    for (const fs::path& file : files) {
        std::ifstream in(file, std::ios::binary);
        const std::string input((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        std::fprintf(stderr, "%s\n", file.filename().c_str());
        Run(input);
        ++count;
    }
    std::printf("%zu inputs replayed\n", count);
    return 0;
}
