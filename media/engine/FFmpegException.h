#pragma once

#include "platform/base/Exception.h"

// Every fatal error the conversion engine detects; the message is the error text.
class FFmpegException : public Exception {
public:
    using Exception::Exception;
};
