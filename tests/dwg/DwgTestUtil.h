#pragma once
// Helpers of the DWG tests: the test drawings, LibreDWG's own dwg2dxf, and what ezdxf (an
// independent reader) finds in the DXF that dwg2dxf makes of a drawing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dxf/DxfTestUtil.h"

namespace dwgtest {

inline std::string Drawing(const std::string& name) { return std::string(VELLORIA_TEST_DATA) + "/dwg/" + name; }

// LibreDWG's test drawings, one of every version it reads.
inline const std::vector<std::string>& EveryVersion() {
    static const std::vector<std::string> names{"example_r13.dwg",  "example_r14.dwg",  "example_2000.dwg",
                                                "example_2004.dwg", "example_2007.dwg", "example_2010.dwg",
                                                "example_2013.dwg", "example_2018.dwg"};
    return names;
}

// Converts dwg to dxf with LibreDWG's dwg2dxf; "" when it did, else what it said.
inline std::string Dwg2Dxf(const std::string& dwg, const std::string& dxf) {
    const std::string command = std::string("'") + LIBREDWG_DWG2DXF + "' -y -o '" + dxf + "' '" + dwg + "' 2>&1";
    std::string out;
    int status = -1;
    if (FILE* p = ::popen(command.c_str(), "r")) {
        char buf[4096];
        size_t n;
        while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, n);
        status = ::pclose(p);
    }
    return status == 0 ? std::string() : "dwg2dxf failed (" + std::to_string(status) + "): " + out;
}

// The entities of every layout of a DXF file as ezdxf reads them, one "OWNER HANDLE TYPE" line
// each, sorted; the first line is "ERROR ..." when ezdxf cannot read the file.
inline std::vector<std::string> EzdxfLayoutEntities(const std::string& dxf) {
    const std::string script = R"PY(
import sys, ezdxf
from ezdxf import recover
try:
    doc, auditor = recover.readfile(sys.argv[1])
except Exception as e:
    print('ERROR', e)
    sys.exit(0)
lines = []
for layout in doc.layouts:
    for e in layout:
        lines.append('%s %s %s' % (e.dxf.owner, e.dxf.handle, e.dxftype()))
print('\n'.join(sorted(lines)))
)PY";
    const std::string out = dxftest::RunPython(script, "'" + dxf + "'");
    std::vector<std::string> lines;
    size_t at = 0;
    while (at < out.size()) {
        const size_t end = out.find('\n', at);
        const std::string line = out.substr(at, end == std::string::npos ? std::string::npos : end - at);
        if (!line.empty()) lines.push_back(line);
        if (end == std::string::npos) break;
        at = end + 1;
    }
    return lines;
}

}  // namespace dwgtest
