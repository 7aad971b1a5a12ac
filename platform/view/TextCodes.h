#pragma once
// The special codes of single-line text: %%c (diameter), %%d (degree), %%p (plus/minus), %%nnn
// (a character by number), %%% (a percent sign), the %%u, %%o and %%k switches (dropped), and
// \U+XXXX escapes.
#include <QString>
#include <string_view>

namespace platform::view {

QString DecodeTextCodes(std::string_view utf8);

// Appends the character of a \U+XXXX escape at text[i] (i at the backslash) and returns the
// index after it, or i when there is none there.
size_t DecodeUnicodeEscape(std::string_view text, size_t i, QString& out);

}  // namespace platform::view
