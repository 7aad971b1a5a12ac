#include "win/ShellPath.h"

#include <string>
#include <sys/stat.h>
#include <vector>

#include "posix/SystemCalls.h"
#include "win/HostPath.h"
#include "win/LastError.h"
#include "text/TextCase.h"

namespace {

bool IsSep(wchar_t ch) { return ch == L'\\' || ch == L'/'; }

wchar_t SeparatorOf(std::wstring_view path) {
    for (wchar_t ch : path)
        if (IsSep(ch)) return ch;
    return L'\\';
}

bool SameComponent(std::wstring_view a, std::wstring_view b) {
    return a.size() == b.size() && platform::CompareNoCase(a, b) == 0;
}

// A path split into its root ("C:\", "C:", "\", "/", "\\server\share\" ...) and components.
struct SplitPath {
    std::wstring root;
    bool unc = false;
    std::vector<std::wstring> parts;
    bool trailingSeparator = false;
};

SplitPath Split(std::wstring_view path, wchar_t sep) {
    SplitPath split;
    size_t pos = 0;
    if (path.size() >= 2 && IsSep(path[0]) && IsSep(path[1])) {
        split.unc = true;
        split.root.assign(2, sep);
        pos = 2;
    } else if (!path.empty() && IsSep(path[0])) {
        split.root.assign(1, sep);
        pos = 1;
    } else if (path.size() >= 2 && path[1] == L':') {
        split.root = path.substr(0, 2);
        pos = 2;
        if (pos < path.size() && IsSep(path[pos])) {
            split.root.push_back(sep);
            ++pos;
        }
    }
    std::wstring part;
    for (; pos <= path.size(); ++pos) {
        if (pos == path.size() || IsSep(path[pos])) {
            if (!part.empty()) split.parts.push_back(part);
            part.clear();
        } else {
            part.push_back(path[pos]);
        }
    }
    split.trailingSeparator = !path.empty() && IsSep(path.back()) && !split.parts.empty();
    return split;
}

std::wstring Join(const std::wstring& root, const std::vector<std::wstring>& parts, wchar_t sep) {
    std::wstring out = root;
    for (size_t i = 0; i < parts.size(); ++i) {
        if (i) out.push_back(sep);
        out += parts[i];
    }
    return out;
}

std::wstring Canonical(std::wstring_view path) {
    const wchar_t sep = SeparatorOf(path);
    if (path.empty()) return std::wstring(1, sep);
    SplitPath split = Split(path, sep);
    const bool rooted = !split.root.empty() && IsSep(split.root.back());
    std::vector<std::wstring> kept;
    // The server and share of a UNC path belong to its root: ".." does not climb over them.
    size_t fixed = split.unc ? std::min<size_t>(2, split.parts.size()) : 0;
    bool endsInDots = false;
    for (size_t i = 0; i < split.parts.size(); ++i) {
        const std::wstring& part = split.parts[i];
        endsInDots = false;
        if (i >= fixed && part == L".") {
            endsInDots = true;
            continue;
        }
        if (i >= fixed && part == L"..") {
            endsInDots = true;
            if (kept.size() > fixed && kept.back() != L"..") {
                kept.pop_back();
            } else if (!rooted && split.root.empty()) {
                kept.push_back(part);  // a relative path may start above its folder
            }
            continue;
        }
        kept.push_back(part);
    }
    std::wstring out = Join(split.root, kept, sep);
    if (split.trailingSeparator && !endsInDots && !kept.empty()) out.push_back(sep);
    if (out.size() == 2 && out[1] == L':') out.push_back(sep);  // naked drive
    if (out.empty()) out.assign(1, sep);
    return out;
}

bool Fits(const std::wstring& text) { return text.size() < MAX_PATH; }

void Store(LPWSTR buffer, const std::wstring& text) { std::wmemcpy(buffer, text.c_str(), text.size() + 1); }

}  // namespace

BOOL PathIsRelativeW(LPCWSTR pszPath) {
    if (!pszPath || !*pszPath) return TRUE;
    if (IsSep(pszPath[0])) return FALSE;
    return pszPath[1] == L':' ? FALSE : TRUE;
}

