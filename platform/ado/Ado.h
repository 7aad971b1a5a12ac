#pragma once
// The data-access component: Connection, Recordset, Fields and Field, with the operations
// the module calls, in the form the compiler's COM support generates for them (GetState,
// PutCursorType, GetadoEOF ...). Every failure raises _com_error with the HRESULT, source
// and description the component records.
#include <functional>
#include <string>
#include <vector>

#include "com/Bstr.h"
#include "com/ComBase.h"
#include "com/ComError.h"
#include "com/ComPtr.h"
#include "com/Variant.h"
#include "provider/AdoTypes.h"

constexpr CLSID CLSID_Connection = {0x00000514, 0x0000, 0x0010, {0x80, 0x00, 0x00, 0xAA, 0x00, 0x6D, 0x2E, 0xA4}};
constexpr CLSID CLSID_Recordset = {0x00000535, 0x0000, 0x0010, {0x80, 0x00, 0x00, 0xAA, 0x00, 0x6D, 0x2E, 0xA4}};
constexpr IID IID__Connection = {0x00000550, 0x0000, 0x0010, {0x80, 0x00, 0x00, 0xAA, 0x00, 0x6D, 0x2E, 0xA4}};
constexpr IID IID__Recordset = {0x00000556, 0x0000, 0x0010, {0x80, 0x00, 0x00, 0xAA, 0x00, 0x6D, 0x2E, 0xA4}};
constexpr IID IID_Fields = {0x00000564, 0x0000, 0x0010, {0x80, 0x00, 0x00, 0xAA, 0x00, 0x6D, 0x2E, 0xA4}};
constexpr IID IID_Field = {0x00000569, 0x0000, 0x0010, {0x80, 0x00, 0x00, 0xAA, 0x00, 0x6D, 0x2E, 0xA4}};

enum ObjectStateEnum : long { adStateClosed = 0, adStateOpen = 1 };
enum CursorTypeEnum : int { adOpenUnspecified = -1, adOpenForwardOnly = 0, adOpenKeyset = 1, adOpenDynamic = 2, adOpenStatic = 3 };
enum CursorLocationEnum : int { adUseNone = 1, adUseServer = 2, adUseClient = 3 };
enum LockTypeEnum : int { adLockUnspecified = -1, adLockReadOnly = 1, adLockPessimistic = 2, adLockOptimistic = 3, adLockBatchOptimistic = 4 };
enum CommandTypeEnum : long { adCmdUnspecified = -1, adCmdText = 1, adCmdTable = 2, adCmdStoredProc = 4, adCmdUnknown = 8, adCmdTableDirect = 512 };
enum ConnectOptionEnum : long { adConnectUnspecified = -1, adAsyncConnect = 16 };
enum SchemaEnum : int { adSchemaColumns = 4, adSchemaTables = 20 };
class Field : public IUnknown {
public:
    virtual _bstr_t GetName() = 0;
    virtual DataTypeEnum GetType() = 0;
    virtual long GetDefinedSize() = 0;
    virtual long GetAttributes() = 0;
    virtual long GetActualSize() = 0;
    virtual _variant_t GetValue() = 0;
};

class Fields : public IUnknown {
public:
    virtual long GetCount() = 0;
    // By position (an integer variant) or by name (a string variant, ignoring case).
    virtual _com_ptr_t<Field> GetItem(const _variant_t& index) = 0;
};

class _Recordset;

class _Connection : public IUnknown {
public:
    virtual HRESULT Open(const _bstr_t& connectionString, const _bstr_t& userId, const _bstr_t& password, long options) = 0;
    virtual HRESULT Close() = 0;
    virtual long GetState() = 0;
    virtual _bstr_t GetConnectionString() = 0;
    virtual _com_ptr_t<_Recordset> OpenSchema(SchemaEnum schema, const _variant_t& restrictions, const _variant_t& schemaId) = 0;
    // Seconds a statement may run before it is stopped with "Query timeout expired"
    // (DB_E_ABORTLIMITREACHED); 0 waits for ever. ADO's default is 30.
    virtual void PutCommandTimeout(long seconds) = 0;
    // Not ADO: the engine's own guards against a runaway result. A statement whose result
    // passes either fails (DB_E_ABORTLIMITREACHED) instead of being cut short, so no caller
    // mistakes part of a result for all of it. 0 means no limit (the default).
    virtual void PutRowLimit(long long rows) = 0;
    // The memory limit also bounds what a statement works on (what it sorts, texts it builds).
    virtual void PutResultMemoryLimit(long long bytes) = 0;
    // Cells (rows times columns) one result may hold: a result becomes one table.
    virtual void PutCellLimit(long long cells) = 0;
    // Not ADO either: asked a few times a second while a statement runs; true stops it with
    // "Operation canceled" (DB_E_CANCELED), as the user's Escape or ^C does. Empty: none.
    virtual void PutCancelCheck(std::function<bool()> cancelled) = 0;
    // Not ADO: the character that quotes a name in the open source's SQL ("`" for Access,
    // "\"" for most servers), as ODBC's SQL_IDENTIFIER_QUOTE_CHAR tells it.
    virtual _bstr_t GetIdentifierQuote() = 0;
    // Not ADO: the sources beyond a file that the user trusts (provider/SourceName.h). A table
    // that the open source reads from such a source (an Access table linked through ODBC) is
    // read only when its source is one of them. Taken at the next Open.
    virtual void PutTrustedSources(const std::vector<std::wstring>& sources) = 0;
};

class _Recordset : public IUnknown {
public:
    virtual void PutCursorType(CursorTypeEnum type) = 0;
    virtual void PutCursorLocation(CursorLocationEnum location) = 0;
    // activeConnection: a variant holding the connection object (VT_DISPATCH/VT_UNKNOWN).
    virtual HRESULT Open(const _variant_t& source, const _variant_t& activeConnection, CursorTypeEnum cursorType, LockTypeEnum lockType,
                         long options) = 0;
    virtual HRESULT Close() = 0;
    virtual long GetState() = 0;
    virtual VARIANT_BOOL GetadoEOF() = 0;
    virtual long GetRecordCount() = 0;
    virtual HRESULT MoveFirst() = 0;
    virtual HRESULT MoveNext() = 0;
    virtual void PutSort(const _bstr_t& criteria) = 0;
    virtual _com_ptr_t<Fields> GetFields() = 0;
};

template <>
struct ComInterfaceId<_Connection> {
    static constexpr const IID& value = IID__Connection;
};
template <>
struct ComInterfaceId<_Recordset> {
    static constexpr const IID& value = IID__Recordset;
};
template <>
struct ComInterfaceId<Fields> {
    static constexpr const IID& value = IID_Fields;
};
template <>
struct ComInterfaceId<Field> {
    static constexpr const IID& value = IID_Field;
};

using _ConnectionPtr = _com_ptr_t<_Connection>;
using _RecordsetPtr = _com_ptr_t<_Recordset>;
using FieldsPtr = _com_ptr_t<Fields>;
using FieldPtr = _com_ptr_t<Field>;
