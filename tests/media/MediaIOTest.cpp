#include "media/MediaIO.h"
#include "media/AVBindings.h"
#include "media/TFFmpegLoader.h"
#include "media/UnicodeFileName.h"
#include "tests/support/FixturePath.h"
#include "tests/support/TTempFolder.h"

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class MediaIOTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(FFLoader.Load(ProbeLibraries)) << FFLoader.LastErrMsg(); }
    TTempFolder Dir;
};

int64_t FileSize(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0 ? st.st_size : -1;
}

} // namespace

TEST(UnicodeFileName, ConversionTable) {
    struct Row {
        const char* Name;
        bool Needs;
        const char* URL;
    } rows[] = {
        {"/home/user/clip.avi", false, "/home/user/clip.avi"},
        {"/home/用户/视频 一.avi", true, "unicode:utf8:/home/用户/视频 一.avi"},
        {"/tmp/café.mkv", true, "unicode:utf8:/tmp/café.mkv"},
        // Known protocols stay as they are, whatever follows.
        {"http://host/视频.mp4", false, "http://host/视频.mp4"},
        {"stream:3:名字", false, "stream:3:名字"},
        {"unicode:utf8:/a/视频.avi", false, "unicode:utf8:/a/视频.avi"},
        // An unknown "protocol" is a file name with a colon.
        {"a:b.avi", false, "file:a:b.avi"},
        {"c:视频.avi", true, "unicode:utf8:c:视频.avi"},
        {"/media/disk:1/clip.avi", false, "/media/disk:1/clip.avi"},
        {"", false, ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        EXPECT_EQ(NeedsUnicodeName(row.Name), row.Needs);
        EXPECT_EQ(FileNameToURL(row.Name), row.URL);
        if (row.Needs || std::string(row.URL).rfind("file:", 0) == 0) {
            EXPECT_EQ(FileNameFromURL(row.URL), row.Name);
        }
    }
    // A name is never cut, and what cannot be shown is replaced.
    std::string longName = "/tmp/" + std::string(3000, 'x') + "视.avi";
    EXPECT_EQ(FileNameFromURL(FileNameToURL(longName)), longName);
    EXPECT_EQ(FileNameFromURL("unicode:utf8:/tmp/\xff.avi"), "/tmp/\xEF\xBF\xBD.avi");
    EXPECT_EQ(FileNameFromURL("/plain/name.avi"), "/plain/name.avi");
}

TEST_F(MediaIOTest, ReadsWritesSeeksAndSizesThroughTheOwnContext) {
    const std::string path = Dir.Path() + "数据 文件.bin";
    const std::string url = FileNameToURL(path);
    AVIOContext* pb = nullptr;

    // Reading never creates a file.
    EXPECT_EQ(OpenFileIO(&pb, url, AVIO_FLAG_READ), AVERROR(ENOENT));
    EXPECT_EQ(pb, nullptr);
    EXPECT_FALSE(fs::exists(path));

    ASSERT_EQ(OpenFileIO(&pb, url, AVIO_FLAG_WRITE), 0);
    ASSERT_TRUE(IsFileIO(pb));
    av::avio_write(pb, reinterpret_cast<const unsigned char*>("0123456789"), 10);
    CloseFileIO(&pb);
    EXPECT_EQ(pb, nullptr);
    EXPECT_EQ(FileSize(path), 10);

    // Reading an existing file leaves it as it is.
    ASSERT_EQ(OpenFileIO(&pb, url, AVIO_FLAG_READ), 0);
    EXPECT_EQ(av::avio_size(pb), 10);
    EXPECT_EQ(av::avio_seek(pb, 6, SEEK_SET), 6);
    unsigned char buf[16] = {};
    EXPECT_EQ(av::avio_read(pb, buf, 4), 4);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(buf), 4), "6789");
    EXPECT_EQ(av::avio_read(pb, buf, 4), AVERROR_EOF);
    EXPECT_TRUE(av::avio_feof(pb));
    EXPECT_EQ(av::avio_seek(pb, 1, SEEK_SET), 1);
    EXPECT_EQ(av::avio_read(pb, buf, 16), 9);
    CloseFileIO(&pb);
    EXPECT_EQ(FileSize(path), 10);

    // Read and write together: created or emptied.
    ASSERT_EQ(OpenFileIO(&pb, url, AVIO_FLAG_READ_WRITE), 0);
    CloseFileIO(&pb);
    EXPECT_EQ(FileSize(path), 0);
}

