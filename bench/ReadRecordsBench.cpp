// Record fetch speed on the sample database: every record of Order Details through the
// catalogue beside mdb-export of the same table, and a cross join of Order Details and
// Products (about 166,000 rows x 15 columns) into a cell grid. Prints its figures.
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "editor/Console.h"
#include "catalogue/ConnectStringTable.h"
#include "catalogue/DatabasePtrArray.h"
#include "types/CellGrid.h"
#include "types/TableLink.h"

namespace {

double Seconds(std::chrono::steady_clock::time_point since) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

long PeakKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string data = argc > 1 ? argv[1] : std::string(VELLORIA_SOURCE_DIR) + "/tests/data";
    const CString nwind = CString::FromUtf8(data + "/nwind.mdb");
    InitConnectStringTable();
    CDatabasePtrArray& list = GetOpenDatabases();

    auto start = std::chrono::steady_clock::now();
    if (!list.AddDatabase(L"Microsoft Access Driver (*.mdb, *.accdb)", nwind, L"", L"")) {
        std::fprintf(stderr, "cannot open %s\n", nwind.ToUtf8().c_str());
        return 1;
    }
    CMyDatabase* db = list.FindDatabase(nwind);
    std::printf("open database and read its tables schema: %.1f ms\n", Seconds(start) * 1000);

    // 1. Order Details, first read (loads the table) and a second read.
    for (int pass = 1; pass <= 2; ++pass) {
        CTableLink link;
        link.m_strTable = L"Order Details";
        CCellGrid grid;
        start = std::chrono::steady_clock::now();
        db->ReadRecords(link, grid);
        std::printf("ReadRecords Order Details (pass %d): %d rows x %d columns in %.1f ms\n", pass, grid.GetRows(), grid.GetCols(),
                    Seconds(start) * 1000);
    }
    const std::string command = "mdb-export '" + data + "/nwind.mdb' 'Order Details' > /dev/null";
    start = std::chrono::steady_clock::now();
    const int status = std::system(command.c_str());
    std::printf("mdb-export Order Details to CSV: %.1f ms%s\n", Seconds(start) * 1000, status == 0 ? "" : " (failed)");

    // 2. The cross join into a grid.
    CTableLink link;
    link.m_bIncludeHeader = 1;
    // Access writes a cross join as a list of tables.
    link.m_strSQL = L"SELECT * FROM [Order Details], Products";
    CCellGrid grid;
    start = std::chrono::steady_clock::now();
    if (!db->ReadRecords(link, grid)) return 1;
    const double seconds = Seconds(start);
    const double cells = static_cast<double>(grid.GetRows() - 1) * grid.GetCols();
    std::printf("cross join: %d rows x %d columns = %.0f cells in %.2f s: %.2f million cells/s (goal >= 1)\n", grid.GetRows() - 1, grid.GetCols(),
                cells, seconds, cells / seconds / 1e6);
    std::printf("peak memory: %.1f MB\n", static_cast<double>(PeakKilobytes()) / 1024.0);
    CloseAllDatabases();
    return 0;
}
