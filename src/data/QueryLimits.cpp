#include "data/QueryLimits.h"

#include <climits>

#include "editor/UserBreak.h"
#include "support/Registry.h"

namespace {

struct COverrides {
    int m_nTimeLimitSeconds = -1;
    long long m_nRowLimit = -1;
};

COverrides& Overrides() {
    static COverrides overrides;
    return overrides;
}

struct CBreakState {
    bool m_bSeen = false;
    int m_nScopes = 0;
};

CBreakState& Break() {
    static CBreakState state;
    return state;
}

}  // namespace

CQueryLimits GetQueryLimits() {
    CQueryLimits limits;
    CRegistry::SetRoot(HKEY_CURRENT_USER, L"Morvane");
    limits.m_nTimeLimitSeconds = CRegistry::GetProfileInt(L"Velloria", L"Query Time Limit", limits.m_nTimeLimitSeconds);
    limits.m_nRowLimit = CRegistry::GetProfileInt(L"Velloria", L"Query Row Limit", static_cast<int>(limits.m_nRowLimit));
    limits.m_nMemoryLimitBytes =
        static_cast<long long>(CRegistry::GetProfileInt(L"Velloria", L"Query Memory Limit", static_cast<int>(limits.m_nMemoryLimitBytes >> 20)))
        << 20;
    limits.m_nCellLimit = CRegistry::GetProfileInt(L"Velloria", L"Table Cell Limit", static_cast<int>(limits.m_nCellLimit));
    // A negative setting is no setting at all: the default holds.
    const CQueryLimits defaults;
    if (limits.m_nTimeLimitSeconds < 0) limits.m_nTimeLimitSeconds = defaults.m_nTimeLimitSeconds;
    if (limits.m_nRowLimit < 0) limits.m_nRowLimit = defaults.m_nRowLimit;
    if (limits.m_nMemoryLimitBytes < 0) limits.m_nMemoryLimitBytes = defaults.m_nMemoryLimitBytes;
    if (limits.m_nCellLimit < 0) limits.m_nCellLimit = defaults.m_nCellLimit;
    if (Overrides().m_nTimeLimitSeconds >= 0) limits.m_nTimeLimitSeconds = Overrides().m_nTimeLimitSeconds;
    if (Overrides().m_nRowLimit >= 0) limits.m_nRowLimit = Overrides().m_nRowLimit;
    return limits;
}

void SetQueryLimitOverrides(int nTimeLimitSeconds, long long nRowLimit) {
    Overrides().m_nTimeLimitSeconds = nTimeLimitSeconds;
    Overrides().m_nRowLimit = nRowLimit;
}

bool UserBreakRequested() {
    if (!Break().m_bSeen && acedUsrBrk()) Break().m_bSeen = true;
    return Break().m_bSeen;
}

void ForgetUnscopedBreak() {
    if (Break().m_nScopes == 0) Break().m_bSeen = false;
}

CUserBreakScope::CUserBreakScope() {
    if (Break().m_nScopes++ == 0) Break().m_bSeen = false;
}

CUserBreakScope::~CUserBreakScope() {
    if (--Break().m_nScopes > 0) return;
    // A second press that came as the work ended is no break of what follows.
    if (Break().m_bSeen) acedUsrBrk();
    Break().m_bSeen = false;
}
