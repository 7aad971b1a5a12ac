#include "db/DbDatabase.h"

#include <algorithm>
#include <atomic>

#include "db/DbDictionary.h"
#include "db/DbSymbolTable.h"
#include "db/DbTableStyle.h"
#include "db/HostServices.h"

namespace {

std::unordered_map<std::int64_t, AcDbDatabase*>& LiveDatabases() {
    static std::unordered_map<std::int64_t, AcDbDatabase*> live;
    return live;
}

std::int64_t NextSerial() {
    static std::int64_t next = 1;
    return next++;
}

// Opens a symbol table of the database for write, adds a named record, closes both.
template <class Record>
AcDbObjectId AddRecord(AcDbObjectId tableId, const wchar_t* name) {
    AcDbSymbolTable* table = nullptr;
    if (acdbOpenObject(table, tableId, AcDb::kForWrite) != Acad::eOk) return {};
    auto* record = new Record;
    record->setName(name);
    AcDbObjectId id;
    if (table->add(id, record) != Acad::eOk) {
        delete record;
    } else {
        record->close();
    }
    table->close();
    return id;
}

template <class T>
AcDbObjectId AddClosed(AcDbDatabase& db, T* object) {
    AcDbObjectId id;
    db.addAcDbObject(id, object);
    object->close();
    return id;
}

// The status of opening id for read as a T; the object is closed again at once.
template <class T>
Acad::ErrorStatus CheckOpensAs(AcDbObjectId id) {
    T* object = nullptr;
    const auto es = acdbOpenObject(object, id, AcDb::kForRead);
    if (es == Acad::eOk) object->close();
    return es;
}

}  // namespace

AcDbDatabase::AcDbDatabase(bool buildDefault, bool) : m_serial(NextSerial()) {
    LiveDatabases()[m_serial] = this;
    if (buildDefault) buildDefaultDrawing();
}

AcDbDatabase::~AcDbDatabase() {
    LiveDatabases().erase(m_serial);
    if (acdbHostApplicationServices()->workingDatabaseOverride() == this)
        acdbHostApplicationServices()->setWorkingDatabase(nullptr);
    for (auto& stub : m_stubs) {
        delete stub.object;
        stub.object = nullptr;
    }
}

AcDbDatabase* AcDbDatabase::fromSerial(std::int64_t serial) {
    const auto it = LiveDatabases().find(serial);
    return it == LiveDatabases().end() ? nullptr : it->second;
}

AcDbStub* AcDbDatabase::newStub(AcDbHandle handle) {
    m_stubs.push_back(AcDbStub{this, handle, nullptr, false});
    AcDbStub* stub = &m_stubs.back();
    m_byHandle.emplace(handle.value(), stub);
    m_maxHandle = std::max<std::uint64_t>(m_maxHandle, handle.value());
    return stub;
}

Acad::ErrorStatus AcDbDatabase::addAcDbObject(AcDbObjectId& id, AcDbObject* object) {
    while (m_byHandle.count(m_handseed.value())) ++m_handseed;
    const AcDbHandle handle = m_handseed;
    ++m_handseed;
    return addAcDbObject(id, object, handle);
}

