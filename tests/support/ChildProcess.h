#pragma once

#include <functional>
#include <string>

// Runs body in a child process started afresh (the test program itself,
// filtered to the running case), for state that is process-wide and cannot
// be undone: what ld.so has loaded, the time zone. Returns the body's text:
// empty for success, else what went wrong.
//
// The child runs the same case from its start; its earlier RunInChild calls
// return "" without running their bodies, the call being asked for runs its
// body and hands the text back, and the case goes on to its end there. So
// the code around the calls runs in each child too: keep it to preparation
// (a temporary folder), with the checks inside the bodies.
std::string RunInChild(const std::function<std::string()>& body);

// For a case that needs a process of its own (what ld.so has loaded, a
// setting the process keeps for its life): true when the case has been run
// in a fresh child and its result reported here, so the caller returns at
// once; false where the caller goes on with the case: in that child, or when
// this process runs no other case.
//     if (RunCaseInFreshProcess()) return;
bool RunCaseInFreshProcess();
