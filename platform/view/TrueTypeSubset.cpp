#include "view/TrueTypeSubset.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <utility>

namespace platform::view {

namespace {

uint16_t U16(const std::string& s, size_t at) {
    return static_cast<uint16_t>((static_cast<unsigned char>(s[at]) << 8) | static_cast<unsigned char>(s[at + 1]));
}
int16_t S16(const std::string& s, size_t at) { return static_cast<int16_t>(U16(s, at)); }
uint32_t U32(const std::string& s, size_t at) { return (static_cast<uint32_t>(U16(s, at)) << 16) | U16(s, at + 2); }

void Put16(std::string& s, uint16_t v) {
    s.push_back(static_cast<char>(v >> 8));
    s.push_back(static_cast<char>(v & 0xFF));
}
void Put32(std::string& s, uint32_t v) {
    Put16(s, static_cast<uint16_t>(v >> 16));
    Put16(s, static_cast<uint16_t>(v & 0xFFFF));
}
void Set32(std::string& s, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) s[at + static_cast<size_t>(i)] = static_cast<char>((v >> (24 - 8 * i)) & 0xFF);
}

uint32_t Checksum(const std::string& data) {
    uint32_t sum = 0;
    const size_t n = data.size();
    for (size_t i = 0; i < n; i += 4) {
        uint32_t word = 0;
        for (size_t k = 0; k < 4; ++k) word = (word << 8) | (i + k < n ? static_cast<unsigned char>(data[i + k]) : 0u);
        sum += word;
    }
    return sum;
}

// The glyph ranges of glyf by id, from loca.
bool GlyphOffsets(const std::string& head, const std::string& loca, size_t glyfSize, int count, std::vector<uint32_t>& offsets) {
    if (head.size() < 54) return false;
    const bool longOffsets = S16(head, 50) != 0;
    const size_t entry = longOffsets ? 4 : 2;
    if (loca.size() < entry * static_cast<size_t>(count + 1)) return false;
    offsets.resize(static_cast<size_t>(count) + 1);
    for (int i = 0; i <= count; ++i) {
        const size_t at = entry * static_cast<size_t>(i);
        offsets[static_cast<size_t>(i)] = longOffsets ? U32(loca, at) : static_cast<uint32_t>(U16(loca, at)) * 2u;
    }
    for (int i = 0; i < count; ++i)
        if (offsets[static_cast<size_t>(i)] > offsets[static_cast<size_t>(i) + 1] || offsets[static_cast<size_t>(i) + 1] > glyfSize)
            return false;
    return true;
}

}  // namespace

bool ReadTrueTypeMetrics(const FontTableSource& tables, TrueTypeMetrics& m) {
    const std::string head = tables("head"), hhea = tables("hhea"), maxp = tables("maxp");
    if (head.size() < 54 || hhea.size() < 36 || maxp.size() < 6 || tables("glyf").empty() || tables("loca").empty()) return false;
    m.unitsPerEm = U16(head, 18);
    if (m.unitsPerEm <= 0) return false;
    for (int i = 0; i < 4; ++i) m.bbox[i] = S16(head, 36 + 2 * static_cast<size_t>(i));
    const uint16_t style = U16(head, 44);
    m.bold = style & 1;
    m.italic = style & 2;
    m.glyphCount = U16(maxp, 4);
    m.ascent = S16(hhea, 4);
    m.descent = S16(hhea, 6);
    m.capHeight = m.ascent;
    const std::string os2 = tables("OS/2");
    if (os2.size() >= 90 && U16(os2, 0) >= 2) m.capHeight = S16(os2, 88);
    const std::string post = tables("post");
    if (post.size() >= 8) m.italicAngle = static_cast<int32_t>(U32(post, 4)) / 65536.0;
    return true;
}

