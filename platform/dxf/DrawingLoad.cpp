// Building the drawing database of a DXF document (see DrawingIo.h).
#include <cmath>
#include <iterator>
#include <unordered_map>

#include "dxf/AcadTable.h"
#include "db/DbDatabase.h"
#include "db/DbDictionary.h"
#include "db/DbEntities.h"
#include "db/DbSymbolTable.h"
#include "db/DbTable.h"
#include "db/DbTableStyle.h"
#include "dxf/DrawingIo.h"
#include "dxf/DxfReader.h"
#include "dxf/EntityCodecs.h"
#include "db/ResBuf.h"
#include "dxf/TableBlock.h"
#include "text/Utf8.h"
#include "dxf/XDataTags.h"

namespace platform::dxf {

namespace {

std::wstring Wide(std::string_view text) { return FromUtf8(text); }

class Loader : public EntityLoadContext {
public:
    Loader(Document& doc, AcDbDatabase& db) : m_doc(doc), m_db(db) {}

    void Run() {
        Handle seed = m_doc.MaxHandle() + 1;
        if (const Tag* t = m_doc.HeaderValue("$HANDSEED", 5)) seed = std::max(seed, t->AsHandle().value_or(0));
        m_db.setHandseed(AcDbHandle(seed));
        for (const DxfObject& o : m_doc.objects)
            if (Handle h = o.GetHandle()) m_objects.emplace(h, &o);
        if (const Tag* units = m_doc.HeaderValue("$MEASUREMENT", 70))
            m_db.setMeasurement(units->IntOr(0) == 1 ? AcDb::kMetric : AcDb::kEnglish);

        LoadSymbolTables();
        LoadDictionaries();
        LoadCurrentSettings();
        LoadEntities();

        // Loading is not a change: every object counts as written, but for what the drawing
        // was given because it had none (the file gets those when the drawing is saved).
        for (AcDbObjectId id : m_db.objectIds())
            if (AcDbObject* object = id.stub()->object) object->setModified(false);
        for (AcDbObjectId id : m_made)
            if (AcDbObject* object = id.stub()->object) object->setModified(true);
        // What the host made up on loading (a missing "Standard" table style) is written with
        // the drawing, but is no change of the user's to offer to save.
        m_db.markSaved();
    }

private:
    // Adds under the file's handle; a handle that is missing or taken gets a new one.
    AcDbObjectId Add(AcDbObject* object, Handle handle) {
        AcDbObjectId id;
        if (handle == 0 || m_db.addAcDbObject(id, object, AcDbHandle(handle)) != Acad::eOk) m_db.addAcDbObject(id, object);
        return id;
    }

    // Adds the symbol table and its records (closed) and the records named in extra when the
    // file has none of that name.
    template <class TableT, class RecordT>
    void LoadTable(std::string_view name, void (AcDbDatabase::*setId)(AcDbObjectId), std::initializer_list<const wchar_t*> extra) {
        auto* table = new TableT;
        const SymbolTable* source = m_doc.FindTable(name);
        const AcDbObjectId tableId = Add(table, source ? source->head.GetHandle() : 0);
        (m_db.*setId)(tableId);
        if (source) AddRecords<RecordT>(table, source);
        for (const wchar_t* required : extra)
            if (!table->has(required)) {
                auto* record = new RecordT;
                record->setName(required);
                Add(record, 0);
                table->add(record);
                record->close();
            }
        table->close();
    }

    template <class RecordT>
    void AddRecords(AcDbSymbolTable* table, const SymbolTable* source) {
        for (const DxfObject& r : source->records) {
            const std::string_view recordName = r.Value(2);
            if (recordName.empty() || table->has(Wide(recordName).c_str())) continue;
            auto* record = new RecordT;
            record->setName(Wide(recordName).c_str());
            Add(record, r.GetHandle());
            table->add(record);
            if constexpr (std::is_same_v<RecordT, AcDbTextStyleTableRecord>) {
                record->setTextSize(r.Find(40) ? r.Find(40)->DoubleOr(0) : 0);
                if (const Tag* f = r.Find(3)) record->setFileName(Wide(f->Value()).c_str());
            }
            m_records.emplace(r.GetHandle(), record->objectId());
            record->close();
        }
    }

