#include "media/MediaUtils.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>

#include <sys/stat.h>

int64_t GetFileSizeByName(std::string_view AFileName) {
    struct stat st {};
    if (stat(std::string(AFileName).c_str(), &st) != 0 || S_ISDIR(st.st_mode)) return -1;
    return st.st_size;
}

std::string CutToken(std::string& AText, std::string_view ADelimiter, bool ARemove) {
    auto pos = ADelimiter.empty() ? std::string::npos : AText.find(ADelimiter);
    if (pos == std::string::npos) {
        std::string head = AText;
        if (ARemove) AText.clear();
        return head;
    }
    std::string head = AText.substr(0, pos);
    if (ARemove) AText.erase(0, pos + ADelimiter.size());
    return head;
}

std::string SizeToText(int64_t ASize) {
    char buf[64];
    if (ASize > 1073741824)
        snprintf(buf, sizeof buf, "%.2f GB", static_cast<double>(ASize) / 1073741824);
    else if (ASize > 1048576)
        snprintf(buf, sizeof buf, "%.2f MB", static_cast<double>(ASize) / 1048576);
    else if (ASize > 1024)
        snprintf(buf, sizeof buf, "%.2f KB", static_cast<double>(ASize) / 1024);
    else
        snprintf(buf, sizeof buf, "%lld Byte", static_cast<long long>(ASize));
    return buf;
}

namespace {
double OffsetDaysAt(time_t t) {
    tm local{};
    localtime_r(&t, &local);
    return static_cast<double>(local.tm_gmtoff) / 86400.0;
}
} // namespace

double TimeZoneOffset() {
    return OffsetDaysAt(time(nullptr));
}

TDateTime UnixTimeToDateTime(int64_t ASeconds) {
    return static_cast<double>(ASeconds) / 86400.0 + 25569.0 + OffsetDaysAt(static_cast<time_t>(ASeconds));
}

int SeekFlagsToInt(TSeekFlags AFlags) {
    return static_cast<int>(AFlags.Bits());
}

std::string DurationToText(int64_t ADuration) {
    if (ADuration == AV_NOPTS_VALUE) return "N/A";
    const int64_t seconds = ADuration / 1000000;
    const int64_t hours = ADuration / (3600LL * 1000000);
    const int64_t ms = (ADuration % 1000000) * 1000 / 1000000;
    char buf[64];
    snprintf(buf, sizeof buf, "%.2lld:%.2lld:%.2lld.%.3lld", static_cast<long long>(hours),
             static_cast<long long>(seconds / 60 % 60), static_cast<long long>(seconds % 60),
             static_cast<long long>(ms));
    return buf;
}

int64_t FrameDuration(AVRational AFrameRate) {
    if (AFrameRate.num == 0 || AFrameRate.den == 0) return 40000;
    return 1000000LL * AFrameRate.den / AFrameRate.num;
}

std::string AVErrorText(std::string_view APrefix, int AErrorCode) {
    const char* text = nullptr;
    switch (AErrorCode) {
    case AVERROR(ENOENT):
        text = "No such file or directory";
        break;
    case AVERROR(EIO):
        text = "I/O error";
        break;
    case AVERROR(ENOMEM):
        text = "Not enough memory";
        break;
    case AVERROR_INVALIDDATA:
    case AVERROR(EINVAL):
        text = "Invalid data found when processing input";
        break;
    case AVERROR_EOF:
        text = "End of file";
        break;
    case AVERROR(EDOM):
        text = "Number syntax expected in filename";
        break;
    case AVERROR(EILSEQ):
    case AVERROR_DEMUXER_NOT_FOUND:
    case AVERROR_MUXER_NOT_FOUND:
        text = "Unknown format";
        break;
    case AVERROR_PROTOCOL_NOT_FOUND:
    case AVERROR(EPROTONOSUPPORT):
        text = "Unsupported network protocol";
        break;
    case AVERROR_PATCHWELCOME:
        text = "Not yet implemented in FFmpeg";
        break;
    default:
        break;
    }
    std::string result(APrefix);
    result += ": ";
    if (text) {
        result += text;
    } else {
        char buf[64];
        snprintf(buf, sizeof buf, "Error number %d occurred", AErrorCode);
        result += buf;
        // A system error code gets the system's own words (in English, as
        // every other text here); the libraries' tagged codes have none.
        const char* described = AErrorCode < 0 ? strerrordesc_np(-AErrorCode) : nullptr;
        if (described) result += std::string(" (") + described + ")";
    }
    return result;
}

