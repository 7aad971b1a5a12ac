#pragma once
// Reading an entity's values by group code. An entity's own codes lie between its type and its
// extended data (or an embedded object); codes repeated across subclasses are looked up after a subclass marker.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <string_view>

#include "dxf/DxfDocument.h"
#include "dxf/EntityTypes.h"
#include "view/Geometry3.h"

namespace platform::view {

class EntityTags {
    static constexpr int kIndexed = 256;  // the codes up to the extrusion's (210, 220, 230)

public:
    static constexpr size_t kNone = static_cast<size_t>(-1);

    // Where the values every entity may have (visibility, layer, colour, linetype and its
    // scale, lineweight) stand: the first of each code in its AcDbEntity subclass (kNone where
    // it has none). A later subclass gives the same codes other meanings (a table's cells
    // their colours), and may be millions of tags.
    struct Common {
        size_t visibility = kNone, layer = kNone, color = kNone, trueColor = kNone, linetype = kNone, linetypeScale = kNone,
               lineweight = kNone;
    };

    explicit EntityTags(const dxf::DxfObject& object) : m_tags(object.tags), m_end(object.tags.size()) {
        // Where its own codes end (at its extended data or an embedded object, which repeats
        // the entity's codes with other meanings), and for an entity of a few tags (nearly all)
        // where each code below kIndexed first stands: each value is asked for once or more.
        // A large entity (a table's, of millions of tags) is not looked through here: its end
        // is found by the first lookup that passes it, or when asked for.
        m_first.fill(kAbsent);
        const size_t indexed = std::min<size_t>(m_end, kAbsent);
        size_t i = 0;
        for (; i < indexed; ++i) {
            const int code = m_tags[i].code;
            if (IsEnd(code)) break;
            if (code >= 0 && code < kIndexed && m_first[static_cast<size_t>(code)] == kAbsent)
                m_first[static_cast<size_t>(code)] = static_cast<std::uint8_t>(i);
        }
        if (i < indexed || i == m_end) m_end = i, m_endKnown = true;
        m_indexed = m_endKnown;
    }
    EntityTags(const EntityTags&) = delete;
    EntityTags& operator=(const EntityTags&) = delete;

    std::string_view Type() const { return m_tags.empty() ? std::string_view() : m_tags.front().Value(); }
    size_t End() const {
        for (size_t i = 0; !m_endKnown && i < m_end; ++i)
            if (IsEnd(m_tags[i].code)) SetEnd(i);
        m_endKnown = true;
        return m_end;
    }
    // Whether i is at or past the end: for a walk over the tags that may stop early, without
    // finding the end of a large entity first.
    bool Ends(size_t i) const { return i >= m_end || (!m_endKnown && IsEnd(m_tags[i].code) && SetEnd(i) == i); }
    const dxf::Tag& operator[](size_t i) const { return m_tags[i]; }
    // All the tags, the extended data after End() included.
    const std::vector<dxf::Tag>& Tags() const { return m_tags; }

    // Index of the first tag with the code at or after start (End() when there is none).
    size_t Find(int code, size_t start = 0) const {
        if (m_indexed && start == 0 && code >= 0 && code < kIndexed) {
            const std::uint8_t first = m_first[static_cast<size_t>(code)];
            return first == kAbsent ? m_end : first;
        }
        for (size_t i = start; i < m_end; ++i) {
            if (!m_endKnown && IsEnd(m_tags[i].code)) return SetEnd(i);
            if (m_tags[i].code == code) return i;
        }
        if (start == 0) m_endKnown = true;
        return m_end;
    }
    bool Has(int code, size_t start = 0) const {
        const size_t i = Find(code, start);  // may find the end first
        return i < m_end;
    }
    // Index of the first tag after the subclass marker; 0 when there is none (files before
    // R13 have no markers).
    size_t After(std::string_view subclass) const {
        for (size_t i = 0; i < m_end; ++i) {
            if (!m_endKnown && IsEnd(m_tags[i].code)) return SetEnd(i), 0;
            if (m_tags[i].code == 100 && m_tags[i].Value() == subclass) return i + 1;
        }
        m_endKnown = true;
        return 0;
    }
    Common CommonValues() const {
        // The walk stops at the subclass after AcDbEntity: a large entity's end is not sought.
        using E = dxf::entities::Entity;
        Common c;
        bool inEntity = false;
        for (size_t i = 1; !Ends(i); ++i) {
            const dxf::Tag& tag = m_tags[i];
            if (tag.code == 100 && inEntity) break;
            switch (tag.code) {
            case 100: inEntity = tag.Value() == E::kMarker; break;
            case E::invisible.code: if (c.visibility == kNone) c.visibility = i; break;
            case E::layer.code: if (c.layer == kNone) c.layer = i; break;
            case E::color.code: if (c.color == kNone) c.color = i; break;
            case E::trueColor.code: if (c.trueColor == kNone) c.trueColor = i; break;
            case E::linetype.code: if (c.linetype == kNone) c.linetype = i; break;
            case E::linetypeScale.code: if (c.linetypeScale == kNone) c.linetypeScale = i; break;
            case E::lineweight.code: if (c.lineweight == kNone) c.lineweight = i; break;
            default: break;
            }
        }
        return c;
    }