    void LoadSymbolTables() {
        // R12 drawings have no block records: the layouts get records of their own.
        LoadTable<AcDbBlockTable, AcDbBlockTableRecord>("BLOCK_RECORD", &AcDbDatabase::setBlockTableId,
                                                        {AcDbBlockTableRecord::kModelSpace, AcDbBlockTableRecord::kPaperSpace});
        m_db.setModelSpaceId(Named(m_db.blockTableId(), "*Model_Space"));
        m_db.setPaperSpaceId(Named(m_db.blockTableId(), "*Paper_Space"));
        m_db.setCurrentSpace(m_db.modelSpaceId());
        LoadTable<AcDbLayerTable, AcDbLayerTableRecord>("LAYER", &AcDbDatabase::setLayerTableId, {L"0"});
        LoadTable<AcDbTextStyleTable, AcDbTextStyleTableRecord>("STYLE", &AcDbDatabase::setTextStyleTableId, {});
        LoadTable<AcDbRegAppTable, AcDbRegAppTableRecord>("APPID", &AcDbDatabase::setRegAppTableId, {L"ACAD"});
    }

    const DxfObject* Object(Handle h) const {
        const auto it = m_objects.find(h);
        return it == m_objects.end() ? nullptr : it->second;
    }

    // The entries of a DICTIONARY object: 3 key, then 350/360 handle.
    static std::vector<std::pair<std::string_view, Handle>> Entries(const DxfObject& dict) {
        std::vector<std::pair<std::string_view, Handle>> out;
        for (size_t i = 0; i + 1 < dict.tags.size(); ++i)
            if (dict.tags[i].code == 3 && (dict.tags[i + 1].code == 350 || dict.tags[i + 1].code == 360))
                out.emplace_back(dict.tags[i].Value(), dict.tags[i + 1].AsHandle().value_or(0));
        return out;
    }

    void LoadDictionaries() {
        auto* named = new AcDbDictionary;
        const DxfObject* root = !m_doc.objects.empty() && m_doc.objects.front().Type() == "DICTIONARY" ? &m_doc.objects.front() : nullptr;
        m_db.setNamedObjectsDictionaryId(Add(named, root ? root->GetHandle() : 0));
        auto* styles = new AcDbDictionary;
        const DxfObject* styleDict = nullptr;
        if (root)
            for (const auto& [key, h] : Entries(*root))
                if (key == "ACAD_TABLESTYLE") styleDict = Object(h);
        AcDbObjectId styleDictId;
        Add(styles, styleDict ? styleDict->GetHandle() : 0);
        named->setAt(L"ACAD_TABLESTYLE", styles, styleDictId);
        named->close();
        m_db.setTableStyleDictionaryId(styleDictId);
        if (styleDict) LoadTableStyles(styles, *styleDict);
        // A drawing without a table style gets "Standard" for its units, as a CAD program gives
        // it one when it opens the drawing.
        if (styles->numEntries() == 0) {
            AcDbTableStyle* standard = platform::NewStandardTableStyle(m_db.measurement());
            standard->setTextStyle(Named(m_db.textStyleTableId(), "Standard"));
            AcDbObjectId id;
            styles->setAt(L"Standard", standard, id);
            standard->close();
            m_made.push_back(id);
            if (!styleDict) m_made.push_back(styleDictId);
        }
        styles->close();
    }

