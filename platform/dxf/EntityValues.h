#pragma once
// An entity's values as its type describes them (EntityTypes.h): read from a file's object and
// written back, for the types the drawing database models. The part every entity shares is kept
// apart (EntityBase); tags the description does not name are kept in order and written after
// the described ones, so a rewritten entity loses nothing it had.
#include <optional>
#include <string>
#include <vector>

#include "dxf/DxfDocument.h"
#include "dxf/EntityType.h"

namespace platform::dxf {

// A tag that owns its value, for data that outlives the document it came from.
struct OwnedTag {
    int code = 0;
    std::string value;
    std::string_view Value() const { return value; }
    bool operator==(const OwnedTag&) const = default;
};

struct EntityBase {
    Handle handle = 0;
    Handle owner = 0;
    std::string layer = "0";
    // Common-part tags kept as read (extension dictionary, reactors, color, linetype ...),
    // without the type, handle, owner, layer and stale proxy graphics.
    std::vector<OwnedTag> entityTags;
    std::vector<OwnedTag> xdata;  // every extended data tag, from the first 1001 on
};

// Reads the common part (the tags before the subclass marker at index dataStart, or the
// common codes anywhere in an R12 entity without markers) and the extended data.
void ReadEntityBase(const DxfObject& entity, std::size_t dataStart, EntityBase& base);
// Appends 0 type, handle, kept groups, owner, AcDbEntity, layer and the other kept tags.
void WriteEntityBase(Document& doc, std::string_view type, const EntityBase& base, std::vector<Tag>& out);
void WriteXData(Document& doc, const EntityBase& base, std::vector<Tag>& out);

class EntityValues : public EntityBase {
public:
    // A new entity of the type: each value its default.
    explicit EntityValues(const EntityType& type);
    // The values of the object, an entity of the type; nothing when it is of another type. The
    // first of a code among the entity's own values is the value (a point's Y and Z directly
    // after its X); the others are kept, and so is an embedded object (101) with its codes.
    static std::optional<EntityValues> Read(const EntityType& type, const DxfObject& object);
    // The entity's object: its common part, each subclass's marker and values (an optional one
    // only when it was read or is not its default), the kept tags, the extended data.
    DxfObject Write(Document& doc) const;

    const EntityType& Type() const { return *m_type; }
    double Get(const RealField& field) const { return Find(field) ? Find(field)->real[0] : field.fallback; }
    std::int64_t Get(const IntField& field) const { return Find(field) ? Find(field)->integer : field.fallback; }
    Handle Get(const HandleField& field) const { return Find(field) ? static_cast<Handle>(Find(field)->integer) : field.fallback; }
    Point3 Get(const PointField& field) const {
        const Value* v = Find(field);
        return v ? Point3{v->real[0], v->real[1], v->real[2]} : field.fallback;
    }
    std::string_view Get(const TextField& field) const { return Find(field) ? std::string_view(Find(field)->text) : field.fallback; }
    void Set(const RealField& field, double value) { Put(field, value == field.fallback).real[0] = value; }
    void Set(const IntField& field, std::int64_t value) { Put(field, value == field.fallback).integer = value; }
    void Set(const HandleField& field, Handle value) { Put(field, value == field.fallback).integer = static_cast<std::int64_t>(value); }
    void Set(const PointField& field, const Point3& value);
    void Set(const TextField& field, std::string value) { Put(field, value == field.fallback).text = std::move(value); }

private:
    struct Value {
        bool present = false;  // read, or set to other than its default
        double real[3] = {0, 0, 0};
        std::int64_t integer = 0;
        std::string text;
    };
    // The value of a field of the type; null for a field of another type.
    const Value* Find(const Field& field) const;
    // The value to set; a set value is written unless it is an optional one left at its default.
    Value& Put(const Field& field, bool isDefault);
    void Take(std::size_t index, const std::vector<Tag>& tags, std::size_t& i);

    const EntityType* m_type;
    std::vector<Value> m_values;  // a field of the type's subclasses, in order
    std::vector<OwnedTag> m_extra;
    Value m_unused;  // what a value of another type's field is set in
};

}  // namespace platform::dxf
