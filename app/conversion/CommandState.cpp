#include "app/conversion/CommandState.h"

TCommandStates CommandStates(TWindowState AState, bool AAfterStop) {
    TCommandStates s;
    switch (AState) {
    case TWindowState::Empty:
        s.Add = s.Settings = true;
        break;
    case TWindowState::Listed:
        s.Add = s.Remove = s.Rename = s.Clear = s.Start = s.StartButton = s.Settings = true;
        break;
    case TWindowState::Converting:
        s.Stop = s.Pause = true;
        break;
    case TWindowState::Paused:
        s.Stop = s.Resume = true;
        s.PauseVisible = false;
        break;
    case TWindowState::Stopped:
        s.StartButton = s.Settings = true;
        break;
    case TWindowState::Finished:
        s.Clear = s.Settings = true;
        s.StartButton = AAfterStop;
        break;
    }
    return s;
}

const char* WindowStateName(TWindowState AState) {
    switch (AState) {
    case TWindowState::Empty:
        return "Empty";
    case TWindowState::Listed:
        return "Listed";
    case TWindowState::Converting:
        return "Converting";
    case TWindowState::Paused:
        return "Paused";
    case TWindowState::Stopped:
        return "Stopped";
    case TWindowState::Finished:
        return "Finished";
    }
    return "?";
}