Acad::ErrorStatus AcDbDatabase::addAcDbObject(AcDbObjectId& id, AcDbObject* object, AcDbHandle handle) {
    id.setNull();
    if (!object) return Acad::eNullObjectPointer;
    if (!object->isNewObject()) return Acad::eAlreadyInDb;
    if (handle.isNull()) return Acad::eNullHandle;
    if (m_byHandle.count(handle.value())) return Acad::eHandleExists;
    AcDbStub* stub = newStub(handle);
    stub->object = object;
    object->m_stub = stub;
    object->m_writer = true;
    object->m_modified = true;
    noteChange();
    if (handle.value() >= m_handseed.value()) m_handseed = AcDbHandle(handle.value() + 1);
    id = AcDbObjectId(stub);
    m_undo->NoteAdded(*object);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbDatabase::getAcDbObjectId(AcDbObjectId& id, bool, const AcDbHandle& handle) const {
    id.setNull();
    const auto it = m_byHandle.find(handle.value());
    if (it == m_byHandle.end()) return Acad::eUnknownHandle;
    id = AcDbObjectId(it->second);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbDatabase::setHandseed(AcDbHandle seed) {
    for (const auto& [value, stub] : m_byHandle)
        if (value >= seed.value()) return Acad::eInvalidInput;
    m_handseed = seed;
    return Acad::eOk;
}

std::vector<AcDbObjectId> AcDbDatabase::objectIds() const {
    std::vector<AcDbObjectId> ids;
    ids.reserve(m_stubs.size());
    for (const auto& stub : m_stubs) ids.emplace_back(const_cast<AcDbStub*>(&stub));
    std::sort(ids.begin(), ids.end());
    return ids;
}

Acad::ErrorStatus AcDbDatabase::setCurrentSpace(AcDbObjectId id) {
    AcDbBlockTableRecord* block = nullptr;
    if (const auto es = acdbOpenObject(block, id, AcDb::kForRead); es != Acad::eOk) return es;
    const bool layout = block->isLayout();
    block->close();
    if (!layout) return Acad::eInvalidInput;
    m_currentSpace = id;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbDatabase::setTablestyle(AcDbObjectId id) {
    if (const auto es = CheckOpensAs<AcDbTableStyle>(id); es != Acad::eOk) return es;
    m_tableStyle = id;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbDatabase::setClayer(AcDbObjectId id) {
    if (const auto es = CheckOpensAs<AcDbLayerTableRecord>(id); es != Acad::eOk) return es;
    m_clayer = id;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbDatabase::setTextstyle(AcDbObjectId id) {
    if (const auto es = CheckOpensAs<AcDbTextStyleTableRecord>(id); es != Acad::eOk) return es;
    m_textStyle = id;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbDatabase::getBlockTable(AcDbBlockTable*& table, AcDb::OpenMode mode) const {
    return acdbOpenObject(table, m_blockTable, mode);
}

Acad::ErrorStatus AcDbDatabase::getTableStyleDictionary(AcDbDictionary*& dict, AcDb::OpenMode mode) const {
    return acdbOpenObject(dict, m_tableStyleDictionary, mode);
}

bool AcDbDatabase::isRegAppRegistered(const wchar_t* name) const {
    AcDbRegAppTable* table = nullptr;
    if (acdbOpenObject(table, m_regAppTable, AcDb::kForRead) != Acad::eOk) return false;
    const bool found = table->has(name);
    table->close();
    return found;
}

int AcDbDatabase::registerApp(const wchar_t* name) {
    if (!name || !*name) return RTERROR;
    for (const wchar_t* p = name; *p; ++p)
        if (*p == L'<' || *p == L'>' || *p == L'/' || *p == L'\\' || *p == L'"' || *p == L':' || *p == L';' ||
            *p == L'?' || *p == L'*' || *p == L'|' || *p == L',' || *p == L'=' || *p == L'`')
            return RTERROR;
    if (isRegAppRegistered(name)) return RTERROR;
    return AddRecord<AcDbRegAppTableRecord>(m_regAppTable, name).isNull() ? RTERROR : RTNORM;
}

AcDbObjectId AcDbDatabase::lastEntity() const {
    return m_lastEntity.isErased() ? AcDbObjectId() : m_lastEntity;
}

void AcDbDatabase::buildDefaultDrawing() {
    m_blockTable = AddClosed(*this, new AcDbBlockTable);
    m_layerTable = AddClosed(*this, new AcDbLayerTable);
    m_textStyleTable = AddClosed(*this, new AcDbTextStyleTable);
    m_regAppTable = AddClosed(*this, new AcDbRegAppTable);
    m_namedObjects = AddClosed(*this, new AcDbDictionary);

    m_modelSpace = AddRecord<AcDbBlockTableRecord>(m_blockTable, AcDbBlockTableRecord::kModelSpace);
    m_paperSpace = AddRecord<AcDbBlockTableRecord>(m_blockTable, AcDbBlockTableRecord::kPaperSpace);
    m_currentSpace = m_modelSpace;
    m_clayer = AddRecord<AcDbLayerTableRecord>(m_layerTable, L"0");
    m_textStyle = AddRecord<AcDbTextStyleTableRecord>(m_textStyleTable, L"Standard");
    registerApp(L"ACAD");

    AcDbDictionary* named = nullptr;
    if (acdbOpenObject(named, m_namedObjects, AcDb::kForWrite) == Acad::eOk) {
        auto* styles = new AcDbDictionary;
        named->setAt(L"ACAD_TABLESTYLE", styles, m_tableStyleDictionary);
        auto* standard = platform::NewStandardTableStyle(m_measurement);
        standard->setTextStyle(m_textStyle);
        styles->setAt(L"Standard", standard, m_tableStyle);
        standard->close();
        styles->close();
        named->close();
    }
}

int acdbRegApp(const wchar_t* appName) {
    AcDbDatabase* db = acdbHostApplicationServices()->workingDatabase();
    return db ? db->registerApp(appName) : RTERROR;
}

namespace platform {
std::shared_ptr<AcDbDatabase> NewDrawingDatabase() {
    auto db = std::make_shared<AcDbDatabase>(true);
    db->markSaved();  // a new drawing nobody has touched has nothing to save
    return db;
}
}  // namespace platform
