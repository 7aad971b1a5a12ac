#pragma once
// The framework's internet classes over libcurl: a session, an HTTP connection to one server
// and one request on it, with the framework's exception for network failures.
//
//   CInternetSession session(L"Agent");
//   std::unique_ptr<CHttpConnection> connection(session.GetHttpConnection(server, flags, port));
//   std::unique_ptr<CHttpFile> file(connection->OpenRequest(L"GET", object));
//   file->SendRequest();              // throws CInternetException* on a network failure
//   file->QueryInfoStatusCode(code);
//   while (file->ReadString(line)) ...
//
// SendRequest runs the whole transfer, bounded in time: the connection must be made within
// the connect timeout, the transfer must end within the receive timeout, and a transfer that
// stalls below one byte a second for ten seconds (or the receive timeout if shorter) is cut
// off. At most the body limit (1 MiB unless set otherwise) of the response is kept; the rest
// is not read, so a huge or endless response cannot stall the caller or fill the memory.
// The body is text in UTF-8; bytes that are not become U+FFFD.
#include <cstdint>
#include <memory>
#include <string>

#include "mfc/Exception.h"
#include "mfc/String.h"
#include "win/WinTypes.h"

using INTERNET_PORT = WORD;
using DWORD_PTR = std::uintptr_t;

constexpr INTERNET_PORT INTERNET_INVALID_PORT_NUMBER = 0;
constexpr INTERNET_PORT INTERNET_DEFAULT_HTTP_PORT = 80;
constexpr INTERNET_PORT INTERNET_DEFAULT_HTTPS_PORT = 443;

constexpr DWORD AFX_INET_SERVICE_HTTP = 3;
constexpr DWORD AFX_INET_SERVICE_HTTPS = 0x1006;
constexpr DWORD AFX_INET_SERVICE_UNK = 0x1000;

constexpr DWORD INTERNET_FLAG_RELOAD = 0x80000000;
constexpr DWORD INTERNET_FLAG_NO_CACHE_WRITE = 0x04000000;
constexpr DWORD INTERNET_FLAG_DONT_CACHE = INTERNET_FLAG_NO_CACHE_WRITE;
constexpr DWORD INTERNET_FLAG_SECURE = 0x00800000;
constexpr DWORD INTERNET_FLAG_EXISTING_CONNECT = 0x20000000;

// Options of CInternetSession::SetOption, in milliseconds.
constexpr DWORD INTERNET_OPTION_CONNECT_TIMEOUT = 2;
constexpr DWORD INTERNET_OPTION_RECEIVE_TIMEOUT = 6;
// How many bytes of a response body are kept (this layer's own option).
constexpr DWORD INTERNET_OPTION_MAX_BODY_SIZE = 0x7f000001;

constexpr DWORD HTTP_STATUS_OK = 200;
constexpr DWORD HTTP_STATUS_NOT_FOUND = 404;
constexpr DWORD HTTP_STATUS_SERVER_ERROR = 500;

constexpr DWORD ERROR_INTERNET_TIMEOUT = 12002;
constexpr DWORD ERROR_INTERNET_INTERNAL_ERROR = 12004;
constexpr DWORD ERROR_INTERNET_INVALID_URL = 12005;
constexpr DWORD ERROR_INTERNET_UNRECOGNIZED_SCHEME = 12006;
constexpr DWORD ERROR_INTERNET_NAME_NOT_RESOLVED = 12007;
constexpr DWORD ERROR_INTERNET_INCORRECT_HANDLE_STATE = 12019;
constexpr DWORD ERROR_INTERNET_CANNOT_CONNECT = 12029;
constexpr DWORD ERROR_INTERNET_CONNECTION_ABORTED = 12030;
constexpr DWORD ERROR_INTERNET_CONNECTION_RESET = 12031;
constexpr DWORD ERROR_HTTP_INVALID_SERVER_RESPONSE = 12152;
constexpr DWORD ERROR_HTTP_REDIRECT_FAILED = 12156;
constexpr DWORD ERROR_INTERNET_SECURITY_CHANNEL_ERROR = 12157;

// A network failure: m_dwError holds one of the ERROR_INTERNET_* / ERROR_HTTP_* codes.
class CInternetException : public CException {
public:
    explicit CInternetException(DWORD error, CString message = CString());
    BOOL GetErrorMessage(LPTSTR buffer, UINT maxChars, UINT* helpContext = nullptr) const override;

