#pragma once
// Plain data for the entities the drawing database models besides tables (LINE, INSERT,
// MTEXT) and the part every entity shares. Tags a codec does not model are kept and written
// back after the modelled ones, so a rewritten entity loses nothing it had.
#include <optional>
#include <string>
#include <vector>

#include "dxf/DxfDocument.h"

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

struct LineEntity : EntityBase {
    double start[3] = {0, 0, 0};
    double end[3] = {0, 0, 0};
    std::vector<OwnedTag> extra;  // thickness, extrusion ...
};

struct InsertEntity : EntityBase {
    std::string blockName;
    double position[3] = {0, 0, 0};
    double scale[3] = {1, 1, 1};
    double rotation = 0;  // degrees
    std::vector<OwnedTag> extra;
};

struct MTextEntity : EntityBase {
    double position[3] = {0, 0, 0};
    double height = 2.5;  // 40
    double width = 0;     // 41: reference column width, 0 for none
    int attachment = 1;   // 71: 1..9, top-left .. bottom-right
    std::string text;     // UTF-8 with MTEXT formatting codes
    std::string style = "Standard";
    double rotation = 0;  // 50, degrees
    std::vector<OwnedTag> extra;
};

std::optional<LineEntity> ParseLine(const DxfObject& entity);
std::optional<InsertEntity> ParseInsert(const DxfObject& entity);
std::optional<MTextEntity> ParseMText(const DxfObject& entity);
DxfObject LineToObject(const LineEntity& line, Document& doc);
DxfObject InsertToObject(const InsertEntity& insert, Document& doc);
DxfObject MTextToObject(const MTextEntity& mtext, Document& doc);

}  // namespace platform::dxf
