#include "sheets/Workbook.h"

#include <algorithm>
#include <map>
#include <optional>
#include <type_traits>

#include "access/SqliteText.h"
#include "posix/FileIo.h"
#include "sheets/CellAddress.h"
#include "sheets/CellValues.h"
#include "sheets/FileKinds.h"
#include "sheets/ModelReader.h"
#include "sheets/WorkbookCells.h"
#include "sheets/WorkbookLibrary.h"
#include "sheets/XlsxCells.h"

namespace platform::sheets {
namespace {

using access::sqlite_text::LowerAscii;
class WorkbookSource : public access::TableSource {
public:
    WorkbookSource(const std::string& path, bool header) : m_header(header) {
        m_cells = Load(path);
        for (size_t s = 0; s < m_cells.SheetCount(); ++s) AddTable(m_cells.SheetName(s) + "$", m_cells.UsedArea(s));
        for (const NamedArea& named : m_cells.Names())
            if (named.area.sheet < m_cells.SheetCount()) AddTable(named.name, named.area);
    }

    const mdb::Catalog& Catalog() const override { return m_catalog; }

    std::optional<mdb::Table> TableNamed(std::string_view name) override {
        const size_t dollar = name.rfind('$');
        if (dollar == std::string_view::npos) return std::nullopt;
        const std::string_view sheetName = name.substr(0, dollar), ref = name.substr(dollar + 1);
        const size_t colon = ref.find(':');
        const auto first = ParseCellAddress(ref.substr(0, colon));
        const auto last = colon == std::string_view::npos ? first : ParseCellAddress(ref.substr(colon + 1));
        if (!first || !last) return std::nullopt;
        for (size_t s = 0; s < m_cells.SheetCount(); ++s) {
            if (LowerAscii(m_cells.SheetName(s)) != LowerAscii(sheetName)) continue;
            const Area area{s, std::min(first->row, last->row), std::max(first->row, last->row), std::min(first->col, last->col),
                            std::max(first->col, last->col)};
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
        const int start = area.firstRow + (m_header ? 1 : 0);
        int rows = 0;
        for (int r = start; r <= area.lastRow; r += rows) {
            // A block of rows at a time, asking between blocks whether to stop.
            rows = std::min(4096, area.lastRow - r + 1);
            if (stop && stop()) return mdb::Status::Cancelled;
            m_cells.ForEachCell({area.sheet, r, r + rows - 1, area.firstCol, area.lastCol}, [&](int, int c, const Cell& cell) {
                const size_t k = static_cast<size_t>(c - area.firstCol);
                row[k] = ValueInColumn(cell, definition.columns[k].type, texts[k]);
                if (k + 1 == columns) onRow(row);
            });
        }
        return mdb::Status::Ok;
    }

private:
    static WorkbookCells Load(const std::string& path) {
        // Read whole into memory, never mapped: a workbook saved again while it is read then
        // reads short and fails, instead of taking the process down.
        posix::FileBytes bytes;
        std::string why;
        if (!posix::ReadRegularFile(path, bytes, why)) throw UnreadableFile(why);
        const std::string_view content(bytes.data.get(), bytes.size);
        const FileKind kind = KindOfBytes(content);
        try {
            switch (kind) {
            case FileKind::Xlsx: {
                // Most workbooks carry the values of their formulas and are read straight from
                // their XML; the others are computed through the document model.
                if (std::optional<WorkbookCells> cells = ReadXlsxCells(content)) return std::move(*cells);
                return ReadWithModel(content, kind);
            }
            case FileKind::Ods: return ReadWithModel(content, kind);
            default: throw UnreadableFile(DescribeUnreadable(kind, path));
            }
        } catch (const UnreadableFile&) {
            throw;
        } catch (const std::exception& e) {
            throw UnreadableFile("The workbook '" + path.substr(path.find_last_of('/') + 1) +
                                 "' cannot be read: it is damaged or not a complete workbook (" + std::string(e.what()) + ").");
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
            m_cells.ForEachCell(area, [&](int r, int c, const Cell& cell) {
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

    WorkbookCells m_cells;
    bool m_header;
    mdb::Catalog m_catalog;
    std::map<std::string, std::pair<Area, size_t>> m_areas;  // lower-case name -> area, catalogue entry
};

}  // namespace

std::shared_ptr<access::TableSource> OpenWorkbook(const std::string& hostPath, bool header) {
    return std::make_shared<WorkbookSource>(hostPath, header);
}

}  // namespace platform::sheets

// The entry point of the workbook reader library (WorkbookLibrary.h).
extern "C" __attribute__((visibility("default"))) void velloriaOpenWorkbook(const std::string& hostPath, bool header,
                                                                           std::shared_ptr<platform::access::TableSource>* result) {
    static_assert(std::is_same_v<decltype(&velloriaOpenWorkbook), platform::sheets::OpenWorkbookFn*>);
    *result = platform::sheets::OpenWorkbook(hostPath, header);
}
