// The console presenter as a script uses it: the list of actions, the words it did not
// understand, texts typed with their spaces, and what a choice changed in the dialog.
#include "UiFixture.h"
#include "ui/DbDialog.h"
#include "ui/DbPropertyDialog.h"

using namespace ui_test;

namespace {

class ConsolePresenter : public DialogTest {
protected:
    // Runs one action line and returns what it printed, or the error.
    std::string Run(CDialog& dialog, const std::string& line, bool expectOk = true) {
        Input({});
        std::string error;
        const bool ok = platform::ui::PerformAction(dialog, line, error);
        EXPECT_EQ(ok, expectOk) << line << ": " << error;
        platform::ui::ProcessEvents();
        return ok ? Output() : error;
    }
};

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST_F(ConsolePresenter, HelpListsTheActionsAndAnUnknownVerbIsNamed) {
    CDbPropertyDialog dlg(kOdbc, m_nwind, L"", L"", L"", L"");
    ASSERT_TRUE(dlg.Create());
    const std::string help = Run(dlg, "help");
    for (const char* usage : {"show", "click CTL", "check CTL [on|off]", "set CTL TEXT", "select CTL ENTRY", "dblclick CTL ROW [COL]",
                              "focus CTL", "menu ENTRY", "key Enter|Escape"})
        EXPECT_TRUE(Has(help, "\n  " + std::string(usage) + " ")) << usage << help;
    EXPECT_EQ(Run(dlg, "?"), help);

    EXPECT_EQ(Run(dlg, "press OK", false), "unknown action press (help lists the actions)");
    EXPECT_EQ(Run(dlg, "Click", false), "name a control: click CTL");  // known in any case
    EXPECT_EQ(Run(dlg, "key Tab", false), "unknown key Tab (Enter or Escape)");
}

TEST_F(ConsolePresenter, SetTakesTheRestOfTheLineWithOrWithoutQuotes) {
    OpenNwind();
    CDbPropertyDialog dlg(kOdbc, m_nwind, L"Shippers", L"", L"", L"");
    ASSERT_TRUE(dlg.Create());
    const std::pair<std::string, std::string> cases[] = {
        {"set SQL SELECT * FROM Shippers", "SELECT * FROM Shippers"},
        {"set SQL   SELECT  Phone FROM Shippers  ", "SELECT  Phone FROM Shippers"},  // inner spaces kept
        {"set SQL \"SELECT * FROM [Order Details]\"", "SELECT * FROM [Order Details]"},
        {"set SQL SELECT \"a b\" FROM Shippers", "SELECT \"a b\" FROM Shippers"},  // quotes inside the text stay
        {"set \"SQL\" \"\"", ""},
    };
    for (const auto& [line, text] : cases) {
        Run(dlg, line);
        EXPECT_EQ(Text(dlg, IDC_SQL).ToUtf8(), text) << line;
    }
    Run(dlg, "select Table/View Order Details");  // an entry with a space, unquoted
    EXPECT_EQ(Text(dlg, 132), L"Order Details");
}

TEST_F(ConsolePresenter, SelectPrintsWhatItChanged) {
    OpenNwind();
    CDbDialog dlg;
    ASSERT_TRUE(dlg.Create());
    const std::string shippers = Run(dlg, "select \"Data Source\" \"" + m_nwind.ToUtf8() + "/Shippers\"");
    EXPECT_TRUE(Has(shippers, "\nChanged:")) << shippers;
    EXPECT_TRUE(Has(shippers, "grid \"Data View:\" 3 rows x 3 columns\n    | ShipperID | CompanyName | Phone |\n"
                              "    | 1 | Speedy Express | (503) 555-9831 |"))
        << shippers;
    EXPECT_FALSE(Has(shippers, "tree ")) << "the control chosen from is not repeated";

    const std::string products = Run(dlg, "select \"Data Source\" \"" + m_nwind.ToUtf8() + "/Products\"");
    EXPECT_TRUE(Has(products, "grid \"Data View:\" 77 rows x 10 columns")) << products;
    EXPECT_TRUE(Has(products, "\n    ...")) << products;  // only the first rows
    EXPECT_FALSE(Has(products, "Customize Column Width")) << "unchanged controls are not printed";

    EXPECT_EQ(Run(dlg, "select \"Data Source\" \"" + m_nwind.ToUtf8() + "/Products\""), "");  // nothing changed
}

}  // namespace