bool SubsetTrueType(const FontTableSource& tables, const std::vector<bool>& used, std::string& out) {
    std::string head = tables("head");
    const std::string maxp = tables("maxp"), glyf = tables("glyf"), loca = tables("loca");
    if (head.size() < 54 || maxp.size() < 6) return false;
    const int count = U16(maxp, 4);
    std::vector<uint32_t> offsets;
    if (!GlyphOffsets(head, loca, glyf.size(), count, offsets)) return false;

    // The glyphs kept: those used, glyph 0 (the missing glyph), and every component.
    std::vector<bool> keep(static_cast<size_t>(count), false);
    std::vector<int> pending;
    auto mark = [&](int gid) {
        if (gid >= 0 && gid < count && !keep[static_cast<size_t>(gid)]) keep[static_cast<size_t>(gid)] = true, pending.push_back(gid);
    };
    mark(0);
    for (size_t g = 0; g < used.size(); ++g)
        if (used[g]) mark(static_cast<int>(g));
    while (!pending.empty()) {
        const int gid = pending.back();
        pending.pop_back();
        const size_t start = offsets[static_cast<size_t>(gid)], end = offsets[static_cast<size_t>(gid) + 1];
        if (end - start < 10 || S16(glyf, start) >= 0) continue;
        // A composite glyph: its components, each with flags, a glyph id, offsets and a transform.
        size_t at = start + 10;
        while (at + 4 <= end) {
            const uint16_t flags = U16(glyf, at);
            mark(U16(glyf, at + 2));
            at += 4 + ((flags & 0x0001) ? 4 : 2);
            if (flags & 0x0008) at += 2;
            else if (flags & 0x0040) at += 4;
            else if (flags & 0x0080) at += 8;
            if (!(flags & 0x0020)) break;
        }
    }

    std::string newGlyf, newLoca;
    newLoca.reserve(4 * (static_cast<size_t>(count) + 1));
    for (int gid = 0; gid < count; ++gid) {
        Put32(newLoca, static_cast<uint32_t>(newGlyf.size()));
        if (!keep[static_cast<size_t>(gid)]) continue;
        newGlyf.append(glyf, offsets[static_cast<size_t>(gid)], offsets[static_cast<size_t>(gid) + 1] - offsets[static_cast<size_t>(gid)]);
        while (newGlyf.size() % 4) newGlyf.push_back('\0');
    }
    Put32(newLoca, static_cast<uint32_t>(newGlyf.size()));
    head[50] = 0, head[51] = 1;  // long loca offsets
    Set32(head, 8, 0);           // checkSumAdjustment, set once the file is whole

    std::vector<std::pair<std::string, std::string>> parts;
    parts.emplace_back("head", head);
    parts.emplace_back("glyf", std::move(newGlyf));
    parts.emplace_back("loca", std::move(newLoca));
    for (const char* tag : {"hhea", "hmtx", "maxp", "cvt ", "fpgm", "prep"}) {
        std::string table = tables(tag);
        if (!table.empty()) parts.emplace_back(tag, std::move(table));
    }
    std::sort(parts.begin(), parts.end(), [](const auto& a, const auto& b) { return a.first < b.first; });

    const uint16_t n = static_cast<uint16_t>(parts.size());
    uint16_t power = 1, log2 = 0;
    while (power * 2 <= n) power *= 2, ++log2;
    out.clear();
    Put32(out, 0x00010000);
    Put16(out, n);
    Put16(out, static_cast<uint16_t>(power * 16));
    Put16(out, log2);
    Put16(out, static_cast<uint16_t>(n * 16 - power * 16));
    size_t offset = 12 + 16 * static_cast<size_t>(n), headOffset = 0;
    for (const auto& [tag, data] : parts) {
        out.append(tag.data(), 4);
        Put32(out, Checksum(data));
        Put32(out, static_cast<uint32_t>(offset));
        Put32(out, static_cast<uint32_t>(data.size()));
        if (tag == "head") headOffset = offset;
        offset += (data.size() + 3) & ~size_t(3);
    }
    for (const auto& entry : parts) {
        out += entry.second;
        while (out.size() % 4) out.push_back('\0');
    }
    Set32(out, headOffset + 8, 0xB1B0AFBAu - Checksum(out));
    return true;
}

}  // namespace platform::view
