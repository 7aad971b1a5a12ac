#pragma once
// CADODatabase: one connection to one database.
#include <string>
#include <vector>

#include "mfc/Afx.h"
#include "ado/Ado.h"

class CADODatabase {
public:
    CADODatabase();
    virtual ~CADODatabase();
    CADODatabase(const CADODatabase&) = delete;
    CADODatabase& operator=(const CADODatabase&) = delete;

    // Opens with the stored connect string; on failure the error is shown and kept.
    bool Open();
    bool IsOpen();
    void Close();

    void SetConnectionString(const CString& connect) { m_strConnection = connect; }
    // The sources beyond a file that a database may read a linked table from (an Access
    // table linked through ODBC); taken by the next Open.
    void SetTrustedSources(std::vector<std::wstring> sources) { m_trustedSources = std::move(sources); }
    // The character that quotes a name in the open database's SQL ("`" for Access); "`"
    // while it is closed.
    CString GetIdentifierQuote();
    CString GetConnectionString() const { return m_strConnection; }
    CString GetLastErrorString() const { return m_strLastError; }
    _ConnectionPtr GetActiveConnection() const { return m_pConnection; }

protected:
    void dump_com_error(const _com_error& e);

    _ConnectionPtr m_pConnection;
    CString m_strConnection;
    CString m_strLastError;
    std::vector<std::wstring> m_trustedSources;
};
