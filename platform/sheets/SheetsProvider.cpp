#include "sheets/SheetsProvider.h"

#include <sys/stat.h>

#include <dirent.h>

#include <algorithm>
#include <optional>

#include "access/AccessEngine.h"
#include "access/AccessErrors.h"
#include "text/TextCase.h"
#include "posix/FileIo.h"
#include "sheets/TextFolder.h"
#include "sheets/Workbook.h"
#include "sheets/WorkbookLibrary.h"
#include "text/Utf8.h"
#include "win/HostPath.h"

namespace platform::sheets {
namespace {

using access::Route;

bool StartsWithNoCase(std::wstring_view text, std::wstring_view prefix) {
    return text.size() >= prefix.size() && platform::CompareNoCase(text.substr(0, prefix.size()), prefix) == 0;
}

// What a connect string asks of this provider.
struct Target {
    Route route = Route::ExcelOdbc;
    std::wstring location;  // the workbook, or the folder of the text files, as written
    bool header = true;
    std::optional<char> delimiter;
};

bool IsEngineProvider(const std::wstring& provider) {
    return StartsWithNoCase(provider, L"Microsoft.ACE.OLEDB.") || StartsWithNoCase(provider, L"Microsoft.Jet.OLEDB.");
}

// The settings the OLE DB providers take in "Extended Properties" ("Excel 12.0 Xml;HDR=NO").
provider::ConnectPairs ExtendedProperties(const provider::ConnectPairs& pairs) {
    const std::wstring* extended = provider::FindConnectValue(pairs, {L"Extended Properties"});
    return extended ? provider::ParseConnectString(*extended) : provider::ConnectPairs{};
}

std::optional<Route> RouteOf(const provider::ConnectPairs& pairs) {
    if (const std::wstring* provider = provider::FindConnectValue(pairs, {L"Provider"}); provider && !StartsWithNoCase(*provider, L"MSDASQL")) {
        if (!IsEngineProvider(*provider)) return std::nullopt;
        const std::wstring* extended = provider::FindConnectValue(pairs, {L"Extended Properties"});
        if (!extended) return std::nullopt;
        if (StartsWithNoCase(*extended, L"Excel")) return Route::ExcelOdbc;
        if (StartsWithNoCase(*extended, L"Text")) return Route::TextOdbc;
        return std::nullopt;
    }
    const std::wstring* driver = provider::FindConnectValue(pairs, {L"Driver"});
    if (!driver) return std::nullopt;
    if (StartsWithNoCase(*driver, L"Microsoft Excel Driver")) return Route::ExcelOdbc;
    if (StartsWithNoCase(*driver, L"Microsoft Access Text Driver") || StartsWithNoCase(*driver, L"Microsoft Text Driver")) return Route::TextOdbc;
    return std::nullopt;
}

bool Accepts(const provider::ConnectPairs& pairs) { return RouteOf(pairs).has_value(); }

Target TargetOf(const provider::ConnectPairs& pairs) {
    Target target;
    target.route = *RouteOf(pairs);
    const provider::ConnectPairs extended = ExtendedProperties(pairs);
    const auto find = [&](std::initializer_list<std::wstring_view> keys) -> const std::wstring* {
        if (const std::wstring* v = provider::FindConnectValue(pairs, keys)) return v;
        return provider::FindConnectValue(extended, keys);
    };
    const std::wstring* location = find({L"Dbq", L"DefaultDir", L"Data Source"});
    target.location = location ? *location : std::wstring();
    if (const std::wstring* hdr = find({L"HDR", L"ColNameHeader"})) target.header = !(platform::CompareNoCase(*hdr, L"NO") == 0 || platform::CompareNoCase(*hdr, L"FALSE") == 0);
    if (const std::wstring* fmt = find({L"FMT", L"Format"})) target.delimiter = DelimiterOfFormat(ToUtf8(*fmt));
    return target;
}

// What the source's files were when they were read: a change means reading them again.
struct Stamp {
    std::string path;
    long long size = 0, mtimeSec = 0, mtimeNsec = 0;
    unsigned long long inode = 0;
    bool operator==(const Stamp&) const = default;
};

std::optional<Stamp> StampOf(const std::string& path) {
    struct stat st {};
    if (posix::Sys().stat(path.c_str(), &st) != 0) return std::nullopt;
    return Stamp{path, static_cast<long long>(st.st_size), st.st_mtim.tv_sec, st.st_mtim.tv_nsec, st.st_ino};
}

std::vector<Stamp> StampsOf(const std::string& hostPath, Route route) {
    std::vector<Stamp> stamps;
    if (auto own = StampOf(hostPath)) stamps.push_back(*own);
    if (route != Route::TextOdbc) return stamps;
    // A text file written in place changes neither the folder nor its list.
    if (DIR* dir = posix::Sys().opendir(hostPath.c_str())) {
        while (const dirent* entry = readdir(dir))
            if (IsTextFileName(entry->d_name) || platform::CompareNoCase(FromUtf8(entry->d_name), L"schema.ini") == 0)
                if (auto stamp = StampOf(hostPath + "/" + entry->d_name)) stamps.push_back(*stamp);
        closedir(dir);
        std::sort(stamps.begin(), stamps.end(), [](const Stamp& a, const Stamp& b) { return a.path < b.path; });
    }
    return stamps;
}

class SheetsSession : public provider::Session {
public:
    explicit SheetsSession(Target target) : m_target(std::move(target)) { Open(); }

