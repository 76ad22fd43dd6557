#pragma once

#include "platform/base/Exception.h"

// A skin that cannot be read or written as it stands: an unsafe picture file
// name, a description name that would not survive a round trip, a negative
// coordinate given to a writer.
class ESkinError : public Exception {
public:
    using Exception::Exception;
};
