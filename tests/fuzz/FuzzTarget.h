#pragma once
// The shape of every fuzz target: LLVMFuzzerTestOneInput runs one input
// through a reader of untrusted data and returns only when the reader stays
// sound (a clear error is sound; a crash, a leak, a hang or a huge allocation
// is a finding). FuzzSeeds gives a few sound inputs, made in code, that a run
// starts from and that every replay runs too.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size);

std::vector<std::string> FuzzSeeds();

inline std::string_view FuzzText(const uint8_t* Data, size_t Size) {
    return {reinterpret_cast<const char*>(Data), Size};
}

// Stops the program when a reader broke a promise that a crash would not show.
void FuzzCheck(bool Condition, const char* What);
