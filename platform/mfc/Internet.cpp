#include "mfc/Internet.h"

#include <algorithm>
#include <cwchar>

#include "mfc/CurlLibrary.h"
#include "text/Utf8.h"

namespace {

using platform::internet::SessionSettings;

DWORD ErrorFromCurl(CURLcode code) {
    switch (code) {
    case CURLE_OPERATION_TIMEDOUT: return ERROR_INTERNET_TIMEOUT;
    case CURLE_URL_MALFORMAT: return ERROR_INTERNET_INVALID_URL;
    case CURLE_UNSUPPORTED_PROTOCOL: return ERROR_INTERNET_UNRECOGNIZED_SCHEME;
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_RESOLVE_PROXY: return ERROR_INTERNET_NAME_NOT_RESOLVED;
    case CURLE_COULDNT_CONNECT: return ERROR_INTERNET_CANNOT_CONNECT;
    case CURLE_GOT_NOTHING:
    case CURLE_PARTIAL_FILE: return ERROR_INTERNET_CONNECTION_ABORTED;
    case CURLE_RECV_ERROR:
    case CURLE_SEND_ERROR: return ERROR_INTERNET_CONNECTION_RESET;
    case CURLE_WEIRD_SERVER_REPLY: return ERROR_HTTP_INVALID_SERVER_RESPONSE;
    case CURLE_TOO_MANY_REDIRECTS: return ERROR_HTTP_REDIRECT_FAILED;
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CERTPROBLEM:
    case CURLE_SSL_CACERT_BADFILE: return ERROR_INTERNET_SECURITY_CHANNEL_ERROR;
    default: return ERROR_INTERNET_INTERNAL_ERROR;
    }
}

using platform::internet::CurlApi;

struct CurlDeleter {
    const CurlApi* api;
    void operator()(CURL* handle) const { api->easyCleanup(handle); }
};

// Receives the body, keeping at most limit bytes; past it the transfer is ended.
struct BodySink {
    std::string bytes;
    size_t limit = 0;
    bool cut = false;

    static size_t Write(char* data, size_t size, size_t count, void* user) {
        auto* sink = static_cast<BodySink*>(user);
        const size_t n = size * count;
        const size_t room = sink->limit - sink->bytes.size();
        if (n > room) {
            sink->bytes.append(data, room);
            sink->cut = true;
            return 0;  // ends the transfer: the rest is not wanted
        }
        sink->bytes.append(data, n);
        return n;
    }
};

CString OrEmpty(LPCTSTR text) { return text ? CString(text) : CString(); }

}  // namespace

CInternetException::CInternetException(DWORD error, CString message)
    : m_dwError(error), m_strMessage(std::move(message)) {}

BOOL CInternetException::GetErrorMessage(LPTSTR buffer, UINT maxChars, UINT* helpContext) const {
    if (helpContext) *helpContext = 0;
    if (!buffer || maxChars == 0) return FALSE;
    CString text = m_strMessage;
    if (text.IsEmpty()) text.Format(L"Internet error %lu.", static_cast<unsigned long>(m_dwError));
    const size_t n = std::min<size_t>(static_cast<size_t>(text.GetLength()), maxChars - 1);
    std::wmemcpy(buffer, text.GetString(), n);
    buffer[n] = L'\0';
    return TRUE;
}

