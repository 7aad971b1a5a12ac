#pragma once
// Tests over one connection to the sample Access file (through the ODBC driver), with
// recordsets opened as the data layer opens them: a static client cursor over command text.
#include <gtest/gtest.h>

#include <string>

#include "ado/Ado.h"
#include "text/Utf8.h"

namespace testing_support {

class NwindConnection : public ::testing::Test {
protected:
    void SetUp() override {
        CoInitialize(nullptr);
        m_connection.CreateInstance(CLSID_Connection);
        m_connection->Open(_bstr_t(L"Driver={Microsoft Access Driver (*.mdb, *.accdb)};Dbq=" + platform::FromUtf8(VELLORIA_TEST_DATA) +
                                   L"/nwind.mdb;Uid=;Pwd=;"),
                           _bstr_t(L""), _bstr_t(L""), 0);
    }
    void TearDown() override {
        m_connection = nullptr;
        CoUninitialize();
    }
    // The statement's rows; a failure raises the component's _com_error.
    _RecordsetPtr Open(const std::wstring& sql) {
        _RecordsetPtr rs;
        rs.CreateInstance(CLSID_Recordset);
        rs->PutCursorLocation(adUseClient);
        rs->Open(_variant_t(sql.c_str()), _variant_t(static_cast<IUnknown*>(m_connection.GetInterfacePtr())), adOpenStatic, adLockOptimistic,
                 adCmdText);
        return rs;
    }
    static std::string DescriptionOf(const _com_error& e) {
        return e.Description().length() ? platform::ToUtf8(static_cast<const wchar_t*>(e.Description())) : "(no description)";
    }

    _ConnectionPtr m_connection;
};

}  // namespace testing_support
