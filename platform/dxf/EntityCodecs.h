#pragma once
// The table of entity codecs, by DXF type name: how each entity type the drawing database
// models is made from a file's object when a drawing is loaded, and written back into the
// document when it is saved. Loading and saving look types up here and nowhere else, so a
// new entity type is its class (db/) and one row of this table (EntityCodecs.cpp) with its
// two functions. A type without a row is kept as read (AcDbRawEntity).
#include <string_view>

#include "db/DbEntity.h"
#include "dxf/DxfDocument.h"

namespace platform::dxf {

struct EntityBase;

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
    std::string_view type;  // the DXF type name: "LINE"
    AcRxClass* (*desc)();   // the database class it stands for: &AcDbLine::desc
    // A new entity of the file's object; null when the object does not read as one.
    AcDbEntity* (*load)(const DxfObject& source, EntityLoadContext& context);
    // Writes a changed entity of that class into the document.
    void (*save)(const AcDbEntity& entity, EntitySaveContext& context);
};

// The codec of a DXF type name, of an entity's class; null for none.
const EntityCodec* CodecOfType(std::string_view type);
const EntityCodec* CodecOf(const AcDbEntity& entity);

}  // namespace platform::dxf
