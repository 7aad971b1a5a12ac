// Writing the drawing database into its DXF document and to a file (see DrawingIo.h).
#include <cmath>
#include <unordered_map>
#include <unordered_set>

#include "dxf/AcadTable.h"
#include "db/DbDatabase.h"
#include "db/DbDictionary.h"
#include "db/DbEntities.h"
#include "db/DbSymbolTable.h"
#include "db/DbTable.h"
#include "db/DbTableStyle.h"
#include "dxf/DrawingIo.h"
#include "dxf/DxfTemplate.h"
#include "dxf/DxfTextChunks.h"
#include "dxf/DxfWriter.h"
#include "dxf/EntityCodecs.h"
#include "dxf/EntityTypes.h"
#include "dxf/EntityValues.h"
#include "dxf/TableBlock.h"
#include "dxf/TableStyleStore.h"
#include "text/Utf8.h"
#include "dxf/XDataTags.h"

namespace platform::dxf {

namespace {

using platform::RawTag;

AcDbObject* Peek(AcDbObjectId id) { return id.stub() ? id.stub()->object : nullptr; }

std::string NameOf(AcDbObjectId id) {
    if (auto* record = AcDbSymbolTableRecord::cast(Peek(id))) return ToUtf8(record->getName());
    return {};
}

AcDbObjectId RecordId(AcDbObjectId tableId, const wchar_t* name) {
    AcDbObjectId id;
    if (auto* table = AcDbSymbolTable::cast(Peek(tableId))) table->getAt(name, id);
    return id;
}

// Every handle-valued tag of the document, header included.
template <class Fn>
void ForEachHandleTag(Document& doc, Fn&& fn) {
    auto visit = [&](std::vector<Tag>& tags) {
        for (Tag& t : tags)
            if (t.Type() == TagType::Handle) fn(t);
    };
    visit(doc.header);
    for (DxfObject& o : doc.classes) visit(o.tags);
    for (SymbolTable& t : doc.tables) {
        visit(t.head.tags);
        for (DxfObject& r : t.records) visit(r.tags);
    }
    for (Block& b : doc.blocks) {
        visit(b.begin.tags);
        visit(b.end.tags);
        for (DxfObject& e : b.Entities()) visit(e.tags);
    }
    for (DxfObject& e : doc.entities) visit(e.tags);
    for (DxfObject& o : doc.objects) visit(o.tags);
}

// The document of a new drawing for a database that never had one: the template's records
// that the database has too (block table, layouts, layer 0, style Standard, application ACAD,
// the named-object dictionary and the table styles) take the database's handles, and every
// other handle of the template moves above the database's, so the two never meet.
std::shared_ptr<Document> TemplateFor(AcDbDatabase& db) {
    std::shared_ptr<Document> doc(NewDocument());
    std::unordered_map<Handle, Handle> map;
    auto pair = [&](Handle from, AcDbObjectId to) {
        if (from && !to.isNull()) map[from] = to.handle().value();
    };
    auto pairTable = [&](std::string_view table, AcDbObjectId tableId, std::initializer_list<const wchar_t*> records) {
        SymbolTable* t = doc->FindTable(table);
        if (!t) return;
        pair(t->head.GetHandle(), tableId);
        for (const wchar_t* name : records)
            if (const DxfObject* r = t->FindRecord(ToUtf8(name))) pair(r->GetHandle(), RecordId(tableId, name));
    };
    pairTable("BLOCK_RECORD", db.blockTableId(), {AcDbBlockTableRecord::kModelSpace, AcDbBlockTableRecord::kPaperSpace});
    pairTable("LAYER", db.layerTableId(), {L"0"});
    pairTable("STYLE", db.textStyleTableId(), {L"Standard"});
    pairTable("APPID", db.regAppTableId(), {L"ACAD"});
    if (!doc->objects.empty() && doc->objects.front().Type() == "DICTIONARY") {
        pair(doc->objects.front().GetHandle(), db.namedObjectsDictionaryId());
        const Handle standard = FindTableStyle(*doc, "Standard");
        for (const DxfObject& o : doc->objects)
            if (o.Type() == "DICTIONARY" && o.GetHandle() != doc->objects.front().GetHandle())
                for (size_t i = 0; i + 1 < o.tags.size(); ++i)
                    if (o.tags[i].Is(3, "Standard") && o.tags[i + 1].AsHandle() == standard) pair(o.GetHandle(), db.tableStyleDictionaryId());
        if (auto* styles = AcDbDictionary::cast(Peek(db.tableStyleDictionaryId()))) {
            AcDbObjectId id;
            if (styles->getAt(L"Standard", id) == Acad::eOk) pair(standard, id);
        }
    }
    const Handle offset = db.handseed().value();
    ForEachHandleTag(*doc, [&](Tag& t) {
        const Handle h = t.AsHandle().value_or(0);
        if (h == 0) return;
        const auto it = map.find(h);
        t.SetValue(doc->Keep(FormatHandle(it != map.end() ? it->second : h + offset)));
    });
    doc->SetHeaderVar("$HANDSEED", {doc->MakeHandle(5, doc->MaxHandle() + 1)});
    doc->SetHeaderVar("$MEASUREMENT", {doc->MakeInt(70, db.measurement() == AcDb::kMetric ? 1 : 0)});
    return doc;
}

class Writer {
public:
    Writer(Document& doc, AcDbDatabase& db) : m_doc(doc), m_db(db) {}

