#include "skin/dialogs/shell/ShellIcons.h"

#include "skin/dialogs/shell/TMimeDatabase.h"

#include "platform/gdi/TBitmap.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <string>

namespace {

// Draws on a 16-unit grid scaled to the bitmap, so both sizes share one
// drawing. Colours are 0xAARRGGBB.
class TIconPainter {
public:
    explicit TIconPainter(TBitmap& bm) : FBitmap(bm), FScale(bm.Width() / 16.0) {}

    // A rectangle in grid units (right and bottom exclusive).
    void Rect(double l, double t, double r, double b, uint32_t c) {
        Fill([&](double x, double y) { return x >= l && x < r && y >= t && y < b; }, c);
    }
    // A rectangle with a one-unit border of another colour.
    void Box(double l, double t, double r, double b, uint32_t fill, uint32_t border) {
        Rect(l, t, r, b, border);
        double w = 1.0 / FScale; // one pixel at every size
        Rect(l + w, t + w, r - w, b - w, fill);
    }
    void Circle(double cx, double cy, double radius, uint32_t c) {
        Fill([&](double x, double y) { return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius; },
             c);
    }
    void Triangle(double x1, double y1, double x2, double y2, double x3, double y3, uint32_t c) {
        auto side = [](double ax, double ay, double bx, double by, double px, double py) {
            return (bx - ax) * (py - ay) - (by - ay) * (px - ax);
        };
        Fill(
            [&](double x, double y) {
                double d1 = side(x1, y1, x2, y2, x, y), d2 = side(x2, y2, x3, y3, x, y),
                       d3 = side(x3, y3, x1, y1, x, y);
                bool neg = d1 < 0 || d2 < 0 || d3<0, pos = d1> 0 || d2 > 0 || d3 > 0;
                return !(neg && pos);
            },
            c);
    }
    // A parallelogram leaning right: top edge from tl to tr, bottom edge shifted by -lean.
    void Slant(double tl, double tr, double t, double b, double lean, uint32_t c) {
        Fill(
            [&](double x, double y) {
                double shift = lean * (y - t) / (b - t);
                return y >= t && y < b && x >= tl - shift && x < tr - shift;
            },
            c);
    }

private:
    template <typename F> void Fill(F inside, uint32_t c) {
        for (int py = 0; py < FBitmap.Height(); ++py) {
            uint32_t* row = FBitmap.ScanLine(py);
            for (int px = 0; px < FBitmap.Width(); ++px)
                if (inside((px + 0.5) / FScale, (py + 0.5) / FScale)) row[px] = c;
        }
    }
    TBitmap& FBitmap;
    double FScale;
};

constexpr uint32_t kOutline = 0xFF5A5A5A;
constexpr uint32_t kPaper = 0xFFFFFFFF;
constexpr uint32_t kFolder = 0xFFF2C35A;
constexpr uint32_t kFolderDark = 0xFFB8892A;
constexpr uint32_t kFolderLight = 0xFFF9DA8C;
constexpr uint32_t kMetal = 0xFFC8CCD2;
constexpr uint32_t kMetalDark = 0xFF6E7378;

void DrawPage(TIconPainter& p) {
    p.Box(3, 1, 13, 15, kPaper, kOutline);
    p.Triangle(10, 1, 13, 1, 13, 4, 0x00000000);
    p.Triangle(10, 1, 10, 4, 13, 4, 0xFFD8D8D8);
}

void DrawFolder(TIconPainter& p, bool open) {
    p.Rect(1, 3, 7, 5, kFolderDark);
    p.Box(1, 4, 15, 14, kFolder, kFolderDark);
    if (open) {
        p.Rect(3, 5, 13, 8, kPaper);
        p.Slant(4, 16, 8, 14, 3, kFolderLight);
    }
}

void DrawDrive(TIconPainter& p, uint32_t body) {
    p.Box(1, 6, 15, 12, body, kMetalDark);
    p.Rect(11, 8, 13, 10, 0xFF3CC84A);
}

void Draw(TShellIcon icon, TIconPainter& p) {
    switch (icon) {
    case siPlaces: // a pin
        p.Circle(8, 6, 5, 0xFFD9473C);
        p.Triangle(4, 8, 12, 8, 8, 15, 0xFFD9473C);
        p.Circle(8, 6, 2, kPaper);
        break;
    case siComputer:
        p.Box(1, 2, 15, 11, 0xFF3A78C8, 0xFF3A3A3A);
        p.Rect(6, 11, 10, 13, 0xFF3A3A3A);
        p.Rect(4, 13, 12, 15, 0xFF3A3A3A);
        break;
    case siFixedDrive:
        DrawDrive(p, kMetal);
        break;
    case siRemovableDrive:
        p.Rect(5, 3, 11, 6, kMetalDark);
        DrawDrive(p, 0xFF8FB8E8);
        break;
    case siOpticalDrive:
        p.Circle(8, 8, 7, 0xFF9AA4B0);
        p.Circle(8, 8, 6, 0xFFDDE6F0);
        p.Circle(8, 8, 2, 0x00000000);
        break;
    case siNetworkDrive:
        DrawDrive(p, kMetal);
        p.Rect(7.5, 12, 8.5, 14, kMetalDark);
        p.Rect(3, 14, 13, 15, kMetalDark);
        p.Rect(1, 1, 15, 6, 0x00000000);
        p.Box(1, 2, 15, 6, 0xFF78A8D8, kMetalDark);
        break;
    case siFolder:
        DrawFolder(p, false);
        break;
    case siOpenFolder:
        DrawFolder(p, true);
        break;
    case siFile:
        DrawPage(p);
        break;
    case siVideo:
        DrawPage(p);
        p.Rect(4, 6, 12, 13, 0xFF2F3A4A);
        p.Triangle(6.5, 7.5, 6.5, 11.5, 10, 9.5, kPaper);
        break;
    case siAudio:
        DrawPage(p);
        p.Rect(9, 5, 10, 11, 0xFF7A3FB0);
        p.Rect(9, 5, 12, 6.5, 0xFF7A3FB0);
        p.Circle(7.5, 11.5, 2, 0xFF7A3FB0);
        break;
    case siImage:
        DrawPage(p);
        p.Rect(4, 6, 12, 13, 0xFF9ED0F0);
        p.Triangle(4, 13, 8, 8, 12, 13, 0xFF3F9A45);
        p.Circle(10, 8, 1.2, 0xFFF5C518);
        break;
    case siText:
        DrawPage(p);
        for (int line = 0; line < 4; ++line)
            p.Rect(5, 6 + line * 2, line == 3 ? 9 : 11, 7 + line * 2, 0xFF7D7D7D);
        break;
    }
}

bool HasExtension(const std::string& name, std::initializer_list<const char*> list) {
    size_t dot = name.find_last_of('.');
    if (dot == std::string::npos) return false;
    std::string ext = name.substr(dot + 1);
    for (char& c : ext)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return std::any_of(list.begin(), list.end(), [&](const char* e) { return ext == e; });
}

} // namespace

