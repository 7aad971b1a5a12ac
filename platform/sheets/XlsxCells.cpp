#include "sheets/XlsxCells.h"

#include <orcus/zip_archive.hpp>
#include <orcus/zip_archive_stream.hpp>

#include <algorithm>
#include <map>
#include <vector>

#include "sheets/CellAddress.h"
#include "sheets/SheetXml.h"
#include "sheets/XlsxParts.h"
#include "sheets/XmlScanner.h"

namespace platform::sheets {
namespace {

std::string_view View(const std::vector<unsigned char>& bytes) { return std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()); }

bool IsTrue(std::string_view value) { return value == "1" || value == "true"; }

// A part of the package by the name a relationship gives it (relative to xl/, or absolute).
std::string PartName(std::string_view target) { return target.empty() ? std::string() : target[0] == '/' ? std::string(target.substr(1)) : "xl/" + std::string(target); }

class PackageReader {
public:
    explicit PackageReader(std::string_view content)
        : m_stream(reinterpret_cast<const uint8_t*>(content.data()), content.size()), m_archive(&m_stream) {
        m_archive.load();
    }

    std::optional<WorkbookCells> Read() {
        // Where workbooks keep it; a package that keeps it elsewhere is left to the document
        // model, which follows the package's relationships.
        std::vector<unsigned char> bytes;
        if (!m_archive.read_file_entry("xl/workbook.xml", bytes)) return std::nullopt;
        std::map<std::string, std::string, std::less<>> targets;  // relationship id -> worksheet part
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
                // Chart sheets and macro sheets hold no cells: they are no tables.
                else if (type.size() >= 10 && type.substr(type.size() - 10) == "/worksheet") targets[std::string(rels.RawAttribute("Id"))] = part;
            }
        }
        std::vector<std::pair<std::string, std::string>> sheets;  // name, part
        std::vector<std::pair<std::string, std::string>> names;   // defined name, what it refers to
        XmlScanner workbook(View(bytes));
        for (auto t = workbook.Next(); t != XmlScanner::Done; t = workbook.Next()) {
            if (t != XmlScanner::Start) continue;
            if (workbook.Name() == "workbookPr") {
                m_context.system1904 = IsTrue(workbook.RawAttribute("date1904"));
            } else if (workbook.Name() == "calcPr") {
                // Saved by a program that computes nothing: any formula must be computed here.
                m_context.computeAll = IsTrue(workbook.RawAttribute("fullCalcOnLoad"));
            } else if (workbook.Name() == "sheet") {
                const auto target = targets.find(workbook.RawAttribute("id"));
                if (target != targets.end()) sheets.emplace_back(workbook.Attribute("name"), target->second);
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
                if (!ReadSheetXml(View(xml), m_context, m_cells, sheet)) return std::nullopt;
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
            if (first) m_context.sharedBase = index, first = false;
            ++m_context.sharedCount;
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
                if (const auto id = XmlInteger(xml.RawAttribute("numFmtId"))) codes[*id] = xml.Attribute("formatCode");
            } else if (xml.Name() == "cellXfs") {
                inCellXfs = !xml.SelfClosing();
            } else if (xml.Name() == "xf" && inCellXfs) {
                const long id = XmlInteger(xml.RawAttribute("numFmtId")).value_or(0);
                const auto code = codes.find(id);
                m_context.dateXf.push_back(id >= 0 && IsDateFormat(static_cast<size_t>(id), code == codes.end() ? std::string_view() : code->second));
                if (!xml.SelfClosing()) xml.SkipElement();
            }
        }
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
    SheetContext m_context;
};

}  // namespace

std::optional<WorkbookCells> ReadXlsxCells(std::string_view content) { return PackageReader(content).Read(); }

}  // namespace platform::sheets
