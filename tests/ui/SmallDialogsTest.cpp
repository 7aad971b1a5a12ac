// The connect, link properties and query dialogs on their real widgets.
#include <QApplication>
#include <QListWidget>
#include <QMouseEvent>

#include "UiFixture.h"
#include "testing/OdbcDrivers.h"
#include "ui/ConnectDialog.h"
#include "ui/DbPropertyDialog.h"
#include "ui/QueryDialog.h"

using namespace ui_test;

namespace {

class ConnectDialogTest : public DialogTest {};

TEST_F(ConnectDialogTest, AnUnsavedDrawingRefusesARelativePathAndKeepsWhatWasTyped) {
    CRegistry::WriteProfileInt(L"Velloria", L"Relative Path", 1);
    Drawing("");
    CConnectDialog dlg;
    ASSERT_TRUE(dlg.Create());
    EXPECT_EQ(dlg.IsDlgButtonChecked(130), static_cast<UINT>(BST_UNCHECKED));
    Act(dlg, "set Database typed.mdb");
    Act(dlg, "click \"Relative Path\"");
    EXPECT_TRUE(Printed("\n[velloria] Current drawing must be saved before importing a database with a relative path.")) << Output();
    EXPECT_EQ(dlg.IsDlgButtonChecked(130), static_cast<UINT>(BST_UNCHECKED));
    EXPECT_EQ(Text(dlg, 108), L"typed.mdb");
}

TEST_F(ConnectDialogTest, RelativePathsFollowTheBoxAndOkTestsTheResolvedFile) {
    Drawing(m_dir / "drawing.dxf");
    CRegistry::WriteProfileInt(L"Velloria", L"Connect String Index", 1);
    CConnectDialog dlg;
    ASSERT_TRUE(dlg.Create());
    EXPECT_EQ(Text(dlg, 107), kAce);  // the index refers to the sorted list
    Input({m_nwind.ToUtf8()});
    Act(dlg, "click \"Relative Path\"");
    Act(dlg, "click ...");  // browsing with the box checked fills in a relative path
    EXPECT_EQ(Text(dlg, 108), L".\\nwind.mdb");
    Act(dlg, "click \"Relative Path\"");
    EXPECT_EQ(Text(dlg, 108), m_nwind);
    Act(dlg, "click \"Relative Path\"");
    EXPECT_EQ(Text(dlg, 108), L".\\nwind.mdb");

    Act(dlg, "set Database .\\missing.mdb");
    Act(dlg, "click &OK");
    EXPECT_TRUE(Printed("\n[velloria] Failed to find .\\missing.mdb")) << Output();
    EXPECT_FALSE(dlg.IsEnded());

    Act(dlg, "set Database .\\nwind.mdb");
    Act(dlg, "select \"Connect String\" #0");
    Act(dlg, "click &OK");
    ASSERT_TRUE(dlg.IsEnded());
    EXPECT_EQ(dlg.GetResult(), IDOK);
    EXPECT_EQ(dlg.m_strDatabase, L".\\nwind.mdb");  // handed back relative
    EXPECT_EQ(dlg.m_strConnectString, kOdbc);
    EXPECT_EQ(CRegistry::GetProfileInt(L"Velloria", L"Connect String Index", 9), 0);
    EXPECT_EQ(CRegistry::GetProfileInt(L"Velloria", L"Relative Path", 9), 1);
}

TEST_F(ConnectDialogTest, AStoredIndexOutOfRangeSelectsNothingAndCancelWritesNothing) {
    CRegistry::WriteProfileInt(L"Velloria", L"Connect String Index", 50);
    Drawing(m_dir / "drawing.dxf");
    {
        CConnectDialog dlg;
        ASSERT_TRUE(dlg.Create());
        Act(dlg, "set Database \"\"");  // the drawing's folder exists
        Act(dlg, "click &Cancel");
        EXPECT_EQ(dlg.GetResult(), IDCANCEL);
        EXPECT_EQ(CRegistry::GetProfileInt(L"Velloria", L"Connect String Index", 9), 50);
    }
    CConnectDialog dlg;
    ASSERT_TRUE(dlg.Create());
    EXPECT_EQ(dlg.m_cbConnectString.GetCurSel(), -1);
    Act(dlg, "click &OK");
    EXPECT_EQ(dlg.GetResult(), IDOK);
    EXPECT_EQ(dlg.m_strConnectString, L"");
    EXPECT_EQ(CRegistry::GetProfileInt(L"Velloria", L"Connect String Index", 9), -1);
}

// The rows past the two Access rows reach servers, SQLite files and data source names through
// ODBC; the dialog asks for what each needs and marks those whose driver is installed.
TEST_F(ConnectDialogTest, AServerRowAsksForServerAndDatabaseAndHandsBackTheLocation) {
    testing_support::SharedOdbcDrivers().AddDataSource("Warehouse", "PostgreSQL Unicode", {"Servername=db1", "Database=stock"});
    Drawing(m_dir / "drawing.dxf");
    CConnectDialog dlg;
    ASSERT_TRUE(dlg.Create());
    // The Access rows keep their places; an installed driver is marked, a missing one is not.
    EXPECT_EQ(Text(dlg, 107), kOdbc);
    EXPECT_FALSE(Enabled(dlg, IDC_SERVER));
    EXPECT_TRUE(Enabled(dlg, IDC_BROWSE));
    Act(dlg, "select \"Connect String\" \"SQL Server\"");
    EXPECT_TRUE(Enabled(dlg, IDC_SERVER));
    EXPECT_FALSE(Enabled(dlg, IDC_BROWSE));
    EXPECT_FALSE(Enabled(dlg, IDC_CHECK_130));
    EXPECT_NE(Text(dlg, IDC_DRIVER_STATE).Find(L"not installed (Debian package tdsodbc)"), -1) << Text(dlg, IDC_DRIVER_STATE).ToUtf8();
    Act(dlg, "select \"Connect String\" \"PostgreSQL Unicode (installed)\"");
    // PostgreSQL is read through libpq, whether or not its ODBC driver is installed.
    EXPECT_NE(Text(dlg, IDC_DRIVER_STATE).Find(L"built in (libpq)"), -1) << Text(dlg, IDC_DRIVER_STATE).ToUtf8();

    Act(dlg, "set Database shop");
    Act(dlg, "click &OK");
    EXPECT_TRUE(Printed("A server and a database are needed for PostgreSQL Unicode.")) << Output();
    Act(dlg, "set Server \"db 1:5432\"");
    Act(dlg, "click &OK");
    EXPECT_TRUE(Printed("The server db 1:5432 is not HOST or HOST:PORT.")) << Output();
    EXPECT_FALSE(dlg.IsEnded());
    Act(dlg, "set Server DB1.example.com:5433");
    Act(dlg, "set User bob");
    Act(dlg, "set Password \"p;w}\"");
    Act(dlg, "click &OK");
    ASSERT_TRUE(dlg.IsEnded());
    EXPECT_EQ(dlg.m_strConnectString, L"PostgreSQL Unicode");
    EXPECT_EQ(dlg.m_strDatabase, L"db1.example.com:5433/shop");
    EXPECT_EQ(dlg.m_strUser, L"bob");
    EXPECT_EQ(dlg.m_strPassword, L"p;w}");
}

TEST_F(ConnectDialogTest, ADataSourceRowTakesANameOfOdbcIni) {
    testing_support::SharedOdbcDrivers().AddDataSource("Warehouse", "PostgreSQL Unicode", {"Servername=db1", "Database=stock"});
    Drawing(m_dir / "drawing.dxf");
    CConnectDialog dlg;
    ASSERT_TRUE(dlg.Create());
    Act(dlg, "select \"Connect String\" \"ODBC Data Source\"");
    EXPECT_NE(Text(dlg, IDC_DRIVER_STATE).Find(L"data sources: Warehouse"), -1) << Text(dlg, IDC_DRIVER_STATE).ToUtf8();
    Act(dlg, "set Database Nowhere");
    Act(dlg, "click &OK");
    EXPECT_TRUE(Printed("Failed to find Nowhere")) << Output();
    Act(dlg, "set Database warehouse");
    Act(dlg, "click &OK");
    ASSERT_TRUE(dlg.IsEnded());
    EXPECT_EQ(dlg.m_strConnectString, L"ODBC Data Source");
    EXPECT_EQ(dlg.m_strDatabase, L"warehouse");
}

class PropertyDialogTest : public DialogTest {};

TEST_F(PropertyDialogTest, ChecksRunInOrderEachKeepingTheDialogOpen) {
    Drawing("");
    CDbPropertyDialog dlg(L"nonsense driver", L"", L"", L"", L"", L"");
    ASSERT_TRUE(dlg.Create());
    EXPECT_EQ(Text(dlg, 107), kOdbc);  // no match: the first entry stays
    const char* messages[] = {
        "\n[Velloria] (information) You must specify a database.",
        "\n[Velloria] (information) Current drawing must be saved before importing a database with a relative path.",
        "\n[Velloria] (information) Cannot find the specified database. Please verify that the database exists.",
        "\n[Velloria] (information) You must specify a table or enter a SQL statement.",
    };
    Act(dlg, "click OK");
    EXPECT_EQ(Output(), messages[0]);
    Input({});
    Act(dlg, "set Database .\\nwind.mdb");
    Act(dlg, "click OK");
    EXPECT_EQ(Output(), messages[1]);
    Drawing(m_dir / "drawing.dxf");
    Input({});
    Act(dlg, "set Database .\\none.mdb");
    Act(dlg, "click OK");
    EXPECT_EQ(Output(), messages[2]);
    Input({});
    Act(dlg, "set Database /no/such/file.mdb");
    Act(dlg, "click OK");
    EXPECT_EQ(Output(), messages[2]);
    Input({});
    Act(dlg, "set Database .\\nwind.mdb");
    Act(dlg, "click OK");
    EXPECT_EQ(Output(), messages[3]);
    EXPECT_FALSE(dlg.IsEnded());
    Input({});
    Act(dlg, "set SQL \"SELECT 1\"");
    Act(dlg, "click OK");
    EXPECT_EQ(Output(), "");
    EXPECT_EQ(dlg.GetResult(), IDOK);
    EXPECT_EQ(dlg.m_strDriver, kOdbc);
    EXPECT_EQ(dlg.m_strDatabase, L".\\nwind.mdb");
    EXPECT_EQ(dlg.m_strSQL, L"SELECT 1");
}

TEST_F(PropertyDialogTest, TheTableListComesFromTheOpenDatabaseAndTheTypedNameIsHandedBack) {
    {
        CDbPropertyDialog dlg(kAce.Left(12), m_nwind, L"Shippers", L"", L"u", L"p");
        ASSERT_TRUE(dlg.Create());
        EXPECT_EQ(dlg.m_cbTable.GetCount(), 0);  // not open
        EXPECT_EQ(Text(dlg, 132), L"Shippers");
        EXPECT_EQ(Text(dlg, 107), kAce);  // the entry that begins with the name
    }
    OpenNwind();
    CDbPropertyDialog dlg(kOdbc, m_nwind, L"Shippers", L"", L"", L"");
    ASSERT_TRUE(dlg.Create());
    EXPECT_GT(dlg.m_cbTable.GetCount(), 5);
    EXPECT_EQ(Text(dlg, 132), L"Shippers");
    Act(dlg, "select Table/View Products");
    Act(dlg, "check \"Update Table\"");
    Act(dlg, "click OK");
    EXPECT_EQ(dlg.GetResult(), IDOK);
    EXPECT_EQ(dlg.m_strTable, L"Products");
    EXPECT_EQ(dlg.m_bUpdateTable, 1);
}

class QueryDialogTest : public DialogTest {};

TEST_F(QueryDialogTest, NamesGoInAtTheCaretAsOneUndoableEdit) {
    CMyDatabase* db = OpenNwind();
    auto* query = new CMyDbTable;
    query->m_strName = L"Earlier query";
    query->m_strSQL = L"SELECT 1";
    query->m_nKind = 2;
    query->m_pDatabase = db;
    db->Tables().Add(query);

    CQueryDialog dlg(db);
    ASSERT_TRUE(dlg.Create());
    EXPECT_EQ(dlg.m_lbTables.FindStringExact(-1, L"Earlier query"), LB_ERR);  // queries are not offered
    EXPECT_NE(dlg.m_lbTables.FindStringExact(-1, L"Order Details"), LB_ERR);
    EXPECT_EQ(dlg.m_lbFields.GetCount(), 0);

    Act(dlg, "select Table Shippers");
    ASSERT_EQ(dlg.m_lbFields.GetCount(), 3);
    CString first;
    dlg.m_lbFields.GetText(0, first);
    EXPECT_EQ(first, L"CompanyName");  // sorted

    Act(dlg, "set SQL \"SELECT  FROM x\"");
    dlg.m_editSQL.SetSel(7, 7);
    Act(dlg, "select Fields Phone");
    Act(dlg, "click 125");
    dlg.m_editSQL.SetSel(18, 19);  // the "x"
    Act(dlg, "select Table \"Order Details\"");
    Act(dlg, "click 124");
    EXPECT_EQ(dlg.m_editSQL.GetWindowText().ToUtf8(), "SELECT Phone FROM Order Details");  // bare, unquoted
    EXPECT_TRUE(dlg.m_editSQL.Undo());
    EXPECT_EQ(dlg.m_editSQL.GetWindowText().ToUtf8(), "SELECT Phone FROM x");

    Act(dlg, "click OK");
    EXPECT_TRUE(Printed("\n[Morvane Velloria] (information) Please enter the query name.")) << Output();
    EXPECT_FALSE(dlg.IsEnded());
    Act(dlg, "set Name Phones");
    Act(dlg, "click OK");
    EXPECT_EQ(dlg.GetResult(), IDOK);
    EXPECT_EQ(dlg.m_strName, L"Phones");
    EXPECT_EQ(dlg.m_strSQL, L"SELECT Phone FROM x");
}

// A mouse click on a table shows its fields, and a click on another table replaces them.
TEST_F(QueryDialogTest, AClickOnATableShowsItsFields) {
    CQueryDialog dlg(OpenNwind());
    ASSERT_TRUE(dlg.Create());
    auto* list = qobject_cast<QListWidget*>(dlg.m_lbTables.GetWidget());
    ASSERT_NE(list, nullptr);
    dlg.GetWidget()->show();
    auto click = [&](const wchar_t* name) {
        const int row = dlg.m_lbTables.FindStringExact(-1, name);
        ASSERT_NE(row, LB_ERR);
        list->scrollToItem(list->item(row));
        const QPoint at = list->visualItemRect(list->item(row)).center();
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent event(type, at, list->viewport()->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(list->viewport(), &event);
        }
        platform::ui::ProcessEvents();
    };
    auto fields = [&] {
        std::vector<std::string> names;
        for (int i = 0; i < dlg.m_lbFields.GetCount(); ++i) {
            CString name;
            dlg.m_lbFields.GetText(i, name);
            names.push_back(name.ToUtf8());
        }
        return names;
    };
    click(L"Shippers");
    EXPECT_EQ(fields(), (std::vector<std::string>{"CompanyName", "Phone", "ShipperID"}));
    click(L"Categories");
    EXPECT_EQ(fields(), (std::vector<std::string>{"CategoryID", "CategoryName", "Description", "Picture"}));
}

}  // namespace