const TBitmap& ShellIconBitmap(TShellIcon icon, int size) {
    static std::array<std::array<std::unique_ptr<TBitmap>, ShellIconCount>, 2> cache;
    int which = size >= 24 ? 1 : 0;
    auto& slot = cache[which][static_cast<int>(icon)];
    if (!slot) {
        int px = which ? 32 : 16;
        slot = std::make_unique<TBitmap>(px, px);
        slot->SetPixelFormat(pf32bit);
        slot->SetAlphaFormat(afDefined);
        slot->Fill(0);
        TIconPainter painter(*slot);
        Draw(icon, painter);
    }
    return *slot;
}

TShellIcon ShellIconOf(const TShellItem& item, const TMimeDatabase* types, bool open) {
    switch (item.Kind) {
    case ikPlaces:
        return siPlaces;
    case ikComputer:
        return siComputer;
    case ikDirectory:
        switch (item.Volume) {
        case vkRoot:
        case vkFixed:
            return siFixedDrive;
        case vkRemovable:
            return siRemovableDrive;
        case vkOptical:
            return siOpticalDrive;
        case vkNetwork:
            return siNetworkDrive;
        case vkNone:
            break;
        }
        return open ? siOpenFolder : siFolder;
    case ikFile:
        break;
    }
    std::string name = item.Name();
    std::string type = types ? types->TypeOf(name) : std::string();
    if (type.starts_with("video/")) return siVideo;
    if (type.starts_with("audio/")) return siAudio;
    if (type.starts_with("image/")) return siImage;
    if (type.starts_with("text/")) return siText;
    if (!type.empty()) return siFile;
    if (HasExtension(name, {"avi", "asf", "wmv", "flv", "mkv", "mov", "3gp", "mp4", "mpg", "mpeg", "vob",
                            "ogm", "rm", "rmvb", "ts", "m4v", "webm", "dv", "3g2"}))
        return siVideo;
    if (HasExtension(name, {"mp3", "aac", "wav", "wma", "flac", "m4a", "mid", "mka", "mp2", "mpa", "mpc",
                            "ape", "ogg", "ra", "wv", "tta", "ac3", "dts", "opus"}))
        return siAudio;
    if (HasExtension(name, {"bmp", "png", "jpg", "jpeg", "gif", "ico", "tif", "tiff", "webp"}))
        return siImage;
    if (HasExtension(name, {"txt", "log", "ini", "srt", "ass", "ssa", "sub", "md", "csv", "xml", "json"}))
        return siText;
    return siFile;
}
