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

using dxf::entities::MLeader;
using dxf::entities::MText;

// One leader of the context data: its lines' vertices, then where they meet the landing.
struct MLeaderBranch {
    std::vector<std::vector<Vec3>> lines;
    bool hasConnection = false, hasDogleg = false;
    Vec3 connection, dogleg;
    double doglegLength = 0;
};

// What a multileader's context data says (the codes of AcDbMLeader's CONTEXT_DATA{...}).
struct MLeaderContext {
    using C = MLeader::Context;
    double scale = C::scale.fallback, arrowSize = C::arrowSize.fallback;
    bool hasText = false, hasBlock = false;
    std::string text;
    Vec3 textAt, textDirection{C::textDirection.fallback.x, C::textDirection.fallback.y, C::textDirection.fallback.z};
    double textHeight = C::textHeight.fallback, textWidth = 0;
    int attachment = static_cast<int>(C::textAttachment.fallback);
    dxf::Handle block = 0;
    Vec3 blockAt, blockScale{C::blockScale.fallback.x, C::blockScale.fallback.y, C::blockScale.fallback.z};
    double blockRotation = 0;
    std::vector<MLeaderBranch> branches;
    size_t end = 0;  // the index after the context's closing tag
};

MLeaderContext ReadContext(const EntityTags& t, size_t begin) {
    using C = MLeader::Context;
    using Branch = MLeader::LeaderBranch;
    MLeaderContext c;
    MLeaderBranch* branch = nullptr;
    std::vector<Vec3>* line = nullptr;
    bool textSeen = false;
    for (size_t i = begin; i < t.End(); ++i) {
        const dxf::Tag& tag = t[i];
        const int code = tag.code;
        if (line) {
            if (code == Branch::lineEnds.code) line = nullptr;
            else if (code == MLeader::LeaderLine::vertex.code) line->push_back(t.PointAt(i));
            continue;
        }
        if (branch) {
            if (code == C::leaderEnds.code) branch = nullptr;
            else if (code == Branch::lineBegins.code && tag.Value() == Branch::kLine) line = &branch->lines.emplace_back();
            else if (code == Branch::hasConnection.code) branch->hasConnection = tag.IntOr(0) != 0;
            else if (code == Branch::hasDogleg.code) branch->hasDogleg = tag.IntOr(0) != 0;
            else if (code == Branch::connection.code) branch->connection = t.PointAt(i);
            else if (code == Branch::dogleg.code) branch->dogleg = t.PointAt(i);
            else if (code == Branch::doglegLength.code) branch->doglegLength = tag.DoubleOr(0);
            continue;
        }
        switch (code) {
        case MLeader::groupEnds.code: c.end = i + 1; return c;
        case C::leaderBegins.code: branch = &c.branches.emplace_back(); break;
        case C::scale.code: c.scale = tag.DoubleOr(C::scale.fallback); break;
        case C::textHeight.code: c.textHeight = tag.DoubleOr(C::textHeight.fallback); break;
        case C::arrowSize.code: c.arrowSize = tag.DoubleOr(C::arrowSize.fallback); break;
        case C::hasText.code:
            // The first says whether there is text; later ones are the text's own settings.
            if (!textSeen) c.hasText = tag.IntOr(0) != 0;
            textSeen = true;
            break;
        case C::hasBlock.code: c.hasBlock = tag.IntOr(0) != 0; break;
        case C::text.code: c.text = std::string(tag.Value()); break;
        case C::textAt.code: c.textAt = t.PointAt(i); break;
        case C::textDirection.code: c.textDirection = t.PointAt(i); break;
        case C::textWidth.code: c.textWidth = tag.DoubleOr(0); break;
        case C::textAttachment.code: c.attachment = static_cast<int>(tag.IntOr(C::textAttachment.fallback)); break;
        case C::block.code: c.block = tag.AsHandle().value_or(0); break;
        case C::blockAt.code: c.blockAt = t.PointAt(i); break;
        case C::blockScale.code: c.blockScale = t.PointAt(i); break;
        case C::blockRotation.code: c.blockRotation = tag.DoubleOr(0); break;
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

bool DrawMultiLeader(EntityDrawer& d, const EntityTags& t, const Props& p, const Context& ctx, const Parts&) {
    const size_t own = t.After(MLeader::kSubclasses[0].marker);
    size_t start = t.End();
    for (size_t i = own; i < t.End(); ++i)
        if (t.Is(i, MLeader::groupBegins) && t[i].Value() == MLeader::kContext) {
            start = i + 1;
            break;
        }
    if (start >= t.End()) return true;
    const MLeaderContext c = ReadContext(t, start);

    // The entity's own settings follow its context data.
    const auto setting = [&](const dxf::IntField& f, std::int64_t fallback) { return t.Int(f.code, fallback, c.end); };
    const int lineType = static_cast<int>(setting(MLeader::lineType, MLeader::lineType.fallback));
    const bool landing = setting(MLeader::landing, MLeader::landing.fallback) != 0;
    const bool dogleg = setting(MLeader::dogleg, MLeader::dogleg.fallback) != 0;
    const int contentType = static_cast<int>(setting(MLeader::contentType, c.hasBlock ? 1 : 2));
    const bool arrowhead = !t.Has(MLeader::arrowheadBlock.code, c.end) || t.Int(MLeader::arrowheadBlock.code, 0, c.end) != 0;
    Props line = p, text = p;
    DrawingColor color;
    if (RawColor(setting(MLeader::lineColor, 0), color)) line.color = d.ColorOf(color, ctx, p.layer);
    if (RawColor(setting(MLeader::textColor, 0), color)) text.color = d.ColorOf(color, ctx, p.layer);

    for (const MLeaderBranch& branch : c.branches) {
        for (const std::vector<Vec3>& vertices : branch.lines) {
            std::vector<Vec3> points = vertices;
            if (branch.hasConnection || points.empty()) points.push_back(branch.connection);
            if (points.size() < 2 || lineType == 0) continue;
            if (lineType == 2 && points.size() > 2) {
                SplineData s;
                s.fits = points;
                points = SplinePoints(s, d.Tolerance(ctx));
            }
            d.Stroke(points, false, line, ctx);
            // The closed filled arrow at the first vertex, pointing away from the next.
            const double size = c.arrowSize;
            Vec3 along = points[1] - points[0];
            const double len = std::hypot(along.x, along.y);
            if (!arrowhead || !(size > 0) || len == 0) continue;
            along = along * (1 / len);
            const Vec3 n{-along.y, along.x, 0}, back = points[0] + along * size;
            d.FillWorld({Plan(ctx.m, points[0]), Plan(ctx.m, back + n * (size / 6)), Plan(ctx.m, back - n * (size / 6))}, line.color);
        }
        if (landing && dogleg && branch.hasDogleg && branch.doglegLength > 0)
            d.Stroke({branch.connection, branch.connection + branch.dogleg * branch.doglegLength}, false, line, ctx);
    }

    if (contentType == 2 && c.hasText && !c.text.empty()) {
        // The text as the multiline text it is: the same codes, the same drawing.
        const std::string height = std::to_string(c.textHeight), width = std::to_string(c.textWidth);
        const std::string attachment = std::to_string(std::clamp(c.attachment, 1, 9));
        const std::string x = std::to_string(c.textAt.x), y = std::to_string(c.textAt.y), z = std::to_string(c.textAt.z);
        const std::string dx = std::to_string(c.textDirection.x), dy = std::to_string(c.textDirection.y),
                          dz = std::to_string(c.textDirection.z);
        const int at = MText::insert.code, axis = MText::xAxis.code;
        dxf::DxfObject mtext;
        mtext.tags = {{0, MText::type.name},
                      {at, x}, {at + 10, y}, {at + 20, z},
                      {MText::height.code, height}, {MText::width.code, width}, {MText::attachment.code, attachment},
                      {MText::text.code, c.text},
                      {axis, dx}, {axis + 10, dy}, {axis + 20, dz}};
        d.DrawMText(EntityTags(mtext), text, ctx);
    } else if (contentType == 1 && c.block) {
        if (const dxf::Block* block = d.drawing.BlockOfRecord(c.block)) {
            const Matrix place = Matrix::Translation(c.blockAt) * Matrix::RotationZ(c.blockRotation) *
                                 Matrix::Scaling(c.blockScale.x, c.blockScale.y, c.blockScale.z);
            d.DrawBlock(*block, place, p, ctx, p.layer);
        }
    }
    return true;
}
const DrawerRegistration kMultiLeaders({&MLeader::type, &dxf::entities::MLeaderOld::type}, DrawMultiLeader);

}  // namespace

}  // namespace platform::view
