// Connect strings. Any text parses into key and value pairs, and resolves to a target or is
// refused with the component's error. And whatever a user types as a database's location,
// user name and password, the connect string the module makes of them for either driver names
// that very file and password when the engine reads it back.
//
// Input: the text of a connect string; also, split at its first two NUL bytes, the location,
// user name and password (the rest of the text up to the next NUL each).
#include <string>
#include <string_view>
#include <vector>

#include "access/ConnectString.h"
#include "provider/ConnectString.h"
#include "catalogue/ConnectStringTable.h"
#include "com/ComError.h"
#include "fuzz/FuzzTarget.h"
#include "text/Utf8.h"

namespace {

using namespace platform::access;
using platform::provider::ParseConnectString;

// The three values typed into the dialog: no NUL can be typed.
std::vector<std::wstring> TypedValues(std::string_view text) {
    std::vector<std::wstring> values;
    for (int k = 0; k < 3; ++k) {
        const size_t end = text.find('\0');
        values.push_back(platform::FromUtf8(text.substr(0, end)));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return values;
}

ConnectTarget Resolve(std::wstring_view text, bool& refused) {
    refused = false;
    try {
        return ResolveConnectString(text);
    } catch (const _com_error&) {
        refused = true;
        return {};
    }
}

}  // namespace

VELLORIA_FUZZ_TARGET(ConnectString) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::wstring text = platform::FromUtf8(bytes);
    for (const auto& [key, value] : ParseConnectString(text)) FUZZ_CHECK(!key.empty());
    bool refused = false;
    Resolve(text, refused);

    static const bool initialised = (InitConnectStringTable(), true);
    FUZZ_CHECK(initialised);
    const std::vector<std::wstring> typed = TypedValues(bytes);
    const std::wstring &location = typed[0], &user = typed[1], &password = typed[2];
    for (const wchar_t* driver : {L"Microsoft Access Driver (*.mdb, *.accdb)", L"Microsoft.ACE.OLEDB.12.0"}) {
        const CString pattern = GetConnectStringTemplate(driver);
        FUZZ_CHECK(!pattern.IsEmpty());
        CString connect;
        connect.Format(pattern, QuoteConnectValue(pattern, location.c_str()).GetString(), QuoteConnectValue(pattern, user.c_str()).GetString(),
                       QuoteConnectValue(pattern, password.c_str()).GetString());
        const ConnectTarget target = Resolve(connect.str(), refused);
        FUZZ_CHECK(!refused);
        FUZZ_CHECK(target.database == location);
        // The OLE DB template carries no password.
        if (pattern.Left(7) == L"Driver=") FUZZ_CHECK(target.password == password);
    }
    return 0;
}
