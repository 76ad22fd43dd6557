#include "tests/fuzz/FuzzTarget.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>

void FuzzCheck(bool Condition, const char* What) {
    if (Condition) return;
    std::fprintf(stderr, "fuzz check failed: %s\n", What);
    std::abort();
}

// With DUVA_FUZZ_SEEDS set to a folder, the program writes its seeds there
// and stops: scripts/fuzz starts each run from them.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    const char* folder = std::getenv("DUVA_FUZZ_SEEDS");
    if (!folder) return 0;
    const std::vector<std::string> seeds = FuzzSeeds();
    for (size_t i = 0; i < seeds.size(); ++i) {
        const std::string name = std::string(folder) + "/seed-" + std::to_string(i);
        std::ofstream(name, std::ios::binary).write(seeds[i].data(), std::streamsize(seeds[i].size()));
    }
    std::exit(0);
}
