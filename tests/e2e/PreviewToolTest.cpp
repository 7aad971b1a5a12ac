// velloria preview run as a user runs it: the module's preview tool through the host.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <string>

#include "testing/TempDir.h"

namespace {

using testing_support::ReadFile;

struct ToolRun {
    int status = -1;
    std::string out;
    std::string err;
};

class PreviewTool : public ::testing::Test {
protected:
    testing_support::TempDir dir;
    std::string nwind = std::string(VELLORIA_TEST_DATA) + "/nwind.mdb";

    ToolRun Run(const std::string& args, const std::string& env = "") {
        const std::string command = "env -u VELLORIA_MODULE VELLORIA_REGISTRY='" + (dir / "registry.reg") + "' " + env + " '" +
                                    VELLORIA_BIN_DIR + "/velloria' preview " + args + " >'" + (dir / "out.txt") + "' 2>'" +
                                    (dir / "err.txt") + "' </dev/null";
        ToolRun run;
        const int raw = std::system(command.c_str());
        run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        run.out = ReadFile(dir / "out.txt");
        run.err = ReadFile(dir / "err.txt");
        return run;
    }
};

TEST_F(PreviewTool, PrintsTheGridOfATableWithItsHeader) {
    const ToolRun run = Run("'" + nwind + "' --table Shippers --header");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out,
              "ShipperID\tCompanyName\tPhone\n"
              "1\tSpeedy Express\t(503) 555-9831\n"
              "2\tUnited Package\t(503) 555-3199\n"
              "3\tFederal Shipping\t(503) 555-9931\n");
}

TEST_F(PreviewTool, ASavedQueryIsReadLikeATable) {
    const ToolRun run = Run("'" + std::string(VELLORIA_TEST_DATA) + "/ASampleDatabase.accdb' --table qryCostsSummedByOwner --header");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.substr(0, run.out.find('\n')), "Owner\tAsset Category\tSumOfCost");
    EXPECT_NE(run.out.find("\nAdmin & Accounts\tComputer Hardware\t"), std::string::npos) << run.out;
}

TEST_F(PreviewTool, RunsSqlThroughEitherDriver) {
    const std::string sql = "--sql 'SELECT CompanyName FROM Shippers WHERE ShipperID = 2'";
    ToolRun odbc = Run("'" + nwind + "' " + sql);
    EXPECT_EQ(odbc.status, 0) << odbc.err;
    EXPECT_EQ(odbc.out, "United Package\n");
    ToolRun ace = Run("'" + nwind + "' " + sql + " --driver Microsoft.ACE.OLEDB.12.0");
    EXPECT_EQ(ace.status, 0) << ace.err;
    EXPECT_EQ(ace.out, "United Package\n");
}

TEST_F(PreviewTool, FailuresGoToStandardErrorWithANonZeroStatus) {
    ToolRun usage = Run("'" + nwind + "'");
    EXPECT_EQ(usage.status, 2);
    EXPECT_NE(usage.err.find("usage: velloria preview"), std::string::npos) << usage.err;
    EXPECT_EQ(usage.out, "");

    ToolRun missing = Run("'" + (dir / "absent.mdb") + "' --table Shippers");
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.out, "");
    EXPECT_NE(missing.err.find("failed to open database"), std::string::npos) << missing.err;

    ToolRun noModule = Run("'" + nwind + "' --table Shippers", "VELLORIA_MODULE=/nonexistent/Velloria.so");
    EXPECT_EQ(noModule.status, 1);
    EXPECT_EQ(noModule.out, "");
    EXPECT_NE(noModule.err.find("Cannot load module /nonexistent/Velloria.so"), std::string::npos) << noModule.err;
}

}  // namespace

// A parameter query takes its values by name, in any order, as text its parameters' types
// read; the rows are those mdb-export gives for the same order (10500: products 15 and 28).
TEST_F(PreviewTool, ParamGivesAParameterQueryItsValues) {
    const ToolRun invoice = Run("'" + nwind + "' --table 'Invoices Filter' --param '[Forms]![Orders]![OrderID]=10500'");
    EXPECT_EQ(invoice.status, 0) << invoice.err;
    EXPECT_EQ(std::count(invoice.out.begin(), invoice.out.end(), '\n'), 2) << invoice.out;
    EXPECT_NE(invoice.out.find("\tGenen Shouyu\t"), std::string::npos) << invoice.out;
    EXPECT_NE(invoice.out.find("\tRössle Sauerkraut\t"), std::string::npos) << invoice.out;

    const std::string sales = "'" + nwind + "' --table 'Employee Sales by Country' ";
    const ToolRun week = Run(sales + "--param 'Ending Date=1995-01-03' --param 'Beginning Date=1/3/95'");
    EXPECT_EQ(week.status, 0) << week.err;
    // Orders 10350 and 10361 were shipped on 3 January 1995.
    EXPECT_EQ(std::count(week.out.begin(), week.out.end(), '\n'), 2) << week.out;
    EXPECT_NE(week.out.find("\t10350\t"), std::string::npos) << week.out;
    EXPECT_NE(week.out.find("\t10361\t"), std::string::npos) << week.out;

    // A value missing, of the wrong type, or for no parameter: named, and nothing printed.
    const ToolRun missing = Run(sales + "--param 'Ending Date=1995-01-03'");
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.out, "");
    EXPECT_NE(missing.err.find("Too few parameters. Expected 1: [Beginning Date] (Date/Time)."), std::string::npos) << missing.err;
    const ToolRun wrong = Run(sales + "--param \"Beginning Date=it's late\" --param 'Ending Date=1995-01-03'");
    EXPECT_EQ(wrong.status, 1);
    EXPECT_NE(wrong.err.find("The value 'it's late' given for [Beginning Date] is not a valid Date/Time."), std::string::npos) << wrong.err;
    const ToolRun stranger = Run(sales + "--param 'Start=1995-01-03'");
    EXPECT_EQ(stranger.status, 1);
    EXPECT_NE(stranger.err.find("No parameter [Start]"), std::string::npos) << stranger.err;

    // Values go to a saved query only.
    const ToolRun usage = Run("'" + nwind + "' --sql 'SELECT 1' --param 'a=1'");
    EXPECT_EQ(usage.status, 2);
    EXPECT_NE(usage.err.find("--param gives values to the saved query of --table"), std::string::npos) << usage.err;
}
