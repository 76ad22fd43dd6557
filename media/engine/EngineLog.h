#pragma once

#include <string>

#include "media/TFFLogger.h"

class TCustomFFmpeg;

// The engine's own messages go through the process logger with the engine as sender.
inline void EngineLog(const TCustomFFmpeg* ASender, int ALevel, const std::string& AText) {
    GetFFLogger()->Log(const_cast<TCustomFFmpeg*>(ASender), static_cast<TLogLevel>(ALevel), AText);
}

// The "loglevel" option.
inline void EngineOptLogLevel(const std::string& AValue) {
    GetFFLogger()->OptLogLevel(AValue);
}