BOOL AfxParseURL(LPCTSTR url, DWORD& serviceType, CString& server, CString& object, INTERNET_PORT& port) {
    serviceType = AFX_INET_SERVICE_UNK;
    server.Empty();
    object.Empty();
    port = INTERNET_INVALID_PORT_NUMBER;
    if (!url) return FALSE;
    std::wstring text(url);
    const size_t schemeEnd = text.find(L"://");
    if (schemeEnd == std::wstring::npos) return FALSE;
    std::wstring scheme = text.substr(0, schemeEnd);
    for (auto& ch : scheme) ch = platform::ToLowerChar(ch);
    DWORD service;
    INTERNET_PORT defaultPort;
    if (scheme == L"http") {
        service = AFX_INET_SERVICE_HTTP;
        defaultPort = INTERNET_DEFAULT_HTTP_PORT;
    } else if (scheme == L"https") {
        service = AFX_INET_SERVICE_HTTPS;
        defaultPort = INTERNET_DEFAULT_HTTPS_PORT;
    } else {
        return FALSE;
    }
    const size_t authorityStart = schemeEnd + 3;
    size_t pathStart = text.find_first_of(L"/?#", authorityStart);
    if (pathStart == std::wstring::npos) pathStart = text.size();
    std::wstring authority = text.substr(authorityStart, pathStart - authorityStart);
    if (size_t at = authority.rfind(L'@'); at != std::wstring::npos) authority.erase(0, at + 1);
    std::wstring host = authority;
    INTERNET_PORT number = defaultPort;
    const size_t bracket = authority.rfind(L']');
    const size_t colon = authority.rfind(L':');
    if (colon != std::wstring::npos && (bracket == std::wstring::npos || colon > bracket)) {
        host = authority.substr(0, colon);
        const std::wstring digits = authority.substr(colon + 1);
        if (!digits.empty()) {
            unsigned long value = 0;
            for (wchar_t ch : digits) {
                if (ch < L'0' || ch > L'9') return FALSE;
                value = value * 10 + static_cast<unsigned long>(ch - L'0');
                if (value > 65535) return FALSE;
            }
            if (value == 0) return FALSE;
            number = static_cast<INTERNET_PORT>(value);
        }
    }
    if (host.empty()) return FALSE;
    std::wstring path = text.substr(pathStart);
    if (path.empty() || path[0] != L'/') path.insert(path.begin(), L'/');
    serviceType = service;
    server = CString(host);
    object = CString(path);
    port = number;
    return TRUE;
}

CInternetSession::CInternetSession(LPCTSTR agent) : m_settings(std::make_shared<SessionSettings>()) {
    m_settings->agent = agent && *agent ? platform::ToUtf8(agent) : std::string("Velloria");
}

CInternetSession::~CInternetSession() { Close(); }

CHttpConnection* CInternetSession::GetHttpConnection(LPCTSTR server, INTERNET_PORT port, LPCTSTR userName,
                                                     LPCTSTR password) {
    return GetHttpConnection(server, DWORD{0}, port, userName, password);
}

CHttpConnection* CInternetSession::GetHttpConnection(LPCTSTR server, DWORD flags, INTERNET_PORT port,
                                                     LPCTSTR userName, LPCTSTR password) {
    if (!server || !*server) return nullptr;
    const bool secure = (flags & INTERNET_FLAG_SECURE) != 0;
    if (port == INTERNET_INVALID_PORT_NUMBER) port = secure ? INTERNET_DEFAULT_HTTPS_PORT : INTERNET_DEFAULT_HTTP_PORT;
    // Each connection sees the settings as they are now; later changes affect later ones.
    auto snapshot = std::make_shared<const SessionSettings>(*m_settings);
    return new CHttpConnection(std::move(snapshot), server, port, secure, OrEmpty(userName), OrEmpty(password));
}

BOOL CInternetSession::SetOption(DWORD option, DWORD value) {
    switch (option) {
    case INTERNET_OPTION_CONNECT_TIMEOUT: m_settings->connectTimeoutMs = std::max<long>(1, static_cast<long>(value)); return TRUE;
    case INTERNET_OPTION_RECEIVE_TIMEOUT: m_settings->receiveTimeoutMs = std::max<long>(1, static_cast<long>(value)); return TRUE;
    case INTERNET_OPTION_MAX_BODY_SIZE: m_settings->maxBodyBytes = value; return TRUE;
    default: return FALSE;
    }
}

CHttpConnection::CHttpConnection(std::shared_ptr<const SessionSettings> settings, CString server, INTERNET_PORT port,
                                 bool secure, CString userName, CString password)
    : m_settings(std::move(settings)),
      m_strServer(std::move(server)),
      m_nPort(port),
      m_bSecure(secure),
      m_strUser(std::move(userName)),
      m_strPassword(std::move(password)) {}

