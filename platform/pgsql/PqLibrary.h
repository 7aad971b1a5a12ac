#pragma once
// libpq (libpq.so.5) is opened when the first PostgreSQL connection is made, not linked: a run
// that reads no PostgreSQL server loads neither it nor what it loads in turn (TLS, Kerberos,
// LDAP). Its header gives the types alone; every call goes through Pq().
#include <libpq-fe.h>

#include <string>

namespace platform::pgsql {

// The functions of libpq this program calls.
#define VELLORIA_PQ_FUNCTIONS(X)                                                                                        \
    X(PQconnectdbParams) X(PQstatus) X(PQerrorMessage) X(PQfinish) X(PQsendQuery) X(PQgetResult) X(PQresultStatus)       \
    X(PQresultErrorField) X(PQresultErrorMessage) X(PQclear) X(PQntuples) X(PQnfields) X(PQfname) X(PQftype) X(PQfmod)    \
    X(PQftable) X(PQftablecol) X(PQgetvalue) X(PQgetlength) X(PQgetisnull) X(PQgetCancel) X(PQfreeCancel) X(PQcancel)    \
    X(PQconsumeInput) X(PQisBusy) X(PQsocket) X(PQsetSingleRowMode) X(PQexec) X(PQresultMemorySize)

struct PqFunctions {
#define VELLORIA_PQ_POINTER(name) decltype(&::name) name = nullptr;
    VELLORIA_PQ_FUNCTIONS(VELLORIA_PQ_POINTER)
#undef VELLORIA_PQ_POINTER
};

// The library's file name, as an error names it.
inline constexpr const char* kPqLibrary = "libpq.so.5";

// libpq, loaded on first use and kept until the process ends; throws PgFailure (PgErrors.h)
// naming the library when it cannot be loaded or lacks a function.
const PqFunctions& Pq();

// Whether libpq loads here (loading it, when it was not).
bool PqAvailable();

// Loads the library by that name into functions; the reason it cannot, or empty.
std::string LoadPq(const char* library, PqFunctions& functions);

}  // namespace platform::pgsql
