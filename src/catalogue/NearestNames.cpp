#include "catalogue/NearestNames.h"

#include <algorithm>
#include <cwctype>
#include <string>
#include <utility>
#include <vector>

namespace {

// Optimal string alignment distance (edits, with a swap of neighbours as one), without
// regard to case.
size_t Distance(const std::wstring& a, const std::wstring& b) {
    auto same = [](wchar_t x, wchar_t y) { return std::towlower(static_cast<wint_t>(x)) == std::towlower(static_cast<wint_t>(y)); };
    std::vector<std::vector<size_t>> d(a.size() + 1, std::vector<size_t>(b.size() + 1));
    for (size_t i = 0; i <= a.size(); ++i) d[i][0] = i;
    for (size_t j = 0; j <= b.size(); ++j) d[0][j] = j;
    for (size_t i = 1; i <= a.size(); ++i)
        for (size_t j = 1; j <= b.size(); ++j) {
            const size_t cost = same(a[i - 1], b[j - 1]) ? 0 : 1;
            d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + cost});
            if (i > 1 && j > 1 && same(a[i - 1], b[j - 2]) && same(a[i - 2], b[j - 1])) d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
        }
    return d[a.size()][b.size()];
}

}  // namespace

void NearestNames(const CStringArray& names, const CString& name, CStringArray& nearest) {
    nearest.RemoveAll();
    const std::wstring typed = name.str();
    const size_t limit = std::max<size_t>(1, (typed.size() + 2) / 3);
    std::vector<std::pair<size_t, CString>> near;
    for (const CString& candidate : names) {
        const size_t d = Distance(typed, candidate.str());
        if (d > 0 && d <= limit) near.emplace_back(d, candidate);
    }
    std::stable_sort(near.begin(), near.end(), [](const auto& x, const auto& y) { return x.first < y.first; });
    for (size_t i = 0; i < near.size() && i < 3; ++i) nearest.Add(near[i].second);
}

CString DidYouMean(const CStringArray& names) {
    if (names.GetSize() == 0) return CString();
    CString text = L"did you mean ";
    for (INT_PTR i = 0; i < names.GetSize(); ++i) {
        if (i > 0) text += i + 1 == names.GetSize() ? L" or " : L", ";
        text += names[i];
    }
    return text + L"?";
}
