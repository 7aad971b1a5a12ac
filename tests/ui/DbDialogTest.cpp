// The main data dialog on its real widgets: the enabling rule, the preview, its messages,
// queries, width and heading customisation, and the grid it hands to the table builder.
#include "UiFixture.h"
#include "types/CellGrid.h"
#include "ui/DbDialog.h"
#include "app/VeloCommands.h"
#include "engine/TableLinkIO.h"

using namespace ui_test;

namespace {

class DbDialogTest : public DialogTest {
protected:
    std::string Db() const { return m_nwind.ToUtf8(); }
    void SelectShippers(CDbDialog& dlg) { Act(dlg, "select \"Data Source\" \"" + Db() + "/Shippers\""); }
};

TEST_F(DbDialogTest, EnablingFollowsTheSelectionAndThePreviewShowsEveryRecord) {
    OpenNwind();
    CRegistry::WriteProfileInt(L"Velloria", L"Inc Header", 0);
    CDbDialog dlg;
    ASSERT_TRUE(dlg.Create());
    EXPECT_FALSE(Enabled(dlg, 102));
    EXPECT_FALSE(Enabled(dlg, 106));
    EXPECT_FALSE(Enabled(dlg, 136));
    EXPECT_FALSE(Enabled(dlg, 137));
    EXPECT_TRUE(Enabled(dlg, 105));
    EXPECT_EQ(dlg.IsDlgButtonChecked(128), static_cast<UINT>(BST_UNCHECKED));  // from "Inc Header"
    HTREEITEM root = dlg.m_tree.GetRootItem();
    ASSERT_NE(root, nullptr);
    EXPECT_FALSE(dlg.m_tree.IsExpanded(root));  // the first database starts collapsed
    EXPECT_EQ(dlg.m_tree.GetItemText(root), m_nwind);

    Act(dlg, "select \"Data Source\" \"" + Db() + "\"");
    EXPECT_TRUE(Enabled(dlg, 102));
    EXPECT_TRUE(Enabled(dlg, 106));
    EXPECT_FALSE(Enabled(dlg, 105));
    EXPECT_FALSE(Enabled(dlg, 136));
    EXPECT_FALSE(Enabled(dlg, 137));
    EXPECT_EQ(dlg.m_listData.GetColumnCount(), 0);

    SelectShippers(dlg);
    EXPECT_FALSE(Enabled(dlg, 102));
    EXPECT_FALSE(Enabled(dlg, 106));
    EXPECT_TRUE(Enabled(dlg, 105));
    EXPECT_TRUE(Enabled(dlg, 136));
    EXPECT_TRUE(Enabled(dlg, 137));
    ASSERT_EQ(dlg.m_listData.GetColumnCount(), 3);
    EXPECT_EQ(dlg.m_listData.GetItemCount(), 3);
    EXPECT_EQ(dlg.m_listData.GetItemText(2, 1), L"Federal Shipping");
    ASSERT_EQ(dlg.m_arrHeadings.GetSize(), 3);
    EXPECT_EQ(dlg.m_arrHeadings[0], L"ShipperID");

    Act(dlg, "select \"Data Source\" \"" + Db() + "/Order Details\"");
    EXPECT_EQ(dlg.m_listData.GetItemCount(), 2155);  // no limit on the rows shown
}

TEST_F(DbDialogTest, MessagesCarryTheirCaptionsAndTheHeaderSettingIsSavedFirst) {
    CDbDialog dlg;
    ASSERT_TRUE(dlg.Create());
    Act(dlg, "check \"Include Header\" off");
    Act(dlg, "click \"Create Table ...\"");
    EXPECT_TRUE(Printed("\n[Morvane Velloria] (information) Invalid table or query.")) << Output();
    EXPECT_FALSE(dlg.IsEnded());
    EXPECT_EQ(CRegistry::GetProfileInt(L"Velloria", L"Inc Header", 1), 0);

    // Open Database through the connect dialog, then the same file again under a relative path.
    Drawing(m_dir / "drawing.dxf");
    Input({"set Database \"" + Db() + "\"", "click &OK", "set Database .\\nwind.mdb", "click &OK"});
    Act(dlg, "click \"Open Database\"");
    ASSERT_EQ(GetOpenDatabases().GetSize(), 1);
    Act(dlg, "click \"Open Database\"");
    EXPECT_TRUE(Printed("\n[Velloria] (information) .\\nwind.mdb already exists.")) << Output();
    EXPECT_EQ(GetOpenDatabases().GetSize(), 1);

    Act(dlg, "select \"Data Source\" \"" + Db() + "\"");
    EXPECT_FALSE(Enabled(dlg, 105));
    dlg.GetDlgItem(105)->EnableWindow(TRUE);  // as for a database without tables
    Act(dlg, "click \"Create Table ...\"");
    EXPECT_TRUE(Printed("\n[Morvane Velloria] (information) Please select a table or query first."));

    Input({"set Name Bad", "set SQL \"SELECT nothing FROM nowhere\"", "click OK"});
    Act(dlg, "click \"New Query\"");
    EXPECT_TRUE(Printed("\n[Morvane Velloria] (information) Failed to execute the SQL: SELECT nothing FROM nowhere")) << Output();

    // A query item under the database: New Query asks for a database item.
    Input({"set Name Cheap", "set SQL \"SELECT ProductName, UnitPrice FROM Products WHERE UnitPrice < 5\"", "click OK"});
    Act(dlg, "click \"New Query\"");
    EXPECT_EQ(dlg.m_tree.GetItemText(dlg.m_tree.GetSelectedItem()), L"Cheap");
    EXPECT_EQ(dlg.m_listData.GetColumnCount(), 2);
    EXPECT_EQ(dlg.m_listData.GetItemCount(), 2);
    Act(dlg, "select \"Data Source\" \"" + Db() + "\"");
    HTREEITEM query = nullptr;
    for (HTREEITEM h = dlg.m_tree.GetChildItem(dlg.m_tree.GetRootItem()); h; h = dlg.m_tree.GetNextSiblingItem(h))
        if (dlg.m_tree.GetItemText(h) == L"Cheap") query = h;
    ASSERT_NE(query, nullptr);
    dlg.m_tree.SelectItem(query);
    dlg.GetDlgItem(106)->EnableWindow(TRUE);
    Act(dlg, "click \"New Query\"");
    EXPECT_TRUE(Printed("\n[Morvane Velloria] (information) Please select a database."));
}

TEST_F(DbDialogTest, WidthsAndHeadingsDecorateThePreviewHeader) {
    OpenNwind();
    CDbDialog dlg;
    ASSERT_TRUE(dlg.Create());
    SelectShippers(dlg);

    Input({"dblclick 142 0 0", "set 3456 20", "key Enter", "dblclick 142 0 2", "set 3456 abc", "key Enter", "click OK"});
    Act(dlg, "click \"Customize Column Width\"");
    ASSERT_EQ(dlg.m_arrWidths.GetSize(), 3);
    EXPECT_EQ(dlg.m_arrWidths[0], 20);
    EXPECT_EQ(dlg.m_arrWidths[1], 0);
    EXPECT_EQ(dlg.m_arrWidths[2], 0);
    LVCOLUMN column;
    wchar_t text[100];
    column.mask = LVCF_TEXT;
    column.pszText = text;
    column.cchTextMax = 100;
    dlg.m_listData.GetColumn(0, &column);
    EXPECT_STREQ(text, L"ShipperID(20)");
    dlg.m_listData.GetColumn(1, &column);
    EXPECT_STREQ(text, L"CompanyName");
    dlg.m_listData.GetColumn(2, &column);
    EXPECT_STREQ(text, L"Phone(0)");
    EXPECT_EQ(dlg.m_arrHeadings[0], L"ShipperID");

    Input({"dblclick 142 0 1", "set 3456 Company", "key Enter", "click OK"});
    Act(dlg, "click \"Customize Column Heading\"");
    EXPECT_EQ(dlg.m_arrHeadings[1], L"Company");
    EXPECT_EQ(dlg.m_arrHeadings[0], L"ShipperID");
    dlg.m_listData.GetColumn(1, &column);
    EXPECT_STREQ(text, L"Company");
    EXPECT_EQ(dlg.m_arrWidths.GetSize(), 3);  // widths stay

    // Cancel keeps what was set; another selection forgets it.
    Input({"click Cancel"});
    Act(dlg, "click \"Customize Column Width\"");
    EXPECT_EQ(dlg.m_arrWidths.GetSize(), 3);
    Act(dlg, "select \"Data Source\" \"" + Db() + "/Categories\"");
    EXPECT_EQ(dlg.m_arrWidths.GetSize(), 0);
    EXPECT_EQ(dlg.m_arrHeadings[1], L"CategoryName");
}

TEST_F(DbDialogTest, TheGridHasTheHeadingsRowOnlyWithTheHeader) {
    OpenNwind();
    CDbDialog dlg;
    ASSERT_TRUE(dlg.Create());
    SelectShippers(dlg);
    CCellGrid with, without;
    dlg.m_bIncludeHeader = 1;
    dlg.BuildCellGrid(with);
    dlg.m_bIncludeHeader = 0;
    dlg.BuildCellGrid(without);
    EXPECT_EQ(with.GetRows(), 4);
    EXPECT_EQ(without.GetRows(), 3);
    EXPECT_EQ(with.GetCols(), 3);
    EXPECT_EQ(with.GetCell(0, 1), L"CompanyName");
    EXPECT_EQ(with.GetCell(1, 1), L"Speedy Express");
    EXPECT_EQ(without.GetCell(0, 1), L"Speedy Express");
}

// The field names are no custom headings: a table made without customising keeps none in its
// link (another source later heads it with its own names); headings the user typed are kept.
TEST_F(DbDialogTest, OnlyHeadingsTheUserTypedGoWithTheLink) {
    OpenNwind();
    Drawing(m_dir / "drawing.dxf");
    auto lastLink = [&] {
        CTableLink link;
        const auto ids = m_drawing.ModelSpace();
        EXPECT_TRUE(!ids.empty() && ReadTableLinkById(link, ids.back()));
        return link;
    };
    const std::string shippers = "select \"Data Source\" \"" + Db() + "/Shippers\"";
    Input({shippers, "click \"Create Table ...\"", "0,0"});
    DbTable_Create();
    EXPECT_EQ(lastLink().m_arrHeadings.GetSize(), 0) << Output();

    Input({shippers, "click \"Customize Column Heading\"", "dblclick 142 0 1", "set 3456 Company", "key Enter", "click OK",
           "click \"Create Table ...\"", "200,0"});
    DbTable_Create();
    const CTableLink custom = lastLink();
    ASSERT_EQ(custom.m_arrHeadings.GetSize(), 3) << Output();
    EXPECT_EQ(custom.m_arrHeadings[0], L"ShipperID");
    EXPECT_EQ(custom.m_arrHeadings[1], L"Company");
}

TEST_F(DbDialogTest, ShowingADatabaseAgainReusesItsRecordsAndCloseRemovesIt) {
    CMyDatabase* db = OpenNwind();
    ASSERT_NE(db, nullptr);
    const INT_PTR records = db->Tables().GetSize();
    {
        CDbDialog first;
        ASSERT_TRUE(first.Create());
    }
    CDbDialog dlg;
    ASSERT_TRUE(dlg.Create());
    EXPECT_EQ(db->Tables().GetSize(), records);
    EXPECT_EQ(dlg.m_tree.GetCount(), static_cast<UINT>(records + 1));

    Act(dlg, "select \"Data Source\" \"" + Db() + "\"");
    Act(dlg, "click \"Close Database\"");
    EXPECT_EQ(GetOpenDatabases().GetSize(), 0);
    EXPECT_EQ(dlg.m_tree.GetCount(), 0u);
}

}  // namespace

