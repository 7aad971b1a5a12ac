// COM basics: error texts, dates, variants, apartment calls, connect strings, host paths.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "ado/Ado.h"
#include "access/ConnectString.h"
#include "provider/ConnectString.h"
#include "win/HostPath.h"

TEST(ComError, ErrorMessageUsesSystemTextThenFallBacks) {
    struct Row {
        std::uint32_t code;
        const wchar_t* text;
    } rows[] = {
        {0x80004003u, L"Invalid pointer"},
        {0x80004005u, L"Unspecified error"},
        {0x80020004u, L"Parameter not found."},
        {0x80040E14u, L"IDispatch error #3092"},  // provider codes have no system text
        {0x80040E37u, L"IDispatch error #3127"},
        {0x80040201u, L"IDispatch error #1"},
        {0x8004FFFFu, L"IDispatch error #65023"},
        {0x80040200u, L"Unknown error 0x80040200"},
        {0x800A0CC1u, L"Unknown error 0x800A0CC1"},
        {0x800A0E78u, L"Unknown error 0x800A0E78"},
    };
    for (const auto& row : rows) EXPECT_STREQ(_com_error(static_cast<HRESULT>(row.code)).ErrorMessage(), row.text) << std::hex << row.code;
}

TEST(ComError, CarriesSourceAndDescription) {
    try {
        _com_issue_errorex(E_FAIL, L"Microsoft Access Database Engine", L"Could not find file 'x.mdb'.");
        FAIL() << "no exception";
    } catch (const _com_error& e) {
        EXPECT_EQ(e.Error(), E_FAIL);
        EXPECT_EQ(std::wstring(e.Source()), L"Microsoft Access Database Engine");
        EXPECT_EQ(std::wstring(e.Description()), L"Could not find file 'x.mdb'.");
    }
    const _com_error bare(E_POINTER);
    EXPECT_EQ(static_cast<const wchar_t*>(bare.Source()), nullptr);
}

TEST(VarUdateFromDate, CalendarFieldsOfOleDates) {
    struct Row {
        double date;
        int y, mo, d, h, mi, s, wday;
    } rows[] = {
        {0.0, 1899, 12, 30, 0, 0, 0, 6},
        {1.0, 1899, 12, 31, 0, 0, 0, 0},
        {2.5, 1900, 1, 1, 12, 0, 0, 1},
        {-1.25, 1899, 12, 29, 6, 0, 0, 5},  // the fraction is the time even before 1899-12-30
        {34654.0, 1994, 11, 16, 0, 0, 0, 3},
        {45356.0 + (14 * 3600 + 7 * 60 + 9) / 86400.0, 2024, 3, 5, 14, 7, 9, 2},
        {59.0, 1900, 2, 27, 0, 0, 0, 2},
        {60.0, 1900, 2, 28, 0, 0, 0, 3},  // no 29 February 1900
        {2958465.0, 9999, 12, 31, 0, 0, 0, 5},
        {-657434.0, 100, 1, 1, 0, 0, 0, 5},
        {0.99999999, 1899, 12, 31, 0, 0, 0, 0},  // rounds to the next midnight
    };
    for (const auto& row : rows) {
        UDATE u{};
        ASSERT_EQ(VarUdateFromDate(row.date, 0, &u), S_OK) << row.date;
        EXPECT_EQ(u.st.wYear, row.y) << row.date;
        EXPECT_EQ(u.st.wMonth, row.mo) << row.date;
        EXPECT_EQ(u.st.wDay, row.d) << row.date;
        EXPECT_EQ(u.st.wHour, row.h) << row.date;
        EXPECT_EQ(u.st.wMinute, row.mi) << row.date;
        EXPECT_EQ(u.st.wSecond, row.s) << row.date;
        EXPECT_EQ(u.st.wDayOfWeek, row.wday) << row.date;
        DATE back = 0;
        ASSERT_EQ(VarDateFromUdate(&u, 0, &back), S_OK);
        EXPECT_NEAR(back, row.date, 1.0 / 86400) << row.date;
    }
    UDATE u{};
    EXPECT_EQ(VarUdateFromDate(2958466.0, 0, &u), E_INVALIDARG);
    EXPECT_EQ(VarUdateFromDate(-657435.0, 0, &u), E_INVALIDARG);
    EXPECT_EQ(VarUdateFromDate(std::nan(""), 0, &u), E_INVALIDARG);
}

TEST(Variant, CopiesOwnTheirStringsAndArrays) {
    _variant_t text(L"Umsätze");
    _variant_t copy(text);
    ASSERT_EQ(copy.vt, VT_BSTR);
    EXPECT_NE(copy.bstrVal, text.bstrVal);
    EXPECT_EQ(std::wstring(copy.bstrVal), L"Umsätze");
    EXPECT_EQ(SysStringLen(copy.bstrVal), 7u);
    text.Clear();
    EXPECT_EQ(std::wstring(copy.bstrVal), L"Umsätze");

    const unsigned char bytes[] = {1, 2, 0, 255};
    _variant_t blob = _variant_t::Bytes(bytes, sizeof bytes);
    _variant_t blobCopy = blob;
    ASSERT_EQ(blobCopy.vt, VT_ARRAY | VT_UI1);
    EXPECT_NE(blobCopy.parray, blob.parray);
    EXPECT_EQ(blobCopy.parray->rgsabound[0].cElements, 4u);
    EXPECT_EQ(static_cast<unsigned char*>(blobCopy.parray->pvData)[3], 255);

    const _variant_t missing = _variant_t::Missing();
    EXPECT_EQ(missing.vt, VT_ERROR);
    EXPECT_EQ(missing.scode, DISP_E_PARAMNOTFOUND);
    EXPECT_EQ(_variant_t(5LL).vt, VT_I8);
    EXPECT_EQ(_variant_t(5L).vt, VT_I4);
}

