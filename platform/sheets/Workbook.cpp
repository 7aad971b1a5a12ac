#include "sheets/Workbook.h"

#include <orcus/orcus_ods.hpp>
#include <orcus/orcus_xlsx.hpp>
#include <orcus/spreadsheet/document.hpp>
#include <orcus/spreadsheet/factory.hpp>
#include <orcus/spreadsheet/sheet.hpp>
#include <orcus/spreadsheet/styles.hpp>

#include <ixion/address.hpp>
#include <ixion/cell.hpp>
#include <ixion/exceptions.hpp>
#include <ixion/formula.hpp>
#include <ixion/formula_result.hpp>
#include <ixion/formula_tokens.hpp>
#include <ixion/model_context.hpp>
#include <ixion/model_iterator.hpp>
#include <ixion/named_expressions_iterator.hpp>

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <set>
#include <unordered_map>

#include "access/SqliteText.h"
#include "posix/FileIo.h"
#include "sheets/CellValues.h"
#include "sheets/FileKinds.h"
#include "sheets/OdsParts.h"
#include "sheets/XlsxParts.h"

namespace platform::sheets {
namespace {

using access::sqlite_text::LowerAscii;
namespace ss = orcus::spreadsheet;

// A table: a rectangle of one sheet.
struct Area {
    ixion::sheet_t sheet = 0;
    ixion::row_t firstRow = 0, lastRow = -1;
    ixion::col_t firstCol = 0, lastCol = -1;
};

// "B7" as row 6, column 1; none when it is no cell address.
std::optional<std::pair<ixion::row_t, ixion::col_t>> ParseCell(std::string_view text) {
    size_t i = 0;
    long col = 0, row = 0;
    if (i < text.size() && text[i] == '$') ++i;
    const size_t letters = i;
    for (; i < text.size() && std::isalpha(static_cast<unsigned char>(text[i])); ++i) col = col * 26 + (std::toupper(text[i]) - 'A' + 1);
    if (i == letters || i - letters > 3) return std::nullopt;
    if (i < text.size() && text[i] == '$') ++i;
    const size_t digits = i;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) row = row * 10 + (text[i] - '0');
    if (i == digits || i != text.size() || i - digits > 7 || row < 1 || col > 16384 || row > 1048576) return std::nullopt;
    return std::make_pair(static_cast<ixion::row_t>(row - 1), static_cast<ixion::col_t>(col - 1));
}

class WorkbookSource : public access::TableSource {
public:
    WorkbookSource(const std::string& path, bool header) : m_doc({1048576, 16384}), m_header(header) {
        Load(path);
        ReadNumberFormats();
        if (m_doc.get_origin_date().year == 1904) m_system1904 = true;
        for (size_t s = 0; s < m_doc.get_sheet_count(); ++s) {
            const ss::sheet* sheet = m_doc.get_sheet(static_cast<ss::sheet_t>(s));
            const ixion::abs_range_t used = sheet->get_data_range();
            Area area;
            area.sheet = static_cast<ixion::sheet_t>(s);
            if (used.valid()) area = {area.sheet, used.first.row, used.last.row, used.first.column, used.last.column};
            AddTable(std::string(m_doc.get_sheet_name(static_cast<ss::sheet_t>(s))) + "$", area);
        }
        const ixion::model_context& cx = m_doc.get_model_context();
        for (auto it = cx.get_named_expressions_iterator(); it.has(); it.next()) {
            const auto named = it.get();
            const auto& tokens = named.expression->tokens;
            if (tokens.size() != 1) continue;
            const ixion::formula_token& token = *tokens.front();
            ixion::abs_range_t range;
            if (token.get_opcode() == ixion::fop_range_ref) range = token.get_range_ref().to_abs(named.expression->origin);
            else if (token.get_opcode() == ixion::fop_single_ref) range = ixion::abs_range_t(token.get_single_ref().to_abs(named.expression->origin));
            else continue;
            if (!range.valid() || range.first.sheet < 0) continue;
            AddTable(*named.name, {range.first.sheet, range.first.row, range.last.row, range.first.column, range.last.column});
        }
    }

    const mdb::Catalog& Catalog() const override { return m_catalog; }

    std::optional<mdb::Table> TableNamed(std::string_view name) override {
        const size_t dollar = name.rfind('$');
        if (dollar == std::string_view::npos) return std::nullopt;
        const std::string_view sheetName = name.substr(0, dollar), ref = name.substr(dollar + 1);
        const size_t colon = ref.find(':');
        const auto first = ParseCell(ref.substr(0, colon));
        const auto last = colon == std::string_view::npos ? first : ParseCell(ref.substr(colon + 1));
        if (!first || !last) return std::nullopt;
        for (size_t s = 0; s < m_doc.get_sheet_count(); ++s) {
            if (LowerAscii(m_doc.get_sheet_name(static_cast<ss::sheet_t>(s))) != LowerAscii(sheetName)) continue;
            const Area area{static_cast<ixion::sheet_t>(s), std::min(first->first, last->first), std::max(first->first, last->first),
                            std::min(first->second, last->second), std::max(first->second, last->second)};
            return AddTable(std::string(name), area);
        }
        return std::nullopt;
    }

