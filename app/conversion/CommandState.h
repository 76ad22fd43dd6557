#pragma once

// The states of the main window's commands, following the file list and the
// run: Empty (no row), Listed (rows, no run), Converting, Paused, Stopped
// (stop asked, the run's end follows) and Finished (the run's final report).
enum class TRunState { Empty, Listed, Converting, Paused, Stopped, Finished };

// Whether each command group is enabled. `Start` is the plain start command
// with its menu entry; `StartButton` the skinned start button, which a stop
// enables alone. `PauseVisible` false shows the resume button in the pause
// button's place. Move, category, options, skin, preview and snapshot
// commands are never disabled and have no entry.
struct TCommandStates {
    bool Add = false;
    bool Remove = false;
    bool Rename = false;
    bool Clear = false;
    bool Start = false;
    bool StartButton = false;
    bool Stop = false;
    bool Pause = false;
    bool Resume = false;
    bool Settings = false;
    bool PauseVisible = true;
    bool operator==(const TCommandStates&) const = default;
};

// The one table of command states. Finished keeps the start commands as
// they were: off after a run that ended by itself, the skinned button on
// after a stop (AAfterStop).
TCommandStates CommandStates(TRunState AState, bool AAfterStop = false);

const char* RunStateName(TRunState AState);
