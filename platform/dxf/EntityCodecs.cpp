#include "dxf/EntityCodecs.h"

#include "db/DbEntities.h"
#include "db/DbSymbolTable.h"
#include "db/DbTable.h"
#include "dxf/EntityCodec.h"
#include "dxf/TableEntityCodec.h"
#include "text/Utf8.h"

namespace platform::dxf {

namespace {

constexpr double kPi = 3.14159265358979323846;

AcGePoint3d PointOf(const double (&p)[3]) { return AcGePoint3d(p[0], p[1], p[2]); }

void SetPoint(double (&p)[3], const AcGePoint3d& point) {
    p[0] = point.x;
    p[1] = point.y;
    p[2] = point.z;
}

// The plain data of what the document holds of the entity (its unmodelled tags among them),
// or a fresh one for a new entity.
template <class T>
T Original(EntitySaveContext& context, std::optional<T> (*parse)(const DxfObject&)) {
    if (const DxfObject* existing = context.Original())
        if (auto parsed = parse(*existing)) return std::move(*parsed);
    return T{};
}

std::string NameOf(AcDbObjectId id) {
    if (auto* record = AcDbSymbolTableRecord::cast(id.stub() ? id.stub()->object : nullptr)) return ToUtf8(record->getName());
    return {};
}

AcDbEntity* LoadLine(const DxfObject& source, EntityLoadContext&) {
    const auto line = ParseLine(source);
    return line ? new AcDbLine(PointOf(line->start), PointOf(line->end)) : nullptr;
}

void SaveLine(const AcDbEntity& entity, EntitySaveContext& context) {
    const auto& line = static_cast<const AcDbLine&>(entity);
    LineEntity l = Original(context, ParseLine);
    context.Common(l);
    SetPoint(l.start, line.startPoint());
    SetPoint(l.end, line.endPoint());
    context.Put(LineToObject(l, context.Doc()));
}

AcDbEntity* LoadInsert(const DxfObject& source, EntityLoadContext& context) {
    const auto insert = ParseInsert(source);
    if (!insert) return nullptr;
    auto* ref = new AcDbBlockReference(PointOf(insert->position), context.BlockNamed(insert->blockName));
    ref->setRotation(insert->rotation * kPi / 180.0);
    return ref;
}

void SaveInsert(const AcDbEntity& entity, EntitySaveContext& context) {
    const auto& ref = static_cast<const AcDbBlockReference&>(entity);
    InsertEntity i = Original(context, ParseInsert);
    context.Common(i);
    SetPoint(i.position, ref.position());
    i.rotation = ref.rotation() * 180.0 / kPi;
    i.blockName = NameOf(ref.blockTableRecord());
    context.Put(InsertToObject(i, context.Doc()));
}

AcDbEntity* LoadMText(const DxfObject& source, EntityLoadContext&) {
    const auto mtext = ParseMText(source);
    if (!mtext) return nullptr;
    auto* text = new AcDbMText;
    text->setLocation(PointOf(mtext->position));
    text->setContents(FromUtf8(mtext->text).c_str());
    text->setTextHeight(mtext->height);
    text->setWidth(mtext->width);
    return text;
}

void SaveMText(const AcDbEntity& entity, EntitySaveContext& context) {
    const auto& mtext = static_cast<const AcDbMText&>(entity);
    MTextEntity m = Original(context, ParseMText);
    context.Common(m);
    SetPoint(m.position, mtext.location());
    m.text = ToUtf8(mtext.contents());
    m.height = mtext.textHeight();
    m.width = mtext.width();
    context.Put(MTextToObject(m, context.Doc()));
}

// One row a modelled entity type.
const EntityCodec kCodecs[] = {
    {"ACAD_TABLE", &AcDbTable::desc, LoadAcadTable, SaveAcadTable},
    {"LINE", &AcDbLine::desc, LoadLine, SaveLine},
    {"INSERT", &AcDbBlockReference::desc, LoadInsert, SaveInsert},
    {"MTEXT", &AcDbMText::desc, LoadMText, SaveMText},
};

}  // namespace

const EntityCodec* CodecOfType(std::string_view type) {
    for (const EntityCodec& codec : kCodecs)
        if (codec.type == type) return &codec;
    return nullptr;
}

const EntityCodec* CodecOf(const AcDbEntity& entity) {
    for (const EntityCodec& codec : kCodecs)
        if (entity.isKindOf(codec.desc())) return &codec;
    return nullptr;
}

}  // namespace platform::dxf
