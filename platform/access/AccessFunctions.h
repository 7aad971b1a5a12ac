#pragma once
// The Access functions a query may call, as the engine registers them in SQLite (under
// names of their own, "acc_...", so that SQLite's functions of the same name stay apart),
// with the type each one gives.
#include <string_view>

#include "access/AccessSql.h"

struct sqlite3;

namespace platform::access {

struct AccessFunction {
    const char* name;        // as Access spells it
    const char* sqliteName;  // as registered (or SQLite's own aggregate)
    int minArgs, maxArgs;
    ValueType result;        // Unknown: the type of the first argument (IIf: of the second)
    bool aggregate = false;
};

// The function of that name (any case), or null.
const AccessFunction* FindAccessFunction(std::string_view name);

class StatementBudget;

// Each function is registered with running, the place of the running statement's budget
// (values::Budget reads it).
void RegisterFunctionsOn(sqlite3* db, StatementBudget* const* running);
// The date functions and Format (AccessDateFunctions.cpp).
void RegisterDateFunctionsOn(sqlite3* db, StatementBudget* const* running);

}  // namespace platform::access
