#include "com/Variant.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

#include "text/Utf8.h"

SAFEARRAY* SafeArrayCreateVector(VARTYPE vt, LONG lowerBound, ULONG elements) {
    if (vt != VT_UI1) return nullptr;  // byte arrays are the only arrays handed over
    auto* array = static_cast<SAFEARRAY*>(std::calloc(1, sizeof(SAFEARRAY)));
    if (!array) return nullptr;
    array->cDims = 1;
    array->cbElements = 1;
    array->rgsabound[0] = {elements, lowerBound};
    array->pvData = std::malloc(elements ? elements : 1);
    if (!array->pvData) {
        std::free(array);
        return nullptr;
    }
    return array;
}

HRESULT SafeArrayDestroy(SAFEARRAY* array) {
    if (array) {
        std::free(array->pvData);
        std::free(array);
    }
    return S_OK;
}

HRESULT VariantClear(VARIANT* v) {
    if (!v) return E_INVALIDARG;
    if (v->vt == VT_BSTR) SysFreeString(v->bstrVal);
    else if (v->vt & VT_ARRAY) SafeArrayDestroy(v->parray);
    else if ((v->vt == VT_UNKNOWN || v->vt == VT_DISPATCH) && v->punkVal) v->punkVal->Release();
    VariantInit(v);
    return S_OK;
}

HRESULT VariantCopy(VARIANT* dest, const VARIANT* source) {
    if (!dest || !source) return E_INVALIDARG;
    if (dest == source) return S_OK;
    VariantClear(dest);
    std::memcpy(dest, source, sizeof(VARIANT));
    if (source->vt == VT_BSTR) {
        dest->bstrVal = source->bstrVal ? SysAllocStringLen(source->bstrVal, SysStringLen(source->bstrVal)) : nullptr;
    } else if (source->vt & VT_ARRAY) {
        const SAFEARRAY* a = source->parray;
        dest->parray = a ? SafeArrayCreateVector(VT_UI1, a->rgsabound[0].lLbound, a->rgsabound[0].cElements) : nullptr;
        if (a && dest->parray) std::memcpy(dest->parray->pvData, a->pvData, a->rgsabound[0].cElements);
    } else if ((source->vt == VT_UNKNOWN || source->vt == VT_DISPATCH) && source->punkVal) {
        source->punkVal->AddRef();
    }
    return S_OK;
}

_variant_t::_variant_t(short value, VARTYPE vt) {
    VariantInit(this);
    if (vt == VT_BOOL) {
        this->vt = VT_BOOL;
        boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
    } else {
        this->vt = VT_I2;
        iVal = value;
    }
}

_variant_t::_variant_t(long value, VARTYPE vt) {
    VariantInit(this);
    if (vt == VT_ERROR) {
        this->vt = VT_ERROR;
        scode = static_cast<HRESULT>(value);
    } else if (vt == VT_BOOL) {
        this->vt = VT_BOOL;
        boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
    } else {
        this->vt = VT_I4;
        lVal = static_cast<LONG>(value);
    }
}

_variant_t::_variant_t(float value) {
    VariantInit(this);
    vt = VT_R4;
    fltVal = value;
}

_variant_t::_variant_t(double value, VARTYPE vt) {
    VariantInit(this);
    this->vt = (vt == VT_DATE) ? VT_DATE : VT_R8;
    dblVal = value;
}

_variant_t::_variant_t(const CY& value) {
    VariantInit(this);
    vt = VT_CY;
    cyVal = value;
}

_variant_t::_variant_t(const DECIMAL& value) {
    VariantInit(this);
    decVal = value;
    vt = VT_DECIMAL;
}

_variant_t::_variant_t(bool value) {
    VariantInit(this);
    vt = VT_BOOL;
    boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
}

_variant_t::_variant_t(BYTE value) {
    VariantInit(this);
    vt = VT_UI1;
    bVal = value;
}

_variant_t::_variant_t(long long value) {
    VariantInit(this);
    vt = VT_I8;
    llVal = value;
}

_variant_t::_variant_t(unsigned long long value) {
    VariantInit(this);
    vt = VT_UI8;
    ullVal = value;
}

_variant_t::_variant_t(const wchar_t* text) {
    VariantInit(this);
    vt = VT_BSTR;
    bstrVal = SysAllocString(text ? text : L"");
}

_variant_t::_variant_t(const _bstr_t& text) : _variant_t(text.view()) {}

_variant_t::_variant_t(std::wstring_view text) {
    VariantInit(this);
    vt = VT_BSTR;
    bstrVal = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
}