TEST_F(DbDialogTest, ResizingGrowsTheListsAndKeepsTheButtonsAtTheirEdges) {
    CDbDialog dlg;
    ASSERT_TRUE(dlg.Create());
    auto rectOf = [&](int id) {
        RECT r;
        dlg.GetDlgItem(id)->GetWindowRect(&r);
        return r;
    };
    RECT client;
    dlg.GetClientRect(&client);
    const RECT list = rectOf(IDC_LIST_DATA), tree = rectOf(IDC_TREE_DATASOURCE), open = rectOf(IDC_OPEN_DATABASE),
               close = rectOf(IDCANCEL);
    RECT frame;
    dlg.GetWindowRect(&frame);
    dlg.MoveWindow(RECT{frame.left, frame.top, frame.right + 300, frame.bottom + 120});
    platform::ui::ProcessEvents();
    RECT grown;
    dlg.GetClientRect(&grown);
    ASSERT_EQ(grown.right - client.right, 300);
    ASSERT_EQ(grown.bottom - client.bottom, 120);
    // The data view takes the new width and height, the tree the height only.
    const RECT list2 = rectOf(IDC_LIST_DATA), tree2 = rectOf(IDC_TREE_DATASOURCE);
    EXPECT_EQ(list2.right - list.right, 300);
    EXPECT_EQ(list2.bottom - list.bottom, 120);
    EXPECT_EQ(list2.left, list.left);
    EXPECT_EQ(tree2.right, tree.right);
    EXPECT_EQ(tree2.bottom - tree.bottom, 120);
    // The buttons below follow the bottom edge; those at the right, the right edge too.
    EXPECT_EQ(rectOf(IDC_OPEN_DATABASE).top - open.top, 120);
    EXPECT_EQ(rectOf(IDC_OPEN_DATABASE).left, open.left);
    EXPECT_EQ(rectOf(IDCANCEL).left - close.left, 300);
    EXPECT_EQ(rectOf(IDCANCEL).top - close.top, 120);
}