    void Run() {
        m_doc.SetHandleFloor(m_db.handseed().value());
        DropErased();
        BuildIndex();
        // Styles first: tables are drawn from the styles the file holds.
        StoreStyles();
        for (AcDbObjectId recordId : Records(m_db.blockTableId())) {
            auto* record = AcDbBlockTableRecord::cast(Peek(recordId));
            if (!record) continue;
            for (AcDbObjectId id : record->entityIds()) {
                AcDbObject* object = Peek(id);
                if (auto* entity = AcDbEntity::cast(object); entity && !id.isErased() && entity->isModified())
                    Store(*entity, *record);
            }
        }
        for (AcDbObjectId id : Records(m_db.regAppTableId())) m_doc.EnsureAppId(NameOf(id));
        // The current table style, in every version that has table styles (R2005 on, and
        // whatever is written as R2013).
        if (auto* style = AcDbTableStyle::cast(Peek(m_db.tablestyle()))) {
            const Tag* current = m_doc.HeaderValue("$CTABLESTYLE");
            const bool hasStyles = current || m_doc.Version() > "AC1015";
            if (hasStyles && (!current || current->Value() != ToUtf8(style->name())))
                m_doc.SetHeaderVar("$CTABLESTYLE", {m_doc.MakeTag(7, ToUtf8(style->name()))});
        }
        // Which space the drawing was left in: model space ($TILEMODE 1) or a layout (0), so
        // that it opens there again. A file that never said is left silent while it is in
        // model space.
        const bool paper = !m_db.currentSpaceId().isNull() && m_db.currentSpaceId() != m_db.modelSpaceId();
        const Tag* tile = m_doc.HeaderValue("$TILEMODE");
        if (tile ? (tile->IntOr(1) == 0) != paper : paper) m_doc.SetHeaderVar("$TILEMODE", {m_doc.MakeInt(70, paper ? 0 : 1)});
        // At least the database's seed; writing the file raises it above every handle present.
        const Tag* seed = m_doc.HeaderValue("$HANDSEED", 5);
        const Handle next = std::max<Handle>(m_db.handseed().value(), seed ? seed->AsHandle().value_or(0) : 0);
        m_doc.SetHeaderVar("$HANDSEED", {m_doc.MakeHandle(5, next)});
    }

private:
    static TableStyleInfo InfoOf(const AcDbTableStyle& style) {
        TableStyleInfo info;
        info.horizontalMargin = style.horzCellMargin();
        info.verticalMargin = style.vertCellMargin();
        info.titleSuppressed = style.isTitleSuppressed();
        info.headerSuppressed = style.isHeaderSuppressed();
        const std::string textStyle = NameOf(style.textStyle());
        for (auto [kind, cell] : {std::pair{AcDb::kDataRow, &info.data}, {AcDb::kTitleRow, &info.title}, {AcDb::kHeaderRow, &info.header}}) {
            cell->textHeight = style.textHeight(kind);
            cell->alignment = style.alignment(kind);
            if (!textStyle.empty()) cell->textStyle = textStyle;
        }
        return info;
    }

