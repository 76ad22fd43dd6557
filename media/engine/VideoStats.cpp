// The per-picture video statistics file ("vstats", "vstats_file").

#include <cerrno>
#include <cmath>
#include <fcntl.h>
#include <unistd.h>

#include "media/AVBindings.h"
#include "media/engine/EngineText.h"
#include "media/engine/TCustomFFmpeg.h"
#include "media/engine/TranscodeTables.h"

using namespace EngineText;

FILE* TCustomFFmpeg::OpenVideoStatsFile() {
    if (!Fvstats_unique) {
        FILE* f = fopen(Fvstats_filename.c_str(), "we");
        if (!f) throw FFmpegException("fopen fail: " + Fvstats_filename);
        return f;
    }
    // "vstats" names the file after the time it was given; it goes beside
    // the first output and never replaces a file already there.
    const std::string output = FirstOutputName();
    const size_t slash = output.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string() : output.substr(0, slash + 1);
    std::string stem = Fvstats_filename;
    if (stem.size() > 4 && stem.compare(stem.size() - 4, 4, ".log") == 0) stem.resize(stem.size() - 4);
    std::string name = folder + Fvstats_filename;
    for (int k = 1;; ++k) {
        const int fd = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            FILE* f = fdopen(fd, "w");
            if (!f) {
                close(fd);
                break;
            }
            return f;
        }
        if (errno != EEXIST || k > 9999) break;
        name = folder + Format("%s_%d.log", stem.c_str(), k);
    }
    throw FFmpegException("fopen fail: " + name);
}

void TCustomFFmpeg::WriteVideoStats(TTranscodeTables& T, TAVOutputStream& ost) {
    if (!T.vstats_file) T.vstats_file = OpenVideoStatsFile();
    FILE* f = T.vstats_file;
    const AVCodecContext* enc = ost.enc;
    fprintf(f, "frame= %5d q= %2.1f ", ost.frame_number, ost.quality / FF_QP2LAMBDA);
    if ((enc->flags & AV_CODEC_FLAG_PSNR) && ost.last_error >= 0) {
        const double error = static_cast<double>(ost.last_error) /
                             (static_cast<double>(enc->width) * enc->height * 255.0 * 255.0);
        fprintf(f, "PSNR= %6.2f ", -10.0 * std::log10(error));
    }
    fprintf(f, "f_size= %6d ", ost.stage_size);
    double ti1 = static_cast<double>(ost.sync_opts) * av_q2d(enc->time_base);
    if (ti1 < 0.01) ti1 = 0.01;
    const double bitrate = static_cast<double>(ost.stage_size) * 8 / av_q2d(enc->time_base) / 1000.0;
    const double avg_bitrate = static_cast<double>(Fvideo_size) * 8 / ti1 / 1000.0;
    fprintf(f, "s_size= %8.0fkB time= %0.3f br= %7.1fkbits/s avg_br= %7.1fkbits/s ",
            static_cast<double>(Fvideo_size) / 1024, ti1, bitrate, avg_bitrate);
    fprintf(f, "type= %c\n", av::av_get_picture_type_char(static_cast<AVPictureType>(ost.last_pict_type)));
}
