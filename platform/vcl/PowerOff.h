#pragma once

#include <functional>
#include <string>

// Shuts the computer down (not forced). When the environment variable
// DUVA_NO_POWEROFF is set it only logs that it would have; every test and CI
// run sets it. The action and the log are replaceable.
using TPowerOffHandler = std::function<bool()>;
using TPowerOffLog = std::function<void(const std::string& Line)>;

bool PowerOffComputer();
TPowerOffHandler SetPowerOffHandler(TPowerOffHandler Handler);
TPowerOffLog SetPowerOffLog(TPowerOffLog Log);
