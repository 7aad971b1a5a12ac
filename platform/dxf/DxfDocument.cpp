#include "dxf/DxfDocument.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdio>

#include "dxf/DxfReader.h"

namespace platform::dxf {

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    // ASCII letters only: names are UTF-8, whose other bytes no locale's case may touch.
    for (size_t i = 0; i < a.size(); ++i) {
        const unsigned char x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
        if (x == y) continue;
        const unsigned char lower = x | 0x20;
        if (lower != (y | 0x20) || lower < 'a' || lower > 'z') return false;
    }
    return true;
}

std::uint64_t TagsFingerprint(const std::vector<Tag>& tags) {
    // Four interleaved hashes, so that the multiplications of neighbouring tags overlap instead
    // of waiting on each other (a table's entity has millions of tags).
    constexpr std::uint64_t kPrime = 0x100000001B3ULL;
    std::uint64_t h[4] = {0xCBF29CE484222325ULL ^ tags.size(), 0x84222325CBF29CE4ULL, 0x9E3779B97F4A7C15ULL, 0xC2B2AE3D27D4EB4FULL};
    const auto mix = [](std::uint64_t& lane, const Tag& t) {
        lane = (lane ^ reinterpret_cast<std::uintptr_t>(t.Value().data())) * kPrime;
        lane = (lane ^ ((static_cast<std::uint64_t>(t.Value().size()) << 16) | static_cast<std::uint16_t>(t.code))) * kPrime;
    };
    const size_t n = tags.size(), whole = n & ~size_t(3);
    for (size_t i = 0; i < whole; i += 4) {
        mix(h[0], tags[i]);
        mix(h[1], tags[i + 1]);
        mix(h[2], tags[i + 2]);
        mix(h[3], tags[i + 3]);
    }
    for (size_t i = whole; i < n; ++i) mix(h[i & 3], tags[i]);
    return ((h[0] * kPrime ^ h[1]) * kPrime ^ h[2]) * kPrime ^ h[3];
}

const std::vector<DxfObject>& Block::Entities() const {
    if (m_deferred) {
        m_entities = ParseDeferredEntities(m_deferred->text);
        m_deferred.reset();
    }
    return m_entities;
}

std::vector<DxfObject>& Block::Entities() {
    static_cast<const Block*>(this)->Entities();
    m_sketch.reset();
    return m_entities;
}

Handle DxfObject::GetHandle() const {
    // The handle follows the type directly; DIMSTYLE records use 105.
    for (size_t i = 1; i < tags.size() && i < 4; ++i) {
        if (tags[i].code == 5 || tags[i].code == 105) return tags[i].AsHandle().value_or(0);
    }
    return 0;
}

Handle DxfObject::Owner() const {
    int depth = 0;
    for (size_t i = 1; i < tags.size(); ++i) {
        const Tag& t = tags[i];
        if (t.code == 102) {
            depth += (!t.Value().empty() && t.Value().front() == '{') ? 1 : -1;
            if (depth < 0) depth = 0;
        } else if (t.code == 330 && depth == 0) {
            return t.AsHandle().value_or(0);
        } else if (t.code == 100 || t.code >= 1000) {
            break;  // the owner precedes the first subclass marker
        }
    }
    return 0;
}

const Tag* DxfObject::Find(int code) const {
    for (const Tag& t : tags)
        if (t.code == code) return &t;
    return nullptr;
}

std::string_view DxfObject::Value(int code, std::string_view fallback) const {
    const Tag* t = Find(code);
    return t ? t->Value() : fallback;
}

std::size_t DxfObject::SubclassStart(std::string_view name) const {
    for (size_t i = 0; i < tags.size(); ++i)
        if (tags[i].code == 100 && tags[i].Value() == name) return i + 1;
    return tags.size();
}

std::size_t DxfObject::XDataStart() const {
    // Four codes a test: a table's entity has millions of tags and asks this several times.
    const size_t n = tags.size();
    size_t i = 0;
    for (; i + 4 <= n; i += 4)
        if ((tags[i].code == 1001) | (tags[i + 1].code == 1001) | (tags[i + 2].code == 1001) | (tags[i + 3].code == 1001)) break;
    for (; i < n; ++i)
        if (tags[i].code == 1001) return i;
    return n;
}

std::vector<std::string_view> DxfObject::XDataApps() const {
    std::vector<std::string_view> apps;
    for (size_t i = XDataStart(); i < tags.size(); ++i)
        if (tags[i].code == 1001) apps.push_back(tags[i].Value());
    return apps;
}

std::vector<Tag> DxfObject::XData(std::string_view app) const {
    std::vector<Tag> items;
    size_t i = XDataStart();
    while (i < tags.size() && !(tags[i].code == 1001 && tags[i].Value() == app)) ++i;
    for (++i; i < tags.size() && tags[i].code != 1001; ++i) items.push_back(tags[i]);
    return items;
}

void DxfObject::SetXData(std::string_view app, const std::vector<Tag>& items) {
    size_t begin = XDataStart();
    while (begin < tags.size() && !(tags[begin].code == 1001 && tags[begin].Value() == app)) ++begin;
    if (begin < tags.size()) {
        size_t end = begin + 1;
        while (end < tags.size() && tags[end].code != 1001) ++end;
        tags.erase(tags.begin() + static_cast<long>(begin), tags.begin() + static_cast<long>(end));
    }
    if (items.empty()) return;
    // The application name is stored with the object's other values.
    const Tag name{1001, app};
    tags.insert(tags.begin() + static_cast<long>(begin), name);
    tags.insert(tags.begin() + static_cast<long>(begin) + 1, items.begin(), items.end());
}

