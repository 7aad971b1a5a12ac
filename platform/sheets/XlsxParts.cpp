#include "sheets/XlsxParts.h"

#include <orcus/zip_archive.hpp>
#include <orcus/zip_archive_stream.hpp>

#include <cstdlib>
#include <map>

#include "sheets/CellAddress.h"
#include "sheets/XmlScanner.h"
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

// The cells of a sheet whose text is written in the cell, and the error values written as
// values (not by formulas), where they are: rows and cells without their addresses follow the
// ones before them.
void ReadInlineStrings(std::string_view data, size_t sheet, std::vector<InlineString>& out) {
    XmlScanner xml(data);
    int row = -1, col = -1;
    for (auto t = xml.Next(); t != XmlScanner::Done; t = xml.Next()) {
        if (t != XmlScanner::Start) continue;
        if (xml.Name() == "row") {
            const auto r = XmlInteger(xml.RawAttribute("r"));
            row = r && *r >= 1 && *r <= 1048576 ? static_cast<int>(*r - 1) : row + 1;
            col = -1;
        } else if (xml.Name() == "c") {
            if (const auto at = ParseCellAddress(xml.RawAttribute("r"))) row = at->row, col = at->col;
            else ++col;
            const std::string_view type = xml.RawAttribute("t");
            if ((type != "inlineStr" && type != "e") || xml.SelfClosing() || row < 0 || col < 0 || col >= 16384) continue;
            InlineString cell{sheet, row, col, {}};
            bool formula = false, found = false;
            for (auto u = xml.Next(); u != XmlScanner::Done && u != XmlScanner::End; u = xml.Next()) {
                if (u != XmlScanner::Start) continue;
                if (xml.Name() == "is") {
                    cell.text = xml.ElementText();
                    found = true;
                } else if (xml.Name() == "v" && type == "e" && !xml.SelfClosing()) {
                    if (xml.Next() == XmlScanner::Text) {
                        cell.text = XmlText(xml.RawText());
                        xml.Next();  // </v>
                    }
                    found = true;
                } else {
                    formula = formula || xml.Name() == "f";
                    xml.SkipElement();
                }
            }
            if (found && !formula) out.push_back(std::move(cell));
        }
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

namespace {

std::string Decode(std::string_view data, bool entities) {
    std::string out;
    out.reserve(data.size());
    for (size_t i = 0; i < data.size(); ++i) {
        const char c = data[i];
        if (c == '&' && entities) {
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

}  // namespace

std::string XmlText(std::string_view data) { return Decode(data, true); }

std::string UnescapeXlsxText(std::string_view text) { return text.find("_x") == std::string_view::npos ? std::string(text) : Decode(text, false); }

XlsxParts ReadXlsxParts(std::string_view content) {
    XlsxParts parts;
    orcus::zip_archive_stream_blob stream(reinterpret_cast<const uint8_t*>(content.data()), content.size());
    orcus::zip_archive archive(&stream);
    archive.load();
    const std::string workbook = Entry(archive, "xl/workbook.xml");
    // The sheets in the workbook's order, each found through its relationship.
    const std::string rels = Entry(archive, "xl/_rels/workbook.xml.rels");
    std::map<std::string, std::string, std::less<>> targets;
    XmlScanner relsXml(rels);
    for (auto t = relsXml.Next(); t != XmlScanner::Done; t = relsXml.Next())
        if (t == XmlScanner::Start && relsXml.Name() == "Relationship") targets[std::string(relsXml.RawAttribute("Id"))] = relsXml.Attribute("Target");
    std::vector<std::string> sheets;
    XmlScanner xml(workbook);
    for (auto t = xml.Next(); t != XmlScanner::Done; t = xml.Next()) {
        if (t != XmlScanner::Start) continue;
        if (xml.Name() == "workbookPr") parts.date1904 = IsTrue(std::string(xml.RawAttribute("date1904")));
        else if (xml.Name() == "calcPr") parts.fullCalcOnLoad = IsTrue(std::string(xml.RawAttribute("fullCalcOnLoad")));
        else if (xml.Name() == "sheet") {
            const auto target = targets.find(xml.RawAttribute("id"));
            sheets.push_back(target == targets.end() ? std::string() : target->second);
        }
    }
    for (size_t index = 0; index < sheets.size(); ++index) {
        const std::string& target = sheets[index];
        if (target.empty()) continue;
        // A sheet is the workbook's largest part: looked at where it was unpacked, and let go.
        std::vector<unsigned char> sheet;
        if (!archive.read_file_entry(target[0] == '/' ? target.substr(1) : "xl/" + target, sheet)) continue;
        if (View(sheet).find("inlineStr") != std::string_view::npos || View(sheet).find("t=\"e\"") != std::string_view::npos)
            ReadInlineStrings(View(sheet), index, parts.inlineStrings);
    }
    return parts;
}

}  // namespace platform::sheets
