#include <gtest/gtest.h>

#include <chrono>
#include <map>

#include "text/Utf8.h"
#include "testing/LocalHttpServer.h"
#include "testing/TempDir.h"
#include "ui/LiveUpdateCheck.h"

namespace {

using testing_support::LocalHttpServer;

// The dialog's controls as the check leaves them, and what the buttons were while it ran.
class RecordingControls : public CLiveUpdateControls {
public:
    void SetControlText(int nId, const CString& strText) override {
        m_text[nId] = strText;
        if (nId == IDC_LIVEUPDATE_STATUS && strText == L"Connecting...")
            m_bButtonsDisabledWhileConnecting = !m_enabled[IDC_LIVEUPDATE_CLOSE] && !m_enabled[IDC_LIVEUPDATE_CHECK] &&
                                                !m_shown[IDC_LIVEUPDATE_LINK];
    }
    void EnableControl(int nId, BOOL bEnable) override { m_enabled[nId] = bEnable != FALSE; }
    void ShowControl(int nId, BOOL bShow) override { m_shown[nId] = bShow != FALSE; }

    std::string Status() { return m_text[IDC_LIVEUPDATE_STATUS].ToUtf8(); }
    bool ButtonsEnabled() { return m_enabled[IDC_LIVEUPDATE_CLOSE] && m_enabled[IDC_LIVEUPDATE_CHECK]; }

    std::map<int, CString> m_text;
    std::map<int, bool> m_enabled{{IDC_LIVEUPDATE_CLOSE, true}, {IDC_LIVEUPDATE_CHECK, true}};
    std::map<int, bool> m_shown{{IDC_LIVEUPDATE_LINK, true}, {IDC_LIVEUPDATE_DOWNLOAD_TAIL, true}};
    bool m_bButtonsDisabledWhileConnecting = false;
};

const char* kCurrent = "Velloria version is current and up-to-date.";

std::string NewVersion(const std::string& version) {
    return "The new version " + version + " is available.\nPlease download the new version by visiting";
}

class LiveUpdateCheck : public ::testing::Test {
protected:
    // Runs one check against url as the update server, as a click on "Check up" does.
    void Check(const std::string& url) {
        testing_support::ScopedEnv server("VELLORIA_UPDATE_URL", url);
        CLiveUpdateCheck check(controls);
        check.SetTimeouts(1000, 1000);
        check.OnInitDialog();
        EXPECT_FALSE(controls.m_shown[IDC_LIVEUPDATE_LINK]);
        EXPECT_FALSE(controls.m_shown[IDC_LIVEUPDATE_DOWNLOAD_TAIL]);
        check.OnCheckUp();
        EXPECT_TRUE(controls.m_bButtonsDisabledWhileConnecting);
        EXPECT_TRUE(controls.ButtonsEnabled());
        EXPECT_FALSE(controls.m_shown[IDC_LIVEUPDATE_DOWNLOAD_TAIL]);
    }

