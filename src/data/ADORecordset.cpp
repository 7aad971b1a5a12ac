#include "data/ADORecordset.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <cwchar>

#include "editor/Alert.h"
#include "win/LocaleCurrency.h"
#include "data/ADOError.h"
#include "data/QueryLimits.h"

CADORecordset::CADORecordset(CADODatabase& database) {
    IUnknown* unknown = nullptr;
    if (SUCCEEDED(::CoCreateInstance(CLSID_Recordset, nullptr, CLSCTX_ALL, IID_IUnknown, reinterpret_cast<void**>(&unknown))) && unknown) {
        if (SUCCEEDED(::OleRun(unknown))) {
            _Recordset* recordset = nullptr;
            if (SUCCEEDED(unknown->QueryInterface(__uuidof(_Recordset), reinterpret_cast<void**>(&recordset))) && recordset)
                m_pRecordset.Attach(recordset);
        }
        unknown->Release();
    }
    m_pConnection = database.GetActiveConnection();
}

CADORecordset::~CADORecordset() {
    try {
        Close();
    } catch (const _com_error&) {
        // Nothing to report from a destructor; the references are released regardless.
    }
    m_pRecordset = nullptr;
    m_pConnection = nullptr;
    m_strQuery.Empty();
    m_strLastError.Empty();
}

bool CADORecordset::Open(LPCTSTR source) { return OpenWith(source, adOpenStatic, adUseClient, adLockOptimistic); }

bool CADORecordset::OpenForwardOnly(LPCTSTR source) { return OpenWith(source, adOpenForwardOnly, adUseServer, adLockReadOnly); }

bool CADORecordset::OpenWith(LPCTSTR source, CursorTypeEnum cursorType, CursorLocationEnum location, LockTypeEnum lock) {
    if (IsOpen()) Close();
    m_fieldCache.clear();
    if (source && *source) m_strQuery = source;
    m_strQuery.TrimLeft();
    try {
        if (m_pConnection) {
            const CQueryLimits limits = GetQueryLimits();
            m_pConnection->PutCommandTimeout(limits.m_nTimeLimitSeconds);
            m_pConnection->PutRowLimit(limits.m_nRowLimit);
            m_pConnection->PutResultMemoryLimit(limits.m_nMemoryLimitBytes);
            m_pConnection->PutCellLimit(limits.m_nCellLimit);
            ForgetUnscopedBreak();
            m_pConnection->PutCancelCheck(&UserBreakRequested);
        }
        m_pRecordset->PutCursorType(cursorType);
        m_pRecordset->PutCursorLocation(location);
        m_pRecordset->Open(_variant_t(m_strQuery.GetString()), _variant_t(static_cast<IUnknown*>(m_pConnection.GetInterfacePtr())), cursorType,
                           lock, adCmdText);
        return m_pRecordset != nullptr && m_pRecordset->GetState() != adStateClosed;
    } catch (const _com_error& e) {
        // The user's own break is no error to show; the command that was stopped says so.
        if (e.Error() == DB_E_CANCELED) m_strLastError = L"Query = " + m_strQuery + L"\n" + CString(static_cast<const wchar_t*>(e.Description()));
        else dump_com_error(e);
        return false;
    }
}

bool CADORecordset::OpenSchema(int schema, LPCTSTR schemaId) {
    m_fieldCache.clear();
    try {
        const _variant_t missing = _variant_t::Missing();
        const _variant_t id = (schemaId && *schemaId) ? _variant_t(schemaId) : missing;
        m_pRecordset = m_pConnection->OpenSchema(static_cast<SchemaEnum>(schema), missing, id);
        return true;
    } catch (const _com_error& e) {
        dump_com_error(e);
        return false;
    }
}

void CADORecordset::Close() {
    m_fieldCache.clear();
    if (IsOpen()) {
        m_pRecordset->PutSort(_bstr_t(L""));
        m_pRecordset->Close();
    }
}

