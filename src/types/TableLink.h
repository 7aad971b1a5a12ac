#pragma once
// CTableLink: the link of one table to its data source, as stored on the table entity.
// Fields in declaration order; every stored application name and item order is binding,
// since drawings written by one build are read by another.
#include "mfc/Afx.h"

class CTableLink {
public:
    CTableLink() = default;

    int m_bIncludeHeader = 1;  // row 0 of the data block holds the headings
    int m_nStartRow = 0;       // table row receiving the data block's first row
    int m_nStartCol = 0;       // table column receiving the data block's first column
    int m_nRows = 0;           // rows of the data block last built, heading row included
    int m_nCols = 0;           // columns of the data block last built
    int m_nMarker = 1;         // stored unchanged
    CString m_strTableStyle;   // style of a new table; never stored
    CString m_strDatabase;     // database path as entered (may be relative to the drawing)
    CString m_strConnectDriver;
    CString m_strUser;
    CString m_strPassword;
    CString m_strTable;        // table or view name; empty for a query
    CString m_strSQL;          // SQL text; empty for a table or view
    CStringArray m_arrHeadings;
    CArray<double, double> m_arrWidths;  // 1e-5 or less: automatic width
};
