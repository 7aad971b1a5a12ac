// Workbooks written by libxlsxwriter, read through the spreadsheet provider: values as the
// spreadsheet shows them, the tables the Excel driver names, SQL over them, and files that
// cannot be read named for what they are. Every expected value is written out by hand.
#include <fstream>

#include "sheets/SheetsTesting.h"

namespace {

using namespace sheets_testing;
using platform::provider::ResultSet;

class WorkbookRead : public ::testing::Test {
protected:
    testing_support::TempDir dir;
    std::string Path(const char* name) { return dir / name; }
};

TEST_F(WorkbookRead, ValuesKeepTheirTypesAsTheSpreadsheetShowsThem) {
    const std::string path = Path("values.xlsx");
    {
        Workbook book(path);
        lxw_worksheet* ws = book.Sheet("Sheet1");
        lxw_format* day = book.Format("yyyy-mm-dd");
        lxw_format* time = book.Format("hh:mm");
        const char* heads[] = {"Name", "Qty", "Delivered", "At", "Done", "Total"};
        for (int c = 0; c < 6; ++c) worksheet_write_string(ws, 0, static_cast<lxw_col_t>(c), heads[c], nullptr);
        worksheet_write_string(ws, 1, 0, "Hex bolt\nM8", nullptr);
        worksheet_write_number(ws, 1, 1, 12.5, nullptr);
        worksheet_write_number(ws, 1, 2, 45000, day);
        worksheet_write_number(ws, 1, 3, 0.75, time);
        worksheet_write_boolean(ws, 1, 4, 1, nullptr);
        worksheet_write_formula_num(ws, 1, 5, "=B2*2", nullptr, 25);
        // Rich text: its runs joined into one text.
        lxw_format* bold = workbook_add_format(book.get());
        format_set_bold(bold);
        lxw_rich_string_tuple plain{nullptr, (char*)"Wing "}, strong{bold, (char*)"nut"};
        lxw_rich_string_tuple* runs[] = {&plain, &strong, nullptr};
        worksheet_write_rich_string(ws, 2, 0, runs, nullptr);
        worksheet_write_number(ws, 2, 1, 3, nullptr);
        worksheet_write_number(ws, 2, 2, 45001.5, day);
        worksheet_write_boolean(ws, 2, 4, 0, nullptr);
        // Written without a value of its own (libxlsxwriter asks the reader to compute it).
        worksheet_write_formula(ws, 2, 5, "=B3*2", nullptr);
    }
    const ResultSet rs = Select(ExcelConnect(path), L"SELECT * FROM `Sheet1$`");
    EXPECT_EQ(Names(rs), (std::vector<std::wstring>{L"Name", L"Qty", L"Delivered", L"At", L"Done", L"Total"}));
    ASSERT_EQ(rs.RowCount(), 2u);
    EXPECT_EQ(rs.columns[1].type, adDouble);
    EXPECT_EQ(rs.columns[2].type, adDate);
    EXPECT_EQ(rs.columns[4].type, adBoolean);
    EXPECT_EQ(Str(rs.At(0, 0)), L"Hex bolt\nM8");
    EXPECT_EQ(Str(rs.At(1, 0)), L"Wing nut");
    ASSERT_EQ(rs.At(0, 1).vt, VT_R8);
    EXPECT_EQ(rs.At(0, 1).dblVal, 12.5);
    // 15 March 2023 is day 45,000 in both counts; half past noon the next day.
    ASSERT_EQ(rs.At(0, 2).vt, VT_DATE);
    EXPECT_EQ(rs.At(0, 2).date, 45000.0);
    EXPECT_EQ(rs.At(1, 2).date, 45001.5);
    // A time alone is a time of day, as Access keeps one.
    ASSERT_EQ(rs.At(0, 3).vt, VT_DATE);
    EXPECT_EQ(rs.At(0, 3).date, 0.75);
    EXPECT_EQ(rs.At(1, 3).vt, VT_NULL);
    ASSERT_EQ(rs.At(0, 4).vt, VT_BOOL);
    EXPECT_EQ(rs.At(0, 4).boolVal, VARIANT_TRUE);
    EXPECT_EQ(rs.At(1, 4).boolVal, VARIANT_FALSE);
    EXPECT_EQ(rs.At(0, 5).dblVal, 25.0);
    EXPECT_EQ(rs.At(1, 5).dblVal, 6.0);
}

TEST_F(WorkbookRead, DatesInBothSystemsAndTheDayThe1900SystemInvents) {
    const std::string path = Path("days.xlsx");
    {
        Workbook book(path);
        lxw_worksheet* ws = book.Sheet("Days");
        lxw_format* day = book.BuiltIn(14);  // the built-in short date: no format code in the file
        worksheet_write_string(ws, 0, 0, "Day", nullptr);
        const double serials[] = {1, 59, 60, 61};
        for (int r = 0; r < 4; ++r) worksheet_write_number(ws, static_cast<lxw_row_t>(r + 1), 0, serials[r], day);
    }
    ResultSet rs = Select(ExcelConnect(path), L"SELECT Day FROM [Days$]");
    ASSERT_EQ(rs.RowCount(), 4u);
    // 1 January 1900 is OLE day 2, 28 February OLE day 60; the spreadsheet's 29 February is
    // no day at all, and 1 March is day 61 in both counts.
    // The column holds a day that never was, so its cells are their texts.
    EXPECT_EQ(rs.columns[0].type, adVarWChar);
    EXPECT_EQ(Str(rs.At(0, 0)), L"1900-01-01");
    EXPECT_EQ(Str(rs.At(1, 0)), L"1900-02-28");
    EXPECT_EQ(Str(rs.At(2, 0)), L"1900-02-29");
    EXPECT_EQ(Str(rs.At(3, 0)), L"1900-03-01");

    // The same workbook in the 1904 system: day 0 is 1 January 1904.
    const std::string days1904 = Path("days1904.xlsx");
    ASSERT_EQ(Shell("/usr/bin/python3 -c \"import zipfile,sys; a=zipfile.ZipFile(sys.argv[1]); b=zipfile.ZipFile(sys.argv[2],'w');"
                    "[b.writestr(i, a.read(i).replace(b'<workbookPr ', b'<workbookPr date1904=\\\"1\\\" ') if i.filename=='xl/workbook.xml' else a.read(i)) for i in a.infolist()]; b.close()\" " +
                    path + " " + days1904),
              0);
    rs = Select(ExcelConnect(days1904), L"SELECT Day FROM [Days$] WHERE Day > #1904-01-01#");
    ASSERT_EQ(rs.RowCount(), 4u);
    ASSERT_EQ(rs.At(0, 0).vt, VT_DATE);
    EXPECT_EQ(rs.At(0, 0).date, 1463.0);  // 2 January 1904
    EXPECT_EQ(rs.At(2, 0).date, 1522.0);  // 1 March 1904: the 1904 system invents no day
}

TEST_F(WorkbookRead, SheetsNamesAndRangesAreTablesAsTheExcelDriverNamesThem) {
    const std::string path = Path("book.xlsx");
    {
        Workbook book(path);
        lxw_worksheet* parts = book.Sheet("Parts");
        worksheet_write_string(parts, 0, 0, "Part", nullptr);
        worksheet_write_string(parts, 0, 1, "Qty", nullptr);
        const char* names[] = {"bolt", "nut", "washer", "rivet"};
        for (int r = 0; r < 4; ++r) {
            worksheet_write_string(parts, static_cast<lxw_row_t>(r + 1), 0, names[r], nullptr);
            worksheet_write_number(parts, static_cast<lxw_row_t>(r + 1), 1, 10 * (r + 1), nullptr);
        }
        // A merged range gives its value to its first cell only.
        worksheet_merge_range(parts, 5, 0, 5, 1, "merged", nullptr);
        workbook_define_name(book.get(), "FirstTwo", "=Parts!$A$1:$B$3");
        lxw_worksheet* hidden = book.Sheet("Hidden");
        worksheet_hide(hidden);
        worksheet_write_string(hidden, 0, 0, "Secret", nullptr);
        worksheet_write_string(hidden, 1, 0, "kept", nullptr);
        // A sheet whose used range starts lower down: its first used row names the columns.
        lxw_worksheet* low = book.Sheet("Low");
        worksheet_write_string(low, 2, 1, "Code", nullptr);
        worksheet_write_number(low, 3, 1, 7, nullptr);
        // A sheet whose last used row is the last row a sheet has.
        lxw_worksheet* tall = book.Sheet("Tall");
        worksheet_write_string(tall, 0, 0, "Mark", nullptr);
        worksheet_write_string(tall, 1048575, 0, "bottom", nullptr);
    }
    const std::wstring connect = ExcelConnect(path);
    const auto session = Open(connect);
    const ResultSet tables = session->Tables();
    std::vector<std::wstring> listed;
    for (size_t r = 0; r < tables.RowCount(); ++r) listed.push_back(Str(tables.At(r, 2)));
    std::sort(listed.begin(), listed.end());
    EXPECT_EQ(listed, (std::vector<std::wstring>{L"FirstTwo", L"Hidden$", L"Low$", L"Parts$", L"Tall$"}));

    ResultSet rs = session->Query(L"SELECT Part, Qty FROM `Parts$` WHERE Qty >= 20 ORDER BY Qty DESC", {});
    ASSERT_EQ(rs.RowCount(), 3u);
    EXPECT_EQ(Str(rs.At(0, 0)), L"rivet");
    EXPECT_EQ(Str(rs.At(2, 0)), L"nut");
    rs = session->Query(L"SELECT * FROM `Parts$`", {});
    ASSERT_EQ(rs.RowCount(), 5u);
    EXPECT_EQ(Str(rs.At(4, 0)), L"merged");
    EXPECT_EQ(rs.At(4, 1).vt, VT_NULL);
    rs = session->Query(L"SELECT * FROM FirstTwo", {});
    ASSERT_EQ(rs.RowCount(), 2u);
    EXPECT_EQ(Str(rs.At(1, 0)), L"nut");
    rs = session->Query(L"SELECT * FROM [Parts$A3:B4]", {});
    // The range's first row names its columns, a number by its text.
    EXPECT_EQ(Names(rs), (std::vector<std::wstring>{L"nut", L"20"}));
    ASSERT_EQ(rs.RowCount(), 1u);
    EXPECT_EQ(Str(rs.At(0, 0)), L"washer");
    rs = session->Query(L"SELECT * FROM `Hidden$`", {});
    ASSERT_EQ(rs.RowCount(), 1u);
    EXPECT_EQ(Str(rs.At(0, 0)), L"kept");
    rs = session->Query(L"SELECT Code FROM `Low$`", {});
    ASSERT_EQ(rs.RowCount(), 1u);
    EXPECT_EQ(rs.At(0, 0).dblVal, 7.0);
    rs = session->Query(L"SELECT COUNT(*), MAX(Mark) FROM `Tall$`", {});
    EXPECT_EQ(rs.At(0, 0).lVal, 1048575);
    EXPECT_EQ(Str(rs.At(0, 1)), L"bottom");
}

TEST_F(WorkbookRead, WithoutAHeaderRowColumnsAreNumberedAndMixedColumnsKeepEachCellsText) {
    const std::string path = Path("plain.xlsx");
    {
        // Inline strings, as a workbook written row by row holds them.
        Workbook book(path, true);
        lxw_worksheet* ws = book.Sheet("Sheet1");
        worksheet_write_string(ws, 0, 0, "A-1", nullptr);
        worksheet_write_number(ws, 0, 1, 1234567.25, nullptr);
        worksheet_write_number(ws, 1, 0, 42, nullptr);
        worksheet_write_formula_str(ws, 1, 1, "=NA()", nullptr, "#N/A");
        worksheet_write_boolean(ws, 2, 0, 1, nullptr);
    }
    const ResultSet rs = Select(ExcelConnect(path, L"HDR=NO;"), L"SELECT * FROM [Sheet1$]");
    EXPECT_EQ(Names(rs), (std::vector<std::wstring>{L"F1", L"F2"}));
    ASSERT_EQ(rs.RowCount(), 3u);
    EXPECT_EQ(Str(rs.At(0, 0)), L"A-1");
    EXPECT_EQ(Str(rs.At(1, 0)), L"42");
    EXPECT_EQ(Str(rs.At(2, 0)), L"TRUE");
    EXPECT_EQ(Str(rs.At(0, 1)), L"1234567.25");
    EXPECT_EQ(Str(rs.At(1, 1)), L"#N/A");
    EXPECT_EQ(rs.At(2, 1).vt, VT_NULL);
    // The same through the engine's OLE DB provider, its settings in its extended properties.
    const ResultSet ace = Select(L"Provider=Microsoft.ACE.OLEDB.12.0;Data Source=" + Wide(path) + L";Extended Properties=\"Excel 12.0 Xml;HDR=NO\";",
                                 L"SELECT F1 FROM [Sheet1$] WHERE F2 IS NULL");
    ASSERT_EQ(ace.RowCount(), 1u);
    EXPECT_EQ(Str(ace.At(0, 0)), L"TRUE");
}

TEST_F(WorkbookRead, AnOpenDocumentSpreadsheetGivesItsValuesWhole) {
    // The content of a spreadsheet as an office suite saves it, written out here by hand: a
    // text of two paragraphs with a run of spaces, a date, a time, a boolean, repeated cells.
    std::ofstream(Path("content.xml")) << R"(<?xml version="1.0" encoding="UTF-8"?>
<office:document-content xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0" xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0" office:version="1.2"><office:body><office:spreadsheet>
<table:table table:name="Parts">
<table:table-row><table:table-cell office:value-type="string"><text:p>Part</text:p></table:table-cell><table:table-cell office:value-type="string"><text:p>Qty</text:p></table:table-cell><table:table-cell office:value-type="string"><text:p>Due</text:p></table:table-cell><table:table-cell office:value-type="string"><text:p>At</text:p></table:table-cell><table:table-cell office:value-type="string"><text:p>Stock</text:p></table:table-cell></table:table-row>
<table:table-row><table:table-cell office:value-type="string"><text:p>Hex bolt</text:p><text:p>M8<text:s text:c="2"/>&amp; nut</text:p></table:table-cell><table:table-cell office:value-type="float" office:value="12.5"><text:p>12.5</text:p></table:table-cell><table:table-cell office:value-type="date" office:date-value="2024-03-05"><text:p>05.03.24</text:p></table:table-cell><table:table-cell office:value-type="time" office:time-value="PT14H07M00S"><text:p>14:07</text:p></table:table-cell><table:table-cell office:value-type="boolean" office:boolean-value="true"><text:p>TRUE</text:p></table:table-cell></table:table-row>
<table:table-row table:number-rows-repeated="2"><table:table-cell table:number-columns-repeated="2" office:value-type="string"><text:p>same</text:p></table:table-cell><table:table-cell office:value-type="date" office:date-value="2024-03-06T12:00:00"><text:p>06.03.24</text:p></table:table-cell><table:table-cell/><table:table-cell office:value-type="boolean" office:boolean-value="false"><text:p>FALSE</text:p></table:table-cell></table:table-row>
</table:table></office:spreadsheet></office:body></office:document-content>)";
    ASSERT_EQ(Shell("cd '" + dir.path().string() + "' && /usr/bin/python3 -c \"import zipfile; z=zipfile.ZipFile('parts.ods','w'); "
                    "z.writestr(zipfile.ZipInfo('mimetype'),'application/vnd.oasis.opendocument.spreadsheet'); "
                    "z.write('content.xml', compress_type=zipfile.ZIP_DEFLATED); z.close()\""),
              0);
    const ResultSet rs = Select(ExcelConnect(Path("parts.ods")), L"SELECT * FROM `Parts$`");
    ASSERT_EQ(rs.RowCount(), 3u);
    EXPECT_EQ(Str(rs.At(0, 0)), L"Hex bolt\nM8  & nut");
    EXPECT_EQ(Str(rs.At(1, 1)), L"same") << "a column of a number and texts keeps each cell's text";
    EXPECT_EQ(Str(rs.At(0, 1)), L"12.5");
    ASSERT_EQ(rs.At(0, 2).vt, VT_DATE);
    EXPECT_EQ(rs.At(0, 2).date, 45356.0);  // 5 March 2024
    EXPECT_EQ(rs.At(2, 2).date, 45357.5);
    ASSERT_EQ(rs.At(0, 3).vt, VT_DATE);
    EXPECT_DOUBLE_EQ(rs.At(0, 3).date, (14 * 60 + 7) / 1440.0);
    EXPECT_EQ(rs.At(1, 3).vt, VT_NULL);
    ASSERT_EQ(rs.At(0, 4).vt, VT_BOOL);
    EXPECT_EQ(rs.At(0, 4).boolVal, VARIANT_TRUE);
    EXPECT_EQ(rs.At(2, 4).boolVal, VARIANT_FALSE);
}

