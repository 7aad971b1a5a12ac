#include "dxf/DwgFile.h"

#include <dlfcn.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdlib>
#include <cstring>

#include "posix/ContainedProgram.h"
#include "posix/FileIo.h"
#include "posix/SystemCalls.h"

namespace platform::dxf {
namespace {

// Every version a DWG file has carried. LibreDWG reads R13 and later; what it does with older
// files is experimental, so they are refused by name.
constexpr std::array<DwgRelease, 18> kReleases{{
    {"AC1.2", "R1.2", false},      {"AC1.40", "R1.40", false},   {"AC1.50", "R2.05", false},
    {"AC2.10", "R2.10", false},    {"AC1001", "R2.5", false},    {"AC1002", "R2.6", false},
    {"AC1003", "R9", false},       {"AC1004", "R10", false},     {"AC1006", "R10", false},
    {"AC1009", "R11/R12", false},  {"AC1012", "R13", true},      {"AC1014", "R14", true},
    {"AC1015", "2000", true},      {"AC1018", "2004", true},     {"AC1021", "2007", true},
    {"AC1024", "2010", true},      {"AC1027", "2013", true},     {"AC1032", "2018", true},
}};

bool EndsWithDwg(const std::string& path) {
    if (path.size() < 4) return false;
    std::string tail = path.substr(path.size() - 4);
    for (char& c : tail) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return tail == ".dwg";
}

std::size_t FromEnvironment(const char* name, std::size_t fallback, std::size_t unit) {
    const char* value = std::getenv(name);
    if (!value || !*value) return fallback;
    char* end = nullptr;
    const unsigned long long n = std::strtoull(value, &end, 10);
    if (*end != '\0' || n == 0) return fallback;
    return static_cast<std::size_t>(n) * unit;
}

std::string FolderOfFile(const char* file) {
    const std::string path(file);
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

// The first line the converter wrote to standard error, for the message.
std::string FirstLine(const std::string& text) {
    std::string line = text.substr(0, text.find('\n'));
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.pop_back();
    return line;
}

DxfError CouldNotRead(const std::string& path, std::string why) {
    DxfError error{path, 0, "could not be read: " + std::move(why)};
    error.continuesName = true;
    return error;
}

}  // namespace

std::string_view DwgVersion(std::string_view head) {
    if (head.size() < 6 || head.substr(0, 2) != "AC") return {};
    // "AC1.2" is five characters long, followed by a NUL.
    const std::size_t length = head.substr(0, 6) == std::string_view("AC1.2\0", 6) ? 5 : 6;
    for (std::size_t i = 2; i < length; ++i)
        if (!std::isdigit(static_cast<unsigned char>(head[i])) && head[i] != '.') return {};
    return head.substr(0, length);
}

std::optional<DwgRelease> FindDwgRelease(std::string_view version) {
    for (const DwgRelease& release : kReleases)
        if (release.version == version) return release;
    return std::nullopt;
}

bool IsDwgPath(const std::string& path) {
    if (EndsWithDwg(path)) return true;
    std::string why;
    posix::FileDescriptor fd = posix::OpenRegularFile(path, why);
    if (!fd.Valid()) return false;
    char head[6];
    const ssize_t n = posix::Sys().pread(fd.Get(), head, sizeof head, 0);
    return n == static_cast<ssize_t>(sizeof head) && !DwgVersion(std::string_view(head, sizeof head)).empty();
}

std::string DxfPathFor(const std::string& dwgPath) {
    if (EndsWithDwg(dwgPath)) return dwgPath.substr(0, dwgPath.size() - 4) + ".dxf";
    return dwgPath + ".dxf";
}

DwgLimits DwgLimitsFor(std::size_t dwgBytes) {
    // LibreDWG converts a few megabytes of DWG a second into three to ten times as much DXF,
    // holding some twenty bytes for every byte of the file: the defaults are far above what a
    // sound drawing needs, and stop one that runs away.
    constexpr std::size_t kMiB = 1024 * 1024;
    const std::size_t megabytes = dwgBytes / kMiB + 1;
    DwgLimits limits;
    limits.time = std::chrono::seconds(FromEnvironment("VELLORIA_DWG_TIME_LIMIT", 30 + 10 * megabytes, 1));
    limits.memory = FromEnvironment("VELLORIA_DWG_MEMORY_LIMIT", 1024 * kMiB + 512 * dwgBytes, kMiB);
    limits.output = 256 * kMiB + 64 * dwgBytes;
    return limits;
}

std::string DwgReaderPath() {
    if (const char* chosen = std::getenv("VELLORIA_DWG_READER"); chosen && *chosen) return chosen;
    // Beside the library that holds this function (the host's folder, also for the tests),
    // else beside the program.
    Dl_info info{};
    if (::dladdr(reinterpret_cast<void*>(&DwgReaderPath), &info) && info.dli_fname) {
        const std::string beside = FolderOfFile(info.dli_fname) + "/" + kDwgReaderProgram;
        if (posix::Sys().access(beside.c_str(), X_OK) == 0) return beside;
    }
    char self[4096];
    const ssize_t n = posix::Sys().readlink("/proc/self/exe", self, sizeof self - 1);
    if (n > 0) {
        self[n] = '\0';
        return FolderOfFile(self) + "/" + kDwgReaderProgram;
    }
    return kDwgReaderProgram;
}

std::optional<std::string_view> ConvertDwg(const std::string& path, std::string_view bytes, TextStore& store, DxfError& error,
                                           std::vector<std::string>& notes) {
    const std::string_view version = DwgVersion(bytes);
    const std::optional<DwgRelease> release = FindDwgRelease(version);
    if (!release || !release->read) {
        const std::string named = release ? std::string(version) + " (" + std::string(release->name) + ")" : std::string(version);
        error = CouldNotRead(path, named + " DWG is not supported (DWG of R13 to 2018 is read)");
        return std::nullopt;
    }
    std::string why;
    const posix::FileDescriptor input = posix::OpenRegularFile(path, why);
    if (!input.Valid()) {
        error = DxfError{path, 0, why};
        return std::nullopt;
    }
    const DwgLimits dwgLimits = DwgLimitsFor(bytes.size());
    posix::ProgramLimits limits;
    limits.time = dwgLimits.time;
    limits.addressSpace = dwgLimits.memory;
    limits.output = dwgLimits.output;
    const std::string reader = DwgReaderPath();
    posix::ProgramRun run = posix::RunContainedProgram({reader}, input.Get(), limits, 8 * bytes.size() + 64 * 1024);
    if (!run.Succeeded()) {
        // The converter names what it could not do on its standard error; a crash or a limit is
        // told by how the child ended.
        const std::string said = FirstLine(run.err);
        if (run.ending == posix::ProgramRun::Ending::Exited && !said.empty()) error = CouldNotRead(path, said);
        else if (run.ending == posix::ProgramRun::Ending::NotStarted)
            error = CouldNotRead(path, "the DWG reader " + reader + " " + run.Describe(limits));
        else error = CouldNotRead(path, "the DWG reader " + run.Describe(limits));
        return std::nullopt;
    }
    // After a success the converter's lines "note: ..." say what the DXF lacks.
    for (std::size_t at = 0; at < run.err.size();) {
        const std::size_t end = std::min(run.err.find('\n', at), run.err.size());
        const std::string_view line(run.err.data() + at, end - at);
        if (line.starts_with("note: ")) notes.push_back(path + ": " + std::string(line.substr(6)));
        at = end + 1;
    }
    return store.Adopt(std::move(run.out.data), run.out.size);
}

DxfError DwgReadError(const std::string& path, const DxfError& dxfError) {
    std::string why = "its DXF from the DWG reader does not read";
    if (dxfError.line) why += " at line " + std::to_string(dxfError.line);
    return CouldNotRead(path, why + ": " + dxfError.reason);
}

}  // namespace platform::dxf
