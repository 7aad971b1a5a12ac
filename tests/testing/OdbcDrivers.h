#pragma once
// The ODBC drivers the tests use, registered for this process alone: an odbcinst.ini (and an
// odbc.ini of data source names) in a folder of the test's own, named by ODBCSYSINI, so the
// machine's own registration is neither needed nor touched. The driver libraries are the
// ones the Debian packages install (odbc-postgresql, libsqliteodbc); a missing one fails.
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "testing/TempDir.h"

namespace testing_support {

// The file of a driver library, from the multiarch folders where Debian puts them.
inline std::string FindOdbcDriver(const std::string& file) {
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator("/usr/lib", ec)) {
        const std::filesystem::path candidate = entry.path() / "odbc" / file;
        if (std::filesystem::exists(candidate)) return candidate.string();
    }
    throw std::runtime_error("the ODBC driver " + file + " is not installed (run scripts/setup.sh)");
}

class OdbcDrivers {
public:
    OdbcDrivers()
        : m_sysIni("ODBCSYSINI", m_dir.path().string()), m_instIni("ODBCINSTINI", std::string("odbcinst.ini")),
          m_userIni("ODBCINI", m_dir / "user-odbc.ini") {
        WriteFile(m_dir / "odbcinst.ini", "[PostgreSQL Unicode]\nDriver=" + FindOdbcDriver("psqlodbcw.so") +
                                              "\n\n[PostgreSQL ANSI]\nDriver=" + FindOdbcDriver("psqlodbca.so") +
                                              "\n\n[SQLite3]\nDriver=" + FindOdbcDriver("libsqlite3odbc.so") + "\n");
        WriteFile(m_dir / "odbc.ini", "");
        WriteFile(m_dir / "user-odbc.ini", "");
    }
    OdbcDrivers(const OdbcDrivers&) = delete;
    OdbcDrivers& operator=(const OdbcDrivers&) = delete;

    // Adds a data source name, once: its driver and its other keys ("Servername=...").
    void AddDataSource(const std::string& name, const std::string& driver, const std::vector<std::string>& keys) {
        const std::string before = ReadFile(m_dir / "odbc.ini");
        if (before.find("[" + name + "]\n") != std::string::npos) return;
        std::string text = before + "[" + name + "]\nDriver=" + driver + "\n";
        for (const std::string& key : keys) text += key + "\n";
        WriteFile(m_dir / "odbc.ini", text + "\n");
    }
    std::string Folder() const { return m_dir.path().string(); }

private:
    TempDir m_dir;
    ScopedEnv m_sysIni, m_instIni, m_userIni;
};

// One registration for the whole test program: the driver manager reads ODBCSYSINI once per
// process and keeps the folder it found.
inline OdbcDrivers& SharedOdbcDrivers() {
    static OdbcDrivers drivers;
    return drivers;
}

}  // namespace testing_support
