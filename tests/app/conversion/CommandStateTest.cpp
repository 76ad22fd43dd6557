#include "app/conversion/CommandState.h"

#include <gtest/gtest.h>

// The whole table: Add, Remove, Rename, Clear, Start, StartButton, Stop, Pause,
// Resume, Settings, PauseVisible.
TEST(CommandState, OneTableForEveryState) {
    struct Row {
        TWindowState State;
        bool AfterStop;
        TCommandStates Expected;
    } rows[] = {
        {TWindowState::Empty,
         false,
         {true, false, false, false, false, false, false, false, false, true, true}},
        {TWindowState::Listed, false, {true, true, true, true, true, true, false, false, false, true, true}},
        {TWindowState::Converting,
         false,
         {false, false, false, false, false, false, true, true, false, false, true}},
        {TWindowState::Paused,
         false,
         {false, false, false, false, false, false, true, false, true, false, false}},
        {TWindowState::Stopped,
         false,
         {false, false, false, false, false, true, false, false, false, true, true}},
        {TWindowState::Finished,
         false,
         {false, false, false, true, false, false, false, false, false, true, true}},
        {TWindowState::Finished,
         true,
         {false, false, false, true, false, true, false, false, false, true, true}},
    };
    for (const auto& r : rows)
        EXPECT_EQ(CommandStates(r.State, r.AfterStop), r.Expected)
            << WindowStateName(r.State) << (r.AfterStop ? " after stop" : "");
}
