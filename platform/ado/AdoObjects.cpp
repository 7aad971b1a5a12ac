#include "ado/Ado.h"

#include <algorithm>
#include <memory>
#include <numeric>
#include <vector>

#include "ado/Providers.h"
#include "mfc/String.h"
#include "provider/ComponentErrors.h"

namespace platform::ado {
namespace {

using provider::ResultSet;
using provider::RaiseInvalidConnection;
using provider::RaiseItemNotFound;
using provider::RaiseNoCurrentRecord;
using provider::RaiseObjectClosed;

template <class Interface>
class ComObject : public Interface {
public:
    HRESULT QueryInterface(REFIID riid, void** object) override {
        if (!object) return E_POINTER;
        if (riid == IID_IUnknown || riid == IID_IDispatch || riid == __uuidof(Interface)) {
            *object = static_cast<Interface*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG AddRef() override { return m_refs.AddRefImpl(); }
    ULONG Release() override {
        const ULONG left = m_refs.ReleaseImpl();
        if (left == 0) delete this;
        return left;
    }

private:
    ComObjectBase m_refs;
};

// The rows of one open recordset and the cursor over them; shared with its fields. A client
// cursor holds the whole result; a forward-only cursor on the server side holds one row, read
// from the provider as the cursor moves.
struct Cursor {
    std::shared_ptr<const ResultSet> rows;
    std::vector<size_t> order;  // row numbers in the current sort order
    size_t position = 0;        // index into order; order.size() is past the last row
    bool open = true;

    std::unique_ptr<provider::Cursor> stream;
    std::vector<_variant_t> current;  // the stream's current row
    bool streamEnd = false;
    bool streamMoved = false;

    const std::vector<provider::ResultColumn>& Columns() const { return stream ? stream->Columns() : rows->columns; }
    const _variant_t& Cell(size_t column) const { return stream ? current[column] : rows->At(order[position], column); }
    bool AtEnd() const { return stream ? streamEnd : position >= order.size(); }
    void Advance() {
        if (!stream) {
            ++position;
            return;
        }
        streamMoved = true;
        streamEnd = !stream->Next(current.data());
    }
};

class FieldObject : public ComObject<Field> {
public:
    FieldObject(std::shared_ptr<Cursor> cursor, size_t column) : m_cursor(std::move(cursor)), m_column(column) {}

    _bstr_t GetName() override { return _bstr_t(Column().name); }
    DataTypeEnum GetType() override { return Column().type; }
    long GetDefinedSize() override { return Column().definedSize; }
    long GetAttributes() override { return Column().attributes; }
    long GetActualSize() override {
        const _variant_t& v = Current();
        switch (v.vt) {
        case VT_NULL: return 0;
        case VT_BSTR: return static_cast<long>(SysStringLen(v.bstrVal) * 2);
        case VT_ARRAY | VT_UI1: return static_cast<long>(v.parray->rgsabound[0].cElements);
        default: return Column().definedSize;
        }
    }
    _variant_t GetValue() override { return Current(); }

private:
    const provider::ResultColumn& Column() const {
        if (!m_cursor->open) RaiseObjectClosed(L"ADODB.Field");
        return m_cursor->Columns()[m_column];
    }
    const _variant_t& Current() const {
        Column();
        if (m_cursor->AtEnd()) RaiseNoCurrentRecord(L"ADODB.Field");
        return m_cursor->Cell(m_column);
    }

    std::shared_ptr<Cursor> m_cursor;
    size_t m_column;
};

class FieldsObject : public ComObject<Fields> {
public:
    explicit FieldsObject(std::shared_ptr<Cursor> cursor) : m_cursor(std::move(cursor)) {
        for (size_t c = 0; c < m_cursor->Columns().size(); ++c) m_fields.emplace_back(new FieldObject(m_cursor, c), false);
    }
    long GetCount() override { return static_cast<long>(m_fields.size()); }
    FieldPtr GetItem(const _variant_t& index) override {
        if (!m_cursor->open) RaiseObjectClosed(L"ADODB.Fields");
        long position = -1;
        switch (index.vt) {
        case VT_I2: position = index.iVal; break;
        case VT_I4: position = index.lVal; break;
        case VT_UI1: position = index.bVal; break;
        case VT_INT: position = index.intVal; break;
        case VT_BSTR: {
            const auto& columns = m_cursor->Columns();
            for (size_t c = 0; c < columns.size() && position < 0; ++c)
                if (platform::CompareNoCase(columns[c].name, std::wstring_view(index.bstrVal, SysStringLen(index.bstrVal))) == 0)
                    position = static_cast<long>(c);
            break;
        }
        default: break;
        }
        if (position < 0 || position >= static_cast<long>(m_fields.size())) RaiseItemNotFound(L"ADODB.Fields");
        return m_fields[static_cast<size_t>(position)];
    }

private:
    std::shared_ptr<Cursor> m_cursor;
    std::vector<FieldPtr> m_fields;
};

class ConnectionObject;

class RecordsetObject : public ComObject<_Recordset> {
public:
    void PutCursorType(CursorTypeEnum type) override {
        if (m_cursor) RaiseObjectOpen();
        m_cursorType = type;
    }
    void PutCursorLocation(CursorLocationEnum location) override {
        if (m_cursor) RaiseObjectOpen();
        m_location = location;
    }

    HRESULT Open(const _variant_t& source, const _variant_t& activeConnection, CursorTypeEnum cursorType, LockTypeEnum lockType,
                 long options) override;
    HRESULT Close() override {
        if (!m_cursor) RaiseObjectClosed(L"ADODB.Recordset");
        m_cursor->open = false;
        m_cursor.reset();
        m_fields = nullptr;
        return S_OK;
    }
    long GetState() override { return m_cursor ? adStateOpen : adStateClosed; }
    VARIANT_BOOL GetadoEOF() override { return Open_().AtEnd() ? VARIANT_TRUE : VARIANT_FALSE; }
    long GetRecordCount() override {
        const Cursor& cursor = Open_();
        // A forward-only cursor does not know its count in advance.
        if (cursor.stream || (m_cursorType == adOpenForwardOnly && m_location != adUseClient)) return -1;
        return static_cast<long>(cursor.order.size());
    }
    HRESULT MoveFirst() override {
        Cursor& cursor = Open_();
        if (cursor.stream && cursor.streamMoved)
            _com_issue_errorex(DB_E_CANTFETCHBACKWARDS, L"Microsoft OLE DB Provider for ODBC Drivers", L"Rowset does not support fetching backward.");
        cursor.position = 0;
        return S_OK;
    }
    HRESULT MoveNext() override {
        Cursor& cursor = Open_();
        if (cursor.AtEnd()) RaiseNoCurrentRecord(L"ADODB.Recordset");
        cursor.Advance();
        return S_OK;
    }
    void PutSort(const _bstr_t& criteria) override;
    FieldsPtr GetFields() override {
        Open_();
        return m_fields;
    }

    // Opens over a provider's cursor: one row at a time, the first read at once.
    void OpenStream(std::unique_ptr<provider::Cursor> stream) {
        auto cursor = std::make_shared<Cursor>();
        cursor->stream = std::move(stream);
        cursor->current.resize(cursor->stream->Columns().size());
        cursor->streamEnd = !cursor->stream->Next(cursor->current.data());
        m_cursor = std::move(cursor);
        m_fields = FieldsPtr(new FieldsObject(m_cursor), false);
    }

    // Opens over rows already produced (the schema listing).
    void OpenOver(ResultSet rows) {
        m_cursor = std::make_shared<Cursor>();
        m_cursor->rows = std::make_shared<const ResultSet>(std::move(rows));
        m_cursor->order.resize(m_cursor->rows->RowCount());
        std::iota(m_cursor->order.begin(), m_cursor->order.end(), size_t{0});
        m_fields = FieldsPtr(new FieldsObject(m_cursor), false);
    }

private:
    [[noreturn]] static void RaiseObjectOpen() {
        _com_issue_errorex(adErrObjectOpen, L"ADODB.Recordset", L"Operation is not allowed when the object is open.");
    }
    Cursor& Open_() {
        if (!m_cursor) RaiseObjectClosed(L"ADODB.Recordset");
        return *m_cursor;
    }

    CursorTypeEnum m_cursorType = adOpenForwardOnly;
    CursorLocationEnum m_location = adUseServer;
    std::shared_ptr<Cursor> m_cursor;
    FieldsPtr m_fields;
};

class ConnectionObject : public ComObject<_Connection> {
public:
    HRESULT Open(const _bstr_t& connectionString, const _bstr_t& userId, const _bstr_t& password, long options) override {
        if (m_database)
            _com_issue_errorex(adErrObjectOpen, L"ADODB.Connection", L"Operation is not allowed when the object is open.");
        m_database = OpenSession(connectionString.view(), m_trustedSources);
        m_connectionString.assign(connectionString.view());
        return S_OK;
    }
    HRESULT Close() override {
        if (!m_database) RaiseObjectClosed(L"ADODB.Connection");
        m_database.reset();
        return S_OK;
    }
    long GetState() override { return m_database ? adStateOpen : adStateClosed; }
    _bstr_t GetConnectionString() override { return _bstr_t(m_connectionString); }
    _RecordsetPtr OpenSchema(SchemaEnum schema, const _variant_t& restrictions, const _variant_t& schemaId) override {
        if (!m_database) RaiseObjectClosed(L"ADODB.Connection");
        if (schema != adSchemaTables)
            _com_issue_errorex(adErrFeatureNotAvailable, L"ADODB.Connection", L"Object or provider is not capable of performing requested operation.");
        auto* recordset = new RecordsetObject();
        recordset->OpenOver(m_database->Tables());
        return _RecordsetPtr(recordset, false);
    }

    void PutCommandTimeout(long seconds) override {
        if (seconds < 0) _com_issue_errorex(adErrInvalidArgument, L"ADODB.Connection", L"Arguments are of the wrong type, are out of acceptable range, or are in conflict with one another.");
        m_limits.seconds = seconds;
    }
    void PutRowLimit(long long rows) override { m_limits.rows = std::max(0LL, rows); }
    void PutResultMemoryLimit(long long bytes) override { m_limits.bytes = std::max(0LL, bytes); }
    void PutCellLimit(long long cells) override { m_limits.cells = std::max(0LL, cells); }
    void PutCancelCheck(std::function<bool()> cancelled) override { m_limits.cancelled = std::move(cancelled); }

    _bstr_t GetIdentifierQuote() override {
        if (!m_database) RaiseObjectClosed(L"ADODB.Connection");
        return _bstr_t(m_database->IdentifierQuote());
    }
    void PutTrustedSources(const std::vector<std::wstring>& sources) override { m_trustedSources = sources; }

    provider::Session& DatabaseOrRaise(const wchar_t* source) {
        if (!m_database) RaiseInvalidConnection(source);
        return *m_database;
    }
    const provider::StatementLimits& Limits() const { return m_limits; }

private:
    std::shared_ptr<provider::Session> m_database;
    provider::StatementLimits m_limits;
    std::wstring m_connectionString;
    std::vector<std::wstring> m_trustedSources;
};

HRESULT RecordsetObject::Open(const _variant_t& source, const _variant_t& activeConnection, CursorTypeEnum cursorType, LockTypeEnum lockType,
                              long options) {
    if (m_cursor) RaiseObjectOpen();
    ConnectionObject* connection = nullptr;
    if ((activeConnection.vt == VT_UNKNOWN || activeConnection.vt == VT_DISPATCH) && activeConnection.punkVal) {
        _Connection* raw = nullptr;
        if (SUCCEEDED(activeConnection.punkVal->QueryInterface(IID__Connection, reinterpret_cast<void**>(&raw))) && raw) {
            connection = static_cast<ConnectionObject*>(raw);
            raw->Release();  // the caller's variant keeps the object alive
        }
    }
    if (!connection) RaiseInvalidConnection(L"ADODB.Recordset");
    provider::Session& database = connection->DatabaseOrRaise(L"ADODB.Recordset");
    if (cursorType != adOpenUnspecified) m_cursorType = cursorType;
    std::wstring text = source.vt == VT_BSTR && source.bstrVal ? std::wstring(source.bstrVal, SysStringLen(source.bstrVal)) : std::wstring();
    if ((options & adCmdTable) && !text.empty()) {
        // A table by its name, quoted as the source quotes names.
        const std::wstring quote = database.IdentifierQuote();
        std::wstring name;
        for (wchar_t c : text) name += quote.size() == 1 && c == quote[0] ? quote + quote : std::wstring(1, c);
        text = L"SELECT * FROM " + quote + name + quote;
    }
    // A forward-only cursor on the server side reads as it goes and holds no result.
    if (m_cursorType == adOpenForwardOnly && m_location == adUseServer) OpenStream(database.Stream(text, connection->Limits()));
    else OpenOver(database.Query(text, connection->Limits()));
    return S_OK;
}

// Sort criteria: "Field [ASC|DESC], ..." over the rows in memory; empty restores the
// original order.
void RecordsetObject::PutSort(const _bstr_t& criteria) {
    Cursor& cursor = Open_();
    if (cursor.stream) {
        // Nothing to sort: the rows are not held. Clearing the sort (as Close does) is no change.
        if (criteria.length() == 0) return;
        _com_issue_errorex(adErrFeatureNotAvailable, L"ADODB.Recordset", L"Object or provider is not capable of performing requested operation.");
    }
    std::wstring text(criteria.view());
    struct Key {
        size_t column;
        bool descending;
    };
    std::vector<Key> keys;
    int start = 0;
    const CString all(text);
    for (CString part = all.Tokenize(L",", start); start >= 0 && !part.IsEmpty(); part = all.Tokenize(L",", start)) {
        part.Trim();
        bool descending = false;
        const CString upper = CString(part).MakeUpper();
        if (upper.GetLength() > 5 && upper.Right(5) == L" DESC") {
            descending = true;
            part = part.Left(part.GetLength() - 5);
        } else if (upper.GetLength() > 4 && upper.Right(4) == L" ASC") {
            part = part.Left(part.GetLength() - 4);
        }
        part.Trim();
        part.Trim(L"[]");
        const auto& columns = cursor.rows->columns;
        size_t found = columns.size();
        for (size_t c = 0; c < columns.size(); ++c)
            if (platform::CompareNoCase(columns[c].name, part.str()) == 0) found = c;
        if (found == columns.size()) RaiseItemNotFound(L"ADODB.Recordset");
        keys.push_back({found, descending});
    }
    std::iota(cursor.order.begin(), cursor.order.end(), size_t{0});
    auto less = [&](const _variant_t& a, const _variant_t& b) {
        if (a.vt == VT_NULL || b.vt == VT_NULL) return a.vt == VT_NULL && b.vt != VT_NULL;
        if (a.vt == VT_BSTR && b.vt == VT_BSTR) return platform::CompareNoCase(a.bstrVal, b.bstrVal) < 0;
        auto number = [](const _variant_t& v) -> double {
            switch (v.vt) {
            case VT_BOOL: return v.boolVal;
            case VT_UI1: return v.bVal;
            case VT_I2: return v.iVal;
            case VT_I4: return v.lVal;
            case VT_I8: return static_cast<double>(v.llVal);
            case VT_R4: return v.fltVal;
            case VT_R8: return v.dblVal;
            case VT_DATE: return v.date;
            case VT_CY: return static_cast<double>(v.cyVal.int64) / 10000.0;
            default: return 0;
            }
        };
        return number(a) < number(b);
    };
    std::stable_sort(cursor.order.begin(), cursor.order.end(), [&](size_t x, size_t y) {
        for (const Key& key : keys) {
            const _variant_t& a = cursor.rows->At(x, key.column);
            const _variant_t& b = cursor.rows->At(y, key.column);
            if (less(a, b)) return !key.descending;
            if (less(b, a)) return key.descending;
        }
        return false;
    });
    cursor.position = 0;
}

}  // namespace

// The component's two creatable classes, registered when the library loads.
const bool s_registered = platform::RegisterClassFactory(CLSID_Connection, [] () -> IUnknown* { return new ConnectionObject(); }) &&
                          platform::RegisterClassFactory(CLSID_Recordset, [] () -> IUnknown* { return new RecordsetObject(); });

}  // namespace platform::ado
