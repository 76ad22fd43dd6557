#pragma once

// The version the about box shows after "Ver:".
inline constexpr const char* ProgramVersion = "1.0.0";
