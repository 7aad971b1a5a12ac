// A drawing linked on Windows to a workbook's sheet (Sheet1$, through the Excel driver) and to
// a text file (parts#csv, through the text driver) refreshes here with `velloria update`, and
// again after the workbook is saved anew. The link records are the sample drawing's own, with
// the drivers, locations and tables a Windows user's drawing holds; the workbook is written by
// libxlsxwriter and the text file byte by byte.
#include <gtest/gtest.h>
#include <xlsxwriter.h>

#include <filesystem>
#include <string>

#include "testing/TempDir.h"
#include "testing/ToolRun.h"

namespace {

using testing_support::Has;
using testing_support::ReadFile;
using testing_support::ToolRun;
using testing_support::WriteFile;

// One link record of the sample, as DXF text: driver, database and table.
std::string Link(const std::string& driver, const std::string& database, const std::string& table) {
    return driver + "\n1001\nDatabase\n1000\n" + database + "\n1001\nTable\n1000\n" + table + "\n";
}

void Replace(std::string& text, const std::string& from, const std::string& to) {
    const size_t at = text.find(from);
    ASSERT_NE(at, std::string::npos) << from;
    text.replace(at, from.size(), to);
}

void WriteWorkbook(const std::string& path, const char* thirdPart) {
    lxw_workbook* book = workbook_new(path.c_str());
    lxw_worksheet* ws = workbook_add_worksheet(book, "Sheet1");
    const char* heads[] = {"Part", "Qty", "Due"};
    lxw_format* day = workbook_add_format(book);
    format_set_num_format(day, "dd.mm.yyyy");
    for (int c = 0; c < 3; ++c) worksheet_write_string(ws, 0, static_cast<lxw_col_t>(c), heads[c], nullptr);
    const char* parts[] = {"Hex bolt M8", "Wing nut", thirdPart};
    for (int r = 0; r < 3; ++r) {
        worksheet_write_string(ws, static_cast<lxw_row_t>(r + 1), 0, parts[r], nullptr);
        worksheet_write_number(ws, static_cast<lxw_row_t>(r + 1), 1, 10 * (r + 1), nullptr);
        worksheet_write_number(ws, static_cast<lxw_row_t>(r + 1), 2, 45356 + r, day);
    }
    ASSERT_EQ(workbook_close(book), LXW_NO_ERROR);
}

class SpreadsheetLink : public ::testing::Test {
protected:
    testing_support::TempDir dir;
    ToolRun Velloria(const std::string& args) {
        return testing_support::RunIn(dir.path(), "env -u VELLORIA_MODULE VELLORIA_REGISTRY='" + (dir / "registry.reg") + "' timeout 120 '" +
                                                      std::string(VELLORIA_BIN_DIR) + "/velloria' " + args);
    }
};

TEST_F(SpreadsheetLink, ADrawingLinkedOnWindowsToASheetAndATextFileRefreshesHere) {
    for (const char* name : {"linked-tables.dxf", "nwind.mdb"})
        std::filesystem::copy_file(std::string(VELLORIA_SOURCE_DIR) + "/samples/" + name, dir / name);
    std::string drawing = ReadFile(dir / "linked-tables.dxf");
    const std::string access = "Microsoft Access Driver (*.mdb, *.accdb)";
    Replace(drawing, Link(access, "nwind.mdb", "Shippers"), Link("Microsoft Excel Driver (*.xls, *.xlsx, *.xlsm, *.xlsb)", ".\\parts.xlsx", "Sheet1$"));
    Replace(drawing, Link(access, "./nwind.mdb", "") + "1001\nSQL\n1000\nSELECT CategoryID, CategoryName, Description FROM Categories\n",
            Link("Microsoft Access Text Driver (*.txt, *.csv)", ".\\csv", "parts#csv") + "1001\nSQL\n1000\n\n");
    WriteFile(dir / "windows.dxf", drawing);
    WriteWorkbook(dir / "parts.xlsx", "Washer");
    std::filesystem::create_directory(dir / "csv");
    WriteFile(dir / "csv/parts.csv", "Part;Price;Packed\r\n\"Bolt; long\";0.25;box of 50\r\nRivet;1.5;\"bag\nof 10\"\r\n");

    const ToolRun update = Velloria("update windows.dxf");
    ASSERT_EQ(update.status, 0) << update.out << update.err;
    // Handle D is the sheet's table, with its header; handle 16 the text file's.
    ToolRun sheet = Velloria("cells windows.dxf D");
    EXPECT_EQ(sheet.out, "Part\tQty\tDue\nHex bolt M8\t10\t2024-03-05 00:00:00\nWing nut\t20\t2024-03-06 00:00:00\nWasher\t30\t2024-03-07 00:00:00\n")
        << sheet.err;
    const ToolRun text = Velloria("cells windows.dxf 16");
    // The table keeps the headings its link names; the rows are the file's, the line break in
    // a quoted field a paragraph break of the cell (\P, its backslash written \\ by `cells`).
    EXPECT_EQ(text.out, "No.\tCategory\tWhat it holds\nBolt; long\t0.25\tbox of 50\nRivet\t1.5\tbag\\\\Pof 10\n") << text.err;

    // The workbook saved again, as an office suite saves it: the next refresh reads it.
    WriteWorkbook(dir / "parts.xlsx", "Spring washer");
    ASSERT_EQ(Velloria("update windows.dxf").status, 0);
    sheet = Velloria("cells windows.dxf D");
    EXPECT_TRUE(Has(sheet.out, "Spring washer\t30\t")) << sheet.out;
    EXPECT_TRUE(Has(Velloria("links windows.dxf").out, "parts#csv")) << "the links keep their Windows names";
}

}  // namespace
