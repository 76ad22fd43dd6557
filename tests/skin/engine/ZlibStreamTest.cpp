#include "skin/engine/ZlibStream.h"
#include "platform/base/Exception.h"
#include "platform/base/MemoryStream.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Bytes(size_t n) {
    std::string s(n, '\0');
    uint32_t x = 12345;
    for (size_t i = 0; i < n; ++i) {
        x = x * 1103515245u + 12345u;
        // Half random, half runs, so both literal and matched output occur.
        s[i] = char((i / 1000) % 2 ? (x >> 16) : (i % 7));
    }
    return s;
}

} // namespace

TEST(TCompressionStream, RoundTripsInOddChunksAndStartsWithTheLevel9Header) {
    for (size_t n : {size_t(0), size_t(1), size_t(8191), size_t(8192), size_t(8193), size_t(1) << 20}) {
        const std::string data = Bytes(n);
        TMemoryStream packed;
        {
            TCompressionStream z(TCompressionLevel::clMax, packed);
            EXPECT_EQ(z.CompressionRate(), 0.0f);
            size_t at = 0, chunk = 1;
            while (at < n) {
                size_t len = std::min(chunk, n - at);
                EXPECT_EQ(z.Write(data.data() + at, Int64(len)), Int64(len));
                at += len;
                chunk = chunk * 3 + 7; // 1, 10, 37, 118, ... never a power of two
            }
            EXPECT_EQ(z.Seek(0, soCurrent), Int64(n));
            z.Finish();
        }
        ASSERT_GE(packed.Size(), 2) << n;
        const unsigned char* p = static_cast<const unsigned char*>(packed.Memory());
        EXPECT_EQ(p[0], 0x78) << n;
        EXPECT_EQ(p[1], 0xDA) << n;

        TMemoryStream out;
        DecompressStream(out, packed);
        ASSERT_EQ(out.Size(), Int64(n));
        EXPECT_EQ(std::string(static_cast<const char*>(out.Memory()), n), data) << n;
    }
}

TEST(TCompressionStream, InvalidOperationsRaise) {
    TMemoryStream packed;
    TCompressionStream z(TCompressionLevel::clDefault, packed);
    char c;
    EXPECT_THROW(z.Read(&c, 1), ECompressionError);
    EXPECT_THROW(z.Seek(1, soCurrent), ECompressionError);
    EXPECT_THROW(z.Seek(0, soBeginning), ECompressionError);
    z.Write("abc", 3);
    z.Finish();
    EXPECT_THROW(z.Write("d", 1), ECompressionError);
}

TEST(TDecompressionStream, SeekCases) {
    const std::string data = Bytes(20000);
    TStringStream src(data);
    TMemoryStream packed;
    CompressStream(src, packed);
    packed.SetPosition(0);
    TDecompressionStream z(packed);
    char buf[16];
    // Forward from the start of a fresh stream skips.
    EXPECT_EQ(z.Seek(5, soBeginning), 5);
    ASSERT_EQ(z.Read(buf, 3), 3);
    EXPECT_EQ(std::string(buf, 3), data.substr(5, 3));
    // Forward from the current position, across blocks.
    EXPECT_EQ(z.Seek(10000, soCurrent), 10008);
    ASSERT_EQ(z.Read(buf, 2), 2);
    EXPECT_EQ(std::string(buf, 2), data.substr(10008, 2));
    // Backwards is refused, except a restart at 0.
    EXPECT_THROW(z.Seek(-1, soCurrent), EDecompressionError);
    EXPECT_THROW(z.Seek(3, soBeginning), EDecompressionError);
    EXPECT_THROW(z.Seek(0, soEnd), EDecompressionError);
    EXPECT_EQ(z.Seek(0, soBeginning), 0);
    ASSERT_EQ(z.Read(buf, 4), 4);
    EXPECT_EQ(std::string(buf, 4), data.substr(0, 4));
    EXPECT_THROW(z.Write(buf, 1), EDecompressionError);
}

TEST(TDecompressionStream, CorruptTruncatedAndOversizedDataRaise) {
    const std::string data = Bytes(50000);
    TStringStream src(data);
    TMemoryStream packed;
    CompressStream(src, packed);
    const std::string good(static_cast<const char*>(packed.Memory()), size_t(packed.Size()));

    std::string corrupt = good;
    corrupt[good.size() / 2] ^= 0x55;
    corrupt[good.size() / 2 + 1] ^= 0x55;
    const std::string cases[] = {good.substr(0, good.size() / 2), corrupt, "xyz", ""};
    for (const std::string& c : cases) {
        TStringStream in(c);
        TMemoryStream out;
        EXPECT_THROW(DecompressStream(out, in), EDecompressionError) << c.size();
    }
    TStringStream in(good);
    TMemoryStream out;
    EXPECT_THROW(DecompressStream(out, in, 40000), EDecompressionError);
}