_variant_t::_variant_t(const char* utf8) : _variant_t(std::wstring_view(platform::FromUtf8(utf8 ? utf8 : ""))) {}

_variant_t::_variant_t(IUnknown* object, bool addRef) {
    VariantInit(this);
    vt = VT_UNKNOWN;
    punkVal = object;
    if (object && addRef) object->AddRef();
}

_variant_t& _variant_t::operator=(const _variant_t& v) {
    VariantCopy(this, &v);
    return *this;
}

_variant_t& _variant_t::operator=(_variant_t&& v) noexcept {
    if (this != &v) {
        VariantClear(this);
        std::memcpy(static_cast<VARIANT*>(this), static_cast<VARIANT*>(&v), sizeof(VARIANT));
        VariantInit(&v);
    }
    return *this;
}

_variant_t _variant_t::Null() {
    _variant_t v;
    v.vt = VT_NULL;
    return v;
}

_variant_t _variant_t::Bytes(const void* data, size_t size) {
    _variant_t v;
    v.parray = SafeArrayCreateVector(VT_UI1, 0, static_cast<ULONG>(size));
    if (v.parray) {
        v.vt = VT_ARRAY | VT_UI1;
        if (size) std::memcpy(v.parray->pvData, data, size);
    }
    return v;
}

_variant_t _variant_t::Missing() { return _variant_t(static_cast<long>(DISP_E_PARAMNOTFOUND), VT_ERROR); }

namespace {

// Days from 0000-03-01 based civil calendar (proleptic Gregorian).
std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

void CivilFromDays(std::int64_t z, std::int64_t& y, unsigned& m, unsigned& d) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    y = static_cast<std::int64_t>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = doy - (153 * mp + 2) / 5 + 1;
    m = mp < 10 ? mp + 3 : mp - 9;
    y += m <= 2;
}

const std::int64_t kOleEpoch = DaysFromCivil(1899, 12, 30);  // days since 1970-01-01
constexpr double kMinDate = -657434.0;                        // 0100-01-01
constexpr double kMaxDate = 2958465.99999999;                 // 9999-12-31 23:59:59

}  // namespace

HRESULT VarUdateFromDate(DATE date, ULONG flags, UDATE* udate) {
    if (!udate) return E_INVALIDARG;
    if (!(date >= kMinDate && date <= kMaxDate)) return E_INVALIDARG;
    // The whole part counts days; the fraction is the time of that day even for negative
    // dates (-1.25 is 1899-12-29 06:00). Times are rounded to the second.
    const double whole = std::trunc(date);
    const double fraction = std::fabs(date - whole);
    std::int64_t seconds = static_cast<std::int64_t>(whole) * 86400 + std::llround(fraction * 86400.0);
    const std::int64_t days = (seconds >= 0 ? seconds / 86400 : (seconds - 86399) / 86400);
    const std::int64_t timeOfDay = seconds - days * 86400;
    std::int64_t year;
    unsigned month, day;
    CivilFromDays(days + kOleEpoch, year, month, day);
    if (year < 100 || year > 9999) return E_INVALIDARG;
    udate->st.wYear = static_cast<WORD>(year);
    udate->st.wMonth = static_cast<WORD>(month);
    udate->st.wDay = static_cast<WORD>(day);
    udate->st.wHour = static_cast<WORD>(timeOfDay / 3600);
    udate->st.wMinute = static_cast<WORD>(timeOfDay / 60 % 60);
    udate->st.wSecond = static_cast<WORD>(timeOfDay % 60);
    udate->st.wMilliseconds = 0;
    const std::int64_t absolute = days + kOleEpoch;  // 1970-01-01 was a Thursday (4)
    udate->st.wDayOfWeek = static_cast<WORD>(((absolute % 7) + 11) % 7);
    udate->wDayOfYear = static_cast<USHORT>(absolute - DaysFromCivil(year, 1, 1) + 1);
    return S_OK;
}

HRESULT VarDateFromUdate(const UDATE* udate, ULONG flags, DATE* date) {
    if (!udate || !date) return E_INVALIDARG;
    const SYSTEMTIME& st = udate->st;
    if (st.wYear < 100 || st.wYear > 9999 || st.wMonth < 1 || st.wMonth > 12 || st.wDay < 1 || st.wDay > 31) return E_INVALIDARG;
    const double days = static_cast<double>(DaysFromCivil(st.wYear, st.wMonth, st.wDay) - kOleEpoch);
    const double time = (st.wHour * 3600.0 + st.wMinute * 60.0 + st.wSecond + st.wMilliseconds / 1000.0) / 86400.0;
    *date = days >= 0 ? days + time : days - time;
    return S_OK;
}