    mdb::Status ReadRows(const std::string& table, const std::function<void(const std::vector<mdb::Value>&)>& onRow,
                         const std::function<bool()>& stop) override {
        const auto found = m_areas.find(LowerAscii(table));
        if (found == m_areas.end()) return mdb::Status::NotFound;
        const Area& area = found->second.first;
        const mdb::Table& definition = m_catalog.tables[found->second.second];
        const size_t columns = definition.columns.size();
        std::vector<mdb::Value> row(columns);
        std::vector<std::string> texts(columns);
        const ixion::row_t start = area.firstRow + (m_header ? 1 : 0);
        ixion::row_t rows = 0;
        for (ixion::row_t r = start; r <= area.lastRow; r += rows) {
            // A block of rows at a time through the model's own iterator.
            rows = std::min<ixion::row_t>(4096, area.lastRow - r + 1);
            if (stop && stop()) return mdb::Status::Cancelled;
            ForEachCell({area.sheet, r, r + rows - 1, area.firstCol, area.lastCol}, [&](ixion::row_t, ixion::col_t c, const Cell& cell) {
                const size_t k = static_cast<size_t>(c - area.firstCol);
                row[k] = ValueInColumn(cell, definition.columns[k].type, texts[k]);
                if (k + 1 == columns) onRow(row);
            });
        }
        return mdb::Status::Ok;
    }

private:
    void Load(const std::string& path) {
        // Read whole into memory, never mapped: a workbook saved again while it is read then
        // reads short and fails, instead of taking the process down.
        posix::FileBytes bytes;
        std::string why;
        if (!posix::ReadRegularFile(path, bytes, why)) throw UnreadableFile(why);
        const std::string_view content(bytes.data.get(), bytes.size);
        const FileKind kind = KindOfBytes(content);
        ss::import_factory factory(m_doc);
        try {
            switch (kind) {
            case FileKind::Xlsx: {
                // Read first, so what it unpacks is let go before the document grows.
                const XlsxParts parts = ReadXlsxParts(content);
                orcus::orcus_xlsx loader(&factory);
                loader.read_stream(content);
                TakeXlsxParts(parts);
                break;
            }
            case FileKind::Ods: {
                orcus::orcus_ods loader(&factory);
                loader.read_stream(content);
                TakeOdsCells(ReadOdsCells(content));
                break;
            }
            default: throw UnreadableFile(DescribeUnreadable(kind, path));
            }
        } catch (const UnreadableFile&) {
            throw;
        } catch (const std::exception& e) {
            throw UnreadableFile("The workbook '" + path.substr(path.find_last_of('/') + 1) +
                                 "' cannot be read: it is damaged or not a complete workbook (" + std::string(e.what()) + ").");
        }
        SettleFormulas();
    }

    // What the import library passed over. A workbook that asks to be computed whole when
    // opened (calcPr fullCalcOnLoad) is computed here: the programs that write workbooks
    // without computing them save every formula with a stand-in value and ask this.
    void TakeXlsxParts(const XlsxParts& parts) {
        m_system1904 = parts.date1904;
        m_recalculate = parts.fullCalcOnLoad;
        ixion::model_context& cx = m_doc.get_model_context();
        for (const InlineString& s : parts.inlineStrings)
            if (s.sheet < m_doc.get_sheet_count())
                cx.set_string_cell(ixion::abs_address_t(static_cast<ixion::sheet_t>(s.sheet), s.row, s.col), s.text);
    }

    // The cells the import library reads short in an OpenDocument file, as the file has them;
    // dates and times are OLE dates already.
    void TakeOdsCells(const std::vector<OdsCell>& cells) {
        ixion::model_context& cx = m_doc.get_model_context();
        for (const OdsCell& cell : cells) {
            if (cell.sheet >= m_doc.get_sheet_count()) continue;
            const ixion::abs_address_t at(static_cast<ixion::sheet_t>(cell.sheet), cell.row, cell.col);
            switch (cell.kind) {
            case OdsCell::Text: cx.set_string_cell(at, cell.text); break;
            case OdsCell::Bool: cx.set_boolean_cell(at, cell.value != 0); break;
            case OdsCell::Date:
                cx.set_numeric_cell(at, cell.value);
                m_oleDates.insert(at);
                break;
            }
        }
    }

