#include "catalogue/Location.h"

#include <algorithm>
#include <string>

#include "DocManager.h"
#include "ShellPath.h"

namespace {

constexpr size_t kWorkBuffer = 1024;

}  // namespace

CString ResolveRelativePath(const CString& basePath, const CString& location) {
    if (!PathIsRelativeW(location)) return location;
    // The drawing's folder with a trailing separator, then the location appended to it.
    wchar_t work[kWorkBuffer] = {};
    const std::wstring& base = basePath.str();
    base.copy(work, std::min(base.size(), kWorkBuffer - 1));
    PathRemoveFileSpecW(work);
    PathAddBackslashW(work);
    if (!PathAppendW(work, location)) return location;  // past the path limit
    wchar_t canonical[MAX_PATH] = {};
    if (!PathCanonicalizeW(canonical, work)) return location;
    return CString(canonical);
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
    return ResolveRelativePath(base, locationA).CompareNoCase(ResolveRelativePath(base, locationB)) == 0;
}
