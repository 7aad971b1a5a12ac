#include "sheets/SheetXml.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "sheets/CellAddress.h"
#include "sheets/XlsxParts.h"
#include "sheets/XmlScanner.h"

namespace platform::sheets {
namespace {

constexpr int kRows = 1048576, kCols = 16384;

// "2024-03-05T14:07:00" (a cell of type d) as an OLE date.
std::optional<double> IsoDate(std::string_view text) {
    int y = 0, mo = 0, d = 0, h = 0, mi = 0;
    double s = 0;
    const int n = std::sscanf(std::string(text).c_str(), "%d-%d-%dT%d:%d:%lf", &y, &mo, &d, &h, &mi, &s);
    if (n < 3 || y < 1 || y > 9999 || mo < 1 || mo > 12 || d < 1 || d > 31 || h < 0 || h > 23 || mi < 0 || mi > 59 || s < 0 || s >= 61) return std::nullopt;
    return OleDateOf(y, mo, d, h * 3600 + mi * 60 + s);
}

bool ReadCell(XmlScanner& xml, const SheetContext& context, WorkbookCells& cells, size_t sheet, int row, int col) {
    const std::string_view type = xml.RawAttribute("t");
    const auto xf = XmlInteger(xml.RawAttribute("s"));
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
    if (formula && (!hasValue || context.computeAll)) return false;
    Cell cell;
    if (type == "s") {
        if (const auto index = XmlInteger(value); index && *index >= 0 && static_cast<unsigned long>(*index) < context.sharedCount)
            cells.PutText(sheet, row, col, context.sharedBase + static_cast<uint32_t>(*index));
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
        if (error != std::errc() || end != value.data() + value.size() || !std::isfinite(number)) return true;
        cell = NumberCell(number, xf && *xf >= 0 && static_cast<size_t>(*xf) < context.dateXf.size() && context.dateXf[static_cast<size_t>(*xf)], context.system1904);
    }
    cells.Put(sheet, row, col, cell);
    return true;
}

}  // namespace

// The cells of a sheet's XML; false at a formula that must be computed.
bool ReadSheetXml(std::string_view data, const SheetContext& context, WorkbookCells& cells, size_t sheet) {
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
                cells.Reserve(sheet, std::min(static_cast<size_t>(std::abs(last->row - first->row) + 1) * static_cast<size_t>(std::abs(last->col - first->col) + 1),
                                                data.size() / 16));
        } else if (name == "sheetData") {
            inData = true;
        } else if (inData && name == "row") {
            const auto r = XmlInteger(xml.RawAttribute("r"));
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
            if (!ReadCell(xml, context, cells, sheet, row, col)) return false;
        }
    }
    return true;
}

}  // namespace platform::sheets
