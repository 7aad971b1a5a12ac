#pragma once
// How an entity type is described: its DXF name, its subclasses with their values (each a group
// code, what it holds, and what it is when the entity does not say), and the entities that
// belong to it in a file. One such description a type (EntityTypes.h) is
// what loading and saving (EntityValues), the renderer's reads and the reader's lists are made
// from, as ezdxf describes its entities by a table of group codes per subclass.
#include <cstdint>
#include <span>
#include <string_view>

namespace platform::dxf {

struct Point3 {
    double x = 0, y = 0, z = 0;
    bool operator==(const Point3&) const = default;
};

enum class ValueKind : std::uint8_t { Real, Int, Text, Handle, Point };

// A value of an entity, by its group code. A point's X has the code, its Y and Z the code plus
// 10 and 20. Most codes stand once among an entity's own values, and the first is the one
// meant; where a code means one thing in one subclass and another in the next (the insertion
// point of a table's block reference and the cells of its table), the value names the marker
// of its subclass and is looked up after it.
struct Field {
    int code = 0;
    ValueKind kind = ValueKind::Real;
    bool optional = false;      // written only when it is not its default
    int chunkCode = 0;          // text longer than a line takes: chunks of this code before the last
    std::string_view subclass;  // the marker it follows, where its code stands elsewhere too
};

// The typed values: what Get returns for them, and their defaults.
template <class Self, ValueKind Kind, class T>
struct TypedField : Field {
    using Value = T;
    T fallback{};
    constexpr TypedField(int code, T fallback = T{}) : Field{code, Kind, false, 0, {}}, fallback(fallback) {}
    constexpr Self Optional() const {
        Self f = static_cast<const Self&>(*this);
        f.optional = true;
        return f;
    }
    constexpr Self After(std::string_view marker) const {
        Self f = static_cast<const Self&>(*this);
        f.subclass = marker;
        return f;
    }
};

struct RealField : TypedField<RealField, ValueKind::Real, double> {
    using TypedField::TypedField;
};
struct IntField : TypedField<IntField, ValueKind::Int, std::int64_t> {
    using TypedField::TypedField;
};
struct HandleField : TypedField<HandleField, ValueKind::Handle, std::uint64_t> {
    using TypedField::TypedField;
};
struct PointField : TypedField<PointField, ValueKind::Point, Point3> {
    using TypedField::TypedField;
};
struct TextField : TypedField<TextField, ValueKind::Text, std::string_view> {
    using TypedField::TypedField;
    // Text of any length: chunks of the code given before the last piece, which has the field's
    // own code (a multi-line text's contents).
    constexpr TextField Chunked(int code) const {
        TextField f = *this;
        f.chunkCode = code;
        return f;
    }
};

inline constexpr Point3 kZAxis{0, 0, 1};
inline constexpr Point3 kXAxis{1, 0, 0};

// A subclass of an entity type: its marker, and its values in the order a writer writes them.
struct Subclass {
    std::string_view marker;  // "AcDbLine"
    std::span<const Field* const> fields;
};

struct EntityType {
    constexpr EntityType(std::string_view name, std::span<const Subclass> subclasses, std::string_view followers = {},
                         const IntField* followersFlag = nullptr, bool part = false)
        : name(name), subclasses(subclasses), followers(followers), followersFlag(followersFlag), part(part) {}

    std::string_view name;  // the DXF type name: "LINE"
    // Its subclasses after AcDbEntity. Values read in another order, and codes the description
    // does not name, are kept (EntityValues).
    std::span<const Subclass> subclasses;
    // The entities that follow it in a file and belong to it (a polyline's vertices, a block
    // reference's attributes), up to the SEQEND that ends them: of this type, when the flag is
    // null or set (1).
    std::string_view followers;
    const IntField* followersFlag = nullptr;
    // Belongs to the entity before it (a vertex, an attribute, a SEQEND): never on its own.
    bool part = false;
};

// The description of a DXF type name (case as written), or null for a type not described.
const EntityType* FindEntityType(std::string_view name);

}  // namespace platform::dxf
