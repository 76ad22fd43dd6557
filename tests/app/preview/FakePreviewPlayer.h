#pragma once
// A player that records what the preview panel asks of it, one text per call.

#include "app/preview/IPreviewPlayer.h"
#include "platform/base/Exception.h"
#include "platform/gdi/TBitmap.h"

#include <string>
#include <vector>

class FakePreviewPlayer : public IPreviewPlayer {
public:
    std::vector<std::string> Calls;
    bool Loaded = true;
    bool LoadSucceeds = true;
    bool OpenSucceeds = true;
    bool StopThrowsOnce = false;
    std::string ErrMsg = "cannot open";
    int Video = 0, Audio = 1, Subtitle = -1;
    std::vector<TPreviewStreamKind> Kinds{TPreviewStreamKind::Video, TPreviewStreamKind::Audio};
    uintptr_t Screen = 0;
    TBitmap Frame; // 0 x 0: nothing with video open

    bool AVLibLoaded() override { return Loaded; }
    bool LoadAVLib(const std::string& APath) override {
        Calls.push_back("LoadAVLib(" + APath + ")");
        Loaded = LoadSucceeds;
        return LoadSucceeds;
    }
    void SetDrivers(TVideoDriver AVideo, TAudioDriver AAudio) override {
        Calls.push_back("SetDrivers(" + std::to_string(int(AVideo)) + "," + std::to_string(int(AAudio)) +
                        ")");
    }
    bool Open(const std::string& AFileName, uintptr_t AScreenHandle, bool APaused) override {
        Calls.push_back("Open(" + AFileName + "," + std::to_string(AScreenHandle) + "," +
                        (APaused ? "paused" : "playing") + ")");
        return OpenSucceeds;
    }
    void Stop(bool AWaitForStop) override {
        Calls.push_back(AWaitForStop ? "Stop(wait)" : "Stop");
        if (StopThrowsOnce) {
            StopThrowsOnce = false;
            throw Exception("stop failed");
        }
    }
    void Pause() override { Calls.push_back("Pause"); }
    void Resume() override { Calls.push_back("Resume"); }
    void Seek(int64_t APTS, TSeekFlags AFlags, bool AWaitForSeekEnd) override {
        Calls.push_back("Seek(" + std::to_string(APTS) + (AFlags.Contains(TSeekFlag::sfAny) ? ",any" : "") +
                        (AWaitForSeekEnd ? ",wait" : "") + ")");
    }
    void SetAudioVolume(int AVolume) override { Calls.push_back("Volume(" + std::to_string(AVolume) + ")"); }
    void SetMute(bool AValue) override { Calls.push_back(AValue ? "Mute" : "Unmute"); }
    int VideoStreamIndex() override { return Video; }
    int AudioStreamIndex() override { return Audio; }
    int SubtitleStreamIndex() override { return Subtitle; }
    std::vector<TPreviewStreamKind> Streams() override { return Kinds; }
    std::string FileInfoText() override { return "Input #0, matroska"; }
    std::string LastErrMsg() override { return ErrMsg; }
    uintptr_t ScreenHandle() override { return Screen; }
    void CurrentFrame(TBitmap& AFrame) override { AFrame.Assign(Frame); }
};
