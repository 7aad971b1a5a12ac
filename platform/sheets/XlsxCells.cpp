#include "sheets/XlsxCells.h"

#include <orcus/zip_archive.hpp>
#include <orcus/zip_archive_stream.hpp>

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <map>
#include <vector>

#include "sheets/CellAddress.h"
#include "sheets/XlsxParts.h"
#include "sheets/XmlScanner.h"

namespace platform::sheets {
namespace {

constexpr int kRows = 1048576, kCols = 16384;

std::string_view View(const std::vector<unsigned char>& bytes) { return std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()); }

bool IsTrue(std::string_view value) { return value == "1" || value == "true"; }

// A part of the package by the name a relationship gives it (relative to xl/, or absolute).
std::string PartName(std::string_view target) { return target.empty() ? std::string() : target[0] == '/' ? std::string(target.substr(1)) : "xl/" + std::string(target); }

std::optional<long> Integer(std::string_view text) {
    long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

// "2024-03-05T14:07:00" (a cell of type d) as an OLE date.
std::optional<double> IsoDate(std::string_view text) {
    int y = 0, mo = 0, d = 0, h = 0, mi = 0;
    double s = 0;
    const int n = std::sscanf(std::string(text).c_str(), "%d-%d-%dT%d:%d:%lf", &y, &mo, &d, &h, &mi, &s);
    if (n < 3 || y < 1 || y > 9999 || mo < 1 || mo > 12 || d < 1 || d > 31 || h < 0 || h > 23 || mi < 0 || mi > 59 || s < 0 || s >= 61) return std::nullopt;
    return OleDateOf(y, mo, d, h * 3600 + mi * 60 + s);
}

class PackageReader {
public:
    explicit PackageReader(std::string_view content)
        : m_stream(reinterpret_cast<const uint8_t*>(content.data()), content.size()), m_archive(&m_stream) {
        m_archive.load();
    }

    std::optional<WorkbookCells> Read() {
        const std::string workbookPart = "xl/workbook.xml";
        std::vector<unsigned char> bytes;
        if (!m_archive.read_file_entry(workbookPart, bytes)) throw std::runtime_error("the package holds no workbook");
        std::map<std::string, std::string, std::less<>> targets;  // relationship id -> part
        std::string sharedStrings = "xl/sharedStrings.xml", styles = "xl/styles.xml";
        std::vector<unsigned char> relBytes;
        if (m_archive.read_file_entry("xl/_rels/workbook.xml.rels", relBytes)) {
            XmlScanner rels(View(relBytes));
            for (auto t = rels.Next(); t != XmlScanner::Done; t = rels.Next()) {
                if (t != XmlScanner::Start || rels.Name() != "Relationship") continue;
                const std::string part = PartName(rels.Attribute("Target"));
                const std::string_view type = rels.RawAttribute("Type");
                if (type.size() >= 14 && type.substr(type.size() - 14) == "/sharedStrings") sharedStrings = part;
                else if (type.size() >= 7 && type.substr(type.size() - 7) == "/styles") styles = part;
                targets[std::string(rels.RawAttribute("Id"))] = part;
            }
        }
        std::vector<std::pair<std::string, std::string>> sheets;  // name, part
        std::vector<std::pair<std::string, std::string>> names;   // defined name, what it refers to
        XmlScanner workbook(View(bytes));
        for (auto t = workbook.Next(); t != XmlScanner::Done; t = workbook.Next()) {
            if (t != XmlScanner::Start) continue;
            if (workbook.Name() == "workbookPr") {
                m_system1904 = IsTrue(workbook.RawAttribute("date1904"));
            } else if (workbook.Name() == "calcPr") {
                // Saved by a program that computes nothing: any formula must be computed here.
                m_computeAll = IsTrue(workbook.RawAttribute("fullCalcOnLoad"));
            } else if (workbook.Name() == "sheet") {
                const auto target = targets.find(workbook.RawAttribute("id"));
                sheets.emplace_back(workbook.Attribute("name"), target == targets.end() ? std::string() : target->second);
            } else if (workbook.Name() == "definedName" && workbook.RawAttribute("localSheetId").empty() && !workbook.SelfClosing()) {
                std::string name = workbook.Attribute("name"), refersTo;
                for (auto u = workbook.Next(); u == XmlScanner::Text; u = workbook.Next()) refersTo += XmlText(workbook.RawText());
                names.emplace_back(std::move(name), std::move(refersTo));
            }
        }
        ReadSharedStrings(sharedStrings);
        ReadStyles(styles);
        for (const auto& [name, part] : sheets) {
            const size_t sheet = m_cells.AddSheet(name);
            std::vector<unsigned char> xml;
            if (!part.empty() && m_archive.read_file_entry(part, xml))
                if (!ReadSheet(sheet, View(xml))) return std::nullopt;
        }
        m_cells.Finish();
        for (const auto& [name, refersTo] : names) AddName(name, refersTo);
        return std::move(m_cells);
    }

private:
    void ReadSharedStrings(const std::string& part) {
        std::vector<unsigned char> bytes;
        if (!m_archive.read_file_entry(part, bytes)) return;
        XmlScanner xml(View(bytes));
        bool first = true;
        for (auto t = xml.Next(); t != XmlScanner::Done; t = xml.Next()) {
            if (t != XmlScanner::Start || xml.Name() != "si") continue;
            const uint32_t index = m_cells.AddText(xml.ElementText());
            if (first) m_sharedBase = index, first = false;
            ++m_sharedCount;
        }
    }

    // Which cell formats show a date: by the number format each names, built in or the file's own.
    void ReadStyles(const std::string& part) {
        std::vector<unsigned char> bytes;
        if (!m_archive.read_file_entry(part, bytes)) return;
        XmlScanner xml(View(bytes));
        std::map<long, std::string> codes;
        bool inCellXfs = false;
        for (auto t = xml.Next(); t != XmlScanner::Done; t = xml.Next()) {
            if (t == XmlScanner::End && xml.Name() == "cellXfs") inCellXfs = false;
            if (t != XmlScanner::Start) continue;
            if (xml.Name() == "numFmt") {
                if (const auto id = Integer(xml.RawAttribute("numFmtId"))) codes[*id] = xml.Attribute("formatCode");
            } else if (xml.Name() == "cellXfs") {
                inCellXfs = !xml.SelfClosing();
            } else if (xml.Name() == "xf" && inCellXfs) {
                const long id = Integer(xml.RawAttribute("numFmtId")).value_or(0);
                const auto code = codes.find(id);
                m_dateXf.push_back(id >= 0 && IsDateFormat(static_cast<size_t>(id), code == codes.end() ? std::string_view() : code->second));
                if (!xml.SelfClosing()) xml.SkipElement();
            }
        }
    }

    // The cells of a sheet's XML; false at a formula that must be computed.
    bool ReadSheet(size_t sheet, std::string_view data) {
        XmlScanner xml(data);
        int row = -1, col = -1;
        bool inData = false;
        for (auto t = xml.Next(); t != XmlScanner::Done; t = xml.Next()) {
            if (t == XmlScanner::End && xml.Name() == "sheetData") break;
            if (t != XmlScanner::Start) continue;
            const std::string_view name = xml.Name();
            if (name == "dimension") {
                // The used range the sheet claims gives room for its cells at once, no more
                // than the XML can hold (a cell takes at least sixteen bytes of it).
                const std::string_view ref = xml.RawAttribute("ref");
                const size_t colon = ref.find(':');
                const auto first = ParseCellAddress(ref.substr(0, colon));
                const auto last = colon == std::string_view::npos ? first : ParseCellAddress(ref.substr(colon + 1));
                if (first && last)
                    m_cells.Reserve(sheet, std::min(static_cast<size_t>(std::abs(last->row - first->row) + 1) * static_cast<size_t>(std::abs(last->col - first->col) + 1),
                                                    data.size() / 16));
            } else if (name == "sheetData") {
                inData = true;
            } else if (inData && name == "row") {
                const auto r = Integer(xml.RawAttribute("r"));
                row = r && *r >= 1 && *r <= kRows ? static_cast<int>(*r - 1) : row + 1;
                col = -1;
            } else if (inData && name == "c") {
                // A cell without its address follows the one before it.
                if (const auto at = ParseCellAddress(xml.RawAttribute("r"))) row = at->row, col = at->col;
                else ++col;
                if (row < 0 || row >= kRows || col < 0 || col >= kCols) {
                    xml.SkipElement();
                    continue;
                }
                if (!ReadCell(xml, sheet, row, col)) return false;
            }
        }
        return true;
    }

    bool ReadCell(XmlScanner& xml, size_t sheet, int row, int col) {
        const std::string_view type = xml.RawAttribute("t");
        const auto xf = Integer(xml.RawAttribute("s"));
        if (xml.SelfClosing()) return true;  // a formatted cell with no value
        std::string_view value;
        std::string inlineText;
        bool formula = false, hasValue = false, hasInline = false;
        // The cell's children; an element other than these (<extLst>) is passed over whole.
        for (auto t = xml.Next(); t != XmlScanner::Done && t != XmlScanner::End; t = xml.Next()) {
            if (t != XmlScanner::Start) continue;
            if (xml.Name() == "f") {
                formula = true;
                xml.SkipElement();
            } else if (xml.Name() == "is") {
                inlineText = xml.ElementText();
                hasInline = true;
            } else if (xml.Name() == "v" && !xml.SelfClosing()) {
                hasValue = true;
                if (xml.Next() == XmlScanner::Text) {
                    value = xml.RawText();
                    xml.Next();  // </v>
                }
            } else {
                xml.SkipElement();
            }
        }
        if (formula && (!hasValue || m_computeAll)) return false;
        Cell cell;
        if (type == "s") {
            if (const auto index = Integer(value); index && *index >= 0 && static_cast<unsigned long>(*index) < m_sharedCount)
                m_cells.PutText(sheet, row, col, m_sharedBase + static_cast<uint32_t>(*index));
            return true;
        }
        if (type == "inlineStr" || hasInline) {
            cell.kind = Cell::Text;
            cell.text = std::move(inlineText);
        } else if (!hasValue) {
            return true;
        } else if (type == "str" || type == "e") {
            cell.kind = Cell::Text;
            cell.text = XmlText(value);
        } else if (type == "b") {
            cell.kind = Cell::Bool;
            cell.number = value == "1" || value == "true" ? 1 : 0;
        } else if (type == "d") {
            const auto date = IsoDate(value);
            if (!date) return true;
            cell.kind = Cell::Date;
            cell.number = *date;
        } else {
            double number = 0;
            const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
            if (error != std::errc() || end != value.data() + value.size()) return true;
            cell = NumberCell(number, xf && *xf >= 0 && static_cast<size_t>(*xf) < m_dateXf.size() && m_dateXf[static_cast<size_t>(*xf)], m_system1904);
        }
        m_cells.Put(sheet, row, col, cell);
        return true;
    }

    // A defined name that is one range or cell of a sheet ("'Parts 2'!$A$1:$B$4") is a table.
    void AddName(const std::string& name, std::string_view refersTo) {
        if (name.rfind("_xlnm.", 0) == 0) return;  // print areas, filters: the program's own
        const size_t bang = refersTo.rfind('!');
        if (bang == std::string_view::npos) return;
        std::string sheetName(refersTo.substr(0, bang));
        if (sheetName.size() >= 2 && sheetName.front() == '\'' && sheetName.back() == '\'') {
            sheetName = sheetName.substr(1, sheetName.size() - 2);
            for (size_t q = sheetName.find("''"); q != std::string::npos; q = sheetName.find("''", q + 1)) sheetName.erase(q, 1);
        }
        const std::string_view range = refersTo.substr(bang + 1);
        const size_t colon = range.find(':');
        const auto first = ParseCellAddress(range.substr(0, colon));
        const auto last = colon == std::string_view::npos ? first : ParseCellAddress(range.substr(colon + 1));
        if (!first || !last) return;
        for (size_t s = 0; s < m_cells.SheetCount(); ++s)
            if (m_cells.SheetName(s) == sheetName) {
                m_cells.Names().push_back(
                    {name, {s, std::min(first->row, last->row), std::max(first->row, last->row), std::min(first->col, last->col), std::max(first->col, last->col)}});
                return;
            }
    }

    orcus::zip_archive_stream_blob m_stream;
    orcus::zip_archive m_archive;
    WorkbookCells m_cells;
    bool m_system1904 = false;
    bool m_computeAll = false;  // the workbook asks for its formulas to be computed when opened
    uint32_t m_sharedBase = 0;
    size_t m_sharedCount = 0;
    std::vector<bool> m_dateXf;  // cell format -> its number format shows a date
};

}  // namespace

std::optional<WorkbookCells> ReadXlsxCells(std::string_view content) { return PackageReader(content).Read(); }

}  // namespace platform::sheets
