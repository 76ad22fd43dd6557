#include "media/prober/ProbeID3Keys.h"
#include "media/prober/TProbeSnapshot.h"

#include "media/AVBindings.h"
#include "media/MediaUtils.h"

#include <cinttypes>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <ctime>
#include <numeric>

namespace {

std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string Format(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    const int size = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string text(size > 0 ? size_t(size) : 0, '\0');
    if (size > 0) std::vsnprintf(text.data(), text.size() + 1, format, args);
    va_end(args);
    return text;
}

// "s.uuuuuu" of a time in microseconds, the sign kept for negative times.
std::string SecondsText(int64_t us) {
    const int64_t magnitude = us < 0 ? -us : us;
    return Format("%s%" PRId64 ".%.6" PRId64, us < 0 ? "-" : "", magnitude / 1000000, magnitude % 1000000);
}

void AddLine(std::string& text, const std::string& line) {
    text += line;
    text += '\n';
}

void AddMetadataBlock(std::string& text, const TMetadataList& list, const char* indent) {
    bool any = false;
    for (const auto& entry : list)
        any = any || entry.first != "language";
    if (!any) return;
    AddLine(text, Format("%sMetadata:", indent));
    for (const auto& [key, value] : list)
        if (key != "language")
            AddLine(text, Format("%s  %-16s: %s", indent, ID3KeyName(key).c_str(), value.c_str()));
}

// fps, tbr, tbn, tbc: two decimals when fractional, "k" for whole thousands.
void AddRate(std::string& line, AVRational rate, const char* name) {
    if (rate.num == 0 || rate.den == 0) return;
    const double value = av_q2d(rate);
    const int64_t v = std::llround(value * 100);
    if (v % 100 != 0)
        line += Format(", %3.2f %s", value, name);
    else if (v % (100 * 1000) != 0)
        line += Format(", %1.0f %s", value, name);
    else
        line += Format(", %1.0fk %s", value / 1000, name);
}

std::string StreamLine(const TProbeSnapshot& info, int index) {
    const TProbeStream& s = info.Streams[size_t(index)];
    std::string line = Format("Stream #%d", index);
    if (info.ShowIds) line += Format("[0x%x]", s.Id);
    if (!s.Language.empty()) line += Format("(%s)", s.Language.c_str());
    int divisor = std::gcd(s.TimeBase.num, s.TimeBase.den);
    if (divisor == 0) divisor = 1;
    line += Format(", %d/%d", s.TimeBase.num / divisor, s.TimeBase.den / divisor);
    line += ": " + s.Description;
    if (s.StreamAspect.num != 0 && av_cmp_q(s.StreamAspect, s.CodecAspect) != 0) {
        AVRational display{1, 1};
        av::av_reduce(&display.num, &display.den, int64_t(s.Width) * s.StreamAspect.num,
                      int64_t(s.Height) * s.StreamAspect.den, 1024 * 1024);
        line +=
            Format(", PAR %d:%d DAR %d:%d", s.StreamAspect.num, s.StreamAspect.den, display.num, display.den);
    }
    if (s.Type == AVMEDIA_TYPE_VIDEO) {
        AddRate(line, s.AvgFrameRate, "fps");
        AddRate(line, s.RealFrameRate, "tbr");
        AddRate(line, av_inv_q(s.TimeBase), "tbn");
        AddRate(line, av_inv_q(s.CodecTimeBase), "tbc");
    }
    const AVRational micro{1, 1000000};
    if (s.StartTime != AV_NOPTS_VALUE)
        line += ", StartTime: " + SecondsText(av::av_rescale_q(s.StartTime, s.TimeBase, micro));
    if (s.Duration == AV_NOPTS_VALUE)
        line += ", Duration: N/A";
    else
        line += ", Duration: " + DurationToText(av::av_rescale_q(s.Duration, s.TimeBase, micro));
    return line;
}

void AddStream(std::string& text, const TProbeSnapshot& info, int index) {
    AddLine(text, StreamLine(info, index));
    AddMetadataBlock(text, info.Streams[size_t(index)].Metadata, "  ");
}

std::string LocalTimeText(int64_t unixSeconds) {
    const std::time_t t = std::time_t(unixSeconds);
    std::tm local{};
    if (!localtime_r(&t, &local)) return std::string();
    char text[32] = {};
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
    return text;
}

} // namespace

std::string ProbeInfoText(const TProbeSnapshot& AInfo) {
    std::string text;
    AddLine(text, "File Name: " + AInfo.FileName);
    AddLine(text, "Format Name: " + AInfo.FormatName);
    AddLine(text, "Format Long Name: " + AInfo.FormatLongName);
    AddLine(text, "File Size: " + SizeToText(AInfo.FileSize));
    if (AInfo.Duration == AV_NOPTS_VALUE || AInfo.Duration < 0)
        AddLine(text, "Duration: N/A");
    else
        AddLine(text, "Duration: " + DurationToText(AInfo.Duration));
    if (AInfo.StartTime != AV_NOPTS_VALUE && AInfo.StartTime >= 0)
        AddLine(text, "StartTime: " + SecondsText(AInfo.StartTime));
    if (AInfo.BitRate < 1)
        AddLine(text, "Bit Rate: N/A");
    else
        AddLine(text, Format("Bit Rate: %" PRId64 " kb/s", AInfo.BitRate / 1000));
    const int64_t stamp = CreationTimeSeconds(AInfo.Metadata);
    if (stamp > 0) AddLine(text, "Time Stamp: " + LocalTimeText(stamp));
    AddMetadataBlock(text, AInfo.Metadata, "");

    std::vector<bool> shown(AInfo.Streams.size(), false);
    for (const TProbeProgram& p : AInfo.Programs) {
        // The demuxers of this library generation name them service_*;
        // older files and muxers used provider_name and name.
        const std::string provider = MetadataLookup(p.Metadata, "service_provider",
                                                    MetadataLookup(p.Metadata, "provider_name", "N/A"));
        const std::string name =
            MetadataLookup(p.Metadata, "service_name", MetadataLookup(p.Metadata, "name", "N/A"));
        AddLine(text, Format("Program %d %s@%s", p.Id, provider.c_str(), name.c_str()));
        AddMetadataBlock(text, p.Metadata, "  ");
        for (int index : p.Streams) {
            AddStream(text, AInfo, index);
            shown[size_t(index)] = true;
        }
    }
    for (size_t i = 0; i < AInfo.Streams.size(); ++i)
        if (!shown[i]) AddStream(text, AInfo, int(i));
    return text;
}
