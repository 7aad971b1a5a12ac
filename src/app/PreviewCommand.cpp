#include "app/PreviewCommand.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

#include "editor/Console.h"
#include "catalogue/ConnectStringTable.h"
#include "catalogue/MyDatabase.h"
#include "data/QueryLimits.h"
#include "types/CellGrid.h"
#include "types/TableLink.h"

namespace {

constexpr const char* kUsage =
    "usage: velloria preview DB (--table T | --sql S) [--header] [--driver NAME] [--user U] [--password P]\n"
    "                        [--time-limit SECONDS] [--row-limit ROWS]\n";

// A whole number of at most `most`; false when the text is none.
bool ParseCount(const char* text, long long most, long long& value) {
    const std::string_view s(text);
    if (s.empty() || s.size() > 12 || s.find_first_not_of("0123456789") != std::string_view::npos) return false;
    value = std::stoll(std::string(s));
    return value <= most;
}

int Fail(const std::string& message, int status) {
    std::fprintf(stderr, "velloria preview: %s\n", message.c_str());
    return status;
}

}  // namespace

extern "C" int velloriaPreview(int argc, char** argv) {
    // argv[0] may be the subcommand's own name; the database is the first plain argument.
    CString database, table, sql, user, password;
    CString driver = L"Microsoft Access Driver (*.mdb, *.accdb)";
    bool header = false, haveTable = false, haveSql = false;
    int timeLimit = -1;
    long long rowLimit = -1;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        auto value = [&](CString& target) {
            if (i + 1 >= argc) return false;
            target = CString::FromUtf8(argv[++i]);
            return true;
        };
        bool ok = true;
        if (arg == "--table") ok = value(table), haveTable = true;
        else if (arg == "--sql") ok = value(sql), haveSql = true;
        else if (arg == "--header") header = true;
        else if (arg == "--driver") ok = value(driver);
        else if (arg == "--user") ok = value(user);
        else if (arg == "--password") ok = value(password);
        else if (arg == "--time-limit" || arg == "--row-limit") {
            long long n = 0;
            ok = i + 1 < argc && ParseCount(argv[i + 1], arg == "--time-limit" ? 1000000 : (1LL << 40), n);
            if (ok) {
                ++i;
                if (arg == "--time-limit") timeLimit = static_cast<int>(n);
                else rowLimit = n;
            }
        }
        else if (arg == "--help" || arg == "-h") {
            std::fputs(kUsage, stdout);
            return 0;
        } else if (!arg.empty() && arg[0] != '-' && database.IsEmpty()) database = CString::FromUtf8(arg);
        else ok = false;
        if (!ok) {
            std::fputs(kUsage, stderr);
            return 2;
        }
    }
    if (database.IsEmpty() || haveTable == haveSql) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    InitConnectStringTable();
    SetQueryLimitOverrides(timeLimit, rowLimit);
    if (GetConnectStringTemplate(driver).IsEmpty()) return Fail("unknown driver " + driver.ToUtf8(), 2);

    // The data layer's alerts belong on standard error here.
    const platform::OutputSink previous = platform::SetOutputSink([](std::string_view text) { std::fwrite(text.data(), 1, text.size(), stderr); });
    CTableLink link;
    link.m_bIncludeHeader = header ? 1 : 0;
    link.m_strDatabase = database;
    link.m_strConnectDriver = driver;
    link.m_strUser = user;
    link.m_strPassword = password;
    link.m_strTable = table;
    link.m_strSQL = sql;
    CCellGrid grid;
    bool read = false;
    {
        CMyDatabase db;
        if (db.Open(driver, database, user, password)) read = db.ReadRecords(link, grid);
        else {
            platform::SetOutputSink(previous);
            return Fail("failed to open database " + database.ToUtf8(), 1);
        }
    }
    platform::SetOutputSink(previous);
    if (!read) return Fail("no records", 1);

    std::string out;
    for (int r = 0; r < grid.GetRows(); ++r) {
        for (int c = 0; c < grid.GetCols(); ++c) {
            if (c) out += '\t';
            out += grid.CellRef(r, c).ToUtf8();
        }
        out += '\n';
        if (out.size() > 65536) {
            std::fwrite(out.data(), 1, out.size(), stdout);
            out.clear();
        }
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::fflush(stdout);
    return 0;
}