std::string AVErrStr(int AErrorCode) {
    char buf[AV_ERROR_MAX_STRING_SIZE] = {};
    if (!av::av_strerror || av::av_strerror(AErrorCode, buf, sizeof buf) < 0)
        snprintf(buf, sizeof buf, "Error number %d occurred", AErrorCode);
    return buf;
}

std::string MediaTypeName(int AMediaType) {
    switch (AMediaType) {
    case AVMEDIA_TYPE_VIDEO:
        return "Video";
    case AVMEDIA_TYPE_AUDIO:
        return "Audio";
    case AVMEDIA_TYPE_DATA:
        return "Data";
    case AVMEDIA_TYPE_SUBTITLE:
        return "Subtitle";
    case AVMEDIA_TYPE_ATTACHMENT:
        return "Attachment";
    default:
        return "Unknown";
    }
}

std::string MetadataValue(const AVDictionary* AMetadata, const char* AKey, std::string_view ADefault) {
    const AVDictionaryEntry* e = AMetadata ? av::av_dict_get(AMetadata, AKey, nullptr, 0) : nullptr;
    return e && e->value ? std::string(e->value) : std::string(ADefault);
}

namespace {
std::string TrimText(const char* s) {
    std::string t = s ? s : "";
    size_t b = 0, e = t.size();
    while (b < e && std::isspace(static_cast<unsigned char>(t[b])))
        ++b;
    while (e > b && std::isspace(static_cast<unsigned char>(t[e - 1])))
        --e;
    return t.substr(b, e - b);
}
} // namespace

std::string CodecNameText(const AVCodecContext* ACodecContext, bool AEncoder) {
    if (!ACodecContext) return {};
    const AVCodecID id = ACodecContext->codec_id;
    const AVCodec* codec = AEncoder ? av::avcodec_find_encoder(id) : av::avcodec_find_decoder(id);
    if (codec) {
        std::string longName = TrimText(codec->long_name);
        if (longName.empty()) return codec->name;
        return std::string(codec->name) + "(" + longName + ")";
    }
    if (id == AV_CODEC_ID_MPEG2TS) return "mpeg2ts";
    if (id != AV_CODEC_ID_NONE)
        if (const AVCodecDescriptor* d = av::avcodec_descriptor_get(id); d && d->name)
            return TrimText(d->name);
    const unsigned tag = ACodecContext->codec_tag;
    const char c[4] = {static_cast<char>(tag & 0xff), static_cast<char>((tag >> 8) & 0xff),
                       static_cast<char>((tag >> 16) & 0xff), static_cast<char>((tag >> 24) & 0xff)};
    bool printable = true;
    for (char ch : c)
        printable =
            printable && static_cast<unsigned char>(ch) >= 32 && static_cast<unsigned char>(ch) <= 126;
    char buf[64];
    if (printable)
        snprintf(buf, sizeof buf, "%c%c%c%c / 0x%04X", c[0], c[1], c[2], c[3], tag);
    else
        snprintf(buf, sizeof buf, "0x%04x", tag);
    return buf;
}

int ReadFileToBuffer(const std::string& AFileName, uint8_t** ABuffer, int64_t* ASize) {
    *ABuffer = nullptr;
    *ASize = 0;
    FILE* f = fopen(AFileName.c_str(), "rbe");
    if (!f) return -1;
    int64_t size = -1;
    if (fseeko(f, 0, SEEK_END) == 0) size = ftello(f);
    if (size < 0 || fseeko(f, 0, SEEK_SET) != 0) {
        fclose(f);
        return -1;
    }
    auto* buf = static_cast<uint8_t*>(av::av_malloc(static_cast<size_t>(size) + 1));
    if (!buf) {
        fclose(f);
        return -12;
    }
    size_t got = fread(buf, 1, static_cast<size_t>(size), f);
    buf[got] = 0;
    fclose(f);
    *ABuffer = buf;
    *ASize = static_cast<int64_t>(got) + 1;
    return 0;
}
