#pragma once
// The one error a drawing file operation reports: the file, the line where reading stopped
// (0 when no line is involved, such as a file that cannot be opened) and why.
#include <cstddef>
#include <string>

namespace platform::dxf {

struct DxfError {
    std::string file;
    std::size_t line = 0;
    std::string reason;
    // The reason goes on from the file's name as one sentence ("FILE could not be read: ...").
    bool continuesName = false;

    // "FILE: line N: reason", or "FILE: reason" without a line ("FILE reason" when the reason
    // goes on from the name).
    std::string Message() const {
        std::string m = file.empty() ? std::string("<memory>") : file;
        m += continuesName ? " " : ": ";
        if (line != 0) m += "line " + std::to_string(line) + ": ";
        m += reason;
        return m;
    }
};

}  // namespace platform::dxf
