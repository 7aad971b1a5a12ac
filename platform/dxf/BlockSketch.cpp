#include "dxf/BlockSketch.h"

#include <algorithm>
#include <cmath>

#include "dxf/DxfDocument.h"
#include "dxf/EntityTypes.h"

namespace platform::dxf {

namespace {

using entities::Line;
using entities::MText;
using entities::Text;

// More looks than this and the sketch is no cheaper to draw than the block.
constexpr std::size_t kMostLooks = 64;

// The values of a line that say where it is or which it is (its handle, owner and ends), not
// how it looks.
bool IsPlace(int code) {
    const auto within = [code](const PointField& point) { return code >= point.code && code <= point.code + 20 && code % 10 == point.code % 10; };
    return code == 5 || code == 330 || within(Line::start) || within(Line::end);
}

bool SameLook(const std::vector<Tag>& a, const std::vector<Tag>& b) {
    size_t i = 0, j = 0;
    for (;;) {
        while (i < a.size() && IsPlace(a[i].code)) ++i;
        while (j < b.size() && IsPlace(b[j].code)) ++j;
        if (i == a.size() || j == b.size()) return i == a.size() && j == b.size();
        if (a[i].code != b[j].code || a[i].Value() != b[j].Value()) return false;
        ++i, ++j;
    }
}

}  // namespace

void BlockSketcher::SetKind(Kind kind) {
    m_kind = kind;
    const auto bit = [](int code) { return std::uint64_t(1) << (code & 63); };
    static_assert(MText::text.code < 64 && MText::text.chunkCode < 64 && MText::height.code < 64 && MText::backgroundFill.code >= 64);
    static_assert(Text::height.code < 64 && Text::widthFactor.code < 64 && Text::horizontal.code >= 64);
    switch (m_failed ? Kind::None : kind) {
    case Kind::Line: m_mask[0] = m_mask[1] = ~std::uint64_t(0); break;
    case Kind::MText:
        m_mask[0] = bit(0) | bit(MText::text.code) | bit(MText::text.chunkCode) | bit(MText::height.code);
        m_mask[1] = bit(MText::backgroundFill.code);
        break;
    case Kind::Text:
        m_mask[0] = bit(0) | bit(Text::height.code) | bit(Text::widthFactor.code);
        m_mask[1] = bit(Text::horizontal.code);
        break;
    case Kind::None: m_mask[0] = m_failed ? 0 : bit(0), m_mask[1] = 0; break;
    }
}

void BlockSketcher::Take(const Tag& tag) {
    switch (m_kind) {
    case Kind::Line:
        if (tag.code != 0) return NoteLine(tag);
        break;
    case Kind::MText:
    case Kind::Text:
        static_assert(MText::height.code == Text::height.code);
        if (tag.code == Text::height.code) return NoteHeight(tag);
        if (tag.code != 0) return NoteText(tag);
        break;
    case Kind::None:
        break;
    }
    Begin(tag);
    // Once failed, nothing more is looked at.
    SetKind(m_failed ? Kind::None : m_kind);
}

void BlockSketcher::Begin(const Tag& tag) {
    EndEntity();
    if (m_failed) return;
    const std::string_view type = tag.Value();
    const Kind kind = type == Line::type.name    ? Kind::Line
                      : type == MText::type.name ? Kind::MText
                      : type == Text::type.name  ? Kind::Text
                                                 : Kind::None;
    if (kind == Kind::None) {
        m_failed = true;
        return;
    }
    m_kind = kind;
    m_height = 0, m_widthFactor = 1;
    m_lineXData = false;
    if (m_kind == Kind::Line) m_tags.assign(1, tag);
}

void BlockSketcher::NoteText(const Tag& tag) {
    if (m_kind == Kind::Text && tag.code == Text::widthFactor.code) {
        m_widthFactor = tag.DoubleOr(-1);
        if (!std::isfinite(m_widthFactor)) m_failed = true;
    } else if (m_kind == Kind::Text && tag.code == Text::horizontal.code) {
        // Aligned and fitted texts take their height from their length.
        const auto h = tag.IntOr(0);
        if (h == Text::kAligned || h == Text::kFit) m_failed = true;
    } else if (tag.code == MText::backgroundFill.code) {
        // A background fill shows however small its text.
        if (tag.Value().find_first_not_of(" 0") != std::string_view::npos) m_failed = true;
    } else {
        // The contents: \H sets a height of its own, \W a width factor.
        const std::string_view v = tag.Value();
        for (size_t i = v.find('\\'); i != std::string_view::npos && !m_failed; i = v.find('\\', i + 2))
            if (i + 1 < v.size() && std::string_view("HhWw").find(v[i + 1]) != std::string_view::npos) m_failed = true;
    }
}

void BlockSketcher::NoteLine(const Tag& tag) {
    // Its extended data does not change how it looks.
    if (tag.code == 1001) m_lineXData = true;
    if (m_lineXData) return;
    // Thickness, or an extrusion of its own.
    if (tag.code == Line::thickness.code || tag.code == Line::extrusion.code) m_failed = true;
    m_tags.push_back(tag);
}

std::uint32_t BlockSketcher::LookOf(const std::vector<Tag>& line) {
    // Lines come in runs of one look: the last one is tried first.
    const auto& looks = m_sketch.looks;
    if (m_lastLook < looks.size() && SameLook(line, looks[m_lastLook]->tags)) return m_lastLook;
    for (std::uint32_t i = 0; i < looks.size(); ++i)
        if (SameLook(line, looks[i]->tags)) return m_lastLook = i;
    m_sketch.looks.push_back(std::make_shared<const DxfObject>(DxfObject{line}));
    return m_lastLook = static_cast<std::uint32_t>(looks.size() - 1);
}

void BlockSketcher::EndEntity() {
    if (m_kind == Kind::Text || m_kind == Kind::MText) {
        // A text without a height of its own takes its style's, which the block does not tell.
        if (!(m_height > 0)) {
            m_failed = true;
            return;
        }
        ++m_sketch.texts;
        m_sketch.largestText = std::max(m_sketch.largestText, m_height * std::sqrt(std::max(1.0, std::abs(m_widthFactor))));
    } else if (m_kind == Kind::Line) {
        // Each end as its X (the first 10 or 11) with the Y and Z that directly follow it.
        BlockSketch::Line line{};
        for (const int code : {Line::start.code, Line::end.code}) {
            const auto x = std::find_if(m_tags.begin() + 1, m_tags.end(), [&](const Tag& t) { return t.code == code; });
            std::string_view* end = line.ends + (code == Line::start.code ? 0 : 3);
            for (auto t = x; t != m_tags.end() && t - x < 3 && t->code == code + 10 * (t - x); ++t) end[t - x] = t->Value();
        }
        line.look = LookOf(m_tags);
        if (m_sketch.looks.size() > kMostLooks) {
            m_failed = true;
            return;
        }
        m_sketch.lines.push_back(line);
    }
    m_kind = Kind::None;
}

std::optional<BlockSketch> BlockSketcher::Finish() {
    if (!m_failed) EndEntity();
    if (m_failed) return std::nullopt;
    return std::move(m_sketch);
}

}  // namespace platform::dxf
