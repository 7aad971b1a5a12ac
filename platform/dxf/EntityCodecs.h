#pragma once
// The table of entity codecs: how each entity type the drawing database models is made from a
// file's object when a drawing is loaded, and written back into the document when it is saved.
// Loading and saving look types up here and nowhere else. A type the database models is its
// class (db/), its description (EntityTypes.h), and one row of this table (EntityCodecs.cpp)
// with two functions between its class and its described values. A type without a row is kept
// as read (AcDbRawEntity).
#include <string_view>

#include "db/DbEntity.h"
#include "dxf/DxfDocument.h"
#include "dxf/EntityType.h"

namespace platform::dxf {

struct EntityBase;
class EntityValues;

// What a codec asks of the drawing being loaded.
class EntityLoadContext {
public:
    virtual ~EntityLoadContext() = default;
    // The block table record of that name (null when there is none).
    virtual AcDbObjectId BlockNamed(std::string_view name) = 0;
    // The object the file gave that handle (null when there is none).
    virtual AcDbObjectId ObjectOf(Handle handle) = 0;
};

// What a codec asks of the document being written, for one entity.
class EntitySaveContext {
public:
    virtual ~EntitySaveContext() = default;
    virtual Document& Doc() = 0;
    // The entity's object as the document holds it; null for an entity new since loading.
    virtual const DxfObject* Original() = 0;
    // Sets the part every entity shares (handle, owner, layer, extended data); true when it
    // differs from what base held.
    virtual bool Common(EntityBase& base) = 0;
    // Puts the entity's object where the document holds it, or appends it to its layout.
    virtual void Put(DxfObject object) = 0;
};

struct EntityCodec {
    const EntityType* type;
    AcRxClass* (*desc)();  // the database class it stands for: &AcDbLine::desc
    // Through the type's described values: a new entity of them (null when they do not make
    // one), and a changed entity's values put in (over those the file held, or the defaults).
    AcDbEntity* (*make)(const EntityValues& values, EntityLoadContext& context);
    void (*fill)(const AcDbEntity& entity, EntityValues& values);
    // Or by hand, for a type whose data the description does not hold (a table's cells).
    AcDbEntity* (*load)(const DxfObject& source, EntityLoadContext& context);
    void (*save)(const AcDbEntity& entity, EntitySaveContext& context);
};

// A new entity of the file's object; null when the object does not read as one.
AcDbEntity* LoadEntity(const EntityCodec& codec, const DxfObject& source, EntityLoadContext& context);
// Writes a changed entity of the codec's class into the document.
void SaveEntity(const EntityCodec& codec, const AcDbEntity& entity, EntitySaveContext& context);

// The codec of a DXF type name, of an entity's class; null for none.
const EntityCodec* CodecOfType(std::string_view type);
const EntityCodec* CodecOf(const AcDbEntity& entity);

}  // namespace platform::dxf
