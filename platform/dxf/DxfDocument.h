#pragma once
// The document model of a DXF file: its sections, each object an ordered list of tags exactly
// as read. Only what a writer must know structurally (tables with their records, blocks with
// their entities) is grouped; everything else stays a flat list, so nothing is lost.
#include <algorithm>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "dxf/BlockSketch.h"
#include "dxf/DxfTag.h"
#include "dxf/TextStore.h"

namespace platform::dxf {

// One group that begins with a code 0 tag: an entity, an object, a table record, a class.
struct DxfObject {
    std::vector<Tag> tags;

    std::string_view Type() const { return tags.empty() ? std::string_view() : tags.front().Value(); }
    // The object's own handle (code 5, or 105 for DIMSTYLE records); 0 when it has none.
    Handle GetHandle() const;
    // The owner (the 330 outside any 102 group); 0 when none.
    Handle Owner() const;
    const Tag* Find(int code) const;
    std::string_view Value(int code, std::string_view fallback = {}) const;
    // Index of the first tag after the subclass marker "100 name", or tags.size() when absent.
    std::size_t SubclassStart(std::string_view name) const;
    // Index of the first extended data tag (code 1001), or tags.size() when there is none.
    std::size_t XDataStart() const;
    // Names of the applications whose extended data the object carries, in order.
    std::vector<std::string_view> XDataApps() const;
    // The extended data items of one application (after its 1001 tag); empty when it has none.
    std::vector<Tag> XData(std::string_view app) const;
    // Replaces one application's extended data, leaving the others as they are; no items
    // removes it. The name and item values must live in the document's storage (or be
    // literals); Document::SetXData keeps the name itself.
    void SetXData(std::string_view app, const std::vector<Tag>& items);
};

struct SymbolTable {
    DxfObject head;  // 0 TABLE, 2 name, handle, 70 count ...
    std::vector<DxfObject> records;

    std::string_view Name() const { return head.Value(2); }
    DxfObject* FindRecord(std::string_view name);
    const DxfObject* FindRecord(std::string_view name) const;
};

// The entities of a block as read but not parsed yet. A table's anonymous block is nearly always
// written back untouched, and its texts and lines are most of a large drawing. So the reader
// checks them and, when their text is exactly what the writer would write for their tags (but
// for CR LF line ends, which Windows programs write), keeps that text (written back as it is,
// with LF alone) with what the document must know of them without parsing.
struct DeferredEntities {
    std::string_view text;  // from the first entity's group code line up to the ENDBLK line
    bool carriageReturns = false;  // lines of the text may end in CR LF
    Handle minHandle = 0, maxHandle = 0;  // of the entities' own handles
    bool hasTable = false;                 // an ACAD_TABLE among them
    std::vector<std::string_view> apps;    // extended data applications named, first use first
};

struct Block {
    DxfObject begin;  // 0 BLOCK ...
    DxfObject end;    // 0 ENDBLK ...

    std::string_view Name() const { return begin.Value(2); }

    // The entities, parsed from deferred text on first use.
    std::vector<DxfObject>& Entities();
    const std::vector<DxfObject>& Entities() const;
    // The deferred text of the entities, or null once they are parsed (or never were deferred).
    const DeferredEntities* Deferred() const { return m_deferred ? &*m_deferred : nullptr; }
    void Defer(DeferredEntities deferred) {
        m_entities.clear();
        m_deferred = std::move(deferred);
    }
    // What the block looks like from afar, as read (null when it was not sketched); gone once
    // its entities may have changed.
    const BlockSketch* Sketch() const { return m_sketch.get(); }
    void SetSketch(BlockSketch sketch) { m_sketch = std::make_shared<const BlockSketch>(std::move(sketch)); }
    // Takes the entities out, leaving none; deferred ones are dropped unparsed.
    std::vector<DxfObject> TakeEntities() {
        m_deferred.reset();
        m_sketch.reset();
        std::vector<DxfObject> taken = std::move(m_entities);
        m_entities.clear();
        return taken;
    }

private:
    mutable std::vector<DxfObject> m_entities;
    mutable std::optional<DeferredEntities> m_deferred;
    std::shared_ptr<const BlockSketch> m_sketch;
};

// A section this model does not structure (THUMBNAILIMAGE, ACDSDATA, anything unknown).
struct RawSection {
    std::string_view name;
    std::vector<Tag> tags;
};

// An object read in exactly the form the writer gives its tags (CR LF line ends aside), kept so
// that it can be written back as it was read while its tags stay as they were read (recognised
// by their count and a fingerprint of their codes and value views: values are never changed in
// place).
struct VerbatimText {
    std::string_view text;
    bool carriageReturns = false;  // lines of the text may end in CR LF
    std::size_t count = 0;
    std::uint64_t fingerprint = 0;
};
std::uint64_t TagsFingerprint(const std::vector<Tag>& tags);

class Document {
public:
    Document() = default;
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;
    Document(Document&&) = default;
    Document& operator=(Document&&) = default;

