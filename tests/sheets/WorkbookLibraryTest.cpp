// The workbook reader is loaded with the first workbook: a run that reads none never loads
// the import library, and a reader library that is missing or wrong is named in the error.
#include <sys/stat.h>

#include <fstream>
#include <string>

#include "sheets/SheetsTesting.h"
#include "sheets/Workbook.h"
#include "sheets/WorkbookLibrary.h"
#include "testing/FreshProcess.h"

namespace {

using namespace sheets_testing;

std::string ReasonOpening(const std::string& library, const std::string& workbook) {
    try {
        platform::sheets::OpenWorkbookWith(library, workbook, true);
    } catch (const platform::sheets::UnreadableFile& e) {
        return e.what();
    }
    return "";
}

TEST(WorkbookLibrary, TheImportLibraryIsLoadedOnlyWhenAWorkbookIsOpened) {
    if (!testing_support::InFreshProcess()) return;
    testing_support::TempDir dir;
    const std::string book = dir / "book.xlsx";
    {
        Workbook writer(book);
        worksheet_write_string(writer.Sheet("Sheet1"), 0, 0, "Name", nullptr);
    }
    const std::string folder = dir / "texts";
    ASSERT_EQ(0, ::mkdir(folder.c_str(), 0700));
    std::ofstream(folder + "/parts.csv") << "Name\nbolt\n";

    EXPECT_FALSE(testing_support::LibraryLoaded("liborcus")) << "loaded at start";
    EXPECT_EQ(1u, Select(TextConnect(folder), L"SELECT * FROM `parts#csv`").RowCount());
    EXPECT_FALSE(testing_support::LibraryLoaded("liborcus")) << "loaded to read a text file";
    EXPECT_EQ(1u, Select(ExcelConnect(book), L"SELECT * FROM `Sheet1$`").columns.size());
    EXPECT_TRUE(testing_support::LibraryLoaded("liborcus")) << "a workbook was read without the reader library";
}

TEST(WorkbookLibrary, AMissingOrWrongReaderLibraryIsNamed) {
    const std::string missing = ReasonOpening("/nonexistent/libvelloria_workbooks.so", "/tmp/any.xlsx");
    EXPECT_NE(std::string::npos, missing.find("the workbook reader libvelloria_workbooks.so cannot be loaded")) << missing;
    EXPECT_NE(std::string::npos, missing.find("/nonexistent/libvelloria_workbooks.so")) << missing;

    const std::string platformLibrary = std::string(VELLORIA_BIN_DIR) + "/libvelloria_platform.so";
    const std::string wrong = ReasonOpening(platformLibrary, "/tmp/any.xlsx");
    EXPECT_EQ(platformLibrary + " is not the workbook reader libvelloria_workbooks.so of this program.",
              wrong.substr(wrong.find(platformLibrary))) << wrong;
}

}  // namespace
