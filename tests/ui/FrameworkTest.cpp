// The framework's dialog part: templates found only in the current resources, member
// exchange whose failed validation keeps the dialog open, the presenter's end of input.
#include "mfcui/Controls.h"
#include "UiFixture.h"

using namespace ui_test;

namespace {

const RESOURCETABLE s_table{
    {{0, L"NUMBER", L"Number", 120, 50,
      {{IDC_STATIC, DlgItemKind::Static, L"Count:", 7, 9, 30, 8},
       {200, DlgItemKind::Edit, L"", 40, 7, 70, 12},
       {201, DlgItemKind::ComboBox, L"", 40, 22, 70, 40, CBS_DROPDOWNLIST | CBS_SORT},
       {IDOK, DlgItemKind::PushButton, L"OK", 7, 32, 50, 14, BS_DEFPUSHBUTTON},
       {IDCANCEL, DlgItemKind::PushButton, L"Cancel", 63, 32, 50, 14}}}},
    {},
};
const char s_anchor = 0;

class CNumberDialog : public CDialog {
public:
    CNumberDialog() : CDialog(L"NUMBER") {}
    int m_nCount = 3;
    int m_nChoice = 0;
    CComboBox m_combo;

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Control(pDX, 201, m_combo);
        DDX_Text(pDX, 200, m_nCount);
        DDX_CBIndex(pDX, 201, m_nChoice);
    }
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        for (const wchar_t* s : {L"pear", L"Apple", L"banana"}) m_combo.AddString(s);
        UpdateData(FALSE);
        return TRUE;
    }
};

class Framework : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        AfxRegisterResources(&s_anchor, &s_table);
    }
};

TEST_F(Framework, ATemplateIsFoundOnlyInTheCurrentResources) {
    CNumberDialog dlg;
    EXPECT_EQ(dlg.DoModal(), -1);  // the module's resources are current, not these
    CAcModuleResourceOverride override(&s_anchor);
    EXPECT_EQ(AfxGetResourceHandle(), &s_anchor);
    Input({"click Cancel"});
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
}

TEST_F(Framework, AFailedValidationKeepsTheDialogOpenAndSortedCombosKeepTheirOrder) {
    CAcModuleResourceOverride override(&s_anchor);
    Input({"set Count abc", "click OK", "set Count 12", "select 201 banana", "key Enter"});
    CNumberDialog dlg;
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_TRUE(Printed("\n[velloria] Please enter an integer.")) << Output();
    EXPECT_TRUE(Printed("{Apple, banana, pear}"));
    EXPECT_EQ(dlg.m_nCount, 12);
    EXPECT_EQ(dlg.m_nChoice, 1);
}

TEST_F(Framework, TheEndOfInputCancelsAndUnknownActionsAreReported) {
    CAcModuleResourceOverride override(&s_anchor);
    Input({"press OK", "click Nothing", "show"});
    CNumberDialog dlg;
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_TRUE(Printed("\n*Invalid* unknown action press"));
    EXPECT_TRUE(Printed("\n*Invalid* no control Nothing"));
    EXPECT_TRUE(Printed("[200] edit \"Count:\" = \"3\""));
    EXPECT_EQ(dlg.m_nCount, 3);
}

}  // namespace
