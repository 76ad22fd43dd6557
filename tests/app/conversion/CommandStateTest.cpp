#include "app/conversion/CommandState.h"

#include <gtest/gtest.h>

// The whole table: Add, Remove, Rename, Clear, Start, StartButton, Stop, Pause,
// Resume, Settings, PauseVisible.
TEST(CommandState, OneTableForEveryState) {
    struct Row {
        TRunState State;
        bool AfterStop;
        TCommandStates Expected;
    } rows[] = {
        {TRunState::Empty, false, {true, false, false, false, false, false, false, false, false, true, true}},
        {TRunState::Listed, false, {true, true, true, true, true, true, false, false, false, true, true}},
        {TRunState::Converting,
         false,
         {false, false, false, false, false, false, true, true, false, false, true}},
        {TRunState::Paused,
         false,
         {false, false, false, false, false, false, true, false, true, false, false}},
        {TRunState::Stopped,
         false,
         {false, false, false, false, false, true, false, false, false, true, true}},
        {TRunState::Finished,
         false,
         {false, false, false, true, false, false, false, false, false, true, true}},
        {TRunState::Finished,
         true,
         {false, false, false, true, false, true, false, false, false, true, true}},
    };
    for (const auto& r : rows)
        EXPECT_EQ(CommandStates(r.State, r.AfterStop), r.Expected)
            << RunStateName(r.State) << (r.AfterStop ? " after stop" : "");
}
