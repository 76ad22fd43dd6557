#include "app/conversion/TConversionLog.h"

TConversionLog::TConversionLog(std::size_t ACapacity) : FCapacity(ACapacity == 0 ? 1 : ACapacity) {}

void TConversionLog::Push(std::string ALine) {
    if (FLines.size() == FCapacity) FLines.pop_front();
    FLines.push_back(std::move(ALine));
}

void TConversionLog::Add(std::string_view AText) {
    std::size_t start = 0;
    while (true) {
        const std::size_t end = AText.find('\n', start);
        std::string_view line =
            AText.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        Push(std::string(line));
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
}

void TConversionLog::AddLogEvent(int AThreadID, TLogLevel ALogLevel, std::string_view AMessage) {
    // The libraries end their messages with a line break of their own.
    while (!AMessage.empty() && (AMessage.back() == '\n' || AMessage.back() == '\r'))
        AMessage.remove_suffix(1);
    Add(LogLineText(AThreadID, ALogLevel, AMessage));
}

std::string LogLineText(int AThreadID, TLogLevel ALogLevel, std::string_view AMessage) {
    return "#" + std::to_string(AThreadID) + "." + std::to_string(static_cast<int>(ALogLevel)) + ": " +
           std::string(AMessage);
}