TEST_F(WorkbookRead, AFileThatCannotBeReadSaysWhy) {
    EXPECT_NE(Failure([&] { Open(ExcelConnect(Path("missing.xlsx"))); }).find(L"Could not find file"), std::wstring::npos);

    std::ofstream(Path("notes.xlsx")) << "not a workbook at all";
    EXPECT_NE(Failure([&] { Open(ExcelConnect(Path("notes.xlsx"))); }).find(L"is not a workbook"), std::wstring::npos);

    // A workbook saved with a password to open is a compound file holding an encrypted package.
    std::string compound("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
    compound.resize(1024, '\0');
    for (char c : std::string("EncryptedPackage")) compound += c, compound += '\0';
    compound.resize(4096, '\0');
    std::ofstream(Path("locked.xlsx"), std::ios::binary) << compound;
    const std::wstring locked = Failure([&] { Open(ExcelConnect(Path("locked.xlsx"))); });
    EXPECT_NE(locked.find(L"[Microsoft][ODBC Excel Driver] The workbook 'locked.xlsx' is protected with a password"), std::wstring::npos) << locked;

    // A damaged workbook: the start of a real one, cut short.
    {
        Workbook book(Path("whole.xlsx"));
        worksheet_write_string(book.Sheet("Sheet1"), 0, 0, "x", nullptr);
    }
    std::ifstream whole(Path("whole.xlsx"), std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(whole)), std::istreambuf_iterator<char>());
    std::ofstream(Path("cut.xlsx"), std::ios::binary) << bytes.substr(0, bytes.size() / 2);
    EXPECT_NE(Failure([&] { Open(ExcelConnect(Path("cut.xlsx"))); }).find(L"cannot be read: it is damaged"), std::wstring::npos);
}

