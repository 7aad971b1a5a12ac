#include "win/HostPath.h"

#include <cstdlib>

#include "text/Utf8.h"

namespace platform {

namespace {

bool IsDriveLetter(wchar_t ch) { return (ch >= L'A' && ch <= L'Z') || (ch >= L'a' && ch <= L'z'); }

}  // namespace

std::string ToHostPath(std::wstring_view path) {
    std::wstring text(path);
    for (auto& ch : text)
        if (ch == L'\\') ch = L'/';
    if (text.size() >= 2 && IsDriveLetter(text[0]) && text[1] == L':') {
        char letter = static_cast<char>(text[0] & ~0x20);  // upper case
        std::string variable = std::string("VELLORIA_DRIVE_") + letter;
        if (const char* folder = std::getenv(variable.c_str()); folder && *folder) {
            std::string root(folder);
            while (root.size() > 1 && root.back() == '/') root.pop_back();
            std::wstring rest = text.substr(2);
            if (!rest.empty() && rest.front() != L'/') rest.insert(rest.begin(), L'/');
            if (root == "/" && !rest.empty()) root.clear();
            return root + ToUtf8(rest);
        }
    }
    return ToUtf8(text);
}

}  // namespace platform
