#include "platform/base/Exception.h"

// Anchors the family's type information in one object file.