bool CADORecordset::IsOpen() {
    if (!m_pRecordset || !m_pConnection) return false;
    if (m_pConnection->GetState() == adStateClosed) return false;
    return m_pRecordset->GetState() != adStateClosed;
}

LONG CADORecordset::GetRecordCount() {
    const LONG count = m_pRecordset->GetRecordCount();
    if (count != -1) return count;
    LONG walked = 0;
    if (m_pRecordset->GetadoEOF() != VARIANT_TRUE) m_pRecordset->MoveFirst();
    while (m_pRecordset->GetadoEOF() != VARIANT_TRUE) {
        ++walked;
        m_pRecordset->MoveNext();
    }
    if (walked > 0) m_pRecordset->MoveFirst();
    return walked;
}

int CADORecordset::GetFieldCount() { return static_cast<int>(m_pRecordset->GetFields()->GetCount()); }

bool CADORecordset::GetFieldInfo(int index, CADOFieldInfo* info) {
    FieldPtr field = m_pRecordset->GetFields()->GetItem(_variant_t(static_cast<short>(index)));
    const _bstr_t name = field->GetName();
    std::wcsncpy(info->m_strName, name ? static_cast<const wchar_t*>(name) : L"", 64);
    info->m_strName[64] = 0;
    info->m_lDefinedSize = field->GetDefinedSize();
    info->m_nType = static_cast<SHORT>(field->GetType());
    info->m_lAttributes = field->GetAttributes();
    if (m_pRecordset->GetadoEOF() != VARIANT_TRUE) info->m_lSize = field->GetActualSize();
    return true;
}

bool CADORecordset::GetFieldValue(int index, CString& value, CString dateFormat) {
    Field* field = nullptr;
    try {
        field = CachedField(index);
    } catch (const _com_error& e) {
        dump_com_error(e);
        return false;
    }
    if (!field) return GetFieldValue(_variant_t(static_cast<short>(index)), value, dateFormat);
    try {
        const _variant_t fieldValue = field->GetValue();
        return FormatFieldValue(fieldValue, value, dateFormat);
    } catch (const _com_error& e) {
        dump_com_error(e);
        return false;
    }
}

Field* CADORecordset::CachedField(int index) {
    if (m_fieldCache.empty() && m_pRecordset) {
        FieldsPtr fields = m_pRecordset->GetFields();
        const long count = fields->GetCount();
        for (long i = 0; i < count; ++i) m_fieldCache.push_back(fields->GetItem(_variant_t(static_cast<short>(i))));
    }
    if (index < 0 || static_cast<size_t>(index) >= m_fieldCache.size()) return nullptr;
    return m_fieldCache[static_cast<size_t>(index)].GetInterfacePtr();
}

bool CADORecordset::GetFieldValue(LPCTSTR name, CString& value, CString dateFormat) {
    return GetFieldValue(_variant_t(name), value, dateFormat);
}

bool CADORecordset::GetFieldValue(const _variant_t& index, CString& value, const CString& dateFormat) {
    _variant_t fieldValue;
    try {
        fieldValue = m_pRecordset->GetFields()->GetItem(index)->GetValue();
    } catch (const _com_error& e) {
        dump_com_error(e);
        return false;
    }
    return FormatFieldValue(fieldValue, value, dateFormat);
}

