// The column customisation dialog and its in-place cell editor.
#include <fstream>
#include <sstream>

#include "UiFixture.h"
#include "ui/CustomizeHeaderDialog.h"

using namespace ui_test;

namespace {

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

class ColumnListTest : public DialogTest {
protected:
    void Titles(CCustomizeHeaderDialog& dlg, int count) {
        for (int i = 0; i < count; ++i) dlg.m_arrTitles.Add(CString(std::to_wstring(i).c_str()));
    }
    std::string Cells(CCustomizeHeaderDialog& dlg) {
        std::string s;
        for (int i = 0; i < dlg.m_listCtrl.GetHeaderCtrl()->GetItemCount(); ++i) s += dlg.m_listCtrl.GetItemText(0, i).ToUtf8() + "|";
        return s;
    }
};

TEST_F(ColumnListTest, SavedLinesLoseTrailingCommasAndLoadedValuesCollapseEmptyOnes) {
    const std::string file = m_dir / "widths.txt";
    CCustomizeHeaderDialog dlg;
    Titles(dlg, 5);
    ASSERT_TRUE(dlg.Create());
    EXPECT_EQ(dlg.GetWindowText(), L"Customize Column Width");
    EXPECT_EQ(Text(dlg, 143), L"Double click on the first row to modify the column width.");
    dlg.m_listCtrl.SetItemText(0, 0, L"20");
    dlg.m_listCtrl.SetItemText(0, 2, L"30");
    Input({file});
    Act(dlg, "click \"Save to file\"");
    EXPECT_EQ(ReadAll(file), "20,,30");

    CCustomizeHeaderDialog other;
    other.m_nMode = 0;
    Titles(other, 3);
    ASSERT_TRUE(other.Create());
    EXPECT_EQ(other.GetWindowText(), L"Customize Column Heading");
    EXPECT_EQ(Text(other, 143), L"Double click on the first row to modify the column heading.");
    other.m_listCtrl.SetItemText(0, 2, L"kept");
    Input({file});
    Act(other, "click \"Load from file\"");
    EXPECT_EQ(Cells(other), "20|30|kept|");

    Input({""});  // the file dialog cancelled
    other.m_listCtrl.SetItemText(0, 0, L"mine");
    Act(other, "click \"Load from file\"");
    EXPECT_EQ(Cells(other), "mine|30|kept|");

    Act(other, "click OK");
    ASSERT_EQ(other.m_arrValues.GetSize(), 3);
    EXPECT_EQ(other.m_arrValues[1], L"30");
}

TEST_F(ColumnListTest, LoadingUsesTheFirstNonBlankLineKeepsInnerSpacesAndReadsUtf8) {
    const std::string file = m_dir / "headings.txt";
    {
        std::ofstream out(file, std::ios::binary);
        out << "\r\n   \r\n  Größe , Höhe,x,y,z  \r\nnot,this\r\n";
    }
    CCustomizeHeaderDialog dlg;
    Titles(dlg, 3);
    ASSERT_TRUE(dlg.Create());
    Input({file});
    Act(dlg, "click \"Load from file\"");
    EXPECT_EQ(Cells(dlg), "Größe | Höhe|x|");  // only whole lines are trimmed; extra values ignored

    Input({m_dir / "again.txt"});
    Act(dlg, "click \"Save to file\"");
    EXPECT_EQ(ReadAll(m_dir / "again.txt"), "Größe , Höhe,x");

    Input({m_dir / "missing.txt"});
    Act(dlg, "click \"Load from file\"");
    EXPECT_TRUE(Printed("missing.txt was not found.")) << Output();
    EXPECT_EQ(Cells(dlg), "Größe | Höhe|x|");
}

TEST_F(ColumnListTest, TheCellEditorStoresOnEnterAndFocusLossAndForgetsOnEscape) {
    CCustomizeHeaderDialog dlg;
    Titles(dlg, 3);
    ASSERT_TRUE(dlg.Create());
    CLvEdit& edit = dlg.m_listCtrl.m_edit;

    Act(dlg, "dblclick 142 3 0");  // below the last row
    EXPECT_EQ(edit.GetSafeHwnd(), nullptr);

    Act(dlg, "dblclick 142 0 1");
    ASSERT_NE(edit.GetSafeHwnd(), nullptr);
    EXPECT_TRUE(edit.IsWindowVisible());
    EXPECT_EQ(edit.m_nRow, 0);
    EXPECT_EQ(edit.m_nCol, 1);
    CRect cell, box;
    dlg.m_listCtrl.GetSubItemRect(0, 1, LVIR_LABEL, cell);
    edit.GetWindowRect(&box);
    EXPECT_EQ(box.left, cell.left);
    EXPECT_EQ(box.top, cell.top);

    Act(dlg, "set 3456 \"a rather long text that needs more room than a column\"");
    edit.GetWindowRect(&box);
    EXPECT_GT(box.Width(), cell.Width());  // widened to fit
    CRect list;
    dlg.m_listCtrl.GetClientRect(&list);
    EXPECT_LE(box.right, list.right);

    Act(dlg, "key Enter");
    EXPECT_FALSE(dlg.IsEnded());  // Enter stays with the box
    EXPECT_FALSE(edit.IsWindowVisible());
    EXPECT_EQ(dlg.m_listCtrl.GetItemText(0, 1), L"a rather long text that needs more room than a column");
    EXPECT_EQ(edit.m_nRow, -1);

    Act(dlg, "dblclick 142 0 0");
    Act(dlg, "set 3456 typed");
    Act(dlg, "key Escape");
    EXPECT_FALSE(dlg.IsEnded());
    EXPECT_EQ(dlg.m_listCtrl.GetItemText(0, 0), L"");
    EXPECT_EQ(edit.m_nCol, -1);

    Act(dlg, "dblclick 142 0 2");
    Act(dlg, "set 3456 kept");
    Act(dlg, "focus \"Save to file\"");
    EXPECT_EQ(dlg.m_listCtrl.GetItemText(0, 2), L"kept");
    EXPECT_FALSE(edit.IsWindowVisible());

    // A second double click moves the box; the first cell keeps what was typed.
    Act(dlg, "dblclick 142 0 0");
    Act(dlg, "set 3456 first");
    Act(dlg, "dblclick 142 0 1");
    EXPECT_EQ(dlg.m_listCtrl.GetItemText(0, 0), L"first");
    EXPECT_EQ(edit.GetWindowText(), L"a rather long text that needs more room than a column");
}

TEST_F(ColumnListTest, TheEditMenuGreysWhatCannotBeDoneAndRunsTheRest) {
    CCustomizeHeaderDialog dlg;
    Titles(dlg, 2);
    ASSERT_TRUE(dlg.Create());
    CLvEdit& edit = dlg.m_listCtrl.m_edit;
    Act(dlg, "dblclick 142 0 0");
    Act(dlg, "set 3456 hello");
    edit.SetSel(5, 5);
    Input({});
    Act(dlg, "menu Copy");
    EXPECT_TRUE(Printed("[769] Copy (greyed);")) << Output();
    EXPECT_TRUE(Printed("[768] Cut (greyed);"));
    EXPECT_TRUE(Printed("[771] Delete (greyed);"));
    EXPECT_TRUE(Printed("That menu entry is greyed."));
    EXPECT_FALSE(Printed("Insert Formula"));  // switched off by this dialog

    edit.SetSel(0, 5);
    Input({});
    Act(dlg, "menu Copy");
    EXPECT_TRUE(Printed("[769] Copy;"));
    edit.SetSel(0, 2);
    Act(dlg, "menu &Delete");
    EXPECT_EQ(edit.GetWindowText(), L"llo");
    edit.SetSel(3, 3);
    Act(dlg, "menu 770");  // paste
    EXPECT_EQ(edit.GetWindowText(), L"llohello");
    Act(dlg, "menu Undo");
    EXPECT_EQ(edit.GetWindowText(), L"llo");

    edit.m_bFormula = 1;
    Input({});
    Act(dlg, "menu \"Insert Formula...\"");
    EXPECT_TRUE(Printed("| [1025] Insert Formula...;"));
    EXPECT_EQ(edit.GetWindowText(), L"llo");
}

}  // namespace
