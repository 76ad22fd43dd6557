#pragma once

#include <cstdint>
#include <string>

// Texts of the file list's time and size columns.

// "HH:MM:SS" of a number of seconds, counting whole hours past a day
// (25 hours is "25:00:00"); a negative count shows as "00:00:00".
std::string SecToDate(int64_t ASeconds);

// Bytes in megabytes rounded to two decimals, in the shortest form, then
// "MB": "1.5MB", "12MB", "0.01MB".
std::string MegabyteText(int64_t ABytes);
