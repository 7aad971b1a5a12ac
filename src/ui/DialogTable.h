#pragma once
// The module's dialogs as the commands open them. The dialogs and the toolkit under them are a
// library of their own (VelloriaDialogs.so beside the module), loaded when the first dialog
// opens: a command or tool that shows none never loads the toolkit. This header names no
// dialog class, so the commands include it without the dialog framework.
#include "mfc/Afx.h"

// The source of a link as the link's property dialog edits it.
struct CLinkSourceFields {
    CString strDriver;
    CString strDatabase;
    CString strTable;
    CString strSQL;
    CString strUser;
    CString strPassword;
    int bUpdateTable = 0;  // refresh the table from its new source
};

struct CDialogTable {
    // Changes when a function is added or its arguments change: a library of another build
    // is refused.
    int nVersion;
    // The create dialog: open databases, pick a source, create or fill a table.
    void (*pfnCreateTable)();
    // The link's property dialog over fields; true when the user confirmed it (fields changed).
    bool (*pfnEditLinkSource)(CLinkSourceFields& fields);
    void (*pfnAbout)();
    void (*pfnLiveUpdate)();
};

constexpr int kDialogTableVersion = 1;

// The name of the function the library exports that gives its table.
#define VELLORIA_DIALOG_TABLE_SYMBOL "VelloriaDialogTable"
extern "C" const CDialogTable* VelloriaDialogTable();
