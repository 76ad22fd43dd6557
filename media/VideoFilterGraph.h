#pragma once

#include <string>

#include "media/AVBindings.h"

// A video filter graph from decoded pictures to pictures of one pixel
// format: "buffer" source, optional "crop" and "scale", the user's filter
// text between "in" and "out", then "buffersink". Shared by the engine and
// the player.
class TVideoFilterGraph {
public:
    struct TParams {
        int Width = 0, Height = 0; // of the pictures pushed
        int PixFmt = -1;
        AVRational TimeBase{1, AV_TIME_BASE};
        AVRational SampleAspect{0, 1};
        // Crop (when CropWidth > 0): the kept rectangle.
        int CropX = 0, CropY = 0, CropWidth = 0, CropHeight = 0;
        // Scale (when ScaleWidth > 0) with scaler flag names ("bicubic").
        int ScaleWidth = 0, ScaleHeight = 0;
        std::string ScaleFlags = "bicubic";
        std::string Filters; // the user's description; empty: none
        int OutPixFmt = -1;  // the one format the sink accepts
    };

    TVideoFilterGraph() = default;
    ~TVideoFilterGraph() { Free(); }
    TVideoFilterGraph(const TVideoFilterGraph&) = delete;
    TVideoFilterGraph& operator=(const TVideoFilterGraph&) = delete;

    // Builds the graph anew; false with ErrorText() when a step failed.
    bool Build(const TParams& AParams);
    void Free();
    bool Built() const { return FGraph != nullptr; }
    const TParams& Params() const { return FParams; }
    const std::string& ErrorText() const { return FError; }

    // Size of the pictures the graph gives.
    int OutWidth() const;
    int OutHeight() const;
    // Time base of the pictures the graph gives.
    AVRational OutTimeBase() const;

    // Pushes a picture (null: the end). Negative on failure.
    int Push(AVFrame* AFrame);
    // Takes the next filtered picture into AFrame: 0, AVERROR(EAGAIN) when
    // the graph needs more input, AVERROR_EOF at the end.
    int Pull(AVFrame* AFrame);

private:
    bool Fail(const std::string& AText, int ACode);
    AVFilterGraph* FGraph = nullptr;
    AVFilterContext* FSource = nullptr;
    AVFilterContext* FSink = nullptr;
    TParams FParams;
    std::string FError;
};