    // Table styles made or changed since the file was read go into it.
    void StoreStyles() {
        auto* styles = AcDbDictionary::cast(Peek(m_db.tableStyleDictionaryId()));
        if (!styles) return;
        std::unique_ptr<AcDbDictionaryIterator> it(styles->newIterator());
        for (; !it->done(); it->next()) {
            auto* style = AcDbTableStyle::cast(Peek(it->objectId()));
            if (!style || it->objectId().isErased() || !style->isModified()) continue;
            StoreTableStyle(m_doc, m_db.tableStyleDictionaryId().handle().value(), it->objectId().handle().value(),
                            ToUtf8(it->name()), InfoOf(*style));
        }
    }

    static std::vector<AcDbObjectId> Records(AcDbObjectId tableId) {
        if (auto* table = AcDbSymbolTable::cast(Peek(tableId))) return table->recordIds();
        return {};
    }

    // Erased entities leave the document; an erased table takes its anonymous block along.
    void DropErased() {
        std::unordered_set<Handle> erased;
        for (AcDbObjectId id : m_db.objectIds())
            if (id.isErased() && AcDbEntity::cast(Peek(id))) erased.insert(id.handle().value());
        if (erased.empty()) return;
        std::unordered_set<Handle> tableRecords;
        std::unordered_set<std::string> tableBlocks;
        auto drop = [&](std::vector<DxfObject>& list) {
            std::erase_if(list, [&](const DxfObject& o) {
                if (!erased.count(o.GetHandle())) return false;
                if (o.Type() == entities::Table::type.name) {
                    if (const Tag* r = o.Find(entities::Table::blockRecord.code)) tableRecords.insert(r->AsHandle().value_or(0));
                    tableBlocks.insert(std::string(o.Value(entities::Table::block.code)));
                }
                return true;
            });
        };
        drop(m_doc.entities);
        // Entities of blocks outside the layouts are not the database's: deferred ones stay so.
        for (Block& b : m_doc.blocks)
            if (!b.Deferred()) drop(b.Entities());
        std::erase_if(m_doc.blocks, [&](const Block& b) {
            return tableBlocks.count(std::string(b.Name())) || tableRecords.count(b.begin.Owner());
        });
        if (SymbolTable* records = m_doc.FindTable("BLOCK_RECORD"))
            std::erase_if(records->records, [&](const DxfObject& r) {
                return tableRecords.count(r.GetHandle()) || tableBlocks.count(std::string(r.Value(2)));
            });
    }

    // Where the entities of the layouts stand: the ENTITIES section ("") or a layout's block,
    // by name and position. Built once, so storing many changed entities stays linear; block
    // positions are looked up by name because adding a table's block moves the blocks.
    struct Place {
        std::string block;
        size_t index;
    };

    static bool IsLayoutBlock(std::string_view name) {
        return (name.size() >= 12 && SameName(name.substr(0, 12), "*Paper_Space")) || SameName(name, "*Model_Space");
    }

    void BuildIndex() {
        for (size_t i = 0; i < m_doc.entities.size(); ++i) m_index[m_doc.entities[i].GetHandle()] = {std::string(), i};
        for (const Block& b : m_doc.blocks)
            if (IsLayoutBlock(b.Name()))
                for (size_t i = 0; i < b.Entities().size(); ++i) m_index[b.Entities()[i].GetHandle()] = {std::string(b.Name()), i};
    }

    std::vector<DxfObject>* List(const std::string& block) {
        if (block.empty()) return &m_doc.entities;
        Block* b = m_doc.FindBlock(block);
        return b ? &b->Entities() : nullptr;
    }

    // The entity of the given handle in the document, if it is there.
    DxfObject* Locate(Handle h) {
        const auto it = m_index.find(h);
        if (it == m_index.end()) return nullptr;
        std::vector<DxfObject>* list = List(it->second.block);
        return list && it->second.index < list->size() && (*list)[it->second.index].GetHandle() == h ? &(*list)[it->second.index]
                                                                                                         : nullptr;
    }

