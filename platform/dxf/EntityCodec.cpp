#include "dxf/EntityCodec.h"

#include "dxf/DxfTextChunks.h"

namespace platform::dxf {

namespace {

size_t DataStart(const DxfObject& e, std::string_view subclass) {
    const size_t i = e.SubclassStart(subclass);
    return i < e.tags.size() ? i : 1;  // R12: no markers, everything is data
}

bool IsCommonCode(int code) { return code == 5 || code == 330 || code == 8; }

void Point(const Tag& t, int base, double (&p)[3]) {
    if (t.code == base || t.code == base + 10 || t.code == base + 20) p[(t.code - base) / 10] = t.DoubleOr(0);
}

// Calls take(tag) for each data tag; tags it does not take are kept in extra.
template <class Take>
void ReadData(const DxfObject& e, size_t begin, std::vector<OwnedTag>& extra, Take take) {
    const size_t end = e.XDataStart();
    const bool flat = begin == 1;
    for (size_t i = begin; i < end; ++i) {
        const Tag& t = e.tags[i];
        if (flat && IsCommonCode(t.code)) continue;
        if (!take(t)) extra.push_back({t.code, std::string(t.Value())});
    }
}

void PutPoint(Document& doc, std::vector<Tag>& out, int base, const double (&p)[3]) {
    out.push_back(doc.MakeDouble(base, p[0]));
    out.push_back(doc.MakeDouble(base + 10, p[1]));
    out.push_back(doc.MakeDouble(base + 20, p[2]));
}

void PutExtra(Document& doc, std::vector<Tag>& out, const std::vector<OwnedTag>& extra) {
    for (const OwnedTag& t : extra) out.push_back(doc.MakeTag(t.code, t.value));
}

}  // namespace

void ReadEntityBase(const DxfObject& entity, size_t dataStart, EntityBase& base) {
    const auto& tags = entity.tags;
    base.handle = entity.GetHandle();
    const bool flat = dataStart <= 1;
    const size_t end = flat ? entity.XDataStart() : dataStart - 1;
    int depth = 0;
    bool ownerSeen = false;
    for (size_t i = 1; i < end; ++i) {
        const Tag& t = tags[i];
        if (t.code == 102) depth += (!t.Value().empty() && t.Value().front() == '{') ? 1 : -1;
        if (depth == 0 && t.code != 102) {
            if (t.code == 5 || t.code == 310 || t.code == 160 || (t.code == 92 && !flat)) continue;
            if (t.code == 330 && !ownerSeen) {
                ownerSeen = true;
                base.owner = t.AsHandle().value_or(0);
                continue;
            }
            if (t.code == 100 && t.Value() == "AcDbEntity") continue;
            if (t.code == 8) {
                base.layer = std::string(t.Value());
                continue;
            }
        }
        if (!flat || t.code == 102 || depth > 0) base.entityTags.push_back({t.code, std::string(t.Value())});
    }
    for (size_t k = entity.XDataStart(); k < tags.size(); ++k) base.xdata.push_back({tags[k].code, std::string(tags[k].Value())});
}

void WriteEntityBase(Document& doc, std::string_view type, const EntityBase& base, std::vector<Tag>& out) {
    out.push_back(doc.MakeTag(0, type));
    out.push_back(doc.MakeHandle(5, base.handle));
    // Groups (extension dictionary, reactors) come before the owner, as CAD programs write them.
    size_t k = 0;
    const auto& kept = base.entityTags;
    while (k < kept.size() && kept[k].code == 102) {
        do {
            out.push_back(doc.MakeTag(kept[k].code, kept[k].value));
        } while (kept[k++].value != "}" && k < kept.size());
    }
    out.push_back(doc.MakeHandle(330, base.owner));
    out.push_back({100, "AcDbEntity"});
    out.push_back(doc.MakeTag(8, base.layer));
    for (; k < kept.size(); ++k) out.push_back(doc.MakeTag(kept[k].code, kept[k].value));
}

void WriteXData(Document& doc, const EntityBase& base, std::vector<Tag>& out) {
    for (const OwnedTag& x : base.xdata) out.push_back(doc.MakeTag(x.code, x.value));
}

std::optional<LineEntity> ParseLine(const DxfObject& entity) {
    if (entity.Type() != "LINE") return std::nullopt;
    LineEntity line;
    const size_t data = DataStart(entity, "AcDbLine");
    ReadEntityBase(entity, data, line);
    ReadData(entity, data, line.extra, [&line](const Tag& t) {
        if (t.code % 10 == 0 && t.code >= 10 && t.code <= 30) Point(t, 10, line.start);
        else if (t.code % 10 == 1 && t.code >= 11 && t.code <= 31) Point(t, 11, line.end);
        else return false;
        return true;
    });
    return line;
}

std::optional<InsertEntity> ParseInsert(const DxfObject& entity) {
    if (entity.Type() != "INSERT") return std::nullopt;
    InsertEntity insert;
    const size_t data = DataStart(entity, "AcDbBlockReference");
    ReadEntityBase(entity, data, insert);
    ReadData(entity, data, insert.extra, [&insert](const Tag& t) {
        switch (t.code) {
        case 2: insert.blockName = std::string(t.Value()); return true;
        case 10: case 20: case 30: Point(t, 10, insert.position); return true;
        case 41: insert.scale[0] = t.DoubleOr(1); return true;
        case 42: insert.scale[1] = t.DoubleOr(1); return true;
        case 43: insert.scale[2] = t.DoubleOr(1); return true;
        case 50: insert.rotation = t.DoubleOr(0); return true;
        default: return false;
        }
    });
    return insert;
}

std::optional<MTextEntity> ParseMText(const DxfObject& entity) {
    if (entity.Type() != "MTEXT") return std::nullopt;
    MTextEntity mtext;
    const size_t data = DataStart(entity, "AcDbMText");
    ReadEntityBase(entity, data, mtext);
    std::string chunks, last;
    ReadData(entity, data, mtext.extra, [&](const Tag& t) {
        switch (t.code) {
        case 10: case 20: case 30: Point(t, 10, mtext.position); return true;
        case 40: mtext.height = t.DoubleOr(mtext.height); return true;
        case 41: mtext.width = t.DoubleOr(0); return true;
        case 71: mtext.attachment = static_cast<int>(t.IntOr(1)); return true;
        case 3: chunks.append(t.Value()); return true;
        case 1: last = std::string(t.Value()); return true;
        case 7: mtext.style = std::string(t.Value()); return true;
        case 50: mtext.rotation = t.DoubleOr(0); return true;
        default: return false;
        }
    });
    mtext.text = chunks + last;
    return mtext;
}

DxfObject LineToObject(const LineEntity& line, Document& doc) {
    DxfObject o;
    WriteEntityBase(doc, "LINE", line, o.tags);
    o.tags.push_back({100, "AcDbLine"});
    PutPoint(doc, o.tags, 10, line.start);
    PutPoint(doc, o.tags, 11, line.end);
    PutExtra(doc, o.tags, line.extra);
    WriteXData(doc, line, o.tags);
    return o;
}

DxfObject InsertToObject(const InsertEntity& insert, Document& doc) {
    DxfObject o;
    WriteEntityBase(doc, "INSERT", insert, o.tags);
    o.tags.push_back({100, "AcDbBlockReference"});
    o.tags.push_back(doc.MakeTag(2, insert.blockName));
    PutPoint(doc, o.tags, 10, insert.position);
    for (int k = 0; k < 3; ++k)
        if (insert.scale[k] != 1) o.tags.push_back(doc.MakeDouble(41 + k, insert.scale[k]));
    if (insert.rotation != 0) o.tags.push_back(doc.MakeDouble(50, insert.rotation));
    PutExtra(doc, o.tags, insert.extra);
    WriteXData(doc, insert, o.tags);
    return o;
}

DxfObject MTextToObject(const MTextEntity& mtext, Document& doc) {
    DxfObject o;
    WriteEntityBase(doc, "MTEXT", mtext, o.tags);
    o.tags.push_back({100, "AcDbMText"});
    PutPoint(doc, o.tags, 10, mtext.position);
    o.tags.push_back(doc.MakeDouble(40, mtext.height));
    o.tags.push_back(doc.MakeDouble(41, mtext.width));
    o.tags.push_back(doc.MakeInt(71, mtext.attachment));
    AppendChunkedText(o.tags, doc.Keep(ToCellText(mtext.text)), 3);
    o.tags.push_back(doc.MakeTag(7, mtext.style));
    if (mtext.rotation != 0) o.tags.push_back(doc.MakeDouble(50, mtext.rotation));
    PutExtra(doc, o.tags, mtext.extra);
    WriteXData(doc, mtext, o.tags);
    return o;
}

}  // namespace platform::dxf
