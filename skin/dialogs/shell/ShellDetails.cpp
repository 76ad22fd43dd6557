#include "skin/dialogs/shell/ShellDetails.h"

#include "skin/dialogs/shell/TMimeDatabase.h"

#include "platform/base/Utf8.h"

#include <cstdio>
#include <ctime>

std::string FormatShellSize(int64_t bytes) {
    if (bytes < 0) return {};
    if (bytes == 1) return "1 byte";
    if (bytes < 1024) return std::to_string(bytes) + " bytes";
    static const char* const units[] = {"KB", "MB", "GB", "TB", "PB", "EB"};
    double value = static_cast<double>(bytes) / 1024.0;
    int unit = 0;
    // Rounded first, so 1048575 bytes reads "1.0 MB", not "1024.0 KB".
    while (unit < 5 && value >= 1023.95) {
        value /= 1024.0;
        ++unit;
    }
    char text[32];
    std::snprintf(text, sizeof text, "%.1f %s", value, units[unit]);
    return text;
}

std::string ShellSizeText(const TShellItem& item) {
    if (item.IsFolder() || !item.Stat.Valid) return {};
    return FormatShellSize(item.Stat.Size);
}

std::string ShellModifiedText(const TShellItem& item) {
    if (!item.Stat.Valid) return {};
    time_t t = static_cast<time_t>(item.Stat.ModifiedSec);
    tm local{};
    if (!localtime_r(&t, &local)) return {};
    char text[64];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &local);
    return text;
}

std::string ShellTypeName(const TShellItem& item, const TMimeDatabase* types) {
    if (item.IsFolder()) return "Folder";
    std::string name = item.Name();
    if (types) {
        std::string type = types->TypeOf(name);
        if (!type.empty()) {
            std::string comment = types->Comment(type);
            if (!comment.empty()) return comment;
        }
    }
    size_t dot = name.find_last_of('.');
    if (dot == std::string::npos || dot == 0 || dot + 1 == name.size()) return "File";
    std::string ext = DisplayNameOfBytes(std::string_view(name).substr(dot + 1));
    for (char& c : ext)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return ext + " file";
}