    void Put(DxfObject object, const AcDbBlockTableRecord& record) {
        const Handle h = object.GetHandle();
        if (DxfObject* existing = Locate(h)) {
            *existing = std::move(object);
            return;
        }
        const std::string name = ToUtf8(record.getName());
        std::string block = SameName(name, "*Model_Space") || !m_doc.FindBlock(name) ? std::string() : name;
        std::vector<DxfObject>* list = List(block);
        list->push_back(std::move(object));
        m_index[h] = {block, list->size() - 1};
    }

    // Sets the parts every entity shares; true when any of them differs from what base held.
    bool Common(const AcDbEntity& entity, const AcDbBlockTableRecord& record, EntityBase& base) {
        std::vector<OwnedTag> xdata = ObjectXDataTags(entity);
        // Extended data the database could not hold when the drawing was read.
        if (xdata.empty())
            for (const RawTag& t : entity.rawTags())
                if (t.code >= 1000) xdata.push_back({t.code, t.value});
        std::string layer = ToUtf8(entity.layer());
        const bool changed = base.handle != entity.handle().value() || base.owner != record.handle().value() ||
                             base.layer != layer || base.xdata != xdata;
        base.handle = entity.handle().value();
        base.owner = record.handle().value();
        base.layer = std::move(layer);
        base.xdata = std::move(xdata);
        return changed;
    }

    // The document as seen by the codec of one entity.
    class Slot : public EntitySaveContext {
    public:
        Slot(Writer& writer, const AcDbEntity& entity, const AcDbBlockTableRecord& record)
            : m_writer(writer), m_entity(entity), m_record(record) {}
        Document& Doc() override { return m_writer.m_doc; }
        const DxfObject* Original() override { return m_writer.Locate(m_entity.handle().value()); }
        bool Common(EntityBase& base) override { return m_writer.Common(m_entity, m_record, base); }
        void Put(DxfObject object) override { m_writer.Put(std::move(object), m_record); }

    private:
        Writer& m_writer;
        const AcDbEntity& m_entity;
        const AcDbBlockTableRecord& m_record;
    };

    // Other entities are the file's own (AcDbRawEntity) and are written as read.
    void Store(const AcDbEntity& entity, const AcDbBlockTableRecord& record) {
        if (const EntityCodec* codec = CodecOf(entity)) {
            Slot slot(*this, entity, record);
            SaveEntity(*codec, entity, slot);
        }
    }

    Document& m_doc;
    AcDbDatabase& m_db;
    std::unordered_map<Handle, Place> m_index;
};

}  // namespace

std::shared_ptr<Document> CurrentDocument(AcDbDatabase& db) {
    std::shared_ptr<Document> doc = std::static_pointer_cast<Document>(db.fileData());
    if (!doc) doc = TemplateFor(db);
    Writer(*doc, db).Run();
    // Handles the document gave out (a new table's block) are not the database's to give again.
    if (const Handle next = doc->MaxHandle() + 1; next > db.handseed().value()) db.setHandseed(AcDbHandle(next));
    return doc;
}

std::optional<DxfError> SaveDrawing(AcDbDatabase& db, const std::string& path, const Progress& progress) {
    const bool fresh = !db.fileData();
    std::shared_ptr<Document> doc = CurrentDocument(db);
    if (auto error = SaveDxfFile(*doc, path, progress)) return error;
    // What was written is now what the file holds.
    for (AcDbObjectId id : db.objectIds())
        if (AcDbObject* object = Peek(id)) object->setModified(false);
    db.markSaved();
    // Writing raised the file's seed above every handle the file holds.
    const Tag* seed = doc->HeaderValue("$HANDSEED", 5);
    const Handle next = seed ? seed->AsHandle().value_or(0) : doc->MaxHandle() + 1;
    if (next > db.handseed().value()) db.setHandseed(AcDbHandle(next));
    if (fresh) db.setFileData(doc);
    return std::nullopt;
}

}  // namespace platform::dxf