DxfObject* SymbolTable::FindRecord(std::string_view name) {
    for (DxfObject& r : records)
        if (SameName(r.Value(2), name)) return &r;
    return nullptr;
}

const DxfObject* SymbolTable::FindRecord(std::string_view name) const {
    return const_cast<SymbolTable*>(this)->FindRecord(name);
}

Tag Document::MakeInt(int code, long long value) {
    char buf[24];
    const auto r = std::to_chars(buf, buf + sizeof buf, value);
    return MakeTag(code, std::string_view(buf, static_cast<size_t>(r.ptr - buf)));
}

Tag Document::MakeDouble(int code, double value) {
    // The shortest text that reads back as the same value, with a decimal point as CAD writes it.
    char buf[40];
    auto r = std::to_chars(buf, buf + 32, value);
    std::string_view text(buf, static_cast<size_t>(r.ptr - buf));
    if (text.find_first_of(".eEn") == std::string_view::npos) {
        *r.ptr++ = '.';
        *r.ptr++ = '0';
        text = std::string_view(buf, static_cast<size_t>(r.ptr - buf));
    }
    return MakeTag(code, text);
}

Tag Document::MakeHandle(int code, Handle value) { return MakeTag(code, FormatHandle(value)); }

std::string_view Document::Version() const {
    const Tag* t = HeaderValue("$ACADVER", 1);
    return t ? TrimBlanks(t->Value()) : std::string_view("AC1009");
}

const Tag* Document::HeaderValue(std::string_view name, int code) const {
    for (size_t i = 0; i < header.size(); ++i) {
        if (header[i].code != 9 || header[i].Value() != name) continue;
        for (size_t j = i + 1; j < header.size() && header[j].code != 9; ++j)
            if (code < 0 || header[j].code == code) return &header[j];
        return nullptr;
    }
    return nullptr;
}

void Document::SetHeaderVar(std::string_view name, const std::vector<Tag>& values) {
    for (size_t i = 0; i < header.size(); ++i) {
        if (header[i].code != 9 || header[i].Value() != name) continue;
        size_t j = i + 1;
        while (j < header.size() && header[j].code != 9) ++j;
        header.erase(header.begin() + static_cast<long>(i + 1), header.begin() + static_cast<long>(j));
        header.insert(header.begin() + static_cast<long>(i + 1), values.begin(), values.end());
        return;
    }
    header.push_back(MakeTag(9, name));
    header.insert(header.end(), values.begin(), values.end());
}

SymbolTable* Document::FindTable(std::string_view name) {
    for (SymbolTable& t : tables)
        if (SameName(t.Name(), name)) return &t;
    return nullptr;
}

const SymbolTable* Document::FindTable(std::string_view name) const {
    return const_cast<Document*>(this)->FindTable(name);
}

Block* Document::FindBlock(std::string_view name) {
    for (Block& b : blocks)
        if (SameName(b.Name(), name)) return &b;
    return nullptr;
}

const Block* Document::FindBlock(std::string_view name) const {
    return const_cast<Document*>(this)->FindBlock(name);
}

DxfObject* Document::FindObject(Handle handle) {
    if (handle == 0) return nullptr;
    auto match = [handle](DxfObject& o) { return o.GetHandle() == handle; };
    for (auto* list : {&classes, &entities, &objects})
        for (DxfObject& o : *list)
            if (match(o)) return &o;
    for (SymbolTable& t : tables) {
        if (match(t.head)) return &t.head;
        for (DxfObject& r : t.records)
            if (match(r)) return &r;
    }
    for (Block& b : blocks) {
        if (match(b.begin)) return &b.begin;
        if (match(b.end)) return &b.end;
        // Deferred entities are parsed only when the handle may be theirs.
        if (const DeferredEntities* d = b.Deferred(); d && (handle < d->minHandle || handle > d->maxHandle)) continue;
        for (DxfObject& e : b.Entities())
            if (match(e)) return &e;
    }
    return nullptr;
}

Handle Document::MaxHandle() const {
    Handle max = 0;
    auto see = [&max](const DxfObject& o) { max = std::max(max, o.GetHandle()); };
    for (auto* list : {&classes, &entities, &objects})
        for (const DxfObject& o : *list) see(o);
    for (const SymbolTable& t : tables) {
        see(t.head);
        for (const DxfObject& r : t.records) see(r);
    }
    for (const Block& b : blocks) {
        see(b.begin);
        see(b.end);
        if (const DeferredEntities* d = b.Deferred()) max = std::max(max, d->maxHandle);
        else
            for (const DxfObject& e : b.Entities()) see(e);
    }
    return max;
}

Handle Document::NewHandle() {
    if (m_nextHandle == 0) {
        Handle seed = 0;
        if (const Tag* t = HeaderValue("$HANDSEED", 5)) seed = t->AsHandle().value_or(0);
        m_nextHandle = std::max(seed, MaxHandle() + 1);
    }
    return m_nextHandle++;
}

bool Document::EnsureAppId(std::string_view name) {
    SymbolTable* table = FindTable("APPID");
    if (!table) return false;
    if (table->FindRecord(name)) return false;
    const Handle h = NewHandle();
    DxfObject rec;
    rec.tags = {Tag{0, "APPID"}, MakeHandle(5, h), MakeHandle(330, table->head.GetHandle()),
                Tag{100, "AcDbSymbolTableRecord"}, Tag{100, "AcDbRegAppTableRecord"}, MakeTag(2, name),
                Tag{70, "0"}};
    table->records.push_back(std::move(rec));
    return true;
}

}  // namespace platform::dxf
