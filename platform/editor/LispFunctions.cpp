#include "editor/LispFunctions.h"

#include <string>
#include <vector>

#include "mfc/String.h"

namespace {

struct LispFunction {
    std::wstring name;
    short code;
    int (*handler)() = nullptr;
};

std::vector<LispFunction>& Table() {
    static std::vector<LispFunction> table;
    return table;
}

int& CurrentCode() {
    static int code = RTERROR;
    return code;
}

LispFunction* Find(std::wstring_view name) {
    for (auto& f : Table())
        if (f.name.size() == name.size() && platform::CompareNoCase(f.name, name) == 0) return &f;
    return nullptr;
}

}  // namespace

int acedDefun(const wchar_t* name, short funcNumber) {
    if (!name || !*name || funcNumber < 0) return RTERROR;
    if (LispFunction* f = Find(name)) {
        f->code = funcNumber;
        f->handler = nullptr;
    } else {
        Table().push_back({name, funcNumber});
    }
    return RTNORM;
}

int acedUndef(const wchar_t* name, short funcNumber) {
    if (!name) return RTERROR;
    auto removed = std::erase_if(Table(), [&](const LispFunction& f) {
        return f.code == funcNumber && f.name.size() == std::wcslen(name) && platform::CompareNoCase(f.name, name) == 0;
    });
    return removed ? RTNORM : RTERROR;
}

int acedRegFunc(int (*fhdl)(), short fcode) {
    for (auto& f : Table())
        if (f.code == fcode) {
            f.handler = fhdl;
            return RTNORM;
        }
    return RTERROR;
}

int acedGetFunCode() { return CurrentCode(); }

namespace platform {

std::optional<short> LispFunctionCode(std::wstring_view name) {
    if (LispFunction* f = Find(name)) return f->code;
    return std::nullopt;
}

int InvokeLispFunction(std::wstring_view name, int (*dispatch)(void*), void* context) {
    LispFunction* f = Find(name);
    if (!f) return RTERROR;
    const int previous = CurrentCode();
    CurrentCode() = f->code;
    int result = RTERROR;
    if (f->handler)
        result = f->handler();
    else if (dispatch)
        result = dispatch(context);
    CurrentCode() = previous;
    return result;
}

}  // namespace platform