    double Double(int code, double fallback = 0, size_t start = 0) const {
        const size_t i = Find(code, start);
        return i < m_end ? RealAt(i, fallback) : fallback;
    }
    std::int64_t Int(int code, std::int64_t fallback = 0, size_t start = 0) const {
        const size_t i = Find(code, start);
        return i < m_end ? m_tags[i].IntOr(fallback) : fallback;
    }
    std::string_view String(int code, std::string_view fallback = {}, size_t start = 0) const {
        const size_t i = Find(code, start);
        return i < m_end ? m_tags[i].Value() : fallback;
    }
    // The point of codes c, c + 10, c + 20 (the Y and Z that follow their X).
    Vec3 Point(int code, Vec3 fallback = {}, size_t start = 0) const {
        const size_t i = Find(code, start);
        return i < m_end ? PointAt(i) : fallback;
    }
    // The point whose X is the tag at i.
    Vec3 PointAt(size_t i) const {
        const int code = m_tags[i].code;
        Vec3 p{RealAt(i, 0), 0, 0};
        size_t j = i + 1;
        if (j < m_end && m_tags[j].code == code + 10) p.y = RealAt(j++, 0);
        if (j < m_end && m_tags[j].code == code + 20) p.z = RealAt(j, 0);
        return p;
    }
    // A described value (dxf/EntityTypes.h): the first of its code among the entity's own
    // values, after its subclass's marker where it names one; else its default, or the
    // fallback given.
    double Get(const dxf::RealField& f) const { return Double(f.code, f.fallback, StartOf(f)); }
    double Get(const dxf::RealField& f, double fallback) const { return Double(f.code, fallback, StartOf(f)); }
    std::int64_t Get(const dxf::IntField& f) const { return Int(f.code, f.fallback, StartOf(f)); }
    std::int64_t Get(const dxf::IntField& f, std::int64_t fallback) const { return Int(f.code, fallback, StartOf(f)); }
    std::string_view Get(const dxf::TextField& f) const { return String(f.code, f.fallback, StartOf(f)); }
    dxf::Handle Get(const dxf::HandleField& f) const {
        const size_t i = Find(f.code, StartOf(f));
        return i < m_end ? m_tags[i].AsHandle().value_or(f.fallback) : f.fallback;
    }
    Vec3 Get(const dxf::PointField& f) const { return Point(f.code, {f.fallback.x, f.fallback.y, f.fallback.z}, StartOf(f)); }
    Vec3 Get(const dxf::PointField& f, Vec3 fallback) const { return Point(f.code, fallback, StartOf(f)); }
    bool Has(const dxf::Field& f) const { return Has(f.code, StartOf(f)); }
    // The first tag of the value's code at or after start (End() when there is none).
    size_t Find(const dxf::Field& f, size_t start) const { return Find(f.code, start); }
    bool Is(size_t i, const dxf::Field& f) const { return m_tags[i].code == f.code; }

private:
    size_t StartOf(const dxf::Field& f) const { return f.subclass.empty() ? 0 : After(f.subclass); }
    static bool IsEnd(int code) { return code == 1001 || code == 101; }
    size_t SetEnd(size_t i) const {
        m_end = i;
        m_endKnown = true;
        return i;
    }
    static double Finite(double v, double fallback) { return std::isfinite(v) ? v : fallback; }
    // The value of the tag at i (below the end) as a finite number, else the fallback.
    double RealAt(size_t i, double fallback) const { return Finite(m_tags[i].DoubleOr(fallback), fallback); }

    static constexpr std::uint8_t kAbsent = 255;

    const std::vector<dxf::Tag>& m_tags;
    mutable size_t m_end;
    mutable bool m_endKnown = false;
    bool m_indexed = false;
    std::array<std::uint8_t, kIndexed> m_first;  // where each code first stands
};

}  // namespace platform::view
