#pragma once

#include <functional>
#include <string>

// Opens the address of a link control with the desktop's shell opener, which
// hands it on as one argument, never through a shell. Only web and mail
// addresses (http:, https:, mailto:, in any case) with something after the
// scheme and no control characters are opened; anything else, and an opener
// that fails, is logged and false. An empty address opens nothing and logs
// nothing.
bool OpenLinkURL(const std::string& URL);

// Where refusals and failures are logged (standard log by default); returns
// the previous log. An empty one restores the default.
using TLinkLog = std::function<void(const std::string& Line)>;
TLinkLog SetLinkLog(TLinkLog Log);
