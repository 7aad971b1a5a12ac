#include "sheets/OdsParts.h"

#include <orcus/zip_archive.hpp>
#include <orcus/zip_archive_stream.hpp>

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "sheets/CellValues.h"
#include "sheets/XlsxParts.h"

namespace platform::sheets {
namespace {

constexpr long long kRows = 1048576, kCols = 16384;  // the size of a sheet

int Repeat(std::string_view xml, size_t tag, std::string_view attribute) {
    const std::string n = XmlAttribute(xml, tag, attribute);
    const long count = n.empty() ? 1 : std::strtol(n.c_str(), nullptr, 10);
    return count < 1 ? 1 : static_cast<int>(std::min<long>(count, 1 << 20));
}

// 2024-03-05 or 2024-03-05T14:07:00 as an OLE date.
bool OleOfDate(const std::string& text, double& out) {
    int y, mo, d, h = 0, mi = 0;
    double s = 0;
    if (std::sscanf(text.c_str(), "%d-%d-%d", &y, &mo, &d) != 3 || y < 1 || y > 9999 || mo < 1 || mo > 12 || d < 1 || d > 31) return false;
    if (const size_t t = text.find('T'); t != std::string::npos) std::sscanf(text.c_str() + t + 1, "%d:%d:%lf", &h, &mi, &s);
    out = OleDateOf(y, mo, d, h * 3600 + mi * 60 + s);
    return true;
}

// PT14H07M00S as a fraction of a day.
bool OleOfTime(const std::string& text, double& out) {
    double h = 0, m = 0, s = 0;
    if (std::sscanf(text.c_str(), "PT%lfH%lfM%lfS", &h, &m, &s) < 1 || !(std::fabs(h) < 1e6)) return false;
    out = (h * 3600 + m * 60 + s) / 86400.0;
    return true;
}

// The text of a cell's content: paragraphs joined with line breaks, <text:s/> as its spaces,
// line breaks and tabs as themselves, annotations left out.
std::string CellText(std::string_view body) {
    std::string out;
    bool firstParagraph = true;
    int skipDepth = 0;  // inside an annotation
    for (size_t i = 0; i < body.size();) {
        if (body[i] != '<') {
            const size_t next = body.find('<', i);
            if (!skipDepth) out += XmlText(body.substr(i, next - i));
            i = next == std::string_view::npos ? body.size() : next;
            continue;
        }
        const size_t close = body.find('>', i);
        if (close == std::string_view::npos) break;
        const std::string_view tag = body.substr(i, close - i + 1);
        if (tag.rfind("<office:annotation", 0) == 0 && tag[tag.size() - 2] != '/') ++skipDepth;
        else if (tag.rfind("</office:annotation", 0) == 0) --skipDepth;
        else if (!skipDepth && tag.rfind("<text:p", 0) == 0 && (tag.size() == 8 || tag[7] == ' ' || tag[7] == '>' || tag[7] == '/')) {
            if (!firstParagraph) out += '\n';
            firstParagraph = false;
        } else if (!skipDepth && tag.rfind("<text:s", 0) == 0 && (tag[7] == ' ' || tag[7] == '/')) {
            const std::string c = XmlAttribute(body, i, "text:c");
            out.append(c.empty() ? 1 : static_cast<size_t>(std::max(1L, std::strtol(c.c_str(), nullptr, 10))), ' ');
        } else if (!skipDepth && tag.rfind("<text:line-break", 0) == 0) {
            out += '\n';
        } else if (!skipDepth && tag.rfind("<text:tab", 0) == 0) {
            out += '\t';
        }
        i = close + 1;
    }
    return out;
}

}  // namespace

std::vector<OdsCell> ReadOdsCells(std::string_view content) {
    orcus::zip_archive_stream_blob stream(reinterpret_cast<const uint8_t*>(content.data()), content.size());
    orcus::zip_archive archive(&stream);
    archive.load();
    std::vector<unsigned char> bytes;
    if (!archive.read_file_entry("content.xml", bytes)) return {};
    const std::string_view xml(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    std::vector<OdsCell> cells;
    long sheet = -1;
    long long row = 0, col = 0, rowRepeat = 1;  // beyond a sheet's size cells are left out
    for (size_t i = xml.find('<'); i != std::string_view::npos; i = xml.find('<', i + 1)) {
        const auto starts = [&](std::string_view name) {
            return xml.compare(i, name.size(), name) == 0 && i + name.size() < xml.size() &&
                   (xml[i + name.size()] == ' ' || xml[i + name.size()] == '>' || xml[i + name.size()] == '/');
        };
        const size_t close = xml.find('>', i);
        if (close == std::string_view::npos) break;
        const bool empty = xml[close - 1] == '/';
        if (starts("<table:table")) {
            ++sheet;
            row = 0;
        } else if (starts("<table:table-row")) {
            col = 0;
            rowRepeat = Repeat(xml, i, "table:number-rows-repeated");
            if (empty) row += rowRepeat;
        } else if (starts("</table:table-row")) {
            row += rowRepeat;
        } else if (starts("<table:table-cell") || starts("<table:covered-table-cell")) {
            const int repeat = Repeat(xml, i, "table:number-columns-repeated");
            const std::string type = XmlAttribute(xml, i, "office:value-type");
            size_t end = close + 1;
            std::string_view body;
            if (!empty) {
                const std::string_view closing = starts("<table:table-cell") ? "</table:table-cell>" : "</table:covered-table-cell>";
                end = xml.find(closing, close);
                if (end == std::string_view::npos) break;
                body = xml.substr(close + 1, end - close - 1);
                end += closing.size();
            }
            OdsCell cell;
            cell.sheet = static_cast<size_t>(sheet);
            bool keep = sheet >= 0;
            if (type == "string") {
                cell.kind = OdsCell::Text;
                const std::string value = XmlAttribute(xml, i, "office:string-value");
                cell.text = value.empty() ? CellText(body) : XmlText(value);
            } else if (type == "boolean") {
                cell.kind = OdsCell::Bool;
                cell.value = XmlAttribute(xml, i, "office:boolean-value") == "true" ? 1 : 0;
            } else if (type == "date") {
                cell.kind = OdsCell::Date;
                keep = keep && OleOfDate(XmlAttribute(xml, i, "office:date-value"), cell.value);
            } else if (type == "time") {
                cell.kind = OdsCell::Date;
                keep = keep && OleOfTime(XmlAttribute(xml, i, "office:time-value"), cell.value);
            } else {
                keep = false;  // numbers, currencies, percentages, formulas: read as they are
            }
            for (long long r = 0; keep && r < rowRepeat && row + r < kRows; ++r)
                for (long long c = 0; c < repeat && col + c < kCols; ++c) {
                    cell.row = static_cast<int>(row + r);
                    cell.col = static_cast<int>(col + c);
                    cells.push_back(cell);
                }
            col += repeat;
            i = end - 1;
        }
    }
    return cells;
}

}  // namespace platform::sheets
