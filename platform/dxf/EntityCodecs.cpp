#include "dxf/EntityCodecs.h"

#include "db/DbEntities.h"
#include "db/DbSymbolTable.h"
#include "db/DbTable.h"
#include "dxf/EntityTypes.h"
#include "dxf/EntityValues.h"
#include "dxf/TableEntityCodec.h"
#include "text/Utf8.h"

namespace platform::dxf {

namespace {

constexpr double kPi = 3.14159265358979323846;

using namespace entities;

AcGePoint3d PointOf(const Point3& p) { return AcGePoint3d(p.x, p.y, p.z); }
Point3 PointOf(const AcGePoint3d& p) { return {p.x, p.y, p.z}; }

std::string NameOf(AcDbObjectId id) {
    if (auto* record = AcDbSymbolTableRecord::cast(id.stub() ? id.stub()->object : nullptr)) return ToUtf8(record->getName());
    return {};
}

AcDbEntity* MakeLine(const EntityValues& v, EntityLoadContext&) { return new AcDbLine(PointOf(v.Get(Line::start)), PointOf(v.Get(Line::end))); }

void FillLine(const AcDbEntity& entity, EntityValues& v) {
    const auto& line = static_cast<const AcDbLine&>(entity);
    v.Set(Line::start, PointOf(line.startPoint()));
    v.Set(Line::end, PointOf(line.endPoint()));
}

AcDbEntity* MakeInsert(const EntityValues& v, EntityLoadContext& context) {
    auto* ref = new AcDbBlockReference(PointOf(v.Get(Insert::insert)), context.BlockNamed(v.Get(Insert::block)));
    ref->setRotation(v.Get(Insert::rotation) * kPi / 180.0);
    return ref;
}

void FillInsert(const AcDbEntity& entity, EntityValues& v) {
    const auto& ref = static_cast<const AcDbBlockReference&>(entity);
    v.Set(Insert::insert, PointOf(ref.position()));
    v.Set(Insert::rotation, ref.rotation() * 180.0 / kPi);
    v.Set(Insert::block, NameOf(ref.blockTableRecord()));
}

AcDbEntity* MakeMText(const EntityValues& v, EntityLoadContext&) {
    auto* text = new AcDbMText;
    text->setLocation(PointOf(v.Get(MText::insert)));
    text->setContents(FromUtf8(v.Get(MText::text)).c_str());
    text->setTextHeight(v.Get(MText::height));
    text->setWidth(v.Get(MText::width));
    return text;
}

void FillMText(const AcDbEntity& entity, EntityValues& v) {
    const auto& mtext = static_cast<const AcDbMText&>(entity);
    v.Set(MText::insert, PointOf(mtext.location()));
    v.Set(MText::text, ToUtf8(mtext.contents()));
    v.Set(MText::height, mtext.textHeight());
    v.Set(MText::width, mtext.width());
}

constexpr EntityCodec Described(const EntityType& type, AcRxClass* (*desc)(), decltype(EntityCodec::make) make,
                                decltype(EntityCodec::fill) fill) {
    return {&type, desc, make, fill, nullptr, nullptr};
}

constexpr EntityCodec ByHand(const EntityType& type, AcRxClass* (*desc)(), decltype(EntityCodec::load) load,
                             decltype(EntityCodec::save) save) {
    return {&type, desc, nullptr, nullptr, load, save};
}

// One row a modelled entity type.
const EntityCodec kCodecs[] = {
    ByHand(Table::type, &AcDbTable::desc, LoadAcadTable, SaveAcadTable),
    Described(Line::type, &AcDbLine::desc, MakeLine, FillLine),
    Described(Insert::type, &AcDbBlockReference::desc, MakeInsert, FillInsert),
    Described(MText::type, &AcDbMText::desc, MakeMText, FillMText),
};

}  // namespace

AcDbEntity* LoadEntity(const EntityCodec& codec, const DxfObject& source, EntityLoadContext& context) {
    if (codec.load) return codec.load(source, context);
    const std::optional<EntityValues> values = EntityValues::Read(*codec.type, source);
    return values ? codec.make(*values, context) : nullptr;
}

void SaveEntity(const EntityCodec& codec, const AcDbEntity& entity, EntitySaveContext& context) {
    if (codec.save) return codec.save(entity, context);
    // What the document holds of the entity (its unmodelled tags among them), or a new one.
    std::optional<EntityValues> values;
    if (const DxfObject* existing = context.Original()) values = EntityValues::Read(*codec.type, *existing);
    if (!values) values.emplace(*codec.type);
    context.Common(*values);
    codec.fill(entity, *values);
    context.Put(values->Write(context.Doc()));
}

const EntityCodec* CodecOfType(std::string_view type) {
    for (const EntityCodec& codec : kCodecs)
        if (codec.type->name == type) return &codec;
    return nullptr;
}

const EntityCodec* CodecOf(const AcDbEntity& entity) {
    for (const EntityCodec& codec : kCodecs)
        if (entity.isKindOf(codec.desc())) return &codec;
    return nullptr;
}

}  // namespace platform::dxf
