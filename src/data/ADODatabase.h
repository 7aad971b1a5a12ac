#pragma once
// CADODatabase: one connection to one database.
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
    CString GetConnectionString() const { return m_strConnection; }
    CString GetLastErrorString() const { return m_strLastError; }
    _ConnectionPtr GetActiveConnection() const { return m_pConnection; }

protected:
    void dump_com_error(const _com_error& e);

    _ConnectionPtr m_pConnection;
    CString m_strConnection;
    CString m_strLastError;
};
