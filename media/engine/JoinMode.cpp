// Join mode: several inputs converted one after another into one output.
// The output streams and their encoders are made once, for the first input;
// each later input feeds them in its turn, its time stamps shifted past what
// was already written. Encoders stay open across inputs (a reopened encoder
// could not promise the global headers already written) and drain once, at
// the end.

#include <cmath>

#include "media/AVBindings.h"
#include "media/MediaUtils.h"
#include "media/engine/EngineText.h"
#include "media/engine/TCustomFFmpeg.h"
#include "media/engine/TranscodeTables.h"

using namespace EngineText;

void TCustomFFmpeg::SelectJoinSources(TTranscodeTables& T) {
    T.join_sources.assign(static_cast<size_t>(Fnb_input_files), std::vector<int>(T.ost.size(), -1));
    for (size_t n = 0; n < T.ost.size(); ++n)
        T.join_sources[0][n] = T.ost[n]->source_index;

    for (int k = 1; k < Fnb_input_files; ++k) {
        const TAVInputFile& file = T.files[static_cast<size_t>(k)];
        AVFormatContext* ic = Finput_files[static_cast<size_t>(k)];
        for (size_t n = 0; n < T.ost.size(); ++n) {
            const TAVOutputStream& ost = *T.ost[n];
            const TAVInputStream& first = *T.ist[static_cast<size_t>(ost.source_index)];
            const AVMediaType type = ost.st->codecpar->codec_type;
            auto usable = [&](int AStream) {
                if (AStream < 0 || AStream >= file.nb_streams) return false;
                const TAVInputStream& ist = *T.ist[static_cast<size_t>(file.ist_index + AStream)];
                return ist.discard && ist.st->codecpar->codec_type == type &&
                       ist.st->discard != AVDISCARD_ALL;
            };
            // The stream at the first input's place, else the library's best
            // of the type, else the first unused one of the type.
            int stream = usable(first.index) ? first.index : -1;
            if (stream < 0) {
                const int best = av::av_find_best_stream(ic, type, -1, -1, nullptr, 0);
                if (usable(best)) stream = best;
            }
            for (int s = 0; s < file.nb_streams && stream < 0; ++s)
                if (usable(s)) stream = s;
            if (stream < 0) {
                DumpOutputFormat(0);
                throw FFmpegException(Format("Could not find input stream matching output stream #%d.%d (%s)",
                                             0, ost.index, MediaTypeName(type).c_str()));
            }
            TAVInputStream& ist = *T.ist[static_cast<size_t>(file.ist_index + stream)];
            // Copied packets must be of the codec the output stream was made for.
            if (!ost.encoding_needed && ist.st->codecpar->codec_id != first.st->codecpar->codec_id)
                throw FFmpegException(
                    Format("Stream #%d.%d (%s) cannot be joined: the output copies %s from input #0", k,
                           stream, av::avcodec_get_name(ist.st->codecpar->codec_id),
                           av::avcodec_get_name(first.st->codecpar->codec_id)));
            ist.discard = false;
            ist.decoding_needed = first.decoding_needed;
            T.join_sources[static_cast<size_t>(k)][n] = file.ist_index + stream;
        }
    }
}

bool TCustomFFmpeg::NextJoinInput(TTranscodeTables& T, int& AFileIndex) {
    const TAVInputFile& file = T.files[static_cast<size_t>(AFileIndex)];
    // What the decoders and the filter graphs still hold goes to the encoders.
    for (int i = file.ist_index; i < file.ist_index + file.nb_streams; ++i) {
        TAVInputStream& ist = *T.ist[static_cast<size_t>(i)];
        if (!ist.decoding_needed || ist.decoder_flushed) continue;
        ProcessPacket(T, ist, nullptr);
        ist.decoder_flushed = true;
    }
    for (auto& o : T.ost)
        if (o->encoding_needed && o->graph && o->graph->Built()) {
            FilterVideo(T, *o, *T.ist[static_cast<size_t>(o->source_index)], nullptr);
            // The next input's pictures get a graph of their own.
            o->graph->Free();
        }
    if (AFileIndex + 1 >= Fnb_input_files) return false;

    // The next input starts where the longest output stream ends.
    double max_opts = 0;
    for (auto& o : T.ost)
        max_opts = std::max(max_opts, OutputTime(*o));
    const int next = AFileIndex + 1;
    Finput_files_ts_offset[static_cast<size_t>(next)] += std::llround(max_opts * AV_TIME_BASE);
    for (size_t n = 0; n < T.ost.size(); ++n)
        T.ost[n]->source_index = T.ost[n]->sync_ist = T.join_sources[static_cast<size_t>(next)][n];
    AFileIndex = next;
    return true;
}

int64_t TCustomFFmpeg::JoinedDuration() const {
    int64_t sum = 0;
    for (int i = 0; i < Fnb_input_files; ++i) {
        const int64_t d = Finput_files[static_cast<size_t>(i)]->duration;
        if (d != AV_NOPTS_VALUE && d > 0) sum += d;
    }
    // A recording time given before still limits it.
    if (Frecording_time != INT64_MAX && (sum == 0 || Frecording_time < sum)) return Frecording_time;
    return sum == 0 ? -1 : sum;
}