CHttpFile* CHttpConnection::OpenRequest(LPCTSTR verb, LPCTSTR objectName, LPCTSTR referer, DWORD_PTR context,
                                        LPCTSTR* acceptTypes, LPCTSTR version, DWORD flags) {
    const bool secure = m_bSecure || (flags & INTERNET_FLAG_SECURE) != 0;
    std::wstring object = objectName ? objectName : L"/";
    if (object.empty() || object[0] != L'/') object.insert(object.begin(), L'/');
    std::wstring host = m_strServer.str();
    // A bare IPv6 address needs its brackets in a URL.
    if (host.find(L':') != std::wstring::npos && host.front() != L'[') host = L"[" + host + L"]";
    std::wstring url = (secure ? L"https://" : L"http://") + host + L":" + std::to_wstring(m_nPort) + object;
    std::string method = verb && *verb ? platform::ToUtf8(verb) : std::string("GET");
    return new CHttpFile(m_settings, platform::ToUtf8(url), std::move(method), m_strUser.ToUtf8(),
                         m_strPassword.ToUtf8());
}

CHttpFile::CHttpFile(std::shared_ptr<const SessionSettings> settings, std::string url, std::string verb,
                     std::string userName, std::string password)
    : m_settings(std::move(settings)),
      m_url(std::move(url)),
      m_verb(std::move(verb)),
      m_user(std::move(userName)),
      m_password(std::move(password)) {}

CHttpFile::~CHttpFile() { Close(); }

namespace {

struct SlistDeleter {
    const CurlApi* api;
    void operator()(curl_slist* list) const { api->slistFreeAll(list); }
};
using HeaderList = std::unique_ptr<curl_slist, SlistDeleter>;

// Extra request headers, one per line (the first headersLength characters when that is a
// length, as WinINet reads it).
HeaderList RequestHeaders(const CurlApi* api, LPCTSTR headers, DWORD headersLength) {
    HeaderList headerList(nullptr, SlistDeleter{api});
    if (!headers || !*headers) return headerList;
    std::wstring text(headers);
    if (headersLength != 0 && headersLength != static_cast<DWORD>(-1) && headersLength < text.size()) text.resize(headersLength);
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find_first_of(L"\r\n", start);
        if (end == std::wstring::npos) end = text.size();
        if (end > start) {
            curl_slist* grown = api->slistAppend(headerList.get(), platform::ToUtf8(text.substr(start, end - start)).c_str());
            if (!grown) throw new CInternetException(ERROR_INTERNET_INTERNAL_ERROR);
            headerList.release();
            headerList.reset(grown);
        }
        start = end + 1;
    }
    return headerList;
}

// Where the request goes and how long it may take: http and https only, redirections
// followed, the session's time limits and user agent.
void SetTransferOptions(const CurlApi* api, CURL* h, const platform::internet::SessionSettings& settings, const std::string& url) {
    const long connectMs = settings.connectTimeoutMs;
    const long totalMs = std::max(settings.receiveTimeoutMs, connectMs);
    api->easySetopt(h, CURLOPT_URL, url.c_str());
    api->easySetopt(h, CURLOPT_PROTOCOLS_STR, "http,https");
    api->easySetopt(h, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    api->easySetopt(h, CURLOPT_FOLLOWLOCATION, 1L);
    api->easySetopt(h, CURLOPT_MAXREDIRS, 5L);
    api->easySetopt(h, CURLOPT_NOSIGNAL, 1L);
    api->easySetopt(h, CURLOPT_CONNECTTIMEOUT_MS, connectMs);
    api->easySetopt(h, CURLOPT_TIMEOUT_MS, totalMs);
    // A stalled transfer ends well before the overall limit when that limit is long.
    api->easySetopt(h, CURLOPT_LOW_SPEED_LIMIT, 1L);
    api->easySetopt(h, CURLOPT_LOW_SPEED_TIME, std::max(1L, std::min(10L, totalMs / 1000)));
    api->easySetopt(h, CURLOPT_USERAGENT, settings.agent.c_str());
}

// The verb, and the body a POST (or any verb given optional data) sends.
void SetVerbAndBody(const CurlApi* api, CURL* h, const std::string& verb, LPVOID optional, DWORD optionalLength) {
    if (verb == "HEAD") {
        api->easySetopt(h, CURLOPT_NOBODY, 1L);
    } else if (verb == "POST" || optional) {
        api->easySetopt(h, CURLOPT_POSTFIELDSIZE, static_cast<long>(optional ? optionalLength : 0));
        api->easySetopt(h, CURLOPT_COPYPOSTFIELDS, optional ? static_cast<const char*>(optional) : "");
        if (verb != "POST") api->easySetopt(h, CURLOPT_CUSTOMREQUEST, verb.c_str());
    } else if (verb != "GET") {
        api->easySetopt(h, CURLOPT_CUSTOMREQUEST, verb.c_str());
    }
}

}  // namespace