namespace {

// Number texts are ASCII: formatted narrow, widened character by character into the text,
// whose storage is kept from one value to the next.
void SetWidened(CString& text, const char* narrow, size_t length) {
    wchar_t wide[512];
    length = std::min(length, sizeof wide / sizeof wide[0]);
    for (size_t i = 0; i < length; ++i) wide[i] = static_cast<wchar_t>(static_cast<unsigned char>(narrow[i]));
    text.SetString(wide, static_cast<int>(length));
}

void SetPrinted(CString& text, const char* format, ...) {
    char buffer[512];
    va_list args;
    va_start(args, format);
    const int length = std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    SetWidened(text, buffer, length < 0 ? 0 : std::min(static_cast<size_t>(length), sizeof buffer - 1));
}

template <class Integer>
void SetDecimal(CString& text, Integer value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    SetWidened(text, buffer, static_cast<size_t>(result.ptr - buffer));
}

// "%g" of a value from 1e-4 to below 1e6 whose rounding to six digits is clear, the common
// case, without the general conversion (several times slower): false for any other value.
bool ShortGeneral(double value, char* out, size_t& length) {
    static constexpr double kPowers[] = {1e-4, 1e-3, 1e-2, 1e-1, 1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6};
    static constexpr double kScales[] = {1e9, 1e8, 1e7, 1e6, 1e5, 1e4, 1e3, 1e2, 1e1, 1e0};
    const double magnitude = value < 0 ? -value : value;
    if (!(magnitude >= 1e-4 && magnitude < 1e6)) return false;
    int exponent = -4;  // of the leading digit: kPowers[exponent + 4] <= magnitude
    while (magnitude >= kPowers[exponent + 5]) ++exponent;
    // Six digits before the point; the product is off by far less than the margin kept from
    // a half, so the rounding is the exact value's.
    const double scaled = magnitude * kScales[exponent + 4];
    const double whole = std::floor(scaled);
    const double fraction = scaled - whole;
    if (fraction > 0.5 - 1e-6 && fraction < 0.5 + 1e-6) return false;
    long digits = static_cast<long>(whole) + (fraction > 0.5 ? 1 : 0);
    if (digits < 100000 || digits >= 1000000) return false;  // a power of ten on the edge, or a carry
    char six[6];
    for (int i = 5; i >= 0; --i, digits /= 10) six[i] = static_cast<char>('0' + digits % 10);
    int significant = 6;
    while (significant > 1 && six[significant - 1] == '0') --significant;
    char* p = out;
    if (value < 0) *p++ = '-';
    if (exponent >= 0) {
        for (int i = 0; i <= exponent; ++i) *p++ = six[i];
        if (significant > exponent + 1) *p++ = '.';
        for (int i = exponent + 1; i < significant; ++i) *p++ = six[i];
    } else {
        *p++ = '0';
        *p++ = '.';
        for (int i = 0; i < -exponent - 1; ++i) *p++ = '0';
        for (int i = 0; i < significant; ++i) *p++ = six[i];
    }
    length = static_cast<size_t>(p - out);
    return true;
}

// "%g": six significant digits, exponent form below 1e-4 or from 1e6 on.
void SetGeneral(CString& text, double value) {
    char buffer[64];
    if (size_t length = 0; ShortGeneral(value, buffer, length)) return SetWidened(text, buffer, length);
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 6);
    if (result.ec != std::errc()) return SetPrinted(text, "%g", value);
    SetWidened(text, buffer, static_cast<size_t>(result.ptr - buffer));
}

// "%Y-%m-%d %H:%M:%S" written directly: the format of every cell of a date column, so worth
// the few lines (wcsftime gives the same text: %Y without padding, the rest two digits).
void SetDefaultDateText(CString& text, const UDATE& udate) {
    wchar_t buffer[32];
    wchar_t* p = buffer;
    char year[8];
    const auto written = std::to_chars(year, year + sizeof year, static_cast<unsigned>(udate.st.wYear));
    for (const char* c = year; c < written.ptr; ++c) *p++ = static_cast<wchar_t>(*c);
    auto two = [&p](wchar_t separator, unsigned value) {
        *p++ = separator;
        *p++ = static_cast<wchar_t>(L'0' + value / 10 % 10);
        *p++ = static_cast<wchar_t>(L'0' + value % 10);
    };
    two(L'-', udate.st.wMonth);
    two(L'-', udate.st.wDay);
    two(L' ', udate.st.wHour);
    two(L':', udate.st.wMinute);
    two(L':', udate.st.wSecond);
    text.SetString(buffer, static_cast<int>(p - buffer));
}

