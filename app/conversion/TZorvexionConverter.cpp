#include "app/conversion/TZorvexionConverter.h"

#include "media/prober/TAVProbe.h"

TZorvexionConverter::~TZorvexionConverter() {
    FZorvex.SetOnProgress(nullptr);
    FZorvex.SetOnTerminate(nullptr);
}

int TZorvexionConverter::AddTask(const std::string& AFileName, TInputOptions* AOptions) {
    return FZorvex.AddTask(AFileName, AOptions);
}

bool TZorvexionConverter::SetOutputFile(int ATaskIndex, const std::string& AFileName,
                                        TOutputOptions* AOptions) {
    return FZorvex.SetOutputFile(ATaskIndex, AFileName, AOptions);
}

std::string TZorvexionConverter::TaskInfoText(int ATaskIndex) {
    TAVProbe* probe = FZorvex.GetTaskAVProbe(ATaskIndex, 0);
    return probe ? probe->FileInfoText() : std::string();
}

void TZorvexionConverter::SetOnProgress(TProgressHandler AHandler) {
    if (!AHandler) {
        FZorvex.SetOnProgress(nullptr);
        return;
    }
    FZorvex.SetOnProgress([AHandler](TCustomZorvexion*, PProgressInfo AInfo) {
        if (AInfo) AHandler(*AInfo);
    });
}

void TZorvexionConverter::SetOnTerminate(TTerminateHandler AHandler) {
    if (!AHandler) {
        FZorvex.SetOnTerminate(nullptr);
        return;
    }
    FZorvex.SetOnTerminate([AHandler](TCustomZorvexion*, const TTerminateInfo& AInfo) { AHandler(AInfo); });
}

bool TZorvexionProber::LoadFile(const std::string& AFileName) {
    return FZorvex.AVProbe().LoadFile(AFileName);
}

int64_t TZorvexionProber::Duration() {
    return FZorvex.AVProbe().FileStreamInfo().Duration;
}

int64_t TZorvexionProber::FileSize() {
    return FZorvex.AVProbe().FileSize();
}

std::string TZorvexionProber::LastErrMsg() {
    return FZorvex.AVProbe().LastErrMsg();
}
