#pragma once
// The ODBC driver manager (unixODBC's libodbc.so.2) is opened when the first ODBC handle is
// made, not linked: a run that reads no ODBC source loads neither it nor its loader library.
// Only the files that call ODBC include this header; their calls go through DriverManager().
// It lies apart from the layer's headers because it includes the driver manager's C headers,
// whose Windows types (ULONG, BOOL ...) are not ours.
#include <sql.h>
#include <sqlext.h>
#include <sqlucode.h>

#include <string>

namespace platform::odbc {

// The functions of the driver manager this program calls.
#define VELLORIA_ODBC_FUNCTIONS(X)                                                                                         \
    X(SQLAllocHandle) X(SQLBindCol) X(SQLCancel) X(SQLColAttributeW) X(SQLDataSourcesW) X(SQLDescribeColW) X(SQLDisconnect) \
    X(SQLDriverConnectW) X(SQLDriversW) X(SQLEndTran) X(SQLExecDirectW) X(SQLFetch) X(SQLFreeHandle) X(SQLFreeStmt)        \
    X(SQLGetData) X(SQLGetDiagRecW) X(SQLGetInfo) X(SQLGetInfoW) X(SQLNumResultCols) X(SQLSetConnectAttr) X(SQLSetEnvAttr)  \
    X(SQLSetPos) X(SQLSetStmtAttr) X(SQLTablesW)

struct DriverManagerFunctions {
#define VELLORIA_ODBC_POINTER(name) decltype(&::name) name = nullptr;
    VELLORIA_ODBC_FUNCTIONS(VELLORIA_ODBC_POINTER)
#undef VELLORIA_ODBC_POINTER
};

// The library's file name, as an error names it.
inline constexpr const char* kDriverManagerLibrary = "libodbc.so.2";

// The driver manager, loaded on first use and kept until the process ends; throws OdbcFailure
// naming the library when it cannot be loaded or lacks a function.
const DriverManagerFunctions& DriverManager();

// Loads the library by that name into functions; the reason it cannot, or empty.
std::string LoadDriverManager(const char* library, DriverManagerFunctions& functions);

}  // namespace platform::odbc
