#include "sheets/ModelReader.h"

#include <orcus/orcus_ods.hpp>
#include <orcus/orcus_xlsx.hpp>
#include <orcus/spreadsheet/document.hpp>
#include <orcus/spreadsheet/factory.hpp>
#include <orcus/spreadsheet/sheet.hpp>
#include <orcus/spreadsheet/styles.hpp>
#include <orcus/zip_archive.hpp>
#include <orcus/zip_archive_stream.hpp>

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

#include "sheets/OdsParts.h"
#include "sheets/StoredZip.h"
#include "sheets/XlsxParts.h"

namespace platform::sheets {
namespace {

namespace ss = orcus::spreadsheet;

// liborcus finds a package's parts by relationship targets relative to the part that names
// them, and reads a sheet named by an absolute one ("/xl/worksheets/sheet1.xml", as several
// programs write them) as empty. Such a package is handed to it as a copy whose targets are
// relative, its parts stored uncompressed; empty when no target needs it.
std::string WithRelativeTargets(std::string_view content) {
    orcus::zip_archive_stream_blob stream(reinterpret_cast<const uint8_t*>(content.data()), content.size());
    orcus::zip_archive archive(&stream);
    archive.load();
    std::vector<std::pair<std::string, std::string>> parts;
    bool changed = false;
    for (size_t i = 0; i < archive.get_file_entry_count(); ++i) {
        std::string name(archive.get_file_entry_name(i));
        std::vector<unsigned char> bytes;
        if (!archive.read_file_entry(name, bytes)) continue;
        std::string text(bytes.begin(), bytes.end());
        const size_t rels = name.rfind("_rels/");
        if (rels != std::string::npos && name.size() > 5 && name.compare(name.size() - 5, 5, ".rels") == 0) {
            // xl/_rels/workbook.xml.rels names parts from xl/: "/xl/styles.xml" is "styles.xml".
            const std::string absolute = "Target=\"/" + name.substr(0, rels);
            for (size_t at = text.find(absolute); at != std::string::npos; at = text.find(absolute, at)) {
                text.replace(at, absolute.size(), "Target=\"");
                changed = true;
            }
        }
        parts.emplace_back(std::move(name), std::move(text));
    }
    return changed ? StoredZip(parts) : std::string();
}

// A text already unescaped, escaped again where it could be read as an _xHHHH_ escape, so that
// the one unescaping every text of the model gets leaves it as it is.
std::string Escaped(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        out += text[i];
        if (text[i] == '_' && i + 1 < text.size() && text[i + 1] == 'x') out += "x005F_";
    }
    return out;
}

class ModelWorkbook {
public:
    ModelWorkbook() : m_doc({1048576, 16384}) {}

    void Load(std::string_view content, FileKind kind) {
        ss::import_factory factory(m_doc);
        m_xlsx = kind == FileKind::Xlsx;
        if (m_xlsx) {
            // Read first, so what it unpacks is let go before the document grows.
            const XlsxParts parts = ReadXlsxParts(content);
            const std::string copy = WithRelativeTargets(content);
            orcus::orcus_xlsx loader(&factory);
            loader.read_stream(copy.empty() ? content : std::string_view(copy));
            TakeXlsxParts(parts);
        } else {
            orcus::orcus_ods loader(&factory);
            loader.read_stream(content);
            TakeOdsCells(ReadOdsCells(content));
        }
        ReadNumberFormats();
        if (m_doc.get_origin_date().year == 1904) m_system1904 = true;
        SettleFormulas();
    }

    // The cells as they show, sheet by sheet, and the defined names that are ranges.
    WorkbookCells Cells() const {
        WorkbookCells cells;
        for (size_t s = 0; s < m_doc.get_sheet_count(); ++s) {
            const size_t sheet = cells.AddSheet(std::string(m_doc.get_sheet_name(static_cast<ss::sheet_t>(s))));
            const ixion::abs_range_t used = m_doc.get_sheet(static_cast<ss::sheet_t>(s))->get_data_range();
            if (!used.valid()) continue;
            ForEachCell(static_cast<ixion::sheet_t>(s), used, [&](ixion::row_t r, ixion::col_t c, const Cell& cell) { cells.Put(sheet, r, c, cell); });
        }
        cells.Finish();
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
            cells.Names().push_back(
                {*named.name, {static_cast<size_t>(range.first.sheet), range.first.row, range.last.row, range.first.column, range.last.column}});
        }
        return cells;
    }

private:
    void TakeXlsxParts(const XlsxParts& parts) {
        m_system1904 = parts.date1904;
        m_recalculate = parts.fullCalcOnLoad;
        ixion::model_context& cx = m_doc.get_model_context();
        for (const InlineString& s : parts.inlineStrings)
            if (s.sheet < m_doc.get_sheet_count())
                cx.set_string_cell(ixion::abs_address_t(static_cast<ixion::sheet_t>(s.sheet), s.row, s.col), Escaped(s.text));
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

    Cell ShownNumber(double value, ixion::sheet_t sheet, ixion::row_t row, ixion::col_t col) const {
        if (!m_oleDates.empty() && m_oleDates.count(ixion::abs_address_t(sheet, row, col))) {
            Cell cell;
            cell.kind = Cell::Date;
            cell.number = value;
            return cell;
        }
        const size_t xf = m_doc.get_sheet(sheet)->get_cell_format(row, col);
        return NumberCell(value, xf < m_dateXf.size() && m_dateXf[xf], m_system1904);
    }

    // Each cell of a sheet's range, row by row, as a Cell.
    template <class F>
    void ForEachCell(ixion::sheet_t sheet, const ixion::abs_range_t& used, F f) const {
        const ixion::model_context& cx = m_doc.get_model_context();
        Cell cell;
        for (auto it = cx.get_model_iterator(sheet, ixion::rc_direction_t::horizontal, ixion::abs_rc_range_t(used)); it.has(); it.next()) {
            const auto& c = it.get();
            cell = Cell();
            switch (c.type) {
            case ixion::celltype_t::numeric: cell = ShownNumber(std::get<double>(c.value), sheet, c.row, c.col); break;
            case ixion::celltype_t::string:
                cell.kind = Cell::Text;
                // The import library keeps _x000D_ and the like as they are written.
                if (const std::string* s = cx.get_string(std::get<ixion::string_id_t>(c.value))) cell.text = m_xlsx ? UnescapeXlsxText(*s) : *s;
                break;
            case ixion::celltype_t::boolean:
                cell.kind = Cell::Bool;
                cell.number = std::get<bool>(c.value) ? 1 : 0;
                break;
            case ixion::celltype_t::formula: {
                const std::optional<ixion::formula_result> value = ResultOf(*std::get<const ixion::formula_cell*>(c.value));
                const ixion::formula_result result = value ? *value : ixion::formula_result(ixion::formula_error_t::name_not_found);
                switch (result.get_type()) {
                case ixion::formula_result::result_type::value: cell = ShownNumber(result.get_value(), sheet, c.row, c.col); break;
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


    ss::document m_doc;
    bool m_xlsx = false;
    bool m_system1904 = false;
    bool m_recalculate = false;  // the workbook asks to be computed whole
    std::set<ixion::abs_address_t> m_oleDates;  // cells that hold an OLE date (OpenDocument dates)
    std::vector<bool> m_dateXf;  // cell format -> its number format shows a date
};

}  // namespace

WorkbookCells ReadWithModel(std::string_view content, FileKind kind) {
    ModelWorkbook book;
    book.Load(content, kind);
    return book.Cells();
}

}  // namespace platform::sheets
