#include "skin/dialogs/shell/ShellDetails.h"
#include "skin/dialogs/shell/TMimeDatabase.h"

#include "tests/support/TTempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <optional>

#include <sys/stat.h>

namespace {

TShellItem File(const std::string& name, int64_t size = 0, int64_t modified = 0) {
    TShellItem item;
    item.Kind = ikFile;
    item.Path = "/d/" + name;
    item.DisplayName = name;
    item.Stat.Valid = true;
    item.Stat.Size = size;
    item.Stat.ModifiedSec = modified;
    return item;
}

// Sets TZ for the test's duration and puts the old value back.
class TTimeZone {
public:
    explicit TTimeZone(const char* tz) {
        if (const char* old = std::getenv("TZ")) FOld = old;
        setenv("TZ", tz, 1);
        tzset();
    }
    ~TTimeZone() {
        if (FOld)
            setenv("TZ", FOld->c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }

private:
    std::optional<std::string> FOld;
};

// A data folder holding mime/globs2 and the comments of two types, one of
// them hostile.
struct TMimeFixture {
    TTempFolder Temp;
    std::string Data = Temp.Path().substr(0, Temp.Path().size() - 1);
    TMimeFixture() {
        mkdir((Data + "/mime").c_str(), 0755);
        mkdir((Data + "/mime/video").c_str(), 0755);
        Temp.Write("mime/globs2", "# comment\n"
                                  "50:video/x-msvideo:*.avi\n"
                                  "50:application/x-compressed-tar:*.tar.gz\n"
                                  "50:application/gzip:*.gz\n"
                                  "60:text/x-makefile:Makefile\n"
                                  "40:text/x-readme:README*\n"
                                  "50:../../etc/passwd:*.evil\n"
                                  "garbage line\n"
                                  "x:video/y:*.y\n");
        Temp.Write("mime/video/x-msvideo.xml",
                   "<?xml version=\"1.0\"?>\n<mime-type type=\"video/x-msvideo\">\n"
                   "  <comment>AVI video &amp; sound</comment>\n"
                   "  <comment xml:lang=\"de\">AVI-Video</comment>\n</mime-type>\n");
    }
};

} // namespace

TEST(ShellDetails, SizeFormatAndBlankForFolders) {
    struct Case {
        int64_t Bytes;
        const char* Text;
    };
    const Case cases[] = {
        {0, "0 bytes"},   {1, "1 byte"},       {1023, "1023 bytes"},   {1024, "1.0 KB"},
        {1536, "1.5 KB"}, {1048575, "1.0 MB"}, {5368709120, "5.0 GB"}, {int64_t(3) << 40, "3.0 TB"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatShellSize(c.Bytes), c.Text) << c.Bytes;

    TShellItem folder = File("dir", 4096);
    folder.Kind = ikDirectory;
    EXPECT_EQ(ShellSizeText(folder), "");
    EXPECT_EQ(ShellSizeText(File("a", 2048)), "2.0 KB");
    TShellItem unknown = File("a");
    unknown.Stat.Valid = false;
    EXPECT_EQ(ShellSizeText(unknown), "");
    EXPECT_EQ(ShellModifiedText(unknown), "");
}

TEST(ShellDetails, TimesInTheLocalTimeZone) {
    TTimeZone zone("CST-8"); // eight hours east, no summer time
    EXPECT_EQ(ShellModifiedText(File("a", 0, 0)), "1970-01-01 08:00");
    EXPECT_EQ(ShellModifiedText(File("a", 0, 1796961600)), "2026-12-11 12:00");
}

TEST(ShellDetails, TypeNamesFromTheMimeDatabaseAndTheFallback) {
    TMimeFixture f;
    TMimeDatabase db = TMimeDatabase::Load({f.Data, f.Data + "/missing"});
    EXPECT_EQ(db.TypeOf("Clip.AVI"), "video/x-msvideo");
    EXPECT_EQ(db.TypeOf("a.tar.gz"), "application/x-compressed-tar") << "the longest extension wins";
    EXPECT_EQ(db.TypeOf("a.gz"), "application/gzip");
    EXPECT_EQ(db.TypeOf("Makefile"), "text/x-makefile");
    EXPECT_EQ(db.TypeOf("README.md"), "text/x-readme");
    EXPECT_EQ(db.TypeOf("x.evil"), "") << "a type naming another path is ignored";
    EXPECT_EQ(db.TypeOf("x.y"), "");

    struct Case {
        const char* Name;
        const char* WithDatabase;
        const char* Without;
    };
    const Case cases[] = {
        {"movie.avi", "AVI video & sound", "AVI file"},
        {"a.tar.gz", "GZ file", "GZ file"}, // known type, no comment: the extension
        {"notes", "File", "File"},
        {".profile", "File", "File"},
        {"trailing.", "File", "File"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ShellTypeName(File(c.Name), &db), c.WithDatabase) << c.Name;
        EXPECT_EQ(ShellTypeName(File(c.Name), nullptr), c.Without) << c.Name;
    }
    TShellItem folder = File("dir.avi");
    folder.Kind = ikDirectory;
    EXPECT_EQ(ShellTypeName(folder, &db), "Folder");
    EXPECT_TRUE(TMimeDatabase::Load({f.Data + "/missing"}).Empty());
}
