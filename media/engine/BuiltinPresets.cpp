// The built-in libx264 presets, in their original option-line text. Every line
// is translated to this library's option names when it is applied.

#include "media/engine/BuiltinPresets.h"

#include "media/engine/EngineText.h"

namespace {

// One row of the long presets; nullptr means the line is absent.
struct TPresetRow {
    const char* Name;
    const char* coder;
    const char* flags;
    const char* partitions;
    const char* me_method;
    const char* subq;
    const char* me_range;
    const char* sc_threshold;
    const char* b_strategy;
    const char* bf;
    const char* refs;
    const char* directpred;
    const char* trellis;
    const char* flags2;
    const char* wpredp;
    const char* cqp;
};

constexpr const char* _ = nullptr;

const TPresetRow LongPresets[] = {
    {"libx264-default", "1", "+loop", "+parti8x8+parti4x4+partp8x8+partb8x8", "hex", "7", "16", "40", "1",
     "3", "3", "1", "1", "+mixed_refs+wpred+dct8x8+fastpskip", "2", _},
    {"libx264-fast", "1", "+loop", "+parti8x8+parti4x4+partp8x8+partb8x8", "hex", "6", "16", "40", "1", "3",
     "2", "1", "1", "+bpyramid+mixed_refs+wpred+dct8x8+fastpskip", "2", _},
    {"libx264-fast_firstpass", "1", "+loop", "-parti8x8-parti4x4-partp8x8-partb8x8", "dia", "2", "16", "40",
     "1", "3", "1", "1", "0", "+bpyramid-mixed_refs+wpred-dct8x8+fastpskip", "2", _},
    {"libx264-faster", "1", "+loop", "+parti8x8+parti4x4+partp8x8+partb8x8", "hex", "4", "16", "40", "1", "3",
     "2", "1", "1", "+bpyramid-mixed_refs+wpred+dct8x8+fastpskip", "1", _},
    {"libx264-faster_firstpass", "1", "+loop", "-parti8x8-parti4x4-partp8x8-partb8x8", "dia", "2", "16", "40",
     "1", "3", "1", "1", "0", "+bpyramid-mixed_refs+wpred-dct8x8+fastpskip", "1", _},
    {"libx264-fastfirstpass", "1", "+loop", "-parti8x8-parti4x4-partp8x8-partp4x4-partb8x8", "dia", "2", "16",
     "40", "1", "3", "1", "3", "0", "-bpyramid-wpred-mixed_refs-dct8x8+fastpskip", "2", _},
    {"libx264-hq", "1", "+loop", "+parti8x8+parti4x4+partp8x8+partb8x8", "umh", "8", "16", "40", "2", "3",
     "4", "3", "1", "+wpred+mixed_refs+dct8x8+fastpskip", "2", _},
    {"libx264-lossless_fast", "0", "+loop", "-parti8x8+parti4x4+partp8x8-partp4x4-partb8x8", "hex", "3", "16",
     "40", "1", _, _, "1", _, "+fastpskip", "0", "0"},
    {"libx264-lossless_max", "1", "+loop", "+parti8x8+parti4x4+partp8x8+partp4x4-partb8x8", "esa", "8", "16",
     "40", "1", _, "16", "1", _, "+mixed_refs+dct8x8+fastpskip", "2", "0"},
    {"libx264-lossless_medium", "1", "+loop", "-parti8x8+parti4x4+partp8x8+partp4x4-partb8x8", "hex", "5",
     "16", "40", "1", _, _, "1", _, "+fastpskip", "2", "0"},
    {"libx264-lossless_slow", "1", "+loop", "+parti8x8+parti4x4+partp8x8+partp4x4-partb8x8", "umh", "6", "16",
     "40", "1", _, "2", "1", _, "+dct8x8+fastpskip", "2", "0"},
    {"libx264-lossless_slower", "1", "+loop", "+parti8x8+parti4x4+partp8x8+partp4x4-partb8x8", "umh", "8",
     "16", "40", "1", _, "4", "1", _, "+mixed_refs+dct8x8+fastpskip", "2", "0"},
    {"libx264-lossless_ultrafast", "0", "+loop", "-parti8x8-parti4x4-partp8x8-partp4x4-partb8x8", "dia", "0",
     "16", "40", "1", _, _, "1", _, "+fastpskip", _, "0"},
    {"libx264-max", "1", "+loop", "+parti8x8+parti4x4+partp8x8+partp4x4+partb8x8", "tesa", "10", "24", "40",
     "2", "3", "16", "3", "2", "+wpred+mixed_refs+dct8x8-fastpskip", "2", _},
    {"libx264-medium", "1", "+loop", "+parti8x8+parti4x4+partp8x8+partb8x8", "hex", "7", "16", "40", "1", "3",
     "3", "1", "1", "+bpyramid+mixed_refs+wpred+dct8x8+fastpskip", "2", _},
    {"libx264-medium_firstpass", "1", "+loop", "-parti8x8-parti4x4-partp8x8-partb8x8", "dia", "2", "16", "40",
     "1", "3", "1", "1", "0", "+bpyramid-mixed_refs+wpred-dct8x8+fastpskip", "2", _},
    {"libx264-normal", "1", "+loop", "+parti8x8+parti4x4+partp8x8+partb8x8", "hex", "6", "16", "40", "1", "3",
     "2", "3", "0", "+wpred+dct8x8+fastpskip", "2", _},
    {"libx264-placebo", "1", "+loop", "+parti8x8+parti4x4+partp8x8+partp4x4+partb8x8", "tesa", "10", "24",
     "40", "2", "16", "16", "3", "2", "+bpyramid+mixed_refs+wpred+dct8x8-fastpskip", "2", _},
    {"libx264-placebo_firstpass", "1", "+loop", "+parti8x8+parti4x4+partp8x8+partp4x4+partb8x8", "tesa", "10",
     "24", "40", "2", "16", "16", "3", "2", "+bpyramid+mixed_refs+wpred+dct8x8-fastpskip", "2", _},
    {"libx264-slow", "1", "+loop", "+parti8x8+parti4x4+partp8x8+partb8x8", "umh", "8", "16", "40", "2", "3",
     "5", "3", "1", "+bpyramid+mixed_refs+wpred+dct8x8+fastpskip", "2", _},
    {"libx264-slow_firstpass", "1", "+loop", "-parti8x8-parti4x4-partp8x8-partb8x8", "dia", "2", "16", "40",
     "2", "3", "1", "3", "0", "+bpyramid-mixed_refs+wpred-dct8x8+fastpskip", "2", _},
    {"libx264-slower", "1", "+loop", "+parti8x8+parti4x4+partp8x8+partp4x4+partb8x8", "umh", "9", "16", "40",
     "2", "3", "8", "3", "2", "+bpyramid+mixed_refs+wpred+dct8x8+fastpskip", "2", _},
    {"libx264-slower_firstpass", "1", "+loop", "-parti8x8-parti4x4-partp8x8-partb8x8", "dia", "2", "16", "40",
     "2", "3", "1", "3", "0", "+bpyramid-mixed_refs+wpred-dct8x8+fastpskip", "2", _},
    {"libx264-slowfirstpass", "1", "+loop", "+parti8x8+parti4x4+partp8x8+partb8x8", "hex", "6", "16", "40",
     "2", "3", "1", "3", "0", "+wpred+dct8x8+fastpskip", "2", _},
    {"libx264-superfast", "1", "+loop", "+parti8x8+parti4x4-partp8x8-partb8x8", "dia", "1", "16", "40", "1",
     "3", "1", "1", "0", "+bpyramid-mixed_refs+wpred+dct8x8+fastpskip-mbtree", "0", _},
    {"libx264-superfast_firstpass", "1", "+loop", "-parti8x8-parti4x4-partp8x8-partb8x8", "dia", "1", "16",
     "40", "1", "3", "1", "1", "0", "+bpyramid-mixed_refs+wpred-dct8x8+fastpskip-mbtree", "0", _},
    {"libx264-ultrafast", "0", "-loop", "-parti8x8-parti4x4-partp8x8-partb8x8", "dia", "0", "16", "0", "0",
     "0", "1", "1", "0", "-bpyramid-mixed_refs-wpred-dct8x8+fastpskip-mbtree", "0", _},
    {"libx264-ultrafast_firstpass", "0", "-loop", "-parti8x8-parti4x4-partp8x8-partb8x8", "dia", "0", "16",
     "0", "0", "0", "1", "1", "0", "-bpyramid-mixed_refs-wpred-dct8x8+fastpskip-mbtree", "0", _},
    {"libx264-veryfast", "1", "+loop", "+parti8x8+parti4x4+partp8x8+partb8x8", "hex", "2", "16", "40", "1",
     "3", "1", "1", "0", "+bpyramid-mixed_refs+wpred+dct8x8+fastpskip-mbtree", "0", _},
    {"libx264-veryfast_firstpass", "1", "+loop", "-parti8x8-parti4x4-partp8x8-partb8x8", "dia", "2", "16",
     "40", "1", "3", "1", "1", "0", "+bpyramid-mixed_refs+wpred-dct8x8+fastpskip-mbtree", "0", _},
    {"libx264-veryslow", "1", "+loop", "+parti8x8+parti4x4+partp8x8+partp4x4+partb8x8", "umh", "10", "24",
     "40", "2", "8", "16", "3", "2", "+bpyramid+mixed_refs+wpred+dct8x8+fastpskip", "2", _},
    {"libx264-veryslow_firstpass", "1", "+loop", "-parti8x8-parti4x4-partp8x8-partb8x8", "dia", "2", "24",
     "40", "2", "8", "1", "3", "0", "+bpyramid-mixed_refs+wpred-dct8x8+fastpskip", "2", _},
};

std::string LongPresetText(const TPresetRow& r) {
    std::string text;
    auto line = [&](const char* name, const char* value) {
        if (!value) return;
        if (!text.empty()) text += '\n';
        text += name;
        text += '=';
        text += value;
    };
    line("coder", r.coder);
    line("flags", r.flags);
    line("cmp", "+chroma");
    line("partitions", r.partitions);
    line("me_method", r.me_method);
    line("subq", r.subq);
    line("me_range", r.me_range);
    line("g", "250");
    line("keyint_min", "25");
    line("sc_threshold", r.sc_threshold);
    line("i_qfactor", "0.71");
    line("b_strategy", r.b_strategy);
    line("qcomp", "0.6");
    line("qmin", "10");
    line("qmax", "51");
    line("qdiff", "4");
    line("bf", r.bf);
    line("refs", r.refs);
    line("directpred", r.directpred);
    line("trellis", r.trellis);
    line("flags2", r.flags2);
    line("cqp", r.cqp);
    line("wpredp", r.wpredp);
    return text;
}

std::vector<TOptionsPreset> BuildTable() {
    std::vector<TOptionsPreset> table;
    auto longPreset = [&](std::string_view name) {
        for (const TPresetRow& r : LongPresets)
            if (name == r.Name) table.push_back({r.Name, LongPresetText(r)});
    };
    table.push_back({"libx264-baseline", "coder=0\nbf=0\nflags2=-wpred-dct8x8\nwpredp=0"});
    longPreset("libx264-default");
    longPreset("libx264-fast");
    longPreset("libx264-fast_firstpass");
    longPreset("libx264-faster");
    longPreset("libx264-faster_firstpass");
    longPreset("libx264-fastfirstpass");
    longPreset("libx264-hq");
    table.push_back(
        {"libx264-ipod320",
         "coder=0\nbf=0\nflags2=-wpred-dct8x8\nlevel=13\nmaxrate=768000\nbufsize=3000000\nwpredp=0"});
    table.push_back({"libx264-ipod640", "coder=0\nbf=0\nrefs=1\nflags2=-wpred-dct8x8\nlevel=30\nmaxrate="
                                        "10000000\nbufsize=10000000\nwpredp=0"});
    longPreset("libx264-lossless_fast");
    longPreset("libx264-lossless_max");
    longPreset("libx264-lossless_medium");
    longPreset("libx264-lossless_slow");
    longPreset("libx264-lossless_slower");
    longPreset("libx264-lossless_ultrafast");
    table.push_back({"libx264-main", "flags2=-dct8x8"});
    for (const char* name :
         {"libx264-max", "libx264-medium", "libx264-medium_firstpass", "libx264-normal", "libx264-placebo",
          "libx264-placebo_firstpass", "libx264-slow", "libx264-slow_firstpass", "libx264-slower",
          "libx264-slower_firstpass", "libx264-slowfirstpass", "libx264-superfast",
          "libx264-superfast_firstpass", "libx264-ultrafast", "libx264-ultrafast_firstpass",
          "libx264-veryfast", "libx264-veryfast_firstpass", "libx264-veryslow", "libx264-veryslow_firstpass"})
        longPreset(name);
    return table;
}

} // namespace

const std::vector<TOptionsPreset>& BuiltinPresets() {
    static const std::vector<TOptionsPreset> table = BuildTable();
    return table;
}
