// The shell's readers of system files: the mount table, the user's folder
// list and the MIME database's globs. Whatever they hold, every reader
// returns, the root is never listed as a volume, a user folder is always an
// absolute path other than home, and a file type is always a plain
// "media/subtype" (it names a file below the database folder).

#include "skin/dialogs/shell/MountTable.h"
#include "skin/dialogs/shell/TMimeDatabase.h"
#include "skin/dialogs/shell/UserDirs.h"
#include "tests/fuzz/FuzzTarget.h"

std::vector<std::string> FuzzSeeds() {
    return {
        "/dev/sda1 / ext4 rw,relatime 0 0\n/dev/sdb1 /media/user/My\\040Disk vfat rw 0 0\n"
        "proc /proc proc rw 0 0\nserver:/x /mnt/net nfs4 rw 0 0\n/dev/sr0 /media/cd iso9660 ro 0 0\n"
        "tmpfs /run tmpfs rw 0 0\n/dev/loop3 /snap/core/1 squashfs ro 0 0\n",
        "# user-dirs\nXDG_DESKTOP_DIR=\"$HOME/Desktop\"\nXDG_DOCUMENTS_DIR=\"$HOME/\\\"Docs\\\"\"\n"
        "XDG_MUSIC_DIR=\"/srv/music/\"\nXDG_VIDEOS_DIR=\"$HOME\"\nXDG_X_DIR=relative\n",
        "50:video/x-msvideo:*.avi\n50:video/mp4:*.mp4:cs\n60:text/x-makefile:Makefile\n"
        "40:audio/../../etc:*.bad\n10:image/png:*.[pP][nN][gG]\n",
    };
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    const std::string_view text = FuzzText(Data, Size);

    for (const TVolume& volume : ParseMountTable(text))
        FuzzCheck(volume.MountPoint != "/", "the root is listed as a volume");

    const std::string home = "/home/user";
    for (const TUserDir& dir : ParseUserDirs(text, home)) {
        FuzzCheck(!dir.Path.empty() && dir.Path.front() == '/', "a user folder is not absolute");
        FuzzCheck(dir.Path != home, "home itself is listed as a user folder");
    }

    const TMimeDatabase mime = TMimeDatabase::FromGlobs(text);
    std::string lastLine(text.substr(text.rfind('\n') == std::string_view::npos ? 0 : text.rfind('\n') + 1));
    for (const std::string& name : {std::string("movie.avi"), std::string("Makefile"), std::string("a.PNG"),
                                    std::string(".hidden"), lastLine}) {
        const std::string type = mime.TypeOf(name);
        if (type.empty()) continue;
        const size_t slash = type.find('/');
        const std::string media = type.substr(0, slash == std::string::npos ? 0 : slash);
        const std::string subtype = slash == std::string::npos ? "" : type.substr(slash + 1);
        auto plainPart = [](const std::string& part) {
            return !part.empty() && part != "." && part != ".." && part.find('/') == std::string::npos;
        };
        FuzzCheck(plainPart(media) && plainPart(subtype), "a file type is not a plain media/subtype");
        mime.Comment(type);
    }
    return 0;
}