void SetDateText(CString& text, DATE date, const CString& dateFormat) {
    UDATE udate{};
    if (FAILED(::VarUdateFromDate(date, 0, &udate))) return text.SetString(L"Invalid DateTime");
    if (dateFormat.IsEmpty()) return SetDefaultDateText(text, udate);
    std::tm tm{};
    tm.tm_year = udate.st.wYear - 1900;
    tm.tm_mon = udate.st.wMonth - 1;
    tm.tm_mday = udate.st.wDay;
    tm.tm_hour = udate.st.wHour;
    tm.tm_min = udate.st.wMinute;
    tm.tm_sec = udate.st.wSecond;
    tm.tm_wday = udate.st.wDayOfWeek;
    tm.tm_yday = udate.wDayOfYear - 1;
    tm.tm_isdst = -1;
    wchar_t buffer[256];
    const size_t length = std::wcsftime(buffer, 256, dateFormat.GetString(), &tm);
    text.SetString(buffer, static_cast<int>(length));
}

}  // namespace

bool CADORecordset::FormatFieldValue(const _variant_t& value, CString& text, const CString& dateFormat) {
    switch (value.vt) {
    case VT_EMPTY:
    case VT_NULL: text.Empty(); return true;
    case VT_I2: SetDecimal(text, static_cast<int>(value.iVal)); return true;
    case VT_INT: SetDecimal(text, value.intVal); return true;
    case VT_UI1: SetDecimal(text, static_cast<unsigned>(value.bVal)); return true;
    case VT_I4: SetDecimal(text, static_cast<long>(value.lVal)); return true;
    case VT_UI4: SetDecimal(text, static_cast<unsigned long>(value.ulVal)); return true;
    // Integer types the component may also hand over: written in decimal like the others.
    case VT_I1: SetDecimal(text, static_cast<int>(static_cast<signed char>(value.cVal))); return true;
    case VT_UI2: SetDecimal(text, static_cast<unsigned>(value.uiVal)); return true;
    case VT_UINT: SetDecimal(text, value.uintVal); return true;
    case VT_I8: SetDecimal(text, static_cast<long long>(value.llVal)); return true;
    case VT_UI8: SetDecimal(text, static_cast<unsigned long long>(value.ullVal)); return true;
    case VT_R4: SetGeneral(text, static_cast<double>(value.fltVal)); return true;
    case VT_R8: SetGeneral(text, value.dblVal); return true;
    case VT_DECIMAL: {
        const DECIMAL& dec = value.decVal;
        double number = (static_cast<double>(dec.Hi32) * 4294967296.0 + static_cast<double>(dec.Mid32)) * 4294967296.0 + static_cast<double>(dec.Lo32);
        for (int i = 0; i < dec.scale; ++i) number /= 10.0;
        if (dec.sign == DECIMAL_NEG) number = -number;
        SetGeneral(text, number);
        return true;
    }
    case VT_CY: {
        CString amount;
        SetPrinted(amount, "%f", static_cast<double>(value.cyVal.int64) / 10000.0);
        const std::wstring formatted = platform::FormatLocaleCurrency(amount);
        text = formatted.empty() || formatted.size() > 63 ? amount : CString(formatted);
        return true;
    }
    case VT_DATE: SetDateText(text, value.date, dateFormat); return true;
    case VT_BSTR: text.SetString(value.bstrVal, static_cast<int>(SysStringLen(value.bstrVal))); return true;
    case VT_BOOL: text.SetString(value.boolVal == VARIANT_TRUE ? L"T" : L"F"); return true;
    default: return false;
    }
}

bool CADORecordset::IsEof() { return m_pRecordset->GetadoEOF() == VARIANT_TRUE; }
void CADORecordset::MoveFirst() { m_pRecordset->MoveFirst(); }
void CADORecordset::MoveNext() { m_pRecordset->MoveNext(); }

void CADORecordset::dump_com_error(const _com_error& e) {
    m_strLastError = L"Query = " + m_strQuery + L"\n" + FormatComErrorBody(L"CADORecordset Error", e);
    acedAlert(m_strLastError);
}
