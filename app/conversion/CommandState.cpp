#include "app/conversion/CommandState.h"

TCommandStates CommandStates(TRunState AState, bool AAfterStop) {
    TCommandStates s;
    switch (AState) {
    case TRunState::Empty:
        s.Add = s.Settings = true;
        break;
    case TRunState::Listed:
        s.Add = s.Remove = s.Rename = s.Clear = s.Start = s.StartButton = s.Settings = true;
        break;
    case TRunState::Converting:
        s.Stop = s.Pause = true;
        break;
    case TRunState::Paused:
        s.Stop = s.Resume = true;
        s.PauseVisible = false;
        break;
    case TRunState::Stopped:
        s.StartButton = s.Settings = true;
        break;
    case TRunState::Finished:
        s.Clear = s.Settings = true;
        s.StartButton = AAfterStop;
        break;
    }
    return s;
}

const char* RunStateName(TRunState AState) {
    switch (AState) {
    case TRunState::Empty:
        return "Empty";
    case TRunState::Listed:
        return "Listed";
    case TRunState::Converting:
        return "Converting";
    case TRunState::Paused:
        return "Paused";
    case TRunState::Stopped:
        return "Stopped";
    case TRunState::Finished:
        return "Finished";
    }
    return "?";
}
