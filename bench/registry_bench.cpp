// The settings file with many values under the module's key: what one setting read, one write
// and a walk over every value cost, as the module and the dialogs make them. Prints its
// figures; asserts nothing.
//
//   registry_bench [VALUES...]     (default: 1000 10000 30000)
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/Registry.h"
#include "win/WinRegistry.h"

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point since) { return std::chrono::duration<double>(Clock::now() - since).count(); }

// The settings file with `count` values beside the module's own under its key.
void WriteSettings(const std::string& path, int count) {
    std::ofstream out(path, std::ios::trunc);
    out << "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\software\\Morvane\\Velloria]\n";
    out << "\"AutoUpdate\"=dword:00000000\n";
    char line[64];
    for (int i = 0; i < count; ++i) {
        std::snprintf(line, sizeof line, "\"Value%05d\"=dword:%08x\n", i, static_cast<unsigned>(i));
        out << line;
    }
    out.close();
    // Saved a while ago, as a settings file is when a command reads it.
    const auto earlier = std::filesystem::last_write_time(path) - std::chrono::minutes(1);
    std::filesystem::last_write_time(path, earlier);
}

// Runs op until it has run `most` times or for `budget` seconds; milliseconds per run.
template <class Op>
double MillisecondsPerRun(Op op, int most, double budget, int& runs) {
    const auto start = Clock::now();
    for (runs = 0; runs < most && (runs == 0 || Seconds(start) < budget); ++runs) op(runs);
    return Seconds(start) * 1000 / runs;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<int> counts;
    for (int i = 1; i < argc; ++i) counts.push_back(std::atoi(argv[i]));
    if (counts.empty()) counts = {1000, 10000, 30000};
    const std::string folder = std::filesystem::temp_directory_path() / ("registry_bench." + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const std::string path = folder + "/registry.reg";
    ::setenv("VELLORIA_REGISTRY", path.c_str(), 1);
    CRegistry::SetRoot(HKEY_CURRENT_USER, L"Morvane");

    std::printf("settings file with N values under the module's key (reads and writes: the mean of up to 200 runs or of 10 s; the walk over every value by index: reckoned from the values reached in 10 s)\n");
    std::printf("%8s %14s %14s %16s %12s\n", "N", "read ms", "write ms", "walk all ms", "file MB");
    for (const int count : counts) {
        WriteSettings(path, count);
        int reads = 0, writes = 0, walks = 0;
        const double read = MillisecondsPerRun([](int) { (void)CRegistry::GetProfileInt(L"Velloria", L"AutoUpdate", 0); }, 200, 10, reads);
        const double write = MillisecondsPerRun([](int i) { CRegistry::WriteProfileInt(L"Velloria", L"AutoUpdate", i & 1); }, 200, 10, writes);
        // Every value of the key by index, as a list of settings is read: stopped after 10 s,
        // the whole walk's time reckoned from the values it reached.
        DWORD walked = 0;
        const auto walkStart = Clock::now();
        HKEY key = nullptr;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, L"software\\Morvane\\Velloria", 0, KEY_READ, &key) == ERROR_SUCCESS) {
            wchar_t name[64];
            for (DWORD length = 64; RegEnumValueW(key, walked, name, &length, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
                 length = 64)
                if (++walked % 16 == 0 && Seconds(walkStart) > 10) break;
            RegCloseKey(key);
        }
        const double walk = walked ? Seconds(walkStart) * 1000 / walked * (count + 1) : 0;
        walks = static_cast<int>(walked);
        std::printf("%8d %14.3f %14.3f %16.1f %12.2f   (runs: %d reads, %d writes, %d values walked)\n", count, read, write, walk,
                    static_cast<double>(std::filesystem::file_size(path)) / 1e6, reads, writes, walks);
        std::fflush(stdout);
    }
    std::filesystem::remove_all(folder);
    return 0;
}
