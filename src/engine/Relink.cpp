#include "engine/Relink.h"

#include <cwctype>
#include <string>

#include "catalogue/Location.h"
#include "win/ShellPath.h"

namespace {

bool IsSeparator(wchar_t ch) { return ch == L'\\' || ch == L'/'; }

// The path as Windows compares it: lower case, "\" for "/", no ".\" in front, no separator at
// the end.
std::wstring Folded(const std::wstring& path) {
    std::wstring out;
    for (wchar_t ch : path) out += IsSeparator(ch) ? L'\\' : static_cast<wchar_t>(std::towlower(ch));
    while (out.size() >= 2 && out[0] == L'.' && out[1] == L'\\') out.erase(0, 2);
    while (out.size() > 1 && out.back() == L'\\') out.pop_back();
    return out;
}

// The number of characters of path that from covers, or npos when path does not start with it.
size_t PrefixLength(const std::wstring& path, const std::wstring& from) {
    const std::wstring foldedFrom = Folded(from);
    if (foldedFrom.empty()) return std::wstring::npos;
    // Walk the original so that the rest keeps its own spelling.
    for (size_t end = 0; end <= path.size(); ++end) {
        if (end < path.size() && !IsSeparator(path[end])) continue;
        const std::wstring head = Folded(path.substr(0, end));
        if (head == foldedFrom) return end;
        if (head.size() > foldedFrom.size()) break;
    }
    return std::wstring::npos;
}

wchar_t SeparatorOf(const std::wstring& path) {
    for (wchar_t ch : path)
        if (IsSeparator(ch)) return ch;
    return L'\\';
}

}  // namespace

bool RelinkLocation(const CString& drawingPath, const CString& stored, const CString& from, const CString& to,
                    CString& newLocation, CString& newResolved) {
    const bool relative = PathIsRelativeW(stored) != FALSE;
    std::wstring candidate = stored.str();
    size_t covered = PrefixLength(candidate, from.str());
    if (covered == std::wstring::npos && relative) {
        CString resolved;
        if (!TryResolveRelativePath(drawingPath, stored, resolved)) return false;
        candidate = resolved.str();
        covered = PrefixLength(candidate, from.str());
    }
    if (covered == std::wstring::npos) return false;

    std::wstring target = to.str();
    while (target.size() > 1 && IsSeparator(target.back())) target.pop_back();
    std::wstring rest = candidate.substr(covered);
    const wchar_t separator = SeparatorOf(target);
    for (wchar_t& ch : rest)
        if (IsSeparator(ch)) ch = separator;
    const CString joined((target + rest).c_str());
    if (!TryResolveRelativePath(drawingPath, joined, newResolved)) newResolved.Empty();
    newLocation = joined;
    // A relative link stays relative (".\" or "..\" in front, as the connect dialog writes it).
    if (relative && !newResolved.IsEmpty() && !PathIsRelativeW(joined)) newLocation = MakeRelativePath(drawingPath, newResolved);
    return true;
}

bool WriteDatabaseItem(AcDbObject* pObj, const CString& location) {
    resbuf* pChain = pObj->xData(L"Database");
    if (!pChain) return false;
    // The first string outside a group takes the new text; further strings outside groups,
    // which a reader would append to it, go; everything else stays in its place.
    bool bInside = false, bDone = false;
    resbuf* pPrev = pChain;
    for (resbuf* rb = pChain->rbnext; rb;) {
        if (rb->restype == 1002) bInside = !bInside;
        if (rb->restype == 1000 && !bInside) {
            if (!bDone) {
                acutDelBuffer(rb->resval.rstring);
                rb->resval.rstring = platform::DuplicateRbString(location);
                bDone = true;
            } else {
                pPrev->rbnext = rb->rbnext;
                rb->rbnext = nullptr;
                acutRelRb(rb);
                rb = pPrev->rbnext;
                continue;
            }
        }
        pPrev = rb;
        rb = rb->rbnext;
    }
    if (!bDone) {
        resbuf* pItem = acutNewRb(1000);
        pItem->resval.rstring = platform::DuplicateRbString(location);
        pItem->rbnext = pChain->rbnext;
        pChain->rbnext = pItem;
    }
    const bool bWritten = pObj->setXData(pChain) == Acad::eOk;
    acutRelRb(pChain);
    return bWritten;
}
