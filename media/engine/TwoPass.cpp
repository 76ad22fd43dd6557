// Two-pass statistics logs. Each task keeps its logs beside its first output
// ("<output>-ffmpeg2pass-<i>.log", or a "passlogfile" prefix taken from that
// folder when relative), so tasks running side by side never share one and
// nothing lands in the process's current folder.

#include <fcntl.h>
#include <unistd.h>

#include "media/AVBindings.h"
#include "media/MediaUtils.h"
#include "media/UnicodeFileName.h"
#include "media/engine/EngineText.h"
#include "media/engine/TCustomFFmpeg.h"
#include "media/engine/TranscodeTables.h"

using namespace EngineText;

namespace {

// Encoders that keep their statistics file themselves name it by their
// private "stats" option (libx264); the others exchange the text through
// stats_out and stats_in.
bool WritesOwnStats(const AVCodec* ACodec) {
    return ACodec && ACodec->priv_class &&
           av::av_opt_find(const_cast<AVClass**>(&ACodec->priv_class), "stats", nullptr, 0,
                           AV_OPT_SEARCH_FAKE_OBJ) != nullptr;
}

std::string ReadErrorText(const char* AWhy, const std::string& AName) {
    return Format("%s: Error reading log file \"%s\" for pass-2 encoding", AWhy, AName.c_str());
}

} // namespace

std::string TCustomFFmpeg::FirstOutputName() const {
    if (Fnb_output_files <= 0) return {};
    if (!Foutput_filenames[0].empty()) return Foutput_filenames[0];
    const AVFormatContext* oc = Foutput_files[0];
    return oc && oc->url ? FileNameFromURL(oc->url) : std::string();
}

std::string TCustomFFmpeg::PassLogPrefix() const {
    const std::string output = FirstOutputName();
    if (Fpass_logfilename_prefix.empty()) return output + "-ffmpeg2pass";
    if (Fpass_logfilename_prefix[0] == '/') return Fpass_logfilename_prefix;
    const size_t slash = output.rfind('/');
    return slash == std::string::npos ? Fpass_logfilename_prefix
                                      : output.substr(0, slash + 1) + Fpass_logfilename_prefix;
}

void TCustomFFmpeg::SetupTwoPass(TTranscodeTables& T, TAVOutputStream& ost) {
    AVCodecContext* enc = ost.enc;
    if (!ost.encoding_needed || !enc || !(enc->flags & (AV_CODEC_FLAG_PASS1 | AV_CODEC_FLAG_PASS2))) return;
    size_t table_index = 0;
    while (table_index < T.ost.size() && T.ost[table_index].get() != &ost)
        ++table_index;
    std::string name = PassLogPrefix() + Format("-%zu.log", table_index);

    TOutputStreamSetup& setup =
        Foutput_streams[static_cast<size_t>(ost.file_index)][static_cast<size_t>(ost.index)];
    const AVCodec* codec = setup.Codec ? setup.Codec : av::avcodec_find_encoder(enc->codec_id);
    const bool ownStats = WritesOwnStats(codec);
    if (ownStats) {
        // A "stats" the user set explicitly stays.
        av::av_dict_set(&setup.Options, "stats", name.c_str(), AV_DICT_DONT_OVERWRITE);
        name = av::av_dict_get(setup.Options, "stats", nullptr, 0)->value;
    }

    if (enc->flags & AV_CODEC_FLAG_PASS1) {
        FILE* f = fopen(name.c_str(), "wbe");
        if (!f) throw FFmpegException(Format("Cannot write log file %s for pass-1 encoding", name.c_str()));
        if (ownStats)
            fclose(f); // the encoder writes it
        else
            ost.logfile = f;
        return;
    }

    if (ownStats) {
        const int fd = open(name.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) throw FFmpegException(ReadErrorText("Cannot read file", name));
        close(fd);
        return;
    }
    uint8_t* text = nullptr;
    int64_t size = 0;
    const int r = ReadFileToBuffer(name, &text, &size);
    if (r == -12) throw FFmpegException(ReadErrorText("Could not allocate file buffer", name));
    if (r < 0) throw FFmpegException(ReadErrorText("Cannot read file", name));
    av::av_freep(&enc->stats_in);
    enc->stats_in = reinterpret_cast<char*>(text);
}

void TCustomFFmpeg::NoteVideoPacket(TAVOutputStream& ost, const AVPacket* pkt) {
    if (ost.logfile && ost.enc->stats_out) fputs(ost.enc->stats_out, ost.logfile);
    ost.stage_size = pkt->size;
    ost.last_pict_type = AV_PICTURE_TYPE_NONE;
    ost.last_error = -1;
    // Quality stats: quality (32 bits), picture type, error count, 2 reserved, then 64-bit errors.
    size_t size = 0;
    const uint8_t* stats = av::av_packet_get_side_data(pkt, AV_PKT_DATA_QUALITY_STATS, &size);
    if (!stats || size < 5) return;
    ost.last_pict_type = stats[4];
    if (size >= 16 && stats[5] > 0) {
        uint64_t error = 0;
        for (int b = 7; b >= 0; --b)
            error = error << 8 | stats[8 + b];
        ost.last_error = static_cast<int64_t>(error);
    }
}