    void LoadTableStyles(AcDbDictionary* styles, const DxfObject& styleDict) {
        for (const auto& [key, h] : Entries(styleDict)) {
            const DxfObject* source = Object(h);
            if (!source || source->Type() != "TABLESTYLE") continue;
            std::string beyond;
            const TableStyleInfo info = ParseTableStyle(*source, &beyond);
            if (!beyond.empty()) notes.push_back("The table style " + std::string(key) + " keeps a default: " + beyond);
            auto* style = new AcDbTableStyle;
            style->setName(Wide(key).c_str());
            style->setDescription(Wide(source->Value(3)).c_str());
            style->setTextHeight(info.data.textHeight, AcDb::kDataRow);
            style->setTextHeight(info.header.textHeight, AcDb::kHeaderRow);
            style->setTextHeight(info.title.textHeight, AcDb::kTitleRow);
            style->setAlignment(Alignment(info.data.alignment), AcDb::kDataRow);
            style->setAlignment(Alignment(info.header.alignment), AcDb::kHeaderRow);
            style->setAlignment(Alignment(info.title.alignment), AcDb::kTitleRow);
            style->setHorzCellMargin(info.horizontalMargin);
            style->setVertCellMargin(info.verticalMargin);
            style->suppressTitleRow(info.titleSuppressed);
            style->suppressHeaderRow(info.headerSuppressed);
            Add(style, h);
            AcDbObjectId id;
            styles->setAt(Wide(key).c_str(), style, id);
            style->close();
        }
    }

    static AcDb::CellAlignment Alignment(int value) {
        return value >= AcDb::kTopLeft && value <= AcDb::kBottomRight ? static_cast<AcDb::CellAlignment>(value) : AcDb::kTopCenter;
    }

    AcDbObjectId Named(AcDbObjectId tableId, std::string_view name) {
        AcDbObjectId id;
        if (auto* table = AcDbSymbolTable::cast(tableId.stub() ? tableId.stub()->object : nullptr))
            table->getAt(Wide(name).c_str(), id);
        return id;
    }

    void LoadCurrentSettings() {
        if (const Tag* t = m_doc.HeaderValue("$CLAYER")) {
            if (AcDbObjectId id = Named(m_db.layerTableId(), t->Value()); !id.isNull()) m_db.setClayer(id);
        } else {
            m_db.setClayer(Named(m_db.layerTableId(), "0"));
        }
        if (const Tag* t = m_doc.HeaderValue("$TEXTSTYLE"))
            if (AcDbObjectId id = Named(m_db.textStyleTableId(), t->Value()); !id.isNull()) m_db.setTextstyle(id);
        std::string_view current = "Standard";
        if (const Tag* t = m_doc.HeaderValue("$CTABLESTYLE")) current = t->Value();
        if (auto* styles = AcDbDictionary::cast(m_db.tableStyleDictionaryId().stub()->object)) {
            AcDbObjectId id;
            if (styles->getAt(Wide(current).c_str(), id) == Acad::eOk) m_db.setTablestyle(id);
        }
    }

    AcDbObjectId Id(Handle h) const {
        AcDbObjectId id;
        if (h) m_db.getAcDbObjectId(id, false, AcDbHandle(h));
        return id;
    }

    AcDbEntity* MakeEntity(const DxfObject& source) {
        if (const EntityCodec* codec = CodecOfType(source.Type()))
            if (AcDbEntity* entity = platform::dxf::LoadEntity(*codec, source, *this)) {
                if (const auto* raw = AcDbRawEntity::cast(entity); raw && !raw->unreadReason().empty())
                    notes.push_back(std::string(source.Type()) + " " + FormatHandle(source.GetHandle()) + " is kept as the file holds it: " +
                                    ToUtf8(raw->unreadReason()));
                return entity;
            }
        return new AcDbRawEntity(Wide(source.Type()));
    }

    AcDbObjectId BlockNamed(std::string_view name) override { return Named(m_db.blockTableId(), name); }
    AcDbObjectId ObjectOf(Handle h) override { return Id(h); }

    void SetXData(AcDbObject* object, const DxfObject& source) {
        const size_t start = source.XDataStart();
        if (start >= source.tags.size()) return;
        ResbufPtr chain(XDataTagsToChain(XDataOfTags(source.tags, start)));
        for (const resbuf* rb = chain.get(); rb; rb = rb->rbnext)
            if (rb->restype == 1001 && !m_db.isRegAppRegistered(rb->resval.rstring)) m_db.registerApp(rb->resval.rstring);
        // Data the database refuses (past its limits) is kept as the file had it, and written
        // back with the entity even when the entity is changed.
        if (object->setXData(chain.get()) != Acad::eOk) {
            std::vector<std::wstring> apps;
            for (size_t i = start; i < source.tags.size(); ++i) {
                object->rawTags().push_back({source.tags[i].code, std::string(source.tags[i].Value())});
                if (source.tags[i].code == 1001) apps.push_back(Wide(source.tags[i].Value()));
            }
            object->setUnreadXDataApps(std::move(apps));
        }
    }

