#pragma once
// Helpers shared by the DXF tests: fixture paths, scratch files, and ezdxf as an independent
// reader of what we write.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "dxf/DxfDocument.h"

namespace dxftest {

inline std::string Fixture() { return std::string(VELLORIA_TEST_DATA) + "/acad_table_simple.dxf"; }

inline std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

inline void Spit(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

// A fresh directory per test, removed afterwards.
class ScratchDir {
public:
    ScratchDir() {
        char tmpl[] = "/tmp/velloria-dxf-XXXXXX";
        m_path = ::mkdtemp(tmpl);
    }
    ~ScratchDir() {
        std::error_code ec;
        std::filesystem::remove_all(m_path, ec);
    }
    std::string File(const std::string& name) const { return m_path + "/" + name; }
    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
};

// Why ezdxf cannot be used, or "" when it can. The setup script installs it, so a test that
// needs it fails with this reason instead of skipping: a skip would claim a pass it had not
// checked. The import is tried twice, as a loaded machine may fail to start a process once.
inline std::string EzdxfMissing() {
    static const std::string reason = [] {
        std::string out;
        for (int attempt = 0; attempt < 2; ++attempt) {
            out.clear();
            if (FILE* p = ::popen("/usr/bin/python3 -c 'import ezdxf; print(ezdxf.__version__)' 2>&1", "r")) {
                char buf[512];
                size_t n;
                while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, n);
                if (::pclose(p) == 0) return std::string();
            }
        }
        return "python3-ezdxf (installed by scripts/setup.sh) cannot be imported: " + out;
    }();
    return reason;
}

// Runs a Python script with /usr/bin/python3 (ezdxf available) and returns its standard output;
// the script gets the arguments as sys.argv[1:].
inline std::string RunPython(const std::string& script, const std::string& args, int* status = nullptr) {
    ScratchDir dir;
    const std::string file = dir.File("check.py");
    Spit(file, script);
    const std::string cmd = "/usr/bin/python3 " + file + " " + args + " 2>&1";
    std::string out;
    if (FILE* p = ::popen(cmd.c_str(), "r")) {
        char buf[4096];
        size_t n;
        while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, n);
        const int rc = ::pclose(p);
        if (status) *status = rc;
    }
    return out;
}

// Every tag of every item of the document, one line each, in writing order: two documents
// with equal dumps hold the same data.
inline std::string Dump(const platform::dxf::Document& doc) {
    std::string out;
    auto put = [&out](const platform::dxf::DxfObject& o) {
        for (const auto& t : o.tags) {
            out += std::to_string(t.code);
            out += '=';
            out.append(t.Value());
            out += '\n';
        }
    };
    for (const auto& c : doc.classes) put(c);
    for (const auto& t : doc.tables) {
        put(t.head);
        for (const auto& r : t.records) put(r);
    }
    for (const auto& b : doc.blocks) {
        put(b.begin);
        for (const auto& e : b.Entities()) put(e);
        put(b.end);
    }
    for (const auto& e : doc.entities) put(e);
    for (const auto& o : doc.objects) put(o);
    return out;
}

}  // namespace dxftest