    DWORD m_dwError;
    DWORD_PTR m_dwContext = 1;

private:
    CString m_strMessage;
};

// Splits "http://server:port/object" (or https). FALSE for anything else; then serviceType
// is AFX_INET_SERVICE_UNK.
BOOL AfxParseURL(LPCTSTR url, DWORD& serviceType, CString& server, CString& object, INTERNET_PORT& port);

class CHttpConnection;
class CHttpFile;

namespace platform::internet {
// What a session hands down to its connections and requests.
struct SessionSettings {
    std::string agent;
    long connectTimeoutMs = 10'000;
    long receiveTimeoutMs = 30'000;
    size_t maxBodyBytes = 1u << 20;
};
}  // namespace platform::internet

class CInternetSession : public CObject {
public:
    explicit CInternetSession(LPCTSTR agent = nullptr);
    ~CInternetSession() override;
    CInternetSession(const CInternetSession&) = delete;
    CInternetSession& operator=(const CInternetSession&) = delete;

    // Connections are made by the request, not here; null only for an empty server name.
    // The caller deletes the connection, before the session.
    CHttpConnection* GetHttpConnection(LPCTSTR server, INTERNET_PORT port = INTERNET_INVALID_PORT_NUMBER,
                                       LPCTSTR userName = nullptr, LPCTSTR password = nullptr);
    CHttpConnection* GetHttpConnection(LPCTSTR server, DWORD flags, INTERNET_PORT port = INTERNET_INVALID_PORT_NUMBER,
                                       LPCTSTR userName = nullptr, LPCTSTR password = nullptr);

    BOOL SetOption(DWORD option, DWORD value);
    void Close() {}

private:
    std::shared_ptr<platform::internet::SessionSettings> m_settings;
};

class CHttpConnection : public CObject {
public:
    CHttpConnection(std::shared_ptr<const platform::internet::SessionSettings> settings, CString server,
                    INTERNET_PORT port, bool secure, CString userName, CString password);
    ~CHttpConnection() override = default;
    CHttpConnection(const CHttpConnection&) = delete;
    CHttpConnection& operator=(const CHttpConnection&) = delete;

    // The caller deletes the file, before the connection. INTERNET_FLAG_SECURE in flags asks
    // for https whatever the connection was opened with.
    CHttpFile* OpenRequest(LPCTSTR verb, LPCTSTR objectName, LPCTSTR referer = nullptr, DWORD_PTR context = 1,
                           LPCTSTR* acceptTypes = nullptr, LPCTSTR version = nullptr,
                           DWORD flags = INTERNET_FLAG_EXISTING_CONNECT);
    void Close() {}

private:
    std::shared_ptr<const platform::internet::SessionSettings> m_settings;
    CString m_strServer;
    INTERNET_PORT m_nPort;
    bool m_bSecure;
    CString m_strUser;
    CString m_strPassword;
};

class CHttpFile : public CObject {
public:
    CHttpFile(std::shared_ptr<const platform::internet::SessionSettings> settings, std::string url, std::string verb,
              std::string userName, std::string password);
    ~CHttpFile() override;
    CHttpFile(const CHttpFile&) = delete;
    CHttpFile& operator=(const CHttpFile&) = delete;

    // Sends the request and receives the response; throws CInternetException* on failure.
    BOOL SendRequest(LPCTSTR headers = nullptr, DWORD headersLength = 0, LPVOID optional = nullptr,
                     DWORD optionalLength = 0);
    BOOL QueryInfoStatusCode(DWORD& statusCode) const;

    // The next line without its line break; FALSE at the end of the response.
    BOOL ReadString(CString& line);
    // The next line as fgets reads one: at most maxChars - 1 characters, the line break kept
    // when it fits, always terminated. Null at the end of the response.
    LPTSTR ReadString(LPTSTR buffer, UINT maxChars);

    void Close();

private:
    std::shared_ptr<const platform::internet::SessionSettings> m_settings;
    std::string m_url;
    std::string m_verb;
    std::string m_user;
    std::string m_password;
    bool m_bSent = false;
    DWORD m_dwStatus = 0;
    std::wstring m_body;
    size_t m_nPosition = 0;
};
