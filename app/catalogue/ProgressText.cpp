#include "app/catalogue/ProgressText.h"

#include <cmath>
#include <cstdio>

std::string SecToDate(int64_t ASeconds) {
    if (ASeconds < 0) ASeconds = 0;
    char text[32];
    std::snprintf(text, sizeof text, "%02lld:%02lld:%02lld", static_cast<long long>(ASeconds / 3600),
                  static_cast<long long>(ASeconds / 60 % 60), static_cast<long long>(ASeconds % 60));
    return text;
}

std::string MegabyteText(int64_t ABytes) {
    // Hundredths of a megabyte, halves to even as the framework rounds.
    const long long hundredths = std::llrint(static_cast<long double>(ABytes) * 100.0L / (1024.0L * 1024.0L));
    const bool negative = hundredths < 0;
    const long long magnitude = negative ? -hundredths : hundredths;
    std::string text = (negative ? "-" : "") + std::to_string(magnitude / 100);
    const long long fraction = magnitude % 100;
    if (fraction != 0) {
        text += '.';
        text += static_cast<char>('0' + fraction / 10);
        if (fraction % 10 != 0) text += static_cast<char>('0' + fraction % 10);
    }
    return text + "MB";
}
