#pragma once

#include <string>

// Moving items to the trash as the freedesktop trash layout has it: the home
// trash (dataHome/Trash) for items on the home trash's volume, else the
// volume's own trash ("<top>/.Trash/<uid>" when the administrator made a
// sticky, non-link ".Trash", else "<top>/.Trash-<uid>"). An item is only ever
// renamed into "files/": when no trash on its volume can take it, it stays
// where it is and the error says why; nothing is copied or unlinked.
struct TTrashResult {
    bool Ok = false;
    std::string TrashedPath; // where it went ("<trash>/files/<name>")
    std::string InfoPath;    // its "<trash>/info/<name>.trashinfo"
    std::string Error;       // the reason when not Ok
};

// dataHome: XDG_DATA_HOME (else home/.local/share) unless given.
TTrashResult MoveToTrash(const std::string& Path, const std::string& DataHome = {});

// "%"-escapes every byte of a path but unreserved characters and "/", as a
// trash info's Path key holds it.
std::string EscapeTrashPath(const std::string& Path);
