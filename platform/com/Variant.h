#pragma once
// VARIANT and _variant_t: the typed values the component hands over, with the scalar
// types they hold (CY, DECIMAL, DATE) and byte arrays (SAFEARRAY of VT_UI1).
#include <cstdint>
#include <string_view>
#include <vector>

#include "com/Bstr.h"
#include "com/ComBase.h"

using VARTYPE = std::uint16_t;
enum VARENUM : VARTYPE {
    VT_EMPTY = 0,
    VT_NULL = 1,
    VT_I2 = 2,
    VT_I4 = 3,
    VT_R4 = 4,
    VT_R8 = 5,
    VT_CY = 6,
    VT_DATE = 7,
    VT_BSTR = 8,
    VT_DISPATCH = 9,
    VT_ERROR = 10,
    VT_BOOL = 11,
    VT_VARIANT = 12,
    VT_UNKNOWN = 13,
    VT_DECIMAL = 14,
    VT_I1 = 16,
    VT_UI1 = 17,
    VT_UI2 = 18,
    VT_UI4 = 19,
    VT_I8 = 20,
    VT_UI8 = 21,
    VT_INT = 22,
    VT_UINT = 23,
    VT_ARRAY = 0x2000,
};

// Currency: a 64-bit integer holding the value times 10,000.
union CY {
    struct {
        std::uint32_t Lo;
        std::int32_t Hi;
    };
    std::int64_t int64;
};

// A 96-bit unsigned integer with a power-of-ten scale and a sign byte (0x80 negative).
struct DECIMAL {
    std::uint16_t wReserved;
    BYTE scale;
    BYTE sign;
    std::uint32_t Hi32;
    std::uint32_t Lo32;
    std::uint32_t Mid32;
};
constexpr BYTE DECIMAL_NEG = 0x80;

// Days since 1899-12-30; the fraction is the time of day (its magnitude for negative days).
using DATE = double;

struct SAFEARRAYBOUND {
    ULONG cElements;
    LONG lLbound;
};
struct SAFEARRAY {
    USHORT cDims;
    USHORT fFeatures;
    ULONG cbElements;
    ULONG cLocks;
    void* pvData;
    SAFEARRAYBOUND rgsabound[1];
};
SAFEARRAY* SafeArrayCreateVector(VARTYPE vt, LONG lowerBound, ULONG elements);
HRESULT SafeArrayDestroy(SAFEARRAY* array);

struct VARIANT {
    VARTYPE vt;
    WORD wReserved1;
    WORD wReserved2;
    WORD wReserved3;
    union {
        std::int64_t llVal;
        std::uint64_t ullVal;
        LONG lVal;
        BYTE bVal;
        SHORT iVal;
        float fltVal;
        double dblVal;
        VARIANT_BOOL boolVal;
        HRESULT scode;
        CY cyVal;
        DATE date;
        BSTR bstrVal;
        IUnknown* punkVal;
        SAFEARRAY* parray;
        char cVal;
        USHORT uiVal;
        ULONG ulVal;
        INT intVal;
        UINT uintVal;
        DECIMAL decVal;
    };
};
using VARIANTARG = VARIANT;

inline void VariantInit(VARIANT* v) {
    *v = VARIANT{};
    v->vt = VT_EMPTY;
}
HRESULT VariantClear(VARIANT* v);
HRESULT VariantCopy(VARIANT* dest, const VARIANT* source);

class _variant_t : public VARIANT {
public:
    _variant_t() { VariantInit(this); }
    _variant_t(const VARIANT& v) {
        VariantInit(this);
        VariantCopy(this, &v);
    }
    _variant_t(const _variant_t& v) : _variant_t(static_cast<const VARIANT&>(v)) {}
    _variant_t(_variant_t&& v) noexcept : VARIANT(v) { VariantInit(&v); }
    // Integers and reals with the framework's default types; vt picks VT_I2/VT_I4/VT_ERROR/VT_BOOL.
    _variant_t(short value, VARTYPE vt = VT_I2);
    _variant_t(long value, VARTYPE vt = VT_I4);
    _variant_t(int value, VARTYPE vt = VT_I4) : _variant_t(static_cast<long>(value), vt) {}
    _variant_t(float value);
    _variant_t(double value, VARTYPE vt = VT_R8);
    _variant_t(const CY& value);
    _variant_t(const DECIMAL& value);
    _variant_t(bool value);
    _variant_t(BYTE value);
    _variant_t(long long value);  // VT_I8 (a long is VT_I4, as on the platform)
    _variant_t(unsigned long long value);  // VT_UI8
    _variant_t(const wchar_t* text);
    _variant_t(const _bstr_t& text);
    _variant_t(std::wstring_view text);
    _variant_t(const char* utf8);
    // An object reference (VT_UNKNOWN); takes a reference of its own when addRef is true.
    _variant_t(IUnknown* object, bool addRef = true);
    ~_variant_t() { VariantClear(this); }

    _variant_t& operator=(const _variant_t& v);
    _variant_t& operator=(_variant_t&& v) noexcept;
    void Clear() { VariantClear(this); }

    static _variant_t Null();
    // A byte array (VT_ARRAY | VT_UI1).
    static _variant_t Bytes(const void* data, size_t size);
    // The value of an omitted argument: VT_ERROR holding DISP_E_PARAMNOTFOUND.
    static _variant_t Missing();
};

// Calendar fields of a DATE.
struct SYSTEMTIME {
    WORD wYear;
    WORD wMonth;
    WORD wDayOfWeek;
    WORD wDay;
    WORD wHour;
    WORD wMinute;
    WORD wSecond;
    WORD wMilliseconds;
};
struct UDATE {
    SYSTEMTIME st;
    USHORT wDayOfYear;
};
// S_OK, or E_INVALIDARG for a date outside years 100 to 9999 (or not a number).
HRESULT VarUdateFromDate(DATE date, ULONG flags, UDATE* udate);
HRESULT VarDateFromUdate(const UDATE* udate, ULONG flags, DATE* date);
