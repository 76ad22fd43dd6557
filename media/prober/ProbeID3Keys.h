#pragma once

#include <string>

// The name FileInfoText shows for a metadata key: ID3 frame names (TIT2, TT2,
// TPE1 ...) as the plain words the library uses ("title", "artist"), matched
// exactly; any other key unchanged.
std::string ID3KeyName(const std::string& AKey);
