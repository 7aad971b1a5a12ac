#include "HostPath.h"

#include <cstdlib>

#include "Utf8.h"

namespace platform {

std::string ToHostPath(std::wstring_view storedPath) {
    std::wstring path(storedPath);
    for (auto& ch : path)
        if (ch == L'\\') ch = L'/';
    std::string prefix;
    if (path.size() >= 2 && path[1] == L':' && ((path[0] >= L'A' && path[0] <= L'Z') || (path[0] >= L'a' && path[0] <= L'z'))) {
        const char letter = static_cast<char>(path[0] >= L'a' ? path[0] - L'a' + L'A' : path[0]);
        const std::string variable = std::string("VELLORIA_DRIVE_") + letter;
        if (const char* folder = std::getenv(variable.c_str()); folder && *folder) {
            prefix = folder;
            while (prefix.size() > 1 && prefix.back() == '/') prefix.pop_back();
            path.erase(0, 2);
            if (!path.empty() && path[0] != L'/') path.insert(path.begin(), L'/');
        }
    }
    return prefix + ToUtf8(path);
}

}  // namespace platform