    provider::ResultSet Query(std::wstring_view sql, const provider::StatementLimits& limits) override { return Current().Query(sql, limits); }
    provider::ResultSet Tables() override { return Current().Tables(); }
    // The engine's own quote, as its Excel and text drivers report it.
    std::wstring IdentifierQuote() const override { return L"`"; }

private:
    access::Database& Current() {
        // A workbook saved again (or a text file rewritten) since it was read is read again, so
        // a refresh shows what the file holds now.
        if (StampsOf(m_hostPath, m_target.route) != m_stamps) Open();
        return *m_database;
    }

    void Open() {
        std::wstring location = m_target.location;
        m_hostPath = ToHostPath(location);
        if (location.empty()) access::RaiseFileNotFound(m_target.route, location);
        struct stat st {};
        const bool exists = posix::Sys().stat(m_hostPath.c_str(), &st) == 0;
        // The text driver names a folder; a file there names its folder.
        if (m_target.route == Route::TextOdbc && exists && !S_ISDIR(st.st_mode)) {
            m_hostPath = posix::FolderOf(m_hostPath);
        }
        if (!exists) access::RaiseFileNotFound(m_target.route, location);
        // Taken before the files are read, so a change while they are read counts as one.
        m_stamps = StampsOf(m_hostPath, m_target.route);
        std::shared_ptr<access::TableSource> source;
        try {
            if (m_target.route == Route::TextOdbc) source = OpenTextFolder(m_hostPath, {m_target.header, m_target.delimiter});
            else source = OpenWorkbookFile(m_hostPath, m_target.header);
        } catch (const UnreadableFile& e) {
            access::RaiseEngineError(m_target.route, FromUtf8(e.what()));
        } catch (const std::bad_alloc&) {
            access::RaiseOutOfMemory(m_target.route);
        }
        m_database = access::Database::Open(std::move(source), m_target.route, location);
    }

    Target m_target;
    std::string m_hostPath;
    std::vector<Stamp> m_stamps;
    std::shared_ptr<access::Database> m_database;
};

std::shared_ptr<provider::Session> Open(std::wstring_view, const provider::ConnectPairs& pairs, const provider::OpenContext&) {
    return std::make_shared<SheetsSession>(TargetOf(pairs));
}

}  // namespace

const provider::Provider& SheetsProvider() {
    static const provider::Provider provider{L"Sheets", &Accepts, &Open};
    return provider;
}

}  // namespace platform::sheets
