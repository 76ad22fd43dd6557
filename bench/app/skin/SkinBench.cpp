// The program's skins under the headless window system: the program made as
// its start makes it (splash, main window, about box, options form, settings
// form), each figure against a baseline measured in the same run.
//
// BM_IdleMemory (first, in a process nothing else has grown yet): the
// resident set once the program is made in its stored skin and idle. "mb" is
// that resident set, "baseline_mb" the process's before the program was made
// (registrations done), "ratio" the one over the other. Goal: under 80 MB.
// BM_SkinSwitch: one switch to another of the program's skins, as the skin
// command makes it (load, announcement to every form and control, frames and
// repaint), round the eleven skins. "ms" is one switch, "ratio" its time over
// a full repaint of the main window in the built-in look. Goal: under 100 ms.

#include "app/TForm1.h"
#include "app/startup/StartupForms.h"
#include "app/startup/TForm2.h"
#include "app/startup/TForm5.h"
#include "app/startup/TForm6.h"
#include "app/startup/TProgramStartup.h"
#include "platform/backend/headless/THeadlessSession.h"
#include "platform/vcl/TApplication.h"
#include "platform/win/WinApi.h"
#include "platform/win/WinConst.h"
#include "skin/controls/SkinControlsRegistration.h"
#include "skin/dialogs/SkinDialogsRegistration.h"
#include "skin/engine/SkinData.h"
#include "tests/support/TTempFolder.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

using TClock = std::chrono::steady_clock;

double Seconds(TClock::time_point AFrom) {
    return std::chrono::duration<double>(TClock::now() - AFrom).count();
}

// The process's resident set in MB, from the kernel's account of it.
double ResidentMb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
    return 0;
}

// The program's registrations, a home and a settings file of its own
// holding SetSkin=AStoredSkin.
void Prepare(const char* AStoredSkin) {
    static const TTempFolder folder;
    static const bool registered = [] {
        setenv("HOME", folder.Path().c_str(), 1);
        std::filesystem::create_directories(folder.Path() + "out");
        TSettings(folder.Path() + "option.ini").WriteOutputFolder(folder.Path() + "out");
        TForm1::SettingsFileName = folder.Path() + "option.ini";
        RegisterSkinControls();
        RegisterSkinDialogClasses();
        RegisterMainFormClass();
        RegisterStartupFormClasses();
        return true;
    }();
    (void)registered;
    TMemIniFile ini(folder.Path() + "option.ini");
    ini.WriteString("Skin", "SetSkin", AStoredSkin);
    ini.UpdateFile();
}

// The program as its start makes it, the main window shown, the splash gone.
class TProgram {
public:
    explicit TProgram(THeadlessSession& ASession) : FSession(ASession) {
        if (!FStartup.CreateForms()) std::abort();
        FStartup.WaitForSplash();
        FStartup.Form1->Show();
        FSession.Pump();
    }
    ~TProgram() {
        FStartup.Form6->Free();
        FStartup.Form5->Free();
        FStartup.Form2->Free();
        FStartup.Form1->Free();
        FSession.Pump();
    }
    TProgram(const TProgram&) = delete;
    TProgram& operator=(const TProgram&) = delete;
    TForm1& Main() { return *FStartup.Form1; }

private:
    THeadlessSession& FSession;
    TProgramStartup FStartup;
};

void BM_IdleMemory(benchmark::State& state) {
    Prepare("0");
    THeadlessSession session(false);
    session.Pump();
    const double before = ResidentMb();
    double after = 0;
    for (auto _ : state) {
        TProgram program(session);
        session.Pump(); // idle: every message handled
        after = ResidentMb();
        if (!program.Main().lxSkinData1 || program.Main().lxSkinData1->Empty)
            state.SkipWithError("the stored skin did not load");
    }
    state.counters["mb"] = after;
    state.counters["baseline_mb"] = before;
    state.counters["ratio"] = before > 0 ? after / before : 0;
}
BENCHMARK(BM_IdleMemory)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

double TimeRepaint(THeadlessSession& ASession, TForm* AForm) {
    const auto start = TClock::now();
    RedrawWindow(AForm->Handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    ASession.Pump();
    return Seconds(start);
}

void BM_SkinSwitch(benchmark::State& state) {
    Prepare("99"); // no such skin: the program starts in the built-in look
    THeadlessSession session(false);
    TProgram program(session);
    double repaint = 0;
    for (int i = 0; i < 50; ++i)
        repaint += TimeRepaint(session, &program.Main());
    repaint /= 50;
    double switching = 0;
    int skin = 0;
    for (auto _ : state) {
        const auto start = TClock::now();
        const bool applied = program.Main().ApplySkin(skin);
        session.Pump();
        switching += Seconds(start);
        if (!applied) state.SkipWithError("a skin did not load");
        skin = (skin + 1) % 11;
    }
    const double perSwitch = switching / static_cast<double>(state.iterations());
    state.counters["ms"] = 1000 * perSwitch;
    state.counters["repaint_ms"] = 1000 * repaint;
    state.counters["ratio"] = repaint > 0 ? perSwitch / repaint : 0;
}
BENCHMARK(BM_SkinSwitch)->Unit(benchmark::kMillisecond)->Iterations(55)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
