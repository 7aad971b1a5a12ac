#pragma once
// Dictionaries: named entries owned by a dictionary object (the named-object dictionary and
// the dictionaries under it, such as the table styles). Keys compare without regard to
// case; iteration is in sorted key order, the host's default.
#include <map>
#include <memory>
#include <string>

#include "db/DbObject.h"

class AcDbDictionaryIterator;

class AcDbDictionary : public AcDbObject {
public:
    ACRX_DECLARE_MEMBERS(AcDbDictionary)
    ACDB_DECLARE_STATE(AcDbDictionary)

    Acad::ErrorStatus getAt(const wchar_t* key, AcDbObjectId& id) const;
    Acad::ErrorStatus getAt(const wchar_t* key, AcDbObject*& object, AcDb::OpenMode mode) const;
    bool has(const wchar_t* key) const;
    int numEntries() const { return static_cast<int>(m_entries.size()); }
    // Adds or replaces an entry; a new object is added to the dictionary's drawing.
    Acad::ErrorStatus setAt(const wchar_t* key, AcDbObject* object, AcDbObjectId& id);
    Acad::ErrorStatus remove(const wchar_t* key);
    // The caller deletes the iterator.
    AcDbDictionaryIterator* newIterator() const;

private:
    friend class AcDbDictionaryIterator;
    struct Entry {
        std::wstring key;
        AcDbObjectId id;
    };
    std::map<std::wstring, Entry> m_entries;  // folded key -> entry
};

class AcDbDictionaryIterator {
public:
    bool done() const { return m_pos == m_entries.end(); }
    bool next() {
        if (!done()) ++m_pos;
        return !done();
    }
    const wchar_t* name() const { return done() ? L"" : m_pos->second.key.c_str(); }
    AcDbObjectId objectId() const { return done() ? AcDbObjectId() : m_pos->second.id; }
    Acad::ErrorStatus getObject(AcDbObject*& object, AcDb::OpenMode mode) const;

private:
    friend class AcDbDictionary;
    using Map = std::map<std::wstring, AcDbDictionary::Entry>;
    explicit AcDbDictionaryIterator(Map entries) : m_entries(std::move(entries)), m_pos(m_entries.begin()) {}
    Map m_entries;  // a snapshot: changes to the dictionary do not disturb a walk
    Map::const_iterator m_pos;
};