    std::vector<Tag> header;  // 9 $NAME followed by its value tags, for every variable
    std::vector<DxfObject> classes;
    std::vector<SymbolTable> tables;
    std::vector<Block> blocks;
    std::vector<DxfObject> entities;
    std::vector<DxfObject> objects;
    std::vector<RawSection> rawSections;
    // Section names in the order they were read; a writer keeps that order.
    std::vector<std::string_view> sectionOrder;

    // Copies text into the document's own storage; every tag value added later must live there
    // (or be a string literal).
    std::string_view Keep(std::string_view text) { return m_text.Keep(text); }
    TextStore& Text() { return m_text; }
    // The size of the file the document was read from (0 when it was not): what a save of it
    // will roughly write, for a progress meter.
    std::size_t SourceSize() const { return m_sourceSize; }
    void SetSourceSize(std::size_t bytes) { m_sourceSize = bytes; }

    Tag MakeTag(int code, std::string_view text) { return Tag{code, Keep(text)}; }
    Tag MakeInt(int code, long long value);
    Tag MakeDouble(int code, double value);
    Tag MakeHandle(int code, Handle value);

    // Header variables. The value tags of a variable are those between its 9 tag and the next.
    std::string_view Version() const;  // $ACADVER, "AC1009" when absent
    const Tag* HeaderValue(std::string_view name, int code = -1) const;
    void SetHeaderVar(std::string_view name, const std::vector<Tag>& values);

    SymbolTable* FindTable(std::string_view name);
    const SymbolTable* FindTable(std::string_view name) const;
    Block* FindBlock(std::string_view name);
    const Block* FindBlock(std::string_view name) const;
    // Linear search through every object of every section.
    DxfObject* FindObject(Handle handle);

    // A handle no object uses yet: above every handle in the document and $HANDSEED.
    Handle NewHandle();
    Handle MaxHandle() const;
    // New handles start at floor at least (a drawing database that gives out handles of its
    // own beside this document keeps them apart).
    void SetHandleFloor(Handle floor) {
        if (m_nextHandle == 0) m_nextHandle = std::max(NewHandle(), floor);
        else if (m_nextHandle < floor) m_nextHandle = floor;
    }

    // DxfObject::SetXData with the application name kept in this document.
    void SetXData(DxfObject& object, std::string_view app, const std::vector<Tag>& items) {
        object.SetXData(Keep(app), items);
    }

    // Adds an APPID record for the application unless one exists; true when added.
    bool EnsureAppId(std::string_view name);

    // The reader's record of a large object read in the writer's own form (text in this
    // document's storage), and that record while the object's tags are still the ones read.
    void KeepVerbatim(const DxfObject& object, std::string_view text, bool carriageReturns) {
        m_verbatim[object.tags.data()] = {text, carriageReturns, object.tags.size(), TagsFingerprint(object.tags)};
    }
    const VerbatimText* VerbatimOf(const DxfObject& object) const {
        if (m_verbatim.empty()) return nullptr;
        const auto it = m_verbatim.find(object.tags.data());
        if (it == m_verbatim.end() || it->second.count != object.tags.size() || it->second.fingerprint != TagsFingerprint(object.tags))
            return nullptr;
        return &it->second;
    }

private:
    TextStore m_text;
    std::size_t m_sourceSize = 0;
    std::unordered_map<const Tag*, VerbatimText> m_verbatim;  // by the tag list's storage
    Handle m_nextHandle = 0;
};

// Case-insensitive comparison for names of symbol table records (DXF names ignore case).
bool SameName(std::string_view a, std::string_view b);

}  // namespace platform::dxf