BOOL PathRemoveFileSpecW(LPWSTR pszPath) {
    if (!pszPath) return FALSE;
    wchar_t* p = pszPath;
    wchar_t* fileName = p;
    // Skip a leading separator (root) or two (UNC).
    if (IsSep(*p)) fileName = ++p;
    if (IsSep(*p)) fileName = ++p;
    while (*p) {
        if (IsSep(*p)) {
            fileName = p;
        } else if (*p == L':') {
            fileName = ++p;
            if (IsSep(*p)) ++fileName;
            if (!*p) break;
        }
        ++p;
    }
    if (!*fileName) return FALSE;
    *fileName = L'\0';
    return TRUE;
}

LPWSTR PathAddBackslashW(LPWSTR pszPath) {
    if (!pszPath) return nullptr;
    size_t length = std::wcslen(pszPath);
    if (length >= MAX_PATH) return nullptr;
    if (length && !IsSep(pszPath[length - 1])) {
        if (length + 1 >= MAX_PATH) return nullptr;
        pszPath[length++] = SeparatorOf(pszPath);
        pszPath[length] = L'\0';
    }
    return pszPath + length;
}

BOOL PathAppendW(LPWSTR pszPath, LPCWSTR pszMore) {
    if (!pszPath || !pszMore) return FALSE;
    std::wstring path(pszPath);
    std::wstring_view more(pszMore);
    const bool uncMore = more.size() >= 2 && IsSep(more[0]) && IsSep(more[1]);
    if (!uncMore)
        while (!more.empty() && IsSep(more.front())) more.remove_prefix(1);
    std::wstring combined;
    if (more.empty()) {
        combined = path;
    } else if (path.empty() || uncMore || !PathIsRelativeW(std::wstring(more).c_str())) {
        combined = more;
    } else {
        combined = path;
        if (!IsSep(combined.back())) combined.push_back(SeparatorOf(path));
        combined += more;
    }
    std::wstring result = Canonical(combined);
    if (!Fits(result)) {
        SetLastError(ERROR_FILENAME_EXCED_RANGE);
        return FALSE;
    }
    Store(pszPath, result);
    return TRUE;
}

BOOL PathCanonicalizeW(LPWSTR pszBuf, LPCWSTR pszPath) {
    if (pszBuf) *pszBuf = L'\0';
    if (!pszBuf || !pszPath) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    std::wstring result = Canonical(pszPath);
    if (!Fits(result)) {
        SetLastError(ERROR_FILENAME_EXCED_RANGE);
        return FALSE;
    }
    Store(pszBuf, result);
    return TRUE;
}

BOOL PathRelativePathToW(LPWSTR pszPath, LPCWSTR pszFrom, DWORD dwAttrFrom, LPCWSTR pszTo, DWORD dwAttrTo) {
    if (!pszPath || !pszFrom || !pszTo) return FALSE;
    *pszPath = L'\0';
    SplitPath from = Split(Canonical(pszFrom), L'\\');
    SplitPath to = Split(Canonical(pszTo), L'\\');
    if (!(dwAttrFrom & FILE_ATTRIBUTE_DIRECTORY) && !from.parts.empty()) from.parts.pop_back();
    size_t toFolderSize = to.parts.size();
    if (!(dwAttrTo & FILE_ATTRIBUTE_DIRECTORY) && toFolderSize) --toFolderSize;

    // Only paths with one root have a relative path between them.
    if (!SameComponent(from.root, to.root)) return FALSE;
    size_t common = 0;
    while (common < from.parts.size() && common < toFolderSize && SameComponent(from.parts[common], to.parts[common]))
        ++common;
    if (from.root.empty() && common == 0) return FALSE;
    // The server and share of UNC paths must both match.
    if (from.unc && common < 2) return FALSE;

    std::wstring result;
    if (common == from.parts.size()) {
        result = L".";
    } else {
        for (size_t i = common; i < from.parts.size(); ++i) result += (i == common) ? L".." : L"\\..";
    }
    for (size_t i = common; i < to.parts.size(); ++i) result += L"\\" + to.parts[i];
    if (!Fits(result)) return FALSE;
    Store(pszPath, result);
    return TRUE;
}

BOOL PathFileExistsW(LPCWSTR pszPath) {
    if (!pszPath || !*pszPath) return FALSE;
    struct stat st{};
    return platform::posix::Sys().stat(platform::ToHostPath(pszPath).c_str(), &st) == 0 ? TRUE : FALSE;
}