TEST(Com, InitialisationIsCountedAndRequiredForCreation) {
    const int before = platform::ComInitCount();
    IUnknown* object = nullptr;
    if (before == 0) {
        EXPECT_EQ(CoCreateInstance(CLSID_Connection, nullptr, CLSCTX_ALL, IID_IUnknown, reinterpret_cast<void**>(&object)), CO_E_NOTINITIALIZED);
    }
    EXPECT_EQ(CoInitialize(nullptr), before == 0 ? S_OK : S_FALSE);
    EXPECT_EQ(CoInitialize(nullptr), S_FALSE);
    ASSERT_EQ(CoCreateInstance(CLSID_Connection, nullptr, CLSCTX_ALL, IID_IUnknown, reinterpret_cast<void**>(&object)), S_OK);
    EXPECT_EQ(OleRun(object), S_OK);
    _Connection* connection = nullptr;
    ASSERT_EQ(object->QueryInterface(IID__Connection, reinterpret_cast<void**>(&connection)), S_OK);
    _Recordset* wrong = nullptr;
    EXPECT_EQ(object->QueryInterface(IID__Recordset, reinterpret_cast<void**>(&wrong)), E_NOINTERFACE);
    EXPECT_EQ(connection->GetState(), adStateClosed);
    connection->Release();
    object->Release();

    const CLSID unknown = {0x12345678, 0, 0, {0, 0, 0, 0, 0, 0, 0, 0}};
    EXPECT_EQ(CoCreateInstance(unknown, nullptr, CLSCTX_ALL, IID_IUnknown, reinterpret_cast<void**>(&object)), REGDB_E_CLASSNOTREG);
    platform::SetClassRegistered(CLSID_Recordset, false);
    EXPECT_EQ(CoCreateInstance(CLSID_Recordset, nullptr, CLSCTX_ALL, IID_IUnknown, reinterpret_cast<void**>(&object)), REGDB_E_CLASSNOTREG);
    platform::SetClassRegistered(CLSID_Recordset, true);
    _RecordsetPtr recordset;
    EXPECT_EQ(recordset.CreateInstance(CLSID_Recordset), S_OK);
    CoUninitialize();
    CoUninitialize();
    EXPECT_EQ(platform::ComInitCount(), before);
}

TEST(ComPtr, CallingThroughAnEmptyReferenceRaisesEPointer) {
    _ConnectionPtr empty;
    try {
        empty->GetState();
        FAIL() << "no exception";
    } catch (const _com_error& e) {
        EXPECT_EQ(e.Error(), E_POINTER);
    }
}

TEST(ConnectString, PairsBracesAndCase) {
    const auto pairs = platform::provider::ParseConnectString(L"Driver={Microsoft Access Driver (*.mdb, *.accdb)};DBQ=C:\\a;b.mdb ; uid=admin;Pwd={p;w}};x};Data Source=\"a;\"\"b\"");
    ASSERT_EQ(pairs.size(), 5u);
    EXPECT_EQ(pairs[0].second, L"Microsoft Access Driver (*.mdb, *.accdb)");
    EXPECT_EQ(pairs[1].first, L"DBQ");
    EXPECT_EQ(pairs[1].second, L"C:\\a");  // without braces a ";" ends the value
    EXPECT_EQ(pairs[2].second, L"admin");
    EXPECT_EQ(pairs[3].second, L"p;w};x");  // in braces "}}" is a brace
    EXPECT_EQ(pairs[4].second, L"a;\"b");  // in quotes a doubled quote is a quote

    using platform::access::Route;
    EXPECT_EQ(platform::access::ResolveConnectString(L"Provider=microsoft.ace.oledb.12.0;Data Source=x.accdb;").route, Route::AceOleDb);
    EXPECT_EQ(platform::access::ResolveConnectString(L"Provider=Microsoft.ACE.OLEDB.12.0;Data Source=x.accdb;").database, L"x.accdb");
    EXPECT_EQ(platform::access::ResolveConnectString(L"Driver={Microsoft Access Driver (*.mdb, *.accdb)};Dbq=y.mdb;").database, L"y.mdb");
}

TEST(HostPath, BackslashesAndMappedDrives) {
    ::setenv("VELLORIA_DRIVE_D", "/srv/d/", 1);
    ::unsetenv("VELLORIA_DRIVE_Q");
    EXPECT_EQ(platform::ToHostPath(L"D:\\proj\\parts.mdb"), "/srv/d/proj/parts.mdb");
    EXPECT_EQ(platform::ToHostPath(L"d:\\proj\\Umsätze.mdb"), "/srv/d/proj/Umsätze.mdb");
    EXPECT_EQ(platform::ToHostPath(L"Q:\\x.mdb"), "Q:/x.mdb");
    EXPECT_EQ(platform::ToHostPath(L"data\\x.mdb"), "data/x.mdb");
    EXPECT_EQ(platform::ToHostPath(L"/abs/x.mdb"), "/abs/x.mdb");
    ::unsetenv("VELLORIA_DRIVE_D");
}
