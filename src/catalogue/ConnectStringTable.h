#pragma once
// The driver table: a driver name, as links store it, and the connect string it makes.
//
// Two rows open Access files on our own engine, with the templates of the Access ODBC driver
// and the ACE provider ("%s" for the resolved location, the user and the password, in that
// order). The engine's Excel and text drivers, under their Windows names, open workbooks and
// folders of text files with our own reader. The others reach databases through an ODBC driver of this machine: their names are
// the drivers' own names on Windows and on Linux, so a drawing linked on Windows refreshes
// here, and each maps to the installed drivers that serve it. Their templates name the parts
// they fill (%DRIVER%, %HOST%, %PORT%, %DATABASE%, %FILE%, %DSN%, %USER%, %PASSWORD%); each
// value goes in as ODBC quotes it, so nothing in it can end the value or add a key, and a
// part whose user, password or port is empty is left out (the driver, the data source or
// ~/.pgpass then supplies it).
#include <vector>

#include "mfc/Afx.h"

// What a row's "Database" item names.
enum class CLocationKind {
    File,        // a file path, absolute or relative to the drawing's folder
    Server,      // HOST[:PORT]/DATABASE
    DataSource,  // the name of an ODBC data source (odbc.ini)
};

struct CDriverRow {
    const wchar_t* m_szName;
    CLocationKind m_kind;
    bool m_bAccessEngine;        // read by our own Access engine: nothing to install
    const wchar_t* m_szTemplate;
    // The ODBC drivers that serve the row here, by the names odbcinst.ini gives them, the
    // first installed one used.
    std::vector<const wchar_t*> m_linuxDrivers;
    const wchar_t* m_szPackage;  // the Debian package that installs a driver for it
    // Read by a provider of our own (workbooks, text files): nothing to install.
    bool m_bBuiltIn = false;
    // The browse dialog's filter for the row's files; null: Access files.
    const wchar_t* m_szFilter = nullptr;
    // The location is the folder of the files the row reads (the text driver's DBQ), not a file.
    bool m_bFolder = false;
};

// Fills the table (adding or overwriting); called when the module loads.
void InitConnectStringTable();

// The template of a driver name (exact key); empty for an unknown driver.
CString GetConnectStringTemplate(const CString& driverName);
// The row of a driver name (exact key); null for an unknown driver.
const CDriverRow* FindDriverRow(const CString& driverName);
// The kind of location a driver name takes; File for an unknown one.
CLocationKind GetLocationKind(const CString& driverName);

// The driver names as the dialogs list them: the two Access rows first, in the order they
// always had (so a stored "Connect String Index" keeps naming the same row), then the others
// sorted.
void GetDriverNames(CStringArray& names);
// A row as the dialogs list it: its name, marked " (installed)" when an ODBC driver for it is
// installed here; and the driver name such a label stands for.
CString GetDriverLabel(const CDriverRow& row);
CString DriverNameOfLabel(const CString& label);
// Whether the row works here, in words: "built in", "installed as NAME", the data source
// names defined, or the Debian package that installs a driver for it.
CString GetDriverStatus(const CDriverRow& row);

// The browse dialog's filter for a row's files (Access files for none), and the location a file
// chosen there stands for: the file, or its folder for a row that reads a folder.
CString GetBrowseFilter(const CDriverRow* row);
CString LocationOfChosenFile(const CDriverRow* row, const CString& file);

// The ODBC driver installed here that serves the row; empty when none is (and for the Access
// rows, which need none).
CString GetInstalledDriver(const CDriverRow& row);
// Whether the row can open anything here: an Access row, or an ODBC driver installed for it.
bool IsDriverAvailable(const CDriverRow& row);

// The connect string of a driver name for a location (a file already resolved against the
// drawing), a user and a password; empty for an unknown driver or a server location that is
// not HOST[:PORT]/DATABASE. A server link without a password takes VELLORIA_PASSWORD when it
// is set.
CString BuildConnectString(const CString& driverName, const CString& location, const CString& user, const CString& password);

// A value as it must stand in a connect string made from `pattern`, so that it is read back
// as one value whatever it holds: through the ODBC driver ("Driver=..." templates) a value
// holding ";" or a brace, with blanks (spaces, tabs, line ends) at either end, or starting with
// a quote goes in braces with "}" doubled; through an OLE DB provider such a value goes in
// double quotes with '"' doubled. Other values stand as they are.
CString QuoteConnectValue(const CString& pattern, const CString& value);
