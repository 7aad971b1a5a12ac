#include "pgsql/PgConnectString.h"

#include <cwctype>

#include "text/Utf8.h"

namespace platform::pgsql {
namespace {

// The driver's name without spaces and in lower case: "PostgreSQL Unicode (x64)" and
// "PostgreSQL Unicode(x64)" are one name.
std::wstring Folded(const std::wstring& name) {
    std::wstring out;
    for (wchar_t c : name)
        if (c != L' ') out += static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
    return out;
}

}  // namespace

bool IsPostgresConnect(const provider::ConnectPairs& pairs) {
    if (provider::FindConnectValue(pairs, {L"Provider"})) return false;
    const std::wstring* driver = provider::FindConnectValue(pairs, {L"Driver"});
    return driver && IsPostgresDriverName(*driver);
}

bool IsPostgresDriverName(const std::wstring& driver) {
    const std::wstring name = Folded(driver);
    for (const wchar_t* known : {L"postgresqlunicode", L"postgresqlansi", L"postgresqlunicode(x64)", L"postgresqlansi(x64)"})
        if (name == known) return true;
    return false;
}

ConnectParameters ConnectParametersOf(const provider::ConnectPairs& pairs, long loginSeconds) {
    ConnectParameters out;
    const auto take = [&](const char* keyword, std::initializer_list<std::wstring_view> keys) {
        if (const std::wstring* value = provider::FindConnectValue(pairs, keys); value && !value->empty()) out.emplace_back(keyword, ToUtf8(*value));
    };
    take("host", {L"Server", L"Servername"});
    take("port", {L"Port"});
    take("dbname", {L"Database"});
    take("user", {L"Uid", L"Username", L"User"});
    take("password", {L"Pwd", L"Password"});
    take("sslmode", {L"SSLmode"});
    out.emplace_back("connect_timeout", std::to_string(loginSeconds));
    out.emplace_back("client_encoding", "UTF8");
    out.emplace_back("options", "-c DateStyle=ISO,MDY -c extra_float_digits=3 -c bytea_output=hex");
    return out;
}

}  // namespace platform::pgsql
