#pragma once

#include "media/TFFBaseComponent.h"
#include "media/TFFLogger.h"
#include "media/prober/ProbeRecords.h"
#include "media/prober/TProbeSnapshot.h"

#include <cstdint>
#include <optional>
#include <string>

struct AVFormatContext;

// Opens one media file read-only and reports its format, size, duration,
// metadata, programs and streams, as records and as text. It can also adopt
// a context opened elsewhere (SetFileHandle): then everything is reported
// from a copy taken at adoption, and the context is never touched again.
// Used from one thread at a time.
class TCustomAVProbe : public TFFBaseComponent {
public:
    TCustomAVProbe();
    ~TCustomAVProbe() override;

    // Opens AFileName (UTF-8), with the input format AFormatName when not
    // empty. False with LastErrMsg on failure; nothing stays open then.
    bool LoadFile(const std::string& AFileName, const std::string& AFormatName = "");
    virtual void CloseFile();

    AVFormatContext* FileHandle() const { return FFileHandle; }
    // Adopts a context opened by another component, without owning it; null
    // detaches. Must be called before the owner starts demuxing it.
    virtual void SetFileHandle(AVFormatContext* AContext);

    std::string FileName() const;
    int64_t FileSize() const { return FFileSize; }
    std::string ForceFormat() const { return FForceFormat; }
    std::string FormatName() const;
    std::string FormatLongName() const;
    int StreamCount() const { return FStreamCount; }
    int ProgramCount() const { return FProgramCount; }
    int AudioStreamCount() const { return FAudioStreamCount; }
    int VideoStreamCount() const { return FVideoStreamCount; }
    int SubtitleStreamCount() const { return FSubtitleStreamCount; }
    int FirstAudioStreamIndex() const { return FFirstAudioStreamIndex; }
    int FirstVideoStreamIndex() const { return FFirstVideoStreamIndex; }
    int FirstSubtitleStreamIndex() const { return FFirstSubtitleStreamIndex; }
    std::string LastErrMsg() const { return FLastErrMsg; }

    TFileStreamInfo FileStreamInfo();
    std::string FileInfoText();
    TAudioStreamInfo FirstAudioStreamInfo();
    TVideoStreamInfo FirstVideoStreamInfo();
    TSubtitleStreamInfo FirstSubtitleStreamInfo();

    bool IsAudioStream(int AStreamIndex);
    bool IsVideoStream(int AStreamIndex);
    bool IsSubtitleStream(int AStreamIndex);
    // Index -1: the first stream of that kind. False (and the record all -1
    // and empty) with LastErrMsg when there is no such stream.
    bool GetAudioStreamInfo(int AStreamIndex, TAudioStreamInfo& AInfo);
    bool GetVideoStreamInfo(int AStreamIndex, TVideoStreamInfo& AInfo);
    bool GetSubtitleStreamInfo(int AStreamIndex, TSubtitleStreamInfo& AInfo);

    static bool AVLibLoaded();
    // Sets the loader's library folder and loads the prober's set; on failure
    // LastErrMsg holds the loader's text.
    bool LoadAVLib(const std::string& APath);
    static void UnloadAVLib();

protected:
    virtual void UpdateFileInfo();
    // Logs the text through the process's logger and keeps it as LastErrMsg.
    void ReportProblem(TLogLevel ALevel, const std::string& AText);
    void SetLastErrMsg(const std::string& AText) { FLastErrMsg = AText; }
    // The copy of the file's information taken when it was opened or adopted.
    // Only valid while a file is open.
    const TProbeSnapshot& Info() const { return *FInfo; }
    // The same with the streams' codec names and descriptions filled.
    const TProbeSnapshot& DescribedInfo();
    bool OwnHandle() const { return FOwnHandle; }
    // Counts the prober as a user of the libraries, so they are not unloaded
    // under it.
    void HoldLibraries(bool AValue);

    AVFormatContext* FFileHandle = nullptr;
    bool FOwnHandle = false;
    bool FHoldsLibraries = false;
    std::string FLastErrMsg;
    std::string FForceFormat;
    int64_t FFileSize = -1;
    int FStreamCount = -1;
    int FProgramCount = -1;
    int FAudioStreamCount = -1;
    int FVideoStreamCount = -1;
    int FSubtitleStreamCount = -1;
    int FFirstAudioStreamIndex = -1;
    int FFirstVideoStreamIndex = -1;
    int FFirstSubtitleStreamIndex = -1;

private:
    void CheckLibraries();
    const TProbeStream* CheckStream(int& AStreamIndex, AVMediaType AType, int AFirstIndex);
    bool IsStreamOfType(int AStreamIndex, AVMediaType AType);

    std::optional<TProbeSnapshot> FInfo;
};
