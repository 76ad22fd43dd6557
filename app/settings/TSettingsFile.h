#pragma once

#include "platform/base/IniFile.h"

#include <functional>
#include <string>

// One settings file, read and written as a whole on every access. An access
// takes the lock of the file's folder (an advisory lock, so other objects,
// threads and programs using this class wait for each other), reads the file
// as it is now, lets the caller look and change, and writes a changed content
// back atomically. Lines of two writers never interleave, neither loses the
// other's keys, and a failed write leaves the old file as it was.
//
// A file that cannot be parsed at all (unreadable, larger than MaxFileSize,
// not UTF-8 text, or text without a single section) is not overwritten: it is
// renamed to "<name>.broken-N" (the first free N from 1) and the defaults are
// written in its place.
class TSettingsFile {
public:
    static constexpr long MaxFileSize = 1 << 20;

    // defaults: the whole content written in place of a file that cannot be parsed.
    TSettingsFile(std::string fileName, std::string defaults);

    const std::string& FileName() const { return FFileName; }

    // change(ini, existed) sees the current content (existed is false when
    // there was no file) and returns whether it changed it; a changed content
    // is written. Raises EFCreateError / EWriteError when the write fails.
    using TChange = std::function<bool(TMemIniFile& ini, bool existed)>;
    void Update(const TChange& change);

    // The name a file that could not be parsed was kept under during the last
    // access; empty when there was none.
    const std::string& SetAsideName() const { return FSetAsideName; }

    // Runs once the new content sits complete in its temporary file, just
    // before it replaces the file; an exception from it abandons the write
    // (tests interrupt a write with it).
    void SetBeforeReplace(std::function<void(const std::string& tempName)> hook) {
        FBeforeReplace = std::move(hook);
    }

private:
    std::string FFileName;
    std::string FDefaults;
    std::string FSetAsideName;
    std::function<void(const std::string&)> FBeforeReplace;
};