TEST_F(MediaIOTest, SizeAndSeekBeyondFourGigabytes) {
    const std::string path = Dir.Path() + "大文件.bin";
    constexpr int64_t Size = 5LL * 1024 * 1024 * 1024;
    {
        int fd = open(path.c_str(), O_CREAT | O_WRONLY, 0644);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(ftruncate(fd, Size), 0); // sparse: no disk space used
        ASSERT_EQ(pwrite(fd, "TAIL", 4, Size - 4), 4);
        close(fd);
    }
    AVIOContext* pb = nullptr;
    ASSERT_EQ(OpenFileIO(&pb, FileNameToURL(path), AVIO_FLAG_READ), 0);
    EXPECT_EQ(av::avio_size(pb), Size);
    EXPECT_EQ(av::avio_seek(pb, Size - 4, SEEK_SET), Size - 4);
    unsigned char buf[4];
    EXPECT_EQ(av::avio_read(pb, buf, 4), 4);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(buf), 4), "TAIL");
    CloseFileIO(&pb);
    EXPECT_EQ(FileSize(path), Size);
}

TEST_F(MediaIOTest, OpensAMediaFileWithChineseLettersSpacesAndAColon) {
    const std::string path = Dir.Path() + "音频 文件:第一.wav";
    fs::copy_file(FixturePath("tone_s16_mono_22050.wav"), path);
    const int64_t size = FileSize(path);

    AVFormatContext* ic = nullptr;
    ASSERT_EQ(OpenMediaInput(&ic, path, nullptr, nullptr), 0);
    ASSERT_NE(ic, nullptr);
    EXPECT_TRUE(IsFileIO(ic->pb));
    ASSERT_EQ(ic->nb_streams, 1u);
    EXPECT_EQ(ic->streams[0]->codecpar->codec_id, AV_CODEC_ID_PCM_S16LE);
    EXPECT_EQ(ic->streams[0]->codecpar->sample_rate, 22050);
    AVPacket* pkt = av::av_packet_alloc();
    EXPECT_EQ(av::av_read_frame(ic, pkt), 0);
    av::av_packet_free(&pkt);
    CloseMediaInput(&ic);
    EXPECT_EQ(ic, nullptr);
    EXPECT_EQ(FileSize(path), size);

    // A plain name goes to the library's own file protocol.
    ASSERT_EQ(OpenMediaInput(&ic, FixturePath("tone_s16_mono_22050.wav"), nullptr, nullptr), 0);
    EXPECT_FALSE(IsFileIO(ic->pb));
    EXPECT_EQ(ic->nb_streams, 1u);
    CloseMediaInput(&ic);

    // A missing file: the library's "no such file" code, nothing created.
    const std::string missing = Dir.Path() + "没有.wav";
    EXPECT_EQ(OpenMediaInput(&ic, missing, nullptr, nullptr), AVERROR(ENOENT));
    EXPECT_EQ(ic, nullptr);
    EXPECT_FALSE(fs::exists(missing));
    // Not media at all: the library fails, our context is freed (ASan would see a leak).
    Dir.Write("文本.wav", std::string(4096, 'z'));
    EXPECT_LT(OpenMediaInput(&ic, Dir.Path() + "文本.wav", nullptr, nullptr), 0);
    EXPECT_EQ(ic, nullptr);
}

