#include "db/DbSymbolTable.h"

#include "db/DbDatabase.h"
#include "mfc/String.h"

namespace {
std::wstring Fold(const wchar_t* name) {
    std::wstring folded = name ? name : L"";
    for (auto& ch : folded) ch = platform::ToUpperChar(ch);
    return folded;
}
}  // namespace

ACRX_DEFINE_MEMBERS(AcDbSymbolTableRecord, AcDbObject, L"")
ACRX_DEFINE_MEMBERS(AcDbSymbolTable, AcDbObject, L"TABLE")
ACRX_DEFINE_MEMBERS(AcDbBlockTableRecord, AcDbSymbolTableRecord, L"BLOCK_RECORD")
ACRX_DEFINE_MEMBERS(AcDbBlockTable, AcDbSymbolTable, L"BLOCK_RECORD")
ACRX_DEFINE_MEMBERS(AcDbLayerTableRecord, AcDbSymbolTableRecord, L"LAYER")
ACRX_DEFINE_MEMBERS(AcDbLayerTable, AcDbSymbolTable, L"LAYER")
ACRX_DEFINE_MEMBERS(AcDbTextStyleTableRecord, AcDbSymbolTableRecord, L"STYLE")
ACRX_DEFINE_MEMBERS(AcDbTextStyleTable, AcDbSymbolTable, L"STYLE")
ACRX_DEFINE_MEMBERS(AcDbRegAppTableRecord, AcDbSymbolTableRecord, L"APPID")
ACRX_DEFINE_MEMBERS(AcDbRegAppTable, AcDbSymbolTable, L"APPID")

Acad::ErrorStatus AcDbSymbolTableRecord::getName(wchar_t*& name) const {
    name = platform::DuplicateRbString(m_name.c_str());
    return Acad::eOk;
}

Acad::ErrorStatus AcDbSymbolTableRecord::setName(const wchar_t* name) {
    if (const auto es = assertWriteEnabled(); es != Acad::eOk) return es;
    if (!name || !*name) return Acad::eInvalidSymbolTableName;
    if (!ownerId().isNull()) return Acad::eNotApplicable;
    m_name = name;
    return Acad::eOk;
}

bool AcDbSymbolTable::has(const wchar_t* name) const {
    AcDbObjectId id;
    return getAt(name, id) == Acad::eOk;
}

Acad::ErrorStatus AcDbSymbolTable::getAt(const wchar_t* name, AcDbObjectId& id, bool getErased) const {
    id.setNull();
    const auto it = m_index.find(Fold(name));
    if (it == m_index.end()) return Acad::eKeyNotFound;
    const AcDbObjectId found = m_records[it->second];
    if (found.isErased() && !getErased) return Acad::eKeyNotFound;
    id = found;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbSymbolTable::add(AcDbSymbolTableRecord* record) {
    AcDbObjectId id;
    return add(id, record);
}

Acad::ErrorStatus AcDbSymbolTable::add(AcDbObjectId& id, AcDbSymbolTableRecord* record) {
    if (const auto es = assertWriteEnabled(); es != Acad::eOk) return es;
    if (!record) return Acad::eNullObjectPointer;
    AcDbDatabase* db = database();
    if (!db) return Acad::eNotInDatabase;
    const std::wstring key = Fold(record->getName());
    if (key.empty()) return Acad::eInvalidSymbolTableName;
    if (m_index.count(key)) return Acad::eDuplicateRecordName;
    if (record->isNewObject()) {
        if (const auto es = db->addAcDbObject(id, record); es != Acad::eOk) return es;
    } else {
        if (record->database() != db) return Acad::eWrongDatabase;
        if (!record->ownerId().isNull()) return Acad::eAlreadyInDb;
        id = record->objectId();
    }
    record->setOwnerId(objectId());
    m_index.emplace(key, m_records.size());
    m_records.push_back(id);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockTableRecord::appendAcDbEntity(AcDbEntity* entity) {
    AcDbObjectId id;
    return appendAcDbEntity(id, entity);
}

Acad::ErrorStatus AcDbBlockTableRecord::appendAcDbEntity(AcDbObjectId& id, AcDbEntity* entity) {
    id.setNull();
    if (!entity) return Acad::eNullEntityPointer;
    if (const auto es = assertWriteEnabled(); es != Acad::eOk) return es;
    AcDbDatabase* db = database();
    if (!db) return Acad::eNotInDatabase;
    if (entity->isNewObject()) {
        if (const auto es = db->addAcDbObject(id, entity); es != Acad::eOk) return es;
    } else {
        // Already added under its own handle (drawing files), but owned by no block yet.
        if (entity->database() != db) return Acad::eWrongDatabase;
        if (!entity->ownerId().isNull()) return Acad::eAlreadyInDb;
        id = entity->objectId();
    }
    entity->setOwnerId(objectId());
    m_entities.push_back(id);
    db->noteAppendedEntity(id);
    return Acad::eOk;
}

bool AcDbBlockTableRecord::isLayout() const {
    const std::wstring key = Fold(getName());
    return key == L"*MODEL_SPACE" || key.rfind(L"*PAPER_SPACE", 0) == 0;
}

Acad::ErrorStatus AcDbTextStyleTableRecord::setTextSize(double size) {
    if (const auto es = assertWriteEnabled(); es != Acad::eOk) return es;
    if (size < 0) return Acad::eInvalidInput;
    m_textSize = size;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbTextStyleTableRecord::setFileName(const wchar_t* name) {
    if (const auto es = assertWriteEnabled(); es != Acad::eOk) return es;
    m_fileName = name ? name : L"";
    return Acad::eOk;
}