TEST_F(WorkbookRead, AWorkbookSavedAgainIsReadAgainAndALockFileChangesNothing) {
    const std::string path = Path("live.xlsx");
    const auto write = [&](double qty) {
        Workbook book(path);
        lxw_worksheet* ws = book.Sheet("Sheet1");
        worksheet_write_string(ws, 0, 0, "Qty", nullptr);
        worksheet_write_number(ws, 1, 0, qty, nullptr);
    };
    write(1);
    const auto session = Open(ExcelConnect(path));
    EXPECT_EQ(session->Query(L"SELECT Qty FROM `Sheet1$`", {}).At(0, 0).dblVal, 1.0);
    // Open in an office suite: its lock files beside the workbook.
    std::ofstream(Path("~$live.xlsx")) << "user";
    std::ofstream(Path(".~lock.live.xlsx#")) << "user,host";
    write(2);
    EXPECT_EQ(session->Query(L"SELECT Qty FROM `Sheet1$`", {}).At(0, 0).dblVal, 2.0);
}

TEST_F(WorkbookRead, StatementsOverAWorkbookAreReadOnlyAndLimited) {
    const std::string path = Path("safe.xlsx");
    {
        Workbook book(path);
        lxw_worksheet* ws = book.Sheet("Sheet1");
        worksheet_write_string(ws, 0, 0, "N", nullptr);
        for (int r = 1; r <= 50; ++r) worksheet_write_number(ws, static_cast<lxw_row_t>(r), 0, r, nullptr);
    }
    const auto session = Open(ExcelConnect(path));
    EXPECT_NE(Failure([&] { session->Query(L"DELETE FROM `Sheet1$`", {}); }).find(L"updateable"), std::wstring::npos);
    const std::wstring second = Failure([&] { session->Query(L"SELECT * FROM `Sheet1$`; SELECT 1", {}); });
    EXPECT_EQ(second.rfind(L"[Microsoft][ODBC Excel Driver] ", 0), 0u) << second;
    platform::provider::StatementLimits limits;
    limits.rows = 10;
    EXPECT_FALSE(Failure([&] { session->Query(L"SELECT * FROM `Sheet1$`", limits); }).empty());
    EXPECT_EQ(session->Query(L"SELECT COUNT(*) FROM `Sheet1$`", {}).At(0, 0).lVal, 50);
}

}  // namespace
