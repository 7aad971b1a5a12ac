#include "catalogue/Location.h"

#include <vector>

#include "DocManager.h"

// The shell path operations below keep Windows semantics ("\" separators, drive letters,
// "." and ".." components, the 260-character limit) and also read "/" as a separator so that
// POSIX paths work.
namespace {

constexpr int kWorkBuffer = 1024;

bool IsSeparator(wchar_t ch) { return ch == L'\\' || ch == L'/'; }

bool HasDrive(const std::wstring& p) {
    return p.size() >= 2 && p[1] == L':' && ((p[0] >= L'A' && p[0] <= L'Z') || (p[0] >= L'a' && p[0] <= L'z'));
}

bool PathIsRelative(const std::wstring& p) { return !(HasDrive(p) || (!p.empty() && IsSeparator(p[0]))); }

// Removes the last component and its separator; a root stays ("C:\", "\", "/").
void PathRemoveFileSpec(std::wstring& p) {
    size_t last = std::wstring::npos;
    for (size_t i = 0; i < p.size(); ++i)
        if (IsSeparator(p[i])) last = i;
    const size_t rootLength = HasDrive(p) ? (p.size() > 2 && IsSeparator(p[2]) ? 3 : 2) : (!p.empty() && IsSeparator(p[0]) ? 1 : 0);
    if (last == std::wstring::npos || last < rootLength) {
        p.resize(std::min(p.size(), rootLength));
        return;
    }
    p.resize(std::max(last, rootLength));
}

void PathAddBackslash(std::wstring& p) {
    if (!p.empty() && !IsSeparator(p.back())) p += L'\\';
}

void PathAppend(std::wstring& p, const std::wstring& more) {
    size_t start = 0;
    while (start < more.size() && IsSeparator(more[start])) ++start;
    if (!p.empty() && !IsSeparator(p.back()) && start < more.size()) p += L'\\';
    p += more.substr(start);
}

// Removes "." and ".." components (".." at the root is dropped). False when the result does
// not fit the 260-character limit.
bool PathCanonicalize(const std::wstring& in, std::wstring& out) {
    if (in.size() >= MAX_PATH) return false;
    std::wstring root;
    size_t i = 0;
    if (HasDrive(in)) {
        root = in.substr(0, 2);
        i = 2;
    }
    if (i < in.size() && IsSeparator(in[i])) {
        root += in[i];
        ++i;
    }
    const wchar_t separator = (!root.empty() && root[0] == L'/') ? L'/' : L'\\';
    std::vector<std::wstring> parts;
    std::wstring current;
    bool trailing = false;
    for (; i <= in.size(); ++i) {
        if (i == in.size() || IsSeparator(in[i])) {
            trailing = i < in.size() && i + 1 == in.size();
            if (current == L"..") {
                if (!parts.empty()) parts.pop_back();
            } else if (!current.empty() && current != L".") {
                parts.push_back(current);
            }
            current.clear();
        } else {
            current += in[i];
        }
    }
    out = root;
    for (size_t k = 0; k < parts.size(); ++k) {
        if (k) out += separator;
        out += parts[k];
    }
    if (trailing && !parts.empty()) out += separator;
    return out.size() < MAX_PATH;
}

std::vector<std::wstring> Components(const std::wstring& p) {
    std::vector<std::wstring> parts;
    std::wstring current;
    for (wchar_t ch : p) {
        if (IsSeparator(ch)) {
            if (!current.empty()) parts.push_back(current);
            current.clear();
        } else {
            current += ch;
        }
    }
    if (!current.empty()) parts.push_back(current);
    return parts;
}

// The path from the folder of the file "from" to the file "to"; false without a common root.
bool PathRelativePathTo(const std::wstring& from, const std::wstring& to, std::wstring& out) {
    if (PathIsRelative(from) || PathIsRelative(to)) return false;
    std::wstring folder = from;
    PathRemoveFileSpec(folder);
    const auto a = Components(folder);
    const auto b = Components(to);
    // Both must share the root: the same drive, or both rooted at the same separator.
    if (HasDrive(from) != HasDrive(to)) return false;
    if (HasDrive(from) && platform::CompareNoCase(from.substr(0, 2), to.substr(0, 2)) != 0) return false;
    size_t common = 0;
    while (common < a.size() && common + 1 < b.size() && platform::CompareNoCase(a[common], b[common]) == 0) ++common;
    if (HasDrive(from) && common == 0) return false;
    std::wstring result;
    if (common == a.size()) result = L".\\";
    for (size_t k = common; k < a.size(); ++k) result += L"..\\";
    for (size_t k = common; k < b.size(); ++k) {
        result += b[k];
        if (k + 1 < b.size()) result += L'\\';
    }
    if (result.size() >= MAX_PATH) return false;
    out = result;
    return true;
}

}  // namespace

CString ResolveRelativePath(const CString& basePath, const CString& location) {
    const std::wstring path = location.str();
    if (!PathIsRelative(path)) return location;
    std::wstring work = basePath.str();
    if (work.size() >= kWorkBuffer) work.resize(kWorkBuffer - 1);
    PathRemoveFileSpec(work);
    PathAddBackslash(work);
    PathAppend(work, path);
    std::wstring canonical;
    if (!PathCanonicalize(work, canonical)) return location;
    return CString(canonical);
}

CString MakeRelativePath(const CString& basePath, const CString& location) {
    std::wstring relative;
    if (!PathRelativePathTo(basePath.str(), location.str(), relative)) return location;
    return CString(relative);
}

CString GetCurrentDrawingPath() {
    CDocument* document = acedGetAcadDoc();
    return document ? document->GetPathName() : CString();
}

bool IsSameLocation(const CString& locationA, const CString& locationB) {
    const CString base = GetCurrentDrawingPath();
    return ResolveRelativePath(base, locationA).CompareNoCase(ResolveRelativePath(base, locationB)) == 0;
}
