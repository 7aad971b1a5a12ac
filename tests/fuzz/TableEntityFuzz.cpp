// Table entities through the drawing database: a drawing that reads loads into a database;
// each table of model space gets a changed cell (a text of two lines), a new row and a wider
// column, the drawing is written, and what was written reads back with every table as it was
// left, each with the block that draws it.
#include <algorithm>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "db/DbDatabase.h"
#include "db/DbSymbolTable.h"
#include "db/DbTable.h"
#include "dxf/AcadTable.h"
#include "dxf/DrawingIo.h"
#include "dxf/DxfReader.h"
#include "dxf/DxfWriter.h"
#include "fuzz/FuzzTarget.h"

namespace {

// Tables larger than this are loaded and written, not changed: their block would take longer
// to lay out than a fuzz run should.
constexpr long kMostCellsChanged = 4000;

struct TableState {
    AcDbHandle handle;
    int rows = 0, columns = 0;
    std::vector<std::string> texts;  // row by row
    bool changed = false;
};

TableState StateOf(const AcDbTable& table) {
    TableState state{table.objectId().handle(), table.numRows(), table.numColumns(), {}};
    for (int r = 0; r < state.rows; ++r)
        for (int c = 0; c < state.columns; ++c) state.texts.emplace_back(table.textUtf8(r, c));
    return state;
}

std::vector<AcDbObjectId> ModelSpaceTables(AcDbDatabase& db) {
    std::vector<AcDbObjectId> tables;
    AcDbObjectPointer<AcDbBlockTableRecord> space(db.modelSpaceId(), AcDb::kForRead);
    if (!space) return tables;
    for (AcDbObjectId id : space->entityIds()) {
        AcDbObjectPointer<AcDbTable> table(id, AcDb::kForRead);
        if (table) tables.push_back(id);
    }
    return tables;
}

}  // namespace

VELLORIA_FUZZ_TARGET(TableEntity) {
    using namespace platform::dxf;
    ReadResult read = ReadDxfText(std::string_view(reinterpret_cast<const char*>(data), size), "fuzz.dxf");
    if (!read) return 0;
    std::shared_ptr<AcDbDatabase> db = DatabaseFromDocument(std::move(read.document));
    FUZZ_CHECK(db);

    std::vector<TableState> expected;
    for (AcDbObjectId id : ModelSpaceTables(*db)) {
        AcDbObjectPointer<AcDbTable> table(id, AcDb::kForWrite);
        FUZZ_CHECK(table);
        size_t changedCell = 0;
        const long cells = static_cast<long>(table->numRows()) * table->numColumns();
        if (cells > 0 && cells <= kMostCellsChanged) {
            const int last = table->numRows() - 1;
            FUZZ_CHECK(table->setTextString(last, 0, L"changed \u00e9\nline") == Acad::eOk);
            changedCell = static_cast<size_t>(last) * static_cast<size_t>(table->numColumns());
            FUZZ_CHECK(table->insertRows(table->numRows(), 1.5) == Acad::eOk);
            table->setTextString(table->numRows() - 1, table->numColumns() - 1, L"new row");
            table->setColumnWidth(0, std::max(1.0, table->columnWidth(0)) * 2);
        }
        expected.push_back(StateOf(*table.object()));
        if (cells > 0 && cells <= kMostCellsChanged) {
            expected.back().changed = true;
            // A line break is stored as the paragraph break of the file's text.
            expected.back().texts[changedCell] = "changed \xc3\xa9\\Pline";
        }
    }

    const std::shared_ptr<Document> current = CurrentDocument(*db);
    FUZZ_CHECK(current);
    const std::string written = WriteDxfToString(*current);
    ReadResult again = ReadDxfText(written, "written.dxf");
    FUZZ_CHECK(again);  // what we write we read
    // A changed table is written with the block that draws it.
    for (const TableState& table : expected) {
        if (!table.changed) continue;
        const DxfObject* entity = again.document->FindObject(table.handle.value());
        FUZZ_CHECK(entity);
        const std::optional<AcadTable> parsed = ParseAcadTable(*entity);
        FUZZ_CHECK(parsed && again.document->FindBlock(parsed->blockName));
    }
    std::shared_ptr<AcDbDatabase> reread = DatabaseFromDocument(std::move(again.document));
    FUZZ_CHECK(reread);
    for (const TableState& before : expected) {
        AcDbObjectId id;
        FUZZ_CHECK(reread->getAcDbObjectId(id, false, before.handle) == Acad::eOk);
        AcDbObjectPointer<AcDbTable> table(id, AcDb::kForRead);
        FUZZ_CHECK(table);
        const TableState after = StateOf(*table.object());
        FUZZ_CHECK(after.rows == before.rows && after.columns == before.columns);
        if (after.texts != before.texts)  // say which cell, for whoever reads the failing input
            for (size_t i = 0; i < std::min(after.texts.size(), before.texts.size()); ++i)
                if (after.texts[i] != before.texts[i])
                    std::fprintf(stderr, "cell %zu: \"%s\" was read back as \"%s\"\n", i, before.texts[i].c_str(), after.texts[i].c_str());
        FUZZ_CHECK(after.texts == before.texts);
    }
    return 0;
}
