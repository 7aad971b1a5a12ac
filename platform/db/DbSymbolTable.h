#pragma once
// Symbol tables (blocks, layers, text styles, registered applications) and their records.
// Names are compared without regard to case, as the host does.
#include <string>
#include <unordered_map>
#include <vector>

#include "db/DbEntity.h"

class AcDbSymbolTableRecord : public AcDbObject {
public:
    ACRX_DECLARE_MEMBERS(AcDbSymbolTableRecord)
    ACDB_DECLARE_STATE(AcDbSymbolTableRecord)
    // A copy of the name the caller frees with acutDelBuffer.
    Acad::ErrorStatus getName(wchar_t*& name) const;
    const wchar_t* getName() const { return m_name.c_str(); }
    // Only before the record is added to its table.
    Acad::ErrorStatus setName(const wchar_t* name);

private:
    std::wstring m_name;
};

class AcDbSymbolTable : public AcDbObject {
public:
    ACRX_DECLARE_MEMBERS(AcDbSymbolTable)
    ACDB_DECLARE_STATE(AcDbSymbolTable)
    bool has(const wchar_t* name) const;
    Acad::ErrorStatus getAt(const wchar_t* name, AcDbObjectId& id, bool getErased = false) const;
    // Adds a record (a new object, or one in this table's drawing that no table owns yet);
    // eDuplicateRecordName when the name is taken.
    Acad::ErrorStatus add(AcDbSymbolTableRecord* record);
    Acad::ErrorStatus add(AcDbObjectId& id, AcDbSymbolTableRecord* record);
    // The records in the order they were added.
    const std::vector<AcDbObjectId>& recordIds() const { return m_records; }

private:
    std::vector<AcDbObjectId> m_records;
    std::unordered_map<std::wstring, size_t> m_index;  // folded name -> position
};

class AcDbBlockTableRecord : public AcDbSymbolTableRecord {
public:
    ACRX_DECLARE_MEMBERS(AcDbBlockTableRecord)
    ACDB_DECLARE_STATE(AcDbBlockTableRecord)
    static constexpr const wchar_t* kModelSpace = L"*Model_Space";
    static constexpr const wchar_t* kPaperSpace = L"*Paper_Space";

    // Adds a new entity to this block's drawing and to this block; the entity stays open
    // for write. The block must be in a drawing and open for write. An entity a file reader
    // already added to the drawing under its own handle (AcDbDatabase::addAcDbObject) and
    // that no block owns yet is taken as it is.
    Acad::ErrorStatus appendAcDbEntity(AcDbEntity* entity);
    Acad::ErrorStatus appendAcDbEntity(AcDbObjectId& id, AcDbEntity* entity);
    // Every entity appended, erased ones included.
    const std::vector<AcDbObjectId>& entityIds() const { return m_entities; }
    bool isLayout() const;

private:
    std::vector<AcDbObjectId> m_entities;
};

class AcDbBlockTable : public AcDbSymbolTable {
public:
    ACRX_DECLARE_MEMBERS(AcDbBlockTable)
    ACDB_DECLARE_STATE(AcDbBlockTable)
};

class AcDbLayerTableRecord : public AcDbSymbolTableRecord {
public:
    ACRX_DECLARE_MEMBERS(AcDbLayerTableRecord)
    ACDB_DECLARE_STATE(AcDbLayerTableRecord)
};

class AcDbLayerTable : public AcDbSymbolTable {
public:
    ACRX_DECLARE_MEMBERS(AcDbLayerTable)
    ACDB_DECLARE_STATE(AcDbLayerTable)
};

class AcDbTextStyleTableRecord : public AcDbSymbolTableRecord {
public:
    ACRX_DECLARE_MEMBERS(AcDbTextStyleTableRecord)
    ACDB_DECLARE_STATE(AcDbTextStyleTableRecord)
    double textSize() const { return m_textSize; }
    Acad::ErrorStatus setTextSize(double size);
    const wchar_t* fileName() const { return m_fileName.c_str(); }
    Acad::ErrorStatus setFileName(const wchar_t* name);

private:
    double m_textSize = 0.0;
    std::wstring m_fileName = L"txt";
};

class AcDbTextStyleTable : public AcDbSymbolTable {
public:
    ACRX_DECLARE_MEMBERS(AcDbTextStyleTable)
    ACDB_DECLARE_STATE(AcDbTextStyleTable)
};

class AcDbRegAppTableRecord : public AcDbSymbolTableRecord {
public:
    ACRX_DECLARE_MEMBERS(AcDbRegAppTableRecord)
    ACDB_DECLARE_STATE(AcDbRegAppTableRecord)
};

class AcDbRegAppTable : public AcDbSymbolTable {
public:
    ACRX_DECLARE_MEMBERS(AcDbRegAppTable)
    ACDB_DECLARE_STATE(AcDbRegAppTable)
};
