#include "app/presets/ParameterBox.h"

const char* ChoiceListPrefix(TParameterBox ABox) {
    switch (ABox) {
    case TParameterBox::Resolution:
        return "RES";
    case TParameterBox::VideoBitrate:
        return "VBR";
    case TParameterBox::FrameRate:
        return "FPS";
    case TParameterBox::AudioBitrate:
        return "ABR";
    case TParameterBox::SampleRate:
        return "ASR";
    case TParameterBox::Aspect:
        return "ASPECT";
    }
    return "";
}
