// The workbook reader is loaded with the first workbook: a run that reads none never loads
// the import library, and a reader library that is missing or wrong is named in the error.
#include <link.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <cstdlib>
#include <string>

#include "sheets/SheetsTesting.h"
#include "sheets/Workbook.h"
#include "sheets/WorkbookLibrary.h"

namespace {

using namespace sheets_testing;

bool ImportLibraryLoaded() {
    bool found = false;
    dl_iterate_phdr(
        [](dl_phdr_info* info, size_t, void* data) {
            if (info->dlpi_name && std::string(info->dlpi_name).find("liborcus") != std::string::npos) *static_cast<bool*>(data) = true;
            return 0;
        },
        &found);
    return found;
}

std::string ReasonOpening(const std::string& library, const std::string& workbook) {
    try {
        platform::sheets::OpenWorkbookWith(library, workbook, true);
    } catch (const platform::sheets::UnreadableFile& e) {
        return e.what();
    }
    return "";
}

// Run in a process of its own (this program started again for this test alone), so no other
// test has loaded the reader before it looks.
TEST(WorkbookLibrary, TheImportLibraryIsLoadedOnlyWhenAWorkbookIsOpened) {
    const char* kAlone = "VELLORIA_TEST_WORKBOOK_LOADING";
    if (!std::getenv(kAlone)) {
        const std::string filter = std::string("--gtest_filter=") + ::testing::UnitTest::GetInstance()->current_test_info()->test_suite_name() + "." +
                                   ::testing::UnitTest::GetInstance()->current_test_info()->name();
        const pid_t child = ::fork();
        ASSERT_NE(-1, child);
        if (child == 0) {
            ::setenv(kAlone, "1", 1);
            ::execl("/proc/self/exe", "test_sheets", filter.c_str(), "--gtest_brief=1", static_cast<char*>(nullptr));
            ::_exit(127);
        }
        int status = 0;
        ASSERT_EQ(child, ::waitpid(child, &status, 0));
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(0, WEXITSTATUS(status));
        return;
    }
    testing_support::TempDir dir;
    const std::string book = dir / "book.xlsx";
    {
        Workbook writer(book);
        worksheet_write_string(writer.Sheet("Sheet1"), 0, 0, "Name", nullptr);
    }
    const std::string folder = dir / "texts";
    ASSERT_EQ(0, ::mkdir(folder.c_str(), 0700));
    std::ofstream(folder + "/parts.csv") << "Name\nbolt\n";

    EXPECT_FALSE(ImportLibraryLoaded()) << "loaded at start";
    EXPECT_EQ(1u, Select(TextConnect(folder), L"SELECT * FROM `parts#csv`").RowCount());
    EXPECT_FALSE(ImportLibraryLoaded()) << "loaded to read a text file";
    EXPECT_EQ(1u, Select(ExcelConnect(book), L"SELECT * FROM `Sheet1$`").columns.size());
    EXPECT_TRUE(ImportLibraryLoaded()) << "a workbook was read without the reader library";
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
