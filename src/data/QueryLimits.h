#pragma once
// The limits every statement of the data layer runs under, so that a stranger's drawing (or
// a slip in a query) cannot hang a refresh or exhaust the machine. A statement past a limit
// fails that table only, with a message that names the limit.
//
// Four settings of section "Velloria", read afresh at each use:
//   "Query Time Limit"    seconds a statement may run (default 60; 0: no limit)
//   "Query Row Limit"     rows one result may hold (default 1000000; 0: no limit)
//   "Query Memory Limit"  megabytes one result may hold, and a statement may work with (what
//                         it sorts, texts it builds); also what a table and its block may take
//                         once refilled (default 1024; 0: no limit)
//   "Table Cell Limit"    cells (rows times columns) one result, and one linked table, may
//                         hold (default 1000000; 0: no limit)
// A tool may override the first two for its run (velloria preview/update --time-limit,
// --row-limit).
#include "mfc/Afx.h"

struct CQueryLimits {
    int m_nTimeLimitSeconds = 60;
    long long m_nRowLimit = 1000000;
    long long m_nMemoryLimitBytes = 1024LL << 20;
    long long m_nCellLimit = 1000000;
};

// The limits now: the settings, with the tool's overrides where set.
CQueryLimits GetQueryLimits();

// Overrides for the rest of the process; a value below zero keeps the setting.
void SetQueryLimitOverrides(int nTimeLimitSeconds, long long nRowLimit);

// The user's break (Escape, ^C) while statements run, asked by each statement as it runs. A
// command that runs many statements (a refresh) holds a CUserBreakScope and asks it between
// them: a break seen inside the scope is kept until the scope ends, so that one press stops
// the statement running and the work after it. Outside a scope a break stops one statement.
bool UserBreakRequested();
// Called as a statement starts: a break no scope keeps belonged to an earlier statement.
void ForgetUnscopedBreak();

class CUserBreakScope {
public:
    CUserBreakScope();
    ~CUserBreakScope();
    CUserBreakScope(const CUserBreakScope&) = delete;
    CUserBreakScope& operator=(const CUserBreakScope&) = delete;
};
