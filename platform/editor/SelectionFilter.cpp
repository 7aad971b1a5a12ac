#include "editor/SelectionFilter.h"

#include <cwctype>
#include <vector>

#include "db/DbEntity.h"
#include "mfc/String.h"

namespace platform {

namespace {

bool MatchOne(std::wstring_view t, std::wstring_view p) {
    if (p.empty()) return t.empty();
    const wchar_t c = p[0];
    if (c == L'*') {
        for (size_t i = 0; i <= t.size(); ++i)
            if (MatchOne(t.substr(i), p.substr(1))) return true;
        return false;
    }
    if (t.empty()) return false;
    bool ok;
    size_t used = 1;
    switch (c) {
    case L'?': ok = true; break;
    case L'#': ok = std::iswdigit(static_cast<wint_t>(t[0])) != 0; break;
    case L'@': ok = std::iswalpha(static_cast<wint_t>(t[0])) != 0; break;
    case L'.': ok = !std::iswalnum(static_cast<wint_t>(t[0])); break;
    case L'`':
        if (p.size() < 2) return false;
        ok = ToUpperChar(t[0]) == ToUpperChar(p[1]);
        used = 2;
        break;
    default: ok = ToUpperChar(t[0]) == ToUpperChar(c); break;
    }
    return ok && MatchOne(t.substr(1), p.substr(used));
}

}  // namespace

bool WildcardMatch(std::wstring_view text, std::wstring_view patterns) {
    size_t start = 0;
    while (start <= patterns.size()) {
        size_t end = start;
        while (end < patterns.size() && patterns[end] != L',') {
            if (patterns[end] == L'`') ++end;
            ++end;
        }
        std::wstring_view p = patterns.substr(start, std::min(end, patterns.size()) - start);
        bool negate = false;
        if (!p.empty() && p[0] == L'~') {
            negate = true;
            p.remove_prefix(1);
        }
        if (MatchOne(text, p) != negate) return true;
        start = end + 1;
    }
    return false;
}

namespace {

class TypeTest : public SelectionFilter {
public:
    explicit TypeTest(std::wstring pattern) : m_pattern(std::move(pattern)) {}
    bool Matches(const AcDbEntity& e) const override { return WildcardMatch(e.entityTypeName(), m_pattern); }

private:
    std::wstring m_pattern;
};

class LayerTest : public SelectionFilter {
public:
    explicit LayerTest(std::wstring pattern) : m_pattern(std::move(pattern)) {}
    bool Matches(const AcDbEntity& e) const override { return WildcardMatch(e.layer(), m_pattern); }

private:
    std::wstring m_pattern;
};

class XDataTest : public SelectionFilter {
public:
    explicit XDataTest(std::vector<std::wstring> apps) : m_apps(std::move(apps)) {}
    bool Matches(const AcDbEntity& e) const override {
        for (const auto& pattern : m_apps) {
            bool found = false;
            for (const auto& app : e.xDataApps())
                if (WildcardMatch(app.app, pattern)) found = true;
            if (!found) return false;
        }
        return true;
    }

private:
    std::vector<std::wstring> m_apps;
};

enum class Op { And, Or, Xor, Not };

class Group : public SelectionFilter {
public:
    explicit Group(Op op) : m_op(op) {}
    std::vector<std::unique_ptr<SelectionFilter>> items;
    bool Matches(const AcDbEntity& e) const override {
        switch (m_op) {
        case Op::And:
            for (const auto& i : items)
                if (!i->Matches(e)) return false;
            return true;
        case Op::Or:
            for (const auto& i : items)
                if (i->Matches(e)) return true;
            return false;
        case Op::Xor: return items[0]->Matches(e) != items[1]->Matches(e);
        case Op::Not: return !items[0]->Matches(e);
        }
        return false;
    }
    Op op() const { return m_op; }

private:
    Op m_op;
};

bool ParseOpen(const wchar_t* text, Op& op) {
    const std::wstring_view t = text ? text : L"";
    if (CompareNoCase(t, L"<and") == 0) op = Op::And;
    else if (CompareNoCase(t, L"<or") == 0) op = Op::Or;
    else if (CompareNoCase(t, L"<xor") == 0) op = Op::Xor;
    else if (CompareNoCase(t, L"<not") == 0) op = Op::Not;
    else return false;
    return true;
}

bool ParseClose(const wchar_t* text, Op op) {
    const std::wstring_view t = text ? text : L"";
    switch (op) {
    case Op::And: return CompareNoCase(t, L"and>") == 0;
    case Op::Or: return CompareNoCase(t, L"or>") == 0;
    case Op::Xor: return CompareNoCase(t, L"xor>") == 0;
    case Op::Not: return CompareNoCase(t, L"not>") == 0;
    }
    return false;
}

bool Complete(const Group& g) {
    switch (g.op()) {
    case Op::And: case Op::Or: return !g.items.empty();
    case Op::Xor: return g.items.size() == 2;
    case Op::Not: return g.items.size() == 1;
    }
    return false;
}

}  // namespace

std::unique_ptr<SelectionFilter> SelectionFilter::Parse(const resbuf* rb) {
    std::vector<std::unique_ptr<Group>> stack;
    stack.push_back(std::make_unique<Group>(Op::And));
    while (rb) {
        if (rb->restype == -4) {
            Op op;
            if (ParseOpen(rb->resval.rstring, op)) {
                stack.push_back(std::make_unique<Group>(op));
            } else {
                if (stack.size() < 2 || !ParseClose(rb->resval.rstring, stack.back()->op()) || !Complete(*stack.back()))
                    return nullptr;
                std::unique_ptr<Group> done = std::move(stack.back());
                stack.pop_back();
                stack.back()->items.push_back(std::move(done));
            }
            rb = rb->rbnext;
            continue;
        }
        if (rb->restype == 0 || rb->restype == 8) {
            const std::wstring pattern = rb->resval.rstring ? rb->resval.rstring : L"";
            if (rb->restype == 0) stack.back()->items.push_back(std::make_unique<TypeTest>(pattern));
            else stack.back()->items.push_back(std::make_unique<LayerTest>(pattern));
            rb = rb->rbnext;
            continue;
        }
        if (rb->restype == -3) {
            std::vector<std::wstring> apps;
            for (rb = rb->rbnext; rb && rb->restype == 1001; rb = rb->rbnext)
                apps.emplace_back(rb->resval.rstring ? rb->resval.rstring : L"");
            if (apps.empty()) return nullptr;
            stack.back()->items.push_back(std::make_unique<XDataTest>(std::move(apps)));
            continue;
        }
        return nullptr;
    }
    if (stack.size() != 1) return nullptr;
    return std::move(stack.back());
}

}  // namespace platform
