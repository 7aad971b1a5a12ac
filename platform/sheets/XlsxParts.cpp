#include "sheets/XlsxParts.h"

#include <orcus/zip_archive.hpp>
#include <orcus/zip_archive_stream.hpp>

#include <cstdlib>
#include <map>

#include "sheets/CellAddress.h"
#include "text/Utf8.h"

namespace platform::sheets {
namespace {

void AppendCodePoint(std::string& out, unsigned long cp) { platform::AppendUtf8(out, std::wstring(1, static_cast<wchar_t>(cp))); }

bool IsTrue(const std::string& value) { return value == "1" || value == "true"; }

std::string Entry(const orcus::zip_archive& archive, std::string_view name) {
    std::vector<unsigned char> bytes;
    if (!archive.read_file_entry(name, bytes)) return {};
    return std::string(bytes.begin(), bytes.end());
}

std::string_view View(const std::vector<unsigned char>& bytes) { return std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()); }

void ReadInlineStrings(std::string_view xml, size_t sheet, std::vector<InlineString>& out) {
    for (size_t pos = xml.find("t=\"inlineStr\""); pos != std::string_view::npos; pos = xml.find("t=\"inlineStr\"", pos + 1)) {
        const size_t cell = xml.rfind("<c ", pos);
        const size_t end = xml.find("</c>", pos);
        if (cell == std::string_view::npos || end == std::string_view::npos) continue;
        InlineString s;
        s.sheet = sheet;
        const auto at = ParseCellAddress(XmlAttribute(xml, cell, "r"));
        if (!at) continue;
        s.row = at->row;
        s.col = at->col;
        // Every run's text; phonetic runs (<rPh>) are a reading aid, not the text.
        std::string body(xml.substr(pos, end - pos));
        for (size_t ph = body.find("<rPh"); ph != std::string::npos; ph = body.find("<rPh", ph)) {
            const size_t phEnd = body.find("</rPh>", ph);
            body.erase(ph, phEnd == std::string::npos ? std::string::npos : phEnd + 6 - ph);
        }
        for (size_t t = body.find("<t"); t != std::string::npos; t = body.find("<t", t + 2)) {
            if (body.compare(t, 3, "<t>") != 0 && body.compare(t, 3, "<t ") != 0) continue;
            const size_t open = body.find('>', t);
            const size_t close = body.find("</t>", open);
            if (open == std::string::npos || close == std::string::npos) break;
            s.text += XmlText(std::string_view(body).substr(open + 1, close - open - 1));
        }
        out.push_back(std::move(s));
    }
}

}  // namespace

std::string XmlAttribute(std::string_view xml, size_t tagStart, std::string_view name) {
    const size_t end = xml.find('>', tagStart);
    const std::string_view tag = xml.substr(tagStart, end == std::string_view::npos ? std::string_view::npos : end - tagStart);
    for (size_t pos = tag.find(name); pos != std::string_view::npos; pos = tag.find(name, pos + 1)) {
        const char before = pos ? tag[pos - 1] : ' ';
        if ((before != ' ' && before != '\t' && before != '\n' && before != '\r') || pos + name.size() + 1 >= tag.size()) continue;
        if (tag[pos + name.size()] != '=') continue;
        const char quote = tag[pos + name.size() + 1];
        const size_t close = tag.find(quote, pos + name.size() + 2);
        if (close == std::string_view::npos) return {};
        return std::string(tag.substr(pos + name.size() + 2, close - pos - name.size() - 2));
    }
    return {};
}

std::string XmlText(std::string_view data) {
    std::string out;
    out.reserve(data.size());
    for (size_t i = 0; i < data.size(); ++i) {
        const char c = data[i];
        if (c == '&') {
            const size_t semi = data.find(';', i);
            if (semi != std::string_view::npos) {
                const std::string_view name = data.substr(i + 1, semi - i - 1);
                static const std::map<std::string_view, char> kNamed = {{"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}};
                if (const auto named = kNamed.find(name); named != kNamed.end()) {
                    out += named->second;
                    i = semi;
                    continue;
                }
                if (!name.empty() && name[0] == '#') {
                    const std::string number(name.substr(1));
                    const unsigned long cp = number[0] == 'x' ? std::strtoul(number.c_str() + 1, nullptr, 16) : std::strtoul(number.c_str(), nullptr, 10);
                    AppendCodePoint(out, cp);
                    i = semi;
                    continue;
                }
            }
        }
        // _x000D_ and the like: a character the XML could not hold as it is.
        if (c == '_' && i + 6 < data.size() && data[i + 1] == 'x' && data[i + 6] == '_') {
            const std::string hex(data.substr(i + 2, 4));
            char* end = nullptr;
            const unsigned long cp = std::strtoul(hex.c_str(), &end, 16);
            if (end == hex.c_str() + 4) {
                AppendCodePoint(out, cp);
                i += 6;
                continue;
            }
        }
        out += c;
    }
    return out;
}

XlsxParts ReadXlsxParts(std::string_view content) {
    XlsxParts parts;
    orcus::zip_archive_stream_blob stream(reinterpret_cast<const uint8_t*>(content.data()), content.size());
    orcus::zip_archive archive(&stream);
    archive.load();
    const std::string workbook = Entry(archive, "xl/workbook.xml");
    if (const size_t pr = workbook.find("<workbookPr"); pr != std::string::npos) parts.date1904 = IsTrue(XmlAttribute(workbook, pr, "date1904"));
    if (const size_t calc = workbook.find("<calcPr"); calc != std::string::npos) parts.fullCalcOnLoad = IsTrue(XmlAttribute(workbook, calc, "fullCalcOnLoad"));
    // The sheets in the workbook's order, each found through its relationship.
    const std::string rels = Entry(archive, "xl/_rels/workbook.xml.rels");
    std::map<std::string, std::string> targets;
    for (size_t pos = rels.find("<Relationship "); pos != std::string::npos; pos = rels.find("<Relationship ", pos + 1))
        targets[XmlAttribute(rels, pos, "Id")] = XmlAttribute(rels, pos, "Target");
    size_t index = 0;
    for (size_t pos = workbook.find("<sheet "); pos != std::string::npos; pos = workbook.find("<sheet ", pos + 1), ++index) {
        std::string target = targets[XmlAttribute(workbook, pos, "r:id")];
        if (target.empty()) continue;
        target = target[0] == '/' ? target.substr(1) : "xl/" + target;
        // A sheet is the workbook's largest part: looked at where it was unpacked, and let go.
        std::vector<unsigned char> sheet;
        if (!archive.read_file_entry(target, sheet)) continue;
        if (View(sheet).find("t=\"inlineStr\"") != std::string_view::npos) ReadInlineStrings(View(sheet), index, parts.inlineStrings);
    }
    return parts;
}

}  // namespace platform::sheets
