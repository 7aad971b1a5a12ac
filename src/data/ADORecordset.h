#pragma once
// CADORecordset: a cursor over the rows of a query or of the tables schema, and the one
// rule by which a field value becomes text (GetFieldValue).
#include <vector>

#include "mfc/Afx.h"
#include "ado/Ado.h"
#include "data/ADODatabase.h"

struct CADOFieldInfo {
    wchar_t m_strName[65];  // cut after 64 characters, always terminated
    SHORT m_nType;
    LONG m_lSize;
    LONG m_lDefinedSize;
    LONG m_lAttributes;
};

class CADORecordset {
public:
    explicit CADORecordset(CADODatabase& database);
    virtual ~CADORecordset();
    CADORecordset(const CADORecordset&) = delete;
    CADORecordset& operator=(const CADORecordset&) = delete;

    bool Open(LPCTSTR source = L"");
    // The same statement on a forward-only cursor that holds one row at a time: RecordCount
    // is -1 and the rows are walked once, with MoveNext until IsEof. For a reader that keeps
    // no row (the preview tool's output).
    bool OpenForwardOnly(LPCTSTR source);
    bool OpenSchema(int schema, LPCTSTR schemaId = L"");
    void Close();
    bool IsOpen();

    LONG GetRecordCount();
    int GetFieldCount();
    bool GetFieldInfo(int index, CADOFieldInfo* info);
    bool GetFieldValue(int index, CString& value, CString dateFormat = L"");
    bool GetFieldValue(LPCTSTR name, CString& value, CString dateFormat = L"");

    bool IsEof();
    void MoveFirst();
    void MoveNext();

    CString GetQuery() const { return m_strQuery; }
    CString GetLastErrorString() const { return m_strLastError; }

    // The text of one value (the rule GetFieldValue applies); false for a type without one.
    static bool FormatFieldValue(const _variant_t& value, CString& text, const CString& dateFormat);

protected:
    bool OpenWith(LPCTSTR source, CursorTypeEnum cursorType, CursorLocationEnum location, LockTypeEnum lock);
    bool GetFieldValue(const _variant_t& index, CString& value, const CString& dateFormat);
    void dump_com_error(const _com_error& e);
    // The field at index of the open recordset, held from the first read of a value until the
    // recordset closes: its fields stay the same objects while it is open. Null for an index
    // out of range, which the general lookup reports.
    Field* CachedField(int index);

    _RecordsetPtr m_pRecordset;
    _ConnectionPtr m_pConnection;
    CString m_strLastError;
    CString m_strQuery;
    std::vector<FieldPtr> m_fieldCache;
};
