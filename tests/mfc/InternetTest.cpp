#include <gtest/gtest.h>

#include <memory>

#include "mfc/Internet.h"
#include "testing/LocalHttpServer.h"
#include "testing/TempDir.h"

namespace {

using testing_support::LocalHttpServer;

TEST(ParseUrl, SplitsWebAddresses) {
    struct Row {
        const wchar_t* url;
        BOOL ok;
        DWORD service;
        const wchar_t* server;
        const wchar_t* object;
        INTERNET_PORT port;
    };
    const Row rows[] = {
        {L"https://update.morvane.com/velloria/", TRUE, AFX_INET_SERVICE_HTTPS, L"update.morvane.com", L"/velloria/", 443},
        {L"HTTP://127.0.0.1:8080/a/b.txt", TRUE, AFX_INET_SERVICE_HTTP, L"127.0.0.1", L"/a/b.txt", 8080},
        {L"http://host", TRUE, AFX_INET_SERVICE_HTTP, L"host", L"/", 80},
        {L"http://user:pw@host:81?q", TRUE, AFX_INET_SERVICE_HTTP, L"host", L"/?q", 81},
        {L"http://[::1]:9/x", TRUE, AFX_INET_SERVICE_HTTP, L"[::1]", L"/x", 9},
        {L"ftp://host/", FALSE, AFX_INET_SERVICE_UNK, L"", L"", 0},
        {L"host/path", FALSE, AFX_INET_SERVICE_UNK, L"", L"", 0},
        {L"http://:80/", FALSE, AFX_INET_SERVICE_UNK, L"", L"", 0},
        {L"http://host:99999/", FALSE, AFX_INET_SERVICE_UNK, L"", L"", 0},
        {L"http://host:8x/", FALSE, AFX_INET_SERVICE_UNK, L"", L"", 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(CString(row.url).ToUtf8());
        DWORD service = 99;
        CString server = L"old", object = L"old";
        INTERNET_PORT port = 1;
        EXPECT_EQ(AfxParseURL(row.url, service, server, object, port), row.ok);
        EXPECT_EQ(service, row.service);
        EXPECT_EQ(server, CString(row.server));
        EXPECT_EQ(object, CString(row.object));
        EXPECT_EQ(port, row.port);
    }
}

class HttpRequest : public ::testing::Test {
protected:
    std::unique_ptr<CHttpFile> Get(LocalHttpServer& server, const wchar_t* object) {
        connection.reset(session.GetHttpConnection(L"127.0.0.1", static_cast<INTERNET_PORT>(server.Port())));
        std::unique_ptr<CHttpFile> file(connection->OpenRequest(L"GET", object));
        file->SendRequest();
        return file;
    }
    // The error code of the exception that sending raises; 0 when none is raised.
    DWORD SendError(int port) {
        connection.reset(session.GetHttpConnection(L"127.0.0.1", static_cast<INTERNET_PORT>(port)));
        std::unique_ptr<CHttpFile> file(connection->OpenRequest(L"GET", L"/"));
        try {
            file->SendRequest();
        } catch (CInternetException* e) {
            const DWORD error = e->m_dwError;
            wchar_t message[8];
            EXPECT_TRUE(e->GetErrorMessage(message, 8));
            EXPECT_LE(std::wcslen(message), 7u);
            e->Delete();
            return error;
        }
        return 0;
    }

    testing_support::ScopedEnv noProxy{"no_proxy", "127.0.0.1"};
    CInternetSession session{L"Test"};
    std::unique_ptr<CHttpConnection> connection;
};

TEST_F(HttpRequest, LinesAsFgetsAndAsStrings) {
    const std::string longLine(600, 'a');
    LocalHttpServer server(LocalHttpServer::Response(404, "one\r\n" + longLine + "\nl\xc3\xa4st"));
    auto file = Get(server, L"list.txt");
    EXPECT_EQ(server.RequestLines().at(0), "GET /list.txt HTTP/1.1");
    DWORD status = 0;
    EXPECT_TRUE(file->QueryInfoStatusCode(status));
    EXPECT_EQ(status, 404u);

    wchar_t buffer[260];
    std::vector<std::wstring> pieces;
    while (file->ReadString(buffer, 260)) pieces.emplace_back(buffer);
    const std::vector<std::wstring> expected = {L"one\r\n", std::wstring(259, L'a'), std::wstring(259, L'a'),
                                                std::wstring(82, L'a') + L"\n", L"l\u00e4st"};
    EXPECT_EQ(pieces, expected);

    auto again = Get(server, L"/list.txt");
    CString line;
    std::vector<CString> lines;
    while (again->ReadString(line)) lines.push_back(line);
    EXPECT_EQ(lines, (std::vector<CString>{L"one", CString(std::wstring(600, L'a')), L"l\u00e4st"}));
}

TEST_F(HttpRequest, KeepsNoMoreThanTheBodyLimit) {
    session.SetOption(INTERNET_OPTION_MAX_BODY_SIZE, 1000);
    LocalHttpServer server(LocalHttpServer::Response(200, std::string(200'000, 'z') + "\n"));
    auto file = Get(server, L"/");
    CString line;
    ASSERT_TRUE(file->ReadString(line));
    EXPECT_EQ(line.GetLength(), 1000);
    EXPECT_FALSE(file->ReadString(line));
}

TEST_F(HttpRequest, NetworkFailuresRaiseTheInternetException) {
    EXPECT_EQ(SendError(LocalHttpServer::RefusedPort()), ERROR_INTERNET_CANNOT_CONNECT);

    session.SetOption(INTERNET_OPTION_CONNECT_TIMEOUT, 500);
    session.SetOption(INTERNET_OPTION_RECEIVE_TIMEOUT, 500);
    LocalHttpServer silent(std::string(), LocalHttpServer::Mode::Silent);
    EXPECT_EQ(SendError(silent.Port()), ERROR_INTERNET_TIMEOUT);

    LocalHttpServer garbage("this is not HTTP\r\n\r\n");
    EXPECT_NE(SendError(garbage.Port()), 0u);

    EXPECT_EQ(session.GetHttpConnection(L""), nullptr);
}

}  // namespace
