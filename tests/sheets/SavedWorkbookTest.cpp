// Workbooks saved by an office suite and packages written by hand, read through the
// spreadsheet provider: what other programs write (values saved with their formulas, rich
// text, namespace prefixes, cells without addresses) reads as the spreadsheet shows it.
// Every expected value is written out by hand.
#include <fstream>

#include "sheets/SheetsTesting.h"

namespace {

using namespace sheets_testing;
using platform::provider::ResultSet;

std::string Made(const char* name) { return std::string(VELLORIA_TEST_DATA) + "/sheets-made/" + name; }

class SavedWorkbook : public ::testing::Test {
protected:
    testing_support::TempDir dir;
    std::string Path(const char* name) { return dir / name; }

    // A package of parts written out as given, zipped by Python's zipfile.
    std::string Package(const char* name, const std::vector<std::pair<std::string, std::string>>& parts) {
        const std::string root = Path("parts");
        std::string list;
        for (const auto& [part, text] : parts) {
            const std::string file = root + "/" + part;
            EXPECT_EQ(Shell("mkdir -p '" + file.substr(0, file.rfind('/')) + "'"), 0);
            std::ofstream(file, std::ios::binary) << text;
            list += " " + part;
        }
        const std::string path = Path(name);
        EXPECT_EQ(Shell("cd '" + root + "' && rm -f '" + path + "' && python3 -c 'import sys, zipfile\n"
                        "with zipfile.ZipFile(sys.argv[1], \"w\", zipfile.ZIP_DEFLATED) as z:\n"
                        "    [z.write(p) for p in sys.argv[2:]]' '" + path + "'" + list),
                  0);
        return path;
    }
};

TEST_F(SavedWorkbook, AnOfficeSuitesWorkbookShowsItsSavedValues) {
    const auto session = Open(ExcelConnect(Made("values.xlsx")));
    ResultSet rs = session->Query(L"SELECT * FROM `Parts$`", {});
    EXPECT_EQ(Names(rs), (std::vector<std::wstring>{L"Name", L"Qty", L"Delivered", L"At", L"Done", L"Total", L"Check"}));
    ASSERT_EQ(rs.RowCount(), 3u);
    EXPECT_EQ(Str(rs.At(0, 0)), L"Hex bolt\nM8");
    EXPECT_EQ(Str(rs.At(1, 0)), L"Wing nut & washer");
    EXPECT_EQ(Str(rs.At(2, 0)), L"Gr\u00f6\u00dfe");
    EXPECT_EQ(rs.columns[1].type, adDouble);
    EXPECT_EQ(rs.At(2, 1).dblVal, -1234567.25);
    EXPECT_EQ(rs.columns[2].type, adDate);
    EXPECT_EQ(rs.At(0, 2).date, 45000.0);  // 15 March 2023
    EXPECT_EQ(rs.At(1, 2).date, 45001.5);
    EXPECT_EQ(rs.At(2, 2).date, 61.0);  // 1 March 1900, past the day the 1900 system invents
    EXPECT_EQ(rs.At(0, 3).date, 0.75);
    EXPECT_EQ(rs.At(1, 3).vt, VT_NULL);
    EXPECT_EQ(rs.columns[4].type, adBoolean);
    EXPECT_EQ(rs.At(0, 4).boolVal, VARIANT_TRUE);
    EXPECT_EQ(rs.At(1, 4).boolVal, VARIANT_FALSE);
    // Formulas by the values saved with them: numbers and a text make a column of texts.
    EXPECT_EQ(Str(rs.At(0, 5)), L"25");
    EXPECT_EQ(Str(rs.At(2, 5)), L"sum -1234567.25");
    EXPECT_EQ(Str(rs.At(0, 6)), L"#DIV/0!");
    EXPECT_EQ(Str(rs.At(1, 6)), L"#N/A");
    EXPECT_EQ(Str(rs.At(2, 6)), L"7");

    // Rich text runs joined; the used range starts at B2; a name on a quoted sheet name.
    rs = session->Query(L"SELECT * FROM [Second sheet$]", {});
    EXPECT_EQ(Names(rs), (std::vector<std::wstring>{L"A-1 <x>", L"42"}));
    ASSERT_EQ(rs.RowCount(), 1u);
    EXPECT_EQ(Str(rs.At(0, 1)), L"b");
    rs = session->Query(L"SELECT * FROM Middle", {});
    EXPECT_EQ(Names(rs), (std::vector<std::wstring>{L"A-1 <x>", L"42"}));
    ASSERT_EQ(rs.RowCount(), 1u);
    EXPECT_EQ(rs.At(0, 0).dblVal, 42.0);
    // A hidden sheet is a table; a merged range's value is in its first cell.
    rs = session->Query(L"SELECT Note, Code FROM `Kept$`", {});
    ASSERT_EQ(rs.RowCount(), 1u);
    EXPECT_EQ(Str(rs.At(0, 0)), L"merged");
    EXPECT_EQ(rs.At(0, 1).vt, VT_NULL);

    rs = Select(ExcelConnect(Made("days1904.xlsx")), L"SELECT Day FROM `Days$`");
    ASSERT_EQ(rs.RowCount(), 2u);
    EXPECT_EQ(rs.At(0, 0).date, 1463.0);   // 2 January 1904
    EXPECT_EQ(rs.At(1, 0).date, 45356.0);  // 5 March 2024
}

TEST_F(SavedWorkbook, AnExcel97WorkbookIsRefusedWithAWayForward) {
    const std::wstring why = Failure([&] { Open(ExcelConnect(Made("values.xls"))); });
    EXPECT_NE(why.find(L"'values.xls' is an Excel 97-2003 workbook (.xls), which is not read here. Save it as .xlsx"), std::wstring::npos) << why;
}

// A package as programs that write with namespace prefixes, absolute part names and without
// cell addresses save it (x:row, x:c), in the 1904 date system, with rich and inline text and
// values saved with their formulas; and the same with a formula saved without its value,
// which is computed.
TEST_F(SavedWorkbook, APackageWithPrefixesAbsoluteNamesAndNoAddressesReads) {
    const std::string ns = R"(xmlns:x="http://schemas.openxmlformats.org/spreadsheetml/2006/main" )"
                           R"(xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships")";
    const std::string rel = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";
    const auto parts = [&](const std::string& formulaCell) -> std::vector<std::pair<std::string, std::string>> {
        return {
            {"[Content_Types].xml",
             R"(<?xml version="1.0" encoding="UTF-8"?><Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">)"
             R"(<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>)"
             R"(<Default Extension="xml" ContentType="application/xml"/>)"
             R"(<Override PartName="/xl/workbook.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml"/>)"
             R"(<Override PartName="/xl/worksheets/sheet1.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml"/>)"
             R"(<Override PartName="/xl/sharedStrings.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.sharedStrings+xml"/>)"
             R"(<Override PartName="/xl/styles.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.styles+xml"/></Types>)"},
            {"_rels/.rels", R"(<?xml version="1.0"?><Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
                            R"(<Relationship Id="rId1" Type=")" + rel + R"(officeDocument" Target="xl/workbook.xml"/></Relationships>)"},
            {"xl/_rels/workbook.xml.rels",
             R"(<?xml version="1.0"?><Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
             R"(<Relationship Id="rId1" Type=")" + rel + R"(worksheet" Target="/xl/worksheets/sheet1.xml"/>)"
             R"(<Relationship Id="rId2" Type=")" + rel + R"(sharedStrings" Target="sharedStrings.xml"/>)"
             R"(<Relationship Id="rId3" Type=")" + rel + R"(styles" Target="styles.xml"/></Relationships>)"},
            {"xl/workbook.xml", R"(<?xml version="1.0"?><x:workbook )" + ns + R"(><x:workbookPr date1904="1"/>)"
                                R"(<x:sheets><x:sheet name="R&amp;D" sheetId="1" r:id="rId1"/></x:sheets></x:workbook>)"},
            {"xl/styles.xml", R"(<?xml version="1.0"?><x:styleSheet )" + ns + R"(>)"
                              R"(<x:numFmts count="1"><x:numFmt numFmtId="164" formatCode="[$-409]d\ mmm\ yyyy;@"/></x:numFmts>)"
                              R"(<x:cellStyleXfs count="1"><x:xf numFmtId="14"/></x:cellStyleXfs>)"
                              R"(<x:cellXfs count="3"><x:xf numFmtId="0" xfId="0"/><x:xf numFmtId="164" xfId="0"/><x:xf numFmtId="20" xfId="0"/></x:cellXfs></x:styleSheet>)"},
            {"xl/sharedStrings.xml", R"(<?xml version="1.0"?><x:sst )" + ns + R"( count="2" uniqueCount="2">)"
                                     R"(<x:si><x:t>When</x:t></x:si>)"
                                     R"(<x:si><x:r><x:rPr><x:b/></x:rPr><x:t>Line</x:t></x:r><x:r><x:t xml:space="preserve"> one_x000A_two</x:t></x:r>)"
                                     R"(<x:rPh sb="0" eb="4"><x:t>RAIN</x:t></x:rPh></x:si></x:sst>)"},
            {"xl/worksheets/sheet1.xml",
             R"(<?xml version="1.0"?><x:worksheet )" + ns + R"(><x:sheetData>)"
             R"(<x:row><x:c t="inlineStr"><x:is><x:t>Label</x:t></x:is></x:c><x:c t="s"><x:v>0</x:v></x:c>)"
             R"(<x:c t="inlineStr"><x:is><x:r><x:t>Fl</x:t></x:r><x:r><x:t>ag</x:t></x:r></x:is></x:c><x:c t="inlineStr"><x:is><x:t>Value</x:t></x:is></x:c></x:row>)"
             R"(<x:row><x:c t="s"><x:v>1</x:v></x:c><x:c s="1"><x:v>1</x:v></x:c><x:c t="b"><x:v>1</x:v></x:c>)" + formulaCell + R"(</x:row>)"
             R"(<x:row r="5"><x:c t="str"><x:f>"a "&amp;"&amp; b"</x:f><x:v>a &amp; b</x:v></x:c><x:c s="2"><x:v>0.5</x:v></x:c>)"
             R"(<x:c t="b"><x:v>0</x:v></x:c><x:c><x:v>3</x:v></x:c></x:row><x:row><x:c t="e"><x:v>#REF!</x:v></x:c></x:row>)"
             R"(</x:sheetData></x:worksheet>)"},
        };
    };
    for (const std::string& formulaCell : {std::string("<x:c><x:f>1+1</x:f><x:v>2</x:v></x:c>"), std::string("<x:c><x:f>1+1</x:f></x:c>")}) {
        SCOPED_TRACE(formulaCell);
        const ResultSet rs = Select(ExcelConnect(Package("prefixed.xlsx", parts(formulaCell))), L"SELECT * FROM [R&D$]");
        EXPECT_EQ(Names(rs), (std::vector<std::wstring>{L"Label", L"When", L"Flag", L"Value"}));
        ASSERT_EQ(rs.RowCount(), 5u);
        EXPECT_EQ(Str(rs.At(0, 0)), L"Line one\ntwo");
        EXPECT_EQ(rs.At(0, 1).date, 1463.0);  // day 1 of the 1904 system: 2 January 1904
        EXPECT_EQ(rs.At(0, 2).boolVal, VARIANT_TRUE);
        EXPECT_EQ(rs.At(0, 3).dblVal, 2.0);
        // The rows the file skips are empty rows of the table.
        EXPECT_EQ(rs.At(1, 0).vt, VT_NULL);
        EXPECT_EQ(rs.At(2, 3).vt, VT_NULL);
        EXPECT_EQ(Str(rs.At(3, 0)), L"a & b");
        EXPECT_EQ(rs.At(3, 1).date, 1462.5);  // noon of 1 January 1904
        EXPECT_EQ(rs.At(3, 2).boolVal, VARIANT_FALSE);
        EXPECT_EQ(rs.At(3, 3).dblVal, 3.0);
        EXPECT_EQ(Str(rs.At(4, 0)), L"#REF!");
    }
}

}  // namespace
