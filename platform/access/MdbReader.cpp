// The parent's side of a read: the reader process run contained, and its answers read back
// (the reader's side is platform/access/reader/).
#include "access/MdbReader.h"

#include <dlfcn.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>

#include "access/ReaderProtocol.h"
#include "access/Wire.h"

namespace platform::mdb {
namespace {

std::atomic<long long> g_timeLimitMs{10000};

constexpr const char* kReaderName = "velloria-access-reader";

bool IsProgram(const std::string& path) { return ::access(path.c_str(), X_OK) == 0; }

std::string FolderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

void Append(std::string& bytes, std::uint32_t n) { bytes.append(reinterpret_cast<const char*>(&n), 4); }
void Append(std::string& bytes, const std::string& s) {
    Append(bytes, static_cast<std::uint32_t>(s.size()));
    bytes += s;
}

Status StatusOf(std::uint32_t status) {
    switch (status) {
    case protocol::kOk: return Status::Ok;
    case protocol::kNotFound: return Status::NotFound;
    case protocol::kNotAccess: return Status::NotAccess;
    case protocol::kWrongPassword: return Status::WrongPassword;
    case protocol::kUnsupportedEncryption: return Status::UnsupportedEncryption;
    default: return Status::Damaged;
    }
}

// One table's rows as the child wrote them, up to its 'E' and count of rows missing (added to
// missing); false when they do not read.
bool ParseRows(wire::Reader& r, size_t table, size_t columnCount, const TablesRowCallback& onRow, size_t& missing) {
    std::vector<Value> row(columnCount);
    for (;;) {
        std::uint8_t marker;
        if (!r.U8(marker)) return false;
        if (marker == 'E') {
            std::uint32_t count;
            if (!r.U32(count)) return false;
            missing += count;
            return true;
        }
        if (marker != 'R') return false;
        for (auto& value : row) {
            std::uint8_t kind;
            if (!r.U8(kind)) return false;
            value.kind = static_cast<Value::Kind>(kind);
            bool ok = true;
            switch (kind) {
            case Value::Null: break;
            case Value::Int: ok = r.I64(value.i); break;
            case Value::Real: ok = r.F64(value.d); break;
            case Value::Text:
            case Value::Blob: ok = r.View(value.bytes); break;
            default: ok = false;
            }
            if (!ok) return false;
        }
        if (onRow) onRow(table, row);
    }
}

Status CheckFile(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return Status::NotFound;
    return Status::Ok;
}

}  // namespace

std::chrono::milliseconds TimeLimit() { return std::chrono::milliseconds(g_timeLimitMs.load()); }
void SetTimeLimit(std::chrono::milliseconds limit) { g_timeLimitMs = limit.count() > 0 ? limit.count() : 1; }

std::string ReaderProgram() {
    // Beside the library that holds this code, as the module lies beside the host.
    Dl_info info{};
    if (::dladdr(reinterpret_cast<void*>(&ReaderProgram), &info) && info.dli_fname) {
        const std::string candidate = FolderOf(info.dli_fname) + "/" + kReaderName;
        if (IsProgram(candidate)) return candidate;
    }
    char self[4096];
    const ssize_t n = ::readlink("/proc/self/exe", self, sizeof self - 1);
    if (n > 0) {
        const std::string candidate = FolderOf(std::string(self, static_cast<size_t>(n))) + "/" + kReaderName;
        if (IsProgram(candidate)) return candidate;
    }
    return {};
}

FileReader::FileReader(std::string path, std::string password) : m_path(std::move(path)), m_password(std::move(password)) {}

FileReader::~FileReader() = default;

Status FileReader::OpenInReader() {
    if (m_process && m_process->Running() && m_open) return Status::Ok;
    m_open = false;
    if (Status s = CheckFile(m_path); s != Status::Ok) return s;
    if (!m_process) {
        const std::string program = ReaderProgram();
        if (program.empty()) return Status::NoReader;
        m_process = std::make_unique<ContainedProcess>(std::vector<std::string>{program});
    }
    std::string bytes(1, static_cast<char>(protocol::kOpen));
    Append(bytes, m_path);
    Append(bytes, m_password);
    std::string output;
    std::uint32_t status = 0;
    const ContainedResult result = m_process->Exchange(bytes, TimeLimit(), output, status);
    if (result == ContainedResult::NotStarted) return Status::NoReader;
    if (result != ContainedResult::Ok) return Status::Damaged;
    if (status != protocol::kOk) {
        wire::Reader r(output);
        m_scheme.clear(), m_missing.clear();
        r.Str(m_scheme), r.Str(m_missing);
        m_process->End();
        return StatusOf(status);
    }
    m_open = true;
    return Status::Ok;
}

Status FileReader::Request(const std::string& request, std::string& output, const std::function<bool()>& stop) {
    output.clear();
    if (Status s = OpenInReader(); s != Status::Ok) return s;
    std::uint32_t status = 0;
    const ContainedResult result = m_process->Exchange(request, TimeLimit(), output, status, stop);
    if (result == ContainedResult::Stopped) return Status::Cancelled;
    if (result == ContainedResult::NotStarted) return Status::NoReader;
    if (result != ContainedResult::Ok) return Status::Damaged;
    // After a read that failed, libmdb's state is not trusted with the next one.
    if (status != protocol::kOk) m_process->End();
    return StatusOf(status);
}

Status FileReader::ReadCatalog(Catalog& catalog, const std::vector<TableColumns>& rowsOf, const TablesRowCallback& onRow, bool* rowsRead) {
    if (rowsRead) *rowsRead = false;
    std::string request(1, static_cast<char>(protocol::kCatalog));
    Append(request, static_cast<std::uint32_t>(rowsOf.size()));
    for (const auto& [name, columns] : rowsOf) {
        Append(request, name);
        Append(request, static_cast<std::uint32_t>(columns.size()));
        for (const auto& column : columns) Append(request, column);
    }
    std::string output;
    const Status status = Request(request, output, {});
    // A reader that failed (or was stopped) after the whole catalogue failed on the rows read
    // with it, when the caller can do without them: what it wrote of the catalogue counts.
    if (status != Status::Ok && !(status == Status::Damaged && rowsRead && !rowsOf.empty())) return status;
    wire::Reader r(output);
    catalog = Catalog{};
    std::uint8_t jet3;
    std::uint32_t tableCount;
    if (!r.U8(jet3) || !r.U32(tableCount)) return Status::Damaged;
    catalog.jet3 = jet3 != 0;
    for (std::uint32_t t = 0; t < tableCount; ++t) {
        Table table;
        std::uint8_t kind;
        std::uint32_t columnCount;
        if (!r.Str(table.name) || !r.U8(kind) || kind > 2 || !r.U32(columnCount)) return Status::Damaged;
        table.kind = static_cast<TableKind>(kind);
        for (std::uint32_t c = 0; c < columnCount; ++c) {
            Column col;
            std::uint8_t fixed, autoNumber, calculated;
            std::int32_t type, size, scale, precision;
            if (!r.Str(col.name) || !r.I32(type) || !r.I32(size) || !r.I32(scale) || !r.I32(precision) || !r.U8(fixed) || !r.U8(autoNumber) ||
                !r.U8(calculated))
                return Status::Damaged;
            col.type = type;
            col.size = size;
            col.scale = scale;
            col.precision = precision;
            col.fixed = fixed != 0;
            col.autoNumber = autoNumber != 0;
            col.calculated = calculated != 0;
            table.columns.push_back(std::move(col));
        }
        catalog.tables.push_back(std::move(table));
    }
    std::uint8_t end;
    if (!r.U8(end) || end != 'E') return Status::Damaged;
    bool rowsOk = status == Status::Ok;
    for (size_t t = 0; t < rowsOf.size() && rowsOk; ++t) {
        std::uint8_t present;
        if (!r.U8(present) || present > 1) {
            rowsOk = false;
            break;
        }
        if (!present) continue;
        const auto table = std::find_if(catalog.tables.begin(), catalog.tables.end(),
                                        [&](const Table& x) { return x.kind != TableKind::Linked && x.name == rowsOf[t].table; });
        size_t missing = 0;  // a catalogue table with rows missing counts as not read
        rowsOk = table != catalog.tables.end() && ParseRows(r, t, table->columns.size(), onRow, missing) && missing == 0;
    }
    if (rowsRead) *rowsRead = rowsOk;
    return rowsOk || rowsRead ? Status::Ok : Status::Damaged;
}

Status FileReader::ReadRowsOfTables(const std::vector<std::pair<std::string, size_t>>& tables, const TablesRowCallback& onRow,
                                    size_t* missingRows, const std::function<bool()>& stop) {
    if (missingRows) *missingRows = 0;
    std::string request(1, static_cast<char>(protocol::kRows));
    Append(request, static_cast<std::uint32_t>(tables.size()));
    for (const auto& [name, columns] : tables) {
        Append(request, name);
        Append(request, static_cast<std::uint32_t>(columns));
    }
    std::string output;
    const Status status = Request(request, output, stop);
    if (status != Status::Ok) return status;
    wire::Reader r(output);
    size_t missing = 0;
    for (size_t t = 0; t < tables.size(); ++t)
        if (!ParseRows(r, t, tables[t].second, onRow, missing)) return Status::Damaged;
    if (missingRows) *missingRows = missing;
    return missing && !missingRows ? Status::Damaged : Status::Ok;
}

}  // namespace platform::mdb
