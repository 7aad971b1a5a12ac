#include "catalogue/Location.h"

#include <algorithm>
#include <string>

#include "catalogue/ConnectStringTable.h"
#include "provider/SourceName.h"
#include "runtime/DocManager.h"
#include "win/ShellPath.h"

namespace {

constexpr size_t kWorkBuffer = 1024;

}  // namespace

bool TryResolveRelativePath(const CString& basePath, const CString& location, CString& resolved) {
    if (!PathIsRelativeW(location)) {
        resolved = location;
        return true;
    }
    // The drawing's folder with a trailing separator, then the location appended to it.
    wchar_t work[kWorkBuffer] = {};
    const std::wstring& base = basePath.str();
    base.copy(work, std::min(base.size(), kWorkBuffer - 1));
    PathRemoveFileSpecW(work);
    PathAddBackslashW(work);
    wchar_t canonical[MAX_PATH] = {};
    if (!PathAppendW(work, location) || !PathCanonicalizeW(canonical, work)) {
        resolved.Empty();
        return false;
    }
    resolved = canonical;
    return true;
}

CString ResolveRelativePath(const CString& basePath, const CString& location) {
    CString resolved;
    TryResolveRelativePath(basePath, location, resolved);
    return resolved;
}

CString MakeRelativePath(const CString& basePath, const CString& location) {
    wchar_t relative[MAX_PATH] = {};
    if (!PathRelativePathToW(relative, basePath, FILE_ATTRIBUTE_NORMAL, location, FILE_ATTRIBUTE_NORMAL)) return location;
    return CString(relative);
}

CString GetCurrentDrawingPath() {
    CDocument* document = acedGetAcadDoc();
    return document ? document->GetPathName() : CString();
}

bool IsSameLocation(const CString& locationA, const CString& locationB) {
    const CString base = GetCurrentDrawingPath();
    // A location that cannot be resolved names no file, so it is the same as none.
    CString resolvedA, resolvedB;
    if (!TryResolveRelativePath(base, locationA, resolvedA) || !TryResolveRelativePath(base, locationB, resolvedB)) return false;
    return resolvedA.CompareNoCase(resolvedB) == 0;
}

bool IsFileDriver(const CString& driverName) { return GetLocationKind(driverName) == CLocationKind::File; }

bool TryResolveLinkLocation(const CString& driverName, const CString& basePath, const CString& location, CString& resolved) {
    if (IsFileDriver(driverName)) return TryResolveRelativePath(basePath, location, resolved);
    resolved = location;
    return true;
}

bool IsSameLinkLocation(const CString& driverName, const CString& openLocation, const CString& location) {
    switch (GetLocationKind(driverName)) {
    case CLocationKind::File: return IsSameLocation(openLocation, location);
    case CLocationKind::DataSource: return openLocation.CompareNoCase(location) == 0;
    case CLocationKind::Server: break;
    }
    // Host names without regard to case, a port written with leading zeros as without.
    const auto a = platform::provider::ParseServerLocation(openLocation.str()), b = platform::provider::ParseServerLocation(location.str());
    if (a && b) return platform::provider::FormatServerLocation(*a) == platform::provider::FormatServerLocation(*b);
    return openLocation.CompareNoCase(location) == 0;
}
