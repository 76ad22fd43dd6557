#include "media/VideoFilterGraph.h"

#include <cstdarg>
#include <cstdio>

#include "media/MediaUtils.h"

namespace {

std::string Text(const char* AFormat, ...) __attribute__((format(printf, 1, 2)));
std::string Text(const char* AFormat, ...) {
    char buf[512];
    va_list args;
    va_start(args, AFormat);
    vsnprintf(buf, sizeof buf, AFormat, args);
    va_end(args);
    return buf;
}

} // namespace

void TVideoFilterGraph::Free() {
    av::avfilter_graph_free(&FGraph);
    FSource = FSink = nullptr;
}

bool TVideoFilterGraph::Fail(const std::string& AText, int ACode) {
    FError = ACode < 0 ? AVErrorText(AText, ACode) : AText;
    Free();
    return false;
}

bool TVideoFilterGraph::Build(const TParams& AParams) {
    Free();
    FParams = AParams;
    FError.clear();
    FGraph = av::avfilter_graph_alloc();
    if (!FGraph) return Fail("Cannot allocate the filter graph", 0);

    const AVRational sar = AParams.SampleAspect.num > 0 ? AParams.SampleAspect : AVRational{1, 1};
    // Arguments by name: positional forms changed meaning over the versions.
    const std::string args =
        Text("video_size=%dx%d:pix_fmt=%d:time_base=%d/%d:pixel_aspect=%d/%d", AParams.Width, AParams.Height,
             AParams.PixFmt, AParams.TimeBase.num, AParams.TimeBase.den, sar.num, sar.den);
    int r = av::avfilter_graph_create_filter(&FSource, av::avfilter_get_by_name("buffer"), "src",
                                             args.c_str(), nullptr, FGraph);
    if (r < 0) return Fail("buffer", r);

    FSink = av::avfilter_graph_alloc_filter(FGraph, av::avfilter_get_by_name("buffersink"), "out");
    if (!FSink) return Fail("buffersink", AVERROR(ENOMEM));
    const AVPixelFormat formats[] = {static_cast<AVPixelFormat>(AParams.OutPixFmt), AV_PIX_FMT_NONE};
    r = av::av_opt_set_bin(FSink, "pix_fmts", reinterpret_cast<const uint8_t*>(formats),
                           static_cast<int>(sizeof(AVPixelFormat)), AV_OPT_SEARCH_CHILDREN);
    if (r < 0) return Fail("buffersink pix_fmts", r);
    r = av::avfilter_init_str(FSink, nullptr);
    if (r < 0) return Fail("buffersink", r);

    AVFilterContext* last = FSource;
    auto append = [&](const char* AName, const char* AInstance, const std::string& AArgs) {
        AVFilterContext* f = nullptr;
        int e = av::avfilter_graph_create_filter(&f, av::avfilter_get_by_name(AName), AInstance,
                                                 AArgs.c_str(), nullptr, FGraph);
        if (e >= 0) e = av::avfilter_link(last, 0, f, 0);
        if (e >= 0) last = f;
        return e;
    };
    if (AParams.CropWidth > 0) {
        r = append(
            "crop", "crop",
            Text("x=%d:y=%d:w=%d:h=%d", AParams.CropX, AParams.CropY, AParams.CropWidth, AParams.CropHeight));
        if (r < 0) return Fail("crop", r);
    }
    if (AParams.ScaleWidth > 0) {
        r = append(
            "scale", "scale",
            Text("w=%d:h=%d:flags=%s", AParams.ScaleWidth, AParams.ScaleHeight, AParams.ScaleFlags.c_str()));
        if (r < 0) return Fail("scale", r);
    }
    FGraph->scale_sws_opts = av::av_strdup(("flags=" + AParams.ScaleFlags).c_str());

    if (!AParams.Filters.empty()) {
        AVFilterInOut* outputs = av::avfilter_inout_alloc();
        AVFilterInOut* inputs = av::avfilter_inout_alloc();
        if (!outputs || !inputs) {
            av::avfilter_inout_free(&outputs);
            av::avfilter_inout_free(&inputs);
            return Fail("Cannot allocate the filter graph", AVERROR(ENOMEM));
        }
        outputs->name = av::av_strdup("in");
        outputs->filter_ctx = last;
        outputs->pad_idx = 0;
        inputs->name = av::av_strdup("out");
        inputs->filter_ctx = FSink;
        inputs->pad_idx = 0;
        r = av::avfilter_graph_parse_ptr(FGraph, AParams.Filters.c_str(), &inputs, &outputs, nullptr);
        av::avfilter_inout_free(&outputs);
        av::avfilter_inout_free(&inputs);
        if (r < 0) return Fail(AParams.Filters, r);
    } else {
        r = av::avfilter_link(last, 0, FSink, 0);
        if (r < 0) return Fail("link", r);
    }
    r = av::avfilter_graph_config(FGraph, nullptr);
    if (r < 0) return Fail("Cannot configure the filter graph", r);
    return true;
}

int TVideoFilterGraph::OutWidth() const {
    return FSink ? av::av_buffersink_get_w(FSink) : 0;
}

int TVideoFilterGraph::OutHeight() const {
    return FSink ? av::av_buffersink_get_h(FSink) : 0;
}

AVRational TVideoFilterGraph::OutTimeBase() const {
    return FSink ? av::av_buffersink_get_time_base(FSink) : AVRational{1, AV_TIME_BASE};
}

int TVideoFilterGraph::Push(AVFrame* AFrame) {
    if (!FSource) return AVERROR(EINVAL);
    return av::av_buffersrc_add_frame_flags(FSource, AFrame, AV_BUFFERSRC_FLAG_KEEP_REF);
}

int TVideoFilterGraph::Pull(AVFrame* AFrame) {
    if (!FSink) return AVERROR_EOF;
    return av::av_buffersink_get_frame(FSink, AFrame);
}
