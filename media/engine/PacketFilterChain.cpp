#include "media/engine/PacketFilterChain.h"

namespace {

// Options after the filter's name: "key=value:key=value", or a lone value
// for the filter's first option, as the older filters took their argument.
int ApplyArguments(AVBSFContext* ACtx, const std::string& AArgs) {
    if (AArgs.empty()) return 0;
    if (!ACtx->priv_data) return AVERROR(EINVAL);
    std::string text = AArgs;
    if (text.find('=') == std::string::npos) {
        const AVOption* first = nullptr;
        while ((first = av::av_opt_next(ACtx->priv_data, first)) && first->type == AV_OPT_TYPE_CONST) {
        }
        if (!first) return AVERROR(EINVAL);
        text = std::string(first->name) + "=" + text;
    }
    const int r = av::av_set_options_string(ACtx->priv_data, text.c_str(), "=", ":");
    return r < 0 ? r : 0;
}

} // namespace

TPacketFilterChain::~TPacketFilterChain() {
    Free();
}

void TPacketFilterChain::Free() {
    for (TFilter& f : FFilters) {
        av::av_bsf_free(&f.Context);
        av::av_packet_free(&f.Output);
    }
    FFilters.clear();
}

int TPacketFilterChain::Init(const TBitstreamFilterChain& AItems, AVCodecParameters* AParams,
                             AVRational ATimeBase, std::string& AFailedName) {
    Free();
    const AVCodecParameters* par = AParams;
    AVRational tb = ATimeBase;
    for (const TBitstreamFilterItem& item : AItems) {
        AFailedName = item.Name;
        TFilter f;
        f.Name = item.Name;
        const AVBitStreamFilter* filter = av::av_bsf_get_by_name(item.Name.c_str());
        if (!filter) return AVERROR_BSF_NOT_FOUND;
        int r = av::av_bsf_alloc(filter, &f.Context);
        if (r < 0) return r;
        f.Output = av::av_packet_alloc();
        FFilters.push_back(f);
        if (!f.Output) return AVERROR(ENOMEM);
        if ((r = av::avcodec_parameters_copy(f.Context->par_in, par)) < 0) return r;
        f.Context->time_base_in = tb;
        if ((r = ApplyArguments(f.Context, item.Args)) < 0) return r;
        if ((r = av::av_bsf_init(f.Context)) < 0) return r;
        par = f.Context->par_out;
        tb = f.Context->time_base_out;
    }
    AFailedName.clear();
    if (par != AParams) return av::avcodec_parameters_copy(AParams, par);
    return 0;
}

AVRational TPacketFilterChain::OutTimeBase() const {
    return FFilters.back().Context->time_base_out;
}