    // Formulas keep the values the workbook saved with them. One saved without its value
    // (written by a program that computes nothing) is computed here, and the others keep
    // theirs, unless the workbook asks to be computed whole. A formula ixion cannot compute (a
    // function it does not have) keeps its saved value, or else is the error #NAME?, as in a
    // spreadsheet that lacks the function; never an empty cell.
    void SettleFormulas() {
        ixion::model_context& cx = m_doc.get_model_context();
        std::map<ixion::abs_address_t, std::optional<ixion::formula_result>> saved;  // none: saved without a value
        ForEachFormula([&](const ixion::abs_address_t& at, const std::optional<ixion::formula_result>& result) { saved.emplace(at, result); });
        const bool missing = std::any_of(saved.begin(), saved.end(), [](const auto& entry) { return !entry.second; });
        if (!missing && !m_recalculate) return;
        ixion::abs_range_set_t dirty;
        for (const auto& entry : saved) dirty.insert(ixion::abs_range_t(entry.first));
        // In the order of their dependencies, each cell on its own, so one that fails fails alone.
        for (const ixion::abs_range_t& range : ixion::query_and_sort_dirty_cells(cx, {}, &dirty)) {
            for (ixion::row_t r = range.first.row; r <= range.last.row; ++r) {
                for (ixion::col_t c = range.first.column; c <= range.last.column; ++c) {
                    const ixion::abs_address_t at(range.first.sheet, r, c);
                    ixion::formula_cell* cell = cx.get_formula_cell(at);
                    if (!cell) continue;
                    const auto found = saved.find(at);
                    const bool kept = found != saved.end() && found->second.has_value();
                    cell->reset();
                    try {
                        cell->interpret(cx, at);
                    } catch (const std::exception&) {
                        cell->set_result_cache(kept ? *found->second : ixion::formula_result(ixion::formula_error_t::name_not_found));
                    }
                }
            }
        }
        if (m_recalculate) return;
        for (const auto& [at, value] : saved)
            if (value)
                if (ixion::formula_cell* cell = cx.get_formula_cell(at)) cell->set_result_cache(*value);
    }

    template <class F>
    void ForEachFormula(F f) {
        const ixion::model_context& cx = m_doc.get_model_context();
        for (size_t s = 0; s < m_doc.get_sheet_count(); ++s) {
            const ixion::abs_range_t used = m_doc.get_sheet(static_cast<ss::sheet_t>(s))->get_data_range();
            if (!used.valid()) continue;
            for (auto it = cx.get_model_iterator(static_cast<ixion::sheet_t>(s), ixion::rc_direction_t::vertical, ixion::abs_rc_range_t(used)); it.has();
                 it.next()) {
                const auto& c = it.get();
                if (c.type != ixion::celltype_t::formula) continue;
                f(ixion::abs_address_t(static_cast<ixion::sheet_t>(s), c.row, c.col), ResultOf(*std::get<const ixion::formula_cell*>(c.value)));
            }
        }
    }

    // A formula's value; none when it has none (saved without one, or not computed).
    static std::optional<ixion::formula_result> ResultOf(const ixion::formula_cell& formula) {
        try {
            ixion::formula_result result = formula.get_result_cache(ixion::formula_result_wait_policy_t::throw_exception);
            if (result.get_type() == ixion::formula_result::result_type::value && std::isnan(result.get_value())) return std::nullopt;
            return result;
        } catch (const ixion::formula_error& e) {
            return ixion::formula_result(e.get_error());
        } catch (const std::exception&) {
            return std::nullopt;
        }
    }

    void ReadNumberFormats() {
        const ss::styles& styles = m_doc.get_styles();
        std::unordered_map<size_t, std::string_view> codes;
        for (size_t i = 0; i < styles.get_number_format_count(); ++i)
            if (const ss::number_format_t* format = styles.get_number_format(i)) codes[format->identifier] = format->format_string;
        m_dateXf.resize(styles.get_cell_formats_count());
        for (size_t xf = 0; xf < m_dateXf.size(); ++xf) {
            const ss::cell_format_t* format = styles.get_cell_format(xf);
            if (!format) continue;
            // The cell format names its number format by id; ids of 164 and up are the file's own.
            const auto code = codes.find(format->number_format);
            m_dateXf[xf] = IsDateFormat(format->number_format, code == codes.end() ? std::string_view() : code->second);
        }
    }

