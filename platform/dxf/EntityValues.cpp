#include "dxf/EntityValues.h"

#include "dxf/DxfTextChunks.h"

namespace platform::dxf {

namespace {

// Where the values of the type's first subclass begin: after its marker, or after the type for
// an R12 entity, which has no markers.
size_t DataStart(const DxfObject& e, const EntityType& type) {
    if (type.subclasses.empty()) return 1;
    const size_t i = e.SubclassStart(type.subclasses.front().marker);
    return i < e.tags.size() ? i : 1;
}

bool IsCommonCode(int code) { return code == 5 || code == 330 || code == 8; }

bool IsMarkerOf(const EntityType& type, const Tag& tag) {
    if (tag.code != 100) return false;
    for (const Subclass& s : type.subclasses)
        if (s.marker == tag.Value()) return true;
    return false;
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

EntityValues::EntityValues(const EntityType& type) : m_type(&type) {
    for (const Subclass& s : type.subclasses)
        for (const Field* field : s.fields) {
            Value& v = m_values.emplace_back();
            switch (field->kind) {
            case ValueKind::Real: v.real[0] = static_cast<const RealField*>(field)->fallback; break;
            case ValueKind::Int: v.integer = static_cast<const IntField*>(field)->fallback; break;
            case ValueKind::Handle: v.integer = static_cast<std::int64_t>(static_cast<const HandleField*>(field)->fallback); break;
            case ValueKind::Text: v.text = static_cast<const TextField*>(field)->fallback; break;
            case ValueKind::Point: {
                const Point3 p = static_cast<const PointField*>(field)->fallback;
                v.real[0] = p.x, v.real[1] = p.y, v.real[2] = p.z;
                break;
            }
            }
        }
}

const EntityValues::Value* EntityValues::Find(const Field& field) const {
    size_t index = 0;
    for (const Subclass& s : m_type->subclasses)
        for (const Field* f : s.fields) {
            if (f == &field) return &m_values[index];
            ++index;
        }
    return nullptr;
}

EntityValues::Value& EntityValues::Put(const Field& field, bool isDefault) {
    Value* v = const_cast<Value*>(Find(field));
    if (!v) return m_unused;
    v->present = v->present || !isDefault || !field.optional;
    return *v;
}

void EntityValues::Set(const PointField& field, const Point3& value) {
    Value& v = Put(field, value == field.fallback);
    v.real[0] = value.x, v.real[1] = value.y, v.real[2] = value.z;
}

std::optional<EntityValues> EntityValues::Read(const EntityType& type, const DxfObject& object) {
    if (object.Type() != type.name) return std::nullopt;
    EntityValues values(type);
    const size_t data = DataStart(object, type);
    ReadEntityBase(object, data, values);
    std::vector<const Field*> fields;
    for (const Subclass& s : type.subclasses) fields.insert(fields.end(), s.fields.begin(), s.fields.end());
    const std::vector<Tag>& tags = object.tags;
    const size_t end = object.XDataStart();
    const bool flat = data == 1;
    std::string_view subclass = type.subclasses.empty() ? std::string_view() : type.subclasses.front().marker;
    std::string chunks;
    bool embedded = false;  // past an embedded object's marker, whose codes mean other things
    for (size_t i = data; i < end; ++i) {
        const Tag& t = tags[i];
        if (flat && IsCommonCode(t.code)) continue;
        embedded = embedded || t.code == 101;
        if (embedded) {
            values.m_extra.push_back({t.code, std::string(t.Value())});
            continue;
        }
        if (IsMarkerOf(type, t)) {
            subclass = t.Value();
            continue;
        }
        size_t k = 0;
        for (; k < fields.size(); ++k) {
            const Field& f = *fields[k];
            if (f.chunkCode == t.code && !values.m_values[k].present) break;
            if (f.code == t.code && !values.m_values[k].present && (f.subclass.empty() || f.subclass == subclass)) break;
        }
        if (k == fields.size()) {
            values.m_extra.push_back({t.code, std::string(t.Value())});
            continue;
        }
        const Field& f = *fields[k];
        Value& v = values.m_values[k];
        if (t.code == f.chunkCode) {
            chunks.append(t.Value());
            continue;
        }
        v.present = true;
        switch (f.kind) {
        case ValueKind::Real: v.real[0] = t.DoubleOr(v.real[0]); break;
        case ValueKind::Int: v.integer = t.IntOr(v.integer); break;
        case ValueKind::Handle: v.integer = static_cast<std::int64_t>(t.AsHandle().value_or(0)); break;
        case ValueKind::Text:
            v.text = chunks + std::string(t.Value());
            chunks.clear();
            break;
        case ValueKind::Point:
            // Its X, then the Y and Z that directly follow.
            v.real[0] = t.DoubleOr(0), v.real[1] = 0, v.real[2] = 0;
            for (int axis = 1; axis <= 2 && i + 1 < end && tags[i + 1].code == f.code + 10 * axis; ++axis) v.real[axis] = tags[++i].DoubleOr(0);
            break;
        }
    }
    // Chunks without their last piece: kept as read.
    if (!chunks.empty())
        for (size_t k = 0; k < fields.size(); ++k)
            if (fields[k]->chunkCode != 0 && !values.m_values[k].present) values.m_values[k].text = chunks, values.m_values[k].present = true;
    return values;
}

DxfObject EntityValues::Write(Document& doc) const {
    DxfObject o;
    std::vector<Tag>& out = o.tags;
    WriteEntityBase(doc, m_type->name, *this, out);
    size_t index = 0;
    for (const Subclass& s : m_type->subclasses) {
        out.push_back({100, s.marker});
        for (const Field* f : s.fields) {
            const Value& v = m_values[index++];
            if (f->optional && !v.present) continue;
            switch (f->kind) {
            case ValueKind::Real: out.push_back(doc.MakeDouble(f->code, v.real[0])); break;
            case ValueKind::Int: out.push_back(doc.MakeInt(f->code, v.integer)); break;
            case ValueKind::Handle: out.push_back(doc.MakeHandle(f->code, static_cast<Handle>(v.integer))); break;
            case ValueKind::Text:
                if (f->chunkCode != 0) AppendChunkedText(out, doc.Keep(ToCellText(v.text)), f->chunkCode);
                else out.push_back(doc.MakeTag(f->code, v.text));
                break;
            case ValueKind::Point:
                for (int axis = 0; axis < 3; ++axis) out.push_back(doc.MakeDouble(f->code + 10 * axis, v.real[axis]));
                break;
            }
        }
    }
    for (const OwnedTag& t : m_extra) out.push_back(doc.MakeTag(t.code, t.value));
    WriteXData(doc, *this, out);
    return o;
}

}  // namespace platform::dxf