    testing_support::ScopedEnv noProxy{"no_proxy", "127.0.0.1"};
    RecordingControls controls;
};

struct Answer {
    const char* name;
    int status;
    std::string body;
    std::string expected;
    bool linkShown;
};

TEST_F(LiveUpdateCheck, AnswersOfTheServer) {
    const std::string longLine(100'000, 'x');
    std::string junk("\x00\x01\xff\xfe acad*22*\xc3\x28 velloria\x00:9.9\n\x80\x80\x80", 31);
    std::string huge(3u << 20, 'y');  // more than is ever read
    const Answer answers[] = {
        {"newer by number", 200, "acad*21*velloria:3.0.0.0\nacad*22*velloria:2.10.0.0\n", NewVersion("2.10.0.0"), true},
        {"equal", 200, "acad*22*velloria:2.7.1.0\n", kCurrent, false},
        {"fewer parts", 200, "acad*22*velloria:2.7.1\r\n", kCurrent, false},
        {"older", 200, "acad*22*velloria:2.6.9.9", kCurrent, false},
        {"upper-case key, white space", 200, "ACAD*22*VELLORIA:  2.8.0.0  \r\n", NewVersion("2.8.0.0"), true},
        {"first matching line wins", 200, "acad*22*velloria:2.7.0.0\nacad*22*velloria:9.0.0.0\n", kCurrent, false},
        {"key after other text", 200, "# acad*22*velloria:2.8.0.0\n", NewVersion("2.8.0.0"), true},
        {"only other products", 200, "acadlt*22*velloria:9.0.0.0\nacad*23*velloria:9.0.0.0\n", kCurrent, false},
        {"empty list", 200, "", kCurrent, false},
        {"empty version", 200, "acad*22*velloria:\n", kCurrent, false},
        {"not found", 404, "acad*22*velloria:9.0.0.0\n", "Network connection failed: 404.", false},
        {"server error", 500, "", "Network connection failed: 500.", false},
        {"key after 250 characters of its line", 200, std::string(250, '#') + " acad*22*velloria:2.8.0.0\n", NewVersion("2.8.0.0"), true},
        {"key across where a short read would split it", 200, std::string(255, '#') + "acad*22*velloria:2.8.0.0\n", NewVersion("2.8.0.0"), true},
        {"line of 100000 characters", 200, longLine + "\nacad*22*velloria:2.9.0.0\n", NewVersion("2.9.0.0"), true},
        {"binary junk", 200, junk + "\nacad*22*velloria:3.1.0.0\n", NewVersion("3.1.0.0"), true},
        {"binary junk only", 200, junk, kCurrent, false},
        {"huge response without the line", 200, huge + "\nacad*22*velloria:9.0.0.0\n", kCurrent, false},
    };
    for (const Answer& answer : answers) {
        SCOPED_TRACE(answer.name);
        controls = RecordingControls();
        LocalHttpServer server(LocalHttpServer::Response(answer.status, answer.body));
        Check(server.Url("/velloria/"));
        EXPECT_EQ(controls.Status(), answer.expected);
        EXPECT_EQ(controls.m_shown[IDC_LIVEUPDATE_LINK], answer.linkShown);
        ASSERT_EQ(server.RequestLines().size(), 1u);
        EXPECT_EQ(server.RequestLines()[0], "GET /velloria/updatelist/checkforupdate.txt HTTP/1.1");
    }
}

TEST_F(LiveUpdateCheck, BaseAddressWithoutTrailingSlash) {
    LocalHttpServer server(LocalHttpServer::Response(200, "acad*22*velloria:2.7.2.0\n"));
    Check(server.Url("/mirror"));
    EXPECT_EQ(controls.Status(), NewVersion("2.7.2.0"));
    EXPECT_EQ(server.RequestLines().at(0), "GET /mirror/updatelist/checkforupdate.txt HTTP/1.1");
}

TEST_F(LiveUpdateCheck, NetworkFailures) {
    {
        SCOPED_TRACE("refused connection");
        Check("http://127.0.0.1:" + std::to_string(LocalHttpServer::RefusedPort()) + "/");
        EXPECT_EQ(controls.Status(), "Network connection failed.");
    }
    {
        SCOPED_TRACE("server that never answers");
        LocalHttpServer server(std::string(), LocalHttpServer::Mode::Silent);
        const auto start = std::chrono::steady_clock::now();
        Check(server.Url("/"));
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
        EXPECT_EQ(controls.Status(), "Network connection failed.");
    }
    {
        SCOPED_TRACE("not an address of a web server");
        controls = RecordingControls();
        Check("ftp://127.0.0.1/");
        EXPECT_EQ(controls.Status(), "Network connection failed.");
    }
    EXPECT_FALSE(controls.m_shown[IDC_LIVEUPDATE_LINK]);
}

TEST_F(LiveUpdateCheck, AFailureAfterAnOfferHidesTheLinkAgain) {
    {
        LocalHttpServer server(LocalHttpServer::Response(200, "acad*22*velloria:3.0\n"));
        Check(server.Url("/"));
        EXPECT_TRUE(controls.m_shown[IDC_LIVEUPDATE_LINK]);
    }
    LocalHttpServer server(LocalHttpServer::Response(404, ""));
    Check(server.Url("/"));
    EXPECT_FALSE(controls.m_shown[IDC_LIVEUPDATE_LINK]);
}

TEST(LiveUpdateVersion, KeyAndComparison) {
    EXPECT_EQ(CLiveUpdateCheck::BuildKey(), CString(L"acad*22*velloria:"));
    struct Row {
        const wchar_t* offered;
        const wchar_t* running;
        BOOL newer;
    };
    const Row rows[] = {
        {L"2.10.0.0", L"2.7.1.0", TRUE},  {L"2.7.1", L"2.7.1.0", FALSE},       {L"2.7.1.0.1", L"2.7.1.0", FALSE},
        {L"2.7.1.0", L"2.7.1.0", FALSE},  {L"2.7.0.9", L"2.7.1.0", FALSE},     {L"3", L"2.7.1.0", TRUE},
        {L"2.8beta", L"2.7.1.0", TRUE},   {L"2.x.5", L"2.7.1.0", FALSE},       {L"", L"2.7.1.0", FALSE},
        {L"2..9", L"2.7.1.0", FALSE},     {L"02.07.02", L"2.7.1.0", TRUE},     {L"-3", L"2.7.1.0", FALSE},
        {L"99999999999999999999999", L"2.7.1.0", TRUE},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(platform::ToUtf8(row.offered));
        EXPECT_EQ(CLiveUpdateCheck::IsNewerVersion(row.offered, row.running), row.newer);
    }
}

TEST(LiveUpdateLink, OpensTheDownloadPage) {
    testing_support::TempDir dir;
    const std::string record = dir / "opened.txt";
    const std::string opener = dir / "opener.sh";
    testing_support::WriteFile(opener, "#!/bin/sh\nprintf '%s' \"$1\" > " + record + ".tmp && mv " + record + ".tmp " + record + "\n");
    std::filesystem::permissions(opener, std::filesystem::perms::owner_all);
    testing_support::ScopedEnv env("VELLORIA_OPENER", opener);
    RecordingControls controls;
    CLiveUpdateCheck(controls).OnLinkClicked();
    for (int i = 0; i < 200 && !std::filesystem::exists(record); ++i) ::usleep(10000);
    EXPECT_EQ(testing_support::ReadFile(record), "https://www.morvane.com/velloria/download");
}

}  // namespace
