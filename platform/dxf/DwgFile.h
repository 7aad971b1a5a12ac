#pragma once
// DWG drawings. A DWG file is known by its first bytes (the version, "AC1032"); LibreDWG turns
// it into DXF in a child process of its own (the program velloria-dwg-reader beside the host
// library), under limits of time and memory, and that DXF is what the reader loads. A reader
// that crashes, hangs or runs out of memory ends the load with one line, never the host. The
// rest of the host never knows the difference, except that nothing writes DWG: a drawing read
// from one is saved as DXF.
#include <chrono>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "dxf/DxfError.h"
#include "dxf/TextStore.h"

namespace platform::dxf {

// The name of the converter program, looked for beside the host library.
inline constexpr const char* kDwgReaderProgram = "velloria-dwg-reader";

// The version a file's first bytes name when they are a DWG's ("AC1032"); empty otherwise.
std::string_view DwgVersion(std::string_view head);

struct DwgRelease {
    std::string_view version;  // "AC1032"
    std::string_view name;     // "2018"
    bool read;                 // whether the converter reads it
};
// The release of a DWG version; nothing for a version no release has.
std::optional<DwgRelease> FindDwgRelease(std::string_view version);

// Whether path names a DWG drawing: a name ending in .dwg, or a file that begins as one.
bool IsDwgPath(const std::string& path);
// The DXF file a DWG drawing is saved to: its name with .dxf for .dwg (or .dxf added).
std::string DxfPathFor(const std::string& dwgPath);

struct DwgLimits {
    std::chrono::milliseconds time{0};
    std::size_t memory = 0;  // bytes of address space
    std::size_t output = 0;  // bytes of DXF
};
// The limits of converting a DWG of that many bytes: generous for its size, or what
// VELLORIA_DWG_TIME_LIMIT (seconds) and VELLORIA_DWG_MEMORY_LIMIT (MiB) set.
DwgLimits DwgLimitsFor(std::size_t dwgBytes);

// The converter that runs: VELLORIA_DWG_READER when set, else velloria-dwg-reader beside the
// host library (or beside the program).
std::string DwgReaderPath();

// Converts the DWG file at path, whose bytes (as read) are bytes, to DXF text held in store, with
// notes on what the DXF lacks ("FILE: 1 table of this drawing is left out: ..."). On failure,
// nothing, and error says why in one line ("FILE could not be read: the DWG reader stopped on
// signal 11").
std::optional<std::string_view> ConvertDwg(const std::string& path, std::string_view bytes, TextStore& store, DxfError& error,
                                           std::vector<std::string>& notes);

// The error of reading the DXF a DWG was converted to, told as the DWG's.
DxfError DwgReadError(const std::string& path, const DxfError& dxfError);

}  // namespace platform::dxf