    // Whether the entity says it stands in paper space (67), which it says among the values
    // every entity has: those before its own subclass (a table's entity has millions after).
    static bool InPaperSpace(const DxfObject& e) {
        for (const Tag& t : e.tags) {
            if (t.code == 67) return t.IntOr(0) == 1;  // often padded, as integers are
            if (t.code == 100 && t.Value() != "AcDbEntity") return false;
        }
        return false;
    }

    void LoadEntity(const DxfObject& source, AcDbObjectId spaceId) {
        AcDbEntity* entity = MakeEntity(source);
        Add(entity, source.GetHandle());
        entity->setLayer(Wide(source.Value(8, "0")).c_str());
        SetXData(entity, source);
        AcDbObjectPointer<AcDbBlockTableRecord> space(spaceId, AcDb::kForWrite);
        if (space) space->appendAcDbEntity(entity);
        entity->close();
    }

    void LoadEntities() {
        const AcDbObjectId model = m_db.modelSpaceId(), paper = m_db.paperSpaceId();
        for (const DxfObject& e : m_doc.entities) {
            AcDbObjectId space = InPaperSpace(e) ? paper : model;
            if (const auto it = m_records.find(e.Owner()); it != m_records.end() && AcDbBlockTableRecord::cast(it->second.stub()->object))
                space = it->second;
            LoadEntity(e, space);
        }
        // Entities of the other layouts live in their blocks.
        for (const Block& b : m_doc.blocks) {
            const std::string_view name = b.Name();
            if (name.size() < 12 || !SameName(name.substr(0, 12), "*Paper_Space")) continue;
            const AcDbObjectId id = Named(m_db.blockTableId(), name);
            if (id.isNull()) continue;
            for (const DxfObject& e : b.Entities()) LoadEntity(e, id);
        }
    }

public:
    // Entities of modelled types that could not be taken in, and why.
    std::vector<std::string> notes;

private:
    Document& m_doc;
    AcDbDatabase& m_db;
    std::unordered_map<Handle, const DxfObject*> m_objects;
    std::unordered_map<Handle, AcDbObjectId> m_records;  // symbol table records by file handle
    std::vector<AcDbObjectId> m_made;                    // objects the file lacked
};

}  // namespace

std::shared_ptr<AcDbDatabase> DatabaseFromDocument(std::unique_ptr<Document> document, std::vector<std::string>* notes) {
    std::shared_ptr<Document> doc(std::move(document));
    auto db = std::make_shared<AcDbDatabase>(false);
    // "AC1009" and the like; a file without $ACADVER is R12 or older.
    const std::string_view version = doc->Version();
    const int number = version.size() == 6 && version.substr(0, 2) == "AC" ? std::atoi(std::string(version.substr(2)).c_str()) : 1009;
    db->setOriginalFileVersion(static_cast<AcDb::AcDbDwgVersion>(number));
    Loader loader(*doc, *db);
    loader.Run();
    if (notes) *notes = std::move(loader.notes);
    db->setFileData(doc);
    return db;
}

LoadedDrawing LoadDrawing(const std::string& path, const Progress& progress, ReadOptions options) {
    // Reading the text is most of the time; building the database the rest.
    const Progress reading = progress ? Progress([&](double f) { progress(0.9 * f); }) : Progress();
    ReadResult read = ReadDxfFile(path, reading, options);
    if (!read) return {nullptr, read.error, {}};
    if (progress) progress(0.9);
    LoadedDrawing loaded{nullptr, std::nullopt, std::move(read.notes)};
    std::vector<std::string> kept;
    loaded.database = DatabaseFromDocument(std::move(read.document), &kept);
    loaded.notes.insert(loaded.notes.end(), std::make_move_iterator(kept.begin()), std::make_move_iterator(kept.end()));
    if (progress) progress(1.0);
    return loaded;
}

Document* AttachedDocument(const AcDbDatabase& database) { return static_cast<Document*>(database.fileData().get()); }

}  // namespace platform::dxf
