#include "platform/base/Exception.h"
#include "platform/base/FileStream.h"
#include "platform/base/MemoryStream.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {
fs::path TempDir() {
    fs::path p = fs::temp_directory_path() / ("duva-stream-" + std::to_string(::getpid()));
    fs::create_directories(p);
    return p;
}
} // namespace

TEST(TMemoryStream, ReadWriteSeekAndShortReads) {
    TMemoryStream m;
    m.WriteBuffer("hello", 5);
    EXPECT_EQ(m.Size(), 5);
    EXPECT_EQ(m.Position(), 5);
    m.Seek(-2, soEnd);
    char buf[8] = {};
    EXPECT_EQ(m.Read(buf, 8), 2); // short read returns what there is
    EXPECT_STREQ(buf, "lo");
    m.SetPosition(3);
    EXPECT_THROW(m.ReadBuffer(buf, 3), EReadError);
    EXPECT_THROW(m.Seek(-1, soBeginning), EStreamError);
    m.SetPosition(7); // writing past the end grows with zeros
    m.WriteBuffer("!", 1);
    EXPECT_EQ(m.Size(), 8);
    EXPECT_EQ(static_cast<const char*>(m.Memory())[5], '\0');
    m.SetSize(2);
    EXPECT_EQ(m.Position(), 2);
}

TEST(TMemoryStream, CopyFromZeroCopiesTheWholeSource) {
    TStringStream src("abcdef");
    src.SetPosition(4);
    TStringStream dst;
    EXPECT_EQ(dst.CopyFrom(src, 0), 6);
    EXPECT_EQ(dst.DataString(), "abcdef");
    src.SetPosition(4);
    EXPECT_THROW(dst.CopyFrom(src, 3), EReadError);
    src.SetPosition(1);
    TStringStream part;
    part.CopyFrom(src, 2);
    EXPECT_EQ(part.DataString(), "bc");
}

TEST(TFileStream, CreatesOpensAndRaisesTheRightErrors) {
    fs::path dir = TempDir();
    std::string name = (dir / "a.bin").string();
    {
        TFileStream f(name, fmCreate);
        f.WriteBuffer("xyz", 3);
    }
    {
        TFileStream f(name, fmOpenRead | fmShareDenyWrite);
        EXPECT_EQ(f.Size(), 3);
        EXPECT_EQ(f.ReadAll(), "xyz");
        EXPECT_EQ(f.Write("q", 1), 0); // read-only
    }
    EXPECT_THROW(TFileStream((dir / "missing").string(), fmOpenRead), EFOpenError);
    EXPECT_THROW(TFileStream(dir.string(), fmOpenRead), EFOpenError);
    EXPECT_THROW(TFileStream((dir / "no" / "x").string(), fmCreate), EFCreateError);

    WriteFileAtomic(name, "new");
    EXPECT_EQ(ReadFileToString(name), "new");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1); // no temporary left
    fs::remove_all(dir);
}
