#pragma once
// Text as a JSON string: for the tools' --format json output, which scripts read.
#include <cstdio>
#include <string>
#include <string_view>

namespace platform {

// The UTF-8 text quoted as a JSON string ("a\"b"); control characters are escaped, every
// other character is kept as it is.
inline std::string JsonQuoted(std::string_view text) {
    std::string out = "\"";
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default:
                if (c < 0x20) {
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
                    out += escaped;
                } else {
                    out += ch;
                }
        }
    }
    return out + "\"";
}

}  // namespace platform
