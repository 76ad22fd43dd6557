#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/conversion/TConversionController.h"
#include "tests/app/conversion/ScriptedConverter.h"
#include "tests/support/TTempFolder.h"

// Menu entries used by the tests: "MP4视频" (list 2, ".mp4" profiles),
// "AVI视频" (list 0, ".avi"), "MP3音频" (list 25, audio only).
constexpr int Mp4Entry = 4;
constexpr int AviEntry = 5;
constexpr int Mp3Entry = 22;

class ControllerFixture : public ::testing::Test {
protected:
    void SetUp() override {
        Dir = Temp.Path();
        std::filesystem::create_directories(Dir / "in");
        std::filesystem::create_directories(Dir / "out");
        Controller.OutputFolder = (Dir / "out").string();
        Controller.Initialize();
    }
    // Reports queued to the GUI thread are served while the controller lives.
    void TearDown() override { CheckSynchronize(0); }

    std::string Make(const std::string& AName) {
        const auto path = Dir / "in" / AName;
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path) << "x";
        return path.string();
    }
    void AddFile(const std::string& APath) {
        Dialogs.File = APath;
        Controller.btnAddClick();
    }
    const std::string& Cell(int ARow, TFileRowColumn AColumn) {
        return Controller.Files().Text(ARow, AColumn);
    }
    void Serve() {
        for (int i = 0; i < 5; ++i)
            CheckSynchronize(0);
    }
    bool LogHas(const std::string& ALine) {
        for (const auto& line : Controller.Log().Lines())
            if (line == ALine) return true;
        return false;
    }

    TTempFolder Temp;
    std::filesystem::path Dir;
    TScriptedConverter Converter;
    TFakeProber Prober;
    TRecordingDialogs Dialogs;
    TRecordingDesktop Desktop;
    TConversionController Controller{Converter, Prober, Dialogs, Desktop};
};
