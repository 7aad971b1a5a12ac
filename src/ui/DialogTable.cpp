#include "ui/DialogTable.h"

#include "ui/AboutDlg.h"
#include "ui/DbDialog.h"
#include "ui/DbPropertyDialog.h"
#include "ui/LiveUpdateDlg.h"
#include "ui/Resource.h"

namespace {

void createTable() {
    CAcModuleResourceOverride resOverride(VelloriaResourceHandle());
    CDbDialog dlg;
    dlg.DoModal();
}

bool editLinkSource(CLinkSourceFields& fields) {
    CAcModuleResourceOverride resOverride(VelloriaResourceHandle());
    CDbPropertyDialog dlg(fields.strDriver, fields.strDatabase, fields.strTable, fields.strSQL, fields.strUser, fields.strPassword);
    if (dlg.DoModal() != IDOK) return false;
    fields.strDriver = dlg.m_strDriver;
    fields.strDatabase = dlg.m_strDatabase;
    fields.strTable = dlg.m_strTable;
    fields.strSQL = dlg.m_strSQL;
    fields.strUser = dlg.m_strUser;
    fields.strPassword = dlg.m_strPassword;
    fields.bUpdateTable = dlg.m_bUpdateTable;
    return true;
}

void about() {
    CAcModuleResourceOverride resOverride(VelloriaResourceHandle());
    CAboutDlg dlg;
    dlg.DoModal();
}

void liveUpdate() {
    CAcModuleResourceOverride resOverride(VelloriaResourceHandle());
    CLiveUpdateDlg dlg;
    dlg.DoModal();
}

const CDialogTable s_table{kDialogTableVersion, &createTable, &editLinkSource, &about, &liveUpdate};

}  // namespace

extern "C" const CDialogTable* VelloriaDialogTable() { return &s_table; }