// Relative names that look like URLs: an existing local file is opened as
// that file (the pipe protocol would read the standard output, http would go
// to the network); a name that does not exist keeps its protocol.
TEST_F(MediaIOTest, LocalFilesNamedLikeProtocolsAreOpenedAsFiles) {
    const fs::path before = fs::current_path();
    fs::current_path(Dir.Path());
    struct TBack {
        fs::path Folder;
        ~TBack() { fs::current_path(Folder); }
    } back{before};

    const struct {
        const char* Name;
        const char* URL;
    } rows[] = {
        {"pipe:1.wav", "file:pipe:1.wav"},
        {"http:x.wav", "file:http:x.wav"},
        {"file:y.wav", "file:file:y.wav"},
        {"udp:声音.wav", "unicode:utf8:udp:声音.wav"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        fs::copy_file(FixturePath("tone_s16_mono_22050.wav"), row.Name);
        ASSERT_EQ(FileNameToURL(row.Name), row.URL);
        EXPECT_EQ(FileNameFromURL(row.URL), row.Name);
        AVFormatContext* ic = nullptr;
        ASSERT_EQ(OpenMediaInput(&ic, row.Name, nullptr, nullptr), 0);
        EXPECT_EQ(ic->nb_streams, 1u);
        CloseMediaInput(&ic);
    }
    EXPECT_EQ(FileNameToURL("pipe:2.wav"), "pipe:2.wav");
    EXPECT_EQ(FileNameToURL("stream:1:x.wav"), "stream:1:x.wav");
}

TEST_F(MediaIOTest, NamesTheLibraryOpensItselfGoThroughTheBackend) {
    const std::string path = Dir.Path() + "片段.bin";
    Dir.Write("片段.bin", "abc");
    AVFormatContext* s = av::avformat_alloc_context();
    s->url = av::av_strdup(FileNameToURL(path).c_str()); // set by the library once a file is open
    InstallIOHooks(s);
    AVIOContext* pb = nullptr;
    ASSERT_EQ(s->io_open(s, &pb, FileNameToURL(path).c_str(), AVIO_FLAG_READ, nullptr), 0);
    EXPECT_TRUE(IsFileIO(pb));
    EXPECT_EQ(s->io_close2(s, pb), 0);
    // Plain names still reach the library's own file protocol.
    Dir.Write("plain.bin", "abc");
    ASSERT_EQ(s->io_open(s, &pb, (Dir.Path() + "plain.bin").c_str(), AVIO_FLAG_READ, nullptr), 0);
    EXPECT_FALSE(IsFileIO(pb));
    EXPECT_EQ(av::avio_size(pb), 3);
    s->io_close2(s, pb);
    av::avformat_free_context(s);
}

TEST_F(MediaIOTest, OutputsAreWrittenThroughTheBackend) {
    const std::string path = Dir.Path() + "输出.wav";
    AVFormatContext* oc = nullptr;
    ASSERT_GE(av::avformat_alloc_output_context2(&oc, nullptr, "wav", nullptr), 0);
    AVStream* st = av::avformat_new_stream(oc, nullptr);
    st->codecpar->codec_type = AVMEDIA_TYPE_AUDIO;
    st->codecpar->codec_id = AV_CODEC_ID_PCM_S16LE;
    st->codecpar->sample_rate = 8000;
    av::av_channel_layout_default(&st->codecpar->ch_layout, 1);
    ASSERT_EQ(OpenMediaOutput(oc, path), 0);
    EXPECT_TRUE(IsFileIO(oc->pb));
    ASSERT_EQ(av::avformat_write_header(oc, nullptr), 0);
    EXPECT_EQ(av::av_write_trailer(oc), 0);
    CloseMediaOutput(oc);
    av::avformat_free_context(oc);
    EXPECT_GT(FileSize(path), 40);

    AVFormatContext* ic = nullptr;
    ASSERT_EQ(OpenMediaInput(&ic, path, nullptr, nullptr), 0);
    EXPECT_EQ(ic->streams[0]->codecpar->sample_rate, 8000);
    CloseMediaInput(&ic);
}

TEST_F(MediaIOTest, FifoReadEndsOnTheStopFlag) {
    const std::string path = Dir.Path() + "pipe";
    ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
    ASSERT_TRUE(UsesFileIO(path));
    std::atomic<bool> stop{false};
    AVIOInterruptCB cb{[](void* flag) { return static_cast<std::atomic<bool>*>(flag)->load() ? 1 : 0; },
                       &stop};
    AVIOContext* pb = nullptr;
    ASSERT_EQ(OpenFileIO(&pb, path, AVIO_FLAG_READ, &cb), 0); // no writer: must not block

    int writer = open(path.c_str(), O_WRONLY | O_CLOEXEC);
    ASSERT_GE(writer, 0);
    ASSERT_EQ(write(writer, "xy", 2), 2);
    unsigned char buf[8];
    EXPECT_EQ(av::avio_read_partial(pb, buf, 8), 2);
    // Nothing more comes: the read waits until the stop flag fires.
    std::thread stopper([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(150));
        stop = true;
    });
    EXPECT_EQ(av::avio_read_partial(pb, buf, 8), AVERROR_EXIT);
    stopper.join();
    close(writer);
    CloseFileIO(&pb);
}
