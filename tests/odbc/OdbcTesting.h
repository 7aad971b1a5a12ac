#pragma once
// What the ODBC tests share: one PostgreSQL server and one registration of the drivers for
// the whole test program, started when a test first asks for them (a server that cannot
// start fails every test that needs it, with the reason), and the data-access objects.
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>

#include "ado/Ado.h"
#include "testing/OdbcDrivers.h"
#include "testing/PostgresServer.h"
#include "text/Utf8.h"

namespace odbc_testing {

inline testing_support::OdbcDrivers& Drivers() { return testing_support::SharedOdbcDrivers(); }

// The shared server; throws (and so fails the asking test) when it could not start.
inline testing_support::PostgresServer& Server() {
    static std::unique_ptr<testing_support::PostgresServer> server;
    static std::string failure;
    if (!server && failure.empty()) {
        try {
            server = std::make_unique<testing_support::PostgresServer>();
        } catch (const std::exception& e) {
            failure = e.what();
        }
    }
    if (!server) throw std::runtime_error(failure);
    return *server;
}

// A connect string to a database of the shared server over TCP, as the superuser.
inline std::wstring PostgresConnect(const std::string& database = testing_support::PostgresServer::kDatabase) {
    Drivers();
    const auto& server = Server();
    return platform::FromUtf8("Driver={PostgreSQL Unicode};Server=" + server.Host() + ";Port=" + std::to_string(server.Port()) +
                              ";Database=" + database + ";Uid=postgres;Pwd={s3cret;pw}}};");
}

// The two ways to a PostgreSQL server: its provider of its own over libpq, which the module's
// connect strings reach, and PostgreSQL's ODBC driver, which naming the OLE DB provider for
// ODBC keeps them on. Tests of values and behaviour run through both.
struct PostgresRoute {
    const char* name;
    const wchar_t* prefix;  // what goes before the connect string
};
inline constexpr PostgresRoute kPostgresRoutes[] = {{"Libpq", L""}, {"Odbc", L"Provider=MSDASQL;"}};
inline std::string RouteName(const ::testing::TestParamInfo<PostgresRoute>& info) { return info.param.name; }

inline std::wstring PostgresConnect(const PostgresRoute& route, const std::string& database = testing_support::PostgresServer::kDatabase) {
    return route.prefix + PostgresConnect(database);
}

inline std::wstring SqliteConnect(const std::string& file) {
    Drivers();
    return platform::FromUtf8("Driver={SQLite3};Database=" + file + ";NoCreat=1;");
}

class AdoTest : public ::testing::Test {
protected:
    void SetUp() override { CoInitialize(nullptr); }
    void TearDown() override { CoUninitialize(); }

    static _ConnectionPtr Connect(const std::wstring& connect) {
        _ConnectionPtr connection;
        EXPECT_EQ(connection.CreateInstance(CLSID_Connection), S_OK);
        EXPECT_EQ(connection->Open(_bstr_t(connect), _bstr_t(L""), _bstr_t(L""), 0), S_OK);
        return connection;
    }
    static _RecordsetPtr Query(const _ConnectionPtr& connection, const std::wstring& sql, long seconds = 30, long long rows = 0,
                               long long bytes = 0) {
        connection->PutCommandTimeout(seconds);
        connection->PutRowLimit(rows);
        connection->PutResultMemoryLimit(bytes);
        _RecordsetPtr recordset;
        EXPECT_EQ(recordset.CreateInstance(CLSID_Recordset), S_OK);
        recordset->PutCursorType(adOpenStatic);
        recordset->PutCursorLocation(adUseClient);
        recordset->Open(_variant_t(sql.c_str()), _variant_t(static_cast<IUnknown*>(connection.GetInterfacePtr())), adOpenStatic,
                        adLockOptimistic, adCmdText);
        return recordset;
    }
    // What a statement fails with; the HRESULT 0 and an empty text when it does not fail.
    static std::pair<std::uint32_t, std::wstring> Failure(const _ConnectionPtr& connection, const std::wstring& sql, long seconds = 30,
                                                          long long rows = 0, long long bytes = 0) {
        try {
            Query(connection, sql, seconds, rows, bytes);
        } catch (const _com_error& e) {
            return {static_cast<std::uint32_t>(e.Error()), std::wstring(e.Description())};
        }
        return {0u, L""};
    }
};

}  // namespace odbc_testing