    Cell NumberCell(double value, ixion::sheet_t sheet, ixion::row_t row, ixion::col_t col) const {
        Cell cell;
        if (!m_oleDates.empty() && m_oleDates.count(ixion::abs_address_t(sheet, row, col))) {
            cell.kind = Cell::Date;
            cell.number = value;
            return cell;
        }
        const size_t xf = m_doc.get_sheet(sheet)->get_cell_format(row, col);
        if (xf < m_dateXf.size() && m_dateXf[xf]) {
            if (const auto date = OleDateOfSerial(value, m_system1904)) {
                cell.kind = Cell::Date;
                cell.number = *date;
                return cell;
            }
            // The day the 1900 system counts that never was, as the spreadsheet shows it.
            cell.kind = Cell::Text;
            cell.text = value >= 60 && value < 61 && !m_system1904 ? "1900-02-29" : "#####";
            return cell;
        }
        cell.kind = Cell::Number;
        cell.number = value;
        return cell;
    }

    // Each cell of an area, row by row, as a Cell.
    template <class F>
    void ForEachCell(const Area& area, F f) const {
        const ixion::model_context& cx = m_doc.get_model_context();
        ixion::abs_rc_range_t range;
        range.first = ixion::abs_rc_address_t(area.firstRow, area.firstCol);
        range.last = ixion::abs_rc_address_t(area.lastRow, area.lastCol);
        Cell cell;
        for (auto it = cx.get_model_iterator(area.sheet, ixion::rc_direction_t::horizontal, range); it.has(); it.next()) {
            const auto& c = it.get();
            cell = Cell();
            switch (c.type) {
            case ixion::celltype_t::numeric: cell = NumberCell(std::get<double>(c.value), area.sheet, c.row, c.col); break;
            case ixion::celltype_t::string:
                cell.kind = Cell::Text;
                if (const std::string* s = cx.get_string(std::get<ixion::string_id_t>(c.value))) cell.text = *s;
                break;
            case ixion::celltype_t::boolean:
                cell.kind = Cell::Bool;
                cell.number = std::get<bool>(c.value) ? 1 : 0;
                break;
            case ixion::celltype_t::formula: {
                const std::optional<ixion::formula_result> value = ResultOf(*std::get<const ixion::formula_cell*>(c.value));
                const ixion::formula_result result = value ? *value : ixion::formula_result(ixion::formula_error_t::name_not_found);
                switch (result.get_type()) {
                case ixion::formula_result::result_type::value: cell = NumberCell(result.get_value(), area.sheet, c.row, c.col); break;
                case ixion::formula_result::result_type::string:
                    cell.kind = Cell::Text;
                    cell.text = result.get_string();
                    break;
                case ixion::formula_result::result_type::error:
                    cell.kind = Cell::Text;
                    cell.text = ixion::get_formula_error_name(result.get_error());
                    break;
                case ixion::formula_result::result_type::matrix:
                    cell.kind = Cell::Text;
                    cell.text = "#VALUE!";
                    break;
                }
                break;
            }
            default: break;
            }
            f(c.row, c.col, cell);
        }
    }

    // Describes a table over an area: its columns named and typed by its cells.
    mdb::Table AddTable(const std::string& name, const Area& area) {
        mdb::Table table;
        table.name = name;
        const size_t width = area.lastCol >= area.firstCol ? static_cast<size_t>(area.lastCol - area.firstCol + 1) : 0;
        std::vector<std::string> header(width);
        std::vector<ColumnTyper> typers(width);
        if (width) {
            ForEachCell(area, [&](ixion::row_t r, ixion::col_t c, const Cell& cell) {
                const size_t k = static_cast<size_t>(c - area.firstCol);
                if (m_header && r == area.firstRow) header[k] = CellText(cell);
                else typers[k].Add(cell.kind);
            });
        }
        const std::vector<std::string> names = ColumnNames(header, m_header);
        for (size_t k = 0; k < width; ++k) {
            mdb::Column column;
            column.name = names[k];
            column.type = typers[k].AccessType();
            column.size = column.type == mdb::kText ? 510 : 8;
            table.columns.push_back(std::move(column));
        }
        // A table with no cells still has a column, as the driver gives one: F1, empty.
        if (table.columns.empty()) table.columns.push_back({"F1", mdb::kText, 510});
        m_areas[LowerAscii(name)] = {area, m_catalog.tables.size()};
        m_catalog.tables.push_back(table);
        return table;
    }

    ss::document m_doc;
    bool m_header;
    bool m_system1904 = false;
    bool m_recalculate = false;  // the workbook asks to be computed whole
    std::set<ixion::abs_address_t> m_oleDates;  // cells that hold an OLE date (OpenDocument dates)
    std::vector<bool> m_dateXf;  // cell format -> its number format shows a date
    mdb::Catalog m_catalog;
    std::map<std::string, std::pair<Area, size_t>> m_areas;  // lower-case name -> area, catalogue entry
};

}  // namespace

std::shared_ptr<access::TableSource> OpenWorkbook(const std::string& hostPath, bool header) {
    return std::make_shared<WorkbookSource>(hostPath, header);
}

}  // namespace platform::sheets
