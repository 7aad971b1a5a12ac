#include "view/PdfFile.h"

#include <cstdio>

#include "view/PdfDeflate.h"

namespace platform::view {

namespace {
constexpr size_t kUnwritten = static_cast<size_t>(-1);
}

PdfFile::PdfFile() {
    // The comment of bytes above 127 tells transfer programs the file is binary.
    m_out.Raw("%PDF-1.7\n%\xE2\xE3\xCF\xD3\n");
}

int PdfFile::Reserve() {
    m_offsets.push_back(kUnwritten);
    return static_cast<int>(m_offsets.size());
}

PdfBuffer& PdfFile::Begin(int id) {
    m_offsets[static_cast<size_t>(id - 1)] = m_out.Size();
    m_out.Int(id).Raw(" 0 obj\n");
    return m_out;
}

void PdfFile::End() { m_out.Raw("\nendobj\n"); }

void PdfFile::Stream(int id, std::string_view dict, std::string_view data, bool deflated) {
    PdfBuffer& out = Begin(id);
    out.Raw("<<").Raw(dict).Raw("/Length ").Int(static_cast<long long>(data.size()));
    if (deflated) out.Raw("/Filter/FlateDecode");
    out.Raw(">>\nstream\n").Raw(data).Raw("\nendstream");
    End();
}

bool PdfFile::CompressedStream(int id, std::string_view dict, std::string_view data) {
    std::string packed;
    if (!Deflate(data, packed, 6)) return false;
    Stream(id, dict, packed, true);
    return true;
}

bool PdfFile::Finish(int catalog, int info, std::string& out) {
    for (size_t offset : m_offsets)
        if (offset == kUnwritten) return false;
    const size_t xref = m_out.Size();
    m_out.Raw("xref\n0 ").Int(static_cast<long long>(m_offsets.size() + 1)).Raw("\n0000000000 65535 f \n");
    char line[24];
    for (size_t offset : m_offsets) {
        std::snprintf(line, sizeof line, "%010zu 00000 n \n", offset);
        m_out.Raw(std::string_view(line, 20));
    }
    m_out.Raw("trailer\n<</Size ").Int(static_cast<long long>(m_offsets.size() + 1));
    m_out.Raw("/Root ").Int(catalog).Raw(" 0 R");
    if (info > 0) m_out.Raw("/Info ").Int(info).Raw(" 0 R");
    m_out.Raw(">>\nstartxref\n").Int(static_cast<long long>(xref)).Raw("\n%%EOF\n");
    out.assign(m_out.View());
    return true;
}

}  // namespace platform::view
