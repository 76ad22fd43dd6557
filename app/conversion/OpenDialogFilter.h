#pragma once

#include <string>

// The filter text of both open-file dialogs: four entries ("all files",
// "video and audio", "video", "audio") joined as "caption|masks|", the
// first one selected.
const std::string& OpenDialogFilter();
