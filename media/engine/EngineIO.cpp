#include "media/engine/EngineIO.h"

#include "media/AVBindings.h"
#include "media/engine/EngineText.h"

int OpenInputContext(AVFormatContext*& AContext, AVIOContext*& AIO, const std::string& AFileName,
                     const AVInputFormat* AFormat, AVDictionary** AOptions) {
    AIO = nullptr;
    return av::avformat_open_input(&AContext, AFileName.c_str(), AFormat, AOptions);
}

void CloseInputContext(AVFormatContext*& AContext, AVIOContext*& AIO) {
    if (AContext) av::avformat_close_input(&AContext);
    if (AIO) av::avio_context_free(&AIO);
}

int OpenOutputIO(AVFormatContext* AContext, const std::string& AFileName) {
    return av::avio_open2(&AContext->pb, AFileName.c_str(), AVIO_FLAG_WRITE, &AContext->interrupt_callback,
                          nullptr);
}

void CloseOutputIO(AVFormatContext* AContext) {
    av::avio_closep(&AContext->pb);
}

std::string EngineErrorText(const std::string& APrefix, int ACode) {
    const char* text = nullptr;
    switch (ACode) {
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
    return APrefix + ": " + (text ? text : EngineText::Format("Error number %d occurred", ACode));
}
