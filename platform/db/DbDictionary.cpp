#include "db/DbDictionary.h"

#include "db/DbDatabase.h"
#include "mfc/String.h"

namespace {
std::wstring Fold(const wchar_t* key) {
    std::wstring folded = key ? key : L"";
    for (auto& ch : folded) ch = platform::ToUpperChar(ch);
    return folded;
}
}  // namespace

ACRX_DEFINE_MEMBERS(AcDbDictionary, AcDbObject, L"DICTIONARY")

Acad::ErrorStatus AcDbDictionary::getAt(const wchar_t* key, AcDbObjectId& id) const {
    id.setNull();
    if (!key) return Acad::eInvalidInput;
    const auto it = m_entries.find(Fold(key));
    if (it == m_entries.end() || it->second.id.isErased()) return Acad::eKeyNotFound;
    id = it->second.id;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbDictionary::getAt(const wchar_t* key, AcDbObject*& object, AcDb::OpenMode mode) const {
    object = nullptr;
    AcDbObjectId id;
    if (const auto es = getAt(key, id); es != Acad::eOk) return es;
    return acdbOpenObject(object, id, mode);
}

bool AcDbDictionary::has(const wchar_t* key) const {
    AcDbObjectId id;
    return getAt(key, id) == Acad::eOk;
}

Acad::ErrorStatus AcDbDictionary::setAt(const wchar_t* key, AcDbObject* object, AcDbObjectId& id) {
    if (const auto es = assertWriteEnabled(); es != Acad::eOk) return es;
    if (!key || !*key || !object) return Acad::eInvalidInput;
    AcDbDatabase* db = database();
    if (!db) return Acad::eNotInDatabase;
    if (object->isNewObject()) {
        if (const auto es = db->addAcDbObject(id, object); es != Acad::eOk) return es;
    } else {
        if (object->database() != db) return Acad::eWrongDatabase;
        id = object->objectId();
    }
    object->setOwnerId(objectId());
    m_entries[Fold(key)] = Entry{key, id};
    return Acad::eOk;
}

Acad::ErrorStatus AcDbDictionary::remove(const wchar_t* key) {
    if (const auto es = assertWriteEnabled(); es != Acad::eOk) return es;
    return m_entries.erase(Fold(key)) ? Acad::eOk : Acad::eKeyNotFound;
}

AcDbDictionaryIterator* AcDbDictionary::newIterator() const {
    AcDbDictionaryIterator::Map live;
    for (const auto& [k, e] : m_entries)
        if (!e.id.isErased()) live.emplace(k, e);
    return new AcDbDictionaryIterator(std::move(live));
}

Acad::ErrorStatus AcDbDictionaryIterator::getObject(AcDbObject*& object, AcDb::OpenMode mode) const {
    object = nullptr;
    if (done()) return Acad::eInvalidIndex;
    return acdbOpenObject(object, m_pos->second.id, mode);
}
