#pragma once

#include <cstddef>
#include <deque>
#include <string>
#include <string_view>

#include "media/TFFLogger.h"

// The log box of the main window: a bounded ring of lines, the oldest
// dropped first, so a long session never grows it without end. Used on the
// GUI thread only.
class TConversionLog {
public:
    static constexpr std::size_t DefaultCapacity = 5000;

    explicit TConversionLog(std::size_t ACapacity = DefaultCapacity);

    // Adds one line per line of the text; an empty text adds an empty line.
    void Add(std::string_view AText);
    // A logger event: "#", thread id, ".", level ordinal, ": ", message.
    void AddLogEvent(int AThreadID, TLogLevel ALogLevel, std::string_view AMessage);

    const std::deque<std::string>& Lines() const { return FLines; }
    std::size_t Capacity() const { return FCapacity; }
    void Clear() { FLines.clear(); }

private:
    void Push(std::string ALine);

    std::size_t FCapacity;
    std::deque<std::string> FLines;
};

// The line of a logger event.
std::string LogLineText(int AThreadID, TLogLevel ALogLevel, std::string_view AMessage);
