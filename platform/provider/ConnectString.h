#pragma once
// Connect strings as every provider reads them: "Key=Value;" pairs, keys without regard to
// case, a value optionally in braces ("}}" for a brace) or in quotes (a doubled quote for a
// quote), which may then hold ";".
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace platform::provider {

using ConnectPairs = std::vector<std::pair<std::wstring, std::wstring>>;

ConnectPairs ParseConnectString(std::wstring_view text);

// The value of the first pair whose key is one of keys (without regard to case); null when
// none is there.
const std::wstring* FindConnectValue(const ConnectPairs& pairs, std::initializer_list<std::wstring_view> keys);

// A value as an ODBC connect string must hold it to be read back whole: in braces, with "}"
// doubled, when it holds ";", a brace, "=" or spaces at either end; as it is otherwise.
std::wstring QuoteOdbcValue(std::wstring_view value);

}  // namespace platform::provider
