#include "skin/controls/LinkOpener.h"

#include "RecordingShellOpener.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A recording opener and log, installed for one test.
class LinkOpenerTest : public ::testing::Test {
protected:
    void SetUp() override {
        FOldLog = SetLinkLog([this](const std::string& Line) { Logged.push_back(Line); });
    }
    void TearDown() override { SetLinkLog(FOldLog); }

    std::vector<std::string> Opened, Logged;
    TRecordingShellOpener Opener{Opened};

private:
    TLinkLog FOldLog;
};

TEST_F(LinkOpenerTest, OnlyWebAndMailAddressesReachTheOpener) {
    struct Case {
        const char* URL;
        bool Opens;
    } cases[] = {
        {"http://example.com/a b", true},
        {"https://example.com/?q=1&r=2;ls", true},
        {"HTTPS://EXAMPLE.COM", true},
        {"mailto:someone@example.com", true},
        {"http://", false},
        {"file:///etc/passwd", false},
        {"javascript:alert(1)", false},
        {"/usr/bin/xterm", false},
        {"--help", false},
        {"www.example.com", false},
        {"http://example.com/\nrm", false},
        {" http://example.com", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.URL);
        Opened.clear();
        Logged.clear();
        EXPECT_EQ(OpenLinkURL(c.URL), c.Opens);
        EXPECT_EQ(Opened, c.Opens ? std::vector<std::string>{std::string("open ") + c.URL}
                                  : std::vector<std::string>{});
        EXPECT_EQ(Logged.size(), c.Opens ? 0u : 1u);
    }
}

TEST_F(LinkOpenerTest, AnEmptyAddressIsQuietAndAFailingOpenerIsLogged) {
    EXPECT_FALSE(OpenLinkURL(""));
    EXPECT_TRUE(Opened.empty());
    EXPECT_TRUE(Logged.empty());
    Opener.Works = false;
    EXPECT_FALSE(OpenLinkURL("https://example.com"));
    ASSERT_EQ(Logged.size(), 1u);
    EXPECT_NE(Logged[0].find("https://example.com"), std::string::npos);
}

} // namespace
