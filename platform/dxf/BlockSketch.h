#pragma once
// A block of lines and texts as it looks from afar: its lines, and how tall its largest text
// is. A table's block is nearly all texts, and drawn so small that none of them shows it is
// only its grid lines; the reader notes those while it checks the block's text, so a view can
// draw the block that small without parsing its entities.
#include <cmath>
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "dxf/DxfTag.h"

namespace platform::dxf {

struct DxfObject;

struct BlockSketch {
    // A line's ends as read (10, 20, 30 and 11, 21, 31; empty when absent): read as numbers
    // only when drawn, since most loads never draw.
    struct Line {
        std::string_view ends[6];
        std::uint32_t look;  // index into looks
    };
    std::vector<Line> lines;
    // Per distinct look of its lines (layer, colour, line type, weight and the rest of a line's
    // values but its handle, owner and ends): one line entity with that look.
    std::vector<std::shared_ptr<const DxfObject>> looks;
    // The largest text height (40) of its TEXT and MTEXT entities, a TEXT's widened by the
    // root of its width factor.
    double largestText = 0;
    std::size_t texts = 0;
};

// Notes a block's tags one by one, in order; Finish gives the sketch, or nothing when the
// block holds anything a sketch cannot show as it would be drawn: an entity other than a line
// or a text, a line with thickness or its own extrusion, a text without a height of its own,
// fitted to its length, with inline height or width changes or a background fill, a value that
// does not read as a number.
class BlockSketcher {
public:
    // Called for every tag the reader checks: most are passed over at the cost of a mask test.
    void Note(const Tag& tag) {
        const unsigned code = static_cast<unsigned>(tag.code);
        if (code < 128 ? (m_mask[code >> 6] >> (code & 63) & 1) != 0 : m_kind == Kind::Line && !m_failed) Take(tag);
    }
    std::optional<BlockSketch> Finish();

private:
    enum class Kind { None, Line, Text, MText };
    void Take(const Tag& tag);
    void Begin(const Tag& tag);
    void SetKind(Kind kind);
    void NoteText(const Tag& tag);
    void NoteHeight(const Tag& tag) {
        if (tag.Value() != m_lastHeight) {
            m_lastHeight = tag.Value();
            m_lastHeightValue = tag.DoubleOr(-1);
            if (!(m_lastHeightValue >= 0) || !std::isfinite(m_lastHeightValue)) m_failed = true;
        }
        if (m_lastHeightValue > m_height) m_height = m_lastHeightValue;
    }
    void NoteLine(const Tag& tag);
    void EndEntity();
    std::uint32_t LookOf(const std::vector<Tag>& line);

    bool m_failed = false;
    Kind m_kind = Kind::None;
    std::uint64_t m_mask[2] = {1, 0};  // the codes below 128 Take looks at
    std::vector<Tag> m_tags;  // of the current line, up to its extended data
    bool m_lineXData = false;
    double m_height = 0, m_widthFactor = 1;
    std::string_view m_lastHeight;  // the last height read, and its value: most texts share one
    double m_lastHeightValue = 0;
    std::uint32_t m_lastLook = 0;
    BlockSketch m_sketch;
};

}  // namespace platform::dxf