BOOL CHttpFile::SendRequest(LPCTSTR headers, DWORD headersLength, LPVOID optional, DWORD optionalLength) {
    std::string why;
    const CurlApi* api = platform::internet::Curl(&why);
    if (!api) throw new CInternetException(ERROR_INTERNET_INTERNAL_ERROR, CString(platform::FromUtf8(why).c_str()));
    std::unique_ptr<CURL, CurlDeleter> curl(api->easyInit(), CurlDeleter{api});
    if (!curl) throw new CInternetException(ERROR_INTERNET_INTERNAL_ERROR);
    CURL* h = curl.get();

    BodySink sink;
    sink.limit = m_settings->maxBodyBytes;
    char errorText[CURL_ERROR_SIZE] = "";
    const HeaderList headerList = RequestHeaders(api, headers, headersLength);

    SetTransferOptions(api, h, *m_settings, m_url);
    api->easySetopt(h, CURLOPT_ERRORBUFFER, errorText);
    api->easySetopt(h, CURLOPT_WRITEFUNCTION, &BodySink::Write);
    api->easySetopt(h, CURLOPT_WRITEDATA, &sink);
    if (headerList) api->easySetopt(h, CURLOPT_HTTPHEADER, headerList.get());
    if (!m_user.empty()) {
        api->easySetopt(h, CURLOPT_USERNAME, m_user.c_str());
        api->easySetopt(h, CURLOPT_PASSWORD, m_password.c_str());
    }
    SetVerbAndBody(api, h, m_verb, optional, optionalLength);

    const CURLcode result = api->easyPerform(h);
    if (result != CURLE_OK && !(result == CURLE_WRITE_ERROR && sink.cut)) {
        CString message(errorText[0] ? errorText : api->easyStrerror(result));
        throw new CInternetException(ErrorFromCurl(result), message);
    }
    long status = 0;
    api->easyGetinfo(h, CURLINFO_RESPONSE_CODE, &status);
    m_dwStatus = static_cast<DWORD>(status);
    m_body = platform::FromUtf8(sink.bytes);
    m_nPosition = 0;
    m_bSent = true;
    return TRUE;
}

BOOL CHttpFile::QueryInfoStatusCode(DWORD& statusCode) const {
    statusCode = m_dwStatus;
    return m_bSent ? TRUE : FALSE;
}

BOOL CHttpFile::ReadString(CString& line) {
    line.Empty();
    if (!m_bSent || m_nPosition >= m_body.size()) return FALSE;
    size_t end = m_body.find(L'\n', m_nPosition);
    const size_t next = end == std::wstring::npos ? m_body.size() : end + 1;
    if (end == std::wstring::npos) end = m_body.size();
    if (end > m_nPosition && m_body[end - 1] == L'\r') --end;
    line = CString(std::wstring_view(m_body).substr(m_nPosition, end - m_nPosition));
    m_nPosition = next;
    return TRUE;
}

LPTSTR CHttpFile::ReadString(LPTSTR buffer, UINT maxChars) {
    if (!buffer || maxChars == 0) return nullptr;
    buffer[0] = L'\0';
    // Room for no character would return an empty line for ever.
    if (maxChars < 2) return nullptr;
    if (!m_bSent || m_nPosition >= m_body.size()) return nullptr;
    size_t count = 0;
    while (count + 1 < maxChars && m_nPosition < m_body.size()) {
        const wchar_t ch = m_body[m_nPosition++];
        buffer[count++] = ch;
        if (ch == L'\n') break;
    }
    buffer[count] = L'\0';
    return buffer;
}

void CHttpFile::Close() {
    m_body.clear();
    m_body.shrink_to_fit();
    m_nPosition = 0;
}
