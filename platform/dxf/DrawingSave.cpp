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
#include "dxf/EntityCodec.h"
#include "dxf/TableBlock.h"
#include "dxf/TableStyleStore.h"
#include "text/Utf8.h"
#include "dxf/XDataTags.h"

namespace platform::dxf {

namespace {

using platform::RawTag;

constexpr double kPi = 3.14159265358979323846;

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
                if (o.Type() == "ACAD_TABLE") {
                    if (const Tag* r = o.Find(343)) tableRecords.insert(r->AsHandle().value_or(0));
                    tableBlocks.insert(std::string(o.Value(2)));
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

    template <class T, class ParseFn>
    T Original(Handle h, ParseFn parse) {
        if (const DxfObject* existing = Locate(h))
            if (auto parsed = parse(*existing)) return std::move(*parsed);
        return T{};
    }

    void Store(const AcDbEntity& entity, const AcDbBlockTableRecord& record) {
        const Handle h = entity.handle().value();
        if (auto* table = AcDbTable::cast(&entity)) {
            const DxfObject* existing = Locate(h);
            std::optional<AcadTable> original = existing ? ParseAcadTable(*existing) : std::nullopt;
            const bool read = original.has_value();
            AcadTable t = read ? std::move(*original) : AcadTable{};
            const bool changed = Common(entity, record, t) | Fill(*table, t);
            // A table whose content is what the file holds keeps its entity and its block as
            // read: same bytes, same handles, and whatever the program that drew the block put
            // in it. That is most tables of a refresh in which the data did not change.
            if (read && !changed && m_doc.FindBlock(t.blockName)) return;
            StoreTable(m_doc, t);
            // The file's cells now stand where the table's do.
            const_cast<AcDbTable*>(table)->setFileOrigin();
        } else if (auto* line = AcDbLine::cast(&entity)) {
            LineEntity l = Original<LineEntity>(h, ParseLine);
            Common(entity, record, l);
            const AcGePoint3d s = line->startPoint(), e = line->endPoint();
            l.start[0] = s.x, l.start[1] = s.y, l.start[2] = s.z;
            l.end[0] = e.x, l.end[1] = e.y, l.end[2] = e.z;
            Put(LineToObject(l, m_doc), record);
        } else if (auto* ref = AcDbBlockReference::cast(&entity)) {
            InsertEntity i = Original<InsertEntity>(h, ParseInsert);
            Common(entity, record, i);
            const AcGePoint3d p = ref->position();
            i.position[0] = p.x, i.position[1] = p.y, i.position[2] = p.z;
            i.rotation = ref->rotation() * 180.0 / kPi;
            i.blockName = NameOf(ref->blockTableRecord());
            Put(InsertToObject(i, m_doc), record);
        } else if (auto* mtext = AcDbMText::cast(&entity)) {
            MTextEntity m = Original<MTextEntity>(h, ParseMText);
            Common(entity, record, m);
            const AcGePoint3d p = mtext->location();
            m.position[0] = p.x, m.position[1] = p.y, m.position[2] = p.z;
            m.text = ToUtf8(mtext->contents());
            m.height = mtext->textHeight();
            m.width = mtext->width();
            Put(MTextToObject(m, m_doc), record);
        }
        // Other entities are the file's own (AcDbRawEntity) and are written as read.
    }

    // Sets the table data from the database's table; true when anything differs from what t held.
    static bool Fill(const AcDbTable& table, AcadTable& t) {
        bool changed = false;
        auto set = [&changed](auto& field, auto value) {
            if (field != value) {
                field = value;
                changed = true;
            }
        };
        const int rows = table.numRows(), cols = table.numColumns();
        // Each cell starts from what the file holds of it, found where its row and column stood
        // when the table was read: inserting or deleting rows moves cells with their formatting.
        std::vector<TableCell> cells(static_cast<size_t>(rows) * static_cast<size_t>(cols));
        for (int r = 0; r < rows; ++r) {
            const int fr = table.fileRow(r);
            for (int c = 0; c < cols; ++c) {
                const int fc = table.fileColumn(c);
                if (fr >= 0 && fc >= 0 && fr < t.rows && fc < t.columns) {
                    cells[static_cast<size_t>(r * cols + c)] = std::move(t.Cell(fr, fc));
                    changed |= fr != r || fc != c;
                } else {
                    changed = true;
                }
            }
        }
        changed |= rows != t.rows || cols != t.columns;
        t.cells = std::move(cells);
        t.rows = rows;
        t.columns = cols;
        t.rowHeights.resize(static_cast<size_t>(rows), 1.0);
        t.columnWidths.resize(static_cast<size_t>(cols), 1.0);
        for (int r = 0; r < rows; ++r) set(t.rowHeights[static_cast<size_t>(r)], table.rowHeight(r));
        for (int c = 0; c < cols; ++c) set(t.columnWidths[static_cast<size_t>(c)], table.columnWidth(c));
        // A cell that was given a text holds text, and no longer its block.
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < cols; ++c)
                if (TableCell& cell = t.Cell(r, c); cell.type == 2 && table.cellType(r, c) == AcDb::kTextCell) {
                    cell.type = 1;
                    cell.block = 0;
                    cell.blockScale = 1;
                    changed = true;
                }
        // Cells inside a merged range are set by the range below; the others are plain cells.
        const std::vector<AcDbTable::CellRange>& ranges = table.mergedRanges();
        std::vector<bool> inRange(ranges.empty() ? 0 : t.cells.size());
        for (const AcDbTable::CellRange& m : ranges)
            for (int r = m.minRow; r <= m.maxRow; ++r)
                for (int c = m.minCol; c <= m.maxCol; ++c) inRange[static_cast<size_t>(r * cols + c)] = true;
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < cols; ++c) {
                TableCell& cell = t.Cell(r, c);
                // Cells read from the file hold their text as written (line breaks as \P).
                const std::string_view text = table.textUtf8(r, c);
                if (text.find_first_of("\r\n") == std::string_view::npos ? cell.text != text : cell.text != ToCellText(text)) {
                    cell.text.assign(text);
                    changed = true;
                }
                if (!inRange.empty() && inRange[static_cast<size_t>(r * cols + c)]) continue;
                set(cell.merged, 0);
                set(cell.spanRows, 1);
                set(cell.spanColumns, 1);
            }
        for (const AcDbTable::CellRange& m : ranges) {
            for (int r = m.minRow; r <= m.maxRow; ++r)
                for (int c = m.minCol; c <= m.maxCol; ++c) set(t.Cell(r, c).merged, (r != m.minRow || c != m.minCol) ? 1 : 0);
            set(t.Cell(m.minRow, m.minCol).spanRows, m.maxRow - m.minRow + 1);
            set(t.Cell(m.minRow, m.minCol).spanColumns, m.maxCol - m.minCol + 1);
        }
        const AcGePoint3d p = table.position();
        const AcGeVector3d d = table.direction();
        const double position[3] = {p.x, p.y, p.z}, direction[3] = {d.x, d.y, d.z};
        for (int i = 0; i < 3; ++i) {
            set(t.insertion[i], position[i]);
            set(t.direction[i], direction[i]);
        }
        if (!table.tableStyle().isNull()) set(t.tableStyle, table.tableStyle().handle().value());
        return changed;
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
