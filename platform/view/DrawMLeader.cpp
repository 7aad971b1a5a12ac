// Multileaders: their leader lines with arrowheads, landings and doglegs, and their content
// (multiline text or a block), all read from the entity's context data, which holds the
// geometry as last computed by the program that wrote it.
#include <algorithm>
#include <cmath>
#include <string>

#include "view/Curves.h"
#include "view/EntityDrawer.h"

namespace platform::view {

namespace {

// One leader of the context data: its lines' vertices, then where they meet the landing.
struct MLeaderBranch {
    std::vector<std::vector<Vec3>> lines;
    bool hasConnection = false, hasDogleg = false;
    Vec3 connection, dogleg;
    double doglegLength = 0;
};

// What a multileader's context data says (the codes of AcDbMLeader's CONTEXT_DATA{...}).
struct MLeaderContext {
    double scale = 1, arrowSize = 0.18;
    bool hasText = false, hasBlock = false;
    std::string text;
    Vec3 textAt, textDirection{1, 0, 0};
    double textHeight = 0.18, textWidth = 0;
    int attachment = 1;
    dxf::Handle block = 0;
    Vec3 blockAt, blockScale{1, 1, 1};
    double blockRotation = 0;
    std::vector<MLeaderBranch> branches;
    size_t end = 0;  // the index after the context's closing tag
};

MLeaderContext ReadContext(const EntityTags& t, size_t begin) {
    MLeaderContext c;
    MLeaderBranch* branch = nullptr;
    std::vector<Vec3>* line = nullptr;
    bool textSeen = false;
    for (size_t i = begin; i < t.End(); ++i) {
        const dxf::Tag& tag = t[i];
        const int code = tag.code;
        if (line) {
            if (code == 305) line = nullptr;
            else if (code == 10) line->push_back(t.PointAt(i));
            continue;
        }
        if (branch) {
            if (code == 303) branch = nullptr;
            else if (code == 304 && tag.Value() == "LEADER_LINE{") line = &branch->lines.emplace_back();
            else if (code == 290) branch->hasConnection = tag.IntOr(0) != 0;
            else if (code == 291) branch->hasDogleg = tag.IntOr(0) != 0;
            else if (code == 10) branch->connection = t.PointAt(i);
            else if (code == 11) branch->dogleg = t.PointAt(i);
            else if (code == 40) branch->doglegLength = tag.DoubleOr(0);
            continue;
        }
        switch (code) {
        case 301: c.end = i + 1; return c;
        case 302: branch = &c.branches.emplace_back(); break;
        case 40: c.scale = tag.DoubleOr(1); break;
        case 41: c.textHeight = tag.DoubleOr(0.18); break;
        case 140: c.arrowSize = tag.DoubleOr(0.18); break;
        case 290:
            // The first says whether there is text; later ones are the text's own settings.
            if (!textSeen) c.hasText = tag.IntOr(0) != 0;
            textSeen = true;
            break;
        case 296: c.hasBlock = tag.IntOr(0) != 0; break;
        case 304: c.text = std::string(tag.Value()); break;
        case 12: c.textAt = t.PointAt(i); break;
        case 13: c.textDirection = t.PointAt(i); break;
        case 43: c.textWidth = tag.DoubleOr(0); break;
        case 171: c.attachment = static_cast<int>(tag.IntOr(1)); break;
        case 341: c.block = tag.AsHandle().value_or(0); break;
        case 15: c.blockAt = t.PointAt(i); break;
        case 16: c.blockScale = t.PointAt(i); break;
        case 46: c.blockRotation = tag.DoubleOr(0); break;
        default: break;
        }
    }
    c.end = t.End();
    return c;
}

// A multileader colour (an AcCmColor value): by layer or block, an index, or red-green-blue.
bool RawColor(std::int64_t raw, DrawingColor& color) {
    const auto value = static_cast<std::uint32_t>(raw);
    switch (value >> 24) {
    case 0xC2: color.isTrue = true, color.rgb = value & 0xFFFFFF; return true;
    case 0xC3: color.index = static_cast<int>(value & 0xFF); return true;
    default: return false;  // by layer, by block, none: as the entity
    }
}

}  // namespace

void EntityDrawer::DrawMultiLeader(const EntityTags& t, const Props& p, const Context& ctx) {
    const size_t own = t.After("AcDbMLeader");
    size_t start = t.End();
    for (size_t i = own; i < t.End(); ++i)
        if (t[i].code == 300 && t[i].Value() == "CONTEXT_DATA{") {
            start = i + 1;
            break;
        }
    if (start >= t.End()) return;
    const MLeaderContext c = ReadContext(t, start);

    // The entity's own settings follow its context data.
    const int lineType = static_cast<int>(t.Int(170, 1, c.end));
    const bool landing = t.Int(290, 1, c.end) != 0, dogleg = t.Int(291, 1, c.end) != 0;
    const int contentType = static_cast<int>(t.Int(172, c.hasBlock ? 1 : 2, c.end));
    const bool arrowhead = !t.Has(342, c.end) || t.Int(342, 0, c.end) != 0;
    Props line = p, text = p;
    DrawingColor color;
    if (RawColor(t.Int(91, 0, c.end), color)) line.color = ColorOf(color, ctx, p.layer);
    if (RawColor(t.Int(92, 0, c.end), color)) text.color = ColorOf(color, ctx, p.layer);

    for (const MLeaderBranch& branch : c.branches) {
        for (const std::vector<Vec3>& vertices : branch.lines) {
            std::vector<Vec3> points = vertices;
            if (branch.hasConnection || points.empty()) points.push_back(branch.connection);
            if (points.size() < 2 || lineType == 0) continue;
            if (lineType == 2 && points.size() > 2) {
                SplineData s;
                s.fits = points;
                points = SplinePoints(s, Tolerance(ctx));
            }
            Stroke(points, false, line, ctx);
            // The closed filled arrow at the first vertex, pointing away from the next.
            const double size = c.arrowSize;
            Vec3 d = points[1] - points[0];
            const double len = std::hypot(d.x, d.y);
            if (!arrowhead || !(size > 0) || len == 0) continue;
            d = d * (1 / len);
            const Vec3 n{-d.y, d.x, 0}, back = points[0] + d * size;
            FillWorld({Plan(ctx.m, points[0]), Plan(ctx.m, back + n * (size / 6)), Plan(ctx.m, back - n * (size / 6))}, line.color);
        }
        if (landing && dogleg && branch.hasDogleg && branch.doglegLength > 0)
            Stroke({branch.connection, branch.connection + branch.dogleg * branch.doglegLength}, false, line, ctx);
    }

    if (contentType == 2 && c.hasText && !c.text.empty()) {
        // The text as the multiline text it is: the same codes, the same drawing.
        const std::string height = std::to_string(c.textHeight), width = std::to_string(c.textWidth);
        const std::string attachment = std::to_string(std::clamp(c.attachment, 1, 9));
        const std::string x = std::to_string(c.textAt.x), y = std::to_string(c.textAt.y), z = std::to_string(c.textAt.z);
        const std::string dx = std::to_string(c.textDirection.x), dy = std::to_string(c.textDirection.y),
                          dz = std::to_string(c.textDirection.z);
        dxf::DxfObject mtext;
        mtext.tags = {{0, "MTEXT"}, {10, x},      {20, y},          {30, z},  {40, height}, {41, width},
                      {71, attachment}, {1, c.text}, {11, dx}, {21, dy},      {31, dz}};
        DrawMText(EntityTags(mtext), text, ctx);
    } else if (contentType == 1 && c.block) {
        if (const dxf::Block* block = drawing.BlockOfRecord(c.block)) {
            const Matrix place = Matrix::Translation(c.blockAt) * Matrix::RotationZ(c.blockRotation) *
                                 Matrix::Scaling(c.blockScale.x, c.blockScale.y, c.blockScale.z);
            DrawBlock(*block, place, p, ctx, p.layer);
        }
    }
}

}  // namespace platform::view
